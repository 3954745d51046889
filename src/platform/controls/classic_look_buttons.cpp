// The classic look of push buttons, check boxes, radio buttons and group
// boxes.
#include "platform/controls/classic_look_internal.h"

namespace platform {

void ControlPainter::PushButton(HDC dc, const RECT& rect, const std::u16string& text, HFONT font, const ButtonLook& look) {
  RECT r = rect;
  classic::FillSolid(dc, r, GetSysColor(COLOR_3DFACE));
  if (look.isDefault || look.focused) {
    // The default button has a black frame around its edges.
    HBRUSH black = CreateSolidBrush(GetSysColor(COLOR_WINDOWFRAME));
    FrameRect(dc, &r, black);
    DeleteObject(black);
    InflateRect(&r, -1, -1);
  }
  if (look.pressed) {
    HBRUSH shadow = CreateSolidBrush(GetSysColor(COLOR_3DSHADOW));
    FrameRect(dc, &r, shadow);
    DeleteObject(shadow);
  } else {
    DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | BF_SOFT);
  }
  RECT textRect = rect;
  InflateRect(&textRect, -4, -4);
  if (look.pressed) OffsetRect(&textRect, 1, 1);
  HGDIOBJ previous = SelectObject(dc, font);
  classic::DrawLabel(dc, text, textRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE, look.enabled, GetSysColor(COLOR_BTNTEXT));
  SelectObject(dc, previous);
  if (look.focused) {
    RECT focus = rect;
    InflateRect(&focus, -4, -4);
    DrawFocusRect(dc, &focus);
  }
}

void ControlPainter::CheckButton(HDC dc, const RECT& rect, const std::u16string& text, HFONT font, bool radio, bool leftText,
                 const ButtonLook& look) {
  const int box = 13;
  const int top = rect.top + (rect.bottom - rect.top - box) / 2;
  RECT boxRect = leftText ? RECT{rect.right - box, top, rect.right, top + box} : RECT{rect.left, top, rect.left + box, top + box};
  UINT state = radio ? DFCS_BUTTONRADIO : DFCS_BUTTONCHECK;
  if (look.check == BST_CHECKED) state |= DFCS_CHECKED;
  if (look.check == BST_INDETERMINATE && !radio) state |= DFCS_BUTTON3STATE | DFCS_CHECKED;
  if (look.pressed) state |= DFCS_PUSHED;
  if (!look.enabled) state |= DFCS_INACTIVE;
  DrawFrameControl(dc, &boxRect, DFC_BUTTON, state);
  RECT label = leftText ? RECT{rect.left, rect.top, boxRect.left - 4, rect.bottom}
                        : RECT{boxRect.right + 4, rect.top, rect.right, rect.bottom};
  HGDIOBJ previous = SelectObject(dc, font);
  classic::DrawLabel(dc, text, label, DT_LEFT | DT_VCENTER | DT_SINGLELINE, look.enabled, GetSysColor(COLOR_BTNTEXT));
  if (look.focused && !text.empty()) {
    RECT measure = label;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measure, DT_LEFT | DT_SINGLELINE | DT_CALCRECT);
    const int height = measure.bottom - measure.top;
    RECT focus{label.left - 1, label.top + (label.bottom - label.top - height) / 2 - 1, measure.right + 1, 0};
    focus.bottom = focus.top + height + 2;
    DrawFocusRect(dc, &focus);
  }
  SelectObject(dc, previous);
}

void ControlPainter::GroupBox(HDC dc, const RECT& rect, const std::u16string& text, HFONT font, bool enabled) {
  HGDIOBJ previous = SelectObject(dc, font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  RECT frame = rect;
  frame.top += metrics.tmHeight / 2;
  DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
  if (!text.empty()) {
    RECT label{rect.left + 8, rect.top, rect.right - 8, rect.top + metrics.tmHeight};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &label, DT_LEFT | DT_SINGLELINE | DT_CALCRECT);
    label.right += 2;
    classic::FillSolid(dc, RECT{label.left - 1, label.top, label.right, label.bottom}, GetSysColor(COLOR_3DFACE));
    classic::DrawLabel(dc, text, label, DT_LEFT | DT_SINGLELINE, enabled, GetSysColor(COLOR_BTNTEXT));
  }
  SelectObject(dc, previous);
}

}  // namespace platform
