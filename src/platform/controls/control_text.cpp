// Item texts of the common controls, given and answered in either
// character set: a caller's pointer read as wide or ANSI text.
#include <algorithm>
#include <string>

#include "platform/controls/control_data.h"

namespace platform {

std::u16string ItemTextOf(const void* text, bool wide) {
  if (text == nullptr) return {};
  if (wide) return std::u16string(static_cast<const char16_t*>(text));
  const char* ansi = static_cast<const char*>(text);
  const int length = MultiByteToWideChar(CP_ACP, 0, ansi, -1, nullptr, 0);
  if (length <= 1) return {};
  std::u16string result(static_cast<std::size_t>(length), u'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi, -1, result.data(), length);
  result.resize(static_cast<std::size_t>(length) - 1);
  return result;
}

// Copies into a caller's buffer, cut to it; answers the characters (wide)
// or bytes (ANSI) copied.
int CopyItemText(const std::u16string& text, void* target, int capacity, bool wide) {
  if (target == nullptr || capacity <= 0) return 0;
  if (wide) {
    const std::size_t n = std::min(text.size(), static_cast<std::size_t>(capacity) - 1);
    auto* out = static_cast<char16_t*>(target);
    std::copy_n(text.begin(), n, out);
    out[n] = u'\0';
    return static_cast<int>(n);
  }
  const int bytes =
      WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string ansi(static_cast<std::size_t>(std::max(0, bytes)), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), ansi.data(), bytes, nullptr, nullptr);
  std::size_t n = 0;
  while (n < ansi.size()) {
    const std::size_t step = (static_cast<unsigned char>(ansi[n]) >= 0x81 && n + 1 < ansi.size()) ? 2 : 1;
    if (n + step > static_cast<std::size_t>(capacity) - 1) break;
    n += step;
  }
  auto* out = static_cast<char*>(target);
  std::copy_n(ansi.begin(), n, out);
  out[n] = '\0';
  return static_cast<int>(n);
}

}  // namespace platform
