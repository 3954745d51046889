// What the painter is told to draw for month calendars and date-time
// pickers (see their drawing points of ControlPainter).
#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/controls/pickers.h"

namespace platform {

struct MonthCalCell {
  RECT rect{};
  int day = 0;
  bool trailing = false;  // a day of the month before or after, greyed
  bool selected = false;
  bool today = false;
};

struct MonthCalLook {
  RECT client{};
  RECT title{};
  RECT previous{};  // the navigation buttons in the title
  RECT next{};
  RECT dayNames{};  // the row of weekday names, a line under it
  RECT today{};     // the "Today:" line; empty with MCS_NOTODAY
  std::u16string titleText;
  std::u16string todayText;
  std::array<std::u16string, 7> dayNameTexts;
  std::array<RECT, 7> dayNameRects{};
  std::vector<MonthCalCell> cells;  // six weeks
  bool todayCircle = true;
  bool previousPressed = false;
  bool nextPressed = false;
  bool enabled = true;
  HFONT font = nullptr;
  std::array<COLORREF, 6> colours{};  // indexed by MCSC_*
};

// A piece of the picker's text: a field of the date or a literal between.
struct DateTimePiece {
  std::u16string text;
  RECT rect{};
  bool selected = false;
};

struct DateTimeLook {
  RECT client{};
  std::vector<DateTimePiece> pieces;
  HFONT font = nullptr;
  bool enabled = true;
  bool focused = false;
  bool checked = true;  // DTS_SHOWNONE unchecked shows the text greyed
};

}  // namespace platform
