#include "platform/base/strings.h"

#include <iconv.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace {

// One cached iconv descriptor per direction; the platform runs on one GUI
// thread, tests and tools may use their own threads, so the cache is per thread.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts all of `in`; every unconvertible or truncated input unit of
  // `unitSize` bytes is replaced by `replacement` and skipped. Answers false
  // when a replacement was needed.
  bool Convert(const char* in, std::size_t inBytes, std::size_t unitSize, std::string_view replacement,
               std::string& out) {
    out.clear();
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    bool clean = true;
    char buffer[1024];
    char* src = const_cast<char*>(in);
    std::size_t left = inBytes;
    while (left > 0) {
      char* dst = buffer;
      std::size_t room = sizeof buffer;
      const std::size_t rc = iconv(cd_, &src, &left, &dst, &room);
      out.append(buffer, static_cast<std::size_t>(dst - buffer));
      if (rc != static_cast<std::size_t>(-1)) continue;
      if (errno == E2BIG) continue;
      // EILSEQ or EINVAL: replace one unit and go on after it.
      clean = false;
      out.append(replacement);
      const std::size_t skip = std::min(unitSize, left);
      src += skip;
      left -= skip;
      iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    }
    char* dst = buffer;
    std::size_t room = sizeof buffer;
    iconv(cd_, nullptr, nullptr, &dst, &room);
    out.append(buffer, static_cast<std::size_t>(dst - buffer));
    return clean;
  }

 private:
  iconv_t cd_;
};

constexpr std::string_view kWideQuestion{"?\0", 2};

Converter& AnsiToUtf16() {
  thread_local Converter c("UTF-16LE", "CP936");
  return c;
}
Converter& Utf16ToAnsi() {
  thread_local Converter c("CP936", "UTF-16LE");
  return c;
}
Converter& Utf8ToUtf16() {
  thread_local Converter c("UTF-16LE", "UTF-8");
  return c;
}
Converter& Utf16ToUtf8() {
  thread_local Converter c("UTF-8", "UTF-16LE");
  return c;
}

WideString BytesToWide(const std::string& bytes) {
  WideString wide(bytes.size() / 2, u'\0');
  for (std::size_t i = 0; i < wide.size(); ++i) {
    wide[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                    (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
  }
  return wide;
}

std::string WideToBytes(std::u16string_view wide) {
  std::string bytes(wide.size() * 2, '\0');
  for (std::size_t i = 0; i < wide.size(); ++i) {
    bytes[2 * i] = static_cast<char>(wide[i] & 0xFF);
    bytes[2 * i + 1] = static_cast<char>(wide[i] >> 8);
  }
  return bytes;
}

Converter* ToWideConverter(UINT codePage) {
  switch (codePage) {
    case CP_ACP:
    case CP_OEMCP:
    case CP_GBK:
      return &AnsiToUtf16();
    case CP_UTF8:
      return &Utf8ToUtf16();
    default:
      return nullptr;
  }
}

Converter* FromWideConverter(UINT codePage) {
  switch (codePage) {
    case CP_ACP:
    case CP_OEMCP:
    case CP_GBK:
      return &Utf16ToAnsi();
    case CP_UTF8:
      return &Utf16ToUtf8();
    default:
      return nullptr;
  }
}

}  // namespace

int lstrlenW(LPCWSTR text) {
  if (text == nullptr) return 0;
  int n = 0;
  while (text[n] != 0) ++n;
  return n;
}

int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR source, int sourceBytes, LPWSTR target,
                        int targetChars) {
  Converter* converter = ToWideConverter(codePage);
  if (converter == nullptr || source == nullptr || sourceBytes < -1 || sourceBytes == 0 ||
      targetChars < 0 || (targetChars > 0 && target == nullptr)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  const std::size_t length =
      sourceBytes == -1 ? std::strlen(source) + 1 : static_cast<std::size_t>(sourceBytes);
  std::string bytes;
  const bool clean = converter->Convert(source, length, 1, kWideQuestion, bytes);
  if (!clean && (flags & MB_ERR_INVALID_CHARS) != 0) {
    SetLastError(ERROR_NO_UNICODE_TRANSLATION);
    return 0;
  }
  const WideString wide = BytesToWide(bytes);
  const int needed = static_cast<int>(wide.size());
  if (targetChars == 0) return needed;
  if (needed > targetChars) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  std::memcpy(target, wide.data(), wide.size() * sizeof(WCHAR));
  return needed;
}

int WideCharToMultiByte(UINT codePage, DWORD /*flags*/, LPCWSTR source, int sourceChars, LPSTR target,
                        int targetBytes, LPCSTR defaultChar, BOOL* usedDefaultChar) {
  Converter* converter = FromWideConverter(codePage);
  if (converter == nullptr || source == nullptr || sourceChars < -1 || sourceChars == 0 ||
      targetBytes < 0 || (targetBytes > 0 && target == nullptr) ||
      (codePage == CP_UTF8 && (defaultChar != nullptr || usedDefaultChar != nullptr))) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  const std::size_t length =
      sourceChars == -1 ? static_cast<std::size_t>(lstrlenW(source)) + 1 : static_cast<std::size_t>(sourceChars);
  const std::string input = WideToBytes(std::u16string_view(source, length));
  std::string bytes;
  const std::string_view replacement = defaultChar != nullptr ? std::string_view(defaultChar, 1) : "?";
  const bool clean = converter->Convert(input.data(), input.size(), 2, replacement, bytes);
  if (usedDefaultChar != nullptr) *usedDefaultChar = clean ? FALSE : TRUE;
  const int needed = static_cast<int>(bytes.size());
  if (targetBytes == 0) return needed;
  if (needed > targetBytes) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  std::memcpy(target, bytes.data(), bytes.size());
  return needed;
}

namespace platform {

WideString AnsiToWideString(std::string_view ansi) {
  std::string bytes;
  AnsiToUtf16().Convert(ansi.data(), ansi.size(), 1, kWideQuestion, bytes);
  return BytesToWide(bytes);
}

AnsiString WideToAnsiString(std::u16string_view wide) {
  const std::string input = WideToBytes(wide);
  std::string out;
  Utf16ToAnsi().Convert(input.data(), input.size(), 2, "?", out);
  return out;
}

WideString Utf8ToWideString(std::string_view utf8) {
  std::string bytes;
  Utf8ToUtf16().Convert(utf8.data(), utf8.size(), 1, kWideQuestion, bytes);
  return BytesToWide(bytes);
}

std::string WideToUtf8String(std::u16string_view wide) {
  const std::string input = WideToBytes(wide);
  std::string out;
  Utf16ToUtf8().Convert(input.data(), input.size(), 2, "?", out);
  return out;
}

AnsiString Utf8ToAnsiString(std::string_view utf8) { return WideToAnsiString(Utf8ToWideString(utf8)); }

std::string AnsiToUtf8String(std::string_view ansi) { return WideToUtf8String(AnsiToWideString(ansi)); }

}  // namespace platform

AnsiString operator""_ansi(const char8_t* text, std::size_t length) {
  return platform::Utf8ToAnsiString(std::string_view(reinterpret_cast<const char*>(text), length));
}
