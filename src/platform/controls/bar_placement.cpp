#include "platform/controls/bar_placement.h"

#include "platform/controls/notify.h"

namespace platform {

POINT BarOrigin(DWORD style, POINT current, const RECT& parentClient, int height) {
  const DWORD side = style & CCS_BOTTOM;
  if ((style & CCS_NOPARENTALIGN) || side == CCS_NOMOVEY) {
    return POINT{(style & CCS_NOPARENTALIGN) ? current.x : 0, current.y};
  }
  return POINT{0, side == CCS_BOTTOM ? parentClient.bottom - height : 0};
}

}  // namespace platform
