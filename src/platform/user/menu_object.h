// The window manager's records behind HMENU: a menu and its items, shared by
// the menu files (data, item info, layout, the popup loop, the bar, the
// system menu). Only platform/user includes this header.
#pragma once

#include <vector>

#include "platform/base/handles.h"
#include "platform/base/strings.h"
#include "platform/user/user.h"

namespace platform {

struct MenuItem {
  UINT type = MFT_STRING;  // MFT_* bits (MF_POPUP is never kept here)
  UINT state = 0;          // MFS_* bits
  UINT id = 0;
  HMENU subMenu = nullptr;
  HBITMAP checkedBitmap = nullptr;
  HBITMAP uncheckedBitmap = nullptr;
  HBITMAP bitmap = nullptr;
  ULONG_PTR data = 0;
  WideString text;
  bool hasText = false;
  // Layout: the item's rectangle in the client coordinates of its menu
  // window (a popup) or in window coordinates of the bar's window.
  RECT rect{};
  bool measured = false;   // owner-drawn size asked for once
  SIZE ownerSize{};

  bool IsSeparator() const { return (type & MFT_SEPARATOR) != 0; }
  bool IsOwnerDraw() const { return (type & MFT_OWNERDRAW) != 0; }
  bool IsDisabled() const { return (state & MFS_GRAYED) != 0; }
};

class MenuObject : public HandleObject {
 public:
  MenuObject() : HandleObject(HandleKind::Menu) {}

  HMENU handle = nullptr;
  bool popup = false;        // CreatePopupMenu rather than CreateMenu
  bool systemMenu = false;   // a window's system menu
  std::vector<MenuItem> items;
  // Layout of the last measuring.
  SIZE size{};
  HWND window = nullptr;     // the "#32768" window showing it while open
};

MenuObject* FindMenuObject(HMENU menu);   // sets ERROR_INVALID_MENU_HANDLE
MenuObject* PeekMenuObject(HMENU menu);

// An item by command (searching sub-menus first, as Windows does) or by
// position; `owner` receives the menu that holds it.
MenuItem* FindMenuItem(HMENU menu, UINT item, bool byPosition, MenuObject** owner = nullptr, int* index = nullptr);

// Destroys what belongs to a window that is going away: its menu bar and
// its system menu.
void ForgetWindowInMenus(HWND hwnd);

// The mnemonic of an item's text: the character after a single "&", upper
// case; 0 when none.
char16_t MenuMnemonic(const WideString& text);

}  // namespace platform
