// TTrackBar, TProgressBar and TUpDown: read from a form resource with their
// properties by name, their windows set up from them, the reflected
// notifications firing their events, and a track bar's custom draw reaching
// the control itself.
#include "toolkit/ComCtrls.h"

#include "platform/controls/controls.h"
#include "support/handle_leaks.h"
#include "toolkit/Reader.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/toolkit_fixture.h"

namespace brellis::test {
namespace {

using ComCtrlsTest = ToolkitTest;

constexpr const char* kForm = R"(object F: TForm
  Left = 100
  Top = 100
  ClientWidth = 320
  ClientHeight = 240
  BorderStyle = bsNone
  object Track: TTrackBar
    Left = 10
    Top = 10
    Width = 200
    Height = 45
    Max = 20
    Position = 5
    Frequency = 5
    TickMarks = tmBoth
    SelStart = 2
    SelEnd = 8
  end
  object Progress: TProgressBar
    Left = 10
    Top = 70
    Width = 20
    Height = 120
    Max = 50
    Position = 20
    Step = 5
    Orientation = pbVertical
    Smooth = True
  end
  object Edit: TEdit
    Left = 50
    Top = 70
    Width = 100
    Height = 21
  end
  object Spin: TUpDown
    Left = 150
    Top = 70
    Width = 16
    Height = 21
    Associate = Edit
    Max = 5000
    Position = 1234
    Thousands = False
    Wrap = True
  end
end
)";

TEST_F(ComCtrlsTest, ReadFromAFormResourceWithTheirWindowsSetUp) {
  TForm* form = ReadShownForm(kForm);
  auto* track = As<TTrackBar>(form->FindComponent("Track"));
  auto* progress = As<TProgressBar>(form->FindComponent("Progress"));
  auto* edit = As<TEdit>(form->FindComponent("Edit"));
  auto* spin = As<TUpDown>(form->FindComponent("Spin"));
  ASSERT_TRUE(track && progress && edit && spin);
  EXPECT_EQ(track->ClassName(), "TTrackBar");

  EXPECT_EQ(GetOrdProp(track, "max"), 20);
  EXPECT_EQ(GetEnumProp(track, "TickMarks"), "tmBoth");
  EXPECT_EQ(GetEnumProp(track, "TickStyle"), "tsAuto");
  EXPECT_EQ(GetEnumProp(track, "Orientation"), "trHorizontal");
  HWND t = track->Handle();
  EXPECT_EQ(SendMessageA(t, TBM_GETRANGEMAX, 0, 0), 20);
  EXPECT_EQ(SendMessageA(t, TBM_GETPOS, 0, 0), 5);
  EXPECT_EQ(SendMessageA(t, TBM_GETNUMTICS, 0, 0), 5);  // 5, 10, 15 and the ends
  EXPECT_EQ(SendMessageA(t, TBM_GETSELEND, 0, 0), 8);
  EXPECT_EQ(SendMessageA(t, TBM_GETTHUMBLENGTH, 0, 0), 20);
  EXPECT_EQ(StyleOf(track) & (TBS_BOTH | TBS_AUTOTICKS | TBS_ENABLESELRANGE),
            TBS_BOTH | TBS_AUTOTICKS | TBS_ENABLESELRANGE);

  EXPECT_EQ(GetEnumProp(progress, "Smooth"), "True");
  EXPECT_EQ(GetOrdProp(progress, "Position"), 20);
  EXPECT_EQ(StyleOf(progress) & (PBS_SMOOTH | PBS_VERTICAL), PBS_SMOOTH | PBS_VERTICAL);
  EXPECT_EQ(SendMessageA(progress->Handle(), PBM_GETRANGE, FALSE, 0), 50);
  progress->StepIt();
  EXPECT_EQ(progress->Position(), 25);
  progress->StepBy(-30);
  EXPECT_EQ(progress->Position(), 0);
  // A new look keeps the position.
  progress->SetPosition(40);
  SetPropValue(progress, "Orientation", "pbHorizontal");
  EXPECT_EQ(StyleOf(progress) & PBS_VERTICAL, 0u);
  EXPECT_EQ(progress->Position(), 40);

  EXPECT_EQ(GetObjectProp(spin, "Associate"), edit);
  EXPECT_EQ(SendMessageA(spin->Handle(), UDM_GETBUDDY, 0, 0), reinterpret_cast<LRESULT>(edit->Handle()));
  EXPECT_EQ(edit->GetText(), "1234");
  // The edit takes the arrow keys through the up-down and stays ANSI.
  EXPECT_FALSE(IsWindowUnicode(edit->Handle()));
  EXPECT_EQ(StyleOf(spin) & (UDS_NOTHOUSANDS | UDS_WRAP | UDS_ARROWKEYS | UDS_SETBUDDYINT | UDS_ALIGNRIGHT),
            UDS_NOTHOUSANDS | UDS_WRAP | UDS_ARROWKEYS | UDS_SETBUDDYINT | UDS_ALIGNRIGHT);
  // The arrows moved beside the edit, which was narrowed to make room.
  EXPECT_EQ(edit->Width(), 100 - 16 + 2);
  EXPECT_EQ(spin->Left() + spin->Width(), 150);
  // Typed text is the position.
  edit->SetText("777");
  EXPECT_EQ(GetOrdProp(spin, "Position"), 777);
  // Freeing the associate leaves no buddy behind.
  delete edit;
  EXPECT_EQ(spin->Associate(), nullptr);
  EXPECT_EQ(SendMessageA(spin->Handle(), UDM_GETBUDDY, 0, 0), 0);
}

TEST_F(ComCtrlsTest, ReflectedNotificationsFireTheEvents) {
  TForm* form = ReadShownForm(kForm);
  auto* track = As<TTrackBar>(form->FindComponent("Track"));
  auto* spin = As<TUpDown>(form->FindComponent("Spin"));
  auto* edit = As<TEdit>(form->FindComponent("Edit"));
  std::vector<int> changes;
  SetMethodProp(track, "OnChange", TNotifyEvent([&](TObject*) { changes.push_back(track->Position()); }));
  SendMessageA(track->Handle(), WM_KEYDOWN, VK_RIGHT, 0);
  SendMessageA(track->Handle(), WM_KEYUP, VK_RIGHT, 0);  // TB_ENDTRACK: no change
  SendMessageA(track->Handle(), WM_KEYDOWN, VK_END, 0);
  track->SetPosition(3);
  EXPECT_EQ(changes, (std::vector<int>{6, 20, 3}));

  std::vector<TUDBtnType> clicks;
  bool allow = true;
  SetMethodProp(spin, "OnClick", TUDClickEvent([&](TObject*, TUDBtnType b) { clicks.push_back(b); }));
  SetMethodProp(spin, "OnChanging", TUDChangingEvent([&](TObject*, bool& a) { a = allow; }));
  SendMessageA(edit->Handle(), WM_KEYDOWN, VK_UP, 0);
  SendMessageA(edit->Handle(), WM_KEYDOWN, VK_DOWN, 0);
  SendMessageA(edit->Handle(), WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(spin->Position(), 1233);
  allow = false;
  SendMessageA(edit->Handle(), WM_KEYDOWN, VK_UP, 0);
  EXPECT_EQ(spin->Position(), 1233);
  EXPECT_EQ(clicks, (std::vector<TUDBtnType>{TUDBtnType::btNext, TUDBtnType::btPrev, TUDBtnType::btPrev}));
  EXPECT_EQ(edit->GetText(), "1233");
  // The skin engine's query with the same number is no notification header.
  EXPECT_EQ(spin->Perform(CN_NOTIFY, 0, 0x41A2), 0);
}

TEST_F(ComCtrlsTest, TrackBarCustomDrawReachesTheControlAsCnNotify) {
  TForm* form = ReadShownForm(kForm);
  auto* track = As<TTrackBar>(form->FindComponent("Track"));
  std::vector<std::pair<DWORD, DWORD_PTR>> stages;
  TWndMethod previous = track->WindowProc;
  // What a skin does: it answers custom draw on the control and draws
  // thumb and channel itself.
  track->WindowProc = [&](TMessage& m) {
    if (m.Msg == CN_NOTIFY && m.LParam != 0 && reinterpret_cast<NMHDR*>(m.LParam)->code == NM_CUSTOMDRAW) {
      const auto& draw = *reinterpret_cast<NMCUSTOMDRAW*>(m.LParam);
      stages.emplace_back(draw.dwDrawStage, draw.dwItemSpec);
      m.Result = draw.dwDrawStage == CDDS_PREPAINT                                       ? CDRF_NOTIFYITEMDRAW
                 : draw.dwDrawStage == CDDS_ITEMPREPAINT && draw.dwItemSpec != TBCD_TICS ? CDRF_SKIPDEFAULT
                                                                                         : CDRF_DODEFAULT;
      return;
    }
    previous(m);
  };
  track->Repaint();
  track->WindowProc = previous;
  using Stages = std::vector<std::pair<DWORD, DWORD_PTR>>;
  const Stages items{
      {CDDS_ITEMPREPAINT, TBCD_CHANNEL}, {CDDS_ITEMPREPAINT, TBCD_TICS}, {CDDS_ITEMPREPAINT, TBCD_THUMB}};
  ASSERT_GE(stages.size(), 6u);
  EXPECT_EQ(stages.front(), (std::pair<DWORD, DWORD_PTR>{CDDS_PREPAINT, 0}));
  EXPECT_EQ(Stages(stages.begin() + 3, stages.begin() + 6), items);
}

// The colour of a client pixel of `control` printed over a magenta bitmap.
COLORREF PrintedOverMagenta(TWinControl* control, int x, int y) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 250, 60);
  HGDIOBJ old = SelectObject(dc, bitmap);
  HBRUSH magenta = CreateSolidBrush(RGB(255, 0, 255));
  RECT all{0, 0, 250, 60};
  FillRect(dc, &all, magenta);
  SendMessageA(control->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  const COLORREF colour = GetPixel(dc, x, y);
  SelectObject(dc, old);
  DeleteObject(magenta);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return colour;
}

TEST_F(ComCtrlsTest, TransparentTrackBarLeavesItsBackground) {
  TForm* form = ReadShownForm(kForm);
  auto* track = As<TTrackBar>(form->FindComponent("Track"));
  EXPECT_EQ(PrintedOverMagenta(track, 1, 1), ColorToRGB(track->Color()));
  SetPropValue(track, "Transparent", "True");
  EXPECT_EQ(PrintedOverMagenta(track, 1, 1), RGB(255, 0, 255));
}

TEST_F(ComCtrlsTest, TwoHundredFormsWithTheControlsLeaveNothingBehind) {
  auto round = [] {
    TForm* form = ReadShownForm(kForm);
    auto* track = As<TTrackBar>(form->FindComponent("Track"));
    SetPropValue(track, "Orientation", "trVertical");  // a new window
    SendMessageA(track->Handle(), WM_KEYDOWN, VK_NEXT, 0);
    As<TProgressBar>(form->FindComponent("Progress"))->StepIt();
    SendMessageA(As<TEdit>(form->FindComponent("Edit"))->Handle(), WM_KEYDOWN, VK_UP, 0);
    Application->ProcessMessages();
    form->Free();
    Application->ProcessMessages();
  };
  ExpectRoundsLeaveEveryCount(round);
  EXPECT_EQ(platform::LiveTimerCount(), 0u);
}

}  // namespace
}  // namespace brellis::test
