// The content of speed buttons and bit buttons: one cell of a glyph strip
// and a caption, laid out side by side or one above the other.
#include "toolkit/Buttons.h"

void DrawButtonGlyph(TCanvas* canvas, const TRect& area, const AnsiString& caption, TFont* font, TBitmap* glyph,
                     const TButtonGlyphLayout& layout, int cell, bool enabled) {
  HDC dc = canvas->Handle();
  HGDIOBJ previousFont = SelectObject(dc, font->Handle());
  RECT textRect{0, 0, 0, 0};
  if (!caption.empty()) DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &textRect, DT_CALCRECT | DT_SINGLELINE);
  const int tw = RectWidth(textRect), th = RectHeight(textRect);
  const int numGlyphs = std::clamp(layout.NumGlyphs, 1, 4);
  const bool hasGlyph = glyph != nullptr && !glyph->Empty();
  const int gw = hasGlyph ? glyph->Width() / numGlyphs : 0;
  const int gh = hasGlyph ? glyph->Height() : 0;
  const int gap = hasGlyph && tw > 0 ? std::max(0, layout.Spacing) : 0;
  const int cw = RectWidth(area), ch = RectHeight(area);
  const bool horizontal = layout.Layout == TButtonLayout::blGlyphLeft || layout.Layout == TButtonLayout::blGlyphRight;
  const int total = horizontal ? gw + gap + tw : gh + gap + th;
  const int start = layout.Margin >= 0 ? layout.Margin : ((horizontal ? cw : ch) - total) / 2;
  TPoint glyphAt{}, textAt{};
  switch (layout.Layout) {
    case TButtonLayout::blGlyphLeft:
      glyphAt = Point(start, (ch - gh) / 2);
      textAt = Point(start + gw + gap, (ch - th) / 2);
      break;
    case TButtonLayout::blGlyphRight:
      glyphAt = Point(cw - start - gw, (ch - gh) / 2);
      textAt = Point(cw - start - gw - gap - tw, (ch - th) / 2);
      break;
    case TButtonLayout::blGlyphTop:
      glyphAt = Point((cw - gw) / 2, start);
      textAt = Point((cw - tw) / 2, start + gh + gap);
      break;
    case TButtonLayout::blGlyphBottom:
      glyphAt = Point((cw - gw) / 2, ch - start - gh);
      textAt = Point((cw - tw) / 2, ch - start - gh - gap - th);
      break;
  }
  if (hasGlyph) {
    cell = std::clamp(cell, 0, numGlyphs - 1);
    const TRect source = Bounds(cell * gw, 0, gw, gh);
    if (!enabled && numGlyphs == 1) {
      DrawDisabledBitmap(canvas, area.left + glyphAt.x, area.top + glyphAt.y, glyph, source);
    } else {
      TransparentBlt(dc, area.left + glyphAt.x, area.top + glyphAt.y, gw, gh, glyph->Canvas()->Handle(), source.left, 0,
                     gw, gh, ColorToRGB(glyph->TransparentColor()));
    }
  }
  if (!caption.empty()) {
    RECT r = Bounds(area.left + textAt.x, area.top + textAt.y, tw, th);
    SetBkMode(dc, TRANSPARENT);
    if (!enabled) {
      // Embossed: a highlight copy one pixel down and right under the shadow-coloured text.
      OffsetRect(&r, 1, 1);
      SetTextColor(dc, ColorToRGB(clBtnHighlight));
      DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &r, DT_SINGLELINE);
      OffsetRect(&r, -1, -1);
      SetTextColor(dc, ColorToRGB(clBtnShadow));
    } else {
      SetTextColor(dc, ColorToRGB(font->Color()));
    }
    DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &r, DT_SINGLELINE);
  }
  SelectObject(dc, previousFont);
}
