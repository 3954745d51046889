// Where the tabs of a "SysTabControl32" stand: their sizes from the text,
// image, padding and fixed sizes; rows for TCS_MULTILINE (and always for
// TCS_VERTICAL), stretched to the strip's length unless TCS_RAGGEDRIGHT,
// with the selected tab's row beside the display area; a single-line
// strip that does not fit scrolls by whole tabs with an up-down beside it.
#include <algorithm>

#include "platform/controls/classic_look.h"
#include "platform/controls/tab_control_internal.h"

namespace platform::tabs {
namespace {

constexpr int kDefaultFixedWidth = 96;
constexpr int kSelectedGrowth = 2;  // the selected tab stands out by this much
constexpr int kButtonGap = 3;
constexpr int kBorderAndPadding = 4;
constexpr int kScrollerId = 1;

bool Vertical(DWORD style) { return (style & TCS_VERTICAL) != 0; }
bool MultiLine(DWORD style) { return (style & (TCS_MULTILINE | TCS_VERTICAL)) != 0; }
bool Buttons(DWORD style) { return (style & TCS_BUTTONS) != 0; }

// The length of each tab along the strip and the thickness of a row.
std::vector<int> MeasureTabs(HWND hwnd, TabData& data, DWORD style) {
  int iconWidth = 0, iconHeight = 0;
  if (data.images != nullptr) ImageList_GetIconSize(data.images, &iconWidth, &iconHeight);
  HDC dc = GetDC(hwnd);
  HGDIOBJ previous = SelectObject(dc, data.font != nullptr ? data.font : DefaultControlFont());
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, previous);
  const int textHeight = metrics.tmHeight + 2;
  data.tabHeight = data.fixedHeight > 0 ? data.fixedHeight
                                        : std::max(textHeight, iconHeight) + (Buttons(style) ? 2 : 1) * data.paddingY;
  std::vector<int> lengths;
  const int minWidth = data.minWidth >= 0 ? data.minWidth : kDefaultMinWidth;
  for (const TabItem& item : data.items) {
    int length = 0;
    if (style & TCS_FIXEDWIDTH) {
      length = data.fixedWidth > 0 ? data.fixedWidth : kDefaultFixedWidth;
    } else {
      length = TextWidth(dc, data.font != nullptr ? data.font : DefaultControlFont(), item.text,
                         static_cast<int>(item.text.size())) +
               2 * data.paddingX;
      if (data.images != nullptr && item.image >= 0) length += iconWidth + 3;
      if ((style & TCS_OWNERDRAWFIXED) && data.fixedWidth > 0) length = data.fixedWidth;
      length = std::max(length, minWidth);
    }
    lengths.push_back(length);
  }
  ReleaseDC(hwnd, dc);
  return lengths;
}

// The client rectangle with the strip's run along x: vertical controls are
// laid out as if turned, then turned back.
RECT Turned(const RECT& r, bool vertical) { return vertical ? RECT{r.top, r.left, r.bottom, r.right} : r; }

void ShowScroller(HWND hwnd, TabData& data, bool show, const RECT& client, DWORD style) {
  if (!show) {
    if (data.scroller != nullptr) ShowWindow(data.scroller, SW_HIDE);
    return;
  }
  const int width = 2 * GetSystemMetrics(SM_CXHSCROLL);
  const int height = GetSystemMetrics(SM_CYHSCROLL);
  const int top = (style & TCS_BOTTOM) ? client.bottom - data.tabHeight : data.tabHeight - height;
  if (data.scroller == nullptr) {
    data.scroller = CreateWindowExW(0, UPDOWN_CLASSW, nullptr, WS_CHILD | UDS_HORZ, 0, 0, 0, 0, hwnd,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(kScrollerId)), nullptr, nullptr);
  }
  if (data.scroller == nullptr) return;
  SendMessageW(data.scroller, UDM_SETRANGE32, 0, data.maxFirstVisible);
  SendMessageW(data.scroller, UDM_SETPOS32, 0, data.firstVisible);
  SetWindowPos(data.scroller, nullptr, client.right - width, top, width, height,
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

// Whether `point` is over the tab's image: the image and the text stand
// centred together, as the painter draws them.
bool OverIcon(HWND hwnd, const TabData& data, const TabItem& item, POINT point) {
  int iconWidth = 0, iconHeight = 0;
  if (data.images == nullptr || item.image < 0 || (Style(hwnd) & TCS_VERTICAL) ||
      !ImageList_GetIconSize(data.images, &iconWidth, &iconHeight)) {
    return false;
  }
  HDC dc = GetDC(hwnd);
  const int textWidth = TextWidth(dc, data.font != nullptr ? data.font : DefaultControlFont(), item.text,
                                  static_cast<int>(item.text.size()));
  ReleaseDC(hwnd, dc);
  const int block = textWidth + iconWidth + (item.text.empty() ? 0 : 3);
  const int left = (item.rect.left + item.rect.right) / 2 - block / 2;
  return point.x >= left && point.x < left + iconWidth;
}

}  // namespace

DWORD Style(HWND hwnd) { return static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE)); }

