// The classic look of an extended combo box's item: the background, the
// image after the indent (its room kept when the item has none), and the
// text, of which only the text's own box is highlighted and focused.
#include "platform/controls/classic_look_internal.h"

namespace platform {

void ControlPainter::ComboExItem(HDC dc, const ComboExItemLook& look) {
  classic::FillSolid(dc, look.rect, look.background);
  int x = look.rect.left + look.indent;
  if (look.images != nullptr) {
    int width = 0, height = 0;
    ImageList_GetIconSize(look.images, &width, &height);
    if (look.image >= 0) {
      const int y = look.rect.top + (look.rect.bottom - look.rect.top - height) / 2;
      ImageList_Draw(look.images, look.image, dc, x + 2, y, look.selected ? ILD_TRANSPARENT | ILD_FOCUS : ILD_TRANSPARENT);
    }
    x += width + 4;
  }
  if (!look.showText) return;
  HGDIOBJ previous = SelectObject(dc, look.font);
  SIZE extent{};
  GetTextExtentPoint32W(dc, look.text.c_str(), static_cast<int>(look.text.size()), &extent);
  RECT box{x, look.rect.top, std::min<LONG>(look.rect.right, x + extent.cx + 4), look.rect.bottom};
  COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
  if (look.selected) {
    classic::FillSolid(dc, box, GetSysColor(COLOR_HIGHLIGHT));
    text = GetSysColor(COLOR_HIGHLIGHTTEXT);
  }
  if (!look.enabled) text = GetSysColor(COLOR_GRAYTEXT);
  const int mode = SetBkMode(dc, TRANSPARENT);
  const COLORREF colour = SetTextColor(dc, text);
  RECT textRect{box.left + 2, box.top, look.rect.right, box.bottom};
  DrawTextW(dc, look.text.c_str(), static_cast<int>(look.text.size()), &textRect,
            DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SetTextColor(dc, colour);
  SetBkMode(dc, mode);
  SelectObject(dc, previous);
  if (look.focused) DrawFocusRect(dc, &box);
}

}  // namespace platform
