// "SysDateTimePick32": its DTM_* messages as Windows answers them, fields
// edited by keys and digits, the drop-down calendar opened by a posted
// click pair (also under a covering child with WS_CLIPCHILDREN) and closed
// by a choice, Escape or a click outside, the notification order, the
// up-down and check-box styles, the classic look and no leaked handles.
#include "support/golden.h"
#include "support/handle_leaks.h"
#include "user/picker_test.h"

namespace brellis::test {
namespace {

namespace headless = platform::display::headless;

class DateTimePickTest : public PickerTest {
 protected:
  HWND Picker(DWORD style = 0, RECT r = RECT{10, 10, 170, 32}) {
    return CreateWindowExW(WS_EX_CLIENTEDGE, DATETIMEPICK_CLASSW, nullptr, WS_CHILD | WS_VISIBLE | WS_TABSTOP | style,
                           r.left, r.top, r.right - r.left, r.bottom - r.top, parent, reinterpret_cast<HMENU>(9),
                           nullptr, nullptr);
  }
  std::u16string Text(HWND hwnd) {
    WCHAR buffer[80]{};
    GetWindowTextW(hwnd, buffer, 80);
    return buffer;
  }
  SYSTEMTIME Value(HWND picker, LRESULT expect = GDT_VALID) {
    SYSTEMTIME st{};
    EXPECT_EQ(SendMessageW(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st)), expect);
    return st;
  }
  bool Set(HWND picker, SYSTEMTIME st) {
    return SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st)) != 0;
  }
  // The drop-down button's centre in the picker's client coordinates.
  LPARAM ButtonPoint(HWND picker) {
    RECT c{};
    GetClientRect(picker, &c);
    return MAKELPARAM(c.right - 8, c.bottom / 2);
  }
  void PostClick(HWND picker) {
    PostMessageW(picker, WM_LBUTTONDOWN, MK_LBUTTON, ButtonPoint(picker));
    PostMessageW(picker, WM_LBUTTONUP, 0, ButtonPoint(picker));
    Pump();
  }
  HWND Dropped(HWND picker) { return reinterpret_cast<HWND>(SendMessageW(picker, DTM_GETMONTHCAL, 0, 0)); }
  void Key(HWND hwnd, WPARAM key) { SendMessageW(hwnd, WM_KEYDOWN, key, 0); }
  void Type(HWND hwnd, const char* digits) {
    for (; *digits != 0; ++digits) SendMessageW(hwnd, WM_CHAR, static_cast<WPARAM>(*digits), 0);
  }
};

