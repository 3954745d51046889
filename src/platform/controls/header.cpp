// The "SysHeader32" class: a row of items (text, image, width, format),
// laid out left to right. Dragging a divider resizes the item before it
// (HDN_BEGINTRACK may refuse, HDN_TRACK follows, HDN_ENDTRACK and
// HDN_ITEMCHANGING/CHANGED finish); with HDS_BUTTONS a click on an item
// presses it and HDN_ITEMCLICK tells the parent. Notifications come in
// the parent's character set (wide to a Unicode parent). Painting asks the
// parent through NM_CUSTOMDRAW, and WM_DRAWITEM for HDF_OWNERDRAW items.
#include <algorithm>
#include <string>
#include <vector>

#include "platform/controls/classic_look.h"
#include "platform/controls/control_data.h"

namespace platform {
namespace {

// The grab zone of a divider reaches this far to either side of it.
constexpr int kDividerGrab = 4;

struct HeaderItem {
  std::u16string text;
  int width = 0;
  int format = HDF_LEFT | HDF_STRING;
  LPARAM lParam = 0;
  int image = -1;
};

enum class Mode { Idle, Pressing, Tracking };

struct HeaderData {
  std::vector<HeaderItem> items;
  HIMAGELIST images = nullptr;
  HFONT font = nullptr;
  Mode mode = Mode::Idle;
  int active = -1;        // the item pressed or resized
  bool pressedInside = true;
  int trackOffset = 0;    // from the divider to where it was taken
  int trackWidth = 0;     // the width shown while dragging
  int trackStartWidth = 0;
  int trackLine = -1;     // where the tracking line is drawn, -1 when none
  int hot = -1;
  bool mouseTracked = false;
};

DWORD Style(HWND hwnd) { return static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE)); }
int Count(const HeaderData& data) { return static_cast<int>(data.items.size()); }

RECT ItemRect(HWND hwnd, const HeaderData& data, int index) {
  RECT client{};
  GetClientRect(hwnd, &client);
  int left = 0;
  for (int i = 0; i < index; ++i) left += data.items[static_cast<std::size_t>(i)].width;
  return RECT{left, 0, left + data.items[static_cast<std::size_t>(index)].width, client.bottom};
}

HFONT Font(const HeaderData& data) { return data.font != nullptr ? data.font : DefaultControlFont(); }

// The classic height: the font's line and a border above and below.
int Height(const HeaderData& data) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, Font(data));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, previous);
  ReleaseDC(nullptr, dc);
  return metrics.tmHeight + 6;
}

void HitTest(HWND hwnd, const HeaderData& data, HDHITTESTINFO& info) {
  RECT client{};
  GetClientRect(hwnd, &client);
  info.flags = 0;
  info.iItem = -1;
  const POINT p = info.pt;
  if (p.y < client.top) info.flags |= HHT_ABOVE;
  if (p.y >= client.bottom) info.flags |= HHT_BELOW;
  if (p.x < client.left) info.flags |= HHT_TOLEFT;
  if (p.x >= client.right) info.flags |= HHT_TORIGHT;
  if (info.flags != 0) return;
  int left = 0;
  for (int i = 0; i < Count(data); ++i) {
    const int right = left + data.items[static_cast<std::size_t>(i)].width;
    // The zone right of a divider belongs to the item before it unless
    // the item after it is there (then to that one's divider only in its
    // first pixels).
    if (p.x >= right - kDividerGrab && p.x < right + kDividerGrab) {
      const bool nextZero = i + 1 < Count(data) && data.items[static_cast<std::size_t>(i) + 1].width == 0;
      if (nextZero && p.x >= right) {
        info.flags = HHT_ONDIVOPEN;
        info.iItem = i + 1;
        return;
      }
      info.flags = HHT_ONDIVIDER;
      info.iItem = i;
      return;
    }
    if (p.x >= left && p.x < right) {
      info.flags = HHT_ONHEADER;
      info.iItem = i;
      return;
    }
    left = right;
  }
  info.flags = HHT_NOWHERE;
}

bool UnicodeParent(HWND hwnd) {
  HWND parent = GetParent(hwnd);
  return parent == nullptr || IsWindowUnicode(parent);
}

