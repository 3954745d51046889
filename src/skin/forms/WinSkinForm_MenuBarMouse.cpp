// Opening the menu bar's drop-downs: a click on an item opens its drop-down
// under it with TrackPopupMenu; while it is open the message-filter hook
// follows the selection (WM_MENUSELECT) and the mouse, and moving onto
// another bar item switches to it through a posted click, which closes the
// open drop-down and, arriving at the window, opens the next.
#include "skin/WinSkinData.h"
#include "skin/forms/WinSkinDlg.h"
#include "skin/forms/WinSkinForm.h"
#include "skin/forms/WinSkinForm_MenuBarTracking.h"
#include "toolkit/Menus.h"

namespace {

constexpr UINT kDropDownFlags = TPM_NONOTIFY | TPM_RIGHTBUTTON;
// Sub-menus deeper than this are not followed (a menu that holds itself).
constexpr int kMaxMenuDepth = 16;

bool IsNT4() {
  const DWORD version = SkinPlatformVersion();
  return (version & 0x80000000u) == 0 && static_cast<int>(version & 0xFF) < 5;
}

// The drop-down's window, to which the first key goes.
HWND DropDownWindow(const MSG& msg) {
  HWND window = FindWindowExW(nullptr, nullptr, u"#32768", nullptr);
  return window != nullptr ? window : msg.hwnd;
}

void Selected(TMenuBarTracking& t, const MSG& msg) {
  const WORD flags = HIWORD(msg.wParam);
  const auto menu = reinterpret_cast<HMENU>(msg.lParam);
  if (flags == 0xFFFF && menu == nullptr) {
    if (!t.switching) t.form->FMenuTracking = false;
    return;
  }
  t.switching = false;
  t.selectedMenu = menu;
  t.selectedLow = LOWORD(msg.wParam);
  t.selectedFlags = flags;
  t.selectedItem = nullptr;
  TMenu* formMenu = t.form->FMenuBar->FMenu;
  if (formMenu == nullptr) return;
  if (flags & MF_POPUP) {
    const HMENU sub = GetSubMenu(menu, t.selectedLow);
    if (sub != nullptr) t.selectedItem = formMenu->FindItem(reinterpret_cast<UINT_PTR>(sub), TFindItemKind::fkHandle);
  } else {
    t.selectedItem = formMenu->FindItem(t.selectedLow, TFindItemKind::fkCommand);
  }
}

TMenuBtn* MouseTarget(TMenuBarTracking& t, const MSG& msg) {
  // A pointer that has not moved says nothing (the keyboard may have moved
  // the bar away from the item under it).
  if (msg.pt.x == t.lastMouse.x && msg.pt.y == t.lastMouse.y) return nullptr;
  t.lastMouse = msg.pt;
  return t.form->FMenuBar->ItemAt(t.form->ScreenToFrame(TPoint{msg.pt.x, msg.pt.y}));
}

LRESULT TrackingHook(int code, WPARAM wParam, LPARAM lParam) {
  TMenuBarTracking& t = MenuBarTracking();
  auto* msg = reinterpret_cast<MSG*>(lParam);
  if (msg != nullptr && t.form != nullptr) ExchangeArrows(t, *msg);
  const LRESULT next = CallNextHookEx(t.hook, code, wParam, lParam);
  if (next != 0 || code != MSGF_MENU || msg == nullptr || t.form == nullptr || !t.form->FMenuBar) return next;
  if (!t.firstSeen) {
    // The drop-down opens with its first entry selected.
    t.firstSeen = true;
    PostMessageW(DropDownWindow(*msg), WM_KEYDOWN, VK_DOWN, 0);
  }
  TMenuBtn* target = nullptr;
  switch (msg->message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      target = KeyTarget(t, *msg);
      break;
    case WM_MENUSELECT:
      Selected(t, *msg);
      break;
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE:
      target = MouseTarget(t, *msg);
      break;
    default:
      break;
  }
  if (target != nullptr && target->FIndex != t.openIndex) {
    t.switching = true;
    t.form->SwitchToItem(target);
  }
  return 0;
}

void InstallHook(TMenuBarTracking& t) {
  t.firstSeen = false;
  t.switching = false;
  GetCursorPos(&t.lastMouse);
  if (t.hook == nullptr) t.hook = SetWindowsHookExA(WH_MSGFILTER, &TrackingHook, nullptr, GetCurrentThreadId());
}

void RemoveHook(TMenuBarTracking& t) {
  if (t.hook != nullptr) UnhookWindowsHookEx(t.hook);
  t = TMenuBarTracking{};
}

}  // namespace

