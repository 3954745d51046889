// MDI forms: an fsMDIForm's client holds two fsMDIChild forms; the active
// child, cycling, cascading and tiling through the form's methods.
#include "toolkit/Menus.h"
#include "toolkit/toolkit_fixture.h"

namespace brellis::test {
namespace {

class MdiFormsTest : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    main = NewComponent<TForm>(Application);
    main->SetFormStyle(TFormStyle::fsMDIForm);
    main->SetBounds(50, 50, 600, 450);
    main->SetCaption("Main");
    main->Show();
    one = NewChildForm("One");
    two = NewChildForm("Two");
    Pump();
  }

  TForm* NewChildForm(const char* caption) {
    TForm* form = NewComponent<TForm>(Application);
    form->SetFormStyle(TFormStyle::fsMDIChild);
    form->SetBounds(10, 10, 200, 150);
    form->SetCaption(caption);
    form->Show();
    return form;
  }

  RECT InClient(TForm* form) const {
    RECT r{};
    GetWindowRect(form->Handle(), &r);
    MapWindowPoints(nullptr, main->ClientHandle(), reinterpret_cast<POINT*>(&r), 2);
    return r;
  }

  TForm* main = nullptr;
  TForm* one = nullptr;
  TForm* two = nullptr;
};

TEST_F(MdiFormsTest, ChildrenLiveInTheMainFormsClient) {
  ASSERT_NE(main->ClientHandle(), nullptr);
  char name[32] = {};
  GetClassNameA(main->ClientHandle(), name, sizeof(name));
  EXPECT_STREQ(name, "MDIClient");
  EXPECT_EQ(GetParent(one->Handle()), main->ClientHandle());
  EXPECT_TRUE(GetWindowLongA(two->Handle(), GWL_EXSTYLE) & WS_EX_MDICHILD);
  EXPECT_EQ(main->MDIChildCount(), 2);
  EXPECT_EQ(main->MDIChildren(0), one);
  EXPECT_EQ(main->MDIChildren(1), two);
  EXPECT_EQ(main->MDIChildren(2), nullptr);
  EXPECT_EQ(main->ActiveMDIChild(), two);
  // The client follows the main form's size.
  main->SetBounds(50, 50, 640, 480);
  RECT client{}, area{};
  GetClientRect(main->Handle(), &area);
  GetWindowRect(main->ClientHandle(), &client);
  EXPECT_EQ(client.right - client.left, area.right);
  EXPECT_EQ(client.bottom - client.top, area.bottom);
}

TEST_F(MdiFormsTest, NextPreviousCascadeAndTile) {
  main->Next();
  EXPECT_EQ(main->ActiveMDIChild(), one);
  main->Previous();
  EXPECT_EQ(main->ActiveMDIChild(), two);
  main->Cascade();
  EXPECT_EQ(InClient(one).left, 0);
  EXPECT_GT(InClient(two).left, 0);
  EXPECT_EQ(InClient(two).left, InClient(two).top);
  main->Tile();
  RECT area{};
  GetClientRect(main->ClientHandle(), &area);
  EXPECT_EQ(InClient(two), (RECT{0, 0, area.right / 2, area.bottom}));
  EXPECT_EQ(InClient(one), (RECT{area.right / 2, 0, area.right, area.bottom}));
  // The toolkit's control knows where the window went.
  EXPECT_EQ(one->Left(), area.right / 2);
  main->Tile(true);
  EXPECT_EQ(InClient(one), (RECT{0, area.bottom / 2, area.right, area.bottom}));
  main->ArrangeIcons();
}

TEST_F(MdiFormsTest, TheWindowMenuListsTheChildren) {
  TMainMenu* bar = NewComponent<TMainMenu>(main);
  TMenuItem* window = NewComponent<TMenuItem>(main);
  window->SetCaption("&Window");
  TMenuItem* cascade = NewComponent<TMenuItem>(main);
  cascade->SetCaption("&Cascade");
  window->Add(cascade);
  bar->Items()->Add(window);
  main->SetMenu(bar);
  main->SetWindowMenu(window);
  // The entry's menu as the bar holds it (asking the item rebuilds it).
  const HMENU list = GetSubMenu(GetMenu(main->Handle()), 0);
  ASSERT_EQ(GetMenuItemCount(list), 4);
  char text[32] = {};
  GetMenuStringA(list, 3, text, sizeof(text), MF_BYPOSITION);
  EXPECT_STREQ(text, "&2 Two");
  EXPECT_TRUE(GetMenuState(list, 3, MF_BYPOSITION) & MF_CHECKED);
  // Choosing an entry activates its child.
  const UINT id = GetMenuItemID(list, 2);
  SendMessageA(main->Handle(), WM_COMMAND, id, 0);
  EXPECT_EQ(main->ActiveMDIChild(), one);
}

TEST_F(MdiFormsTest, ControlF6CyclesAndControlF4ClosesTheActiveChild) {
  namespace headless = platform::display::headless;
  SetFocus(two->Handle());
  headless::KeyDown(VK_CONTROL);
  headless::Key(0x75);  // F6
  Pump();
  EXPECT_EQ(main->ActiveMDIChild(), one);
  headless::Key(VK_F4);
  headless::KeyUp(VK_CONTROL);
  Pump();
  // A child form's close minimises it.
  EXPECT_TRUE(IsIconic(one->Handle()));
}

TEST_F(MdiFormsTest, AChildWithoutAnMdiFormIsRefusedAndFreeingAChildLeavesTheList) {
  two->Free();
  EXPECT_EQ(main->MDIChildCount(), 1);
  EXPECT_EQ(main->ActiveMDIChild(), one);
  main->Free();
  main = nullptr;
  one = nullptr;
  TForm* orphan = NewComponent<TForm>(Application);
  orphan->SetFormStyle(TFormStyle::fsMDIChild);
  EXPECT_THROW(orphan->HandleNeeded(), EInvalidOperation);
}

}  // namespace
}  // namespace brellis::test
