// Painting the list view: the background, then every visible item (and in
// report view every sub-item), asking the parent through NM_CUSTOMDRAW at
// the item and sub-item stages; grid lines and the focus rectangle last.
#include <algorithm>

#include "platform/controls/classic_look.h"
#include "platform/controls/listview_internal.h"

namespace platform::listview {
namespace {

LRESULT CustomDraw(HWND hwnd, NMLVCUSTOMDRAW& draw, DWORD stage) {
  draw.nmcd.dwDrawStage = stage;
  return SendNotify(hwnd, NM_CUSTOMDRAW, draw.nmcd.hdr);
}

UINT Alignment(int format) {
  switch (format & LVCFMT_JUSTIFYMASK) {
    case LVCFMT_RIGHT:
      return DT_RIGHT;
    case LVCFMT_CENTER:
      return DT_CENTER;
    default:
      return DT_LEFT;
  }
}

// The highlight of a label that is not a full row covers its text only.
RECT TextExtent(HDC dc, const Data& data, const std::u16string& text, RECT label, bool centred) {
  const int width = TextWidth(dc, Font(data), text, static_cast<int>(text.size())) + 4;
  if (centred) {
    const int w = std::min(width, static_cast<int>(label.right - label.left));
    const int left = label.left + (label.right - label.left - w) / 2;
    return RECT{left, label.top, left + w, label.bottom};
  }
  label.right = std::min(label.right, label.left + width);
  return label;
}

struct ItemPaint {
  HWND hwnd;
  HDC dc;
  Data* data;
  bool selectionShown;
};

ListViewCellLook Label(const ItemPaint& paint, int index, const NMLVCUSTOMDRAW& draw) {
  const Data& data = *paint.data;
  const Item& item = data.items[static_cast<std::size_t>(index)];
  const DWORD view = View(paint.hwnd);
  ListViewCellLook look;
  ItemRect(paint.hwnd, data, index, LVIR_BOUNDS, look.rect);
  ItemRect(paint.hwnd, data, index, LVIR_ICON, look.iconRect);
  ItemRect(paint.hwnd, data, index, LVIR_LABEL, look.labelRect);
  look.text = item.text;
  look.images = data.images[view == LVS_ICON ? LVSIL_NORMAL : LVSIL_SMALL];
  look.image = item.image;
  look.font = Font(data);
  look.selected = paint.selectionShown && (item.state & LVIS_SELECTED);
  look.focusedWindow = data.focused;
  look.centredBelowIcon = view == LVS_ICON;
  look.textColour = draw.clrText;
  look.backColour = draw.clrTextBk;
  const bool fullRow = view == LVS_REPORT && (data.exStyle & LVS_EX_FULLROWSELECT);
  if (!fullRow) look.labelRect = TextExtent(paint.dc, data, look.text, look.labelRect, look.centredBelowIcon);
  return look;
}

ListViewCellLook SubItem(const ItemPaint& paint, int index, int column, const NMLVCUSTOMDRAW& draw) {
  const Data& data = *paint.data;
  ListViewCellLook look;
  SubItemRect(paint.hwnd, data, index, column, LVIR_BOUNDS, look.rect);
  look.labelRect = look.rect;
  look.text = CellText(data, index, data.columns[static_cast<std::size_t>(column)].subItem);
  look.font = Font(data);
  look.align = Alignment(data.columns[static_cast<std::size_t>(column)].format);
  look.selected = paint.selectionShown && (data.exStyle & LVS_EX_FULLROWSELECT) &&
                  (data.items[static_cast<std::size_t>(index)].state & LVIS_SELECTED);
  look.focusedWindow = data.focused;
  look.textColour = draw.clrText;
  look.backColour = draw.clrTextBk;
  return look;
}

void DrawItem(const ItemPaint& paint, int index, LRESULT global) {
  HWND hwnd = paint.hwnd;
  const Item& item = paint.data->items[static_cast<std::size_t>(index)];
  NMLVCUSTOMDRAW draw{};
  draw.nmcd.hdc = paint.dc;
  ItemRect(hwnd, *paint.data, index, LVIR_BOUNDS, draw.nmcd.rc);
  draw.nmcd.dwItemSpec = static_cast<DWORD_PTR>(index);
  draw.nmcd.uItemState = ((item.state & LVIS_SELECTED) ? CDIS_SELECTED : 0) |
                         ((item.state & LVIS_FOCUSED) && paint.data->focused ? CDIS_FOCUS : 0);
  draw.nmcd.lItemlParam = item.lParam;
  draw.clrText = paint.data->text;
  draw.clrTextBk = paint.data->textBackground;
  LRESULT answer = CDRF_DODEFAULT;
  if (global & CDRF_NOTIFYITEMDRAW) {
    answer = CustomDraw(hwnd, draw, CDDS_ITEMPREPAINT);
    if (ControlData<Data>(hwnd) != paint.data || index >= Count(*paint.data)) return;
  }
  if (answer & CDRF_SKIPDEFAULT) return;
  ControlPainter& painter = CurrentPainter();
  const bool report = View(hwnd) == LVS_REPORT;
  const int columns = report ? std::max(1, ColumnCount(*paint.data)) : 1;
  for (int column = 0; column < columns; ++column) {
    NMLVCUSTOMDRAW cell = draw;
    cell.iSubItem = column;
    LRESULT cellAnswer = CDRF_DODEFAULT;
    if (report && (answer & CDRF_NOTIFYSUBITEMDRAW)) {
      SubItemRect(hwnd, *paint.data, index, column, LVIR_BOUNDS, cell.nmcd.rc);
      cellAnswer = CustomDraw(hwnd, cell, CDDS_ITEMPREPAINT | CDDS_SUBITEM);
      if (ControlData<Data>(hwnd) != paint.data || index >= Count(*paint.data)) return;
    }
    if (!(cellAnswer & CDRF_SKIPDEFAULT)) {
      if (column == 0) {
        ListViewCellLook look = Label(paint, index, cell);
        if (report) look.labelRect.right = std::min(look.labelRect.right, look.rect.left + ColumnWidth(*paint.data, 0));
        painter.ListViewCell(paint.dc, look);
      } else {
        painter.ListViewCell(paint.dc, SubItem(paint, index, column, cell));
      }
    }
    if (cellAnswer & CDRF_NOTIFYPOSTPAINT) CustomDraw(hwnd, cell, CDDS_ITEMPOSTPAINT | CDDS_SUBITEM);
  }
  if ((item.state & LVIS_FOCUSED) && paint.data->focused) {
    // Around the whole row with full-row selection, else around the label.
    RECT focus{};
    if (report && (paint.data->exStyle & LVS_EX_FULLROWSELECT)) {
      ItemRect(hwnd, *paint.data, index, LVIR_SELECTBOUNDS, focus);
    } else {
      focus = Label(paint, index, draw).labelRect;
    }
    painter.ListViewFocus(paint.dc, focus);
  }
  if (answer & CDRF_NOTIFYPOSTPAINT) CustomDraw(hwnd, draw, CDDS_ITEMPOSTPAINT);
}

void DrawGridLines(HWND hwnd, HDC dc, const Data& data) {
  ControlPainter& painter = CurrentPainter();
  const RECT area = ItemArea(hwnd, data);
  const int rowHeight = RowHeight(hwnd, data);
  for (int y = area.top + rowHeight - 1; y < area.bottom; y += rowHeight) {
    painter.ListViewGridLine(dc, RECT{area.left, y, area.right, y + 1});
  }
  int x = -data.scrollX;
  for (int c = 0; c < ColumnCount(data); ++c) {
    x += ColumnWidth(data, c);
    painter.ListViewGridLine(dc, RECT{x - 1, area.top, x, area.bottom});
  }
}

}  // namespace

void Paint(HWND hwnd, HDC dc) {
  Data* data = ControlData<Data>(hwnd);
  if (data == nullptr) return;
  RECT client{};
  GetClientRect(hwnd, &client);
  NMLVCUSTOMDRAW draw{};
  draw.nmcd.hdc = dc;
  draw.nmcd.rc = client;
  const LRESULT global = CustomDraw(hwnd, draw, CDDS_PREPAINT);
  if ((data = ControlData<Data>(hwnd)) == nullptr || (global & CDRF_SKIPDEFAULT)) return;
  ControlPainter& painter = CurrentPainter();
  painter.ListViewBackground(dc, client, data->background);
  const RECT area = ItemArea(hwnd, *data);
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
  const ItemPaint paint{hwnd, dc, data, data->focused || (Style(hwnd) & LVS_SHOWSELALWAYS)};
  for (int i = 0; i < Count(*data); ++i) {
    RECT bounds{};
    ItemRect(hwnd, *data, i, LVIR_BOUNDS, bounds);
    RECT visible{};
    if (!IntersectRect(&visible, &bounds, &area)) continue;
    DrawItem(paint, i, global);
    if (ControlData<Data>(hwnd) != data) return;
  }
  if (View(hwnd) == LVS_REPORT && (data->exStyle & LVS_EX_GRIDLINES)) DrawGridLines(hwnd, dc, *data);
  RestoreDC(dc, saved);
  if (global & CDRF_NOTIFYPOSTPAINT) {
    draw.nmcd.dwItemSpec = 0;
    CustomDraw(hwnd, draw, CDDS_POSTPAINT);
  }
}

}  // namespace platform::listview
