// Window scroll bars: the SetScrollInfo rules, what GetScrollBarInfo
// reports, the non-client layout, the tracking loop's message sequences
// (pressed on the bar, or sent by a window lying over it), scrolling a
// window's pixels, and their classic look.
#include <optional>

#include "support/golden.h"
#include "support/handle_leaks.h"
#include "user/user_test.h"

namespace brellis::test {
namespace {

namespace headless = platform::display::headless;

constexpr WPARAM Request(WORD code, int pos = 0) { return MAKEWPARAM(code, static_cast<WORD>(pos)); }

platform::DibImage Crop(const platform::DibImage& image, const RECT& rect) {
  platform::DibImage out = platform::DibImage::Blank(rect.right - rect.left, rect.bottom - rect.top, 32);
  for (int y = rect.top; y < rect.bottom; ++y) {
    for (int x = rect.left; x < rect.right; ++x) {
      auto* row = reinterpret_cast<platform::Pixel*>(out.bits.data() + out.format.RowOffset(y - rect.top));
      row[x - rect.left] = image.PixelAt(x, y);
    }
  }
  return out;
}

SCROLLINFO Info(UINT mask, int min = 0, int max = 0, UINT page = 0, int pos = 0) {
  return SCROLLINFO{sizeof(SCROLLINFO), mask, min, max, page, pos, 0};
}

SCROLLBARINFO BarInfo(HWND hwnd, LONG object) {
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  EXPECT_TRUE(GetScrollBarInfo(hwnd, object, &info));
  return info;
}

// Releases the button after the loop has taken `ticks` repeat ticks, so a
// held arrow or page part can be tested; counts what the loop showed to the
// message filter.
struct HoldFilter {
  static inline int ticks = 0;
  static inline int releaseAfter = 0;
  static inline int otherTimers = 0;
  static inline int scrollBarCodes = 0;
  static inline HHOOK hook = nullptr;

  static LRESULT Proc(int code, WPARAM wParam, LPARAM lParam) {
    const MSG* msg = reinterpret_cast<const MSG*>(lParam);
    if (code == MSGF_SCROLLBAR) {
      ++scrollBarCodes;
      if (msg->message == WM_SYSTIMER && ++ticks == releaseAfter) headless::Release();
      if (msg->message == WM_TIMER) ++otherTimers;
    }
    return CallNextHookEx(hook, code, wParam, lParam);
  }
  static void Install(int release) {
    ticks = otherTimers = scrollBarCodes = 0;
    releaseAfter = release;
    hook = SetWindowsHookExW(WH_MSGFILTER, Proc, nullptr, GetCurrentThreadId());
  }
  static void Remove() { UnhookWindowsHookEx(hook); }
};

class ScrollBarTest : public UserTest {
 protected:
  void SetUp() override {
    UserTest::SetUp();
    for (UINT m : {WM_NCHITTEST, WM_SETCURSOR, WM_NCMOUSEMOVE, WM_MOUSEMOVE, WM_NCPAINT, WM_ERASEBKGND, WM_PAINT,
                   WM_MOUSEWHEEL, WM_NCMOUSELEAVE, WM_MOUSELEAVE, WM_CTLCOLORSCROLLBAR}) {
      recorder->Ignore(m);
    }
  }

