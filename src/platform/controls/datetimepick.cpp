// The "SysDateTimePick32" class: a date or time shown in fields after a
// format string, each field selected with the mouse or Left/Right and
// changed with Up/Down or typed digits. Beside the text lies the drop-down
// button, which opens a "SysMonthCal32" WS_POPUP below the picker (it
// closes on a choice, Escape or a click outside), or with DTS_UPDOWN an
// "msctls_updown32" child that steps the selected field. DTS_SHOWNONE adds
// a check box: unchecked, the picker holds no date (GDT_NONE). The parent
// hears DTN_DATETIMECHANGE on every change, DTN_DROPDOWN and DTN_CLOSEUP
// around the calendar.
#include <algorithm>
#include <array>
#include <string>

#include "platform/base/datetime.h"
#include "platform/controls/calendar_dates.h"
#include "platform/controls/classic_look.h"
#include "platform/controls/control_data.h"
#include "platform/controls/datetimepick_format.h"

namespace platform {
namespace {

constexpr int kCheckBoxSize = 13;
constexpr int kTextMargin = 2;

struct PickerData {
  SYSTEMTIME value{};
  bool checked = true;  // DTS_SHOWNONE: unchecked means no date
  calendar::DateRange range;
  std::u16string format;  // empty: the style's format
  std::vector<FormatPiece> pieces;
  int selected = -1;      // the selected piece, a field
  std::u16string typed;   // digits typed into the selected field so far
  HWND calendar = nullptr;  // the drop-down while it is open
  HWND updown = nullptr;
  HFONT font = nullptr;
  std::array<COLORREF, 6> calendarColours{};
};

DWORD Style(HWND hwnd) { return static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE)); }
HFONT FontOf(const PickerData& data) { return data.font != nullptr ? data.font : DefaultControlFont(); }
void Redraw(HWND hwnd) { InvalidateRect(hwnd, nullptr, FALSE); }

void Reformat(HWND hwnd, PickerData& data) {
  data.pieces = ParseDateTimeFormat(data.format.empty() ? DefaultDateTimeFormat(Style(hwnd)) : data.format);
  data.selected = -1;
  data.typed.clear();
  Redraw(hwnd);
}

RECT Client(HWND hwnd) {
  RECT r{};
  GetClientRect(hwnd, &r);
  return r;
}

