// Message sequences of the behaviours the skin engine relies on.
#include "user/user_test.h"

namespace brellis::test {
namespace {

namespace headless = platform::display::headless;

class SequenceTest : public UserTest {
 protected:
  void SetUp() override {
    UserTest::SetUp();
    recorder->Ignore(WM_NCHITTEST);
    recorder->Ignore(WM_SETCURSOR);
  }
};

TEST_F(SequenceTest, CreateShowHideDestroyOverlapped) {
  recorder->HookCbt();
  HWND hwnd = CreateTop(WS_OVERLAPPEDWINDOW);
  ASSERT_NE(hwnd, nullptr);
  EXPECT_TRUE(recorder->Matches({{HCBT_CREATEWND, H},
                                 {WM_GETMINMAXINFO, S},
                                 {WM_NCCREATE, S},
                                 {WM_NCCALCSIZE, S | W, 0},
                                 {WM_CREATE, S}}));
  recorder->Clear();

  ShowWindow(hwnd, SW_SHOW);
  EXPECT_TRUE(recorder->Matches({{WM_SHOWWINDOW, S | W, 1},
                                 {WM_WINDOWPOSCHANGING, S | W, SWP_SHOWWINDOW | SWP_NOSIZE | SWP_NOMOVE},
                                 {HCBT_ACTIVATE, H},
                                 {WM_ACTIVATEAPP, S | W, 1},
                                 {WM_NCACTIVATE, S | W, 1},
                                 {WM_ACTIVATE, S | W, WA_ACTIVE},
                                 {HCBT_SETFOCUS, H},
                                 {WM_SETFOCUS, S | D},
                                 {WM_NCPAINT, S},
                                 {WM_ERASEBKGND, S},
                                 {WM_WINDOWPOSCHANGED, S | W, SWP_SHOWWINDOW | SWP_NOSIZE | SWP_NOMOVE},
                                 {WM_SIZE, S | W, SIZE_RESTORED},
                                 {WM_MOVE, S}}));
  EXPECT_EQ(GetActiveWindow(), hwnd);
  EXPECT_EQ(GetFocus(), hwnd);
  recorder->Clear();
  Pump();
  EXPECT_TRUE(recorder->Matches({{WM_PAINT, P}}));
  recorder->Clear();

  ShowWindow(hwnd, SW_HIDE);
  EXPECT_TRUE(recorder->Matches({{WM_SHOWWINDOW, S | W, 0},
                                 {WM_WINDOWPOSCHANGING, S | W, SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE},
                                 {WM_WINDOWPOSCHANGED, S | W, SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE},
                                 {WM_NCACTIVATE, S | W, 0},
                                 {WM_ACTIVATE, S | W, WA_INACTIVE},
                                 {WM_ACTIVATEAPP, S | W, 0},
                                 {HCBT_SETFOCUS, H},
                                 {WM_KILLFOCUS, S}}));
  EXPECT_EQ(GetActiveWindow(), nullptr);
  recorder->Clear();

  DestroyWindow(hwnd);
  EXPECT_TRUE(recorder->Matches({{HCBT_DESTROYWND, H}, {WM_DESTROY, S}, {WM_NCDESTROY, S}}));
  EXPECT_FALSE(IsWindow(hwnd));
}

TEST_F(SequenceTest, CreateVisibleChildNotifiesParentAndDestroysChildFirst) {
  HWND parent = CreateTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  recorder->SetMainWindow(parent);
  Pump();
  recorder->HookCbt();
  recorder->Clear();
  HWND child = CreateChild(parent, RECT{10, 10, 60, 40}, WS_CHILD | WS_VISIBLE, 7);
  EXPECT_TRUE(recorder->Matches({{HCBT_CREATEWND, H},
                                 {WM_NCCREATE, S | X},
                                 {WM_NCCALCSIZE, S | X | W, 0},
                                 {WM_CREATE, S | X},
                                 {WM_SIZE, S | X | W, SIZE_RESTORED},
                                 {WM_MOVE, S | X},
                                 {WM_PARENTNOTIFY, S | W, MAKEWPARAM(WM_CREATE, 7)},
                                 {WM_SHOWWINDOW, S | X | W, 1},
                                 {WM_WINDOWPOSCHANGING, S | X | W, SWP_SHOWWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOOWNERZORDER},
                                 {WM_NCPAINT, S | X | O},
                                 {WM_ERASEBKGND, S | X | O},
                                 {WM_WINDOWPOSCHANGED, S | X | W, SWP_SHOWWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOOWNERZORDER}}));
  recorder->Clear();
  Pump();
  recorder->Clear();

  DestroyWindow(parent);
  // WM_DESTROY goes parent first, WM_NCDESTROY child first.
  EXPECT_TRUE(recorder->Matches({{HCBT_DESTROYWND, H},
                                 {WM_WINDOWPOSCHANGING, S | W, SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER},
                                 {WM_WINDOWPOSCHANGED, S | W, SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER},
                                 {WM_NCACTIVATE, S | W, 0},
                                 {WM_ACTIVATE, S | W, WA_INACTIVE},
                                 {WM_ACTIVATEAPP, S | W, 0},
                                 {HCBT_SETFOCUS, H},
                                 {WM_KILLFOCUS, S},
                                 {WM_DESTROY, S},
                                 {WM_DESTROY, S | X},
                                 {WM_NCDESTROY, S | X},
                                 {WM_NCDESTROY, S}}));
  EXPECT_FALSE(IsWindow(child));
}

TEST_F(SequenceTest, SetWindowPosMoveSizeAndFrameChanged) {
  HWND hwnd = CreateTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{100, 100, 400, 300});
  Pump();
  recorder->Clear();

