// The embossed rendering of disabled glyphs and images.
#include <vector>

#include "toolkit/Graphics.h"
#include "toolkit/Graphics_ScopedDc.h"

namespace {

// The raster operation that paints the brush where the source is white and
// leaves the destination where it is black.
constexpr DWORD kPaintWhereSourceSet = 0x00E20746;

// Light pixels (every channel at 0xC0 or above) are not part of the shape.
bool Inked(COLORREF colour) { return GetRValue(colour) < 0xC0 || GetGValue(colour) < 0xC0 || GetBValue(colour) < 0xC0; }

void PaintMask(HDC dc, int x, int y, int width, int height, HDC mask, int systemColour) {
  HBRUSH brush = CreateSolidBrush(GetSysColor(systemColour));
  HGDIOBJ previousBrush = SelectObject(dc, brush);
  // Monochrome sources draw 0 bits in the text colour and 1 bits in the background colour.
  const COLORREF previousText = SetTextColor(dc, RGB(0, 0, 0));
  const COLORREF previousBack = SetBkColor(dc, RGB(255, 255, 255));
  BitBlt(dc, x, y, width, height, mask, 0, 0, kPaintWhereSourceSet);
  SetTextColor(dc, previousText);
  SetBkColor(dc, previousBack);
  SelectObject(dc, previousBrush);
  DeleteObject(brush);
}

}  // namespace

HBITMAP CreateDisabledMask(HDC source, int x, int y, int width, int height, COLORREF transparent) {
  if (width <= 0 || height <= 0) return nullptr;
  TBitmap copy;
  copy.SetSize(width, height);
  BitBlt(copy.Canvas()->Handle(), 0, 0, width, height, source, x, y, SRCCOPY);
  // Monochrome rows for CreateBitmap are padded to 16 bits.
  const int stride = (width + 15) / 16 * 2;
  std::vector<std::uint8_t> shape(static_cast<std::size_t>(stride) * static_cast<std::size_t>(height), 0);
  for (int row = 0; row < height; ++row) {
    const auto* pixels = reinterpret_cast<const std::uint32_t*>(copy.ScanLine(row));
    for (int column = 0; column < width; ++column) {
      const std::uint32_t p = pixels[column];
      const COLORREF colour = RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
      if (colour != transparent && Inked(colour)) {
        shape[static_cast<std::size_t>(row) * stride + column / 8] |= static_cast<std::uint8_t>(0x80 >> (column % 8));
      }
    }
  }
  HBITMAP mask = CreateBitmap(width, height, 1, 1, shape.data());
  if (mask == nullptr) throw EOutOfResources("Out of system resources");
  return mask;
}

void DrawEmbossed(HDC dc, int x, int y, int width, int height, HBITMAP mask) {
  TScopedBitmapDc maskDc(mask);
  PaintMask(dc, x + 1, y + 1, width, height, maskDc.Get(), COLOR_BTNHIGHLIGHT);
  PaintMask(dc, x, y, width, height, maskDc.Get(), COLOR_BTNSHADOW);
}

void DrawDisabledBitmap(TCanvas* canvas, int x, int y, TBitmap* bitmap, const TRect& source) {
  if (bitmap == nullptr || bitmap->Empty() || RectWidth(source) <= 0 || RectHeight(source) <= 0) return;
  HDC dc = canvas->Handle();
  if (dc == nullptr) throw EInvalidGraphicOperation("Canvas does not allow drawing");
  HBITMAP mask = CreateDisabledMask(bitmap->Canvas()->Handle(), source.left, source.top, RectWidth(source),
                                    RectHeight(source), ColorToRGB(bitmap->TransparentColor()));
  DrawEmbossed(dc, x, y, RectWidth(source), RectHeight(source), mask);
  DeleteObject(mask);
}
