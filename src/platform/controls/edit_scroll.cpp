// Scrolling the edit: keeping the caret in view, the window's scroll bars in
// step with the first line and the horizontal offset, and the bars' requests.
#include <algorithm>

#include "platform/controls/edit_internal.h"

namespace platform::edit {
namespace {

int ClientWidth(HWND hwnd) {
  RECT client{};
  GetClientRect(hwnd, &client);
  return std::max<int>(1, client.right - client.left);
}

int TextRoom(HWND hwnd, const EditData& d) { return std::max(1, ClientWidth(hwnd) - d.leftMargin - d.rightMargin); }

int MostFirstLine(HWND hwnd, const EditData& d) {
  return std::max(0, static_cast<int>(d.lines.size()) - VisibleLines(hwnd, d));
}

int MostScrollX(HWND hwnd, const EditData& d) { return std::max(0, d.widest - TextRoom(hwnd, d) + 1); }

int AverageCharWidth(HWND hwnd, const EditData& d) {
  HDC dc = GetDC(hwnd);
  HGDIOBJ previous = SelectObject(dc, FontOf(d));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, previous);
  ReleaseDC(hwnd, dc);
  return std::max<int>(1, metrics.tmAveCharWidth);
}

}  // namespace

void UpdateScrollBars(HWND hwnd, const EditData& d) {
  const DWORD style = Style(hwnd);
  if (!IsMultiLine(hwnd)) return;
  // The edit's bars stay shown, disabled while everything fits.
  if (style & WS_VSCROLL) {
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL | SIF_DISABLENOSCROLL, 0, static_cast<int>(d.lines.size()) - 1,
                    static_cast<UINT>(VisibleLines(hwnd, d)), d.firstLine, 0};
    SetScrollInfo(hwnd, SB_VERT, &info, TRUE);
  }
  if (style & WS_HSCROLL) {
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL | SIF_DISABLENOSCROLL, 0,
                    d.widest + d.leftMargin + d.rightMargin - 1, static_cast<UINT>(ClientWidth(hwnd)), d.scrollX, 0};
    SetScrollInfo(hwnd, SB_HORZ, &info, TRUE);
  }
}

void ScrollTo(HWND hwnd, EditData& d, int firstLine, int scrollX) {
  d.firstLine = IsMultiLine(hwnd) ? std::clamp(firstLine, 0, MostFirstLine(hwnd, d)) : 0;
  d.scrollX = std::clamp(scrollX, 0, MostScrollX(hwnd, d));
  UpdateScrollBars(hwnd, d);
}

void ScrollToCaret(HWND hwnd, EditData& d) {
  int first = d.firstLine;
  if (IsMultiLine(hwnd)) {
    const int line = LineOf(d, d.caret);
    const int visible = VisibleLines(hwnd, d);
    if (line < first) first = line;
    if (line >= first + visible) first = line - visible + 1;
  }
  // Horizontally the caret jumps a quarter of the width past the edge, so
  // that typing does not scroll at every character.
  const int visible = TextRoom(hwnd, d);
  const POINT at = PosFromChar(hwnd, d, d.caret);
  const int caretX = at.x - d.leftMargin + d.scrollX;
  int scrollX = d.scrollX;
  if (caretX - scrollX > visible) scrollX = caretX - visible + visible / 4;
  if (caretX < scrollX) scrollX = std::max(0, caretX - visible / 4);
  ScrollTo(hwnd, d, first, scrollX);
}

LRESULT VerticalScroll(HWND hwnd, EditData& d, WORD request, int thumb) {
  if (!IsMultiLine(hwnd)) return 0;
  const int page = std::max(1, VisibleLines(hwnd, d) - 1);
  int first = d.firstLine;
  switch (request) {
    case SB_LINEUP: --first; break;
    case SB_LINEDOWN: ++first; break;
    case SB_PAGEUP: first -= page; break;
    case SB_PAGEDOWN: first += page; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: first = thumb; break;
    case SB_TOP: first = 0; break;
    case SB_BOTTOM: first = static_cast<int>(d.lines.size()); break;
    default: return 0;
  }
  const int before = d.firstLine;
  ScrollTo(hwnd, d, first, d.scrollX);
  if (d.firstLine != before) {
    Notify(hwnd, EN_VSCROLL);
    Redraw(hwnd);
  }
  return d.firstLine - before;
}

LRESULT HorizontalScroll(HWND hwnd, EditData& d, WORD request, int thumb) {
  const int step = AverageCharWidth(hwnd, d);
  const int page = std::max(step, TextRoom(hwnd, d) - step);
  int x = d.scrollX;
  switch (request) {
    case SB_LINELEFT: x -= step; break;
    case SB_LINERIGHT: x += step; break;
    case SB_PAGELEFT: x -= page; break;
    case SB_PAGERIGHT: x += page; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: x = thumb; break;
    case SB_LEFT: x = 0; break;
    case SB_RIGHT: x = d.widest; break;
    default: return 0;
  }
  const int before = d.scrollX;
  ScrollTo(hwnd, d, d.firstLine, x);
  if (d.scrollX != before) {
    Notify(hwnd, EN_HSCROLL);
    Redraw(hwnd);
  }
  return 0;
}

}  // namespace platform::edit
