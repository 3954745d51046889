// The "SysMonthCal32" class: one month of days to choose from, with a
// title that steps through the months, the weekday names, the days of the
// months before and after greyed, and today marked. A choice is told to
// the notify window (the creator's parent) as MCN_SELCHANGE while the
// selection moves and MCN_SELECT when the user settles on a day. As a
// WS_POPUP (the picker's drop-down) the calendar holds the mouse capture;
// a click outside it gives the capture up and tells the notify window so
// with NM_RELEASEDCAPTURE.
#include <algorithm>
#include <string>

#include "platform/controls/calendar_dates.h"
#include "platform/controls/classic_look.h"
#include "platform/controls/control_data.h"
#include "platform/controls/monthcal_layout.h"

namespace platform {
namespace {

// The locale's first day of the week (0 is Monday, 6 Sunday): Sunday.
constexpr int kLocaleFirstDay = 6;

enum class Pressed { None, Previous, Next, Day, Today };

struct MonthCalData {
  HWND notify = nullptr;
  SYSTEMTIME selected = calendar::Today();
  SYSTEMTIME today = calendar::Today();
  bool todaySet = false;  // MCM_SETTODAY fixed it; else it follows the clock
  calendar::DateRange range;
  int firstDay = kLocaleFirstDay;
  bool firstDaySet = false;
  HFONT font = nullptr;
  std::array<COLORREF, 6> colours{};
  Pressed pressed = Pressed::None;
};

DWORD Style(HWND hwnd) { return static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE)); }
bool IsPopup(HWND hwnd) { return (Style(hwnd) & (WS_POPUP | WS_CHILD)) == WS_POPUP; }
HFONT FontOf(const MonthCalData& data) { return data.font != nullptr ? data.font : DefaultControlFont(); }

std::array<COLORREF, 6> DefaultColours() {
  return {GetSysColor(COLOR_WINDOW),   GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_ACTIVECAPTION),
          GetSysColor(COLOR_WINDOW),   GetSysColor(COLOR_WINDOW),     GetSysColor(COLOR_GRAYTEXT)};
}

SYSTEMTIME TodayOf(const MonthCalData& data) { return data.todaySet ? data.today : calendar::Today(); }

// The first day shown: the first of the month, or the days of the month
// before that lead up to it from the first day of the week.
int FirstShownDay(const MonthCalData& data) {
  SYSTEMTIME first = data.selected;
  first.wDay = 1;
  first = calendar::WithWeekday(first);
  const int firstColumnWeekday = (data.firstDay + 1) % 7;
  return calendar::DayNumber(first) - (first.wDayOfWeek - firstColumnWeekday + 7) % 7;
}

MonthCalLayout Layout(HWND hwnd, const MonthCalData& data) { return LayoutMonthCal(hwnd, FontOf(data), Style(hwnd)); }

std::u16string ShortDate(const SYSTEMTIME& st) {
  return std::u16string(Utf8ToWideString(std::to_string(st.wMonth) + "/" + std::to_string(st.wDay) + "/" +
                                     std::to_string(st.wYear)));
}

MonthCalLook Look(HWND hwnd, const MonthCalData& data) {
  const MonthCalLayout l = Layout(hwnd, data);
  MonthCalLook look;
  GetClientRect(hwnd, &look.client);
  look.title = l.title;
  look.previous = l.previous;
  look.next = l.next;
  look.dayNames = l.dayNames;
  look.today = l.today;
  look.titleText = std::u16string(MonthName(data.selected.wMonth)) + u" " +
                   Utf8ToWideString(std::to_string(data.selected.wYear));
  const SYSTEMTIME today = TodayOf(data);
  if (!(Style(hwnd) & MCS_NOTODAY)) look.todayText = u"Today: " + ShortDate(today);
  for (int column = 0; column < 7; ++column) {
    look.dayNameTexts[column] = WeekdayAbbreviation((data.firstDay + 1 + column) % 7);
    look.dayNameRects[column] =
        RECT{l.grid.left + column * l.cellWidth, l.dayNames.top, l.grid.left + (column + 1) * l.cellWidth,
             l.dayNames.bottom - 1};
  }
  const int first = FirstShownDay(data);
  for (int i = 0; i < 42; ++i) {
    const SYSTEMTIME day = calendar::FromDayNumber(first + i);
    MonthCalCell cell;
    cell.rect = l.Cell(i);
    cell.day = day.wDay;
    cell.trailing = day.wMonth != data.selected.wMonth;
    cell.selected = calendar::CompareDates(day, data.selected) == 0;
    cell.today = calendar::CompareDates(day, today) == 0;
    look.cells.push_back(cell);
  }
  look.todayCircle = !(Style(hwnd) & MCS_NOTODAYCIRCLE);
  look.previousPressed = data.pressed == Pressed::Previous;
  look.nextPressed = data.pressed == Pressed::Next;
  look.enabled = IsWindowEnabled(hwnd) != FALSE;
  look.font = FontOf(data);
  look.colours = data.colours;
  return look;
}

