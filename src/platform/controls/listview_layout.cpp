// Where the list view's items stand in each view, hit tests, the window
// scroll bars and the header that scrolls across with report view.
#include <algorithm>

#include "platform/controls/classic_look.h"
#include "platform/controls/listview_internal.h"

namespace platform::listview {
namespace {

constexpr int kIconCellWidth = 75;  // the classic icon spacing
constexpr int kLabelPadding = 12;

SIZE ImageSize(HIMAGELIST list) {
  int w = 0;
  int h = 0;
  if (list != nullptr) ImageList_GetIconSize(list, &w, &h);
  return SIZE{w, h};
}

int TextHeight(const Data& data) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, Font(data));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, previous);
  ReleaseDC(nullptr, dc);
  return metrics.tmHeight;
}

int WidestLabel(const Data& data) {
  HDC dc = GetDC(nullptr);
  int widest = 0;
  for (const Item& item : data.items) widest = std::max(widest, TextWidth(dc, Font(data), item.text, static_cast<int>(item.text.size())));
  ReleaseDC(nullptr, dc);
  return widest;
}

RECT Client(HWND hwnd) {
  RECT client{};
  GetClientRect(hwnd, &client);
  return client;
}

int AreaWidth(HWND hwnd, const Data& data) {
  const RECT area = ItemArea(hwnd, data);
  return std::max(0, static_cast<int>(area.right - area.left));
}

int AreaHeight(HWND hwnd, const Data& data) {
  const RECT area = ItemArea(hwnd, data);
  return std::max(0, static_cast<int>(area.bottom - area.top));
}

// The item's cell: a report row, a list or small-icon cell, an icon cell.
RECT Cell(HWND hwnd, const Data& data, int item) {
  const RECT area = ItemArea(hwnd, data);
  const int rowHeight = RowHeight(hwnd, data);
  switch (View(hwnd)) {
    case LVS_REPORT: {
      const int top = area.top + (item - data.scrollY) * rowHeight;
      return RECT{-data.scrollX, top, TotalColumnWidth(data) - data.scrollX, top + rowHeight};
    }
    case LVS_LIST: {
      const int rows = RowsPerListColumn(hwnd, data);
      const int width = ListColumnWidth(hwnd, data);
      const int left = (item / rows - data.scrollX) * width;
      const int top = area.top + (item % rows) * rowHeight;
      return RECT{left, top, left + width, top + rowHeight};
    }
    case LVS_SMALLICON: {
      const int perRow = CellsPerRow(hwnd, data);
      const int width = ListColumnWidth(hwnd, data);
      const int left = (item % perRow) * width;
      const int top = area.top + (item / perRow) * rowHeight - data.scrollY;
      return RECT{left, top, left + width, top + rowHeight};
    }
    default: {
      const SIZE cell = IconCell(hwnd, data);
      const int perRow = CellsPerRow(hwnd, data);
      const int left = (item % perRow) * cell.cx;
      const int top = area.top + (item / perRow) * cell.cy - data.scrollY;
      return RECT{left, top, left + cell.cx, top + cell.cy};
    }
  }
}

int ContentHeight(HWND hwnd, const Data& data) {
  if (Count(data) == 0) return 0;
  const int perRow = CellsPerRow(hwnd, data);
  const int rows = (Count(data) + perRow - 1) / perRow;
  return rows * (View(hwnd) == LVS_ICON ? IconCell(hwnd, data).cy : RowHeight(hwnd, data));
}

int ListColumns(HWND hwnd, const Data& data) {
  const int rows = RowsPerListColumn(hwnd, data);
  return (Count(data) + rows - 1) / rows;
}

