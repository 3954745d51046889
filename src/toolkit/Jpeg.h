// JPEG images: the compressed bytes as loaded or made, and the decoded picture
// they draw from. Decoding and encoding go through the platform's codec.
#pragma once

#include <memory>
#include <vector>

#include "toolkit/Graphics.h"

class TJPEGImage : public TGraphic {
  T_CLASS(TJPEGImage, TGraphic)

 public:
  TJPEGImage();
  ~TJPEGImage() override;

  // From another JPEG image (a copy), or from a bitmap (compressed with the
  // CompressionQuality).
  void Assign(TPersistent* source) override;

  bool Empty() const override { return !bitmap_ || bitmap_->Empty(); }
  int Width() const override { return bitmap_ ? bitmap_->Width() : 0; }
  int Height() const override { return bitmap_ ? bitmap_->Height() : 0; }
  // The size comes from the picture: these raise EInvalidGraphicOperation.
  void SetWidth(int width) override;
  void SetHeight(int height) override;

  // 1 … 100, used when a bitmap is compressed.
  int CompressionQuality() const { return quality_; }
  void SetCompressionQuality(int quality);

  // The rest of the stream must be one JPEG file; it is decoded at once, so
  // bad data raises EInvalidGraphic here rather than when drawn.
  void LoadFromStream(TStream& stream) override;
  // The bytes as loaded, or those of the last compression.
  void SaveToStream(TStream& stream) override;

  // The decoded picture (24 bits per pixel), owned by the image.
  TBitmap* Bitmap() const { return bitmap_.get(); }

 protected:
  void Draw(TCanvas* canvas, const TRect& rect) override;
  void ReadData(TStream& stream) override;
  void WriteData(TStream& stream) override;
  void AssignTo(TPersistent* dest) override;

 private:
  void LoadFromBytes(std::vector<std::uint8_t> bytes);

  std::vector<std::uint8_t> data_;
  std::unique_ptr<TBitmap> bitmap_;
  int quality_ = 90;
};