LRESULT Notify(HWND hwnd, const MonthCalData& data, UINT code, NMHDR& header) {
  header.hwndFrom = hwnd;
  header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(hwnd));
  header.code = code;
  if (data.notify == nullptr || !IsWindow(data.notify)) return 0;
  return SendMessageW(data.notify, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

// MCN_SELCHANGE or MCN_SELECT with the selection as both ends.
void NotifySelection(HWND hwnd, UINT code) {
  MonthCalData* data = ControlData<MonthCalData>(hwnd);
  if (data == nullptr) return;
  NMSELCHANGE change{};
  change.stSelStart = change.stSelEnd = data->selected;
  Notify(hwnd, *data, code, change.nmhdr);
}

// Moves the selection (held to the range); tells of a change.
void Select(HWND hwnd, MonthCalData& data, SYSTEMTIME day) {
  day = data.range.Clamp(calendar::WithWeekday(day), false);
  if (calendar::CompareDates(day, data.selected) == 0) return;
  day.wHour = data.selected.wHour;
  day.wMinute = data.selected.wMinute;
  day.wSecond = data.selected.wSecond;
  data.selected = day;
  InvalidateRect(hwnd, nullptr, FALSE);
  NotifySelection(hwnd, MCN_SELCHANGE);
}

UINT HitTest(HWND hwnd, const MonthCalData& data, POINT p, SYSTEMTIME* date) {
  const MonthCalLayout l = Layout(hwnd, data);
  if (PtInRect(&l.previous, p)) return MCHT_TITLEBTNPREV;
  if (PtInRect(&l.next, p)) return MCHT_TITLEBTNNEXT;
  if (PtInRect(&l.title, p)) {
    const int middle = (l.title.left + l.title.right) / 2;
    if (p.x > l.previous.right && p.x < l.next.left) return p.x < middle + l.cellWidth ? MCHT_TITLEMONTH : MCHT_TITLEYEAR;
    return MCHT_TITLEBK;
  }
  if (PtInRect(&l.dayNames, p)) return MCHT_CALENDARDAY;
  if (PtInRect(&l.grid, p)) {
    const int index = (p.y - l.grid.top) / l.cellHeight * 7 + (p.x - l.grid.left) / l.cellWidth;
    const SYSTEMTIME day = calendar::FromDayNumber(FirstShownDay(data) + index);
    if (date != nullptr) *date = day;
    const int month = day.wYear * 12 + day.wMonth;
    const int shown = data.selected.wYear * 12 + data.selected.wMonth;
    return month < shown ? MCHT_CALENDARDATEPREV : month > shown ? MCHT_CALENDARDATENEXT : MCHT_CALENDARDATE;
  }
  if (!(Style(hwnd) & MCS_NOTODAY) && PtInRect(&l.today, p)) return MCHT_TODAYLINK;
  RECT client{};
  GetClientRect(hwnd, &client);
  return PtInRect(&client, p) ? MCHT_CALENDARBK : MCHT_NOWHERE;
}

LRESULT HitTestMessage(HWND hwnd, const MonthCalData& data, MCHITTESTINFO* info) {
  if (info == nullptr || info->cbSize < sizeof(MCHITTESTINFO)) return -1;
  info->st = SYSTEMTIME{};
  info->uHit = HitTest(hwnd, data, info->pt, &info->st);
  return info->uHit;
}

void ButtonDown(HWND hwnd, MonthCalData& data, POINT p) {
  RECT client{};
  GetClientRect(hwnd, &client);
  if (!PtInRect(&client, p)) {
    // Outside a drop-down: it is given up.
    if (IsPopup(hwnd)) {
      ReleaseCapture();
      // Losing the capture may have closed the drop-down already.
      const MonthCalData* alive = ControlData<MonthCalData>(hwnd);
      if (alive == nullptr) return;
      NMHDR header{};
      Notify(hwnd, *alive, NM_RELEASEDCAPTURE, header);
    }
    return;
  }
  if (!IsPopup(hwnd) && (Style(hwnd) & WS_CHILD)) SetFocus(hwnd);
  if ((ControlData<MonthCalData>(hwnd)) == nullptr) return;
  SYSTEMTIME day{};
  const UINT hit = HitTest(hwnd, data, p, &day);
  if (hit == MCHT_TITLEBTNPREV || hit == MCHT_TITLEBTNNEXT) {
    data.pressed = hit == MCHT_TITLEBTNPREV ? Pressed::Previous : Pressed::Next;
    Select(hwnd, data, calendar::AddMonths(data.selected, hit == MCHT_TITLEBTNPREV ? -1 : 1));
  } else if ((hit & MCHT_CALENDARDATE) == MCHT_CALENDARDATE) {
    data.pressed = Pressed::Day;
    Select(hwnd, data, day);
  } else if (hit == MCHT_TODAYLINK) {
    data.pressed = Pressed::Today;
    Select(hwnd, data, TodayOf(data));
  } else {
    return;
  }
  if (ControlData<MonthCalData>(hwnd) == nullptr) return;
  if (GetCapture() != hwnd) SetCapture(hwnd);
  InvalidateRect(hwnd, nullptr, FALSE);
}

void ButtonUp(HWND hwnd, MonthCalData& data) {
  const Pressed pressed = data.pressed;
  data.pressed = Pressed::None;
  if (pressed == Pressed::None) return;
  InvalidateRect(hwnd, nullptr, FALSE);
  if (!IsPopup(hwnd) && GetCapture() == hwnd) ReleaseCapture();
  if (pressed == Pressed::Day || pressed == Pressed::Today) NotifySelection(hwnd, MCN_SELECT);
}

LRESULT KeyDown(HWND hwnd, MonthCalData& data, WPARAM key) {
  switch (key) {
    case VK_LEFT: Select(hwnd, data, calendar::AddDays(data.selected, -1)); return 0;
    case VK_RIGHT: Select(hwnd, data, calendar::AddDays(data.selected, 1)); return 0;
    case VK_UP: Select(hwnd, data, calendar::AddDays(data.selected, -7)); return 0;
    case VK_DOWN: Select(hwnd, data, calendar::AddDays(data.selected, 7)); return 0;
    case VK_PRIOR: Select(hwnd, data, calendar::AddMonths(data.selected, -1)); return 0;
    case VK_NEXT: Select(hwnd, data, calendar::AddMonths(data.selected, 1)); return 0;
    case VK_HOME: {
      SYSTEMTIME first = data.selected;
      first.wDay = 1;
      Select(hwnd, data, first);
      return 0;
    }
    case VK_END: {
      SYSTEMTIME last = data.selected;
      last.wDay = static_cast<WORD>(calendar::DaysInMonth(last.wYear, last.wMonth));
      Select(hwnd, data, last);
      return 0;
    }
    case VK_RETURN:
      // Only a drop-down takes Return as the choice.
      if (IsPopup(hwnd)) NotifySelection(hwnd, MCN_SELECT);
      return 0;
    default: return 1;
  }
}

LRESULT SetCurSel(HWND hwnd, MonthCalData& data, const SYSTEMTIME* st) {
  if (st == nullptr || !calendar::IsValid(*st) || !data.range.Holds(*st, false)) return FALSE;
  data.selected = calendar::WithWeekday(*st);
  InvalidateRect(hwnd, nullptr, FALSE);
  return TRUE;
}

LRESULT SetRange(HWND hwnd, MonthCalData& data, DWORD which, const SYSTEMTIME* limits) {
  if (!data.range.Set(which, limits)) return FALSE;
  data.selected = data.range.Clamp(data.selected, false);
  InvalidateRect(hwnd, nullptr, FALSE);
  return TRUE;
}

LRESULT SetFirstDay(HWND hwnd, MonthCalData& data, LPARAM day) {
  const LRESULT previous = MAKELONG(data.firstDay, data.firstDaySet && data.firstDay != kLocaleFirstDay);
  if (day < 0 || day > 6) {
    data.firstDay = kLocaleFirstDay;
    data.firstDaySet = false;
  } else {
    data.firstDay = static_cast<int>(day);
    data.firstDaySet = true;
  }
  InvalidateRect(hwnd, nullptr, FALSE);
  return previous;
}

LRESULT SetColour(HWND hwnd, MonthCalData& data, WPARAM part, COLORREF colour) {
  if (part >= data.colours.size()) return static_cast<LRESULT>(CLR_INVALID);
  const COLORREF previous = data.colours[part];
  data.colours[part] = colour;
  InvalidateRect(hwnd, nullptr, FALSE);
  return static_cast<LRESULT>(previous);
}

LRESULT MonthCalProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* data = new MonthCalData;
    const auto* cs = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    data->notify = cs != nullptr ? cs->hwndParent : nullptr;
    data->colours = DefaultColours();
    AttachControlData(hwnd, data);
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  MonthCalData* data = ControlData<MonthCalData>(hwnd);
  if (data == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  switch (message) {
    case WM_NCDESTROY:
      delete DetachControlData<MonthCalData>(hwnd);
      return DefWindowProcW(hwnd, message, wParam, lParam);
    case WM_PAINT:
    case WM_PRINTCLIENT:
      return PaintControl(hwnd, wParam, [&](HDC dc) { CurrentPainter().MonthCalendar(dc, Look(hwnd, *data)); });
    case WM_ERASEBKGND:
      return 1;  // the painter covers the whole client area
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS;
    case WM_SETFONT:
      data->font = reinterpret_cast<HFONT>(wParam);
      if (LOWORD(lParam)) InvalidateRect(hwnd, nullptr, FALSE);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(data->font);
    case WM_ENABLE:
      InvalidateRect(hwnd, nullptr, FALSE);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (IsWindowEnabled(hwnd)) ButtonDown(hwnd, *data, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return 0;
    case WM_LBUTTONUP:
      ButtonUp(hwnd, *data);
      return 0;
    case WM_MOUSEACTIVATE:
      // A drop-down leaves its owner active and the focus where it is.
      if (IsPopup(hwnd)) return MA_NOACTIVATE;
      return DefWindowProcW(hwnd, message, wParam, lParam);
    case WM_CAPTURECHANGED:
      data->pressed = Pressed::None;
      if (IsPopup(hwnd) && reinterpret_cast<HWND>(lParam) != hwnd) {
        NMHDR header{};
        Notify(hwnd, *data, NM_RELEASEDCAPTURE, header);
      }
      return 0;
    case WM_KEYDOWN:
      return KeyDown(hwnd, *data, wParam) == 0 ? 0 : DefWindowProcW(hwnd, message, wParam, lParam);
    case MCM_GETCURSEL:
      if (lParam == 0) return FALSE;
      *reinterpret_cast<SYSTEMTIME*>(lParam) = data->selected;
      return TRUE;
    case MCM_SETCURSEL:
      return SetCurSel(hwnd, *data, reinterpret_cast<const SYSTEMTIME*>(lParam));
    case MCM_GETRANGE:
      if (lParam == 0) return 0;
      return static_cast<LRESULT>(data->range.Get(reinterpret_cast<SYSTEMTIME*>(lParam)));
    case MCM_SETRANGE:
      return SetRange(hwnd, *data, static_cast<DWORD>(wParam), reinterpret_cast<const SYSTEMTIME*>(lParam));
    case MCM_GETTODAY:
      if (lParam == 0) return FALSE;
      *reinterpret_cast<SYSTEMTIME*>(lParam) = TodayOf(*data);
      return TRUE;
    case MCM_SETTODAY: {
      // Null or an impossible date goes back to the clock's today.
      const auto* st = reinterpret_cast<const SYSTEMTIME*>(lParam);
      data->todaySet = st != nullptr && calendar::IsValid(*st);
      if (data->todaySet) data->today = calendar::WithWeekday(*st);
      InvalidateRect(hwnd, nullptr, FALSE);
      return 0;
    }
    case MCM_GETMINREQRECT: {
      if (lParam == 0) return FALSE;
      const SIZE size = Layout(hwnd, *data).minimum;
      *reinterpret_cast<RECT*>(lParam) = RECT{0, 0, size.cx, size.cy};
      return TRUE;
    }
    case MCM_SETFIRSTDAYOFWEEK:
      return SetFirstDay(hwnd, *data, lParam);
    case MCM_GETFIRSTDAYOFWEEK:
      return MAKELONG(data->firstDay, data->firstDaySet && data->firstDay != kLocaleFirstDay);
    case MCM_HITTEST:
      return HitTestMessage(hwnd, *data, reinterpret_cast<MCHITTESTINFO*>(lParam));
    case MCM_SETCOLOR:
      return SetColour(hwnd, *data, wParam, static_cast<COLORREF>(lParam));
    case MCM_GETCOLOR:
      return wParam < data->colours.size() ? static_cast<LRESULT>(data->colours[wParam])
                                           : static_cast<LRESULT>(CLR_INVALID);
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

}  // namespace

void RegisterMonthCalClass() { RegisterControlClass(MONTHCAL_CLASSW, MonthCalProc, CS_DBLCLKS, IDC_ARROW); }

}  // namespace platform