void Clamp(HWND hwnd, Data& data) {
  switch (View(hwnd)) {
    case LVS_REPORT:
      data.scrollY = std::clamp(data.scrollY, 0, std::max(0, Count(data) - CountPerPage(hwnd, data)));
      data.scrollX = std::clamp(data.scrollX, 0, std::max(0, TotalColumnWidth(data) - AreaWidth(hwnd, data)));
      break;
    case LVS_LIST: {
      const int visible = std::max(1, AreaWidth(hwnd, data) / std::max(1, ListColumnWidth(hwnd, data)));
      data.scrollX = std::clamp(data.scrollX, 0, std::max(0, ListColumns(hwnd, data) - visible));
      data.scrollY = 0;
      break;
    }
    default:
      data.scrollX = 0;
      data.scrollY = std::clamp(data.scrollY, 0, std::max(0, ContentHeight(hwnd, data) - AreaHeight(hwnd, data)));
      break;
  }
}

void SetBar(HWND hwnd, int bar, int max, int page, int pos) {
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = 0;
  info.nMax = std::max(0, max);
  info.nPage = static_cast<UINT>(std::max(0, page));
  info.nPos = pos;
  SetScrollInfo(hwnd, bar, &info, TRUE);
}

}  // namespace

RECT ItemArea(HWND hwnd, const Data& data) {
  RECT area = Client(hwnd);
  area.top += HeaderHeight(hwnd, data);
  return area;
}

int HeaderHeight(HWND hwnd, const Data& data) {
  if (View(hwnd) != LVS_REPORT || (Style(hwnd) & LVS_NOCOLUMNHEADER) || data.header == nullptr) return 0;
  RECT r{};
  GetWindowRect(data.header, &r);
  return r.bottom - r.top;
}

int RowHeight(HWND hwnd, const Data& data) {
  const SIZE small = ImageSize(data.images[LVSIL_SMALL]);
  (void)hwnd;
  return std::max(TextHeight(data) + 2, static_cast<int>(small.cy) + 1);
}

int ColumnCount(const Data& data) { return static_cast<int>(data.columns.size()); }

int ColumnWidth(const Data& data, int column) {
  if (column < 0 || column >= ColumnCount(data) || data.header == nullptr) return 0;
  RECT r{};
  SendMessageW(data.header, HDM_GETITEMRECT, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&r));
  return r.right - r.left;
}

int TotalColumnWidth(const Data& data) {
  int total = 0;
  for (int i = 0; i < ColumnCount(data); ++i) total += ColumnWidth(data, i);
  return total;
}

int ListColumnWidth(HWND hwnd, const Data& data) {
  if (data.listColumnWidth > 0) return data.listColumnWidth;
  (void)hwnd;
  if (data.fittedListWidth < 0) {
    const SIZE small = ImageSize(data.images[LVSIL_SMALL]);
    data.fittedListWidth = std::max(40, WidestLabel(data) + static_cast<int>(small.cx) + kLabelPadding);
  }
  return data.fittedListWidth;
}

int RowsPerListColumn(HWND hwnd, const Data& data) {
  return std::max(1, AreaHeight(hwnd, data) / RowHeight(hwnd, data));
}

SIZE IconCell(HWND hwnd, const Data& data) {
  (void)hwnd;
  const SIZE icon = ImageSize(data.images[LVSIL_NORMAL]);
  const int iconHeight = icon.cy > 0 ? static_cast<int>(icon.cy) : 32;
  return SIZE{std::max(kIconCellWidth, static_cast<int>(icon.cx) + 8), iconHeight + 8 + 2 * TextHeight(data) + 4};
}

int CellsPerRow(HWND hwnd, const Data& data) {
  const int cell = View(hwnd) == LVS_ICON ? IconCell(hwnd, data).cx : ListColumnWidth(hwnd, data);
  return std::max(1, AreaWidth(hwnd, data) / std::max(1, cell));
}

