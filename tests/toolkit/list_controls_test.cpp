// TListBox and TComboBox: read from a form resource (Items.Strings, the
// selection, the styles), kept in step with their windows, their events
// from the user's selection, and owner drawing through OnDrawItem and
// OnMeasureItem.
#include "platform/controls/controls.h"
#include "toolkit/Reader.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/toolkit_fixture.h"

namespace brellis::test {
namespace {

namespace headless = platform::display::headless;

using ListControlsTest = ToolkitTest;

constexpr const char* kFormText = R"(object ListsForm: TForm
  Left = 100
  Top = 100
  ClientWidth = 400
  ClientHeight = 300
  object List1: TListBox
    Left = 8
    Top = 8
    Width = 150
    Height = 120
    ItemIndex = 1
    Sorted = True
    Items.Strings = (
      'pear'
      'Apple'
      'fig')
  end
  object List2: TListBox
    Left = 170
    Top = 8
    Width = 100
    Height = 80
    MultiSelect = True
    Ctl3D = False
    Items.Strings = (
      'one'
      'two'
      'three')
  end
  object Combo1: TComboBox
    Left = 8
    Top = 140
    Width = 150
    Height = 21
    Style = csDropDownList
    DropDownCount = 4
    ItemIndex = 2
    Items.Strings = (
      'red'
      'green'
      'blue'
      'cyan'
      'magenta'
      'yellow')
  end
  object Combo2: TComboBox
    Left = 170
    Top = 140
    Width = 150
    Height = 21
    Text = 'typed'
    Items.Strings = (
      'a'
      'b')
  end
end
)";

TForm* ReadListsForm() {
  RegisterStandardControls();
  TForm* form = NewComponent<TForm>(Application);
  ReadComponentResource(form, kFormText);
  return form;
}

TEST_F(ListControlsTest, FormResourceFillsTheWindows) {
  TForm* form = ReadListsForm();
  auto* list1 = As<TListBox>(form->FindComponent("List1"));
  auto* list2 = As<TListBox>(form->FindComponent("List2"));
  auto* combo1 = As<TComboBox>(form->FindComponent("Combo1"));
  auto* combo2 = As<TComboBox>(form->FindComponent("Combo2"));
  ASSERT_TRUE(list1 && list2 && combo1 && combo2);
  form->Show();
  Pump();
  // Sorted: the items themselves are in order, so indexes agree.
  EXPECT_EQ(list1->Items()->Text(), "Apple\r\nfig\r\npear\r\n");
  EXPECT_EQ(SendMessageW(list1->Handle(), LB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(SendMessageW(list1->Handle(), LB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(list1->ItemIndex(), 1);
  EXPECT_NE(GetWindowLongW(list2->Handle(), GWL_STYLE) & LBS_EXTENDEDSEL, 0);
  EXPECT_NE(GetWindowLongW(list2->Handle(), GWL_STYLE) & WS_BORDER, 0);  // not Ctl3D: a flat line
  EXPECT_EQ(GetWindowLongW(list2->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
  EXPECT_NE(GetWindowLongW(list1->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
  EXPECT_EQ(combo1->ItemIndex(), 2);
  EXPECT_EQ(combo1->Text(), "blue");
  EXPECT_EQ(combo2->Text(), "typed");
  EXPECT_EQ(SendMessageW(combo2->Handle(), CB_GETCOUNT, 0, 0), 2);
  // DropDownCount items drop.
  combo1->SetDroppedDown(true);
  EXPECT_TRUE(combo1->DroppedDown());
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  ASSERT_TRUE(GetComboBoxInfo(combo1->Handle(), &info));
  RECT client{};
  GetClientRect(info.hwndList, &client);
  EXPECT_EQ(client.bottom, 4 * SendMessageW(combo1->Handle(), CB_GETITEMHEIGHT, 0, 0));
  combo1->SetDroppedDown(false);
  delete form;
}

TEST_F(ListControlsTest, ItemsAndSelectionFollowEachOther) {
  TForm* form = ReadListsForm();
  auto* list1 = As<TListBox>(form->FindComponent("List1"));
  auto* list2 = As<TListBox>(form->FindComponent("List2"));
  form->Show();
  list1->Items()->Add("banana");  // sorted in; the selected item keeps its index
  EXPECT_EQ(list1->Items()->IndexOf("banana"), 1);
  EXPECT_EQ(SendMessageW(list1->Handle(), LB_GETCOUNT, 0, 0), 4);
  EXPECT_EQ(list1->ItemIndex(), 1);
  list1->SetItemIndex(3);
  EXPECT_TRUE(list1->Selected(3));
  EXPECT_EQ(list1->SelCount(), -1);
  list2->SetSelected(0, true);
  list2->SetSelected(2, true);
  EXPECT_EQ(list2->SelCount(), 2);
  EXPECT_TRUE(list2->Selected(2));
  EXPECT_FALSE(list2->Selected(1));
  list2->SetMultiSelect(false);  // a new window: single selection
  EXPECT_EQ(GetWindowLongW(list2->Handle(), GWL_STYLE) & (LBS_EXTENDEDSEL | LBS_MULTIPLESEL), 0);
  EXPECT_EQ(SendMessageW(list2->Handle(), LB_GETCOUNT, 0, 0), 3);
  delete form;
}

TEST_F(ListControlsTest, UserSelectionFiresTheEvents) {
  TForm* form = ReadListsForm();
  auto* list1 = As<TListBox>(form->FindComponent("List1"));
  auto* combo1 = As<TComboBox>(form->FindComponent("Combo1"));
  auto* combo2 = As<TComboBox>(form->FindComponent("Combo2"));
  std::vector<std::string> events;
  list1->OnClick = [&](TObject*) { events.push_back("click " + std::to_string(list1->ItemIndex())); };
  list1->OnDblClick = [&](TObject*) { events.push_back("dblclick"); };
  combo1->OnDropDown = [&](TObject*) { events.push_back("dropdown"); };
  combo1->OnCloseUp = [&](TObject*) { events.push_back("closeup"); };
  combo1->OnChange = [&](TObject*) { events.push_back("change " + combo1->Text()); };
  combo2->OnChange = [&](TObject*) { events.push_back("edit " + combo2->Text()); };
  form->Show();
  Pump();
  list1->SetFocus();
  headless::Key(VK_DOWN);
  Pump();
  SendMessageW(list1->Handle(), WM_LBUTTONDBLCLK, 0, MAKELPARAM(5, 5));
  combo1->SetFocus();
  headless::Key(VK_F4);
  headless::Key(VK_DOWN);
  headless::Key(VK_RETURN);
  Pump();
  combo1->OnSelect = [&](TObject*) { events.push_back("select"); };
  headless::Key(VK_UP);
  Pump();
  combo2->SetFocus();
  headless::TypeChar(u'x');
  Pump();
  const std::vector<std::string> expected{"click 2", "dblclick", "dropdown", "change cyan", "closeup", "select",
                                          "edit x"};
  EXPECT_EQ(events, expected);
  delete form;
}

TEST_F(ListControlsTest, OwnerDrawnItemsAreMeasuredAndDrawnByEvents) {
  TForm* form = NewShownForm(300, 200);
  auto* list = new TListBox(form);
  list->SetStyle(TListBoxStyle::lbOwnerDrawVariable);
  std::vector<int> measured;
  std::vector<std::pair<int, bool>> drawn;
  list->OnMeasureItem = [&](TWinControl*, int index, int& height) {
    measured.push_back(index);
    height = 20 + index * 5;
  };
  list->OnDrawItem = [&](TWinControl* control, int index, TRect rect, TOwnerDrawState state) {
    auto* self = As<TListBox>(control);
    self->Canvas()->FillRect(rect);
    self->Canvas()->TextOut(rect.left + 2, rect.top + 2, self->Items()->Strings(index));
    drawn.emplace_back(index, state.Contains(TOwnerDrawStateItem::odSelected));
  };
  list->SetBounds(10, 10, 150, 150);
  list->SetParent(form);
  list->Items()->BeginUpdate();  // one change: each item measured once
  for (const char* text : {"zero", "one", "two"}) list->Items()->Add(text);
  list->Items()->EndUpdate();
  EXPECT_EQ(measured, (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(SendMessageW(list->Handle(), LB_GETITEMHEIGHT, 2, 0), 30);
  list->SetItemIndex(1);
  drawn.clear();
  list->Repaint();
  EXPECT_EQ(drawn, (std::vector<std::pair<int, bool>>{{0, false}, {1, true}, {2, false}}));

  auto* fixed = new TListBox(form);
  fixed->SetStyle(TListBoxStyle::lbOwnerDrawFixed);
  fixed->SetItemHeight(24);
  fixed->SetBounds(170, 10, 100, 100);
  fixed->SetParent(form);
  EXPECT_EQ(SendMessageW(fixed->Handle(), LB_GETITEMHEIGHT, 0, 0), 24);
  delete form;
}

}  // namespace
}  // namespace brellis::test
