// The band bar's layout: bands measured, broken into rows (at RBBS_BREAK or
// where the next band's least width no longer fits), each row fitted to the
// bar's width, the child windows moved into their bands, and the bar's
// height followed by its window.
#include <algorithm>

#include "platform/controls/bar_placement.h"
#include "platform/controls/rebar_internal.h"

namespace platform::rebar {
namespace {

SIZE TextSize(HWND hwnd, const RebarData& data, const std::u16string& text) {
  SIZE size{0, 0};
  if (text.empty()) return size;
  HDC dc = GetDC(hwnd);
  HGDIOBJ old = SelectObject(dc, FontOf(data));
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(hwnd, dc);
  return size;
}

bool HasChild(const Band& b) { return b.child != nullptr && IsWindow(b.child); }
int Edge(const Band& b) { return (b.style & RBBS_CHILDEDGE) ? kChildEdge : 0; }

// The child's height before its row may stretch it.
int ChildHeight(const Band& b) {
  int height = static_cast<int>(b.cyMinChild);
  if (b.style & RBBS_VARIABLEHEIGHT) {
    height = std::max(height, static_cast<int>(b.cyChild));
    if (b.cyMaxChild > 0) height = std::min(height, std::max(static_cast<int>(b.cyMaxChild), static_cast<int>(b.cyMinChild)));
  }
  return height;
}

void Measure(HWND hwnd, const RebarData& data, Band& b, int movable) {
  b.gripper = !(b.style & RBBS_NOGRIPPER) &&
              ((b.style & RBBS_GRIPPERALWAYS) || (!(b.style & RBBS_FIXEDSIZE) && movable > 1));
  int header = b.gripper ? kPreGripper + kGripperWidth + kAlwaysSpace : 0;
  int headerHeight = 0;
  const bool image = b.image >= 0 && data.images != nullptr;
  if (image) {
    header += data.imageSize.cx + kPostImage;
    headerHeight = data.imageSize.cy + 2;
  }
  const bool title = !b.text.empty() && !(b.style & RBBS_HIDETITLE);
  SIZE text{0, 0};
  if (title) {
    text = TextSize(hwnd, data, b.text);
    header += text.cx + kPostText;
    headerHeight = std::max<int>(headerHeight, text.cy + 2);
  }
  if ((image || title) && !b.gripper) header += kAlwaysSpace;
  b.header = b.headerGiven ? static_cast<int>(b.cxHeader) : header;
  b.minWidth = b.header + static_cast<int>(b.cxMinChild) + kPostChild;
  const int child = HasChild(b) ? ChildHeight(b) + 2 * Edge(b) : kNoChildHeight;
  b.minHeight = std::max(headerHeight, child);
  // Where the header's parts go, from the band's left edge (moved with it later).
  b.gripperRect = b.gripper ? RECT{kPreGripper, 0, kPreGripper + kGripperWidth, 0} : RECT{};
  int x = b.gripper ? kPreGripper + kGripperWidth + kAlwaysSpace : (image || title ? kAlwaysSpace : 0);
  b.imageRect = image ? RECT{x, 0, x + data.imageSize.cx, data.imageSize.cy} : RECT{};
  if (image) x += data.imageSize.cx + kPostImage;
  b.textRect = title ? RECT{x, 0, x + text.cx, text.cy} : RECT{};
}

// Widths of one row: each band as wide as it asked (never under its least
// width); the last resizable band takes what is left, and when the row is
// too wide bands give width back from the right, down to their least.
void FitRow(RebarData& data, const std::vector<std::size_t>& row, int width, int between) {
  std::vector<int> widths;
  int total = between * static_cast<int>(row.size() - 1);
  for (std::size_t i : row) {
    const Band& b = data.bands[i];
    widths.push_back(std::max(static_cast<int>(b.cx), b.minWidth));
    total += widths.back();
  }
  if (width > 0 && total < width) {
    for (std::size_t k = row.size(); k-- > 0;) {
      if (data.bands[row[k]].style & RBBS_FIXEDSIZE) continue;
      widths[k] += width - total;
      break;
    }
  } else if (width > 0 && total > width) {
    int excess = total - width;
    for (std::size_t k = row.size(); k-- > 0 && excess > 0;) {
      const Band& b = data.bands[row[k]];
      if (b.style & RBBS_FIXEDSIZE) continue;
      const int give = std::min(excess, widths[k] - b.minWidth);
      widths[k] -= give;
      excess -= give;
    }
  }
  int x = 0;
  for (std::size_t k = 0; k < row.size(); ++k) {
    Band& b = data.bands[row[k]];
    b.rect.left = x;
    b.rect.right = x + widths[k];
    x = b.rect.right + between;
  }
}

// The child's place in its band: right of the header, centred in the band's
// height at the child's own height (variable-height children grow with
// their row in steps of cyIntegral up to cyMaxChild).
void PlaceChildRect(Band& b) {
  const int top = b.rect.top + Edge(b);
  const int bottom = b.rect.bottom - Edge(b);
  int height = ChildHeight(b);
  if ((b.style & RBBS_VARIABLEHEIGHT) && bottom - top > height) {
    const int room = bottom - top - height;
    height += b.cyIntegral > 0 ? room / static_cast<int>(b.cyIntegral) * static_cast<int>(b.cyIntegral) : room;
    if (b.cyMaxChild > 0) height = std::min(height, std::max(static_cast<int>(b.cyMaxChild), ChildHeight(b)));
  }
  if (height <= 0) height = bottom - top;
  const int y = top + (bottom - top - height) / 2;
  b.childRect = RECT{b.rect.left + b.header, y, std::max(b.rect.left + b.header, b.rect.right - kPostChild), y + height};
}

void Compute(HWND hwnd, RebarData& data) {
  const DWORD style = Style(hwnd);
  RECT client{};
  GetClientRect(hwnd, &client);
  const int width = client.right;
  const int movable = static_cast<int>(std::count_if(data.bands.begin(), data.bands.end(), [](const Band& b) {
    return !IsHidden(b) && !(b.style & RBBS_FIXEDSIZE);
  }));
  for (Band& b : data.bands) {
    b.row = -1;
    if (!IsHidden(b)) Measure(hwnd, data, b, movable);
  }
  // Rows; band borders (RBS_BANDBORDERS) lie between bands and rows.
  const int between = (style & RBS_BANDBORDERS) ? kSeparator : 0;
  std::vector<std::vector<std::size_t>> rows;
  int x = 0;
  for (std::size_t i = 0; i < data.bands.size(); ++i) {
    Band& b = data.bands[i];
    if (IsHidden(b)) continue;
    const bool fits = width <= 0 || x + b.minWidth <= width;
    if (rows.empty() || (b.style & RBBS_BREAK) || !fits) {
      rows.emplace_back();
      x = 0;
    }
    rows.back().push_back(i);
    b.row = static_cast<int>(rows.size()) - 1;
    x += b.minWidth + between;
  }
  // Heights: each row as tall as its tallest band, or with RBS_VARHEIGHT
  // off every row as tall as the tallest of all.
  std::vector<int> heights;
  for (const auto& row : rows) {
    int h = 0;
    for (std::size_t i : row) h = std::max(h, data.bands[i].minHeight);
    heights.push_back(h);
  }
  if (!(style & RBS_VARHEIGHT) && !heights.empty()) {
    const int tallest = *std::max_element(heights.begin(), heights.end());
    std::fill(heights.begin(), heights.end(), tallest);
  }
  int y = 0;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    if (r > 0) y += between;
    FitRow(data, rows[r], width, between);
    for (std::size_t i : rows[r]) {
      Band& b = data.bands[i];
      b.rect.top = y;
      b.rect.bottom = y + heights[r];
      auto moveInto = [&](RECT& part, int partHeight) {
        if (part.right <= part.left) return;
        const int top = y + (heights[r] - partHeight) / 2;
        part = RECT{b.rect.left + part.left, top, b.rect.left + part.right, top + partHeight};
      };
      moveInto(b.gripperRect, std::max(0, heights[r] - 4));
      moveInto(b.imageRect, data.imageSize.cy);
      moveInto(b.textRect, b.textRect.bottom);
      // A header wider than the band is cut at its edge.
      b.textRect.right = std::min(b.textRect.right, b.rect.right);
      PlaceChildRect(b);
    }
    y += heights[r];
  }
  data.rowCount = static_cast<int>(rows.size());
  data.height = y;
}

// Children go to their bands; the parent may change a child's rectangle
// (RBN_CHILDSIZE) before it moves. Answers false when the bar went away;
// a parent that took bands away meanwhile gets another layout.
bool MoveChildren(HWND hwnd, RebarData& data) {
  for (std::size_t i = 0; i < data.bands.size(); ++i) {
    Band& b = data.bands[i];
    if (IsHidden(b) || !HasChild(b)) continue;
    NMREBARCHILDSIZE notice{};
    notice.uBand = static_cast<UINT>(i);
    notice.wID = b.id;
    notice.rcChild = b.childRect;
    notice.rcBand = b.rect;
    Notify(hwnd, data, RBN_CHILDSIZE, notice.hdr);
    if (Alive(hwnd, &data) == nullptr) return false;
    if (i >= data.bands.size()) {
      data.layoutAgain = true;
      return true;
    }
    const RECT& r = notice.rcChild;
    SetWindowPos(data.bands[i].child, nullptr, r.left, r.top, std::max(0, Width(r)), std::max<int>(0, r.bottom - r.top),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (Alive(hwnd, &data) == nullptr) return false;
  }
  return true;
}

}  // namespace

std::vector<std::size_t> RowBands(const RebarData& data, int row) {
  std::vector<std::size_t> result;
  for (std::size_t i = 0; i < data.bands.size(); ++i) {
    if (!IsHidden(data.bands[i]) && data.bands[i].row == row) result.push_back(i);
  }
  return result;
}

void Place(HWND hwnd, RebarData& data) {
  const DWORD style = Style(hwnd);
  HWND parent = GetParent(hwnd);
  if ((style & CCS_NORESIZE) || parent == nullptr || data.placing) return;
  RECT area{};
  GetClientRect(parent, &area);
  RECT window{};
  GetWindowRect(hwnd, &window);
  RECT client{};
  GetClientRect(hwnd, &client);
  POINT at{window.left, window.top};
  ScreenToClient(parent, &at);
  const int frame = (window.bottom - window.top) - client.bottom;  // divider and borders
  const int height = data.height + frame;
  const POINT origin = platform::BarOrigin(style, at, area, height);
  data.placing = true;
  SetWindowPos(hwnd, nullptr, origin.x, origin.y, area.right - origin.x, height, SWP_NOZORDER | SWP_NOACTIVATE);
  if (Alive(hwnd, &data) != nullptr) data.placing = false;
}

void Layout(HWND hwnd, RebarData& data) {
  if (data.laying) {
    data.layoutAgain = true;
    return;
  }
  data.laying = true;
  // A parent that changes the bar while it hears of the layout gets one
  // more; a few rounds settle any sound parent.
  for (int round = 0; round < 4; ++round) {
    data.layoutAgain = false;
    const int before = data.height;
    Compute(hwnd, data);
    InvalidateRect(hwnd, nullptr, TRUE);
    if (!MoveChildren(hwnd, data)) return;
    Place(hwnd, data);
    if (Alive(hwnd, &data) == nullptr) return;
    if (data.height != before) {
      NMHDR header{};
      Notify(hwnd, data, RBN_HEIGHTCHANGE, header);
      if (Alive(hwnd, &data) == nullptr) return;
    }
    if (!data.layoutAgain) break;
  }
  data.laying = false;
}

void MaximizeBand(HWND hwnd, RebarData& data, std::size_t index, bool ideal) {
  const Band& target = data.bands[index];
  if (IsHidden(target) || target.row < 0) return;
  RECT client{};
  GetClientRect(hwnd, &client);
  const std::vector<std::size_t> row = RowBands(data, target.row);
  const int between = (Style(hwnd) & RBS_BANDBORDERS) ? kSeparator : 0;
  int others = 0;
  for (std::size_t i : row) {
    if (i == index) continue;
    Band& b = data.bands[i];
    if (!(b.style & RBBS_FIXEDSIZE)) b.cx = static_cast<UINT>(b.minWidth);
    others += std::max(static_cast<int>(b.cx), b.minWidth) + between;
  }
  Band& b = data.bands[index];
  int width = client.right - others;
  if (ideal && b.cxIdeal > 0) width = std::min(width, b.header + static_cast<int>(b.cxIdeal) + kPostChild);
  b.cx = static_cast<UINT>(std::max(width, b.minWidth));
  Layout(hwnd, data);
}

void MinimizeBand(HWND hwnd, RebarData& data, std::size_t index) {
  Band& b = data.bands[index];
  if (IsHidden(b) || b.row < 0 || (b.style & RBBS_FIXEDSIZE)) return;
  const int freed = Width(b.rect) - b.minWidth;
  b.cx = static_cast<UINT>(b.minWidth);
  // The band before it takes the width (the one after when it is first).
  const std::vector<std::size_t> row = RowBands(data, b.row);
  const auto at = std::find(row.begin(), row.end(), index);
  if (freed > 0 && row.size() > 1) {
    Band& neighbour = data.bands[at == row.begin() ? *(at + 1) : *(at - 1)];
    neighbour.cx = static_cast<UINT>(Width(neighbour.rect) + freed);
  }
  Layout(hwnd, data);
}

}  // namespace platform::rebar
