// The classic look of push buttons (push boxes and push-like check boxes
// and radio buttons too) and of user buttons.
#include "platform/controls/classic_look_buttons_internal.h"

namespace platform {

void ControlPainter::PushButton(HDC dc, const RECT& rect, const ButtonLook& look) {
  RECT r = rect;
  classic::FillSolid(dc, r, GetSysColor(COLOR_3DFACE));
  const bool framed = look.isDefault || look.focused;
  if (look.flat) {
    // Flat buttons are a black frame around a window-coloured face.
    DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_MONO);
  } else {
    if (framed) {
      // The default button (and the focused one) has a black frame around its edges.
      HBRUSH black = CreateSolidBrush(GetSysColor(COLOR_WINDOWFRAME));
      FrameRect(dc, &r, black);
      DeleteObject(black);
      InflateRect(&r, -1, -1);
    }
    if (look.pressed && framed) {
      HBRUSH shadow = CreateSolidBrush(GetSysColor(COLOR_3DSHADOW));
      FrameRect(dc, &r, shadow);
      DeleteObject(shadow);
    } else if (look.pressed || look.check != BST_UNCHECKED) {
      DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT | BF_SOFT);
    } else {
      DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | BF_SOFT);
    }
  }
  RECT area = rect;
  InflateRect(&area, -4, -4);
  RECT label{};
  if (classic::PlaceButtonLabel(dc, area, look, label)) {
    if (look.pressed || look.check != BST_UNCHECKED) OffsetRect(&label, 1, 1);
    const int mode = SetBkMode(dc, TRANSPARENT);
    const COLORREF colour = SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    classic::DrawButtonLabel(dc, label, look);
    SetTextColor(dc, colour);
    SetBkMode(dc, mode);
  }
  if (look.focused) {
    RECT focus = rect;
    InflateRect(&focus, -4, -4);
    DrawFocusRect(dc, &focus);
  }
}

void ControlPainter::UserButton(HDC dc, const RECT& rect, const ButtonLook& look) {
  RECT r = rect;
  FillRect(dc, &r, look.background ? look.background : GetSysColorBrush(COLOR_3DFACE));
  DrawEdge(dc, &r, look.pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_SOFT);
  if (look.focused) {
    InflateRect(&r, -3, -3);
    DrawFocusRect(dc, &r);
  }
}

}  // namespace platform
