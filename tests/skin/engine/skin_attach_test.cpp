// Attaching the skin to forms and windows: the hook sees a form activated,
// the manager attaches it, and the finished attach gives the window the
// skin's frame around an unchanged client area.
#include <gtest/gtest.h>

#include "skin/engine/engine_fixture.h"

namespace skintest {
namespace {

using AttachTest = EngineTest;

TEST_F(AttachTest, AnActivatedFormIsAttachedAndKeepsItsClientSize) {
  LoadMainSkin();
  TForm* form = ShowForm(TFormBorderStyle::bsSizeable, 300, 200);
  TWinSkinForm* skinned = SkinFormOf(form->Handle());
  ASSERT_NE(skinned, nullptr);
  EXPECT_EQ(skinned->FState, kStateReady);
  EXPECT_TRUE(skinned->FFrameSkinned);
  EXPECT_EQ(skinned->FBorderStyle, kBorderSizeable);
  EXPECT_EQ(skinned->FTitleHeight, skin->Top->Picture->Height() / skin->Top->Frame);
  EXPECT_EQ(skinned->FBorderLeft, skin->Left->Picture->Width() / skin->Left->Frame);
  const RECT client = ClientRectOf(form->Handle());
  EXPECT_EQ(client.right, 300);
  EXPECT_EQ(client.bottom, 200);
  const RECT window = WindowRectOf(form->Handle());
  EXPECT_EQ(window.right - window.left, 300 + skinned->FBorderLeft + skinned->FBorderRight);
  EXPECT_EQ(window.bottom - window.top, 200 + skinned->FTitleHeight + skinned->FBorderBottom);
  EXPECT_EQ(SendMessageA(form->Handle(), SKM_ISSKINNED, 0, 0), 1);
  EXPECT_EQ(form->Color(), skin->Colours[scButtonFace]);
}

}  // namespace
}  // namespace skintest
