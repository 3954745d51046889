// The "Button" class: push buttons, check boxes, radio buttons and group
// boxes. A push button is pressed while the mouse (or Space) holds it and
// clicks when released over it, sending WM_COMMAND BN_CLICKED to its parent.
#include <cstring>

#include "platform/controls/classic_look.h"
#include "platform/controls/control_data.h"

namespace platform {
namespace {

struct ButtonData {
  LRESULT state = 0;  // BST_* bits
  HFONT font = nullptr;
  bool spaceHeld = false;
};

DWORD Type(HWND hwnd) { return static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE)) & BS_TYPEMASK; }

bool IsPush(DWORD type) { return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_PUSHBOX; }
bool IsCheck(DWORD type) {
  return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE || type == BS_AUTO3STATE;
}
bool IsRadio(DWORD type) { return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON; }

void Paint(HWND hwnd, HDC dc, ButtonData& data) {
  RECT client{};
  GetClientRect(hwnd, &client);
  const DWORD style = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE));
  const DWORD type = style & BS_TYPEMASK;
  HWND parent = GetParent(hwnd);
  // The parent chooses the background and colours.
  HBRUSH brush = reinterpret_cast<HBRUSH>(
      SendMessageW(parent ? parent : hwnd, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd)));
  if (brush == nullptr) brush = GetSysColorBrush(COLOR_3DFACE);
  HFONT font = data.font ? data.font : DefaultControlFont();
  ButtonLook look;
  look.pressed = (data.state & BST_PUSHED) != 0;
  look.focused = (data.state & BST_FOCUS) != 0;
  look.enabled = !(style & WS_DISABLED);
  look.isDefault = type == BS_DEFPUSHBUTTON;
  look.check = data.state & (BST_CHECKED | BST_INDETERMINATE);
  const std::u16string text = WindowText(hwnd);
  ControlPainter& painter = CurrentPainter();
  if (type == BS_OWNERDRAW) {
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd));
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = (look.pressed ? ODS_SELECTED : 0) | (look.focused ? ODS_FOCUS : 0) | (look.enabled ? 0 : ODS_DISABLED);
    item.hwndItem = hwnd;
    item.hDC = dc;
    item.rcItem = client;
    SendMessageW(parent, WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
    return;
  }
  if (IsPush(type) || type == BS_USERBUTTON) {
    painter.PushButton(dc, client, text, font, look);
    return;
  }
  FillRect(dc, &client, brush);
  if (type == BS_GROUPBOX) {
    painter.GroupBox(dc, client, text, font, look.enabled);
  } else {
    painter.CheckButton(dc, client, text, font, IsRadio(type), (style & BS_LEFTTEXT) != 0, look);
  }
}

void Redraw(HWND hwnd) {
  InvalidateRect(hwnd, nullptr, FALSE);
  UpdateWindow(hwnd);
}

void SetState(HWND hwnd, ButtonData& data, LRESULT bits, bool on) {
  const LRESULT before = data.state;
  data.state = on ? (data.state | bits) : (data.state & ~bits);
  if (data.state != before) Redraw(hwnd);
}

void NotifyParent(HWND hwnd, WORD code) {
  HWND parent = GetParent(hwnd);
  if (parent == nullptr) return;
  SendMessageW(parent, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(hwnd)), code),
               reinterpret_cast<LPARAM>(hwnd));
}

// What a click does before it is announced: automatic check boxes toggle,
// automatic radio buttons check themselves and clear their group.
void Click(HWND hwnd, ButtonData& data) {
  const DWORD type = Type(hwnd);
  if (type == BS_AUTOCHECKBOX) {
    SendMessageW(hwnd, BM_SETCHECK, (data.state & BST_CHECKED) ? BST_UNCHECKED : BST_CHECKED, 0);
  } else if (type == BS_AUTO3STATE) {
    const LRESULT check = data.state & (BST_CHECKED | BST_INDETERMINATE);
    SendMessageW(hwnd, BM_SETCHECK, check == BST_UNCHECKED ? BST_CHECKED : check == BST_CHECKED ? BST_INDETERMINATE : BST_UNCHECKED, 0);
  } else if (type == BS_AUTORADIOBUTTON) {
    HWND parent = GetParent(hwnd);
    for (HWND sibling = GetNextDlgGroupItem(parent, hwnd, FALSE); sibling != nullptr && sibling != hwnd;
         sibling = GetNextDlgGroupItem(parent, sibling, FALSE)) {
      if ((static_cast<DWORD>(GetWindowLongW(sibling, GWL_STYLE)) & BS_TYPEMASK) == BS_AUTORADIOBUTTON) {
        SendMessageW(sibling, BM_SETCHECK, BST_UNCHECKED, 0);
      }
    }
    SendMessageW(hwnd, BM_SETCHECK, BST_CHECKED, 0);
  }
  NotifyParent(hwnd, BN_CLICKED);
}