bool ItemRect(HWND hwnd, const Data& data, int item, int code, RECT& rect) {
  if (item < 0 || item >= Count(data)) return false;
  const RECT cell = Cell(hwnd, data, item);
  const DWORD view = View(hwnd);
  RECT icon{cell.left, cell.top, cell.left, cell.bottom};
  RECT label = cell;
  if (view == LVS_ICON) {
    const SIZE size = ImageSize(data.images[LVSIL_NORMAL]);
    const int iconWidth = size.cx > 0 ? static_cast<int>(size.cx) : 32;
    const int iconHeight = size.cy > 0 ? static_cast<int>(size.cy) : 32;
    const int left = cell.left + (cell.right - cell.left - iconWidth) / 2;
    icon = RECT{left, cell.top + 2, left + iconWidth, cell.top + 2 + iconHeight};
    label = RECT{cell.left + 1, icon.bottom + 4, cell.right - 1, cell.bottom - 2};
  } else {
    const SIZE size = ImageSize(data.images[LVSIL_SMALL]);
    if (size.cx > 0) icon = RECT{cell.left + 2, cell.top, cell.left + 2 + size.cx, cell.top + size.cy};
    label.left = icon.right + (size.cx > 0 ? 2 : 0);
    if (view == LVS_REPORT) label.right = cell.left + ColumnWidth(data, 0);
  }
  switch (code) {
    case LVIR_ICON:
      rect = icon;
      return true;
    case LVIR_LABEL:
      rect = label;
      return true;
    case LVIR_SELECTBOUNDS:
      if (view == LVS_REPORT && (data.exStyle & LVS_EX_FULLROWSELECT)) {
        rect = RECT{icon.left, cell.top, cell.right, cell.bottom};
      } else {
        UnionRect(&rect, &icon, &label);
      }
      return true;
    case LVIR_BOUNDS:
      rect = view == LVS_ICON ? RECT{cell.left, icon.top, cell.right, label.bottom} : cell;
      return true;
    default:
      return false;
  }
}

bool SubItemRect(HWND hwnd, const Data& data, int item, int subItem, int code, RECT& rect) {
  if (View(hwnd) != LVS_REPORT || subItem < 0 || (subItem > 0 && subItem >= ColumnCount(data))) return false;
  if (subItem == 0) return ItemRect(hwnd, data, item, code, rect);
  if (!ItemRect(hwnd, data, item, LVIR_BOUNDS, rect)) return false;
  int left = rect.left;
  for (int i = 0; i < subItem; ++i) left += ColumnWidth(data, i);
  rect.left = left;
  rect.right = left + ColumnWidth(data, subItem);
  return true;
}

int HitTest(HWND hwnd, const Data& data, LVHITTESTINFO& info, bool subItems) {
  const RECT client = Client(hwnd);
  const POINT p = info.pt;
  info.flags = 0;
  info.iItem = -1;
  info.iSubItem = 0;
  if (p.y < client.top) info.flags |= LVHT_ABOVE;
  if (p.y >= client.bottom) info.flags |= LVHT_BELOW;
  if (p.x < client.left) info.flags |= LVHT_TOLEFT;
  if (p.x >= client.right) info.flags |= LVHT_TORIGHT;
  if (info.flags != 0) return -1;
  const bool report = View(hwnd) == LVS_REPORT;
  const bool fullRow = report && (data.exStyle & LVS_EX_FULLROWSELECT);
  for (int i = 0; i < Count(data); ++i) {
    RECT bounds{};
    ItemRect(hwnd, data, i, LVIR_BOUNDS, bounds);
    if (!PtInRect(&bounds, p)) continue;
    RECT icon{};
    RECT label{};
    ItemRect(hwnd, data, i, LVIR_ICON, icon);
    ItemRect(hwnd, data, i, LVIR_LABEL, label);
    if (subItems && report) {
      int left = bounds.left;
      for (int c = 0; c < ColumnCount(data); ++c) {
        const int right = left + ColumnWidth(data, c);
        if (p.x >= left && p.x < right) info.iSubItem = c;
        left = right;
      }
    }
    if (PtInRect(&icon, p)) {
      info.flags = LVHT_ONITEMICON;
    } else if (PtInRect(&label, p) || fullRow || (subItems && report) || !report) {
      info.flags = LVHT_ONITEMLABEL;
    } else {
      break;  // beside the label in report view
    }
    info.iItem = i;
    return i;
  }
  info.flags = LVHT_NOWHERE;
  info.iSubItem = 0;
  return -1;
}

