// Bitmaps: a DIB section in one of the toolkit's pixel formats, its canvas,
// its transparency and its BMP form.
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/base/resources.h"
#include "platform/gdi/codecs.h"
#include "toolkit/Graphics.h"
#include "toolkit/Graphics_ScopedDc.h"

namespace {

// A BITMAPINFO with room for a whole colour table (or the three masks).
struct BitmapInfo {
  BITMAPINFOHEADER header{};
  RGBQUAD colours[256]{};
  BITMAPINFO* Get() { return reinterpret_cast<BITMAPINFO*>(this); }
};

int BitsPerPixel(TPixelFormat format) {
  switch (format) {
    case TPixelFormat::pf1bit:
      return 1;
    case TPixelFormat::pf4bit:
      return 4;
    case TPixelFormat::pf8bit:
      return 8;
    case TPixelFormat::pf15bit:
    case TPixelFormat::pf16bit:
      return 16;
    case TPixelFormat::pf24bit:
      return 24;
    default:
      return 32;
  }
}

TPixelFormat PixelFormatOf(const DIBSECTION& section) {
  const DWORD* masks = section.dsBitfields;
  const bool noMasks = masks[0] == 0 && masks[1] == 0 && masks[2] == 0;
  switch (section.dsBmih.biBitCount) {
    case 1:
      return TPixelFormat::pf1bit;
    case 4:
      return TPixelFormat::pf4bit;
    case 8:
      return TPixelFormat::pf8bit;
    case 16:
      if (noMasks || (masks[0] == 0x7C00 && masks[1] == 0x03E0 && masks[2] == 0x001F)) return TPixelFormat::pf15bit;
      if (masks[0] == 0xF800 && masks[1] == 0x07E0 && masks[2] == 0x001F) return TPixelFormat::pf16bit;
      return TPixelFormat::pfCustom;
    case 24:
      return TPixelFormat::pf24bit;
    default:
      if (noMasks || (masks[0] == 0xFF0000 && masks[1] == 0xFF00 && masks[2] == 0xFF)) return TPixelFormat::pf32bit;
      return TPixelFormat::pfCustom;
  }
}

void SetMasks(BitmapInfo& info, DWORD red, DWORD green, DWORD blue) {
  info.header.biCompression = BI_BITFIELDS;
  auto* masks = reinterpret_cast<DWORD*>(info.colours);
  masks[0] = red;
  masks[1] = green;
  masks[2] = blue;
}

// Fills the colour table of a palette layout: `source`'s own table when it has
// the same depth, the system's default table of that depth otherwise.
void FillColourTable(BitmapInfo& info, HBITMAP source) {
  const BITMAPINFOHEADER wanted = info.header;
  HBITMAP scratch = source != nullptr ? nullptr : CreateBitmap(1, 1, 1, 32, nullptr);
  HDC dc = CreateCompatibleDC(nullptr);
  GetDIBits(dc, source != nullptr ? source : scratch, 0, 0, nullptr, info.Get(), DIB_RGB_COLORS);
  DeleteDC(dc);
  if (scratch != nullptr) DeleteObject(scratch);
  info.header = wanted;
}

// The layout of a new bottom-up DIB of `format`.
BitmapInfo LayoutOf(int width, int height, TPixelFormat format, HBITMAP paletteSource) {
  BitmapInfo info;
  info.header.biSize = sizeof(BITMAPINFOHEADER);
  info.header.biWidth = width;
  info.header.biHeight = height;
  info.header.biPlanes = 1;
  info.header.biBitCount = static_cast<WORD>(BitsPerPixel(format));
  info.header.biCompression = BI_RGB;
  if (format == TPixelFormat::pf16bit) SetMasks(info, 0xF800, 0x07E0, 0x001F);
  if (info.header.biBitCount <= 8) FillColourTable(info, paletteSource);
  return info;
}

// The layout of an existing DIB section (its masks and colour table kept).
BitmapInfo LayoutLike(int width, int height, HBITMAP bitmap) {
  DIBSECTION section{};
  GetObjectW(bitmap, sizeof(section), &section);
  BitmapInfo info;
  info.header = section.dsBmih;
  info.header.biWidth = width;
  info.header.biHeight = height;
  info.header.biSizeImage = 0;
  info.header.biClrUsed = 0;
  if (section.dsBmih.biCompression == BI_BITFIELDS) {
    SetMasks(info, section.dsBitfields[0], section.dsBitfields[1], section.dsBitfields[2]);
  }
  if (info.header.biBitCount <= 8) FillColourTable(info, bitmap);
  return info;
}

HBITMAP CreateDib(BitmapInfo& info) {
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, info.Get(), DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap == nullptr) throw EOutOfResources("Out of system resources");
  return bitmap;
}

}  // namespace

