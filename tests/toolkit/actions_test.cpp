// Actions: a form resource with an action list and menu items linked to its
// actions; the items show the actions' values and follow their changes,
// clicks execute the actions, the idle step runs OnUpdate, and freeing
// either side unlinks without leaving a dangling pointer or a handle.
#include <string>
#include <vector>

#include "platform/base/handles.h"
#include "toolkit/ActnList.h"
#include "toolkit/Menus.h"
#include "toolkit/Reader.h"
#include "toolkit_fixture.h"

namespace brellis::test {
namespace {

namespace headless = platform::display::headless;

class TActionForm : public TForm {
  T_CLASS(TActionForm, TForm)

 public:
  using TForm::TForm;
  TActionList* ActionList1 = nullptr;
  TAction* SaveAction = nullptr;
  TAction* BoldAction = nullptr;
  TMainMenu* MainMenu1 = nullptr;
  TPopupMenu* PopupMenu1 = nullptr;
  TMenuItem* File1 = nullptr;
  TMenuItem* Save1 = nullptr;
  TMenuItem* Bold1 = nullptr;
  TMenuItem* PopSave = nullptr;
  std::vector<std::string> events;
  bool canSave = true;

  void SaveExecute(TObject* sender) { events.push_back("save by " + As<TComponent>(sender)->Name()); }
  void SaveUpdate(TObject*) {
    events.push_back("update");
    SaveAction->SetEnabled(canSave);
  }
  void ItemClick(TObject* sender) { events.push_back("click " + As<TComponent>(sender)->Name()); }
};

T_CLASS_INFO(TActionForm, TForm, [](TClassInfo& c) {
  using namespace published;
  using F = TActionForm;
  c.AddField(Field<F>("ActionList1", &F::ActionList1));
  c.AddField(Field<F>("SaveAction", &F::SaveAction));
  c.AddField(Field<F>("BoldAction", &F::BoldAction));
  c.AddField(Field<F>("MainMenu1", &F::MainMenu1));
  c.AddField(Field<F>("PopupMenu1", &F::PopupMenu1));
  c.AddField(Field<F>("File1", &F::File1));
  c.AddField(Field<F>("Save1", &F::Save1));
  c.AddField(Field<F>("Bold1", &F::Bold1));
  c.AddField(Field<F>("PopSave", &F::PopSave));
  c.AddMethod(Handler<F>("SaveExecute", &F::SaveExecute));
  c.AddMethod(Handler<F>("SaveUpdate", &F::SaveUpdate));
  c.AddMethod(Handler<F>("ItemClick", &F::ItemClick));
})

// Bold1 has a caption of its own and no OnExecute on its action: the
// resource's caption stays and its OnClick runs.
constexpr char kActionForm[] = R"(object ActionForm: TActionForm
  Left = 120
  Top = 120
  Caption = 'Actions'
  ClientHeight = 120
  ClientWidth = 280
  Menu = MainMenu1
  object ActionList1: TActionList
    Images = ImageList1
    object SaveAction: TAction
      Category = 'File'
      Caption = '&Save'
      Hint = 'Saves the page'
      ImageIndex = 2
      ShortCut = 16467
      Tag = 5
      OnExecute = SaveExecute
      OnUpdate = SaveUpdate
    end
    object BoldAction: TAction
      Caption = '&Bold'
      Checked = True
    end
    object DeleteAction: TAction
      ShortCut = 16452
      OnExecute = SaveExecute
    end
  end
  object ImageList1: TImageList
  end
  object MainMenu1: TMainMenu
    object File1: TMenuItem
      Caption = '&File'
      object Save1: TMenuItem
        Action = SaveAction
        OnClick = ItemClick
      end
      object Bold1: TMenuItem
        Action = BoldAction
        Caption = 'Bold &face'
        OnClick = ItemClick
      end
    end
  end
  object PopupMenu1: TPopupMenu
    object PopSave: TMenuItem
      Action = SaveAction
    end
  end
end
)";

std::string EntryText(HMENU menu, UINT command) {
  char text[80] = {};
  GetMenuStringA(menu, command, text, sizeof(text), MF_BYCOMMAND);
  return text;
}

class ActionsTest : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    menusBefore = platform::HandleTable::Instance().LiveCount(platform::HandleKind::Menu);
    form = new TActionForm(Application);
    ReadComponentResource(form, kActionForm);
  }
  void TearDown() override {
    if (form != nullptr) form->Free();
    EXPECT_EQ(platform::HandleTable::Instance().LiveCount(platform::HandleKind::Menu), menusBefore);
    ToolkitTest::TearDown();
  }

  std::size_t menusBefore = 0;
  TActionForm* form = nullptr;
};

