// TPanel: a container drawn with an outer and an inner bevel around its
// colour and a centred caption; aligned children share what lies inside the
// bevels.
#include "toolkit/ExtCtrls.h"

namespace {

// Draws `width` one-pixel frames, top-left in one colour and bottom-right in
// another, moving `rect` inwards.
void Frame3D(TCanvas* canvas, TRect& rect, TColor topLeft, TColor bottomRight, int width) {
  TBrush* brush = canvas->Brush();
  brush->SetStyle(TBrushStyle::bsSolid);
  for (int i = 0; i < width && rect.right > rect.left && rect.bottom > rect.top; ++i) {
    brush->SetColor(topLeft);
    canvas->FillRect(Rect(rect.left, rect.top, rect.right - 1, rect.top + 1));
    canvas->FillRect(Rect(rect.left, rect.top, rect.left + 1, rect.bottom - 1));
    brush->SetColor(bottomRight);
    canvas->FillRect(Rect(rect.left, rect.bottom - 1, rect.right, rect.bottom));
    canvas->FillRect(Rect(rect.right - 1, rect.top, rect.right, rect.bottom));
    InflateRect(&rect, -1, -1);
  }
}

void DrawBevel(TCanvas* canvas, TRect& rect, TBevelCut cut, TColor face, int width) {
  switch (cut) {
    case TBevelCut::bvRaised: return Frame3D(canvas, rect, clBtnHighlight, clBtnShadow, width);
    case TBevelCut::bvLowered: return Frame3D(canvas, rect, clBtnShadow, clBtnHighlight, width);
    case TBevelCut::bvSpace: return Frame3D(canvas, rect, face, face, width);
    case TBevelCut::bvNone: return;
  }
}

}  // namespace

const TEnumInfo& BevelCutType() {
  static const TEnumInfo type("TBevelCut", {"bvNone", "bvLowered", "bvRaised", "bvSpace"});
  return type;
}

T_CLASS_INFO(TPanel, TCustomControl, [](TClassInfo& c) {
  using namespace published;
  c.Factory = &CreateInstance<TPanel>;
  c.AddProperty(Enumeration<TPanel, TBevelCut>("BevelOuter", BevelCutType(), &TPanel::BevelOuter, &TPanel::SetBevelOuter));
  c.AddProperty(Enumeration<TPanel, TBevelCut>("BevelInner", BevelCutType(), &TPanel::BevelInner, &TPanel::SetBevelInner));
  c.AddProperty(Integer<TPanel>("BevelWidth", &TPanel::BevelWidth, &TPanel::SetBevelWidth));
  c.AddProperty(Integer<TPanel>("BorderWidth", &TPanel::BorderWidth, &TPanel::SetBorderWidth));
  c.AddProperty(
      Enumeration<TPanel, TAlignment>("Alignment", AlignmentType(), &TPanel::Alignment, &TPanel::SetAlignment));
  c.AddProperty(Enumeration<TPanel, TBorderStyle>("BorderStyle", BorderStyleType(), &TPanel::BorderStyle,
                                                  &TPanel::SetBorderStyle));
  c.AddProperty(Boolean<TPanel>("Transparent", &TPanel::Transparent, &TPanel::SetTransparent));
})

TPanel::TPanel(TComponent* owner) : TCustomControl(owner) {
  controlStyle_.Include(TControlStyleItem::csAcceptsControls);
  controlStyle_.Include(TControlStyleItem::csOpaque);
  SetBounds(0, 0, 185, 41);
  SetColor(clBtnFace);
}

void TPanel::SetBevelOuter(TBevelCut value) {
  bevelOuter_ = value;
  Realign();
  Invalidate();
}

void TPanel::SetBevelInner(TBevelCut value) {
  bevelInner_ = value;
  Realign();
  Invalidate();
}

void TPanel::SetBevelWidth(int value) {
  bevelWidth_ = std::max(1, value);
  Realign();
  Invalidate();
}

void TPanel::SetBorderWidth(int value) {
  borderWidth_ = std::max(0, value);
  Realign();
  Invalidate();
}

void TPanel::SetAlignment(TAlignment value) {
  alignment_ = value;
  Invalidate();
}

void TPanel::SetTransparent(bool value) {
  transparent_ = value;
  Invalidate();
}

int TPanel::BevelSize() const {
  int size = borderWidth_;
  if (bevelOuter_ != TBevelCut::bvNone) size += bevelWidth_;
  if (bevelInner_ != TBevelCut::bvNone) size += bevelWidth_;
  return size;
}

void TPanel::AdjustClientRect(TRect& rect) { InflateRect(&rect, -BevelSize(), -BevelSize()); }

void TPanel::Paint() {
  TCanvas* canvas = Canvas();
  TRect rect = ClientRect();
  DrawBevel(canvas, rect, bevelOuter_, Color(), bevelWidth_);
  Frame3D(canvas, rect, Color(), Color(), borderWidth_);
  DrawBevel(canvas, rect, bevelInner_, Color(), bevelWidth_);
  if (!transparent_) {
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(rect);
  }
  const AnsiString caption = Caption();
  if (caption.empty()) return;
  UINT flags = DT_VCENTER | DT_SINGLELINE | DT_EXPANDTABS;
  if (alignment_ == TAlignment::taCenter) flags |= DT_CENTER;
  if (alignment_ == TAlignment::taRightJustify) flags |= DT_RIGHT;
  HDC dc = canvas->Handle();
  HGDIOBJ previous = SelectObject(dc, Font()->Handle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(Enabled() ? Font()->Color() : clGrayText));
  DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &rect, flags);
  SelectObject(dc, previous);
}
