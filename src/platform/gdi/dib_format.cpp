#include "platform/gdi/dib_format.h"

#include <bit>
#include <cstring>
#include <limits>

namespace platform {

namespace {

// Scales a channel value of `bits` bits to 8 bits, as GDI does (replicating
// the top bits into the low ones, so 5-bit 31 becomes 255).
std::uint32_t ExpandChannel(std::uint32_t value, int bits) {
  if (bits <= 0) return 0;
  if (bits >= 8) return value >> (bits - 8);
  std::uint32_t result = value << (8 - bits);
  for (int shift = bits; shift < 8; shift += bits) result |= result >> bits;
  return result & 0xFF;
}

struct MaskShape {
  int shift = 0;
  int bits = 0;
};

MaskShape ShapeOf(std::uint32_t mask) {
  if (mask == 0) return {};
  return {std::countr_zero(mask), std::popcount(mask)};
}

std::uint32_t Extract(std::uint32_t value, std::uint32_t mask, MaskShape shape) {
  return ExpandChannel((value & mask) >> shape.shift, shape.bits);
}

std::uint32_t Insert(std::uint32_t channel8, std::uint32_t mask, MaskShape shape) {
  if (shape.bits == 0) return 0;
  const std::uint32_t value = shape.bits >= 8 ? channel8 << (shape.bits - 8) : channel8 >> (8 - shape.bits);
  return (value << shape.shift) & mask;
}

Pixel FromQuad(const RGBQUAD& q) { return (Pixel(q.rgbRed) << 16) | (Pixel(q.rgbGreen) << 8) | q.rgbBlue; }

// Palette lookups keep a one-entry memo: rows are mostly runs of one colour.
struct NearestMemo {
  Pixel pixel = 0xFFFFFFFF;
  int index = 0;
};

int MemoNearest(const std::vector<RGBQUAD>& palette, Pixel pixel, NearestMemo& memo) {
  if (memo.pixel != pixel) {
    memo.pixel = pixel;
    memo.index = NearestPaletteIndex(palette, pixel);
  }
  return memo.index;
}

}  // namespace

bool IsSupportedBitDepth(int bitsPerPixel) {
  switch (bitsPerPixel) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
      return true;
    default:
      return false;
  }
}

bool DibFormat::IsDefaultMasks() const {
  if (bitsPerPixel == 16) return redMask == 0x7C00 && greenMask == 0x03E0 && blueMask == 0x001F;
  if (bitsPerPixel == 32) return redMask == 0xFF0000 && greenMask == 0xFF00 && blueMask == 0xFF;
  return true;
}

void SetDefaultMasks(DibFormat& format) {
  if (format.bitsPerPixel == 16) {
    format.redMask = 0x7C00;
    format.greenMask = 0x03E0;
    format.blueMask = 0x001F;
  } else if (format.bitsPerPixel == 32) {
    format.redMask = 0xFF0000;
    format.greenMask = 0xFF00;
    format.blueMask = 0xFF;
  } else {
    format.redMask = format.greenMask = format.blueMask = 0;
  }
}

std::vector<RGBQUAD> MonochromePalette() { return {RGBQUAD{0, 0, 0, 0}, RGBQUAD{255, 255, 255, 0}}; }

int NearestPaletteIndex(const std::vector<RGBQUAD>& palette, Pixel pixel) {
  const int r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
  int best = 0;
  int bestDistance = std::numeric_limits<int>::max();
  for (std::size_t i = 0; i < palette.size(); ++i) {
    const int dr = r - palette[i].rgbRed, dg = g - palette[i].rgbGreen, db = b - palette[i].rgbBlue;
    const int distance = dr * dr + dg * dg + db * db;
    if (distance < bestDistance) {
      bestDistance = distance;
      best = static_cast<int>(i);
      if (distance == 0) break;
    }
  }
  return best;
}

