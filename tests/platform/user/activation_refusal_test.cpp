// A window procedure that answers 0 to WM_NCACTIVATE with wParam FALSE keeps
// its window active, whichever way the activation was about to move.
#include "user/user_test.h"

namespace brellis::test {
namespace {

namespace headless = platform::display::headless;

WNDPROC refusingPrevious = nullptr;
bool refusing = true;

// Passes everything on (so the recorder sees it) and refuses deactivation
// while `refusing`.
LRESULT RefuseDeactivation(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = CallWindowProcW(refusingPrevious, hwnd, message, wParam, lParam);
  if (message == WM_NCACTIVATE && wParam == FALSE && refusing) return 0;
  return result;
}

class ActivationRefusalTest : public UserTest {
 protected:
  void SetUp() override {
    UserTest::SetUp();
    recorder->Ignore(WM_NCHITTEST);
    recorder->Ignore(WM_SETCURSOR);
    refusing = true;
    other = CreateTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{0, 0, 200, 200});
    otherChild = CreateChild(other, RECT{10, 10, 60, 40});
    keeper = CreateTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{300, 0, 500, 200});
    Pump();
    refusingPrevious = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(keeper, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WndProcFromFunction(RefuseDeactivation))));
    recorder->SetMainWindow(keeper);
    recorder->HookCbt();
    recorder->Clear();
  }

  HWND other = nullptr;
  HWND otherChild = nullptr;
  HWND keeper = nullptr;
};

TEST_F(ActivationRefusalTest, SetActiveWindowStopsAfterTheRefusedNcActivate) {
  ASSERT_EQ(GetActiveWindow(), keeper);
  EXPECT_EQ(SetActiveWindow(other), nullptr);
  EXPECT_TRUE(recorder->Matches({{HCBT_ACTIVATE, H}, {WM_NCACTIVATE, S | W, 0}}));
  EXPECT_EQ(GetActiveWindow(), keeper);
  EXPECT_EQ(GetForegroundWindow(), keeper);
  EXPECT_EQ(GetTopWindow(nullptr), keeper);
  EXPECT_FALSE(SetForegroundWindow(other));
  EXPECT_EQ(GetActiveWindow(), keeper);

  // Once the window lets go, activation moves as usual.
  refusing = false;
  recorder->Clear();
  EXPECT_EQ(SetActiveWindow(other), keeper);
  EXPECT_TRUE(recorder->Matches({{HCBT_ACTIVATE, H},
                                 {WM_NCACTIVATE, S | W, 0},
                                 {WM_ACTIVATE, S | W, WA_INACTIVE},
                                 {WM_NCACTIVATE, S | X | W, 1},
                                 {WM_ACTIVATE, S | X | W, WA_ACTIVE},
                                 {HCBT_SETFOCUS, H},
                                 {WM_KILLFOCUS, S | D},
                                 {WM_SETFOCUS, S | D | X}}));
  EXPECT_EQ(GetActiveWindow(), other);
}

TEST_F(ActivationRefusalTest, FocusAndClicksInAnotherWindowLeaveTheActivationWhereItIs) {
  SetFocus(keeper);
  EXPECT_EQ(SetFocus(otherChild), nullptr);
  EXPECT_EQ(GetActiveWindow(), keeper);
  EXPECT_EQ(GetFocus(), keeper);

  headless::Click(100, 100);
  Pump();
  EXPECT_EQ(GetActiveWindow(), keeper);
  EXPECT_EQ(GetFocus(), keeper);
  // A press on the other window's caption starts no move loop either.
  headless::Click(100, 10);
  Pump();
  EXPECT_EQ(GetActiveWindow(), keeper);

  refusing = false;
  headless::Click(100, 100);
  Pump();
  EXPECT_EQ(GetActiveWindow(), other);
}

TEST_F(ActivationRefusalTest, HidingKeepsTheRefusingWindowActiveButDestroyingDoesNot) {
  ShowWindow(keeper, SW_HIDE);
  EXPECT_EQ(GetActiveWindow(), keeper);
  ShowWindow(keeper, SW_SHOW);

  // A window that goes away cannot keep the activation.
  recorder->Clear();
  DestroyWindow(keeper);
  EXPECT_EQ(GetActiveWindow(), other);
  EXPECT_EQ(GetFocus(), other);
}

}  // namespace
}  // namespace brellis::test
