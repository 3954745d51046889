// Painting pieces shared inside the window manager: update regions, the
// synchronous erase, surfaces of top-level windows and their presentation.
#pragma once

#include "platform/user/window_object.h"

namespace platform {

class Region;

// RedrawWindow's work. `area` is in window coordinates of `hwnd` (null: the
// whole window, or the whole client area without RDW_FRAME).
void InvalidateInternal(HWND hwnd, const Region* area, UINT flags);

// Sends the pending WM_NCPAINT and WM_ERASEBKGND of `hwnd` and its
// children (RDW_ERASENOW); with `paint` also WM_PAINT (RDW_UPDATENOW).
void EraseNow(HWND hwnd, bool paint = false);

// A window's surface follows its visibility, position and size (top-level
// windows only).
void UpdateSurfaceOf(WindowObject& w);
// Hands the window's icon (the big one, else the small one) to its surface.
void UpdateSurfaceIcon(WindowObject& w);
// The task-bar titles of `changed` and of the windows it owns, after its text changed.
void UpdateSurfaceTitles(HWND changed);
void DetachFromParentSurface(WindowObject& w);
void RestackSurfaces();
void SetSurfaceIconic(WindowObject& w, bool iconic);
// Presents what painting changed since the last call.
void PresentChangedSurfaces();

void ForgetWindowInPainting(HWND hwnd);
void AfterDispatchedPaint(HWND hwnd);

// WM_PRINT's default handling.
void PrintWindowInto(HWND hwnd, HDC dc, LPARAM flags);

}  // namespace platform