void ReadDibRow(const DibFormat& format, const std::uint8_t* row, int x, int count, Pixel* out) {
  const auto& palette = format.palette;
  auto lookup = [&](unsigned index) { return index < palette.size() ? FromQuad(palette[index]) : 0u; };
  switch (format.bitsPerPixel) {
    case 1:
      for (int i = 0; i < count; ++i) {
        const int p = x + i;
        out[i] = lookup((row[p >> 3] >> (7 - (p & 7))) & 1);
      }
      break;
    case 4:
      for (int i = 0; i < count; ++i) {
        const int p = x + i;
        out[i] = lookup((p & 1) ? (row[p >> 1] & 0x0F) : (row[p >> 1] >> 4));
      }
      break;
    case 8:
      for (int i = 0; i < count; ++i) out[i] = lookup(row[x + i]);
      break;
    case 16: {
      const MaskShape r = ShapeOf(format.redMask), g = ShapeOf(format.greenMask), b = ShapeOf(format.blueMask);
      for (int i = 0; i < count; ++i) {
        const std::uint8_t* s = row + 2 * (x + i);
        const std::uint32_t v = s[0] | (std::uint32_t(s[1]) << 8);
        out[i] = (Extract(v, format.redMask, r) << 16) | (Extract(v, format.greenMask, g) << 8) |
                 Extract(v, format.blueMask, b);
      }
      break;
    }
    case 24: {
      // Four bytes read at once hold a pixel in their low three (little
      // endian); the last pixel is read byte by byte, as its fourth byte may
      // lie past the image.
      const std::uint8_t* s = row + 3 * x;
      int i = 0;
      if constexpr (std::endian::native == std::endian::little) {
        for (; i + 1 < count; ++i, s += 3) {
          std::uint32_t v;
          std::memcpy(&v, s, 4);
          out[i] = v & 0xFFFFFF;
        }
      }
      for (; i < count; ++i, s += 3) out[i] = s[0] | (Pixel(s[1]) << 8) | (Pixel(s[2]) << 16);
      break;
    }
    case 32:
      if (format.IsDefaultMasks()) {
        std::memcpy(out, row + 4 * x, static_cast<std::size_t>(count) * 4);
      } else {
        const MaskShape r = ShapeOf(format.redMask), g = ShapeOf(format.greenMask), b = ShapeOf(format.blueMask);
        for (int i = 0; i < count; ++i) {
          std::uint32_t v;
          std::memcpy(&v, row + 4 * (x + i), 4);
          out[i] = (Extract(v, format.redMask, r) << 16) | (Extract(v, format.greenMask, g) << 8) |
                   Extract(v, format.blueMask, b);
        }
      }
      break;
    default:
      std::memset(out, 0, static_cast<std::size_t>(count) * 4);
      break;
  }
}

void WriteDibRow(const DibFormat& format, std::uint8_t* row, int x, int count, const Pixel* in) {
  NearestMemo memo;
  switch (format.bitsPerPixel) {
    case 1:
      for (int i = 0; i < count; ++i) {
        const int p = x + i;
        const int bit = MemoNearest(format.palette, in[i] & 0xFFFFFF, memo) & 1;
        const std::uint8_t mask = static_cast<std::uint8_t>(0x80 >> (p & 7));
        row[p >> 3] = static_cast<std::uint8_t>(bit ? (row[p >> 3] | mask) : (row[p >> 3] & ~mask));
      }
      break;
    case 4:
      for (int i = 0; i < count; ++i) {
        const int p = x + i;
        const int index = MemoNearest(format.palette, in[i] & 0xFFFFFF, memo) & 0x0F;
        std::uint8_t& byte = row[p >> 1];
        byte = static_cast<std::uint8_t>((p & 1) ? ((byte & 0xF0) | index) : ((byte & 0x0F) | (index << 4)));
      }
      break;
    case 8:
      for (int i = 0; i < count; ++i) row[x + i] = static_cast<std::uint8_t>(MemoNearest(format.palette, in[i] & 0xFFFFFF, memo));
      break;
    case 16: {
      const MaskShape r = ShapeOf(format.redMask), g = ShapeOf(format.greenMask), b = ShapeOf(format.blueMask);
      for (int i = 0; i < count; ++i) {
        const Pixel p = in[i];
        const std::uint32_t v = Insert((p >> 16) & 0xFF, format.redMask, r) | Insert((p >> 8) & 0xFF, format.greenMask, g) |
                                Insert(p & 0xFF, format.blueMask, b);
        row[2 * (x + i)] = static_cast<std::uint8_t>(v);
        row[2 * (x + i) + 1] = static_cast<std::uint8_t>(v >> 8);
      }
      break;
    }
    case 24:
      for (int i = 0; i < count; ++i) {
        std::uint8_t* d = row + 3 * (x + i);
        d[0] = static_cast<std::uint8_t>(in[i]);
        d[1] = static_cast<std::uint8_t>(in[i] >> 8);
        d[2] = static_cast<std::uint8_t>(in[i] >> 16);
      }
      break;
    case 32:
      if (format.IsDefaultMasks()) {
        std::memcpy(row + 4 * x, in, static_cast<std::size_t>(count) * 4);
      } else {
        const MaskShape r = ShapeOf(format.redMask), g = ShapeOf(format.greenMask), b = ShapeOf(format.blueMask);
        for (int i = 0; i < count; ++i) {
          const Pixel p = in[i];
          const std::uint32_t v = Insert((p >> 16) & 0xFF, format.redMask, r) |
                                  Insert((p >> 8) & 0xFF, format.greenMask, g) | Insert(p & 0xFF, format.blueMask, b);
          std::memcpy(row + 4 * (x + i), &v, 4);
        }
      }
      break;
    default:
      break;
  }
}

