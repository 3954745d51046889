// Platform behaviours the skin engine leans on, beyond the basic sequences:
// refused creations, creation states, caption clicks, hover tracking,
// disabled windows, dialog loops and the frame painted only on WM_NCPAINT.
#include "platform/base/handles.h"
#include "user/user_test.h"

namespace brellis::test {
namespace {

namespace headless = platform::display::headless;

class BehaviourTest : public UserTest {
 protected:
  void SetUp() override {
    UserTest::SetUp();
    recorder->Ignore(WM_NCHITTEST);
    recorder->Ignore(WM_SETCURSOR);
  }
  bool Saw(UINT message, WPARAM wParam) const {
    for (const RecordedMessage& m : recorder->Log()) {
      if (m.message == message && m.wParam == wParam) return true;
    }
    return false;
  }
};

LRESULT RefuseCreation(int code, WPARAM, LPARAM) { return code == HCBT_CREATEWND ? 1 : 0; }

TEST_F(BehaviourTest, RefusedCreationsLeaveNoWindow) {
  const auto before = platform::HandleTable::Instance().LiveCount(platform::HandleKind::Window);
  HHOOK hook = SetWindowsHookExW(WH_CBT, RefuseCreation, nullptr, GetCurrentThreadId());
  recorder->Clear();
  EXPECT_EQ(CreateTop(), nullptr);
  EXPECT_TRUE(recorder->Matches({}));  // not a single message
  UnhookWindowsHookEx(hook);

  // WM_NCCREATE answered FALSE: WM_NCDESTROY and nothing more; WM_CREATE
  // answered -1: the window is destroyed.
  for (UINT refused : {WM_NCCREATE, WM_CREATE}) {
    static UINT s_refused;
    s_refused = refused;
    WNDCLASSEXW wc{};
    wc.lpfnWndProc = WndProcFromFunction([](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
      MessageRecorder::Current()->Record(h, m, w, l);
      if (m == s_refused) return m == WM_NCCREATE ? FALSE : -1;
      return DefWindowProcW(h, m, w, l);
    });
    wc.lpszClassName = u"Refusing";
    RegisterClassExW(&wc);
    recorder->SetMainWindow(nullptr);
    recorder->Clear();
    EXPECT_EQ(CreateWindowExW(0, u"Refusing", nullptr, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr),
              nullptr);
    if (refused == WM_NCCREATE) {
      EXPECT_TRUE(recorder->Matches({{WM_NCCREATE, S}, {WM_NCDESTROY, S}}));
    } else {
      EXPECT_TRUE(recorder->Matches({{WM_NCCREATE, S},
                                     {WM_NCCALCSIZE, S},
                                     {WM_CREATE, S},
                                     {WM_DESTROY, S},
                                     {WM_NCDESTROY, S}}));
    }
    UnregisterClassW(u"Refusing", nullptr);
  }
  EXPECT_EQ(platform::HandleTable::Instance().LiveCount(platform::HandleKind::Window), before);
}

TEST_F(BehaviourTest, WindowsCreatedMaximisedAndUnderHiddenParents) {
  HWND big = CreateTop(WS_OVERLAPPEDWINDOW | WS_MAXIMIZE | WS_VISIBLE, RECT{10, 10, 160, 100});
  EXPECT_TRUE(IsZoomed(big));
  RECT rect{};
  GetWindowRect(big, &rect);
  EXPECT_EQ(rect.left, -4);
  WINDOWPLACEMENT placement{};
  GetWindowPlacement(big, &placement);
  EXPECT_EQ(placement.rcNormalPosition, (RECT{10, 10, 160, 100}));

  HWND hidden = CreateTop(WS_OVERLAPPEDWINDOW);
  HWND child = CreateChild(hidden, RECT{0, 0, 10, 10}, WS_CHILD);
  recorder->SetMainWindow(child);
  recorder->Clear();
  ShowWindow(child, SW_SHOW);
  // Under a hidden parent only the style changes.
  EXPECT_TRUE(recorder->Matches({{WM_SHOWWINDOW, S | W, 1}}));
  EXPECT_TRUE(GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE);
  EXPECT_FALSE(IsWindowVisible(child));
  ShowWindow(hidden, SW_SHOW);
  EXPECT_TRUE(IsWindowVisible(child));
}

TEST_F(BehaviourTest, CaptionDoubleClickMaximisesAndCloseButtonCloses) {
  HWND hwnd = CreateTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{100, 100, 400, 300});
  Pump();
  headless::DoubleClick(200, 110);
  Pump();
  EXPECT_TRUE(IsZoomed(hwnd));
  headless::DoubleClick(200, 5);  // the maximised caption is at the top
  Pump();
  EXPECT_FALSE(IsZoomed(hwnd));
  recorder->Clear();
  headless::Click(400 - 4 - 2 - 8, 100 + 4 + 2 + 7);
  Pump();
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_TRUE(Saw(WM_NCLBUTTONDOWN, HTCLOSE));
  EXPECT_TRUE(Saw(WM_SYSCOMMAND, SC_CLOSE));
  EXPECT_TRUE(Saw(WM_CLOSE, 0));
}

TEST_F(BehaviourTest, MinimiseButtonAndSystemIconDoubleClick) {
  HWND other = CreateTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{500, 500, 600, 600});
  HWND hwnd = CreateTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{100, 100, 400, 300});
  Pump();
  headless::Click(400 - 4 - 2 - 16 - 2 - 16 - 8, 100 + 4 + 2 + 7);
  Pump();
  EXPECT_TRUE(IsIconic(hwnd));
  EXPECT_EQ(GetActiveWindow(), other);  // the next window takes over
  ShowWindow(hwnd, SW_RESTORE);
  EXPECT_EQ(GetActiveWindow(), hwnd);
  EXPECT_EQ(GetFocus(), hwnd);
  headless::DoubleClick(110, 112);  // the icon in the caption
  Pump();
  EXPECT_FALSE(IsWindow(hwnd));
}

