// TImage: a picture (bitmap, JPEG, icon) drawn on the parent's surface,
// unscaled from the top-left, centred, or stretched to the control.
#include "toolkit/ExtCtrls.h"

T_CLASS_INFO(TImage, TGraphicControl, [](TClassInfo& c) {
  using namespace published;
  c.Factory = &CreateInstance<TImage>;
  c.AddProperty(Object<TImage, TPicture>("Picture", &TImage::Picture, &TImage::SetPicture));
  c.AddProperty(Boolean<TImage>("Stretch", &TImage::Stretch, &TImage::SetStretch));
  c.AddProperty(Boolean<TImage>("Center", &TImage::Center, &TImage::SetCenter));
  c.AddProperty(Boolean<TImage>("Proportional", &TImage::Proportional, &TImage::SetProportional));
  c.AddProperty(Boolean<TImage>("Transparent", &TImage::Transparent, &TImage::SetTransparent));
  c.AddProperty(Boolean<TImage>("AutoSize", &TImage::AutoSize, &TImage::SetAutoSize));
})

TImage::TImage(TComponent* owner) : TGraphicControl(owner), picture_(std::make_unique<TPicture>()) {
  picture_->OnChange = [this](TObject*) { PictureChanged(); };
  SetBounds(0, 0, 105, 105);
}

TImage::~TImage() { picture_->OnChange = nullptr; }

void TImage::SetStretch(bool value) {
  stretch_ = value;
  PictureChanged();
}

void TImage::SetCenter(bool value) {
  center_ = value;
  PictureChanged();
}

void TImage::SetProportional(bool value) {
  proportional_ = value;
  PictureChanged();
}

void TImage::SetTransparent(bool value) {
  transparent_ = value;
  PictureChanged();
}

void TImage::SetAutoSize(bool value) {
  autoSize_ = value;
  PictureChanged();
}

void TImage::PictureChanged() {
  TGraphic* graphic = picture_->Graphic();
  if (graphic != nullptr && graphic->Transparent() != transparent_ && !graphic->Is<TIcon>()) {
    graphic->SetTransparent(transparent_);
  }
  if (autoSize_ && graphic != nullptr && !graphic->Empty()) SetBounds(Left(), Top(), graphic->Width(), graphic->Height());
  // A picture that covers the whole control needs no background behind it.
  const bool covers = graphic != nullptr && !graphic->Empty() && !transparent_ &&
                      (stretch_ || (graphic->Width() >= Width() && graphic->Height() >= Height()));
  if (covers) {
    controlStyle_.Include(TControlStyleItem::csOpaque);
  } else {
    controlStyle_.Exclude(TControlStyleItem::csOpaque);
  }
  Invalidate();
}

TRect TImage::DestRect() {
  const int pw = picture_->Width(), ph = picture_->Height();
  const int cw = Width(), ch = Height();
  int w = pw, h = ph;
  if (stretch_ || (proportional_ && (pw > cw || ph > ch))) {
    if (proportional_ && pw > 0 && ph > 0) {
      if (static_cast<long long>(cw) * ph > static_cast<long long>(ch) * pw) {
        h = ch;
        w = static_cast<int>(static_cast<long long>(ch) * pw / ph);
      } else {
        w = cw;
        h = static_cast<int>(static_cast<long long>(cw) * ph / pw);
      }
    } else {
      w = cw;
      h = ch;
    }
  }
  TRect r = Rect(0, 0, w, h);
  if (center_) OffsetRect(&r, (cw - w) / 2, (ch - h) / 2);
  return r;
}

void TImage::Paint() {
  TGraphic* graphic = picture_->Graphic();
  if (graphic == nullptr || graphic->Empty()) return;
  Canvas()->StretchDraw(DestRect(), graphic);
}
