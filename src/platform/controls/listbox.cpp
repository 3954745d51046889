// The "ListBox" class: a list of strings or owner-drawn items with single,
// multiple (LBS_MULTIPLESEL) or extended (LBS_EXTENDEDSEL) selection,
// sorted or in insertion order, in one column or several, scrolled with
// its own window scroll bars; the LB_* messages and LBN_* notifications.
#include <algorithm>
#include <cstring>

#include "platform/controls/classic_look.h"
#include "platform/controls/control_data.h"
#include "platform/controls/listbox_internal.h"

namespace platform {

ListBoxData* ListData(HWND hwnd) { return ControlData<ListBoxData>(hwnd); }
DWORD ListStyle(HWND hwnd) { return static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE)); }
bool IsMultiSelect(DWORD style) { return (style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0; }
bool IsOwnerDraw(DWORD style) { return (style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0; }
// Lists that are not owner drawn always keep strings.
bool HasStrings(DWORD style) { return (style & LBS_HASSTRINGS) || !IsOwnerDraw(style); }
int ItemCount(const ListBoxData& d) { return static_cast<int>(d.items.size()); }
bool ValidIndex(const ListBoxData& d, int index) { return index >= 0 && index < ItemCount(d); }

namespace {

int FontHeight(HWND hwnd, HFONT font) {
  HDC dc = GetDC(hwnd);
  HGDIOBJ previous = SelectObject(dc, font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, previous);
  ReleaseDC(hwnd, dc);
  return std::max<int>(1, metrics.tmHeight);
}

void Create(HWND hwnd, ListBoxData& d) {
  DWORD style = ListStyle(hwnd);
  // Several columns need items of one height.
  if (style & LBS_MULTICOLUMN) style &= ~LBS_OWNERDRAWVARIABLE;
  if (style & LBS_OWNERDRAWVARIABLE) style |= LBS_NOINTEGRALHEIGHT;
  SetWindowLongW(hwnd, GWL_STYLE, static_cast<LONG>(style));
  d.bars = style & (WS_VSCROLL | WS_HSCROLL);
  d.itemHeight = FontHeight(hwnd, DefaultControlFont());
  MeasureFixedHeight(hwnd, d);
  SnapToIntegralHeight(hwnd, d);
  UpdateScrollBars(hwnd, d);
}

LRESULT SetCurSel(HWND hwnd, ListBoxData& d, int index) {
  if (IsMultiSelect(ListStyle(hwnd))) return LB_ERR;
  SelectSingle(hwnd, d, index);
  if (!ValidIndex(d, index)) return LB_ERR;
  EnsureVisible(hwnd, d, index);
  return index;
}

LRESULT GetCurSel(HWND hwnd, const ListBoxData& d) {
  if (!IsMultiSelect(ListStyle(hwnd))) return d.current >= 0 ? d.current : LB_ERR;
  return ItemCount(d) > 0 ? d.caret : LB_ERR;
}

LRESULT SetSel(HWND hwnd, ListBoxData& d, bool select, int index) {
  if (!IsMultiSelect(ListStyle(hwnd))) return LB_ERR;
  if (index == -1) {
    SelectRange(hwnd, d, 0, ItemCount(d) - 1, select);
    return LB_OKAY;
  }
  if (!ValidIndex(d, index)) return LB_ERR;
  SetSelected(hwnd, d, index, select);
  if (select) {
    d.anchor = index;
    SetCaret(hwnd, d, index, true);
  }
  return LB_OKAY;
}

LRESULT GetSel(HWND hwnd, const ListBoxData& d, int index) {
  if (!ValidIndex(d, index)) return LB_ERR;
  if (!IsMultiSelect(ListStyle(hwnd))) return index == d.current ? 1 : 0;
  return d.items[static_cast<std::size_t>(index)].selected ? 1 : 0;
}

LRESULT GetSelItems(HWND hwnd, const ListBoxData& d, int room, int* out, bool countOnly) {
  if (!IsMultiSelect(ListStyle(hwnd))) return LB_ERR;
  if (!countOnly && out == nullptr) return LB_ERR;
  int n = 0;
  for (int i = 0; i < ItemCount(d); ++i) {
    if (!d.items[static_cast<std::size_t>(i)].selected) continue;
    if (!countOnly) {
      if (n >= room) break;
      out[n] = i;
    }
    ++n;
  }
  return n;
}

LRESULT SelectString(HWND hwnd, ListBoxData& d, int start, LPARAM text) {
  const LRESULT found = FindItem(hwnd, d, start, text, false);
  if (found == LB_ERR) return LB_ERR;
  const int index = static_cast<int>(found);
  if (IsMultiSelect(ListStyle(hwnd))) {
    SetCaret(hwnd, d, index, true);
  } else {
    SelectSingle(hwnd, d, index);
    EnsureVisible(hwnd, d, index);
  }
  return found;
}

LRESULT GetText(HWND hwnd, const ListBoxData& d, int index, LPARAM buffer) {
  if (!ValidIndex(d, index) || buffer == 0) return LB_ERR;
  const ListItem& item = d.items[static_cast<std::size_t>(index)];
  if (!HasStrings(ListStyle(hwnd))) {
    std::memcpy(reinterpret_cast<void*>(buffer), &item.data, sizeof(item.data));
    return sizeof(item.data);
  }
  auto* out = reinterpret_cast<char16_t*>(buffer);
  std::copy(item.text.begin(), item.text.end(), out);
  out[item.text.size()] = u'\0';
  return static_cast<LRESULT>(item.text.size());
}

LRESULT GetTextLength(HWND hwnd, const ListBoxData& d, int index) {
  if (!ValidIndex(d, index)) return LB_ERR;
  if (!HasStrings(ListStyle(hwnd))) return sizeof(ULONG_PTR);
  return static_cast<LRESULT>(d.items[static_cast<std::size_t>(index)].text.size());
}

LRESULT SetItemHeight(HWND hwnd, ListBoxData& d, int index, int height) {
  if (height <= 0 || height > 255) return LB_ERR;
  if (ListStyle(hwnd) & LBS_OWNERDRAWVARIABLE) {
    if (!ValidIndex(d, index)) return LB_ERR;
    d.items[static_cast<std::size_t>(index)].height = height;
  } else {
    d.itemHeight = height;
    SnapToIntegralHeight(hwnd, d);
  }
  SetTop(hwnd, d, d.top);
  UpdateScrollBars(hwnd, d);
  Repaint(hwnd);
  return LB_OKAY;
}

LRESULT GetItemHeight(HWND hwnd, const ListBoxData& d, int index) {
  if (!(ListStyle(hwnd) & LBS_OWNERDRAWVARIABLE)) return d.itemHeight;
  if (!ValidIndex(d, index)) return ItemCount(d) == 0 ? d.itemHeight : LB_ERR;
  return d.items[static_cast<std::size_t>(index)].height;
}

void Focus(HWND hwnd, ListBoxData& d, bool focused) {
  d.focused = focused;
  if (!focused) MouseUp(hwnd, d);
  RepaintItem(hwnd, d, d.caret);
  Notify(hwnd, d, focused ? LBN_SETFOCUS : LBN_KILLFOCUS);
}

void Wheel(HWND hwnd, ListBoxData& d, WPARAM wParam) {
  UINT lines = 3;
  SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  const int notches = static_cast<SHORT>(HIWORD(wParam)) / WHEEL_DELTA;
  const int step = (ListStyle(hwnd) & LBS_MULTICOLUMN) ? RowsPerPage(hwnd, d) : static_cast<int>(lines);
  SetTop(hwnd, d, d.top - notches * step);
}

LRESULT ListMessage(HWND hwnd, ListBoxData& d, UINT message, WPARAM wParam, LPARAM lParam) {
  const int index = static_cast<int>(static_cast<INT_PTR>(wParam));
  const bool sorted = (ListStyle(hwnd) & LBS_SORT) != 0;
  switch (message) {
    case LB_ADDSTRING: return InsertItem(hwnd, d, -1, lParam, sorted);
    case LB_INSERTSTRING: return InsertItem(hwnd, d, index, lParam, false);
    case LB_DELETESTRING: return DeleteItem(hwnd, d, index);
    case LB_RESETCONTENT: ResetContent(hwnd, d); return TRUE;
    case LB_GETCOUNT: return ItemCount(d);
    case LB_FINDSTRING: return FindItem(hwnd, d, index, lParam, false);
    case LB_FINDSTRINGEXACT: return FindItem(hwnd, d, index, lParam, true);
    case LB_SELECTSTRING: return SelectString(hwnd, d, index, lParam);
    case LB_SETCURSEL: return SetCurSel(hwnd, d, index);
    case LB_GETCURSEL: return GetCurSel(hwnd, d);
    case LB_SETSEL: return SetSel(hwnd, d, wParam != 0, static_cast<int>(lParam));
    case LB_GETSEL: return GetSel(hwnd, d, index);
    case LB_GETSELCOUNT: return GetSelItems(hwnd, d, 0, nullptr, true);
    case LB_GETSELITEMS: return GetSelItems(hwnd, d, index, reinterpret_cast<int*>(lParam), false);
    case LB_SELITEMRANGE:
      if (!IsMultiSelect(ListStyle(hwnd))) return LB_ERR;
      SelectRange(hwnd, d, LOWORD(lParam), HIWORD(lParam), wParam != 0);
      return LB_OKAY;
    case LB_SELITEMRANGEEX:  // a range given backwards is deselected
      if (!IsMultiSelect(ListStyle(hwnd))) return LB_ERR;
      SelectRange(hwnd, d, index, static_cast<int>(lParam), static_cast<int>(lParam) >= index);
      return LB_OKAY;
    case LB_SETCARETINDEX:
      if (!ValidIndex(d, index)) return LB_ERR;
      SetCaret(hwnd, d, index, true);
      return LB_OKAY;
    case LB_GETCARETINDEX: return d.caret;
    case LB_SETANCHORINDEX:
      if (!ValidIndex(d, index)) return LB_ERR;
      d.anchor = index;
      return LB_OKAY;
    case LB_GETANCHORINDEX: return d.anchor;
    case LB_SETTOPINDEX:
      if (!ValidIndex(d, index) && !(index == 0 && ItemCount(d) == 0)) return LB_ERR;
      SetTop(hwnd, d, index);
      return LB_OKAY;
    case LB_GETTOPINDEX: return d.top;
    case LB_SETITEMHEIGHT: return SetItemHeight(hwnd, d, index, static_cast<SHORT>(LOWORD(lParam)));
    case LB_GETITEMHEIGHT: return GetItemHeight(hwnd, d, index);
    case LB_GETITEMRECT: {
      auto* rect = reinterpret_cast<RECT*>(lParam);
      if (rect == nullptr || !ItemRect(hwnd, d, index, *rect)) return LB_ERR;
      return 1;
    }
    case LB_ITEMFROMPOINT: {
      bool outside = false;
      const int item = ItemFromPoint(hwnd, d, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, outside);
      return MAKELRESULT(static_cast<WORD>(item), outside ? 1 : 0);
    }
    case LB_SETITEMDATA:
      if (!ValidIndex(d, index)) return LB_ERR;
      d.items[static_cast<std::size_t>(index)].data = static_cast<ULONG_PTR>(lParam);
      return TRUE;
    case LB_GETITEMDATA:
      if (!ValidIndex(d, index)) return LB_ERR;
      return static_cast<LRESULT>(d.items[static_cast<std::size_t>(index)].data);
    case LB_GETTEXT: return GetText(hwnd, d, index, lParam);
    case LB_GETTEXTLEN: return GetTextLength(hwnd, d, index);
    case LB_SETHORIZONTALEXTENT:
      d.horizontalExtent = std::max(0, index);
      UpdateScrollBars(hwnd, d);
      Repaint(hwnd);
      return 0;
    case LB_GETHORIZONTALEXTENT: return d.horizontalExtent;
    case LB_SETCOLUMNWIDTH:
      d.columnWidth = std::max(1, index);
      UpdateScrollBars(hwnd, d);
      Repaint(hwnd);
      return 0;
    default: return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

}  // namespace

LRESULT ListBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* data = new ListBoxData();
    const auto* cs = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    data->owner = cs->hwndParent;
    AttachControlData(hwnd, data);
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  ListBoxData* d = ListData(hwnd);
  if (d == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  switch (message) {
    case WM_NCDESTROY:
      delete DetachControlData<ListBoxData>(hwnd);
      return DefWindowProcW(hwnd, message, wParam, lParam);
    case WM_CREATE:
      Create(hwnd, *d);
      return 0;
    case WM_SIZE:
      SnapToIntegralHeight(hwnd, *d);
      SetTop(hwnd, *d, d->top);
      UpdateScrollBars(hwnd, *d);
      return 0;
    case WM_SETFONT:
      d->font = reinterpret_cast<HFONT>(wParam);
      if (!IsOwnerDraw(ListStyle(hwnd))) {
        d->itemHeight = FontHeight(hwnd, d->font ? d->font : DefaultControlFont());
        SnapToIntegralHeight(hwnd, *d);
        UpdateScrollBars(hwnd, *d);
      }
      if (LOWORD(lParam)) Repaint(hwnd);
      return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(d->font);
    case WM_PAINT:
    case WM_PRINTCLIENT:
      return PaintControl(hwnd, wParam, [&](HDC dc) { PaintList(hwnd, dc, *d); });
    case WM_ERASEBKGND: return 1;  // painting fills the whole client area
    case WM_ENABLE: Repaint(hwnd); return 0;
    case WM_SETFOCUS: Focus(hwnd, *d, true); return 0;
    case WM_KILLFOCUS: Focus(hwnd, *d, false); return 0;
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_KEYDOWN: return KeyDown(hwnd, *d, wParam);
    case WM_CHAR: return TypedChar(hwnd, *d, static_cast<char16_t>(wParam));
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      MouseDown(hwnd, *d, lParam, wParam, message == WM_LBUTTONDBLCLK);
      return 0;
    case WM_MOUSEMOVE: MouseMove(hwnd, *d, lParam); return 0;
    case WM_LBUTTONUP: MouseUp(hwnd, *d); return 0;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != hwnd && d->tracking) {
        d->tracking = false;
        d->autoScroll = 0;
        KillSystemTimer(hwnd, kListScrollTimer);
      }
      return 0;
    case WM_SYSTIMER:
      if (wParam == kListScrollTimer) AutoScrollTick(hwnd, *d);
      return 0;
    case WM_VSCROLL: Scroll(hwnd, *d, SB_VERT, wParam); return 0;
    case WM_HSCROLL: Scroll(hwnd, *d, SB_HORZ, wParam); return 0;
    case WM_MOUSEWHEEL: Wheel(hwnd, *d, wParam); return 0;
    default:
      if (message >= LB_ADDSTRING && message <= LB_ITEMFROMPOINT) return ListMessage(hwnd, *d, message, wParam, lParam);
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

void RegisterListBoxClass() {
  RegisterControlClass(u"ListBox", ListBoxProc, CS_DBLCLKS | CS_PARENTDC, IDC_ARROW);
}

}  // namespace platform
