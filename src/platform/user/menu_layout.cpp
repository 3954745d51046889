// Measuring popup menus: item sizes from the menu font, item bitmaps in a
// column of their own after the check marks, shortcut texts in a common
// column, columns started by MFT_MENUBREAK / MFT_MENUBARBREAK, and the
// owner's WM_MEASUREITEM for owner-drawn items (asked once per item).
#include <algorithm>
#include <cstdlib>

#include "platform/gdi/gdi.h"
#include "platform/user/menu_object.h"

namespace platform {
namespace {

// The check-mark column on the left and the arrow column on the right.
constexpr int kMarkColumn = kMenuMarkColumn;
constexpr int kTextGap = 2;
constexpr int kShortcutGap = 16;

SIZE TextSize(HDC dc, const WideString& text) {
  if (text.empty()) return SIZE{0, 0};
  RECT r{0, 0, 0, 0};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_SINGLELINE | DT_CALCRECT);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

// Where an item's text starts: after the check marks and the bitmaps.
int TextLeft(int bitmapColumn) { return kMarkColumn + (bitmapColumn > 0 ? bitmapColumn + kTextGap : 0) + kTextGap; }

void SplitAtTab(const WideString& text, WideString& label, WideString& shortcut) {
  const std::size_t tab = text.find(u'\t');
  label = tab == WideString::npos ? text : text.substr(0, tab);
  shortcut = tab == WideString::npos ? WideString() : text.substr(tab + 1);
}

}  // namespace

HFONT CreateMenuFont(bool bold) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, 0, &metrics, 0);
  if (bold) metrics.lfMenuFont.lfWeight = FW_BOLD;
  return CreateFontIndirectW(&metrics.lfMenuFont);
}

