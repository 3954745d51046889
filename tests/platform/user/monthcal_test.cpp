// "SysMonthCal32": selection, range, today and first weekday messages as
// Windows answers them, hit testing, keys and clicks with their
// MCN_SELCHANGE / MCN_SELECT, and the classic look.
#include "support/golden.h"
#include "user/picker_test.h"

namespace brellis::test {
namespace {

namespace headless = platform::display::headless;

class MonthCalTest : public PickerTest {
 protected:
  HWND Calendar(DWORD style = 0) {
    RECT size{};
    HWND cal = CreateWindowExW(0, MONTHCAL_CLASSW, nullptr, WS_CHILD | WS_VISIBLE | style, 10, 10, 10, 10, parent,
                               reinterpret_cast<HMENU>(5), nullptr, nullptr);
    SendMessageW(cal, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&size));
    SetWindowPos(cal, nullptr, 0, 0, size.right, size.bottom, SWP_NOMOVE | SWP_NOZORDER);
    return cal;
  }
  UINT Hit(HWND cal, POINT p, SYSTEMTIME* st = nullptr) {
    MCHITTESTINFO info{};
    info.cbSize = sizeof(info);
    info.pt = p;
    const auto hit = static_cast<UINT>(SendMessageW(cal, MCM_HITTEST, 0, reinterpret_cast<LPARAM>(&info)));
    EXPECT_EQ(hit, info.uHit);
    if (st != nullptr) *st = info.st;
    return hit;
  }
  // The client point of the cell showing `day` of the shown month.
  POINT PointOfDay(HWND cal, int day) {
    RECT r{};
    GetClientRect(cal, &r);
    for (int y = 0; y < r.bottom; y += 2) {
      for (int x = 0; x < r.right; x += 2) {
        SYSTEMTIME st{};
        if (Hit(cal, POINT{x, y}, &st) == MCHT_CALENDARDATE && st.wDay == day) return POINT{x + 3, y + 3};
      }
    }
    ADD_FAILURE() << "no cell for day " << day;
    return POINT{};
  }
  SYSTEMTIME CurSel(HWND cal) {
    SYSTEMTIME st{};
    EXPECT_TRUE(SendMessageW(cal, MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&st)));
    return st;
  }
};

TEST_F(MonthCalTest, SelectionRangeAndTodayMessages) {
  HWND cal = Calendar();
  ASSERT_NE(cal, nullptr);
  // The selection starts at today, with its weekday.
  SYSTEMTIME st = CurSel(cal);
  EXPECT_EQ(DateText(st), "2026-12-10");
  EXPECT_EQ(st.wDayOfWeek, 4);
  SYSTEMTIME today{};
  EXPECT_TRUE(SendMessageW(cal, MCM_GETTODAY, 0, reinterpret_cast<LPARAM>(&today)));
  EXPECT_EQ(DateText(today), "2026-12-10");
  SYSTEMTIME other = Day(2027, 3, 5);
  SendMessageW(cal, MCM_SETTODAY, 0, reinterpret_cast<LPARAM>(&other));
  SendMessageW(cal, MCM_GETTODAY, 0, reinterpret_cast<LPARAM>(&today));
  EXPECT_EQ(DateText(today), "2027-3-5");
  SendMessageW(cal, MCM_SETTODAY, 0, 0);  // back to the clock
  SendMessageW(cal, MCM_GETTODAY, 0, reinterpret_cast<LPARAM>(&today));
  EXPECT_EQ(DateText(today), "2026-12-10");

  SYSTEMTIME leap = Day(2028, 2, 29);
  EXPECT_TRUE(SendMessageW(cal, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&leap)));
  EXPECT_EQ(DateText(CurSel(cal)), "2028-2-29");
  SYSTEMTIME impossible = Day(2027, 2, 29);
  EXPECT_FALSE(SendMessageW(cal, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&impossible)));
  EXPECT_FALSE(SendMessageW(cal, MCM_SETCURSEL, 0, 0));
  EXPECT_FALSE(SendMessageW(cal, MCM_GETCURSEL, 0, 0));

  // Ranges: no limits at first; a selection outside the range is moved to it.
  SYSTEMTIME limits[2] = {Day(1, 1, 1), Day(1, 1, 1)};
  EXPECT_EQ(SendMessageW(cal, MCM_GETRANGE, 0, reinterpret_cast<LPARAM>(limits)), 0);
  EXPECT_EQ(limits[0].wYear, 0);
  limits[0] = Day(2028, 3, 1);
  limits[1] = Day(2028, 6, 30);
  EXPECT_TRUE(SendMessageW(cal, MCM_SETRANGE, GDTR_MIN | GDTR_MAX, reinterpret_cast<LPARAM>(limits)));
  EXPECT_EQ(DateText(CurSel(cal)), "2028-3-1");
  SYSTEMTIME outside = Day(2028, 7, 1);
  EXPECT_FALSE(SendMessageW(cal, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&outside)));
  SYSTEMTIME got[2]{};
  EXPECT_EQ(SendMessageW(cal, MCM_GETRANGE, 0, reinterpret_cast<LPARAM>(got)), GDTR_MIN | GDTR_MAX);
  EXPECT_EQ(DateText(got[1]), "2028-6-30");
  EXPECT_TRUE(SendMessageW(cal, MCM_SETRANGE, GDTR_MAX, reinterpret_cast<LPARAM>(limits)));
  EXPECT_EQ(SendMessageW(cal, MCM_GETRANGE, 0, reinterpret_cast<LPARAM>(got)), GDTR_MAX);
  // Crossed limits are refused and change nothing.
  SYSTEMTIME crossed[2] = {Day(2029, 1, 1), Day(2028, 1, 1)};
  EXPECT_FALSE(SendMessageW(cal, MCM_SETRANGE, GDTR_MIN | GDTR_MAX, reinterpret_cast<LPARAM>(crossed)));
  EXPECT_EQ(SendMessageW(cal, MCM_GETRANGE, 0, reinterpret_cast<LPARAM>(got)), GDTR_MAX);
}

