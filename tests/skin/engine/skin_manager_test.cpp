// The skin manager: the hook attaching windows as they are activated, the
// deferred on/off/changed requests, switching the skin off and on for every
// window, and the manager's teardown with windows still open.
#include <gtest/gtest.h>

#include "platform/display/headless/headless.h"
#include "skin/engine/engine_fixture.h"
#include "support/message_recorder.h"
#include "toolkit/ExtCtrls.h"

namespace skintest {
namespace {

namespace headless = platform::display::headless;
using brellis::test::kDefWinProc;
using brellis::test::kHook;
using brellis::test::kLParam;
using brellis::test::kOptional;
using brellis::test::kPosted;
using brellis::test::kSent;
using brellis::test::kWParam;
using brellis::test::MessageRecorder;

using ManagerTest = EngineTest;

int attachPasses = 0;
void CountAttachPass(TWinSkinForm*) { ++attachPasses; }

TEST_F(ManagerTest, HookSeesCreationAndActivationAndTheManagerAttaches) {
  LoadMainSkin();
  MessageRecorder recorder;
  recorder.HookCbt();
  attachPasses = 0;
  TWinSkinForm::ControlAttachPass = &CountAttachPass;
  HWND window = CreateWindowExW(0, MessageRecorder::WideClass(), u"Brellis", WS_OVERLAPPEDWINDOW, 100, 100, 320, 240,
                                nullptr, nullptr, platform::ProgramModule(), nullptr);
  recorder.SetMainWindow(window);
  ShowWindow(window, SW_SHOW);
  ASSERT_NE(SkinFormOf(window), nullptr) << "attached at its first activation";
  EXPECT_EQ(SkinFormOf(window)->FState, kStateAttached);
  EXPECT_EQ(SkinManager->FStarted, 1);
  MSG queued{};
  ASSERT_TRUE(PeekMessageW(&queued, window, SKM_FINISHATTACH, SKM_FINISHATTACH, PM_NOREMOVE));
  EXPECT_EQ(queued.wParam, 0u);
  EXPECT_EQ(queued.lParam, SKM_FINISHATTACH_TAG);
  // Before the attach has finished, the frame is not painted.
  EXPECT_EQ(SendMessageW(window, WM_NCACTIVATE, TRUE, 0), 0);
  recorder.Pump();
  TWinSkinForm::ControlAttachPass = nullptr;
  EXPECT_EQ(attachPasses, 1);
  EXPECT_EQ(SkinFormOf(window)->FState, kStateReady);
  recorder.UnhookCbt();
  EXPECT_TRUE(recorder.Matches({
      {HCBT_CREATEWND, kHook},
      {WM_GETMINMAXINFO, kSent | kOptional},
      {WM_NCCREATE, kSent},
      {WM_NCCALCSIZE, kSent},
      {WM_CREATE, kSent},
      {WM_SHOWWINDOW, kSent},
      {WM_WINDOWPOSCHANGING, kSent},
      {HCBT_ACTIVATE, kHook},
      // The manager asks whether the window is skinned already, then
      // attaches it; the frame's first activation is refused.
      {SKM_ISSKINNED, kSent},
      {WM_ACTIVATEAPP, kSent},
      {WM_ACTIVATE, kSent},
      {HCBT_SETFOCUS, kHook | kOptional},
      {WM_SETFOCUS, kSent | kDefWinProc | kOptional},
      {WM_ERASEBKGND, kSent | kOptional},
      {WM_WINDOWPOSCHANGED, kSent},
      {WM_SIZE, kSent},
      {WM_MOVE, kSent},
      // The finished attach: the frame grows around the client area, the
      // frame's painting hides the system-menu style from the platform.
      {WM_WINDOWPOSCHANGING, kSent},
      {WM_GETMINMAXINFO, kSent | kDefWinProc | kOptional},
      {WM_NCCALCSIZE, kSent | kWParam, TRUE},
      {WM_STYLECHANGING, kSent | kOptional},
      {WM_STYLECHANGED, kSent | kOptional},
      {WM_ERASEBKGND, kSent | kOptional},
      {WM_WINDOWPOSCHANGED, kSent},
      {WM_MOVE, kSent | kDefWinProc | kOptional},
      {WM_STYLECHANGING, kSent | kOptional},
      {WM_STYLECHANGED, kSent | kOptional},
      {WM_ERASEBKGND, kSent | kOptional},
      {SKM_SKINNED, kSent | kLParam, 0, SKM_MAGIC},
      {HCBT_CREATEWND, kHook | kOptional},
      {WM_PAINT, kPosted | kOptional},
  })) << recorder.Describe();
  DestroyWindow(window);
}

// A box raised before the window's attach has finished (as the login's
// error box is, from the main window's OnShow) still becomes active.
void AnswerActiveBox(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  const HWND active = GetActiveWindow();
  char cls[16] = "";
  GetClassNameA(active, cls, sizeof(cls));
  if (std::string(cls) == "#32770") headless::Key(VK_RETURN);
}

TEST_F(ManagerTest, ABoxRaisedBeforeTheAttachFinishesBecomesActive) {
  LoadMainSkin();
  HWND window = CreateWindowExW(0, MessageRecorder::WideClass(), u"Brellis", WS_OVERLAPPEDWINDOW, 100, 100, 320, 240,
                                nullptr, nullptr, platform::ProgramModule(), nullptr);
  ShowWindow(window, SW_SHOW);
  ASSERT_EQ(SkinFormOf(window)->FState, kStateAttached);
  SetTimer(nullptr, 0, 10, &AnswerActiveBox);
  EXPECT_EQ(MessageBoxW(window, u"Login failed", u"Brellis", MB_OK), IDOK) << "the box had the keyboard";
  EXPECT_EQ(SkinFormOf(window)->FState, kStateReady);
  DestroyWindow(window);
}

TEST_F(ManagerTest, RequestsBeforeAnyActivationRunAtOnce) {
  LoadMainSkin();
  EXPECT_EQ(SkinManager->FStarted, 0);
  EXPECT_TRUE(SkinManager->FActive) << "switched on without waiting";
  EXPECT_FALSE(SkinManager->FTimer->Enabled());
  skin->SetActive(false);
  EXPECT_FALSE(SkinManager->FActive);
}

TEST_F(ManagerTest, OnlyTheLastOfTwoQuickRequestsRuns) {
  LoadMainSkin();
  TForm* form = ShowForm(TFormBorderStyle::bsSizeable);
  ASSERT_NE(SkinFormOf(form->Handle()), nullptr);
  int changes = 0;
  skin->OnSkinChanged = [&](TObject* sender) {
    EXPECT_EQ(sender, skin);
    ++changes;
  };
  skin->SetActive(false);
  Settle(100);
  skin->SetActive(true);
  Settle(200);
  EXPECT_EQ(changes, 0) << "the timer restarts with the second request";
  EXPECT_NE(SkinFormOf(form->Handle()), nullptr);
  Settle(100);
  EXPECT_EQ(changes, 1);
  EXPECT_NE(SkinFormOf(form->Handle()), nullptr) << "the form was never detached";
  EXPECT_EQ(SkinManager->FActionSkin, nullptr);
}

TEST_F(ManagerTest, SkinOffDetachesEveryWindowAndSkinOnAttachesThemInOneSweep) {
  LoadMainSkin(false);
  TForm* first = ShowForm(TFormBorderStyle::bsSizeable, 300, 200);
  TForm* second = ShowForm(TFormBorderStyle::bsDialog, 200, 100);
  struct Unskinned {
    LONG_PTR proc;
    LONG style;
    RECT window;
    RECT client;
  };
  const auto read = [](HWND h) {
    return Unskinned{GetWindowLongPtrA(h, GWLP_WNDPROC), GetWindowLongA(h, GWL_STYLE), WindowRectOf(h),
                     ClientRectOf(h)};
  };
  const Unskinned before[] = {read(first->Handle()), read(second->Handle())};

  skin->SetActive(true);
  Settle(300);
  for (TForm* form : {first, second}) {
    ASSERT_NE(SkinFormOf(form->Handle()), nullptr);
    EXPECT_EQ(SendMessageA(form->Handle(), SKM_ISSKINNED, 0, 0), 1);
  }
  EXPECT_EQ(SkinManager->FForms.size(), 2u);

  skin->SetActive(false);
  Settle(300);
  EXPECT_TRUE(SkinManager->FForms.empty());
  int i = 0;
  for (TForm* form : {first, second}) {
    const Unskinned after = read(form->Handle());
    EXPECT_EQ(after.proc, before[i].proc) << "the procedure chain is as it was";
    EXPECT_EQ(after.style, before[i].style);
    EXPECT_TRUE(EqualRect(&after.window, &before[i].window));
    EXPECT_TRUE(EqualRect(&after.client, &before[i].client));
    EXPECT_EQ(SendMessageA(form->Handle(), SKM_ISSKINNED, 0, 0), 0) << "nobody answers the skinned-query";
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(form->Handle(), region), ERROR) << "no window region";
    DeleteObject(region);
    ++i;
  }