  SetWindowPos(hwnd, nullptr, 120, 130, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_TRUE(recorder->Matches({{WM_WINDOWPOSCHANGING, S | W, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE},
                                 {WM_WINDOWPOSCHANGED, S | W, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE},
                                 {WM_MOVE, S | D}}));
  recorder->Clear();

  SetWindowPos(hwnd, nullptr, 0, 0, 350, 250, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_TRUE(recorder->Matches({{WM_WINDOWPOSCHANGING, S | W, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE},
                                 {WM_GETMINMAXINFO, S | D},
                                 {WM_NCCALCSIZE, S | W, TRUE},
                                 {WM_NCPAINT, S},
                                 {WM_ERASEBKGND, S},
                                 {WM_WINDOWPOSCHANGED, S | W, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE},
                                 {WM_SIZE, S | D | W, SIZE_RESTORED}}));
  RECT rect{};
  GetWindowRect(hwnd, &rect);
  EXPECT_EQ(rect, (RECT{120, 130, 470, 380}));
  recorder->Clear();

  SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  EXPECT_TRUE(recorder->Matches(
      {{WM_WINDOWPOSCHANGING, S | W, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED},
       {WM_NCCALCSIZE, S | W, TRUE},
       {WM_NCPAINT, S},
       {WM_WINDOWPOSCHANGED, S | W, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED}}));
  recorder->Clear();

  // Nothing to change: neither message.
  SetWindowPos(hwnd, nullptr, 120, 130, 350, 250, SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_TRUE(recorder->Matches({{WM_WINDOWPOSCHANGING, S | W, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE}}));
}

// A procedure that claims a bigger frame in WM_NCCALCSIZE: SWP_FRAMECHANGED
// re-runs it and the client area follows.
LRESULT ThickFrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (MessageRecorder* recorder = MessageRecorder::Current()) recorder->Record(hwnd, message, wParam, lParam);
  if (message == WM_NCCALCSIZE && wParam) {
    auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam);
    const RECT window = params->rgrc[0];
    params->rgrc[0] = RECT{window.left + 10, window.top + 30, window.right - 10, window.bottom - 10};
    params->rgrc[1] = params->rgrc[0];
    return WVR_VALIDRECTS;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

TEST_F(SequenceTest, FrameChangedRerunsNcCalcSizeAndHonoursTheAnswer) {
  HWND hwnd = CreateTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{0, 0, 200, 200});
  Pump();
  WNDPROC thunk = MakeWndProcThunk(ThickFrameProc);
  const LONG_PTR previous = SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(thunk));
  SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  RECT client{};
  GetClientRect(hwnd, &client);
  EXPECT_EQ(client, (RECT{0, 0, 180, 160}));
  POINT origin{0, 0};
  ClientToScreen(hwnd, &origin);
  EXPECT_EQ(origin, (POINT{10, 30}));
  SetWindowLongPtrW(hwnd, GWLP_WNDPROC, previous);
  FreeWndProcThunk(thunk);
}

TEST_F(SequenceTest, ActivationBetweenTwoTopLevelWindowsCallsTheHookFirst) {
  HWND first = CreateTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{0, 0, 200, 200});
  HWND second = CreateTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{300, 0, 500, 200});
  Pump();
  recorder->SetMainWindow(first);
  recorder->HookCbt();
  recorder->Clear();
  ASSERT_EQ(GetActiveWindow(), second);

