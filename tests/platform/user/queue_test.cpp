// The queue: posting and reading, Windows' order of posted messages, input,
// WM_PAINT and WM_TIMER, timers, hooks, and the input messages made from
// mouse and keyboard events.
#include "user/user_test.h"

namespace brellis::test {
namespace {

namespace headless = platform::display::headless;

class QueueTest : public UserTest {
 protected:
  void SetUp() override {
    UserTest::SetUp();
    recorder->Ignore(WM_NCHITTEST);
    recorder->Ignore(WM_SETCURSOR);
    recorder->Ignore(WM_MOUSEACTIVATE);
  }
};

TEST_F(QueueTest, PeekRemoveAndNoRemoveAndQuit) {
  HWND hwnd = CreateTop(WS_POPUP);
  PostMessageW(hwnd, WM_USER, 1, 2);
  PostMessageW(nullptr, WM_USER + 1, 0, 0);  // a thread message
  MSG msg{};
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(msg.message, WM_USER);
  ASSERT_TRUE(PeekMessageW(&msg, reinterpret_cast<HWND>(-1), 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, WM_USER + 1);
  EXPECT_EQ(msg.hwnd, nullptr);
  ASSERT_TRUE(PeekMessageW(&msg, hwnd, WM_USER, WM_USER, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 1u);
  EXPECT_EQ(msg.lParam, 2);
  EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
  // WM_QUIT comes after what is already posted.
  PostQuitMessage(3);
  PostMessageW(hwnd, WM_USER, 0, 0);
  EXPECT_TRUE(GetMessageW(&msg, nullptr, 0, 0));
  EXPECT_EQ(msg.message, WM_USER);
  EXPECT_FALSE(GetMessageW(&msg, nullptr, 0, 0));
  EXPECT_EQ(msg.wParam, 3u);
  // Messages to a window that is gone are dropped.
  PostMessageW(hwnd, WM_USER, 0, 0);
  DestroyWindow(hwnd);
  EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_FALSE(PostMessageW(hwnd, WM_USER, 0, 0));
}

TEST_F(QueueTest, PostedThenInputThenPaintThenTimers) {
  HWND hwnd = CreateTop(WS_POPUP | WS_VISIBLE, RECT{0, 0, 100, 100});
  Pump();
  SetTimer(hwnd, 5, 10, nullptr);
  platform::display::headless::AdvanceClock(20);
  InvalidateRect(hwnd, nullptr, FALSE);
  headless::MoveMouse(50, 50);
  PostMessageW(hwnd, WM_USER, 0, 0);
  recorder->Clear();
  MSG msg{};
  std::vector<UINT> order;
  for (int i = 0; i < 4 && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
    order.push_back(msg.message);
    DispatchMessageW(&msg);
  }
  EXPECT_EQ(order, (std::vector<UINT>{WM_USER, WM_MOUSEMOVE, WM_PAINT, WM_TIMER}));
  EXPECT_EQ(GetMessagePos(), MAKELONG(50, 50));
  KillTimer(hwnd, 5);
}

int g_ticks = 0;
void CountTick(HWND, UINT, UINT_PTR, DWORD) { ++g_ticks; }

TEST_F(QueueTest, TimersTickOneAtATimeAndStop) {
  HWND hwnd = CreateTop(WS_POPUP);
  EXPECT_EQ(SetTimer(hwnd, 7, 100, nullptr), 7u);
  const DWORD start = GetTickCount();
  MSG msg{};
  ASSERT_TRUE(GetMessageW(&msg, nullptr, 0, 0));  // waits (the clock moves on)
  EXPECT_EQ(msg.message, WM_TIMER);
  EXPECT_EQ(msg.wParam, 7u);
  EXPECT_GE(GetTickCount() - start, 100u);
  // A missed tick does not pile up: one WM_TIMER however late.
  headless::AdvanceClock(1000);
  EXPECT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_TRUE(KillTimer(hwnd, 7));
  EXPECT_FALSE(KillTimer(hwnd, 7));
  headless::AdvanceClock(1000);
  EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));

  g_ticks = 0;
  const UINT_PTR id = SetTimer(nullptr, 0, 10, CountTick);
  EXPECT_NE(id, 0u);
  headless::AdvanceClock(10);
  Pump();
  EXPECT_EQ(g_ticks, 1);
  KillTimer(nullptr, id);
  // A timer procedure is only called for a running timer.
  MSG forged{hwnd, WM_TIMER, 1, reinterpret_cast<LPARAM>(CountTick), 0, {}};
  DispatchMessageW(&forged);
  EXPECT_EQ(g_ticks, 1);
  EXPECT_EQ(platform::LiveTimerCount(), 0u);
}

int g_order = 0;
int g_first = 0, g_second = 0;

LRESULT FirstHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_SETFOCUS) g_first = ++g_order;
  return CallNextHookEx(nullptr, code, wParam, lParam);
}
LRESULT SecondHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_SETFOCUS) g_second = ++g_order;
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(QueueTest, HooksChainNewestFirstAndUnhook) {
  HWND hwnd = CreateTop(WS_POPUP | WS_VISIBLE);
  HWND child = CreateChild(hwnd, RECT{0, 0, 5, 5});
  HHOOK first = SetWindowsHookExA(WH_CBT, FirstHook, nullptr, GetCurrentThreadId());
  HHOOK second = SetWindowsHookExW(WH_CBT, SecondHook, nullptr, GetCurrentThreadId());
  g_order = g_first = g_second = 0;
  SetFocus(child);
  EXPECT_EQ(g_second, 1);
  EXPECT_EQ(g_first, 2);
  EXPECT_TRUE(UnhookWindowsHookEx(second));
  EXPECT_FALSE(UnhookWindowsHookEx(second));
  g_order = g_first = g_second = 0;
  SetFocus(hwnd);
  EXPECT_EQ(g_first, 1);
  EXPECT_EQ(g_second, 0);
  UnhookWindowsHookEx(first);
}

