// The run-time helpers the system's code is written against: exceptions with a
// message, strict integer conversion, hex formatting, case and trimming of
// 8-bit text, the pseudo-random generator, and file-name helpers.
#pragma once

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

#include "platform/base/strings.h"

// Base of every error the system raises; carries a message in 8-bit text.
class Exception : public std::exception {
 public:
  explicit Exception(AnsiString message) : message_(std::move(message)) {}
  const AnsiString& Message() const { return message_; }
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  AnsiString message_;
};

// A text that is not a valid number ("'%s' is not a valid integer value").
class EConvertError : public Exception {
 public:
  using Exception::Exception;
};

// A broken assertion: the message, the source unit and the line, as the
// run-time library reports it ("message (unit.pas, line N)").
class EAssertionFailed : public Exception {
 public:
  using Exception::Exception;
};

// Raises EAssertionFailed when `condition` is false. An empty message reads
// "Assertion failure".
void Assert(bool condition, std::string_view message, std::string_view unit, int line);

// Integer conversion as the run-time library's: leading blanks, an optional
// sign, then decimal digits or "$" and hexadecimal digits, nothing after them.
// Hexadecimal values wrap to 32 bits ("$FFFFFFFF" is -1); decimal values out of
// range are invalid. Raises EConvertError with the text quoted.
int StrToInt(std::string_view text);
// The same conversion, answering false instead of raising.
bool TryStrToInt(std::string_view text, int& value);
// As StrToInt, with `fallback` for invalid text.
int StrToIntDef(std::string_view text, int fallback);

AnsiString IntToStr(long long value);
// Upper-case hexadecimal, at least `digits` digits, zero-padded.
AnsiString IntToHex(std::uint64_t value, int digits);

// Case mapping of ASCII letters only, leaving every other byte (including the
// bytes of double-byte characters) as it is.
AnsiString UpperCase(std::string_view text);
AnsiString LowerCase(std::string_view text);
bool SameText(std::string_view a, std::string_view b);
// Removes leading and trailing characters at or below the blank (control
// characters included), as the run-time library's Trim does.
AnsiString Trim(std::string_view text);
AnsiString TrimLeft(std::string_view text);
AnsiString TrimRight(std::string_view text);
// 1-based position of `needle` in `haystack`, 0 when absent.
int Pos(std::string_view needle, std::string_view haystack);

// The run-time library's generator: Randomize seeds it from the clock,
// Random(n) draws 0..n-1 uniformly.
void Randomize();
int Random(int range);
extern std::uint32_t RandSeed;

// File names with '/' as the separator.
AnsiString ExtractFileName(std::string_view path);
AnsiString ExtractFilePath(std::string_view path);  // with the trailing '/'
bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
bool CreateDir(const std::string& path);

// The running executable's full path ("ParamStr(0)"). Tests may pretend that
// the executable lives elsewhere; an empty path restores the real one.
AnsiString ModuleFileName();
void OverrideModuleFileName(const AnsiString& path);
