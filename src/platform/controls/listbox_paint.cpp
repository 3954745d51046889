// Painting a list box: the background in the brush the owner answers to
// WM_CTLCOLORLISTBOX, then each item shown, drawn by the painter or, for
// owner-drawn lists, by the owner through WM_DRAWITEM.
#include <algorithm>

#include "platform/controls/classic_look.h"
#include "platform/controls/listbox_internal.h"

namespace platform {
namespace {

void OwnerDraw(HWND hwnd, HDC dc, const ListBoxData& d, int index, const RECT& rect, bool selected, bool enabled) {
  DRAWITEMSTRUCT dis{};
  dis.CtlType = ODT_LISTBOX;
  dis.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd));
  dis.itemID = static_cast<UINT>(index);
  dis.itemAction = ODA_DRAWENTIRE;
  if (selected) dis.itemState |= ODS_SELECTED;
  if (d.focused && index == d.caret) dis.itemState |= ODS_FOCUS;
  if (!enabled) dis.itemState |= ODS_DISABLED;
  dis.hwndItem = hwnd;
  dis.hDC = dc;
  dis.rcItem = rect;
  dis.itemData = d.items[static_cast<std::size_t>(index)].data;
  SendMessageW(d.owner, WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
}

}  // namespace

void PaintList(HWND hwnd, HDC dc, ListBoxData& d) {
  RECT client{};
  GetClientRect(hwnd, &client);
  const DWORD style = ListStyle(hwnd);
  const bool enabled = IsWindowEnabled(hwnd) != FALSE;
  HWND owner = d.owner ? d.owner : hwnd;
  HBRUSH brush = reinterpret_cast<HBRUSH>(
      SendMessageW(owner, WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd)));
  FillRect(dc, &client, brush ? brush : GetSysColorBrush(COLOR_WINDOW));
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, client.left, client.top, client.right, client.bottom);
  const int count = ItemCount(d);
  const int last = std::min(count, d.top + VisibleCount(hwnd, d) + 1);
  for (int i = d.top; i < last; ++i) {
    RECT rect{};
    if (!ItemRect(hwnd, d, i, rect) || rect.top >= client.bottom || rect.left >= client.right) continue;
    const ListItem& item = d.items[static_cast<std::size_t>(i)];
    const bool selected = IsMultiSelect(style) ? item.selected : i == d.current;
    if (IsOwnerDraw(style)) {
      if (d.owner != nullptr) OwnerDraw(hwnd, dc, d, i, rect, selected, enabled);
      continue;
    }
    ListItemLook look;
    look.text = item.text;
    look.font = d.font ? d.font : DefaultControlFont();
    look.selected = selected;
    look.focused = d.focused && i == d.caret && d.combo == nullptr;
    look.enabled = enabled;
    CurrentPainter().ListItem(dc, rect, look);
  }
  RestoreDC(dc, saved);
}

}  // namespace platform
