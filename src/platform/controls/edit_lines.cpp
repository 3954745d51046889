// The edit's line and position messages: line counts, indexes and lengths,
// a line's text, scrolling by lines, the formatting rectangle, and the
// conversions between characters and client points.
#include <algorithm>

#include "platform/controls/edit_internal.h"

namespace platform::edit {
namespace {

int LineCount(const EditData& d) { return static_cast<int>(d.lines.size()); }

// The line asked for; -1 is the caret's line.
int LineAsked(const EditData& d, WPARAM wParam) {
  const int line = static_cast<int>(static_cast<LONG>(wParam));
  return line < 0 ? LineOf(d, d.caret) : line;
}

}  // namespace

bool LineMessage(HWND hwnd, EditData& d, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  const bool multi = IsMultiLine(hwnd);
  switch (message) {
    case EM_GETLINECOUNT:
      result = LineCount(d);
      return true;
    case EM_LINEINDEX: {
      const int line = LineAsked(d, wParam);
      result = line < LineCount(d) ? d.lines[static_cast<std::size_t>(line)].start : -1;
      return true;
    }
    case EM_LINEFROMCHAR: {
      // -1: the line of the selection's start.
      const int index = static_cast<int>(static_cast<LONG>(wParam));
      result = LineOf(d, index < 0 ? SelectionStart(d) : std::min(index, static_cast<int>(d.text.size())));
      return true;
    }
    case EM_LINELENGTH: {
      const int index = static_cast<int>(static_cast<LONG>(wParam));
      if (index < 0) {  // the characters of the selection's lines that are not selected
        const int first = LineOf(d, SelectionStart(d)), last = LineOf(d, SelectionEnd(d));
        result = (SelectionStart(d) - d.lines[static_cast<std::size_t>(first)].start) + (LineEnd(d, last) - SelectionEnd(d));
      } else {
        const int line = LineOf(d, std::min(index, static_cast<int>(d.text.size())));
        result = d.lines[static_cast<std::size_t>(line)].length;
      }
      return true;
    }
    case EM_GETLINE: {
      // The buffer's first WORD holds its size in characters; no terminator.
      const int line = static_cast<int>(static_cast<LONG>(wParam));
      auto* buffer = reinterpret_cast<LPWSTR>(lParam);
      result = 0;
      if (buffer == nullptr || line < 0 || line >= LineCount(d)) return true;
      const int room = *reinterpret_cast<const WORD*>(buffer);
      const Line& l = d.lines[static_cast<std::size_t>(line)];
      const int count = std::min(room, l.length);
      d.text.copy(buffer, static_cast<std::size_t>(count), static_cast<std::size_t>(l.start));
      result = count;
      return true;
    }
    case EM_GETFIRSTVISIBLELINE:
      result = multi ? d.firstLine : CharFromPos(hwnd, d, POINT{d.leftMargin, 0});
      return true;
    case EM_LINESCROLL:
      result = multi;
      if (multi) {
        HDC dc = GetDC(hwnd);
        HGDIOBJ previous = SelectObject(dc, FontOf(d));
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        SelectObject(dc, previous);
        ReleaseDC(hwnd, dc);
        ScrollTo(hwnd, d, d.firstLine + static_cast<int>(lParam),
                 d.scrollX + static_cast<int>(static_cast<LONG>(wParam)) * metrics.tmAveCharWidth);
        Redraw(hwnd);
      }
      return true;
    case EM_SCROLL: {
      if (!multi || wParam > SB_PAGEDOWN) {
        result = FALSE;
        return true;
      }
      const LRESULT moved = VerticalScroll(hwnd, d, static_cast<WORD>(wParam), 0);
      result = MAKELRESULT(static_cast<WORD>(static_cast<SHORT>(moved)), TRUE);
      return true;
    }
    case EM_SCROLLCARET:
      ScrollToCaret(hwnd, d);
      Redraw(hwnd);
      result = TRUE;
      return true;
    case EM_GETRECT: {
      if (lParam == 0) return true;
      RECT client{};
      GetClientRect(hwnd, &client);
      *reinterpret_cast<RECT*>(lParam) = RECT{d.leftMargin, 0, client.right - d.rightMargin, client.bottom};
      result = 0;
      return true;
    }
    case EM_POSFROMCHAR: {
      const int index = static_cast<int>(wParam);
      if (index < 0 || index > static_cast<int>(d.text.size())) {
        result = -1;
        return true;
      }
      const POINT p = PosFromChar(hwnd, d, index);
      result = MAKELRESULT(static_cast<WORD>(p.x), static_cast<WORD>(p.y));
      return true;
    }
    case EM_CHARFROMPOS: {
      const int index = CharFromPos(hwnd, d, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      result = MAKELRESULT(static_cast<WORD>(index), static_cast<WORD>(multi ? LineOf(d, index) : 0));
      return true;
    }
    default:
      return false;
  }
}

}  // namespace platform::edit
