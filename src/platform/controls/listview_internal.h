// What the list view's files share: its items and columns, and the
// geometry of the four views.
#pragma once

#include <string>
#include <vector>

#include "platform/controls/control_data.h"

namespace platform::listview {

struct Item {
  std::u16string text;
  std::vector<std::u16string> subItems;  // by sub-item index, from 1
  int image = -1;
  LPARAM lParam = 0;
  UINT state = 0;
};

struct Column {
  int format = LVCFMT_LEFT;
  int subItem = 0;
};

struct Data {
  std::vector<Item> items;
  std::vector<Column> columns;
  HWND header = nullptr;
  HIMAGELIST images[3] = {nullptr, nullptr, nullptr};  // by LVSIL_*
  DWORD exStyle = 0;
  HFONT font = nullptr;
  bool focused = false;
  int anchor = -1;         // where a Shift selection starts
  int scrollX = 0;         // report: pixels; list: columns
  int scrollY = 0;         // report: rows; icon views: pixels
  int listColumnWidth = 0;  // list view style; 0 until set
  mutable int fittedListWidth = -1;  // the widest label's, -1 until measured again
  COLORREF background = CLR_DEFAULT;
  COLORREF text = CLR_DEFAULT;
  COLORREF textBackground = CLR_DEFAULT;
  bool clickPending = false;
  bool updatingBars = false;
};

DWORD Style(HWND hwnd);
DWORD View(HWND hwnd);
int Count(const Data& data);
HFONT Font(const Data& data);
const std::u16string& CellText(const Data& data, int item, int subItem);

// Geometry (listview_layout.cpp), in client coordinates.
int RowHeight(HWND hwnd, const Data& data);
int HeaderHeight(HWND hwnd, const Data& data);
RECT ItemArea(HWND hwnd, const Data& data);  // the client below the header
int ColumnCount(const Data& data);
int ColumnWidth(const Data& data, int column);
int TotalColumnWidth(const Data& data);
int ListColumnWidth(HWND hwnd, const Data& data);
int RowsPerListColumn(HWND hwnd, const Data& data);
SIZE IconCell(HWND hwnd, const Data& data);
int CellsPerRow(HWND hwnd, const Data& data);
bool ItemRect(HWND hwnd, const Data& data, int item, int code, RECT& rect);
bool SubItemRect(HWND hwnd, const Data& data, int item, int subItem, int code, RECT& rect);
int HitTest(HWND hwnd, const Data& data, LVHITTESTINFO& info, bool subItems);
int TopIndex(HWND hwnd, const Data& data);
int CountPerPage(HWND hwnd, const Data& data);
int Neighbour(HWND hwnd, const Data& data, int item, UINT direction);
void UpdateScrollBars(HWND hwnd, Data& data);
void PlaceHeader(HWND hwnd, Data& data);
// Scrolls by an amount in the view's own units (report: pixels across,
// rows down; list: columns; icon views: pixels down).
void ScrollBy(HWND hwnd, Data& data, int dx, int dy);
void OnScroll(HWND hwnd, Data& data, bool vertical, WORD code);
void EnsureVisible(HWND hwnd, Data& data, int item);

// Painting (listview_paint.cpp).
void Paint(HWND hwnd, HDC dc);

}  // namespace platform::listview
