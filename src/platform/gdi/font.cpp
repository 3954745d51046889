// Font matching (fontconfig) and glyph rendering (FreeType).
#include "platform/gdi/font.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_BITMAP_H
#include FT_TRUETYPE_TABLES_H

#include <cmath>
#include <cstdlib>
#include <optional>
#include <cstring>
#include <map>
#include <tuple>

namespace platform {

extern const char kFontConfiguration[];

namespace {

// The FreeType library, shared by every face so that it outlives them all
// (stock fonts live in the handle table until the very end of the process).
class FreeTypeLibrary {
 public:
  FreeTypeLibrary() { FT_Init_FreeType(&library_); }
  ~FreeTypeLibrary() { FT_Done_FreeType(library_); }
  FT_Library Get() const { return library_; }

 private:
  FT_Library library_ = nullptr;
};

std::shared_ptr<FreeTypeLibrary> Library() {
  static std::shared_ptr<FreeTypeLibrary> library = std::make_shared<FreeTypeLibrary>();
  return library;
}

std::string FaceNameUtf8(const LOGFONTW& font) {
  std::u16string_view face(font.lfFaceName, LF_FACESIZE);
  face = face.substr(0, face.find(u'\0'));
  return WideToUtf8String(face);
}

struct MatchedFace {
  std::string file;
  int index = 0;
  std::string family;
};

// Asks fontconfig for the face of a family at a pixel size and style.
std::optional<MatchedFace> MatchFace(const std::string& family, double pixelSize, int weight, bool italic, bool chinese) {
  EnsureFontConfiguration();
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcPatternAddDouble(pattern, FC_PIXEL_SIZE, pixelSize);
  FcPatternAddInteger(pattern, FC_WEIGHT, FcWeightFromOpenType(weight == 0 ? FW_NORMAL : weight));
  FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  if (chinese) FcPatternAddString(pattern, FC_LANG, reinterpret_cast<const FcChar8*>("zh-cn"));
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  FcPatternDestroy(pattern);
  if (match == nullptr) return std::nullopt;
  MatchedFace face;
  FcChar8* file = nullptr;
  FcChar8* name = nullptr;
  int index = 0;
  if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) face.file = reinterpret_cast<char*>(file);
  if (FcPatternGetInteger(match, FC_INDEX, 0, &index) == FcResultMatch) face.index = index;
  if (FcPatternGetString(match, FC_FAMILY, 0, &name) == FcResultMatch) face.family = reinterpret_cast<char*>(name);
  FcPatternDestroy(match);
  if (face.file.empty()) return std::nullopt;
  return face;
}

// One FreeType face at one size.
class SizedFace {
 public:
  SizedFace(std::shared_ptr<FreeTypeLibrary> library, const MatchedFace& matched, const LOGFONTW& font)
      : library_(std::move(library)) {
    if (FT_New_Face(library_->Get(), matched.file.c_str(), matched.index, &face_) != 0) face_ = nullptr;
    if (face_ == nullptr) return;
    const bool allowStrikes = font.lfQuality != ANTIALIASED_QUALITY;
    // Cell heights (positive lfHeight) and character heights (negative) both
    // pick a bitmap strike of that size when the face has one.
    const int wanted = font.lfHeight == 0 ? 12 : std::abs(font.lfHeight);
    if (allowStrikes && FT_HAS_FIXED_SIZES(face_)) {
      for (int i = 0; i < face_->num_fixed_sizes; ++i) {
        const FT_Bitmap_Size& s = face_->available_sizes[i];
        const int size = font.lfHeight > 0 ? s.height : static_cast<int>((s.y_ppem + 32) >> 6);
        if (size == wanted && FT_Select_Size(face_, i) == 0) {
          strike_ = true;
          strikeHeight_ = s.height;
          strikeWidth_ = s.width;
          break;
        }
      }
    }
    if (!strike_) {
      em_ = wanted;
      if (font.lfHeight > 0 && FT_IS_SCALABLE(face_)) {
        // A cell height: scale so that ascent + descent fill it.
        const TT_OS2* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face_, FT_SFNT_OS2));
        const int cell = os2 ? os2->usWinAscent + os2->usWinDescent : face_->ascender - face_->descender;
        if (cell > 0) em_ = std::max(1, static_cast<int>(std::lround(double(wanted) * face_->units_per_EM / cell)));
      }
      FT_Set_Pixel_Sizes(face_, 0, static_cast<FT_UInt>(em_));
    }
  }
  ~SizedFace() {
    if (face_ != nullptr) FT_Done_Face(face_);
  }
  SizedFace(const SizedFace&) = delete;
  SizedFace& operator=(const SizedFace&) = delete;

  FT_Face Face() const { return face_; }
  FT_Library Lib() const { return library_->Get(); }
  bool Strike() const { return strike_; }
  int StrikeHeight() const { return strikeHeight_; }
  int StrikeWidth() const { return strikeWidth_; }
  int Em() const { return strike_ ? static_cast<int>((face_->size->metrics.y_ppem)) : em_; }
  bool HasGlyph(char32_t c) const { return face_ != nullptr && FT_Get_Char_Index(face_, c) != 0; }

 private:
  std::shared_ptr<FreeTypeLibrary> library_;
  FT_Face face_ = nullptr;
  bool strike_ = false;
  int strikeHeight_ = 0;
  int strikeWidth_ = 0;
  int em_ = 12;
};

