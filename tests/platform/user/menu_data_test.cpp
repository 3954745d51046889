// Menu objects: items added, changed, found by command through sub-menus
// and by position, item info with every mask, text cut as Windows cuts it,
// and menus destroyed with their sub-menus.
#include <cstring>

#include "platform/base/handles.h"
#include "user/user_test.h"

namespace brellis::test {
namespace {

std::size_t LiveMenus() { return platform::HandleTable::Instance().LiveCount(platform::HandleKind::Menu); }

class MenuDataTest : public ::testing::Test {
 protected:
  void SetUp() override {
    before = LiveMenus();
    bar = CreateMenu();
    file = CreatePopupMenu();
    recent = CreatePopupMenu();
    AppendMenuW(recent, MF_STRING, 301, u"One");
    AppendMenuW(recent, MF_STRING, 302, u"Two");
    AppendMenuW(file, MF_STRING, 101, u"&Open\tCtrl+O");
    AppendMenuW(file, MF_POPUP, reinterpret_cast<UINT_PTR>(recent), u"&Recent");
    AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(file, MF_STRING | MF_GRAYED, 102, u"E&xit");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), u"&File");
    AppendMenuW(bar, MF_STRING, 200, u"&Help");
  }
  void TearDown() override {
    if (IsMenu(bar)) DestroyMenu(bar);
    EXPECT_EQ(LiveMenus(), before);
  }

  std::size_t before = 0;
  HMENU bar = nullptr, file = nullptr, recent = nullptr;
};

TEST_F(MenuDataTest, ItemsAreFoundByCommandThroughSubMenusAndByPosition) {
  EXPECT_EQ(GetMenuItemCount(bar), 2);
  EXPECT_EQ(GetSubMenu(bar, 0), file);
  EXPECT_EQ(GetMenuItemID(bar, 0), static_cast<UINT>(-1));  // a popup has no command
  EXPECT_EQ(GetMenuItemID(bar, 1), 200u);

  // 302 lies two levels down; GetMenuString finds it from the bar.
  WCHAR text[32];
  EXPECT_EQ(GetMenuStringW(bar, 302, text, 32, MF_BYCOMMAND), 3);
  EXPECT_EQ(std::u16string(text), u"Two");
  EXPECT_EQ(GetMenuStringW(bar, 999, text, 32, MF_BYCOMMAND), 0);

  // Greyed and disabled are one state, 3.
  EXPECT_EQ(GetMenuState(bar, 102, MF_BYCOMMAND), MFS_GRAYED);
  EXPECT_EQ(GetMenuState(file, 1, MF_BYPOSITION), (2u << 8) | MF_POPUP);
  EXPECT_EQ(GetMenuState(file, 2, MF_BYPOSITION), MF_SEPARATOR);
  EXPECT_EQ(GetMenuState(bar, 999, MF_BYCOMMAND), static_cast<UINT>(-1));

  EXPECT_EQ(CheckMenuItem(bar, 301, MF_CHECKED), MF_UNCHECKED);
  EXPECT_EQ(CheckMenuItem(bar, 301, MF_UNCHECKED), MF_CHECKED);
  EXPECT_EQ(EnableMenuItem(bar, 102, MF_ENABLED), static_cast<BOOL>(MFS_GRAYED));
  EXPECT_EQ(GetMenuState(file, 3, MF_BYPOSITION), MF_ENABLED);

  // Insert before a command that lives in a sub-menu goes into that menu.
  EXPECT_TRUE(InsertMenuW(bar, 302, MF_BYCOMMAND | MF_STRING, 303, u"One and a half"));
  EXPECT_EQ(GetMenuItemCount(recent), 3);
  EXPECT_EQ(GetMenuItemID(recent, 1), 303u);
  EXPECT_TRUE(ModifyMenuW(recent, 303, MF_BYCOMMAND | MF_STRING | MF_CHECKED, 304, u"Changed"));
  EXPECT_EQ(GetMenuItemID(recent, 1), 304u);
  EXPECT_EQ(GetMenuState(recent, 1, MF_BYPOSITION), MF_CHECKED);
  EXPECT_TRUE(RemoveMenu(recent, 304, MF_BYCOMMAND));
  EXPECT_FALSE(RemoveMenu(recent, 304, MF_BYCOMMAND));
  EXPECT_EQ(GetLastError(), ERROR_MENU_ITEM_NOT_FOUND);
}

