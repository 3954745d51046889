// Update regions and WM_PAINT: invalidation and validation, the synchronous
// WM_NCPAINT/WM_ERASEBKGND, BeginPaint/EndPaint, window regions and WM_PRINT.
// Update regions are kept in window coordinates; the part outside the
// client area is the frame's.
#include <algorithm>

#include "platform/gdi/gdi.h"
#include "platform/gdi/region.h"
#include "platform/user/dce.h"
#include "platform/user/nonclient.h"
#include "platform/user/paint_internal.h"
#include "platform/user/queue_internal.h"

namespace platform {
namespace {

RECT WindowBox(const WindowObject& w) {
  return RECT{0, 0, w.window.right - w.window.left, w.window.bottom - w.window.top};
}

RECT ClientInWindow(const WindowObject& w) {
  const int dx = w.client.left - w.window.left;
  const int dy = w.client.top - w.window.top;
  return RECT{dx, dy, dx + (w.client.right - w.client.left), dy + (w.client.bottom - w.client.top)};
}

Region& UpdateOf(WindowObject& w) {
  if (!w.update) w.update = std::make_unique<Region>();
  return *w.update;
}

bool NeedsPaint(const WindowObject& w) {
  return (w.update && !w.update->IsEmpty()) || w.internalPaint || w.updateFrame;
}

// Whether any of the update region lies outside the client area.
bool TouchesFrame(const WindowObject& w, const Region& area) {
  Region outside = area;
  outside.Subtract(ClientInWindow(w));
  return !outside.IsEmpty();
}

HRGN ScreenRegionOf(const WindowObject& w, const Region& windowArea) {
  Region screen = windowArea;
  const POINT origin = WindowOrigin(w);
  screen.Offset(origin.x, origin.y);
  return InsertRegion(std::move(screen));
}

// Sends WM_NCPAINT with the frame's part of the update region.
void SendNcPaint(HWND hwnd) {
  WindowObject* w = PeekWindowObject(hwnd);
  if (w == nullptr || !w->updateFrame) return;
  w->updateFrame = false;
  Region frame = UpdateOf(*w);
  frame.Subtract(ClientInWindow(*w));
  UpdateOf(*w).Intersect(ClientInWindow(*w));
  if (!IsReallyVisible(*w) || w->redrawOff) return;
  if (frame.IsEmpty()) return;
  HRGN region = ScreenRegionOf(*w, frame);
  SendMessageW(hwnd, WM_NCPAINT, reinterpret_cast<WPARAM>(region), 0);
  DeleteObject(region);
}

// Sends WM_ERASEBKGND with a DC clipped to the client's update region;
// answers whether the window erased.
bool SendEraseBackground(HWND hwnd) {
  WindowObject* w = PeekWindowObject(hwnd);
  if (w == nullptr || !w->updateErase) return false;
  w->updateErase = false;
  Region area = UpdateOf(*w);
  area.Intersect(ClientInWindow(*w));
  if (area.IsEmpty() || !IsReallyVisible(*w)) return true;
  HDC dc = CreateWindowDc(hwnd, DCX_USESTYLE, &area, nullptr);
  const bool erased = SendMessageW(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0) != 0;
  ReleaseWindowDc(dc);
  if (!erased) {
    if (WindowObject* again = PeekWindowObject(hwnd)) again->updateErase = true;
  }
  return erased;
}

void AddChildren(WindowObject& w, const Region* area, UINT flags) {
  const std::vector<HWND> children = w.children;
  const POINT parentOrigin = WindowOrigin(w);
  for (HWND child : children) {
    WindowObject* c = PeekWindowObject(child);
    if (c == nullptr || !(c->style & WS_VISIBLE)) continue;
    const UINT childFlags = flags | RDW_FRAME;
    if (area == nullptr) {
      InvalidateInternal(child, nullptr, childFlags);
      continue;
    }
    const POINT childOrigin = WindowOrigin(*c);
    Region part = *area;
    part.Offset(parentOrigin.x - childOrigin.x, parentOrigin.y - childOrigin.y);
    part.Intersect(WindowBox(*c));
    if (!part.IsEmpty()) InvalidateInternal(child, &part, childFlags);
  }
}

}  // namespace

void InvalidateInternal(HWND hwnd, const Region* area, UINT flags) {
  WindowObject* w = PeekWindowObject(hwnd);
  if (w == nullptr) return;
  const bool frame = (flags & RDW_FRAME) != 0;
  Region target = area ? *area : Region(frame ? WindowBox(*w) : ClientInWindow(*w));
  if (!frame) target.Intersect(ClientInWindow(*w));
  target.Intersect(WindowBox(*w));
  if (w->shape) target.Intersect(*w->shape);

  if (flags & RDW_INVALIDATE) {
    if (IsReallyVisible(*w)) {
      if (!target.IsEmpty()) {
        UpdateOf(*w).Union(target);
        if (frame && TouchesFrame(*w, target)) w->updateFrame = true;
        if (flags & RDW_ERASE) w->updateErase = true;
      }
      if (flags & RDW_INTERNALPAINT) w->internalPaint = true;
      const bool children = (flags & RDW_ALLCHILDREN) || (!(flags & RDW_NOCHILDREN) && !(w->style & WS_CLIPCHILDREN));
      // Children are updated by the walk below, after their parent.
      if (children && !w->children.empty()) {
        AddChildren(*w, &target, flags & ~(RDW_NOCHILDREN | RDW_ERASENOW | RDW_UPDATENOW));
      }
    }
  } else if (flags & RDW_VALIDATE) {
    if (w->update) {
      Region validate = target;
      if (flags & RDW_NOFRAME) validate.Intersect(ClientInWindow(*w));
      w->update->Subtract(validate);
      if (!TouchesFrame(*w, *w->update)) w->updateFrame = false;
      if (w->update->IsEmpty()) w->updateErase = false;
    }
    if (flags & RDW_NOERASE) w->updateErase = false;
    if (flags & RDW_ALLCHILDREN) {
      for (HWND child : std::vector<HWND>(w->children)) InvalidateInternal(child, nullptr, flags | RDW_FRAME);
    }
  }
  if (flags & RDW_NOINTERNALPAINT) w->internalPaint = false;
  if (flags & (RDW_ERASENOW | RDW_UPDATENOW)) EraseNow(hwnd, (flags & RDW_UPDATENOW) != 0);
}

void EraseNow(HWND hwnd, bool paint) {
  WindowObject* w = PeekWindowObject(hwnd);
  if (w == nullptr || !IsReallyVisible(*w)) return;
  if (paint) {
    // WM_PAINT itself; its BeginPaint sends WM_NCPAINT and WM_ERASEBKGND.
    if (NeedsPaint(*w)) {
      w->paintCalled = false;
      SendMessageW(hwnd, WM_PAINT, 0, 0);
      AfterDispatchedPaint(hwnd);
    }
  } else {
    if (w->updateFrame) SendNcPaint(hwnd);
    if ((w = PeekWindowObject(hwnd)) != nullptr && w->updateErase) SendEraseBackground(hwnd);
  }
  if ((w = PeekWindowObject(hwnd)) == nullptr) return;
  for (HWND child : std::vector<HWND>(w->children)) EraseNow(child, paint);
}

bool NextPaintMessage(MSG& msg, HWND filter, UINT first, UINT last) {
  // Parents before children, top-level windows in z-order.
  std::vector<HWND> stack(DesktopObject().children.rbegin(), DesktopObject().children.rend());
  while (!stack.empty()) {
    const HWND hwnd = stack.back();
    stack.pop_back();
    WindowObject* w = PeekWindowObject(hwnd);
    if (w == nullptr || !(w->style & WS_VISIBLE)) continue;
    if (NeedsPaint(*w) && MatchesFilter(hwnd, WM_PAINT, filter, first, last)) {
      w->paintCalled = false;
      msg = MSG{hwnd, WM_PAINT, 0, 0, 0, {}};
      return true;
    }
    stack.insert(stack.end(), w->children.rbegin(), w->children.rend());
  }
  return false;
}

void AfterDispatchedPaint(HWND hwnd) {
  WindowObject* w = PeekWindowObject(hwnd);
  if (w == nullptr || w->paintCalled) return;
  // The window never called BeginPaint: its update region is validated, as
  // Windows does, or WM_PAINT would come back forever.
  if (w->updateFrame) SendNcPaint(hwnd);
  if ((w = PeekWindowObject(hwnd)) == nullptr) return;
  if (w->update) w->update->Clear();
  w->updateErase = false;
  w->internalPaint = false;
}

void ForgetWindowInPainting(HWND hwnd) { ForgetWindowDcs(hwnd); }

// WM_PRINT's default: the frame, the background, the client and the
// children into the given DC, each at its place in the window.
void PrintWindowInto(HWND hwnd, HDC dc, LPARAM flags) {
  WindowObject* w = PeekWindowObject(hwnd);
  if (w == nullptr || dc == nullptr) return;
  if ((flags & PRF_CHECKVISIBLE) && !IsWindowVisible(hwnd)) return;
  const RECT client = ClientInWindow(*w);
  if (flags & PRF_NONCLIENT) {
    const int saved = SaveDC(dc);
    ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
    PaintClassicFrame(hwnd, dc, w->ncActive);
    RestoreDC(dc, saved);
  }
  POINT previous{};
  OffsetViewportOrgEx(dc, client.left, client.top, &previous);
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, 0, 0, client.right - client.left, client.bottom - client.top);
  if (flags & PRF_ERASEBKGND) SendMessageW(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  if (flags & PRF_CLIENT) SendMessageW(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), flags);
  if ((flags & PRF_CHILDREN) && (w = PeekWindowObject(hwnd)) != nullptr) {
    const std::vector<HWND> children(w->children.rbegin(), w->children.rend());  // bottom first
    for (HWND child : children) {
      WindowObject* c = PeekWindowObject(child);
      if (c == nullptr || !(c->style & WS_VISIBLE)) continue;
      POINT inner{};
      OffsetViewportOrgEx(dc, c->window.left, c->window.top, &inner);
      SendMessageW(child, WM_PRINT, reinterpret_cast<WPARAM>(dc), flags | PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
      SetViewportOrgEx(dc, inner.x, inner.y, nullptr);
    }
  }
  RestoreDC(dc, saved);
  SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
}

}  // namespace platform