TEST_F(ActionsTest, ResourceLinksItemsToActionsAndTheEntriesShowThem) {
  ASSERT_NE(form->SaveAction, nullptr);
  EXPECT_EQ(form->SaveAction->ClassName(), "TAction");
  EXPECT_EQ(form->ActionList1->ActionCount(), 3);
  EXPECT_EQ(form->ActionList1->Actions(1), form->BoldAction);
  EXPECT_EQ(form->SaveAction->ActionList(), form->ActionList1);
  EXPECT_EQ(form->BoldAction->Index(), 1);
  EXPECT_NE(form->ActionList1->Images(), nullptr);
  // Published by name, as the form reader and the skin engine read them.
  EXPECT_EQ(GetStrProp(form->SaveAction, "caption"), "&Save");
  EXPECT_EQ(GetOrdProp(form->SaveAction, "ShortCut"), ShortCut('S', false, true, false));
  EXPECT_EQ(GetStrProp(form->SaveAction, "Category"), "File");
  EXPECT_EQ(form->SaveAction->Tag(), 5);
  EXPECT_EQ(GetObjectProp(form->Save1, "Action"), form->SaveAction);

  EXPECT_EQ(form->Save1->Caption(), "&Save");
  EXPECT_EQ(form->Save1->Hint(), "Saves the page");
  EXPECT_EQ(form->Save1->ImageIndex(), 2);
  EXPECT_EQ(form->Save1->GetShortCut(), form->SaveAction->GetShortCut());
  EXPECT_EQ(form->Bold1->Caption(), "Bold &face");  // the resource's own value
  EXPECT_TRUE(form->Bold1->Checked());
  EXPECT_EQ(form->PopSave->Caption(), "&Save");

  const HMENU file = form->File1->Handle();
  EXPECT_EQ(EntryText(file, form->Save1->Command()), "&Save\tCtrl+S");
  EXPECT_EQ(GetMenuState(file, form->Bold1->Command(), MF_BYCOMMAND) & MFS_CHECKED, MFS_CHECKED);
}

TEST_F(ActionsTest, ItemsFollowTheActionsLaterChangesThatTheyStillShow) {
  // The menu's handle exists (as when the form shows): entries follow items.
  ASSERT_NE(form->MainMenu1->Handle(), nullptr);
  const HMENU file = form->File1->Handle();
  form->SaveAction->SetCaption("Save &all");
  form->SaveAction->SetEnabled(false);
  form->SaveAction->SetShortCut(ShortCut(VK_F4, false, false, false));
  EXPECT_EQ(form->Save1->Caption(), "Save &all");
  EXPECT_EQ(form->PopSave->Caption(), "Save &all");
  EXPECT_EQ(EntryText(file, form->Save1->Command()), "Save &all\tF4");
  EXPECT_EQ(GetMenuState(file, form->Save1->Command(), MF_BYCOMMAND) & MFS_GRAYED, MFS_GRAYED);

  // Bold1 never showed the action's caption: it keeps its own, but follows
  // the check state it does show.
  form->BoldAction->SetCaption("Heavy");
  form->BoldAction->SetChecked(false);
  EXPECT_EQ(form->Bold1->Caption(), "Bold &face");
  EXPECT_FALSE(form->Bold1->Checked());
  EXPECT_EQ(GetMenuState(file, form->Bold1->Command(), MF_BYCOMMAND) & MFS_CHECKED, 0u);

  // A caption the program gives the item itself stops it following.
  form->Save1->SetCaption("Store");
  form->SaveAction->SetCaption("Keep");
  EXPECT_EQ(form->Save1->Caption(), "Store");
  EXPECT_EQ(form->PopSave->Caption(), "Keep");

  // Hiding the action hides its entries.
  form->SaveAction->SetVisible(false);
  EXPECT_FALSE(form->Save1->Visible());
  EXPECT_EQ(GetMenuItemCount(file), 1);
  // Linking at run time takes every value of the action.
  form->Bold1->SetAction(form->SaveAction);
  EXPECT_EQ(form->Bold1->Caption(), "Keep");
  EXPECT_FALSE(form->Bold1->Visible());
  EXPECT_EQ(GetMenuItemCount(file), 0);
}