// The canvas of a bitmap: a memory DC of its own that holds the bitmap.
class TBitmapCanvas : public TCanvas {
  T_CLASS(TBitmapCanvas, TCanvas)

 public:
  explicit TBitmapCanvas(TBitmap* bitmap) : bitmap_(bitmap) {
    OnChange = [bitmap](TObject*) { bitmap->Changed(); };
  }
  ~TBitmapCanvas() override {
    HDC dc = CurrentHandle();
    if (dc == nullptr) return;
    SetHandle(nullptr);
    SelectObject(dc, originalBitmap_);
    DeleteDC(dc);
  }

  // Puts another bitmap (or, for null, the DC's own) into the context.
  void SelectBitmap(HBITMAP bitmap) {
    if (HDC dc = CurrentHandle()) SelectObject(dc, bitmap != nullptr ? bitmap : originalBitmap_);
  }

 protected:
  void CreateHandle() override {
    HDC dc = CreateCompatibleDC(nullptr);
    if (dc == nullptr) throw EOutOfResources("Out of system resources");
    originalBitmap_ = GetCurrentObject(dc, OBJ_BITMAP);
    if (bitmap_->handle_ != nullptr) SelectObject(dc, bitmap_->handle_);
    SetHandle(dc);
  }

 private:
  TBitmap* bitmap_;
  HGDIOBJ originalBitmap_ = nullptr;
};

T_CLASS_INFO(TBitmapCanvas, TCanvas, [](TClassInfo&) {})

T_CLASS_INFO(TBitmap, TGraphic, [](TClassInfo&) {})

TBitmap::TBitmap() = default;

TBitmap::~TBitmap() {
  canvas_.reset();
  FreeMask();
  if (handle_ != nullptr) DeleteObject(handle_);
}

void TBitmap::Install(HBITMAP bitmap, TPixelFormat format) {
  HBITMAP old = handle_;
  handle_ = bitmap;
  pixelFormat_ = format;
  DIBSECTION section{};
  if (bitmap != nullptr && GetObjectW(bitmap, sizeof(section), &section) == sizeof(section)) {
    bits_ = static_cast<std::uint8_t*>(section.dsBm.bmBits);
    stride_ = section.dsBm.bmWidthBytes;
    width_ = section.dsBm.bmWidth;
    height_ = section.dsBm.bmHeight;
    topDown_ = section.dsBmih.biHeight < 0;
  } else {
    bits_ = nullptr;
    stride_ = width_ = height_ = 0;
  }
  if (canvas_) canvas_->SelectBitmap(handle_);
  if (old != nullptr && old != bitmap) DeleteObject(old);
  Changed();
}

void TBitmap::Changed() {
  FreeMask();
  TGraphic::Changed();
}

void TBitmap::Clear() { Install(nullptr, pixelFormat_); }

HDC TBitmap::CanvasDc() { return Canvas()->Handle(); }

TCanvas* TBitmap::Canvas() {
  if (!canvas_) canvas_ = std::make_unique<TBitmapCanvas>(this);
  return canvas_.get();
}

void TBitmap::Assign(TPersistent* source) {
  if (source == this) return;
  if (source == nullptr) return Clear();
  auto* bitmap = As<TBitmap>(source);
  if (bitmap == nullptr) return TGraphic::Assign(source);
  if (bitmap->Empty()) {
    Install(nullptr, bitmap->pixelFormat_);
  } else {
    BitmapInfo info = LayoutLike(bitmap->width_, bitmap->height_, bitmap->handle_);
    if (bitmap->topDown_) info.header.biHeight = -info.header.biHeight;
    HBITMAP copy = CreateDib(info);
    DIBSECTION section{};
    GetObjectW(copy, sizeof(section), &section);
    std::memcpy(section.dsBm.bmBits, bitmap->bits_, static_cast<std::size_t>(bitmap->stride_) * bitmap->height_);
    Install(copy, bitmap->pixelFormat_);
  }
  transparentMode_ = bitmap->transparentMode_;
  transparentColor_ = bitmap->transparentColor_;
  SetTransparent(bitmap->Transparent());
}

