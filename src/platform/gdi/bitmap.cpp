#include "platform/gdi/bitmap.h"

#include <algorithm>
#include <cstring>

namespace platform {

namespace {

// Bitmaps larger than this are refused as Win32 refuses them when memory runs out.
constexpr std::size_t kMaximumImageBytes = std::size_t{512} << 20;

}  // namespace

BitmapObject::BitmapObject(Kind kind, DibFormat format)
    : GdiObject(HandleKind::Bitmap), kind(kind), format(std::move(format)) {
  bits_.reset(new std::uint8_t[std::max<std::size_t>(this->format.ImageSize(), 4)]());
}

Surface& BitmapObject::DrawSurface() {
  if (!surface_) {
    if (IsDirect()) {
      const std::ptrdiff_t stride = format.topDown ? format.Stride() : -format.Stride();
      surface_ = std::make_unique<Surface>(bits_.get() + format.RowOffset(0), stride, format.width, format.height);
    } else {
      surface_ = std::make_unique<Surface>(format.width, format.height);
      Pull(RECT{0, 0, format.width, format.height});
    }
  }
  return *surface_;
}

namespace {

bool ClipToBitmap(RECT& r, int width, int height) {
  r.left = std::max<LONG>(r.left, 0);
  r.top = std::max<LONG>(r.top, 0);
  r.right = std::min<LONG>(r.right, width);
  r.bottom = std::min<LONG>(r.bottom, height);
  return r.left < r.right && r.top < r.bottom;
}

}  // namespace

void BitmapObject::Pull(const RECT& rect) {
  if (IsDirect()) return;
  Surface& surface = DrawSurface();
  RECT r = rect;
  if (!ClipToBitmap(r, format.width, format.height)) return;
  for (int y = r.top; y < r.bottom; ++y) {
    ReadDibRow(format, RowBits(y), r.left, r.right - r.left, surface.Row(y) + r.left);
  }
}

void BitmapObject::Push(const RECT& rect) {
  if (IsDirect() || !surface_) return;
  RECT r = rect;
  if (!ClipToBitmap(r, format.width, format.height)) return;
  for (int y = r.top; y < r.bottom; ++y) {
    WriteDibRow(format, RowBits(y), r.left, r.right - r.left, surface_->Row(y) + r.left);
  }
}

void BitmapObject::ReadPixels(const RECT& rect, Pixel* out) const {
  const int width = rect.right - rect.left;
  for (int y = rect.top; y < rect.bottom; ++y, out += width) ReadDibRow(format, RowBits(y), rect.left, width, out);
}

BitmapObject* FindBitmap(HBITMAP handle) { return FindGdi<BitmapObject>(handle, HandleKind::Bitmap); }

HBITMAP InsertBitmap(BitmapObject::Kind kind, DibFormat format) {
  if (format.width <= 0 || format.height <= 0 || !IsSupportedBitDepth(format.bitsPerPixel) ||
      format.ImageSize() / static_cast<std::size_t>(format.height) != static_cast<std::size_t>(format.Stride()) ||
      format.ImageSize() > kMaximumImageBytes) {
    SetLastError(format.width <= 0 || format.height <= 0 ? ERROR_INVALID_PARAMETER : ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  if (format.HasPalette() && format.palette.empty()) format.palette = MonochromePalette();
  if (format.bitsPerPixel >= 16 && format.redMask == 0 && format.greenMask == 0 && format.blueMask == 0) {
    SetDefaultMasks(format);
  }
  return InsertGdi<HBITMAP>(std::make_unique<BitmapObject>(kind, std::move(format)));
}

DibFormat DeviceFormat(int width, int height, int bitsPerPixel) {
  DibFormat format;
  format.width = width;
  format.height = height;
  format.topDown = true;
  format.bitsPerPixel = bitsPerPixel == 1 ? 1 : 32;
  if (format.bitsPerPixel == 1) format.palette = MonochromePalette();
  SetDefaultMasks(format);
  return format;
}

}  // namespace platform
