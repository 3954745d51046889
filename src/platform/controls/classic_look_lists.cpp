// The classic look of list boxes and combo boxes: items with the
// highlight colours when selected and a dotted focus rectangle, and the
// combo box's sunken frame and raised button with its down arrow.
#include "platform/controls/classic_look_internal.h"

namespace platform {

void ControlPainter::ListItem(HDC dc, const RECT& rect, const ListItemLook& look) {
  COLORREF text = GetTextColor(dc);
  if (look.selected) {
    classic::FillSolid(dc, rect, GetSysColor(COLOR_HIGHLIGHT));
    text = GetSysColor(COLOR_HIGHLIGHTTEXT);
  }
  if (!look.enabled) text = GetSysColor(COLOR_GRAYTEXT);
  HGDIOBJ previous = SelectObject(dc, look.font);
  const int mode = SetBkMode(dc, TRANSPARENT);
  const COLORREF colour = SetTextColor(dc, text);
  RECT textRect{rect.left + 2, rect.top, rect.right, rect.bottom};
  DrawTextW(dc, look.text.c_str(), static_cast<int>(look.text.size()), &textRect,
            DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SetTextColor(dc, colour);
  SetBkMode(dc, mode);
  SelectObject(dc, previous);
  if (look.focused) DrawFocusRect(dc, &rect);
}

void ControlPainter::ComboFrame(HDC dc, const RECT& rect) {
  RECT frame = rect;
  DrawEdge(dc, &frame, EDGE_SUNKEN, BF_RECT);
}

void ControlPainter::ComboButton(HDC dc, const RECT& rect, bool pressed, bool enabled) {
  RECT button = rect;
  UINT state = DFCS_SCROLLCOMBOBOX;
  if (pressed) state |= DFCS_PUSHED | DFCS_FLAT;
  if (!enabled) state |= DFCS_INACTIVE;
  DrawFrameControl(dc, &button, DFC_SCROLL, state);
}

}  // namespace platform
