// Scrolling pixels: ScrollDC moves a DC's bits and reports what they
// uncovered; ScrollWindowEx does it to a window's client area, carries the
// pending update region along, can move the children and invalidates what
// needs painting.
#include "platform/gdi/gdi.h"
#include "platform/user/window_object.h"

namespace {

bool NonEmpty(const RECT& r) { return r.right > r.left && r.bottom > r.top; }

// Adds `rect` to `region` (both in the same coordinates).
void AddRect(HRGN region, const RECT& rect) {
  if (!NonEmpty(rect)) return;
  HRGN part = CreateRectRgnIndirect(&rect);
  CombineRgn(region, region, part, RGN_OR);
  DeleteObject(part);
}

// The uncovered area of a scroll, and copies the bits. `source` and `clip`
// are in the DC's logical coordinates; `uncovered` receives the area.
void ScrollBits(HDC dc, int dx, int dy, const RECT& source, const RECT& clip, HRGN uncovered) {
  RECT area{};
  IntersectRect(&area, &source, &clip);
  RECT moved = source;
  OffsetRect(&moved, dx, dy);
  RECT target{};
  IntersectRect(&target, &moved, &clip);
  if (NonEmpty(target)) {
    BitBlt(dc, target.left, target.top, target.right - target.left, target.bottom - target.top, dc, target.left - dx,
           target.top - dy, SRCCOPY);
  }
  SetRectRgn(uncovered, 0, 0, 0, 0);
  AddRect(uncovered, area);
  if (NonEmpty(target)) {
    HRGN covered = CreateRectRgnIndirect(&target);
    CombineRgn(uncovered, uncovered, covered, RGN_DIFF);
    DeleteObject(covered);
  }
}

int Answer(HRGN region, HRGN update, LPRECT updateRect) {
  RECT box{};
  const int kind = GetRgnBox(region, &box);
  if (update != nullptr) CombineRgn(update, region, nullptr, RGN_COPY);
  if (updateRect != nullptr) *updateRect = box;
  return kind;
}

}  // namespace

BOOL ScrollDC(HDC dc, int dx, int dy, const RECT* scroll, const RECT* clip, HRGN update, LPRECT updateRect) {
  RECT whole{};
  if (GetClipBox(dc, &whole) == 0) return FALSE;
  HRGN uncovered = CreateRectRgn(0, 0, 0, 0);
  ScrollBits(dc, dx, dy, scroll ? *scroll : whole, clip ? *clip : whole, uncovered);
  Answer(uncovered, update, updateRect);
  DeleteObject(uncovered);
  return TRUE;
}

int ScrollWindowEx(HWND hwnd, int dx, int dy, const RECT* scroll, const RECT* clip, HRGN update, LPRECT updateRect,
                   UINT flags) {
  platform::WindowObject* w = platform::FindWindowObject(hwnd);
  if (w == nullptr) return 0;  // ERROR
  const RECT client{0, 0, w->client.right - w->client.left, w->client.bottom - w->client.top};
  RECT clipArea = client;
  if (clip != nullptr) IntersectRect(&clipArea, &client, clip);
  RECT source = client;
  if (scroll != nullptr) IntersectRect(&source, &client, scroll);

  HRGN uncovered = CreateRectRgn(0, 0, 0, 0);
  if (platform::IsReallyVisible(*w) && (dx != 0 || dy != 0)) {
    HDC dc = GetDCEx(hwnd, nullptr, DCX_CACHE | DCX_CLIPCHILDREN | DCX_CLIPSIBLINGS);
    ScrollBits(dc, dx, dy, source, clipArea, uncovered);
    ReleaseDC(hwnd, dc);
    // Bits that came from under a child that stays put are not the
    // window's own: they are painted again too.
    if (!(flags & SW_SCROLLCHILDREN)) {
      for (HWND child : w->children) {
        platform::WindowObject* c = platform::PeekWindowObject(child);
        if (c == nullptr || !c->IsVisibleFlag()) continue;
        RECT under{};
        if (!IntersectRect(&under, &c->window, &source)) continue;
        OffsetRect(&under, dx, dy);
        RECT inside{};
        if (IntersectRect(&inside, &under, &clipArea)) AddRect(uncovered, inside);
      }
    }
  }
  // What was waiting to be painted inside the scrolled area moves with it.
  HRGN pending = CreateRectRgn(0, 0, 0, 0);
  if (GetUpdateRgn(hwnd, pending, FALSE) > NULLREGION) {
    HRGN area = CreateRectRgnIndirect(&source);
    CombineRgn(pending, pending, area, RGN_AND);
    OffsetRgn(pending, dx, dy);
    SetRectRgn(area, clipArea.left, clipArea.top, clipArea.right, clipArea.bottom);
    CombineRgn(pending, pending, area, RGN_AND);
    CombineRgn(uncovered, uncovered, pending, RGN_OR);
    DeleteObject(area);
  }
  DeleteObject(pending);

  if (flags & SW_SCROLLCHILDREN) {
    const std::vector<HWND> children = w->children;
    for (HWND child : children) {
      platform::WindowObject* c = platform::PeekWindowObject(child);
      if (c == nullptr) continue;
      RECT overlap{};
      if (scroll != nullptr && !IntersectRect(&overlap, &c->window, &source)) continue;
      SetWindowPos(child, nullptr, c->window.left + dx, c->window.top + dy, 0, 0,
                   SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
    }
  }
  if (flags & (SW_INVALIDATE | SW_ERASE)) {
    InvalidateRgn(hwnd, uncovered, (flags & SW_ERASE) ? TRUE : FALSE);
  }
  const int kind = Answer(uncovered, update, updateRect);
  DeleteObject(uncovered);
  return kind;
}

BOOL ScrollWindow(HWND hwnd, int dx, int dy, const RECT* scroll, const RECT* clip) {
  // Without a scroll rectangle the whole client area moves, children too.
  const UINT flags = SW_INVALIDATE | SW_ERASE | (scroll == nullptr ? SW_SCROLLCHILDREN : 0);
  return ScrollWindowEx(hwnd, dx, dy, scroll, clip, nullptr, nullptr, flags) != 0 ? TRUE : FALSE;
}