TEST_F(DateTimePickTest, SystemTimeRangeAndFormatMessages) {
  HWND picker = Picker();
  ASSERT_NE(picker, nullptr);
  // It starts at now, in the short date format.
  SYSTEMTIME st = Value(picker);
  EXPECT_EQ(DateText(st), "2026-12-10");
  EXPECT_EQ(st.wHour, 12);
  EXPECT_EQ(st.wMinute, 34);
  EXPECT_EQ(Text(picker), u"12/10/2026");
  EXPECT_EQ(SendMessageW(picker, DTM_GETSYSTEMTIME, 0, 0), GDT_ERROR);
  EXPECT_TRUE(Set(picker, Day(2027, 2, 3, 4, 5, 6)));
  EXPECT_EQ(Text(picker), u"2/3/2027");
  EXPECT_FALSE(Set(picker, Day(2027, 2, 30)));
  EXPECT_FALSE(SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, 0));
  // GDT_NONE needs DTS_SHOWNONE.
  EXPECT_FALSE(SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_NONE, 0));
  EXPECT_EQ(DateText(Value(picker)), "2027-2-3");

  EXPECT_TRUE(SendMessageW(picker, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(u"yyyy-MM-dd 'at' HH:mm:ss")));
  EXPECT_EQ(Text(picker), u"2027-02-03 at 04:05:06");
  EXPECT_TRUE(SendMessageW(picker, DTM_SETFORMATA, 0, reinterpret_cast<LPARAM>("ddd d MMM yy, h:mm tt ''o''")));
  EXPECT_EQ(Text(picker), u"Wed 3 Feb 27, 4:05 AM 'o'");
  EXPECT_TRUE(SendMessageW(picker, DTM_SETFORMATW, 0, 0));  // back to the style's format
  EXPECT_EQ(Text(picker), u"2/3/2027");
  SetWindowLongW(picker, GWL_STYLE, GetWindowLongW(picker, GWL_STYLE) | DTS_LONGDATEFORMAT);
  EXPECT_EQ(Text(picker), u"Wednesday, February 03, 2027");
  SetWindowLongW(picker, GWL_STYLE, (GetWindowLongW(picker, GWL_STYLE) & ~0xF) | DTS_TIMEFORMAT);
  EXPECT_EQ(Text(picker), u"4:05:06 AM");

  // The range holds the value, now and when it is set.
  SYSTEMTIME limits[2] = {Day(2027, 3, 1, 8), Day(2027, 12, 31, 18)};
  EXPECT_TRUE(SendMessageW(picker, DTM_SETRANGE, GDTR_MIN | GDTR_MAX, reinterpret_cast<LPARAM>(limits)));
  EXPECT_EQ(DateText(Value(picker)), "2027-3-1");
  EXPECT_EQ(Value(picker).wHour, 8);
  EXPECT_TRUE(Set(picker, Day(2030, 1, 1)));
  EXPECT_EQ(DateText(Value(picker)), "2027-12-31");
  SYSTEMTIME got[2]{};
  EXPECT_EQ(SendMessageW(picker, DTM_GETRANGE, 0, reinterpret_cast<LPARAM>(got)), GDTR_MIN | GDTR_MAX);
  EXPECT_EQ(DateText(got[0]), "2027-3-1");
  EXPECT_TRUE(SendMessageW(picker, DTM_SETRANGE, 0, 0));
  EXPECT_EQ(SendMessageW(picker, DTM_GETRANGE, 0, reinterpret_cast<LPARAM>(got)), 0);

  // The calendar's colours; an unknown part is refused.
  EXPECT_EQ(SendMessageW(picker, DTM_GETMCCOLOR, MCSC_TITLEBK, 0), static_cast<LRESULT>(GetSysColor(COLOR_ACTIVECAPTION)));
  EXPECT_EQ(SendMessageW(picker, DTM_SETMCCOLOR, MCSC_TITLEBK, RGB(0, 128, 0)),
            static_cast<LRESULT>(GetSysColor(COLOR_ACTIVECAPTION)));
  EXPECT_EQ(SendMessageW(picker, DTM_GETMCCOLOR, MCSC_TITLEBK, 0), static_cast<LRESULT>(RGB(0, 128, 0)));
  EXPECT_EQ(SendMessageW(picker, DTM_GETMCCOLOR, 9, 0), static_cast<LRESULT>(CLR_INVALID));
  EXPECT_EQ(Dropped(picker), nullptr);
}

TEST_F(DateTimePickTest, FieldsEditedByKeysAndDigits) {
  HWND picker = Picker();
  SendMessageW(picker, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(u"yyyy-MM-dd HH:mm"));
  Set(picker, Day(2027, 1, 31, 23, 59));
  SetFocus(picker);  // the first field, the year, is selected
  Key(picker, VK_UP);
  EXPECT_EQ(Text(picker), u"2028-01-31 23:59");
  Key(picker, VK_RIGHT);
  Key(picker, VK_UP);  // February holds the day to its length
  EXPECT_EQ(Text(picker), u"2028-02-29 23:59");
  Key(picker, VK_DOWN);
  Key(picker, VK_DOWN);  // months wrap
  EXPECT_EQ(Text(picker), u"2028-12-29 23:59");
  Key(picker, VK_RIGHT);
  Type(picker, "31");
  EXPECT_EQ(Text(picker), u"2028-12-31 23:59");
  Key(picker, VK_RIGHT);
  Key(picker, VK_UP);  // hours wrap inside the day
  EXPECT_EQ(Text(picker), u"2028-12-31 00:59");
  Type(picker, "7");   // 7 is taken at once; 75 would be no hour, so 5 starts again
  Type(picker, "5");
  EXPECT_EQ(Text(picker), u"2028-12-31 05:59");
  Key(picker, VK_RIGHT);
  Key(picker, VK_RIGHT);  // past the last field to the first
  Type(picker, "19");
  EXPECT_EQ(Text(picker), u"19-12-31 05:59");  // a year in typing shows as typed
  Type(picker, "99");
  EXPECT_EQ(Text(picker), u"1999-12-31 05:59");
  Key(picker, VK_LEFT);  // the minute, back over the start
  Type(picker, "7");
  EXPECT_EQ(Text(picker), u"1999-12-31 05:07");
  // Every change was told, with the new value.
  ASSERT_FALSE(dates.empty());
  EXPECT_EQ(dates.back().wMinute, 7);
  EXPECT_EQ(log.back(), "parent:DTN_DATETIMECHANGE");
  // A range holds typed values too.
  SYSTEMTIME limits[2] = {Day(1999, 1, 1), Day(1999, 12, 31, 5, 30)};
  SendMessageW(picker, DTM_SETRANGE, GDTR_MIN | GDTR_MAX, reinterpret_cast<LPARAM>(limits));
  Type(picker, "59");
  EXPECT_EQ(Text(picker), u"1999-12-31 05:30");
}

