// The classic look of tab controls: a raised frame around the display
// area, tabs with rounded outer corners that sit on it (the selected one
// grown and open towards the display area), push buttons or flat buttons
// with etched separators for the button styles. Vertical tabs turn their
// text a quarter round: upwards on the left, downwards on the right.
#include <algorithm>

#include "platform/controls/classic_look_internal.h"

namespace platform {
namespace {

COLORREF Sys(int index) { return GetSysColor(index); }

void HLine(HDC dc, int x0, int x1, int y, COLORREF c) { classic::FillSolid(dc, RECT{x0, y, x1, y + 1}, c); }
void VLine(HDC dc, int x, int y0, int y1, COLORREF c) { classic::FillSolid(dc, RECT{x, y0, x + 1, y1}, c); }

void TabEdges(HDC dc, const RECT& r, TabSide side) {
  const COLORREF light = Sys(COLOR_3DHILIGHT), shadow = Sys(COLOR_3DSHADOW), dark = Sys(COLOR_3DDKSHADOW);
  const int l = r.left, t = r.top, rt = r.right, b = r.bottom;
  switch (side) {
    case TabSide::Top:
      VLine(dc, l, t + 2, b, light);
      SetPixelV(dc, l + 1, t + 1, light);
      HLine(dc, l + 2, rt - 2, t, light);
      VLine(dc, rt - 2, t + 1, b, shadow);
      VLine(dc, rt - 1, t + 2, b, dark);
      break;
    case TabSide::Bottom:
      VLine(dc, l, t, b - 2, light);
      SetPixelV(dc, l + 1, b - 2, dark);
      HLine(dc, l + 2, rt - 2, b - 1, dark);
      HLine(dc, l + 2, rt - 2, b - 2, shadow);
      VLine(dc, rt - 2, t, b - 2, shadow);
      VLine(dc, rt - 1, t, b - 2, dark);
      break;
    case TabSide::Left:
      HLine(dc, l + 2, rt, t, light);
      SetPixelV(dc, l + 1, t + 1, light);
      VLine(dc, l, t + 2, b - 2, light);
      SetPixelV(dc, l + 1, b - 2, dark);
      HLine(dc, l + 2, rt, b - 1, dark);
      HLine(dc, l + 2, rt, b - 2, shadow);
      break;
    case TabSide::Right:
      HLine(dc, l, rt - 2, t, light);
      SetPixelV(dc, rt - 2, t + 1, dark);
      VLine(dc, rt - 1, t + 2, b - 2, dark);
      VLine(dc, rt - 2, t + 2, b - 2, shadow);
      SetPixelV(dc, rt - 2, b - 2, dark);
      HLine(dc, l, rt - 2, b - 1, dark);
      HLine(dc, l, rt - 2, b - 2, shadow);
      break;
  }
}

void ButtonEdges(HDC dc, RECT r, const TabItemLook& look) {
  const bool down = look.selected || look.pressed;
  if (!look.flat) {
    DrawEdge(dc, &r, down ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    return;
  }
  if (down) DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
  else if (look.hot) DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
  if (!look.lastInRow) {
    VLine(dc, r.right + 1, r.top, r.bottom, Sys(COLOR_3DSHADOW));
    VLine(dc, r.right + 2, r.top, r.bottom, Sys(COLOR_3DHILIGHT));
  }
}

// Text turned a quarter round: drawn upright off screen, then copied pixel
// by pixel, leaving the background where the text has none.
void TurnedText(HDC dc, const TabItemLook& look, COLORREF colour, int centreX, int centreY) {
  HDC scratch = CreateCompatibleDC(dc);
  SIZE size{};
  HGDIOBJ oldFont = SelectObject(scratch, look.font);
  GetTextExtentPoint32W(scratch, look.text.c_str(), static_cast<int>(look.text.size()), &size);
  if (size.cx <= 0 || size.cy <= 0) {
    SelectObject(scratch, oldFont);
    DeleteDC(scratch);
    return;
  }
  HBITMAP bitmap = CreateCompatibleBitmap(dc, size.cx, size.cy);
  HGDIOBJ oldBitmap = SelectObject(scratch, bitmap);
  const COLORREF back = colour == RGB(255, 255, 255) ? RGB(0, 0, 0) : RGB(255, 255, 255);
  classic::FillSolid(scratch, RECT{0, 0, size.cx, size.cy}, back);
  RECT upright{0, 0, size.cx, size.cy};
  classic::DrawLabel(scratch, look.text, upright, DT_LEFT | DT_TOP | DT_SINGLELINE, true, colour);
  const bool upwards = look.side == TabSide::Left;
  for (int y = 0; y < size.cy; ++y) {
    for (int x = 0; x < size.cx; ++x) {
      const COLORREF pixel = GetPixel(scratch, x, y);
      if (pixel == back) continue;
      const int dx = upwards ? centreX - size.cy / 2 + y : centreX + size.cy / 2 - 1 - y;
      const int dy = upwards ? centreY + size.cx / 2 - 1 - x : centreY - size.cx / 2 + x;
      SetPixelV(dc, dx, dy, pixel);
    }
  }
  SelectObject(scratch, oldBitmap);
  SelectObject(scratch, oldFont);
  DeleteObject(bitmap);
  DeleteDC(scratch);
}

void TabContent(HDC dc, const TabItemLook& look) {
  RECT inside = look.rect;
  const bool vertical = look.side == TabSide::Left || look.side == TabSide::Right;
  InflateRect(&inside, vertical ? -2 : -look.paddingX, vertical ? -look.paddingX : -2);
  if (look.highlighted) classic::FillSolid(dc, inside, Sys(COLOR_HIGHLIGHT));
  COLORREF colour = look.highlighted ? Sys(COLOR_HIGHLIGHTTEXT) : Sys(COLOR_BTNTEXT);
  if (look.hot && !look.highlighted) colour = Sys(COLOR_HOTLIGHT);
  int iconWidth = 0, iconHeight = 0;
  const bool icon = look.images != nullptr && look.image >= 0 &&
                    ImageList_GetIconSize(look.images, &iconWidth, &iconHeight) != FALSE;
  const int textWidth = TextWidth(dc, look.font, look.text, static_cast<int>(look.text.size()));
  const int block = textWidth + (icon ? iconWidth + (look.text.empty() ? 0 : 3) : 0);
  // Buttons press their content one pixel down and right.
  const int push = look.buttons && (look.selected || look.pressed) ? 1 : 0;
  const int cx = (inside.left + inside.right) / 2 + push, cy = (inside.top + inside.bottom) / 2 + push;
  if (vertical) {
    const bool upwards = look.side == TabSide::Left;
    int start = upwards ? cy + block / 2 : cy - block / 2;
    if (icon) {
      ImageList_Draw(look.images, look.image, dc, cx - iconWidth / 2, upwards ? start - iconHeight : start, ILD_NORMAL);
      start += (upwards ? -1 : 1) * (iconHeight + 3);
    }
    const int textCentre = upwards ? start - textWidth / 2 : start + textWidth / 2;
    if (!look.text.empty()) TurnedText(dc, look, look.enabled ? colour : Sys(COLOR_GRAYTEXT), cx, textCentre);
  } else {
    int x = cx - block / 2;
    if (icon) {
      ImageList_Draw(look.images, look.image, dc, x, cy - iconHeight / 2, ILD_NORMAL);
      x += iconWidth + 3;
    }
    HGDIOBJ previous = SelectObject(dc, look.font);
    RECT text{x, inside.top + push, inside.right + push, inside.bottom + push};
    classic::DrawLabel(dc, look.text, text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX, look.enabled, colour);
    SelectObject(dc, previous);
  }
  if (look.focused) {
    RECT focus = look.rect;
    InflateRect(&focus, -3, -3);
    DrawFocusRect(dc, &focus);
  }
}

}  // namespace

void ControlPainter::TabStrip(HDC dc, const TabStripLook& look) {
  classic::FillSolid(dc, look.client, Sys(COLOR_3DFACE));
  if (look.buttons) return;
  RECT frame = look.display;
  DrawEdge(dc, &frame, EDGE_RAISED, BF_RECT | BF_SOFT);
}

void ControlPainter::TabItem(HDC dc, const TabItemLook& look) {
  classic::FillSolid(dc, look.rect, Sys(COLOR_3DFACE));
  if (look.buttons) ButtonEdges(dc, look.rect, look);
  else TabEdges(dc, look.rect, look.side);
  if (!look.ownerDrawn) TabContent(dc, look);
}

}  // namespace platform
