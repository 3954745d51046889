// The Win32 window manager: classes, windows, window procedures, messages and
// queues, hooks, timers, geometry and z-order, activation, focus and capture,
// painting, the non-client area, properties and atoms, system metrics and
// message boxes. Names, signatures and values are Win32's; every handle is
// checked, and a bad one fails the call as on Windows.
#pragma once

#include <functional>

#include "platform/base/muldiv.h"
#include "platform/base/strings.h"
#include "platform/user/clipboard.h"
#include "platform/user/constants.h"
#include "platform/user/mdi.h"
#include "platform/user/menu.h"
#include "platform/user/modules.h"
#include "platform/user/menu_item_bitmaps.h"
#include "platform/user/msgbox.h"
#include "platform/user/paint.h"
#include "platform/user/scrollbar.h"
#include "platform/user/structs.h"

// ---------------------------------------------------------------------------
// Window procedures. A WNDPROC is an opaque handle to a callable.

using WindowProcedure = std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)>;
using PlainWindowProcedure = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);

// A procedure bound to an object (the subclassing thunk). It lives until
// FreeWndProcThunk.
WNDPROC MakeWndProcThunk(WindowProcedure procedure);
void FreeWndProcThunk(WNDPROC procedure);
// The procedure of a plain function; the same function always gives the same
// handle, which is never freed.
WNDPROC WndProcFromFunction(PlainWindowProcedure function);

LRESULT CallWindowProcW(WNDPROC procedure, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CallWindowProcA(WNDPROC procedure, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT DefWindowProcW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT DefWindowProcA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// ---------------------------------------------------------------------------
// Classes and windows

ATOM RegisterClassExW(const WNDCLASSEXW* wc);
ATOM RegisterClassExA(const WNDCLASSEXA* wc);
BOOL UnregisterClassW(LPCWSTR name, HINSTANCE instance);
BOOL UnregisterClassA(LPCSTR name, HINSTANCE instance);
BOOL GetClassInfoExW(HINSTANCE instance, LPCWSTR name, WNDCLASSEXW* wc);
BOOL GetClassInfoExA(HINSTANCE instance, LPCSTR name, WNDCLASSEXA* wc);
int GetClassNameW(HWND hwnd, LPWSTR name, int count);
int GetClassNameA(HWND hwnd, LPSTR name, int count);
ULONG_PTR GetClassLongPtrW(HWND hwnd, int index);
ULONG_PTR GetClassLongPtrA(HWND hwnd, int index);
ULONG_PTR SetClassLongPtrW(HWND hwnd, int index, LONG_PTR value);

HWND CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID param);
HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID param);
BOOL DestroyWindow(HWND hwnd);
BOOL IsWindow(HWND hwnd);
BOOL IsWindowVisible(HWND hwnd);
BOOL IsWindowEnabled(HWND hwnd);
BOOL EnableWindow(HWND hwnd, BOOL enable);
BOOL IsWindowUnicode(HWND hwnd);
BOOL IsChild(HWND parent, HWND hwnd);
BOOL IsIconic(HWND hwnd);
BOOL IsZoomed(HWND hwnd);
HWND GetDesktopWindow();

LONG_PTR GetWindowLongPtrW(HWND hwnd, int index);
LONG_PTR GetWindowLongPtrA(HWND hwnd, int index);
LONG_PTR SetWindowLongPtrW(HWND hwnd, int index, LONG_PTR value);
LONG_PTR SetWindowLongPtrA(HWND hwnd, int index, LONG_PTR value);
LONG GetWindowLongW(HWND hwnd, int index);
LONG GetWindowLongA(HWND hwnd, int index);
LONG SetWindowLongW(HWND hwnd, int index, LONG value);
LONG SetWindowLongA(HWND hwnd, int index, LONG value);

