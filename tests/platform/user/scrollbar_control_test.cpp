// The "ScrollBar" control: SetScrollInfo(SB_CTL) reaching it as
// SBM_SETSCROLLINFO, its SBM_* messages, the tracking loop notifying the
// parent (on a press, or on a WM_LBUTTONDOWN sent by a window over it), the
// keyboard, the size grip, and its classic look.
#include "support/golden.h"
#include "user/user_test.h"

namespace brellis::test {
namespace {

namespace headless = platform::display::headless;

constexpr WPARAM Request(WORD code, int pos = 0) { return MAKEWPARAM(code, static_cast<WORD>(pos)); }

class ScrollBarControlTest : public UserTest {
 protected:
  void SetUp() override {
    UserTest::SetUp();
    for (UINT m : {WM_NCHITTEST, WM_SETCURSOR, WM_MOUSEMOVE, WM_NCPAINT, WM_ERASEBKGND, WM_PAINT, WM_MOUSEWHEEL,
                   WM_CTLCOLORSCROLLBAR, WM_MOUSEACTIVATE, WM_PARENTNOTIFY}) {
      recorder->Ignore(m);
    }
    parent = CreateTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{100, 100, 420, 340});
    bar = CreateWindowExW(0, u"ScrollBar", nullptr, WS_CHILD | WS_VISIBLE | WS_TABSTOP | SBS_VERT, 20, 10, 16, 200,
                          parent, reinterpret_cast<HMENU>(5), nullptr, nullptr);
    SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 100, 10, 0, 0};
    SetScrollInfo(bar, SB_CTL, &info, TRUE);
    Pump();
    GetWindowRect(bar, &screen);
  }

  // The parent's requests from the bar (each must carry the bar in lParam).
  std::vector<WPARAM> Requests() const {
    std::vector<WPARAM> requests;
    for (const RecordedMessage& m : recorder->Log()) {
      if (m.hwnd != parent || (m.message != WM_VSCROLL && m.message != WM_HSCROLL)) continue;
      EXPECT_EQ(m.lParam, reinterpret_cast<LPARAM>(bar));
      requests.push_back(m.wParam);
    }
    return requests;
  }

  HWND parent = nullptr;
  HWND bar = nullptr;
  RECT screen{};
};

