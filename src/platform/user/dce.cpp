// Window DCs over the backing stores of top-level windows, their visible
// regions, and the surfaces that put the stores on the screen.
#include <algorithm>
#include <map>

#include "platform/display/display.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/dc_internal.h"
#include "platform/gdi/icon.h"
#include "platform/gdi/region.h"
#include "platform/gdi/surface.h"
#include "platform/user/dce.h"
#include "platform/user/paint_internal.h"

namespace platform {
namespace {

struct DcRecord {
  HWND hwnd = nullptr;
  DWORD flags = 0;
  std::optional<Region> intersect;  // DCX_INTERSECTRGN, window coordinates of `hwnd`
  std::optional<Region> exclude;    // DCX_EXCLUDERGN
};

struct DceState {
  std::map<HDC, DcRecord> dcs;
  std::map<HWND, Region> dirty;  // per top-level window, window coordinates
};

DceState& State() {
  static DceState state;
  return state;
}

// Hidden windows and windows without a surface draw nowhere.
Surface& NowhereSurface() {
  static Surface surface(1, 1);
  return surface;
}

Region ShapeIn(const WindowObject& w, POINT windowOrigin) {
  Region shape = *w.shape;
  shape.Offset(windowOrigin.x, windowOrigin.y);
  return shape;
}

// The area of a window in its top-level window's coordinates.
RECT InTop(const RECT& screen, POINT topOrigin) {
  return RECT{screen.left - topOrigin.x, screen.top - topOrigin.y, screen.right - topOrigin.x,
              screen.bottom - topOrigin.y};
}

void SubtractWindow(Region& region, const WindowObject& other, POINT topOrigin) {
  const RECT r = InTop(ScreenWindowRect(other), topOrigin);
  if (other.shape) {
    region.Subtract(ShapeIn(other, POINT{r.left, r.top}));
  } else {
    region.Subtract(r);
  }
}

// Siblings of `w` that lie above it and are visible.
void SubtractSiblingsAbove(Region& region, const WindowObject& w, POINT topOrigin) {
  WindowObject* parent = PeekWindowObject(w.parent);
  if (parent == nullptr) return;
  for (HWND sibling : parent->children) {
    if (sibling == w.handle) break;
    WindowObject* s = PeekWindowObject(sibling);
    if (s && (s->style & WS_VISIBLE)) SubtractWindow(region, *s, topOrigin);
  }
}

// An owned window stands in for the root of its owner chain when that root
// never shows (a toolkit program's application window): the task bar shows
// the root's title, as the root's own task-bar button would.
const std::u16string& TaskBarTitleOf(const WindowObject& w) {
  const WindowObject* root = &w;
  while (const WindowObject* owner = PeekWindowObject(root->owner)) root = owner;
  return root != &w && !root->surface ? root->text : w.text;
}

}  // namespace

Region VisibleRegion(const WindowObject& w, DWORD flags) {
  WindowObject* top = TopLevelOf(const_cast<WindowObject*>(&w));
  if (top == nullptr || !IsReallyVisible(w) || !top->surface) return Region();
  const POINT topOrigin = WindowOrigin(*top);
  const bool windowDc = (flags & DCX_WINDOW) != 0;
  bool clipChildren = (flags & DCX_CLIPCHILDREN) != 0;
  bool clipSiblings = (flags & DCX_CLIPSIBLINGS) != 0;
  if (flags & DCX_USESTYLE) {
    clipChildren |= (w.style & WS_CLIPCHILDREN) != 0;
    clipSiblings |= (w.style & WS_CLIPSIBLINGS) != 0;
  }
  const RECT windowRect = InTop(ScreenWindowRect(w), topOrigin);
  Region region(windowDc ? windowRect : InTop(ScreenClientRect(w), topOrigin));
  if (w.shape) region.Intersect(ShapeIn(w, POINT{windowRect.left, windowRect.top}));
  if (clipSiblings && w.IsChild()) SubtractSiblingsAbove(region, w, topOrigin);

  // Every ancestor's client area (and shape) bounds the window.
  for (const WindowObject* child = &w; child != top;) {
    const WindowObject* parent = PeekWindowObject(child->parent);
    if (parent == nullptr) break;
    region.Intersect(InTop(ScreenClientRect(*parent), topOrigin));
    if (parent->shape) {
      const RECT pr = InTop(ScreenWindowRect(*parent), topOrigin);
      region.Intersect(ShapeIn(*parent, POINT{pr.left, pr.top}));
    }
    if (parent != top && (parent->style & WS_CLIPSIBLINGS)) SubtractSiblingsAbove(region, *parent, topOrigin);
    child = parent;
  }
  if (clipChildren) {
    for (HWND child : w.children) {
      WindowObject* c = PeekWindowObject(child);
      if (c && (c->style & WS_VISIBLE)) SubtractWindow(region, *c, topOrigin);
    }
  }
  return region;
}

// Puts the DC at its window's origin and visible region (after a move, a
// resize or a change of surface).
void RefreshDc(HDC dc, const DcRecord& record) {
  WindowObject* w = PeekWindowObject(record.hwnd);
  if (w == nullptr) return;
  WindowObject* top = TopLevelOf(w);
  const bool windowDc = (record.flags & DCX_WINDOW) != 0;
  POINT origin{};
  Region visible;
  Surface* surface = &NowhereSurface();
  if (top != nullptr && top->surface) {
    const POINT topOrigin = WindowOrigin(*top);
    const POINT at = windowDc ? WindowOrigin(*w) : ClientOrigin(*w);
    origin = POINT{at.x - topOrigin.x, at.y - topOrigin.y};
    visible = VisibleRegion(*w, record.flags);
    const POINT windowAt = WindowOrigin(*w);
    const POINT windowInTop{windowAt.x - topOrigin.x, windowAt.y - topOrigin.y};
    if (record.intersect) {
      Region clip = *record.intersect;
      clip.Offset(windowInTop.x, windowInTop.y);
      visible.Intersect(clip);
    }
    if (record.exclude) {
      Region clip = *record.exclude;
      clip.Offset(windowInTop.x, windowInTop.y);
      visible.Subtract(clip);
    }
    surface = &top->surface->BackingStore();
  }
  SetSurfaceDCSurface(dc, surface);
  SetSurfaceDCOrigin(dc, origin);
  SetSurfaceDCVisibleRegion(dc, visible);
}

HDC CreateWindowDc(HWND hwnd, DWORD flags, const Region* intersect, const Region* exclude) {
  WindowObject* w = PeekWindowObject(hwnd);
  if (w == nullptr) return nullptr;
  DcRecord record;
  record.hwnd = hwnd;
  record.flags = flags;
  if (intersect) record.intersect = *intersect;
  if (exclude) record.exclude = *exclude;
  HDC dc = CreateSurfaceDC(&NowhereSurface(), POINT{}, Region());
  if (dc == nullptr) return nullptr;
  RefreshDc(dc, record);
  State().dcs.emplace(dc, std::move(record));
  return dc;
}

bool ReleaseWindowDc(HDC dc) {
  DceState& state = State();
  auto found = state.dcs.find(dc);
  if (found == state.dcs.end()) return false;
  // What the DC could reach is presented with the next look at the queue.
  if (WindowObject* w = PeekWindowObject(found->second.hwnd)) {
    DcObject* object = FindDc(dc);
    if (WindowObject* top = TopLevelOf(w); top && top->surface && object && object->visible) {
      state.dirty[top->handle].Union(*object->visible);
    }
  }
  state.dcs.erase(found);
  DeleteDC(dc);
  return true;
}

HWND WindowOfDc(HDC dc) {
  auto found = State().dcs.find(dc);
  return found == State().dcs.end() ? nullptr : found->second.hwnd;
}

void RefreshDcsOf(HWND top) {
  for (auto& [dc, record] : State().dcs) {
    WindowObject* w = PeekWindowObject(record.hwnd);
    if (w == nullptr) continue;
    WindowObject* t = TopLevelOf(w);
    if (t != nullptr && t->handle == top) RefreshDc(dc, record);
  }
}

void UpdateSurfaceOf(WindowObject& w) {
  if (w.IsChild() || w.parent != DesktopHandle()) {
    if (WindowObject* top = TopLevelOf(&w)) RefreshDcsOf(top->handle);
    return;
  }
  const RECT screen = ScreenWindowRect(w);
  const bool visible = (w.style & WS_VISIBLE) != 0;
  if (!w.surface) {
    if (!visible) return;
    const bool popup = (w.style & WS_POPUP) && (w.style & WS_CAPTION) != WS_CAPTION;
    w.surface = display::Current().CreateSurface(w.handle, screen, popup);
    if (w.shape) w.surface->SetShape(w.shape.get());
    w.surface->SetTitle(TaskBarTitleOf(w));
    if (WindowObject* owner = PeekWindowObject(w.owner); owner && owner->surface) {
      w.surface->SetOwner(owner->surface.get());
    }
    UpdateSurfaceIcon(w);
    RestackSurfaces();
  } else {
    w.surface->SetBounds(screen);
  }
  w.surface->SetVisible(visible);
  RefreshDcsOf(w.handle);
}

void UpdateSurfaceTitles(HWND changed) {
  const WindowObject* desktop = PeekWindowObject(DesktopHandle());
  if (desktop == nullptr) return;
  for (HWND top : desktop->children) {
    WindowObject* t = PeekWindowObject(top);
    if (t == nullptr || !t->surface) continue;
    bool affected = false;
    for (const WindowObject* o = t; o != nullptr && !affected; o = PeekWindowObject(o->owner)) {
      affected = o->handle == changed;
    }
    if (affected) t->surface->SetTitle(TaskBarTitleOf(*t));
  }
}

void UpdateSurfaceIcon(WindowObject& w) {
  if (!w.surface) return;
  const IconObject* icon = FindIcon(w.iconBig ? w.iconBig : w.iconSmall);
  std::vector<std::uint32_t> argb;
  if (icon == nullptr || icon->width <= 0 || icon->height <= 0) {
    w.surface->SetIcon(0, 0, argb);
    return;
  }
  // Alpha from the picture when it has one, else from the mask.
  argb.resize(icon->colour.size());
  for (std::size_t i = 0; i < argb.size(); ++i) {
    const std::uint32_t rgb = icon->colour[i] & 0xFFFFFF;
    const std::uint32_t alpha = icon->hasAlpha ? icon->colour[i] >> 24 : (i < icon->mask.size() && icon->mask[i] ? 0 : 255);
    argb[i] = (alpha << 24) | rgb;
  }
  w.surface->SetIcon(icon->width, icon->height, argb);
}

void DetachFromParentSurface(WindowObject& w) {
  w.surface.reset();
  State().dirty.erase(w.handle);
  for (auto& [dc, record] : State().dcs) {
    if (record.hwnd == w.handle || IsChild(w.handle, record.hwnd)) RefreshDc(dc, record);
  }
}

void RestackSurfaces() {
  std::vector<display::TopLevelSurface*> order;
  for (HWND top : DesktopObject().children) {
    WindowObject* w = PeekWindowObject(top);
    if (w && w->surface) order.push_back(w->surface.get());
  }
  display::Current().Restack(order);
}

void SetSurfaceIconic(WindowObject& w, bool iconic) {
  if (w.surface) w.surface->SetIconic(iconic);
}

void PresentChangedSurfaces() {
  DceState& state = State();
  if (state.dirty.empty()) return;
  std::map<HWND, Region> dirty;
  dirty.swap(state.dirty);
  for (auto& [top, region] : dirty) {
    WindowObject* w = PeekWindowObject(top);
    if (w && w->surface && !region.IsEmpty()) w->surface->Present(region);
  }
}

void ForgetWindowDcs(HWND hwnd) {
  DceState& state = State();
  for (auto it = state.dcs.begin(); it != state.dcs.end();) {
    if (it->second.hwnd == hwnd) {
      DeleteDC(it->first);
      it = state.dcs.erase(it);
    } else {
      ++it;
    }
  }
  state.dirty.erase(hwnd);
}

}  // namespace platform

