// Fonts from LOGFONTs, TextOut, ExtTextOut and text measuring.
#include "platform/gdi/text.h"

#include <algorithm>
#include <cstring>

#include "platform/gdi/paint.h"

namespace platform {

FontInstance& DcFont(DcObject& dc) {
  FontObject* font = HandleTable::Instance().FindAs<FontObject>(dc.state.font, HandleKind::Font);
  if (font == nullptr) font = HandleTable::Instance().FindAs<FontObject>(GetStockObject(SYSTEM_FONT), HandleKind::Font);
  return font->Instance();
}

std::u32string ToCodePoints(std::u16string_view text) {
  std::u32string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      result.push_back(0x10000 + ((char32_t(c) - 0xD800) << 10) + (char32_t(text[i + 1]) - 0xDC00));
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      result.push_back(0xFFFD);
    } else {
      result.push_back(c);
    }
  }
  return result;
}

int TextWidth(FontInstance& font, std::u32string_view text) {
  int width = 0;
  for (char32_t c : text) width += font.GlyphFor(c).advance;
  return width;
}

namespace {

// Blends glyph coverage over the surface in the text colour, inside `clip`.
void BlendGlyph(Surface& surface, const Region& clip, const Glyph& glyph, int originX, int baseline, Pixel colour) {
  if (glyph.width == 0 || glyph.height == 0) return;
  const RECT box{originX + glyph.left, baseline - glyph.top, originX + glyph.left + glyph.width,
                 baseline - glyph.top + glyph.height};
  Region area = clip;
  area.Intersect(box);
  for (const RECT& r : area.Rects()) {
    for (int y = r.top; y < r.bottom; ++y) {
      const std::uint8_t* coverage = glyph.coverage.data() + static_cast<std::size_t>((y - box.top) * glyph.width);
      Pixel* row = surface.Row(y);
      for (int x = r.left; x < r.right; ++x) {
        const unsigned a = coverage[x - box.left];
        if (a == 0) continue;
        if (a == 255) {
          row[x] = colour;
          continue;
        }
        row[x] = MixPixel(row[x], colour, a);
      }
    }
  }
}

}  // namespace

void DrawTextRun(DcObject& dc, FontInstance& font, int x, int y, std::u32string_view text, const TextRunOptions& options) {
  const TEXTMETRICW& metrics = font.Metrics();
  // Pen positions of every character (surface coordinates).
  std::vector<int> positions(text.size() + 1);
  positions[0] = dc.SurfaceX(x);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const int advance = options.dx ? options.dx[i] : font.GlyphFor(text[i]).advance;
    positions[i + 1] = positions[i] + advance;
  }
  const int top = dc.SurfaceY(y);
  const int baseline = top + metrics.tmAscent;
  RECT cell{positions.front(), top, positions.back(), top + metrics.tmHeight};
  RECT touched = cell;
  // Glyphs may overhang their cells (italics, emboldening), underlines may
  // lie below them.
  touched.left -= metrics.tmMaxCharWidth;
  touched.right += metrics.tmMaxCharWidth;
  touched.bottom = std::max<LONG>(touched.bottom, baseline + font.UnderlinePosition() - 1 + font.UnderlineThickness());
  if (options.opaqueRect) {
    const RECT opaque = dc.ToSurface(*options.opaqueRect);
    UnionRect(&touched, &touched, &opaque);
  }
  PaintScope scope(dc, touched);
  if (!scope.Valid()) return;
  Region clip = scope.Clip();
  if (options.clip) {
    const RECT c = dc.ToSurface(*options.clip);
    clip.Intersect(c);
  }
  Surface& surface = scope.Target();
  if (options.opaqueRect) {
    Region fill = scope.Clip();
    fill.Intersect(dc.ToSurface(*options.opaqueRect));
    FillAreaSolid(surface, fill, ColourPixel(dc.state.bkColour), R2_COPYPEN);
  }
  if (options.fillCell) {
    Region fill = clip;
    fill.Intersect(cell);
    FillAreaSolid(surface, fill, ColourPixel(dc.state.bkColour), R2_COPYPEN);
  }
  const Pixel colour = ColourPixel(dc.state.textColour);
  for (std::size_t i = 0; i < text.size(); ++i) BlendGlyph(surface, clip, font.GlyphFor(text[i]), positions[i], baseline, colour);

  const int thickness = font.UnderlineThickness();
  auto line = [&](int left, int right, int lineTop) {
    Region bar(RECT{left, lineTop, right, lineTop + thickness});
    bar.Intersect(clip);
    FillAreaSolid(surface, bar, colour, R2_COPYPEN);
  };
  // Position 1 is the row just below the baseline row's top, i.e. the baseline row itself.
  const int underlineTop = baseline + font.UnderlinePosition() - 1;
  if (options.underline) line(positions.front(), positions.back(), underlineTop);
  if (options.strikeOut) line(positions.front(), positions.back(), baseline - metrics.tmAscent / 3);
  for (std::size_t index : options.underlined) {
    if (index < text.size()) line(positions[index], positions[index + 1], underlineTop);
  }
}

}  // namespace platform

