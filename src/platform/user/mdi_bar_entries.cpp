// The menu-bar entries of a maximised MDI child: the HBMMENU_ bitmap values
// sized and painted as the child's icon and caption buttons.
#include "platform/controls/classic_look.h"
#include "platform/user/mdi_internal.h"
#include "platform/user/nonclient.h"

namespace platform {

bool IsMdiBarEntry(const MenuItem& item) {
  if (!(item.type & MFT_BITMAP)) return false;
  const auto value = reinterpret_cast<ULONG_PTR>(item.bitmap);
  return value >= 1 && value <= 7 && value != 4;
}

int MdiBarEntryWidth(const MenuItem&) { return GetSystemMetrics(SM_CXMENUSIZE); }

void PaintMdiBarEntry(HDC dc, const MenuItem& item, bool pressed) {
  ControlPainter& painter = CurrentPainter();
  if (item.bitmap == HBMMENU_SYSTEM) {
    const HWND child = reinterpret_cast<HWND>(item.data);
    painter.MdiChildIcon(dc, item.rect, IsWindow(child) ? CaptionIcon(child) : nullptr);
  } else {
    painter.MdiChildButton(dc, item.rect, item.bitmap, pressed);
  }
}

}  // namespace platform
