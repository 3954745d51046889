// Caption buttons of a skinned window: where each Align code puts them, which
// frame they show, and which Visibility codes and actions show or hide them.
#include <gtest/gtest.h>

#include "caption_skin_helpers.h"
#include "platform/base/handles.h"
#include "skin_data_helpers.h"
#include "support/handle_leaks.h"

namespace skintest {
namespace {

using CaptionButtons = SkinnedWindowTest;

constexpr DWORD kFramed = WS_OVERLAPPEDWINDOW;

TRect Cell(int x, int y) { return Rect(x, y, x + 16, y + 16); }

TEST_F(CaptionButtons, EachAlignCodePlacesTheCellWhereTheSkinSays) {
  MakeWindow(kFramed);
  const int w = form_->FWindowWidth;
  RECT window{};
  GetWindowRect(window_, &window);
  ASSERT_EQ(w, window.right - window.left);
  // Align 1: from the right edge of the window.
  EXPECT_EQ(Button(kCloseAction)->FRect, Cell(w - 22, 4));
  EXPECT_EQ(Button(1, 2)->FRect, Cell(w - 40, 4));
  EXPECT_EQ(Button(2)->FRect, Cell(w - 58, 4));
  // Align 0: from the left edge; the icon button's cell is the small icon.
  EXPECT_EQ(Button(kAppAction)->FRect, Cell(24, 4));
  EXPECT_EQ(Button(3)->FRect, Cell(4, 4));
  // Align 2 and 3: beside the caption text, which starts TextShift into the strip.
  ASSERT_EQ(form_->FTitleTextRect.left, 4 + 60);
  EXPECT_EQ(Button(kBeforeTextAction)->FRect, Cell(64 - 16 - 2, 4));
  EXPECT_EQ(Button(kAfterTextAction)->FRect, Cell(form_->FTitleTextRect.right + 2, 4));
  // Hidden buttons are not laid out: the restore button (window not
  // maximised), the MDI buttons (no maximised child, no pictures).
  EXPECT_FALSE(Button(1, 1)->FVisible);
  EXPECT_EQ(Button(1, 1)->FRect, TRect{});
  EXPECT_FALSE(Button(7)->FVisible);
  EXPECT_EQ(form_->ButtonAt(TPoint{w - 14, 12}), Button(kCloseAction));
  EXPECT_EQ(form_->ButtonAt(TPoint{100, 12}), nullptr);
}

TEST_F(CaptionButtons, ActiveButtonsShowFrameOneAndInactiveOnesFrameFourWhenTheyHaveIt) {
  MakeWindow(kFramed);
  for (TWinSysButton* button : {Button(kCloseAction), Button(1, 2), Button(2), Button(kAppAction)}) {
    EXPECT_EQ(PixelAt(Centre(*button)), kButtonFrameColours[0]) << button->FModel->Name;
  }
  EXPECT_EQ(PixelAt(POINT{150, 12}), kTitleColour);

  SendMessageW(window_, WM_NCACTIVATE, FALSE, 0);
  ASSERT_FALSE(form_->FActive);
  EXPECT_EQ(PixelAt(Centre(*Button(kCloseAction))), kButtonFrameColours[3]);
  EXPECT_EQ(PixelAt(Centre(*Button(2))), kButtonFrameColours[3]);
  // Three frames: no inactive frame, frame 1 either way.
  EXPECT_EQ(PixelAt(Centre(*Button(kAppAction))), kButtonFrameColours[0]);
}

TEST_F(CaptionButtons, ADisabledMaximiseButtonShowsItsInactiveFrame) {
  MakeWindow(WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX);
  TWinSysButton* maximise = Button(1, 2);
  ASSERT_TRUE(maximise->FVisible);
  EXPECT_FALSE(maximise->FEnabled);
  EXPECT_TRUE(Button(2)->FEnabled);
  EXPECT_EQ(PixelAt(Centre(*maximise)), kButtonFrameColours[3]);
  // Hovering keeps the disabled look.
  maximise->MouseMove();
  EXPECT_EQ(PixelAt(Centre(*maximise)), kButtonFrameColours[3]);
}

struct VisibilityCase {
  int visibility;
  int visibility1;
  int icons;
  int showState;
  bool active;
  bool dialogClass;
  int borderStyle;
  bool visible;
};

constexpr int kMin = kIconMinimize;
constexpr int kMax = kIconMaximize;
constexpr int kSys = kIconSystemMenu;
constexpr int kHelp = kIconHelp;

TEST_F(CaptionButtons, BothVisibilityCodesDecide) {
  MakeWindow(kFramed);
  const VisibilityCase cases[] = {
      {0, 0, 0, kShowNormal, true, false, kBorderSizeable, true},
      {1, 0, 0, kShowMaximized, true, false, kBorderSizeable, true},
      {1, 0, 0, kShowNormal, true, false, kBorderSizeable, false},
      {2, 0, 0, kShowNormal, true, false, kBorderSizeable, true},
      {2, 0, 0, kShowMaximized, true, false, kBorderSizeable, false},
      {0, 1, 0, kShowMaximized, true, false, kBorderSizeable, true},
      {0, 1, 0, kShowMinimized, true, false, kBorderSizeable, false},
      {0, 2, 0, kShowMaximized, true, false, kBorderSizeable, false},
      {3, 0, 0, kShowNormal, true, false, kBorderSizeable, true},
      {3, 0, 0, kShowNormal, false, false, kBorderSizeable, false},
      {4, 0, 0, kShowNormal, false, false, kBorderSizeable, true},
      {0, 4, 0, kShowNormal, true, false, kBorderSizeable, false},
      {0, 3, 0, kShowNormal, false, false, kBorderSizeable, false},
      // 6 and 8: a box and, for Visibility, the system menu too.
      {6, 0, kMin | kSys, kShowNormal, true, false, kBorderSizeable, true},
      {6, 0, kMin, kShowNormal, true, false, kBorderSizeable, false},
      {0, 6, kMin, kShowNormal, true, false, kBorderSizeable, true},
      {0, 6, kSys, kShowNormal, true, false, kBorderSizeable, false},
      {8, 0, kMax | kSys, kShowNormal, true, false, kBorderSizeable, true},
      {8, 0, kSys, kShowNormal, true, false, kBorderSizeable, false},
      {0, 8, kMax, kShowNormal, true, false, kBorderSizeable, true},
      {7, 0, kMin | kSys, kShowNormal, true, false, kBorderSizeable, true},
      {7, 0, kMax | kSys, kShowNormal, true, false, kBorderSizeable, false},
      {0, 7, kMax, kShowNormal, true, false, kBorderSizeable, false},
      {9, 0, kMax | kSys, kShowNormal, true, false, kBorderSizeable, true},
      {0, 9, kMin, kShowNormal, true, false, kBorderSizeable, false},
      // 10: context help, and for Visibility no box.
      {10, 0, kHelp | kSys, kShowNormal, true, false, kBorderSizeable, true},
      {10, 0, kHelp | kMin | kSys, kShowNormal, true, false, kBorderSizeable, false},
      {0, 10, kHelp | kMin, kShowNormal, true, false, kBorderSizeable, true},
      {0, 10, kMin, kShowNormal, true, false, kBorderSizeable, false},
      // 100: a plain window has no maximised MDI child.
      {100, 100, kSys, kShowMaximized, true, false, kBorderSizeable, false},
      {0, 100, kSys, kShowNormal, true, false, kBorderSizeable, true},
      // 200: a dialog border that is not a dialog class.
      {200, 0, kSys, kShowNormal, true, false, kBorderDialog, true},
      {200, 0, kSys, kShowNormal, true, true, kBorderDialog, false},
      {0, 200, kSys, kShowNormal, true, false, kBorderSingle, false},
      {201, 999, 0, kShowNormal, true, false, kBorderSizeable, true},
      // 1000 to 2000 ask the window only as Visibility.
      {0, 1500, 0, kShowNormal, true, false, kBorderSizeable, true},
      {5, 0, kMin | kMax | kSys, kShowNormal, true, false, kBorderSizeable, false},
      {-1, 0, kMin | kMax | kSys, kShowNormal, true, false, kBorderSizeable, false},
      {0, 5, kMin | kMax | kSys, kShowNormal, true, false, kBorderSizeable, false},
      {2001, 0, kMin | kMax | kSys, kShowNormal, true, false, kBorderSizeable, false},
      {0, -7, kMin | kMax | kSys, kShowNormal, true, false, kBorderSizeable, false},
  };
  TWinSysButton& button = *Button(kAppAction);
  for (const VisibilityCase& c : cases) {
    button.FModel->Visibility = c.visibility;
    button.FModel->Visibility1 = c.visibility1;
    form_->FBorderIcons = c.icons;
    form_->FShowState = c.showState;
    form_->FActive = c.active;
    form_->FDialogClass = c.dialogClass;
    form_->FBorderStyle = c.borderStyle;
    EXPECT_EQ(form_->IsButtonVisible(button), c.visible) << c.visibility << " / " << c.visibility1;
    EXPECT_EQ(button.FVisible, c.visible);
  }
}

TEST_F(CaptionButtons, ActionsAdjustVisibilityAndEnabledState) {
  MakeWindow(kFramed);
  TWinSysButton& close = *Button(kCloseAction);
  TWinSysButton& maximise = *Button(1, 2);
  TWinSysButton& minimise = *Button(2);
  TWinSysButton& icon = *Button(3);

  form_->FBorderIcons = kMin | kMax;
  EXPECT_FALSE(form_->IsButtonVisible(close));
  EXPECT_TRUE(form_->IsButtonVisible(maximise));
  EXPECT_TRUE(form_->IsButtonVisible(minimise));
  EXPECT_FALSE(maximise.FEnabled);
  EXPECT_FALSE(minimise.FEnabled);

  form_->FBorderIcons = kSys | kMax;
  EXPECT_TRUE(form_->IsButtonVisible(close));
  form_->IsButtonVisible(maximise);
  form_->IsButtonVisible(minimise);
  EXPECT_TRUE(maximise.FEnabled);
  EXPECT_FALSE(minimise.FEnabled);

  EXPECT_TRUE(form_->IsButtonVisible(icon));
  for (int action : {3, 11, 12}) {
    icon.FModel->Action = action;
    form_->FBorderStyle = kBorderDialog;
    EXPECT_FALSE(form_->IsButtonVisible(icon)) << action;
    form_->FBorderStyle = kBorderSingle;
    EXPECT_TRUE(form_->IsButtonVisible(icon)) << action;
  }
}

TEST_F(CaptionButtons, TheWindowIsAskedAtEveryPaintWhetherAnApplicationButtonShows) {
  LRESULT answer = 1;
  int asked = 0;
  WNDPROC previous = nullptr;
  WNDPROC thunk = MakeWndProcThunk([&](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
    if (m == SKM_BUTTONVISIBLE) {
      EXPECT_EQ(w, 1000u);
      EXPECT_EQ(l, kAskAction);
      ++asked;
      return answer;
    }
    return CallWindowProcW(previous, h, m, w, l);
  });
  MakeWindow(kFramed, 0, [&](HWND window) {
    previous = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(thunk)));
  });
  TWinSysButton& ask = *Button(kAskAction);
  EXPECT_TRUE(ask.FVisible);
  EXPECT_EQ(ask.FRect, Cell(170, 4));
  EXPECT_EQ(PixelAt(POINT{178, 12}), kButtonFrameColours[0]);