TEST_F(ActionsTest, ClicksExecuteTheActionAndTheItemsOwnHandlerOnlyWithoutOne) {
  form->Show();
  SetForegroundWindow(form->Handle());
  Pump();
  // From the bar: Alt+F, Return on the first entry (Save).
  headless::KeyDown(VK_MENU);
  headless::Key('F');
  headless::KeyUp(VK_MENU);
  headless::Key(VK_RETURN);
  Pump();
  Pump();
  // The action's shortcut fires the item.
  headless::KeyDown(VK_CONTROL);
  headless::Key('S');
  headless::KeyUp(VK_CONTROL);
  Pump();
  // An action's shortcut works without an entry showing it.
  headless::KeyDown(VK_CONTROL);
  headless::Key('D');
  headless::KeyUp(VK_CONTROL);
  Pump();
  // Bold's action has no OnExecute: the item's OnClick runs.
  form->MainMenu1->DispatchCommand(form->Bold1->Command());
  // The popup's item executes the same action.
  headless::Key(VK_DOWN);
  headless::Key(VK_RETURN);
  form->PopupMenu1->Popup(300, 300);
  EXPECT_EQ(form->events,
            (std::vector<std::string>{"update", "save by SaveAction", "update", "save by SaveAction",
                                      "save by DeleteAction", "click Bold1", "update", "update", "save by SaveAction"}));

  // An action that its update disables runs nothing, and neither does the item.
  form->events.clear();
  form->canSave = false;
  form->MainMenu1->DispatchCommand(form->Save1->Command());
  EXPECT_EQ(form->events, (std::vector<std::string>{"update"}));
  EXPECT_FALSE(form->Save1->Enabled());

  // The list's OnExecute comes first and may handle the action itself.
  form->events.clear();
  form->canSave = true;
  form->SaveAction->SetEnabled(true);
  form->ActionList1->OnExecute = [&](TAction* action, bool& handled) {
    form->events.push_back("list " + action->Name());
    handled = true;
  };
  form->MainMenu1->DispatchCommand(form->Save1->Command());
  EXPECT_EQ(form->events, (std::vector<std::string>{"update", "list SaveAction"}));
}

TEST_F(ActionsTest, TheIdleStepUpdatesLinkedActions) {
  form->Show();
  Pump();
  form->events.clear();
  form->canSave = false;
  Application->Idle();
  EXPECT_EQ(form->events, (std::vector<std::string>{"update"}));
  EXPECT_FALSE(form->Save1->Enabled());
  EXPECT_EQ(GetMenuState(GetMenu(form->Handle()), form->Save1->Command(), MF_BYCOMMAND) & MFS_GRAYED, MFS_GRAYED);

  // The message loop idles when nothing waits (a timer ends the wait).
  form->events.clear();
  form->canSave = true;
  SetTimer(form->Handle(), 1, 10, nullptr);
  for (int turn = 0; turn < 20 && form->events.empty(); ++turn) Application->HandleMessage();
  KillTimer(form->Handle(), 1);
  EXPECT_EQ(form->events, (std::vector<std::string>{"update"}));
  EXPECT_TRUE(form->Save1->Enabled());

  // OnIdle that is not done skips the updates; an action without clients
  // is not updated.
  form->events.clear();
  Application->OnIdle = [](TObject*, bool& done) { done = false; };
  EXPECT_FALSE(Application->Idle());
  Application->OnIdle = nullptr;
  form->Save1->SetAction(nullptr);
  form->PopSave->SetAction(nullptr);
  EXPECT_FALSE(form->SaveAction->HasClients());
  Application->Idle();
  EXPECT_TRUE(form->events.empty());
}

TEST_F(ActionsTest, FreeingEitherSideUnlinksCleanly) {
  form->Show();
  Pump();
  // The item goes: the action no longer knows it.
  form->PopSave->Free();
  form->PopSave = nullptr;
  form->SaveAction->SetCaption("Changed");
  EXPECT_EQ(form->Save1->Caption(), "Changed");
  // The action goes: the item keeps what it showed and clicks run its own
  // handler.
  form->SaveAction->Free();
  form->SaveAction = nullptr;
  EXPECT_EQ(form->Save1->Action(), nullptr);
  EXPECT_EQ(form->Save1->Caption(), "Changed");
  EXPECT_EQ(form->ActionList1->ActionCount(), 2);
  form->events.clear();
  form->MainMenu1->DispatchCommand(form->Save1->Command());
  Application->Idle();
  EXPECT_EQ(form->events, (std::vector<std::string>{"click Save1"}));
  // The list frees its remaining actions, and their items let go.
  form->ActionList1->Free();
  form->ActionList1 = nullptr;
  form->BoldAction = nullptr;
  EXPECT_EQ(form->Bold1->Action(), nullptr);
  Application->Idle();
  // The whole form with linked items and actions, many times over.
  form->Free();
  form = nullptr;
  ExpectRoundsLeaveEveryCount([] {
    auto* again = new TActionForm(Application);
    ReadComponentResource(again, kActionForm);
    again->Show();
    Application->Idle();
    again->Free();
  });
}

}  // namespace
}  // namespace brellis::test