TEST_F(DateTimePickTest, PostedClickPairOpensTheCalendarAlsoUnderAChildWithClipChildren) {
  HWND picker = Picker();
  PostClick(picker);
  HWND popup = Dropped(picker);
  ASSERT_NE(popup, nullptr);
  EXPECT_TRUE(IsWindowVisible(popup));
  WCHAR name[32]{};
  GetClassNameW(popup, name, 32);
  EXPECT_EQ(std::u16string(name), u"SysMonthCal32");
  EXPECT_EQ(GetWindowLongW(popup, GWL_STYLE) & WS_POPUP, static_cast<LONG>(WS_POPUP));
  // Below the picker, with the picker's date selected.
  RECT own{}, drop{};
  GetWindowRect(picker, &own);
  GetWindowRect(popup, &drop);
  EXPECT_EQ(drop.top, own.bottom);
  EXPECT_EQ(drop.left, own.left);
  // It takes every key while open, so that a dialog leaves Return and Escape to it.
  EXPECT_EQ(SendMessageW(picker, WM_GETDLGCODE, VK_ESCAPE, 0), DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTALLKEYS);
  // Escape closes it unchanged.
  Key(picker, VK_ESCAPE);
  EXPECT_EQ(Dropped(picker), nullptr);
  EXPECT_EQ(SendMessageW(picker, WM_GETDLGCODE, VK_ESCAPE, 0), DLGC_WANTARROWS | DLGC_WANTCHARS);
  EXPECT_FALSE(IsWindow(popup));

  // A child over the button, as a skin puts there, and WS_CLIPCHILDREN.
  RECT c{};
  GetClientRect(picker, &c);
  HWND cover = CreateChild(picker, RECT{c.right - 16, 0, c.right, c.bottom});
  SetWindowLongW(picker, GWL_STYLE, GetWindowLongW(picker, GWL_STYLE) | WS_CLIPCHILDREN);
  PostClick(picker);
  popup = Dropped(picker);
  ASSERT_NE(popup, nullptr);
  EXPECT_TRUE(IsWindowVisible(popup));
  // A click outside closes it.
  headless::Click(5, 1000);
  Pump();
  EXPECT_EQ(Dropped(picker), nullptr);
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(DateText(Value(picker)), "2026-12-10");
  DestroyWindow(cover);
  // DTS_RIGHTALIGN lines the right edges up.
  HWND right = Picker(DTS_RIGHTALIGN, RECT{200, 10, 380, 32});
  PostClick(right);
  ASSERT_NE(Dropped(right), nullptr);
  GetWindowRect(right, &own);
  GetWindowRect(Dropped(right), &drop);
  EXPECT_EQ(drop.right, own.right);
  // WS_EX_LEFTSCROLLBAR puts the button on the left.
  HWND left = CreateWindowExW(WS_EX_CLIENTEDGE | WS_EX_LEFTSCROLLBAR, DATETIMEPICK_CLASSW, nullptr,
                              WS_CHILD | WS_VISIBLE, 10, 100, 160, 22, parent, nullptr, nullptr, nullptr);
  PostMessageW(left, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 9));
  PostMessageW(left, WM_LBUTTONUP, 0, MAKELPARAM(8, 9));
  Pump();
  EXPECT_NE(Dropped(left), nullptr);
}

