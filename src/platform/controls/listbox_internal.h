// The state of a "ListBox" (and of a combo box's "ComboLBox" list) shared
// by the files of the class: items, selection, scrolling and the layout of
// items in the client area.
#pragma once

#include <string>
#include <vector>

#include "platform/controls/listbox.h"

namespace platform {

struct ListItem {
  std::u16string text;
  ULONG_PTR data = 0;
  bool selected = false;
  int height = 0;  // owner-draw variable lists only
};

struct ListBoxData {
  std::vector<ListItem> items;
  int current = -1;   // the selected item of a single-selection list
  int caret = 0;      // the item with the focus rectangle
  int anchor = 0;     // where an extended range starts
  int top = 0;        // the first item shown
  int itemHeight = 16;
  int columnWidth = 64;
  int horizontalExtent = 0;
  int scrollX = 0;    // pixels scrolled off to the left (single column)
  HFONT font = nullptr;
  HWND owner = nullptr;  // who gets notifications and owner-draw messages
  HWND combo = nullptr;  // the combo box of a "ComboLBox"
  bool focused = false;
  bool tracking = false;  // the mouse is captured for a drag selection
  int autoScroll = 0;     // -1 up, +1 down while dragging outside
  std::u16string typed;   // type-ahead search text
  DWORD typedAt = 0;
  bool sizing = false;    // adjusting to an integral height
  DWORD bars = 0;         // WS_VSCROLL / WS_HSCROLL as created: the bars hide when not needed
};

// The window procedure of "ListBox", which "ComboLBox" builds on.
LRESULT ListBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

ListBoxData* ListData(HWND hwnd);
DWORD ListStyle(HWND hwnd);
bool IsMultiSelect(DWORD style);
bool HasStrings(DWORD style);
bool IsOwnerDraw(DWORD style);
int ItemCount(const ListBoxData& d);
bool ValidIndex(const ListBoxData& d, int index);

// Items (listbox_items.cpp).
LRESULT InsertItem(HWND hwnd, ListBoxData& d, int index, LPARAM value, bool sorted);
LRESULT DeleteItem(HWND hwnd, ListBoxData& d, int index);
void ResetContent(HWND hwnd, ListBoxData& d);
LRESULT FindItem(HWND hwnd, const ListBoxData& d, int start, LPARAM value, bool exact);
void MeasureFixedHeight(HWND hwnd, ListBoxData& d);

// Layout and scrolling (listbox_layout.cpp).
int RowsPerPage(HWND hwnd, const ListBoxData& d);
int VisibleCount(HWND hwnd, const ListBoxData& d);
bool ItemRect(HWND hwnd, const ListBoxData& d, int index, RECT& rect);
// The item under a client point (nearest when outside); `outside` tells
// whether the point is outside the items.
int ItemFromPoint(HWND hwnd, const ListBoxData& d, POINT p, bool& outside);
void SetTop(HWND hwnd, ListBoxData& d, int top);
void EnsureVisible(HWND hwnd, ListBoxData& d, int index);
void UpdateScrollBars(HWND hwnd, ListBoxData& d);
void Scroll(HWND hwnd, ListBoxData& d, int bar, WPARAM request);
void SnapToIntegralHeight(HWND hwnd, ListBoxData& d);
void Repaint(HWND hwnd);
void RepaintItem(HWND hwnd, const ListBoxData& d, int index);

// Selection (listbox_selection.cpp).
void Notify(HWND hwnd, const ListBoxData& d, WORD code);
// Selects `index` alone in a single-selection list (-1 for none).
void SelectSingle(HWND hwnd, ListBoxData& d, int index);
void SetSelected(HWND hwnd, ListBoxData& d, int index, bool selected);
void SelectRange(HWND hwnd, ListBoxData& d, int first, int last, bool selected);
void ClearSelection(HWND hwnd, ListBoxData& d);
void SetCaret(HWND hwnd, ListBoxData& d, int index, bool scroll);
// Moves the caret as a key or a click does, selecting as the style asks.
void MoveCaretByUser(HWND hwnd, ListBoxData& d, int index, bool shift, bool control);

// Input (listbox_input.cpp).
LRESULT KeyDown(HWND hwnd, ListBoxData& d, WPARAM key);
LRESULT TypedChar(HWND hwnd, ListBoxData& d, char16_t c);
void MouseDown(HWND hwnd, ListBoxData& d, LPARAM at, WPARAM keys, bool doubleClick);
void MouseMove(HWND hwnd, ListBoxData& d, LPARAM at);
void MouseUp(HWND hwnd, ListBoxData& d);
void AutoScrollTick(HWND hwnd, ListBoxData& d);

// Painting (listbox_paint.cpp).
void PaintList(HWND hwnd, HDC dc, ListBoxData& d);

constexpr UINT_PTR kListScrollTimer = 2;

}  // namespace platform
