// "msctls_progress32": every message answers what Windows answers, and the
// bar is drawn in blocks, smoothly, and bottom to top.
#include "support/golden.h"
#include "user/user_test.h"

namespace brellis::test {
namespace {

namespace headless = platform::display::headless;

class ProgressTest : public UserTest {
 protected:
  void SetUp() override {
    UserTest::SetUp();
    parent = CreateTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{40, 40, 340, 240});
  }
  HWND Bar(DWORD style, RECT r) {
    return CreateWindowExW(0, PROGRESS_CLASSW, nullptr, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.right - r.left,
                           r.bottom - r.top, parent, nullptr, nullptr, nullptr);
  }
  HWND parent = nullptr;
};

TEST_F(ProgressTest, RangeAndPositionMessagesAnswerThePreviousValues) {
  HWND bar = Bar(0, RECT{10, 10, 210, 30});
  ASSERT_NE(bar, nullptr);
  EXPECT_TRUE(GetWindowLongW(bar, GWL_EXSTYLE) & WS_EX_STATICEDGE);
  EXPECT_EQ(SendMessageW(bar, PBM_GETRANGE, TRUE, 0), 0);
  EXPECT_EQ(SendMessageW(bar, PBM_GETRANGE, FALSE, 0), 100);
  EXPECT_EQ(SendMessageW(bar, PBM_GETPOS, 0, 0), 0);
  // The previous limits come back as two 16-bit halves.
  EXPECT_EQ(SendMessageW(bar, PBM_SETRANGE, 0, MAKELPARAM(10, 50)), MAKELONG(0, 100));
  EXPECT_EQ(SendMessageW(bar, PBM_GETPOS, 0, 0), 10);  // held inside the new range
  EXPECT_EQ(SendMessageW(bar, PBM_SETRANGE32, static_cast<WPARAM>(-5), 70000), MAKELONG(10, 50));
  PBRANGE range{};
  EXPECT_EQ(SendMessageW(bar, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range)), 70000);
  EXPECT_EQ(range.iLow, -5);
  EXPECT_EQ(range.iHigh, 70000);
  EXPECT_EQ(SendMessageW(bar, PBM_SETRANGE32, 0, 100), MAKELONG(static_cast<WORD>(-5), static_cast<WORD>(70000)));
  EXPECT_EQ(SendMessageW(bar, PBM_SETPOS, 40, 0), 10);
  EXPECT_EQ(SendMessageW(bar, PBM_SETPOS, 500, 0), 40);
  EXPECT_EQ(SendMessageW(bar, PBM_GETPOS, 0, 0), 100);
  EXPECT_EQ(SendMessageW(bar, PBM_DELTAPOS, static_cast<WPARAM>(-30), 0), 100);
  EXPECT_EQ(SendMessageW(bar, PBM_DELTAPOS, static_cast<WPARAM>(-300), 0), 70);
  EXPECT_EQ(SendMessageW(bar, PBM_GETPOS, 0, 0), 0);
}

TEST_F(ProgressTest, StepItStartsOverPastTheEnd) {
  HWND bar = Bar(0, RECT{10, 10, 210, 30});
  EXPECT_EQ(SendMessageW(bar, PBM_SETSTEP, 30, 0), 10);
  EXPECT_EQ(SendMessageW(bar, PBM_STEPIT, 0, 0), 0);
  EXPECT_EQ(SendMessageW(bar, PBM_STEPIT, 0, 0), 30);
  EXPECT_EQ(SendMessageW(bar, PBM_STEPIT, 0, 0), 60);
  EXPECT_EQ(SendMessageW(bar, PBM_GETPOS, 0, 0), 90);
  SendMessageW(bar, PBM_STEPIT, 0, 0);
  EXPECT_EQ(SendMessageW(bar, PBM_GETPOS, 0, 0), 20);
  // An empty range keeps the bar at its low limit instead of dividing by zero.
  SendMessageW(bar, PBM_SETRANGE32, 5, 5);
  SendMessageW(bar, PBM_STEPIT, 0, 0);
  EXPECT_EQ(SendMessageW(bar, PBM_GETPOS, 0, 0), 5);
}

TEST_F(ProgressTest, ColoursAnswerThePreviousColour) {
  HWND bar = Bar(0, RECT{10, 10, 210, 30});
  EXPECT_EQ(static_cast<COLORREF>(SendMessageW(bar, PBM_SETBARCOLOR, 0, RGB(200, 0, 0))), CLR_DEFAULT);
  EXPECT_EQ(static_cast<COLORREF>(SendMessageW(bar, PBM_SETBARCOLOR, 0, RGB(0, 200, 0))), RGB(200, 0, 0));
  EXPECT_EQ(static_cast<COLORREF>(SendMessageW(bar, PBM_SETBKCOLOR, 0, RGB(255, 255, 255))), CLR_DEFAULT);
  EXPECT_EQ(static_cast<COLORREF>(SendMessageW(bar, PBM_SETBKCOLOR, 0, CLR_DEFAULT)), RGB(255, 255, 255));
}

TEST_F(ProgressTest, GoldenHorizontalVerticalSmooth) {
  const ULONG_PTR background = SetClassLongPtrW(parent, GCLP_HBRBACKGROUND, static_cast<LONG_PTR>(COLOR_BTNFACE + 1));
  HWND blocks = Bar(0, RECT{10, 10, 210, 28});
  HWND smooth = Bar(PBS_SMOOTH, RECT{10, 40, 210, 58});
  HWND vertical = Bar(PBS_VERTICAL, RECT{230, 10, 248, 150});
  HWND coloured = Bar(PBS_SMOOTH | PBS_VERTICAL, RECT{260, 10, 278, 150});
  SendMessageW(blocks, PBM_SETPOS, 47, 0);
  SendMessageW(smooth, PBM_SETPOS, 63, 0);
  SendMessageW(vertical, PBM_SETPOS, 55, 0);
  SendMessageW(coloured, PBM_SETPOS, 30, 0);
  SendMessageW(coloured, PBM_SETBARCOLOR, 0, RGB(0, 128, 0));
  SendMessageW(coloured, PBM_SETBKCOLOR, 0, RGB(255, 255, 255));
  RedrawWindow(parent, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump();
  const auto picture = headless::WindowImage(parent);
  ASSERT_TRUE(picture.has_value());
  EXPECT_TRUE(MatchesGolden(*picture, "user/progress_bars"));
  SetClassLongPtrW(parent, GCLP_HBRBACKGROUND, static_cast<LONG_PTR>(background));  // the class is shared
}

}  // namespace
}  // namespace brellis::test