UINT Code(HWND hwnd, UINT wide, UINT ansi) { return UnicodeParent(hwnd) ? wide : ansi; }

// Sends an NMHEADER notification with the item's width (mask HDI_WIDTH)
// or without an item; NMHEADERA and NMHEADERW have the same layout.
LRESULT NotifyHeader(HWND hwnd, UINT wide, UINT ansi, int item, HDITEMW* pitem) {
  NMHEADERW nm{};
  nm.iItem = item;
  nm.iButton = 0;
  nm.pitem = pitem;
  return SendNotify(hwnd, Code(hwnd, wide, ansi), nm.hdr);
}

HDITEMW WidthItem(int width) {
  HDITEMW item{};
  item.mask = HDI_WIDTH;
  item.cxy = width;
  return item;
}

void Redraw(HWND hwnd) { InvalidateRect(hwnd, nullptr, TRUE); }

// Changes an item's width as the parent agrees: HDN_ITEMCHANGING (TRUE
// refuses), then HDN_ITEMCHANGED.
bool ChangeWidth(HWND hwnd, int index, int width) {
  HDITEMW item = WidthItem(width);
  if (NotifyHeader(hwnd, HDN_ITEMCHANGINGW, HDN_ITEMCHANGINGA, index, &item)) return false;
  HeaderData* data = ControlData<HeaderData>(hwnd);
  if (data == nullptr || index >= Count(*data)) return false;
  data->items[static_cast<std::size_t>(index)].width = width;
  Redraw(hwnd);
  item = WidthItem(width);
  NotifyHeader(hwnd, HDN_ITEMCHANGEDW, HDN_ITEMCHANGEDA, index, &item);
  return true;
}

void Apply(HeaderItem& target, const HDITEMW& source, bool wide) {
  if (source.mask & HDI_WIDTH) target.width = std::max(0, source.cxy);
  if (source.mask & HDI_TEXT) target.text = ItemTextOf(source.pszText, wide);
  if (source.mask & HDI_FORMAT) target.format = source.fmt;
  if (source.mask & HDI_LPARAM) target.lParam = source.lParam;
  if (source.mask & HDI_IMAGE) target.image = source.iImage;
}

LRESULT InsertItem(HWND hwnd, HeaderData& data, WPARAM index, const HDITEMW* item, bool wide) {
  if (item == nullptr) return -1;
  HeaderItem added;
  Apply(added, *item, wide);
  const std::size_t at = std::min(static_cast<std::size_t>(index), data.items.size());
  data.items.insert(data.items.begin() + static_cast<std::ptrdiff_t>(at), added);
  Redraw(hwnd);
  return static_cast<LRESULT>(at);
}

LRESULT GetItem(const HeaderData& data, WPARAM index, HDITEMW* item, bool wide) {
  if (item == nullptr || index >= data.items.size()) return FALSE;
  const HeaderItem& source = data.items[index];
  if (item->mask & HDI_WIDTH) item->cxy = source.width;
  if (item->mask & HDI_TEXT) CopyItemText(source.text, item->pszText, item->cchTextMax, wide);
  if (item->mask & HDI_FORMAT) item->fmt = source.format;
  if (item->mask & HDI_LPARAM) item->lParam = source.lParam;
  if (item->mask & HDI_IMAGE) item->iImage = source.image;
  if (item->mask & HDI_ORDER) item->iOrder = static_cast<int>(index);
  if (item->mask & HDI_BITMAP) item->hbm = nullptr;
  return TRUE;
}

// HDM_SETITEM: the parent sees the new values in HDN_ITEMCHANGING and may
// refuse them; the text travels only in the parent's character set.
LRESULT SetItem(HWND hwnd, WPARAM index, const HDITEMW* item, bool wide) {
  HeaderData* data = ControlData<HeaderData>(hwnd);
  if (item == nullptr || data == nullptr || index >= data->items.size()) return FALSE;
  HDITEMW notified = *item;
  if (wide != UnicodeParent(hwnd)) notified.mask &= ~HDI_TEXT;
  if (NotifyHeader(hwnd, HDN_ITEMCHANGINGW, HDN_ITEMCHANGINGA, static_cast<int>(index), &notified)) return FALSE;
  if ((data = ControlData<HeaderData>(hwnd)) == nullptr || index >= data->items.size()) return FALSE;
  Apply(data->items[index], *item, wide);
  Redraw(hwnd);
  notified = *item;
  if (wide != UnicodeParent(hwnd)) notified.mask &= ~HDI_TEXT;
  NotifyHeader(hwnd, HDN_ITEMCHANGEDW, HDN_ITEMCHANGEDA, static_cast<int>(index), &notified);
  return TRUE;
}

