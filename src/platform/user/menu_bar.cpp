// The menu bar of a top-level window: the menu handle kept in the window,
// its rows between the caption and the client area (wrapping when the
// window is narrow), its classic painting through the control painter and
// its hit testing.
#include <algorithm>

#include "platform/controls/classic_look.h"
#include "platform/gdi/gdi.h"
#include "platform/gdi/region.h"
#include "platform/user/mdi_internal.h"
#include "platform/user/menu_object.h"
#include "platform/user/nonclient.h"
#include "platform/user/paint_internal.h"

namespace platform {
namespace {

// Space on each side of an item's text.
constexpr int kItemPadding = 6;

bool HasBar(const WindowObject& w) { return !w.IsChild() && PeekMenuObject(reinterpret_cast<HMENU>(w.id)) != nullptr; }

// The bar's first row in window coordinates, without its height.
RECT BarStart(const WindowObject& w, int windowWidth) {
  const RECT frame = FrameInsets(w.style, w.exStyle);
  int top = frame.top;
  if ((w.style & WS_CAPTION) == WS_CAPTION) {
    top += GetSystemMetrics((w.exStyle & WS_EX_TOOLWINDOW) ? SM_CYSMCAPTION : SM_CYCAPTION);
  }
  return RECT{frame.left, top, windowWidth - frame.right, top};
}

// Lays the items out in rows; answers the bar's height.
int LayoutBar(const WindowObject& w, MenuObject& m, int windowWidth) {
  const RECT start = BarStart(w, windowWidth);
  const int rowHeight = GetSystemMetrics(SM_CYMENU);
  HDC dc = CreateCompatibleDC(nullptr);
  HFONT font = CreateMenuFont(false);
  HGDIOBJ previous = SelectObject(dc, font);
  int x = start.left, y = start.top;
  std::size_t rowStart = 0;
  auto finishRow = [&](std::size_t end) {
    // Items from a right-justified one on stand at the row's right end.
    for (std::size_t i = rowStart; i < end; ++i) {
      if (!(m.items[i].type & MFT_RIGHTJUSTIFY)) continue;
      const int shift = start.right - m.items[end - 1].rect.right;
      for (std::size_t j = i; j < end; ++j) OffsetRect(&m.items[j].rect, std::max(shift, 0), 0);
      break;
    }
    rowStart = end;
  };
  for (std::size_t i = 0; i < m.items.size(); ++i) {
    MenuItem& item = m.items[i];
    int width = 0;
    if (item.IsOwnerDraw()) {
      width = item.ownerSize.cx;
    } else if (IsMdiBarEntry(item)) {
      width = MdiBarEntryWidth(item);
    } else if (item.hasText && !item.text.empty()) {
      RECT r{0, 0, 0, 0};
      DrawTextW(dc, item.text.c_str(), static_cast<int>(item.text.size()), &r, DT_SINGLELINE | DT_CALCRECT);
      width = r.right + 2 * kItemPadding;
    } else if (item.type & MFT_BITMAP) {
      width = MenuItemBitmapSize(item).cx + 2 * kItemPadding;
    } else if (item.IsSeparator()) {
      width = kItemPadding;
    }
    const bool breakRow = (item.type & (MFT_MENUBREAK | MFT_MENUBARBREAK)) != 0;
    if (i > rowStart && (breakRow || x + width > start.right)) {
      finishRow(i);
      x = start.left;
      y += rowHeight;
    }
    item.rect = RECT{x, y, x + width, y + rowHeight - 1};
    x += width;
  }
  finishRow(m.items.size());
  SelectObject(dc, previous);
  DeleteObject(font);
  DeleteDC(dc);
  return m.items.empty() ? rowHeight : y + rowHeight - start.top;
}

// Owner-drawn bar items are sized by the window, once each.
void MeasureOwnerDrawnItems(HWND hwnd) {
  for (std::size_t i = 0;; ++i) {
    WindowObject* w = PeekWindowObject(hwnd);
    MenuObject* m = w != nullptr && HasBar(*w) ? PeekMenuObject(reinterpret_cast<HMENU>(w->id)) : nullptr;
    if (m == nullptr || i >= m->items.size()) return;
    MenuItem& item = m->items[i];
    if (!item.IsOwnerDraw() || item.measured) continue;
    const HMENU handle = m->handle;
    MEASUREITEMSTRUCT measure{ODT_MENU, 0, item.id, 0, static_cast<UINT>(GetSystemMetrics(SM_CYMENU) - 1), item.data};
    SendMessageW(hwnd, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
    if ((m = PeekMenuObject(handle)) == nullptr || i >= m->items.size()) return;
    m->items[i].ownerSize = SIZE{static_cast<LONG>(measure.itemWidth), static_cast<LONG>(measure.itemHeight)};
    m->items[i].measured = true;
  }
}

WindowObject* BarWindow(HWND hwnd, MenuObject** menu) {
  WindowObject* w = PeekWindowObject(hwnd);
  if (w == nullptr || !HasBar(*w)) return nullptr;
  MeasureOwnerDrawnItems(hwnd);
  if ((w = PeekWindowObject(hwnd)) == nullptr || !HasBar(*w)) return nullptr;
  *menu = PeekMenuObject(reinterpret_cast<HMENU>(w->id));
  return w;
}

}  // namespace

int MenuBarHeight(HWND hwnd, int windowWidth) {
  MenuObject* m = nullptr;
  WindowObject* w = BarWindow(hwnd, &m);
  if (w == nullptr || (w->style & WS_MINIMIZE)) return 0;
  return LayoutBar(*w, *m, windowWidth);
}

int MenuBarItemAt(HWND hwnd, POINT screen) {
  MenuObject* m = nullptr;
  WindowObject* w = BarWindow(hwnd, &m);
  if (w == nullptr) return -1;
  const POINT origin = WindowOrigin(*w);
  const POINT p{screen.x - origin.x, screen.y - origin.y};
  for (std::size_t i = 0; i < m->items.size(); ++i) {
    if (PtInRect(&m->items[i].rect, p) && !m->items[i].IsSeparator()) return static_cast<int>(i);
  }
  return -1;
}

bool MenuBarContains(HWND hwnd, POINT screen) {
  MenuObject* m = nullptr;
  WindowObject* w = BarWindow(hwnd, &m);
  if (w == nullptr || (w->style & WS_MINIMIZE)) return false;
  const int width = w->window.right - w->window.left;
  const RECT start = BarStart(*w, width);
  const int height = LayoutBar(*w, *m, width);
  const POINT origin = WindowOrigin(*w);
  const RECT bar{start.left + origin.x, start.top + origin.y, start.right + origin.x, start.top + height + origin.y};
  return PtInRect(&bar, screen) != FALSE;
}

RECT MenuBarItemScreenRect(HWND hwnd, int index) {
  MenuObject* m = nullptr;
  WindowObject* w = BarWindow(hwnd, &m);
  if (w == nullptr || index < 0 || static_cast<std::size_t>(index) >= m->items.size()) return RECT{};
  const POINT origin = WindowOrigin(*w);
  RECT rect = m->items[static_cast<std::size_t>(index)].rect;
  OffsetRect(&rect, origin.x, origin.y);
  return rect;
}

void PaintMenuBar(HWND hwnd, HDC dc) {
  MenuObject* m = nullptr;
  WindowObject* w = BarWindow(hwnd, &m);
  if (w == nullptr || (w->style & WS_MINIMIZE)) return;
  const int width = w->window.right - w->window.left;
  const RECT start = BarStart(*w, width);
  const int height = LayoutBar(*w, *m, width);
  ControlPainter& painter = CurrentPainter();
  painter.MenuBarBackground(dc, RECT{start.left, start.top, start.right, start.top + height});
  const bool tracking = MenuTrackingOwner() == hwnd;
  for (const MenuItem& item : m->items) {
    if (item.rect.right <= item.rect.left) continue;
    if (item.IsOwnerDraw()) {
      UINT state = (item.state & MFS_HILITE) ? ODS_SELECTED : 0;
      if (item.IsDisabled()) state |= ODS_GRAYED | ODS_DISABLED;
      DRAWITEMSTRUCT draw{ODT_MENU, 0, item.id, ODA_DRAWENTIRE, state, reinterpret_cast<HWND>(m->handle), dc,
                          item.rect, item.data};
      SendMessageW(hwnd, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
      if ((m = PeekMenuObject(reinterpret_cast<HMENU>(GetWindowLongPtrW(hwnd, GWLP_ID)))) == nullptr) return;
      continue;
    }
    if (item.IsSeparator()) continue;
    if (IsMdiBarEntry(item)) {
      PaintMdiBarEntry(dc, item, (item.state & MFS_HILITE) && tracking);
      continue;
    }
    HFONT font = CreateMenuFont((item.state & MFS_DEFAULT) != 0);
    MenuItemLook look;
    look.text = item.text;
    look.font = font;
    look.disabled = item.IsDisabled();
    look.selected = (item.state & MFS_HILITE) != 0;
    look.pressed = look.selected && tracking && MenuBarDropDownOpen();
    if (item.type & MFT_BITMAP) look.bitmap = item.bitmap;
    painter.MenuBarEntry(dc, item.rect, look);
    DeleteObject(font);
  }
}

void RepaintMenuBarNow(HWND hwnd) {
  MenuObject* m = nullptr;
  WindowObject* w = BarWindow(hwnd, &m);
  if (w == nullptr || !IsReallyVisible(*w) || (w->style & WS_MINIMIZE)) return;
  const int width = w->window.right - w->window.left;
  const RECT start = BarStart(*w, width);
  const int height = LayoutBar(*w, *m, width);
  const POINT origin = WindowOrigin(*w);
  // Through WM_NCPAINT with the bar as the update region, so that whoever
  // paints the frame paints the bar.
  HRGN region = CreateRectRgn(origin.x + start.left, origin.y + start.top, origin.x + start.right,
                              origin.y + start.top + height);
  SendMessageW(hwnd, WM_NCPAINT, reinterpret_cast<WPARAM>(region), 0);
  DeleteObject(region);
}

void ForgetWindowInMenus(HWND hwnd) {
  WindowObject* w = PeekWindowObject(hwnd);
  if (w != nullptr && HasBar(*w)) {
    const HMENU menu = reinterpret_cast<HMENU>(w->id);
    w->id = 0;
    DestroyMenu(menu);
  }
  ForgetSystemMenu(hwnd);
}

}  // namespace platform

HMENU GetMenu(HWND hwnd) {
  platform::WindowObject* w = platform::FindWindowObject(hwnd);
  if (w == nullptr || w->IsChild()) return nullptr;
  return reinterpret_cast<HMENU>(w->id);
}

BOOL SetMenu(HWND hwnd, HMENU menu) {
  platform::WindowObject* w = platform::FindWindowObject(hwnd);
  if (w == nullptr) return FALSE;
  if (w->IsChild()) {
    SetLastError(1436);  // ERROR_CHILD_WINDOW_MENU
    return FALSE;
  }
  if (menu != nullptr && platform::FindMenuObject(menu) == nullptr) return FALSE;
  w->id = reinterpret_cast<LONG_PTR>(menu);
  // The frame is measured again: the bar's rows come or go.
  SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  return TRUE;
}

BOOL DrawMenuBar(HWND hwnd) {
  platform::WindowObject* w = platform::FindWindowObject(hwnd);
  if (w == nullptr || w->IsChild()) return FALSE;
  platform::MenuObject* m = nullptr;
  if ((w = platform::BarWindow(hwnd, &m)) == nullptr || !platform::IsReallyVisible(*w)) return TRUE;
  const int width = w->window.right - w->window.left;
  const RECT start = platform::BarStart(*w, width);
  const int height = platform::LayoutBar(*w, *m, width);
  // Only WM_NCPAINT paints the frame: the bar is invalidated as frame.
  platform::Region bar(RECT{start.left, start.top, start.right, start.top + height});
  platform::InvalidateInternal(hwnd, &bar, RDW_INVALIDATE | RDW_FRAME | RDW_NOCHILDREN | RDW_NOERASE);
  return TRUE;
}
