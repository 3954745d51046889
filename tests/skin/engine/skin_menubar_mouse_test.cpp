// The menu bar and the mouse: a click opens the item's drop-down under it,
// moving to the next item switches drop-downs through a posted click, a
// disabled item posts its command but opens nothing, a click on an entry
// delivers its command, a chosen entry of a form runs its item's OnClick, and
// message 0x3518 opens the item under a point.
#include <gtest/gtest.h>

#include "platform/display/headless/headless.h"
#include "skin/engine/skin_menubar_helpers.h"
#include "support/message_recorder.h"
#include "toolkit/Menus.h"

namespace skintest {
namespace {

namespace headless = platform::display::headless;
using MenuBarMouse = MenuBarTest;

void ClickAt(POINT p) {
  headless::MoveMouse(p.x, p.y);
  headless::Press();
  headless::Release();
}

TEST_F(MenuBarMouse, AClickOpensTheItemsDropDownBelowItsLeftEdge) {
  HWND window = MenuWindow();
  TWinSkinForm* form = SkinFormOf(window);
  const TRect edit = Bar(window)->FItems[1]->FRect;
  bool trackingInside = false;
  bool entriesOwnerDrawn = false;
  const auto opened = Track([&] { ClickAt(ItemCentre(window, 1)); },
                            [&](int) {
                              trackingInside = form->FMenuTracking;
                              // The window is asked to measure and draw every entry.
                              MENUITEMINFOA info{};
                              info.cbSize = sizeof(info);
                              info.fMask = MIIM_FTYPE;
                              entriesOwnerDrawn = GetMenuItemCount(form->FOpenSubMenu) > 0;
                              for (int i = 0; i < GetMenuItemCount(form->FOpenSubMenu); ++i) {
                                GetMenuItemInfoA(form->FOpenSubMenu, static_cast<UINT>(i), TRUE, &info);
                                entriesOwnerDrawn = entriesOwnerDrawn && (info.fType & MFT_OWNERDRAW) != 0;
                              }
                              PostMenuKey(VK_ESCAPE);
                            });
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0].index, 1);
  EXPECT_TRUE(trackingInside);
  EXPECT_TRUE(entriesOwnerDrawn);
  const RECT w = WindowRectOf(window);
  EXPECT_EQ(opened[0].rect.left, w.left + edit.left);
  EXPECT_EQ(opened[0].rect.top, w.top + edit.bottom);
  EXPECT_FALSE(form->FMenuTracking);
  EXPECT_EQ(form->FOpenSubMenu, nullptr);
}

TEST_F(MenuBarMouse, MovingOntoTheNextItemSwitchesDropDowns) {
  HWND window = MenuWindow();
  const POINT help = ItemCentre(window, 3);
  const POINT file = ItemCentre(window, 0);
  const auto opened = Track([&] { ClickAt(ItemCentre(window, 1)); },
                            [&](int n) {
                              if (n == 0) headless::MoveMouse(help.x, help.y);
                              if (n == 1) headless::MoveMouse(file.x, file.y);
                              if (n == 2) PostMenuKey(VK_ESCAPE);
                            });
  ASSERT_EQ(opened.size(), 3u);
  EXPECT_EQ(opened[0].index, 1);
  EXPECT_EQ(opened[1].index, 3);
  EXPECT_EQ(opened[2].index, 0);
}

TEST_F(MenuBarMouse, ADisabledItemPostsItsCommandButOpensNothing) {
  HWND window = MenuWindow();
  WatchCommands(window);
  const UINT command = Bar(window)->FItems[2]->FCommand;
  const auto opened = Track([&] { ClickAt(ItemCentre(window, 2)); }, [](int) { PostMenuKey(VK_ESCAPE); });
  Settle();
  EXPECT_TRUE(opened.empty());
  EXPECT_TRUE(GotCommand(command));
}

TEST_F(MenuBarMouse, ChoosingAnEntryOfAFormRunsTheToolkitItemsOnClick) {
  TForm* form = NewComponent<TForm>(Application);
  auto* menu = NewComponent<TMainMenu>(form);
  auto* file = new TMenuItem(form);
  file->SetCaption("&File");
  menu->Items()->Add(file);
  auto* open = new TMenuItem(form);
  open->SetCaption("&Open");
  int clicks = 0;
  open->OnClick = [&](TObject*) { ++clicks; };
  file->Add(open);
  form->SetBounds(100, 100, 320, 240);
  form->SetMenu(menu);
  form->Show();
  Settle(300);
  HWND window = form->Handle();
  WatchCommands(window);
  const auto opened = Track([&] { ClickAt(ItemCentre(window, 0)); },
                            [&](int) { PostMenuKey(VK_RETURN); });
  Settle();
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_TRUE(GotCommand(open->Command()));
  EXPECT_EQ(clicks, 1);
}

TEST_F(MenuBarMouse, AClickOnAnEntryPostsItsCommand) {
  HWND window = MenuWindow();
  WatchCommands(window);
  Track([&] { ClickAt(ItemCentre(window, 0)); },
        [&](int) {
          RECT entry{};
          EXPECT_TRUE(GetMenuItemRect(nullptr, file_, 1, &entry));
          ClickAt(POINT{(entry.left + entry.right) / 2, (entry.top + entry.bottom) / 2});
        });
  Settle();
  EXPECT_TRUE(GotCommand(kOpen));
}

TEST_F(MenuBarMouse, Message3518OpensTheItemUnderThePoint) {
  HWND window = MenuWindow();
  const POINT help = ItemCentre(window, 3);
  const auto opened = Track([&] { PostMessageW(window, SKM_OPENMENUITEM, 0, MAKELPARAM(help.x, help.y)); },
                            [](int) { PostMenuKey(VK_ESCAPE); });
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0].index, 3);
}

}  // namespace
}  // namespace skintest