  // A visible, active window with a vertical bar (range 0..100, page 0).
  HWND CreateScrolled(DWORD style = WS_OVERLAPPEDWINDOW | WS_VSCROLL | WS_VISIBLE) {
    HWND hwnd = CreateTop(style, RECT{100, 100, 400, 300});
    Pump();
    return hwnd;
  }
};

TEST_F(ScrollBarTest, ScrollInfoIsClampedToRangeAndPage) {
  HWND hwnd = CreateScrolled();
  SCROLLINFO info = Info(SIF_ALL);
  ASSERT_TRUE(GetScrollInfo(hwnd, SB_VERT, &info));
  EXPECT_EQ(info.nMin, 0);
  EXPECT_EQ(info.nMax, 100);
  EXPECT_EQ(info.nPage, 0u);
  // The position stops at max - (page - 1); the page at the range's size.
  SCROLLINFO set = Info(SIF_RANGE | SIF_PAGE | SIF_POS, 10, 50, 11, 99);
  EXPECT_EQ(SetScrollInfo(hwnd, SB_VERT, &set, TRUE), 40);
  set = Info(SIF_PAGE, 0, 0, 500, 0);
  EXPECT_EQ(SetScrollInfo(hwnd, SB_VERT, &set, TRUE), 10);
  ASSERT_TRUE(GetScrollInfo(hwnd, SB_VERT, &info));
  EXPECT_EQ(info.nPage, 41u);
  EXPECT_EQ(info.nTrackPos, 10);
  // The older calls answer the previous position and read the same state.
  EXPECT_EQ(SetScrollRange(hwnd, SB_HORZ, 0, 20, FALSE), TRUE);
  EXPECT_EQ(SetScrollPos(hwnd, SB_HORZ, 30, FALSE), 0);
  EXPECT_EQ(GetScrollPos(hwnd, SB_HORZ), 20);
  int min = -1, max = -1;
  EXPECT_TRUE(GetScrollRange(hwnd, SB_HORZ, &min, &max));
  EXPECT_EQ(min, 0);
  EXPECT_EQ(max, 20);
  // A reversed range becomes 0..0; bad records and bars are refused.
  set = Info(SIF_RANGE, 30, 10, 0, 0);
  SetScrollInfo(hwnd, SB_VERT, &set, FALSE);
  ASSERT_TRUE(GetScrollInfo(hwnd, SB_VERT, &info));
  EXPECT_EQ(info.nMin, 0);
  EXPECT_EQ(info.nMax, 0);
  SCROLLINFO bad = Info(SIF_ALL);
  bad.cbSize = 7;
  EXPECT_FALSE(GetScrollInfo(hwnd, SB_VERT, &bad));
  EXPECT_EQ(SetScrollInfo(hwnd, SB_VERT, nullptr, TRUE), 0);
  EXPECT_FALSE(GetScrollInfo(hwnd, 9, &info));
  EXPECT_EQ(SetScrollPos(reinterpret_cast<HWND>(0x1234), SB_VERT, 3, TRUE), 0);
}

TEST_F(ScrollBarTest, BarsTakeNonClientSpaceAndAreHitTested) {
  HWND hwnd = CreateScrolled(WS_OVERLAPPEDWINDOW | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE);
  RECT client{};
  GetClientRect(hwnd, &client);
  // 300 x 200 less the sizing frame (4), the caption (18) and the bars (16).
  EXPECT_EQ(client, (RECT{0, 0, 300 - 8 - 16, 200 - 8 - 18 - 16}));
  POINT corner{client.right, client.bottom};
  ClientToScreen(hwnd, &corner);
  auto hit = [&](int x, int y) { return SendMessageW(hwnd, WM_NCHITTEST, 0, MAKELPARAM(x, y)); };
  EXPECT_EQ(hit(corner.x + 8, corner.y - 30), HTVSCROLL);
  EXPECT_EQ(hit(corner.x - 30, corner.y + 8), HTHSCROLL);
  EXPECT_EQ(hit(corner.x + 8, corner.y + 8), HTSIZE);
  DestroyWindow(hwnd);

  // Left-side bar.
  hwnd = CreateTop(WS_OVERLAPPEDWINDOW | WS_VSCROLL | WS_VISIBLE, RECT{100, 100, 400, 300}, WS_EX_LEFTSCROLLBAR);
  POINT origin{0, 0};
  ClientToScreen(hwnd, &origin);
  EXPECT_EQ(origin.x, 100 + 4 + 16);
  EXPECT_EQ(hit(origin.x - 8, origin.y + 40), HTVSCROLL);
  const SCROLLBARINFO info = BarInfo(hwnd, OBJID_VSCROLL);
  EXPECT_EQ(info.rcScrollBar.left, 104);
  EXPECT_EQ(info.rcScrollBar.right, 120);
}

TEST_F(ScrollBarTest, ScrollBarInfoForShownHiddenAndDisabledBars) {
  HWND hwnd = CreateScrolled();
  SCROLLINFO set = Info(SIF_RANGE | SIF_PAGE | SIF_POS, 0, 99, 25, 50);
  SetScrollInfo(hwnd, SB_VERT, &set, TRUE);
  SCROLLBARINFO info = BarInfo(hwnd, OBJID_VSCROLL);
  RECT client{};
  GetClientRect(hwnd, &client);
  POINT topRight{client.right, 0};
  ClientToScreen(hwnd, &topRight);
  EXPECT_EQ(info.rcScrollBar, (RECT{topRight.x, topRight.y, topRight.x + 16, topRight.y + client.bottom}));
  EXPECT_EQ(info.dxyLineButton, 16);
  // Track 174 - 32 = 142 pixels, thumb 142 * 25 / 100 = 35, at 50 of 75.
  const int track = client.bottom - 32;
  const int thumb = track * 25 / 100;
  const int start = 16 + ((track - thumb) * 50 + 37) / 75;
  EXPECT_EQ(info.xyThumbTop, start);
  EXPECT_EQ(info.xyThumbBottom, start + thumb);
  EXPECT_EQ(info.rgstate[0], 0u);

  // No horizontal bar: invisible.
  EXPECT_EQ(BarInfo(hwnd, OBJID_HSCROLL).rgstate[0], STATE_SYSTEM_INVISIBLE);
  // Nothing to scroll: the bar goes, or is disabled when asked to stay.
  set = Info(SIF_RANGE | SIF_PAGE, 0, 9, 10, 0);
  SetScrollInfo(hwnd, SB_VERT, &set, TRUE);
  EXPECT_FALSE(GetWindowLongW(hwnd, GWL_STYLE) & WS_VSCROLL);
  EXPECT_EQ(BarInfo(hwnd, OBJID_VSCROLL).rgstate[0], STATE_SYSTEM_INVISIBLE);
  set = Info(SIF_RANGE | SIF_PAGE, 0, 99, 10, 0);
  SetScrollInfo(hwnd, SB_VERT, &set, TRUE);
  EXPECT_TRUE(GetWindowLongW(hwnd, GWL_STYLE) & WS_VSCROLL);
  set = Info(SIF_RANGE | SIF_PAGE | SIF_DISABLENOSCROLL, 0, 9, 10, 0);
  SetScrollInfo(hwnd, SB_VERT, &set, TRUE);
  info = BarInfo(hwnd, OBJID_VSCROLL);
  EXPECT_EQ(info.rgstate[0], STATE_SYSTEM_UNAVAILABLE);
  EXPECT_EQ(info.xyThumbTop, 0);
  EXPECT_EQ(info.xyThumbBottom, 0);
  // EnableScrollBar and ShowScrollBar.
  EXPECT_TRUE(EnableScrollBar(hwnd, SB_VERT, ESB_ENABLE_BOTH));
  EXPECT_EQ(BarInfo(hwnd, OBJID_VSCROLL).rgstate[0], 0u);
  EXPECT_TRUE(EnableScrollBar(hwnd, SB_VERT, ESB_DISABLE_UP));
  EXPECT_EQ(BarInfo(hwnd, OBJID_VSCROLL).rgstate[1], STATE_SYSTEM_UNAVAILABLE);
  EXPECT_FALSE(EnableScrollBar(hwnd, SB_VERT, ESB_DISABLE_UP));  // no change
  ShowScrollBar(hwnd, SB_BOTH, TRUE);
  EXPECT_EQ(BarInfo(hwnd, OBJID_HSCROLL).rgstate[0], 0u);
  ShowScrollBar(hwnd, SB_VERT, FALSE);
  EXPECT_EQ(BarInfo(hwnd, OBJID_VSCROLL).rgstate[0], STATE_SYSTEM_INVISIBLE);
  // The record's size is checked.
  info.cbSize = 56;
  EXPECT_FALSE(GetScrollBarInfo(hwnd, OBJID_VSCROLL, &info));
}

// The requests (wParam of WM_VSCROLL or WM_HSCROLL) a window received.
std::vector<WPARAM> Requests(const MessageRecorder& recorder, HWND hwnd, UINT message = WM_VSCROLL) {
  std::vector<WPARAM> requests;
  for (const RecordedMessage& m : recorder.Log()) {
    if (m.hwnd == hwnd && m.message == message) requests.push_back(m.wParam);
  }
  return requests;
}

TEST_F(ScrollBarTest, HeldArrowRepeatsWhileOtherTimersRun) {
  HWND hwnd = CreateScrolled();
  HWND other = CreateTop(WS_POPUP | WS_VISIBLE, RECT{600, 600, 650, 650});
  SetTimer(other, 7, 30, nullptr);
  SetActiveWindow(hwnd);
  Pump();
  const SCROLLBARINFO bar = BarInfo(hwnd, OBJID_VSCROLL);
  recorder->HookCbt();
  recorder->Ignore(WM_TIMER);
  recorder->Clear();
  HoldFilter::Install(3);
  headless::MoveMouse(bar.rcScrollBar.left + 8, bar.rcScrollBar.bottom - 8);
  headless::Press();
  Pump();
  HoldFilter::Remove();
  EXPECT_TRUE(recorder->Matches({{WM_NCLBUTTONDOWN, P | W, HTVSCROLL},
                                 {WM_SYSCOMMAND, S | D | W, SC_VSCROLL + HTVSCROLL},
                                 {HCBT_SYSCOMMAND, H},
                                 {WM_VSCROLL, S | D | W, Request(SB_LINEDOWN)},
                                 {WM_VSCROLL, S | D | W, Request(SB_LINEDOWN)},
                                 {WM_VSCROLL, S | D | W, Request(SB_LINEDOWN)},
                                 {WM_VSCROLL, S | D | W, Request(SB_LINEDOWN)},
                                 {WM_CAPTURECHANGED, S | D},
                                 {WM_VSCROLL, S | D | W, Request(SB_ENDSCROLL)}}))
      << recorder->Describe();
  // The first repeat waits 200 ms, the next ones 50 ms: the 30 ms timer of
  // the other window ran meanwhile, and the loop showed it to the filter.
  EXPECT_GE(HoldFilter::otherTimers, 4);
  EXPECT_GT(HoldFilter::scrollBarCodes, 0);
  EXPECT_EQ(GetCapture(), nullptr);
  KillTimer(other, 7);
}

TEST_F(ScrollBarTest, PagePartRepeatsUntilTheThumbReachesThePointer) {
  HWND hwnd = CreateScrolled();
  // The window scrolls by ten on every page request.
  WNDPROC thunk = MakeWndProcThunk([](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
    if (m == WM_VSCROLL && LOWORD(w) == SB_PAGEDOWN) SetScrollPos(h, SB_VERT, GetScrollPos(h, SB_VERT) + 10, TRUE);
    return CallWindowProcW(reinterpret_cast<WNDPROC>(GetClassLongPtrW(h, GCLP_WNDPROC)), h, m, w, l);
  });
  SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(thunk));
  const SCROLLBARINFO bar = BarInfo(hwnd, OBJID_VSCROLL);
  const int free = bar.rcScrollBar.bottom - bar.rcScrollBar.top - 48;
  // Pressed where the thumb stands at position 30 (its middle): pages at
  // 0, 10, 20 go on, then the thumb covers the pointer and nothing more.
  const int y = bar.rcScrollBar.top + 16 + (free * 30 + 50) / 100 + 8;
  recorder->Clear();
  HoldFilter::Install(8);
  headless::MoveMouse(bar.rcScrollBar.left + 8, y);
  headless::Press();
  Pump();
  HoldFilter::Remove();
  EXPECT_EQ(Requests(*recorder, hwnd), (std::vector<WPARAM>{Request(SB_PAGEDOWN), Request(SB_PAGEDOWN),
                                                           Request(SB_PAGEDOWN), Request(SB_ENDSCROLL)}))
      << recorder->Describe();
  EXPECT_EQ(GetScrollPos(hwnd, SB_VERT), 30);
  DestroyWindow(hwnd);
  FreeWndProcThunk(thunk);
}

TEST_F(ScrollBarTest, ThumbDragTracksSnapsBackAndEndsWithThumbPosition) {
  HWND hwnd = CreateScrolled();
  const SCROLLBARINFO bar = BarInfo(hwnd, OBJID_VSCROLL);
  const int x = bar.rcScrollBar.left + 8;
  const int y = bar.rcScrollBar.top + bar.xyThumbTop + 8;
  const int free = bar.rcScrollBar.bottom - bar.rcScrollBar.top - 48;
  const int dragged = (40 * 100 + free / 2) / free;
  static std::optional<SCROLLINFO> during;
  during.reset();
  WNDPROC thunk = MakeWndProcThunk([](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
    if (m == WM_VSCROLL && LOWORD(w) == SB_THUMBTRACK && !during) {
      SCROLLINFO info = Info(SIF_ALL);
      GetScrollInfo(h, SB_VERT, &info);
      during = info;
    }
    return CallWindowProcW(reinterpret_cast<WNDPROC>(GetClassLongPtrW(h, GCLP_WNDPROC)), h, m, w, l);
  });
  SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(thunk));
  recorder->Clear();
  headless::MoveMouse(x, y);
  headless::Press();
  headless::MoveMouse(x, y + 40);
  headless::Wheel(0);  // keeps the moves apart
  headless::MoveMouse(x + 300, y + 40);  // far off: the thumb goes back
  headless::Wheel(0);
  headless::MoveMouse(x + 20, y + 40);  // near enough again
  headless::Release();
  Pump();
  EXPECT_TRUE(recorder->Matches({{WM_NCLBUTTONDOWN, P | W, HTVSCROLL},
                                 {WM_SYSCOMMAND, S | D | W, SC_VSCROLL + HTVSCROLL},
                                 {WM_VSCROLL, S | D | W, Request(SB_THUMBTRACK, dragged)},
                                 {WM_VSCROLL, S | D | W, Request(SB_THUMBTRACK, 0)},
                                 {WM_VSCROLL, S | D | W, Request(SB_THUMBTRACK, dragged)},
                                 {WM_CAPTURECHANGED, S | D},
                                 {WM_VSCROLL, S | D | W, Request(SB_THUMBPOSITION, dragged)},
                                 {WM_VSCROLL, S | D | W, Request(SB_ENDSCROLL)}}))
      << recorder->Describe();
  // While dragging, the track position is the dragged one; the position
  // itself is the window's business.
  ASSERT_TRUE(during.has_value());
  EXPECT_EQ(during->nTrackPos, dragged);
  EXPECT_EQ(during->nPos, 0);
  EXPECT_EQ(GetScrollPos(hwnd, SB_VERT), 0);
  DestroyWindow(hwnd);
  FreeWndProcThunk(thunk);
}

