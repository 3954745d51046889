// Toolkit menus: a form resource with a main menu and a popup menu reads
// into the item tree, shows as the form's menu bar, and runs OnClick from
// the bar, from shortcuts and from the popup; items are found by command
// and by handle; the form's menus leave no handle behind.
#include <string>
#include <vector>

#include "platform/base/handles.h"
#include "toolkit/Menus.h"
#include "toolkit/Reader.h"
#include "toolkit_fixture.h"

namespace brellis::test {
namespace {

namespace headless = platform::display::headless;

class TMenuForm : public TForm {
  T_CLASS(TMenuForm, TForm)

 public:
  using TForm::TForm;
  TMainMenu* MainMenu1 = nullptr;
  TPopupMenu* PopupMenu1 = nullptr;
  TMenuItem* File1 = nullptr;
  TMenuItem* New1 = nullptr;
  TMenuItem* Exit1 = nullptr;
  TMenuItem* Help1 = nullptr;
  TMenuItem* Copy1 = nullptr;
  TMenuItem* Paste1 = nullptr;
  std::vector<std::string> events;

  void New1Click(TObject*) { events.push_back("new"); }
  void Help1Click(TObject*) { events.push_back("help"); }
  void Copy1Click(TObject* sender) { events.push_back("copy " + As<TComponent>(sender)->Name()); }
};

T_CLASS_INFO(TMenuForm, TForm, [](TClassInfo& c) {
  using namespace published;
  c.AddField(Field<TMenuForm>("MainMenu1", &TMenuForm::MainMenu1));
  c.AddField(Field<TMenuForm>("PopupMenu1", &TMenuForm::PopupMenu1));
  c.AddField(Field<TMenuForm>("File1", &TMenuForm::File1));
  c.AddField(Field<TMenuForm>("New1", &TMenuForm::New1));
  c.AddField(Field<TMenuForm>("Exit1", &TMenuForm::Exit1));
  c.AddField(Field<TMenuForm>("Help1", &TMenuForm::Help1));
  c.AddField(Field<TMenuForm>("Copy1", &TMenuForm::Copy1));
  c.AddField(Field<TMenuForm>("Paste1", &TMenuForm::Paste1));
  c.AddMethod(Handler<TMenuForm>("New1Click", &TMenuForm::New1Click));
  c.AddMethod(Handler<TMenuForm>("Help1Click", &TMenuForm::Help1Click));
  c.AddMethod(Handler<TMenuForm>("Copy1Click", &TMenuForm::Copy1Click));
})

constexpr char kMenuForm[] = R"(object MenuForm: TMenuForm
  Left = 100
  Top = 100
  Caption = 'Menus'
  ClientHeight = 150
  ClientWidth = 300
  Menu = MainMenu1
  PopupMenu = PopupMenu1
  object MainMenu1: TMainMenu
    object File1: TMenuItem
      Caption = '&File'
      object New1: TMenuItem
        Caption = '&New'
        ShortCut = 16462
        OnClick = New1Click
      end
      object N1: TMenuItem
        Caption = '-'
      end
      object Exit1: TMenuItem
        Caption = 'E&xit'
        Enabled = False
        Tag = 7
      end
    end
    object Help1: TMenuItem
      Caption = '&Help'
      Hint = 'About'
      OnClick = Help1Click
    end
  end
  object PopupMenu1: TPopupMenu
    Alignment = paRight
    object Copy1: TMenuItem
      Caption = '&Copy'
      RadioItem = True
      GroupIndex = 1
      OnClick = Copy1Click
    end
    object Paste1: TMenuItem
      Caption = '&Paste'
      RadioItem = True
      GroupIndex = 1
      Checked = True
      Default = True
      OnClick = Copy1Click
    end
  end
end
)";

class MenusTest : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    menusBefore = platform::HandleTable::Instance().LiveCount(platform::HandleKind::Menu);
    form = new TMenuForm(Application);
    ReadComponentResource(form, kMenuForm);
  }
  void TearDown() override {
    form->Free();
    EXPECT_EQ(platform::HandleTable::Instance().LiveCount(platform::HandleKind::Menu), menusBefore);
    ToolkitTest::TearDown();
  }

  std::size_t menusBefore = 0;
  TMenuForm* form = nullptr;
};

TEST_F(MenusTest, ResourceReadsTheItemTreeAndItsProperties) {
  ASSERT_NE(form->MainMenu1, nullptr);
  ASSERT_NE(form->New1, nullptr);
  EXPECT_EQ(form->Menu(), form->MainMenu1);
  EXPECT_EQ(form->PopupMenu(), form->PopupMenu1);
  EXPECT_EQ(form->MainMenu1->Items()->Count(), 2);
  EXPECT_EQ(form->File1->Count(), 3);
  EXPECT_EQ(form->New1->Parent(), form->File1);
  EXPECT_EQ(form->New1->GetParentMenu(), form->MainMenu1);
  EXPECT_EQ(form->New1->GetShortCut(), ShortCut('N', false, true, false));
  EXPECT_EQ(ShortCutToText(form->New1->GetShortCut()), "Ctrl+N");
  EXPECT_TRUE(form->File1->Items(1)->IsLine());
  EXPECT_FALSE(form->Exit1->Enabled());
  EXPECT_EQ(form->Exit1->Tag(), 7);
  EXPECT_EQ(form->Help1->Hint(), "About");
  EXPECT_TRUE(form->Paste1->Checked());
  EXPECT_EQ(form->PopupMenu1->Alignment(), TPopupAlignment::paRight);
  EXPECT_TRUE(IsAccel('f', form->File1->Caption()));
  EXPECT_FALSE(IsAccel('i', form->File1->Caption()));

  // Finding: a caption among the direct items, a command, a sub-menu handle.
  EXPECT_EQ(form->MainMenu1->Items()->Find("file"), form->File1);
  EXPECT_EQ(form->MainMenu1->FindItem(form->Exit1->Command(), TFindItemKind::fkCommand), form->Exit1);
  const HMENU fileHandle = form->File1->Handle();
  EXPECT_EQ(form->MainMenu1->FindItem(reinterpret_cast<UINT_PTR>(fileHandle), TFindItemKind::fkHandle), form->File1);
  EXPECT_EQ(form->MainMenu1->FindItem(form->Copy1->Command(), TFindItemKind::fkCommand), nullptr);

  // A checked radio item unchecks its group.
  form->Copy1->SetChecked(true);
  EXPECT_FALSE(form->Paste1->Checked());
}

