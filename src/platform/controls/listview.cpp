// The "SysListView32" class: items with sub-items shown as icons, small
// icons, a list or a report with columns (through its "SysHeader32"
// child). Selection and focus follow the mouse (Ctrl toggles, Shift takes
// a range) and the keys; every state change asks the parent with
// LVN_ITEMCHANGING and tells it with LVN_ITEMCHANGED. The window's own
// scroll bars scroll both ways, and the header follows across.
#include <algorithm>

#include "platform/controls/classic_look.h"
#include "platform/controls/listview_internal.h"

namespace platform::listview {

DWORD Style(HWND hwnd) { return static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE)); }
DWORD View(HWND hwnd) { return Style(hwnd) & LVS_TYPEMASK; }
int Count(const Data& data) { return static_cast<int>(data.items.size()); }
HFONT Font(const Data& data) { return data.font != nullptr ? data.font : DefaultControlFont(); }

const std::u16string& CellText(const Data& data, int item, int subItem) {
  static const std::u16string empty;
  const Item& it = data.items[static_cast<std::size_t>(item)];
  if (subItem == 0) return it.text;
  if (subItem < 0 || static_cast<std::size_t>(subItem) > it.subItems.size()) return empty;
  return it.subItems[static_cast<std::size_t>(subItem) - 1];
}