TEST_F(BehaviourTest, HoverAndNonClientLeaveTracking) {
  HWND hwnd = CreateTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{100, 100, 400, 300});
  Pump();
  headless::MoveMouse(200, 200);
  Pump();
  TRACKMOUSEEVENT track{};
  track.dwFlags = TME_HOVER | TME_LEAVE;
  track.hwndTrack = hwnd;
  track.dwHoverTime = HOVER_DEFAULT;
  ASSERT_TRUE(TrackMouseEvent(&track));
  TRACKMOUSEEVENT query{};
  query.dwFlags = TME_QUERY;
  TrackMouseEvent(&query);
  EXPECT_EQ(query.hwndTrack, hwnd);
  EXPECT_EQ(query.dwFlags & (TME_HOVER | TME_LEAVE), TME_HOVER | TME_LEAVE);
  recorder->Clear();
  headless::AdvanceClock(500);
  Pump();
  EXPECT_TRUE(Saw(WM_MOUSEHOVER, 0));
  // Into the caption: a client-area track ends with WM_MOUSELEAVE.
  recorder->Clear();
  headless::MoveMouse(200, 110);
  Pump();
  EXPECT_TRUE(Saw(WM_MOUSELEAVE, 0));
  track.dwFlags = TME_LEAVE | TME_NONCLIENT;
  ASSERT_TRUE(TrackMouseEvent(&track));
  recorder->Clear();
  headless::MoveMouse(200, 200);
  Pump();
  EXPECT_TRUE(Saw(WM_NCMOUSELEAVE, 0));
}

TEST_F(BehaviourTest, DisabledWindowsAreNeitherActivatedNorClicked) {
  HWND front = CreateTop(WS_POPUP | WS_VISIBLE, RECT{300, 0, 400, 100});
  HWND disabled = CreateTop(WS_POPUP | WS_VISIBLE | WS_DISABLED, RECT{0, 0, 100, 100});
  Pump();
  SetActiveWindow(front);
  recorder->Unignore(WM_SETCURSOR);
  recorder->SetMainWindow(disabled);
  recorder->Clear();
  headless::Click(50, 50);
  Pump();
  EXPECT_EQ(GetActiveWindow(), front);
  for (const RecordedMessage& m : recorder->Log()) EXPECT_NE(m.message, static_cast<UINT>(WM_LBUTTONDOWN));
  // WM_SETCURSOR tells the window it was hit while disabled.
  bool error = false;
  for (const RecordedMessage& m : recorder->Log()) {
    if (m.message == WM_SETCURSOR && static_cast<SHORT>(LOWORD(m.lParam)) == HTERROR) error = true;
  }
  EXPECT_TRUE(error);
  EXPECT_EQ(SetActiveWindow(disabled), nullptr);
  recorder->Clear();
  EnableWindow(disabled, TRUE);
  EXPECT_TRUE(recorder->Matches({{WM_ENABLE, S | W, TRUE}}));
}

