// "msctls_trackbar32": its messages against the values Windows gives, the
// layout of channel and thumb, custom draw steering each part, a thumb
// drag, paging that repeats while held, the keys, and the classic look.
#include "support/golden.h"
#include "user/user_test.h"

namespace brellis::test {
namespace {

namespace headless = platform::display::headless;

class TrackBarTest : public UserTest {
 protected:
  void SetUp() override {
    UserTest::SetUp();
    parent = CreateTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{40, 40, 400, 300});
    recorder->SetMainWindow(parent);
  }
  void TearDown() override {
    if (thunk != nullptr) {
      SetWindowLongPtrW(parent, GWLP_WNDPROC, previous);
      FreeWndProcThunk(thunk);
    }
    UserTest::TearDown();
  }
  HWND Track(DWORD style, RECT r = RECT{10, 10, 210, 40}) {
    return CreateWindowExW(0, TRACKBAR_CLASSW, nullptr, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.right - r.left,
                           r.bottom - r.top, parent, reinterpret_cast<HMENU>(5), nullptr, nullptr);
  }
  RECT ThumbRect(HWND track) {
    RECT r{};
    SendMessageW(track, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&r));
    return r;
  }
  RECT ChannelRect(HWND track) {
    RECT r{};
    SendMessageW(track, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&r));
    return r;
  }
  // The parent answers custom draw as the skin engine does: item
  // notifications, and it draws thumb and channel itself.
  void AnswerCustomDraw() {
    thunk = MakeWndProcThunk([this](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
      if (m == WM_NOTIFY && reinterpret_cast<NMHDR*>(l)->code == NM_CUSTOMDRAW) {
        const auto& draw = *reinterpret_cast<NMCUSTOMDRAW*>(l);
        stages.emplace_back(draw.dwDrawStage, draw.dwItemSpec);
        if (draw.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
        if (draw.dwDrawStage == CDDS_ITEMPREPAINT && draw.dwItemSpec != TBCD_TICS) return CDRF_SKIPDEFAULT;
        return CDRF_DODEFAULT;
      }
      return CallWindowProcW(reinterpret_cast<WNDPROC>(previous), h, m, w, l);
    });
    previous = SetWindowLongPtrW(parent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(thunk));
  }
  // The colour of a client pixel, printed into a bitmap.
  COLORREF PrintedPixel(HWND track, int x, int y) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 300, 300);
    HGDIOBJ old = SelectObject(dc, bitmap);
    SendMessageW(track, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    const COLORREF colour = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return colour;
  }
  std::vector<std::pair<WORD, WORD>> Scrolls(UINT message = WM_HSCROLL) const {
    std::vector<std::pair<WORD, WORD>> scrolls;
    for (const RecordedMessage& m : recorder->Log()) {
      if (m.hwnd == parent && m.message == message) scrolls.emplace_back(LOWORD(m.wParam), HIWORD(m.wParam));
    }
    return scrolls;
  }

  HWND parent = nullptr;
  WNDPROC thunk = nullptr;
  LONG_PTR previous = 0;
  std::vector<std::pair<DWORD, DWORD_PTR>> stages;
};