TEST_F(ScrollBarTest, PressSentByAWindowOverTheBarRunsTheLoop) {
  // A child with its own bar, and a sibling lying over the bar that hands
  // its clicks on as clicks on the bar.
  HWND parent = CreateTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{100, 100, 500, 400});
  HWND scrolled = CreateChild(parent, RECT{10, 10, 210, 210}, WS_CHILD | WS_VISIBLE | WS_VSCROLL);
  HWND overlay = CreateChild(parent, RECT{194, 10, 210, 210});
  SetWindowPos(overlay, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  static HWND target = nullptr;
  static bool returnedAfterRelease = false;
  target = scrolled;
  WNDPROC thunk = MakeWndProcThunk([](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
    if (m == WM_LBUTTONDOWN) {
      POINT p{GET_X_LPARAM(l), GET_Y_LPARAM(l)};
      ClientToScreen(h, &p);
      ReleaseCapture();
      SendMessageW(target, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(p.x, p.y));
      returnedAfterRelease = !(GetKeyState(VK_LBUTTON) & 0x8000);
      PostMessageW(target, WM_NCLBUTTONUP, HTVSCROLL, MAKELPARAM(p.x, p.y));
      return 0;
    }
    return DefWindowProcW(h, m, w, l);
  });
  SetWindowLongPtrW(overlay, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(thunk));
  Pump();
  const SCROLLBARINFO bar = BarInfo(scrolled, OBJID_VSCROLL);
  recorder->SetMainWindow(scrolled);
  recorder->Clear();
  HoldFilter::Install(1);
  headless::MoveMouse(bar.rcScrollBar.left + 8, bar.rcScrollBar.top + 8);
  EXPECT_EQ(WindowFromPoint(POINT{bar.rcScrollBar.left + 8, bar.rcScrollBar.top + 8}), overlay);
  headless::Press();
  Pump();
  HoldFilter::Remove();
  EXPECT_TRUE(returnedAfterRelease);
  EXPECT_EQ(Requests(*recorder, scrolled),
            (std::vector<WPARAM>{Request(SB_LINEUP), Request(SB_LINEUP), Request(SB_ENDSCROLL)}))
      << recorder->Describe();
  // The click handed on afterwards does nothing.
  bool up = false;
  for (const RecordedMessage& m : recorder->Log()) up |= m.hwnd == scrolled && m.message == WM_NCLBUTTONUP;
  EXPECT_TRUE(up);
  DestroyWindow(parent);
  FreeWndProcThunk(thunk);
}

