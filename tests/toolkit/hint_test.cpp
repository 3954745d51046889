// Hints: the hint window appears after Application's pause over a control
// with a hint, shows its text at the mouse, and hides on timeout, on a click
// and when the mouse leaves; controls without a hint or with ShowHint off
// show none.
#include "platform/display/headless/headless.h"
#include "support/golden.h"
#include "toolkit/Application.h"
#include "toolkit/Controls_Hint.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Forms.h"
#include "toolkit/toolkit_fixture.h"

namespace brellis::test {
namespace {

namespace headless = platform::display::headless;

class HintTest : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    form = NewComponent<TForm>(Application);
    form->SetBounds(100, 100, 300, 200);
    panel = NewComponent<TPanel>(form);
    panel->SetParent(form);
    panel->SetBounds(10, 10, 100, 50);
    panel->SetHint("Save the file");
    panel->SetShowHint(true);
    form->Show();
    Application->ProcessMessages();
  }
  void TearDown() override {
    CancelHint();
    form->Release();
    Application->ProcessMessages();
    ToolkitTest::TearDown();
  }
  void Wait(DWORD milliseconds) {
    headless::AdvanceClock(milliseconds);
    Application->ProcessMessages();
  }
  bool HintShown() {
    THintWindow* window = CurrentHintWindow();
    return window != nullptr && window->Showing() && IsWindowVisible(window->Handle());
  }
  // The pointer really goes there, so that the control does not hear at
  // once that the mouse has left.
  void MoveOver(TWinControl* control) {
    POINT p{5, 5};
    ClientToScreen(control->Handle(), &p);
    SetCursorPos(p.x, p.y);
    cursor = p;
    SendMessageA(control->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  }

  TForm* form = nullptr;
  TPanel* panel = nullptr;
  POINT cursor{};
};

TEST_F(HintTest, AppearsAfterThePauseAndHidesAfterTheHidePause) {
  MoveOver(panel);
  Wait(400);
  EXPECT_FALSE(HintShown());
  Wait(150);
  ASSERT_TRUE(HintShown());
  RECT r{};
  GetWindowRect(CurrentHintWindow()->Handle(), &r);
  EXPECT_EQ(r.left, cursor.x);
  EXPECT_EQ(r.top, cursor.y + 20);  // under the mouse pointer
  EXPECT_NE(GetWindowLongA(CurrentHintWindow()->Handle(), GWL_STYLE) & WS_POPUP, 0);
  Wait(2400);
  EXPECT_TRUE(HintShown());
  Wait(200);
  EXPECT_FALSE(HintShown());
}

TEST_F(HintTest, AClickOrLeavingHidesIt) {
  MoveOver(panel);
  Wait(600);
  ASSERT_TRUE(HintShown());
  SendMessageA(panel->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_FALSE(HintShown());
  SendMessageA(panel->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  MoveOver(form);
  MoveOver(panel);
  SendMessageA(panel->Handle(), WM_MOUSELEAVE, 0, 0);
  Wait(600);
  EXPECT_FALSE(HintShown());  // left before the pause ended
}

TEST_F(HintTest, NoneWithoutAHintOrWithHintsOff) {
  panel->SetShowHint(false);
  MoveOver(panel);
  Wait(600);
  EXPECT_FALSE(HintShown());
  MoveOver(form);
  panel->SetShowHint(true);
  Application->SetShowHint(false);
  MoveOver(panel);
  Wait(600);
  EXPECT_FALSE(HintShown());
  Application->SetShowHint(true);
}

TEST_F(HintTest, GoldenHint) {
  MoveOver(panel);
  Wait(600);
  ASSERT_TRUE(HintShown());
  Application->ProcessMessages();
  const auto picture = headless::WindowImage(CurrentHintWindow()->Handle());
  ASSERT_TRUE(picture.has_value());
  EXPECT_TRUE(MatchesGolden(*picture, "toolkit/hint"));
}

}  // namespace
}  // namespace brellis::test
