#include "platform/base/sysutils.h"

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <climits>
#include <cstdio>
#include <filesystem>

namespace {

bool ParseInteger(std::string_view text, int& value) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    negative = text[i] == '-';
    ++i;
  }
  if (i < text.size() && text[i] == '$') {
    ++i;
    if (i == text.size()) return false;
    std::uint64_t v = 0;
    for (; i < text.size(); ++i) {
      const char c = text[i];
      int digit;
      if (c >= '0' && c <= '9') digit = c - '0';
      else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
      else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
      else return false;
      v = (v << 4) | static_cast<unsigned>(digit);
      if (v > 0xFFFFFFFFull) return false;
    }
    std::uint32_t bits = static_cast<std::uint32_t>(v);
    if (negative) bits = 0u - bits;
    value = static_cast<int>(bits);
    return true;
  }
  if (i == text.size()) return false;
  long long v = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c < '0' || c > '9') return false;
    v = v * 10 + (c - '0');
    if (v > static_cast<long long>(INT_MAX) + 1) return false;
  }
  if (negative) v = -v;
  if (v > INT_MAX || v < INT_MIN) return false;
  value = static_cast<int>(v);
  return true;
}

bool IsTrimmed(char c) { return static_cast<unsigned char>(c) <= ' '; }

AnsiString& ModuleFileNameOverride() {
  static AnsiString path;
  return path;
}

}  // namespace

std::uint32_t RandSeed = 0;

void Assert(bool condition, std::string_view message, std::string_view unit, int line) {
  if (condition) return;
  const AnsiString text = message.empty() ? AnsiString("Assertion failure") : AnsiString(message);
  throw EAssertionFailed(text + " (" + AnsiString(unit) + ", line " + IntToStr(line) + ")");
}

bool TryStrToInt(std::string_view text, int& value) { return ParseInteger(text, value); }

int StrToInt(std::string_view text) {
  int value = 0;
  if (!ParseInteger(text, value)) {
    throw EConvertError("'" + AnsiString(text) + "' is not a valid integer value");
  }
  return value;
}

int StrToIntDef(std::string_view text, int fallback) {
  int value = 0;
  return ParseInteger(text, value) ? value : fallback;
}

AnsiString IntToStr(long long value) { return std::to_string(value); }

AnsiString IntToHex(std::uint64_t value, int digits) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%0*llX", digits < 0 ? 0 : digits,
                static_cast<unsigned long long>(value));
  return buffer;
}

AnsiString UpperCase(std::string_view text) {
  AnsiString out(text);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

AnsiString LowerCase(std::string_view text) {
  AnsiString out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

bool SameText(std::string_view a, std::string_view b) { return UpperCase(a) == UpperCase(b); }

AnsiString Trim(std::string_view text) { return TrimRight(TrimLeft(text)); }

AnsiString TrimLeft(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsTrimmed(text[i])) ++i;
  return AnsiString(text.substr(i));
}

AnsiString TrimRight(std::string_view text) {
  std::size_t n = text.size();
  while (n > 0 && IsTrimmed(text[n - 1])) --n;
  return AnsiString(text.substr(0, n));
}

int Pos(std::string_view needle, std::string_view haystack) {
  if (needle.empty()) return 0;
  const std::size_t at = haystack.find(needle);
  return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

void Randomize() {
  const auto now = std::chrono::steady_clock::now().time_since_epoch();
  RandSeed = static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}

int Random(int range) {
  // The run-time library's linear congruential generator.
  RandSeed = RandSeed * 134775813u + 1u;
  if (range <= 0) return 0;
  return static_cast<int>((static_cast<std::uint64_t>(RandSeed) * static_cast<std::uint32_t>(range)) >> 32);
}

AnsiString ExtractFileName(std::string_view path) {
  const std::size_t slash = path.find_last_of('/');
  return AnsiString(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

AnsiString ExtractFilePath(std::string_view path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string_view::npos ? AnsiString() : AnsiString(path.substr(0, slash + 1));
}

bool FileExists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool DirectoryExists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool CreateDir(const std::string& path) { return ::mkdir(path.c_str(), 0777) == 0; }

AnsiString ModuleFileName() {
  if (!ModuleFileNameOverride().empty()) return ModuleFileNameOverride();
  std::error_code error;
  const auto path = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? AnsiString() : path.string();
}

void OverrideModuleFileName(const AnsiString& path) { ModuleFileNameOverride() = path; }