using namespace platform;

HFONT CreateFontIndirectW(const LOGFONTW* font) {
  if (font == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return InsertGdi<HFONT>(std::make_unique<FontObject>(*font));
}

HFONT CreateFontIndirectA(const LOGFONTA* font) {
  if (font == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  LOGFONTW wide{};
  std::memcpy(&wide, font, offsetof(LOGFONTA, lfFaceName));
  const WideString face = AnsiToWideString(std::string_view(font->lfFaceName, strnlen(font->lfFaceName, LF_FACESIZE)));
  std::copy_n(face.begin(), std::min<std::size_t>(face.size(), LF_FACESIZE - 1), wide.lfFaceName);
  return CreateFontIndirectW(&wide);
}

HFONT CreateFontW(int height, int width, int escapement, int orientation, int weight, DWORD italic, DWORD underline,
                  DWORD strikeOut, DWORD charSet, DWORD outPrecision, DWORD clipPrecision, DWORD quality,
                  DWORD pitchAndFamily, LPCWSTR face) {
  LOGFONTW font{};
  font.lfHeight = height;
  font.lfWidth = width;
  font.lfEscapement = escapement;
  font.lfOrientation = orientation;
  font.lfWeight = weight;
  font.lfItalic = static_cast<BYTE>(italic);
  font.lfUnderline = static_cast<BYTE>(underline);
  font.lfStrikeOut = static_cast<BYTE>(strikeOut);
  font.lfCharSet = static_cast<BYTE>(charSet);
  font.lfOutPrecision = static_cast<BYTE>(outPrecision);
  font.lfClipPrecision = static_cast<BYTE>(clipPrecision);
  font.lfQuality = static_cast<BYTE>(quality);
  font.lfPitchAndFamily = static_cast<BYTE>(pitchAndFamily);
  if (face != nullptr) {
    const std::u16string_view name(face);
    std::copy_n(name.begin(), std::min<std::size_t>(name.size(), LF_FACESIZE - 1), font.lfFaceName);
  }
  return CreateFontIndirectW(&font);
}

int GetTextFaceW(HDC handle, int count, LPWSTR face) {
  DcObject* dc = FindDc(handle);
  if (dc == nullptr) return 0;
  FontObject* font = FindFont(dc->state.font);
  std::u16string_view name(font ? font->logFont.lfFaceName : u"", font ? LF_FACESIZE : 0);
  name = name.substr(0, name.find(u'\0'));
  if (face == nullptr) return static_cast<int>(name.size()) + 1;
  if (count <= 0) return 0;
  const std::size_t n = std::min<std::size_t>(name.size(), static_cast<std::size_t>(count - 1));
  std::copy_n(name.begin(), n, face);
  face[n] = u'\0';
  return static_cast<int>(n) + 1;
}

BOOL GetTextMetricsW(HDC handle, TEXTMETRICW* metrics) {
  DcObject* dc = FindDc(handle);
  if (dc == nullptr || metrics == nullptr) return FALSE;
  *metrics = DcFont(*dc).Metrics();
  return TRUE;
}

BOOL GetTextExtentPoint32W(HDC handle, LPCWSTR text, int length, SIZE* size) {
  DcObject* dc = FindDc(handle);
  if (dc == nullptr || size == nullptr || length < 0 || (text == nullptr && length > 0)) return FALSE;
  FontInstance& font = DcFont(*dc);
  size->cx = TextWidth(font, ToCodePoints(std::u16string_view(text, static_cast<std::size_t>(length))));
  size->cy = font.Metrics().tmHeight;
  return TRUE;
}

BOOL GetTextExtentPoint32A(HDC handle, LPCSTR text, int length, SIZE* size) {
  if (length < 0 || (text == nullptr && length > 0)) return FALSE;
  const WideString wide = AnsiToWideString(std::string_view(text, static_cast<std::size_t>(length)));
  return GetTextExtentPoint32W(handle, wide.c_str(), static_cast<int>(wide.size()), size);
}

BOOL GetCharWidth32W(HDC handle, UINT first, UINT last, int* widths) {
  DcObject* dc = FindDc(handle);
  if (dc == nullptr || widths == nullptr || last < first) return FALSE;
  FontInstance& font = DcFont(*dc);
  for (UINT c = first; c <= last; ++c) widths[c - first] = font.GlyphFor(c).advance;
  return TRUE;
}

BOOL ExtTextOutW(HDC handle, int x, int y, UINT options, const RECT* rect, LPCWSTR text, UINT length, const int* dx) {
  DcObject* dc = FindDc(handle);
  if (dc == nullptr || (text == nullptr && length > 0)) return FALSE;
  FontInstance& font = DcFont(*dc);
  const std::u32string characters = ToCodePoints(std::u16string_view(text ? text : u"", length));
  // Per-character advances are given per UTF-16 unit; keep one per code point.
  std::vector<int> advances;
  if (dx != nullptr) {
    for (UINT i = 0, c = 0; i < length && c < characters.size(); ++i, ++c) {
      advances.push_back(dx[i]);
      if (characters[c] > 0xFFFF) ++i;
    }
  }
  TextRunOptions run;
  run.dx = dx ? advances.data() : nullptr;
  run.clip = (options & ETO_CLIPPED) && rect ? rect : nullptr;
  run.opaqueRect = (options & ETO_OPAQUE) && rect ? rect : nullptr;
  run.fillCell = dc->state.bkMode == OPAQUE;
  FontObject* fontObject = FindFont(dc->state.font);
  run.underline = fontObject && fontObject->logFont.lfUnderline;
  run.strikeOut = fontObject && fontObject->logFont.lfStrikeOut;
  const TEXTMETRICW& metrics = font.Metrics();
  int width = 0;
  for (std::size_t i = 0; i < characters.size(); ++i) width += run.dx ? run.dx[i] : font.GlyphFor(characters[i]).advance;
  const UINT align = dc->state.textAlign;
  if (align & TA_UPDATECP) {
    x = dc->state.currentPos.x;
    y = dc->state.currentPos.y;
  }
  int left = x;
  if ((align & TA_CENTER) == TA_CENTER) left = x - width / 2;
  else if (align & TA_RIGHT) left = x - width;
  int top = y;
  if ((align & TA_BASELINE) == TA_BASELINE) top = y - metrics.tmAscent;
  else if (align & TA_BOTTOM) top = y - metrics.tmHeight;
  // The current position moves past the text, except for centred text.
  if ((align & TA_UPDATECP) && (align & TA_CENTER) != TA_CENTER) {
    dc->state.currentPos.x = (align & TA_RIGHT) ? left : left + width;
  }
  DrawTextRun(*dc, font, left, top, characters, run);
  return TRUE;
}

BOOL TextOutW(HDC handle, int x, int y, LPCWSTR text, int length) {
  if (length < 0) return FALSE;
  return ExtTextOutW(handle, x, y, 0, nullptr, text, static_cast<UINT>(length), nullptr);
}

BOOL TextOutA(HDC handle, int x, int y, LPCSTR text, int length) {
  if (length < 0 || (text == nullptr && length > 0)) return FALSE;
  const WideString wide = AnsiToWideString(std::string_view(text ? text : "", static_cast<std::size_t>(length)));
  return ExtTextOutW(handle, x, y, 0, nullptr, wide.c_str(), static_cast<UINT>(wide.size()), nullptr);
}