// WS_EX_LEFTSCROLLBAR puts the button on the left, before the text.
bool ButtonOnLeft(HWND hwnd) { return (GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0; }

// The drop-down button, or the place of the up-down child.
RECT ButtonRect(HWND hwnd) {
  RECT r = Client(hwnd);
  const int width = GetSystemMetrics(SM_CXVSCROLL);
  if (ButtonOnLeft(hwnd)) {
    r.right = std::min(r.right, r.left + width);
  } else {
    r.left = std::max(r.left, r.right - width);
  }
  return r;
}

// Where the check box and the text begin.
int ContentLeft(HWND hwnd) { return ButtonOnLeft(hwnd) ? ButtonRect(hwnd).right + kTextMargin : kTextMargin; }

RECT CheckBoxRect(HWND hwnd) {
  const RECT c = Client(hwnd);
  const int top = (c.top + c.bottom - kCheckBoxSize) / 2;
  const int left = ContentLeft(hwnd);
  return RECT{left, top, left + kCheckBoxSize, top + kCheckBoxSize};
}

// A year shows its digits while they are typed; other fields take each
// digit at once.
bool IsTyping(const PickerData& data, int piece) {
  return piece == data.selected && !data.typed.empty() && data.pieces[piece].field == DateField::Year;
}

// Every piece with its text and place.
std::vector<DateTimePiece> Pieces(HWND hwnd, const PickerData& data) {
  std::vector<DateTimePiece> out;
  const RECT c = Client(hwnd);
  int x = (Style(hwnd) & DTS_SHOWNONE) ? CheckBoxRect(hwnd).right + kTextMargin : ContentLeft(hwnd);
  HDC dc = GetDC(hwnd);
  for (std::size_t i = 0; i < data.pieces.size(); ++i) {
    DateTimePiece piece;
    const bool typing = IsTyping(data, static_cast<int>(i));
    piece.text = typing ? data.typed : PieceText(data.pieces[i], data.value);
    const int width = TextWidth(dc, FontOf(data), piece.text, static_cast<int>(piece.text.size()));
    piece.rect = RECT{x, c.top + 2, x + width, c.bottom - 2};
    piece.selected = static_cast<int>(i) == data.selected;
    x += width;
    out.push_back(piece);
  }
  ReleaseDC(hwnd, dc);
  return out;
}

void Paint(HWND hwnd, HDC dc, const PickerData& data) {
  const RECT client = Client(hwnd);
  const bool enabled = IsWindowEnabled(hwnd) != FALSE;
  HBRUSH background = GetSysColorBrush(enabled ? COLOR_WINDOW : COLOR_3DFACE);
  FillRect(dc, &client, background);
  DateTimeLook look;
  look.client = client;
  look.pieces = Pieces(hwnd, data);
  look.font = FontOf(data);
  look.enabled = enabled;
  look.focused = GetFocus() == hwnd;
  look.checked = data.checked;
  CurrentPainter().DateTimeText(dc, look);
  if (Style(hwnd) & DTS_SHOWNONE) CurrentPainter().DateTimeCheckBox(dc, CheckBoxRect(hwnd), data.checked, enabled);
  if (!(Style(hwnd) & DTS_UPDOWN)) {
    CurrentPainter().DateTimeDropButton(dc, ButtonRect(hwnd), data.calendar != nullptr, enabled);
  }
}

void NotifyChange(HWND hwnd) {
  PickerData* data = ControlData<PickerData>(hwnd);
  if (data == nullptr) return;
  NMDATETIMECHANGE change{};
  change.dwFlags = data->checked ? GDT_VALID : GDT_NONE;
  change.st = data->value;
  SendNotify(hwnd, DTN_DATETIMECHANGE, change.nmhdr);
}

// Takes a new value (held to the range); tells the parent when it changed.
void Change(HWND hwnd, PickerData& data, SYSTEMTIME value) {
  value = data.range.Clamp(calendar::WithWeekday(value), true);
  if (calendar::CompareDateTimes(value, data.value) == 0) return;
  data.value = value;
  Redraw(hwnd);
  NotifyChange(hwnd);
}

void SetChecked(HWND hwnd, PickerData& data, bool checked) {
  if (data.checked == checked) return;
  data.checked = checked;
  Redraw(hwnd);
  NotifyChange(hwnd);
}

int FieldAt(HWND hwnd, const PickerData& data, POINT p) {
  const std::vector<DateTimePiece> pieces = Pieces(hwnd, data);
  int nearest = -1;
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    if (!IsEditable(data.pieces[i].field)) continue;
    if (p.x >= pieces[i].rect.left && p.x < pieces[i].rect.right) return static_cast<int>(i);
    if (p.x >= pieces[i].rect.left) nearest = static_cast<int>(i);
  }
  return nearest;
}

// The next editable field in `direction` (wrapping), or the first one.
int NextField(const PickerData& data, int from, int direction) {
  const int count = static_cast<int>(data.pieces.size());
  if (count == 0) return -1;
  int i = from < 0 ? (direction > 0 ? -1 : count) : from;
  for (int step = 0; step < count; ++step) {
    i = ((i + direction) % count + count) % count;
    if (IsEditable(data.pieces[i].field)) return i;
  }
  return -1;
}

void SelectField(HWND hwnd, PickerData& data, int field) {
  data.typed.clear();
  data.selected = field;
  Redraw(hwnd);
}

DateField SelectedField(const PickerData& data) {
  return data.selected >= 0 && data.selected < static_cast<int>(data.pieces.size())
             ? data.pieces[data.selected].field
             : DateField::Literal;
}

void StepSelected(HWND hwnd, PickerData& data, int delta) {
  if (!data.checked) return;
  if (data.selected < 0) data.selected = NextField(data, -1, 1);
  data.typed.clear();
  Change(hwnd, data, StepField(data.value, SelectedField(data), delta));
}

