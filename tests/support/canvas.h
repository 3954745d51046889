// A memory DC over a 32-bit top-down DIB section, for tests that draw and
// then look at the pixels. Everything it made is freed with it.
#pragma once

#include "platform/gdi/codecs.h"
#include "platform/gdi/gdi.h"

namespace brellis::test {

class Canvas {
 public:
  Canvas(int width, int height, COLORREF fill = RGB(255, 255, 255));
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  HDC Dc() const { return dc_; }
  HBITMAP Bitmap() const { return bitmap_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  // The pixel as a COLORREF (read straight from the bits).
  COLORREF At(int x, int y) const;
  void Fill(COLORREF colour);
  platform::DibImage Snapshot() const;

 private:
  int width_;
  int height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  std::uint32_t* bits_ = nullptr;
};

}  // namespace brellis::test
