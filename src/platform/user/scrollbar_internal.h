// Scroll bars inside the window manager: the bars' state kept with each
// window, where a window's own bars lie, their painting and redrawing, and
// the tracking loop that the window's bars and the "ScrollBar" control share.
#pragma once

#include "platform/user/scrollbar_layout.h"
#include "platform/user/window_object.h"

namespace platform {

// Kept behind WindowObject::scrollBars, made on first use.
struct WindowScrollBars {
  ScrollBarState horz;
  ScrollBarState vert;
  ScrollBarState control;  // the "ScrollBar" control's own bar (SB_CTL)
};

// The state of one bar of a window (SB_HORZ, SB_VERT, SB_CTL), made with
// the defaults on first use: window bars 0..100, a control's bar 0..0.
// Null for a bad window or bar.
ScrollBarState* ScrollBarStateOf(HWND hwnd, int bar);

// Where a bar lies and which way it runs. Window bars: window coordinates,
// false when the style has no such bar. SB_CTL: the control's client area.
bool ScrollBarRect(HWND hwnd, int bar, RECT& rect, bool& vertical);
// The same in screen coordinates.
bool ScrollBarScreenRect(HWND hwnd, int bar, RECT& rect, bool& vertical);
// The square between two window bars, window coordinates (empty when the
// window lacks either bar).
RECT SizeBoxRect(const WindowObject& w);
// The arrow length and the thickness a bar is laid out with.
int ScrollArrowSize(bool vertical);
ScrollBarLayout LayoutOf(const ScrollBarState& state, const RECT& bar, bool vertical);

// HTVSCROLL, HTHSCROLL or HTSIZE for a point on the window's bars, else
// HTNOWHERE.
LRESULT ScrollBarHitTest(const WindowObject& w, POINT screen);

// Paints the window's bars and size box into a DC whose origin is the
// window's top-left corner (non-client painting).
void PaintWindowScrollBars(HDC dc, const WindowObject& w);
// Repaints one bar: a window bar through WM_NCPAINT with the bar's
// rectangle as the update region, a control through WM_PAINT.
void RedrawScrollBar(HWND hwnd, int bar);

// SetScrollInfo on one bar (no SBM_SETSCROLLINFO is sent: the control's
// procedure calls this for its own bar).
int SetScrollBarInfo(HWND hwnd, int bar, const SCROLLINFO& info, bool redraw);
bool GetScrollBarInfoOf(HWND hwnd, int bar, SCROLLBARINFO& info);
bool EnableScrollBarArrows(HWND hwnd, int bar, UINT arrows);

// The tracking loop: a press at `screen` on the bar. Sends the request
// codes of the part pressed, repeats them while it is held, drags the
// thumb, and returns when the left button is released.
void TrackScrollBar(HWND hwnd, int bar, POINT screen);

}  // namespace platform
