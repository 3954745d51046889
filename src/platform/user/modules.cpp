// LoadLibraryA / GetProcAddress over the window manager's own exports. The
// loaded module is the system module; freeing it is counted but changes
// nothing, as for a library the process already has.
#include "platform/user/modules.h"

#include <cstring>
#include <set>
#include <string>

#include "platform/base/sysutils.h"
#include "platform/controls/combobox.h"
#include "platform/user/user.h"

namespace {

struct Export {
  const char* name;
  FARPROC address;
};

template <typename F>
FARPROC Address(F* function) {
  return reinterpret_cast<FARPROC>(function);
}

const Export kUser32Exports[] = {
    {"GetScrollBarInfo", Address(&GetScrollBarInfo)},
    {"TrackMouseEvent", Address(&TrackMouseEvent)},
    {"GetComboBoxInfo", Address(&GetComboBoxInfo)},
    {"DisableProcessWindowsGhosting", Address(&DisableProcessWindowsGhosting)},
};

std::set<std::string>& HiddenEntryPoints() {
  static std::set<std::string> hidden;
  return hidden;
}

bool IsUser32(LPCSTR name) { return SameText(name, "user32.dll") || SameText(name, "user32"); }

}  // namespace

HMODULE LoadLibraryA(LPCSTR name) {
  if (name != nullptr && IsUser32(name)) return platform::SystemModule();
  SetLastError(126);  // ERROR_MOD_NOT_FOUND
  return nullptr;
}

BOOL FreeLibrary(HMODULE module) { return module == platform::SystemModule() ? TRUE : FALSE; }

FARPROC GetProcAddress(HMODULE module, LPCSTR name) {
  if (module == platform::SystemModule() && name != nullptr && HiddenEntryPoints().count(name) == 0) {
    for (const Export& e : kUser32Exports) {
      if (std::strcmp(e.name, name) == 0) return e.address;
    }
  }
  SetLastError(127);  // ERROR_PROC_NOT_FOUND
  return nullptr;
}

void DisableProcessWindowsGhosting() {}

namespace platform {

void HideEntryPoint(const char* name, bool hidden) {
  if (hidden) {
    HiddenEntryPoints().insert(name);
  } else {
    HiddenEntryPoints().erase(name);
  }
}

}  // namespace platform
