// Golden pictures of skinned windows in the embedded skin: frames, captions
// and caption buttons as the engine paints them on the headless screen
// (exact but for the caption text, which may shift by a level).
#include <gtest/gtest.h>

#include "platform/display/headless/headless.h"
#include "skin/engine/engine_fixture.h"
#include "support/golden.h"

namespace skintest {
namespace {

namespace headless = platform::display::headless;
using brellis::test::GoldenTolerance;
using brellis::test::MatchesGolden;

constexpr GoldenTolerance kTextTolerance{48, 40};

class FrameGoldenTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    LoadMainSkin();
  }
  HWND Window(DWORD style, DWORD exStyle = 0, const char16_t* text = u"Brellis") {
    HWND window = ShowWindowOf(style, exStyle, RECT{100, 100, 420, 340});
    SetWindowTextW(window, text);
    Settle(300);
    return window;
  }
  ::testing::AssertionResult Matches(HWND window, const std::string& name) {
    const auto image = headless::WindowImage(window);
    if (!image) return ::testing::AssertionFailure() << "no picture of the window";
    return MatchesGolden(*image, "skin/" + name, kTextTolerance);
  }
  // The screen centre of the window's visible caption button of that action.
  POINT ButtonCentre(HWND window, int action) {
    const RECT r = WindowRectOf(window);
    for (const auto& b : SkinFormOf(window)->FButtons) {
      if (b->FModel->Action == action && b->FVisible) {
        return POINT{r.left + (b->FRect.left + b->FRect.right) / 2, r.top + (b->FRect.top + b->FRect.bottom) / 2};
      }
    }
    ADD_FAILURE() << "no visible button of action " << action;
    return POINT{};
  }
};

TEST_F(FrameGoldenTest, ActiveAndInactiveSizeableWindow) {
  HWND window = Window(WS_OVERLAPPEDWINDOW);
  EXPECT_TRUE(Matches(window, "frame_active"));
  HWND other = ShowWindowOf(WS_OVERLAPPEDWINDOW, 0, RECT{700, 600, 900, 800});
  Settle();
  EXPECT_TRUE(Matches(window, "frame_inactive"));
  DestroyWindow(other);
}

TEST_F(FrameGoldenTest, DialogToolWindowAndALongCaption) {
  EXPECT_TRUE(Matches(Window(WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME), "frame_dialog"));
  EXPECT_TRUE(Matches(Window(WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, WS_EX_TOOLWINDOW), "frame_toolwindow"));
  EXPECT_TRUE(Matches(Window(WS_OVERLAPPEDWINDOW, 0, u"A rather long caption that ends with an ellipsis here"),
                      "frame_long_caption"));
}

TEST_F(FrameGoldenTest, RightToLeftCaption) {
  EXPECT_TRUE(Matches(Window(WS_OVERLAPPEDWINDOW, WS_EX_LEFTSCROLLBAR | WS_EX_RTLREADING), "frame_rtl"));
}

TEST_F(FrameGoldenTest, MinimisedAndMaximisedWindows) {
  HWND window = Window(WS_OVERLAPPEDWINDOW);
  ShowWindow(window, SW_MAXIMIZE);
  Settle(300);
  EXPECT_TRUE(Matches(window, "frame_maximized"));
  ShowWindow(window, SW_RESTORE);
  ShowWindow(window, SW_MINIMIZE);
  Settle(300);
  SendMessageW(window, SKM_PAINTFRAME, 0, 0);
  EXPECT_TRUE(Matches(window, "frame_minimized"));
}

TEST_F(FrameGoldenTest, HotAndPressedCaptionButtons) {
  HWND window = Window(WS_OVERLAPPEDWINDOW);
  const POINT close = ButtonCentre(window, 0);
  headless::MoveMouse(close.x, close.y);
  Settle();
  EXPECT_TRUE(Matches(window, "frame_close_hot"));
  const POINT maximize = ButtonCentre(window, 1);
  headless::MoveMouse(maximize.x, maximize.y);
  headless::Press();
  Settle();
  EXPECT_TRUE(Matches(window, "frame_maximize_pressed"));
  // Let go away from every button: nothing happens.
  headless::MoveMouse(maximize.x - 150, maximize.y + 100);
  headless::Release();
  Settle(300);
  EXPECT_FALSE(IsZoomed(window));
}

// Disabled caption buttons show their fourth (inactive) frame: maximise
// without a maximise box, minimise without a minimise box; without a system
// menu both are disabled and close is hidden.
TEST_F(FrameGoldenTest, DisabledCaptionButtons) {
  const DWORD framed = WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME;
  HWND noMaximize = Window(framed | WS_SYSMENU | WS_MINIMIZEBOX);
  EXPECT_TRUE(Matches(noMaximize, "frame_maximize_disabled"));
  DestroyWindow(noMaximize);
  HWND noMinimize = Window(framed | WS_SYSMENU | WS_MAXIMIZEBOX);
  EXPECT_TRUE(Matches(noMinimize, "frame_minimize_disabled"));
  DestroyWindow(noMinimize);
  HWND noSystemMenu = Window(framed | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
  for (const auto& b : SkinFormOf(noSystemMenu)->FButtons) {
    if (b->FModel->Action == 0) {
      EXPECT_FALSE(b->FVisible);
    } else if ((b->FModel->Action == 1 || b->FModel->Action == 2) && b->FVisible) {
      EXPECT_FALSE(b->FEnabled);
    }
  }
  EXPECT_TRUE(Matches(noSystemMenu, "frame_no_system_menu"));
}

struct BoxShot {
  FrameGoldenTest* test;
  ::testing::AssertionResult result = ::testing::AssertionFailure() << "the box was not shown";
};
BoxShot* g_shot = nullptr;

void ShootTheBox(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  const HWND box = GetActiveWindow();
  const auto image = headless::WindowImage(box);
  if (image) g_shot->result = MatchesGolden(*image, "skin/frame_messagebox", kTextTolerance);
  headless::Key(VK_ESCAPE);
}

TEST_F(FrameGoldenTest, MessageBox) {
  HWND owner = Window(WS_OVERLAPPEDWINDOW);
  BoxShot shot{this};
  g_shot = &shot;
  SetTimer(nullptr, 0, 50, &ShootTheBox);
  MessageBoxW(owner, u"您确认要退出些系统？", u"提示信息", MB_YESNO | MB_ICONQUESTION);
  g_shot = nullptr;
  EXPECT_TRUE(shot.result);
}

}  // namespace
}  // namespace skintest
