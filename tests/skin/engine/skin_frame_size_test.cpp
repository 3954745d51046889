// The frame the skin claims: client rectangles for each border style and
// for a window with a menu bar, before and after attach, and after a skin
// with other frame sizes is applied while the window is open.
#include <gtest/gtest.h>

#include "skin/engine/engine_fixture.h"
#include "skin_data_helpers.h"

namespace skintest {
namespace {

using FrameSizeTest = EngineTest;

// The client rectangle in window coordinates.
RECT ClientInWindow(HWND window) {
  RECT client = ClientRectOf(window);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
  const RECT frame = WindowRectOf(window);
  OffsetRect(&client, -frame.left, -frame.top);
  return client;
}

struct StyleRow {
  TFormBorderStyle style;
  int expectedBorderStyle;
};

TEST_F(FrameSizeTest, EachBorderStyleClaimsTheSkinsFrameAroundTheSameClient) {
  LoadMainSkin(false);
  const StyleRow rows[] = {{TFormBorderStyle::bsSizeable, kBorderSizeable},
                           {TFormBorderStyle::bsSingle, kBorderSingle},
                           {TFormBorderStyle::bsDialog, kBorderDialog},
                           {TFormBorderStyle::bsToolWindow, kBorderSingle},
                           {TFormBorderStyle::bsSizeToolWin, kBorderSizeable},
                           {TFormBorderStyle::bsNone, kBorderNone}};
  for (const StyleRow& row : rows) {
    SkinManager->FActive = false;
    TForm* form = ShowForm(row.style, 240, 150);
    const RECT before = ClientRectOf(form->Handle());
    const RECT beforeInWindow = ClientInWindow(form->Handle());
    SkinManager->FActive = true;
    ASSERT_TRUE(SkinManager->AttachWindow(form->Handle()));
    Settle();
    TWinSkinForm* skinned = SkinFormOf(form->Handle());
    ASSERT_NE(skinned, nullptr);
    EXPECT_EQ(skinned->FBorderStyle, row.expectedBorderStyle);
    const RECT after = ClientRectOf(form->Handle());
    EXPECT_EQ(after.right, before.right) << static_cast<int>(row.style);
    EXPECT_EQ(after.bottom, before.bottom) << static_cast<int>(row.style);
    const RECT inWindow = ClientInWindow(form->Handle());
    if (row.expectedBorderStyle == kBorderNone) {
      EXPECT_EQ(skinned->FTitleHeight, 0);
      EXPECT_TRUE(EqualRect(&inWindow, &beforeInWindow)) << "no frame is claimed without a caption";
    } else {
      EXPECT_EQ(inWindow.left, skinned->FBorderLeft);
      EXPECT_EQ(inWindow.top, skinned->FTitleHeight);
      const RECT window = WindowRectOf(form->Handle());
      EXPECT_EQ((window.right - window.left) - inWindow.right, skinned->FBorderRight);
      EXPECT_EQ((window.bottom - window.top) - inWindow.bottom, skinned->FBorderBottom);
    }
    form->Free();
    Settle();
  }
}

TEST_F(FrameSizeTest, AMenuBarKeepsItsHeightBelowTheTitle) {
  LoadMainSkin(false);
  TForm* form = ShowForm(TFormBorderStyle::bsSizeable, 240, 150);
  HMENU menu = CreateMenu();
  AppendMenuW(menu, MF_STRING, 1, u"&File");
  SetMenu(form->Handle(), menu);
  const RECT before = ClientRectOf(form->Handle());
  SkinManager->FActive = true;
  ASSERT_TRUE(SkinManager->AttachWindow(form->Handle()));
  Settle();
  TWinSkinForm* skinned = SkinFormOf(form->Handle());
  EXPECT_EQ(skinned->FMenuBarHeight, GetSystemMetrics(SM_CYMENU));
  const RECT inWindow = ClientInWindow(form->Handle());
  EXPECT_EQ(inWindow.top, skinned->FTitleHeight + skinned->FMenuBarHeight);
  const RECT after = ClientRectOf(form->Handle());
  EXPECT_EQ(after.bottom, before.bottom);
  EXPECT_EQ(SendMessageW(form->Handle(), WM_NCHITTEST, 0,
                         MAKELPARAM(WindowRectOf(form->Handle()).left + 40,
                                    WindowRectOf(form->Handle()).top + skinned->FTitleHeight + 3)),
            HTMENU);
}

TEST_F(FrameSizeTest, ASkinWithOtherFrameSizesIsAppliedLive) {
  LoadMainSkin();
  TForm* form = ShowForm(TFormBorderStyle::bsSizeable, 240, 150);
  ASSERT_NE(SkinFormOf(form->Handle()), nullptr);
  const std::string ini =
      "[Personality]\nLeft=l.bmp\nLeftFrame=2\nRight=r.bmp\nRightFrame=2\nTop=t.bmp\nTopFrame=2\n"
      "Bottom=b.bmp\nBottomFrame=2\n[Colours]\nButtonFace=200 100 50\n";
  const Bytes package = PackageOf(ini, {{"l.bmp", 12, 60, RGB(255, 0, 0)},
                                        {"r.bmp", 10, 60, RGB(0, 255, 0)},
                                        {"t.bmp", 60, 60, RGB(0, 0, 255)},
                                        {"b.bmp", 60, 14, RGB(255, 255, 0)}});
  const std::string path = ::testing::TempDir() + "frame_sizes.skn";
  {
    FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(package.data(), 1, package.size(), file);
    std::fclose(file);
  }
  skin->SetSkinFile(path);
  Settle(300);
  TWinSkinForm* skinned = SkinFormOf(form->Handle());
  ASSERT_NE(skinned, nullptr);
  EXPECT_EQ(skinned->FBorderLeft, 6);
  EXPECT_EQ(skinned->FBorderRight, 5);
  EXPECT_EQ(skinned->FTitleHeight, 30);
  EXPECT_EQ(skinned->FBorderBottom, 7);
  const RECT client = ClientRectOf(form->Handle());
  EXPECT_EQ(client.right, 240);
  EXPECT_EQ(client.bottom, 150);
  const RECT inWindow = ClientInWindow(form->Handle());
  EXPECT_EQ(inWindow.left, 6);
  EXPECT_EQ(inWindow.top, 30);
  EXPECT_EQ(form->Color(), static_cast<TColor>(RGB(200, 100, 50)));
  std::remove(path.c_str());
}

}  // namespace
}  // namespace skintest
