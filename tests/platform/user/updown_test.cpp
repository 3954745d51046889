// "msctls_updown32": range and position messages as Windows answers them,
// the buddy's integer text, wrapping, a parent refusing a step, and a held
// arrow that repeats and accelerates.
#include "support/golden.h"
#include "user/user_test.h"

namespace brellis::test {
namespace {

namespace headless = platform::display::headless;

class UpDownTest : public UserTest {
 protected:
  void SetUp() override {
    UserTest::SetUp();
    parent = CreateTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{40, 40, 340, 240});
    recorder->SetMainWindow(parent);
  }
  void TearDown() override {
    if (thunk != nullptr) {
      SetWindowLongPtrW(parent, GWLP_WNDPROC, previous);
      FreeWndProcThunk(thunk);
    }
    UserTest::TearDown();
  }
  HWND Edit(RECT r, LPCWSTR text = u"") {
    return CreateWindowExW(WS_EX_CLIENTEDGE, u"Edit", text, WS_CHILD | WS_VISIBLE, r.left, r.top, r.right - r.left,
                           r.bottom - r.top, parent, nullptr, nullptr, nullptr);
  }
  HWND UpDown(DWORD style, RECT r = RECT{200, 10, 216, 40}) {
    return CreateWindowExW(0, UPDOWN_CLASSW, nullptr, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.right - r.left,
                           r.bottom - r.top, parent, reinterpret_cast<HMENU>(7), nullptr, nullptr);
  }
  // The parent answers UDN_DELTAPOS with `refuse` and keeps what it was told.
  void AnswerDeltaPos(LRESULT refuse) {
    answer = refuse;
    thunk = MakeWndProcThunk([this](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
      if (m == WM_NOTIFY && reinterpret_cast<NMHDR*>(l)->code == UDN_DELTAPOS) {
        told.push_back(*reinterpret_cast<NMUPDOWN*>(l));
        return answer;
      }
      return CallWindowProcW(reinterpret_cast<WNDPROC>(previous), h, m, w, l);
    });
    previous = SetWindowLongPtrW(parent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(thunk));
  }
  void PressUp(HWND updown) { SendMessageW(updown, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 2)); }
  void Release(HWND updown) { SendMessageW(updown, WM_LBUTTONUP, 0, MAKELPARAM(5, 2)); }
  std::u16string Text(HWND hwnd) {
    WCHAR buffer[64]{};
    GetWindowTextW(hwnd, buffer, 64);
    return buffer;
  }

  HWND parent = nullptr;
  WNDPROC thunk = nullptr;
  LONG_PTR previous = 0;
  LRESULT answer = 0;
  std::vector<NMUPDOWN> told;
};