// A typed digit: it extends the digits typed so far while they still make
// a value of the field, else starts them again; the value is taken as soon
// as it is one.
void TypeDigit(HWND hwnd, PickerData& data, int digit) {
  const DateField field = SelectedField(data);
  const int digits = FieldDigits(field);
  if (!data.checked || digits == 0) return;
  std::u16string typed = data.typed + static_cast<char16_t>(u'0' + digit);
  SYSTEMTIME value = data.value;
  int number = std::stoi(WideToUtf8String(typed));
  if (field != DateField::Year && !SetField(value, field, number) && number != 0) {
    typed = std::u16string(1, static_cast<char16_t>(u'0' + digit));
    number = digit;
    SetField(value, field, number);
  }
  if (field == DateField::Year && static_cast<int>(typed.size()) == digits) SetField(value, field, number);
  data.typed = static_cast<int>(typed.size()) >= digits ? u"" : typed;
  if (field == DateField::Year) Redraw(hwnd);
  Change(hwnd, data, value);
}

void TypeMarker(HWND hwnd, PickerData& data, char16_t c) {
  if (SelectedField(data) != DateField::AmPm || !data.checked) return;
  const bool pm = c == u'p' || c == u'P';
  if (!pm && c != u'a' && c != u'A') return;
  if ((data.value.wHour >= 12) != pm) Change(hwnd, data, StepField(data.value, DateField::AmPm, 1));
}

// Closes the drop-down; `take` takes its selected day (the time of day
// stays). Order as the parent hears it: the change, then DTN_CLOSEUP.
void CloseUp(HWND hwnd, PickerData& data, bool take) {
  HWND popup = data.calendar;
  if (popup == nullptr) return;
  data.calendar = nullptr;
  SYSTEMTIME chosen{};
  const bool haveChoice = take && SendMessageW(popup, MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&chosen)) != 0;
  ShowWindow(popup, SW_HIDE);
  DestroyWindow(popup);
  Redraw(hwnd);
  if (haveChoice) {
    chosen.wHour = data.value.wHour;
    chosen.wMinute = data.value.wMinute;
    chosen.wSecond = data.value.wSecond;
    chosen.wMilliseconds = data.value.wMilliseconds;
    data.checked = true;
    Change(hwnd, data, chosen);
  }
  if (IsWindow(hwnd)) SendSimpleNotify(hwnd, DTN_CLOSEUP);
}

// Opens the calendar below the picker (its right edges lined up with
// DTS_RIGHTALIGN). It exists when the parent hears DTN_DROPDOWN, so that
// DTM_GETMONTHCAL can reach it there; it is shown after.
void DropDown(HWND hwnd, PickerData& data) {
  if (data.calendar != nullptr) return;
  HWND popup = CreateWindowExW(0, MONTHCAL_CLASSW, nullptr, WS_POPUP | WS_BORDER, 0, 0, 0, 0, hwnd, nullptr,
                               nullptr, nullptr);
  if (popup == nullptr) return;
  data.calendar = popup;
  for (int part = 0; part < static_cast<int>(data.calendarColours.size()); ++part) {
    SendMessageW(popup, MCM_SETCOLOR, part, static_cast<LPARAM>(data.calendarColours[part]));
  }
  SendMessageW(popup, WM_SETFONT, reinterpret_cast<WPARAM>(data.font), FALSE);
  SYSTEMTIME limits[2]{};
  SendMessageW(popup, MCM_SETRANGE, data.range.Get(limits), reinterpret_cast<LPARAM>(limits));
  SendMessageW(popup, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&data.value));
  RECT size{};
  SendMessageW(popup, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&size));
  const int width = size.right + 2 * GetSystemMetrics(SM_CXBORDER);
  const int height = size.bottom + 2 * GetSystemMetrics(SM_CYBORDER);
  RECT own{};
  GetWindowRect(hwnd, &own);
  const int x = (Style(hwnd) & DTS_RIGHTALIGN) ? own.right - width : own.left;
  SetWindowPos(popup, HWND_TOP, x, own.bottom, width, height, SWP_NOACTIVATE);
  SendSimpleNotify(hwnd, DTN_DROPDOWN);
  PickerData* still = ControlData<PickerData>(hwnd);
  if (still == nullptr || still->calendar != popup || !IsWindow(popup)) return;
  SetWindowPos(popup, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  SetCapture(popup);
  Redraw(hwnd);
}