TEST_F(MenuDataTest, RadioGroupsAndTheDefaultItem) {
  HMENU view = CreatePopupMenu();
  AppendMenuW(view, MF_STRING, 1, u"Small");
  AppendMenuW(view, MF_STRING | MF_CHECKED, 2, u"Medium");
  AppendMenuW(view, MF_STRING, 3, u"Large");
  AppendMenuW(view, MF_STRING, 4, u"Other");
  EXPECT_TRUE(CheckMenuRadioItem(view, 0, 2, 2, MF_BYPOSITION));
  EXPECT_EQ(GetMenuState(view, 3, MF_BYCOMMAND), MF_CHECKED | MFT_RADIOCHECK);
  EXPECT_EQ(GetMenuState(view, 2, MF_BYCOMMAND), 0u);
  EXPECT_FALSE(CheckMenuRadioItem(view, 1, 3, 4, MF_BYCOMMAND));  // 4 is outside the range

  EXPECT_EQ(GetMenuDefaultItem(view, FALSE, 0), static_cast<UINT>(-1));
  EXPECT_TRUE(SetMenuDefaultItem(view, 2, FALSE));
  EXPECT_EQ(GetMenuDefaultItem(view, FALSE, 0), 2u);
  EXPECT_EQ(GetMenuDefaultItem(view, TRUE, 0), 1u);
  EnableMenuItem(view, 2, MF_GRAYED);
  EXPECT_EQ(GetMenuDefaultItem(view, FALSE, 0), static_cast<UINT>(-1));
  EXPECT_EQ(GetMenuDefaultItem(view, FALSE, GMDI_USEDISABLED), 2u);
  DestroyMenu(view);
}