LRESULT ButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    AttachControlData(hwnd, new ButtonData);
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  ButtonData* data = ControlData<ButtonData>(hwnd);
  if (data == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  switch (message) {
    case WM_NCDESTROY:
      delete DetachControlData<ButtonData>(hwnd);
      return DefWindowProcW(hwnd, message, wParam, lParam);
    case WM_PAINT:
    case WM_PRINTCLIENT:
      return PaintControl(hwnd, wParam, [&](HDC dc) { Paint(hwnd, dc, *data); });
    case WM_ERASEBKGND:
      return 1;  // painting covers the whole button
    case WM_GETDLGCODE: {
      const DWORD type = Type(hwnd);
      if (type == BS_DEFPUSHBUTTON) return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
      if (IsPush(type)) return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
      if (IsRadio(type)) return DLGC_BUTTON | DLGC_RADIOBUTTON;
      if (type == BS_GROUPBOX) return DLGC_STATIC;
      return DLGC_BUTTON;
    }
    case WM_SETFONT:
      data->font = reinterpret_cast<HFONT>(wParam);
      if (LOWORD(lParam)) Redraw(hwnd);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(data->font);
    case WM_SETTEXT:
    case WM_ENABLE: {
      const LRESULT result = DefWindowProcW(hwnd, message, wParam, lParam);
      Redraw(hwnd);
      return result;
    }
    case WM_SETFOCUS:
      SetState(hwnd, *data, BST_FOCUS, true);
      return 0;
    case WM_KILLFOCUS:
      data->spaceHeld = false;
      SetState(hwnd, *data, BST_FOCUS | BST_PUSHED, false);
      if (GetCapture() == hwnd) ReleaseCapture();
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (Type(hwnd) == BS_GROUPBOX) return 0;
      SetCapture(hwnd);
      SetFocus(hwnd);
      if ((data = ControlData<ButtonData>(hwnd)) != nullptr) SetState(hwnd, *data, BST_PUSHED, true);
      return 0;
    case WM_MOUSEMOVE:
      if (GetCapture() == hwnd) {
        RECT client{};
        GetClientRect(hwnd, &client);
        const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        SetState(hwnd, *data, BST_PUSHED, PtInRect(&client, p));
      }
      return 0;
    case WM_LBUTTONUP: {
      if (GetCapture() != hwnd) return 0;
      const bool pushed = (data->state & BST_PUSHED) != 0;
      SetState(hwnd, *data, BST_PUSHED, false);
      ReleaseCapture();
      if (pushed && IsWindow(hwnd)) Click(hwnd, *ControlData<ButtonData>(hwnd));
      return 0;
    }
    case WM_CAPTURECHANGED:
      if (!data->spaceHeld) SetState(hwnd, *data, BST_PUSHED, false);
      return 0;
    case WM_KEYDOWN:
      if (wParam == VK_SPACE && !(lParam & KF_REPEAT_BIT)) {
        data->spaceHeld = true;
        SetState(hwnd, *data, BST_PUSHED, true);
      }
      return 0;
    case WM_KEYUP:
      if (wParam == VK_SPACE && data->spaceHeld) {
        data->spaceHeld = false;
        const bool pushed = (data->state & BST_PUSHED) != 0;
        SetState(hwnd, *data, BST_PUSHED, false);
        if (pushed) Click(hwnd, *data);
      }
      return 0;
    case WM_CHAR:
      return 0;
    case BM_GETCHECK:
      return data->state & (BST_CHECKED | BST_INDETERMINATE);
    case BM_SETCHECK: {
      const DWORD type = Type(hwnd);
      if (!IsCheck(type) && !IsRadio(type)) return 0;
      LRESULT check = static_cast<LRESULT>(wParam) & (BST_CHECKED | BST_INDETERMINATE);
      if (check == BST_INDETERMINATE && type != BS_3STATE && type != BS_AUTO3STATE) check = BST_CHECKED;
      const LRESULT before = data->state;
      data->state = (data->state & ~(BST_CHECKED | BST_INDETERMINATE)) | check;
      if (data->state != before) Redraw(hwnd);
      return 0;
    }
    case BM_GETSTATE:
      return data->state;
    case BM_SETSTATE:
      SetState(hwnd, *data, BST_PUSHED, wParam != 0);
      return 0;
    case BM_SETSTYLE: {
      const DWORD style = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE));
      SetWindowLongW(hwnd, GWL_STYLE, static_cast<LONG>((style & ~BS_TYPEMASK) | (static_cast<DWORD>(wParam) & BS_TYPEMASK)));
      if (LOWORD(lParam)) Redraw(hwnd);
      return 0;
    }
    case BM_CLICK:
      if (IsWindowEnabled(hwnd)) {
        SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, 0);
        SendMessageW(hwnd, WM_LBUTTONUP, 0, 0);
      }
      return 0;
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

}  // namespace

void RegisterButtonClass() {
  RegisterControlClass(u"Button", ButtonProc, CS_DBLCLKS | CS_VREDRAW | CS_HREDRAW | CS_PARENTDC, IDC_ARROW);
}

}  // namespace platform
