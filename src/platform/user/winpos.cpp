// SetWindowPos and its relatives: WM_WINDOWPOSCHANGING, WM_NCCALCSIZE, the
// change itself with its repainting, activation, then WM_WINDOWPOSCHANGED
// (whose default handling sends WM_MOVE and WM_SIZE).
#include <algorithm>
#include <functional>
#include <vector>

#include "platform/gdi/region.h"
#include "platform/user/paint_internal.h"
#include "platform/user/window_object.h"

namespace platform {
namespace {

constexpr UINT kNoGeometryChange = SWP_NOSIZE | SWP_NOCLIENTSIZE | SWP_NOZORDER;
constexpr UINT kNoPositionChange = kNoGeometryChange | SWP_NOMOVE | SWP_NOCLIENTMOVE;
constexpr UINT kStatusFlags = kNoPositionChange | SWP_FRAMECHANGED | SWP_HIDEWINDOW | SWP_SHOWWINDOW;

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

RECT Offset(RECT r, int dx, int dy) { return RECT{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }

// Flags that do not apply are dropped before anyone sees them.
void FixupFlags(WindowObject& w, WINDOWPOS& wp) {
  if (w.style & WS_VISIBLE) {
    wp.flags &= ~SWP_SHOWWINDOW;
  } else {
    wp.flags &= ~SWP_HIDEWINDOW;
  }
  if (wp.cx < 0) wp.cx = 0;
  if (wp.cy < 0) wp.cy = 0;
  if (Width(w.window) == wp.cx && Height(w.window) == wp.cy) wp.flags |= SWP_NOSIZE;
  if (w.window.left == wp.x && w.window.top == wp.y) wp.flags |= SWP_NOMOVE;
  if (wp.hwndInsertAfter == w.handle) wp.flags |= SWP_NOZORDER;
  if (!(wp.flags & SWP_NOZORDER) && wp.hwndInsertAfter != HWND_TOP && wp.hwndInsertAfter != HWND_BOTTOM &&
      wp.hwndInsertAfter != HWND_TOPMOST && wp.hwndInsertAfter != HWND_NOTOPMOST) {
    // Already right below the given window, or given a window that is not a
    // sibling: no change of z-order.
    if (WindowObject* parent = PeekWindowObject(w.parent)) {
      const auto& list = parent->children;
      auto at = std::find(list.begin(), list.end(), w.handle);
      if (at != list.begin() && at != list.end() && *(at - 1) == wp.hwndInsertAfter) wp.flags |= SWP_NOZORDER;
      if (std::find(list.begin(), list.end(), wp.hwndInsertAfter) == list.end()) wp.flags |= SWP_NOZORDER;
    }
  }
  if (w.IsChild()) wp.flags |= SWP_NOOWNERZORDER;
}

// Repaints what a change of position, size, frame or visibility exposed.
void InvalidateAfterChange(WindowObject& w, const RECT& oldWindow, const RECT& oldClient, UINT flags,
                           LRESULT validRects, bool wasVisible) {
  if (flags & SWP_NOREDRAW) return;
  const HWND hwnd = w.handle;
  const bool topLevel = !w.IsChild() && w.parent == DesktopHandle();
  const bool visible = IsReallyVisible(w);
  const bool moved = !(flags & SWP_NOMOVE);
  const bool sized = !(flags & SWP_NOSIZE);

  // What the window leaves uncovered in its parent.
  if (!topLevel && wasVisible && (moved || sized || (flags & SWP_HIDEWINDOW) || !(flags & SWP_NOZORDER))) {
    if (WindowObject* parent = PeekWindowObject(w.parent)) {
      Region exposed(oldWindow);
      if (!(flags & SWP_HIDEWINDOW)) exposed.Subtract(w.window);
      if (!(flags & SWP_NOZORDER)) exposed = Region(oldWindow);
      // Parent client coordinates → parent window coordinates.
      exposed.Offset(parent->client.left - parent->window.left, parent->client.top - parent->window.top);
      InvalidateInternal(w.parent, &exposed, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
  }
  if (!visible) return;

  if (flags & SWP_SHOWWINDOW) {
    InvalidateInternal(hwnd, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN);
    return;
  }
  if (!topLevel && (moved || sized || !(flags & SWP_NOZORDER))) {
    // Children are drawn afresh where they land; there is no copy of the
    // old pixels to move.
    InvalidateInternal(hwnd, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN);
    return;
  }
  if (sized || (flags & SWP_FRAMECHANGED)) {
    InvalidateInternal(hwnd, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_NOCHILDREN);
  }
  const bool clientSized = Width(oldClient) != Width(w.client) || Height(oldClient) != Height(w.client);
  const bool clientMoved = (oldClient.left - oldWindow.left) != (w.client.left - w.window.left) ||
                           (oldClient.top - oldWindow.top) != (w.client.top - w.window.top);
  if (clientSized || clientMoved) {
    const UINT classStyle = w.cls->style;
    const bool redrawAll = clientMoved || (validRects & WVR_REDRAW) ||
                           ((classStyle & CS_HREDRAW) && Width(oldClient) != Width(w.client)) ||
                           ((classStyle & CS_VREDRAW) && Height(oldClient) != Height(w.client));
    const POINT toWindow{w.client.left - w.window.left, w.client.top - w.window.top};
    Region area(RECT{toWindow.x, toWindow.y, toWindow.x + Width(w.client), toWindow.y + Height(w.client)});
    if (!redrawAll) {
      // Only what is new: the part beyond the old client size.
      area.Subtract(RECT{toWindow.x, toWindow.y, toWindow.x + Width(oldClient), toWindow.y + Height(oldClient)});
    }
    InvalidateInternal(hwnd, &area, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  }
}

std::vector<std::function<void(HWND)>>& PlacementObservers() {
  static std::vector<std::function<void(HWND)>> observers;
  return observers;
}

}  // namespace

void AddWindowPlacementObserver(std::function<void(HWND changed)> observer) {
  PlacementObservers().push_back(std::move(observer));
}

}  // namespace platform

using platform::PeekWindowObject;
using platform::WindowObject;

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
  WindowObject* w = platform::FindWindowObject(hwnd);
  if (w == nullptr || hwnd == platform::DesktopHandle()) return FALSE;
  WINDOWPOS wp{hwnd, insertAfter, x, y, cx, cy, flags & ~(SWP_NOCLIENTSIZE | SWP_NOCLIENTMOVE | SWP_STATECHANGED)};
  wp.flags |= flags & SWP_STATECHANGED;
  if (flags & SWP_NOMOVE) {
    wp.x = w->window.left;
    wp.y = w->window.top;
  }
  if (flags & SWP_NOSIZE) {
    wp.cx = platform::Width(w->window);
    wp.cy = platform::Height(w->window);
  }
  platform::FixupFlags(*w, wp);

  if (!(wp.flags & SWP_NOSENDCHANGING)) {
    SendMessageW(hwnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&wp));
    if ((w = PeekWindowObject(hwnd)) == nullptr) return FALSE;
    wp.hwnd = hwnd;
    if (wp.cx < 0) wp.cx = 0;
    if (wp.cy < 0) wp.cy = 0;
    // What the procedure changed may turn a move or size into none.
    if (!(wp.flags & SWP_NOSIZE) && platform::Width(w->window) == wp.cx && platform::Height(w->window) == wp.cy) {
      wp.flags |= SWP_NOSIZE;
    }
    if (!(wp.flags & SWP_NOMOVE) && w->window.left == wp.x && w->window.top == wp.y) wp.flags |= SWP_NOMOVE;
  }

  const RECT oldWindow = w->window;
  const RECT oldClient = w->client;
  RECT newWindow = oldWindow;
  if (!(wp.flags & SWP_NOMOVE)) newWindow = platform::Offset(newWindow, wp.x - oldWindow.left, wp.y - oldWindow.top);
  if (!(wp.flags & SWP_NOSIZE)) {
    newWindow.right = newWindow.left + wp.cx;
    newWindow.bottom = newWindow.top + wp.cy;
  }

  RECT newClient = platform::Offset(oldClient, newWindow.left - oldWindow.left, newWindow.top - oldWindow.top);
  LRESULT validRects = 0;
  if (!(wp.flags & SWP_NOSIZE) || (wp.flags & SWP_FRAMECHANGED)) {
    NCCALCSIZE_PARAMS params{{newWindow, oldWindow, oldClient}, &wp};
    validRects = SendMessageW(hwnd, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&params));
    if ((w = PeekWindowObject(hwnd)) == nullptr) return FALSE;
    newClient = params.rgrc[0];
    if (newClient.right < newClient.left) newClient.right = newClient.left;
    if (newClient.bottom < newClient.top) newClient.bottom = newClient.top;
  }
  if (newClient.left == oldClient.left && newClient.top == oldClient.top) wp.flags |= SWP_NOCLIENTMOVE;
  if (platform::Width(newClient) == platform::Width(oldClient) &&
      platform::Height(newClient) == platform::Height(oldClient)) {
    wp.flags |= SWP_NOCLIENTSIZE;
  }

