// The month calendar's geometry: a title with the navigation buttons, the
// weekday names, six weeks of days and the "Today:" line, sized from the
// font so that the widest weekday name fits a cell.
#include "platform/controls/monthcal_layout.h"

#include <algorithm>

#include "platform/controls/classic_look.h"

namespace platform {
namespace {

constexpr int kMargin = 6;

}  // namespace

const char16_t* MonthName(int month) {
  static constexpr const char16_t* kNames[] = {u"January", u"February", u"March",     u"April",
                                               u"May",     u"June",     u"July",      u"August",
                                               u"September", u"October", u"November", u"December"};
  return kNames[std::clamp(month, 1, 12) - 1];
}

const char16_t* MonthAbbreviation(int month) {
  static constexpr const char16_t* kNames[] = {u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun",
                                               u"Jul", u"Aug", u"Sep", u"Oct", u"Nov", u"Dec"};
  return kNames[std::clamp(month, 1, 12) - 1];
}

const char16_t* WeekdayName(int weekday) {
  static constexpr const char16_t* kNames[] = {u"Sunday",   u"Monday", u"Tuesday", u"Wednesday",
                                               u"Thursday", u"Friday", u"Saturday"};
  return kNames[std::clamp(weekday, 0, 6)];
}

const char16_t* WeekdayAbbreviation(int weekday) {
  static constexpr const char16_t* kNames[] = {u"Sun", u"Mon", u"Tue", u"Wed", u"Thu", u"Fri", u"Sat"};
  return kNames[std::clamp(weekday, 0, 6)];
}

RECT MonthCalLayout::Cell(int index) const {
  const int x = grid.left + (index % 7) * cellWidth;
  const int y = grid.top + (index / 7) * cellHeight;
  return RECT{x, y, x + cellWidth, y + cellHeight};
}

MonthCalLayout LayoutMonthCal(HWND hwnd, HFONT font, DWORD style) {
  HDC dc = GetDC(hwnd);
  HGDIOBJ previous = SelectObject(dc, font);
  SIZE digits{};
  GetTextExtentPoint32W(dc, u"00", 2, &digits);
  int widest = digits.cx;
  for (int day = 0; day < 7; ++day) {
    SIZE name{};
    GetTextExtentPoint32W(dc, WeekdayAbbreviation(day), 3, &name);
    widest = std::max<int>(widest, name.cx);
  }
  SelectObject(dc, previous);
  ReleaseDC(hwnd, dc);

  MonthCalLayout l;
  const int textHeight = std::max<int>(digits.cy, 8);
  l.cellWidth = widest + 6;
  l.cellHeight = textHeight + 3;
  const int width = 2 * kMargin + 7 * l.cellWidth;
  const int titleHeight = textHeight + 10;
  l.title = RECT{0, 0, width, titleHeight};
  const int button = titleHeight - 6;
  l.previous = RECT{4, 3, 4 + button, 3 + button};
  l.next = RECT{width - 4 - button, 3, width - 4, 3 + button};
  l.dayNames = RECT{kMargin, titleHeight + 2, width - kMargin, titleHeight + 2 + l.cellHeight + 1};
  l.grid = RECT{kMargin, l.dayNames.bottom + 2, width - kMargin, l.dayNames.bottom + 2 + 6 * l.cellHeight};
  int bottom = l.grid.bottom;
  if (!(style & MCS_NOTODAY)) {
    l.today = RECT{kMargin, l.grid.bottom + 2, width - kMargin, l.grid.bottom + 4 + l.cellHeight};
    bottom = l.today.bottom;
  }
  l.minimum = SIZE{width, bottom + 4};
  return l;
}

}  // namespace platform
