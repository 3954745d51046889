// TCoolBand: one band of a cool bar, published by name for form resources
// ("Bands = <item Control = ToolBar1 ... end>"). Every change reaches the
// bar through the collection.
#include "toolkit/ComCtrls.h"

namespace {

UINT NextBandId() {
  static UINT next = 0;
  return ++next;
}

}  // namespace

T_CLASS_INFO(TCoolBand, TCollectionItem, [](TClassInfo& c) {
  using namespace published;
  using B = TCoolBand;
  c.AddProperty(Object<B, TWinControl>("Control", &B::Control, &B::SetControl));
  c.AddProperty(String<B>("Text", &B::Text, &B::SetText));
  c.AddProperty(Integer<B>("Width", &B::Width, &B::SetWidth));
  c.AddProperty(Boolean<B>("Break", &B::Break, &B::SetBreak));
  c.AddProperty(Boolean<B>("FixedSize", &B::FixedSize, &B::SetFixedSize));
  c.AddProperty(IntegerIdent<B>("Color", ColorIdents(), &B::Color, &B::SetColor));
  c.AddProperty(Boolean<B>("ParentColor", &B::ParentColor, &B::SetParentColor));
  c.AddProperty(Integer<B>("MinHeight", &B::MinHeight, &B::SetMinHeight));
  c.AddProperty(Integer<B>("MinWidth", &B::MinWidth, &B::SetMinWidth));
  c.AddProperty(Boolean<B>("Visible", &B::Visible, &B::SetVisible));
  c.AddProperty(Integer<B>("ImageIndex", &B::ImageIndex, &B::SetImageIndex));
})

TCoolBand::TCoolBand(TCollection* collection) : TCollectionItem(collection), id_(NextBandId()) {}

// The control moves into the bar; the bar hears when it is freed.
void TCoolBand::SetControl(TWinControl* value) {
  if (value == control_) return;
  if (value != nullptr && bar_ != nullptr) {
    // A control lives in one band only.
    if (TCoolBand* other = bar_->BandOf(value)) {
      other->control_ = nullptr;
      other->Changed();
    }
    if (value->Parent() != bar_) value->SetParent(bar_);
    bar_->FreeNotification(value);
  }
  control_ = value;
  controlWidth_ = value != nullptr ? value->Width() : 0;
  Changed();
}

void TCoolBand::SetText(const AnsiString& value) {
  text_ = value;
  Changed();
}

void TCoolBand::SetWidth(int value) {
  width_ = std::max(0, value);
  Changed();
}

void TCoolBand::SetBreak(bool value) {
  break_ = value;
  Changed();
}

void TCoolBand::SetFixedSize(bool value) {
  fixedSize_ = value;
  Changed();
}

void TCoolBand::SetColor(TColor value) {
  color_ = value;
  parentColor_ = false;
  Changed();
}

void TCoolBand::SetParentColor(bool value) {
  parentColor_ = value;
  Changed();
}

void TCoolBand::SetMinHeight(int value) {
  minHeight_ = std::max(0, value);
  Changed();
}

void TCoolBand::SetMinWidth(int value) {
  minWidth_ = std::max(0, value);
  Changed();
}

void TCoolBand::SetVisible(bool value) {
  visible_ = value;
  Changed();
}

void TCoolBand::SetImageIndex(int value) {
  imageIndex_ = value;
  Changed();
}
