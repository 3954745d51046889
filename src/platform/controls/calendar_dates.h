// Date arithmetic on SYSTEMTIME shared by the month calendar and the
// date-time picker: validity, day numbers, weekdays, moving by days and
// months, and limits.
#pragma once

#include <optional>

#include "platform/controls/pickers.h"

namespace platform::calendar {

// The calendar's earliest date; SYSTEMTIME years run to 9999.
constexpr int kFirstYear = 1601;
constexpr int kLastYear = 9999;

int DaysInMonth(int year, int month);
// A real date (and time of day) in the calendar's years.
bool IsValid(const SYSTEMTIME& st);
// Days since 1899-12-30, the date part only.
int DayNumber(const SYSTEMTIME& st);
// The date of a day number with the time of day of `time`; wDayOfWeek set.
SYSTEMTIME FromDayNumber(int day, const SYSTEMTIME& time = SYSTEMTIME{});
// wDayOfWeek filled from the date.
SYSTEMTIME WithWeekday(SYSTEMTIME st);
// Compares dates only (<0, 0, >0), or dates and times.
int CompareDates(const SYSTEMTIME& a, const SYSTEMTIME& b);
int CompareDateTimes(const SYSTEMTIME& a, const SYSTEMTIME& b);
// `months` later (earlier when negative), the day held to the month's
// length; the year stays in the calendar's years.
SYSTEMTIME AddMonths(const SYSTEMTIME& st, int months);
SYSTEMTIME AddDays(const SYSTEMTIME& st, int days);

// An optional lower and upper limit.
struct DateRange {
  std::optional<SYSTEMTIME> min;
  std::optional<SYSTEMTIME> max;
  bool Holds(const SYSTEMTIME& st, bool withTime) const;
  SYSTEMTIME Clamp(const SYSTEMTIME& st, bool withTime) const;
  // GDTR_MIN | GDTR_MAX as set; fills `limits[0..1]` (zeroed when unset).
  DWORD Get(SYSTEMTIME* limits) const;
  // From GDTR_* flags and two limits; false (and nothing changed) when a
  // given limit is no valid date or the two are crossed.
  bool Set(DWORD which, const SYSTEMTIME* limits);
};

// Today's date from the system clock (tests may fix it), time zeroed.
SYSTEMTIME Today();

}  // namespace platform::calendar
