// Modules loaded by name and their entry points looked up by name, for code
// that must run on systems lacking some functions: "user32.dll" exports the
// window manager's functions that such code probes for.
#pragma once

#include "platform/base/types.h"

using FARPROC = void (*)();

HMODULE LoadLibraryA(LPCSTR name);
BOOL FreeLibrary(HMODULE module);
// The entry point, or null with ERROR_PROC_NOT_FOUND (127).
FARPROC GetProcAddress(HMODULE module, LPCSTR name);

// Hiding ghost windows of programs that stop answering: this window manager
// never makes ghost windows, so there is nothing to turn off.
void DisableProcessWindowsGhosting();

namespace platform {

// Tests: makes GetProcAddress answer null for that entry point, as on a
// system without it (false makes it available again).
void HideEntryPoint(const char* name, bool hidden);

}  // namespace platform
