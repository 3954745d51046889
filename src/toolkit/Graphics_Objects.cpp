// Fonts, pens and brushes: descriptions that make their GDI objects on demand.
#include <algorithm>
#include <cstdlib>

#include "toolkit/Graphics.h"

namespace {

const TEnumInfo& FontStyleType() {
  static const TEnumInfo info("TFontStyle", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"});
  return info;
}
const TEnumInfo& FontPitchType() {
  static const TEnumInfo info("TFontPitch", {"fpDefault", "fpVariable", "fpFixed"});
  return info;
}
const TEnumInfo& PenStyleType() {
  static const TEnumInfo info("TPenStyle",
                              {"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame"});
  return info;
}
const TEnumInfo& PenModeType() {
  static const TEnumInfo info("TPenMode", {"pmBlack", "pmWhite", "pmNop", "pmNot", "pmCopy", "pmXor"});
  return info;
}
const TEnumInfo& BrushStyleType() {
  static const TEnumInfo info("TBrushStyle", {"bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal",
                                              "bsBDiagonal", "bsCross", "bsDiagCross"});
  return info;
}

// a × b ÷ c rounded to the nearest integer, halves away from zero.
int ScaleRounded(int a, int b, int c) {
  const long long product = static_cast<long long>(a) * b;
  const long long half = c / 2;
  return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

template <class Handle>
void DeleteHandle(Handle& handle) {
  if (handle != nullptr) DeleteObject(handle);
  handle = nullptr;
}

}  // namespace

T_CLASS_INFO(TGraphicsObject, TPersistent, [](TClassInfo&) {})

void TGraphicsObject::Changed() {
  if (OnChange) OnChange(this);
}

// ---------------------------------------------------------------------------

T_CLASS_INFO(TFont, TGraphicsObject, [](TClassInfo& c) {
  using namespace published;
  c.AddProperty(IntegerIdent<TFont>("Charset", CharsetIdents(), &TFont::Charset, &TFont::SetCharset));
  c.AddProperty(IntegerIdent<TFont>("Color", ColorIdents(), &TFont::Color, &TFont::SetColor));
  c.AddProperty(Integer<TFont>("Height", &TFont::Height, &TFont::SetHeight));
  c.AddProperty(String<TFont>("Name", &TFont::Name, &TFont::SetName));
  c.AddProperty(Enumeration<TFont, TFontPitch>("Pitch", FontPitchType(), &TFont::Pitch, &TFont::SetPitch));
  c.AddProperty(Integer<TFont>("Size", &TFont::Size, &TFont::SetSize));
  c.AddProperty(Set<TFont, TFontStyle>("Style", FontStyleType(), &TFont::Style, &TFont::SetStyle));
})

// The toolkit's default font is the system's dialog face at 12 pixels.
TFont::TFont() : name_(u8"宋体"_ansi), height_(-12) {}

TFont::~TFont() { FreeHandle(); }

void TFont::FreeHandle() { DeleteHandle(handle_); }

void TFont::Change() {
  FreeHandle();
  Changed();
}

void TFont::Assign(TPersistent* source) {
  if (auto* font = As<TFont>(source)) {
    name_ = font->name_;
    height_ = font->height_;
    charset_ = font->charset_;
    color_ = font->color_;
    style_ = font->style_;
    pitch_ = font->pitch_;
    Change();
    return;
  }
  TGraphicsObject::Assign(source);
}

void TFont::SetName(const AnsiString& name) {
  if (name.empty() || name == name_) return;
  name_ = name;
  Change();
}

void TFont::SetHeight(int height) {
  if (height == height_) return;
  height_ = height;
  Change();
}

int TFont::Size() const { return -ScaleRounded(height_, 72, PixelsPerInch); }

void TFont::SetSize(int points) { SetHeight(-ScaleRounded(points, PixelsPerInch, 72)); }

void TFont::SetCharset(int charset) {
  charset &= 0xFF;
  if (charset == charset_) return;
  charset_ = charset;
  Change();
}

void TFont::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  // The colour is the canvas's text colour, not part of the font object.
  Changed();
}

void TFont::SetStyle(TFontStyles style) {
  if (style == style_) return;
  style_ = style;
  Change();
}

void TFont::SetPitch(TFontPitch pitch) {
  if (pitch == pitch_) return;
  pitch_ = pitch;
  Change();
}

HFONT TFont::Handle() {
  if (handle_ != nullptr) return handle_;
  LOGFONTW font{};
  font.lfHeight = height_;
  font.lfWeight = style_.Contains(TFontStyle::fsBold) ? FW_BOLD : FW_NORMAL;
  font.lfItalic = style_.Contains(TFontStyle::fsItalic);
  font.lfUnderline = style_.Contains(TFontStyle::fsUnderline);
  font.lfStrikeOut = style_.Contains(TFontStyle::fsStrikeOut);
  font.lfCharSet = static_cast<BYTE>(charset_);
  font.lfQuality = DEFAULT_QUALITY;
  font.lfPitchAndFamily = pitch_ == TFontPitch::fpFixed      ? FIXED_PITCH
                          : pitch_ == TFontPitch::fpVariable ? VARIABLE_PITCH
                                                             : DEFAULT_PITCH;
  const WideString face = platform::AnsiToWideString(name_);
  std::copy_n(face.begin(), std::min<std::size_t>(face.size(), LF_FACESIZE - 1), font.lfFaceName);
  handle_ = CreateFontIndirectW(&font);
  if (handle_ == nullptr) throw EOutOfResources("Out of system resources");
  return handle_;
}

void TFont::SetHandle(HFONT handle) {
  LOGFONTW font{};
  if (GetObjectW(handle, sizeof(font), &font) != sizeof(font)) return;
  const WideString face(font.lfFaceName, std::find(font.lfFaceName, font.lfFaceName + LF_FACESIZE, u'\0'));
  if (!face.empty()) name_ = platform::WideToAnsiString(face);
  height_ = font.lfHeight;
  charset_ = font.lfCharSet;
  TFontStyles style;
  if (font.lfWeight >= FW_SEMIBOLD) style.Include(TFontStyle::fsBold);
  if (font.lfItalic) style.Include(TFontStyle::fsItalic);
  if (font.lfUnderline) style.Include(TFontStyle::fsUnderline);
  if (font.lfStrikeOut) style.Include(TFontStyle::fsStrikeOut);
  style_ = style;
  const int pitch = font.lfPitchAndFamily & 3;
  pitch_ = pitch == FIXED_PITCH ? TFontPitch::fpFixed : pitch == VARIABLE_PITCH ? TFontPitch::fpVariable : TFontPitch::fpDefault;
  Change();
}

// ---------------------------------------------------------------------------

T_CLASS_INFO(TPen, TGraphicsObject, [](TClassInfo& c) {
  using namespace published;
  c.AddProperty(IntegerIdent<TPen>("Color", ColorIdents(), &TPen::Color, &TPen::SetColor));
  c.AddProperty(Enumeration<TPen, TPenMode>("Mode", PenModeType(), &TPen::Mode, &TPen::SetMode));
  c.AddProperty(Enumeration<TPen, TPenStyle>("Style", PenStyleType(), &TPen::Style, &TPen::SetStyle));
  c.AddProperty(Integer<TPen>("Width", &TPen::Width, &TPen::SetWidth));
})

TPen::~TPen() { DeleteHandle(handle_); }

void TPen::Change() {
  DeleteHandle(handle_);
  Changed();
}

void TPen::Assign(TPersistent* source) {
  if (auto* pen = As<TPen>(source)) {
    color_ = pen->color_;
    width_ = pen->width_;
    style_ = pen->style_;
    mode_ = pen->mode_;
    Change();
    return;
  }
  TGraphicsObject::Assign(source);
}

void TPen::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Change();
}

