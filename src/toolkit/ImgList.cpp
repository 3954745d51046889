#include "toolkit/ImgList.h"

T_CLASS_INFO(TImageList, TComponent, [](TClassInfo& c) {
  using namespace published;
  c.Factory = &CreateInstance<TImageList>;
  c.AddProperty(IntegerIdent<TImageList>("BkColor", ColorIdents(), &TImageList::BkColor, &TImageList::SetBkColor));
  c.AddProperty(Integer<TImageList>("Height", &TImageList::Height, &TImageList::SetHeight));
  c.AddProperty(Boolean<TImageList>("Masked", &TImageList::Masked, &TImageList::SetMasked));
  c.AddProperty(Integer<TImageList>("Width", &TImageList::Width, &TImageList::SetWidth));
})

TImageList::TImageList(TComponent* owner) : TComponent(owner) {}

TImageList::~TImageList() {
  if (handle_ != nullptr) ImageList_Destroy(handle_);
}

HIMAGELIST TImageList::Handle() {
  if (handle_ == nullptr) {
    handle_ = ImageList_Create(width_, height_, ILC_COLOR32 | (masked_ ? ILC_MASK : 0), 4, 4);
    if (handle_ == nullptr) throw EOutOfResources("Out of system resources");
    ImageList_SetBkColor(handle_, bkColor_ == clNone ? CLR_NONE : ColorToRGB(bkColor_));
  }
  return handle_;
}

void TImageList::Recreate() {
  if (handle_ != nullptr) ImageList_Destroy(handle_);
  handle_ = nullptr;
  Change();
}

void TImageList::Change() {
  if (OnChange) OnChange(this);
}

void TImageList::SetWidth(int width) {
  if (width <= 0 || width == width_) return;
  width_ = width;
  Recreate();
}

void TImageList::SetHeight(int height) {
  if (height <= 0 || height == height_) return;
  height_ = height;
  Recreate();
}

void TImageList::SetMasked(bool masked) {
  if (masked == masked_) return;
  masked_ = masked;
  Recreate();
}

void TImageList::SetBkColor(TColor color) {
  bkColor_ = color;
  if (handle_ != nullptr) ImageList_SetBkColor(handle_, color == clNone ? CLR_NONE : ColorToRGB(color));
  Change();
}

int TImageList::Count() { return handle_ == nullptr ? 0 : ImageList_GetImageCount(handle_); }

int TImageList::Add(TBitmap* image, TBitmap* mask) {
  if (image == nullptr || image->Empty()) return -1;
  const int index = ImageList_Add(Handle(), image->Handle(), mask != nullptr ? mask->Handle() : nullptr);
  Change();
  return index;
}

int TImageList::AddMasked(TBitmap* image, TColor maskColor) {
  if (image == nullptr || image->Empty()) return -1;
  const int index = ImageList_AddMasked(Handle(), image->Handle(), ColorToRGB(maskColor));
  Change();
  return index;
}

int TImageList::AddIcon(TIcon* icon) {
  if (icon == nullptr || icon->Empty()) return -1;
  const int index = ImageList_AddIcon(Handle(), icon->Handle());
  Change();
  return index;
}

void TImageList::Delete(int index) {
  if (handle_ != nullptr && ImageList_Remove(handle_, index)) Change();
}

void TImageList::Clear() {
  if (handle_ != nullptr && ImageList_Remove(handle_, -1)) Change();
}

bool TImageList::ResourceLoad(std::string_view name, TColor maskColor) {
  TBitmap bitmap;
  try {
    bitmap.LoadFromResourceName(name);
  } catch (const EInvalidGraphic&) {
    return false;
  }
  return AddMasked(&bitmap, maskColor) >= 0;
}

void TImageList::Draw(TCanvas* canvas, int x, int y, int index, bool enabled) {
  if (handle_ == nullptr || index < 0 || index >= Count()) return;
  HDC dc = canvas->Handle();
  if (dc == nullptr) throw EInvalidGraphicOperation("Canvas does not allow drawing");
  if (enabled) {
    ImageList_Draw(handle_, index, dc, x, y, masked_ ? ILD_TRANSPARENT : ILD_NORMAL);
    return;
  }
  // The image over white, so that masked and light pixels fall out of the shape.
  TBitmap cell;
  cell.SetSize(width_, height_);
  cell.Canvas()->Brush()->SetColor(clWhite);
  cell.Canvas()->FillRect(Rect(0, 0, width_, height_));
  ImageList_Draw(handle_, index, cell.Canvas()->Handle(), 0, 0, ILD_TRANSPARENT);
  HBITMAP mask = CreateDisabledMask(cell.Canvas()->Handle(), 0, 0, width_, height_, CLR_NONE);
  DrawEmbossed(dc, x, y, width_, height_, mask);
  DeleteObject(mask);
}

void TImageList::GetBitmap(int index, TBitmap* image) {
  if (image == nullptr || handle_ == nullptr || index < 0 || index >= Count()) return;
  image->SetSize(width_, height_);
  image->Canvas()->Brush()->SetColor(bkColor_ == clNone ? clWhite : bkColor_);
  image->Canvas()->FillRect(Rect(0, 0, width_, height_));
  ImageList_Draw(handle_, index, image->Canvas()->Handle(), 0, 0, ILD_TRANSPARENT);
}

void TImageList::GetIcon(int index, TIcon* icon) {
  if (icon == nullptr || handle_ == nullptr || index < 0 || index >= Count()) return;
  icon->SetHandle(ImageList_GetIcon(handle_, index, ILD_NORMAL));
}
