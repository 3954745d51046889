// What the entry painters of the skinned menus share among their files.
#pragma once

#include "skin/forms/WinSkinMenu.h"

// One entry to draw: its item (the program's, or a temporary one describing
// a raw entry), the owner's bar menu for items without a menu of their own,
// and whether the entry opens a sub-menu.
struct TMenuEntry {
  TMenuItem* item;
  TMenu* barMenu;
  bool subMenu;
};

// The canvas takes the menu font of the system metrics, bold or not.
void UseMenuFont(TCanvas* canvas, bool bold);
// The glyph column, caption, shortcut and arrow of an entry.
void DrawEntryContent(TSkinData* skin, const TMenuEntry& entry, TCanvas* canvas, bool selected, const TRect& rect);
