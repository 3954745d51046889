// The system menu of a window (restore, move, size, minimise, maximise, a
// separator and close, with the SC_ ids, greyed as the styles and show state
// allow; dialogs have move and close), and the system commands that open
// menus from the keyboard and the mouse.
#include <map>

#include "platform/user/menu_object.h"
#include "platform/user/nonclient.h"
#include "platform/user/window_object.h"

namespace platform {
namespace {

std::map<HWND, HMENU>& SystemMenus() {
  static std::map<HWND, HMENU> menus;
  return menus;
}

bool IsDialogFrame(const WindowObject& w) {
  const bool dialogFrame = (w.exStyle & WS_EX_DLGMODALFRAME) || (w.style & DS_MODALFRAME) ||
                           ((w.style & WS_DLGFRAME) && !(w.style & WS_THICKFRAME));
  return dialogFrame && !(w.style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
}

HMENU BuildSystemMenu(const WindowObject& w) {
  HMENU menu = CreatePopupMenu();
  if (MenuObject* m = PeekMenuObject(menu)) m->systemMenu = true;
  if (!IsDialogFrame(w)) {
    AppendMenuW(menu, MF_STRING, SC_RESTORE, u"&Restore");
    AppendMenuW(menu, MF_STRING, SC_MOVE, u"&Move");
    AppendMenuW(menu, MF_STRING, SC_SIZE, u"&Size");
    AppendMenuW(menu, MF_STRING, SC_MINIMIZE, u"Mi&nimize");
    AppendMenuW(menu, MF_STRING, SC_MAXIMIZE, u"Ma&ximize");
  } else {
    AppendMenuW(menu, MF_STRING, SC_MOVE, u"&Move");
  }
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING | ((w.cls->style & CS_NOCLOSE) ? MF_GRAYED : 0), SC_CLOSE, u"&Close\tAlt+F4");
  SetMenuDefaultItem(menu, SC_CLOSE, FALSE);
  return menu;
}

void Enable(HMENU menu, UINT id, bool enabled) {
  EnableMenuItem(menu, id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void TrackSystemMenu(HWND hwnd, POINT at) {
  HMENU menu = GetSystemMenu(hwnd, FALSE);
  if (menu == nullptr) return;
  TrackPopupMenu(menu, TPM_LEFTBUTTON | TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd, nullptr);
}

// Below the caption icon, where the system menu drops from.
POINT SystemMenuPoint(HWND hwnd) {
  WindowObject* w = PeekWindowObject(hwnd);
  if (w == nullptr) return POINT{};
  const CaptionLayout layout = LayoutCaption(*w);
  const POINT origin = WindowOrigin(*w);
  return POINT{origin.x + layout.caption.left, origin.y + layout.caption.bottom + 1};
}

}  // namespace

void UpdateSystemMenu(HWND hwnd, HMENU menu) {
  WindowObject* w = PeekWindowObject(hwnd);
  if (w == nullptr || PeekMenuObject(menu) == nullptr) return;
  const DWORD style = w->style;
  const bool maximised = (style & WS_MAXIMIZE) != 0;
  const bool minimised = (style & WS_MINIMIZE) != 0;
  Enable(menu, SC_RESTORE, maximised || minimised);
  Enable(menu, SC_MOVE, !maximised);
  Enable(menu, SC_SIZE, (style & WS_THICKFRAME) && !maximised && !minimised);
  Enable(menu, SC_MINIMIZE, (style & WS_MINIMIZEBOX) && !minimised);
  Enable(menu, SC_MAXIMIZE, (style & WS_MAXIMIZEBOX) && !maximised);
}

bool SystemMenuAllowsClose(HWND hwnd) {
  auto found = SystemMenus().find(hwnd);
  // Without a copy of its own the window has the standard menu, Close included.
  if (found == SystemMenus().end() || !IsMenu(found->second)) return true;
  const UINT state = GetMenuState(found->second, SC_CLOSE, MF_BYCOMMAND);
  return state != static_cast<UINT>(-1) && !(state & MFS_GRAYED);
}

void ForgetSystemMenu(HWND hwnd) {
  auto& menus = SystemMenus();
  auto found = menus.find(hwnd);
  if (found == menus.end()) return;
  const HMENU menu = found->second;
  menus.erase(found);
  if (IsMenu(menu)) DestroyMenu(menu);
}

LRESULT HandleMenuSysCommand(HWND hwnd, WPARAM wParam, LPARAM lParam) {
  const DWORD style = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE));
  if ((wParam & 0xFFF0) == SC_MOUSEMENU) {
    if ((wParam & 0x0F) == HTSYSMENU) {
      TrackSystemMenu(hwnd, SystemMenuPoint(hwnd));
      return 0;
    }
    const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    const int item = MenuBarItemAt(hwnd, at);
    if (item >= 0) TrackMenuBar(hwnd, item, false);
    return 0;
  }
  // SC_KEYMENU: the character in lParam; blank is the system menu, none the
  // bar's first item.
  const WCHAR key = static_cast<WCHAR>(lParam);
  if (key == u' ') {
    if (style & WS_SYSMENU) TrackSystemMenu(hwnd, SystemMenuPoint(hwnd));
    return 0;
  }
  const HMENU bar = GetMenu(hwnd);
  if (!IsMenu(bar) || GetMenuItemCount(bar) <= 0) return 0;
  if (key == 0) {
    TrackMenuBar(hwnd, -1, true);
    return 0;
  }
  const char16_t wanted = (key >= u'a' && key <= u'z') ? static_cast<char16_t>(key - u'a' + u'A') : key;
  MenuObject* m = PeekMenuObject(bar);
  for (std::size_t i = 0; m != nullptr && i < m->items.size(); ++i) {
    if (m->items[i].hasText && MenuMnemonic(m->items[i].text) == wanted) {
      TrackMenuBar(hwnd, static_cast<int>(i), true);
      return 0;
    }
  }
  MessageBeep(0);
  return 0;
}

}  // namespace platform

HMENU GetSystemMenu(HWND hwnd, BOOL revert) {
  platform::WindowObject* w = platform::FindWindowObject(hwnd);
  if (w == nullptr) return nullptr;
  auto& menus = platform::SystemMenus();
  if (revert) {
    platform::ForgetSystemMenu(hwnd);
    return nullptr;
  }
  if (!(w->style & WS_SYSMENU)) return nullptr;
  auto found = menus.find(hwnd);
  if (found == menus.end() || !IsMenu(found->second)) {
    found = menus.insert_or_assign(hwnd, platform::BuildSystemMenu(*w)).first;
  }
  platform::UpdateSystemMenu(hwnd, found->second);
  return found->second;
}
