// A popup-menu window under the skin: subclassed while it lives, restored in
// reverse order when the manager releases it.
#include "skin/forms/WinSkinDlg.h"
#include "skin/forms/WinSkinMenu.h"

TWinSkinPopMenu::TWinSkinPopMenu(HWND window, TSkinData* skin) : FHandle(window), FSkin(skin) {
  FNewWndProc = MakeWndProcThunk(
      [this](HWND, UINT message, WPARAM wParam, LPARAM lParam) { return WndProc(message, wParam, lParam); });
  FOldWndProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(FHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FNewWndProc)));
}

TWinSkinPopMenu::~TWinSkinPopMenu() {
  if (IsWindow(FHandle) &&
      GetWindowLongPtrW(FHandle, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(FNewWndProc)) {
    SetWindowLongPtrW(FHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FOldWndProc));
  }
  FreeWndProcThunk(FNewWndProc);
}

LRESULT TWinSkinPopMenu::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == SKM_ISSKINNED) return 1;
  return CallWindowProcW(FOldWndProc, FHandle, message, wParam, lParam);
}