  SetActiveWindow(first);
  EXPECT_TRUE(recorder->Matches({{HCBT_ACTIVATE, H},
                                 {WM_NCACTIVATE, S | X | W, 0},
                                 {WM_ACTIVATE, S | X | W, WA_INACTIVE},
                                 {WM_NCACTIVATE, S | W, 1},
                                 {WM_ACTIVATE, S | W, WA_ACTIVE},
                                 {HCBT_SETFOCUS, H},
                                 {WM_KILLFOCUS, S | D | X},
                                 {WM_SETFOCUS, S | D}}));
  // The hook saw the window being activated and the one losing activation.
  ASSERT_FALSE(recorder->Log().empty());
  EXPECT_EQ(recorder->Log().front().wParam, reinterpret_cast<WPARAM>(first));
  EXPECT_EQ(GetActiveWindow(), first);
  EXPECT_EQ(GetTopWindow(nullptr), first);
}

LRESULT RefuseActivation(int code, WPARAM, LPARAM) { return code == HCBT_ACTIVATE ? 1 : 0; }

TEST_F(SequenceTest, CbtHookMayRefuseActivation) {
  HWND first = CreateTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{0, 0, 200, 200});
  HWND second = CreateTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{300, 0, 500, 200});
  HHOOK hook = SetWindowsHookExA(WH_CBT, RefuseActivation, nullptr, GetCurrentThreadId());
  EXPECT_EQ(SetActiveWindow(first), nullptr);
  EXPECT_EQ(GetActiveWindow(), second);
  UnhookWindowsHookEx(hook);
}

TEST_F(SequenceTest, FocusMovesBetweenChildren) {
  HWND parent = CreateTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  HWND a = CreateChild(parent, RECT{0, 0, 50, 20});
  HWND b = CreateChild(parent, RECT{0, 30, 50, 50});
  Pump();
  SetFocus(a);
  recorder->SetMainWindow(a);
  recorder->HookCbt();
  recorder->Clear();
  EXPECT_EQ(SetFocus(b), a);
  EXPECT_TRUE(recorder->Matches({{HCBT_SETFOCUS, H}, {WM_KILLFOCUS, S}, {WM_SETFOCUS, S | X}}));
  EXPECT_EQ(recorder->Log()[1].wParam, reinterpret_cast<WPARAM>(b));
  EXPECT_EQ(recorder->Log()[2].wParam, reinterpret_cast<WPARAM>(a));
  // Hiding the focus window gives the focus back to the parent.
  ShowWindow(b, SW_HIDE);
  EXPECT_EQ(GetFocus(), parent);
  // A disabled window cannot take the focus.
  EnableWindow(a, FALSE);
  EXPECT_EQ(SetFocus(a), nullptr);
  EXPECT_EQ(GetFocus(), parent);
}

TEST_F(SequenceTest, CaptureAndMouseLeave) {
  HWND hwnd = CreateTop(WS_POPUP | WS_VISIBLE, RECT{100, 100, 300, 300});
  Pump();
  recorder->Clear();
  HWND other = CreateTop(WS_POPUP | WS_VISIBLE, RECT{400, 100, 500, 200});
  Pump();
  SetActiveWindow(hwnd);
  recorder->SetMainWindow(hwnd);
  recorder->Clear();
  SetCapture(hwnd);
  EXPECT_EQ(GetCapture(), hwnd);
  SetCapture(other);
  EXPECT_TRUE(recorder->Matches({{WM_CAPTURECHANGED, S}}));
  EXPECT_EQ(recorder->Log().back().lParam, reinterpret_cast<LPARAM>(other));
  ReleaseCapture();
  EXPECT_EQ(GetCapture(), nullptr);

  headless::MoveMouse(150, 150);
  Pump();
  TRACKMOUSEEVENT track{};
  track.dwFlags = TME_LEAVE;
  track.hwndTrack = hwnd;
  ASSERT_TRUE(TrackMouseEvent(&track));
  recorder->Clear();
  headless::MoveMouse(160, 150);
  Pump();
  headless::MoveMouse(450, 150);
  Pump();
  EXPECT_TRUE(recorder->Matches({{WM_MOUSEMOVE, P | W, 0}, {WM_MOUSEMOVE, P | X}, {WM_MOUSELEAVE, P}}));
  // One leave per track.
  recorder->Clear();
  headless::MoveMouse(150, 150);
  Pump();
  headless::MoveMouse(460, 150);
  Pump();
  EXPECT_TRUE(recorder->Matches({{WM_MOUSEMOVE, P}, {WM_MOUSEMOVE, P | X}}));
}

