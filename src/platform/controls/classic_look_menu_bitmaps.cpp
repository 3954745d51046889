// The classic look of menu item bitmaps: a program's bitmap copied as it
// is (inverted on the selection, as bitmap entries have always shown it),
// and the predefined HBMMENU_ values drawn as the caption buttons' glyphs
// without their button, in the entry's text colour.
#include <algorithm>

#include "platform/controls/classic_look_internal.h"

namespace platform {
namespace {

// The caption-button glyph of a predefined bitmap value (DFCS_CAPTIONCLOSE
// is 0); kNoGlyph for none.
constexpr UINT kNoGlyph = 0xFFFF;

UINT CaptionGlyphOf(HBITMAP bitmap) {
  if (bitmap == HBMMENU_POPUP_CLOSE || bitmap == HBMMENU_MBAR_CLOSE || bitmap == HBMMENU_MBAR_CLOSE_D) {
    return DFCS_CAPTIONCLOSE;
  }
  if (bitmap == HBMMENU_POPUP_RESTORE || bitmap == HBMMENU_MBAR_RESTORE) return DFCS_CAPTIONRESTORE;
  if (bitmap == HBMMENU_POPUP_MAXIMIZE) return DFCS_CAPTIONMAX;
  if (bitmap == HBMMENU_POPUP_MINIMIZE || bitmap == HBMMENU_MBAR_MINIMIZE || bitmap == HBMMENU_MBAR_MINIMIZE_D) {
    return DFCS_CAPTIONMIN;
  }
  return kNoGlyph;
}

bool IsPredefined(HBITMAP bitmap) {
  return reinterpret_cast<ULONG_PTR>(bitmap) <= reinterpret_cast<ULONG_PTR>(HBMMENU_POPUP_MINIMIZE) ||
         bitmap == HBMMENU_CALLBACK;
}

// The glyph's pixels (the button text colour inside the button's edges)
// set in `colour` at `origin` of the target.
void PaintGlyph(HDC dc, POINT origin, int side, UINT glyph, COLORREF colour) {
  HDC memory = CreateCompatibleDC(dc);
  HBITMAP canvas = CreateCompatibleBitmap(dc, side, side);
  HGDIOBJ previous = SelectObject(memory, canvas);
  RECT button{0, 0, side, side};
  DrawFrameControl(memory, &button, DFC_CAPTION, glyph);
  const COLORREF ink = GetSysColor(COLOR_BTNTEXT);
  for (int y = 2; y < side - 2; ++y) {
    for (int x = 2; x < side - 2; ++x) {
      if (GetPixel(memory, x, y) == ink) SetPixel(dc, origin.x + x, origin.y + y, colour);
    }
  }
  SelectObject(memory, previous);
  DeleteObject(canvas);
  DeleteDC(memory);
}

void DrawGlyphEntry(HDC dc, const RECT& cell, UINT glyph, bool disabled, bool selected) {
  const int side = GetSystemMetrics(SM_CYMENU) - 4;
  const POINT origin{cell.left + (cell.right - cell.left - side) / 2, cell.top + (cell.bottom - cell.top - side) / 2};
  if (selected) {
    PaintGlyph(dc, origin, side, glyph, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_HIGHLIGHTTEXT));
    return;
  }
  if (!disabled) {
    PaintGlyph(dc, origin, side, glyph, GetSysColor(COLOR_MENUTEXT));
    return;
  }
  // Embossed like disabled text: a white copy down and right under the grey.
  PaintGlyph(dc, POINT{origin.x + 1, origin.y + 1}, side, glyph, GetSysColor(COLOR_BTNHIGHLIGHT));
  PaintGlyph(dc, origin, side, glyph, GetSysColor(COLOR_GRAYTEXT));
}

void DrawBitmapEntry(HDC dc, const RECT& cell, HBITMAP bitmap, bool selected) {
  BITMAP info{};
  if (GetObjectType(bitmap) != OBJ_BITMAP || GetObjectW(bitmap, sizeof(info), &info) == 0) return;
  const int width = std::min<int>(info.bmWidth, cell.right - cell.left);
  const int height = std::min<int>(info.bmHeight < 0 ? -info.bmHeight : info.bmHeight, cell.bottom - cell.top);
  if (width <= 0 || height <= 0) return;
  HDC memory = CreateCompatibleDC(dc);
  // A bitmap the program still has selected elsewhere cannot be read.
  HGDIOBJ previous = SelectObject(memory, bitmap);
  if (previous != nullptr) {
    const int x = cell.left + (cell.right - cell.left - width) / 2;
    const int y = cell.top + (cell.bottom - cell.top - height) / 2;
    BitBlt(dc, x, y, width, height, memory, 0, 0, selected ? NOTSRCCOPY : SRCCOPY);
    SelectObject(memory, previous);
  }
  DeleteDC(memory);
}

}  // namespace

void ControlPainter::MenuItemBitmap(HDC dc, const RECT& cell, const MenuItemLook& look) {
  if (look.bitmap == nullptr) return;
  if (!IsPredefined(look.bitmap)) {
    DrawBitmapEntry(dc, cell, look.bitmap, look.selected);
    return;
  }
  const bool inactive = look.bitmap == HBMMENU_MBAR_CLOSE_D || look.bitmap == HBMMENU_MBAR_MINIMIZE_D;
  if (const UINT glyph = CaptionGlyphOf(look.bitmap); glyph != kNoGlyph) {
    DrawGlyphEntry(dc, cell, glyph, look.disabled || inactive, look.selected);
  }
}

}  // namespace platform
