// Window and client rectangles and the mapping of points between windows.
#include "platform/gdi/region.h"
#include "platform/user/window_object.h"

using platform::FindWindowObject;
using platform::PeekWindowObject;
using platform::WindowObject;

BOOL GetWindowRect(HWND hwnd, LPRECT rect) {
  WindowObject* w = FindWindowObject(hwnd);
  if (w == nullptr || rect == nullptr) return FALSE;
  *rect = platform::ScreenWindowRect(*w);
  return TRUE;
}

BOOL GetClientRect(HWND hwnd, LPRECT rect) {
  WindowObject* w = FindWindowObject(hwnd);
  if (w == nullptr || rect == nullptr) return FALSE;
  *rect = RECT{0, 0, w->client.right - w->client.left, w->client.bottom - w->client.top};
  return TRUE;
}

BOOL ClientToScreen(HWND hwnd, LPPOINT point) {
  WindowObject* w = FindWindowObject(hwnd);
  if (w == nullptr || point == nullptr) return FALSE;
  const POINT origin = platform::ClientOrigin(*w);
  point->x += origin.x;
  point->y += origin.y;
  return TRUE;
}

BOOL ScreenToClient(HWND hwnd, LPPOINT point) {
  WindowObject* w = FindWindowObject(hwnd);
  if (w == nullptr || point == nullptr) return FALSE;
  const POINT origin = platform::ClientOrigin(*w);
  point->x -= origin.x;
  point->y -= origin.y;
  return TRUE;
}

int MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count) {
  POINT fromOrigin{}, toOrigin{};
  if (from != nullptr) {
    WindowObject* w = FindWindowObject(from);
    if (w == nullptr) return 0;
    fromOrigin = platform::ClientOrigin(*w);
  }
  if (to != nullptr) {
    WindowObject* w = FindWindowObject(to);
    if (w == nullptr) return 0;
    toOrigin = platform::ClientOrigin(*w);
  }
  const int dx = fromOrigin.x - toOrigin.x;
  const int dy = fromOrigin.y - toOrigin.y;
  for (UINT i = 0; points != nullptr && i < count; ++i) {
    points[i].x += dx;
    points[i].y += dy;
  }
  SetLastError(ERROR_SUCCESS);
  return MAKELONG(static_cast<WORD>(dx), static_cast<WORD>(dy));
}

// The child (or the parent itself) that contains a point in the parent's
// client coordinates, without hit testing.
HWND ChildWindowFromPointEx(HWND parent, POINT point, UINT flags) {
  WindowObject* p = FindWindowObject(parent);
  if (p == nullptr) return nullptr;
  const RECT client{0, 0, p->client.right - p->client.left, p->client.bottom - p->client.top};
  if (point.x < client.left || point.x >= client.right || point.y < client.top || point.y >= client.bottom) {
    return nullptr;
  }
  for (HWND child : p->children) {
    WindowObject* c = PeekWindowObject(child);
    if (c == nullptr) continue;
    if ((flags & CWP_SKIPINVISIBLE) && !(c->style & WS_VISIBLE)) continue;
    if ((flags & CWP_SKIPDISABLED) && (c->style & WS_DISABLED)) continue;
    if ((flags & CWP_SKIPTRANSPARENT) && (c->exStyle & WS_EX_TRANSPARENT)) continue;
    const RECT& r = c->window;
    if (point.x < r.left || point.x >= r.right || point.y < r.top || point.y >= r.bottom) continue;
    if (c->shape && !c->shape->Contains(point.x - r.left, point.y - r.top)) continue;
    return child;
  }
  return parent;
}

HWND ChildWindowFromPoint(HWND parent, POINT point) { return ChildWindowFromPointEx(parent, point, CWP_ALL); }
