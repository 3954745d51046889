// The "ComboLBox" class: a combo box's list. It is a list box that tells
// its combo box of the user's choice. Dropped as a pop-up it holds the
// mouse capture: the item under the pointer is highlighted, a release on
// an item chooses it, a press outside closes the list, and a press on its
// own scroll bar tracks the bar with the capture handed back afterwards.
#include "platform/controls/combobox_internal.h"
#include "platform/controls/control_data.h"
#include "platform/controls/listbox_internal.h"

namespace platform {
namespace {

bool IsPopup(HWND hwnd) { return (ListStyle(hwnd) & WS_CHILD) == 0; }

ComboData* DroppedCombo(const ListBoxData& d) {
  if (d.combo == nullptr || !IsWindow(d.combo)) return nullptr;
  ComboData* c = ComboDataOf(d.combo);
  return c != nullptr && c->dropped ? c : nullptr;
}

bool InClient(HWND hwnd, LPARAM at) {
  RECT client{};
  GetClientRect(hwnd, &client);
  const POINT p{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
  return PtInRect(&client, p) != FALSE;
}

void Press(HWND hwnd, ListBoxData& d, ComboData& c, LPARAM at) {
  if (InClient(hwnd, at)) {
    MouseMove(hwnd, d, at);
    return;
  }
  POINT screen{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
  ClientToScreen(hwnd, &screen);
  const LRESULT hit = SendMessageW(hwnd, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
  if (hit == HTVSCROLL || hit == HTHSCROLL) {
    // The press goes on as the bar's non-client press (through the window
    // procedure, so that whoever subclassed the list sees it); the bar's
    // tracking loop takes the mouse until the release.
    d.tracking = false;
    ReleaseCapture();
    SendMessageW(hwnd, WM_NCLBUTTONDOWN, static_cast<WPARAM>(hit), MAKELPARAM(screen.x, screen.y));
    if (c.dropped) {
      d.tracking = true;
      SetCapture(hwnd);
    }
    return;
  }
  Notify(hwnd, d, LBN_SELCANCEL);
  CloseUp(c, false);  // on the combo box's button, or anywhere else
}

void Release(HWND hwnd, ComboData& c, LPARAM at) {
  bool outside = false;
  ListBoxData* d = ListData(hwnd);
  if (InClient(hwnd, at) && d != nullptr) {
    ItemFromPoint(hwnd, *d, POINT{GET_X_LPARAM(at), GET_Y_LPARAM(at)}, outside);
    if (!outside) {
      CloseUp(c, true);
      return;
    }
  }
  ReleaseButton(c);
}

LRESULT ComboListProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const LRESULT result = ListBoxProc(hwnd, message, wParam, lParam);
    if (ListBoxData* d = ListData(hwnd)) d->combo = reinterpret_cast<const CREATESTRUCTW*>(lParam)->hwndParent;
    return result;
  }
  ListBoxData* d = ListData(hwnd);
  if (d == nullptr || !IsPopup(hwnd)) {
    const bool press = message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK;
    if (d != nullptr && d->combo != nullptr && press && GetFocus() != d->combo && !IsChild(d->combo, GetFocus())) {
      SetFocus(d->combo);  // a simple combo box keeps the focus in its edit
    }
    return ListBoxProc(hwnd, message, wParam, lParam);
  }
  switch (message) {
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case LBCB_STARTTRACK:
      d->tracking = true;
      SetCapture(hwnd);
      RedrawWindow(hwnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
      return 0;
    case WM_CAPTURECHANGED:
      // Another window took the mouse: the list closes as after a click
      // outside.
      if (d->tracking && reinterpret_cast<HWND>(lParam) != hwnd) {
        d->tracking = false;
        if (ComboData* c = DroppedCombo(*d)) CloseUp(*c, false);
      }
      return ListBoxProc(hwnd, message, wParam, lParam);
    default: break;
  }
  ComboData* c = DroppedCombo(*d);
  if (c == nullptr) return ListBoxProc(hwnd, message, wParam, lParam);
  switch (message) {
    case WM_MOUSEMOVE:
      if (InClient(hwnd, lParam) || (wParam & MK_LBUTTON)) MouseMove(hwnd, *d, lParam);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      Press(hwnd, *d, *c, lParam);
      return 0;
    case WM_LBUTTONUP:
      Release(hwnd, *c, lParam);
      return 0;
    default: return ListBoxProc(hwnd, message, wParam, lParam);
  }
}

}  // namespace

void RegisterComboListClass() {
  RegisterControlClass(u"ComboLBox", ComboListProc, CS_DBLCLKS | CS_SAVEBITS, IDC_ARROW);
}

}  // namespace platform
