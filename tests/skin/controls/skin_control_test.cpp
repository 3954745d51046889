// TSkinControl on real windows: it sees the control's messages around the
// control's own handling, answers the engine's questions, and hands every
// procedure back whichever of the control, the skin and the form goes first.
#include <gtest/gtest.h>

#include "skin/controls/controls_fixture.h"
#include "support/message_recorder.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/StdCtrls.h"

namespace skintest {
namespace {

using SkinControlTest = ControlsTest;

TPanel* AddPanel(TForm* form) {
  auto* panel = NewComponent<TPanel>(form);
  panel->SetParent(form);
  panel->SetBounds(10, 10, 120, 60);
  return panel;
}

TEST_F(SkinControlTest, AControlDestroyedFirstDestroysItsSkinAfterItsLastMessage) {
  RecordingSkinClasses classes;
  LoadMainSkin();
  TForm* form = NewForm();
  TPanel* panel = AddPanel(form);
  TWinSkinForm* skinned = ShowAndAttach(form);
  auto* object = static_cast<TRecordingSkin*>(SkinOf(skinned, panel));
  ASSERT_NE(object, nullptr);
  object->FLog = &SkinLog();
  EXPECT_EQ(object->FState, kSkinControlAttached);
  EXPECT_EQ(SendMessageA(panel->Handle(), SKM_ISSKINNED, 0, 0), 1);

  panel->Free();
  EXPECT_EQ(SkinLog(), (std::vector<std::string>{"before WM_NCDESTROY", "skin freed"}));
  EXPECT_EQ(SkinOf(skinned, panel), nullptr);
}

TEST_F(SkinControlTest, TheControlPaintsFirstAndTheSkinDrawsAfterIt) {
  RecordingSkinClasses classes;
  LoadMainSkin();
  TForm* form = NewForm();
  TPanel* panel = AddPanel(form);
  auto* object = static_cast<TRecordingSkin*>(SkinOf(ShowAndAttach(form), panel));
  ASSERT_NE(object, nullptr);
  object->FLog = &SkinLog();
  const int draws = object->FDraws;
  InvalidateRect(panel->Handle(), nullptr, TRUE);
  UpdateWindow(panel->Handle());
  EXPECT_EQ(SkinLog(), std::vector<std::string>{"after WM_PAINT"});
  EXPECT_EQ(object->FDraws, draws + 1);
  EXPECT_EQ(RectWidth(object->FWindowRect), 120);
}

TEST_F(SkinControlTest, SkmEnableSwitchesTheSkinOffAndBackOnWithARepaint) {
  RecordingSkinClasses classes;
  LoadMainSkin();
  TForm* form = NewForm();
  TPanel* panel = AddPanel(form);
  auto* object = static_cast<TRecordingSkin*>(SkinOf(ShowAndAttach(form), panel));
  ASSERT_NE(object, nullptr);

  EXPECT_EQ(SendMessageA(panel->Handle(), SKM_ENABLE, 0, 0), 0);
  EXPECT_FALSE(object->FSkinEnabled);
  EXPECT_EQ(SendMessageA(panel->Handle(), SKM_ISSKINNED, 0, 0), 0) << "the panel's own answer";
  const int draws = object->FDraws;
  InvalidateRect(panel->Handle(), nullptr, TRUE);
  UpdateWindow(panel->Handle());
  EXPECT_EQ(object->FDraws, draws) << "an unskinned control paints alone";

  SendMessageA(panel->Handle(), SKM_ENABLE, static_cast<WPARAM>(-1), 0);
  EXPECT_FALSE(object->FSkinEnabled) << "wParam is signed";
  SendMessageA(panel->Handle(), SKM_ENABLE, 1, 0);
  EXPECT_TRUE(object->FSkinEnabled);
  EXPECT_EQ(object->FDraws, draws + 1) << "switching on repaints at once";
  EXPECT_EQ(SendMessageA(panel->Handle(), SKM_ISSKINNED, 0, 0), 1);
}

TEST_F(SkinControlTest, SwitchingTheSkinOffHandsEveryControlBackAndRestoresItsColour) {
  RecordingSkinClasses classes;
  LoadMainSkin();
  TForm* form = NewForm();
  TPanel* panel = AddPanel(form);
  panel->SetColor(clRed);
  TWinSkinForm* skinned = ShowAndAttach(form);
  ASSERT_NE(SkinOf(skinned, panel), nullptr);
  static_cast<TRecordingSkin*>(SkinOf(skinned, panel))->FLog = &SkinLog();
  EXPECT_EQ(panel->Color(), skin->Colours[scButtonFace]) << "panels are attached with the face colour";

  skin->SetActive(false);
  Settle(300);
  EXPECT_EQ(SkinFormOf(form->Handle()), nullptr);
  EXPECT_EQ(SkinLog(), std::vector<std::string>{"skin freed"});
  EXPECT_EQ(panel->Color(), clRed);
  EXPECT_EQ(SendMessageA(panel->Handle(), SKM_ISSKINNED, 0, 0), 0);
  panel->Repaint();  // the control's own WindowProc is back
}

TEST_F(SkinControlTest, ASkinComponentFreedFirstLeavesEveryControlWorking) {
  RecordingSkinClasses classes;
  LoadMainSkin();
  TForm* form = NewForm();
  TPanel* panel = AddPanel(form);
  ASSERT_NE(SkinOf(ShowAndAttach(form), panel), nullptr);
  skin->Free();
  skin = nullptr;
  EXPECT_EQ(SendMessageA(panel->Handle(), SKM_ISSKINNED, 0, 0), 0);
  panel->Repaint();
  panel->Free();
}

TEST_F(SkinControlTest, ARecreatedWindowKeepsItsSkin) {
  RecordingSkinClasses classes;
  LoadMainSkin();
  TForm* form = NewForm();
  TPanel* panel = AddPanel(form);
  TWinSkinForm* skinned = ShowAndAttach(form);
  TSkinControl* object = SkinOf(skinned, panel);
  ASSERT_NE(object, nullptr);
  const HWND old = panel->Handle();
  panel->RecreateWnd();
  ASSERT_NE(panel->Handle(), old);
  EXPECT_EQ(object->FHandle, panel->Handle());
  EXPECT_EQ(object->FState, kSkinControlAttached);
  EXPECT_EQ(SendMessageA(panel->Handle(), SKM_ISSKINNED, 0, 0), 1);
  EXPECT_EQ(SkinOf(skinned, panel), object);
}

TEST_F(SkinControlTest, ABareWindowGetsItsProcedureBackInEveryOrder) {
  RecordingSkinClasses classes;
  LoadMainSkin();
  const std::size_t thunks = platform::LiveThunkCount();
  HWND dialog = CreateWindowExW(0, brellis::test::MessageRecorder::WideClass(), u"Dialog", WS_OVERLAPPEDWINDOW,
                                100, 100, 300, 200, nullptr, nullptr, platform::ProgramModule(), nullptr);
  HWND first = CreateWindowExW(0, u"Button", u"OK", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 80, 24, dialog,
                               nullptr, nullptr, nullptr);
  HWND second = CreateWindowExW(0, u"Button", u"No", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 40, 80, 24,
                                dialog, nullptr, nullptr, nullptr);
  const LONG_PTR own = GetWindowLongPtrW(second, GWLP_WNDPROC);
  ShowWindow(dialog, SW_SHOW);
  Settle();
  TWinSkinForm* skinned = SkinFormOf(dialog);
  ASSERT_NE(skinned, nullptr);
  ASSERT_NE(skinned->FindWindowSkin(first), nullptr);
  ASSERT_NE(skinned->FindWindowSkin(second), nullptr);
  EXPECT_NE(GetWindowLongPtrW(second, GWLP_WNDPROC), own);
  EXPECT_EQ(SendMessageW(first, SKM_ISSKINNED, 0, 0), 1);

  // The window first: the object stays listed, dead, until the form goes.
  DestroyWindow(first);
  ASSERT_NE(skinned->FindWindowSkin(first), nullptr);
  EXPECT_TRUE(skinned->FindWindowSkin(first)->Dead());
  // The form first: the other button gets its own procedure back.
  skin->SetActive(false);
  Settle(300);
  EXPECT_EQ(GetWindowLongPtrW(second, GWLP_WNDPROC), own);
  EXPECT_EQ(SendMessageW(second, SKM_ISSKINNED, 0, 0), 0);
  DestroyWindow(dialog);
  EXPECT_EQ(platform::LiveThunkCount(), thunks);
}

}  // namespace
}  // namespace skintest