using platform::PeekWindowObject;

HDC GetDCEx(HWND hwnd, HRGN clip, DWORD flags) {
  if (hwnd == nullptr) hwnd = platform::DesktopHandle();
  platform::WindowObject* w = platform::FindWindowObject(hwnd);
  if (w == nullptr) return nullptr;
  // A region handed to GetDCEx is in screen coordinates.
  std::optional<platform::Region> region;
  if ((flags & (DCX_INTERSECTRGN | DCX_EXCLUDERGN)) && clip != nullptr &&
      reinterpret_cast<ULONG_PTR>(clip) != 1) {
    platform::RegionObject* object = platform::FindRegion(clip);
    if (object != nullptr) {
      region = object->region;
      const POINT origin = platform::WindowOrigin(*w);
      region->Offset(-origin.x, -origin.y);
    } else if (flags & DCX_INTERSECTRGN) {
      region = platform::Region();  // a bad region clips everything away
    }
  }
  return platform::CreateWindowDc(hwnd, flags, (flags & DCX_INTERSECTRGN) && region ? &*region : nullptr,
                                  (flags & DCX_EXCLUDERGN) && region ? &*region : nullptr);
}

HDC GetDC(HWND hwnd) { return GetDCEx(hwnd, nullptr, DCX_USESTYLE | DCX_CACHE); }

HDC GetWindowDC(HWND hwnd) { return GetDCEx(hwnd, nullptr, DCX_WINDOW | DCX_USESTYLE | DCX_CACHE); }

int ReleaseDC(HWND, HDC dc) { return platform::ReleaseWindowDc(dc) ? 1 : 0; }

HWND WindowFromDC(HDC dc) { return platform::WindowOfDc(dc); }
