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
  // Width of the bitmap column of the item's popup column (0 without one):
  // the widest bitmap there, between the check marks and the text.
  int bitmapColumn = 0;
  // An HBMMENU_CALLBACK bitmap's size as the owner answered it at the last
  // layout (WM_MEASUREITEM).
  SIZE callbackSize{};

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

// The font menus draw with (the menu font, bold for default items); the
// caller deletes it.
HFONT CreateMenuFont(bool bold);

// Width of a popup's check-mark column (left) and arrow column (right).
constexpr int kMenuMarkColumn = 16;

// Sizes the items of a popup menu into columns (asking the owner for the
// size of owner-drawn items once) and answers the client size.
SIZE LayoutPopupMenu(MenuObject& m, HWND owner);
// Where the shortcut column of a popup item starts, from the item's left.
int ShortcutColumn(const MenuObject& m, std::size_t index);
// The size a menu item's bitmap takes: a bitmap's own size, the menu glyph
// size for the predefined HBMMENU_ glyphs, the owner's answer for
// HBMMENU_CALLBACK, nothing for the others.
SIZE MenuItemBitmapSize(const MenuItem& item);

// The "#32768" window showing a popup menu: created hidden, through the CBT
// hook like every window.
HWND CreateMenuWindow(HMENU menu, HWND owner, const RECT& windowRect);
void RegisterMenuWindowClass();
// The menu a "#32768" window shows.
HMENU MenuOfWindow(HWND hwnd);
// Paints one item of a popup menu (through WM_DRAWITEM for owner-drawn items).
void PaintPopupItem(HWND menuWindow, HDC dc, MenuObject& m, int index);
// Repaints one item now.
void RedrawPopupItem(MenuObject& m, int index);

// The window the current menu loop sends its notifications to (null when no
// menu is tracked).
HWND MenuTrackingOwner();

// True while the drop-down of a menu-bar item is open.
bool MenuBarDropDownOpen();
// Tracks a window's menu bar: from a press on item `item`, or from the
// keyboard (`item` -1 selects the first item without opening it).
void TrackMenuBar(HWND hwnd, int item, bool keyboard);

// The menu bar (menu_bar.cpp), in window rows between caption and client.
int MenuBarHeight(HWND hwnd, int windowWidth);
int MenuBarItemAt(HWND hwnd, POINT screen);  // -1 when none
bool MenuBarContains(HWND hwnd, POINT screen);
RECT MenuBarItemScreenRect(HWND hwnd, int index);
// Repaints the bar now, through WM_NCPAINT (the menu loop's selection).
void RepaintMenuBarNow(HWND hwnd);
// Paints the bar into a DC of the whole window (the classic frame's DC).
void PaintMenuBar(HWND hwnd, HDC dc);

// The system menu's entries updated to what the window's styles and show
// state allow.
void UpdateSystemMenu(HWND hwnd, HMENU menu);
void ForgetSystemMenu(HWND hwnd);
// The caption's close button is enabled while the system menu has an
// enabled Close entry (a program removes or greys it to stop closing).
bool SystemMenuAllowsClose(HWND hwnd);
// SC_KEYMENU and SC_MOUSEMENU: the menu bar or the system menu.
LRESULT HandleMenuSysCommand(HWND hwnd, WPARAM wParam, LPARAM lParam);

// Destroys what belongs to a window that is going away: its menu bar and
// its system menu.
void ForgetWindowInMenus(HWND hwnd);

// The mnemonic of an item's text: the character after a single "&", upper
// case; 0 when none.
char16_t MenuMnemonic(const WideString& text);

}  // namespace platform
