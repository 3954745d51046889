// Where scroll bars keep their state and where a window's own bars lie.
#include <memory>

#include "platform/gdi/gdi.h"
#include "platform/user/scrollbar_internal.h"

namespace platform {
namespace {

RECT ClientInWindow(const WindowObject& w) {
  return RECT{w.client.left - w.window.left, w.client.top - w.window.top, w.client.right - w.window.left,
              w.client.bottom - w.window.top};
}

bool Inside(const RECT& r, POINT p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

}  // namespace

ScrollBarState* ScrollBarStateOf(HWND hwnd, int bar) {
  WindowObject* w = PeekWindowObject(hwnd);
  if (w == nullptr) return nullptr;
  if (!w->scrollBars) {
    w->scrollBars = std::make_shared<WindowScrollBars>();
    w->scrollBars->horz.max = 100;
    w->scrollBars->vert.max = 100;
  }
  switch (bar) {
    case SB_HORZ: return &w->scrollBars->horz;
    case SB_VERT: return &w->scrollBars->vert;
    case SB_CTL: return &w->scrollBars->control;
    default: return nullptr;
  }
}

bool ScrollBarRect(HWND hwnd, int bar, RECT& rect, bool& vertical) {
  WindowObject* w = PeekWindowObject(hwnd);
  if (w == nullptr) return false;
  if (bar == SB_CTL) {
    rect = RECT{0, 0, w->client.right - w->client.left, w->client.bottom - w->client.top};
    vertical = (w->style & SBS_VERT) != 0;
    return true;
  }
  if (w->style & WS_MINIMIZE) return false;
  const RECT client = ClientInWindow(*w);
  if (bar == SB_VERT) {
    if (!(w->style & WS_VSCROLL)) return false;
    const int width = GetSystemMetrics(SM_CXVSCROLL);
    rect = (w->exStyle & WS_EX_LEFTSCROLLBAR) ? RECT{client.left - width, client.top, client.left, client.bottom}
                                              : RECT{client.right, client.top, client.right + width, client.bottom};
    vertical = true;
    return true;
  }
  if (bar == SB_HORZ) {
    if (!(w->style & WS_HSCROLL)) return false;
    rect = RECT{client.left, client.bottom, client.right, client.bottom + GetSystemMetrics(SM_CYHSCROLL)};
    vertical = false;
    return true;
  }
  return false;
}

bool ScrollBarScreenRect(HWND hwnd, int bar, RECT& rect, bool& vertical) {
  if (!ScrollBarRect(hwnd, bar, rect, vertical)) return false;
  WindowObject* w = PeekWindowObject(hwnd);
  const POINT origin = bar == SB_CTL ? ClientOrigin(*w) : WindowOrigin(*w);
  OffsetRect(&rect, origin.x, origin.y);
  return true;
}

RECT SizeBoxRect(const WindowObject& w) {
  if ((w.style & (WS_VSCROLL | WS_HSCROLL)) != (WS_VSCROLL | WS_HSCROLL) || (w.style & WS_MINIMIZE)) return RECT{};
  const RECT client = ClientInWindow(w);
  const int width = GetSystemMetrics(SM_CXVSCROLL);
  const int height = GetSystemMetrics(SM_CYHSCROLL);
  if (w.exStyle & WS_EX_LEFTSCROLLBAR) return RECT{client.left - width, client.bottom, client.left, client.bottom + height};
  return RECT{client.right, client.bottom, client.right + width, client.bottom + height};
}

int ScrollArrowSize(bool vertical) { return GetSystemMetrics(vertical ? SM_CYVSCROLL : SM_CXHSCROLL); }

ScrollBarLayout LayoutOf(const ScrollBarState& state, const RECT& bar, bool vertical) {
  const int length = vertical ? bar.bottom - bar.top : bar.right - bar.left;
  return LayoutScrollBar(state, length, ScrollArrowSize(vertical));
}

LRESULT ScrollBarHitTest(const WindowObject& w, POINT screen) {
  const POINT origin = WindowOrigin(w);
  const POINT p{screen.x - origin.x, screen.y - origin.y};
  RECT rect{};
  bool vertical = false;
  if (ScrollBarRect(w.handle, SB_VERT, rect, vertical) && Inside(rect, p)) return HTVSCROLL;
  if (ScrollBarRect(w.handle, SB_HORZ, rect, vertical) && Inside(rect, p)) return HTHSCROLL;
  if (Inside(SizeBoxRect(w), p)) return HTSIZE;
  return HTNOWHERE;
}

void RedrawScrollBar(HWND hwnd, int bar) {
  WindowObject* w = PeekWindowObject(hwnd);
  // WM_SETREDRAW FALSE holds the bars' drawing back like the rest.
  if (w == nullptr || !IsReallyVisible(*w) || w->redrawOff) return;
  if (bar == SB_CTL) {
    InvalidateRect(hwnd, nullptr, FALSE);
    UpdateWindow(hwnd);
    return;
  }
  RECT rect{};
  bool vertical = false;
  if (!ScrollBarScreenRect(hwnd, bar, rect, vertical)) return;
  HRGN region = CreateRectRgnIndirect(&rect);
  SendMessageW(hwnd, WM_NCPAINT, reinterpret_cast<WPARAM>(region), 0);
  DeleteObject(region);
}

}  // namespace platform