TEST_F(DateTimePickTest, ChoosingADayNotifiesInOrder) {
  HWND picker = Picker();
  LogNotifications(picker, "picker");
  Set(picker, Day(2026, 12, 10, 9, 30));
  PostClick(picker);
  HWND popup = Dropped(picker);
  ASSERT_NE(popup, nullptr);
  if (IsWindowVisible(popup)) log.push_back("calendar shown");
  // A day of the drop-down, clicked on the screen: the 24th.
  POINT day{};
  RECT r{};
  GetClientRect(popup, &r);
  for (int y = 0; y < r.bottom && day.x == 0; ++y) {
    for (int x = 0; x < r.right && day.x == 0; ++x) {
      MCHITTESTINFO info{};
      info.cbSize = sizeof(info);
      info.pt = POINT{x, y};
      SendMessageW(popup, MCM_HITTEST, 0, reinterpret_cast<LPARAM>(&info));
      if (info.uHit == MCHT_CALENDARDATE && info.st.wDay == 24) day = POINT{x + 4, y + 4};
    }
  }
  ClientToScreen(popup, &day);
  headless::Click(day.x, day.y);
  Pump();
  EXPECT_EQ(log, (std::vector<std::string>{"parent:DTN_DROPDOWN", "calendar hidden", "calendar shown",
                                           "picker:MCN_SELCHANGE", "picker:MCN_SELECT", "parent:DTN_DATETIMECHANGE",
                                           "parent:DTN_CLOSEUP"}));
  EXPECT_EQ(Dropped(picker), nullptr);
  const SYSTEMTIME st = Value(picker);
  EXPECT_EQ(DateText(st), "2026-12-24");
  EXPECT_EQ(st.wHour, 9);  // the time of day stays
  EXPECT_EQ(st.wMinute, 30);
  // Keys while dropped go to the calendar; Return chooses.
  log.clear();
  Key(picker, VK_F4);
  ASSERT_NE(Dropped(picker), nullptr);
  Key(picker, VK_RIGHT);
  Key(picker, VK_RETURN);
  EXPECT_EQ(DateText(Value(picker)), "2026-12-25");
  EXPECT_EQ(log.back(), "parent:DTN_CLOSEUP");
  // A second press on the button closes without a change.
  log.clear();
  SendMessageW(picker, WM_LBUTTONDOWN, MK_LBUTTON, ButtonPoint(picker));
  SendMessageW(picker, WM_LBUTTONUP, 0, ButtonPoint(picker));
  ASSERT_NE(Dropped(picker), nullptr);
  SendMessageW(picker, WM_LBUTTONDOWN, MK_LBUTTON, ButtonPoint(picker));
  EXPECT_EQ(Dropped(picker), nullptr);
  EXPECT_EQ(log, (std::vector<std::string>{"parent:DTN_DROPDOWN", "calendar hidden", "parent:DTN_CLOSEUP"}));
}

