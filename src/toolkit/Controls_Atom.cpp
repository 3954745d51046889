// Finding the control of a window: every toolkit window holds its control in
// the window property named by ControlAtom, so code that only has a window
// handle (hooks, the skin engine) can reach the control object.
#include <cstdio>

#include "toolkit/Controls.h"

const AnsiString& ControlAtomString() {
  static const AnsiString name = [] {
    char text[40];
    std::snprintf(text, sizeof(text), "ControlOfs%.8X%.8X",
                  static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(platform::ProgramModule())),
                  static_cast<unsigned>(GetCurrentThreadId()));
    return AnsiString(text);
  }();
  return name;
}

ATOM ControlAtom() {
  static const ATOM atom = GlobalAddAtomA(ControlAtomString().c_str());
  return atom;
}

TWinControl* FindControl(HWND hwnd) {
  if (hwnd == nullptr || !IsWindow(hwnd)) return nullptr;
  return static_cast<TWinControl*>(GetPropA(hwnd, MAKEINTATOMA(ControlAtom())));
}

TControl* FindDragTarget(TPoint screenPoint, bool allowDisabled) {
  HWND window = WindowFromPoint(screenPoint);
  TWinControl* control = FindControl(window);
  if (control == nullptr) return nullptr;
  const TPoint local = control->ScreenToClient(screenPoint);
  TControl* child = control->ControlAtPos(local, allowDisabled);
  return child != nullptr ? static_cast<TControl*>(child) : control;
}
