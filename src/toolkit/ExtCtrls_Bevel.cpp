// TBevel: lines and boxes in the shadow and highlight colours, lowered
// (shadow above and left) or raised.
#include "toolkit/ExtCtrls.h"

const TEnumInfo& BevelShapeType() {
  static const TEnumInfo type("TBevelShape",
                              {"bsBox", "bsFrame", "bsTopLine", "bsBottomLine", "bsLeftLine", "bsRightLine", "bsSpacer"});
  return type;
}

const TEnumInfo& BevelStyleType() {
  static const TEnumInfo type("TBevelStyle", {"bsLowered", "bsRaised"});
  return type;
}

T_CLASS_INFO(TBevel, TGraphicControl, [](TClassInfo& c) {
  using namespace published;
  c.Factory = &CreateInstance<TBevel>;
  c.AddProperty(Enumeration<TBevel, TBevelShape>("Shape", BevelShapeType(), &TBevel::Shape, &TBevel::SetShape));
  c.AddProperty(Enumeration<TBevel, TBevelStyle>("Style", BevelStyleType(), &TBevel::Style, &TBevel::SetStyle));
})

TBevel::TBevel(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 50, 50);
  controlStyle_.Exclude(TControlStyleItem::csSetCaption);
}

void TBevel::SetShape(TBevelShape value) {
  if (value == shape_) return;
  shape_ = value;
  Invalidate();
}

void TBevel::SetStyle(TBevelStyle value) {
  if (value == style_) return;
  style_ = value;
  Invalidate();
}

void TBevel::Paint() {
  TCanvas* canvas = Canvas();
  TColor first = style_ == TBevelStyle::bsLowered ? clBtnShadow : clBtnHighlight;
  TColor second = style_ == TBevelStyle::bsLowered ? clBtnHighlight : clBtnShadow;
  canvas->Pen()->SetWidth(1);
  canvas->Pen()->SetStyle(TPenStyle::psSolid);
  auto line = [canvas](TColor colour, int x1, int y1, int x2, int y2) {
    canvas->Pen()->SetColor(colour);
    canvas->MoveTo(x1, y1);
    canvas->LineTo(x2, y2);
  };
  // The top and left sides in the first colour, the bottom and right in the second.
  auto box = [&](TColor topLeft, TColor bottomRight, int left, int top, int right, int bottom) {
    canvas->Pen()->SetColor(topLeft);
    canvas->MoveTo(left, bottom);
    canvas->LineTo(left, top);
    canvas->LineTo(right, top);
    canvas->Pen()->SetColor(bottomRight);
    canvas->LineTo(right, bottom);
    canvas->LineTo(left, bottom);
  };
  const int w = Width();
  const int h = Height();
  switch (shape_) {
    case TBevelShape::bsBox:
      box(first, second, 0, 0, w - 1, h - 1);
      break;
    case TBevelShape::bsFrame:
      // Two boxes, one pixel apart: an etched (or bumped) frame.
      box(second, second, 1, 1, w - 1, h - 1);
      box(first, first, 0, 0, w - 2, h - 2);
      break;
    case TBevelShape::bsTopLine:
      line(first, 0, 0, w, 0);
      line(second, 0, 1, w, 1);
      break;
    case TBevelShape::bsBottomLine:
      line(first, 0, h - 2, w, h - 2);
      line(second, 0, h - 1, w, h - 1);
      break;
    case TBevelShape::bsLeftLine:
      line(first, 0, 0, 0, h);
      line(second, 1, 0, 1, h);
      break;
    case TBevelShape::bsRightLine:
      line(first, w - 2, 0, w - 2, h);
      line(second, w - 1, 0, w - 1, h);
      break;
    case TBevelShape::bsSpacer:
      break;
  }
}