TEST_F(MenuDataTest, ItemInfoReadsAndWritesEveryMask) {
  MENUITEMINFOA info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_TYPE;
  char buffer[80] = {};
  info.dwTypeData = buffer;
  info.cch = sizeof(buffer);
  ASSERT_TRUE(GetMenuItemInfoA(bar, 0, TRUE, &info));
  EXPECT_EQ(info.hSubMenu, file);
  EXPECT_EQ(info.fType, MFT_STRING);
  EXPECT_STREQ(buffer, "&File");
  EXPECT_EQ(info.cch, 5u);

  // By command, searching sub-menus; state only.
  MENUITEMINFOA state{};
  state.cbSize = sizeof(state);
  state.fMask = MIIM_STATE;
  ASSERT_TRUE(GetMenuItemInfoA(bar, 102, FALSE, &state));
  EXPECT_EQ(state.fState, MFS_GRAYED);

  // A text cut to the buffer answers the characters copied; a null buffer
  // the whole length.
  MENUITEMINFOW wide{};
  wide.cbSize = sizeof(wide);
  wide.fMask = MIIM_STRING;
  WCHAR small[4];
  wide.dwTypeData = small;
  wide.cch = 4;
  ASSERT_TRUE(GetMenuItemInfoW(file, 0, TRUE, &wide));
  EXPECT_EQ(std::u16string(small), u"&Op");
  EXPECT_EQ(wide.cch, 3u);
  wide.dwTypeData = nullptr;
  wide.cch = 0;
  ASSERT_TRUE(GetMenuItemInfoW(file, 0, TRUE, &wide));
  EXPECT_EQ(wide.cch, 12u);

  // A double-byte character is never cut in half.
  AppendMenuW(recent, MF_STRING, 305, u"\u6587\u4EF6");  // two GBK characters, four bytes
  MENUITEMINFOA cut{};
  cut.cbSize = sizeof(cut);
  cut.fMask = MIIM_STRING;
  char four[4] = {'x', 'x', 'x', 'x'};
  cut.dwTypeData = four;
  cut.cch = 4;
  ASSERT_TRUE(GetMenuItemInfoA(bar, 305, FALSE, &cut));
  EXPECT_EQ(std::strlen(four), 2u);

  // Writing: owner-drawn type bit kept with the text, data, check marks.
  MENUITEMINFOA set{};
  set.cbSize = sizeof(set);
  set.fMask = MIIM_FTYPE | MIIM_DATA | MIIM_STATE;
  set.fType = MFT_OWNERDRAW | MFT_RADIOCHECK;
  set.fState = MFS_CHECKED | MFS_DEFAULT;
  set.dwItemData = 0x1234;
  ASSERT_TRUE(SetMenuItemInfoA(file, 0, TRUE, &set));
  MENUITEMINFOW back{};
  back.cbSize = sizeof(back);
  back.fMask = MIIM_FTYPE | MIIM_DATA | MIIM_STATE | MIIM_STRING;
  WCHAR text[32];
  back.dwTypeData = text;
  back.cch = 32;
  ASSERT_TRUE(GetMenuItemInfoW(file, 0, TRUE, &back));
  EXPECT_EQ(back.fType, MFT_OWNERDRAW | MFT_RADIOCHECK);
  EXPECT_EQ(back.fState, MFS_CHECKED | MFS_DEFAULT);
  EXPECT_EQ(back.dwItemData, 0x1234u);
  EXPECT_EQ(std::u16string(text), u"&Open\tCtrl+O");

  // MIIM_TYPE with the masks that replaced it is refused, so is a bad size.
  set.fMask = MIIM_TYPE | MIIM_STRING;
  EXPECT_FALSE(SetMenuItemInfoA(file, 0, TRUE, &set));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  set.fMask = MIIM_STATE;
  set.cbSize = 12;
  EXPECT_FALSE(SetMenuItemInfoA(file, 0, TRUE, &set));
  EXPECT_FALSE(GetMenuItemInfoA(file, 0, TRUE, nullptr));
  // The older, shorter structure still works for the old masks.
  set.cbSize = offsetof(MENUITEMINFOA, hbmpItem);
  EXPECT_TRUE(SetMenuItemInfoA(file, 0, TRUE, &set));

  // Inserting by item info.
  MENUITEMINFOW insert{};
  insert.cbSize = sizeof(insert);
  insert.fMask = MIIM_ID | MIIM_STRING | MIIM_STATE;
  insert.wID = 150;
  insert.dwTypeData = const_cast<LPWSTR>(u"&Save");
  insert.fState = MFS_DISABLED;
  ASSERT_TRUE(InsertMenuItemW(file, 1, TRUE, &insert));
  EXPECT_EQ(GetMenuItemID(file, 1), 150u);
  EXPECT_EQ(GetMenuState(file, 150, MF_BYCOMMAND), MFS_GRAYED);
}

TEST_F(MenuDataTest, DestroyingFreesSubMenusAndStaleHandlesFail) {
  EXPECT_EQ(LiveMenus(), before + 3);
  EXPECT_TRUE(DeleteMenu(file, 1, MF_BYPOSITION));  // the "Recent" sub-menu goes with it
  EXPECT_FALSE(IsMenu(recent));
  EXPECT_EQ(LiveMenus(), before + 2);
  EXPECT_TRUE(DestroyMenu(bar));
  EXPECT_FALSE(IsMenu(file));
  EXPECT_EQ(LiveMenus(), before);
  EXPECT_FALSE(DestroyMenu(bar));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_MENU_HANDLE);
  EXPECT_EQ(GetMenuItemCount(bar), -1);
  EXPECT_FALSE(AppendMenuW(bar, MF_STRING, 1, u"x"));
  HMENU other = CreateMenu();
  EXPECT_FALSE(AppendMenuW(other, MF_POPUP, reinterpret_cast<UINT_PTR>(file), u"stale sub-menu"));
  EXPECT_EQ(GetMenuItemCount(other), 0);
  DestroyMenu(other);
  EXPECT_EQ(GetMenuItemID(nullptr, 0), static_cast<UINT>(-1));

  // A menu that holds itself is searched and destroyed without end.
  HMENU loop = CreatePopupMenu();
  EXPECT_TRUE(AppendMenuW(loop, MF_POPUP, reinterpret_cast<UINT_PTR>(loop), u"Itself"));
  EXPECT_EQ(GetMenuState(loop, 77, MF_BYCOMMAND), static_cast<UINT>(-1));
  EXPECT_TRUE(DestroyMenu(loop));
  EXPECT_EQ(LiveMenus(), before);
}

}  // namespace
}  // namespace brellis::test
