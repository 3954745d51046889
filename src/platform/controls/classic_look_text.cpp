// The classic look of static text and the single-line edit.
#include <algorithm>

#include "platform/controls/classic_look_internal.h"

namespace platform {

void ControlPainter::StaticText(HDC dc, const RECT& rect, const std::u16string& text, HFONT font, UINT format,
                bool enabled) {
  HGDIOBJ previous = SelectObject(dc, font);
  RECT r = rect;
  if (!enabled) {
    const int mode = GetBkMode(dc);
    classic::DrawLabel(dc, text, r, format, false, 0);
    SetBkMode(dc, mode);
  } else {
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, format);
  }
  SelectObject(dc, previous);
}

void ControlPainter::EditLine(HDC dc, const RECT& client, HFONT font, const EditLook& look) {
  HGDIOBJ previous = SelectObject(dc, font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  const int height = metrics.tmHeight;
  const int y = client.top + std::max<LONG>(0, (client.bottom - client.top - height) / 2);
  const int x = client.left + look.margin - look.scrollX;
  const int length = static_cast<int>(look.text.size());
  const int start = std::clamp(std::min(look.selectionStart, look.selectionEnd), 0, length);
  const int end = std::clamp(std::max(look.selectionStart, look.selectionEnd), 0, length);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, look.enabled ? GetTextColor(dc) : GetSysColor(COLOR_GRAYTEXT));
  TextOutW(dc, x, y, look.text.c_str(), length);
  if (look.showSelection && end > start) {
    const int left = x + TextWidth(dc, font, look.text, start);
    const int right = x + TextWidth(dc, font, look.text, end);
    const RECT highlight{left, y, right, y + height};
    classic::FillSolid(dc, highlight, GetSysColor(COLOR_HIGHLIGHT));
    SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    TextOutW(dc, left, y, look.text.c_str() + start, end - start);
  }
  SelectObject(dc, previous);
}

}  // namespace platform
