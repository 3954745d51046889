// Where a list box's items lie: one column of fixed or variable height
// items scrolled by item (and sideways by pixel up to the horizontal
// extent), or LBS_MULTICOLUMN columns scrolled sideways by column; the
// window scroll bars that show it, and the integral height.
#include <algorithm>

#include "platform/controls/listbox_internal.h"

namespace platform {
namespace {

RECT Client(HWND hwnd) {
  RECT client{};
  GetClientRect(hwnd, &client);
  return client;
}

bool IsVariable(HWND hwnd) { return (ListStyle(hwnd) & LBS_OWNERDRAWVARIABLE) != 0; }
bool IsMultiColumn(HWND hwnd) { return (ListStyle(hwnd) & LBS_MULTICOLUMN) != 0; }

int HeightOf(HWND hwnd, const ListBoxData& d, int index) {
  if (IsVariable(hwnd) && ValidIndex(d, index)) return d.items[static_cast<std::size_t>(index)].height;
  return d.itemHeight;
}

int Columns(HWND hwnd, const ListBoxData& d) {
  return std::max(1, static_cast<int>(Client(hwnd).right) / std::max(1, d.columnWidth));
}

// The highest top that still fills the client area.
int MaxTop(HWND hwnd, const ListBoxData& d) {
  const int count = ItemCount(d);
  if (count == 0) return 0;
  if (IsMultiColumn(hwnd)) {
    const int rows = RowsPerPage(hwnd, d);
    const int lastColumn = (count - 1) / rows;
    return std::max(0, lastColumn - Columns(hwnd, d) + 1) * rows;
  }
  if (!IsVariable(hwnd)) return std::max(0, count - RowsPerPage(hwnd, d));
  int room = Client(hwnd).bottom;
  int top = count;
  while (top > 0 && room - HeightOf(hwnd, d, top - 1) >= 0) room -= HeightOf(hwnd, d, --top);
  return std::min(top, count - 1);
}

}  // namespace

int RowsPerPage(HWND hwnd, const ListBoxData& d) {
  const int height = Client(hwnd).bottom;
  if (!IsVariable(hwnd)) return std::max(1, height / std::max(1, d.itemHeight));
  int rows = 0, used = 0;
  for (int i = d.top; i < ItemCount(d); ++i) {
    used += HeightOf(hwnd, d, i);
    if (used > height) break;
    ++rows;
  }
  return std::max(1, rows);
}

int VisibleCount(HWND hwnd, const ListBoxData& d) {
  const int rows = RowsPerPage(hwnd, d);
  return IsMultiColumn(hwnd) ? rows * Columns(hwnd, d) : rows;
}

bool ItemRect(HWND hwnd, const ListBoxData& d, int index, RECT& rect) {
  if (!ValidIndex(d, index) && !(index == 0 && ItemCount(d) == 0)) return false;
  const RECT client = Client(hwnd);
  if (IsMultiColumn(hwnd)) {
    const int rows = RowsPerPage(hwnd, d);
    const int relative = index - d.top;
    const int column = relative >= 0 ? relative / rows : -((rows - 1 - relative) / rows);
    const int row = relative - column * rows;
    rect = RECT{column * d.columnWidth, row * d.itemHeight, (column + 1) * d.columnWidth, (row + 1) * d.itemHeight};
    return true;
  }
  int y = 0;
  if (IsVariable(hwnd)) {
    for (int i = d.top; i < index; ++i) y += HeightOf(hwnd, d, i);
    for (int i = index; i < d.top; ++i) y -= HeightOf(hwnd, d, i);
  } else {
    y = (index - d.top) * d.itemHeight;
  }
  const int width = std::max(static_cast<int>(client.right), d.horizontalExtent);
  rect = RECT{-d.scrollX, y, width - d.scrollX, y + HeightOf(hwnd, d, index)};
  return true;
}

int ItemFromPoint(HWND hwnd, const ListBoxData& d, POINT p, bool& outside) {
  const RECT client = Client(hwnd);
  const int count = ItemCount(d);
  outside = p.x < 0 || p.y < 0 || p.x >= client.right || p.y >= client.bottom;
  if (count == 0) {
    outside = true;
    return 0;
  }
  int index = 0;
  if (IsMultiColumn(hwnd)) {
    const int rows = RowsPerPage(hwnd, d);
    const int column = std::clamp(static_cast<int>(p.x) / std::max(1, d.columnWidth), 0, Columns(hwnd, d));
    const int row = std::clamp(static_cast<int>(p.y) / std::max(1, d.itemHeight), 0, rows - 1);
    index = d.top + column * rows + row;
  } else if (p.y < 0) {
    index = d.top - 1;
  } else {
    index = d.top;
    int y = HeightOf(hwnd, d, index);
    while (y <= p.y && index < count - 1) y += HeightOf(hwnd, d, ++index);
    if (y <= p.y) outside = true;  // below the last item
  }
  if (index >= count) outside = true;
  return std::clamp(index, 0, count - 1);
}

void SetTop(HWND hwnd, ListBoxData& d, int top) {
  top = std::clamp(top, 0, MaxTop(hwnd, d));
  if (IsMultiColumn(hwnd)) top -= top % RowsPerPage(hwnd, d);
  if (top == d.top) return;
  d.top = top;
  UpdateScrollBars(hwnd, d);
  Repaint(hwnd);
}

void EnsureVisible(HWND hwnd, ListBoxData& d, int index) {
  if (!ValidIndex(d, index)) return;
  if (index < d.top) {
    SetTop(hwnd, d, index);
    return;
  }
  if (IsMultiColumn(hwnd)) {
    const int rows = RowsPerPage(hwnd, d);
    const int page = rows * Columns(hwnd, d);
    if (index >= d.top + page) SetTop(hwnd, d, (index / rows - Columns(hwnd, d) + 1) * rows);
    return;
  }
  if (!IsVariable(hwnd)) {
    const int rows = RowsPerPage(hwnd, d);
    if (index >= d.top + rows) SetTop(hwnd, d, index - rows + 1);
    return;
  }
  const int height = Client(hwnd).bottom;
  int top = d.top, used = 0;
  for (int i = top; i <= index; ++i) used += HeightOf(hwnd, d, i);
  while (used > height && top < index) used -= HeightOf(hwnd, d, top++);
  SetTop(hwnd, d, top);
}

void UpdateScrollBars(HWND hwnd, ListBoxData& d) {
  const DWORD style = ListStyle(hwnd);
  const UINT keep = (style & LBS_DISABLENOSCROLL) ? SIF_DISABLENOSCROLL : 0;
  const int count = ItemCount(d);
  if (style & LBS_MULTICOLUMN) {
    if (!(d.bars & WS_HSCROLL)) return;
    const int rows = RowsPerPage(hwnd, d);
    const int columns = count == 0 ? 0 : (count - 1) / rows + 1;
    SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS | keep, 0, std::max(0, columns - 1),
                    static_cast<UINT>(Columns(hwnd, d)), d.top / rows, 0};
    SetScrollInfo(hwnd, SB_HORZ, &info, TRUE);
    return;
  }
  if (d.bars & WS_VSCROLL) {
    SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS | keep, 0, std::max(0, count - 1),
                    static_cast<UINT>(std::min(count, RowsPerPage(hwnd, d))), d.top, 0};
    if (count == 0) info.nPage = 0;
    SetScrollInfo(hwnd, SB_VERT, &info, TRUE);
  }
  if (d.bars & WS_HSCROLL) {
    const int width = Client(hwnd).right;
    d.scrollX = std::clamp(d.scrollX, 0, std::max(0, d.horizontalExtent - width));
    SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS | keep, 0, std::max(0, d.horizontalExtent - 1),
                    static_cast<UINT>(d.horizontalExtent > 0 ? width : 0), d.scrollX, 0};
    SetScrollInfo(hwnd, SB_HORZ, &info, TRUE);
  }
}

