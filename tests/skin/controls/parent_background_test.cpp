// PaintParentBackground: what lies under a control in its parent, painted
// into the control's own DC, for transparent control skins.
#include <gtest/gtest.h>

#include "skin/controls/controls_fixture.h"
#include "support/canvas.h"
#include "support/golden.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/ExtCtrls_Shapes.h"

namespace skintest {
namespace {

using ParentBackgroundTest = ControlsTest;

TEST_F(ParentBackgroundTest, TheParentAndItsWindowlessChildrenLandUnderTheControl) {
  TForm* form = NewForm();
  auto* parent = NewComponent<TPanel>(form);
  parent->SetParent(form);
  parent->SetBounds(0, 0, 200, 120);
  parent->SetBevelOuter(TBevelCut::bvNone);
  parent->SetColor(RGB(240, 220, 120));
  auto* shape = NewComponent<TShape>(form);
  shape->SetParent(parent);
  shape->SetShape(TShapeType::stEllipse);
  shape->SetBounds(10, 10, 70, 50);
  shape->Brush()->SetColor(RGB(40, 80, 200));
  auto* control = NewComponent<TPanel>(form);
  control->SetParent(parent);
  control->SetBounds(40, 25, 90, 60);
  form->Show();
  Settle();

  brellis::test::Canvas target(90, 60, RGB(255, 0, 255));
  PaintParentBackground(control, target.Dc());
  EXPECT_EQ(target.At(85, 55), RGB(240, 220, 120)) << "the parent's colour";
  EXPECT_EQ(target.At(5, 10), RGB(40, 80, 200)) << "the ellipse, moved by the control's place";
  EXPECT_TRUE(brellis::test::MatchesGolden(target.Snapshot(), "skin/parent_background"));

  // The DC is left as it was: origin and clipping restored.
  POINT origin{};
  GetViewportOrgEx(target.Dc(), &origin);
  EXPECT_EQ(origin.x, 0);
  EXPECT_EQ(origin.y, 0);
}

TEST_F(ParentBackgroundTest, AControlWithoutParentOrDcDrawsNothing) {
  auto* orphan = NewComponent<TPanel>(nullptr);
  brellis::test::Canvas target(20, 20, RGB(255, 0, 255));
  PaintParentBackground(orphan, target.Dc());
  PaintParentBackground(nullptr, target.Dc());
  PaintParentBackground(orphan, nullptr);
  EXPECT_EQ(target.At(10, 10), RGB(255, 0, 255));
  orphan->Free();
}

}  // namespace
}  // namespace skintest
