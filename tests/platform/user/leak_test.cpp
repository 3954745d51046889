// Leak tests: windows with DCs, regions, fonts, timers, thunks and
// controls leave every handle count where it was.
#include "support/handle_leaks.h"
#include "user/user_test.h"

namespace brellis::test {
namespace {

namespace headless = platform::display::headless;

class LeakTest : public UserTest {};

void Exercise(int index) {
  HWND hwnd = CreateWindowExW(0, MessageRecorder::WideClass(), u"Leak", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                              index % 50, index % 40, 200, 150, nullptr, nullptr, nullptr, nullptr);
  HWND edit = CreateWindowExW(WS_EX_CLIENTEDGE, u"Edit", u"text", WS_CHILD | WS_VISIBLE, 5, 5, 80, 20, hwnd, nullptr,
                              nullptr, nullptr);
  HWND button = CreateWindowExW(0, u"Button", u"OK", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, 5, 40, 75, 23, hwnd,
                                nullptr, nullptr, nullptr);
  HFONT font = CreateFontW(-12, 0, 0, 0, 400, 0, 0, 0, 134, 0, 0, 0, 0, u"宋体");
  SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  SetFocus(edit);  // starts the caret's timer
  SetTimer(hwnd, 1, 100, nullptr);
  HRGN shape = CreateRoundRectRgn(0, 0, 201, 151, 20, 20);
  SetWindowRgn(hwnd, shape, TRUE);
  HDC dc = GetDC(hwnd);
  HGDIOBJ previous = SelectObject(dc, font);
  TextOutW(dc, 10, 80, u"画", 1);
  SelectObject(dc, previous);
  ReleaseDC(hwnd, dc);
  dc = GetWindowDC(hwnd);
  ReleaseDC(hwnd, dc);
  WNDPROC thunk = MakeWndProcThunk([](HWND h, UINT m, WPARAM w, LPARAM l) { return DefWindowProcW(h, m, w, l); });
  const LONG_PTR original = SetWindowLongPtrW(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(thunk));
  UpdateWindow(hwnd);
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  SetWindowLongPtrW(button, GWLP_WNDPROC, original);
  FreeWndProcThunk(thunk);
  // Half of the windows go with their timers still running.
  if (index % 2 == 0) KillTimer(hwnd, 1);
  DestroyWindow(hwnd);
  DeleteObject(font);
}

TEST_F(LeakTest, AThousandWindowsLeaveEveryCountWhereItWas) {
  Exercise(0);  // the standard icons and cursors are made once, for good
  const platform::HandleTable::Counts before = platform::HandleTable::Instance().LiveCounts();
  for (int i = 1; i <= 1000; ++i) Exercise(i);
  const platform::HandleTable::Counts after = platform::HandleTable::Instance().LiveCounts();
  EXPECT_EQ(before, after) << DescribeCountChanges(before, after);
  EXPECT_EQ(platform::LiveTimerCount(), 0u);
  EXPECT_EQ(platform::LiveThunkCount(), 0u);
}

TEST_F(LeakTest, MessageBoxesLeaveNothingBehind) {
  HWND owner = CreateTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  headless::Key(VK_RETURN);
  MessageBoxW(owner, u"x", u"y", MB_OK | MB_ICONWARNING);
  const platform::HandleTable::Counts before = platform::HandleTable::Instance().LiveCounts();
  for (int i = 0; i < 20; ++i) {
    headless::Key(VK_ESCAPE);
    MessageBoxW(owner, u"确定要退出系统吗？", u"提示信息", MB_YESNO | MB_ICONQUESTION);
  }
  EXPECT_EQ(before, platform::HandleTable::Instance().LiveCounts())
      << DescribeCountChanges(before, platform::HandleTable::Instance().LiveCounts());
}

}  // namespace
}  // namespace brellis::test