TEST_F(SequenceTest, CaptionDragRunsTheMoveLoop) {
  HWND hwnd = CreateTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{100, 100, 400, 300});
  Pump();
  recorder->HookCbt();
  recorder->Unignore(WM_NCHITTEST);
  recorder->Clear();
  // Press on the caption, move by (30, 20), release. (Moves that follow
  // each other in the queue are read as one, as on Windows.)
  headless::MoveMouse(200, 110);
  headless::Press();
  headless::MoveMouse(215, 120);
  headless::MoveMouse(230, 130);
  headless::Release();
  Pump();
  RECT rect{};
  GetWindowRect(hwnd, &rect);
  EXPECT_EQ(rect, (RECT{130, 120, 430, 320}));
  EXPECT_TRUE(recorder->Matches({{WM_NCHITTEST, S},
                                 {WM_NCMOUSEMOVE, P | W, HTCAPTION},
                                 {WM_NCHITTEST, S},
                                 {WM_NCLBUTTONDOWN, P | W, HTCAPTION},
                                 {WM_SYSCOMMAND, S | D | W, SC_MOVE + HTCAPTION},
                                 {HCBT_SYSCOMMAND, H},
                                 {WM_GETMINMAXINFO, S | D},
                                 {HCBT_MOVESIZE, H},
                                 {WM_ENTERSIZEMOVE, S | D},
                                 {WM_MOVING, S | D},
                                 {WM_WINDOWPOSCHANGING, S | D | W, SWP_NOACTIVATE | SWP_NOCOPYBITS | SWP_NOZORDER | SWP_NOSIZE},
                                 {WM_WINDOWPOSCHANGED, S | D | W, SWP_NOACTIVATE | SWP_NOCOPYBITS | SWP_NOZORDER | SWP_NOSIZE},
                                 {WM_MOVE, S | D},
                                 {WM_CAPTURECHANGED, S | D},
                                 {WM_EXITSIZEMOVE, S | D}}))      << recorder->Describe();
}

TEST_F(SequenceTest, DragCommandFromAClientPressFollowsEitherButton) {
  HWND hwnd = CreateTop(WS_POPUP | WS_VISIBLE, RECT{100, 100, 300, 300});
  Pump();
  // What a borderless window does to be dragged by its client area.
  WNDPROC thunk = MakeWndProcThunk([](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
    if (m == WM_RBUTTONDOWN) {
      ReleaseCapture();
      SendMessageW(h, WM_SYSCOMMAND, 0xF012, 0);
      return 0;
    }
    return DefWindowProcW(h, m, w, l);
  });
  SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(thunk));
  headless::MoveMouse(150, 150);
  headless::Press(platform::display::InputEvent::Right);
  headless::MoveMouse(170, 160);
  headless::Release(platform::display::InputEvent::Right);
  headless::MoveMouse(300, 300);
  Pump();
  RECT rect{};
  GetWindowRect(hwnd, &rect);
  EXPECT_EQ(rect, (RECT{120, 110, 320, 310}));
  DestroyWindow(hwnd);
  FreeWndProcThunk(thunk);
}

TEST_F(SequenceTest, BorderDragRunsTheSizeLoop) {
  HWND hwnd = CreateTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{100, 100, 400, 300});
  Pump();
  recorder->Clear();
  // The right border: press, pull 50 pixels out, release.
  headless::MoveMouse(398, 200);
  headless::Press();
  headless::MoveMouse(448, 200);
  headless::Release();
  Pump();
  RECT rect{};
  GetWindowRect(hwnd, &rect);
  EXPECT_EQ(rect, (RECT{100, 100, 450, 300}));
  bool sizing = false, sized = false;
  for (const RecordedMessage& m : recorder->Log()) {
    if (m.message == WM_SYSCOMMAND) {
      EXPECT_EQ(m.wParam, SC_SIZE + WMSZ_RIGHT);
    }
    if (m.message == WM_SIZING && m.wParam == WMSZ_RIGHT) sizing = true;
    if (m.message == WM_SIZE && LOWORD(m.lParam) == 350 - 8) sized = true;
  }
  EXPECT_TRUE(sizing);
  EXPECT_TRUE(sized);
}

// The update region of WM_NCPAINT is in screen coordinates and covers the
// frame that needs painting.
HRGN g_ncRegion = nullptr;
WNDPROC g_ncPrevious = nullptr;

