// The menu bar and the keyboard: Alt with a mnemonic, Alt alone and F10
// open a drop-down with its first entry selected; Right and Left move along
// the bar (wrapping, skipping nothing that can open), Right on an entry with
// sub-items opens them and Left inside them stays in the drop-down; Escape
// closes; Return on an entry delivers its command.
#include <gtest/gtest.h>

#include "platform/display/headless/headless.h"
#include "skin/engine/skin_menubar_helpers.h"

namespace skintest {
namespace {

namespace headless = platform::display::headless;
using MenuBarKeys = MenuBarTest;

void AltWith(UINT key) {
  headless::KeyDown(VK_MENU);
  if (key != 0) headless::Key(key);
  headless::KeyUp(VK_MENU);
}

TEST_F(MenuBarKeys, AltWithAMnemonicOpensThatItemWithItsFirstEntrySelected) {
  HWND window = MenuWindow();
  WatchCommands(window);
  const auto opened = Track([] { AltWith('E'); },
                            [](int) {
                              // The first entry is selected: Return chooses it.
                              PostMenuKey(VK_RETURN);
                            });
  Settle();
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0].index, 1);
  EXPECT_TRUE(GotCommand(kUndo));
}

TEST_F(MenuBarKeys, AltAloneAndF10OpenTheFirstItem) {
  HWND window = MenuWindow();
  auto opened = Track([] { AltWith(0); }, [](int) { PostMenuKey(VK_ESCAPE); });
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0].index, 0);
  opened = Track([] { headless::Key(VK_F10); }, [](int) { PostMenuKey(VK_ESCAPE); });
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0].index, 0);
  EXPECT_FALSE(SkinFormOf(window)->FMenuTracking);
}

TEST_F(MenuBarKeys, RightAndLeftMoveAlongTheBarAndWrap) {
  MenuWindow();
  const auto opened = Track([] { AltWith('H'); },
                            [](int n) {
                              if (n == 0) PostMenuKey(VK_RIGHT);  // Help → File (wraps)
                              if (n == 1) PostMenuKey(VK_LEFT);   // File → Help (wraps back)
                              if (n == 2) PostMenuKey(VK_LEFT);   // Help → View (disabled, opens nothing)
                            });
  ASSERT_GE(opened.size(), 3u);
  EXPECT_EQ(opened[0].index, 3);
  EXPECT_EQ(opened[1].index, 0);
  EXPECT_EQ(opened[2].index, 3);
  EXPECT_EQ(opened.size(), 3u) << "a disabled item opens no drop-down";
}

TEST_F(MenuBarKeys, RightOnAnEntryWithSubItemsOpensThemAndLeftStaysInTheDropDown) {
  HWND window = MenuWindow();
  WatchCommands(window);
  const auto opened = Track([] { AltWith('E'); },
                            [](int) {
                              PostMenuKey(VK_DOWN);   // Sub
                              PostMenuKey(VK_RIGHT);  // opens Sub ▸ with Deep selected
                              PostMenuKey(VK_LEFT);   // back to the drop-down
                              PostMenuKey(VK_RIGHT);  // into Sub again
                              PostMenuKey(VK_RETURN);  // Deep
                            });
  Settle();
  ASSERT_EQ(opened.size(), 1u) << "no other bar item opened: " << opened.back().index;
  EXPECT_TRUE(GotCommand(kDeep));
}

TEST_F(MenuBarKeys, InARightToLeftMenuTheArrowsActMirrored) {
  HWND window = MenuWindow();
  // Entries in right-to-left order.
  for (HMENU m : {file_, edit_, view_, help_}) {
    for (int i = 0; i < GetMenuItemCount(m); ++i) {
      MENUITEMINFOW info{};
      info.cbSize = sizeof(info);
      info.fMask = MIIM_FTYPE;
      GetMenuItemInfoW(m, static_cast<UINT>(i), TRUE, &info);
      info.fType |= MFT_RIGHTORDER;
      SetMenuItemInfoW(m, static_cast<UINT>(i), TRUE, &info);
    }
  }
  (void)window;
  const auto opened = Track([] { AltWith('F'); },
                            [](int n) {
                              if (n == 0) PostMenuKey(VK_LEFT);  // acts as Right: File → Edit
                              if (n == 1) PostMenuKey(VK_ESCAPE);
                            });
  ASSERT_EQ(opened.size(), 2u) << opened.back().index;
  EXPECT_EQ(opened[1].index, 1);
}

}  // namespace
}  // namespace skintest