void TBitmap::SetSize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == width_ && height == height_) return;
  if (width == 0 || height == 0) return Install(nullptr, pixelFormat_);
  BitmapInfo info = handle_ != nullptr ? LayoutLike(width, height, handle_) : LayoutOf(width, height, pixelFormat_, nullptr);
  HBITMAP resized = CreateDib(info);
  {
    TScopedBitmapDc target(resized);
    HBRUSH fill = CreateSolidBrush(ColorToRGB(canvas_ ? canvas_->Brush()->Color() : clWhite));
    const RECT all{0, 0, width, height};
    ::FillRect(target.Get(), &all, fill);
    DeleteObject(fill);
    if (handle_ != nullptr) {
      BitBlt(target.Get(), 0, 0, std::min(width, width_), std::min(height, height_), CanvasDc(), 0, 0, SRCCOPY);
    }
  }
  Install(resized, pixelFormat_);
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
  if (format == pixelFormat_ || format == TPixelFormat::pfCustom) return;
  if (handle_ == nullptr || (BitsPerPixel(format) == 32 && pixelFormat_ != TPixelFormat::pfCustom &&
                             BitsPerPixel(pixelFormat_) == 32)) {
    pixelFormat_ = format;
    return Changed();
  }
  BitmapInfo info = LayoutOf(width_, height_, format, handle_);
  HBITMAP converted = CreateDib(info);
  DIBSECTION section{};
  GetObjectW(converted, sizeof(section), &section);
  HDC dc = CreateCompatibleDC(nullptr);
  GetDIBits(dc, handle_, 0, static_cast<UINT>(height_), section.dsBm.bmBits, info.Get(), DIB_RGB_COLORS);
  DeleteDC(dc);
  Install(converted, format);
}

void TBitmap::SetMonochrome(bool monochrome) {
  if (monochrome == Monochrome()) return;
  SetPixelFormat(monochrome ? TPixelFormat::pf1bit : TPixelFormat::pfDevice);
}

std::uint8_t* TBitmap::ScanLine(int row) {
  if (row < 0 || row >= height_ || bits_ == nullptr) throw EInvalidGraphic("Scan line index out of range");
  const int memoryRow = topDown_ ? row : height_ - 1 - row;
  return bits_ + static_cast<std::ptrdiff_t>(memoryRow) * stride_;
}

TColor TBitmap::TransparentColor() {
  if (transparentMode_ == TTransparentMode::tmFixed) return static_cast<TColor>(ColorToRGB(transparentColor_));
  if (Empty()) return clNone;
  if (Monochrome()) return clWhite;
  return Canvas()->Pixels(0, height_ - 1);
}

void TBitmap::SetTransparentColor(TColor color) {
  if (color == transparentColor_) return;
  transparentColor_ = color;
  transparentMode_ = color == clDefault ? TTransparentMode::tmAuto : TTransparentMode::tmFixed;
  Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode mode) {
  if (mode == transparentMode_) return;
  SetTransparentColor(mode == TTransparentMode::tmAuto ? clDefault : TransparentColor());
}

void TBitmap::FreeMask() {
  if (maskHandle_ != nullptr) DeleteObject(maskHandle_);
  maskHandle_ = nullptr;
}

void TBitmap::Mask(TColor transparentColor) {
  FreeMask();
  if (Empty()) return;
  HBITMAP mask = CreateBitmap(width_, height_, 1, 1, nullptr);
  if (mask == nullptr) throw EOutOfResources("Out of system resources");
  {
    TScopedBitmapDc target(mask);
    HDC source = CanvasDc();
    // Copying colour into monochrome makes the source's background colour white.
    const COLORREF previous = SetBkColor(source, ColorToRGB(transparentColor));
    BitBlt(target.Get(), 0, 0, width_, height_, source, 0, 0, SRCCOPY);
    SetBkColor(source, previous);
  }
  maskHandle_ = mask;
}

HBITMAP TBitmap::MaskHandle() {
  if (maskHandle_ == nullptr) Mask(TransparentColor());
  return maskHandle_;
}