  skin->SetActive(true);
  Settle(300);
  EXPECT_EQ(SkinManager->FForms.size(), 2u) << "both attached again in one sweep";
}

TEST_F(ManagerTest, TeardownWithWindowsOpenLeavesThemWorking) {
  LoadMainSkin();
  TForm* form = ShowForm(TFormBorderStyle::bsSizeable, 300, 200);
  const HWND window = form->Handle();
  ASSERT_NE(SkinFormOf(window), nullptr);
  skin->Free();
  skin = nullptr;
  EXPECT_EQ(SkinManager, nullptr);
  EXPECT_EQ(SendMessageA(window, SKM_ISSKINNED, 0, 0), 0);
  form->SetCaption("Still working");
  EXPECT_EQ(form->Caption(), "Still working");
  // No hook remains: a new form is just a form.
  TForm* later = ShowForm(TFormBorderStyle::bsSizeable);
  EXPECT_EQ(SendMessageA(later->Handle(), SKM_ISSKINNED, 0, 0), 0);
}

TEST_F(ManagerTest, WindowsDestroyedWhileSkinnedArePurged) {
  LoadMainSkin();
  TForm* form = ShowForm(TFormBorderStyle::bsSizeable);
  const HWND window = form->Handle();
  TWinSkinForm* skinned = SkinFormOf(window);
  ASSERT_NE(skinned, nullptr);
  form->Free();
  Settle();
  ASSERT_EQ(SkinManager->FForms.size(), 1u);
  EXPECT_EQ(SkinManager->FForms[0]->FState, kStateDead);
  ShowForm(TFormBorderStyle::bsSizeable);
  EXPECT_EQ(SkinManager->FForms.size(), 1u) << "the dead entry is dropped at the next attach";
}

// A message box raised while the skin is on: its buttons are found, the box
// widens for its caption, and it still answers keys and clicks.
struct BoxSeen {
  HWND box = nullptr;
  bool skinned = false;
  int width = 0;
  int needed = 0;
  POINT yes{};
};
BoxSeen* g_box = nullptr;

void InspectBox(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  BoxSeen& seen = *g_box;
  seen.box = GetActiveWindow();
  if (TWinSkinForm* skinned = SkinManager->FindSkinForm(seen.box)) {
    seen.skinned = skinned->FState == kStateReady && skinned->FDialogClass;
    seen.needed = skinned->FSkin->Title->LeftWidth + skinned->FCaptionTextWidth + skinned->FSkin->Title->RightWidth;
  }
  seen.width = WindowRectOf(seen.box).right - WindowRectOf(seen.box).left;
  const HWND yes = GetDlgItem(seen.box, IDYES);
  const RECT r = WindowRectOf(yes);
  seen.yes = POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  headless::Click(seen.yes.x, seen.yes.y);
}

TEST_F(ManagerTest, AMessageBoxIsSkinnedWidenedAndStillAnswers) {
  LoadMainSkin();
  TForm* owner = ShowForm(TFormBorderStyle::bsSizeable, 400, 300);
  MessageRecorder recorder;
  recorder.HookCbt();
  BoxSeen seen;
  g_box = &seen;
  SetTimer(nullptr, 0, 10, &InspectBox);
  const int answer = MessageBoxW(owner->Handle(), u"Go?", u"A rather long caption for such a short question",
                                 MB_YESNO | MB_ICONQUESTION);
  recorder.UnhookCbt();
  g_box = nullptr;
  EXPECT_EQ(answer, IDYES) << "a click on the moved Yes button answers";
  EXPECT_TRUE(seen.skinned);
  EXPECT_GE(seen.width, seen.needed) << "widened until the caption fits";
  // The hook saw the box and its children made, then the box activated.
  std::vector<std::string> classes;
  bool activated = false;
  for (const auto& m : recorder.Log()) {
    if (m.flags & kHook && m.message == HCBT_CREATEWND && !activated) classes.push_back(m.detail);
    if (m.flags & kHook && m.message == HCBT_ACTIVATE && m.hwnd == seen.box) activated = true;
  }
  EXPECT_TRUE(activated);
  ASSERT_GE(classes.size(), 5u);
  EXPECT_EQ(classes[0], "#32770");

  // Keys answer a skinned box as they answer a plain one.
  headless::Key(VK_ESCAPE);
  EXPECT_EQ(MessageBoxW(owner->Handle(), u"Go?", u"Brellis", MB_YESNO), IDNO);
  headless::Key(VK_RETURN);
  EXPECT_EQ(MessageBoxW(owner->Handle(), u"Go?", u"Brellis", MB_YESNO), IDYES);
}

}  // namespace
}  // namespace skintest