TEST_F(TrackBarTest, RangePositionAndSizes) {
  HWND track = Track(0);
  ASSERT_NE(track, nullptr);
  EXPECT_EQ(SendMessageW(track, TBM_GETPOS, 0, 0), 0);
  EXPECT_EQ(SendMessageW(track, TBM_GETRANGEMIN, 0, 0), 0);
  EXPECT_EQ(SendMessageW(track, TBM_GETRANGEMAX, 0, 0), 100);
  EXPECT_EQ(SendMessageW(track, TBM_GETPAGESIZE, 0, 0), 20);
  EXPECT_EQ(SendMessageW(track, TBM_GETLINESIZE, 0, 0), 1);
  EXPECT_EQ(SendMessageW(track, TBM_GETTHUMBLENGTH, 0, 0), 21);
  EXPECT_EQ(SendMessageW(track, TBM_SETRANGE, TRUE, MAKELPARAM(static_cast<WORD>(-10), 60)), 0);
  EXPECT_EQ(SendMessageW(track, TBM_GETRANGEMIN, 0, 0), -10);
  EXPECT_EQ(SendMessageW(track, TBM_GETRANGEMAX, 0, 0), 60);
  EXPECT_EQ(SendMessageW(track, TBM_GETPOS, 0, 0), 0);
  EXPECT_EQ(SendMessageW(track, TBM_GETPAGESIZE, 0, 0), 14);  // a fifth of the range
  SendMessageW(track, TBM_SETPOS, TRUE, 500);
  EXPECT_EQ(SendMessageW(track, TBM_GETPOS, 0, 0), 60);
  SendMessageW(track, TBM_SETRANGEMAX, TRUE, 40);
  EXPECT_EQ(SendMessageW(track, TBM_GETPOS, 0, 0), 40);
  SendMessageW(track, TBM_SETRANGEMIN, TRUE, 45);
  EXPECT_EQ(SendMessageW(track, TBM_GETPOS, 0, 0), 45);
  SendMessageW(track, TBM_SETRANGE, TRUE, MAKELPARAM(0, 100));
  EXPECT_EQ(SendMessageW(track, TBM_SETPAGESIZE, 0, 7), 20);
  SendMessageW(track, TBM_SETRANGE, TRUE, MAKELPARAM(0, 50));
  EXPECT_EQ(SendMessageW(track, TBM_GETPAGESIZE, 0, 0), 7);  // set by the program, kept
  EXPECT_EQ(SendMessageW(track, TBM_SETLINESIZE, 0, 3), 1);
  EXPECT_EQ(SendMessageW(track, TBM_SETLINESIZE, 0, 4), 3);
  // An inverted range holds the position at its minimum, also while dragging.
  SendMessageW(track, TBM_SETRANGE, TRUE, MAKELPARAM(60, 10));
  EXPECT_EQ(SendMessageW(track, TBM_GETPOS, 0, 0), 60);
  SendMessageW(track, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(13, 12));
  SendMessageW(track, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(150, 12));
  SendMessageW(track, WM_LBUTTONUP, 0, MAKELPARAM(150, 12));
  EXPECT_EQ(SendMessageW(track, TBM_GETPOS, 0, 0), 60);
}

