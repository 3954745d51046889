// Window DCs inside the window manager.
#pragma once

#include "platform/gdi/region.h"
#include "platform/user/window_object.h"

namespace platform {

// What of a window a DC with these DCX_* flags may draw on, in the
// coordinates of the window's top-level backing store.
Region VisibleRegion(const WindowObject& w, DWORD flags);

// A DC over the window's backing store; `intersect`/`exclude` are in the
// window's window coordinates.
HDC CreateWindowDc(HWND hwnd, DWORD flags, const Region* intersect, const Region* exclude);
bool ReleaseWindowDc(HDC dc);
HWND WindowOfDc(HDC dc);
// Recomputes origins and visible regions of the DCs open on a top-level
// window's store (after a move, a resize, a change of z-order).
void RefreshDcsOf(HWND top);
void ForgetWindowDcs(HWND hwnd);

}  // namespace platform