class FreeTypeFont : public FontInstance {
 public:
  explicit FreeTypeFont(const LOGFONTW& font) : logFont_(font) {
    std::string family = FaceNameUtf8(font);
    if (family.empty()) family = "宋体";
    const bool chinese = font.lfCharSet == GB2312_CHARSET || font.lfCharSet == DEFAULT_CHARSET;
    const double size = font.lfHeight == 0 ? 12.0 : std::abs(font.lfHeight);
    if (auto matched = MatchFace(family, size, font.lfWeight, font.lfItalic != 0, chinese)) {
      family_ = matched->family;
      main_ = std::make_unique<SizedFace>(Library(), *matched, font);
      if (main_->Face() == nullptr) main_.reset();
    }
    if (auto fallback = MatchFace("WenQuanYi Zen Hei", size, font.lfWeight, font.lfItalic != 0, true)) {
      LOGFONTW outline = font;
      outline.lfQuality = ANTIALIASED_QUALITY;
      if (main_ && main_->Strike()) outline.lfHeight = -main_->Em();
      fallback_ = std::make_unique<SizedFace>(Library(), *fallback, outline);
      if (fallback_->Face() == nullptr) fallback_.reset();
    }
    const FT_Face face = main_ ? main_->Face() : nullptr;
    embolden_ = font.lfWeight >= FW_SEMIBOLD && face && !(face->style_flags & FT_STYLE_FLAG_BOLD);
    slant_ = font.lfItalic && face && !(face->style_flags & FT_STYLE_FLAG_ITALIC);
    mono_ = font.lfQuality == NONANTIALIASED_QUALITY || (main_ && main_->Strike());
    ComputeMetrics();
  }

  const TEXTMETRICW& Metrics() const override { return metrics_; }
  const std::string& FamilyName() const override { return family_; }
  bool UsesBitmapStrike() const override { return main_ && main_->Strike(); }
  int UnderlinePosition() const override { return underlinePosition_; }
  int UnderlineThickness() const override { return underlineThickness_; }

  const Glyph& GlyphFor(char32_t c) override {
    auto found = glyphs_.find(c);
    if (found != glyphs_.end()) return found->second;
    return glyphs_.emplace(c, Render(c)).first->second;
  }