TEST_F(TrackBarTest, TicksAndSelection) {
  HWND manual = Track(0);
  EXPECT_EQ(SendMessageW(manual, TBM_GETNUMTICS, 0, 0), 2);  // the two ends
  EXPECT_EQ(SendMessageW(manual, TBM_SETTIC, 0, 30), TRUE);
  EXPECT_EQ(SendMessageW(manual, TBM_SETTIC, 0, 101), FALSE);
  EXPECT_EQ(SendMessageW(manual, TBM_GETNUMTICS, 0, 0), 3);
  EXPECT_EQ(SendMessageW(manual, TBM_GETTIC, 0, 0), 30);
  EXPECT_EQ(SendMessageW(manual, TBM_GETTIC, 5, 0), -1);
  SendMessageW(manual, TBM_SETTICFREQ, 10, 0);  // without TBS_AUTOTICKS: nothing
  EXPECT_EQ(SendMessageW(manual, TBM_GETNUMTICS, 0, 0), 3);
  SendMessageW(manual, TBM_CLEARTICS, TRUE, 0);
  EXPECT_EQ(SendMessageW(manual, TBM_GETNUMTICS, 0, 0), 2);

  HWND automatic = Track(TBS_AUTOTICKS);
  EXPECT_EQ(SendMessageW(automatic, TBM_GETNUMTICS, 0, 0), 101);
  SendMessageW(automatic, TBM_SETTICFREQ, 10, 0);
  EXPECT_EQ(SendMessageW(automatic, TBM_GETNUMTICS, 0, 0), 11);
  EXPECT_EQ(SendMessageW(automatic, TBM_GETTIC, 0, 0), 10);
  SendMessageW(automatic, TBM_SETRANGE, TRUE, MAKELPARAM(0, 25));
  EXPECT_EQ(SendMessageW(automatic, TBM_GETNUMTICS, 0, 0), 4);

  HWND none = Track(TBS_NOTICKS);
  EXPECT_EQ(SendMessageW(none, TBM_SETTIC, 0, 30), FALSE);
  EXPECT_EQ(SendMessageW(none, TBM_GETNUMTICS, 0, 0), 0);

  HWND selecting = Track(TBS_ENABLESELRANGE);
  EXPECT_EQ(SendMessageW(selecting, TBM_GETTHUMBLENGTH, 0, 0), 23);
  SendMessageW(selecting, TBM_SETSEL, TRUE, MAKELPARAM(20, 40));
  EXPECT_EQ(SendMessageW(selecting, TBM_GETSELSTART, 0, 0), 20);
  EXPECT_EQ(SendMessageW(selecting, TBM_GETSELEND, 0, 0), 40);
  SendMessageW(selecting, TBM_SETSELSTART, TRUE, -5);
  SendMessageW(selecting, TBM_SETSELEND, TRUE, 500);
  EXPECT_EQ(SendMessageW(selecting, TBM_GETSELSTART, 0, 0), 0);
  EXPECT_EQ(SendMessageW(selecting, TBM_GETSELEND, 0, 0), 100);
  SendMessageW(selecting, TBM_CLEARSEL, TRUE, 0);
  EXPECT_EQ(SendMessageW(selecting, TBM_GETSELEND, 0, 0), 0);
  // Without TBS_ENABLESELRANGE there is no selection.
  SendMessageW(manual, TBM_SETSEL, TRUE, MAKELPARAM(20, 40));
  EXPECT_EQ(SendMessageW(manual, TBM_GETSELSTART, 0, 0), 0);
  EXPECT_EQ(SendMessageW(manual, TBM_GETSELEND, 0, 0), 0);
}

TEST_F(TrackBarTest, ThumbAndChannelRectangles) {
  HWND track = Track(0, RECT{10, 10, 210, 40});
  EXPECT_EQ(ChannelRect(track), (RECT{8, 9, 192, 13}));
  EXPECT_EQ(ThumbRect(track), (RECT{8, 2, 19, 23}));
  SendMessageW(track, TBM_SETPOS, TRUE, 100);
  EXPECT_EQ(ThumbRect(track), (RECT{181, 2, 192, 23}));
  HWND both = Track(TBS_BOTH, RECT{10, 50, 210, 90});
  EXPECT_EQ(ChannelRect(both), (RECT{8, 18, 192, 22}));
  EXPECT_EQ(ThumbRect(both), (RECT{8, 10, 19, 31}));
  // A vertical bar reports its channel as if it were horizontal.
  HWND vertical = Track(TBS_VERT, RECT{250, 10, 280, 210});
  EXPECT_EQ(ChannelRect(vertical), (RECT{8, 9, 192, 13}));
  SendMessageW(vertical, TBM_SETPOS, TRUE, 50);
  EXPECT_EQ(ThumbRect(vertical), (RECT{2, 8 + 86, 23, 8 + 86 + 11}));
}

