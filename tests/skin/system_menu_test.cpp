// The skinned system menu: its entries copied from the window's system menu
// (or the fixed NT 4 menu), the system commands they send, when it opens and
// the double-click rule of its button.
#include <gtest/gtest.h>

#include "caption_skin_helpers.h"
#include "platform/display/headless/headless.h"
#include "toolkit/Menus.h"

namespace skintest {
namespace {

namespace headless = platform::display::headless;

using SystemMenu = SkinnedWindowTest;

constexpr DWORD kFramed = WS_OVERLAPPEDWINDOW;
const std::set<UINT> kMenuOpened{HookCode(HCBT_CREATEWND)};
// The toolkit's popup window and the menu window it tracks.
const char kOpened[] = "HCBT_CREATEWND sent TPopupList\nHCBT_CREATEWND sent #32768\n";

// Caption, tag, image index, enabled and checked of every entry.
std::string Entries(TPopupMenu& popup) {
  std::string text;
  for (int i = 0; i < popup.Items()->Count(); ++i) {
    TMenuItem& item = *popup.Items()->Items(i);
    char line[160];
    std::snprintf(line, sizeof(line), "%s|%X|%d|%s%s%s\n", item.Caption().c_str(), item.Tag(), item.ImageIndex(),
                  item.Enabled() ? "on" : "off", item.Checked() ? "|checked" : "",
                  item.GetShortCut() != scNone ? ("|" + ShortCutToText(item.GetShortCut())).c_str() : "");
    text += line;
  }
  return text;
}

TMenuItem* Entry(TPopupMenu& popup, int tag) {
  for (int i = 0; i < popup.Items()->Count(); ++i) {
    if (popup.Items()->Items(i)->Tag() == tag) return popup.Items()->Items(i);
  }
  return nullptr;
}

TEST_F(SystemMenu, EntriesAreCopiedFromTheWindowsSystemMenu) {
  MakeWindow(kFramed);
  ASSERT_NE(form_->FSystemMenu, nullptr);
  form_->BuildSystemMenu();
  TPopupMenu& popup = *form_->FSysMenuPopup;
  EXPECT_EQ(popup.Tag(), 33333);
  EXPECT_TRUE(popup.OwnerDraw());
  EXPECT_EQ(popup.Images(), skin_->MenuImages());
  EXPECT_EQ(Entries(popup),
            "&Restore|F120|0|off\n"
            "&Move|F010|-1|on\n"
            "&Size|F000|-1|on\n"
            "Mi&nimize|F020|2|on\n"
            "Ma&ximize|F030|1|on\n"
            "-|0|-1|on\n"
            "&Close\tAlt+F4|F060|3|on\n");
}

TEST_F(SystemMenu, EntriesFollowTheShowStateAndTheMenusOwnStates) {
  MakeWindow(kFramed);
  SendMessageW(window_, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  // The platform's greying of the show-state commands is stale while the
  // skin hides the system-menu style; an item of the application's greyed
  // (state exactly MFS_GRAYED) is disabled.
  EnableMenuItem(form_->FSystemMenu, SC_RESTORE, MF_BYCOMMAND | MF_GRAYED);
  CheckMenuItem(form_->FSystemMenu, SC_MINIMIZE, MF_BYCOMMAND | MF_CHECKED);
  AppendMenuW(form_->FSystemMenu, MF_STRING, 0x1234, u"About");
  AppendMenuW(form_->FSystemMenu, MF_STRING | MF_GRAYED, 0x1235, u"");
  form_->BuildSystemMenu();
  EXPECT_EQ(Entries(*form_->FSysMenuPopup),
            "&Restore|F120|0|on\n"
            "&Move|F010|-1|off\n"
            "&Size|F000|-1|off\n"
            "Mi&nimize|F020|2|on|checked\n"
            "Ma&ximize|F030|1|off\n"
            "-|0|-1|on\n"
            "&Close\tAlt+F4|F060|3|on\n"
            "About|1234|-1|on\n"
            "-|1235|-1|off\n");
}

TEST_F(SystemMenu, AChosenEntryPostsItsSystemCommand) {
  MakeWindow(kFramed);
  form_->BuildSystemMenu();
  Entry(*form_->FSysMenuPopup, SC_MINIMIZE)->Click();
  Pump();
  EXPECT_TRUE(IsIconic(window_));
  EXPECT_EQ(Recorded({WM_SYSCOMMAND}), "WM_SYSCOMMAND posted w=f020\n");
}

TEST_F(SystemMenu, NT4HasTheFixedMenu) {
  platform::OverrideVersion(0x00000004u);
  SkinManager->InstallHooks();
  MakeWindow(WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX);
  form_->FSystemMenu = nullptr;
  form_->BuildSystemMenu();
  TPopupMenu& popup = *form_->FSysMenuPopup;
  EXPECT_EQ(Entries(popup),
            " Restore |0|0|on\n"
            " Minimize |2|2|on\n"
            "-|64|100|on\n"
            " Close |3|3|on|Alt+F4\n");
  Entry(popup, 2)->Click();
  EXPECT_EQ(form_->FShowState, kShowMinimized);
  Entry(popup, 0)->Click();
  EXPECT_EQ(form_->FShowState, kShowNormal);
  Entry(popup, 3)->Click();
  EXPECT_FALSE(form_->FHoverTimer->Enabled());
  MSG msg{};
  ASSERT_TRUE(PeekMessageW(&msg, window_, WM_SYSCOMMAND, WM_SYSCOMMAND, PM_REMOVE));
  EXPECT_EQ(msg.wParam, static_cast<WPARAM>(SC_MINIMIZE));
  ASSERT_TRUE(PeekMessageW(&msg, window_, WM_SYSCOMMAND, WM_SYSCOMMAND, PM_REMOVE));
  EXPECT_EQ(msg.wParam, static_cast<WPARAM>(SC_RESTORE));
  EXPECT_TRUE(PeekMessageW(&msg, window_, WM_CLOSE, WM_CLOSE, PM_REMOVE));
}

TEST_F(SystemMenu, WithoutASystemMenuNothingOpens) {
  MakeWindow(kFramed);
  form_->FSystemMenu = nullptr;
  form_->BuildSystemMenu();
  EXPECT_EQ(form_->FSysMenuPopup, nullptr);
  recorder_->HookCbt();
  form_->ShowSystemMenu(TPoint{200, 200});
  EXPECT_EQ(Recorded(kMenuOpened), "");
}

TEST_F(SystemMenu, ARightClickOnTheCaptionOpensItAndAKeyChoosesAnEntry) {
  MakeWindow(kFramed);
  recorder_->HookCbt();
  headless::Key(VK_UP);
  headless::Key(VK_RETURN);
  EXPECT_EQ(SendMessageW(window_, WM_NCRBUTTONDOWN, HTCAPTION, ScreenParam({150, 12})), 0);
  EXPECT_EQ(Recorded(kMenuOpened), kOpened);
  EXPECT_EQ(SkinManager->FMenuKind, kMenuKindContext);
  Pump();
  EXPECT_FALSE(IsWindow(window_));
  EXPECT_EQ(Recorded({WM_SYSCOMMAND}), "WM_SYSCOMMAND posted w=f060\n");
}

TEST_F(SystemMenu, TheIconButtonAndAltSpaceOpenIt) {
  MakeWindow(kFramed);
  recorder_->HookCbt();
  const POINT icon = ToScreen(Centre(*Button(3)));
  headless::Click(icon.x, icon.y);
  headless::Key(VK_ESCAPE);
  Pump();
  EXPECT_EQ(Recorded(kMenuOpened), kOpened);

  recorder_->Clear();
  headless::AdvanceClock(form_->FDoubleClickTime + 1);
  headless::Key(VK_ESCAPE);
  SendMessageW(window_, WM_SYSCOMMAND, SC_KEYMENU, ' ');
  EXPECT_EQ(Recorded(kMenuOpened), kOpened);
  // Elsewhere on the caption a right click is the platform's.
  recorder_->Clear();
  SendMessageW(window_, WM_NCRBUTTONDOWN, HTBORDER, ScreenParam({1, 80}));
  EXPECT_EQ(Recorded({WM_NCRBUTTONDOWN}), "WM_NCRBUTTONDOWN sent w=12\n");
}

TEST_F(SystemMenu, ASecondOpeningWithinTheDoubleClickTimeClosesFromTheButton) {
  MakeWindow(kFramed);
  recorder_->HookCbt();
  form_->FLastIconClick = GetTickCount() - 1;
  // Not from a button: nothing at all.
  form_->FHotObject = nullptr;
  form_->ShowSystemMenu(TPoint{200, 200});
  // From the icon button: the window is closed.
  form_->FHotObject = Button(3);
  form_->ShowSystemMenu(TPoint{200, 200});
  EXPECT_FALSE(form_->FHoverTimer->Enabled());
  EXPECT_EQ(Recorded(kMenuOpened), "");
  Pump();
  EXPECT_EQ(Recorded({WM_CLOSE}), "WM_CLOSE posted w=0\n");
}

// Destroys the window from inside the menu loop, then closes the menu.
HWND doomed = nullptr;
void DestroyDoomed(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  DestroyWindow(doomed);
  headless::Key(VK_ESCAPE);
}

TEST_F(SystemMenu, AWindowDestroyedWhileItsMenuIsOpenLeavesNothingDangling) {
  MakeWindow(kFramed);
  doomed = window_;
  SetTimer(nullptr, 0, 10, &DestroyDoomed);
  SendMessageW(window_, WM_NCRBUTTONDOWN, HTCAPTION, ScreenParam({150, 12}));
  Pump();
  EXPECT_FALSE(IsWindow(window_));
  EXPECT_EQ(form_->FState, kStateDead);
  EXPECT_EQ(form_->FSysMenuPopup, nullptr);
}

}  // namespace
}  // namespace skintest