// Taking the focus may run the parent's code, which may destroy the
// picker: its data is fetched again after.
void ButtonDown(HWND hwnd, POINT p) {
  if (!IsWindowEnabled(hwnd)) return;
  if (GetFocus() != hwnd) SetFocus(hwnd);
  PickerData* current = ControlData<PickerData>(hwnd);
  if (current == nullptr) return;
  const RECT button = ButtonRect(hwnd);
  if (!(Style(hwnd) & DTS_UPDOWN) && PtInRect(&button, p)) {
    current->calendar != nullptr ? CloseUp(hwnd, *current, false) : DropDown(hwnd, *current);
    return;
  }
  if ((Style(hwnd) & DTS_SHOWNONE)) {
    const RECT box = CheckBoxRect(hwnd);
    if (PtInRect(&box, p)) {
      SetChecked(hwnd, *current, !current->checked);
      return;
    }
  }
  const int field = FieldAt(hwnd, *current, p);
  if (field >= 0) SelectField(hwnd, *current, field);
}

// Keys while the calendar is open go to it; Escape closes it unchanged.
bool CalendarKey(HWND hwnd, PickerData& data, WPARAM key) {
  if (data.calendar == nullptr) return false;
  if (key == VK_ESCAPE) {
    CloseUp(hwnd, data, false);
  } else if (key == VK_F4) {
    CloseUp(hwnd, data, true);
  } else {
    SendMessageW(data.calendar, WM_KEYDOWN, key, 0);
  }
  return true;
}

void KeyDown(HWND hwnd, PickerData& data, WPARAM key) {
  if (CalendarKey(hwnd, data, key)) return;
  const bool alt = GetKeyState(VK_MENU) < 0;
  switch (key) {
    case VK_LEFT: SelectField(hwnd, data, NextField(data, data.selected, -1)); break;
    case VK_RIGHT: SelectField(hwnd, data, NextField(data, data.selected, 1)); break;
    case VK_UP: StepSelected(hwnd, data, 1); break;
    case VK_DOWN:
      if (alt && !(Style(hwnd) & DTS_UPDOWN)) {
        DropDown(hwnd, data);
      } else {
        StepSelected(hwnd, data, -1);
      }
      break;
    case VK_F4:
      if (!(Style(hwnd) & DTS_UPDOWN)) DropDown(hwnd, data);
      break;
    case VK_HOME: SelectField(hwnd, data, NextField(data, -1, 1)); break;
    case VK_END: SelectField(hwnd, data, NextField(data, -1, -1)); break;
    case VK_SPACE:
      if (Style(hwnd) & DTS_SHOWNONE) SetChecked(hwnd, data, !data.checked);
      break;
    default: break;
  }
}

// Messages from the children: the calendar's choice or its release, and
// the up-down's steps (refused, so that it keeps no position of its own).
LRESULT ChildNotify(HWND hwnd, PickerData& data, NMHDR* header) {
  if (header == nullptr) return 0;
  if (header->hwndFrom == data.calendar && data.calendar != nullptr) {
    if (header->code == MCN_SELECT) CloseUp(hwnd, data, true);
    if (header->code == NM_RELEASEDCAPTURE) CloseUp(hwnd, data, false);
    return 0;
  }
  if (header->hwndFrom == data.updown && header->code == UDN_DELTAPOS) {
    const int delta = reinterpret_cast<NMUPDOWN*>(header)->iDelta;
    if (delta != 0) StepSelected(hwnd, data, delta > 0 ? 1 : -1);
    return 1;
  }
  return 0;
}

// The text as shown (a year in typing as typed).
std::u16string ShownText(const PickerData& data) {
  std::u16string text;
  for (std::size_t i = 0; i < data.pieces.size(); ++i) {
    const bool typing = IsTyping(data, static_cast<int>(i));
    text += typing ? data.typed : PieceText(data.pieces[i], data.value);
  }
  return text;
}

