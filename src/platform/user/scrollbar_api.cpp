// The scroll-bar functions. A window's own bars (SB_HORZ, SB_VERT) are
// handled here; SB_CTL is handed to the control with its SBM_* messages.
#include "platform/gdi/gdi.h"
#include "platform/user/scrollbar_internal.h"

namespace platform {
namespace {

constexpr UINT kKnownMask = SIF_ALL | SIF_DISABLENOSCROLL;

// SCROLLINFO without nTrackPos is accepted too, as on Windows.
bool ValidInfo(const SCROLLINFO* info) {
  if (info == nullptr || (info->cbSize != sizeof(SCROLLINFO) && info->cbSize != sizeof(SCROLLINFO) - sizeof(int)) ||
      (info->fMask & ~kKnownMask) != 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
  }
  return true;
}

DWORD BarStyle(int bar) {
  if (bar == SB_HORZ) return WS_HSCROLL;
  if (bar == SB_VERT) return WS_VSCROLL;
  if (bar == SB_BOTH) return WS_HSCROLL | WS_VSCROLL;
  return 0;
}

// Shows or hides window bars by their style bits; the frame is recomputed
// and repainted. Answers whether anything changed.
bool ShowWindowBars(HWND hwnd, int bar, bool show) {
  WindowObject* w = PeekWindowObject(hwnd);
  if (w == nullptr) return false;
  const DWORD bits = BarStyle(bar);
  const DWORD style = show ? (w->style | bits) : (w->style & ~bits);
  if (style == w->style) return false;
  w->style = style;
  SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  return true;
}

bool HasWindowBar(HWND hwnd, int bar) {
  WindowObject* w = FindWindowObject(hwnd);
  if (w == nullptr) return false;
  if ((w->style & BarStyle(bar)) || w->scrollBars) return true;
  SetLastError(ERROR_NO_SCROLLBARS);
  return false;
}

}  // namespace

int SetScrollBarInfo(HWND hwnd, int bar, const SCROLLINFO& info, bool redraw) {
  ScrollBarState* state = ScrollBarStateOf(hwnd, bar);
  if (state == nullptr) return 0;
  bool rangeOrPage = false;
  const int pos = ApplyScrollInfo(*state, info, rangeOrPage);
  bool frameChanged = false;
  if (info.fMask & (SIF_RANGE | SIF_PAGE | SIF_DISABLENOSCROLL)) {
    if (NothingToScroll(*state)) {
      // A bar with nothing to scroll is disabled when asked, else a
      // window's bar is removed.
      if (info.fMask & SIF_DISABLENOSCROLL) {
        state->disabledArrows = ESB_DISABLE_BOTH;
      } else if (bar != SB_CTL && rangeOrPage) {
        frameChanged = ShowWindowBars(hwnd, bar, false);
      }
    } else if ((info.fMask & kKnownMask) != SIF_PAGE) {
      state->disabledArrows = ESB_ENABLE_BOTH;
      if (bar != SB_CTL && rangeOrPage) frameChanged = ShowWindowBars(hwnd, bar, true);
    }
  }
  if (redraw && !frameChanged) RedrawScrollBar(hwnd, bar);
  return pos;
}

bool GetScrollBarInfoOf(HWND hwnd, int bar, SCROLLBARINFO& info) {
  WindowObject* w = PeekWindowObject(hwnd);
  ScrollBarState* state = ScrollBarStateOf(hwnd, bar);
  if (w == nullptr || state == nullptr) return false;
  RECT rect{};
  bool vertical = bar == SB_VERT;
  const bool shown = ScrollBarScreenRect(hwnd, bar, rect, vertical);
  for (DWORD& word : info.rgstate) word = 0;
  info.dxyLineButton = info.xyThumbTop = info.xyThumbBottom = info.reserved = 0;
  if (!shown) {
    // An absent bar is reported as an empty strip at the client's edge.
    const RECT client = ScreenClientRect(*w);
    rect = vertical ? RECT{client.right, client.top, client.right, client.bottom}
                    : RECT{client.left, client.bottom, client.right, client.bottom};
    info.rcScrollBar = rect;
    info.rgstate[0] = STATE_SYSTEM_INVISIBLE;
    return true;
  }
  info.rcScrollBar = rect;
  const ScrollBarLayout layout = LayoutOf(*state, rect, vertical);
  info.dxyLineButton = layout.arrow;
  info.xyThumbTop = layout.thumbStart;
  info.xyThumbBottom = layout.thumbStart + layout.thumbSize;
  const bool disabled = (state->disabledArrows & ESB_DISABLE_BOTH) == ESB_DISABLE_BOTH ||
                        (bar == SB_CTL && (w->style & WS_DISABLED));
  if (disabled) info.rgstate[0] |= STATE_SYSTEM_UNAVAILABLE;
  if (bar == SB_CTL && !IsReallyVisible(*w)) info.rgstate[0] |= STATE_SYSTEM_INVISIBLE;
  if (state->disabledArrows & ESB_DISABLE_LTUP) info.rgstate[1] |= STATE_SYSTEM_UNAVAILABLE;
  if (state->disabledArrows & ESB_DISABLE_RTDN) info.rgstate[5] |= STATE_SYSTEM_UNAVAILABLE;
  if (layout.thumbSize == 0) {
    for (int i = 2; i <= 4; ++i) info.rgstate[i] |= STATE_SYSTEM_INVISIBLE;
  }
  // The pressed part, by its position in rgstate.
  static constexpr int kStateIndex[] = {1, 5, 2, 4, 0, 3};
  if (state->pressedPart >= 0 && state->pressedPart <= kScrollPartThumb && state->pressedPart != SB_THUMBPOSITION) {
    info.rgstate[kStateIndex[state->pressedPart]] |= STATE_SYSTEM_PRESSED;
  }
  return true;
}

bool EnableScrollBarArrows(HWND hwnd, int bar, UINT arrows) {
  ScrollBarState* state = ScrollBarStateOf(hwnd, bar);
  if (state == nullptr) return false;
  arrows &= ESB_DISABLE_BOTH;
  if (state->disabledArrows == arrows) return false;
  state->disabledArrows = arrows;
  RedrawScrollBar(hwnd, bar);
  return true;
}

}  // namespace platform