TEST_F(QueueTest, MouseClicksActivateAndDoubleClicksNeedTheClassStyle) {
  HWND back = CreateTop(WS_POPUP | WS_VISIBLE, RECT{0, 0, 100, 100});
  HWND front = CreateTop(WS_POPUP | WS_VISIBLE, RECT{200, 0, 300, 100});
  Pump();
  recorder->SetMainWindow(back);
  recorder->Unignore(WM_MOUSEACTIVATE);
  recorder->Clear();
  headless::Click(50, 50);
  Pump();
  EXPECT_TRUE(recorder->Matches({{WM_MOUSEMOVE, P},
                                 {WM_MOUSEACTIVATE, S},
                                 {WM_NCACTIVATE, S | kOtherWindow | W, 0},
                                 {WM_ACTIVATE, S | kOtherWindow | W, WA_INACTIVE},
                                 {WM_NCACTIVATE, S | W, 1},
                                 {WM_ACTIVATE, S | W, WA_CLICKACTIVE},
                                 {WM_KILLFOCUS, S | D | kOtherWindow},
                                 {WM_SETFOCUS, S | D},
                                 {WM_LBUTTONDOWN, P | W, MK_LBUTTON},
                                 {WM_LBUTTONUP, P | W, 0}}))
      << recorder->Describe();
  EXPECT_EQ(GetActiveWindow(), back);
  (void)front;

  recorder->Clear();
  headless::DoubleClick(60, 60);
  Pump();
  std::vector<UINT> clicks;
  for (const RecordedMessage& m : recorder->Log()) {
    if (m.message >= WM_LBUTTONDOWN && m.message <= WM_LBUTTONDBLCLK) clicks.push_back(m.message);
  }
  EXPECT_EQ(clicks, (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}));

  // A class without CS_DBLCLKS gets two presses; the frame always gets
  // double clicks.
  WNDCLASSEXW wc{};
  wc.lpfnWndProc = WndProcFromFunction(DefWindowProcW);
  wc.lpszClassName = u"NoDoubleClicks";
  RegisterClassExW(&wc);
  HWND plain = CreateWindowExW(0, u"NoDoubleClicks", nullptr, WS_POPUP | WS_VISIBLE, 400, 0, 50, 50, nullptr, nullptr,
                               nullptr, nullptr);
  recorder->Watch(plain);
  recorder->Clear();
  headless::DoubleClick(410, 10);
  Pump();
  int presses = 0;
  for (const RecordedMessage& m : recorder->Log()) {
    if (m.hwnd == plain && m.message == WM_LBUTTONDOWN) ++presses;
    EXPECT_NE(m.message, WM_LBUTTONDBLCLK);
  }
  EXPECT_EQ(presses, 2);
  recorder->Unwatch(plain);
  DestroyWindow(plain);
  UnregisterClassW(u"NoDoubleClicks", nullptr);
}

