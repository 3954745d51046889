// Scrolling containers: a scroll box's bars follow its children (AutoScroll)
// and scrolling moves them; a form's HorzScrollBar / VertScrollBar are read
// from its resource and scroll its content.
#include "platform/controls/controls.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Reader.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/TypInfo.h"
#include "toolkit/toolkit_fixture.h"

namespace brellis::test {
namespace {

namespace headless = platform::display::headless;

class ScrollBoxTest : public ToolkitTest {};

SCROLLINFO BarInfo(HWND hwnd, int bar) {
  SCROLLINFO info{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
  EXPECT_TRUE(GetScrollInfo(hwnd, bar, &info));
  return info;
}

TEST_F(ScrollBoxTest, AutoScrollRangeComesFromTheChildrenAndScrollingMovesThem) {
  TForm* form = NewShownForm(300, 240);
  auto* box = NewComponent<TScrollBox>(form);
  box->SetBounds(10, 10, 200, 100);
  box->SetParent(form);
  auto* panel = NewComponent<TPanel>(form);
  panel->SetBounds(10, 150, 50, 40);
  panel->SetParent(box);
  auto* label = NewComponent<TLabel>(form);  // a windowless child moves too
  label->SetAutoSize(false);
  label->SetBounds(10, 20, 40, 12);
  label->SetParent(box);
  Pump();
  ASSERT_TRUE(box->HandleAllocated());
  const DWORD style = static_cast<DWORD>(GetWindowLongW(box->Handle(), GWL_STYLE));
  EXPECT_TRUE(style & WS_VSCROLL);
  EXPECT_FALSE(style & WS_HSCROLL);
  EXPECT_EQ(box->VertScrollBar()->Range(), 190);
  const int clientHeight = box->ClientHeight();
  EXPECT_EQ(clientHeight, 100 - 4);  // inside the client edge
  const SCROLLINFO info = BarInfo(box->Handle(), SB_VERT);
  EXPECT_EQ(info.nMax, 190);
  EXPECT_EQ(info.nPage, static_cast<UINT>(clientHeight + 1));

  SendMessageW(box->Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
  SendMessageW(box->Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(box->VertScrollBar()->Position(), 16);
  EXPECT_EQ(panel->Top(), 150 - 16);
  EXPECT_EQ(label->Top(), 20 - 16);
  EXPECT_EQ(GetScrollPos(box->Handle(), SB_VERT), 16);
  SendMessageW(box->Handle(), WM_VSCROLL, SB_BOTTOM, 0);
  EXPECT_EQ(box->VertScrollBar()->Position(), 190 - clientHeight);
  EXPECT_EQ(panel->Top() + panel->Height(), clientHeight);
  EXPECT_EQ(box->VertScrollBar()->Range(), 190);  // scrolling keeps the range

  // The bar goes when the children fit again.
  panel->SetTop(panel->Top() - 100);
  Pump();
  EXPECT_FALSE(GetWindowLongW(box->Handle(), GWL_STYLE) & WS_VSCROLL);
  EXPECT_EQ(box->VertScrollBar()->Position(), 0);
  form->Free();
}

TEST_F(ScrollBoxTest, FormScrollBarsReadFromItsResource) {
  auto* form = new TForm(Application);
  ReadComponentResource(form, R"(object Fm: TForm
  Left = 40
  Top = 30
  BorderStyle = bsNone
  ClientHeight = 200
  ClientWidth = 300
  AutoScroll = False
  HorzScrollBar.Range = 600
  HorzScrollBar.Increment = 20
  object Box: TScrollBox
    Left = 0
    Top = 0
    Width = 100
    Height = 50
  end
end
)");
  EXPECT_EQ(form->HorzScrollBar()->Range(), 600);
  EXPECT_EQ(GetOrdProp(form->HorzScrollBar(), "Increment"), 20);
  EXPECT_EQ(GetPropValue(form, "AutoScroll"), "False");
  auto* box = As<TScrollBox>(form->FindComponent("Box"));
  ASSERT_NE(box, nullptr);
  form->Show();
  Pump();
  EXPECT_TRUE(GetWindowLongW(form->Handle(), GWL_STYLE) & WS_HSCROLL);
  EXPECT_FALSE(GetWindowLongW(form->Handle(), GWL_STYLE) & WS_VSCROLL);
  SendMessageW(form->Handle(), WM_HSCROLL, SB_LINERIGHT, 0);
  EXPECT_EQ(box->Left(), -20);
  SendMessageW(form->Handle(), WM_HSCROLL, SB_PAGERIGHT, 0);
  EXPECT_EQ(form->HorzScrollBar()->Position(), 600 - 300);  // stops at the range less the client
  // The thumb dragged without Tracking moves the content only when let go.
  SCROLLBARINFO bar{};
  bar.cbSize = sizeof(bar);
  ASSERT_TRUE(GetScrollBarInfo(form->Handle(), OBJID_HSCROLL, &bar));
  const int y = bar.rcScrollBar.top + 8;
  headless::MoveMouse(bar.rcScrollBar.left + bar.xyThumbTop + 4, y);
  headless::Press();
  headless::MoveMouse(bar.rcScrollBar.left + 4, y);
  headless::Release();
  Pump();
  EXPECT_EQ(form->HorzScrollBar()->Position(), 0);
  EXPECT_EQ(box->Left(), 0);
  form->Free();
}

}  // namespace
}  // namespace brellis::test