TabSide SideOf(DWORD style) {
  if (style & TCS_VERTICAL) return (style & TCS_RIGHT) ? TabSide::Right : TabSide::Left;
  return (style & TCS_BOTTOM) ? TabSide::Bottom : TabSide::Top;
}

void AdjustRect(DWORD style, const TabData& data, bool larger, RECT& rect) {
  const int strip = data.tabHeight * data.rows + (Buttons(style) ? kButtonGap * (data.rows - 1) : 0);
  const int sign = larger ? -1 : 1;
  InflateRect(&rect, -sign * kBorderAndPadding, -sign * kBorderAndPadding);
  switch (SideOf(style)) {
    case TabSide::Top: rect.top += sign * strip; break;
    case TabSide::Bottom: rect.bottom -= sign * strip; break;
    case TabSide::Left: rect.left += sign * strip; break;
    case TabSide::Right: rect.right -= sign * strip; break;
  }
}

void Layout(HWND hwnd, TabData& data) {
  const DWORD style = Style(hwnd);
  const bool vertical = Vertical(style);
  RECT client{};
  GetClientRect(hwnd, &client);
  const std::vector<int> lengths = MeasureTabs(hwnd, data, style);
  const RECT run = Turned(client, vertical);
  const int available = run.right - run.left;
  const int gap = Buttons(style) ? kButtonGap : 0;
  const int start = Buttons(style) ? 0 : kSelectedGrowth;

  // Rows in order of the tabs: row r holds positions `along` from `start`.
  std::vector<int> along(lengths.size()), rowOf(lengths.size());
  int rows = 1, x = start;
  for (std::size_t i = 0; i < lengths.size(); ++i) {
    if (MultiLine(style) && x > start && x + lengths[i] > available - kSelectedGrowth) {
      ++rows;
      x = start;
    }
    along[i] = x;
    rowOf[i] = rows - 1;
    x += lengths[i] + gap;
  }
  data.rows = data.items.empty() ? 1 : rows;
  std::vector<int> sizes = lengths;
  // Several rows are stretched so that each fills the strip's length.
  if (rows > 1 && !(style & TCS_RAGGEDRIGHT)) {
    for (int r = 0; r < rows; ++r) {
      std::vector<std::size_t> members;
      for (std::size_t i = 0; i < lengths.size(); ++i)
        if (rowOf[i] == r) members.push_back(i);
      const std::size_t last = members.back();
      const int extra = available - kSelectedGrowth - (along[last] + sizes[last]);
      if (extra <= 0) continue;
      int shift = 0;
      for (std::size_t k = 0; k < members.size(); ++k) {
        const int share = extra * static_cast<int>(k + 1) / static_cast<int>(members.size()) -
                          extra * static_cast<int>(k) / static_cast<int>(members.size());
        along[members[k]] += shift;
        sizes[members[k]] += share;
        shift += share;
      }
    }
  }

  // Single-line strips that overflow scroll; the scroller takes the end.
  const bool overflow = !MultiLine(style) && !lengths.empty() && along.back() + lengths.back() > available;
  data.maxFirstVisible = 0;
  if (overflow) {
    const int room = available - 2 * GetSystemMetrics(SM_CXHSCROLL) - start;
    int tail = 0;
    int first = static_cast<int>(lengths.size());
    while (first > 0 && tail + lengths[static_cast<std::size_t>(first - 1)] <= room) {
      tail += lengths[static_cast<std::size_t>(--first)] + gap;
    }
    data.maxFirstVisible = std::min(first, static_cast<int>(lengths.size()) - 1);
  }
  data.firstVisible = std::clamp(data.firstVisible, 0, data.maxFirstVisible);
  const int scrolled = overflow && !lengths.empty() ? along[static_cast<std::size_t>(data.firstVisible)] - start : 0;

  // Rows across the strip: tabs move the selected tab's row next to the
  // display area; buttons keep their order from the edge.
  const int selectedRow =
      data.selected >= 0 && data.selected < static_cast<int>(rowOf.size()) ? rowOf[static_cast<std::size_t>(data.selected)] : 0;
  const int pitch = data.tabHeight + gap;
  for (std::size_t i = 0; i < data.items.size(); ++i) {
    int fromDisplay = Buttons(style) ? data.rows - 1 - rowOf[i] : (rowOf[i] - selectedRow + data.rows) % data.rows;
    data.items[i].row = fromDisplay;
    // Across: distance of the row's outer edge from the control's edge.
    const int outer = (data.rows - 1 - fromDisplay) * pitch;
    const int inset = Buttons(style) ? 0 : kSelectedGrowth;
    const int a0 = along[i] - scrolled, a1 = a0 + sizes[i];
    RECT& r = data.items[i].rect;
    switch (SideOf(style)) {
      case TabSide::Top: r = RECT{a0, outer + inset, a1, outer + data.tabHeight}; break;
      case TabSide::Bottom:
        r = RECT{a0, client.bottom - outer - data.tabHeight, a1, client.bottom - outer - inset};
        break;
      case TabSide::Left: r = RECT{outer + inset, a0, outer + data.tabHeight, a1}; break;
      case TabSide::Right:
        r = RECT{client.right - outer - data.tabHeight, a0, client.right - outer - inset, a1};
        break;
    }
  }
  ShowScroller(hwnd, data, overflow, client, style);
}