void Scroll(HWND hwnd, ListBoxData& d, int bar, WPARAM request) {
  const int code = LOWORD(request);
  const int thumb = HIWORD(request);
  const bool multiColumn = IsMultiColumn(hwnd);
  if (bar == SB_VERT || multiColumn) {
    // Vertically by item; a multi-column list sideways by column.
    const int step = multiColumn ? RowsPerPage(hwnd, d) : 1;
    const int page = multiColumn ? VisibleCount(hwnd, d) : RowsPerPage(hwnd, d);
    switch (code) {
      case SB_LINEUP: SetTop(hwnd, d, d.top - step); break;
      case SB_LINEDOWN: SetTop(hwnd, d, d.top + step); break;
      case SB_PAGEUP: SetTop(hwnd, d, d.top - page); break;
      case SB_PAGEDOWN: SetTop(hwnd, d, d.top + page); break;
      case SB_THUMBTRACK:
      case SB_THUMBPOSITION: SetTop(hwnd, d, thumb * step); break;
      case SB_TOP: SetTop(hwnd, d, 0); break;
      case SB_BOTTOM: SetTop(hwnd, d, ItemCount(d)); break;
      default: break;
    }
    return;
  }
  // A single column sideways by pixel, a line being about a character.
  const int width = Client(hwnd).right;
  const int line = std::max(1, d.itemHeight / 2);
  int x = d.scrollX;
  switch (code) {
    case SB_LINELEFT: x -= line; break;
    case SB_LINERIGHT: x += line; break;
    case SB_PAGELEFT: x -= width; break;
    case SB_PAGERIGHT: x += width; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: x = thumb; break;
    case SB_LEFT: x = 0; break;
    case SB_RIGHT: x = d.horizontalExtent; break;
    default: return;
  }
  x = std::clamp(x, 0, std::max(0, d.horizontalExtent - width));
  if (x == d.scrollX) return;
  d.scrollX = x;
  UpdateScrollBars(hwnd, d);
  Repaint(hwnd);
}

// Without LBS_NOINTEGRALHEIGHT a list of fixed-height items shows no part
// item at its bottom: the window is shortened to whole items.
void SnapToIntegralHeight(HWND hwnd, ListBoxData& d) {
  const DWORD style = ListStyle(hwnd);
  if ((style & (LBS_NOINTEGRALHEIGHT | LBS_OWNERDRAWVARIABLE)) || d.sizing || d.itemHeight <= 0) return;
  const int remainder = static_cast<int>(Client(hwnd).bottom) % d.itemHeight;
  if (remainder == 0 || Client(hwnd).bottom < d.itemHeight) return;
  RECT window{};
  GetWindowRect(hwnd, &window);
  d.sizing = true;
  SetWindowPos(hwnd, nullptr, 0, 0, window.right - window.left, window.bottom - window.top - remainder,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  d.sizing = false;
}

void Repaint(HWND hwnd) { InvalidateRect(hwnd, nullptr, TRUE); }

void RepaintItem(HWND hwnd, const ListBoxData& d, int index) {
  RECT rect{};
  if (ValidIndex(d, index) && ItemRect(hwnd, d, index, rect)) InvalidateRect(hwnd, &rect, TRUE);
}

}  // namespace platform