HBITMAP TBitmap::ReleaseMaskHandle() {
  HBITMAP mask = MaskHandle();
  maskHandle_ = nullptr;
  return mask;
}

void TBitmap::SetHandle(HBITMAP bitmap) {
  if (bitmap == handle_) return;
  if (bitmap == nullptr) return Clear();
  DIBSECTION section{};
  const int size = GetObjectW(bitmap, sizeof(section), &section);
  if (size == sizeof(section)) return Install(bitmap, PixelFormatOf(section));
  if (size == 0) throw EInvalidGraphic("Invalid bitmap handle");
  // A device bitmap is taken over as a DIB section of its own depth.
  std::optional<platform::DibImage> image = platform::ImageFromBitmap(bitmap);
  HBITMAP dib = image ? platform::CreateBitmapFromImage(*image) : nullptr;
  if (dib == nullptr) throw EOutOfResources("Out of system resources");
  DeleteObject(bitmap);
  GetObjectW(dib, sizeof(section), &section);
  Install(dib, section.dsBmih.biBitCount == 32 ? TPixelFormat::pfDevice : PixelFormatOf(section));
}

HBITMAP TBitmap::ReleaseHandle() {
  HBITMAP bitmap = handle_;
  handle_ = nullptr;
  Install(nullptr, pixelFormat_);
  return bitmap;
}

void TBitmap::LoadFromBytes(std::span<const std::uint8_t> bytes) {
  if (bytes.empty()) return Clear();
  std::optional<platform::DibImage> image = platform::ReadBmp(bytes.data(), bytes.size());
  if (!image) throw EInvalidGraphic("Bitmap image is not valid");
  HBITMAP bitmap = platform::CreateBitmapFromImage(*image);
  if (bitmap == nullptr) throw EOutOfResources("Out of system resources");
  DIBSECTION section{};
  GetObjectW(bitmap, sizeof(section), &section);
  Install(bitmap, PixelFormatOf(section));
}

void TBitmap::LoadFromStream(TStream& stream) { LoadFromBytes(ReadRemaining(stream)); }

void TBitmap::SaveToStream(TStream& stream) {
  if (Empty()) return;
  const std::vector<std::uint8_t> bytes = platform::WriteBmp(*platform::ImageFromBitmap(handle_));
  stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
}

void TBitmap::ReadData(TStream& stream) { LoadFromBytes(ReadSizedData(stream)); }

void TBitmap::WriteData(TStream& stream) {
  TMemoryStream file;
  SaveToStream(file);
  WriteSizedData(stream, std::span<const std::uint8_t>(file.Memory(), static_cast<std::size_t>(file.Size())));
}

void TBitmap::LoadFromResourceName(std::string_view name) {
  // Embedded bitmap resources are kept as whole BMP files.
  const std::span<const std::uint8_t> bytes = platform::FindResourceBytes(platform::kResourceBitmap, name);
  if (bytes.empty()) throw EInvalidGraphic("Resource " + AnsiString(name) + " not found");
  LoadFromBytes(bytes);
}

void TBitmap::Draw(TCanvas* canvas, const TRect& rect) {
  if (Empty()) return;
  HDC dest = canvas->Handle();
  HDC source = CanvasDc();
  if (Transparent()) {
    TransparentBlt(dest, rect.left, rect.top, RectWidth(rect), RectHeight(rect), source, 0, 0, width_, height_,
                   ColorToRGB(TransparentColor()));
    return;
  }
  // Colour pictures stretch by dropping pixels; a monochrome one takes the
  // bitmap canvas's text and background colours for its 0 and 1 bits.
  const int previousMode = Monochrome() ? 0 : SetStretchBltMode(dest, COLORONCOLOR);
  COLORREF previousText = 0, previousBack = 0;
  if (Monochrome()) {
    previousText = SetTextColor(dest, ColorToRGB(canvas_->Font()->Color()));
    previousBack = SetBkColor(dest, ColorToRGB(canvas_->Brush()->Color()));
  }
  StretchBlt(dest, rect.left, rect.top, RectWidth(rect), RectHeight(rect), source, 0, 0, width_, height_,
             canvas->CopyMode());
  if (Monochrome()) {
    SetTextColor(dest, previousText);
    SetBkColor(dest, previousBack);
  } else {
    SetStretchBltMode(dest, previousMode);
  }
}
