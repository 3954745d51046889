// The clipboard: one set of data in several formats, owned by the window that
// last emptied it. Text formats convert into each other when asked (CF_TEXT
// in the ANSI code page, CF_OEMTEXT, CF_UNICODETEXT), and text travels
// through the display's clipboard, so that other programs see it.
#pragma once

#include "platform/base/global_memory.h"

constexpr UINT CF_TEXT = 1;
constexpr UINT CF_BITMAP = 2;
constexpr UINT CF_OEMTEXT = 7;
constexpr UINT CF_DIB = 8;
constexpr UINT CF_UNICODETEXT = 13;
constexpr UINT CF_LOCALE = 16;

constexpr UINT WM_RENDERFORMAT = 0x0305;
constexpr UINT WM_RENDERALLFORMATS = 0x0306;
constexpr UINT WM_DESTROYCLIPBOARD = 0x0307;

constexpr DWORD ERROR_ACCESS_DENIED = 5;
constexpr DWORD ERROR_CLIPBOARD_NOT_OPEN = 1418;

BOOL OpenClipboard(HWND newOwner);
BOOL CloseClipboard();
BOOL EmptyClipboard();
// Takes ownership of `memory`; null announces the format for rendering on
// request (WM_RENDERFORMAT to the owner).
HANDLE SetClipboardData(UINT format, HANDLE memory);
// The data stays the clipboard's: callers lock it, never free it.
HANDLE GetClipboardData(UINT format);
BOOL IsClipboardFormatAvailable(UINT format);
int CountClipboardFormats();
UINT EnumClipboardFormats(UINT format);
HWND GetClipboardOwner();
HWND GetOpenClipboardWindow();