TEST_F(TrackBarTest, CustomDrawSkipsThumbAndChannelButTicksAreDrawn) {
  HWND track = Track(TBS_AUTOTICKS);
  SendMessageW(track, TBM_SETTICFREQ, 10, 0);
  SendMessageW(track, TBM_SETPOS, TRUE, 50);
  AnswerCustomDraw();
  const RECT thumb = ThumbRect(track);
  const RECT channel = ChannelRect(track);
  stages.clear();
  const COLORREF face = GetSysColor(COLOR_3DFACE);
  // The thumb's left edge and the channel's top edge are left to the parent.
  EXPECT_EQ(PrintedPixel(track, thumb.left, thumb.top + 5), face);
  EXPECT_EQ(PrintedPixel(track, channel.left + 2, channel.top), face);
  // The end tick under the channel's start is the control's.
  EXPECT_EQ(PrintedPixel(track, channel.left + 5, thumb.bottom + 3), GetSysColor(COLOR_BTNTEXT));
  using Stages = std::vector<std::pair<DWORD, DWORD_PTR>>;
  const Stages expected{{CDDS_PREPAINT, 0},
                        {CDDS_PREERASE, 0},
                        {CDDS_POSTERASE, 0},
                        {CDDS_ITEMPREPAINT, TBCD_CHANNEL},
                        {CDDS_ITEMPREPAINT, TBCD_TICS},
                        {CDDS_ITEMPREPAINT, TBCD_THUMB}};
  ASSERT_GE(stages.size(), expected.size());
  EXPECT_EQ(Stages(stages.begin(), stages.begin() + 6), expected);
  // Without the parent's answers all three are drawn.
  SetWindowLongPtrW(parent, GWLP_WNDPROC, previous);
  FreeWndProcThunk(thunk);
  thunk = nullptr;
  EXPECT_EQ(PrintedPixel(track, thumb.left, thumb.top + 5), GetSysColor(COLOR_3DHILIGHT));
  EXPECT_EQ(PrintedPixel(track, channel.left + 2, channel.top), GetSysColor(COLOR_3DSHADOW));
}

TEST_F(TrackBarTest, DraggingTheThumbTracksThenReportsThePosition) {
  HWND track = Track(0);
  SetFocus(track);
  Pump();
  recorder->Clear();
  SendMessageW(track, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(13, 12));
  EXPECT_EQ(GetCapture(), track);
  SendMessageW(track, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(100, 12));
  SendMessageW(track, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(100, 20));  // same place: no report
  SendMessageW(track, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(400, 12));
  SendMessageW(track, WM_LBUTTONUP, 0, MAKELPARAM(400, 12));
  EXPECT_EQ(GetCapture(), nullptr);
  const LPARAM from = reinterpret_cast<LPARAM>(track);
  EXPECT_TRUE(recorder->Matches({
      {WM_HSCROLL, S | W | kLParam, MAKEWPARAM(TB_THUMBTRACK, 50), from},
      {WM_HSCROLL, S | W | kLParam, MAKEWPARAM(TB_THUMBTRACK, 100), from},
      {WM_HSCROLL, S | W | kLParam, MAKEWPARAM(TB_THUMBPOSITION, 100), from},
      {WM_HSCROLL, S | W | kLParam, MAKEWPARAM(TB_ENDTRACK, 0), from},
      {WM_NOTIFY, S | W, 5},
  }));
  EXPECT_EQ(SendMessageW(track, TBM_GETPOS, 0, 0), 100);
}

TEST_F(TrackBarTest, HeldPageClickRepeatsUntilTheThumbArrives) {
  HWND track = Track(0);
  POINT at{150, 12};
  ClientToScreen(track, &at);
  headless::MoveMouse(at.x, at.y);
  SetFocus(track);
  Pump();
  recorder->Clear();
  SendMessageW(track, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(150, 12));
  for (int i = 0; i < 2; ++i) {
    headless::AdvanceClock(i == 0 ? 500 : 100);
    Pump();
  }
  EXPECT_EQ(Scrolls(), (std::vector<std::pair<WORD, WORD>>{{TB_PAGEDOWN, 0}, {TB_PAGEDOWN, 0}, {TB_PAGEDOWN, 0}}));
  for (int i = 0; i < 3; ++i) {
    headless::AdvanceClock(100);
    Pump();
  }
  // The thumb reached the pointer at 80 and stays there.
  EXPECT_EQ(SendMessageW(track, TBM_GETPOS, 0, 0), 80);
  recorder->Clear();
  SendMessageW(track, WM_LBUTTONUP, 0, MAKELPARAM(150, 12));
  EXPECT_EQ(Scrolls(), (std::vector<std::pair<WORD, WORD>>{{TB_ENDTRACK, 0}}));
  EXPECT_EQ(platform::LiveTimerCount(), 0u);
}

