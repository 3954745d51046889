// What the window manager needs to give windows their DCs. A window DC is a
// DC of the same type as a memory DC, drawing into a Surface the window
// manager owns (a top-level window's backing store) with an origin (the
// window's or client area's top-left corner on that surface) and a visible
// region (what of the window may be drawn: clip children and siblings, the
// window region), both in surface coordinates. The application's clip region
// is relative to the origin and intersected with the visible region.
#pragma once

#include <memory>

#include "platform/gdi/gdi.h"
#include "platform/gdi/region.h"
#include "platform/gdi/surface.h"

namespace platform {

// A DC over `surface` (which must outlive the DC or be replaced first).
HDC CreateSurfaceDC(Surface* surface, POINT origin, const Region& visible);
// Moves the origin and replaces the visible region (after a move, a resize or
// a change of z-order). Both answer false for a DC that is not a surface DC.
bool SetSurfaceDCOrigin(HDC dc, POINT origin);
bool SetSurfaceDCVisibleRegion(HDC dc, const Region& visible);
// Points the DC at another surface (a backing store that was reallocated).
bool SetSurfaceDCSurface(HDC dc, Surface* surface);
// Resets state and clip for reuse of a cached DC (as ReleaseDC does).
bool ResetSurfaceDC(HDC dc);
// The DC's origin on its surface.
bool GetSurfaceDCOrigin(HDC dc, POINT* origin);

}  // namespace platform