std::optional<DibFormat> FormatFromBitmapInfo(const BITMAPINFO* info, std::size_t availableBytes, UINT usage) {
  if (info == nullptr || availableBytes < sizeof(DWORD)) return std::nullopt;
  const BITMAPINFOHEADER& h = info->bmiHeader;
  if (h.biSize < sizeof(BITMAPINFOHEADER) || availableBytes < h.biSize) return std::nullopt;
  if (h.biWidth <= 0 || h.biHeight == 0 || h.biHeight == std::numeric_limits<LONG>::min()) return std::nullopt;
  if (h.biWidth > 0x7FFF * 4 || std::abs(h.biHeight) > 0x7FFF * 4) return std::nullopt;
  DibFormat format;
  format.width = h.biWidth;
  format.height = std::abs(h.biHeight);
  format.topDown = h.biHeight < 0;
  format.bitsPerPixel = h.biBitCount;
  if (!IsSupportedBitDepth(format.bitsPerPixel)) return std::nullopt;
  const auto* tail = reinterpret_cast<const std::uint8_t*>(info) + h.biSize;
  std::size_t tailBytes = availableBytes - h.biSize;
  SetDefaultMasks(format);
  switch (h.biCompression) {
    case BI_RGB:
      break;
    case BI_RLE8:
    case BI_RLE4:
      if (format.bitsPerPixel != (h.biCompression == BI_RLE8 ? 8 : 4) || format.topDown) return std::nullopt;
      break;
    case BI_BITFIELDS: {
      if (format.bitsPerPixel != 16 && format.bitsPerPixel != 32) return std::nullopt;
      // A V4/V5 header carries the masks inside it; a plain one puts them after it.
      const std::uint8_t* masks = h.biSize >= 52 ? reinterpret_cast<const std::uint8_t*>(info) + 40 : tail;
      if (h.biSize < 52) {
        if (tailBytes < 12) return std::nullopt;
        tail += 12;
        tailBytes -= 12;
      }
      std::memcpy(&format.redMask, masks, 4);
      std::memcpy(&format.greenMask, masks + 4, 4);
      std::memcpy(&format.blueMask, masks + 8, 4);
      // Masks must be contiguous runs within the pixel and must not overlap.
      for (std::uint32_t m : {format.redMask, format.greenMask, format.blueMask}) {
        // Each mask must be one run of ones.
        if (m != 0 && ((m >> std::countr_zero(m)) & ((m >> std::countr_zero(m)) + 1)) != 0) return std::nullopt;
        if (format.bitsPerPixel == 16 && (m >> 16) != 0) return std::nullopt;
      }
      if ((format.redMask & format.greenMask) || (format.redMask & format.blueMask) ||
          (format.greenMask & format.blueMask)) {
        return std::nullopt;
      }
      break;
    }
    default:
      return std::nullopt;
  }
  if (format.HasPalette()) {
    const std::size_t maximum = std::size_t{1} << format.bitsPerPixel;
    std::size_t entries = h.biClrUsed == 0 ? maximum : std::min<std::size_t>(h.biClrUsed, maximum);
    if (usage == DIB_PAL_COLORS) {
      // Palette indexes into the default (system) palette; we only have the
      // black-and-white pair and map every index to grey levels of it.
      entries = std::min(entries, tailBytes / 2);
      const auto* indexes = reinterpret_cast<const WORD*>(tail);
      for (std::size_t i = 0; i < entries; ++i) {
        const BYTE level = indexes[i] == 0 ? 0 : 255;
        format.palette.push_back(RGBQUAD{level, level, level, 0});
      }
    } else {
      entries = std::min(entries, tailBytes / sizeof(RGBQUAD));
      const auto* quads = reinterpret_cast<const RGBQUAD*>(tail);
      format.palette.assign(quads, quads + entries);
      for (auto& q : format.palette) q.rgbReserved = 0;
    }
  }
  return format;
}

void FormatToBitmapInfo(const DibFormat& format, BITMAPINFO* info, bool withColours) {
  BITMAPINFOHEADER& h = info->bmiHeader;
  h.biSize = sizeof(BITMAPINFOHEADER);
  h.biWidth = format.width;
  h.biHeight = format.topDown ? -format.height : format.height;
  h.biPlanes = 1;
  h.biBitCount = static_cast<WORD>(format.bitsPerPixel);
  h.biCompression = (format.bitsPerPixel == 16 || format.bitsPerPixel == 32) && !format.IsDefaultMasks()
                        ? BI_BITFIELDS
                        : BI_RGB;
  h.biSizeImage = static_cast<DWORD>(format.ImageSize());
  h.biXPelsPerMeter = 0;
  h.biYPelsPerMeter = 0;
  h.biClrUsed = format.HasPalette() ? static_cast<DWORD>(format.palette.size()) : 0;
  h.biClrImportant = 0;
  if (!withColours) return;
  if (format.HasPalette()) {
    std::memcpy(info->bmiColors, format.palette.data(), format.palette.size() * sizeof(RGBQUAD));
  } else if (h.biCompression == BI_BITFIELDS) {
    const DWORD masks[3] = {format.redMask, format.greenMask, format.blueMask};
    std::memcpy(info->bmiColors, masks, sizeof(masks));
  }
}

}  // namespace platform