  answer = 0;
  const int before = asked;
  PaintFrame();
  EXPECT_EQ(asked, before + 1);
  EXPECT_FALSE(ask.FVisible);
  EXPECT_EQ(PixelAt(POINT{178, 12}), kTitleColour);
  EXPECT_EQ(form_->ButtonAt(TPoint{178, 12}), nullptr);
  PaintFrame();
  EXPECT_EQ(asked, before + 2);

  DestroyWindow(window_);
  FreeWndProcThunk(thunk);
}

TEST_F(CaptionButtons, TheIconPictureAndTheButtonsLeaveNoHandleBehind) {
  MakeWindow(kFramed);
  const HICON icon = LoadIconW(nullptr, IDI_APPLICATION);
  const auto round = [&] {
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    form_->BuildFrame();
    PaintFrame();
    Button(kCloseAction)->MouseMove();
    Button(kCloseAction)->MouseDown();
    Button(kCloseAction)->MouseLeave();
  };
  round();
  // The icon went into the icon picture, over the magenta ground.
  ASSERT_EQ(form_->FIcon, icon);
  bool drawn = false;
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) drawn = drawn || PixelOf(*form_->FIconBitmap, x, y) != RGB(255, 0, 255);
  }
  EXPECT_TRUE(drawn);
  const auto before = platform::HandleTable::Instance().LiveCounts();
  for (int i = 0; i < 20; ++i) round();
  EXPECT_EQ(brellis::test::DescribeCountChanges(before, platform::HandleTable::Instance().LiveCounts()), "");
}

}  // namespace
}  // namespace skintest
