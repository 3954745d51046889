// Arranging the children of a client: tiled in columns or rows, cascaded
// from the top-left corner, icons in a row along the bottom; and the
// client's scroll bars, shown while children lie outside it.
#include <algorithm>
#include <cmath>

#include "platform/user/mdi_internal.h"

namespace platform {
namespace {

// The children that take part in an arrangement: visible, not minimised,
// top of the z-order first. A maximised one is restored first.
std::vector<HWND> ArrangedChildren(HWND parent, UINT count, const HWND* kids, bool skipDisabled) {
  std::vector<HWND> result;
  if (kids != nullptr) {
    result.assign(kids, kids + count);
  } else {
    for (HWND h = GetWindow(parent, GW_CHILD); h != nullptr; h = GetWindow(h, GW_HWNDNEXT)) result.push_back(h);
  }
  std::erase_if(result, [&](HWND h) {
    return !IsWindow(h) || GetParent(h) != parent || !IsWindowVisible(h) || IsIconic(h) ||
           (skipDisabled && !IsWindowEnabled(h));
  });
  for (HWND h : result) {
    if (IsZoomed(h)) ShowWindow(h, SW_SHOWNOACTIVATE);
  }
  return result;
}

RECT AreaOf(HWND parent, const RECT* rect) {
  RECT area{};
  if (rect != nullptr) {
    area = *rect;
  } else {
    GetClientRect(parent, &area);
  }
  return area;
}

bool& UpdatingBars() {
  static bool updating = false;
  return updating;
}

}  // namespace

void TileMdiChildren(HWND client, UINT how) { TileWindows(client, how, nullptr, 0, nullptr); }

void CascadeMdiChildren(HWND client) { CascadeWindows(client, 0, nullptr, 0, nullptr); }

void UpdateMdiScrollBars(HWND client) {
  MdiClientState* state = MdiClientOf(client);
  if (state == nullptr || UpdatingBars()) return;
  UpdatingBars() = true;
  RECT area{};
  GetClientRect(client, &area);
  RECT all = area;
  const bool maximised = state->maximized != nullptr && IsWindow(state->maximized);
  if (!maximised) {
    for (HWND h : state->children) {
      if (!IsWindow(h) || !IsWindowVisible(h)) continue;
      RECT r{};
      GetWindowRect(h, &r);
      MapWindowPoints(nullptr, client, reinterpret_cast<POINT*>(&r), 2);
      UnionRect(&all, &all, &r);
    }
  }
  // Each bar covers what lies outside the client, with the client as the
  // page and the client's origin as the position.
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_ALL;
  info.nMin = all.left;
  info.nMax = all.right - 1;
  info.nPage = static_cast<UINT>(area.right - area.left);
  info.nPos = 0;
  SetScrollInfo(client, SB_HORZ, &info, TRUE);
  ShowScrollBar(client, SB_HORZ, all.left < area.left || all.right > area.right);
  info.nMin = all.top;
  info.nMax = all.bottom - 1;
  info.nPage = static_cast<UINT>(area.bottom - area.top);
  SetScrollInfo(client, SB_VERT, &info, TRUE);
  ShowScrollBar(client, SB_VERT, all.top < area.top || all.bottom > area.bottom);
  UpdatingBars() = false;
}

void ScrollMdiClient(HWND client, int bar, WPARAM code) {
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_ALL;
  if (!GetScrollInfo(client, bar, &info)) return;
  const int line = GetSystemMetrics(SM_CYCAPTION);
  int pos = info.nPos;
  switch (LOWORD(code)) {
    case SB_LINEUP: pos -= line; break;
    case SB_LINEDOWN: pos += line; break;
    case SB_PAGEUP: pos -= static_cast<int>(info.nPage); break;
    case SB_PAGEDOWN: pos += static_cast<int>(info.nPage); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: pos = info.nTrackPos; break;
    case SB_TOP: pos = info.nMin; break;
    case SB_BOTTOM: pos = info.nMax; break;
    case SB_ENDSCROLL: UpdateMdiScrollBars(client); return;
    default: return;
  }
  pos = std::clamp(pos, info.nMin, std::max(info.nMin, info.nMax - static_cast<int>(info.nPage) + 1));
  const int delta = info.nPos - pos;
  if (delta == 0) return;
  ScrollWindowEx(client, bar == SB_HORZ ? delta : 0, bar == SB_VERT ? delta : 0, nullptr, nullptr, nullptr, nullptr,
                 SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
  info.fMask = SIF_POS;
  info.nPos = pos;
  SetScrollInfo(client, bar, &info, TRUE);
}

}  // namespace platform

// Columns (MDITILE_VERTICAL) or rows (MDITILE_HORIZONTAL) as near to a square
// grid as the count allows; the last columns take one more window each when
// the count does not divide. Icons keep their row at the bottom.
WORD TileWindows(HWND parent, UINT how, const RECT* rect, UINT count, const HWND* kids) {
  if (parent == nullptr) parent = GetDesktopWindow();
  if (!IsWindow(parent)) return 0;
  const std::vector<HWND> windows =
      platform::ArrangedChildren(parent, count, kids, (how & MDITILE_SKIPDISABLED) != 0);
  if (windows.empty()) return 0;
  RECT area = platform::AreaOf(parent, rect);
  bool icons = false;
  for (HWND h = GetWindow(parent, GW_CHILD); h != nullptr; h = GetWindow(h, GW_HWNDNEXT)) {
    icons = icons || (IsWindowVisible(h) && IsIconic(h));
  }
  if (icons) area.bottom -= GetSystemMetrics(SM_CYICONSPACING);
  const int total = static_cast<int>(windows.size());
  int columns = 1;
  while (columns * columns < total) ++columns;
  if (how & MDITILE_HORIZONTAL) {
    // Rows: the same grid turned.
    const int rows = total / columns;
    const int more = total % columns;
    std::size_t next = 0;
    for (int r = 0; r < columns; ++r) {
      const int inRow = r >= columns - more ? rows + 1 : rows;
      if (inRow == 0) continue;
      const int top = area.top + (area.bottom - area.top) * r / columns;
      const int bottom = area.top + (area.bottom - area.top) * (r + 1) / columns;
      for (int c = 0; c < inRow && next < windows.size(); ++c, ++next) {
        const int left = area.left + (area.right - area.left) * c / inRow;
        const int right = area.left + (area.right - area.left) * (c + 1) / inRow;
        SetWindowPos(windows[next], nullptr, left, top, right - left, bottom - top, SWP_NOZORDER | SWP_NOACTIVATE);
      }
    }
  } else {
    const int rows = total / columns;
    const int more = total % columns;
    std::size_t next = 0;
    for (int c = 0; c < columns; ++c) {
      const int inColumn = c >= columns - more ? rows + 1 : rows;
      if (inColumn == 0) continue;
      const int left = area.left + (area.right - area.left) * c / columns;
      const int right = area.left + (area.right - area.left) * (c + 1) / columns;
      for (int r = 0; r < inColumn && next < windows.size(); ++r, ++next) {
        const int top = area.top + (area.bottom - area.top) * r / inColumn;
        const int bottom = area.top + (area.bottom - area.top) * (r + 1) / inColumn;
        SetWindowPos(windows[next], nullptr, left, top, right - left, bottom - top, SWP_NOZORDER | SWP_NOACTIVATE);
      }
    }
  }
  platform::UpdateMdiScrollBars(parent);
  return static_cast<WORD>(total);
}

// Each window a caption's height below and right of the one under it, the
// bottom of the z-order at the corner, the top one last and frontmost.
WORD CascadeWindows(HWND parent, UINT how, const RECT* rect, UINT count, const HWND* kids) {
  if (parent == nullptr) parent = GetDesktopWindow();
  if (!IsWindow(parent)) return 0;
  std::vector<HWND> windows = platform::ArrangedChildren(parent, count, kids, (how & MDITILE_SKIPDISABLED) != 0);
  if (windows.empty()) return 0;
  const RECT area = platform::AreaOf(parent, rect);
  const int step = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFRAME);
  const int width = area.right - area.left, height = area.bottom - area.top;
  const int cx = std::max(width - 8 * step, width * 2 / 3);
  const int cy = std::max(height - 8 * step, height * 2 / 3);
  const int perRun = std::max(1, (height - cy) / step + 1);
  int i = 0;
  for (auto it = windows.rbegin(); it != windows.rend(); ++it, ++i) {
    const int n = i % perRun;
    SetWindowPos(*it, nullptr, area.left + n * step, area.top + n * step, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  platform::UpdateMdiScrollBars(parent);
  return static_cast<WORD>(windows.size());
}

// Minimised children in a row along the bottom of the client, left to right.
UINT ArrangeIconicWindows(HWND hwnd) {
  if (!IsWindow(hwnd)) return 0;
  RECT area{};
  GetClientRect(hwnd, &area);
  const int cx = GetSystemMetrics(SM_CXMINIMIZED), cy = GetSystemMetrics(SM_CYMINIMIZED);
  int x = area.left, y = area.bottom - cy;
  UINT placed = 0;
  for (HWND h = GetWindow(hwnd, GW_CHILD); h != nullptr; h = GetWindow(h, GW_HWNDNEXT)) {
    if (!IsIconic(h) || !IsWindowVisible(h)) continue;
    if (x + cx > area.right && x > area.left) {
      x = area.left;
      y -= cy;
    }
    SetWindowPos(h, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    x += cx;
    ++placed;
  }
  return placed ? static_cast<UINT>(cy) : 0;
}
