// The system's two kinds of text and the conversions between them.
//
// AnsiString is the program's 8-bit text: bytes in code page 936 (GBK, a
// superset of GB2312), which is CP_ACP here. WideString is UTF-16, as windows
// keep their text. Source files are UTF-8; a Chinese literal of the program's
// own text is written u8"提示信息"_ansi and converted to code page 936 on use,
// one mechanism for g++ and clang alike.
#pragma once

#include <string>
#include <string_view>

#include "platform/base/types.h"

using AnsiString = std::string;
using WideString = std::u16string;

constexpr UINT CP_ACP = 0;
constexpr UINT CP_OEMCP = 1;
constexpr UINT CP_GBK = 936;
constexpr UINT CP_UTF8 = 65001;

constexpr DWORD MB_ERR_INVALID_CHARS = 0x08;
constexpr DWORD WC_NO_BEST_FIT_CHARS = 0x400;

// As on Windows: a source length of -1 means "up to and including the
// terminating zero"; an output size of 0 asks for the size needed. Answers the
// number of units written (or needed), 0 on failure with GetLastError set.
int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR source, int sourceBytes, LPWSTR target,
                        int targetChars);
int WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR source, int sourceChars, LPSTR target,
                        int targetBytes, LPCSTR defaultChar, BOOL* usedDefaultChar);

int lstrlenW(LPCWSTR text);

namespace platform {

// Whole-string conversions. Bytes that are not valid in the source encoding
// become '?' (U+003F); characters that code page 936 cannot hold become '?'.
WideString AnsiToWideString(std::string_view ansi);
AnsiString WideToAnsiString(std::u16string_view wide);
WideString Utf8ToWideString(std::string_view utf8);
std::string WideToUtf8String(std::u16string_view wide);
AnsiString Utf8ToAnsiString(std::string_view utf8);
std::string AnsiToUtf8String(std::string_view ansi);

}  // namespace platform

// u8"提示信息"_ansi: the program's 8-bit text for a UTF-8 source literal.
AnsiString operator""_ansi(const char8_t* text, std::size_t length);
