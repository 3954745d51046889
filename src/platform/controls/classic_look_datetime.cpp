// The classic look of the date-time picker: its fields in the window
// text colour (the selected one in the highlight colours while focused,
// all greyed while unchecked or disabled), a flat check box and the
// combo-box drop-down button.
#include "platform/controls/classic_look_internal.h"

namespace platform {

void ControlPainter::DateTimeText(HDC dc, const DateTimeLook& look) {
  HGDIOBJ previous = SelectObject(dc, look.font);
  SetBkMode(dc, TRANSPARENT);
  const bool plain = look.enabled && look.checked;
  for (const DateTimePiece& piece : look.pieces) {
    RECT r = piece.rect;
    COLORREF colour = GetSysColor(plain ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT);
    if (piece.selected && look.focused && plain) {
      classic::FillSolid(dc, r, GetSysColor(COLOR_HIGHLIGHT));
      colour = GetSysColor(COLOR_HIGHLIGHTTEXT);
    }
    SetTextColor(dc, colour);
    DrawTextW(dc, piece.text.c_str(), static_cast<int>(piece.text.size()), &r,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
  SelectObject(dc, previous);
}

void ControlPainter::DateTimeCheckBox(HDC dc, const RECT& box, bool checked, bool enabled) {
  RECT r = box;
  DrawFrameControl(dc, &r, DFC_BUTTON,
                   DFCS_BUTTONCHECK | DFCS_FLAT | (checked ? DFCS_CHECKED : 0) | (enabled ? 0 : DFCS_INACTIVE));
}

void ControlPainter::DateTimeDropButton(HDC dc, const RECT& button, bool pressed, bool enabled) {
  RECT r = button;
  DrawFrameControl(dc, &r, DFC_SCROLL,
                   DFCS_SCROLLCOMBOBOX | (pressed ? DFCS_PUSHED | DFCS_FLAT : 0) | (enabled ? 0 : DFCS_INACTIVE));
}

}  // namespace platform