TMenuBarTracking& MenuBarTracking() {
  static TMenuBarTracking tracking;
  return tracking;
}

void MenuBarTrackingGone(TWinSkinForm* form) {
  TMenuBarTracking& t = MenuBarTracking();
  if (t.form != form || form == nullptr) return;
  t.form = nullptr;
  EndMenu();
}

void TMenuBar::MakeOwnerDrawn(HMENU menu, int depth) {
  if (depth > kMaxMenuDepth) return;
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_SUBMENU;
    if (!GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info)) continue;
    if (!(info.fType & MFT_OWNERDRAW)) {
      info.fMask = MIIM_FTYPE;
      info.fType |= MFT_OWNERDRAW;
      if (SetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info)) FOwnerDrawn.emplace_back(menu, i);
    }
    if (info.hSubMenu != nullptr) MakeOwnerDrawn(info.hSubMenu, depth + 1);
  }
}

void TMenuBar::RestoreOwnerDraw() {
  for (const auto& [menu, position] : FOwnerDrawn) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE;
    if (!IsMenu(menu) || !GetMenuItemInfoA(menu, position, TRUE, &info)) continue;
    info.fType &= ~MFT_OWNERDRAW;
    SetMenuItemInfoA(menu, position, TRUE, &info);
  }
  FOwnerDrawn.clear();
}

bool TWinSkinForm::OpenItem(TMenuBtn* item) {
  TMenuBarTracking& t = MenuBarTracking();
  t.switching = false;
  if (item == nullptr || !FMenuBar) return false;
  // One drop-down at a time: a request while one is open opens nothing.
  if (t.form != nullptr) return false;
  // The command of a top-level item runs even when it has a drop-down.
  PostMessageW(FHandle, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(item->FCommand), 0), 0);
  if (item->FSubMenu == nullptr) return false;

  t.openIndex = item->FIndex;
  t.form = this;
  RECT window{};
  GetWindowRect(FHandle, &window);
  FWindowRect = window;
  const HMENU subMenu = item->FSubMenu;
  if (!IsNT4()) FMenuBar->MakeOwnerDrawn(subMenu, 0);
  FMenuTracking = true;
  const POINT at{window.left + (FRightToLeft ? item->FRect.right : item->FRect.left), window.top + item->FRect.bottom};
  SkinManager->FMenuKind = kMenuKindMenuBar;
  FOpenSubMenu = subMenu;
  InstallHook(t);
  if (item->FItemEnabled) {
    TrackPopupMenu(subMenu, FRightToLeft ? kDropDownFlags | TPM_RIGHTALIGN : kDropDownFlags, at.x, at.y, 0, FHandle,
                   nullptr);
  }
  // The skin may have left the window while its drop-down was open.
  const bool stillHere = t.form == this;
  RemoveHook(t);
  if (!stillHere) return true;
  FMenuTracking = false;
  FOpenSubMenu = nullptr;
  return true;
}

void TWinSkinForm::SwitchToItem(TMenuBtn* item) {
  RECT window{};
  if (item == nullptr || !GetWindowRect(FHandle, &window)) return;
  const int x = window.left + item->FRect.left + 1;
  const int y = window.top + item->FRect.top + 1;
  PostMessageW(FHandle, WM_NCLBUTTONDOWN, HTCLIENT, MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)));
}

LRESULT TWinSkinForm::OpenItemAtPoint(LPARAM screenPoint) {
  const TPoint p = ScreenToFrame(screenPoint);
  if (ButtonAt(p) != nullptr || !FMenuBar) return 0;
  if (TMenuBtn* item = FMenuBar->ItemAt(p)) OpenItem(item);
  return 0;
}
