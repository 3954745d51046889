// The classic look of scroll bars: raised arrow buttons (flat while
// pressed), a dithered track that darkens where a page part is held, a
// raised thumb, and the size box or size grip.
#include <cstdint>

#include "platform/controls/classic_look_internal.h"

namespace platform {
namespace {

// A checkerboard of two colours aligned to the DC's origin, as the classic
// track's halftone brush is.
void FillChecker(HDC dc, const RECT& rect, COLORREF even, COLORREF odd) {
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap == nullptr) return;
  auto pixel = [](COLORREF c) {
    return (std::uint32_t{GetRValue(c)} << 16) | (std::uint32_t{GetGValue(c)} << 8) | GetBValue(c);
  };
  const std::uint32_t a = pixel(even), b = pixel(odd);
  auto* pixels = static_cast<std::uint32_t*>(bits);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) pixels[y * width + x] = ((rect.left + x + rect.top + y) & 1) ? b : a;
  }
  HDC memory = CreateCompatibleDC(dc);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(dc, rect.left, rect.top, width, height, memory, 0, 0, SRCCOPY);
  SelectObject(memory, previous);
  DeleteDC(memory);
  DeleteObject(bitmap);
}

// A part of the bar from `start` to `end` along it.
RECT Span(const RECT& bar, bool vertical, int start, int end) {
  return vertical ? RECT{bar.left, bar.top + start, bar.right, bar.top + end}
                  : RECT{bar.left + start, bar.top, bar.left + end, bar.bottom};
}

void Arrow(HDC dc, RECT rect, UINT direction, bool pressed, bool enabled) {
  if (rect.right <= rect.left || rect.bottom <= rect.top) return;
  UINT state = direction;
  if (pressed) state |= DFCS_PUSHED | DFCS_FLAT;
  if (!enabled) state |= DFCS_INACTIVE;
  DrawFrameControl(dc, &rect, DFC_SCROLL, state);
}

void Track(HDC dc, const RECT& rect, bool pressed) {
  if (pressed) {
    FillChecker(dc, rect, GetSysColor(COLOR_3DDKSHADOW), GetSysColor(COLOR_3DSHADOW));
  } else {
    FillChecker(dc, rect, GetSysColor(COLOR_3DHILIGHT), GetSysColor(COLOR_SCROLLBAR));
  }
}

}  // namespace

void ControlPainter::ScrollBar(HDC dc, const RECT& rect, const ScrollBarLook& look) {
  const ScrollBarLayout& l = look.layout;
  const bool v = look.vertical;
  const bool enabled = look.firstArrowEnabled || look.secondArrowEnabled;
  Arrow(dc, Span(rect, v, 0, l.arrow), v ? DFCS_SCROLLUP : DFCS_SCROLLLEFT,
        look.pressedPart == kScrollPartFirstArrow, look.firstArrowEnabled && enabled);
  Arrow(dc, Span(rect, v, l.length - l.arrow, l.length), v ? DFCS_SCROLLDOWN : DFCS_SCROLLRIGHT,
        look.pressedPart == kScrollPartSecondArrow, look.secondArrowEnabled && enabled);
  if (l.length - 2 * l.arrow <= 0) return;
  if (l.thumbSize == 0) {
    Track(dc, Span(rect, v, l.arrow, l.length - l.arrow), false);
    return;
  }
  const int thumbEnd = l.thumbStart + l.thumbSize;
  Track(dc, Span(rect, v, l.arrow, l.thumbStart), look.pressedPart == kScrollPartPageBefore);
  Track(dc, Span(rect, v, thumbEnd, l.length - l.arrow), look.pressedPart == kScrollPartPageAfter);
  RECT thumb = Span(rect, v, l.thumbStart, thumbEnd);
  DrawEdge(dc, &thumb, EDGE_RAISED, BF_RECT | BF_MIDDLE);
}

void ControlPainter::SizeBox(HDC dc, const RECT& rect, bool grip) {
  if (grip) {
    RECT box = rect;
    DrawFrameControl(dc, &box, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
    return;
  }
  classic::FillSolid(dc, rect, GetSysColor(COLOR_3DFACE));
}

}  // namespace platform