TEST_F(UpDownTest, RangeAndPositionMessages) {
  HWND updown = UpDown(0);
  ASSERT_NE(updown, nullptr);
  // The default range runs from 100 down to 0.
  EXPECT_EQ(SendMessageW(updown, UDM_GETRANGE, 0, 0), MAKELONG(0, 100));
  int low = 0, high = 0;
  SendMessageW(updown, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
  EXPECT_EQ(low, 100);
  EXPECT_EQ(high, 0);
  EXPECT_EQ(SendMessageW(updown, UDM_SETRANGE, 0, MAKELPARAM(static_cast<WORD>(50), static_cast<WORD>(-20))), 0);
  EXPECT_EQ(SendMessageW(updown, UDM_GETRANGE, 0, 0), MAKELONG(50, static_cast<WORD>(-20)));
  EXPECT_EQ(SendMessageW(updown, UDM_SETPOS, 0, MAKELPARAM(static_cast<WORD>(-7), 0)), 0);
  EXPECT_EQ(SendMessageW(updown, UDM_GETPOS, 0, 0), MAKELONG(static_cast<WORD>(-7), 0));
  SendMessageW(updown, UDM_SETRANGE32, 0, 100000);
  EXPECT_EQ(SendMessageW(updown, UDM_SETPOS32, 0, 70000), -7);
  EXPECT_EQ(SendMessageW(updown, UDM_SETPOS32, 0, 200000), 70000);  // held at the upper limit
  BOOL error = TRUE;
  EXPECT_EQ(SendMessageW(updown, UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&error)), 100000);
  EXPECT_FALSE(error);
  // A range that no longer holds the position reports an error.
  SendMessageW(updown, UDM_SETRANGE32, 0, 10);
  EXPECT_EQ(SendMessageW(updown, UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&error)), 10);
  EXPECT_TRUE(error);
  EXPECT_EQ(HIWORD(SendMessageW(updown, UDM_GETPOS, 0, 0)), 1);

  UDACCEL accel[2] = {{0, 2}, {1, 10}};
  EXPECT_EQ(SendMessageW(updown, UDM_GETACCEL, 0, 0), 3);
  EXPECT_EQ(SendMessageW(updown, UDM_SETACCEL, 0, reinterpret_cast<LPARAM>(accel)), FALSE);
  EXPECT_EQ(SendMessageW(updown, UDM_SETACCEL, 2, reinterpret_cast<LPARAM>(accel)), TRUE);
  UDACCEL back[4]{};
  EXPECT_EQ(SendMessageW(updown, UDM_GETACCEL, 4, reinterpret_cast<LPARAM>(back)), 2);
  EXPECT_EQ(back[1].nSec, 1u);
  EXPECT_EQ(back[1].nInc, 10u);

  HWND first = Edit(RECT{10, 10, 100, 30});
  HWND second = Edit(RECT{10, 40, 100, 60});
  EXPECT_EQ(SendMessageW(updown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(first), 0), 0);
  EXPECT_EQ(SendMessageW(updown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(second), 0), reinterpret_cast<LRESULT>(first));
  EXPECT_EQ(SendMessageW(updown, UDM_GETBUDDY, 0, 0), reinterpret_cast<LRESULT>(second));
}

TEST_F(UpDownTest, BuddyShowsThePositionAsIntegerText) {
  HWND edit = Edit(RECT{10, 10, 110, 32});
  RECT before{};
  GetWindowRect(edit, &before);
  HWND updown = UpDown(UDS_AUTOBUDDY | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS);
  EXPECT_EQ(SendMessageW(updown, UDM_GETBUDDY, 0, 0), reinterpret_cast<LRESULT>(edit));
  // The arrows stand over the buddy's right border; together they take the
  // buddy's place.
  RECT e{}, u{};
  GetWindowRect(edit, &e);
  GetWindowRect(updown, &u);
  EXPECT_EQ(e.right - e.left, 100 - 16 + 2);
  EXPECT_EQ(u.left, e.right - 2);
  EXPECT_EQ(u.right, before.right);
  EXPECT_EQ(u.top, e.top);
  EXPECT_EQ(u.bottom - u.top, 22);

  SendMessageW(updown, UDM_SETRANGE32, static_cast<WPARAM>(-5000), 5000);
  SendMessageW(updown, UDM_SETPOS32, 0, -1234);
  EXPECT_EQ(Text(edit), u"-1,234");
  SetWindowLongW(updown, GWL_STYLE, GetWindowLongW(updown, GWL_STYLE) | static_cast<LONG>(UDS_NOTHOUSANDS));
  SendMessageW(updown, UDM_SETPOS32, 0, 4321);
  EXPECT_EQ(Text(edit), u"4321");
  // What is typed into the buddy is the position the next step starts from.
  SetWindowTextW(edit, u"2,000");
  EXPECT_EQ(SendMessageW(updown, UDM_GETPOS32, 0, 0), 2000);
  SendMessageW(edit, WM_KEYDOWN, VK_UP, 0);
  SendMessageW(edit, WM_KEYUP, VK_UP, 0);
  EXPECT_EQ(Text(edit), u"2001");
  SendMessageW(edit, WM_KEYDOWN, VK_DOWN, 0);
  SendMessageW(edit, WM_KEYDOWN, VK_DOWN, KF_REPEAT_BIT);
  EXPECT_EQ(Text(edit), u"1999");
  SetWindowTextW(edit, u"abc");
  BOOL error = FALSE;
  SendMessageW(updown, UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&error));
  EXPECT_TRUE(error);
  // Without the up-down the buddy has its own procedure back.
  const LONG_PTR subclassed = GetWindowLongPtrW(edit, GWLP_WNDPROC);
  DestroyWindow(updown);
  EXPECT_NE(GetWindowLongPtrW(edit, GWLP_WNDPROC), subclassed);
  EXPECT_EQ(GetPropW(edit, u"UpDownBuddyOwner"), nullptr);
  SendMessageW(edit, WM_KEYDOWN, VK_UP, 0);
  EXPECT_EQ(Text(edit), u"abc");
}

