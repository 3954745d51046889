// Choosing and holding the display backend.
#include "platform/display/display.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/base/startup_trace.h"
#include "platform/display/headless/headless.h"
#ifdef BRELLIS_WITH_GTK
#include "platform/display/gtk/gtk_backend.h"
#endif

namespace platform::display {
namespace {

std::unique_ptr<Backend>& Slot() {
  static std::unique_ptr<Backend> backend;
  return backend;
}

#ifdef BRELLIS_WITH_GTK
bool ScreenNamed() {
  const char* x11 = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  return (x11 && *x11) || (wayland && *wayland);
}
#endif

std::unique_ptr<Backend> Choose() {
  const char* forced = std::getenv("BRELLIS_DISPLAY");
  if (forced && std::strcmp(forced, "headless") == 0) return headless::Create();
#ifdef BRELLIS_WITH_GTK
  const bool wantGtk = forced && std::strcmp(forced, "gtk") == 0;
  if (wantGtk || ScreenNamed()) {
    if (std::unique_ptr<Backend> gtk = gtk::Create()) return gtk;
    if (wantGtk) std::fprintf(stderr, "brellis: BRELLIS_DISPLAY=gtk but no screen could be opened; headless\n");
  }
#else
  if (forced && std::strcmp(forced, "gtk") == 0) {
    std::fprintf(stderr, "brellis: BRELLIS_DISPLAY=gtk but the gtk backend was not built; headless\n");
  }
#endif
  return headless::Create();
}

}  // namespace

Backend& Current() {
  std::unique_ptr<Backend>& backend = Slot();
  if (!backend) {
    backend = Choose();
    TraceStartup("display open");
  }
  return *backend;
}

std::unique_ptr<Backend> SetBackend(std::unique_ptr<Backend> backend) {
  std::unique_ptr<Backend> previous = std::move(Slot());
  Slot() = std::move(backend);
  return previous;
}

}  // namespace platform::display