LRESULT Layout(const HeaderData& data, DWORD style, HDLAYOUT* layout) {
  if (layout == nullptr || layout->prc == nullptr || layout->pwpos == nullptr) return FALSE;
  RECT& r = *layout->prc;
  WINDOWPOS& pos = *layout->pwpos;
  const int height = (style & HDS_HIDDEN) ? 0 : Height(data);
  pos.hwnd = nullptr;
  pos.hwndInsertAfter = nullptr;
  pos.x = r.left;
  pos.y = r.top;
  pos.cx = r.right - r.left;
  pos.cy = height;
  pos.flags = 0;
  r.top += height;
  return TRUE;
}

HeaderItemLook Look(HWND hwnd, const HeaderData& data, int index) {
  const HeaderItem& item = data.items[static_cast<std::size_t>(index)];
  HeaderItemLook look;
  look.rect = ItemRect(hwnd, data, index);
  look.text = (item.format & HDF_STRING) || !(item.format & (HDF_IMAGE | HDF_BITMAP)) ? item.text : u"";
  look.format = item.format;
  look.images = data.images;
  look.image = item.image;
  look.font = Font(data);
  look.buttons = (Style(hwnd) & HDS_BUTTONS) != 0;
  look.pressed = data.mode == Mode::Pressing && data.active == index && data.pressedInside;
  look.hot = (Style(hwnd) & HDS_HOTTRACK) && data.hot == index;
  look.ownerDraw = (item.format & HDF_OWNERDRAW) != 0;
  return look;
}

LRESULT CustomDraw(HWND hwnd, NMCUSTOMDRAW& draw, DWORD stage) {
  draw.dwDrawStage = stage;
  return SendNotify(hwnd, NM_CUSTOMDRAW, draw.hdr);
}

void OwnerDraw(HWND hwnd, HDC dc, const HeaderItemLook& look, int index, LPARAM lParam) {
  DRAWITEMSTRUCT dis{};
  dis.CtlType = ODT_HEADER;
  dis.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd));
  dis.itemID = static_cast<UINT>(index);
  dis.itemAction = ODA_DRAWENTIRE;
  dis.itemState = look.pressed ? ODS_SELECTED : 0;
  dis.hwndItem = hwnd;
  dis.hDC = dc;
  dis.rcItem = look.rect;
  dis.itemData = static_cast<ULONG_PTR>(lParam);
  HWND parent = GetParent(hwnd);
  if (parent != nullptr) SendMessageW(parent, WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
}