RECT VisibleStrip(HWND hwnd, const TabData& data) {
  RECT client{};
  GetClientRect(hwnd, &client);
  if (data.scroller != nullptr && IsWindowVisible(data.scroller)) {
    RECT scroller{};
    GetWindowRect(data.scroller, &scroller);
    MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&scroller), 2);
    client.right = scroller.left;
  }
  return client;
}

int HitTest(HWND hwnd, const TabData& data, POINT point, UINT* flags) {
  if (flags != nullptr) *flags = TCHT_NOWHERE;
  const RECT strip = VisibleStrip(hwnd, data);
  if (!PtInRect(&strip, point)) return -1;
  for (std::size_t i = 0; i < data.items.size(); ++i) {
    if (!PtInRect(&data.items[i].rect, point)) continue;
    if (flags != nullptr) *flags = OverIcon(hwnd, data, data.items[i], point) ? TCHT_ONITEMICON : TCHT_ONITEMLABEL;
    return static_cast<int>(i);
  }
  return -1;
}

void EnsureVisible(HWND hwnd, TabData& data, int index) {
  const DWORD style = Style(hwnd);
  if (MultiLine(style) || index < 0 || index >= static_cast<int>(data.items.size())) return;
  if (index < data.firstVisible) {
    data.firstVisible = index;
    Layout(hwnd, data);
    return;
  }
  const RECT strip = VisibleStrip(hwnd, data);
  while (data.firstVisible < data.maxFirstVisible &&
         data.items[static_cast<std::size_t>(index)].rect.right > strip.right) {
    ++data.firstVisible;
    Layout(hwnd, data);
  }
}

}  // namespace platform::tabs
