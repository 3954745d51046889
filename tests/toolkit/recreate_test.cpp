// Re-creating a control's window (a style property that needs a new
// window, or RecreateWnd itself): CM_RECREATEWND comes first, then each
// control keeps its state — text, items, selections, scroll position — its
// children get windows again under the new one, the focus comes back, the
// window keeps its place among its siblings, and many re-creations leave
// every handle count where it was.
#include "platform/controls/controls.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/StdCtrls_Memo.h"
#include "toolkit/toolkit_fixture.h"

namespace brellis::test {
namespace {

using RecreateWndTest = ToolkitTest;

template <class T>
T* Place(TForm* form, TWinControl* parent, int left, int top, int width, int height) {
  T* control = NewComponent<T>(form);
  control->SetBounds(left, top, width, height);
  control->SetParent(parent);
  return control;
}

AnsiString Numbered(const char* prefix, int i) { return AnsiString(prefix) + std::to_string(i); }

TEST_F(RecreateWndTest, ListBoxKeepsItemsSelectionsAndTopIndexAcrossStyles) {
  TForm* form = NewShownForm(400, 300);
  auto* list = Place<TListBox>(form, form, 8, 8, 150, 120);
  for (int i = 0; i < 60; ++i) list->Items()->Add(Numbered("line ", i));
  list->SetItemIndex(40);
  SendMessageW(list->Handle(), LB_SETTOPINDEX, 35, 0);
  HWND old = list->Handle();
  list->SetMultiSelect(true);
  EXPECT_FALSE(IsWindow(old));
  EXPECT_NE(StyleOf(list) & LBS_EXTENDEDSEL, 0u);
  EXPECT_EQ(SendMessageW(list->Handle(), LB_GETCOUNT, 0, 0), 60);
  EXPECT_TRUE(list->Selected(40));
  EXPECT_EQ(list->SelCount(), 1);
  EXPECT_EQ(SendMessageW(list->Handle(), LB_GETTOPINDEX, 0, 0), 35);
  list->SetSelected(42, true);
  list->SetSelected(44, true);
  const auto top = SendMessageW(list->Handle(), LB_GETTOPINDEX, 0, 0);
  list->SetStyle(TListBoxStyle::lbOwnerDrawFixed);
  EXPECT_EQ(list->SelCount(), 3);
  EXPECT_TRUE(list->Selected(42) && list->Selected(44) && list->Selected(40));
  EXPECT_EQ(SendMessageW(list->Handle(), LB_GETTOPINDEX, 0, 0), top);
  // Back to a single selection: the caret's item, when it is selected.
  list->SetItemIndex(44);
  list->SetMultiSelect(false);
  EXPECT_EQ(list->ItemIndex(), 44);
  EXPECT_EQ(SendMessageW(list->Handle(), LB_GETCURSEL, 0, 0), 44);
  EXPECT_EQ(list->Items()->Count(), 60);
  delete form;
}

TEST_F(RecreateWndTest, CombosMemoAndEditKeepTextSelectionAndScrollPosition) {
  TForm* form = NewShownForm(400, 300);
  auto* combo = Place<TComboBox>(form, form, 8, 8, 150, 21);
  for (const char* s : {"red", "green", "blue"}) combo->Items()->Add(s);
  combo->SetItemIndex(1);
  combo->SetStyle(TComboBoxStyle::csDropDownList);
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(combo->Text(), "green");
  combo->SetStyle(TComboBoxStyle::csDropDown);
  combo->SetText("typed");
  combo->SetStyle(TComboBoxStyle::csSimple);
  EXPECT_EQ(combo->Text(), "typed");
  EXPECT_EQ(SendMessageW(combo->Handle(), CB_GETCOUNT, 0, 0), 3);

  auto* memo = Place<TMemo>(form, form, 8, 40, 180, 80);
  for (int i = 0; i < 40; ++i) memo->Lines()->Add(Numbered("row ", i));
  SendMessageA(memo->Handle(), EM_SETSEL, 10, 14);
  SendMessageA(memo->Handle(), EM_LINESCROLL, 0, 20);
  const auto first = SendMessageA(memo->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0);
  EXPECT_GE(first, 15);
  SendMessageA(memo->Handle(), EM_SETMODIFY, TRUE, 0);
  HWND old = memo->Handle();
  memo->SetScrollBars(TScrollStyle::ssVertical);
  EXPECT_FALSE(IsWindow(old));
  EXPECT_NE(StyleOf(memo) & WS_VSCROLL, 0u);
  EXPECT_EQ(memo->Lines()->Count(), 40);
  EXPECT_EQ(SendMessageA(memo->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0), first);
  EXPECT_EQ(memo->SelStart(), 10);
  EXPECT_EQ(memo->SelLength(), 4);
  EXPECT_TRUE(memo->Modified());
  memo->SetWordWrap(false);
  EXPECT_EQ(memo->Lines()->Strings(39), "row 39");
  EXPECT_EQ(SendMessageA(memo->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0), first);

  auto* edit = Place<TEdit>(form, form, 200, 8, 120, 21);
  edit->SetText("password");
  SendMessageA(edit->Handle(), EM_SETSEL, 2, 5);
  edit->RecreateWnd();
  EXPECT_EQ(edit->Text(), "password");
  EXPECT_EQ(edit->SelStart(), 2);
  EXPECT_EQ(edit->SelLength(), 3);
  EXPECT_FALSE(edit->Modified());

  auto* ex = Place<TComboBoxEx>(form, form, 200, 40, 150, 22);
  ex->AddItem("one", 0);
  ex->AddItem("two", 1, -1, 1);
  ex->SetItemIndex(1);
  ex->SetStyle(TComboBoxExStyle::csExDropDownList);
  EXPECT_EQ(ex->ItemIndex(), 1);
  EXPECT_EQ(ex->Text(), "two");
  delete form;
}

TEST_F(RecreateWndTest, ChildrenFocusAndPlaceComeBackAndRecreateWndIsToldFirst) {
  TForm* form = NewShownForm(400, 300);
  auto* below = Place<TPanel>(form, form, 0, 0, 200, 150);
  auto* panel = Place<TPanel>(form, form, 20, 20, 200, 150);
  auto* above = Place<TPanel>(form, form, 40, 40, 200, 150);
  auto* edit = Place<TEdit>(form, panel, 10, 10, 100, 21);
  auto* inner = Place<TPanel>(form, panel, 10, 40, 100, 60);
  auto* deep = Place<TEdit>(form, inner, 4, 4, 80, 21);
  deep->SetText("deep");
  edit->SetFocus();
  ASSERT_EQ(GetFocus(), edit->Handle());
  const HWND next = GetWindow(panel->Handle(), GW_HWNDNEXT);
  const HWND previous = GetWindow(panel->Handle(), GW_HWNDPREV);
  ASSERT_TRUE(next != nullptr && previous != nullptr);

  HWND windowAtNotice = nullptr;
  bool aliveAtNotice = false;
  const auto ownProc = panel->WindowProc;
  panel->WindowProc = [&](TMessage& m) {
    if (m.Msg == CM_RECREATEWND) {
      windowAtNotice = panel->Handle();
      aliveAtNotice = IsWindow(windowAtNotice) != FALSE;
    }
    panel->WndProc(m);
  };
  HWND oldPanel = panel->Handle();
  HWND oldEdit = edit->Handle();
  HWND oldDeep = deep->Handle();
  panel->RecreateWnd();
  panel->WindowProc = ownProc;
  EXPECT_EQ(windowAtNotice, oldPanel);
  EXPECT_TRUE(aliveAtNotice);
  EXPECT_FALSE(IsWindow(oldPanel) || IsWindow(oldEdit) || IsWindow(oldDeep));
  EXPECT_EQ(GetParent(edit->Handle()), panel->Handle());
  EXPECT_EQ(GetParent(deep->Handle()), inner->Handle());
  EXPECT_EQ(GetParent(inner->Handle()), panel->Handle());
  EXPECT_EQ(deep->Text(), "deep");
  EXPECT_TRUE(IsWindowVisible(deep->Handle()));
  EXPECT_EQ(GetFocus(), edit->Handle());  // the focused child has it again
  // Between the same siblings as before.
  EXPECT_EQ(GetWindow(panel->Handle(), GW_HWNDNEXT), next);
  EXPECT_EQ(GetWindow(panel->Handle(), GW_HWNDPREV), previous);
  EXPECT_TRUE((next == below->Handle() && previous == above->Handle()) ||
              (next == above->Handle() && previous == below->Handle()));
  delete form;
}

TEST_F(RecreateWndTest, TwoHundredRecreationsLeaveEveryCount) {
  TForm* form = NewShownForm(400, 300);
  auto* list = Place<TListBox>(form, form, 8, 8, 150, 120);
  for (int i = 0; i < 30; ++i) list->Items()->Add(Numbered("line ", i));
  auto* combo = Place<TComboBox>(form, form, 170, 8, 150, 21);
  combo->Items()->Add("a");
  auto* memo = Place<TMemo>(form, form, 8, 140, 150, 60);
  memo->Lines()->Add("text");
  auto* panel = Place<TPanel>(form, form, 170, 40, 150, 100);
  Place<TEdit>(form, panel, 4, 4, 100, 21);
  auto* ex = Place<TComboBoxEx>(form, panel, 4, 30, 120, 22);
  ex->AddItem("x", 0);
  int round = 0;
  ExpectRoundsLeaveEveryCount([&] {
    list->SetMultiSelect(round % 2 == 0);
    combo->SetStyle(round % 2 == 0 ? TComboBoxStyle::csDropDownList : TComboBoxStyle::csDropDown);
    memo->SetWordWrap(round % 2 == 0);
    panel->RecreateWnd();
    Pump();
    ++round;
  });
  EXPECT_EQ(list->Items()->Count(), 30);
  delete form;
}

}  // namespace
}  // namespace brellis::test
