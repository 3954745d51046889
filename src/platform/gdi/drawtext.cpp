// DrawText: lines, word breaks, tab expansion, "&" prefixes, end ellipsis,
// alignment and measuring. DT_RTLREADING only concerns the ordering of
// right-to-left scripts, which the program's text does not contain, so it
// changes nothing here.
#include <algorithm>

#include "platform/gdi/paint.h"
#include "platform/gdi/text.h"

namespace platform {

namespace {

struct Character {
  char32_t code;
  bool underlined;
};

struct Line {
  std::vector<Character> characters;
  std::vector<int> advances;
  int width = 0;
};

bool IsWide(char32_t c) { return c >= 0x2E80; }

bool IsLineBreak(char32_t c) { return c == U'\r' || c == U'\n'; }

// Removes the prefix markers: "&x" underlines x, "&&" is one "&".
std::vector<Character> ProcessPrefixes(std::u32string_view text, UINT format) {
  std::vector<Character> result;
  result.reserve(text.size());
  const bool prefixes = !(format & DT_NOPREFIX);
  const bool show = !(format & DT_HIDEPREFIX);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (prefixes && text[i] == U'&') {
      if (i + 1 >= text.size()) break;  // a lone "&" at the end shows nothing
      ++i;
      result.push_back(Character{text[i], show && text[i] != U'&'});
      continue;
    }
    result.push_back(Character{text[i], false});
  }
  return result;
}

class Layout {
 public:
  Layout(FontInstance& font, UINT format, int maxWidth, int tabWidth)
      : font_(font), format_(format), maxWidth_(maxWidth), tabWidth_(std::max(tabWidth, 1)) {}

  std::vector<Line> Run(const std::vector<Character>& text) {
    std::vector<Line> lines;
    std::vector<Character> paragraph;
    const bool single = format_ & DT_SINGLELINE;
    for (std::size_t i = 0; i <= text.size(); ++i) {
      if (i < text.size() && !IsLineBreak(text[i].code)) {
        paragraph.push_back(text[i]);
        continue;
      }
      if (i < text.size() && single) continue;  // line breaks are dropped on a single line
      Wrap(paragraph, lines);
      paragraph.clear();
      // CR LF and LF CR are one break.
      if (i + 1 < text.size() && IsLineBreak(text[i + 1].code) && text[i + 1].code != text[i].code) ++i;
    }
    if (format_ & DT_END_ELLIPSIS) {
      for (Line& line : lines) Ellipsize(line);
    }
    return lines;
  }

 private:
  int Advance(char32_t c, int x) const {
    if (c == U'\t' && (format_ & DT_EXPANDTABS)) return tabWidth_ - (x % tabWidth_);
    return font_.GlyphFor(c).advance;
  }

  Line Measure(const std::vector<Character>& characters, std::size_t from, std::size_t to) const {
    Line line;
    for (std::size_t i = from; i < to; ++i) {
      const int advance = Advance(characters[i].code, line.width);
      line.characters.push_back(characters[i]);
      line.advances.push_back(advance);
      line.width += advance;
    }
    return line;
  }

  void Wrap(const std::vector<Character>& text, std::vector<Line>& lines) const {
    if (!(format_ & DT_WORDBREAK) || (format_ & DT_SINGLELINE)) {
      lines.push_back(Measure(text, 0, text.size()));
      return;
    }
    std::size_t start = 0;
    do {
      // Take characters while they fit; remember the last place a line may end.
      int x = 0;
      std::size_t end = start, lastBreak = start;
      while (end < text.size()) {
        const char32_t c = text[end].code;
        const int advance = Advance(c, x);
        const bool breakBefore = end > start && (c == U' ' || IsWide(c) || IsWide(text[end - 1].code));
        if (breakBefore) lastBreak = end;
        if (x + advance > maxWidth_ && end > start && c != U' ') break;
        x += advance;
        ++end;
      }
      if (end < text.size()) {
        if (lastBreak > start) {
          end = lastBreak;
        } else if (!(format_ & DT_EDITCONTROL)) {
          // A word longer than the line stays whole.
          while (end < text.size() && text[end].code != U' ' && !IsWide(text[end].code)) ++end;
        }
      }
      std::size_t lineEnd = end;
      while (lineEnd > start && text[lineEnd - 1].code == U' ') --lineEnd;  // trailing blanks go
      lines.push_back(Measure(text, start, lineEnd));
      start = end;
      while (start < text.size() && text[start].code == U' ') ++start;  // so do the blanks at the break
    } while (start < text.size());
  }

