// Per-window data of the standard controls, kept behind a pointer in the
// window's extra bytes (offset 0) from WM_NCCREATE to WM_NCDESTROY.
#pragma once

#include <string>

#include "platform/controls/controls.h"
#include "platform/user/dialog.h"

namespace platform {

constexpr int kControlDataBytes = static_cast<int>(sizeof(LONG_PTR));

inline void AttachControlData(HWND hwnd, void* data) {
  SetWindowLongPtrW(hwnd, 0, reinterpret_cast<LONG_PTR>(data));
}

template <class T>
T* ControlData(HWND hwnd) {
  return reinterpret_cast<T*>(GetWindowLongPtrW(hwnd, 0));
}

template <class T>
T* DetachControlData(HWND hwnd) {
  T* data = ControlData<T>(hwnd);
  SetWindowLongPtrW(hwnd, 0, 0);
  return data;
}

// The window's text through WM_GETTEXT.
std::u16string WindowText(HWND hwnd);

// WM_PAINT and WM_PRINTCLIENT of a control: into the DC given in wParam, or
// between BeginPaint and EndPaint.
template <class Painter>
LRESULT PaintControl(HWND hwnd, WPARAM dc, Painter paint) {
  if (dc != 0) {
    paint(reinterpret_cast<HDC>(dc));
    return 0;
  }
  PAINTSTRUCT ps{};
  HDC target = BeginPaint(hwnd, &ps);
  paint(target);
  EndPaint(hwnd, &ps);
  return 0;
}

// Registers a standard class of the system module with per-window data.
void RegisterControlClass(LPCWSTR name, PlainWindowProcedure proc, UINT style, LPCWSTR cursor);

// A caller's item text, read as wide or ANSI (code page) text; null is empty.
std::u16string ItemTextOf(const void* text, bool wide);
// Copies `text` into a caller's buffer of `capacity` characters, cut to it
// (never splitting a double-byte character); answers what was copied.
int CopyItemText(const std::u16string& text, void* target, int capacity, bool wide);

void RegisterButtonClass();
void RegisterStaticClass();
void RegisterEditClass();
void RegisterScrollBarClass();
void RegisterProgressClass();
void RegisterUpDownClass();
void RegisterTrackBarClass();
void RegisterTabControlClass();
void RegisterStatusBarClass();
void RegisterListBoxClass();
void RegisterComboBoxClass();
void RegisterComboBoxExClass();
void RegisterHeaderClass();
void RegisterListViewClass();
void RegisterTreeViewClass();
void RegisterMonthCalClass();
void RegisterDateTimePickClass();
void RegisterToolBarClass();
void RegisterRebarClass();

}  // namespace platform
