// The tracking of one menu-bar drop-down (one at a time in the thread): the
// message-filter hook installed for the duration of its TrackPopupMenu and
// what it knows of the selection inside the drop-down.
#pragma once

#include "skin/forms/WinSkinForm.h"

class TMenu;
class TControl;

struct TMenuBarTracking {
  HHOOK hook = nullptr;
  TWinSkinForm* form = nullptr;  // the window whose drop-down is open; null when none or gone
  int openIndex = -1;            // the bar position of the open item
  // The entry last selected inside the drop-down, as WM_MENUSELECT gave it.
  HMENU selectedMenu = nullptr;
  WORD selectedLow = 0;  // position of a sub-menu entry, else its command
  WORD selectedFlags = 0;
  TMenuItem* selectedItem = nullptr;  // the form's menu item of that entry, if found
  bool firstSeen = false;
  bool switching = false;  // a posted click is on its way to open another item
  POINT lastMouse{};
};

TMenuBarTracking& MenuBarTracking();

// The bar of `form` is going away: a tracking of its drop-down ends and is
// forgotten, so that nothing of the form is touched when it returns.
void MenuBarTrackingGone(TWinSkinForm* form);

// A key message of the drop-down's loop: the bar item it moves to, or null.
TMenuBtn* KeyTarget(TMenuBarTracking& tracking, const MSG& msg);
// In a right-to-left menu the arrow keys act mirrored.
void ExchangeArrows(const TMenuBarTracking& tracking, MSG& msg);

// SC_KEYMENU with a key (0: Alt alone or F10) on a skinned window: opens the
// bar item of that accelerator, or the first item for 0. Answers whether the
// request ends there.
bool OpenMenuBarItemForKey(TWinSkinForm& form, WCHAR key);

// The toolkit's main menu of a bound form object, or null.
TMenu* FormMainMenu(TControl* formControl);
