// The mouse over a skinned window's frame: hit-test codes, the caption
// buttons' hover / pressed / normal states (read from the pixels), what a
// release performs, and the hover an inactive window does not show.
#include <gtest/gtest.h>

#include "caption_skin_helpers.h"
#include "platform/display/headless/headless.h"

namespace skintest {
namespace {

namespace headless = platform::display::headless;

using CaptionMouse = SkinnedWindowTest;

constexpr DWORD kFramed = WS_OVERLAPPEDWINDOW;

LRESULT HitTest(HWND window, POINT screen) {
  return SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
}

TEST_F(CaptionMouse, HitTestingKeepsThePlatformsBordersAndMakesTheTitleStripCaption) {
  MakeWindow(kFramed);
  const int w = form_->FWindowWidth;
  const int h = form_->FWindowHeight;
  EXPECT_EQ(HitTest(window_, ToScreen({150, 12})), HTCAPTION);
  EXPECT_EQ(HitTest(window_, ToScreen({150, 22})), HTCAPTION);
  // Over a caption button: still the caption (the buttons are the skin's).
  EXPECT_EQ(HitTest(window_, ToScreen(Centre(*Button(kCloseAction)))), HTCAPTION);
  EXPECT_EQ(HitTest(window_, ToScreen({150, 60})), HTCLIENT);
  // The sizing border as the platform measures it.
  EXPECT_EQ(HitTest(window_, ToScreen({150, 1})), HTTOP);
  EXPECT_EQ(HitTest(window_, ToScreen({1, 80})), HTLEFT);
  EXPECT_EQ(HitTest(window_, ToScreen({w - 1, 80})), HTRIGHT);
  EXPECT_EQ(HitTest(window_, ToScreen({w - 1, h - 1})), HTBOTTOMRIGHT);
}

TEST_F(CaptionMouse, TheStripBelowTheTitleIsTheMenu) {
  MakeWindow(kFramed);
  form_->FMenuBarHeight = 19;
  SetWindowPos(window_, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  EXPECT_EQ(HitTest(window_, ToScreen({150, 12})), HTCAPTION);
  EXPECT_EQ(HitTest(window_, ToScreen({150, 24})), HTCAPTION);
  EXPECT_EQ(HitTest(window_, ToScreen({150, 25})), HTMENU);
  EXPECT_EQ(HitTest(window_, ToScreen({150, 42})), HTMENU);
  EXPECT_EQ(HitTest(window_, ToScreen({150, 44})), HTCLIENT);
}

TEST_F(CaptionMouse, HoverPressAndLeaveShowTheirFrames) {
  MakeWindow(kFramed);
  TWinSysButton& close = *Button(kCloseAction);
  TWinSysButton& minimise = *Button(2);
  const POINT at = Centre(close);

  const POINT screen = ToScreen(at);
  headless::MoveMouse(screen.x, screen.y);
  Pump();
  EXPECT_EQ(form_->FHotObject, &close);
  EXPECT_EQ(close.FMouseState, 3);
  EXPECT_EQ(PixelAt(at), kButtonFrameColours[2]);

  headless::Press();
  Pump();
  EXPECT_EQ(close.FMouseState, 2);
  EXPECT_EQ(PixelAt(at), kButtonFrameColours[1]);

  // Straight onto the next button: the first one leaves before the next is hot.
  const POINT next = ToScreen(Centre(minimise));
  headless::MoveMouse(next.x, next.y);
  Pump();
  EXPECT_EQ(close.FMouseState, 1);
  EXPECT_EQ(PixelAt(at), kButtonFrameColours[0]);
  EXPECT_EQ(form_->FHotObject, &minimise);
  EXPECT_EQ(PixelAt(Centre(minimise)), kButtonFrameColours[2]);

  const POINT blank = ToScreen({150, 12});
  headless::MoveMouse(blank.x, blank.y);
  Pump();
  EXPECT_EQ(form_->FHotObject, nullptr);
  EXPECT_EQ(minimise.FMouseState, 1);
  EXPECT_EQ(PixelAt(Centre(minimise)), kButtonFrameColours[0]);
  headless::Release();
  Pump();
}

TEST_F(CaptionMouse, PressingMovingOffAndReleasingPerformsNothing) {
  MakeWindow(kFramed);
  TWinSysButton& app = *Button(kAppAction);
  const POINT on = ToScreen(Centre(app));
  const POINT off = ToScreen({150, 12});
  const std::set<UINT> actions{WM_SYSCOMMAND, SKM_CAPTIONBUTTON, WM_CLOSE};

  headless::MoveMouse(on.x, on.y);
  headless::Press();
  headless::MoveMouse(off.x, off.y);
  Pump();
  // The move took the hover away: the release does nothing.
  EXPECT_EQ(form_->FHotObject, nullptr);
  headless::Release();
  Pump();
  EXPECT_EQ(Recorded(actions), "");

  // Pressed and released on the button: the application is told.
  headless::Click(on.x, on.y);
  Pump();
  EXPECT_EQ(Recorded(actions), "0x3514 posted w=32\n");
  EXPECT_EQ(app.FMouseState, 3);
}

TEST_F(CaptionMouse, AReleaseActsOnlyOnTheButtonThatIsHot) {
  MakeWindow(kFramed);
  const LPARAM onApp = ScreenParam(Centre(*Button(kAppAction)));
  const std::set<UINT> seen{WM_SYSCOMMAND, SKM_CAPTIONBUTTON, WM_NCLBUTTONUP};
  // Released over one button while another is hot: neither acts.
  Button(kCloseAction)->MouseMove();
  EXPECT_EQ(SendMessageW(window_, WM_NCLBUTTONUP, HTCAPTION, onApp), 0);
  // Released over a button that nothing made hot.
  form_->FHotObject = nullptr;
  EXPECT_EQ(SendMessageW(window_, WM_NCLBUTTONUP, HTCAPTION, onApp), 0);
  Pump();
  EXPECT_EQ(Recorded(seen), "");
  // Released over the caption, the message goes on to the window.
  SendMessageW(window_, WM_NCLBUTTONUP, HTCAPTION, ScreenParam({150, 12}));
  EXPECT_EQ(Recorded(seen), "WM_NCLBUTTONUP sent w=2\n");
}

TEST_F(CaptionMouse, AnInactiveWindowSwallowsNonClientMouseMoves) {
  MakeWindow(kFramed);
  TWinSysButton& close = *Button(kCloseAction);
  SendMessageW(window_, WM_NCMOUSEMOVE, HTCAPTION, ScreenParam({150, 12}));
  EXPECT_EQ(Recorded({WM_NCMOUSEMOVE}), "WM_NCMOUSEMOVE sent w=2\n");

  SendMessageW(window_, WM_NCACTIVATE, FALSE, 0);
  recorder_->Clear();
  EXPECT_EQ(SendMessageW(window_, WM_NCMOUSEMOVE, HTCAPTION, ScreenParam(Centre(close))), 0);
  SendMessageW(window_, WM_NCMOUSEMOVE, HTCAPTION, ScreenParam({150, 12}));
  EXPECT_EQ(Recorded({WM_NCMOUSEMOVE}), "");
  EXPECT_EQ(form_->FHotObject, nullptr);
  EXPECT_EQ(close.FMouseState, 1);
  EXPECT_EQ(PixelAt(Centre(close)), kButtonFrameColours[3]);
}

TEST_F(CaptionMouse, AFullPaintClearsTheHotButtonAndTheHoverTimerLetsGo) {
  MakeWindow(kFramed);
  TWinSysButton& close = *Button(kCloseAction);
  close.MouseMove();
  ASSERT_EQ(form_->FHotObject, &close);
  PaintFrame();
  EXPECT_EQ(form_->FHotObject, nullptr);

  // The pointer is far from the button: the timer takes the hover away.
  headless::MoveMouse(5, 5);
  Pump();
  close.MouseMove();
  form_->HoverTimerTick();
  EXPECT_EQ(form_->FHotObject, nullptr);
  EXPECT_EQ(close.FMouseState, 1);
}

}  // namespace
}  // namespace skintest