TEST_F(UpDownTest, WrapsOrStopsAtTheEnds) {
  HWND stops = UpDown(UDS_ARROWKEYS);
  HWND wraps = UpDown(UDS_ARROWKEYS | UDS_WRAP, RECT{230, 10, 246, 40});
  for (HWND h : {stops, wraps}) {
    SendMessageW(h, UDM_SETRANGE32, 0, 3);
    SendMessageW(h, UDM_SETPOS32, 0, 3);
    SendMessageW(h, WM_KEYDOWN, VK_UP, 0);
    SendMessageW(h, WM_KEYUP, VK_UP, 0);
  }
  EXPECT_EQ(SendMessageW(stops, UDM_GETPOS32, 0, 0), 3);
  EXPECT_EQ(SendMessageW(wraps, UDM_GETPOS32, 0, 0), 0);
  SendMessageW(wraps, WM_KEYDOWN, VK_DOWN, 0);
  SendMessageW(wraps, WM_KEYUP, VK_DOWN, 0);
  EXPECT_EQ(SendMessageW(wraps, UDM_GETPOS32, 0, 0), 3);
  // In the default range (100 down to 0) the up arrow goes towards 0.
  HWND inverted = UpDown(0, RECT{260, 10, 276, 40});
  SendMessageW(inverted, UDM_SETPOS32, 0, 50);
  PressUp(inverted);
  Release(inverted);
  EXPECT_EQ(SendMessageW(inverted, UDM_GETPOS32, 0, 0), 49);
}

TEST_F(UpDownTest, HorizontalArrowsReportWithHScrollAndAlignLeft) {
  HWND edit = Edit(RECT{50, 100, 150, 122});
  HWND updown = UpDown(UDS_HORZ | UDS_ALIGNLEFT, RECT{0, 0, 40, 16});
  SendMessageW(updown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0);
  RECT e{}, u{};
  GetWindowRect(edit, &e);
  GetWindowRect(updown, &u);
  EXPECT_EQ(e.left, u.left + 40 - 2);  // the arrows cover the buddy's left border
  EXPECT_EQ(e.right - u.left, 100);
  SendMessageW(updown, UDM_SETRANGE32, 0, 10);
  SendMessageW(updown, UDM_SETPOS32, 0, 5);
  recorder->Clear();
  // The right arrow increments.
  SendMessageW(updown, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 8));
  SendMessageW(updown, WM_LBUTTONUP, 0, MAKELPARAM(30, 8));
  EXPECT_EQ(SendMessageW(updown, UDM_GETPOS32, 0, 0), 6);
  SendMessageW(updown, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 8));
  SendMessageW(updown, WM_LBUTTONUP, 0, MAKELPARAM(4, 8));
  EXPECT_EQ(SendMessageW(updown, UDM_GETPOS32, 0, 0), 5);
  for (const RecordedMessage& m : recorder->Log()) EXPECT_NE(m.message, static_cast<UINT>(WM_VSCROLL));
  EXPECT_EQ(GetFocus(), edit);  // a press gives the buddy the focus
}

TEST_F(UpDownTest, ParentRefusingDeltaPosKeepsThePosition) {
  HWND updown = UpDown(0);
  SendMessageW(updown, UDM_SETRANGE32, 0, 10);
  SendMessageW(updown, UDM_SETPOS32, 0, 4);
  AnswerDeltaPos(1);
  recorder->Clear();
  PressUp(updown);
  Release(updown);
  EXPECT_EQ(SendMessageW(updown, UDM_GETPOS32, 0, 0), 4);
  ASSERT_EQ(told.size(), 1u);
  EXPECT_EQ(told[0].hdr.hwndFrom, updown);
  EXPECT_EQ(told[0].hdr.idFrom, 7u);
  EXPECT_EQ(told[0].iPos, 4);
  EXPECT_EQ(told[0].iDelta, 1);
  // The parent hears of the position even so.
  EXPECT_TRUE(recorder->Matches({{WM_VSCROLL, S | W, MAKEWPARAM(4, 4)}, {WM_VSCROLL, S | W, MAKEWPARAM(8, 4)}}));
  // A parent that changes the step gets its own step.
  answer = 0;
  SendMessageW(updown, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 25));
  Release(updown);
  EXPECT_EQ(told.back().iDelta, -1);
  EXPECT_EQ(SendMessageW(updown, UDM_GETPOS32, 0, 0), 3);
}