void Paint(HWND hwnd, HDC dc) {
  HeaderData* data = ControlData<HeaderData>(hwnd);
  if (data == nullptr) return;
  RECT client{};
  GetClientRect(hwnd, &client);
  NMCUSTOMDRAW draw{};
  draw.hdc = dc;
  draw.rc = client;
  const LRESULT global = CustomDraw(hwnd, draw, CDDS_PREPAINT);
  if (global & CDRF_SKIPDEFAULT) return;
  if ((data = ControlData<HeaderData>(hwnd)) == nullptr) return;
  ControlPainter& painter = CurrentPainter();
  HGDIOBJ previousFont = SelectObject(dc, Font(*data));
  int right = 0;
  for (int i = 0; i < Count(*data); ++i) {
    const HeaderItemLook look = Look(hwnd, *data, i);
    const LPARAM lParam = data->items[static_cast<std::size_t>(i)].lParam;
    right = look.rect.right;
    LRESULT answer = CDRF_DODEFAULT;
    if (global & CDRF_NOTIFYITEMDRAW) {
      draw.dwItemSpec = static_cast<DWORD_PTR>(i);
      draw.rc = look.rect;
      draw.uItemState = (look.pressed ? CDIS_SELECTED : 0) | (look.hot ? CDIS_HOT : 0);
      draw.lItemlParam = lParam;
      answer = CustomDraw(hwnd, draw, CDDS_ITEMPREPAINT);
      if ((data = ControlData<HeaderData>(hwnd)) == nullptr || i >= Count(*data)) break;
    }
    if (!(answer & CDRF_SKIPDEFAULT)) {
      painter.HeaderItem(dc, look);
      if (look.ownerDraw) OwnerDraw(hwnd, dc, look, i, lParam);
    }
    if (answer & CDRF_NOTIFYPOSTPAINT) CustomDraw(hwnd, draw, CDDS_ITEMPOSTPAINT);
    if ((data = ControlData<HeaderData>(hwnd)) == nullptr) break;
  }
  painter.HeaderRest(dc, RECT{right, client.top, client.right, client.bottom}, (Style(hwnd) & HDS_BUTTONS) != 0);
  SelectObject(dc, previousFont);
  if (global & CDRF_NOTIFYPOSTPAINT) {
    draw.dwItemSpec = 0;
    draw.rc = client;
    CustomDraw(hwnd, draw, CDDS_POSTPAINT);
  }
}

// The tracking line of a drag without HDS_FULLDRAG, drawn over the header.
void ToggleTrackLine(HWND hwnd, int x) {
  if (x < 0) return;
  RECT client{};
  GetClientRect(hwnd, &client);
  HDC dc = GetDC(hwnd);
  CurrentPainter().HeaderTrackLine(dc, RECT{x, client.top, x + 1, client.bottom});
  ReleaseDC(hwnd, dc);
}

void MoveTrackLine(HWND hwnd, HeaderData& data, int x) {
  ToggleTrackLine(hwnd, data.trackLine);
  data.trackLine = x;
  ToggleTrackLine(hwnd, data.trackLine);
}

void EndMode(HWND hwnd, HeaderData& data) {
  const Mode mode = data.mode;
  data.mode = Mode::Idle;
  if (data.trackLine >= 0) MoveTrackLine(hwnd, data, -1);
  if (GetCapture() == hwnd) ReleaseCapture();
  if (mode == Mode::Pressing) Redraw(hwnd);
}

void LButtonDown(HWND hwnd, HeaderData& data, POINT p) {
  if (data.mode != Mode::Idle) return;
  HDHITTESTINFO hit{p, 0, -1};
  HitTest(hwnd, data, hit);
  if (hit.flags & (HHT_ONDIVIDER | HHT_ONDIVOPEN)) {
    const int index = hit.iItem;
    const int width = data.items[static_cast<std::size_t>(index)].width;
    HDITEMW item = WidthItem(width);
    if (NotifyHeader(hwnd, HDN_BEGINTRACKW, HDN_BEGINTRACKA, index, &item)) return;  // refused
    HeaderData* current = ControlData<HeaderData>(hwnd);
    if (current == nullptr || index >= Count(*current)) return;
    current->mode = Mode::Tracking;
    current->active = index;
    current->trackStartWidth = width;
    current->trackWidth = width;
    current->trackOffset = p.x - ItemRect(hwnd, *current, index).right;
    SetCapture(hwnd);
    if (!(Style(hwnd) & HDS_FULLDRAG)) MoveTrackLine(hwnd, *current, ItemRect(hwnd, *current, index).right);
    return;
  }
  if ((hit.flags & HHT_ONHEADER) && (Style(hwnd) & HDS_BUTTONS)) {
    data.mode = Mode::Pressing;
    data.active = hit.iItem;
    data.pressedInside = true;
    SetCapture(hwnd);
    Redraw(hwnd);
  }
}

