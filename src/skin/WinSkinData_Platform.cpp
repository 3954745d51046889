// The engine's platform helpers: entry points that older systems lack are
// looked up by name once, and each helper does nothing without its function.
#include "skin/WinSkinData.h"
#include "toolkit/Controls.h"

namespace {

using GetScrollBarInfoFn = BOOL (*)(HWND, LONG, PSCROLLBARINFO);
using TrackMouseEventFn = BOOL (*)(TRACKMOUSEEVENT*);
using GetComboBoxInfoFn = BOOL (*)(HWND, PCOMBOBOXINFO);
using DisableGhostingFn = void (*)();

struct EntryPoints {
  GetScrollBarInfoFn getScrollBarInfo = nullptr;
  TrackMouseEventFn trackMouseEvent = nullptr;
  GetComboBoxInfoFn getComboBoxInfo = nullptr;
  DisableGhostingFn disableGhosting = nullptr;
};

EntryPoints LookUp() {
  EntryPoints e;
  HMODULE user32 = LoadLibraryA("user32.dll");
  if (user32 == nullptr) return e;
  e.getScrollBarInfo = reinterpret_cast<GetScrollBarInfoFn>(GetProcAddress(user32, "GetScrollBarInfo"));
  e.trackMouseEvent = reinterpret_cast<TrackMouseEventFn>(GetProcAddress(user32, "TrackMouseEvent"));
  e.getComboBoxInfo = reinterpret_cast<GetComboBoxInfoFn>(GetProcAddress(user32, "GetComboBoxInfo"));
  e.disableGhosting = reinterpret_cast<DisableGhostingFn>(GetProcAddress(user32, "DisableProcessWindowsGhosting"));
  FreeLibrary(user32);
  return e;
}

EntryPoints& Entries() {
  static EntryPoints entries = LookUp();
  return entries;
}

}  // namespace

void LookUpSkinEntryPoints() { Entries() = LookUp(); }

bool HasGetScrollBarInfo() { return Entries().getScrollBarInfo != nullptr; }

TControl* ControlFromWindow(HWND window) {
  if (window == nullptr) return nullptr;
  return static_cast<TControl*>(GetPropA(window, MAKEINTATOMA(ControlAtom())));
}

bool GetScrollBarInfoSafe(HWND window, LONG objectId, SCROLLBARINFO* info) {
  return Entries().getScrollBarInfo != nullptr && Entries().getScrollBarInfo(window, objectId, info) != FALSE;
}

void TrackMouseLeave(HWND window) {
  if (Entries().trackMouseEvent == nullptr) return;
  TRACKMOUSEEVENT track;  // its 64-bit size: handles are 8 bytes here
  track.dwFlags = TME_LEAVE;
  track.hwndTrack = window;
  Entries().trackMouseEvent(&track);
}

bool GetComboBoxInfoSafe(HWND combo, COMBOBOXINFO* info) {
  return Entries().getComboBoxInfo != nullptr && Entries().getComboBoxInfo(combo, info) != FALSE;
}
