// Win32's basic types, handle types and small value helpers, with Win32's
// names and sizes (LONG and DWORD are 32 bits as on Windows).
#pragma once

#include <cstddef>
#include <cstdint>

using BOOL = int;
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = unsigned int;
using INT = int;
using LONG = std::int32_t;
using ULONG = std::uint32_t;
using SHORT = std::int16_t;
using USHORT = std::uint16_t;
using LONGLONG = std::int64_t;
using ULONGLONG = std::uint64_t;
using LONG_PTR = std::intptr_t;
using ULONG_PTR = std::uintptr_t;
using INT_PTR = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using DWORD_PTR = std::uintptr_t;
using WPARAM = UINT_PTR;
using LPARAM = LONG_PTR;
using LRESULT = LONG_PTR;
using ATOM = WORD;
using COLORREF = DWORD;

using CHAR = char;
using WCHAR = char16_t;
using LPSTR = char*;
using LPCSTR = const char*;
using LPWSTR = WCHAR*;
using LPCWSTR = const WCHAR*;
using LPVOID = void*;
using LPCVOID = const void*;
using HANDLE = void*;

constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;

// Distinct opaque handle types, as Win32's STRICT declarations make them.
#define BRELLIS_DECLARE_HANDLE(name) \
  struct name##__;                   \
  using name = name##__*

BRELLIS_DECLARE_HANDLE(HWND);
BRELLIS_DECLARE_HANDLE(HDC);
BRELLIS_DECLARE_HANDLE(HBITMAP);
BRELLIS_DECLARE_HANDLE(HBRUSH);
BRELLIS_DECLARE_HANDLE(HPEN);
BRELLIS_DECLARE_HANDLE(HFONT);
BRELLIS_DECLARE_HANDLE(HRGN);
BRELLIS_DECLARE_HANDLE(HPALETTE);
BRELLIS_DECLARE_HANDLE(HICON);
BRELLIS_DECLARE_HANDLE(HMENU);
BRELLIS_DECLARE_HANDLE(HHOOK);
BRELLIS_DECLARE_HANDLE(HINSTANCE);
BRELLIS_DECLARE_HANDLE(HIMAGELIST);
// A window procedure is an opaque handle to a callable (see the window manager).
BRELLIS_DECLARE_HANDLE(WNDPROC);

#undef BRELLIS_DECLARE_HANDLE

using HMODULE = HINSTANCE;
using HCURSOR = HICON;
// Any GDI object; every GDI handle type converts to it, as under STRICT.
using HGDIOBJ = void*;

struct POINT {
  LONG x = 0;
  LONG y = 0;
  friend bool operator==(const POINT&, const POINT&) = default;
};

struct SIZE {
  LONG cx = 0;
  LONG cy = 0;
  friend bool operator==(const SIZE&, const SIZE&) = default;
};

struct RECT {
  LONG left = 0;
  LONG top = 0;
  LONG right = 0;
  LONG bottom = 0;
  friend bool operator==(const RECT&, const RECT&) = default;
};

using LPRECT = RECT*;
using LPCRECT = const RECT*;
using LPPOINT = POINT*;

struct POINTS {
  SHORT x = 0;
  SHORT y = 0;
};

constexpr WORD LOWORD(DWORD_PTR v) { return static_cast<WORD>(v & 0xFFFF); }
constexpr WORD HIWORD(DWORD_PTR v) { return static_cast<WORD>((v >> 16) & 0xFFFF); }
constexpr BYTE LOBYTE(DWORD_PTR v) { return static_cast<BYTE>(v & 0xFF); }
constexpr BYTE HIBYTE(DWORD_PTR v) { return static_cast<BYTE>((v >> 8) & 0xFF); }
constexpr DWORD MAKELONG(WORD low, WORD high) { return DWORD(low) | (DWORD(high) << 16); }
constexpr WPARAM MAKEWPARAM(WORD low, WORD high) { return MAKELONG(low, high); }
constexpr LPARAM MAKELPARAM(WORD low, WORD high) { return static_cast<LPARAM>(MAKELONG(low, high)); }
constexpr LRESULT MAKELRESULT(WORD low, WORD high) { return static_cast<LRESULT>(MAKELONG(low, high)); }
// Signed coordinates packed into an lParam.
constexpr int GET_X_LPARAM(LPARAM lp) { return static_cast<SHORT>(LOWORD(static_cast<DWORD_PTR>(lp))); }
constexpr int GET_Y_LPARAM(LPARAM lp) { return static_cast<SHORT>(HIWORD(static_cast<DWORD_PTR>(lp))); }

constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b) { return COLORREF(r) | (COLORREF(g) << 8) | (COLORREF(b) << 16); }
constexpr BYTE GetRValue(COLORREF c) { return static_cast<BYTE>(c & 0xFF); }
constexpr BYTE GetGValue(COLORREF c) { return static_cast<BYTE>((c >> 8) & 0xFF); }
constexpr BYTE GetBValue(COLORREF c) { return static_cast<BYTE>((c >> 16) & 0xFF); }
constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

// Win32 error codes kept by GetLastError.
constexpr DWORD ERROR_SUCCESS = 0;
constexpr DWORD ERROR_FILE_NOT_FOUND = 2;
constexpr DWORD ERROR_NOT_ENOUGH_MEMORY = 8;
constexpr DWORD ERROR_INVALID_DATA = 13;
constexpr DWORD ERROR_INVALID_PARAMETER = 87;
constexpr DWORD ERROR_INSUFFICIENT_BUFFER = 122;
constexpr DWORD ERROR_NO_UNICODE_TRANSLATION = 1113;
constexpr DWORD ERROR_INVALID_WINDOW_HANDLE = 1400;
constexpr DWORD ERROR_INVALID_HANDLE = 6;

DWORD GetLastError();
void SetLastError(DWORD error);
