// What the "Button" window procedure and its painting share.
#pragma once

#include "platform/controls/control_data.h"

namespace platform {

struct ButtonData {
  LRESULT state = 0;        // BST_CHECKED / BST_INDETERMINATE, BST_PUSHED, BST_FOCUS
  bool held = false;        // pressed by the mouse or Space, the capture taken
  HFONT font = nullptr;
  HANDLE image = nullptr;   // BM_SETIMAGE's bitmap or icon
  UINT imageType = IMAGE_BITMAP;
};

inline DWORD ButtonStyle(HWND hwnd) { return static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE)); }
inline DWORD ButtonType(HWND hwnd) { return ButtonStyle(hwnd) & BS_TYPEMASK; }
inline bool IsPushType(DWORD type) {
  return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_PUSHBOX;
}
inline bool IsCheckType(DWORD type) {
  return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE || type == BS_AUTO3STATE;
}
inline bool IsRadioType(DWORD type) { return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON; }

// Sends WM_COMMAND with the button's id and `code` to its parent.
void NotifyButtonParent(HWND hwnd, WORD code);

// Paints the button into `dc`: `action` is ODA_DRAWENTIRE for WM_PAINT and
// WM_PRINTCLIENT, ODA_SELECT after a check or push state change, ODA_FOCUS
// after a focus change (owner-drawn buttons are told which).
void PaintButton(HWND hwnd, HDC dc, const ButtonData& data, UINT action);
// Paints at once through a DC of the window, as a button does when its
// state changes.
void RepaintButton(HWND hwnd, const ButtonData& data, UINT action);
// The brush the parent answers to WM_CTLCOLORBTN or WM_CTLCOLORSTATIC (its
// default procedure's when it answers none); the DC takes its colours.
HBRUSH ButtonBackground(HWND hwnd, HDC dc, UINT message);

}  // namespace platform