TEST_F(MonthCalTest, FirstDayOfWeekAndMinimumSize) {
  HWND cal = Calendar();
  // Sunday (6) from the locale; the high word says whether it was changed.
  EXPECT_EQ(SendMessageW(cal, MCM_GETFIRSTDAYOFWEEK, 0, 0), MAKELONG(6, 0));
  EXPECT_EQ(SendMessageW(cal, MCM_SETFIRSTDAYOFWEEK, 0, 0), MAKELONG(6, 0));
  EXPECT_EQ(SendMessageW(cal, MCM_GETFIRSTDAYOFWEEK, 0, 0), MAKELONG(0, 1));
  // Monday first: the first cell of December 2026 is Monday, 30 November.
  SYSTEMTIME st{};
  RECT r{};
  SendMessageW(cal, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&r));
  EXPECT_GT(r.right, 100);
  EXPECT_GT(r.bottom, 100);
  POINT first = PointOfDay(cal, 1);
  EXPECT_EQ(Hit(cal, first, &st), MCHT_CALENDARDATE);
  EXPECT_EQ(st.wDayOfWeek, 2);  // 1 December 2026 is a Tuesday, the second column
  RECT withoutToday{};
  HWND bare = Calendar(MCS_NOTODAY);
  SendMessageW(bare, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&withoutToday));
  EXPECT_EQ(withoutToday.right, r.right);
  EXPECT_LT(withoutToday.bottom, r.bottom);
  EXPECT_FALSE(SendMessageW(cal, MCM_GETMINREQRECT, 0, 0));
}

TEST_F(MonthCalTest, HitTestParts) {
  HWND cal = Calendar();
  RECT r{};
  GetClientRect(cal, &r);
  EXPECT_EQ(Hit(cal, POINT{8, 8}), MCHT_TITLEBTNPREV);
  EXPECT_EQ(Hit(cal, POINT{r.right - 8, 8}), MCHT_TITLEBTNNEXT);
  EXPECT_EQ(Hit(cal, POINT{r.right / 2 - 10, 8}), MCHT_TITLEMONTH);
  EXPECT_EQ(Hit(cal, POINT{r.right + 5, 8}), MCHT_NOWHERE);
  EXPECT_EQ(Hit(cal, POINT{r.right / 2, r.bottom - 8}), MCHT_TODAYLINK);
  SYSTEMTIME st{};
  // The first cell is a trailing day of November.
  POINT firstCell{};
  for (int y = 0; y < r.bottom && firstCell.y == 0; ++y) {
    if ((Hit(cal, POINT{r.right / 2, y}) & MCHT_CALENDARDATE) == MCHT_CALENDARDATE) firstCell = POINT{10, y + 2};
  }
  EXPECT_EQ(Hit(cal, firstCell, &st), MCHT_CALENDARDATEPREV);
  EXPECT_EQ(DateText(st), "2026-11-29");
  EXPECT_EQ(Hit(cal, POINT{firstCell.x, firstCell.y - 6}), MCHT_CALENDARDAY);
  // A structure that is too small is refused.
  MCHITTESTINFO small{};
  small.cbSize = sizeof(small) - 4;
  EXPECT_EQ(SendMessageW(cal, MCM_HITTEST, 0, reinterpret_cast<LPARAM>(&small)), -1);
  EXPECT_EQ(SendMessageW(cal, MCM_HITTEST, 0, 0), -1);
}

