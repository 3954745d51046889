// The "Button" class's style bits, messages and notifications beyond the
// basic types (which controls.h lists with the other standard classes).
#pragma once

#include "platform/user/user.h"

constexpr DWORD BS_TEXT = 0x0;
constexpr DWORD BS_RIGHTBUTTON = 0x20;  // the same bit as BS_LEFTTEXT
constexpr DWORD BS_ICON = 0x40;
constexpr DWORD BS_LEFT = 0x100;
constexpr DWORD BS_RIGHT = 0x200;
constexpr DWORD BS_CENTER = 0x300;
constexpr DWORD BS_TOP = 0x400;
constexpr DWORD BS_BOTTOM = 0x800;
constexpr DWORD BS_VCENTER = 0xC00;
constexpr DWORD BS_PUSHLIKE = 0x1000;
constexpr DWORD BS_NOTIFY = 0x4000;

constexpr UINT BM_GETIMAGE = 0x00F6;
constexpr UINT BM_SETIMAGE = 0x00F7;

// BN_CLICKED (0) is with the dialog manager's values.
constexpr WORD BN_PAINT = 1;
constexpr WORD BN_HILITE = 2;
constexpr WORD BN_PUSHED = BN_HILITE;
constexpr WORD BN_UNHILITE = 3;
constexpr WORD BN_UNPUSHED = BN_UNHILITE;
constexpr WORD BN_DISABLE = 4;
constexpr WORD BN_DOUBLECLICKED = 5;
constexpr WORD BN_DBLCLK = BN_DOUBLECLICKED;
constexpr WORD BN_SETFOCUS = 6;
constexpr WORD BN_KILLFOCUS = 7;
