// The predefined bitmaps a menu item may show instead of a bitmap of its own
// (MFT_BITMAP's dwTypeData or MIIM_BITMAP's hbmpItem): the glyphs of the
// system menu's entries. The menu-bar values (HBMMENU_SYSTEM,
// HBMMENU_MBAR_*) are with the MDI names.
#pragma once

#include "platform/base/types.h"

#define HBMMENU_POPUP_CLOSE (reinterpret_cast<HBITMAP>(static_cast<LONG_PTR>(8)))
#define HBMMENU_POPUP_RESTORE (reinterpret_cast<HBITMAP>(static_cast<LONG_PTR>(9)))
#define HBMMENU_POPUP_MAXIMIZE (reinterpret_cast<HBITMAP>(static_cast<LONG_PTR>(10)))
#define HBMMENU_POPUP_MINIMIZE (reinterpret_cast<HBITMAP>(static_cast<LONG_PTR>(11)))
