// Format strings of the date-time picker and the arithmetic of its fields.
#include "platform/controls/datetimepick_format.h"

#include <algorithm>

#include "platform/base/strings.h"
#include "platform/controls/calendar_dates.h"
#include "platform/controls/monthcal_layout.h"

namespace platform {
namespace {

DateField FieldOf(char16_t letter, int count) {
  switch (letter) {
    case u'y': return DateField::Year;
    case u'M': return DateField::Month;
    case u'd': return count >= 3 ? DateField::Weekday : DateField::Day;
    case u'h': return DateField::Hour12;
    case u'H': return DateField::Hour24;
    case u'm': return DateField::Minute;
    case u's': return DateField::Second;
    case u't': return DateField::AmPm;
    default: return DateField::Literal;
  }
}

void AddLiteral(std::vector<FormatPiece>& pieces, std::u16string_view text) {
  if (text.empty()) return;
  if (pieces.empty() || pieces.back().field != DateField::Literal) pieces.push_back(FormatPiece{});
  pieces.back().literal += text;
}

std::u16string Number(int value, int width) {
  std::u16string text = Utf8ToWideString(std::to_string(value));
  while (static_cast<int>(text.size()) < width) text.insert(text.begin(), u'0');
  return text;
}

int Wrap(int value, int low, int high) {
  const int span = high - low + 1;
  return low + ((value - low) % span + span) % span;
}

}  // namespace

std::vector<FormatPiece> ParseDateTimeFormat(std::u16string_view format) {
  std::vector<FormatPiece> pieces;
  for (std::size_t i = 0; i < format.size();) {
    const char16_t c = format[i];
    if (c == u'\'') {
      // A quoted literal; two quotes stand for one.
      std::size_t end = i + 1;
      std::u16string text;
      while (end < format.size()) {
        if (format[end] == u'\'') {
          if (end + 1 < format.size() && format[end + 1] == u'\'') {
            text += u'\'';
            end += 2;
            continue;
          }
          break;
        }
        text += format[end++];
      }
      // Two quotes outside a literal stand for one too.
      AddLiteral(pieces, end == i + 1 && end < format.size() ? std::u16string(u"'") : text);
      i = std::min(end + 1, format.size());
      continue;
    }
    std::size_t run = i;
    while (run < format.size() && format[run] == c) ++run;
    const int count = static_cast<int>(run - i);
    const DateField field = FieldOf(c, count);
    if (field == DateField::Literal) {
      AddLiteral(pieces, format.substr(i, run - i));
    } else {
      pieces.push_back(FormatPiece{field, std::min(count, field == DateField::Year ? 5 : 4), {}});
    }
    i = run;
  }
  return pieces;
}

std::u16string DefaultDateTimeFormat(DWORD style) {
  if ((style & DTS_TIMEFORMAT) == DTS_TIMEFORMAT) return u"h:mm:ss tt";
  if ((style & DTS_SHORTDATECENTURYFORMAT) == DTS_SHORTDATECENTURYFORMAT) return u"M/d/yyyy";
  if (style & DTS_LONGDATEFORMAT) return u"dddd, MMMM dd, yyyy";
  return u"M/d/yyyy";
}

std::u16string PieceText(const FormatPiece& piece, const SYSTEMTIME& st) {
  const int n = piece.letters;
  switch (piece.field) {
    case DateField::Literal: return piece.literal;
    case DateField::Year:
      if (n == 1) return Number(st.wYear % 10, 1);
      if (n == 2) return Number(st.wYear % 100, 2);
      return Number(st.wYear, 4);
    case DateField::Month:
      if (n >= 4) return MonthName(st.wMonth);
      if (n == 3) return MonthAbbreviation(st.wMonth);
      return Number(st.wMonth, n);
    case DateField::Day: return Number(st.wDay, n);
    case DateField::Weekday:
      return n >= 4 ? WeekdayName(st.wDayOfWeek) : WeekdayAbbreviation(st.wDayOfWeek);
    case DateField::Hour12: return Number(st.wHour % 12 == 0 ? 12 : st.wHour % 12, std::min(n, 2));
    case DateField::Hour24: return Number(st.wHour, std::min(n, 2));
    case DateField::Minute: return Number(st.wMinute, std::min(n, 2));
    case DateField::Second: return Number(st.wSecond, std::min(n, 2));
    case DateField::AmPm: {
      const std::u16string marker = st.wHour < 12 ? u"AM" : u"PM";
      return n == 1 ? marker.substr(0, 1) : marker;
    }
  }
  return {};
}

bool IsEditable(DateField field) { return field != DateField::Literal && field != DateField::Weekday; }

SYSTEMTIME StepField(const SYSTEMTIME& st, DateField field, int delta) {
  SYSTEMTIME out = st;
  switch (field) {
    case DateField::Year:
      out.wYear = static_cast<WORD>(std::clamp(st.wYear + delta, calendar::kFirstYear, calendar::kLastYear));
      break;
    case DateField::Month: out.wMonth = static_cast<WORD>(Wrap(st.wMonth + delta, 1, 12)); break;
    case DateField::Day:
      out.wDay = static_cast<WORD>(Wrap(st.wDay + delta, 1, calendar::DaysInMonth(st.wYear, st.wMonth)));
      break;
    case DateField::Hour12:
    case DateField::Hour24: out.wHour = static_cast<WORD>(Wrap(st.wHour + delta, 0, 23)); break;
    case DateField::Minute: out.wMinute = static_cast<WORD>(Wrap(st.wMinute + delta, 0, 59)); break;
    case DateField::Second: out.wSecond = static_cast<WORD>(Wrap(st.wSecond + delta, 0, 59)); break;
    case DateField::AmPm: out.wHour = static_cast<WORD>((st.wHour + 12) % 24); break;
    case DateField::Literal:
    case DateField::Weekday: break;
  }
  out.wDay = static_cast<WORD>(std::min<int>(out.wDay, calendar::DaysInMonth(out.wYear, out.wMonth)));
  return calendar::WithWeekday(out);
}

bool SetField(SYSTEMTIME& st, DateField field, int value) {
  SYSTEMTIME out = st;
  switch (field) {
    case DateField::Year:
      if (value < calendar::kFirstYear || value > calendar::kLastYear) return false;
      out.wYear = static_cast<WORD>(value);
      break;
    case DateField::Month:
      if (value < 1 || value > 12) return false;
      out.wMonth = static_cast<WORD>(value);
      break;
    case DateField::Day:
      if (value < 1 || value > calendar::DaysInMonth(st.wYear, st.wMonth)) return false;
      out.wDay = static_cast<WORD>(value);
      break;
    case DateField::Hour12:
      if (value < 1 || value > 12) return false;
      out.wHour = static_cast<WORD>(value % 12 + (st.wHour >= 12 ? 12 : 0));
      break;
    case DateField::Hour24:
      if (value > 23) return false;
      out.wHour = static_cast<WORD>(value);
      break;
    case DateField::Minute:
    case DateField::Second:
      if (value > 59) return false;
      (field == DateField::Minute ? out.wMinute : out.wSecond) = static_cast<WORD>(value);
      break;
    case DateField::Literal:
    case DateField::Weekday:
    case DateField::AmPm: return false;
  }
  out.wDay = static_cast<WORD>(std::min<int>(out.wDay, calendar::DaysInMonth(out.wYear, out.wMonth)));
  st = calendar::WithWeekday(out);
  return true;
}

int FieldDigits(DateField field) {
  switch (field) {
    case DateField::Year: return 4;
    case DateField::Literal:
    case DateField::Weekday:
    case DateField::AmPm: return 0;
    default: return 2;
  }
}

}  // namespace platform
