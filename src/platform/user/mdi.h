// Multiple-document interface: the "MDIClient" window that holds a frame's
// document windows, the default procedures of the frame and of its
// children, and the structures and messages that go with them. Names and
// values are Win32's.
#pragma once

#include "platform/user/constants.h"
#include "platform/user/structs.h"

constexpr UINT WM_MDICREATE = 0x0220;
constexpr UINT WM_MDIDESTROY = 0x0221;
constexpr UINT WM_MDIACTIVATE = 0x0222;
constexpr UINT WM_MDIRESTORE = 0x0223;
constexpr UINT WM_MDINEXT = 0x0224;
constexpr UINT WM_MDIMAXIMIZE = 0x0225;
constexpr UINT WM_MDITILE = 0x0226;
constexpr UINT WM_MDICASCADE = 0x0227;
constexpr UINT WM_MDIICONARRANGE = 0x0228;
constexpr UINT WM_MDIGETACTIVE = 0x0229;
constexpr UINT WM_MDISETMENU = 0x0230;
constexpr UINT WM_MDIREFRESHMENU = 0x0234;

constexpr UINT MDITILE_VERTICAL = 0x0000;
constexpr UINT MDITILE_HORIZONTAL = 0x0001;
constexpr UINT MDITILE_SKIPDISABLED = 0x0002;
constexpr UINT MDITILE_ZORDER = 0x0004;

// The client's own style: children may lie outside it and it scrolls.
constexpr DWORD MDIS_ALLCHILDSTYLES = 0x0001;

// Menu-bar bitmaps a maximised child puts into its frame's bar.
#define HBMMENU_CALLBACK (reinterpret_cast<HBITMAP>(static_cast<LONG_PTR>(-1)))
#define HBMMENU_SYSTEM (reinterpret_cast<HBITMAP>(static_cast<LONG_PTR>(1)))
#define HBMMENU_MBAR_RESTORE (reinterpret_cast<HBITMAP>(static_cast<LONG_PTR>(2)))
#define HBMMENU_MBAR_MINIMIZE (reinterpret_cast<HBITMAP>(static_cast<LONG_PTR>(3)))
#define HBMMENU_MBAR_CLOSE (reinterpret_cast<HBITMAP>(static_cast<LONG_PTR>(5)))
#define HBMMENU_MBAR_CLOSE_D (reinterpret_cast<HBITMAP>(static_cast<LONG_PTR>(6)))
#define HBMMENU_MBAR_MINIMIZE_D (reinterpret_cast<HBITMAP>(static_cast<LONG_PTR>(7)))

// lpCreateParams of the "MDIClient" window.
struct CLIENTCREATESTRUCT {
  HANDLE hWindowMenu;
  UINT idFirstChild;
};

// WM_MDICREATE's lParam; the child's lpCreateParams points at it.
struct MDICREATESTRUCTW {
  LPCWSTR szClass;
  LPCWSTR szTitle;
  HANDLE hOwner;
  int x;
  int y;
  int cx;
  int cy;
  DWORD style;
  LPARAM lParam;
};

struct MDICREATESTRUCTA {
  LPCSTR szClass;
  LPCSTR szTitle;
  HANDLE hOwner;
  int x;
  int y;
  int cx;
  int cy;
  DWORD style;
  LPARAM lParam;
};

LRESULT DefFrameProcW(HWND hwnd, HWND client, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT DefFrameProcA(HWND hwnd, HWND client, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT DefMDIChildProcW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT DefMDIChildProcA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
HWND CreateMDIWindowW(LPCWSTR className, LPCWSTR windowName, DWORD style, int x, int y, int width, int height,
                      HWND parent, HINSTANCE instance, LPARAM lParam);
HWND CreateMDIWindowA(LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width, int height,
                      HWND parent, HINSTANCE instance, LPARAM lParam);
// Ctrl+F4 closes and Ctrl+F6 / Ctrl+Shift+F6 cycle the active child of a
// client; answers TRUE when the message was such a key and was handled.
BOOL TranslateMDISysAccel(HWND client, LPMSG msg);
WORD TileWindows(HWND parent, UINT how, const RECT* rect, UINT count, const HWND* kids);
WORD CascadeWindows(HWND parent, UINT how, const RECT* rect, UINT count, const HWND* kids);
UINT ArrangeIconicWindows(HWND hwnd);