SIZE LayoutPopupMenu(MenuObject& m, HWND owner) {
  // Bitmaps the owner draws are measured by it at every layout.
  for (std::size_t i = 0; i < m.items.size(); ++i) {
    MenuItem& item = m.items[i];
    if (item.bitmap != HBMMENU_CALLBACK || item.IsOwnerDraw() || item.IsSeparator()) continue;
    MEASUREITEMSTRUCT measure{ODT_MENU, 0, item.id, 0, 0, item.data};
    const HMENU handle = m.handle;
    if (owner != nullptr) SendMessageW(owner, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
    if (PeekMenuObject(handle) == nullptr || i >= m.items.size()) return SIZE{0, 0};
    m.items[i].callbackSize = SIZE{static_cast<LONG>(measure.itemWidth), static_cast<LONG>(measure.itemHeight)};
  }
  // Owner-drawn sizes: the owner may change the menu while asked.
  for (std::size_t i = 0; i < m.items.size(); ++i) {
    MenuItem& item = m.items[i];
    if (!item.IsOwnerDraw() || item.measured) continue;
    MEASUREITEMSTRUCT measure{ODT_MENU, 0, item.id, 0, 0, item.data};
    measure.itemHeight = static_cast<UINT>(GetSystemMetrics(SM_CYMENU) - 2);
    const HMENU handle = m.handle;
    if (owner != nullptr) SendMessageW(owner, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
    if (PeekMenuObject(handle) == nullptr || i >= m.items.size()) return SIZE{0, 0};
    m.items[i].ownerSize = SIZE{static_cast<LONG>(measure.itemWidth), static_cast<LONG>(measure.itemHeight)};
    m.items[i].measured = true;
  }

  HDC dc = CreateCompatibleDC(nullptr);
  HFONT font = CreateMenuFont(false);
  HFONT bold = CreateMenuFont(true);
  HGDIOBJ previous = SelectObject(dc, font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  const int textHeight = std::max<int>(GetSystemMetrics(SM_CYMENU) - 2, metrics.tmHeight + 4);
  const int separatorHeight = GetSystemMetrics(SM_CYMENU) / 2;

  // Columns: [first, last) ranges of items.
  SIZE total{0, 0};
  std::size_t start = 0;
  int columnLeft = 0;
  while (start < m.items.size()) {
    std::size_t end = start + 1;
    while (end < m.items.size() && !(m.items[end].type & (MFT_MENUBREAK | MFT_MENUBARBREAK))) ++end;
    end = std::min(end, m.items.size());
    int labelWidth = 0, shortcutWidth = 0, ownerWidth = 0, bitmapWidth = 0;
    for (std::size_t i = start; i < end; ++i) {
      const MenuItem& item = m.items[i];
      if (item.IsOwnerDraw()) {
        ownerWidth = std::max<int>(ownerWidth, item.ownerSize.cx);
        continue;
      }
      if (item.IsSeparator()) continue;
      bitmapWidth = std::max<int>(bitmapWidth, MenuItemBitmapSize(item).cx);
      if (!item.hasText) continue;
      WideString label, shortcut;
      SplitAtTab(item.text, label, shortcut);
      SelectObject(dc, (item.state & MFS_DEFAULT) ? bold : font);
      labelWidth = std::max<int>(labelWidth, TextSize(dc, label).cx);
      shortcutWidth = std::max<int>(shortcutWidth, TextSize(dc, shortcut).cx);
    }
    int width = TextLeft(bitmapWidth) + labelWidth + kMarkColumn;
    if (shortcutWidth > 0) width += kShortcutGap + shortcutWidth;
    width = std::max(width, ownerWidth);
    // A bar break leaves room for the line between the columns.
    if (start > 0 && (m.items[start].type & MFT_MENUBARBREAK)) columnLeft += 2;
    int y = 0;
    for (std::size_t i = start; i < end; ++i) {
      MenuItem& item = m.items[i];
      int height = textHeight;
      if (item.IsOwnerDraw()) {
        height = item.ownerSize.cy;
      } else if (item.IsSeparator()) {
        height = separatorHeight;
      } else if (item.bitmap != nullptr) {
        height = std::max<int>(height, MenuItemBitmapSize(item).cy + 2);
      }
      item.rect = RECT{columnLeft, y, columnLeft + width, y + height};
      item.bitmapColumn = bitmapWidth;
      y += height;
    }
    total.cy = std::max<LONG>(total.cy, y);
    columnLeft += width;
    start = end;
  }
  total.cx = columnLeft;
  SelectObject(dc, previous);
  DeleteObject(font);
  DeleteObject(bold);
  DeleteDC(dc);
  m.size = total;
  return total;
}

// Where the shortcut column of a popup item starts, from the item's left.
int ShortcutColumn(const MenuObject& m, std::size_t index) {
  HDC dc = CreateCompatibleDC(nullptr);
  HFONT font = CreateMenuFont(false);
  HFONT bold = CreateMenuFont(true);
  HGDIOBJ previous = SelectObject(dc, font);
  int labelWidth = 0;
  const LONG left = m.items[index].rect.left;
  for (const MenuItem& item : m.items) {
    if (item.rect.left != left || item.IsSeparator() || item.IsOwnerDraw() || !item.hasText) continue;
    WideString label, shortcut;
    SplitAtTab(item.text, label, shortcut);
    SelectObject(dc, (item.state & MFS_DEFAULT) ? bold : font);
    labelWidth = std::max<int>(labelWidth, TextSize(dc, label).cx);
  }
  SelectObject(dc, previous);
  DeleteObject(font);
  DeleteObject(bold);
  DeleteDC(dc);
  return TextLeft(m.items[index].bitmapColumn) + labelWidth + kShortcutGap;
}

SIZE MenuItemBitmapSize(const MenuItem& item) {
  const HBITMAP bitmap = item.bitmap;
  const auto value = reinterpret_cast<ULONG_PTR>(bitmap);
  if (bitmap == HBMMENU_CALLBACK) return item.callbackSize;
  if (bitmap == nullptr || bitmap == HBMMENU_SYSTEM) return SIZE{0, 0};
  if (value <= reinterpret_cast<ULONG_PTR>(HBMMENU_POPUP_MINIMIZE)) {
    // The glyphs of the caption buttons; 4 is no glyph.
    if (value == 4) return SIZE{0, 0};
    const int side = GetSystemMetrics(SM_CYMENU) - 4;
    return SIZE{side, side};
  }
  BITMAP info{};
  if (GetObjectType(bitmap) != OBJ_BITMAP || GetObjectW(bitmap, sizeof(info), &info) == 0) return SIZE{0, 0};
  return SIZE{info.bmWidth, std::abs(info.bmHeight)};
}

}  // namespace platform