// Lets the button go on the loop's first repeat tick.
LRESULT ReleaseOnFirstTick(int code, WPARAM wParam, LPARAM lParam) {
  if (code == MSGF_SCROLLBAR && reinterpret_cast<const MSG*>(lParam)->message == WM_SYSTIMER) headless::Release();
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(ScrollBarControlTest, SetScrollInfoReachesTheControlAsSbmSetScrollInfo) {
  HWND fresh = CreateWindowExW(0, u"scrollbar", nullptr, WS_CHILD | SBS_HORZ, 0, 0, 100, 16, parent, nullptr, nullptr,
                               nullptr);
  int min = -1, max = -1;
  GetScrollRange(fresh, SB_CTL, &min, &max);
  EXPECT_EQ(min, 0);  // a control's range starts empty
  EXPECT_EQ(max, 0);
  recorder->Watch(fresh);
  recorder->Clear();
  SCROLLINFO info{sizeof(info), SIF_ALL, 5, 50, 6, 20, 0};
  EXPECT_EQ(SetScrollInfo(fresh, SB_CTL, &info, FALSE), 20);
  EXPECT_TRUE(recorder->Matches({{SBM_SETSCROLLINFO, S | X | W, FALSE}})) << recorder->Describe();
  SCROLLINFO read{sizeof(read), SIF_ALL, 0, 0, 0, 0, 0};
  ASSERT_TRUE(GetScrollInfo(fresh, SB_CTL, &read));
  EXPECT_EQ(read.nMin, 5);
  EXPECT_EQ(read.nMax, 50);
  EXPECT_EQ(read.nPage, 6u);
  EXPECT_EQ(read.nPos, 20);
  // The older calls go through the control's messages too.
  EXPECT_EQ(SetScrollPos(fresh, SB_CTL, 99, FALSE), 20);
  EXPECT_EQ(GetScrollPos(fresh, SB_CTL), 45);
  EXPECT_EQ(SendMessageW(fresh, SBM_SETRANGE, 0, 10), 45);  // the position moved
  EXPECT_EQ(SendMessageW(fresh, SBM_GETPOS, 0, 0), 5);
  EXPECT_TRUE(SendMessageW(fresh, SBM_ENABLE_ARROWS, ESB_DISABLE_BOTH, 0));
  SCROLLBARINFO sbi{};
  sbi.cbSize = sizeof(sbi);
  ASSERT_TRUE(GetScrollBarInfo(fresh, OBJID_CLIENT, &sbi));
  EXPECT_EQ(sbi.rgstate[0], STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_INVISIBLE);  // created hidden
  EXPECT_EQ(SendMessageW(fresh, SBM_SETSCROLLINFO, TRUE, 0), 0);  // no record: nothing happens
  recorder->Unwatch(fresh);
}

TEST_F(ScrollBarControlTest, PressOnTheArrowNotifiesTheParent) {
  recorder->Clear();
  HHOOK hook = SetWindowsHookExW(WH_MSGFILTER, ReleaseOnFirstTick, nullptr, GetCurrentThreadId());
  headless::MoveMouse(screen.left + 8, screen.bottom - 8);
  headless::Press();
  Pump();
  UnhookWindowsHookEx(hook);
  EXPECT_EQ(Requests(), (std::vector<WPARAM>{Request(SB_LINEDOWN), Request(SB_LINEDOWN), Request(SB_ENDSCROLL)}))
      << recorder->Describe();
  EXPECT_EQ(GetFocus(), bar);  // a tab stop takes the focus when pressed
}

TEST_F(ScrollBarControlTest, SentButtonDownWithMkLButtonDragsTheThumb) {
  // A window lying over the control hands its press on, as the skin's
  // overlay does, with the point in the control's client coordinates.
  HWND overlay = CreateChild(parent, RECT{20, 10, 36, 210});
  SetWindowPos(overlay, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  static HWND target = nullptr;
  target = bar;
  WNDPROC thunk = MakeWndProcThunk([](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
    if (m == WM_LBUTTONDOWN) {
      ReleaseCapture();
      SendMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, l);
      PostMessageW(target, WM_LBUTTONUP, MK_LBUTTON, l);
      return 0;
    }
    return DefWindowProcW(h, m, w, l);
  });
  SetWindowLongPtrW(overlay, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(thunk));
  Pump();
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  ASSERT_TRUE(GetScrollBarInfo(bar, OBJID_CLIENT, &info));
  // 200 - 32 = 168 track pixels, thumb 168 * 10 / 101 = 16, 152 free for 91.
  EXPECT_EQ(info.xyThumbTop, 16);
  EXPECT_EQ(info.xyThumbBottom, 32);
  recorder->Clear();
  headless::MoveMouse(screen.left + 8, screen.top + 24);
  EXPECT_EQ(WindowFromPoint(POINT{screen.left + 8, screen.top + 24}), overlay);
  headless::Press();
  headless::MoveMouse(screen.left + 8, screen.top + 24 + 76);
  headless::Release();
  Pump();
  const int half = (76 * 91 + 76) / 152;
  EXPECT_EQ(Requests(), (std::vector<WPARAM>{Request(SB_THUMBTRACK, half), Request(SB_THUMBPOSITION, half),
                                            Request(SB_ENDSCROLL)}))
      << recorder->Describe();
  DestroyWindow(overlay);
  FreeWndProcThunk(thunk);
}

TEST_F(ScrollBarControlTest, KeysScrollWhenFocused) {
  SetFocus(bar);
  recorder->Clear();
  headless::Key(VK_NEXT);
  headless::Key(VK_HOME);
  headless::Key(VK_SPACE);  // not a scrolling key
  Pump();
  EXPECT_EQ(Requests(), (std::vector<WPARAM>{Request(SB_PAGEDOWN), Request(SB_ENDSCROLL), Request(SB_TOP),
                                            Request(SB_ENDSCROLL)}));
}

TEST_F(ScrollBarControlTest, SizeGripSizesItsTopLevelWindow) {
  RECT client{};
  GetClientRect(parent, &client);
  HWND grip = CreateWindowExW(0, u"ScrollBar", nullptr, WS_CHILD | WS_VISIBLE | SBS_SIZEGRIP | SBS_SIZEBOXBOTTOMRIGHTALIGN,
                              0, 0, client.right, client.bottom, parent, nullptr, nullptr, nullptr);
  RECT rect{};
  GetWindowRect(grip, &rect);
  EXPECT_EQ(rect.right - rect.left, GetSystemMetrics(SM_CXVSCROLL));
  EXPECT_EQ(rect.bottom - rect.top, GetSystemMetrics(SM_CYHSCROLL));
  Pump();
  headless::MoveMouse(rect.left + 8, rect.top + 8);
  headless::Press();
  headless::MoveMouse(rect.left + 38, rect.top + 28);
  headless::Release();
  Pump();
  GetWindowRect(parent, &rect);
  EXPECT_EQ(rect, (RECT{100, 100, 450, 360}));
}

TEST_F(ScrollBarControlTest, ClassicLookHorizontalAndVertical) {
  HWND horizontal = CreateWindowExW(0, u"ScrollBar", nullptr, WS_CHILD | WS_VISIBLE | SBS_HORZ, 60, 10, 200, 16,
                                    parent, nullptr, nullptr, nullptr);
  SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 9, 3, 4, 0};
  SetScrollInfo(horizontal, SB_CTL, &info, TRUE);
  HWND disabled = CreateWindowExW(0, u"ScrollBar", nullptr, WS_CHILD | WS_VISIBLE | WS_DISABLED | SBS_HORZ, 60, 40,
                                  200, 16, parent, nullptr, nullptr, nullptr);
  SetScrollInfo(disabled, SB_CTL, &info, TRUE);
  HWND grip = CreateWindowExW(0, u"ScrollBar", nullptr, WS_CHILD | WS_VISIBLE | SBS_SIZEGRIP, 60, 70, 16, 16, parent,
                              nullptr, nullptr, nullptr);
  SetScrollPos(bar, SB_CTL, 50, TRUE);
  Pump();
  ASSERT_NE(grip, nullptr);
  // The whole window: the caption's text is drawn with a little tolerance.
  const auto picture = headless::WindowImage(parent);
  ASSERT_TRUE(picture.has_value());
  EXPECT_TRUE(MatchesGolden(*picture, "user/scrollbar_controls", GoldenTolerance{48, 60}));
}

}  // namespace
}  // namespace brellis::test
