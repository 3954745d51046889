// Scroll bars: the window's own bars (WS_HSCROLL, WS_VSCROLL) in its
// non-client area and the "ScrollBar" control (SB_CTL), their ranges and
// positions, and scrolling a window's or a DC's pixels.
#pragma once

#include "platform/base/types.h"

// Which bar a call is about.
constexpr int SB_HORZ = 0;
constexpr int SB_VERT = 1;
constexpr int SB_CTL = 2;
constexpr int SB_BOTH = 3;

// WM_HSCROLL / WM_VSCROLL request codes (LOWORD of wParam).
constexpr WORD SB_LINEUP = 0;
constexpr WORD SB_LINELEFT = 0;
constexpr WORD SB_LINEDOWN = 1;
constexpr WORD SB_LINERIGHT = 1;
constexpr WORD SB_PAGEUP = 2;
constexpr WORD SB_PAGELEFT = 2;
constexpr WORD SB_PAGEDOWN = 3;
constexpr WORD SB_PAGERIGHT = 3;
constexpr WORD SB_THUMBPOSITION = 4;
constexpr WORD SB_THUMBTRACK = 5;
constexpr WORD SB_TOP = 6;
constexpr WORD SB_LEFT = 6;
constexpr WORD SB_BOTTOM = 7;
constexpr WORD SB_RIGHT = 7;
constexpr WORD SB_ENDSCROLL = 8;

constexpr UINT SIF_RANGE = 0x0001;
constexpr UINT SIF_PAGE = 0x0002;
constexpr UINT SIF_POS = 0x0004;
constexpr UINT SIF_DISABLENOSCROLL = 0x0008;
constexpr UINT SIF_TRACKPOS = 0x0010;
constexpr UINT SIF_ALL = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;

// EnableScrollBar's arrows.
constexpr UINT ESB_ENABLE_BOTH = 0x0000;
constexpr UINT ESB_DISABLE_BOTH = 0x0003;
constexpr UINT ESB_DISABLE_LEFT = 0x0001;
constexpr UINT ESB_DISABLE_RIGHT = 0x0002;
constexpr UINT ESB_DISABLE_UP = 0x0001;
constexpr UINT ESB_DISABLE_DOWN = 0x0002;
constexpr UINT ESB_DISABLE_LTUP = ESB_DISABLE_LEFT;
constexpr UINT ESB_DISABLE_RTDN = ESB_DISABLE_RIGHT;

// GetScrollBarInfo's objects and states.
constexpr LONG OBJID_CLIENT = -4;
constexpr LONG OBJID_VSCROLL = -5;
constexpr LONG OBJID_HSCROLL = -6;
constexpr DWORD STATE_SYSTEM_UNAVAILABLE = 0x00000001;
constexpr DWORD STATE_SYSTEM_PRESSED = 0x00000008;
constexpr DWORD STATE_SYSTEM_INVISIBLE = 0x00008000;
constexpr DWORD STATE_SYSTEM_OFFSCREEN = 0x00010000;
constexpr int CCHILDREN_SCROLLBAR = 5;

// ScrollWindowEx flags.
constexpr UINT SW_SCROLLCHILDREN = 0x0001;
constexpr UINT SW_INVALIDATE = 0x0002;
constexpr UINT SW_ERASE = 0x0004;
constexpr UINT SW_SMOOTHSCROLL = 0x0010;

// "ScrollBar" styles.
constexpr DWORD SBS_HORZ = 0x0000;
constexpr DWORD SBS_VERT = 0x0001;
constexpr DWORD SBS_TOPALIGN = 0x0002;
constexpr DWORD SBS_LEFTALIGN = 0x0002;
constexpr DWORD SBS_BOTTOMALIGN = 0x0004;
constexpr DWORD SBS_RIGHTALIGN = 0x0004;
constexpr DWORD SBS_SIZEBOXTOPLEFTALIGN = 0x0002;
constexpr DWORD SBS_SIZEBOXBOTTOMRIGHTALIGN = 0x0004;
constexpr DWORD SBS_SIZEBOX = 0x0008;
constexpr DWORD SBS_SIZEGRIP = 0x0010;

// "ScrollBar" messages.
constexpr UINT SBM_SETPOS = 0x00E0;
constexpr UINT SBM_GETPOS = 0x00E1;
constexpr UINT SBM_SETRANGE = 0x00E2;
constexpr UINT SBM_GETRANGE = 0x00E3;
constexpr UINT SBM_ENABLE_ARROWS = 0x00E4;
constexpr UINT SBM_SETRANGEREDRAW = 0x00E6;
constexpr UINT SBM_SETSCROLLINFO = 0x00E9;
constexpr UINT SBM_GETSCROLLINFO = 0x00EA;
constexpr UINT SBM_GETSCROLLBARINFO = 0x00EB;

// Set when a range is wider than the bar can hold.
constexpr DWORD ERROR_INVALID_SCROLLBAR_RANGE = 1448;
constexpr DWORD ERROR_NO_SCROLLBARS = 1447;

struct SCROLLINFO {
  UINT cbSize;
  UINT fMask;
  int nMin;
  int nMax;
  UINT nPage;
  int nPos;
  int nTrackPos;
};
using LPSCROLLINFO = SCROLLINFO*;
using LPCSCROLLINFO = const SCROLLINFO*;
static_assert(sizeof(SCROLLINFO) == 28);

struct SCROLLBARINFO {
  DWORD cbSize;
  RECT rcScrollBar;   // screen coordinates
  int dxyLineButton;  // length of an arrow button
  int xyThumbTop;     // thumb start and end, from the bar's start
  int xyThumbBottom;
  int reserved;
  // The bar, then top arrow, page up, thumb, page down, bottom arrow.
  DWORD rgstate[CCHILDREN_SCROLLBAR + 1];
};
using PSCROLLBARINFO = SCROLLBARINFO*;
static_assert(sizeof(SCROLLBARINFO) == 60);

int SetScrollInfo(HWND hwnd, int bar, LPCSCROLLINFO info, BOOL redraw);
BOOL GetScrollInfo(HWND hwnd, int bar, LPSCROLLINFO info);
int SetScrollPos(HWND hwnd, int bar, int position, BOOL redraw);
int GetScrollPos(HWND hwnd, int bar);
BOOL SetScrollRange(HWND hwnd, int bar, int minimum, int maximum, BOOL redraw);
BOOL GetScrollRange(HWND hwnd, int bar, int* minimum, int* maximum);
BOOL ShowScrollBar(HWND hwnd, int bar, BOOL show);
BOOL EnableScrollBar(HWND hwnd, UINT bar, UINT arrows);
BOOL GetScrollBarInfo(HWND hwnd, LONG object, PSCROLLBARINFO info);

BOOL ScrollWindow(HWND hwnd, int dx, int dy, const RECT* scroll, const RECT* clip);
int ScrollWindowEx(HWND hwnd, int dx, int dy, const RECT* scroll, const RECT* clip, HRGN update, LPRECT updateRect,
                   UINT flags);
BOOL ScrollDC(HDC dc, int dx, int dy, const RECT* scroll, const RECT* clip, HRGN update, LPRECT updateRect);