TEST_F(MenusTest, TheMainMenuIsTheFormsMenuBarAndItsEntriesMirrorTheItems) {
  form->Show();
  Pump();
  const HMENU bar = GetMenu(form->Handle());
  ASSERT_EQ(bar, form->MainMenu1->Handle());
  // The resource's client size holds with the bar in the frame.
  RECT client{};
  GetClientRect(form->Handle(), &client);
  EXPECT_EQ(client.bottom, 150);
  EXPECT_EQ(form->ClientHeight(), 150);
  EXPECT_EQ(GetMenuItemCount(bar), 2);
  EXPECT_EQ(GetSubMenu(bar, 0), form->File1->Handle());
  char text[80];
  GetMenuStringA(bar, form->New1->Command(), text, sizeof(text), MF_BYCOMMAND);
  EXPECT_STREQ(text, "&New\tCtrl+N");
  EXPECT_EQ(GetMenuState(bar, form->Exit1->Command(), MF_BYCOMMAND) & MFS_GRAYED, MFS_GRAYED);
  // A change of an item shows in its entry.
  form->Exit1->SetEnabled(true);
  EXPECT_EQ(GetMenuState(bar, form->Exit1->Command(), MF_BYCOMMAND) & MFS_GRAYED, 0u);
  form->Help1->SetVisible(false);
  EXPECT_EQ(GetMenuItemCount(bar), 1);
}

TEST_F(MenusTest, ClicksComeFromTheBarTheShortcutAndThePopup) {
  form->Show();
  SetForegroundWindow(form->Handle());
  Pump();
  // Alt+F opens File with New selected; Return chooses it.
  headless::KeyDown(VK_MENU);
  headless::Key('F');
  headless::KeyUp(VK_MENU);
  headless::Key(VK_RETURN);
  Pump();
  Pump();
  // Ctrl+N is New's shortcut: the item fires before the key goes anywhere.
  headless::KeyDown(VK_CONTROL);
  headless::Key('N');
  headless::KeyUp(VK_CONTROL);
  Pump();
  // The item without sub-items on the bar runs its command.
  SendMessageA(form->Handle(), WM_COMMAND, form->Help1->Command(), 0);
  EXPECT_EQ(form->events, (std::vector<std::string>{"new", "new", "help"}));

  // The popup: down to Copy and Return; the context menu of the form opens
  // it by itself.
  form->events.clear();
  headless::Key(VK_DOWN);
  headless::Key(VK_RETURN);
  form->PopupMenu1->Popup(300, 300);
  headless::Key(VK_DOWN);
  headless::Key(VK_DOWN);
  headless::Key(VK_RETURN);
  SendMessageA(form->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(form->Handle()), MAKELPARAM(250, 250));
  EXPECT_EQ(form->events, (std::vector<std::string>{"copy Copy1", "copy Paste1"}));
  EXPECT_EQ(form->PopupMenu1->PopupComponent(), form);
  // Without AutoPopup the context menu is left to the window.
  form->PopupMenu1->SetAutoPopup(false);
  SendMessageA(form->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(form->Handle()), MAKELPARAM(250, 250));
  EXPECT_EQ(FindWindowExW(nullptr, nullptr, u"#32768", nullptr), nullptr);
}

TEST_F(MenusTest, OwnerDrawnItemsAreMeasuredAndDrawnByTheirEvents) {
  form->Show();
  Pump();
  int measured = 0;
  std::vector<std::pair<TRect, bool>> drawn;
  form->New1->OnMeasureItem = [&](TObject*, TCanvas* canvas, int& width, int& height) {
    ++measured;
    EXPECT_NE(canvas, nullptr);
    width = 120;
    height = 24;
  };
  form->New1->OnDrawItem = [&](TObject*, TCanvas* canvas, TRect rect, bool selected) {
    canvas->Brush()->SetColor(selected ? clRed : clYellow);
    canvas->FillRect(rect);
    drawn.emplace_back(rect, selected);
  };
  form->MainMenu1->SetOwnerDraw(true);
  // The entry keeps its text for whoever reads the menu.
  char text[80];
  GetMenuStringA(form->File1->Handle(), form->New1->Command(), text, sizeof(text), MF_BYCOMMAND);
  EXPECT_STREQ(text, "&New\tCtrl+N");
  headless::Key(VK_DOWN);
  headless::Key(VK_ESCAPE);
  TrackPopupMenu(form->File1->Handle(), TPM_RETURNCMD, 300, 300, 0, form->Handle(), nullptr);
  EXPECT_EQ(measured, 1);
  ASSERT_FALSE(drawn.empty());
  EXPECT_EQ(drawn.front().first, Rect(0, 0, 120, 24));
  EXPECT_FALSE(drawn.front().second);
  EXPECT_TRUE(drawn.back().second);  // selected by the down key
}

}  // namespace
}  // namespace brellis::test
