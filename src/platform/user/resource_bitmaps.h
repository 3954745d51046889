// Bitmaps the program carries among its embedded resources, loaded by name
// as LoadBitmap(program instance, "NAME") loads them.
#pragma once

#include <string_view>

#include "platform/gdi/gdi.h"

namespace platform {

// A new bitmap made from the embedded BMP resource `name` (names compare
// without case); null with ERROR_RESOURCE_NAME_NOT_FOUND when there is none
// or its bytes are no readable BMP. The caller deletes the bitmap.
HBITMAP LoadResourceBitmap(std::string_view name);

}  // namespace platform
