// TShape: a rectangle, square, rounded rectangle or square, ellipse or
// circle filling the control, drawn with its own pen and brush.
#include "toolkit/ExtCtrls.h"

const TEnumInfo& ShapeTypeType() {
  static const TEnumInfo type("TShapeType",
                              {"stRectangle", "stSquare", "stRoundRect", "stRoundSquare", "stEllipse", "stCircle"});
  return type;
}

T_CLASS_INFO(TShape, TGraphicControl, [](TClassInfo& c) {
  using namespace published;
  c.Factory = &CreateInstance<TShape>;
  c.AddProperty(Enumeration<TShape, TShapeType>("Shape", ShapeTypeType(), &TShape::Shape, &TShape::SetShape));
  c.AddProperty(Object<TShape, TPen>("Pen", &TShape::Pen, &TShape::SetPen));
  c.AddProperty(Object<TShape, TBrush>("Brush", &TShape::Brush, &TShape::SetBrush));
})

TShape::TShape(TComponent* owner)
    : TGraphicControl(owner), pen_(std::make_unique<TPen>()), brush_(std::make_unique<TBrush>()) {
  SetBounds(0, 0, 65, 65);
  controlStyle_.Exclude(TControlStyleItem::csSetCaption);
  pen_->OnChange = [this](TObject*) { Invalidate(); };
  brush_->OnChange = [this](TObject*) { Invalidate(); };
}

TShape::~TShape() {
  pen_->OnChange = nullptr;
  brush_->OnChange = nullptr;
}

void TShape::SetShape(TShapeType value) {
  if (value == shape_) return;
  shape_ = value;
  Invalidate();
}

void TShape::Paint() {
  TCanvas* canvas = Canvas();
  canvas->SetPen(pen_.get());
  canvas->SetBrush(brush_.get());
  // The pen's middle runs inside the control, so wide pens stay whole.
  const int penWidth = pen_->Width();
  int x = penWidth / 2;
  int y = x;
  int w = Width() - penWidth + 1;
  int h = Height() - penWidth + 1;
  if (penWidth == 0) {
    --w;
    --h;
  }
  const int side = std::min(w, h);
  if (shape_ == TShapeType::stSquare || shape_ == TShapeType::stRoundSquare || shape_ == TShapeType::stCircle) {
    x += (w - side) / 2;
    y += (h - side) / 2;
    w = side;
    h = side;
  }
  switch (shape_) {
    case TShapeType::stRectangle:
    case TShapeType::stSquare:
      canvas->Rectangle(x, y, x + w, y + h);
      break;
    case TShapeType::stRoundRect:
    case TShapeType::stRoundSquare:
      canvas->RoundRect(x, y, x + w, y + h, side / 4, side / 4);
      break;
    case TShapeType::stEllipse:
    case TShapeType::stCircle:
      canvas->Ellipse(x, y, x + w, y + h);
      break;
  }
}
