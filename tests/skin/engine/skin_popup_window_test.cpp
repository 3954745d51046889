// Skinned popup-menu windows: the skinned query, the frame painted from the
// skin's background picture, a window destroyed after its subclass went
// (the manager sees HCBT_DESTROYWND before WM_DESTROY), choosing entries by
// keyboard and mouse, the message box's system menu, and the handles of
// many menus opened and closed.
#include <gtest/gtest.h>

#include "platform/display/headless/headless.h"
#include "skin/engine/skin_popup_helpers.h"

namespace skintest {
namespace {

namespace headless = platform::display::headless;

// Past the skin manager's deferral, from inside a modal loop.
void Settle300() {
  Application->ProcessMessages();
  headless::AdvanceClock(300);
  Application->ProcessMessages();
}

class PopupWindowTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    LoadMainSkin();
  }
  // A form with a context menu of three entries; clicks are counted.
  void MakeForm() {
    form = NewComponent<TForm>(Application);
    form->SetBounds(100, 100, 320, 240);
    popup = NewComponent<TPopupMenu>(form);
    for (const char* caption : {"&First", "&Second", "&Third"}) {
      auto* item = new TMenuItem(form);
      item->SetCaption(caption);
      item->OnClick = [this, caption](TObject*) { clicked += caption; };
      popup->Items()->Add(item);
    }
    form->SetPopupMenu(popup);
    form->Show();
    Settle(300);
  }
  // A bare menu window of the platform's class, as the menu loop makes one.
  static HWND NewMenuWindow() {
    return CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, u"#32768", nullptr, WS_POPUP | WS_BORDER, 50, 50, 120,
                           80, nullptr, nullptr, nullptr, nullptr);
  }
  TForm* form = nullptr;
  TPopupMenu* popup = nullptr;
  std::string clicked;
};

TEST_F(PopupWindowTest, AMenuWindowIsSkinnedAndPaintsTheSkinsFrame) {
  UseMiniMenuPictures(skin);
  HWND window = NewMenuWindow();
  ASSERT_TRUE(SkinManager->IsPopupMenuSkinned(window));
  EXPECT_EQ(SendMessageW(window, SKM_ISSKINNED, 0, 0), 1);
  ShowWindow(window, SW_SHOWNA);
  Settle();
  auto image = headless::WindowImage(window);
  ASSERT_TRUE(image);
  const platform::Pixel corner = image->PixelAt(0, 0);
  EXPECT_EQ(RGB((corner >> 16) & 0xFF, (corner >> 8) & 0xFF, corner & 0xFF), kMenuBackgroundColour);

  // Printing: the skin's frame, the client printed inside it.
  TBitmap print;
  print.SetSize(120, 80);
  SendMessageW(window, WM_PRINT, reinterpret_cast<WPARAM>(print.Canvas()->Handle()), PRF_NONCLIENT | PRF_CLIENT);
  EXPECT_EQ(GetPixel(print.Canvas()->Handle(), 1, 1), kMenuBackgroundColour);
  EXPECT_NE(GetPixel(print.Canvas()->Handle(), 60, 40), kMenuBackgroundColour);
  DestroyWindow(window);
  EXPECT_FALSE(SkinManager->IsPopupMenuSkinned(window));
}

TEST_F(PopupWindowTest, ErasingFollowsTheMenuBackgroundOptionAndNoPictureLeavesTheClassicFrame) {
  UseMiniMenuPictures(skin);
  HWND window = NewMenuWindow();
  TBitmap client;
  client.SetSize(20, 20);
  const auto erase = [&] {
    client.Canvas()->Brush()->SetColor(static_cast<TColor>(RGB(1, 2, 3)));
    client.Canvas()->FillRect(Rect(0, 0, 20, 20));
    return SendMessageW(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(client.Canvas()->Handle()), 0);
  };
  EXPECT_EQ(erase(), 1);
  EXPECT_NE(GetPixel(client.Canvas()->Handle(), 5, 5), RGB(1, 2, 3));
  TSkinOptions options = skin->Options();
  options.Include(TSkinOption::xoMenuBG);
  skin->SetOptions(options);
  EXPECT_EQ(erase(), 1);
  EXPECT_EQ(GetPixel(client.Canvas()->Handle(), 5, 5), RGB(1, 2, 3));

  skin->MenuBackground->Picture->Clear();
  ShowWindow(window, SW_SHOWNA);
  Settle();
  auto image = headless::WindowImage(window);
  ASSERT_TRUE(image);
  EXPECT_NE(image->PixelAt(0, 0), platform::PixelFromColorRef(kMenuBackgroundColour));
  DestroyWindow(window);
}

TEST_F(PopupWindowTest, DestroyingAfterTheSubclassWentIsSafe) {
  // The manager's popup object goes at HCBT_DESTROYWND; WM_DESTROY then
  // reaches the platform's procedure alone.
  HWND window = NewMenuWindow();
  ASSERT_TRUE(SkinManager->IsPopupMenuSkinned(window));
  EXPECT_TRUE(DestroyWindow(window));
  EXPECT_FALSE(IsWindow(window));

  // Unsubclassed first (WM_DESTROY of a window the hook did not see go).
  window = NewMenuWindow();
  TWinSkinPopMenu* popupObject = SkinManager->FPopupMenus.back();
  popupObject->Unsubclass();
  popupObject->Unsubclass();
  EXPECT_NE(SendMessageW(window, SKM_ISSKINNED, 0, 0), 1);
  EXPECT_TRUE(DestroyWindow(window));
  EXPECT_TRUE(SkinManager->FPopupMenus.empty());

  // WM_DESTROY reaching a subclassed window whose object stays registered.
  window = NewMenuWindow();
  popupObject = SkinManager->FPopupMenus.back();
  SendMessageW(window, WM_DESTROY, 0, 0);
  EXPECT_FALSE(popupObject->Subclassed());
  EXPECT_TRUE(DestroyWindow(window));
}