void TPen::SetWidth(int width) {
  width = std::max(width, 0);
  if (width == width_) return;
  width_ = width;
  Change();
}

void TPen::SetStyle(TPenStyle style) {
  if (style == style_) return;
  style_ = style;
  Change();
}

void TPen::SetMode(TPenMode mode) {
  if (mode == mode_) return;
  mode_ = mode;
  // The mode is the context's mix mode, not part of the pen object.
  Changed();
}

HPEN TPen::Handle() {
  if (handle_ != nullptr) return handle_;
  // The styles are in PS_* order.
  handle_ = CreatePen(static_cast<int>(style_), width_, ColorToRGB(color_));
  if (handle_ == nullptr) throw EOutOfResources("Out of system resources");
  return handle_;
}

// ---------------------------------------------------------------------------

T_CLASS_INFO(TBrush, TGraphicsObject, [](TClassInfo& c) {
  using namespace published;
  c.AddProperty(IntegerIdent<TBrush>("Color", ColorIdents(), &TBrush::Color, &TBrush::SetColor));
  c.AddProperty(Enumeration<TBrush, TBrushStyle>("Style", BrushStyleType(), &TBrush::Style, &TBrush::SetStyle));
})

TBrush::~TBrush() { DeleteHandle(handle_); }

void TBrush::Change() {
  DeleteHandle(handle_);
  Changed();
}

void TBrush::Assign(TPersistent* source) {
  if (auto* brush = As<TBrush>(source)) {
    color_ = brush->color_;
    style_ = brush->style_;
    bitmap_ = brush->bitmap_;
    Change();
    return;
  }
  TGraphicsObject::Assign(source);
}

void TBrush::SetColor(TColor color) {
  if (color == color_ && style_ != TBrushStyle::bsClear) return;
  color_ = color;
  // Giving a clear brush a colour makes it solid again.
  if (style_ == TBrushStyle::bsClear) style_ = TBrushStyle::bsSolid;
  Change();
}

void TBrush::SetStyle(TBrushStyle style) {
  if (style == style_) return;
  style_ = style;
  Change();
}

void TBrush::SetBitmap(TBitmap* bitmap) {
  bitmap_ = bitmap;
  Change();
}

HBRUSH TBrush::Handle() {
  if (handle_ != nullptr) return handle_;
  if (bitmap_ != nullptr && !bitmap_->Empty()) {
    handle_ = CreatePatternBrush(bitmap_->Handle());
  } else if (style_ == TBrushStyle::bsSolid) {
    handle_ = CreateSolidBrush(ColorToRGB(color_));
  } else if (style_ == TBrushStyle::bsClear) {
    LOGBRUSH hollow{BS_HOLLOW, 0, 0};
    handle_ = CreateBrushIndirect(&hollow);
  } else {
    // Hatches follow bsHorizontal in HS_* order.
    const int hatch = static_cast<int>(style_) - static_cast<int>(TBrushStyle::bsHorizontal);
    handle_ = CreateHatchBrush(hatch, ColorToRGB(color_));
  }
  if (handle_ == nullptr) throw EOutOfResources("Out of system resources");
  return handle_;
}
