// The classic look of the multi-line edit: each line's text, the selected
// part in the highlight colours.
#include <algorithm>

#include "platform/controls/classic_look_internal.h"

namespace platform {

void ControlPainter::EditLines(HDC dc, const RECT& client, HFONT font, const EditLinesLook& look) {
  HGDIOBJ previous = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  const COLORREF textColour = look.enabled ? GetTextColor(dc) : GetSysColor(COLOR_GRAYTEXT);
  for (const EditRow& row : look.rows) {
    if (row.y >= client.bottom || row.y + look.lineHeight <= client.top) continue;
    const int length = static_cast<int>(row.text.size());
    SetTextColor(dc, textColour);
    TextOutW(dc, row.x, row.y, row.text.c_str(), length);
    const int start = std::clamp(std::min(row.selectionStart, row.selectionEnd), 0, length);
    const int end = std::clamp(std::max(row.selectionStart, row.selectionEnd), 0, length);
    if (!look.showSelection || end <= start) continue;
    const int left = row.x + TextWidth(dc, font, row.text, start);
    const int right = row.x + TextWidth(dc, font, row.text, end);
    classic::FillSolid(dc, RECT{left, row.y, right, row.y + look.lineHeight}, GetSysColor(COLOR_HIGHLIGHT));
    SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    TextOutW(dc, left, row.y, row.text.c_str() + start, end - start);
  }
  SelectObject(dc, previous);
}

}  // namespace platform
