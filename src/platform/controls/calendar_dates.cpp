// Date arithmetic of the calendar controls, on the run-time library's day
// numbers.
#include "platform/controls/calendar_dates.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include "platform/base/datetime.h"

namespace platform::calendar {

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

bool IsValid(const SYSTEMTIME& st) {
  return st.wYear >= kFirstYear && st.wYear <= kLastYear && st.wMonth >= 1 && st.wMonth <= 12 && st.wDay >= 1 &&
         st.wDay <= DaysInMonth(st.wYear, st.wMonth) && st.wHour < 24 && st.wMinute < 60 && st.wSecond < 60 &&
         st.wMilliseconds < 1000;
}

int DayNumber(const SYSTEMTIME& st) {
  return static_cast<int>(std::lround(EncodeDateTime({st.wYear, st.wMonth, st.wDay})));
}

SYSTEMTIME FromDayNumber(int day, const SYSTEMTIME& time) {
  const TDateTimeParts parts = DecodeDateTime(static_cast<double>(day));
  SYSTEMTIME st = time;
  st.wYear = static_cast<WORD>(std::clamp(parts.Year, kFirstYear, kLastYear));
  st.wMonth = static_cast<WORD>(parts.Month);
  st.wDay = static_cast<WORD>(parts.Day);
  return WithWeekday(st);
}

SYSTEMTIME WithWeekday(SYSTEMTIME st) {
  // Day 0, 1899-12-30, was a Saturday.
  st.wDayOfWeek = static_cast<WORD>(((DayNumber(st) + 6) % 7 + 7) % 7);
  return st;
}

int CompareDates(const SYSTEMTIME& a, const SYSTEMTIME& b) {
  const auto key = [](const SYSTEMTIME& s) { return std::make_tuple(s.wYear, s.wMonth, s.wDay); };
  return key(a) < key(b) ? -1 : key(b) < key(a) ? 1 : 0;
}

int CompareDateTimes(const SYSTEMTIME& a, const SYSTEMTIME& b) {
  if (const int dates = CompareDates(a, b); dates != 0) return dates;
  const auto key = [](const SYSTEMTIME& s) { return std::make_tuple(s.wHour, s.wMinute, s.wSecond); };
  return key(a) < key(b) ? -1 : key(b) < key(a) ? 1 : 0;
}

SYSTEMTIME AddMonths(const SYSTEMTIME& st, int months) {
  const int total = std::clamp(st.wYear * 12 + (st.wMonth - 1) + months, kFirstYear * 12, kLastYear * 12 + 11);
  SYSTEMTIME out = st;
  out.wYear = static_cast<WORD>(total / 12);
  out.wMonth = static_cast<WORD>(total % 12 + 1);
  out.wDay = static_cast<WORD>(std::min<int>(st.wDay, DaysInMonth(out.wYear, out.wMonth)));
  return WithWeekday(out);
}

SYSTEMTIME AddDays(const SYSTEMTIME& st, int days) {
  const SYSTEMTIME first{kFirstYear, 1, 0, 1, 0, 0, 0, 0};
  const SYSTEMTIME last{kLastYear, 12, 0, 31, 0, 0, 0, 0};
  return FromDayNumber(std::clamp(DayNumber(st) + days, DayNumber(first), DayNumber(last)), st);
}

bool DateRange::Holds(const SYSTEMTIME& st, bool withTime) const {
  const auto compare = withTime ? CompareDateTimes : CompareDates;
  return !(min && compare(st, *min) < 0) && !(max && compare(st, *max) > 0);
}

SYSTEMTIME DateRange::Clamp(const SYSTEMTIME& st, bool withTime) const {
  const auto compare = withTime ? CompareDateTimes : CompareDates;
  if (min && compare(st, *min) < 0) return WithWeekday(*min);
  if (max && compare(st, *max) > 0) return WithWeekday(*max);
  return st;
}

DWORD DateRange::Get(SYSTEMTIME* limits) const {
  limits[0] = min.value_or(SYSTEMTIME{});
  limits[1] = max.value_or(SYSTEMTIME{});
  return (min ? GDTR_MIN : 0) | (max ? GDTR_MAX : 0);
}

bool DateRange::Set(DWORD which, const SYSTEMTIME* limits) {
  if (limits == nullptr && (which & (GDTR_MIN | GDTR_MAX))) return false;
  if ((which & GDTR_MIN) && !IsValid(limits[0])) return false;
  if ((which & GDTR_MAX) && !IsValid(limits[1])) return false;
  if ((which & GDTR_MIN) && (which & GDTR_MAX) && CompareDateTimes(limits[0], limits[1]) > 0) return false;
  min.reset();
  max.reset();
  if (which & GDTR_MIN) min = WithWeekday(limits[0]);
  if (which & GDTR_MAX) max = WithWeekday(limits[1]);
  return true;
}

SYSTEMTIME Today() {
  const TDateTimeParts parts = DecodeDateTime(Date());
  SYSTEMTIME st{};
  st.wYear = static_cast<WORD>(std::clamp(parts.Year, kFirstYear, kLastYear));
  st.wMonth = static_cast<WORD>(parts.Month);
  st.wDay = static_cast<WORD>(parts.Day);
  return WithWeekday(st);
}

}  // namespace platform::calendar