LRESULT GetText(const PickerData& data, WPARAM size, LPWSTR buffer) {
  if (buffer == nullptr || size == 0) return 0;
  const std::u16string text = ShownText(data);
  const std::size_t count = std::min<std::size_t>(text.size(), size - 1);
  std::copy_n(text.begin(), count, buffer);
  buffer[count] = u'\0';
  return static_cast<LRESULT>(count);
}

LRESULT GetSystemTime(const PickerData& data, SYSTEMTIME* st) {
  if (st == nullptr) return GDT_ERROR;
  if (!data.checked) return GDT_NONE;
  *st = data.value;
  return GDT_VALID;
}

LRESULT SetSystemTime(HWND hwnd, PickerData& data, WPARAM flag, const SYSTEMTIME* st) {
  if (flag == GDT_NONE) {
    if (!(Style(hwnd) & DTS_SHOWNONE)) return FALSE;
    data.checked = false;
    Redraw(hwnd);
    return TRUE;
  }
  if (flag != GDT_VALID || st == nullptr || !calendar::IsValid(*st)) return FALSE;
  data.value = data.range.Clamp(calendar::WithWeekday(*st), true);
  data.checked = true;
  data.typed.clear();
  if (data.calendar != nullptr) SendMessageW(data.calendar, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&data.value));
  Redraw(hwnd);
  return TRUE;
}

LRESULT SetRange(HWND hwnd, PickerData& data, DWORD which, const SYSTEMTIME* limits) {
  if (!data.range.Set(which, limits)) return FALSE;
  data.value = data.range.Clamp(data.value, true);
  if (data.calendar != nullptr) SendMessageW(data.calendar, MCM_SETRANGE, which, reinterpret_cast<LPARAM>(limits));
  Redraw(hwnd);
  return TRUE;
}

LRESULT SetFormat(HWND hwnd, PickerData& data, std::u16string format) {
  data.format = std::move(format);
  Reformat(hwnd, data);
  return TRUE;
}

void PlaceUpDown(HWND hwnd, const PickerData& data) {
  if (data.updown == nullptr) return;
  const RECT r = ButtonRect(hwnd);
  SetWindowPos(data.updown, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void Create(HWND hwnd, PickerData& data) {
  SYSTEMTIME now = calendar::Today();
  const TDateTimeParts parts = DecodeDateTime(Now());
  now.wHour = static_cast<WORD>(parts.Hour);
  now.wMinute = static_cast<WORD>(parts.Minute);
  now.wSecond = static_cast<WORD>(parts.Second);
  data.value = now;
  data.calendarColours = {GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_ACTIVECAPTION),
                          GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_WINDOW),     GetSysColor(COLOR_GRAYTEXT)};
  Reformat(hwnd, data);
  if (Style(hwnd) & DTS_UPDOWN) {
    data.updown = CreateWindowExW(0, UPDOWN_CLASSW, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, hwnd, nullptr,
                                  nullptr, nullptr);
    SendMessageW(data.updown, UDM_SETRANGE32, 0, 100);
    PlaceUpDown(hwnd, data);
  }
}

