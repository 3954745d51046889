// MDI frames under the skin: the hook on the MDI client that keeps the
// maximised-child state, the frame menu and the client's scroll bars in step.
#include "skin/WinSkinData.h"
#include "skin/forms/WinSkinDlg.h"
#include "skin/forms/WinSkinForm.h"

void TWinSkinForm::HookMDIClient() {
  if (FMDIClientWindow == nullptr || FNewClientProc != nullptr) return;
  const HWND client = FMDIClientWindow;
  FNewClientProc = MakeWndProcThunk([this, client](HWND, UINT message, WPARAM wParam, LPARAM lParam) {
    return MDIClientWndProc(client, message, wParam, lParam);
  });
  FOldClientProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(client, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FNewClientProc)));
}

void TWinSkinForm::UnhookMDIClient() {
  if (FNewClientProc == nullptr) return;
  if (IsWindow(FMDIClientWindow)) {
    SetWindowLongPtrW(FMDIClientWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FOldClientProc));
  }
  FreeWndProcThunk(FNewClientProc);
  FNewClientProc = nullptr;
}

bool TWinSkinForm::ActiveChildMaximized() const {
  if (FKind != kKindMDIFrame || FMDIClientWindow == nullptr) return false;
  BOOL maximized = FALSE;
  const HWND active = reinterpret_cast<HWND>(
      SendMessageW(FMDIClientWindow, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized)));
  return active != nullptr && maximized;
}

LRESULT TWinSkinForm::MDIClientWndProc(HWND client, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto passOn = [&] { return CallWindowProcW(FOldClientProc, client, message, wParam, lParam); };
  switch (message) {
    case WM_NCDESTROY: {
      const WNDPROC old = FOldClientProc;
      UnhookMDIClient();
      return CallWindowProcW(old, client, message, wParam, lParam);
    }
    case WM_NCCALCSIZE:
      if (FFrameSkinned && !FSkin->Options().Contains(TSkinOption::xoMDIScrollbar)) {
        const LONG style = GetWindowLongW(client, GWL_STYLE);
        SetWindowLongW(client, GWL_STYLE, style & ~static_cast<LONG>(WS_HSCROLL | WS_VSCROLL));
      }
      return passOn();
    case WM_MDICREATE:
      FSkin->SetMenuUpdate(false);
      return passOn();
    case WM_MDIDESTROY: {
      const LRESULT result = passOn();
      if (FFrameSkinned) SkinManager->SetMDIChildMaximized(ActiveChildMaximized());
      if (SendMessageW(client, WM_MDIGETACTIVE, 0, 0) == 0) {
        FSkin->SetMenuUpdate(FSavedMenuUpdate);
        MenuBarChanged(false);
      }
      return result;
    }
    case WM_MDISETMENU: {
      const LRESULT result = passOn();
      if (FFrameSkinned) {
        if (wParam != 0) MenuBarChanged(true);
        SetMenu(FHandle, nullptr);
      }
      return result;
    }
    case WM_MDITILE:
    case WM_MDICASCADE:
      if (FFrameSkinned && SkinManager->FMDIChildMaximized) SkinManager->SetMDIChildMaximized(false);
      return passOn();
    case SKM_REDRAWMDI:
      RedrawWindow(FHandle, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
      return 0;
    default:
      return passOn();
  }
}