int GetWindowTextW(HWND hwnd, LPWSTR text, int count);
int GetWindowTextA(HWND hwnd, LPSTR text, int count);
int GetWindowTextLengthW(HWND hwnd);
int GetWindowTextLengthA(HWND hwnd);
BOOL SetWindowTextW(HWND hwnd, LPCWSTR text);
BOOL SetWindowTextA(HWND hwnd, LPCSTR text);
int GetDlgCtrlID(HWND hwnd);
HWND GetDlgItem(HWND dialog, int id);

HWND GetParent(HWND hwnd);
HWND SetParent(HWND child, HWND newParent);
HWND GetAncestor(HWND hwnd, UINT flags);
HWND GetWindow(HWND hwnd, UINT command);
HWND GetTopWindow(HWND hwnd);
HWND GetNextWindow(HWND hwnd, UINT command);
BOOL EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM lParam);
BOOL EnumWindows(WNDENUMPROC proc, LPARAM lParam);
HWND FindWindowExW(HWND parent, HWND childAfter, LPCWSTR className, LPCWSTR windowName);
HWND FindWindowExA(HWND parent, HWND childAfter, LPCSTR className, LPCSTR windowName);

// Properties and atoms.
BOOL SetPropW(HWND hwnd, LPCWSTR name, HANDLE data);
BOOL SetPropA(HWND hwnd, LPCSTR name, HANDLE data);
HANDLE GetPropW(HWND hwnd, LPCWSTR name);
HANDLE GetPropA(HWND hwnd, LPCSTR name);
HANDLE RemovePropW(HWND hwnd, LPCWSTR name);
HANDLE RemovePropA(HWND hwnd, LPCSTR name);
ATOM GlobalAddAtomW(LPCWSTR name);
ATOM GlobalAddAtomA(LPCSTR name);
ATOM GlobalFindAtomW(LPCWSTR name);
ATOM GlobalFindAtomA(LPCSTR name);
ATOM GlobalDeleteAtom(ATOM atom);
UINT GlobalGetAtomNameW(ATOM atom, LPWSTR buffer, int size);
UINT GlobalGetAtomNameA(ATOM atom, LPSTR buffer, int size);
// An atom given where a name is expected, as MAKEINTATOM does.
inline LPCWSTR MAKEINTATOMW(ATOM atom) { return reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(atom)); }
inline LPCSTR MAKEINTATOMA(ATOM atom) { return reinterpret_cast<LPCSTR>(static_cast<ULONG_PTR>(atom)); }
inline bool IS_INTRESOURCE(const void* p) { return (reinterpret_cast<ULONG_PTR>(p) >> 16) == 0; }

// ---------------------------------------------------------------------------
// Messages

LRESULT SendMessageW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT SendMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
BOOL PostMessageW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
BOOL PostMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
BOOL PostThreadMessageW(DWORD thread, UINT message, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int exitCode);
BOOL GetMessageW(LPMSG msg, HWND hwnd, UINT first, UINT last);
BOOL GetMessageA(LPMSG msg, HWND hwnd, UINT first, UINT last);
BOOL PeekMessageW(LPMSG msg, HWND hwnd, UINT first, UINT last, UINT remove);
BOOL PeekMessageA(LPMSG msg, HWND hwnd, UINT first, UINT last, UINT remove);
BOOL TranslateMessage(const MSG* msg);
LRESULT DispatchMessageW(const MSG* msg);
LRESULT DispatchMessageA(const MSG* msg);
BOOL WaitMessage();
DWORD GetMessagePos();
LONG GetMessageTime();
BOOL InSendMessage();
DWORD InSendMessageEx(LPVOID reserved);
DWORD GetCurrentThreadId();
DWORD GetWindowThreadProcessId(HWND hwnd, DWORD* process);

// ---------------------------------------------------------------------------
// Hooks

HHOOK SetWindowsHookExW(int id, HOOKPROC proc, HINSTANCE module, DWORD thread);
HHOOK SetWindowsHookExA(int id, HOOKPROC proc, HINSTANCE module, DWORD thread);
BOOL UnhookWindowsHookEx(HHOOK hook);
LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam);
BOOL CallMsgFilterW(LPMSG msg, int code);
BOOL CallMsgFilterA(LPMSG msg, int code);

