// Choosing and holding the display backend.
#include "platform/display/display.h"

#include <cstdlib>
#include <cstring>

#include "platform/display/headless/headless.h"

namespace platform::display {
namespace {

std::unique_ptr<Backend>& Slot() {
  static std::unique_ptr<Backend> backend;
  return backend;
}

std::unique_ptr<Backend> Choose() {
  // FIXME: the gtk backend (a real screen) comes with its own piece of work;
  // until then every choice, BRELLIS_DISPLAY=gtk included, is headless.
  return headless::Create();
}

}  // namespace

Backend& Current() {
  std::unique_ptr<Backend>& backend = Slot();
  if (!backend) backend = Choose();
  return *backend;
}

std::unique_ptr<Backend> SetBackend(std::unique_ptr<Backend> backend) {
  std::unique_ptr<Backend> previous = std::move(Slot());
  Slot() = std::move(backend);
  return previous;
}

}  // namespace platform::display
