#include "platform/gdi/rop.h"

#include <algorithm>
#include <cstring>

namespace platform {

Pixel ApplyRop3(std::uint8_t code, Pixel p, Pixel s, Pixel d) {
  switch (code) {
    case 0xCC:
      return s;
    case 0xAA:
      return d;
    case 0x00:
      return 0;
    case 0xFF:
      return 0xFFFFFF;
    default:
      break;
  }
  Pixel result = 0;
  for (int i = 0; i < 8; ++i) {
    if (!((code >> i) & 1)) continue;
    result |= ((i & 4) ? p : ~p) & ((i & 2) ? s : ~s) & ((i & 1) ? d : ~d);
  }
  return result & 0xFFFFFF;
}

namespace {

template <class Op>
void Each(Pixel* d, const Pixel* s, const Pixel* p, int n, Op op) {
  for (int i = 0; i < n; ++i) d[i] = op(p ? p[i] : 0, s ? s[i] : 0, d[i]) & 0xFFFFFF;
}

}  // namespace

void ApplyRop3Row(std::uint8_t code, Pixel* d, const Pixel* s, const Pixel* p, int n) {
  switch (code) {
    case 0xCC:  // SRCCOPY
      std::memcpy(d, s, static_cast<std::size_t>(n) * sizeof(Pixel));
      return;
    case 0xAA:  // destination unchanged
      return;
    case 0x00:  // BLACKNESS
      std::fill_n(d, n, Pixel{0});
      return;
    case 0xFF:  // WHITENESS
      std::fill_n(d, n, Pixel{0xFFFFFF});
      return;
    case 0xF0:  // PATCOPY
      std::memcpy(d, p, static_cast<std::size_t>(n) * sizeof(Pixel));
      return;
    case 0x88:  // SRCAND
      return Each(d, s, p, n, [](Pixel, Pixel S, Pixel D) { return S & D; });
    case 0xEE:  // SRCPAINT
      return Each(d, s, p, n, [](Pixel, Pixel S, Pixel D) { return S | D; });
    case 0x66:  // SRCINVERT
      return Each(d, s, p, n, [](Pixel, Pixel S, Pixel D) { return S ^ D; });
    case 0x33:  // NOTSRCCOPY
      return Each(d, s, p, n, [](Pixel, Pixel S, Pixel) { return ~S; });
    case 0x55:  // DSTINVERT
      return Each(d, s, p, n, [](Pixel, Pixel, Pixel D) { return ~D; });
    case 0x5A:  // PATINVERT
      return Each(d, s, p, n, [](Pixel P, Pixel, Pixel D) { return P ^ D; });
    case 0xC0:  // MERGECOPY
      return Each(d, s, p, n, [](Pixel P, Pixel S, Pixel) { return P & S; });
    case 0xBB:  // MERGEPAINT
      return Each(d, s, p, n, [](Pixel, Pixel S, Pixel D) { return ~S | D; });
    case 0x44:  // SRCERASE
      return Each(d, s, p, n, [](Pixel, Pixel S, Pixel D) { return S & ~D; });
    case 0x11:  // NOTSRCERASE
      return Each(d, s, p, n, [](Pixel, Pixel S, Pixel D) { return ~(S | D); });
    case 0xB8:  // pattern where the source is 0, destination where it is 1
      return Each(d, s, p, n, [](Pixel P, Pixel S, Pixel D) { return (P & ~S) | (D & S); });
    case 0xE2:  // destination where the source is 0, pattern where it is 1
      return Each(d, s, p, n, [](Pixel P, Pixel S, Pixel D) { return (D & ~S) | (P & S); });
    default:
      for (int i = 0; i < n; ++i) d[i] = ApplyRop3(code, p ? p[i] : 0, s ? s[i] : 0, d[i]);
      return;
  }
}

}  // namespace platform