TEST_F(ScrollBarTest, ScrollWindowExMovesPixelsUpdateAndChildren) {
  HWND hwnd = CreateTop(WS_POPUP | WS_VISIBLE, RECT{100, 100, 300, 300});
  HWND child = CreateChild(hwnd, RECT{10, 100, 50, 120});
  Pump();
  HDC dc = GetDC(hwnd);
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  RECT band{0, 40, 200, 50};
  FillRect(dc, &band, red);
  DeleteObject(red);
  ValidateRect(hwnd, nullptr);
  InvalidateRect(hwnd, &band, FALSE);  // pending paint moves with the pixels
  RECT updated{};
  HRGN update = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(ScrollWindowEx(hwnd, 0, -20, nullptr, nullptr, update, &updated, SW_SCROLLCHILDREN), COMPLEXREGION);
  EXPECT_EQ(GetPixel(dc, 150, 25), RGB(255, 0, 0));
  ReleaseDC(hwnd, dc);
  EXPECT_EQ(updated, (RECT{0, 20, 200, 200}));
  EXPECT_TRUE(PtInRegion(update, 5, 185));   // uncovered at the bottom
  EXPECT_TRUE(PtInRegion(update, 5, 25));    // the pending paint, moved
  EXPECT_FALSE(PtInRegion(update, 5, 45));
  DeleteObject(update);
  RECT childRect{};
  GetWindowRect(child, &childRect);
  EXPECT_EQ(childRect.top, 100 + 80);
  // ScrollWindow invalidates what it uncovers.
  ValidateRect(hwnd, nullptr);
  EXPECT_TRUE(ScrollWindow(hwnd, 10, 0, nullptr, nullptr));
  EXPECT_TRUE(GetUpdateRect(hwnd, &updated, FALSE));
  EXPECT_EQ(updated, (RECT{0, 0, 20, 200}));  // with where the child was
  EXPECT_EQ(ScrollWindowEx(reinterpret_cast<HWND>(0x4321), 0, 1, nullptr, nullptr, nullptr, nullptr, 0), 0);

  // ScrollDC on a memory DC: a column moved right inside a clip rectangle.
  HDC screenDc = GetDC(hwnd);
  HDC memory = CreateCompatibleDC(screenDc);
  HBITMAP bitmap = CreateCompatibleBitmap(screenDc, 40, 20);
  ReleaseDC(hwnd, screenDc);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  PatBlt(memory, 0, 0, 40, 20, WHITENESS);
  SetPixel(memory, 5, 5, RGB(0, 0, 255));
  const RECT scroll{0, 0, 30, 20}, clip{0, 0, 35, 20};
  RECT uncovered{};
  EXPECT_TRUE(ScrollDC(memory, 8, 0, &scroll, &clip, nullptr, &uncovered));
  EXPECT_EQ(GetPixel(memory, 13, 5), RGB(0, 0, 255));
  EXPECT_EQ(uncovered, (RECT{0, 0, 8, 20}));
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
}