TEST_F(BehaviourTest, FrameIsRepaintedThroughNcPaintOnlyWhenTextChanges) {
  HWND hwnd = CreateTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{0, 0, 200, 100});
  Pump();
  recorder->Clear();
  SetWindowTextW(hwnd, u"新标题");
  // Nothing painted yet: the frame waits for WM_NCPAINT.
  EXPECT_TRUE(recorder->Matches({{WM_SETTEXT, S}}));
  Pump();
  EXPECT_TRUE(recorder->Matches({{WM_SETTEXT, S}, {WM_PAINT, P}, {WM_NCPAINT, S | D}}));
  RECT update{};
  EXPECT_FALSE(GetUpdateRect(hwnd, &update, FALSE));  // the client kept its pixels
}

int g_dialogFilterCalls = 0;

LRESULT CountDialogFilter(int code, WPARAM wParam, LPARAM lParam) {
  if (code == MSGF_DIALOGBOX) ++g_dialogFilterCalls;
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(BehaviourTest, DialogLoopsCallTheMessageFilter) {
  HWND owner = CreateTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  Pump();
  g_dialogFilterCalls = 0;
  HHOOK hook = SetWindowsHookExW(WH_MSGFILTER, CountDialogFilter, nullptr, GetCurrentThreadId());
  headless::Key(VK_RETURN);
  EXPECT_EQ(MessageBoxW(owner, u"?", u"!", MB_OKCANCEL), IDOK);
  UnhookWindowsHookEx(hook);
  EXPECT_GT(g_dialogFilterCalls, 0);
  // While the box was up its owner was disabled; now it is enabled again.
  EXPECT_TRUE(IsWindowEnabled(owner));
}

TEST_F(BehaviourTest, ActivateAppOnlyWhenTheProgramGainsOrLosesActivation) {
  HWND a = CreateTop(WS_POPUP | WS_VISIBLE, RECT{0, 0, 50, 50});
  HWND b = CreateTop(WS_POPUP | WS_VISIBLE, RECT{60, 0, 110, 50});
  Pump();
  recorder->Clear();
  SetActiveWindow(a);
  SetActiveWindow(b);
  EXPECT_FALSE(Saw(WM_ACTIVATEAPP, TRUE));
  SetActiveWindow(nullptr);
  EXPECT_TRUE(Saw(WM_ACTIVATEAPP, FALSE));
  EXPECT_EQ(GetForegroundWindow(), nullptr);
  recorder->Clear();
  EXPECT_TRUE(SetForegroundWindow(a));
  EXPECT_TRUE(Saw(WM_ACTIVATEAPP, TRUE));
  EXPECT_EQ(GetForegroundWindow(), a);
}

TEST_F(BehaviourTest, KeyStatesFollowTheMessagesReadAndTheDevice) {
  HWND hwnd = CreateTop(WS_POPUP | WS_VISIBLE);
  Pump();
  headless::KeyDown(VK_CONTROL);
  MSG msg{};
  // The device state changes when the key arrives, the thread's state when
  // the message is read.
  PeekMessageW(&msg, hwnd, 0xFFFF, 0xFFFF, PM_NOREMOVE);
  EXPECT_TRUE(GetAsyncKeyState(VK_CONTROL) & 0x8000);
  EXPECT_FALSE(GetKeyState(VK_CONTROL) & 0x8000);
  Pump();
  EXPECT_TRUE(GetKeyState(VK_CONTROL) & 0x8000);
  EXPECT_EQ(GetMessageTime(), static_cast<LONG>(GetTickCount()));
  headless::KeyUp(VK_CONTROL);
  Pump();
  EXPECT_FALSE(GetKeyState(VK_CONTROL) & 0x8000);
  EXPECT_FALSE(InSendMessage());
}

}  // namespace
}  // namespace brellis::test
