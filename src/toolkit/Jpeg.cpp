#include "toolkit/Jpeg.h"

#include <algorithm>

#include "platform/gdi/codecs.h"

T_CLASS_INFO(TJPEGImage, TGraphic, [](TClassInfo&) {})

TJPEGImage::TJPEGImage() = default;
TJPEGImage::~TJPEGImage() = default;

void TJPEGImage::SetWidth(int) { throw EInvalidGraphicOperation("Cannot change the size of a JPEG image"); }

void TJPEGImage::SetHeight(int) { throw EInvalidGraphicOperation("Cannot change the size of a JPEG image"); }

void TJPEGImage::SetCompressionQuality(int quality) { quality_ = std::clamp(quality, 1, 100); }

void TJPEGImage::Assign(TPersistent* source) {
  if (source == this) return;
  if (auto* jpeg = As<TJPEGImage>(source)) {
    data_ = jpeg->data_;
    quality_ = jpeg->quality_;
    if (jpeg->bitmap_) {
      bitmap_ = std::make_unique<TBitmap>();
      bitmap_->Assign(jpeg->bitmap_.get());
    } else {
      bitmap_.reset();
    }
    return Changed();
  }
  if (auto* bitmap = As<TBitmap>(source)) {
    if (bitmap->Empty()) {
      data_.clear();
      bitmap_.reset();
      return Changed();
    }
    auto copy = std::make_unique<TBitmap>();
    copy->Assign(bitmap);
    copy->SetPixelFormat(TPixelFormat::pf24bit);
    data_ = platform::WriteJpeg(*platform::ImageFromBitmap(copy->Handle()), quality_);
    bitmap_ = std::move(copy);
    return Changed();
  }
  TGraphic::Assign(source);
}

void TJPEGImage::AssignTo(TPersistent* dest) {
  if (auto* bitmap = As<TBitmap>(dest)) {
    bitmap->Assign(bitmap_.get());
    return;
  }
  TGraphic::AssignTo(dest);
}

void TJPEGImage::LoadFromBytes(std::vector<std::uint8_t> bytes) {
  std::string error;
  std::optional<platform::DibImage> image = platform::ReadJpeg(bytes.data(), bytes.size(), &error);
  if (!image) throw EInvalidGraphic("JPEG image is not valid (" + error + ")");
  HBITMAP handle = platform::CreateBitmapFromImage(*image);
  if (handle == nullptr) throw EOutOfResources("Out of system resources");
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetHandle(handle);
  bitmap_ = std::move(bitmap);
  data_ = std::move(bytes);
  Changed();
}

void TJPEGImage::LoadFromStream(TStream& stream) { LoadFromBytes(ReadRemaining(stream)); }

void TJPEGImage::SaveToStream(TStream& stream) {
  stream.WriteBuffer(data_.data(), static_cast<std::int64_t>(data_.size()));
}

void TJPEGImage::ReadData(TStream& stream) { LoadFromBytes(ReadSizedData(stream)); }

void TJPEGImage::WriteData(TStream& stream) { WriteSizedData(stream, data_); }

void TJPEGImage::Draw(TCanvas* canvas, const TRect& rect) {
  if (!Empty()) canvas->StretchDraw(rect, bitmap_.get());
}