int TopIndex(HWND hwnd, const Data& data) {
  if (Count(data) == 0) return 0;
  switch (View(hwnd)) {
    case LVS_REPORT:
      return data.scrollY;
    case LVS_LIST:
      return std::min(Count(data) - 1, data.scrollX * RowsPerListColumn(hwnd, data));
    default:
      return 0;
  }
}

int CountPerPage(HWND hwnd, const Data& data) {
  switch (View(hwnd)) {
    case LVS_REPORT:
      return AreaHeight(hwnd, data) / RowHeight(hwnd, data);
    case LVS_LIST:
      return RowsPerListColumn(hwnd, data) * std::max(1, AreaWidth(hwnd, data) / ListColumnWidth(hwnd, data));
    default:
      return Count(data);
  }
}

// The next item in a direction on the screen; -1 at an edge.
int Neighbour(HWND hwnd, const Data& data, int item, UINT direction) {
  int step = 0;
  switch (View(hwnd)) {
    case LVS_REPORT:
      step = direction == LVNI_ABOVE ? -1 : direction == LVNI_BELOW ? 1 : 0;
      break;
    case LVS_LIST: {
      const int rows = RowsPerListColumn(hwnd, data);
      if (direction == LVNI_ABOVE && item % rows == 0) return -1;
      if (direction == LVNI_BELOW && (item + 1) % rows == 0) return -1;
      step = direction == LVNI_ABOVE ? -1 : direction == LVNI_BELOW ? 1 : direction == LVNI_TOLEFT ? -rows : rows;
      break;
    }
    default: {
      const int perRow = CellsPerRow(hwnd, data);
      if (direction == LVNI_TOLEFT && item % perRow == 0) return -1;
      if (direction == LVNI_TORIGHT && (item + 1) % perRow == 0) return -1;
      step = direction == LVNI_ABOVE ? -perRow : direction == LVNI_BELOW ? perRow : direction == LVNI_TOLEFT ? -1 : 1;
      break;
    }
  }
  const int next = item + step;
  if (step == 0 || next < 0 || next >= Count(data)) return -1;
  return next;
}

