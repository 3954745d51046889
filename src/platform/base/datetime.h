// Dates and times as the run-time library keeps them: a TDateTime is the
// number of days since 1899-12-30, the time of day in its fraction. The
// process-wide format settings drive the default conversion DateTimeToStr.
#pragma once

#include <functional>
#include <string_view>

#include "platform/base/strings.h"

using TDateTime = double;

struct TFormatSettings {
  char DateSeparator = '/';
  AnsiString ShortDateFormat = "M/d/yyyy";
  AnsiString LongDateFormat = "dddd, MMMM d, yyyy";
  char TimeSeparator = ':';
  AnsiString ShortTimeFormat = "h:mm";
  AnsiString LongTimeFormat = "h:mm:ss";
};

// The process-wide settings; the program fixes them once at start.
extern TFormatSettings FormatSettings;

struct TDateTimeParts {
  int Year = 1899;
  int Month = 12;
  int Day = 30;
  int Hour = 0;
  int Minute = 0;
  int Second = 0;
  int Millisecond = 0;
};

TDateTime EncodeDateTime(const TDateTimeParts& parts);
TDateTimeParts DecodeDateTime(TDateTime value);

// The local date and time. Tests may fix the clock; an empty function
// restores the real one.
TDateTime Now();
TDateTime Date();
void OverrideClock(std::function<TDateTime()> clock);

// Formats with the run-time library's specifiers, case-insensitive: c, d, dd,
// ddd, dddd, m, mm, mmm, mmmm, yy, yyyy, h, hh, n, nn, s, ss, z, zzz, "/" (date
// separator), ":" (time separator), and quoted literals. An "m" right after an
// hour specifier means minutes, as in "HH:mm:ss".
AnsiString FormatDateTime(std::string_view format, TDateTime value);

// The default conversion: the short date, a blank and the long time; a time of
// exactly midnight is left out.
AnsiString DateTimeToStr(TDateTime value);
