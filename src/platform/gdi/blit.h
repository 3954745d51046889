// The one blit engine behind BitBlt, StretchBlt, PatBlt, MaskBlt,
// TransparentBlt and the DIB-to-device calls.
#pragma once

#include <optional>

#include "platform/gdi/dc.h"

namespace platform {

struct BlitRequest {
  // Destination rectangle, logical (width and height may be negative to mirror).
  int x = 0, y = 0, width = 0, height = 0;
  // Source rectangle, logical in the source DC.
  int srcX = 0, srcY = 0, srcWidth = 0, srcHeight = 0;
  std::uint8_t foreCode = 0xCC;  // the operation where the mask bit is 1 (or no mask)
  std::uint8_t backCode = 0xCC;  // the operation where the mask bit is 0
  BitmapObject* mask = nullptr;
  int maskX = 0, maskY = 0;
  bool stretch = false;
  // TransparentBlt: source pixels of this colour leave the destination alone.
  std::optional<Pixel> transparentKey;
  // Sources that are not DCs (StretchDIBits) carry their colours themselves:
  // a monochrome surface is then drawn in its own colours.
  bool sourceIsMonochrome = false;
};

// `source` may be null for operations that do not use it.
BOOL RunBlit(DcObject& destination, DcObject* source, const BlitRequest& request);

}  // namespace platform
