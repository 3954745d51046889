// TScrollBar: published by name and read from form resources, kept in its
// window, and moved by the requests the parent reflects back to it as
// CN_VSCROLL / CN_HSCROLL while the system's tracking loop runs.
#include "platform/controls/controls.h"
#include "toolkit/Messages.h"
#include "toolkit/Reader.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/TypInfo.h"
#include "toolkit/toolkit_fixture.h"

namespace brellis::test {
namespace {

namespace headless = platform::display::headless;

class ScrollBarTest : public ToolkitTest {};

LRESULT ReleaseOnSecondTick(int code, WPARAM wParam, LPARAM lParam) {
  static int ticks = 0;
  if (code == MSGF_SCROLLBAR && reinterpret_cast<const MSG*>(lParam)->message == WM_SYSTIMER && ++ticks % 2 == 0) {
    headless::Release();
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(ScrollBarTest, ReadFromAFormAndPublishedByName) {
  auto* form = new TForm(Application);
  ReadComponentResource(form, R"(object Fm: TForm
  Left = 40
  Top = 30
  BorderStyle = bsNone
  ClientHeight = 240
  ClientWidth = 300
  object Bar: TScrollBar
    Left = 10
    Top = 10
    Width = 17
    Height = 200
    Kind = sbVertical
    Min = 10
    Max = 500
    PageSize = 50
    Position = 300
    LargeChange = 40
    SmallChange = 5
  end
end
)");
  auto* bar = As<TScrollBar>(form->FindComponent("Bar"));
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->ClassName(), "TScrollBar");
  EXPECT_EQ(bar->Kind(), TScrollBarKind::sbVertical);
  EXPECT_EQ(bar->Width(), 17);  // read bounds are not turned round
  EXPECT_EQ(GetPropValue(bar, "kind"), "sbVertical");
  EXPECT_EQ(GetOrdProp(bar, "Position"), 300);
  EXPECT_EQ(GetOrdProp(bar, "LargeChange"), 40);
  SetOrdProp(bar, "Position", 9999);  // kept inside max less the page
  EXPECT_EQ(bar->Position(), 451);
  form->Show();
  Pump();
  ASSERT_TRUE(bar->HandleAllocated());
  EXPECT_TRUE(GetWindowLongW(bar->Handle(), GWL_STYLE) & SBS_VERT);
  SCROLLINFO info{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
  ASSERT_TRUE(GetScrollInfo(bar->Handle(), SB_CTL, &info));
  EXPECT_EQ(info.nMin, 10);
  EXPECT_EQ(info.nMax, 500);
  EXPECT_EQ(info.nPage, 50u);
  EXPECT_EQ(info.nPos, 451);
  // Turning it round recreates the window horizontal.
  bar->SetKind(TScrollBarKind::sbHorizontal);
  EXPECT_EQ(bar->Width(), 200);
  EXPECT_FALSE(GetWindowLongW(bar->Handle(), GWL_STYLE) & SBS_VERT);
  bar->SetMax(-5);  // below the minimum: raised to it
  EXPECT_EQ(bar->Max(), 10);
  EXPECT_EQ(bar->Position(), 10);
  form->Free();
}

TEST_F(ScrollBarTest, TrackingLoopRequestsArriveAsCnVScrollAndMoveThePosition) {
  TForm* form = NewShownForm(300, 240);
  auto* bar = NewComponent<TScrollBar>(form);
  bar->SetKind(TScrollBarKind::sbVertical);
  bar->SetBounds(10, 10, 16, 200);
  bar->SetParent(form);
  bar->SetSmallChange(3);
  std::vector<UINT> reflected;
  // Called as a TControl: the replaced procedure outlives the TScrollBar
  // part while the control is destroyed.
  TControl* self = bar;
  bar->WindowProc = [&reflected, self](TMessage& m) {
    if (m.Msg == CN_VSCROLL || m.Msg == CN_HSCROLL) reflected.push_back(m.Msg);
    self->WndProc(m);
  };
  std::vector<TScrollCode> codes;
  int changes = 0;
  bar->OnScroll = [&](TObject* sender, TScrollCode code, int& pos) {
    EXPECT_EQ(sender, bar);
    codes.push_back(code);
    if (code == TScrollCode::scTrack) pos += 1;  // the handler may adjust
  };
  bar->OnChange = [&](TObject*) { ++changes; };
  Pump();
  RECT screen{};
  GetWindowRect(bar->Handle(), &screen);

  // The down arrow held for two repeat ticks: three line requests.
  HHOOK hook = SetWindowsHookExW(WH_MSGFILTER, ReleaseOnSecondTick, nullptr, GetCurrentThreadId());
  headless::MoveMouse(screen.left + 8, screen.bottom - 8);
  headless::Press();
  Pump();
  UnhookWindowsHookEx(hook);
  EXPECT_EQ(bar->Position(), 9);
  EXPECT_EQ(changes, 3);
  EXPECT_EQ(codes, (std::vector<TScrollCode>{TScrollCode::scLineDown, TScrollCode::scLineDown,
                                             TScrollCode::scLineDown, TScrollCode::scEndScroll}));
  EXPECT_EQ(reflected, std::vector<UINT>(4, CN_VSCROLL));
  EXPECT_EQ(GetScrollPos(bar->Handle(), SB_CTL), 9);

  // The thumb dragged 84 of the 152 free pixels: about half-way.
  codes.clear();
  SCROLLBARINFO sbi{};
  sbi.cbSize = sizeof(sbi);
  ASSERT_TRUE(GetScrollBarInfo(bar->Handle(), OBJID_CLIENT, &sbi));
  const int y = screen.top + sbi.xyThumbTop + 8;
  headless::MoveMouse(screen.left + 8, y);
  headless::Press();
  headless::MoveMouse(screen.left + 8, 16 + screen.top + 8 + 84);
  headless::Release();
  Pump();
  const int dragged = (84 * 100 + 76) / 152;
  EXPECT_EQ(codes, (std::vector<TScrollCode>{TScrollCode::scTrack, TScrollCode::scPosition,
                                             TScrollCode::scEndScroll}));
  EXPECT_EQ(bar->Position(), dragged);
  form->Free();
}

}  // namespace
}  // namespace brellis::test