LRESULT DateTimePickProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    AttachControlData(hwnd, new PickerData);
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  PickerData* data = ControlData<PickerData>(hwnd);
  if (data == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  switch (message) {
    case WM_CREATE:
      Create(hwnd, *data);
      return 0;
    case WM_DESTROY:
      if (data->calendar != nullptr) {
        HWND popup = data->calendar;
        data->calendar = nullptr;
        DestroyWindow(popup);
      }
      return 0;
    case WM_NCDESTROY:
      delete DetachControlData<PickerData>(hwnd);
      return DefWindowProcW(hwnd, message, wParam, lParam);
    case WM_PAINT:
    case WM_PRINTCLIENT:
      return PaintControl(hwnd, wParam, [&](HDC dc) { Paint(hwnd, dc, *data); });
    case WM_ERASEBKGND:
      return 1;
    case WM_SIZE:
      PlaceUpDown(hwnd, *data);
      Redraw(hwnd);
      return 0;
    case WM_STYLECHANGED:
      if (wParam == static_cast<WPARAM>(GWL_STYLE)) Reformat(hwnd, *data);
      return 0;
    case WM_GETDLGCODE:
      // While the calendar is open, Return and Escape are its keys, not the dialog's.
      return DLGC_WANTARROWS | DLGC_WANTCHARS | (data->calendar != nullptr ? DLGC_WANTALLKEYS : 0);
    case WM_SETFOCUS:
      if (data->selected < 0) data->selected = NextField(*data, -1, 1);
      Redraw(hwnd);
      return 0;
    case WM_KILLFOCUS:
      data->typed.clear();
      CloseUp(hwnd, *data, false);
      Redraw(hwnd);
      return 0;
    case WM_ENABLE:
      if (!wParam) CloseUp(hwnd, *data, false);
      Redraw(hwnd);
      return 0;
    case WM_SETFONT:
      data->font = reinterpret_cast<HFONT>(wParam);
      if (LOWORD(lParam)) Redraw(hwnd);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(data->font);
    case WM_GETTEXT:
      return GetText(*data, wParam, reinterpret_cast<LPWSTR>(lParam));
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(ShownText(*data).size());
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      ButtonDown(hwnd, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return 0;
    case WM_KEYDOWN:
      KeyDown(hwnd, *data, wParam);
      return 0;
    case WM_CHAR:
      if (wParam >= u'0' && wParam <= u'9') {
        TypeDigit(hwnd, *data, static_cast<int>(wParam - u'0'));
      } else {
        TypeMarker(hwnd, *data, static_cast<char16_t>(wParam));
      }
      return 0;
    case WM_NOTIFY:
      return ChildNotify(hwnd, *data, reinterpret_cast<NMHDR*>(lParam));
    case WM_VSCROLL:
      return 0;  // the up-down's position is not ours; its steps came as UDN_DELTAPOS
    case DTM_GETSYSTEMTIME:
      return GetSystemTime(*data, reinterpret_cast<SYSTEMTIME*>(lParam));
    case DTM_SETSYSTEMTIME:
      return SetSystemTime(hwnd, *data, wParam, reinterpret_cast<const SYSTEMTIME*>(lParam));
    case DTM_GETRANGE:
      if (lParam == 0) return 0;
      return static_cast<LRESULT>(data->range.Get(reinterpret_cast<SYSTEMTIME*>(lParam)));
    case DTM_SETRANGE:
      return SetRange(hwnd, *data, static_cast<DWORD>(wParam), reinterpret_cast<const SYSTEMTIME*>(lParam));
    case DTM_SETFORMATW:
      return SetFormat(hwnd, *data, lParam != 0 ? std::u16string(reinterpret_cast<LPCWSTR>(lParam)) : u"");
    case DTM_SETFORMATA:
      return SetFormat(hwnd, *data, lParam != 0 ? AnsiToWideString(reinterpret_cast<const char*>(lParam)) : u"");
    case DTM_GETMONTHCAL:
      return reinterpret_cast<LRESULT>(data->calendar);
    case DTM_SETMCCOLOR: {
      if (wParam >= data->calendarColours.size()) return static_cast<LRESULT>(CLR_INVALID);
      const COLORREF previous = data->calendarColours[wParam];
      data->calendarColours[wParam] = static_cast<COLORREF>(lParam);
      if (data->calendar != nullptr) SendMessageW(data->calendar, MCM_SETCOLOR, wParam, lParam);
      return static_cast<LRESULT>(previous);
    }
    case DTM_GETMCCOLOR:
      return wParam < data->calendarColours.size() ? static_cast<LRESULT>(data->calendarColours[wParam])
                                                   : static_cast<LRESULT>(CLR_INVALID);
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

}  // namespace

void RegisterDateTimePickClass() {
  RegisterControlClass(DATETIMEPICK_CLASSW, DateTimePickProc, CS_DBLCLKS, IDC_ARROW);
}

}  // namespace platform