namespace {

void Redraw(HWND hwnd) { InvalidateRect(hwnd, nullptr, TRUE); }

// After any change of items, columns, images, font or size.
void Relayout(HWND hwnd, Data& data) {
  data.fittedListWidth = -1;
  UpdateScrollBars(hwnd, data);
  Redraw(hwnd);
}

LRESULT NotifyList(HWND hwnd, UINT code, int item, int subItem = 0, UINT newState = 0, UINT oldState = 0,
                   UINT changed = 0, LPARAM lParam = 0, POINT action = {}) {
  NMLISTVIEW nm{};
  nm.iItem = item;
  nm.iSubItem = subItem;
  nm.uNewState = newState;
  nm.uOldState = oldState;
  nm.uChanged = changed;
  nm.ptAction = action;
  nm.lParam = lParam;
  return SendNotify(hwnd, code, nm.hdr);
}

void NotifyActivate(HWND hwnd, UINT code, int item, int subItem, POINT at) {
  NMITEMACTIVATE nm{};
  nm.iItem = item;
  nm.iSubItem = subItem;
  nm.ptAction = at;
  if (GetKeyState(VK_SHIFT) < 0) nm.uKeyFlags |= 0x0004;  // LVKF_SHIFT
  if (GetKeyState(VK_CONTROL) < 0) nm.uKeyFlags |= 0x0002;  // LVKF_CONTROL
  if (GetKeyState(VK_MENU) < 0) nm.uKeyFlags |= 0x0001;  // LVKF_ALT
  SendNotify(hwnd, code, nm.hdr);
}

// Changes one item's state as the parent agrees. Answers false when it
// refused or the item went away meanwhile.
bool ChangeState(HWND hwnd, int index, UINT state, UINT mask) {
  Data* data = ControlData<Data>(hwnd);
  if (data == nullptr || index < 0 || index >= Count(*data)) return false;
  Item& item = data->items[static_cast<std::size_t>(index)];
  const UINT old = item.state;
  const UINT now = (old & ~mask) | (state & mask);
  if (now == old) return true;
  const LPARAM lParam = item.lParam;
  if (NotifyList(hwnd, LVN_ITEMCHANGING, index, 0, now, old, LVIF_STATE, lParam)) return false;
  if ((data = ControlData<Data>(hwnd)) == nullptr || index >= Count(*data)) return false;
  data->items[static_cast<std::size_t>(index)].state = now;
  Redraw(hwnd);
  NotifyList(hwnd, LVN_ITEMCHANGED, index, 0, now, old, LVIF_STATE, lParam);
  return true;
}

int FocusedItem(const Data& data) {
  for (int i = 0; i < Count(data); ++i) {
    if (data.items[static_cast<std::size_t>(i)].state & LVIS_FOCUSED) return i;
  }
  return -1;
}

// State changes keep one focused item, and one selected one with
// LVS_SINGLESEL: the others lose it first.
bool SetState(HWND hwnd, int index, UINT state, UINT mask) {
  Data* data = ControlData<Data>(hwnd);
  if (data == nullptr) return false;
  if ((mask & LVIS_FOCUSED) && (state & LVIS_FOCUSED)) {
    const int focused = FocusedItem(*data);
    if (focused != -1 && focused != index) ChangeState(hwnd, focused, 0, LVIS_FOCUSED);
  }
  if ((mask & LVIS_SELECTED) && (state & LVIS_SELECTED) && (Style(hwnd) & LVS_SINGLESEL)) {
    for (int i = 0; data != nullptr && i < Count(*data); ++i) {
      if (i != index && (data->items[static_cast<std::size_t>(i)].state & LVIS_SELECTED)) {
        ChangeState(hwnd, i, 0, LVIS_SELECTED);
      }
      data = ControlData<Data>(hwnd);
    }
  }
  return ChangeState(hwnd, index, state, mask);
}

void SelectOnly(HWND hwnd, int from, int to) {
  Data* data = ControlData<Data>(hwnd);
  for (int i = 0; data != nullptr && i < Count(*data); ++i) {
    if (i < from || i > to) ChangeState(hwnd, i, 0, LVIS_SELECTED);
    data = ControlData<Data>(hwnd);
  }
  for (int i = from; data != nullptr && i <= to && i < Count(*data); ++i) {
    if (i >= 0) ChangeState(hwnd, i, LVIS_SELECTED, LVIS_SELECTED);
    data = ControlData<Data>(hwnd);
  }
}

void SelectRange(HWND hwnd, int from, int to) {
  for (int i = std::min(from, to); i <= std::max(from, to); ++i) ChangeState(hwnd, i, LVIS_SELECTED, LVIS_SELECTED);
}

// A click or a key moved to `index` with the modifiers held.
void SelectAt(HWND hwnd, int index, bool ctrl, bool shift, bool toggle) {
  Data* data = ControlData<Data>(hwnd);
  if (data == nullptr) return;
  const bool single = (Style(hwnd) & LVS_SINGLESEL) != 0;
  if (index < 0) {
    if (!ctrl && !shift) SelectOnly(hwnd, 0, -1);
    return;
  }
  if (shift && !single) {
    const int anchor = data->anchor >= 0 && data->anchor < Count(*data) ? data->anchor : index;
    if (ctrl) {
      SelectRange(hwnd, anchor, index);
    } else {
      SelectOnly(hwnd, std::min(anchor, index), std::max(anchor, index));
    }
    SetState(hwnd, index, LVIS_FOCUSED, LVIS_FOCUSED);
  } else if (ctrl && !single) {
    if (toggle) {
      const bool selected = (data->items[static_cast<std::size_t>(index)].state & LVIS_SELECTED) != 0;
      SetState(hwnd, index, (selected ? 0 : LVIS_SELECTED) | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    } else {
      SetState(hwnd, index, LVIS_FOCUSED, LVIS_FOCUSED);
    }
    if ((data = ControlData<Data>(hwnd)) != nullptr) data->anchor = index;
  } else {
    for (int i = 0; data != nullptr && i < Count(*data); ++i) {
      if (i != index) ChangeState(hwnd, i, 0, LVIS_SELECTED);
      data = ControlData<Data>(hwnd);
    }
    SetState(hwnd, index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    if ((data = ControlData<Data>(hwnd)) != nullptr) data->anchor = index;
  }
  if ((data = ControlData<Data>(hwnd)) != nullptr) EnsureVisible(hwnd, *data, index);
}

int ClickedItem(HWND hwnd, const Data& data, POINT p, int* subItem) {
  LVHITTESTINFO info{p, 0, -1, 0};
  HitTest(hwnd, data, info, true);
  if (subItem != nullptr) *subItem = info.iSubItem;
  if (info.iItem < 0) return -1;
  // Without full-row selection only the label and the icon are the item.
  LVHITTESTINFO plain{p, 0, -1, 0};
  return HitTest(hwnd, data, plain, false);
}

void LButtonDown(HWND hwnd, Data& data, POINT p, bool doubleClick) {
  if (GetFocus() != hwnd) SetFocus(hwnd);
  Data* current = ControlData<Data>(hwnd);
  if (current == nullptr) return;
  int subItem = 0;
  const int index = ClickedItem(hwnd, *current, p, &subItem);
  const bool ctrl = GetKeyState(VK_CONTROL) < 0;
  const bool shift = GetKeyState(VK_SHIFT) < 0;
  if (!doubleClick) SelectAt(hwnd, index, ctrl, shift, true);
  if ((current = ControlData<Data>(hwnd)) == nullptr) return;
  if (doubleClick) {
    NotifyActivate(hwnd, NM_DBLCLK, index, subItem, p);
    if (index >= 0) NotifyActivate(hwnd, LVN_ITEMACTIVATE, index, subItem, p);
    return;
  }
  current->clickPending = true;
  SetCapture(hwnd);
  (void)data;
}

void LButtonUp(HWND hwnd, Data& data, POINT p) {
  if (!data.clickPending) return;
  data.clickPending = false;
  if (GetCapture() == hwnd) ReleaseCapture();
  int subItem = 0;
  const int index = ClickedItem(hwnd, data, p, &subItem);
  NotifyActivate(hwnd, NM_CLICK, index, subItem, p);
}

int KeyTarget(HWND hwnd, Data& data, WPARAM key, int focused) {
  const DWORD view = View(hwnd);
  const int last = Count(data) - 1;
  const int page = std::max(1, CountPerPage(hwnd, data));
  auto step = [&](UINT direction) {
    const int next = Neighbour(hwnd, data, focused, direction);
    return next < 0 ? focused : next;
  };
  if (focused < 0) return key == VK_END ? last : 0;
  switch (key) {
    case VK_UP:
      return step(LVNI_ABOVE);
    case VK_DOWN:
      return step(LVNI_BELOW);
    case VK_LEFT:
      return view == LVS_REPORT ? -1 : step(LVNI_TOLEFT);
    case VK_RIGHT:
      return view == LVS_REPORT ? -1 : step(LVNI_TORIGHT);
    case VK_HOME:
      return 0;
    case VK_END:
      return last;
    case VK_PRIOR:
      return view == LVS_REPORT ? std::max(0, focused - (page - 1)) : 0;
    case VK_NEXT:
      return view == LVS_REPORT ? std::min(last, focused + (page - 1)) : last;
    default:
      return -1;
  }
}

void KeyDown(HWND hwnd, Data& data, WPARAM key) {
  NMLVKEYDOWN nm{};
  nm.wVKey = static_cast<WORD>(key);
  SendNotify(hwnd, LVN_KEYDOWN, nm.hdr);
  Data* current = ControlData<Data>(hwnd);
  if (current == nullptr || Count(*current) == 0) return;
  const bool ctrl = GetKeyState(VK_CONTROL) < 0;
  const bool shift = GetKeyState(VK_SHIFT) < 0;
  const int focused = FocusedItem(*current);
  if (key == VK_SPACE) {
    if (focused >= 0) SelectAt(hwnd, focused, ctrl, shift, ctrl);
    return;
  }
  if (View(hwnd) == LVS_REPORT && (key == VK_LEFT || key == VK_RIGHT)) {
    ScrollBy(hwnd, *current, key == VK_LEFT ? -16 : 16, 0);
    return;
  }
  const int target = KeyTarget(hwnd, *current, key, focused);
  if (target < 0) return;
  SelectAt(hwnd, target, ctrl, shift, false);
  (void)data;
}

// Item fields from an LVITEM: text, image and lParam of the item, or the
// text of a sub-item.
void Apply(Item& item, const LVITEMW& source, bool wide) {
  if (source.iSubItem > 0) {
    if (!(source.mask & LVIF_TEXT)) return;
    if (item.subItems.size() < static_cast<std::size_t>(source.iSubItem)) {
      item.subItems.resize(static_cast<std::size_t>(source.iSubItem));
    }
    item.subItems[static_cast<std::size_t>(source.iSubItem) - 1] = ItemTextOf(source.pszText, wide);
    return;
  }
  if (source.mask & LVIF_TEXT) item.text = ItemTextOf(source.pszText, wide);
  if (source.mask & LVIF_IMAGE) item.image = source.iImage;
  if (source.mask & LVIF_PARAM) item.lParam = source.lParam;
}

LRESULT InsertItem(HWND hwnd, Data& data, const LVITEMW* source, bool wide) {
  if (source == nullptr || source->iSubItem != 0 || source->iItem < 0) return -1;
  Item item;
  Apply(item, *source, wide);
  const int at = std::min(source->iItem, Count(data));
  data.items.insert(data.items.begin() + at, item);
  if (data.anchor >= at) ++data.anchor;
  NotifyList(hwnd, LVN_INSERTITEM, at);
  Data* current = ControlData<Data>(hwnd);
  if (current == nullptr) return -1;
  if (source->mask & LVIF_STATE) SetState(hwnd, at, source->state, source->stateMask);
  if ((current = ControlData<Data>(hwnd)) != nullptr) Relayout(hwnd, *current);
  return at;
}

LRESULT SetItem(HWND hwnd, Data& data, const LVITEMW* source, bool wide) {
  if (source == nullptr || source->iItem < 0 || source->iItem >= Count(data) || source->iSubItem < 0) return FALSE;
  const int index = source->iItem;
  Item& item = data.items[static_cast<std::size_t>(index)];
  const UINT fields = source->iSubItem > 0 ? (source->mask & LVIF_TEXT) : (source->mask & (LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM));
  if (fields != 0 && source->iSubItem == 0) {
    if (NotifyList(hwnd, LVN_ITEMCHANGING, index, 0, 0, 0, fields, item.lParam)) return FALSE;
    Data* current = ControlData<Data>(hwnd);
    if (current == nullptr || index >= Count(*current)) return FALSE;
    Apply(current->items[static_cast<std::size_t>(index)], *source, wide);
    NotifyList(hwnd, LVN_ITEMCHANGED, index, 0, 0, 0, fields, current->items[static_cast<std::size_t>(index)].lParam);
  } else if (fields != 0) {
    Apply(item, *source, wide);
  }
  Data* current = ControlData<Data>(hwnd);
  if (current == nullptr) return FALSE;
  if ((source->mask & LVIF_STATE) && source->iSubItem == 0 && !SetState(hwnd, index, source->state, source->stateMask)) {
    return FALSE;
  }
  if ((current = ControlData<Data>(hwnd)) != nullptr) Relayout(hwnd, *current);
  return TRUE;
}

LRESULT GetItem(const Data& data, LVITEMW* target, bool wide) {
  if (target == nullptr || target->iItem < 0 || target->iItem >= Count(data) || target->iSubItem < 0) return FALSE;
  const Item& item = data.items[static_cast<std::size_t>(target->iItem)];
  if (target->mask & LVIF_TEXT) {
    CopyItemText(CellText(data, target->iItem, target->iSubItem), target->pszText, target->cchTextMax, wide);
  }
  if (target->iSubItem > 0) return TRUE;
  if (target->mask & LVIF_IMAGE) target->iImage = item.image;
  if (target->mask & LVIF_PARAM) target->lParam = item.lParam;
  if (target->mask & LVIF_STATE) target->state = item.state & target->stateMask;
  if (target->mask & LVIF_INDENT) target->iIndent = 0;
  return TRUE;
}

bool DeleteItem(HWND hwnd, int index) {
  Data* data = ControlData<Data>(hwnd);
  if (data == nullptr || index < 0 || index >= Count(*data)) return false;
  NotifyList(hwnd, LVN_DELETEITEM, index, 0, 0, 0, 0, data->items[static_cast<std::size_t>(index)].lParam);
  if ((data = ControlData<Data>(hwnd)) == nullptr || index >= Count(*data)) return false;
  data->items.erase(data->items.begin() + index);
  if (data->anchor == index) data->anchor = -1;
  if (data->anchor > index) --data->anchor;
  Relayout(hwnd, *data);
  return true;
}

// LVN_DELETEALLITEMS first; unless the parent answers TRUE every item is
// told of with LVN_DELETEITEM.
void DeleteAllItems(HWND hwnd) {
  Data* data = ControlData<Data>(hwnd);
  if (data == nullptr || data->items.empty()) return;
  const bool quiet = NotifyList(hwnd, LVN_DELETEALLITEMS, -1) != 0;
  for (int i = 0; !quiet && (data = ControlData<Data>(hwnd)) != nullptr && i < Count(*data); ++i) {
    NotifyList(hwnd, LVN_DELETEITEM, i, 0, 0, 0, 0, data->items[static_cast<std::size_t>(i)].lParam);
  }
  if ((data = ControlData<Data>(hwnd)) == nullptr) return;
  data->items.clear();
  data->anchor = -1;
  data->scrollY = 0;
  Relayout(hwnd, *data);
}

LRESULT InsertColumn(HWND hwnd, Data& data, WPARAM index, const LVCOLUMNW* source, bool wide) {
  if (source == nullptr || data.header == nullptr) return -1;
  const int at = std::min(static_cast<int>(index), ColumnCount(data));
  Column column;
  column.format = (source->mask & LVCF_FMT) ? (source->fmt & LVCFMT_JUSTIFYMASK) : LVCFMT_LEFT;
  if (at == 0) column.format = LVCFMT_LEFT;  // the first column is always left aligned
  column.subItem = (source->mask & LVCF_SUBITEM) ? source->iSubItem : at;
  const std::u16string text = (source->mask & LVCF_TEXT) ? ItemTextOf(source->pszText, wide) : std::u16string();
  HDITEMW item{};
  item.mask = HDI_TEXT | HDI_FORMAT | HDI_WIDTH;
  item.pszText = const_cast<WCHAR*>(text.c_str());
  item.fmt = column.format | HDF_STRING;
  item.cxy = (source->mask & LVCF_WIDTH) ? source->cx : 10;
  if (SendMessageW(data.header, HDM_INSERTITEMW, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(&item)) < 0) return -1;
  data.columns.insert(data.columns.begin() + at, column);
  Relayout(hwnd, data);
  return at;
}

LRESULT GetColumn(const Data& data, WPARAM index, LVCOLUMNW* target, bool wide) {
  if (target == nullptr || static_cast<int>(index) >= ColumnCount(data)) return FALSE;
  const Column& column = data.columns[index];
  if (target->mask & LVCF_FMT) target->fmt = column.format;
  if (target->mask & LVCF_WIDTH) target->cx = ColumnWidth(data, static_cast<int>(index));
  if (target->mask & LVCF_SUBITEM) target->iSubItem = column.subItem;
  if (target->mask & LVCF_ORDER) target->iOrder = static_cast<int>(index);
  if (target->mask & LVCF_TEXT) {
    std::u16string text(260, u'\0');
    HDITEMW item{};
    item.mask = HDI_TEXT;
    item.pszText = text.data();
    item.cchTextMax = static_cast<int>(text.size());
    SendMessageW(data.header, HDM_GETITEMW, index, reinterpret_cast<LPARAM>(&item));
    CopyItemText(std::u16string(text.c_str()), target->pszText, target->cchTextMax, wide);
  }
  return TRUE;
}

LRESULT SetColumn(HWND hwnd, Data& data, WPARAM index, const LVCOLUMNW* source, bool wide) {
  if (source == nullptr || static_cast<int>(index) >= ColumnCount(data)) return FALSE;
  Column& column = data.columns[index];
  if ((source->mask & LVCF_FMT) && index != 0) column.format = source->fmt & LVCFMT_JUSTIFYMASK;
  if (source->mask & LVCF_SUBITEM) column.subItem = source->iSubItem;
  const std::u16string text = ItemTextOf(source->pszText, wide);
  HDITEMW item{};
  item.mask = HDI_FORMAT;
  item.fmt = column.format | HDF_STRING;
  if (source->mask & LVCF_TEXT) {
    item.mask |= HDI_TEXT;
    item.pszText = const_cast<WCHAR*>(text.c_str());
  }
  if (source->mask & LVCF_WIDTH) {
    item.mask |= HDI_WIDTH;
    item.cxy = source->cx;
  }
  SendMessageW(data.header, HDM_SETITEMW, index, reinterpret_cast<LPARAM>(&item));
  if (Data* current = ControlData<Data>(hwnd)) Relayout(hwnd, *current);
  return TRUE;
}

int TextWidthIn(const Data& data, const std::u16string& text) {
  HDC dc = GetDC(nullptr);
  const int width = TextWidth(dc, Font(data), text, static_cast<int>(text.size()));
  ReleaseDC(nullptr, dc);
  return width;
}

LRESULT SetColumnWidth(HWND hwnd, Data& data, WPARAM index, int width) {
  const DWORD view = View(hwnd);
  if (view == LVS_LIST) {
    if (index != 0 || width <= 0) return FALSE;
    data.listColumnWidth = width;
    Relayout(hwnd, data);
    return TRUE;
  }
  if (view != LVS_REPORT || static_cast<int>(index) >= ColumnCount(data)) return FALSE;
  if (width == LVSCW_AUTOSIZE || width == LVSCW_AUTOSIZE_USEHEADER) {
    const int subItem = data.columns[index].subItem;
    int widest = 0;
    for (int i = 0; i < Count(data); ++i) widest = std::max(widest, TextWidthIn(data, CellText(data, i, subItem)));
    widest += 12;
    if (width == LVSCW_AUTOSIZE_USEHEADER) {
      WCHAR text[260] = {};
      HDITEMW item{};
      item.mask = HDI_TEXT;
      item.pszText = text;
      item.cchTextMax = 260;
      SendMessageW(data.header, HDM_GETITEMW, index, reinterpret_cast<LPARAM>(&item));
      widest = std::max(widest, TextWidthIn(data, text) + 12);
      // The last column reaches the right edge.
      if (static_cast<int>(index) == ColumnCount(data) - 1) {
        const RECT area = ItemArea(hwnd, data);
        const int before = TotalColumnWidth(data) - ColumnWidth(data, static_cast<int>(index));
        widest = std::max(widest, static_cast<int>(area.right - area.left) - before);
      }
    }
    width = widest;
  }
  HDITEMW item{};
  item.mask = HDI_WIDTH;
  item.cxy = std::max(0, width);
  SendMessageW(data.header, HDM_SETITEMW, index, reinterpret_cast<LPARAM>(&item));
  if (Data* current = ControlData<Data>(hwnd)) Relayout(hwnd, *current);
  return TRUE;
}

bool HasStates(const Item& item, UINT flags) {
  const UINT wanted = flags & (LVNI_FOCUSED | LVNI_SELECTED | LVNI_CUT | LVNI_DROPHILITED);
  return (item.state & wanted) == wanted;
}

LRESULT NextItem(HWND hwnd, const Data& data, int start, UINT flags) {
  const UINT direction = flags & (LVNI_ABOVE | LVNI_BELOW | LVNI_TOLEFT | LVNI_TORIGHT);
  if (direction != 0) {
    if (start < 0 || start >= Count(data)) return -1;
    for (int i = Neighbour(hwnd, data, start, direction); i >= 0; i = Neighbour(hwnd, data, i, direction)) {
      if (HasStates(data.items[static_cast<std::size_t>(i)], flags)) return i;
    }
    return -1;
  }
  for (int i = std::max(-1, start) + 1; i < Count(data); ++i) {
    if (HasStates(data.items[static_cast<std::size_t>(i)], flags)) return i;
  }
  return -1;
}

LRESULT SetImageList(HWND hwnd, Data& data, WPARAM which, HIMAGELIST list) {
  if (which > LVSIL_STATE) return 0;
  HIMAGELIST previous = data.images[which];
  data.images[which] = list;
  Relayout(hwnd, data);
  return reinterpret_cast<LRESULT>(previous);
}

// Header notifications: a click is a column click, a changed width lays
// the items out again; the parent hears of all of them too.
LRESULT HeaderNotify(HWND hwnd, Data& data, NMHDR* nm) {
  if (nm->hwndFrom != data.header) return 0;
  const auto* header = reinterpret_cast<NMHEADERW*>(nm);
  HWND parent = GetParent(hwnd);
  switch (nm->code) {
    case HDN_ITEMCLICKW:
    case HDN_ITEMCLICKA:
      NotifyList(hwnd, LVN_COLUMNCLICK, -1, header->iItem);
      return 0;
    case HDN_ITEMCHANGEDW:
    case HDN_ITEMCHANGEDA:
      Relayout(hwnd, data);
      break;
    default:
      break;
  }
  return parent != nullptr ? SendMessageW(parent, WM_NOTIFY, nm->idFrom, reinterpret_cast<LPARAM>(nm)) : 0;
}

LRESULT Messages(HWND hwnd, Data& data, UINT message, WPARAM wParam, LPARAM lParam) {
  const bool wide = message == LVM_INSERTITEMW || message == LVM_SETITEMW || message == LVM_GETITEMW ||
                    message == LVM_SETITEMTEXTW || message == LVM_GETITEMTEXTW || message == LVM_INSERTCOLUMNW ||
                    message == LVM_GETCOLUMNW || message == LVM_SETCOLUMNW;
  switch (message) {
    case LVM_GETITEMCOUNT:
      return Count(data);
    case LVM_INSERTITEMA:
    case LVM_INSERTITEMW:
      return InsertItem(hwnd, data, reinterpret_cast<const LVITEMW*>(lParam), wide);
    case LVM_SETITEMA:
    case LVM_SETITEMW:
      return SetItem(hwnd, data, reinterpret_cast<const LVITEMW*>(lParam), wide);
    case LVM_GETITEMA:
    case LVM_GETITEMW:
      return GetItem(data, reinterpret_cast<LVITEMW*>(lParam), wide);
    case LVM_SETITEMTEXTA:
    case LVM_SETITEMTEXTW: {
      auto* item = reinterpret_cast<LVITEMW*>(lParam);
      if (item == nullptr) return FALSE;
      LVITEMW copy = *item;
      copy.iItem = static_cast<int>(wParam);
      copy.mask = LVIF_TEXT;
      return SetItem(hwnd, data, &copy, wide);
    }
    case LVM_GETITEMTEXTA:
    case LVM_GETITEMTEXTW: {
      auto* item = reinterpret_cast<LVITEMW*>(lParam);
      if (item == nullptr || static_cast<int>(wParam) < 0 || static_cast<int>(wParam) >= Count(data) ||
          item->iSubItem < 0) {
        return 0;
      }
      return CopyItemText(CellText(data, static_cast<int>(wParam), item->iSubItem), item->pszText, item->cchTextMax, wide);
    }
    case LVM_DELETEITEM:
      return DeleteItem(hwnd, static_cast<int>(wParam));
    case LVM_DELETEALLITEMS:
      DeleteAllItems(hwnd);
      return TRUE;
    case LVM_INSERTCOLUMNA:
    case LVM_INSERTCOLUMNW:
      return InsertColumn(hwnd, data, wParam, reinterpret_cast<const LVCOLUMNW*>(lParam), wide);
    case LVM_GETCOLUMNA:
    case LVM_GETCOLUMNW:
      return GetColumn(data, wParam, reinterpret_cast<LVCOLUMNW*>(lParam), wide);
    case LVM_SETCOLUMNA:
    case LVM_SETCOLUMNW:
      return SetColumn(hwnd, data, wParam, reinterpret_cast<const LVCOLUMNW*>(lParam), wide);
    case LVM_DELETECOLUMN:
      if (static_cast<int>(wParam) >= ColumnCount(data)) return FALSE;
      SendMessageW(data.header, HDM_DELETEITEM, wParam, 0);
      data.columns.erase(data.columns.begin() + static_cast<std::ptrdiff_t>(wParam));
      Relayout(hwnd, data);
      return TRUE;
    case LVM_SETCOLUMNWIDTH:
      return SetColumnWidth(hwnd, data, wParam, static_cast<short>(LOWORD(lParam)));
    case LVM_GETCOLUMNWIDTH:
      if (View(hwnd) == LVS_LIST) return ListColumnWidth(hwnd, data);
      return View(hwnd) == LVS_REPORT ? ColumnWidth(data, static_cast<int>(wParam)) : 0;
    case LVM_GETHEADER:
      return reinterpret_cast<LRESULT>(data.header);
    case LVM_GETITEMRECT: {
      auto* rect = reinterpret_cast<RECT*>(lParam);
      return rect != nullptr && ItemRect(hwnd, data, static_cast<int>(wParam), rect->left, *rect);
    }
    case LVM_GETSUBITEMRECT: {
      auto* rect = reinterpret_cast<RECT*>(lParam);
      return rect != nullptr && SubItemRect(hwnd, data, static_cast<int>(wParam), rect->top, rect->left, *rect);
    }
    case LVM_HITTEST:
    case LVM_SUBITEMHITTEST: {
      auto* info = reinterpret_cast<LVHITTESTINFO*>(lParam);
      return info == nullptr ? -1 : HitTest(hwnd, data, *info, message == LVM_SUBITEMHITTEST);
    }
    case LVM_ENSUREVISIBLE:
      if (static_cast<int>(wParam) < 0 || static_cast<int>(wParam) >= Count(data)) return FALSE;
      EnsureVisible(hwnd, data, static_cast<int>(wParam));
      return TRUE;
    case LVM_GETNEXTITEM:
      return NextItem(hwnd, data, static_cast<int>(wParam), LOWORD(lParam));
    case LVM_SETITEMSTATE: {
      const auto* item = reinterpret_cast<const LVITEMW*>(lParam);
      if (item == nullptr) return FALSE;
      const UINT state = item->state;
      const UINT mask = item->stateMask;
      const int index = static_cast<int>(wParam);
      if (index != -1) return SetState(hwnd, index, state, mask);
      Data* current = &data;
      for (int i = 0; current != nullptr && i < Count(*current); ++i) {
        ChangeState(hwnd, i, state, mask & ~LVIS_FOCUSED);  // one item at most keeps the focus
        current = ControlData<Data>(hwnd);
      }
      return TRUE;
    }
    case LVM_GETITEMSTATE:
      if (static_cast<int>(wParam) < 0 || static_cast<int>(wParam) >= Count(data)) return 0;
      return data.items[wParam].state & static_cast<UINT>(lParam);
    case LVM_GETSELECTEDCOUNT:
      return std::count_if(data.items.begin(), data.items.end(), [](const Item& i) { return (i.state & LVIS_SELECTED) != 0; });
    case LVM_SETIMAGELIST:
      return SetImageList(hwnd, data, wParam, reinterpret_cast<HIMAGELIST>(lParam));
    case LVM_GETIMAGELIST:
      return wParam <= LVSIL_STATE ? reinterpret_cast<LRESULT>(data.images[wParam]) : 0;
    case LVM_GETTOPINDEX:
      return TopIndex(hwnd, data);
    case LVM_GETCOUNTPERPAGE:
      return CountPerPage(hwnd, data);
    case LVM_SCROLL: {
      const int dx = static_cast<int>(wParam);
      const int dy = static_cast<int>(lParam);
      const DWORD view = View(hwnd);
      if (view == LVS_REPORT) {
        // Down in whole rows, the nearest to the pixels asked for.
        const int row = RowHeight(hwnd, data);
        const int rows = (dy >= 0 ? dy + row / 2 : dy - row / 2) / row;
        ScrollBy(hwnd, data, dx, rows);
      } else if (view == LVS_LIST) {
        const int width = std::max(1, ListColumnWidth(hwnd, data));
        ScrollBy(hwnd, data, (dx >= 0 ? dx + width / 2 : dx - width / 2) / width, 0);
      } else {
        ScrollBy(hwnd, data, 0, dy);
      }
      return TRUE;
    }
    case LVM_REDRAWITEMS:
      Redraw(hwnd);
      return TRUE;
    case LVM_SETEXTENDEDLISTVIEWSTYLE: {
      const DWORD previous = data.exStyle;
      const DWORD mask = wParam != 0 ? static_cast<DWORD>(wParam) : 0xFFFFFFFFu;
      data.exStyle = (data.exStyle & ~mask) | (static_cast<DWORD>(lParam) & mask);
      Relayout(hwnd, data);
      return previous;
    }
    case LVM_GETEXTENDEDLISTVIEWSTYLE:
      return data.exStyle;
    case LVM_GETBKCOLOR:
      return data.background == CLR_DEFAULT ? GetSysColor(COLOR_WINDOW) : data.background;
    case LVM_SETBKCOLOR:
      data.background = static_cast<COLORREF>(lParam);
      Redraw(hwnd);
      return TRUE;
    case LVM_GETTEXTCOLOR:
      return data.text == CLR_DEFAULT ? GetSysColor(COLOR_WINDOWTEXT) : data.text;
    case LVM_SETTEXTCOLOR:
      data.text = static_cast<COLORREF>(lParam);
      Redraw(hwnd);
      return TRUE;
    case LVM_GETTEXTBKCOLOR:
      return data.textBackground == CLR_DEFAULT ? GetSysColor(COLOR_WINDOW) : data.textBackground;
    case LVM_SETTEXTBKCOLOR:
      data.textBackground = static_cast<COLORREF>(lParam);
      Redraw(hwnd);
      return TRUE;
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

void Destroy(HWND hwnd) {
  DeleteAllItems(hwnd);
  Data* data = ControlData<Data>(hwnd);
  if (data == nullptr) return;
  // Image lists given to the list view are its own unless it shares them.
  if (!(Style(hwnd) & LVS_SHAREIMAGELISTS)) {
    for (HIMAGELIST& list : data->images) {
      if (list != nullptr) ImageList_Destroy(list);
      list = nullptr;
    }
  }
}

LRESULT ListViewProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    AttachControlData(hwnd, new Data);
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  Data* data = ControlData<Data>(hwnd);
  if (data == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  switch (message) {
    case WM_CREATE:
      data->header = CreateWindowExW(0, WC_HEADERW, nullptr, WS_CHILD | HDS_BUTTONS | HDS_HORZ, 0, 0, 0, 0, hwnd,
                                     nullptr, nullptr, nullptr);
      if ((data = ControlData<Data>(hwnd)) != nullptr) UpdateScrollBars(hwnd, *data);
      return 0;
    case WM_DESTROY:
      Destroy(hwnd);
      return 0;
    case WM_NCDESTROY:
      delete DetachControlData<Data>(hwnd);
      return DefWindowProcW(hwnd, message, wParam, lParam);
    case WM_PAINT:
    case WM_PRINTCLIENT:
      return PaintControl(hwnd, wParam, [&](HDC dc) { Paint(hwnd, dc); });
    case WM_ERASEBKGND:
      return 1;  // painting fills the background
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_SETFONT:
      data->font = reinterpret_cast<HFONT>(wParam);
      if (data->header != nullptr) SendMessageW(data->header, WM_SETFONT, wParam, lParam);
      Relayout(hwnd, *data);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(data->font);
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      data->focused = message == WM_SETFOCUS;
      Redraw(hwnd);
      SendSimpleNotify(hwnd, message == WM_SETFOCUS ? NM_SETFOCUS : NM_KILLFOCUS);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      LButtonDown(hwnd, *data, point, message == WM_LBUTTONDBLCLK);
      return 0;
    case WM_LBUTTONUP:
      LButtonUp(hwnd, *data, point);
      return 0;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != hwnd) data->clickPending = false;
      return 0;
    case WM_KEYDOWN:
      KeyDown(hwnd, *data, wParam);
      return 0;
    case WM_VSCROLL:
    case WM_HSCROLL:
      if (lParam == 0) OnScroll(hwnd, *data, message == WM_VSCROLL, LOWORD(wParam));
      return 0;
    case WM_MOUSEWHEEL: {
      const int notches = static_cast<short>(HIWORD(wParam)) / WHEEL_DELTA;
      const DWORD view = View(hwnd);
      if (view == LVS_LIST) {
        ScrollBy(hwnd, *data, -notches, 0);
      } else {
        ScrollBy(hwnd, *data, 0, -notches * 3 * (view == LVS_REPORT ? 1 : RowHeight(hwnd, *data)));
      }
      return 0;
    }
    case WM_NOTIFY:
      return HeaderNotify(hwnd, *data, reinterpret_cast<NMHDR*>(lParam));
    case WM_SIZE:
    case WM_STYLECHANGED:
      Relayout(hwnd, *data);
      return 0;
    default:
      return Messages(hwnd, *data, message, wParam, lParam);
  }
}

}  // namespace

}  // namespace platform::listview

namespace platform {

void RegisterListViewClass() {
  RegisterControlClass(WC_LISTVIEWW, listview::ListViewProc, CS_DBLCLKS, IDC_ARROW);
}

}  // namespace platform
