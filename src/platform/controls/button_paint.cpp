// Painting of the "Button" class: the parent chooses colours (push buttons
// and owner-drawn ones with WM_CTLCOLORBTN, check boxes, radio buttons and
// group boxes with WM_CTLCOLORSTATIC), owner-drawn buttons get WM_DRAWITEM,
// every other type is drawn by the painter.
#include "platform/controls/button_internal.h"
#include "platform/controls/classic_look.h"

namespace platform {
namespace {

// The DrawText format of the label, from the alignment styles: push
// buttons centre by default, every other type starts at the left.
UINT LabelFormat(DWORD style, DWORD exStyle, bool pushLike) {
  const DWORD type = style & BS_TYPEMASK;
  UINT format = (style & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE;
  switch (style & BS_CENTER) {
    case BS_LEFT:
      break;
    case BS_RIGHT:
      format |= DT_RIGHT;
      break;
    case BS_CENTER:
      format |= DT_CENTER;
      break;
    default:
      if (pushLike || type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) format |= DT_CENTER;
      break;
  }
  if (exStyle & WS_EX_RIGHT) format = DT_RIGHT | (format & ~(DT_LEFT | DT_CENTER));
  if (type == BS_GROUPBOX) return format | DT_SINGLELINE;  // a group box's caption is one line at the top
  switch (style & BS_VCENTER) {
    case BS_TOP:
      break;
    case BS_BOTTOM:
      format |= DT_BOTTOM;
      break;
    default:
      format |= DT_VCENTER;
      break;
  }
  return format;
}

void DrawOwnerButton(HWND hwnd, HDC dc, const ButtonData& data, UINT action, const RECT& client) {
  HWND parent = GetParent(hwnd);
  if (parent == nullptr) return;
  ButtonBackground(hwnd, dc, WM_CTLCOLORBTN);
  DRAWITEMSTRUCT item{};
  item.CtlType = ODT_BUTTON;
  item.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd));
  item.itemID = 0;
  item.itemAction = action;
  item.itemState = ((data.state & BST_PUSHED) ? ODS_SELECTED : 0) | ((data.state & BST_FOCUS) ? ODS_FOCUS : 0) |
                   (IsWindowEnabled(hwnd) ? 0 : ODS_DISABLED);
  item.hwndItem = hwnd;
  item.hDC = dc;
  item.rcItem = client;
  SendMessageW(parent, WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
}

}  // namespace

void NotifyButtonParent(HWND hwnd, WORD code) {
  HWND parent = GetParent(hwnd);
  if (parent == nullptr) return;
  SendMessageW(parent, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(hwnd)), code),
               reinterpret_cast<LPARAM>(hwnd));
}

HBRUSH ButtonBackground(HWND hwnd, HDC dc, UINT message) {
  HWND parent = GetParent(hwnd);
  HWND asked = parent ? parent : hwnd;
  const WPARAM wParam = reinterpret_cast<WPARAM>(dc);
  const LPARAM lParam = reinterpret_cast<LPARAM>(hwnd);
  auto brush = reinterpret_cast<HBRUSH>(SendMessageW(asked, message, wParam, lParam));
  if (brush == nullptr) brush = reinterpret_cast<HBRUSH>(DefWindowProcW(asked, message, wParam, lParam));
  return brush;
}

void PaintButton(HWND hwnd, HDC dc, const ButtonData& data, UINT action) {
  RECT client{};
  GetClientRect(hwnd, &client);
  const DWORD style = ButtonStyle(hwnd);
  const DWORD exStyle = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_EXSTYLE));
  const DWORD type = style & BS_TYPEMASK;
  const bool pushLike = (style & BS_PUSHLIKE) && (IsCheckType(type) || IsRadioType(type));
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, client.left, client.top, client.right, client.bottom);
  SetBkMode(dc, OPAQUE);
  ButtonLook look;
  look.font = data.font ? data.font : DefaultControlFont();
  SelectObject(dc, look.font);
  if (type == BS_OWNERDRAW) {
    DrawOwnerButton(hwnd, dc, data, action, client);
    RestoreDC(dc, saved);
    return;
  }
  const bool staticColours = !pushLike && (IsCheckType(type) || IsRadioType(type) || type == BS_GROUPBOX);
  look.background = ButtonBackground(hwnd, dc, staticColours ? WM_CTLCOLORSTATIC : WM_CTLCOLORBTN);
  look.pressed = (data.state & BST_PUSHED) != 0;
  look.focused = (data.state & BST_FOCUS) != 0;
  look.enabled = IsWindowEnabled(hwnd) != FALSE;
  look.isDefault = type == BS_DEFPUSHBUTTON;
  look.check = data.state & (BST_CHECKED | BST_INDETERMINATE);
  look.radio = IsRadioType(type);
  look.leftText = (style & BS_LEFTTEXT) || (exStyle & WS_EX_RIGHT);
  look.flat = (style & BS_FLAT) != 0;
  look.textFormat = LabelFormat(style, exStyle, pushLike);
  if ((style & BS_BITMAP) && data.imageType == IMAGE_BITMAP) {
    look.bitmap = static_cast<HBITMAP>(data.image);
  } else if ((style & BS_ICON) && data.imageType == IMAGE_ICON) {
    look.icon = static_cast<HICON>(data.image);
  }
  if (!(style & (BS_BITMAP | BS_ICON))) look.text = WindowText(hwnd);
  ControlPainter& painter = CurrentPainter();
  if (pushLike || IsPushType(type)) {
    painter.PushButton(dc, client, look);
  } else if (IsCheckType(type) || IsRadioType(type)) {
    painter.CheckButton(dc, client, look);
  } else if (type == BS_GROUPBOX) {
    painter.GroupBox(dc, client, look);
  } else if (type == BS_USERBUTTON) {
    painter.UserButton(dc, client, look);
    // User buttons tell their parent what they just drew.
    if (action == ODA_SELECT) NotifyButtonParent(hwnd, look.pressed ? BN_HILITE : BN_UNHILITE);
    if (action == ODA_FOCUS) NotifyButtonParent(hwnd, look.focused ? BN_SETFOCUS : BN_KILLFOCUS);
    if (action == ODA_DRAWENTIRE) NotifyButtonParent(hwnd, look.enabled ? BN_PAINT : BN_DISABLE);
  }
  RestoreDC(dc, saved);
}

void RepaintButton(HWND hwnd, const ButtonData& data, UINT action) {
  if (!IsWindowVisible(hwnd)) return;
  HDC dc = GetDC(hwnd);
  if (dc == nullptr) return;
  PaintButton(hwnd, dc, data, action);
  ReleaseDC(hwnd, dc);
}

}  // namespace platform
