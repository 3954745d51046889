// Helpers of the popup-menu tests: a mini menu skin painted over the
// embedded skin's menu pictures (one colour per menu-item frame, a solid
// background), pixel counts, and running code inside a menu's own loop.
#pragma once

#include <functional>
#include <vector>

#include "skin/engine/engine_fixture.h"
#include "skin/forms/WinSkinMenu.h"
#include "toolkit/Menus.h"

namespace skintest {

// Frames 1 to 5 of the mini menu-item picture, and the menu background.
constexpr COLORREF kItemFrameColours[5] = {RGB(200, 0, 0), RGB(0, 200, 0), RGB(0, 0, 200), RGB(200, 200, 0),
                                           RGB(0, 200, 200)};
constexpr COLORREF kMenuBackgroundColour = RGB(120, 60, 160);

// The skin's menu pictures become the mini ones: 5 frames of 10 × 20 pixels,
// no margins, opaque unless `transparentNormal` (frame 1 magenta, Trans 1).
void UseMiniMenuPictures(TSkinData* skin, bool transparentNormal = false);

// Pixels of that colour inside the rectangle of the bitmap.
int CountColour(TBitmap& bitmap, const TRect& rect, COLORREF colour);

// Runs `step` from a timer while a menu window is open (inside its loop),
// once per tick, until it answers true.
void WhileMenuOpen(const std::function<bool()>& step);

// The visible "#32768" windows, oldest first.
std::vector<HWND> OpenMenus();

}  // namespace skintest