void Track(HWND hwnd, HeaderData& data, POINT p) {
  const int index = data.active;
  const int left = ItemRect(hwnd, data, index).left;
  const int width = std::max(0, p.x - data.trackOffset - left);
  if (width == data.trackWidth) return;
  HDITEMW item = WidthItem(width);
  if (NotifyHeader(hwnd, HDN_TRACKW, HDN_TRACKA, index, &item)) {
    // The parent ends the drag here; the width stays as it was shown.
    HeaderData* current = ControlData<HeaderData>(hwnd);
    if (current == nullptr) return;
    EndMode(hwnd, *current);
    return;
  }
  HeaderData* current = ControlData<HeaderData>(hwnd);
  if (current == nullptr || current->mode != Mode::Tracking) return;
  current->trackWidth = width;
  if (Style(hwnd) & HDS_FULLDRAG) {
    ChangeWidth(hwnd, index, width);
  } else {
    MoveTrackLine(hwnd, *current, left + width);
  }
}

void UpdateHot(HWND hwnd, HeaderData& data, POINT p) {
  if (!(Style(hwnd) & HDS_HOTTRACK)) return;
  HDHITTESTINFO hit{p, 0, -1};
  HitTest(hwnd, data, hit);
  const int hot = (hit.flags & HHT_ONHEADER) ? hit.iItem : -1;
  if (!data.mouseTracked) {
    TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, hwnd, 0};
    data.mouseTracked = TrackMouseEvent(&track) != FALSE;
  }
  if (hot == data.hot) return;
  data.hot = hot;
  Redraw(hwnd);
}

void MouseMove(HWND hwnd, HeaderData& data, POINT p) {
  if (data.mode == Mode::Tracking) {
    Track(hwnd, data, p);
    return;
  }
  if (data.mode == Mode::Pressing) {
    HDHITTESTINFO hit{p, 0, -1};
    HitTest(hwnd, data, hit);
    const bool inside = (hit.flags & HHT_ONHEADER) && hit.iItem == data.active;
    if (inside != data.pressedInside) {
      data.pressedInside = inside;
      Redraw(hwnd);
    }
    return;
  }
  UpdateHot(hwnd, data, p);
}

void LButtonUp(HWND hwnd, HeaderData& data) {
  const Mode mode = data.mode;
  const int index = data.active;
  if (mode == Mode::Tracking) {
    const int width = data.trackWidth;
    const int start = data.trackStartWidth;
    EndMode(hwnd, data);
    HDITEMW item = WidthItem(width);
    NotifyHeader(hwnd, HDN_ENDTRACKW, HDN_ENDTRACKA, index, &item);
    HeaderData* current = ControlData<HeaderData>(hwnd);
    if (current == nullptr || index >= Count(*current)) return;
    if (!(Style(hwnd) & HDS_FULLDRAG) && width != start) ChangeWidth(hwnd, index, width);
    return;
  }
  if (mode == Mode::Pressing) {
    const bool inside = data.pressedInside;
    EndMode(hwnd, data);
    if (inside) NotifyHeader(hwnd, HDN_ITEMCLICKW, HDN_ITEMCLICKA, index, nullptr);
  }
}

// Escape during a drag puts the width back.
void CancelTracking(HWND hwnd, HeaderData& data) {
  if (data.mode != Mode::Tracking) return;
  const int index = data.active;
  const int start = data.trackStartWidth;
  const bool fullDrag = (Style(hwnd) & HDS_FULLDRAG) != 0;
  EndMode(hwnd, data);
  HDITEMW item = WidthItem(start);
  NotifyHeader(hwnd, HDN_ENDTRACKW, HDN_ENDTRACKA, index, &item);
  HeaderData* current = ControlData<HeaderData>(hwnd);
  if (fullDrag && current != nullptr && index < Count(*current)) ChangeWidth(hwnd, index, start);
}

LRESULT SetCursorOnDivider(HWND hwnd, HeaderData& data, WPARAM wParam, LPARAM lParam) {
  POINT p{};
  GetCursorPos(&p);
  ScreenToClient(hwnd, &p);
  HDHITTESTINFO hit{p, 0, -1};
  HitTest(hwnd, data, hit);
  if (data.mode == Mode::Tracking || (hit.flags & (HHT_ONDIVIDER | HHT_ONDIVOPEN))) {
    SetCursor(LoadCursorW(nullptr, IDC_SIZEWE));
    return TRUE;
  }
  return DefWindowProcW(hwnd, WM_SETCURSOR, wParam, lParam);
}

