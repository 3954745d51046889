// The toolkit's messages: the record a control's WindowProc handles, and the
// notifications the toolkit sends to controls (CM_*) and reflects to them
// from their parent (CN_*). The numbers are the ones the program and the skin
// engine rely on; none collides with the engine's private numbers.
#pragma once

#include "platform/user/user.h"

struct TMessage {
  UINT Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;
};

constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_ACTIVATE = CM_BASE + 0x00;
constexpr UINT CM_DEACTIVATE = CM_BASE + 0x01;
// A default button's state follows the dialog keys: sent to the form's
// controls after a dialog key was offered to the form.
constexpr UINT CM_DIALOGKEYSEEN = CM_BASE + 0x05;
// A key the focused control does not take (Return, Escape, Tab, arrows),
// offered to the form: wParam the virtual key, lParam the shift state; a
// result other than 0 means handled.
constexpr UINT CM_DIALOGKEY = CM_BASE + 0x06;
constexpr UINT CM_FOCUSCHANGED = CM_BASE + 0x07;
constexpr UINT CM_PARENTFONTCHANGED = CM_BASE + 0x08;
constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 0x09;
constexpr UINT CM_HITTEST = CM_BASE + 0x0A;
constexpr UINT CM_VISIBLECHANGED = CM_BASE + 0x0B;  // wParam: the new visibility
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 0x0C;
constexpr UINT CM_COLORCHANGED = CM_BASE + 0x0D;
constexpr UINT CM_FONTCHANGED = CM_BASE + 0x0E;
constexpr UINT CM_CURSORCHANGED = CM_BASE + 0x0F;
constexpr UINT CM_TEXTCHANGED = CM_BASE + 0x12;
constexpr UINT CM_MOUSEENTER = CM_BASE + 0x13;  // lParam: the control (or null)
constexpr UINT CM_MOUSELEAVE = CM_BASE + 0x14;
constexpr UINT CM_MENUCHANGED = CM_BASE + 0x15;
constexpr UINT CM_SHOWINGCHANGED = CM_BASE + 0x16;
constexpr UINT CM_ENTER = CM_BASE + 0x1A;
constexpr UINT CM_EXIT = CM_BASE + 0x1B;
// Sent to a control that is leaving its parent or being destroyed: whoever
// replaced its WindowProc gives it back now.
constexpr UINT CM_CONTROLREMOVING = CM_BASE + 0x21;
constexpr UINT CM_SHOWHINTCHANGED = CM_BASE + 0x22;
constexpr UINT CM_RECREATEWND = CM_BASE + 0x33;  // before the window is made again
// Posted to a control's window: the control frees itself (TCustomForm::Release).
constexpr UINT CM_RELEASE = CM_BASE + 0x34;

// Notifications a parent reflects to the child window they concern.
constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
constexpr UINT CN_HSCROLL = CN_BASE + WM_HSCROLL;
constexpr UINT CN_VSCROLL = CN_BASE + WM_VSCROLL;
constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
constexpr UINT CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;
constexpr UINT CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX;
