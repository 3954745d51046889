// Dialogs: the "#32770" class, the dialog manager's keyboard handling and
// modal loops.
#pragma once

#include "platform/user/user.h"

using DLGPROC = INT_PTR (*)(HWND, UINT, WPARAM, LPARAM);

constexpr int DWLP_DLGPROC = static_cast<int>(sizeof(LRESULT));
constexpr int DWLP_USER = static_cast<int>(2 * sizeof(LRESULT));
constexpr int DLGWINDOWEXTRA = static_cast<int>(3 * sizeof(LRESULT));

LRESULT DefDlgProcW(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
BOOL IsDialogMessageW(HWND dialog, LPMSG msg);
BOOL IsDialogMessageA(HWND dialog, LPMSG msg);
BOOL EndDialog(HWND dialog, INT_PTR result);
HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous);
HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous);
LRESULT SendDlgItemMessageW(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam);
BOOL SetDlgItemTextW(HWND dialog, int id, LPCWSTR text);
UINT GetDlgItemTextW(HWND dialog, int id, LPWSTR text, int count);

namespace platform {

// Creates a dialog window of class "#32770" (invisible until shown) whose
// messages go first to `proc`; WM_INITDIALOG is sent by RunDialog.
HWND CreateDialogWindow(DWORD exStyle, DWORD style, const RECT& window, HWND owner, LPCWSTR caption, DLGPROC proc,
                        HINSTANCE instance);
// Runs a dialog modally: initialises it (WM_INITDIALOG with `param`),
// disables the owner, shows and activates the dialog, and reads messages
// (WH_MSGFILTER with MSGF_DIALOGBOX) until EndDialog; then destroys it and
// answers EndDialog's result (-1 when the dialog went away otherwise).
INT_PTR RunDialog(HWND dialog, HWND owner, LPARAM param);

}  // namespace platform