void PlaceHeader(HWND hwnd, Data& data) {
  if (data.header == nullptr) return;
  const bool shown = View(hwnd) == LVS_REPORT && !(Style(hwnd) & LVS_NOCOLUMNHEADER);
  if (!shown) {
    SetWindowPos(data.header, nullptr, 0, 0, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_HIDEWINDOW);
    return;
  }
  RECT client = Client(hwnd);
  client.left -= data.scrollX;
  WINDOWPOS pos{};
  HDLAYOUT layout{&client, &pos};
  SendMessageW(data.header, HDM_LAYOUT, 0, reinterpret_cast<LPARAM>(&layout));
  SetWindowPos(data.header, nullptr, pos.x, pos.y, pos.cx, pos.cy, SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void UpdateScrollBars(HWND hwnd, Data& data) {
  if (data.updatingBars) return;
  data.updatingBars = true;
  // Showing one bar narrows the area and may call for the other: twice
  // settles it.
  for (int pass = 0; pass < 2; ++pass) {
    Clamp(hwnd, data);
    const bool noScroll = (Style(hwnd) & LVS_NOSCROLL) != 0;
    switch (View(hwnd)) {
      case LVS_REPORT:
        SetBar(hwnd, SB_VERT, noScroll ? 0 : Count(data) - 1, CountPerPage(hwnd, data), data.scrollY);
        SetBar(hwnd, SB_HORZ, noScroll ? 0 : TotalColumnWidth(data) - 1, AreaWidth(hwnd, data), data.scrollX);
        break;
      case LVS_LIST:
        SetBar(hwnd, SB_VERT, 0, 0, 0);
        SetBar(hwnd, SB_HORZ, noScroll ? 0 : ListColumns(hwnd, data) - 1,
               AreaWidth(hwnd, data) / std::max(1, ListColumnWidth(hwnd, data)), data.scrollX);
        break;
      default:
        SetBar(hwnd, SB_HORZ, 0, 0, 0);
        SetBar(hwnd, SB_VERT, noScroll ? 0 : ContentHeight(hwnd, data) - 1, AreaHeight(hwnd, data), data.scrollY);
        break;
    }
  }
  PlaceHeader(hwnd, data);
  data.updatingBars = false;
}

void ScrollBy(HWND hwnd, Data& data, int dx, int dy) {
  const int x = data.scrollX;
  const int y = data.scrollY;
  data.scrollX += dx;
  data.scrollY += dy;
  Clamp(hwnd, data);
  if (x == data.scrollX && y == data.scrollY) return;
  InvalidateRect(hwnd, nullptr, TRUE);
  UpdateScrollBars(hwnd, data);
}

void OnScroll(HWND hwnd, Data& data, bool vertical, WORD code) {
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_ALL;
  GetScrollInfo(hwnd, vertical ? SB_VERT : SB_HORZ, &info);
  const DWORD view = View(hwnd);
  // A line is a row or a list column, or a few pixels across a report.
  int line = 1;
  if (view == LVS_REPORT && !vertical) line = 16;
  if (view == LVS_ICON || view == LVS_SMALLICON) line = RowHeight(hwnd, data);
  const int page = std::max(1, static_cast<int>(info.nPage));
  int target = info.nPos;
  switch (code) {
    case SB_LINEUP:
      target -= line;
      break;
    case SB_LINEDOWN:
      target += line;
      break;
    case SB_PAGEUP:
      target -= page;
      break;
    case SB_PAGEDOWN:
      target += page;
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      target = info.nTrackPos;
      break;
    case SB_TOP:
      target = info.nMin;
      break;
    case SB_BOTTOM:
      target = info.nMax;
      break;
    default:
      return;
  }
  if (vertical) {
    ScrollBy(hwnd, data, 0, target - data.scrollY);
  } else {
    ScrollBy(hwnd, data, target - data.scrollX, 0);
  }
}

void EnsureVisible(HWND hwnd, Data& data, int item) {
  if (item < 0 || item >= Count(data)) return;
  const DWORD view = View(hwnd);
  if (view == LVS_REPORT) {
    const int page = std::max(1, CountPerPage(hwnd, data));
    if (item < data.scrollY) {
      ScrollBy(hwnd, data, 0, item - data.scrollY);
    } else if (item >= data.scrollY + page) {
      ScrollBy(hwnd, data, 0, item - page + 1 - data.scrollY);
    }
  } else if (view == LVS_LIST) {
    const int column = item / RowsPerListColumn(hwnd, data);
    const int visible = std::max(1, AreaWidth(hwnd, data) / std::max(1, ListColumnWidth(hwnd, data)));
    if (column < data.scrollX) {
      ScrollBy(hwnd, data, column - data.scrollX, 0);
    } else if (column >= data.scrollX + visible) {
      ScrollBy(hwnd, data, column - visible + 1 - data.scrollX, 0);
    }
  } else {
    RECT bounds{};
    ItemRect(hwnd, data, item, LVIR_BOUNDS, bounds);
    const RECT area = ItemArea(hwnd, data);
    if (bounds.top < area.top) {
      ScrollBy(hwnd, data, 0, bounds.top - area.top);
    } else if (bounds.bottom > area.bottom) {
      ScrollBy(hwnd, data, 0, bounds.bottom - area.bottom);
    }
  }
}

}  // namespace platform::listview
