// What the tab control's files share: its per-window data and the layout
// of its tabs.
#pragma once

#include <string>
#include <vector>

#include "platform/controls/tab_looks.h"

namespace platform::tabs {

// The least width of a tab sized from its text, until TCM_SETMINTABWIDTH.
constexpr int kDefaultMinWidth = 54;

struct TabItem {
  std::u16string text;
  int image = -1;
  LPARAM param = 0;
  DWORD state = 0;
  RECT rect{};  // in client coordinates, scrolled
  int row = 0;  // rows are counted from the one beside the display area
};

struct TabData {
  std::vector<TabItem> items;
  int selected = -1;
  int focus = -1;
  int hot = -1;
  int firstVisible = 0;  // single-line strips scroll by whole tabs
  int maxFirstVisible = 0;
  int rows = 1;
  int tabHeight = 0;    // across the strip, one row
  int fixedWidth = 0;   // TCM_SETITEMSIZE
  int fixedHeight = 0;
  int minWidth = -1;    // TCM_SETMINTABWIDTH; -1 the default
  int paddingX = 6;
  int paddingY = 3;
  HIMAGELIST images = nullptr;
  HFONT font = nullptr;
  HWND scroller = nullptr;  // the "msctls_updown32" of an overflowing strip
  bool focused = false;
  bool tracking = false;  // a WM_MOUSELEAVE is asked for
};

DWORD Style(HWND hwnd);
TabSide SideOf(DWORD style);

// Places every tab (rows, rectangles, scrolling) for the client size and
// shows or hides the scroller; the display area is what TCM_ADJUSTRECT
// answers for the client rectangle.
void Layout(HWND hwnd, TabData& data);
// The display area inside `rect`, or (larger) the window rectangle around
// a display area, as TCM_ADJUSTRECT does.
void AdjustRect(DWORD style, const TabData& data, bool larger, RECT& rect);
// The rectangle of the strip shown now (excluding the scroller).
RECT VisibleStrip(HWND hwnd, const TabData& data);
// The tab under a client point, or -1.
int HitTest(HWND hwnd, const TabData& data, POINT point, UINT* flags);
// Scrolls a single-line strip so that tab `index` is shown whole.
void EnsureVisible(HWND hwnd, TabData& data, int index);

void Paint(HWND hwnd, TabData& data, HDC dc);

}  // namespace platform::tabs
