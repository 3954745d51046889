// The classic look of list views: the window colour behind the items, an
// item's icon and label with the highlight of a selection (greyed while
// the list has no focus), dotted focus rectangles and grey grid lines.
#include "platform/controls/classic_look_internal.h"

namespace platform {

void ControlPainter::ListViewBackground(HDC dc, const RECT& rect, COLORREF colour) {
  classic::FillSolid(dc, rect, colour == CLR_DEFAULT ? GetSysColor(COLOR_WINDOW) : colour);
}

void ControlPainter::ListViewCell(HDC dc, const ListViewCellLook& look) {
  if (look.images != nullptr && look.image >= 0 && look.iconRect.right > look.iconRect.left) {
    ImageList_Draw(look.images, look.image, dc, look.iconRect.left, look.iconRect.top,
                   look.selected && look.focusedWindow ? ILD_SELECTED : ILD_NORMAL);
  }
  RECT label = look.labelRect;
  if (label.right <= label.left) return;
  COLORREF text = look.textColour == CLR_DEFAULT ? GetSysColor(COLOR_WINDOWTEXT) : look.textColour;
  if (look.selected) {
    classic::FillSolid(dc, label, GetSysColor(look.focusedWindow ? COLOR_HIGHLIGHT : COLOR_3DFACE));
    text = GetSysColor(look.focusedWindow ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
  } else if (look.backColour != CLR_DEFAULT) {
    classic::FillSolid(dc, label, look.backColour);
  }
  if (look.text.empty()) return;
  HGDIOBJ previous = SelectObject(dc, look.font != nullptr ? look.font : DefaultControlFont());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, text);
  RECT inner{label.left + 2, label.top, label.right - 2, label.bottom};
  const UINT format = look.centredBelowIcon ? DT_CENTER | DT_TOP | DT_WORDBREAK | DT_END_ELLIPSIS
                                            : look.align | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS;
  DrawTextW(dc, look.text.c_str(), static_cast<int>(look.text.size()), &inner, format | DT_NOPREFIX);
  SelectObject(dc, previous);
}

void ControlPainter::ListViewFocus(HDC dc, const RECT& rect) {
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkColor(dc, RGB(255, 255, 255));
  DrawFocusRect(dc, &rect);
}

void ControlPainter::ListViewGridLine(HDC dc, const RECT& line) {
  classic::FillSolid(dc, line, GetSysColor(COLOR_3DFACE));
}

}  // namespace platform
