// Input pieces shared inside the window manager.
#pragma once

#include "platform/display/display.h"
#include "platform/user/window_object.h"

namespace platform {

// The window under a screen point, as the mouse finds it (with WM_NCHITTEST
// when `hitTest`); `hit` receives the hit-test code.
HWND WindowFromPointInternal(POINT screen, bool hitTest, LRESULT& hit);

// The shape a cursor handle shows on the screen.
display::CursorShape CursorShapeOf(HCURSOR cursor);

}  // namespace platform