  // The change itself.
  const bool wasVisible = platform::IsReallyVisible(*w);
  if (!(wp.flags & SWP_NOZORDER)) {
    platform::FixWindowZOrder(*w, wp.hwndInsertAfter);
    if (!w->IsChild() && !(wp.flags & SWP_NOOWNERZORDER)) platform::RaiseOwnedAbove(*w);
  }
  w->window = newWindow;
  w->client = newClient;
  if (!(w->style & (WS_MINIMIZE | WS_MAXIMIZE))) w->normalRect = newWindow;
  if (wp.flags & SWP_SHOWWINDOW) w->style |= WS_VISIBLE;
  if (wp.flags & SWP_HIDEWINDOW) w->style &= ~WS_VISIBLE;
  platform::UpdateSurfaceOf(*w);
  platform::InvalidateAfterChange(*w, oldWindow, oldClient, wp.flags, validRects, wasVisible);

  if (!(wp.flags & (SWP_NOACTIVATE | SWP_HIDEWINDOW))) {
    if (w->IsChild()) {
      SendMessageW(hwnd, WM_CHILDACTIVATE, 0, 0);
    } else {
      platform::SetActiveWindowInternal(hwnd, false, true);
    }
    if ((w = PeekWindowObject(hwnd)) == nullptr) return TRUE;
  }

  // The frame and background of what became visible are painted now; the
  // client area waits for WM_PAINT.
  if (!(wp.flags & SWP_DEFERERASE)) {
    platform::EraseNow(w->IsChild() ? w->parent : hwnd);
    if ((w = PeekWindowObject(hwnd)) == nullptr) return TRUE;
  }

  if ((wp.flags & platform::kStatusFlags) != platform::kNoPositionChange) {
    wp.x = w->window.left;
    wp.y = w->window.top;
    wp.cx = platform::Width(w->window);
    wp.cy = platform::Height(w->window);
    SendMessageW(hwnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&wp));
    for (const auto& observer : platform::PlacementObservers()) observer(hwnd);
  }
  return TRUE;
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
  UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
  if (!repaint) flags |= SWP_NOREDRAW;
  return SetWindowPos(hwnd, nullptr, x, y, width, height, flags);
}