using platform::PeekWindowObject;
using platform::Region;
using platform::WindowObject;

namespace {

// A client rectangle or region of the API in window coordinates.
std::optional<Region> ClientArea(WindowObject& w, const RECT* rect, HRGN region) {
  Region area;
  if (region != nullptr) {
    platform::RegionObject* object = platform::FindRegion(region);
    if (object == nullptr) return std::nullopt;
    area = object->region;
  } else if (rect != nullptr) {
    area = Region(*rect);
  } else {
    return Region(platform::ClientInWindow(w));
  }
  area.Offset(w.client.left - w.window.left, w.client.top - w.window.top);
  return area;
}

}  // namespace

BOOL RedrawWindow(HWND hwnd, const RECT* rect, HRGN region, UINT flags) {
  if (hwnd == nullptr) hwnd = platform::DesktopHandle();
  WindowObject* w = platform::FindWindowObject(hwnd);
  if (w == nullptr) return FALSE;
  // Rectangles and regions given to RedrawWindow are in client coordinates.
  const bool whole = rect == nullptr && region == nullptr;
  std::optional<Region> area;
  if (!whole) {
    area = ClientArea(*w, rect, region);
    if (!area) return FALSE;
  } else if (flags & RDW_FRAME) {
    area = Region(platform::WindowBox(*w));
  }
  if (hwnd == platform::DesktopHandle()) {
    // The desktop stands for every top-level window.
    for (HWND top : std::vector<HWND>(w->children)) {
      platform::InvalidateInternal(top, nullptr, flags | RDW_FRAME);
    }
    return TRUE;
  }
  platform::InvalidateInternal(hwnd, area ? &*area : nullptr, flags);
  return TRUE;
}

BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase) {
  return RedrawWindow(hwnd, rect, nullptr, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
}

BOOL InvalidateRgn(HWND hwnd, HRGN region, BOOL erase) {
  return RedrawWindow(hwnd, nullptr, region, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
}

BOOL ValidateRect(HWND hwnd, const RECT* rect) {
  return RedrawWindow(hwnd, rect, nullptr, RDW_VALIDATE | RDW_NOCHILDREN);
}

BOOL ValidateRgn(HWND hwnd, HRGN region) {
  return RedrawWindow(hwnd, nullptr, region, RDW_VALIDATE | RDW_NOCHILDREN);
}

BOOL UpdateWindow(HWND hwnd) {
  if (!platform::FindWindowObject(hwnd)) return FALSE;
  platform::EraseNow(hwnd, true);
  return TRUE;
}

BOOL GetUpdateRect(HWND hwnd, LPRECT rect, BOOL erase) {
  WindowObject* w = platform::FindWindowObject(hwnd);
  if (w == nullptr) return FALSE;
  Region client = w->update ? *w->update : Region();
  client.Intersect(platform::ClientInWindow(*w));
  if (rect != nullptr) {
    RECT box = client.Bounds();
    if (!client.IsEmpty()) {
      box.left -= w->client.left - w->window.left;
      box.right -= w->client.left - w->window.left;
      box.top -= w->client.top - w->window.top;
      box.bottom -= w->client.top - w->window.top;
    }
    *rect = box;
  }
  if (erase && w->updateErase) platform::SendEraseBackground(hwnd);
  return !client.IsEmpty();
}

int GetUpdateRgn(HWND hwnd, HRGN region, BOOL erase) {
  WindowObject* w = platform::FindWindowObject(hwnd);
  platform::RegionObject* target = platform::FindRegion(region);
  if (w == nullptr || target == nullptr) return ERROR;
  Region client = w->update ? *w->update : Region();
  client.Intersect(platform::ClientInWindow(*w));
  client.Offset(-(w->client.left - w->window.left), -(w->client.top - w->window.top));
  target->region = client;
  if (erase && w->updateErase) platform::SendEraseBackground(hwnd);
  return target->region.Complexity();
}

HDC BeginPaint(HWND hwnd, PAINTSTRUCT* ps) {
  WindowObject* w = platform::FindWindowObject(hwnd);
  if (w == nullptr || ps == nullptr) return nullptr;
  w->paintCalled = true;
  if (w->updateFrame) platform::SendNcPaint(hwnd);
  if ((w = PeekWindowObject(hwnd)) == nullptr) return nullptr;
  Region area = w->update ? *w->update : Region();
  area.Intersect(platform::ClientInWindow(*w));
  const bool erase = w->updateErase;
  if (w->update) w->update->Clear();
  w->updateErase = false;
  w->internalPaint = false;
  w->inPaint = true;

  HDC dc = platform::CreateWindowDc(hwnd, DCX_USESTYLE, &area, nullptr);
  *ps = PAINTSTRUCT{};
  ps->hdc = dc;
  RECT box = area.Bounds();
  if (!area.IsEmpty()) {
    const int dx = w->client.left - w->window.left;
    const int dy = w->client.top - w->window.top;
    box = RECT{box.left - dx, box.top - dy, box.right - dx, box.bottom - dy};
  }
  ps->rcPaint = box;
  ps->fErase = FALSE;
  if (erase && !area.IsEmpty()) {
    ps->fErase = SendMessageW(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0) == 0;
  }
  return dc;
}

BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* ps) {
  if (ps == nullptr) return FALSE;
  if (WindowObject* w = PeekWindowObject(hwnd)) w->inPaint = false;
  platform::ReleaseWindowDc(ps->hdc);
  return TRUE;
}

int SetWindowRgn(HWND hwnd, HRGN region, BOOL redraw) {
  WindowObject* w = platform::FindWindowObject(hwnd);
  if (w == nullptr) return 0;
  std::unique_ptr<Region> shape;
  if (region != nullptr) {
    platform::RegionObject* object = platform::FindRegion(region);
    if (object == nullptr) return 0;
    shape = std::make_unique<Region>(object->region);
  }
  const bool visible = platform::IsReallyVisible(*w);
  // The parent repaints what the old shape covered.
  if (visible && redraw && w->IsChild()) {
    if (WindowObject* parent = PeekWindowObject(w->parent)) {
      Region old(w->window);
      old.Offset(parent->client.left - parent->window.left, parent->client.top - parent->window.top);
      platform::InvalidateInternal(w->parent, &old, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
  }
  w->shape = std::move(shape);
  // As on Windows, the system owns the region from now on.
  if (region != nullptr) DeleteObject(region);
  if (w->surface) w->surface->SetShape(w->shape.get());
  if (WindowObject* top = platform::TopLevelOf(w)) platform::RefreshDcsOf(top->handle);
  if (visible && redraw) {
    platform::InvalidateInternal(hwnd, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN);
    platform::EraseNow(w->IsChild() ? w->parent : hwnd);
  }
  return 1;
}

int GetWindowRgn(HWND hwnd, HRGN region) {
  WindowObject* w = platform::FindWindowObject(hwnd);
  platform::RegionObject* target = platform::FindRegion(region);
  if (w == nullptr || target == nullptr || !w->shape) return ERROR;
  target->region = *w->shape;
  return target->region.Complexity();
}

BOOL PrintWindow(HWND hwnd, HDC dc, UINT) {
  if (!platform::FindWindowObject(hwnd)) return FALSE;
  SendMessageW(hwnd, WM_PRINT, reinterpret_cast<WPARAM>(dc),
               PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND | PRF_CHILDREN);
  return TRUE;
}
