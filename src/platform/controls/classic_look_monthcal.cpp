// The classic look of the month calendar: a caption-coloured title with
// the month and year between two arrow buttons, the weekday names over a
// line, the days with the trailing ones greyed, the selected day filled in
// the title colour, today framed in red, and the "Today:" line.
#include "platform/controls/classic_look_internal.h"

namespace platform {
namespace {

constexpr COLORREF kTodayMark = RGB(255, 0, 0);

void Text(HDC dc, const std::u16string& text, RECT rect, UINT format, COLORREF colour) {
  SetTextColor(dc, colour);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, format | DT_SINGLELINE | DT_VCENTER);
}

void Frame(HDC dc, RECT rect, COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  FrameRect(dc, &rect, brush);
  DeleteObject(brush);
}

}  // namespace

void ControlPainter::MonthCalendar(HDC dc, const MonthCalLook& look) {
  const auto& c = look.colours;
  classic::FillSolid(dc, look.client, c[MCSC_MONTHBK]);
  classic::FillSolid(dc, look.title, c[MCSC_TITLEBK]);
  const UINT inactive = look.enabled ? 0 : DFCS_INACTIVE;
  RECT previous = look.previous;
  RECT next = look.next;
  DrawFrameControl(dc, &previous, DFC_SCROLL, DFCS_SCROLLLEFT | inactive | (look.previousPressed ? DFCS_PUSHED : 0));
  DrawFrameControl(dc, &next, DFC_SCROLL, DFCS_SCROLLRIGHT | inactive | (look.nextPressed ? DFCS_PUSHED : 0));
  HGDIOBJ font = SelectObject(dc, look.font);
  SetBkMode(dc, TRANSPARENT);
  Text(dc, look.titleText, look.title, DT_CENTER, c[MCSC_TITLETEXT]);
  const COLORREF text = look.enabled ? c[MCSC_TEXT] : GetSysColor(COLOR_GRAYTEXT);
  for (std::size_t i = 0; i < look.dayNameTexts.size(); ++i) {
    Text(dc, look.dayNameTexts[i], look.dayNameRects[i], DT_CENTER, c[MCSC_TITLEBK]);
  }
  classic::FillSolid(dc, RECT{look.dayNames.left, look.dayNames.bottom - 1, look.dayNames.right, look.dayNames.bottom},
                     GetSysColor(COLOR_3DSHADOW));
  for (const MonthCalCell& cell : look.cells) {
    COLORREF colour = cell.trailing ? c[MCSC_TRAILINGTEXT] : text;
    if (cell.selected) {
      classic::FillSolid(dc, cell.rect, c[MCSC_TITLEBK]);
      colour = c[MCSC_TITLETEXT];
    }
    if (cell.today && look.todayCircle) Frame(dc, cell.rect, kTodayMark);
    RECT digits = cell.rect;
    digits.right -= 3;
    Text(dc, Utf8ToWideString(std::to_string(cell.day)), digits, DT_RIGHT, colour);
  }
  if (!look.todayText.empty()) {
    RECT line = look.today;
    if (look.todayCircle) {
      const int h = line.bottom - line.top;
      Frame(dc, RECT{line.left + 2, line.top + 2, line.left + 2 + h + 4, line.bottom - 2}, kTodayMark);
      line.left += h + 12;
    }
    HGDIOBJ plain = SelectObject(dc, look.font);
    Text(dc, look.todayText, line, DT_LEFT, text);
    SelectObject(dc, plain);
  }
  SelectObject(dc, font);
}

}  // namespace platform
