// Painting and window regions: update regions, WM_PAINT, window DCs and
// the shape of a window.
#pragma once

#include "platform/base/types.h"
#include "platform/user/structs.h"

BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase);
BOOL InvalidateRgn(HWND hwnd, HRGN region, BOOL erase);
BOOL ValidateRect(HWND hwnd, const RECT* rect);
BOOL ValidateRgn(HWND hwnd, HRGN region);
BOOL UpdateWindow(HWND hwnd);
BOOL RedrawWindow(HWND hwnd, const RECT* rect, HRGN region, UINT flags);
BOOL GetUpdateRect(HWND hwnd, LPRECT rect, BOOL erase);
int GetUpdateRgn(HWND hwnd, HRGN region, BOOL erase);
HDC BeginPaint(HWND hwnd, PAINTSTRUCT* ps);
BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* ps);
HDC GetDC(HWND hwnd);
HDC GetWindowDC(HWND hwnd);
HDC GetDCEx(HWND hwnd, HRGN clip, DWORD flags);
int ReleaseDC(HWND hwnd, HDC dc);
HWND WindowFromDC(HDC dc);

// The window takes a copy of the region: the caller keeps its handle (and
// may delete it), which is what code written for Windows' ownership rule
// does harmlessly.
int SetWindowRgn(HWND hwnd, HRGN region, BOOL redraw);
int GetWindowRgn(HWND hwnd, HRGN region);

BOOL PrintWindow(HWND hwnd, HDC dc, UINT flags);

// Standard cursors and icons (LoadCursor/LoadIcon with a null instance).
inline LPCWSTR MAKEINTRESOURCEW(WORD id) { return reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(id)); }
inline LPCSTR MAKEINTRESOURCEA(WORD id) { return reinterpret_cast<LPCSTR>(static_cast<ULONG_PTR>(id)); }
inline const LPCWSTR IDC_ARROW = MAKEINTRESOURCEW(32512);
inline const LPCWSTR IDC_IBEAM = MAKEINTRESOURCEW(32513);
inline const LPCWSTR IDC_WAIT = MAKEINTRESOURCEW(32514);
inline const LPCWSTR IDC_CROSS = MAKEINTRESOURCEW(32515);
inline const LPCWSTR IDC_UPARROW = MAKEINTRESOURCEW(32516);
inline const LPCWSTR IDC_SIZENWSE = MAKEINTRESOURCEW(32642);
inline const LPCWSTR IDC_SIZENESW = MAKEINTRESOURCEW(32643);
inline const LPCWSTR IDC_SIZEWE = MAKEINTRESOURCEW(32644);
inline const LPCWSTR IDC_SIZENS = MAKEINTRESOURCEW(32645);
inline const LPCWSTR IDC_SIZEALL = MAKEINTRESOURCEW(32646);
inline const LPCWSTR IDC_NO = MAKEINTRESOURCEW(32648);
inline const LPCWSTR IDC_HAND = MAKEINTRESOURCEW(32649);
inline const LPCWSTR IDC_APPSTARTING = MAKEINTRESOURCEW(32650);
inline const LPCWSTR IDC_HELP = MAKEINTRESOURCEW(32651);
inline const LPCWSTR IDI_APPLICATION = MAKEINTRESOURCEW(32512);
inline const LPCWSTR IDI_HAND = MAKEINTRESOURCEW(32513);
inline const LPCWSTR IDI_QUESTION = MAKEINTRESOURCEW(32514);
inline const LPCWSTR IDI_EXCLAMATION = MAKEINTRESOURCEW(32515);
inline const LPCWSTR IDI_ASTERISK = MAKEINTRESOURCEW(32516);
inline const LPCWSTR IDI_WINLOGO = MAKEINTRESOURCEW(32517);
inline const LPCWSTR IDI_WARNING = IDI_EXCLAMATION;
inline const LPCWSTR IDI_ERROR = IDI_HAND;
inline const LPCWSTR IDI_INFORMATION = IDI_ASTERISK;

// FIXME: cursors and icons of a module's own resources come with the
// toolkit's resource loading; only the standard ones (null instance) exist.
HCURSOR LoadCursorW(HINSTANCE instance, LPCWSTR name);
HCURSOR LoadCursorA(HINSTANCE instance, LPCSTR name);
HICON LoadIconW(HINSTANCE instance, LPCWSTR name);
HICON LoadIconA(HINSTANCE instance, LPCSTR name);