 private:
  void ComputeMetrics() {
    TEXTMETRICW& m = metrics_;
    m = TEXTMETRICW{};
    const FT_Face face = main_ ? main_->Face() : nullptr;
    if (face == nullptr) {
      // No face at all: metrics of an empty 12-pixel font, so layout still works.
      m.tmHeight = 12;
      m.tmAscent = 10;
      m.tmDescent = 2;
      m.tmAveCharWidth = 6;
      m.tmMaxCharWidth = 12;
    } else if (main_->Strike()) {
      m.tmAscent = static_cast<LONG>(face->size->metrics.ascender >> 6);
      m.tmHeight = main_->StrikeHeight();
      m.tmDescent = m.tmHeight - m.tmAscent;
      m.tmAveCharWidth = main_->StrikeWidth();
      m.tmMaxCharWidth = static_cast<LONG>(face->size->metrics.max_advance >> 6);
    } else {
      const double scale = double(main_->Em()) / face->units_per_EM;
      const TT_OS2* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
      const double ascent = os2 ? os2->usWinAscent : face->ascender;
      const double descent = os2 ? os2->usWinDescent : -face->descender;
      m.tmAscent = static_cast<LONG>(std::ceil(ascent * scale - 0.01));
      m.tmDescent = static_cast<LONG>(std::ceil(descent * scale - 0.01));
      m.tmHeight = m.tmAscent + m.tmDescent;
      m.tmAveCharWidth = os2 && os2->xAvgCharWidth > 0 ? static_cast<LONG>(std::lround(os2->xAvgCharWidth * scale))
                                                       : main_->Em() / 2;
      m.tmMaxCharWidth = static_cast<LONG>(std::lround(face->max_advance_width * scale));
    }
    if (face != nullptr) {
      const double scale = double(main_->Em()) / std::max<int>(face->units_per_EM, 1);
      underlinePosition_ = std::max(1, static_cast<int>(std::lround(-face->underline_position * scale)));
      underlineThickness_ = std::max(1, static_cast<int>(std::lround(face->underline_thickness * scale)));
    }
    underlinePosition_ = std::min<int>(underlinePosition_, std::max<LONG>(m.tmDescent - 1, 0) + 1);
    // The strike's letters reach down to the row above the baseline row, so
    // an underline on the baseline row would touch them ("F" would read as
    // "E"); it goes one row lower, just below the cell.
    if (main_ && main_->Strike()) underlinePosition_ = m.tmDescent + 1;
    if (embolden_) {
      m.tmAveCharWidth += 1;
      m.tmMaxCharWidth += 1;
    }
    m.tmInternalLeading = main_ ? m.tmHeight - main_->Em() : 0;
    m.tmExternalLeading = 0;
    m.tmWeight = logFont_.lfWeight == 0 ? FW_NORMAL : logFont_.lfWeight;
    m.tmOverhang = 0;
    m.tmDigitizedAspectX = 96;
    m.tmDigitizedAspectY = 96;
    m.tmFirstChar = 0x20;
    m.tmLastChar = 0xFFFC;
    m.tmDefaultChar = 0x1F;
    m.tmBreakChar = 0x20;
    m.tmItalic = logFont_.lfItalic ? 255 : 0;
    m.tmUnderlined = logFont_.lfUnderline ? 255 : 0;
    m.tmStruckOut = logFont_.lfStrikeOut ? 255 : 0;
    // TMPF_FIXED_PITCH set means a variable-pitch font, as Win32 has it.
    const bool fixed = face && FT_IS_FIXED_WIDTH(face);
    m.tmPitchAndFamily = static_cast<BYTE>((fixed ? 0 : TMPF_FIXED_PITCH) | TMPF_VECTOR | TMPF_TRUETYPE |
                                           (logFont_.lfPitchAndFamily & 0xF0));
    m.tmCharSet = logFont_.lfCharSet == DEFAULT_CHARSET ? GB2312_CHARSET : logFont_.lfCharSet;
  }

