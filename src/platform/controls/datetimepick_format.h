// The date-time picker's format strings ("yyyy-MM-dd", "HH:mm:ss",
// "dddd, MMMM dd, yyyy", literals in single quotes) split into fields and
// literals, each field shown and stepped on its own.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/controls/pickers.h"

namespace platform {

enum class DateField { Literal, Year, Month, Day, Weekday, Hour12, Hour24, Minute, Second, AmPm };

struct FormatPiece {
  DateField field = DateField::Literal;
  int letters = 0;  // how many letters named the field ("MMM": 3)
  std::u16string literal;
};

std::vector<FormatPiece> ParseDateTimeFormat(std::u16string_view format);

// The formats of DTS_SHORTDATEFORMAT, DTS_LONGDATEFORMAT,
// DTS_SHORTDATECENTURYFORMAT and DTS_TIMEFORMAT in the default locale.
std::u16string DefaultDateTimeFormat(DWORD style);

std::u16string PieceText(const FormatPiece& piece, const SYSTEMTIME& st);

// Fields the user can select and change (the weekday follows the date).
bool IsEditable(DateField field);

// `st` with the field moved by `delta`, wrapping inside the field (the
// day inside its month, the hour inside the day); the year stops at the
// calendar's ends.
SYSTEMTIME StepField(const SYSTEMTIME& st, DateField field, int delta);

// The field set to a typed value; false when the value does not fit it.
bool SetField(SYSTEMTIME& st, DateField field, int value);

// How many digits a typed value of the field has at most.
int FieldDigits(DateField field);

}  // namespace platform
