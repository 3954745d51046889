// Where the month calendar's parts lie, from its font and styles; shared by
// painting, hit testing and MCM_GETMINREQRECT.
#pragma once

#include "platform/controls/picker_looks.h"

namespace platform {

struct MonthCalLayout {
  RECT title{};
  RECT previous{};
  RECT next{};
  RECT dayNames{};
  RECT grid{};  // six rows of seven cells
  RECT today{};
  int cellWidth = 0;
  int cellHeight = 0;
  SIZE minimum{};
  RECT Cell(int index) const;  // 0 .. 41, row by row
};

MonthCalLayout LayoutMonthCal(HWND hwnd, HFONT font, DWORD style);

// English names, as the default locale gives them.
const char16_t* MonthName(int month);       // 1 .. 12
const char16_t* WeekdayName(int weekday);   // 0 (Sunday) .. 6
const char16_t* WeekdayAbbreviation(int weekday);
const char16_t* MonthAbbreviation(int month);

}  // namespace platform
