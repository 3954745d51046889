// Text helpers of the painters: wide drawing on the NT family, ANSI drawing
// on the 9x family, and conversions.
#include "platform/user/user.h"
#include "skin/WinSkinData.h"

int SkinDrawText(HDC dc, const WideString& text, RECT* rect, UINT format) {
  // The top bit of the version word marks the 9x family.
  if ((GetVersion() & 0x80000000u) == 0) {
    return DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), rect, format);
  }
  const AnsiString ansi = platform::WideToAnsiString(text);
  return DrawTextA(dc, ansi.c_str(), -1, rect, format);
}

WideString AnsiToWide(const AnsiString& text) {
  if (text.empty()) return {};
  const int length = MultiByteToWideChar(0, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  WideString wide(static_cast<std::size_t>(length), u'\0');
  MultiByteToWideChar(0, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

WideString WideLeft(const WCHAR* text, int count) {
  if (text == nullptr) return {};
  // Never past the terminator, whatever the count.
  const int length = lstrlenW(text);
  return WideString(text, static_cast<std::size_t>(count < 0 || count > length ? length : count));
}