TEST_F(UpDownTest, HeldArrowRepeatsAndAccelerates) {
  HWND updown = UpDown(0);
  SendMessageW(updown, UDM_SETRANGE32, 0, 1000);
  UDACCEL accel[2] = {{0, 1}, {1, 10}};
  SendMessageW(updown, UDM_SETACCEL, 2, reinterpret_cast<LPARAM>(accel));
  recorder->Watch(updown);
  for (UINT m : {WM_PAINT, WM_ERASEBKGND, WM_NCPAINT}) recorder->Ignore(m);
  recorder->Unignore(WM_SYSTIMER);
  Pump();
  recorder->Clear();
  PressUp(updown);
  EXPECT_EQ(GetCapture(), updown);
  headless::AdvanceClock(500);  // the first repeat waits
  Pump();
  headless::AdvanceClock(50);
  Pump();
  EXPECT_TRUE(recorder->Matches({
      {WM_LBUTTONDOWN, S | X},
      {WM_NOTIFY, S},
      {WM_VSCROLL, S | W, MAKEWPARAM(4, 1)},
      {WM_SYSTIMER, P | X},
      {WM_NOTIFY, S},
      {WM_VSCROLL, S | W, MAKEWPARAM(4, 2)},
      {WM_SYSTIMER, P | X},
      {WM_NOTIFY, S},
      {WM_VSCROLL, S | W, MAKEWPARAM(4, 3)},
  }));
  // After a second held, the steps are the table's second increment.
  headless::AdvanceClock(500);
  Pump();
  EXPECT_EQ(SendMessageW(updown, UDM_GETPOS32, 0, 0), 13);
  // Off the arrow the repeat pauses.
  SendMessageW(updown, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, 100));
  headless::AdvanceClock(50);
  Pump();
  EXPECT_EQ(SendMessageW(updown, UDM_GETPOS32, 0, 0), 13);
  recorder->Clear();
  Release(updown);
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_TRUE(recorder->Matches({
      {WM_LBUTTONUP, S | X},
      {WM_VSCROLL, S | W, MAKEWPARAM(8, 13)},
      {WM_CAPTURECHANGED, S | X},
  }));
  EXPECT_EQ(platform::LiveTimerCount(), 0u);
  recorder->Unwatch(updown);
}

TEST_F(UpDownTest, GoldenWithBuddy) {
  const ULONG_PTR background = SetClassLongPtrW(parent, GCLP_HBRBACKGROUND, static_cast<LONG_PTR>(COLOR_BTNFACE + 1));
  Edit(RECT{10, 10, 90, 31});
  HWND vertical = UpDown(UDS_AUTOBUDDY | UDS_SETBUDDYINT | UDS_ALIGNRIGHT);
  SendMessageW(vertical, UDM_SETRANGE32, 0, 99999);
  SendMessageW(vertical, UDM_SETPOS32, 0, 12345);
  HWND horizontal = UpDown(UDS_HORZ, RECT{10, 50, 50, 66});
  EnableWindow(UpDown(0, RECT{70, 50, 86, 80}), FALSE);
  SendMessageW(horizontal, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 5));  // the right arrow held
  RedrawWindow(parent, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump();
  const auto picture = headless::WindowImage(parent);
  ASSERT_TRUE(picture.has_value());
  EXPECT_TRUE(MatchesGolden(*picture, "user/updown_with_buddy", GoldenTolerance{48, 60}));
  SendMessageW(horizontal, WM_LBUTTONUP, 0, MAKELPARAM(30, 5));
  SetClassLongPtrW(parent, GCLP_HBRBACKGROUND, static_cast<LONG_PTR>(background));  // the class is shared
}

}  // namespace
}  // namespace brellis::test
