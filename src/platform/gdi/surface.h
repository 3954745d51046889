// A 32-bit drawing surface: rows of 0x00RRGGBB pixels. A device context draws
// into one; it is either a bitmap's own pixels (borrowed) or a buffer the
// surface owns, such as a window's backing store.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "platform/gdi/dib_format.h"

namespace platform {

class Surface {
 public:
  // An owned, zeroed surface, rows top-down.
  Surface(int width, int height);
  // A view of pixels owned elsewhere; `origin` is row 0 and `stride` may be
  // negative (bottom-up bitmaps).
  Surface(std::uint8_t* origin, std::ptrdiff_t stride, int width, int height);

  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;

  int Width() const { return width_; }
  int Height() const { return height_; }
  std::ptrdiff_t Stride() const { return stride_; }
  RECT Bounds() const { return RECT{0, 0, width_, height_}; }

  Pixel* Row(int y) { return reinterpret_cast<Pixel*>(origin_ + y * stride_); }
  const Pixel* Row(int y) const { return reinterpret_cast<const Pixel*>(origin_ + y * stride_); }
  Pixel& At(int x, int y) { return Row(y)[x]; }

  // Changes the size of an owned surface, keeping the pixels of the common
  // part and zeroing the rest. A view cannot be resized (answers false).
  bool Resize(int width, int height);

 private:
  std::unique_ptr<Pixel[]> owned_;
  std::uint8_t* origin_ = nullptr;
  std::ptrdiff_t stride_ = 0;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace platform