TEST_F(TrackBarTest, KeysMoveByLineAndPageAndToTheEnds) {
  HWND track = Track(TBS_VERT, RECT{10, 10, 40, 210});
  SendMessageW(track, TBM_SETLINESIZE, 0, 5);
  recorder->Clear();
  for (WPARAM key : {VK_DOWN, VK_RIGHT, VK_NEXT, VK_UP, VK_END, VK_END, VK_HOME, VK_PRIOR}) {
    SendMessageW(track, WM_KEYDOWN, key, 0);
  }
  SendMessageW(track, WM_KEYUP, VK_PRIOR, 0);
  // At an end nothing moves and nothing is reported.
  EXPECT_EQ(Scrolls(WM_VSCROLL), (std::vector<std::pair<WORD, WORD>>{{TB_LINEDOWN, 0},
                                                                     {TB_LINEDOWN, 0},
                                                                     {TB_PAGEDOWN, 0},
                                                                     {TB_LINEUP, 0},
                                                                     {TB_BOTTOM, 0},
                                                                     {TB_TOP, 0},
                                                                     {TB_ENDTRACK, 0}}));
  EXPECT_EQ(SendMessageW(track, TBM_GETPOS, 0, 0), 0);
  EXPECT_EQ(SendMessageW(track, WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS);
}

TEST_F(TrackBarTest, GoldenHorizontalAndVerticalWithTicksAndSelection) {
  const ULONG_PTR background = SetClassLongPtrW(parent, GCLP_HBRBACKGROUND, static_cast<LONG_PTR>(COLOR_BTNFACE + 1));
  HWND selection = Track(TBS_AUTOTICKS | TBS_ENABLESELRANGE, RECT{10, 10, 210, 45});
  SendMessageW(selection, TBM_SETTICFREQ, 10, 0);
  SendMessageW(selection, TBM_SETSEL, TRUE, MAKELPARAM(30, 70));
  SendMessageW(selection, TBM_SETPOS, TRUE, 40);
  HWND top = Track(TBS_AUTOTICKS | TBS_TOP, RECT{10, 55, 210, 90});
  SendMessageW(top, TBM_SETTICFREQ, 20, 0);
  SendMessageW(top, TBM_SETPOS, TRUE, 100);
  HWND both = Track(TBS_BOTH, RECT{10, 100, 210, 145});
  SendMessageW(both, TBM_SETTIC, 0, 25);
  SendMessageW(both, TBM_SETPOS, TRUE, 25);
  Track(TBS_NOTICKS, RECT{10, 155, 210, 185});
  HWND right = Track(TBS_VERT | TBS_AUTOTICKS, RECT{230, 10, 265, 210});
  SendMessageW(right, TBM_SETTICFREQ, 25, 0);
  SendMessageW(right, TBM_SETPOS, TRUE, 75);
  HWND left = Track(TBS_VERT | TBS_LEFT | TBS_AUTOTICKS | TBS_ENABLESELRANGE, RECT{280, 10, 320, 210});
  SendMessageW(left, TBM_SETTICFREQ, 25, 0);
  SendMessageW(left, TBM_SETSEL, TRUE, MAKELPARAM(10, 50));
  SendMessageW(left, TBM_SETPOS, TRUE, 30);
  RedrawWindow(parent, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump();
  const auto picture = headless::WindowImage(parent);
  ASSERT_TRUE(picture.has_value());
  EXPECT_TRUE(MatchesGolden(*picture, "user/trackbars"));
  SetClassLongPtrW(parent, GCLP_HBRBACKGROUND, static_cast<LONG_PTR>(background));  // the class is shared
}

}  // namespace
}  // namespace brellis::test