TEST_F(PopupWindowTest, EntriesAreChosenByKeyboardAndByMouse) {
  MakeForm();
  ASSERT_TRUE(HasSkinnedDrawEvent(popup->Items()->Items(1)));
  bool skinned = false;
  WhileMenuOpen([&skinned] {
    skinned = SendMessageW(OpenMenus().back(), SKM_ISSKINNED, 0, 0) == 1;
    headless::Key(VK_DOWN);
    headless::Key(VK_DOWN);
    headless::Key(VK_RETURN);
    return true;
  });
  popup->Popup(200, 200);
  EXPECT_TRUE(skinned);
  EXPECT_EQ(clicked, "&Second");

  clicked.clear();
  WhileMenuOpen([this] {
    HWND menu = OpenMenus().back();
    RECT entry{};
    if (!GetMenuItemRect(nullptr, popup->Handle(), 2, &entry)) GetWindowRect(menu, &entry);
    headless::Click((entry.left + entry.right) / 2, (entry.top + entry.bottom) / 2);
    return true;
  });
  popup->Popup(200, 200);
  EXPECT_EQ(clicked, "&Third");
  Settle();
  EXPECT_TRUE(SkinManager->FPopupMenus.empty());
  EXPECT_EQ(SkinManager->FMenuKind, kMenuKindContext);
}

TEST_F(PopupWindowTest, TheMessageBoxOpensItsSkinnedSystemMenuWithAltSpace) {
  struct Seen {
    bool skinned = false;
    int kind = -1;
    bool closed = false;
  };
  static Seen seen;
  seen = Seen{};
  SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR id, DWORD) {
    HWND box = GetActiveWindow();
    char name[16] = {};
    if (box == nullptr || GetClassNameA(box, name, sizeof name) == 0 || std::string(name) != "#32770") return;
    KillTimer(nullptr, id);
    WhileMenuOpen([] {
      seen.skinned = SendMessageW(OpenMenus().back(), SKM_ISSKINNED, 0, 0) == 1;
      seen.kind = SkinManager->FMenuKind;
      // Up from the first entry wraps to the last: Close.
      headless::Key(VK_UP);
      headless::Key(VK_RETURN);
      return true;
    });
    headless::KeyDown(VK_MENU);
    headless::Key(VK_SPACE);
    headless::KeyUp(VK_MENU);
  });
  const int answer = MessageBoxW(nullptr, u"Quit?", u"Brellis", MB_YESNO);
  EXPECT_TRUE(seen.skinned);
  EXPECT_EQ(seen.kind, kMenuKindSystem);
  EXPECT_NE(answer, IDYES);
}

TEST_F(PopupWindowTest, TheCaptionIconAndAClickOnTheCaptionOpenTheSkinnedSystemMenu) {
  HWND window = ShowWindowOf(WS_OVERLAPPEDWINDOW);
  Settle(300);
  TWinSkinForm* skinned = SkinFormOf(window);
  ASSERT_NE(skinned, nullptr);
  const TWinSysButton* icon = nullptr;
  for (const auto& button : skinned->FButtons) {
    if (button->FVisible && (button->FModel->Action == 3 || button->FModel->Action == 11)) icon = button.get();
  }
  ASSERT_NE(icon, nullptr);
  const RECT bounds = WindowRectOf(window);
  static bool opened;
  opened = false;
  const auto closeOnceSkinned = [] {
    opened = SendMessageW(OpenMenus().back(), SKM_ISSKINNED, 0, 0) == 1 && SkinManager->FMenuKind == kMenuKindSystem;
    headless::Key(VK_ESCAPE);
    return true;
  };
  WhileMenuOpen(closeOnceSkinned);
  headless::Click(bounds.left + (icon->FRect.left + icon->FRect.right) / 2,
                  bounds.top + (icon->FRect.top + icon->FRect.bottom) / 2);
  Settle();
  EXPECT_TRUE(opened);

  // A right click on the message box's caption (its frame shows no icon).
  opened = false;
  static POINT caption;
  SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR id, DWORD) {
    HWND box = GetActiveWindow();
    char name[16] = {};
    if (box == nullptr || GetClassNameA(box, name, sizeof name) == 0 || std::string(name) != "#32770") return;
    KillTimer(nullptr, id);
    Settle300();
    RECT r{};
    GetWindowRect(box, &r);
    caption = POINT{(r.left + r.right) / 2, r.top + 8};
    WhileMenuOpen([box] {
      opened = SendMessageW(OpenMenus().back(), SKM_ISSKINNED, 0, 0) == 1;
      headless::Key(VK_ESCAPE);
      PostMessageW(box, WM_COMMAND, IDNO, 0);
      return true;
    });
    headless::Click(caption.x, caption.y, platform::display::InputEvent::Right);
  });
  MessageBoxW(window, u"Quit?", u"Brellis", MB_YESNO);
  EXPECT_TRUE(opened);
  DestroyWindow(window);
}

TEST_F(PopupWindowTest, ManyMenusOpenedAndClosedLeaveEveryHandleCount) {
  MakeForm();
  brellis::test::ExpectRoundsLeaveEveryCount([this] {
    WhileMenuOpen([] {
      headless::Key(VK_ESCAPE);
      return true;
    });
    popup->Popup(200, 200);
    Settle();
  });
  EXPECT_TRUE(SkinManager->FPopupMenus.empty());
}

}  // namespace
}  // namespace skintest
