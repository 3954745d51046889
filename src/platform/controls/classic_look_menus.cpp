// The classic look of popup menus and the menu bar: a raised frame, entries
// in the menu colours, the selection in the highlight colour, embossed grey
// text for disabled entries, check marks, radio dots and sub-menu arrows.
#include "platform/controls/classic_look_internal.h"

namespace platform {
namespace {

// Width of the column that holds check marks (left) and arrows (right).
constexpr int kMarkColumn = 16;

void DrawMark(HDC dc, RECT cell, UINT kind, bool selected) {
  // The glyph is drawn in the menu text colour; a selected entry shows it
  // inverted so it stays readable on the highlight.
  const int size = GetSystemMetrics(SM_CXMENUCHECK);
  RECT glyph{cell.left + (cell.right - cell.left - size) / 2, cell.top + (cell.bottom - cell.top - size) / 2, 0, 0};
  glyph.right = glyph.left + size;
  glyph.bottom = glyph.top + size;
  if (!selected) {
    DrawFrameControl(dc, &glyph, DFC_MENU, kind);
    return;
  }
  HDC memory = CreateCompatibleDC(dc);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, size, size);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  RECT local{0, 0, size, size};
  classic::FillSolid(memory, local, GetSysColor(COLOR_MENU));
  DrawFrameControl(memory, &local, DFC_MENU, kind);
  // Menu-text pixels become highlight text; the rest keeps the highlight.
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      if (GetPixel(memory, x, y) == GetSysColor(COLOR_MENUTEXT)) {
        SetPixel(dc, glyph.left + x, glyph.top + y, GetSysColor(COLOR_HIGHLIGHTTEXT));
      }
    }
  }
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
}

void DrawEntryText(HDC dc, const std::u16string& text, RECT rect, UINT format, const MenuItemLook& look,
                   COLORREF colour) {
  if (text.empty()) return;
  SetBkMode(dc, TRANSPARENT);
  if (look.disabled && !look.selected) {
    classic::DrawLabel(dc, text, rect, format, false, colour);
    return;
  }
  SetTextColor(dc, look.disabled ? GetSysColor(COLOR_GRAYTEXT) : colour);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, format);
}

}  // namespace

void ControlPainter::MenuFrame(HDC dc, const RECT& window) {
  RECT r = window;
  DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | BF_ADJUST);
  HBRUSH face = GetSysColorBrush(COLOR_MENU);
  FrameRect(dc, &r, face);
}

void ControlPainter::MenuBackground(HDC dc, const RECT& client) {
  FillRect(dc, &client, GetSysColorBrush(COLOR_MENU));
}

void ControlPainter::MenuEntry(HDC dc, const RECT& rect, const MenuItemLook& look) {
  if (look.separator) {
    classic::FillSolid(dc, rect, GetSysColor(COLOR_MENU));
    RECT line{rect.left + 1, rect.top + (rect.bottom - rect.top) / 2 - 1, rect.right - 1, 0};
    line.bottom = line.top + 2;
    DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
    return;
  }
  classic::FillSolid(dc, rect, GetSysColor(look.selected ? COLOR_HIGHLIGHT : COLOR_MENU));
  const COLORREF text = GetSysColor(look.selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT);
  if (look.checked) {
    DrawMark(dc, RECT{rect.left, rect.top, rect.left + kMarkColumn, rect.bottom},
             look.radio ? DFCS_MENUBULLET : DFCS_MENUCHECK, look.selected);
  }
  if (look.subMenu) {
    DrawMark(dc, RECT{rect.right - kMarkColumn, rect.top, rect.right, rect.bottom}, DFCS_MENUARROW, look.selected);
  }
  // Item bitmaps stand in their own column between the marks and the text.
  int textLeft = rect.left + kMarkColumn + 2;
  if (look.bitmapColumn > 0) {
    if (look.bitmap != nullptr) {
      MenuItemBitmap(dc, RECT{rect.left + kMarkColumn, rect.top, rect.left + kMarkColumn + look.bitmapColumn, rect.bottom},
                     look);
    }
    textLeft += look.bitmapColumn + 2;
  }
  HGDIOBJ previous = SelectObject(dc, look.font);
  RECT label{textLeft, rect.top, rect.right - kMarkColumn, rect.bottom};
  DrawEntryText(dc, look.text, label, DT_LEFT | DT_VCENTER | DT_SINGLELINE, look, text);
  if (!look.shortcut.empty()) {
    RECT shortcut{rect.left + look.shortcutX, rect.top, rect.right - kMarkColumn, rect.bottom};
    DrawEntryText(dc, look.shortcut, shortcut, DT_LEFT | DT_VCENTER | DT_SINGLELINE, look, text);
  }
  SelectObject(dc, previous);
}

void ControlPainter::MenuColumnBreak(HDC dc, const RECT& line) {
  RECT edge = line;
  DrawEdge(dc, &edge, EDGE_ETCHED, BF_LEFT);
}

void ControlPainter::MenuBarBackground(HDC dc, const RECT& bar) {
  FillRect(dc, &bar, GetSysColorBrush(COLOR_MENU));
}

void ControlPainter::MenuBarEntry(HDC dc, const RECT& rect, const MenuItemLook& look) {
  classic::FillSolid(dc, rect, GetSysColor(COLOR_MENU));
  RECT label = rect;
  if (look.pressed) {
    RECT edge = rect;
    DrawEdge(dc, &edge, BDR_SUNKENOUTER, BF_RECT);
    OffsetRect(&label, 1, 1);
  } else if (look.selected) {
    RECT edge = rect;
    DrawEdge(dc, &edge, BDR_RAISEDINNER, BF_RECT);
  }
  HGDIOBJ previous = SelectObject(dc, look.font);
  MenuItemLook plain = look;
  plain.selected = false;
  DrawEntryText(dc, look.text, label, DT_CENTER | DT_VCENTER | DT_SINGLELINE, plain, GetSysColor(COLOR_MENUTEXT));
  SelectObject(dc, previous);
  if (look.bitmap != nullptr && look.text.empty()) MenuItemBitmap(dc, label, plain);
}

}  // namespace platform
