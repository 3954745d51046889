// The messages every windowed control handles before its window's own
// procedure: painting, background, bounds coming back from the window,
// windowless children's mouse, cursors, and notifications reflected to the
// child window they concern.
#include "toolkit/Controls.h"

HBRUSH TWinControl::ColorBrush() {
  const COLORREF rgb = ColorToRGB(Color());
  if (brush_ == nullptr || rgb != brushColor_) {
    if (brush_ != nullptr) DeleteObject(brush_);
    brush_ = CreateSolidBrush(rgb);
    brushColor_ = rgb;
  }
  return brush_;
}

void TWinControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      return PaintHandler(message);
    case WM_ERASEBKGND:
      if (defWndProc_ != nullptr) break;
      if (!ControlStyle().Contains(TControlStyleItem::csOpaque)) {
        RECT r{};
        GetClientRect(handle_, &r);
        FillRect(reinterpret_cast<HDC>(message.WParam), &r, ColorBrush());
      }
      message.Result = 1;
      return;
    case WM_SIZE:
    case WM_MOVE:
      DefaultHandler(message);
      UpdateBounds();
      if (message.Msg == WM_SIZE) Realign();
      return;
    case WM_SETCURSOR:
      if (SetCursorFromControls(message)) return;
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      TControl::WndProc(message);
      NotifyFocusMoved(this, message.Msg == WM_SETFOCUS);
      return;
    case WM_MOUSELEAVE:
      if (MouseControl() == this || (MouseControl() != nullptr && MouseControl()->Parent() == this &&
                                     !MouseControl()->Is<TWinControl>())) {
        SetMouseControl(nullptr);
      }
      break;
    case WM_COMMAND:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_NOTIFY:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN: {
      bool handled = false;
      ReflectNotification(message, handled);
      if (handled) return;
      break;
    }
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC:
    case CN_CTLCOLORLISTBOX:
    case CN_CTLCOLORBTN: {
      HDC dc = reinterpret_cast<HDC>(message.WParam);
      SetTextColor(dc, ColorToRGB(Font()->Color()));
      SetBkColor(dc, ColorToRGB(Color()));
      message.Result = reinterpret_cast<LRESULT>(ColorBrush());
      return;
    }
    case CM_VISIBLECHANGED:
      UpdateShowing();
      return;
    case CM_ENABLEDCHANGED:
      if (handle_ != nullptr) EnableWindow(handle_, Enabled());
      return;
    case CM_COLORCHANGED:
      NotifyControls(CM_PARENTCOLORCHANGED);
      return;
    case CM_FONTCHANGED:
      if (handle_ != nullptr && defWndProc_ != nullptr) {
        SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), 1);
      }
      NotifyControls(CM_PARENTFONTCHANGED);
      return;
    case CM_SHOWHINTCHANGED:
      for (TControl* c : std::vector<TControl*>(controls_)) {
        if (c->ParentShowHint()) c->ParentShowHintChanged();
      }
      return;
    default:
      break;
  }
  if (message.Msg >= WM_MOUSEFIRST && message.Msg <= WM_MOUSELAST) {
    bool handled = false;
    RouteMouseToControls(message, handled);
    if (handled) return;
  }
  TControl::WndProc(message);
}

void TWinControl::ReflectNotification(TMessage& message, bool& handled) {
  HWND from = nullptr;
  if (message.Msg == WM_NOTIFY) {
    // NMHDR starts with the sender's window.
    if (message.LParam != 0) from = *reinterpret_cast<const HWND*>(message.LParam);
  } else if (message.Msg == WM_DRAWITEM) {
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
    if (item != nullptr && item->CtlType != ODT_MENU) from = item->hwndItem;
  } else if (message.Msg == WM_MEASUREITEM) {
    // No window in the structure: the id names the child.
    const auto* item = reinterpret_cast<const MEASUREITEMSTRUCT*>(message.LParam);
    if (item != nullptr && item->CtlType != ODT_MENU && item->CtlID != 0) {
      from = GetDlgItem(handle_, static_cast<int>(item->CtlID));
    }
  } else {
    from = reinterpret_cast<HWND>(message.LParam);
  }
  if (from == nullptr || from == handle_) return;
  TWinControl* child = FindControl(from);
  if (child == nullptr) return;
  message.Result = child->Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
  handled = true;
}

bool TWinControl::SetCursorFromControls(TMessage& message) {
  if (reinterpret_cast<HWND>(message.WParam) != handle_ || LOWORD(message.LParam) != HTCLIENT) return false;
  TCursor cursor = Cursor();
  POINT p{};
  GetCursorPos(&p);
  ::ScreenToClient(handle_, &p);
  if (TControl* child = ControlAtPos(p, false)) {
    if (child->Cursor() != crDefault) cursor = child->Cursor();
  }
  if (cursor == crDefault) return false;
  ::SetCursor(CursorHandle(cursor));
  message.Result = 1;
  return true;
}
