// Skinned menus: the popup-menu windows ("#32768") the manager attaches.
#pragma once

#include "platform/user/user.h"

class TSkinData;

// The skinning object of one popup-menu window: it subclasses the window for
// as long as the menu is open and answers the skinned-query.
class TWinSkinPopMenu {
 public:
  TWinSkinPopMenu(HWND window, TSkinData* skin);
  ~TWinSkinPopMenu();
  TWinSkinPopMenu(const TWinSkinPopMenu&) = delete;
  TWinSkinPopMenu& operator=(const TWinSkinPopMenu&) = delete;

  HWND Handle() const { return FHandle; }
  TSkinData* Skin() const { return FSkin; }

 private:
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);

  HWND FHandle;
  TSkinData* FSkin;
  WNDPROC FOldWndProc = nullptr;
  WNDPROC FNewWndProc = nullptr;
};
