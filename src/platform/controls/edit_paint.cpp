// Painting the edit: the background the parent chooses (WM_CTLCOLOREDIT, or
// WM_CTLCOLORSTATIC when read-only or disabled), the text through the
// painter, and the caret.
#include <algorithm>

#include "platform/controls/edit_internal.h"

namespace platform::edit {
namespace {

EditLinesLook LinesLook(HWND hwnd, const EditData& d, const RECT& client) {
  EditLinesLook look;
  look.lineHeight = LineHeight(hwnd, d);
  const int last = std::min(static_cast<int>(d.lines.size()), d.firstLine + client.bottom / look.lineHeight + 1);
  const int start = SelectionStart(d), end = SelectionEnd(d);
  for (int i = d.firstLine; i < last; ++i) {
    const Line& l = d.lines[static_cast<std::size_t>(i)];
    EditRow row;
    row.text = d.text.substr(static_cast<std::size_t>(l.start), static_cast<std::size_t>(l.length));
    const POINT at = PosFromChar(hwnd, d, l.start);
    row.x = at.x;
    row.y = at.y;
    row.selectionStart = std::clamp(start - l.start, 0, l.length);
    row.selectionEnd = std::clamp(end - l.start, 0, l.length);
    look.rows.push_back(std::move(row));
  }
  return look;
}

}  // namespace

void Paint(HWND hwnd, HDC dc, EditData& d) {
  RECT client{};
  GetClientRect(hwnd, &client);
  const DWORD style = Style(hwnd);
  const bool enabled = !(style & WS_DISABLED);
  const bool readOnly = (style & ES_READONLY) != 0;
  HWND parent = GetParent(hwnd);
  const UINT colourMessage = (readOnly || !enabled) ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT;
  HBRUSH brush = reinterpret_cast<HBRUSH>(SendMessageW(parent ? parent : hwnd, colourMessage,
                                                       reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd)));
  if (brush == nullptr) brush = GetSysColorBrush(COLOR_WINDOW);
  FillRect(dc, &client, brush);
  const bool showSelection = d.focused || (style & ES_NOHIDESEL);
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, client.left, client.top, client.right, client.bottom);
  int caretTop = 0, caretHeight = LineHeight(hwnd, d);
  if (IsMultiLine(hwnd)) {
    EditLinesLook look = LinesLook(hwnd, d, client);
    look.enabled = enabled;
    look.readOnly = readOnly;
    look.showSelection = showSelection;
    CurrentPainter().EditLines(dc, client, FontOf(d), look);
    caretTop = PosFromChar(hwnd, d, d.caret).y;
  } else {
    EditLook look;
    look.text = Shown(hwnd, d);
    look.selectionStart = SelectionStart(d);
    look.selectionEnd = SelectionEnd(d);
    // Centred and right-aligned text: the line starts further right.
    look.scrollX = d.leftMargin - PosFromChar(hwnd, d, 0).x;
    look.margin = d.leftMargin;
    look.focused = d.focused;
    look.enabled = enabled;
    look.readOnly = readOnly;
    look.showSelection = showSelection;
    CurrentPainter().EditLine(dc, client, FontOf(d), look);
    caretTop = std::max<LONG>(0, (client.bottom - caretHeight) / 2);
  }
  if (d.focused && d.caretOn) PatBlt(dc, PosFromChar(hwnd, d, d.caret).x, caretTop, 1, caretHeight, DSTINVERT);
  RestoreDC(dc, saved);
}

}  // namespace platform::edit
