// The classic look of a maximised MDI child's entries on its frame's menu
// bar: the child's small icon, and caption buttons one pixel smaller than
// the bar's row on each side.
#include "platform/controls/classic_look_internal.h"
#include "platform/user/user.h"

namespace platform {

void ControlPainter::MdiChildIcon(HDC dc, const RECT& rect, HICON icon) {
  if (icon == nullptr) return;
  const int size = GetSystemMetrics(SM_CXSMICON);
  const int x = rect.left + (rect.right - rect.left - size) / 2;
  const int y = rect.top + (rect.bottom - rect.top - size) / 2;
  DrawIconEx(dc, x, y, icon, size, size, 0, nullptr, DI_NORMAL);
}

void ControlPainter::MdiChildButton(HDC dc, const RECT& rect, HBITMAP kind, bool pressed) {
  UINT glyph = DFCS_CAPTIONCLOSE;
  if (kind == HBMMENU_MBAR_MINIMIZE || kind == HBMMENU_MBAR_MINIMIZE_D) glyph = DFCS_CAPTIONMIN;
  if (kind == HBMMENU_MBAR_RESTORE) glyph = DFCS_CAPTIONRESTORE;
  if (kind == HBMMENU_MBAR_CLOSE_D || kind == HBMMENU_MBAR_MINIMIZE_D) glyph |= DFCS_INACTIVE;
  if (pressed) glyph |= DFCS_PUSHED;
  RECT button{rect.left + 1, rect.top + 2, rect.right - 1, rect.bottom - 1};
  DrawFrameControl(dc, &button, DFC_CAPTION, glyph);
}

}  // namespace platform