TEST_F(MonthCalTest, KeysMoveTheSelectionAndClicksChooseADay) {
  HWND cal = Calendar();
  SetFocus(cal);
  SendMessageW(cal, WM_KEYDOWN, VK_RIGHT, 0);
  SendMessageW(cal, WM_KEYDOWN, VK_DOWN, 0);
  SendMessageW(cal, WM_KEYDOWN, VK_NEXT, 0);   // 2027-01-18 -> held to February's length below
  SendMessageW(cal, WM_KEYDOWN, VK_PRIOR, 0);
  SendMessageW(cal, WM_KEYDOWN, VK_END, 0);
  SendMessageW(cal, WM_KEYDOWN, VK_RETURN, 0);  // a calendar on a window does not take Return as a choice
  ASSERT_EQ(dates.size(), 5u);
  EXPECT_EQ(DateText(dates[0]), "2026-12-11");
  EXPECT_EQ(DateText(dates[1]), "2026-12-18");
  EXPECT_EQ(DateText(dates[2]), "2027-1-18");
  EXPECT_EQ(DateText(dates[3]), "2026-12-18");
  EXPECT_EQ(DateText(dates[4]), "2026-12-31");
  EXPECT_EQ(log, std::vector<std::string>(5, "parent:MCN_SELCHANGE"));
  // A press on a day selects it, the release chooses it.
  log.clear();
  dates.clear();
  const POINT p = PointOfDay(cal, 3);
  SendMessageW(cal, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
  EXPECT_EQ(GetCapture(), cal);
  SendMessageW(cal, WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(log, (std::vector<std::string>{"parent:MCN_SELCHANGE", "parent:MCN_SELECT"}));
  EXPECT_EQ(DateText(dates.back()), "2026-12-3");
  // The next-month button moves the selection by a month; the range holds it.
  SYSTEMTIME limits[2] = {Day(2026, 1, 1), Day(2027, 1, 20)};
  SendMessageW(cal, MCM_SETRANGE, GDTR_MIN | GDTR_MAX, reinterpret_cast<LPARAM>(limits));
  RECT r{};
  GetClientRect(cal, &r);
  for (int i = 0; i < 2; ++i) {
    SendMessageW(cal, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r.right - 8, 8));
    SendMessageW(cal, WM_LBUTTONUP, 0, MAKELPARAM(r.right - 8, 8));
  }
  EXPECT_EQ(DateText(CurSel(cal)), "2027-1-20");
  // Bad keys and clicks on nothing change nothing.
  SendMessageW(cal, WM_KEYDOWN, 'Q', 0);
  SendMessageW(cal, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r.right + 40, 8));
  EXPECT_EQ(DateText(CurSel(cal)), "2027-1-20");
}

TEST_F(MonthCalTest, GoldenClassicLook) {
  HWND cal = Calendar();
  SYSTEMTIME chosen = Day(2026, 12, 24);
  SendMessageW(cal, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&chosen));
  HWND bare = Calendar(MCS_NOTODAY | MCS_NOTODAYCIRCLE);
  RECT r{};
  GetWindowRect(cal, &r);
  SetWindowPos(bare, nullptr, 20 + r.right - r.left, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  SendMessageW(bare, MCM_SETFIRSTDAYOFWEEK, 0, 0);
  RedrawWindow(parent, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump();
  const auto picture = headless::WindowImage(parent);
  ASSERT_TRUE(picture.has_value());
  EXPECT_TRUE(MatchesGolden(*picture, "user/month_calendars", GoldenTolerance{48, 60}));
}

}  // namespace
}  // namespace brellis::test
