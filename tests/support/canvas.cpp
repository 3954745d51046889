#include "support/canvas.h"

namespace brellis::test {

Canvas::Canvas(int width, int height, COLORREF fill) : width_(width), height_(height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  dc_ = CreateCompatibleDC(nullptr);
  bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  bits_ = static_cast<std::uint32_t*>(bits);
  previous_ = SelectObject(dc_, bitmap_);
  Fill(fill);
}

Canvas::~Canvas() {
  SelectObject(dc_, previous_);
  DeleteDC(dc_);
  DeleteObject(bitmap_);
}

COLORREF Canvas::At(int x, int y) const {
  return platform::ColorRefFromPixel(bits_[static_cast<std::size_t>(y) * width_ + x] & 0xFFFFFF);
}

void Canvas::Fill(COLORREF colour) {
  const platform::Pixel pixel = platform::PixelFromColorRef(colour);
  std::fill(bits_, bits_ + static_cast<std::size_t>(width_) * height_, pixel);
}

platform::DibImage Canvas::Snapshot() const { return *platform::ImageFromBitmap(bitmap_); }

}  // namespace brellis::test
