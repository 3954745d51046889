// TSpeedButton: a windowless button. It goes down while pressed, stays down
// in a group, shows its edge only under the mouse when flat, and draws one of
// up to four glyph cells (up, disabled, pressed, down) beside its caption.
#include "toolkit/Buttons.h"

const TEnumInfo& ButtonLayoutType() {
  static const TEnumInfo type("TButtonLayout", {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"});
  return type;
}

T_CLASS_INFO(TSpeedButton, TGraphicControl, [](TClassInfo& c) {
  using namespace published;
  using B = TSpeedButton;
  c.Factory = &CreateInstance<TSpeedButton>;
  c.AddProperty(Boolean<B>("AllowAllUp", &B::AllowAllUp, &B::SetAllowAllUp));
  c.AddProperty(Integer<B>("GroupIndex", &B::GroupIndex, &B::SetGroupIndex));
  c.AddProperty(Boolean<B>("Down", &B::Down, &B::SetDown));
  c.AddProperty(Boolean<B>("Flat", &B::Flat, &B::SetFlat));
  c.AddProperty(Object<B, TBitmap>("Glyph", &B::Glyph, &B::SetGlyph));
  c.AddProperty(Enumeration<B, TButtonLayout>("Layout", ButtonLayoutType(), &B::Layout, &B::SetLayout));
  c.AddProperty(Integer<B>("Margin", &B::Margin, &B::SetMargin));
  c.AddProperty(Integer<B>("NumGlyphs", &B::NumGlyphs, &B::SetNumGlyphs));
  c.AddProperty(Integer<B>("Spacing", &B::Spacing, &B::SetSpacing));
  c.AddProperty(Boolean<B>("Transparent", &B::Transparent, &B::SetTransparent));
})

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner), glyph_(std::make_unique<TBitmap>()) {
  glyph_->OnChange = [this](TObject*) { GlyphChanged(); };
  controlStyle_.Exclude(TControlStyleItem::csClickEvents);
  controlStyle_.Exclude(TControlStyleItem::csSetCaption);
  SetBounds(0, 0, 23, 22);
  SetParentFont(true);
}

TSpeedButton::~TSpeedButton() { glyph_->OnChange = nullptr; }

void TSpeedButton::GlyphChanged() {
  if (!glyph_->Empty()) {
    glyph_->SetTransparent(true);
    // A strip of square cells tells how many glyphs it holds.
    if (glyph_->Height() > 0 && glyph_->Width() % glyph_->Height() == 0) {
      const int cells = glyph_->Width() / glyph_->Height();
      if (cells >= 1 && cells <= 4) numGlyphs_ = cells;
    }
  }
  Invalidate();
}

void TSpeedButton::SetAllowAllUp(bool value) {
  allowAllUp_ = value;
  UpdateExclusive();
}

void TSpeedButton::SetDown(bool value) {
  if (groupIndex_ == 0) value = false;
  if (value == down_) return;
  if (down_ && !allowAllUp_) return;
  down_ = value;
  state_ = value ? TButtonState::bsExclusive : TButtonState::bsUp;
  Invalidate();
  if (value) UpdateExclusive();
}

void TSpeedButton::SetFlat(bool value) {
  flat_ = value;
  Invalidate();
}

void TSpeedButton::SetGroupIndex(int value) {
  groupIndex_ = value;
  UpdateExclusive();
}

void TSpeedButton::SetLayout(TButtonLayout value) {
  layout_ = value;
  Invalidate();
}

void TSpeedButton::SetMargin(int value) {
  margin_ = std::max(-1, value);
  Invalidate();
}

void TSpeedButton::SetNumGlyphs(int value) {
  numGlyphs_ = std::clamp(value, 1, 4);
  Invalidate();
}

void TSpeedButton::SetSpacing(int value) {
  spacing_ = value;
  Invalidate();
}

void TSpeedButton::SetTransparent(bool value) {
  transparent_ = value;
  Invalidate();
}

void TSpeedButton::UpdateExclusive() {
  if (groupIndex_ == 0 || Parent() == nullptr) return;
  for (int i = 0; i < Parent()->ControlCount(); ++i) {
    auto* other = As<TSpeedButton>(Parent()->Controls(i));
    if (other == nullptr || other == this || other->groupIndex_ != groupIndex_) continue;
    other->allowAllUp_ = allowAllUp_;
    if (down_ && other->down_) {
      other->down_ = false;
      other->state_ = TButtonState::bsUp;
      other->Invalidate();
    }
  }
}

void TSpeedButton::Click() { TGraphicControl::Click(); }

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseDown(button, shift, x, y);
  if (button != TMouseButton::mbLeft || !Enabled()) return;
  if (!down_) {
    state_ = TButtonState::bsDown;
    Invalidate();
  }
  dragging_ = true;
}

void TSpeedButton::MouseMove(TShiftState shift, int x, int y) {
  TGraphicControl::MouseMove(shift, x, y);
  if (!dragging_) return;
  const bool inside = x >= 0 && x < Width() && y >= 0 && y < Height();
  TButtonState next = down_ ? TButtonState::bsExclusive : TButtonState::bsUp;
  if (inside && !down_) next = TButtonState::bsDown;
  if (next != state_) {
    state_ = next;
    Invalidate();
  }
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseUp(button, shift, x, y);
  if (!dragging_ || button != TMouseButton::mbLeft) return;
  dragging_ = false;
  const bool inside = x >= 0 && x < Width() && y >= 0 && y < Height();
  if (groupIndex_ == 0) {
    state_ = TButtonState::bsUp;
    Invalidate();
  } else if (inside) {
    SetDown(!down_);
    if (!down_) state_ = TButtonState::bsUp;
    Invalidate();
  } else {
    state_ = down_ ? TButtonState::bsExclusive : TButtonState::bsUp;
    Invalidate();
  }
  if (inside) Click();
}

void TSpeedButton::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_MOUSEENTER:
      if (!mouseInControl_ && Enabled()) {
        mouseInControl_ = true;
        if (flat_) Invalidate();
      }
      break;
    case CM_MOUSELEAVE:
      if (mouseInControl_) {
        mouseInControl_ = false;
        if (flat_) Invalidate();
      }
      break;
    case CM_ENABLEDCHANGED:
      if (!Enabled()) {
        mouseInControl_ = false;
        dragging_ = false;
      }
      Invalidate();
      break;
    default:
      break;
  }
  TGraphicControl::WndProc(message);
}

void TSpeedButton::Paint() {
  HDC dc = Canvas()->Handle();
  TRect rect = ClientRect();
  const bool pushed = Enabled() && (state_ == TButtonState::bsDown || state_ == TButtonState::bsExclusive);
  if (flat_) {
    if (!transparent_) {
      Canvas()->Brush()->SetColor(Color());
      Canvas()->FillRect(rect);
    }
    if (pushed || (mouseInControl_ && Enabled())) {
      DrawEdge(dc, &rect, pushed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
    }
  } else {
    DrawFrameControl(dc, &rect, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
  }
  TRect content = ClientRect();
  if (pushed) OffsetRect(&content, 1, 1);
  int cell = 0;
  if (!Enabled()) cell = 1;
  if (pushed && state_ == TButtonState::bsDown) cell = 2;
  if (pushed && state_ == TButtonState::bsExclusive) cell = 3;
  // A strip without the cell shows its first one.
  if (cell >= numGlyphs_) cell = 0;
  DrawButtonGlyph(Canvas(), content, Caption(), Font(), glyph_.get(), {layout_, margin_, spacing_, numGlyphs_}, cell,
                  Enabled());
}