LRESULT Messages(HWND hwnd, HeaderData& data, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case HDM_GETITEMCOUNT:
      return Count(data);
    case HDM_INSERTITEMA:
    case HDM_INSERTITEMW:
      return InsertItem(hwnd, data, wParam, reinterpret_cast<const HDITEMW*>(lParam), message == HDM_INSERTITEMW);
    case HDM_DELETEITEM:
      if (wParam >= data.items.size()) return FALSE;
      if (data.mode != Mode::Idle) EndMode(hwnd, data);
      data.items.erase(data.items.begin() + static_cast<std::ptrdiff_t>(wParam));
      data.hot = -1;
      Redraw(hwnd);
      return TRUE;
    case HDM_GETITEMA:
    case HDM_GETITEMW:
      return GetItem(data, wParam, reinterpret_cast<HDITEMW*>(lParam), message == HDM_GETITEMW);
    case HDM_SETITEMA:
    case HDM_SETITEMW:
      return SetItem(hwnd, wParam, reinterpret_cast<const HDITEMW*>(lParam), message == HDM_SETITEMW);
    case HDM_GETITEMRECT:
      if (lParam == 0 || wParam >= data.items.size()) return FALSE;
      *reinterpret_cast<RECT*>(lParam) = ItemRect(hwnd, data, static_cast<int>(wParam));
      return TRUE;
    case HDM_LAYOUT:
      return Layout(data, Style(hwnd), reinterpret_cast<HDLAYOUT*>(lParam));
    case HDM_HITTEST: {
      auto* info = reinterpret_cast<HDHITTESTINFO*>(lParam);
      if (info == nullptr) return -1;
      HitTest(hwnd, data, *info);
      return info->iItem;
    }
    case HDM_GETIMAGELIST:
      return reinterpret_cast<LRESULT>(data.images);
    case HDM_SETIMAGELIST: {
      HIMAGELIST previous = data.images;
      data.images = reinterpret_cast<HIMAGELIST>(lParam);
      Redraw(hwnd);
      return reinterpret_cast<LRESULT>(previous);
    }
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

LRESULT HeaderProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    AttachControlData(hwnd, new HeaderData);
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  HeaderData* data = ControlData<HeaderData>(hwnd);
  if (data == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  switch (message) {
    case WM_DESTROY:
      EndMode(hwnd, *data);
      return 0;
    case WM_NCDESTROY:
      delete DetachControlData<HeaderData>(hwnd);
      return DefWindowProcW(hwnd, message, wParam, lParam);
    case WM_PAINT:
    case WM_PRINTCLIENT:
      return PaintControl(hwnd, wParam, [&](HDC dc) { Paint(hwnd, dc); });
    case WM_ERASEBKGND:
      return 1;  // painting covers the whole client area
    case WM_SETFONT:
      data->font = reinterpret_cast<HFONT>(wParam);
      if (LOWORD(lParam)) Redraw(hwnd);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(data->font);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      LButtonDown(hwnd, *data, point);
      return 0;
    case WM_MOUSEMOVE:
      MouseMove(hwnd, *data, point);
      return 0;
    case WM_LBUTTONUP:
      LButtonUp(hwnd, *data);
      return 0;
    case WM_MOUSELEAVE:
      data->mouseTracked = false;
      if (data->hot != -1) {
        data->hot = -1;
        Redraw(hwnd);
      }
      return 0;
    case WM_KEYDOWN:
      if (wParam == VK_ESCAPE) CancelTracking(hwnd, *data);
      return 0;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != hwnd && data->mode != Mode::Idle) EndMode(hwnd, *data);
      return 0;
    case WM_SETCURSOR:
      return SetCursorOnDivider(hwnd, *data, wParam, lParam);
    case WM_SIZE:
      Redraw(hwnd);
      return 0;
    default:
      return Messages(hwnd, *data, message, wParam, lParam);
  }
}

}  // namespace

void RegisterHeaderClass() { RegisterControlClass(WC_HEADERW, HeaderProc, CS_DBLCLKS, IDC_ARROW); }

}  // namespace platform
