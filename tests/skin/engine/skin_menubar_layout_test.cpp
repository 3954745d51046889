// The menu bar's items and rows: read from the window's menu (which the
// window gives up), wrapped into rows on a narrow window with the client
// area below them, laid out again when the toolkit's menu changes, painted
// hot and pressed, and the menu handed back when the skin goes off.
#include <gtest/gtest.h>

#include "platform/base/handles.h"
#include "platform/display/headless/headless.h"
#include "skin/engine/skin_menubar_helpers.h"
#include "support/golden.h"
#include "support/handle_leaks.h"
#include "toolkit/Menus.h"

namespace skintest {
namespace {

namespace headless = platform::display::headless;
using MenuBarLayout = MenuBarTest;

int ClientTop(HWND window) {
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  return origin.y - WindowRectOf(window).top;
}

COLORREF WindowPixel(HWND window, int x, int y) {
  HDC dc = GetWindowDC(window);
  const COLORREF colour = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return colour;
}

TEST_F(MenuBarLayout, ItemsComeFromTheMenuWhichTheWindowGivesUp) {
  HWND window = MenuWindow();
  TWinSkinForm* form = SkinFormOf(window);
  ASSERT_NE(Bar(window), nullptr);
  EXPECT_EQ(GetMenu(window), nullptr);
  EXPECT_EQ(Bar(window)->FMenuHandle, menu_);
  ASSERT_EQ(Bar(window)->FItems.size(), 4u);
  EXPECT_EQ(Bar(window)->FItems[0]->FCaption, u"&File");
  EXPECT_EQ(Bar(window)->FItems[1]->FSubMenu, edit_);
  EXPECT_FALSE(Bar(window)->FItems[2]->FItemEnabled);
  EXPECT_EQ(form->FMenuBarHeight, GetSystemMetrics(SM_CYMENU));
  EXPECT_EQ(ClientTop(window), form->FTitleHeight + form->FMenuBarHeight);
  // One row, left to right, inside the bar.
  const TRect& file = Bar(window)->FItems[0]->FRect;
  const TRect& edit = Bar(window)->FItems[1]->FRect;
  EXPECT_EQ(file.top, form->FTitleHeight);
  EXPECT_EQ(file.bottom, form->FTitleHeight + form->FMenuBarHeight - 1);
  EXPECT_EQ(edit.left, file.right);
  EXPECT_EQ(edit.top, file.top);
  EXPECT_EQ(SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(ItemCentre(window, 0).x, ItemCentre(window, 0).y)),
            HTMENU);
}

TEST_F(MenuBarLayout, ANarrowWindowWrapsItsItemsIntoRowsAndTheClientMovesDown) {
  HWND window = MenuWindow(RECT{100, 100, 190, 300});
  TWinSkinForm* form = SkinFormOf(window);
  const int row = GetSystemMetrics(SM_CYMENU);
  EXPECT_GE(form->FMenuBarHeight, 2 * row);
  EXPECT_EQ(ClientTop(window), form->FTitleHeight + form->FMenuBarHeight);
  const auto& items = Bar(window)->FItems;
  EXPECT_EQ(items[0]->FRect.top, form->FTitleHeight);
  EXPECT_EQ(items[3]->FRect.top, form->FTitleHeight + form->FMenuBarHeight - row);
  for (const auto& item : items) EXPECT_LE(item->FRect.right, WindowRectOf(window).right - WindowRectOf(window).left);
  // Wide again: one row, the client goes back up.
  SetWindowPos(window, nullptr, 0, 0, 500, 200, SWP_NOMOVE | SWP_NOZORDER);
  Settle();
  EXPECT_EQ(form->FMenuBarHeight, row);
  EXPECT_EQ(ClientTop(window), form->FTitleHeight + row);
}

TEST_F(MenuBarLayout, HotAndPressedItemsGetAHilightFrameAndNormalOnesTheBackground) {
  HWND window = MenuWindow();
  TMenuBtn& edit = *Bar(window)->FItems[1];
  const COLORREF hilight = ColorToRGB(skin->Colours[scButtonHilight]);
  const POINT corner{edit.FRect.left, edit.FRect.top};
  const COLORREF background = WindowPixel(window, corner.x, corner.y);
  const POINT centre = ItemCentre(window, 1);
  headless::MoveMouse(centre.x, centre.y);
  Settle();
  EXPECT_EQ(edit.FMouseState, 3);
  EXPECT_EQ(WindowPixel(window, corner.x, corner.y), hilight);
  EXPECT_EQ(WindowPixel(window, edit.FRect.right - 1, edit.FRect.bottom - 1), hilight);
  edit.MouseDown();
  EXPECT_EQ(edit.FMouseState, 2);
  EXPECT_EQ(WindowPixel(window, corner.x, corner.y), hilight);
  edit.MouseLeave();
  EXPECT_EQ(WindowPixel(window, corner.x, corner.y), background);
}

TEST_F(MenuBarLayout, GoldenBarWithAHotItem) {
  HWND window = MenuWindow();
  const POINT centre = ItemCentre(window, 0);
  headless::MoveMouse(centre.x, centre.y);
  Settle();
  const auto image = headless::WindowImage(window);
  ASSERT_TRUE(image.has_value());
  EXPECT_TRUE(brellis::test::MatchesGolden(*image, "skin/menubar_hot", {48, 40}));
}

TEST_F(MenuBarLayout, AddingAnItemToTheFormsMenuLaysTheBarOutAgain) {
  TForm* form = NewComponent<TForm>(Application);
  auto* menu = NewComponent<TMainMenu>(form);
  auto* file = new TMenuItem(form);
  file->SetCaption("&File");
  menu->Items()->Add(file);
  auto* open = new TMenuItem(form);
  open->SetCaption("&Open");
  file->Add(open);
  form->SetBounds(100, 100, 320, 240);
  form->SetMenu(menu);
  form->Show();
  Settle(300);
  TMenuBar* bar = Bar(form->Handle());
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(bar->FItems.size(), 1u);
  EXPECT_EQ(bar->FItems[0]->FMenuItem, file);
  EXPECT_EQ(GetMenu(form->Handle()), nullptr);

  auto* help = new TMenuItem(form);
  help->SetCaption("&Help");
  menu->Items()->Add(help);
  Settle();
  bar = Bar(form->Handle());
  ASSERT_EQ(bar->FItems.size(), 2u);
  EXPECT_EQ(bar->FItems[1]->FCaption, u"&Help");
  EXPECT_EQ(bar->FItems[1]->FRect.left, bar->FItems[0]->FRect.right);
  EXPECT_EQ(GetMenu(form->Handle()), nullptr) << "the window keeps no menu of its own";
}

TEST_F(MenuBarLayout, SwitchingTheSkinOffGivesTheWindowItsMenuBack) {
  HWND window = MenuWindow();
  const int clientHeight = ClientRectOf(window).bottom;
  skin->SetActive(false);
  Settle(300);
  EXPECT_EQ(GetMenu(window), menu_);
  EXPECT_EQ(SkinFormOf(window), nullptr);
  EXPECT_EQ(ClientRectOf(window).bottom, clientHeight);

}

TEST_F(MenuBarLayout, SkinOnAndOffOverAFormWithAMenuLeavesEveryCount) {
  TForm* form = NewComponent<TForm>(Application);
  auto* menu = NewComponent<TMainMenu>(form);
  auto* file = new TMenuItem(form);
  file->SetCaption("&File");
  menu->Items()->Add(file);
  auto* open = new TMenuItem(form);
  open->SetCaption("&Open");
  file->Add(open);
  form->SetMenu(menu);
  form->Show();
  Settle(300);
  const auto round = [&] {
    skin->SetActive(false);
    Settle(300);
    EXPECT_EQ(GetMenu(form->Handle()), menu->Handle());
    skin->SetActive(true);
    Settle(300);
  };
  round();
  const auto before = platform::HandleTable::Instance().LiveCounts();
  const std::size_t thunks = platform::LiveThunkCount();
  for (int i = 0; i < 50; ++i) round();
  EXPECT_EQ(brellis::test::DescribeCountChanges(before, platform::HandleTable::Instance().LiveCounts()), "");
  EXPECT_EQ(platform::LiveThunkCount(), thunks);
  ASSERT_NE(SkinFormOf(form->Handle()), nullptr);
  EXPECT_NE(Bar(form->Handle()), nullptr);
  EXPECT_EQ(GetMenu(form->Handle()), nullptr);
}

}  // namespace
}  // namespace skintest
