// Graphics in general, the picture holder, and the form-resource form of both.
#include <algorithm>

#include "toolkit/Graphics.h"
#include "toolkit/Jpeg.h"

T_CLASS_INFO(TGraphic, TPersistent, [](TClassInfo&) {})

void TGraphic::SetTransparent(bool transparent) {
  if (transparent == transparent_) return;
  transparent_ = transparent;
  Changed();
}

void TGraphic::SetModified(bool modified) {
  if (modified) {
    Changed();
  } else {
    modified_ = false;
  }
}

void TGraphic::Changed() {
  modified_ = true;
  if (OnChange) OnChange(this);
}

void TGraphic::LoadFromFile(const std::string& path) {
  TFileStream stream(path, TFileMode::fmOpenRead);
  LoadFromStream(stream);
}

void TGraphic::SaveToFile(const std::string& path) {
  TFileStream stream(path, TFileMode::fmCreate);
  SaveToStream(stream);
}

void TGraphic::DefineProperties(TFiler& filer) {
  filer.DefineBinaryProperty(
      "Data", [this](TStream& stream) { ReadData(stream); }, [this](TStream& stream) { WriteData(stream); }, !Empty());
}

std::unique_ptr<TGraphic> CreateGraphic(std::string_view className) {
  if (SameText(className, "TBitmap")) return std::make_unique<TBitmap>();
  if (SameText(className, "TJPEGImage")) return std::make_unique<TJPEGImage>();
  if (SameText(className, "TIcon")) return std::make_unique<TIcon>();
  return nullptr;
}

std::vector<std::uint8_t> ReadRemaining(TStream& stream) {
  const std::int64_t count = std::max<std::int64_t>(0, stream.Size() - stream.Position());
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(count));
  stream.ReadBuffer(bytes.data(), count);
  return bytes;
}

std::vector<std::uint8_t> ReadSizedData(TStream& stream) {
  std::uint8_t prefix[4];
  stream.ReadBuffer(prefix, 4);
  const std::int64_t count =
      static_cast<std::int32_t>(prefix[0] | (prefix[1] << 8) | (prefix[2] << 16) | (std::uint32_t{prefix[3]} << 24));
  // A count that is negative or runs past the data is refused before anything is allocated.
  if (count < 0 || count > stream.Size() - stream.Position()) throw EReadError("Stream read error");
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(count));
  stream.ReadBuffer(bytes.data(), count);
  return bytes;
}

void WriteSizedData(TStream& stream, std::span<const std::uint8_t> bytes) {
  const auto count = static_cast<std::uint32_t>(bytes.size());
  const std::uint8_t prefix[4] = {static_cast<std::uint8_t>(count), static_cast<std::uint8_t>(count >> 8),
                                  static_cast<std::uint8_t>(count >> 16), static_cast<std::uint8_t>(count >> 24)};
  stream.WriteBuffer(prefix, 4);
  stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
}

// ---------------------------------------------------------------------------

T_CLASS_INFO(TPicture, TPersistent, [](TClassInfo&) {})

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::Adopt(std::unique_ptr<TGraphic> graphic) {
  graphic_ = std::move(graphic);
  if (graphic_) graphic_->OnChange = [this](TObject* sender) { Changed(sender); };
  Changed(this);
}

void TPicture::Changed(TObject*) {
  if (OnChange) OnChange(this);
}

void TPicture::SetGraphic(TGraphic* graphic) {
  if (graphic == nullptr) return Adopt(nullptr);
  std::unique_ptr<TGraphic> copy = CreateGraphic(graphic->ClassName());
  if (!copy) throw EInvalidGraphic("Unknown picture class " + graphic->ClassName());
  copy->Assign(graphic);
  Adopt(std::move(copy));
}

TBitmap* TPicture::Bitmap() {
  if (!As<TBitmap>(graphic_.get())) Adopt(std::make_unique<TBitmap>());
  return static_cast<TBitmap*>(graphic_.get());
}

TIcon* TPicture::Icon() {
  if (!As<TIcon>(graphic_.get())) Adopt(std::make_unique<TIcon>());
  return static_cast<TIcon*>(graphic_.get());
}

void TPicture::Assign(TPersistent* source) {
  if (source == nullptr) return SetGraphic(nullptr);
  if (auto* picture = As<TPicture>(source)) return SetGraphic(picture->Graphic());
  if (auto* graphic = As<TGraphic>(source)) return SetGraphic(graphic);
  TPersistent::Assign(source);
}

void TPicture::AssignTo(TPersistent* dest) {
  if (auto* graphic = As<TGraphic>(dest)) {
    graphic->Assign(graphic_.get());
    return;
  }
  TPersistent::AssignTo(dest);
}

void TPicture::LoadFromFile(const std::string& path) {
  const std::size_t dot = path.rfind('.');
  const std::size_t slash = path.rfind('/');
  const AnsiString extension =
      dot == std::string::npos || (slash != std::string::npos && dot < slash) ? AnsiString() : LowerCase(path.substr(dot + 1));
  std::unique_ptr<TGraphic> graphic;
  if (extension == "bmp") {
    graphic = std::make_unique<TBitmap>();
  } else if (extension == "jpg" || extension == "jpeg" || extension == "jpe") {
    graphic = std::make_unique<TJPEGImage>();
  } else if (extension == "ico") {
    graphic = std::make_unique<TIcon>();
  } else {
    throw EInvalidGraphic("Unknown picture file extension (." + extension + ")");
  }
  graphic->LoadFromFile(path);
  Adopt(std::move(graphic));
}

void TPicture::SaveToFile(const std::string& path) {
  if (graphic_) graphic_->SaveToFile(path);
}

void TPicture::DefineProperties(TFiler& filer) {
  filer.DefineBinaryProperty(
      "Data", [this](TStream& stream) { ReadData(stream); }, [this](TStream& stream) { WriteData(stream); },
      graphic_ != nullptr);
}

void TPicture::ReadData(TStream& stream) {
  std::uint8_t length = 0;
  stream.ReadBuffer(&length, 1);
  AnsiString className(length, '\0');
  stream.ReadBuffer(className.data(), length);
  if (className.empty()) return Adopt(nullptr);
  std::unique_ptr<TGraphic> graphic = CreateGraphic(className);
  if (!graphic) throw EInvalidGraphic("Unknown picture class " + className);
  graphic->ReadData(stream);
  Adopt(std::move(graphic));
}

void TPicture::WriteData(TStream& stream) {
  const AnsiString className = graphic_ ? graphic_->ClassName() : AnsiString();
  const auto length = static_cast<std::uint8_t>(std::min<std::size_t>(className.size(), 255));
  stream.WriteBuffer(&length, 1);
  stream.WriteBuffer(className.data(), length);
  if (graphic_) graphic_->WriteData(stream);
}