TEST_F(ScrollBarTest, ClassicLookOfBothBarsAndTheSizeBox) {
  HWND hwnd = CreateTop(WS_OVERLAPPEDWINDOW | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE, RECT{40, 40, 240, 190});
  SCROLLINFO set = Info(SIF_RANGE | SIF_PAGE | SIF_POS, 0, 99, 30, 35);
  SetScrollInfo(hwnd, SB_VERT, &set, TRUE);
  set = Info(SIF_RANGE | SIF_PAGE | SIF_POS, 0, 9, 0, 9);
  SetScrollInfo(hwnd, SB_HORZ, &set, TRUE);
  Pump();
  auto picture = headless::WindowImage(hwnd);
  ASSERT_TRUE(picture.has_value());
  EXPECT_TRUE(MatchesGolden(Crop(*picture, RECT{0, 22, 200, 150}), "user/scrollbars_both"));

  // A bar kept but disabled, one arrow disabled on the other.
  set = Info(SIF_RANGE | SIF_PAGE | SIF_DISABLENOSCROLL, 0, 9, 10, 0);
  SetScrollInfo(hwnd, SB_VERT, &set, TRUE);
  EnableScrollBar(hwnd, SB_HORZ, ESB_DISABLE_RIGHT);
  Pump();
  picture = headless::WindowImage(hwnd);
  ASSERT_TRUE(picture.has_value());
  EXPECT_TRUE(MatchesGolden(Crop(*picture, RECT{0, 22, 200, 150}), "user/scrollbars_disabled"));
}

