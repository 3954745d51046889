// The gtk display: the platform's top-level windows as real windows on the
// screen, their input as the platform's input, the GLib main loop as the
// place where the program waits, and WebKit page views for the browser
// window class.
#pragma once

#include <functional>
#include <memory>

#include "platform/display/display.h"

namespace platform::display::gtk {

// A gtk backend on the default screen; null when no screen can be opened.
std::unique_ptr<Backend> Create();

// Called after a top-level window's pixels reached the screen (its draw
// handler ran), for measurements of start-up and presentation.
void SetFrameObserver(std::function<void(HWND window)> observer);

}  // namespace platform::display::gtk