  Glyph Render(char32_t c) {
    SizedFace* source = main_.get();
    if ((source == nullptr || !source->HasGlyph(c)) && fallback_ && fallback_->HasGlyph(c)) source = fallback_.get();
    Glyph glyph;
    if (source == nullptr) return glyph;
    FT_Face face = source->Face();
    const bool mono = mono_ || source->Strike();
    FT_Int32 flags = FT_LOAD_DEFAULT | (mono ? FT_LOAD_TARGET_MONO : FT_LOAD_TARGET_NORMAL);
    if (FT_Load_Char(face, c, flags) != 0) return glyph;
    FT_GlyphSlot slot = face->glyph;
    if (slot->format == FT_GLYPH_FORMAT_OUTLINE) {
      if (slant_) {
        FT_Matrix shear{0x10000, 0x0366A, 0, 0x10000};
        FT_Outline_Transform(&slot->outline, &shear);
      }
      if (embolden_) FT_Outline_EmboldenXY(&slot->outline, 64, 0);
      if (FT_Render_Glyph(slot, mono ? FT_RENDER_MODE_MONO : FT_RENDER_MODE_NORMAL) != 0) return glyph;
    }
    glyph.advance = static_cast<int>((slot->advance.x + 32) >> 6) + (embolden_ ? 1 : 0);
    const FT_Bitmap& bitmap = slot->bitmap;
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.width = static_cast<int>(bitmap.width);
    glyph.height = static_cast<int>(bitmap.rows);
    glyph.coverage.assign(static_cast<std::size_t>(glyph.width) * static_cast<std::size_t>(glyph.height), 0);
    for (int y = 0; y < glyph.height; ++y) {
      const unsigned char* row = bitmap.buffer + static_cast<std::ptrdiff_t>(y) * bitmap.pitch;
      for (int x = 0; x < glyph.width; ++x) {
        std::uint8_t value = 0;
        if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO) {
          value = ((row[x >> 3] >> (7 - (x & 7))) & 1) ? 255 : 0;
        } else if (bitmap.pixel_mode == FT_PIXEL_MODE_GRAY) {
          value = row[x];
        }
        glyph.coverage[static_cast<std::size_t>(y * glyph.width + x)] = value;
      }
    }
    // Bitmap strikes are emboldened and slanted as pixels.
    if (slot->format == FT_GLYPH_FORMAT_BITMAP && (embolden_ || slant_)) SimulateStyle(glyph);
    return glyph;
  }

  void SimulateStyle(Glyph& glyph) const {
    const int extra = (embolden_ ? 1 : 0) + (slant_ ? (glyph.height + 3) / 4 : 0);
    const int width = glyph.width + extra;
    std::vector<std::uint8_t> out(static_cast<std::size_t>(width) * static_cast<std::size_t>(glyph.height), 0);
    for (int y = 0; y < glyph.height; ++y) {
      // Rows above the baseline lean right by a quarter of their height.
      const int shift = slant_ ? std::max(0, (glyph.top - y) / 4) : 0;
      for (int x = 0; x < glyph.width; ++x) {
        const std::uint8_t v = glyph.coverage[static_cast<std::size_t>(y * glyph.width + x)];
        if (v == 0) continue;
        out[static_cast<std::size_t>(y * width + x + shift)] = v;
        if (embolden_) out[static_cast<std::size_t>(y * width + x + shift + 1)] = v;
      }
    }
    glyph.width = width;
    glyph.coverage = std::move(out);
  }

  LOGFONTW logFont_;
  std::string family_;
  std::unique_ptr<SizedFace> main_;
  std::unique_ptr<SizedFace> fallback_;
  bool embolden_ = false;
  bool slant_ = false;
  bool mono_ = false;
  TEXTMETRICW metrics_{};
  int underlinePosition_ = 1;
  int underlineThickness_ = 1;
  std::unordered_map<char32_t, Glyph> glyphs_;
};

using FontKey = std::tuple<LONG, LONG, LONG, BYTE, BYTE, BYTE, BYTE, std::u16string>;

FontKey KeyOf(const LOGFONTW& font) {
  std::u16string_view face(font.lfFaceName, LF_FACESIZE);
  face = face.substr(0, face.find(u'\0'));
  return FontKey{font.lfHeight, font.lfWidth, font.lfWeight, font.lfItalic, font.lfCharSet, font.lfQuality,
                 font.lfPitchAndFamily, std::u16string(face)};
}

}  // namespace

bool EnsureFontConfiguration() {
  static const bool loaded = [] {
    if (!FcInit()) return false;
    // Fontconfig's caches are released at exit, so leak checkers see none.
    std::atexit(FcFini);
    FcConfig* config = FcConfigGetCurrent();
    return FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8*>(kFontConfiguration), FcTrue) ==
           FcTrue;
  }();
  return loaded;
}

std::shared_ptr<FontInstance> RealizeFont(const LOGFONTW& font) {
  // Realised fonts are kept for the life of the process: the program uses a
  // handful of them and realising one opens font files.
  static std::map<FontKey, std::shared_ptr<FontInstance>> cache;
  FontKey key = KeyOf(font);
  auto found = cache.find(key);
  if (found != cache.end()) return found->second;
  auto instance = std::make_shared<FreeTypeFont>(font);
  cache.emplace(std::move(key), instance);
  return instance;
}

FontInstance& FontObject::Instance() {
  if (!instance_) instance_ = RealizeFont(logFont);
  return *instance_;
}

}  // namespace platform