// ---------------------------------------------------------------------------
// Timers and time

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc);
BOOL KillTimer(HWND hwnd, UINT_PTR id);
DWORD GetTickCount();
UINT GetDoubleClickTime();
void Sleep(DWORD milliseconds);

// ---------------------------------------------------------------------------
// Geometry and z-order

BOOL GetWindowRect(HWND hwnd, LPRECT rect);
BOOL GetClientRect(HWND hwnd, LPRECT rect);
BOOL ClientToScreen(HWND hwnd, LPPOINT point);
BOOL ScreenToClient(HWND hwnd, LPPOINT point);
int MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count);
HWND WindowFromPoint(POINT point);
HWND ChildWindowFromPoint(HWND parent, POINT point);
HWND ChildWindowFromPointEx(HWND parent, POINT point, UINT flags);
BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint);
BOOL ShowWindow(HWND hwnd, int command);
BOOL BringWindowToTop(HWND hwnd);
BOOL GetWindowPlacement(HWND hwnd, WINDOWPLACEMENT* placement);
BOOL SetWindowPlacement(HWND hwnd, const WINDOWPLACEMENT* placement);
BOOL AdjustWindowRectEx(LPRECT rect, DWORD style, BOOL menu, DWORD exStyle);
BOOL CloseWindow(HWND hwnd);
BOOL OpenIcon(HWND hwnd);

// ---------------------------------------------------------------------------
// Activation, focus, capture, mouse and keyboard

HWND SetActiveWindow(HWND hwnd);
HWND GetActiveWindow();
BOOL SetForegroundWindow(HWND hwnd);
HWND GetForegroundWindow();
HWND SetFocus(HWND hwnd);
HWND GetFocus();
HWND SetCapture(HWND hwnd);
BOOL ReleaseCapture();
HWND GetCapture();
BOOL TrackMouseEvent(TRACKMOUSEEVENT* track);
SHORT GetKeyState(int virtualKey);
SHORT GetAsyncKeyState(int virtualKey);
BOOL GetCursorPos(LPPOINT point);
BOOL SetCursorPos(int x, int y);
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();
BOOL MessageBeep(UINT type);

// ---------------------------------------------------------------------------
// System information and modules

int GetSystemMetrics(int index);
BOOL SystemParametersInfoW(UINT action, UINT param, LPVOID data, UINT winIni);
BOOL SystemParametersInfoA(UINT action, UINT param, LPVOID data, UINT winIni);
DWORD GetVersion();
HMODULE GetModuleHandleW(LPCWSTR name);
HMODULE GetModuleHandleA(LPCSTR name);

namespace platform {

// The version word GetVersion answers; 0 restores NT 5.1 (build 2600).
// Tests use it to take the 9x and NT 4 branches.
void OverrideVersion(DWORD version);

// The program's own module instance, and further "other modules" that tests
// use for windows of another module (the system's own classes belong to the
// module answered by SystemModule()).
HINSTANCE ProgramModule();
HINSTANCE SystemModule();
HINSTANCE OtherModule(int index);

// Timers of the window manager's own controls: WM_SYSTIMER instead of
// WM_TIMER, so that applications and their subclasses never take them for
// their own.
UINT_PTR SetSystemTimer(HWND hwnd, UINT_PTR id, UINT elapse);
bool KillSystemTimer(HWND hwnd, UINT_PTR id);

// How many timers are running now (leak tests compare it).
std::size_t LiveTimerCount();
// How many thunks made by MakeWndProcThunk are alive now.
std::size_t LiveThunkCount();

// Called after a window was moved, sized, shown or hidden (every placement
// goes through SetWindowPos), so that what the screen lays over windows, such
// as page views, can follow a window and its descendants: children hear of
// nothing when their parent moves or hides.
void AddWindowPlacementObserver(std::function<void(HWND changed)> observer);

}  // namespace platform
