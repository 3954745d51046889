// What the caption buttons do, and the system commands of a skinned window:
// keyboard menu requests, show-state book-keeping and menu commands that
// carry system command identifiers.
#include "skin/WinSkinData.h"
#include "skin/forms/WinSkinDlg.h"
#include "skin/forms/WinSkinForm.h"
#include "skin/forms/WinSkinForm_MenuBarTracking.h"
#include "toolkit/ExtCtrls.h"

namespace {

bool ClosingAllowed(HMENU systemMenu) {
  const DWORD version = SkinPlatformVersion();
  const bool family9x = (version & 0x80000000u) != 0;
  const bool nt4 = !family9x && static_cast<int>(version & 0xFF) < 5;
  if (family9x || nt4) return true;
  MENUITEMINFOA info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_STATE;
  return GetMenuItemInfoA(systemMenu, SC_CLOSE, FALSE, &info) != FALSE;
}

}  // namespace

void TWinSkinForm::DoButtonAction(int x, int y) {
  auto* button = dynamic_cast<TWinSysButton*>(FHotObject);
  if (button == nullptr) return;
  const int action = button->FModel->Action;
  switch (action) {
    case 0:
      if (!ClosingAllowed(FSystemMenu)) return;
      if (FHoverTimer) FHoverTimer->SetEnabled(false);
      PostMessageW(FHandle, WM_SYSCOMMAND, SC_CLOSE, 0);
      return;
    case 1:
    case 22:
      if (button->FEnabled) DoMaximize();
      return;
    case 2:
    case 23:
      if (button->FEnabled) DoMinimize();
      return;
    case 3:
    case 11:
    case 12:
      ShowSystemMenu(TPoint{x + 1, y + 1});
      return;
    case 4:
      PostMessageW(FHandle, WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
      return;
    case 7:
    case 60:
    case 8:
    case 61:
    case 9:
    case 62: {
      if (FKind != kKindMDIFrame || FMDIClientWindow == nullptr) return;
      const auto child = reinterpret_cast<HWND>(SendMessageW(FMDIClientWindow, WM_MDIGETACTIVE, 0, 0));
      if (child == nullptr) return;
      const WPARAM command = action == 7 || action == 60   ? SC_MINIMIZE
                             : action == 8 || action == 61 ? SC_RESTORE
                                                           : SC_CLOSE;
      SendMessageW(child, WM_SYSCOMMAND, command, 0);
      return;
    }
    default:
      PostMessageA(FHandle, SKM_CAPTIONBUTTON, static_cast<WPARAM>(action), 0);
      return;
  }
}

void TWinSkinForm::DoMaximize() {
  if (Maximized()) {
    DoRestore();
    return;
  }
  if (FKind == kKindMDIChild) SkinManager->SetMDIChildMaximized(true);
  FShowState = kShowMaximized;
  PostMessageW(FHandle, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  FHotObject = nullptr;
}

void TWinSkinForm::DoMinimize() {
  if (Minimized()) {
    DoRestore();
    return;
  }
  FShowState = kShowMinimized;
  SetSysMenuStyle(false);
  PostMessageW(FHandle, WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

void TWinSkinForm::DoRestore() {
  FShowState = kShowNormal;
  PostMessageW(FHandle, WM_SYSCOMMAND, SC_RESTORE, 0);
}

LRESULT TWinSkinForm::SysCommand(WPARAM wParam, LPARAM lParam) {
  if (!FMenuTracking && (wParam & 0xFFF0) == SC_KEYMENU) {
    const auto key = static_cast<WCHAR>(lParam & 0xFFFF);
    if (key == u' ') {
      POINT origin{0, 0};
      ClientToScreen(FHandle, &origin);
      ShowSystemMenu(TPoint{origin.x, origin.y});
    } else if (key != u'-' && GetCapture() == nullptr && OpenMenuBarItemForKey(*this, key)) {
      return 1;
    }
  }
  switch (wParam) {
    case SC_MINIMIZE:
      FShowState = kShowMinimized;
      break;
    case SC_MAXIMIZE:
      FShowState = kShowMaximized;
      break;
    case SC_RESTORE:
      FShowState = kShowNormal;
      if (SkinManager->FMDIChildMaximized && FKind == kKindMDIChild) SkinManager->SetMDIChildMaximized(false);
      break;
    default:
      break;
  }
  return PassOn(WM_SYSCOMMAND, wParam, lParam);
}

LRESULT TWinSkinForm::CommandAsSysCommand(WPARAM wParam, LPARAM lParam) {
  const WORD id = LOWORD(wParam);
  switch (id) {
    case SC_SIZE:
    case SC_MOVE:
    case SC_MINIMIZE:
    case SC_MAXIMIZE:
    case SC_NEXTWINDOW:
    case SC_PREVWINDOW:
    case SC_CLOSE:
    case SC_RESTORE:
      PostMessageW(FHandle, WM_SYSCOMMAND, id, 0);
      return 0;
    default:
      return PassOn(WM_COMMAND, wParam, lParam);
  }
}