LRESULT KeepNcRegion(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCPAINT && reinterpret_cast<ULONG_PTR>(wParam) > 1) {
    if (g_ncRegion == nullptr) g_ncRegion = CreateRectRgn(0, 0, 0, 0);
    CombineRgn(g_ncRegion, reinterpret_cast<HRGN>(wParam), nullptr, RGN_COPY);
  }
  return CallWindowProcW(g_ncPrevious, hwnd, message, wParam, lParam);
}

TEST_F(SequenceTest, NcPaintRegionIsInScreenCoordinates) {
  HWND hwnd = CreateTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{100, 100, 400, 300});
  Pump();
  g_ncPrevious = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WndProcFromFunction(KeepNcRegion))));
  RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  ASSERT_NE(g_ncRegion, nullptr);
  RECT box{};
  GetRgnBox(g_ncRegion, &box);
  EXPECT_EQ(box, (RECT{100, 100, 400, 300}));
  EXPECT_FALSE(PtInRegion(g_ncRegion, 200, 200));  // not the client area
  DeleteObject(g_ncRegion);
  g_ncRegion = nullptr;
  HRGN update = CreateRectRgn(0, 0, 0, 0);
  RECT part{5, 5, 15, 15};
  InvalidateRect(hwnd, &part, FALSE);
  EXPECT_EQ(GetUpdateRgn(hwnd, update, FALSE), SIMPLEREGION);
  GetRgnBox(update, &box);
  EXPECT_EQ(box, part);
  DeleteObject(update);
  SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_ncPrevious));
}

TEST_F(SequenceTest, MinimiseMaximiseRestore) {
  HWND hwnd = CreateTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{100, 100, 400, 300});
  Pump();
  recorder->HookCbt();
  recorder->Clear();
  ShowWindow(hwnd, SW_MAXIMIZE);
  EXPECT_TRUE(recorder->Matches({{HCBT_MINMAX, H},
                                 {WM_GETMINMAXINFO, S},
                                 {WM_WINDOWPOSCHANGING, S | W, SWP_FRAMECHANGED | SWP_STATECHANGED},
                                 {WM_GETMINMAXINFO, S | D},
                                 {WM_NCCALCSIZE, S | W, TRUE},
                                 {WM_NCPAINT, S},
                                 {WM_ERASEBKGND, S},
                                 {WM_WINDOWPOSCHANGED, S | W, SWP_FRAMECHANGED | SWP_STATECHANGED},
                                 {WM_MOVE, S | D},
                                 {WM_SIZE, S | D | W, SIZE_MAXIMIZED}}));
  EXPECT_TRUE(IsZoomed(hwnd));
  RECT rect{};
  GetWindowRect(hwnd, &rect);
  EXPECT_EQ(rect, (RECT{-4, -4, 1284, 1028}));
  WINDOWPLACEMENT placement{};
  GetWindowPlacement(hwnd, &placement);
  EXPECT_EQ(placement.showCmd, static_cast<UINT>(SW_SHOWMAXIMIZED));
  EXPECT_EQ(placement.rcNormalPosition, (RECT{100, 100, 400, 300}));

  recorder->Clear();
  SendMessageW(hwnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(IsIconic(hwnd));
  GetWindowPlacement(hwnd, &placement);
  EXPECT_EQ(placement.showCmd, static_cast<UINT>(SW_SHOWMINIMIZED));
  EXPECT_EQ(placement.flags, WPF_RESTORETOMAXIMIZED);
  bool sawMinimized = false;
  for (const RecordedMessage& m : recorder->Log()) {
    if (m.message == WM_SIZE && m.wParam == SIZE_MINIMIZED) sawMinimized = true;
  }
  EXPECT_TRUE(sawMinimized);
  EXPECT_EQ(GetActiveWindow(), nullptr);

  // Restoring a window minimised from maximised brings it back maximised;
  // restoring again brings the normal rectangle.
  SendMessageW(hwnd, WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_TRUE(IsZoomed(hwnd));
  SendMessageW(hwnd, WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_FALSE(IsZoomed(hwnd));
  GetWindowRect(hwnd, &rect);
  EXPECT_EQ(rect, (RECT{100, 100, 400, 300}));
  GetWindowPlacement(hwnd, &placement);
  EXPECT_EQ(placement.showCmd, static_cast<UINT>(SW_SHOWNORMAL));
}

TEST_F(SequenceTest, CloseCommandDestroysTheWindow) {
  HWND hwnd = CreateTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  Pump();
  recorder->Clear();
  SendMessageW(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_EQ(recorder->Log().front().message, WM_SYSCOMMAND);
  EXPECT_EQ(recorder->Log()[1].message, WM_CLOSE);
}

}  // namespace
}  // namespace brellis::test
