#include "platform/base/datetime.h"

#include <cmath>
#include <cstdio>
#include <ctime>
#include <sys/time.h>

TFormatSettings FormatSettings;

namespace {

constexpr int kMsPerDay = 24 * 60 * 60 * 1000;

// Days from 0001-01-01 to the given date (proleptic Gregorian calendar).
long DaysFromCivilEpoch(int y, int m, int d) {
  static constexpr int kCumulative[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
  const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
  const long yearsBefore = y - 1;
  long days = yearsBefore * 365 + yearsBefore / 4 - yearsBefore / 100 + yearsBefore / 400;
  days += kCumulative[m - 1] + (leap && m > 2 ? 1 : 0) + d - 1;
  return days;
}

const long kDelphiEpoch = DaysFromCivilEpoch(1899, 12, 30);

std::function<TDateTime()>& ClockOverride() {
  static std::function<TDateTime()> clock;
  return clock;
}

const char* const kShortMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                    "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const char* const kLongMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};
const char* const kShortDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
const char* const kLongDays[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

AnsiString TwoDigits(int v) {
  char b[16];
  std::snprintf(b, sizeof b, "%02d", v);
  return b;
}

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }

std::size_t RunLength(std::string_view f, std::size_t i) {
  std::size_t n = 1;
  while (i + n < f.size() && Upper(f[i + n]) == Upper(f[i])) ++n;
  return n;
}

void Append(AnsiString& out, std::string_view format, TDateTime value, int depth);

void AppendToken(AnsiString& out, char token, std::size_t count, const TDateTimeParts& p, TDateTime value,
                 int depth) {
  switch (token) {
    case 'Y':
      if (count <= 2) out += TwoDigits(p.Year % 100);
      else {
        char b[16];
        std::snprintf(b, sizeof b, "%04d", p.Year);
        out += b;
      }
      break;
    case 'M':
      if (count == 1) out += std::to_string(p.Month);
      else if (count == 2) out += TwoDigits(p.Month);
      else if (count == 3) out += kShortMonths[p.Month - 1];
      else out += kLongMonths[p.Month - 1];
      break;
    case 'D': {
      const int weekday = static_cast<int>((DaysFromCivilEpoch(p.Year, p.Month, p.Day) + 1) % 7);
      if (count == 1) out += std::to_string(p.Day);
      else if (count == 2) out += TwoDigits(p.Day);
      else if (count == 3) out += kShortDays[weekday];
      else if (count == 4) out += kLongDays[weekday];
      else if (count == 5) Append(out, FormatSettings.ShortDateFormat, value, depth + 1);
      else Append(out, FormatSettings.LongDateFormat, value, depth + 1);
      break;
    }
    case 'H':
      out += count == 1 ? std::to_string(p.Hour) : TwoDigits(p.Hour);
      break;
    case 'N':
      out += count == 1 ? std::to_string(p.Minute) : TwoDigits(p.Minute);
      break;
    case 'S':
      out += count == 1 ? std::to_string(p.Second) : TwoDigits(p.Second);
      break;
    case 'Z': {
      char b[16];
      std::snprintf(b, sizeof b, count >= 3 ? "%03d" : "%d", p.Millisecond);
      out += b;
      break;
    }
    default:
      break;
  }
}

void Append(AnsiString& out, std::string_view f, TDateTime value, int depth) {
  if (depth > 2) return;  // formats that name each other must not loop
  const TDateTimeParts p = DecodeDateTime(value);
  char lastToken = ' ';
  std::size_t i = 0;
  while (i < f.size()) {
    const char c = f[i];
    if (c == '\'' || c == '"') {
      const std::size_t close = f.find(c, i + 1);
      const std::size_t end = close == std::string_view::npos ? f.size() : close;
      out.append(f.substr(i + 1, end - i - 1));
      i = end == f.size() ? end : end + 1;
      continue;
    }
    if (c == '/') {
      out += FormatSettings.DateSeparator;
      ++i;
      continue;
    }
    if (c == ':') {
      out += FormatSettings.TimeSeparator;
      ++i;
      continue;
    }
    char token = Upper(c);
    if (token < 'A' || token > 'Z') {
      out += c;
      ++i;
      continue;
    }
    const std::size_t count = RunLength(f, i);
    if (token == 'M' && lastToken == 'H') token = 'N';
    lastToken = token;
    if (token == 'C') {
      Append(out, FormatSettings.ShortDateFormat, value, depth + 1);
      if (p.Hour != 0 || p.Minute != 0 || p.Second != 0 || p.Millisecond != 0) {
        out += ' ';
        Append(out, FormatSettings.LongTimeFormat, value, depth + 1);
      }
    } else if (token == 'Y' || token == 'M' || token == 'D' || token == 'H' || token == 'N' || token == 'S' ||
               token == 'Z') {
      AppendToken(out, token, count, p, value, depth);
    } else {
      out.append(f.substr(i, count));
    }
    i += count;
  }
}

}  // namespace

TDateTime EncodeDateTime(const TDateTimeParts& parts) {
  const long days = DaysFromCivilEpoch(parts.Year, parts.Month, parts.Day) - kDelphiEpoch;
  const long ms = ((parts.Hour * 60L + parts.Minute) * 60L + parts.Second) * 1000L + parts.Millisecond;
  return static_cast<double>(days) + static_cast<double>(ms) / kMsPerDay;
}

TDateTimeParts DecodeDateTime(TDateTime value) {
  // Round to whole milliseconds first so that 23:59:59.9995 does not print as 24:00.
  const long long totalMs = std::llround(value * kMsPerDay);
  long long days = totalMs / kMsPerDay;
  long long ms = totalMs % kMsPerDay;
  if (ms < 0) {
    ms += kMsPerDay;
    --days;
  }
  TDateTimeParts p;
  // Civil date from days since 0001-01-01.
  long long n = days + kDelphiEpoch;
  const long long n400 = n / 146097;
  n %= 146097;
  long long n100 = n / 36524;
  if (n100 == 4) n100 = 3;
  n -= n100 * 36524;
  const long long n4 = n / 1461;
  n %= 1461;
  long long n1 = n / 365;
  if (n1 == 4) n1 = 3;
  n -= n1 * 365;
  p.Year = static_cast<int>(n400 * 400 + n100 * 100 + n4 * 4 + n1 + 1);
  const bool leap = (p.Year % 4 == 0 && p.Year % 100 != 0) || p.Year % 400 == 0;
  const int monthDays[] = {31, leap ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  int month = 0;
  while (n >= monthDays[month]) n -= monthDays[month++];
  p.Month = month + 1;
  p.Day = static_cast<int>(n) + 1;
  p.Hour = static_cast<int>(ms / 3600000);
  p.Minute = static_cast<int>(ms / 60000 % 60);
  p.Second = static_cast<int>(ms / 1000 % 60);
  p.Millisecond = static_cast<int>(ms % 1000);
  return p;
}

TDateTime Now() {
  if (ClockOverride()) return ClockOverride()();
  timeval tv{};
  gettimeofday(&tv, nullptr);
  std::tm local{};
  const time_t seconds = tv.tv_sec;
  localtime_r(&seconds, &local);
  return EncodeDateTime({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                         local.tm_sec, static_cast<int>(tv.tv_usec / 1000)});
}

TDateTime Date() { return std::floor(Now()); }

void OverrideClock(std::function<TDateTime()> clock) { ClockOverride() = std::move(clock); }

AnsiString FormatDateTime(std::string_view format, TDateTime value) {
  AnsiString out;
  Append(out, format, value, 0);
  return out;
}

AnsiString DateTimeToStr(TDateTime value) { return FormatDateTime("c", value); }