TEST_F(ScrollBarTest, CreatingScrollingAndDestroyingLeavesNothingBehind) {
  const auto before = platform::HandleTable::Instance().LiveCounts();
  const std::size_t timers = platform::LiveTimerCount();
  for (int i = 0; i < 200; ++i) {
    HWND hwnd = CreateWindowExW(0, MessageRecorder::WideClass(), u"Leak",
                                WS_OVERLAPPEDWINDOW | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE, 100, 100, 200, 150,
                                nullptr, nullptr, nullptr, nullptr);
    SCROLLINFO set = Info(SIF_ALL, 0, 50 + i, 10, i % 40);
    SetScrollInfo(hwnd, SB_VERT, &set, TRUE);
    ScrollWindowEx(hwnd, 0, -3, nullptr, nullptr, nullptr, nullptr, SW_INVALIDATE | SW_ERASE);
    SCROLLBARINFO info{};
    info.cbSize = sizeof(info);
    GetScrollBarInfo(hwnd, OBJID_VSCROLL, &info);
    headless::MoveMouse(info.rcScrollBar.left + 8, info.rcScrollBar.bottom - 8);
    headless::Press();
    headless::Release();
    HWND control = CreateWindowExW(0, u"ScrollBar", nullptr, WS_CHILD | WS_VISIBLE | SBS_HORZ, 0, 0, 100, 16, hwnd,
                                   nullptr, nullptr, nullptr);
    SetScrollInfo(control, SB_CTL, &set, TRUE);
    headless::MoveMouse(info.rcScrollBar.left - 100, info.rcScrollBar.top + 8);
    headless::Press();
    headless::Release();
    recorder->Pump();
    DestroyWindow(hwnd);
  }
  recorder->Pump();
  EXPECT_EQ(DescribeCountChanges(before, platform::HandleTable::Instance().LiveCounts()), "");
  EXPECT_EQ(platform::LiveTimerCount(), timers);
}

}  // namespace
}  // namespace brellis::test