TEST_F(DateTimePickTest, UpDownAndShowNone) {
  HWND picker = Picker(DTS_UPDOWN | DTS_SHOWNONE);
  HWND updown = FindWindowExW(picker, nullptr, UPDOWN_CLASSW, nullptr);
  ASSERT_NE(updown, nullptr);
  SetFocus(picker);
  Set(picker, Day(2027, 5, 6));
  // The up arrow steps the selected field (the month, first in M/d/yyyy).
  SendMessageW(updown, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 2));
  SendMessageW(updown, WM_LBUTTONUP, 0, MAKELPARAM(4, 2));
  EXPECT_EQ(Text(picker), u"6/6/2027");
  PostClick(picker);  // no drop-down button here
  EXPECT_EQ(Dropped(picker), nullptr);
  // The check box: unchecked, the picker holds no date.
  log.clear();
  SendMessageW(picker, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 10));
  EXPECT_EQ(Value(picker, GDT_NONE).wYear, 0);
  EXPECT_EQ(log, std::vector<std::string>{"parent:DTN_DATETIMECHANGE"});
  Key(picker, VK_UP);  // an unchecked picker is not edited
  EXPECT_EQ(log.size(), 1u);
  Key(picker, VK_SPACE);
  EXPECT_EQ(DateText(Value(picker)), "2027-6-6");
  EXPECT_TRUE(SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_NONE, 0));
  Value(picker, GDT_NONE);
  EXPECT_TRUE(Set(picker, Day(2027, 7, 8)));
  EXPECT_EQ(DateText(Value(picker)), "2027-7-8");
}

TEST_F(DateTimePickTest, GoldenClosedDroppedUpDownAndShowNone) {
  HWND closed = Picker(0, RECT{10, 10, 170, 31});
  HWND updown = Picker(DTS_UPDOWN | DTS_SHOWNONE, RECT{10, 40, 170, 61});
  HWND unchecked = Picker(DTS_SHOWNONE | DTS_LONGDATEFORMAT, RECT{10, 70, 230, 91});
  HWND time = Picker(DTS_TIMEFORMAT, RECT{200, 10, 320, 31});  // DTS_TIMEFORMAT holds DTS_UPDOWN
  Set(closed, Day(2026, 12, 24));
  Set(updown, Day(2026, 12, 24));
  Set(time, Day(2026, 12, 24, 15, 4, 5));
  SendMessageW(unchecked, DTM_SETSYSTEMTIME, GDT_NONE, 0);
  SetFocus(updown);
  RedrawWindow(parent, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump();
  auto picture = headless::WindowImage(parent);
  ASSERT_TRUE(picture.has_value());
  EXPECT_TRUE(MatchesGolden(*picture, "user/datetime_pickers", GoldenTolerance{48, 60}));
  // Dropped: the picker with its button pushed, and its calendar.
  PostClick(closed);
  ASSERT_NE(Dropped(closed), nullptr);
  Pump();
  picture = headless::WindowImage(parent);
  ASSERT_TRUE(picture.has_value());
  EXPECT_TRUE(MatchesGolden(*picture, "user/datetime_pickers_dropped", GoldenTolerance{48, 60}));
  const auto dropDown = headless::WindowImage(Dropped(closed));
  ASSERT_TRUE(dropDown.has_value());
  EXPECT_TRUE(MatchesGolden(*dropDown, "user/datetime_picker_calendar", GoldenTolerance{48, 60}));
}

class DateTimePickLeakTest : public HandleLeakTest {};

TEST_F(DateTimePickLeakTest, CreateDropCloseDestroy200Times) {
  DestroyAllWindows();
  MessageRecorder recorder;  // registers the parent's class
  HWND parent = CreateWindowExW(0, MessageRecorder::WideClass(), u"Leak", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300,
                                200, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(parent, nullptr);
  for (int i = 0; i < 200; ++i) {
    HWND picker = CreateWindowExW(0, DATETIMEPICK_CLASSW, nullptr, WS_CHILD | WS_VISIBLE | (i % 2 ? DTS_UPDOWN : 0),
                                  10, 10, 150, 22, parent, nullptr, nullptr, nullptr);
    ASSERT_NE(picker, nullptr);
    PostMessageW(picker, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(142, 10));
    PostMessageW(picker, WM_LBUTTONUP, 0, MAKELPARAM(142, 10));
    recorder.Pump();
    if (i % 2 == 0) {
      ASSERT_NE(SendMessageW(picker, DTM_GETMONTHCAL, 0, 0), 0);
      // Every other one is destroyed with its calendar still open.
      if (i % 4 == 0) SendMessageW(picker, WM_KEYDOWN, VK_ESCAPE, 0);
    }
    DestroyWindow(picker);
    recorder.Pump();
  }
  DestroyWindow(parent);
  DestroyAllWindows();
  ReleaseCapture();
}

}  // namespace
}  // namespace brellis::test
