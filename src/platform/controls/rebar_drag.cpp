// Hit testing and dragging of the band bar's bands: a band is taken by its
// gripper or title and moved across its row (taking width from the band
// on its left or giving it back) or into another row.
#include <algorithm>
#include <cstdlib>

#include "platform/controls/rebar_internal.h"

namespace platform::rebar {
namespace {

// How far above or below its row the mouse goes before the band changes rows.
constexpr int kRowSlack = 2;

bool Movable(const RebarData& data, const Band& b) {
  if (IsHidden(b) || (b.style & RBBS_FIXEDSIZE)) return false;
  return std::count_if(data.bands.begin(), data.bands.end(), [](const Band& other) { return !IsHidden(other); }) > 1;
}

// The rows as they stand become explicit, so that moving one band leaves
// the others where they are.
void FreezeBreaks(RebarData& data) {
  int row = 0;
  for (Band& b : data.bands) {
    if (IsHidden(b) || b.row < 0) continue;
    if (b.row != row) b.style |= RBBS_BREAK;
    row = b.row;
  }
}

int RowAt(const RebarData& data, int y) {
  for (const Band& b : data.bands) {
    if (!IsHidden(b) && b.row >= 0 && y >= b.rect.top && y < b.rect.bottom) return b.row;
  }
  return -1;
}

// Moves the dragged band into row `row` (-1 a new first row, rowCount a new
// last one) before the first band of that row that starts right of `x`.
void MoveToRow(RebarData& data, int row, int x) {
  const auto from = static_cast<std::size_t>(data.drag.band);
  FreezeBreaks(data);
  Band moving = data.bands[from];
  // The band after it in its old row now starts that row.
  if (from + 1 < data.bands.size()) {
    Band& next = data.bands[from + 1];
    if (next.row == moving.row && (moving.style & RBBS_BREAK)) next.style |= RBBS_BREAK;
  }
  data.bands.erase(data.bands.begin() + static_cast<std::ptrdiff_t>(from));
  moving.style &= ~RBBS_BREAK;
  moving.cx = static_cast<UINT>(moving.minWidth);
  std::size_t at = data.bands.size();
  bool startsRow = false;
  if (row < 0) {
    at = 0;
    for (Band& b : data.bands) {
      if (!IsHidden(b)) {
        b.style |= RBBS_BREAK;
        break;
      }
    }
  } else if (row >= data.rowCount) {
    startsRow = true;
  } else {
    // Before the first band of the row right of x, or after its last.
    std::size_t after = 0;
    bool found = false;
    for (std::size_t i = 0; i < data.bands.size() && !found; ++i) {
      Band& b = data.bands[i];
      if (IsHidden(b) || b.row != row) continue;
      if (b.rect.left > x) {
        at = i;
        found = true;
        if (b.rect.left == 0) {  // it started the row; now the moved band does
          startsRow = true;
          b.style &= ~RBBS_BREAK;
        }
      } else {
        after = i + 1;
      }
    }
    if (!found) at = after;
  }
  if (startsRow) moving.style |= RBBS_BREAK;
  data.bands.insert(data.bands.begin() + static_cast<std::ptrdiff_t>(at), moving);
  data.drag.band = static_cast<int>(at);
}

// Across the row: the band's left edge follows the mouse between its left
// neighbour's least width and its own.
bool MoveAcross(HWND hwnd, RebarData& data, int x) {
  const auto index = static_cast<std::size_t>(data.drag.band);
  Band& b = data.bands[index];
  const std::vector<std::size_t> row = RowBands(data, b.row);
  const auto at = std::find(row.begin(), row.end(), index);
  if (at == row.begin() || at == row.end()) return false;
  Band& left = data.bands[*(at - 1)];
  if (left.style & RBBS_FIXEDSIZE) return false;
  const int between = (Style(hwnd) & RBS_BANDBORDERS) ? kSeparator : 0;
  const int lowest = left.rect.left + left.minWidth + between;
  const int highest = b.rect.right - b.minWidth;
  if (highest < lowest) return false;
  const int edge = std::clamp(x - data.drag.grabOffset, lowest, highest);
  if (edge == b.rect.left) return false;
  left.cx = static_cast<UINT>(edge - between - left.rect.left);
  b.cx = static_cast<UINT>(b.rect.right - edge);
  return true;
}

void Toggle(HWND hwnd, RebarData& data, std::size_t index) {
  const Band& b = data.bands[index];
  if (Width(b.rect) > b.minWidth) {
    MinimizeBand(hwnd, data, index);
  } else {
    MaximizeBand(hwnd, data, index, false);
  }
}

}  // namespace

int HitTest(const RebarData& data, POINT point, UINT* flags) {
  for (std::size_t i = 0; i < data.bands.size(); ++i) {
    const Band& b = data.bands[i];
    if (IsHidden(b) || b.row < 0 || !PtInRect(&b.rect, point)) continue;
    UINT part = RBHT_CLIENT;
    if (b.gripper && point.x < b.gripperRect.right + kAlwaysSpace) {
      part = RBHT_GRABBER;
    } else if (point.x < b.rect.left + b.header) {
      part = RBHT_CAPTION;
    }
    if (flags != nullptr) *flags = part;
    return static_cast<int>(i);
  }
  if (flags != nullptr) *flags = RBHT_NOWHERE;
  return -1;
}

void BeginDrag(HWND hwnd, RebarData& data, std::size_t index, POINT at) {
  (void)hwnd;
  if (index >= data.bands.size() || !Movable(data, data.bands[index])) return;
  data.drag = Drag{};
  data.drag.band = static_cast<int>(index);
  data.drag.start = at;
  data.drag.grabOffset = at.x - data.bands[index].rect.left;
  data.drag.dragging = true;
}

void DragTo(HWND hwnd, RebarData& data, POINT at) {
  if (data.drag.band < 0 || !data.drag.dragging || static_cast<std::size_t>(data.drag.band) >= data.bands.size()) return;
  const Band& b = data.bands[static_cast<std::size_t>(data.drag.band)];
  const bool fixedOrder = (Style(hwnd) & RBS_FIXEDORDER) != 0;
  if (!fixedOrder && (at.y < b.rect.top - kRowSlack || at.y >= b.rect.bottom + kRowSlack)) {
    int row = at.y < 0 ? -1 : RowAt(data, at.y);
    if (row < 0 && at.y >= 0) row = data.rowCount;
    // A band alone in its row dragged past the edge stays where it is.
    const bool alone = RowBands(data, b.row).size() == 1;
    if (row == b.row || (alone && ((row < 0 && b.row == 0) || (row >= data.rowCount && b.row == data.rowCount - 1)))) {
      return;
    }
    MoveToRow(data, row, at.x - data.drag.grabOffset);
    Layout(hwnd, data);
    return;
  }
  if (MoveAcross(hwnd, data, at.x)) Layout(hwnd, data);
}

void EndDrag(HWND hwnd, RebarData& data) {
  const Drag drag = data.drag;
  data.drag = Drag{};
  if (drag.byMouse && GetCapture() == hwnd) ReleaseCapture();
}

void MouseDown(HWND hwnd, RebarData& data, POINT at, bool doubleClick) {
  UINT part = 0;
  const int index = HitTest(data, at, &part);
  if (index < 0 || (part != RBHT_GRABBER && part != RBHT_CAPTION)) return;
  const auto band = static_cast<std::size_t>(index);
  if (doubleClick) {
    if (Style(hwnd) & RBS_DBLCLKTOGGLE) Toggle(hwnd, data, band);
    return;
  }
  if (!Movable(data, data.bands[band])) return;
  data.drag = Drag{};
  data.drag.band = index;
  data.drag.start = at;
  data.drag.grabOffset = at.x - data.bands[band].rect.left;
  data.drag.byMouse = true;
  SetCapture(hwnd);
}

void MouseMove(HWND hwnd, RebarData& data, POINT at) {
  Drag& drag = data.drag;
  if (drag.band < 0 || !drag.byMouse) return;
  if (!drag.dragging) {
    if (std::abs(at.x - drag.start.x) < GetSystemMetrics(SM_CXDRAG) &&
        std::abs(at.y - drag.start.y) < GetSystemMetrics(SM_CYDRAG)) {
      return;
    }
    const LRESULT refused = NotifyBand(hwnd, data, RBN_BEGINDRAG, static_cast<std::size_t>(drag.band));
    if (Alive(hwnd, &data) == nullptr) return;
    if (refused != 0) {
      EndDrag(hwnd, data);
      return;
    }
    data.drag.dragging = true;
  }
  DragTo(hwnd, data, at);
}

void MouseUp(HWND hwnd, RebarData& data) {
  const Drag drag = data.drag;
  if (drag.band < 0 || !drag.byMouse) return;
  EndDrag(hwnd, data);
  if (Alive(hwnd, &data) == nullptr || static_cast<std::size_t>(drag.band) >= data.bands.size()) return;
  if (!drag.dragging) {
    if (!(Style(hwnd) & RBS_DBLCLKTOGGLE)) Toggle(hwnd, data, static_cast<std::size_t>(drag.band));
    return;
  }
  NMHDR header{};
  Notify(hwnd, data, RBN_LAYOUTCHANGED, header);
  if (Alive(hwnd, &data) == nullptr) return;
  NotifyBand(hwnd, data, RBN_ENDDRAG, static_cast<std::size_t>(drag.band));
}

}  // namespace platform::rebar