  void Ellipsize(Line& line) const {
    if (line.width <= maxWidth_) return;
    const int dots = 3 * font_.GlyphFor(U'.').advance;
    while (!line.characters.empty() && line.width + dots > maxWidth_) {
      line.width -= line.advances.back();
      line.advances.pop_back();
      line.characters.pop_back();
    }
    for (int i = 0; i < 3; ++i) {
      line.characters.push_back(Character{U'.', false});
      line.advances.push_back(font_.GlyphFor(U'.').advance);
    }
    line.width += dots;
  }

  FontInstance& font_;
  UINT format_;
  int maxWidth_;
  int tabWidth_;
};

int DrawTextCore(HDC handle, std::u32string_view text, LPRECT rect, UINT format, DRAWTEXTPARAMS* params) {
  DcObject* dc = FindDc(handle);
  if (dc == nullptr || rect == nullptr) return 0;
  FontInstance& font = DcFont(*dc);
  const TEXTMETRICW& metrics = font.Metrics();
  const int lineHeight = metrics.tmHeight + ((format & DT_EXTERNALLEADING) ? metrics.tmExternalLeading : 0);
  const int leftMargin = params ? params->iLeftMargin : 0;
  const int rightMargin = params ? params->iRightMargin : 0;
  int tabChars = 8;
  if (params && params->iTabLength > 0) tabChars = params->iTabLength;
  if (format & DT_TABSTOP) tabChars = static_cast<int>((format >> 8) & 0xFF);
  const RECT area{rect->left + leftMargin, rect->top, rect->right - rightMargin, rect->bottom};
  if (params) params->uiLengthDrawn = static_cast<UINT>(text.size());

  if (text.empty()) {
    if (format & DT_CALCRECT) {
      rect->right = rect->left;
      rect->bottom = rect->top + ((format & DT_SINGLELINE) ? lineHeight : 0);
    }
    return lineHeight;
  }

  Layout layout(font, format, area.right - area.left, tabChars * std::max<LONG>(metrics.tmAveCharWidth, 1));
  const std::vector<Line> lines = layout.Run(ProcessPrefixes(text, format));

  int y = area.top;
  if (format & DT_SINGLELINE) {
    if (format & DT_VCENTER) y = area.top + (area.bottom - area.top) / 2 - lineHeight / 2;
    else if (format & DT_BOTTOM) y = area.bottom - lineHeight;
  }
  int widest = 0;
  for (const Line& line : lines) {
    widest = std::max(widest, line.width);
    if (!(format & DT_CALCRECT)) {
      int x = area.left;
      if (format & DT_CENTER) x = area.left + (area.right - area.left - line.width) / 2;
      else if (format & DT_RIGHT) x = area.right - line.width;
      std::u32string characters;
      TextRunOptions run;
      for (std::size_t i = 0; i < line.characters.size(); ++i) {
        const char32_t c = line.characters[i].code;
        characters.push_back(c == U'\t' && (format & DT_EXPANDTABS) ? U' ' : c);
        if (line.characters[i].underlined) run.underlined.push_back(i);
      }
      run.dx = line.advances.data();
      run.clip = (format & DT_NOCLIP) ? nullptr : rect;
      run.fillCell = dc->state.bkMode == OPAQUE && !(format & DT_PREFIXONLY);
      if (format & DT_PREFIXONLY) {
        // Only the prefix underlines are drawn.
        for (char32_t& c : characters) c = U' ';
      }
      DrawTextRun(*dc, font, x, y, characters, run);
    }
    y += lineHeight;
  }
  if (format & DT_CALCRECT) {
    rect->right = area.left + widest + rightMargin;
    rect->bottom = y;
  }
  return y - rect->top;
}

}  // namespace

}  // namespace platform

using namespace platform;

int DrawTextExW(HDC dc, LPWSTR text, int length, LPRECT rect, UINT format, DRAWTEXTPARAMS* params) {
  if (text == nullptr && length != 0) return 0;
  const std::u16string_view view = length < 0 ? std::u16string_view(text) : std::u16string_view(text, static_cast<std::size_t>(length));
  return DrawTextCore(dc, ToCodePoints(view), rect, format, params);
}

int DrawTextW(HDC dc, LPCWSTR text, int length, LPRECT rect, UINT format) {
  if (text == nullptr && length != 0) return 0;
  const std::u16string_view view =
      length < 0 ? std::u16string_view(text) : std::u16string_view(text ? text : u"", static_cast<std::size_t>(length));
  return DrawTextCore(dc, ToCodePoints(view), rect, format, nullptr);
}

int DrawTextA(HDC dc, LPCSTR text, int length, LPRECT rect, UINT format) {
  if (text == nullptr && length != 0) return 0;
  const std::string_view view =
      length < 0 ? std::string_view(text) : std::string_view(text ? text : "", static_cast<std::size_t>(length));
  const WideString wide = AnsiToWideString(view);
  return DrawTextCore(dc, ToCodePoints(wide), rect, format, nullptr);
}
