// The "Button" class's window procedure: push buttons, check boxes (two and
// three states, automatic or not), radio buttons (automatic ones keep one
// checked in their WS_GROUP group), group boxes, user, push-box and
// owner-drawn buttons. A button is held while the mouse (or Space) presses
// it and clicks when released over it: automatic types change their check
// first, then the parent hears WM_COMMAND BN_CLICKED.
#include <algorithm>

#include "platform/controls/button_internal.h"

namespace platform {
namespace {

// The highest check state each type takes; BM_SETCHECK clamps to it.
LRESULT MaxCheck(DWORD type) {
  if (type == BS_3STATE || type == BS_AUTO3STATE) return BST_INDETERMINATE;
  if (IsCheckType(type) || IsRadioType(type)) return BST_CHECKED;
  return BST_UNCHECKED;
}

// An automatic radio button that becomes checked unchecks the other
// automatic radio buttons of its group.
void UncheckGroup(HWND hwnd) {
  HWND parent = GetParent(hwnd);
  HWND sibling = hwnd;
  do {
    if (sibling != hwnd && ButtonType(sibling) == BS_AUTORADIOBUTTON) {
      SendMessageW(sibling, BM_SETCHECK, BST_UNCHECKED, 0);
    }
    sibling = GetNextDlgGroupItem(parent, sibling, FALSE);
  } while (sibling != nullptr && sibling != hwnd);
}

void SetCheck(HWND hwnd, ButtonData& data, WPARAM wParam) {
  const DWORD type = ButtonType(hwnd);
  const LRESULT check = std::min(static_cast<LRESULT>(wParam), MaxCheck(type));
  if (IsRadioType(type)) {
    // Only the checked radio button of a group is a tab stop.
    const DWORD style = ButtonStyle(hwnd);
    SetWindowLongW(hwnd, GWL_STYLE, static_cast<LONG>(check ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP)));
  }
  if ((data.state & (BST_CHECKED | BST_INDETERMINATE)) != check) {
    data.state = (data.state & ~(BST_CHECKED | BST_INDETERMINATE)) | check;
    RepaintButton(hwnd, data, ODA_SELECT);
  }
  if (type == BS_AUTORADIOBUTTON && check == BST_CHECKED && (ButtonStyle(hwnd) & WS_CHILD)) UncheckGroup(hwnd);
}

// What a click does before it is announced: automatic check boxes toggle,
// automatic three-state ones cycle unchecked, checked, indeterminate, and
// automatic radio buttons check themselves.
void Click(HWND hwnd, const ButtonData& data) {
  const DWORD type = ButtonType(hwnd);
  const LRESULT check = data.state & (BST_CHECKED | BST_INDETERMINATE);
  if (type == BS_AUTOCHECKBOX) {
    SendMessageW(hwnd, BM_SETCHECK, (check & BST_CHECKED) ? BST_UNCHECKED : BST_CHECKED, 0);
  } else if (type == BS_AUTO3STATE) {
    SendMessageW(hwnd, BM_SETCHECK, (check & BST_INDETERMINATE) ? BST_UNCHECKED : check + 1, 0);
  } else if (type == BS_AUTORADIOBUTTON) {
    SendMessageW(hwnd, BM_SETCHECK, BST_CHECKED, 0);
  }
  if (IsWindow(hwnd)) NotifyButtonParent(hwnd, BN_CLICKED);
}

// The end of a press (mouse release or Space release): a click when the
// button is still down and, for the mouse, the release is over it.
void Release(HWND hwnd, ButtonData& data, bool clicks) {
  if (!data.held) return;
  data.held = false;
  const bool pushed = (data.state & BST_PUSHED) != 0;
  if (pushed) SendMessageW(hwnd, BM_SETSTATE, FALSE, 0);
  ReleaseCapture();
  if (pushed && clicks && IsWindow(hwnd)) Click(hwnd, data);
}

LRESULT DialogCode(DWORD type) {
  switch (type) {
    case BS_PUSHBUTTON:
    case BS_USERBUTTON:
      return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    case BS_DEFPUSHBUTTON:
      return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
      return DLGC_BUTTON | DLGC_RADIOBUTTON;
    case BS_GROUPBOX:
      return DLGC_STATIC;
    default:
      return DLGC_BUTTON;
  }
}

void Redraw(HWND hwnd) {
  InvalidateRect(hwnd, nullptr, FALSE);
  UpdateWindow(hwnd);
}

// A group box does not paint its inside: its parent repaints what lies under it.
void RedrawWithParent(HWND hwnd) {
  HWND parent = GetParent(hwnd);
  if (parent == nullptr || ButtonType(hwnd) != BS_GROUPBOX) return Redraw(hwnd);
  RECT r{};
  GetClientRect(hwnd, &r);
  MapWindowPoints(hwnd, parent, reinterpret_cast<POINT*>(&r), 2);
  InvalidateRect(parent, &r, TRUE);
  InvalidateRect(hwnd, nullptr, FALSE);
}

LRESULT ButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    AttachControlData(hwnd, new ButtonData);
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  ButtonData* data = ControlData<ButtonData>(hwnd);
  if (data == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  const DWORD type = ButtonType(hwnd);
  switch (message) {
    case WM_NCDESTROY:
      delete DetachControlData<ButtonData>(hwnd);
      return DefWindowProcW(hwnd, message, wParam, lParam);
    case WM_PAINT:
    case WM_PRINTCLIENT:
      return PaintControl(hwnd, wParam, [&](HDC dc) { PaintButton(hwnd, dc, *data, ODA_DRAWENTIRE); });
    case WM_ERASEBKGND:
      // Painting covers the button; an owner-drawn one is first filled with its parent's brush.
      if (type == BS_OWNERDRAW && wParam != 0) {
        RECT r{};
        GetClientRect(hwnd, &r);
        FillRect(reinterpret_cast<HDC>(wParam), &r, ButtonBackground(hwnd, reinterpret_cast<HDC>(wParam), WM_CTLCOLORBTN));
      }
      return 1;
    case WM_NCHITTEST:
      // The mouse goes through a group box to what lies under it.
      if (type == BS_GROUPBOX) return HTTRANSPARENT;
      return DefWindowProcW(hwnd, message, wParam, lParam);
    case WM_GETDLGCODE:
      return DialogCode(type);
    case WM_SETFONT:
      data->font = reinterpret_cast<HFONT>(wParam);
      if (LOWORD(lParam)) Redraw(hwnd);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(data->font);
    case WM_SETTEXT: {
      const LRESULT result = DefWindowProcW(hwnd, message, wParam, lParam);
      RedrawWithParent(hwnd);
      return result;
    }
    case WM_ENABLE:
      Redraw(hwnd);
      return 0;
    case WM_SETFOCUS:
      data->state |= BST_FOCUS;
      RepaintButton(hwnd, *data, ODA_FOCUS);
      if (ButtonStyle(hwnd) & BS_NOTIFY) NotifyButtonParent(hwnd, BN_SETFOCUS);
      // A radio button focused from the keyboard (not by a press) is chosen.
      if (IsRadioType(type) && GetCapture() != hwnd && !(data->state & BST_CHECKED)) {
        if (type == BS_AUTORADIOBUTTON) SendMessageW(hwnd, BM_SETCHECK, BST_CHECKED, 0);
        if (IsWindow(hwnd)) NotifyButtonParent(hwnd, BN_CLICKED);
      }
      return 0;
    case WM_KILLFOCUS:
      data->state &= ~BST_FOCUS;
      RepaintButton(hwnd, *data, ODA_FOCUS);
      if (data->held && GetCapture() == hwnd) ReleaseCapture();
      if (ButtonStyle(hwnd) & BS_NOTIFY) NotifyButtonParent(hwnd, BN_KILLFOCUS);
      return 0;
    case WM_LBUTTONDBLCLK:
      // Double clicks are announced by BS_NOTIFY buttons and the types that always did;
      // the others take the second press as a press.
      if ((ButtonStyle(hwnd) & BS_NOTIFY) || type == BS_RADIOBUTTON || type == BS_USERBUTTON || type == BS_OWNERDRAW) {
        NotifyButtonParent(hwnd, BN_DOUBLECLICKED);
        return 0;
      }
      [[fallthrough]];
    case WM_LBUTTONDOWN:
      if (type == BS_GROUPBOX) return 0;
      SetCapture(hwnd);
      SetFocus(hwnd);
      if ((data = ControlData<ButtonData>(hwnd)) == nullptr) return 0;
      data->held = true;
      SendMessageW(hwnd, BM_SETSTATE, TRUE, 0);
      return 0;
    case WM_MOUSEMOVE:
      if ((wParam & MK_LBUTTON) && GetCapture() == hwnd && data->held) {
        RECT client{};
        GetClientRect(hwnd, &client);
        const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        SendMessageW(hwnd, BM_SETSTATE, PtInRect(&client, p), 0);
      }
      return 0;
    case WM_LBUTTONUP: {
      RECT client{};
      GetClientRect(hwnd, &client);
      const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      Release(hwnd, *data, PtInRect(&client, p) != FALSE);
      return 0;
    }
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) == hwnd) return 0;
      if (data->held) {
        data->held = false;
        if (data->state & BST_PUSHED) SendMessageW(hwnd, BM_SETSTATE, FALSE, 0);
      }
      return 0;
    case WM_KEYDOWN:
      if (wParam == VK_SPACE && !(lParam & KF_REPEAT_BIT) && type != BS_GROUPBOX) {
        SendMessageW(hwnd, BM_SETSTATE, TRUE, 0);
        data->held = true;
        SetCapture(hwnd);
      }
      return 0;
    case WM_KEYUP:
      if (wParam == VK_SPACE) Release(hwnd, *data, true);
      return 0;
    case WM_CHAR:
      return 0;
    case BM_GETCHECK:
      return data->state & (BST_CHECKED | BST_INDETERMINATE);
    case BM_SETCHECK:
      SetCheck(hwnd, *data, wParam);
      return 0;
    case BM_GETSTATE:
      return data->state;
    case BM_SETSTATE: {
      const LRESULT before = data->state;
      data->state = wParam ? (data->state | BST_PUSHED) : (data->state & ~BST_PUSHED);
      if (data->state != before) RepaintButton(hwnd, *data, ODA_SELECT);
      return 0;
    }
    case BM_SETSTYLE: {
      const DWORD style = ButtonStyle(hwnd);
      SetWindowLongW(hwnd, GWL_STYLE, static_cast<LONG>((style & ~BS_TYPEMASK) | (static_cast<DWORD>(wParam) & BS_TYPEMASK)));
      if (LOWORD(lParam)) InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    }
    case BM_CLICK:
      if (IsWindowEnabled(hwnd)) {
        SendMessageW(hwnd, WM_LBUTTONDOWN, 0, 0);
        SendMessageW(hwnd, WM_LBUTTONUP, 0, 0);
      }
      return 0;
    case BM_GETIMAGE:
      return reinterpret_cast<LRESULT>(data->image);
    case BM_SETIMAGE: {
      if (wParam != IMAGE_BITMAP && wParam != IMAGE_ICON) return 0;
      HANDLE previous = data->image;
      data->image = reinterpret_cast<HANDLE>(lParam);
      data->imageType = static_cast<UINT>(wParam);
      InvalidateRect(hwnd, nullptr, FALSE);
      return reinterpret_cast<LRESULT>(previous);
    }
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

}  // namespace

void RegisterButtonClass() {
  RegisterControlClass(u"Button", ButtonProc, CS_DBLCLKS | CS_VREDRAW | CS_HREDRAW | CS_PARENTDC, IDC_ARROW);
}

}  // namespace platform
