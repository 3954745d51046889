// Fonts: a LOGFONT matched by fontconfig (with the program's own face-name
// mapping loaded first) and rendered with FreeType. A font realises one face
// at one pixel size; faces with embedded bitmap strikes at that size (the
// 12-pixel strikes of the Song face) are drawn from those strikes as mono
// glyphs.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/gdi/gdi.h"
#include "platform/gdi/gdi_object.h"

namespace platform {

// One rendered glyph: coverage 0..255 per pixel, placed relative to the pen
// position on the baseline.
struct Glyph {
  int advance = 0;
  int left = 0;  // pixels from the pen position to the first column
  int top = 0;   // pixels from the baseline up to the first row
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> coverage;
};

class FontInstance {
 public:
  virtual ~FontInstance() = default;
  virtual const TEXTMETRICW& Metrics() const = 0;
  virtual const Glyph& GlyphFor(char32_t codePoint) = 0;
  // The family fontconfig chose, for GetTextFace and tests.
  virtual const std::string& FamilyName() const = 0;
  virtual bool UsesBitmapStrike() const = 0;
  virtual int UnderlinePosition() const = 0;   // pixels below the baseline
  virtual int UnderlineThickness() const = 0;  // pixels
};

class FontObject : public GdiObject {
 public:
  explicit FontObject(const LOGFONTW& font) : GdiObject(HandleKind::Font), logFont(font) {}
  LOGFONTW logFont;
  // The realised font, made on first use and shared between equal LOGFONTs.
  FontInstance& Instance();

 private:
  std::shared_ptr<FontInstance> instance_;
};

FontObject* FindFont(HFONT handle);

// The realised font of a LOGFONT (cached by its fields).
std::shared_ptr<FontInstance> RealizeFont(const LOGFONTW& font);

// Loads the program's fontconfig configuration (face-name mapping). Called
// on first use of any font; answers false when fontconfig refused it.
bool EnsureFontConfiguration();

}  // namespace platform
