// Named bitmap resources: the embedded bytes are whole BMP files, decoded
// into a new bitmap on every load as Windows does.
#include "platform/user/resource_bitmaps.h"

#include "platform/base/resources.h"
#include "platform/gdi/codecs.h"
#include "platform/user/user.h"

namespace platform {

HBITMAP LoadResourceBitmap(std::string_view name) {
  const std::span<const std::uint8_t> bytes = FindResourceBytes(kResourceBitmap, name);
  const std::optional<DibImage> image = bytes.empty() ? std::nullopt : ReadBmp(bytes.data(), bytes.size());
  HBITMAP bitmap = image ? CreateBitmapFromImage(*image) : nullptr;
  if (bitmap == nullptr) SetLastError(1814);  // ERROR_RESOURCE_NAME_NOT_FOUND
  return bitmap;
}

}  // namespace platform
