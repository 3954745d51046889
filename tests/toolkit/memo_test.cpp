// TMemo and TCustomEdit: lines read from a form resource, the styles made
// from the memo's properties, lines and window text in step both ways, the
// selection properties and the clipboard methods.
#include "platform/controls/controls.h"
#include "toolkit/Reader.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/StdCtrls_Memo.h"
#include "toolkit/toolkit_fixture.h"

namespace brellis::test {
namespace {

namespace headless = platform::display::headless;

class MemoTest : public ToolkitTest {
 protected:
  void TearDown() override {
    if (OpenClipboard(nullptr)) {
      EmptyClipboard();
      CloseClipboard();
    }
    ToolkitTest::TearDown();
  }
};

constexpr const char* kForm = R"(object MemoForm: TForm
  Left = 0
  Top = 0
  Width = 400
  Height = 300
  Caption = 'Memos'
  object Memo1: TMemo
    Left = 8
    Top = 8
    Width = 180
    Height = 90
    Lines.Strings = (
      'first line'
      'second line')
    ScrollBars = ssBoth
    WordWrap = False
    MaxLength = 100
  end
  object Memo2: TMemo
    Left = 200
    Top = 8
    Width = 180
    Height = 90
    Alignment = taCenter
    ReadOnly = True
    WantReturns = False
    WantTabs = True
  end
end
)";

TEST_F(MemoTest, ReadFromAFormResourceWithItsLinesAndStyles) {
  RegisterStandardControls();
  TForm* form = NewComponent<TForm>(Application);
  ReadComponentResource(form, kForm);
  auto* memo = As<TMemo>(form->FindComponent("Memo1"));
  int changes = 0;
  if (memo) memo->OnChange = [&](TObject*) { ++changes; };
  auto* other = As<TMemo>(form->FindComponent("Memo2"));
  ASSERT_NE(memo, nullptr);
  ASSERT_NE(other, nullptr);
  EXPECT_TRUE(memo->InheritsFrom(TCustomEdit::ClassInfo()));
  EXPECT_EQ(GetEnumProp(memo, "ScrollBars"), "ssBoth");
  EXPECT_EQ(GetOrdProp(memo, "MaxLength"), 100);
  form->Show();
  Pump();
  HWND h = memo->Handle();
  const DWORD style = static_cast<DWORD>(GetWindowLongA(h, GWL_STYLE));
  EXPECT_EQ(style & (ES_MULTILINE | WS_VSCROLL | WS_HSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN),
            ES_MULTILINE | WS_VSCROLL | WS_HSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN);
  EXPECT_EQ(memo->GetText(), "first line\r\nsecond line");
  EXPECT_EQ(SendMessageA(h, EM_GETLINECOUNT, 0, 0), 2);
  EXPECT_EQ(changes, 0);  // loading is not a change
  const DWORD otherStyle = static_cast<DWORD>(GetWindowLongA(other->Handle(), GWL_STYLE));
  EXPECT_EQ(otherStyle & (ES_CENTER | ES_READONLY | ES_WANTRETURN | ES_AUTOHSCROLL), ES_CENTER | ES_READONLY);
  MSG tab{other->Handle(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
  EXPECT_NE(SendMessageA(other->Handle(), WM_GETDLGCODE, VK_TAB, reinterpret_cast<LPARAM>(&tab)) & DLGC_WANTTAB, 0);
  MSG enter{other->Handle(), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
  EXPECT_EQ(SendMessageA(other->Handle(), WM_GETDLGCODE, VK_RETURN, reinterpret_cast<LPARAM>(&enter)) & DLGC_WANTALLKEYS,
            0);

  // Lines change the window; typing changes the lines and fires OnChange.
  memo->Lines()->Add("third");
  EXPECT_EQ(SendMessageA(h, EM_GETLINECOUNT, 0, 0), 3);
  const int changesBefore = changes;
  memo->SetFocus();
  Pump();
  memo->SetSelStart(0);
  headless::TypeChar(u'>');
  Pump();
  EXPECT_EQ(changes, changesBefore + 1);
  EXPECT_EQ(memo->Lines()->Strings(0), ">first line");
  EXPECT_EQ(memo->Lines()->Count(), 3);
  // A style property re-creates the window with the same lines.
  memo->SetWordWrap(true);
  EXPECT_EQ(GetWindowLongA(memo->Handle(), GWL_STYLE) & ES_AUTOHSCROLL, 0);
  EXPECT_EQ(SendMessageA(memo->Handle(), EM_LINEINDEX, 1, 0), 13);
  delete form;
}

TEST_F(MemoTest, SelectionPropertiesAndTheClipboard) {
  TForm* form = NewShownForm(300, 200);
  auto* memo = NewComponent<TMemo>(form);
  memo->SetParent(form);
  memo->Lines()->SetText(platform::WideToAnsiString(u"中文 one\r\ntwo"));
  auto* edit = NewComponent<TEdit>(form);
  edit->SetParent(form);
  edit->SetTop(120);
  Pump();
  memo->SetSelStart(3);
  memo->SetSelLength(3);
  EXPECT_EQ(memo->SelStart(), 3);
  EXPECT_EQ(memo->SelLength(), 3);
  EXPECT_EQ(memo->SelText(), "one");
  memo->CopyToClipboard();
  edit->PasteFromClipboard();
  EXPECT_EQ(edit->GetText(), "one");
  memo->SelectAll();
  memo->CutToClipboard();
  EXPECT_EQ(memo->GetText(), "");
  EXPECT_EQ(memo->Lines()->Count(), 0);
  edit->SelectAll();
  edit->PasteFromClipboard();  // a one-line edit takes the first line
  EXPECT_EQ(edit->GetText(), platform::WideToAnsiString(u"中文 one"));
  memo->PasteFromClipboard();
  EXPECT_EQ(memo->Lines()->Count(), 2);
  EXPECT_TRUE(memo->CanUndo());
  memo->SetSelStart(0);
  memo->SetSelText(platform::WideToAnsiString(u"新"));
  EXPECT_EQ(memo->Lines()->Strings(0), platform::WideToAnsiString(u"新中文 one"));
  EXPECT_TRUE(memo->Modified());
  delete form;
}

}  // namespace
}  // namespace brellis::test