TEST_F(QueueTest, KeysGoToTheFocusAndAltMakesSystemKeys) {
  HWND hwnd = CreateTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  Pump();
  recorder->Clear();
  headless::Key('A');
  Pump();
  EXPECT_TRUE(recorder->Matches({{WM_KEYDOWN, P | W, 'A'}, {WM_CHAR, P | W, 'a'}, {WM_KEYUP, P | W, 'A'}}));
  recorder->Clear();
  headless::KeyDown(VK_SHIFT);
  headless::Key('B');
  headless::KeyUp(VK_SHIFT);
  headless::TypeChar(u'中');
  Pump();
  EXPECT_TRUE(recorder->Matches({{WM_KEYDOWN, P | W, VK_SHIFT},
                                 {WM_KEYDOWN, P | W, 'B'},
                                 {WM_CHAR, P | W, 'B'},
                                 {WM_KEYUP, P | W, 'B'},
                                 {WM_KEYUP, P | W, VK_SHIFT},
                                 {WM_CHAR, P | W, u'中'}}));
  EXPECT_FALSE(GetKeyState(VK_SHIFT) & 0x8000);

  recorder->Clear();
  headless::KeyDown(VK_MENU);
  headless::KeyUp(VK_MENU);
  Pump();
  // Alt alone opens the menu: SC_KEYMENU with character 0.
  EXPECT_TRUE(recorder->Matches({{WM_SYSKEYDOWN, P | W, VK_MENU},
                                 {WM_SYSKEYUP, P | W, VK_MENU},
                                 {WM_SYSCOMMAND, S | D | W, SC_KEYMENU}}));
  recorder->Clear();
  headless::KeyDown(VK_MENU);
  headless::Key(VK_SPACE);
  headless::KeyUp(VK_MENU);
  // Alt+Space opens the system menu; Escape closes it again.
  headless::Key(VK_ESCAPE);
  Pump();
  bool keyMenuSpace = false;
  for (const RecordedMessage& m : recorder->Log()) {
    if (m.message == WM_SYSCOMMAND && m.wParam == SC_KEYMENU && m.lParam == u' ') keyMenuSpace = true;
  }
  EXPECT_TRUE(keyMenuSpace);
  headless::KeyDown(VK_MENU);
  headless::Key(VK_F4);
  headless::KeyUp(VK_MENU);
  Pump();
  EXPECT_FALSE(IsWindow(hwnd));  // Alt+F4 closes
}

TEST_F(QueueTest, WheelGoesToTheFocusAndClimbsToTheParent) {
  HWND hwnd = CreateTop(WS_POPUP | WS_VISIBLE, RECT{0, 0, 100, 100});
  HWND child = CreateChild(hwnd, RECT{0, 0, 10, 10});
  Pump();
  SetFocus(child);
  recorder->SetMainWindow(hwnd);
  recorder->Clear();
  headless::Wheel(-WHEEL_DELTA);
  Pump();
  EXPECT_TRUE(recorder->Matches({{WM_MOUSEWHEEL, P | kOtherWindow}, {WM_MOUSEWHEEL, S | D}}));
  EXPECT_EQ(static_cast<SHORT>(HIWORD(recorder->Log().front().wParam)), -WHEEL_DELTA);
}

TEST_F(QueueTest, CapturedMouseGoesToTheCaptureAsClientMessages) {
  HWND hwnd = CreateTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{0, 0, 100, 100});
  Pump();
  SetCapture(hwnd);
  recorder->Clear();
  headless::MoveMouse(500, 500);
  Pump();
  ASSERT_EQ(recorder->Log().size(), 1u);
  EXPECT_EQ(recorder->Log()[0].message, static_cast<UINT>(WM_MOUSEMOVE));
  EXPECT_EQ(recorder->Log()[0].lParam, MAKELPARAM(500 - 4, 500 - 22));
  ReleaseCapture();
  recorder->Clear();
  headless::MoveMouse(50, 10);
  Pump();
  EXPECT_TRUE(recorder->Matches({{WM_NCMOUSEMOVE, P | W, HTCAPTION}}));
}

}  // namespace
}  // namespace brellis::test
