// The toolkit's check boxes, radio buttons, group boxes, radio groups, bit
// buttons, bevels and shapes: properties by name, clicks and events, a form
// resource with each of them, their look, and handle counts.
#include "platform/controls/controls.h"
#include "support/golden.h"
#include "support/handle_leaks.h"
#include "toolkit/Buttons.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Reader.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/toolkit_fixture.h"

namespace brellis::test {
namespace {

namespace headless = platform::display::headless;

using ButtonControlsTest = ToolkitTest;

LRESULT WindowCheck(TWinControl* c) { return SendMessageA(c->Handle(), BM_GETCHECK, 0, 0); }
void ClickWindow(TWinControl* c) { SendMessageA(c->Handle(), BM_CLICK, 0, 0); }

TEST_F(ButtonControlsTest, PublishedPropertiesByName) {
  TForm* form = NewComponent<TForm>(Application);
  auto* check = NewComponent<TCheckBox>(form);
  SetPropValue(check, "AllowGrayed", "True");
  SetPropValue(check, "State", "cbGrayed");
  EXPECT_EQ(check->State(), TCheckBoxState::cbGrayed);
  EXPECT_EQ(GetEnumProp(check, "Checked"), "False");
  SetPropValue(check, "checked", "True");
  EXPECT_EQ(GetEnumProp(check, "State"), "cbChecked");
  EXPECT_EQ(GetEnumProp(check, "Alignment"), "taRightJustify");
  auto* radio = NewComponent<TRadioButton>(form);
  SetPropValue(radio, "Checked", "True");
  EXPECT_TRUE(radio->Checked());
  EXPECT_TRUE(radio->TabStop());
  auto* group = NewComponent<TRadioGroup>(form);
  EXPECT_EQ(GetObjectProp(group, "Items"), group->Items());
  EXPECT_EQ(GetOrdProp(group, "ItemIndex"), -1);
  SetPropValue(group, "Columns", "3");
  EXPECT_EQ(group->Columns(), 3);
  SetPropValue(group, "Columns", "0");  // at least one column
  EXPECT_EQ(group->Columns(), 1);
  auto* bit = NewComponent<TBitBtn>(form);
  SetPropValue(bit, "Kind", "bkOK");
  EXPECT_EQ(bit->Caption(), "OK");
  EXPECT_EQ(GetOrdProp(bit, "ModalResult"), 1);
  EXPECT_EQ(GetEnumProp(bit, "Default"), "True");
  EXPECT_FALSE(bit->Glyph()->Empty());
  EXPECT_EQ(GetObjectProp(bit, "Glyph"), bit->Glyph());
  EXPECT_EQ(GetEnumProp(bit, "Layout"), "blGlyphLeft");
  EXPECT_EQ(GetOrdProp(bit, "Margin"), -1);
  EXPECT_EQ(GetOrdProp(bit, "Spacing"), 4);
  SetPropValue(bit, "Kind", "bkNo");
  EXPECT_EQ(bit->ModalResult(), 7);
  EXPECT_TRUE(bit->Cancel());
  EXPECT_FALSE(bit->Default());
  // A glyph of one's own makes it a custom button.
  TBitmap own;
  own.SetSize(16, 16);
  bit->SetGlyph(&own);
  EXPECT_EQ(GetEnumProp(bit, "Kind"), "bkCustom");
  auto* bevel = NewComponent<TBevel>(form);
  SetPropValue(bevel, "Shape", "bsTopLine");
  SetPropValue(bevel, "Style", "bsRaised");
  EXPECT_EQ(bevel->Shape(), TBevelShape::bsTopLine);
  EXPECT_EQ(bevel->Style(), TBevelStyle::bsRaised);
  auto* shape = NewComponent<TShape>(form);
  SetPropValue(shape, "Shape", "stCircle");
  EXPECT_EQ(GetEnumProp(shape, "Shape"), "stCircle");
  EXPECT_EQ(GetObjectProp(shape, "Pen"), shape->Pen());
  EXPECT_EQ(GetObjectProp(shape, "Brush"), shape->Brush());
  EXPECT_THROW(SetPropValue(shape, "Shape", "stTriangle"), Exception);
}

TEST_F(ButtonControlsTest, CheckBoxCyclesThroughGrayedOnlyWhenAllowed) {
  TForm* form = NewShownForm(300, 200);
  auto* check = NewComponent<TCheckBox>(form);
  check->SetParent(form);
  int clicks = 0;
  check->OnClick = [&](TObject*) { ++clicks; };
  std::vector<TCheckBoxState> seen;
  for (int i = 0; i < 2; ++i) {
    ClickWindow(check);
    seen.push_back(check->State());
  }
  check->SetAllowGrayed(true);
  for (int i = 0; i < 3; ++i) {
    ClickWindow(check);
    seen.push_back(check->State());
    EXPECT_EQ(WindowCheck(check), static_cast<LRESULT>(check->State()));
  }
  EXPECT_EQ(seen, (std::vector<TCheckBoxState>{TCheckBoxState::cbChecked, TCheckBoxState::cbUnchecked,
                                               TCheckBoxState::cbGrayed, TCheckBoxState::cbChecked,
                                               TCheckBoxState::cbUnchecked}));
  EXPECT_EQ(clicks, 5);
  // A real press and release over it clicks it once.
  POINT p{20, 8};
  ClientToScreen(check->Handle(), &p);
  headless::MoveMouse(p.x, p.y);
  headless::Press();
  headless::Release();
  Pump();
  EXPECT_EQ(check->State(), TCheckBoxState::cbGrayed);
  EXPECT_EQ(clicks, 6);
  check->SetState(TCheckBoxState::cbUnchecked);
  clicks = 5;
  // Changing the state in code is a click too; setting it to what it is is not.
  check->SetChecked(true);
  check->SetChecked(true);
  EXPECT_EQ(clicks, 6);
  EXPECT_EQ(WindowCheck(check), BST_CHECKED);
  // The box goes to the right of the text with taLeftJustify; the state survives the new window.
  check->SetAlignment(TAlignment::taLeftJustify);
  EXPECT_TRUE(GetWindowLongA(check->Handle(), GWL_STYLE) & BS_LEFTTEXT);
  EXPECT_EQ(WindowCheck(check), BST_CHECKED);
}

TEST_F(ButtonControlsTest, RadioButtonsOfOneParentKeepOneCheckedAndArrowsMoveTheChoice) {
  TForm* form = NewShownForm(300, 200);
  std::vector<TRadioButton*> radios;
  int clicks = 0;
  for (int i = 0; i < 3; ++i) {
    auto* r = NewComponent<TRadioButton>(form);
    r->SetBounds(10, 10 + 20 * i, 100, 17);
    r->SetCaption("R" + std::to_string(i));
    r->OnClick = [&](TObject*) { ++clicks; };
    r->SetParent(form);
    radios.push_back(r);
  }
  auto* other = NewComponent<TPanel>(form);
  other->SetBounds(150, 10, 100, 60);
  other->SetParent(form);
  auto* elsewhere = NewComponent<TRadioButton>(form);
  elsewhere->SetChecked(true);
  elsewhere->SetParent(other);
  ClickWindow(radios[1]);
  EXPECT_TRUE(radios[1]->Checked());
  ClickWindow(radios[2]);
  EXPECT_FALSE(radios[1]->Checked());
  EXPECT_TRUE(radios[2]->Checked());
  EXPECT_EQ(WindowCheck(radios[1]), BST_UNCHECKED);
  EXPECT_TRUE(elsewhere->Checked());  // another parent, another group
  EXPECT_EQ(clicks, 2);
  EXPECT_FALSE(radios[1]->TabStop());
  EXPECT_TRUE(radios[2]->TabStop());
  // Down from the last goes round to the first and chooses it.
  radios[2]->SetFocus();
  SendMessageA(radios[2]->Handle(), WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(GetFocus(), radios[0]->Handle());
  EXPECT_TRUE(radios[0]->Checked());
  EXPECT_FALSE(radios[2]->Checked());
  SendMessageA(radios[0]->Handle(), WM_KEYDOWN, VK_UP, 0);
  EXPECT_TRUE(radios[2]->Checked());
  EXPECT_EQ(clicks, 4);
}

TEST_F(ButtonControlsTest, RadioGroupMakesItsButtonsFromItems) {
  TForm* form = NewShownForm(300, 200);
  auto* group = NewComponent<TRadioGroup>(form);
  group->SetBounds(10, 10, 200, 100);
  group->SetCaption("Choice");
  group->SetParent(form);
  int clicks = 0;
  group->OnClick = [&](TObject*) { ++clicks; };
  group->Items()->Add("One");
  group->Items()->Add("Two");
  group->Items()->Add("Three");
  ASSERT_EQ(group->ButtonCount(), 3);
  EXPECT_EQ(group->Buttons(2)->Caption(), "Three");
  EXPECT_EQ(group->Buttons(1)->Parent(), group);
  group->SetItemIndex(1);
  EXPECT_TRUE(group->Buttons(1)->Checked());
  EXPECT_EQ(clicks, 1);
  ClickWindow(group->Buttons(2));
  EXPECT_EQ(group->ItemIndex(), 2);
  EXPECT_FALSE(group->Buttons(1)->Checked());
  EXPECT_EQ(clicks, 2);
  group->SetItemIndex(10);  // clamped to the last
  EXPECT_EQ(group->ItemIndex(), 2);
  // Columns put the buttons side by side, top to bottom first.
  EXPECT_EQ(group->Buttons(0)->Left(), group->Buttons(2)->Left());
  group->SetColumns(2);
  EXPECT_EQ(group->Buttons(0)->Left(), group->Buttons(1)->Left());
  EXPECT_GT(group->Buttons(2)->Left(), group->Buttons(0)->Left());
  EXPECT_EQ(group->Buttons(2)->Top(), group->Buttons(0)->Top());
  // Fewer items, fewer buttons; the index follows.
  group->Items()->Delete(2);
  EXPECT_EQ(group->ButtonCount(), 2);
  EXPECT_EQ(group->ItemIndex(), 1);
  EXPECT_TRUE(group->Buttons(1)->Checked());
  group->SetEnabled(false);
  EXPECT_FALSE(group->Buttons(0)->Enabled());
}

TEST_F(ButtonControlsTest, BitButtonClicksSetsTheModalResultAndCloses) {
  TForm* form = NewShownForm(300, 200);
  auto* ok = NewComponent<TBitBtn>(form);
  ok->SetKind(TBitBtnKind::bkYes);
  ok->SetParent(form);
  int clicks = 0;
  ok->OnClick = [&](TObject*) { ++clicks; };
  ClickWindow(ok);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(form->ModalResult(), 6);
  // The owner-drawn window takes a double click as a second press and click.
  SendMessageA(ok->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, 0);
  SendMessageA(ok->Handle(), WM_LBUTTONUP, 0, 0);
  EXPECT_EQ(clicks, 2);
  auto* close = NewComponent<TBitBtn>(form);
  close->SetKind(TBitBtnKind::bkClose);
  close->SetLeft(100);
  close->SetParent(form);
  EXPECT_EQ(close->Caption(), "&Close");
  ClickWindow(close);
  Pump();
  EXPECT_FALSE(form->Visible());
}

constexpr const char* kFormText = R"(object F: TForm
  Left = 40
  Top = 40
  Width = 420
  Height = 300
  Caption = 'Buttons'
  object Check1: TCheckBox
    Left = 8
    Top = 8
    Width = 120
    Caption = '&Remember me'
    State = cbChecked
  end
  object Check2: TCheckBox
    Left = 8
    Top = 30
    Width = 120
    Caption = 'Grayed'
    AllowGrayed = True
    State = cbGrayed
    Alignment = taLeftJustify
  end
  object Group1: TGroupBox
    Left = 140
    Top = 8
    Width = 130
    Height = 70
    Caption = 'Group'
    object Radio1: TRadioButton
      Left = 8
      Top = 18
      Width = 100
      Caption = 'First'
    end
    object Radio2: TRadioButton
      Left = 8
      Top = 40
      Width = 100
      Caption = 'Second'
      Checked = True
    end
  end
  object RadioGroup1: TRadioGroup
    Left = 280
    Top = 8
    Width = 120
    Height = 90
    Caption = 'Size'
    Columns = 2
    ItemIndex = 1
    Items.Strings = (
      'S'
      'M'
      'L')
  end
  object Ok: TBitBtn
    Left = 8
    Top = 110
    Width = 90
    Height = 28
    Kind = bkOK
  end
  object Cancel: TBitBtn
    Left = 106
    Top = 110
    Width = 90
    Height = 28
    Caption = 'Quit'
    Kind = bkCancel
    Enabled = False
  end
  object Bevel1: TBevel
    Left = 8
    Top = 150
    Width = 390
    Height = 2
    Shape = bsTopLine
  end
  object Bevel2: TBevel
    Left = 8
    Top = 160
    Width = 120
    Height = 60
    Shape = bsFrame
  end
  object Shape1: TShape
    Left = 140
    Top = 160
    Width = 60
    Height = 60
    Shape = stCircle
    Brush.Color = clRed
    Pen.Width = 2
  end
  object Shape2: TShape
    Left = 210
    Top = 160
    Width = 90
    Height = 60
    Shape = stRoundRect
    Brush.Color = clYellow
  end
end
)";

TForm* ReadButtonsForm() {
  RegisterStandardControls();
  TForm* form = NewComponent<TForm>(Application);
  ReadComponentResource(form, kFormText);
  return form;
}

TEST_F(ButtonControlsTest, FormResourceWithEachControl) {
  TForm* form = ReadButtonsForm();
  auto* check1 = As<TCheckBox>(form->FindComponent("Check1"));
  auto* check2 = As<TCheckBox>(form->FindComponent("Check2"));
  auto* radio2 = As<TRadioButton>(form->FindComponent("Radio2"));
  auto* group = As<TRadioGroup>(form->FindComponent("RadioGroup1"));
  auto* ok = As<TBitBtn>(form->FindComponent("Ok"));
  auto* cancel = As<TBitBtn>(form->FindComponent("Cancel"));
  auto* shape = As<TShape>(form->FindComponent("Shape1"));
  ASSERT_TRUE(check1 && check2 && radio2 && group && ok && cancel && shape);
  EXPECT_TRUE(check1->Checked());
  EXPECT_EQ(check2->State(), TCheckBoxState::cbGrayed);
  EXPECT_EQ(radio2->Parent()->Name(), "Group1");
  EXPECT_TRUE(radio2->Checked());
  EXPECT_EQ(group->Items()->Count(), 3);
  EXPECT_EQ(group->ButtonCount(), 3);
  EXPECT_EQ(group->ItemIndex(), 1);
  EXPECT_TRUE(group->Buttons(1)->Checked());
  EXPECT_EQ(ok->Caption(), "OK");
  EXPECT_EQ(cancel->Caption(), "Quit");  // a caption of its own stays
  EXPECT_EQ(cancel->ModalResult(), 2);
  EXPECT_EQ(shape->Brush()->Color(), clRed);
  EXPECT_EQ(shape->Pen()->Width(), 2);
  form->Show();
  Pump();
  EXPECT_EQ(WindowCheck(check2), BST_INDETERMINATE);
  EXPECT_EQ(WindowCheck(group->Buttons(1)), BST_CHECKED);
  // Bad values are refused with a clear error.
  TForm* bad = NewComponent<TForm>(Application);
  EXPECT_THROW(ReadComponentResource(bad, "object F: TForm\n object R: TRadioGroup\n Items.Strings = 5\n end\nend\n"),
               Exception);
}

TEST_F(ButtonControlsTest, GoldenFormOfEachControl) {
  TForm* form = ReadButtonsForm();
  form->SetBorderStyle(TFormBorderStyle::bsSingle);
  form->Show();
  As<TCheckBox>(form->FindComponent("Check1"))->SetFocus();
  headless::MoveMouse(900, 900);
  Pump();
  const auto picture = headless::WindowImage(form->Handle());
  ASSERT_TRUE(picture.has_value());
  EXPECT_TRUE(MatchesGolden(*picture, "toolkit/button_controls", GoldenTolerance{48, 60}));
}

TEST_F(ButtonControlsTest, TwoHundredFormsLeaveEveryCountWhereItWas) {
  auto exercise = [] {
    TForm* form = ReadButtonsForm();
    form->Show();
    Application->ProcessMessages();
    ClickWindow(As<TCheckBox>(form->FindComponent("Check1")));
    ClickWindow(As<TRadioGroup>(form->FindComponent("RadioGroup1"))->Buttons(2));
    ClickWindow(As<TBitBtn>(form->FindComponent("Ok")));
    Application->ProcessMessages();
    form->Free();
    Application->ProcessMessages();
  };
  exercise();
  const platform::HandleTable::Counts before = platform::HandleTable::Instance().LiveCounts();
  for (int i = 0; i < 200; ++i) exercise();
  const platform::HandleTable::Counts after = platform::HandleTable::Instance().LiveCounts();
  EXPECT_EQ(before, after) << DescribeCountChanges(before, after);
}

}  // namespace
}  // namespace brellis::test
