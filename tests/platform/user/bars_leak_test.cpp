// Track bars, progress bars and up-down controls, pressed, painted and
// destroyed mid-press, leave every handle, timer and thunk count as it was.
#include "support/handle_leaks.h"
#include "user/user_test.h"

namespace brellis::test {
namespace {

class BarsLeakTest : public UserTest {};

void Exercise(int index) {
  HWND form = CreateWindowExW(0, MessageRecorder::WideClass(), u"Bars", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300,
                              200, nullptr, nullptr, nullptr, nullptr);
  auto make = [&](LPCWSTR cls, DWORD style, RECT r) {
    return CreateWindowExW(0, cls, nullptr, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.right - r.left,
                           r.bottom - r.top, form, nullptr, nullptr, nullptr);
  };
  HWND progress = make(PROGRESS_CLASSW, index % 2 ? PBS_SMOOTH : PBS_VERTICAL, RECT{10, 10, 200, 30});
  SendMessageW(progress, PBM_SETBARCOLOR, 0, RGB(index % 256, 0, 0));
  SendMessageW(progress, PBM_SETPOS, static_cast<WPARAM>(index % 100), 0);
  HWND track =
      make(TRACKBAR_CLASSW, TBS_AUTOTICKS | TBS_ENABLESELRANGE | (index % 3 ? 0 : TBS_VERT), RECT{10, 40, 200, 80});
  SendMessageW(track, TBM_SETSEL, TRUE, MAKELPARAM(10, 60));
  SetFocus(track);
  SendMessageW(track, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(150, 12));  // paging, timer running
  HWND edit = make(u"Edit", 0, RECT{10, 90, 100, 112});
  HWND updown =
      make(UPDOWN_CLASSW, UDS_AUTOBUDDY | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS, RECT{0, 0, 16, 22});
  SendMessageW(updown, UDM_SETPOS32, 0, index);
  SendMessageW(edit, WM_KEYDOWN, VK_UP, 0);
  UpdateWindow(form);
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  // Half of the up-downs are destroyed while held, the others after their buddy.
  if (index % 2 == 0) {
    SendMessageW(updown, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 3));
  } else {
    DestroyWindow(edit);
  }
  DestroyWindow(form);
}

TEST_F(BarsLeakTest, TwoHundredRoundsLeaveEveryCountWhereItWas) {
  Exercise(0);
  const platform::HandleTable::Counts before = platform::HandleTable::Instance().LiveCounts();
  for (int i = 1; i <= 200; ++i) Exercise(i);
  const platform::HandleTable::Counts after = platform::HandleTable::Instance().LiveCounts();
  EXPECT_EQ(before, after) << DescribeCountChanges(before, after);
  EXPECT_EQ(platform::LiveTimerCount(), 0u);
  EXPECT_EQ(platform::LiveThunkCount(), 0u);
}

}  // namespace
}  // namespace brellis::test
