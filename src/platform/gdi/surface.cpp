#include "platform/gdi/surface.h"

#include <algorithm>
#include <cstring>

namespace platform {

Surface::Surface(int width, int height)
    : owned_(new Pixel[static_cast<std::size_t>(std::max(width, 0)) * static_cast<std::size_t>(std::max(height, 0))]()),
      width_(std::max(width, 0)),
      height_(std::max(height, 0)) {
  origin_ = reinterpret_cast<std::uint8_t*>(owned_.get());
  stride_ = static_cast<std::ptrdiff_t>(width_) * 4;
}

Surface::Surface(std::uint8_t* origin, std::ptrdiff_t stride, int width, int height)
    : origin_(origin), stride_(stride), width_(width), height_(height) {}

bool Surface::Resize(int width, int height) {
  if (!owned_) return false;
  width = std::max(width, 0);
  height = std::max(height, 0);
  std::unique_ptr<Pixel[]> pixels(new Pixel[static_cast<std::size_t>(width) * static_cast<std::size_t>(height)]());
  const int keepWidth = std::min(width, width_), keepHeight = std::min(height, height_);
  for (int y = 0; y < keepHeight; ++y) {
    std::memcpy(pixels.get() + static_cast<std::size_t>(y) * width, Row(y), static_cast<std::size_t>(keepWidth) * 4);
  }
  owned_ = std::move(pixels);
  origin_ = reinterpret_cast<std::uint8_t*>(owned_.get());
  stride_ = static_cast<std::ptrdiff_t>(width) * 4;
  width_ = width;
  height_ = height;
  return true;
}

}  // namespace platform
