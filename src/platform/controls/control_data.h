// Per-window data of the standard controls, kept behind a pointer in the
// window's extra bytes (offset 0) from WM_NCCREATE to WM_NCDESTROY.
#pragma once

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

void RegisterButtonClass();
void RegisterStaticClass();
void RegisterEditClass();

}  // namespace platform