using platform::ScrollBarStateOf;

int SetScrollInfo(HWND hwnd, int bar, LPCSCROLLINFO info, BOOL redraw) {
  if (!platform::FindWindowObject(hwnd) || !platform::ValidInfo(info)) return 0;
  if (bar == SB_CTL) {
    return static_cast<int>(SendMessageW(hwnd, SBM_SETSCROLLINFO, redraw, reinterpret_cast<LPARAM>(info)));
  }
  if (bar != SB_HORZ && bar != SB_VERT) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  return platform::SetScrollBarInfo(hwnd, bar, *info, redraw != FALSE);
}

BOOL GetScrollInfo(HWND hwnd, int bar, LPSCROLLINFO info) {
  if (!platform::FindWindowObject(hwnd) || !platform::ValidInfo(info)) return FALSE;
  if (bar == SB_CTL) return SendMessageW(hwnd, SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(info)) != 0;
  if ((bar != SB_HORZ && bar != SB_VERT) || !(info->fMask & SIF_ALL)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (!platform::HasWindowBar(hwnd, bar)) return FALSE;
  platform::ReadScrollInfo(*ScrollBarStateOf(hwnd, bar), *info);
  return TRUE;
}

int SetScrollPos(HWND hwnd, int bar, int position, BOOL redraw) {
  if (!platform::FindWindowObject(hwnd)) return 0;
  if (bar == SB_CTL) return static_cast<int>(SendMessageW(hwnd, SBM_SETPOS, static_cast<WPARAM>(position), redraw));
  platform::ScrollBarState* state = ScrollBarStateOf(hwnd, bar);
  if (state == nullptr) return 0;
  const int previous = state->pos;
  SCROLLINFO info{sizeof(SCROLLINFO), SIF_POS, 0, 0, 0, position, 0};
  platform::SetScrollBarInfo(hwnd, bar, info, redraw != FALSE);
  return previous;
}

int GetScrollPos(HWND hwnd, int bar) {
  if (!platform::FindWindowObject(hwnd)) return 0;
  if (bar == SB_CTL) return static_cast<int>(SendMessageW(hwnd, SBM_GETPOS, 0, 0));
  if (!platform::HasWindowBar(hwnd, bar)) return 0;
  platform::ScrollBarState* state = ScrollBarStateOf(hwnd, bar);
  return state ? state->pos : 0;
}

BOOL SetScrollRange(HWND hwnd, int bar, int minimum, int maximum, BOOL redraw) {
  if (!platform::FindWindowObject(hwnd)) return FALSE;
  if (static_cast<long long>(maximum) - minimum >= 0x80000000LL) {
    SetLastError(ERROR_INVALID_SCROLLBAR_RANGE);
    return FALSE;
  }
  if (bar == SB_CTL) {
    SendMessageW(hwnd, redraw ? SBM_SETRANGEREDRAW : SBM_SETRANGE, static_cast<WPARAM>(minimum), maximum);
    return TRUE;
  }
  if (bar != SB_HORZ && bar != SB_VERT) return FALSE;
  SCROLLINFO info{sizeof(SCROLLINFO), SIF_RANGE, minimum, maximum, 0, 0, 0};
  platform::SetScrollBarInfo(hwnd, bar, info, redraw != FALSE);
  return TRUE;
}

BOOL GetScrollRange(HWND hwnd, int bar, int* minimum, int* maximum) {
  if (minimum == nullptr || maximum == nullptr) return FALSE;
  *minimum = *maximum = 0;
  if (!platform::FindWindowObject(hwnd)) return FALSE;
  if (bar == SB_CTL) {
    SendMessageW(hwnd, SBM_GETRANGE, reinterpret_cast<WPARAM>(minimum), reinterpret_cast<LPARAM>(maximum));
    return TRUE;
  }
  if (!platform::HasWindowBar(hwnd, bar)) return TRUE;
  platform::ScrollBarState* state = ScrollBarStateOf(hwnd, bar);
  if (state == nullptr) return FALSE;
  *minimum = state->min;
  *maximum = state->max;
  return TRUE;
}

BOOL ShowScrollBar(HWND hwnd, int bar, BOOL show) {
  if (!platform::FindWindowObject(hwnd)) return FALSE;
  if (bar == SB_CTL) {
    ShowWindow(hwnd, show ? SW_SHOW : SW_HIDE);
    return TRUE;
  }
  if (bar != SB_HORZ && bar != SB_VERT && bar != SB_BOTH) return FALSE;
  platform::ShowWindowBars(hwnd, bar, show != FALSE);
  return TRUE;
}

BOOL EnableScrollBar(HWND hwnd, UINT bar, UINT arrows) {
  if (!platform::FindWindowObject(hwnd)) return FALSE;
  if (bar == SB_CTL) return SendMessageW(hwnd, SBM_ENABLE_ARROWS, arrows, 0) != 0;
  bool changed = false;
  if (bar == SB_HORZ || bar == SB_BOTH) changed |= platform::EnableScrollBarArrows(hwnd, SB_HORZ, arrows);
  if (bar == SB_VERT || bar == SB_BOTH) changed |= platform::EnableScrollBarArrows(hwnd, SB_VERT, arrows);
  return changed ? TRUE : FALSE;
}

BOOL GetScrollBarInfo(HWND hwnd, LONG object, PSCROLLBARINFO info) {
  if (!platform::FindWindowObject(hwnd)) return FALSE;
  if (info == nullptr || info->cbSize != sizeof(SCROLLBARINFO)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (object == OBJID_CLIENT) return SendMessageW(hwnd, SBM_GETSCROLLBARINFO, 0, reinterpret_cast<LPARAM>(info)) != 0;
  if (object != OBJID_VSCROLL && object != OBJID_HSCROLL) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  return platform::GetScrollBarInfoOf(hwnd, object == OBJID_VSCROLL ? SB_VERT : SB_HORZ, *info) ? TRUE : FALSE;
}
