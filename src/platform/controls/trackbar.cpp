// The "msctls_trackbar32" class: a thumb that slides along a channel over
// a range, with ticks on one side, both or none, and an optional selection
// range shown in the channel. Dragging the thumb, clicking beside it
// (paging, repeated while held) and the arrow, page, Home and End keys move
// the position and tell the parent with WM_HSCROLL / WM_VSCROLL and the TB_*
// codes. Painting asks the parent through NM_CUSTOMDRAW, per part.
#include <algorithm>
#include <vector>

#include "platform/controls/classic_look.h"
#include "platform/controls/control_data.h"

namespace platform {
namespace {

constexpr UINT_PTR kPageTimer = 1;
constexpr UINT kFirstPageDelay = 500;
constexpr UINT kPageDelay = 100;

enum class Mode { Idle, Dragging, Paging };

struct TrackBarData {
  int min = 0;
  int max = 100;
  int position = 0;
  int lineSize = 1;
  int pageSize = 20;
  bool userPageSize = false;
  int ticFreq = 1;
  std::vector<int> tics;  // besides the two ends, in the order they were set
  int selStart = 0;
  int selEnd = 0;
  int thumbLength = 21;
  bool focused = false;
  Mode mode = Mode::Idle;
  int dragOffset = 0;     // from the thumb's leading edge to where it was taken
  int pageDirection = 0;  // -1 towards min, 1 towards max
  bool firstPage = false;
  // Computed from the client area and the style.
  RECT channel{};
  RECT thumb{};
};

DWORD Style(HWND hwnd) { return static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE)); }
bool Vertical(HWND hwnd) { return (Style(hwnd) & TBS_VERT) != 0; }

int Clamp(const TrackBarData& data, int value) { return std::max(data.min, std::min(value, data.max)); }

int ThumbWidth(const TrackBarData& data) { return (data.thumbLength / 2) | 1; }

// The channel and thumb rectangles, as the classic control lays them out.
void Layout(HWND hwnd, TrackBarData& data) {
  const DWORD style = Style(hwnd);
  RECT client{};
  GetClientRect(hwnd, &client);
  const int offsetThumb = data.thumbLength / 4;
  const int offsetEdge = offsetThumb + 3;
  const int thickness = (style & TBS_ENABLESELRANGE) ? offsetThumb * 3 : 4;
  int across = (style & TBS_ENABLESELRANGE) ? (data.thumbLength - thickness + 2) / 2 : data.thumbLength / 2 - 1;
  const bool noTicks = (style & TBS_NOTICKS) != 0;
  if (style & TBS_BOTH) {
    across += noTicks ? 1 : 9;
  } else if (style & TBS_TOP) {
    across += noTicks ? 2 : 10;
  }
  const int thumbAcross = ((style & (TBS_BOTH | TBS_TOP)) && !noTicks) ? 10 : 2;
  const int range = std::max(1, data.max - data.min);
  const int width = ThumbWidth(data);
  if (style & TBS_VERT) {
    data.channel = RECT{client.left + across, client.top + offsetEdge, client.left + across + thickness,
                        client.bottom - offsetEdge};
    const int travel = data.channel.bottom - data.channel.top - width;
    const int top =
        data.channel.top + static_cast<int>(static_cast<long long>(travel) * (data.position - data.min) / range);
    data.thumb = RECT{thumbAcross, top, thumbAcross + data.thumbLength, top + width};
  } else {
    data.channel =
        RECT{client.left + offsetEdge, client.top + across, client.right - offsetEdge, client.top + across + thickness};
    const int travel = data.channel.right - data.channel.left - width;
    const int left =
        data.channel.left + static_cast<int>(static_cast<long long>(travel) * (data.position - data.min) / range);
    data.thumb = RECT{left, thumbAcross, left + width, thumbAcross + data.thumbLength};
  }
}

// Where along the axis a value stands: the thumb's centre at that value.
int PlaceOf(const TrackBarData& data, bool vertical, int value) {
  const int half = ThumbWidth(data) / 2;
  const int start = (vertical ? data.channel.top : data.channel.left) + half;
  const int end = (vertical ? data.channel.bottom : data.channel.right) - half - 1;
  const int range = std::max(1, data.max - data.min);
  return start + static_cast<int>(static_cast<long long>(end - start) * (value - data.min) / range);
}

// The value under a place along the axis (the thumb's leading edge there).
int ValueAt(const TrackBarData& data, bool vertical, int leadingEdge) {
  const int start = vertical ? data.channel.top : data.channel.left;
  const int travel =
      (vertical ? data.channel.bottom - data.channel.top : data.channel.right - data.channel.left) - ThumbWidth(data);
  if (travel <= 0) return data.min;
  const long long range = static_cast<long long>(data.max) - data.min;
  const long long offset = leadingEdge - start;
  const long long value = data.min + (offset * range * 2 + travel) / (2LL * travel);  // rounded
  // Held inside the range (an inverted range gives its minimum).
  if (value > data.max) return Clamp(data, data.max);
  if (value < data.min) return data.min;
  return Clamp(data, static_cast<int>(value));
}

void DefaultPageSize(TrackBarData& data) {
  if (!data.userPageSize) data.pageSize = std::max(1, (data.max - data.min) / 5);
}

// With TBS_AUTOTICKS a tick stands at every multiple of the frequency
// inside the range.
void AutoTics(HWND hwnd, TrackBarData& data) {
  if (!(Style(hwnd) & TBS_AUTOTICKS)) return;
  data.tics.clear();
  if (data.ticFreq <= 0) return;
  for (long long at = static_cast<long long>(data.min) + data.ticFreq; at < data.max; at += data.ticFreq) {
    data.tics.push_back(static_cast<int>(at));
  }
}

void Redraw(HWND hwnd, bool redraw = true) {
  if (redraw) InvalidateRect(hwnd, nullptr, TRUE);
}

bool HasSelection(HWND hwnd, const TrackBarData& data) {
  return (Style(hwnd) & TBS_ENABLESELRANGE) && data.selEnd > data.selStart;
}

TrackBarLook Look(HWND hwnd, TrackBarData& data) {
  Layout(hwnd, data);
  const DWORD style = Style(hwnd);
  TrackBarLook look;
  const bool vertical = (style & TBS_VERT) != 0;
  look.vertical = vertical;
  look.enabled = !(style & WS_DISABLED);
  look.focused = data.focused;
  look.thumbPressed = data.mode == Mode::Dragging;
  look.ticsBefore = (style & TBS_BOTH) || (style & TBS_TOP);
  look.ticsAfter = (style & TBS_BOTH) || !(style & TBS_TOP);
  look.selectionEnabled = (style & TBS_ENABLESELRANGE) != 0;
  GetClientRect(hwnd, &look.client);
  look.channel = data.channel;
  look.thumb = data.thumb;
  if (HasSelection(hwnd, data)) {
    RECT inner = data.channel;
    InflateRect(&inner, -2, -2);
    const int from = PlaceOf(data, vertical, Clamp(data, data.selStart));
    const int to = PlaceOf(data, vertical, Clamp(data, data.selEnd)) + 1;
    look.selection = vertical ? RECT{inner.left, from, inner.right, to} : RECT{from, inner.top, to, inner.bottom};
  }
  look.ticsBeforeFrom = (vertical ? data.thumb.left : data.thumb.top) - 2;
  look.ticsAfterFrom = (vertical ? data.thumb.right : data.thumb.bottom) + 2;
  for (int value : data.tics) {
    if (value <= data.min || value >= data.max) continue;  // the ends are drawn as ends
    look.tics.push_back(TrackBarTic{PlaceOf(data, vertical, value), false, 0});
  }
  look.tics.push_back(TrackBarTic{PlaceOf(data, vertical, data.min), true, 0});
  look.tics.push_back(TrackBarTic{PlaceOf(data, vertical, data.max), true, 0});
  if (HasSelection(hwnd, data)) {
    look.tics.push_back(TrackBarTic{PlaceOf(data, vertical, Clamp(data, data.selStart)), false, -1});
    look.tics.push_back(TrackBarTic{PlaceOf(data, vertical, Clamp(data, data.selEnd)), false, 1});
  }
  return look;
}

LRESULT CustomDraw(HWND hwnd, NMCUSTOMDRAW& draw, DWORD stage) {
  draw.dwDrawStage = stage;
  return SendNotify(hwnd, NM_CUSTOMDRAW, draw.hdr);
}

// Draws one part unless the parent draws it itself (CDRF_SKIPDEFAULT).
template <class Draw>
void DrawItem(HWND hwnd, NMCUSTOMDRAW& draw, LRESULT global, DWORD_PTR item, const RECT& rect, UINT state, Draw paint) {
  LRESULT answer = CDRF_DODEFAULT;
  if (global & CDRF_NOTIFYITEMDRAW) {
    draw.dwItemSpec = item;
    draw.uItemState = state;
    draw.rc = rect;
    answer = CustomDraw(hwnd, draw, CDDS_ITEMPREPAINT);
  }
  if (answer & CDRF_SKIPDEFAULT) return;
  paint();
  if (answer & CDRF_NOTIFYPOSTPAINT) CustomDraw(hwnd, draw, CDDS_ITEMPOSTPAINT);
}

void Paint(HWND hwnd, HDC dc, TrackBarData& data) {
  const TrackBarLook look = Look(hwnd, data);
  const DWORD style = Style(hwnd);
  NMCUSTOMDRAW draw{};
  draw.hdc = dc;
  draw.rc = look.client;
  draw.uItemState = CDIS_DEFAULT;
  const LRESULT global = CustomDraw(hwnd, draw, CDDS_PREPAINT);
  if (global & CDRF_SKIPDEFAULT) return;
  // The background is the parent's, as for static text.
  if (global == CDRF_DODEFAULT || CustomDraw(hwnd, draw, CDDS_PREERASE) == CDRF_DODEFAULT) {
    HWND parent = GetParent(hwnd);
    auto brush = reinterpret_cast<HBRUSH>(SendMessageW(parent ? parent : hwnd, WM_CTLCOLORSTATIC,
                                                       reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd)));
    FillRect(dc, &look.client, brush != nullptr ? brush : GetSysColorBrush(COLOR_3DFACE));
    if (global != CDRF_DODEFAULT) CustomDraw(hwnd, draw, CDDS_POSTERASE);
  }
  ControlPainter& painter = CurrentPainter();
  DrawItem(hwnd, draw, global, TBCD_CHANNEL, look.channel, CDIS_DEFAULT, [&] { painter.TrackBarChannel(dc, look); });
  if (!(style & TBS_NOTICKS)) {
    DrawItem(hwnd, draw, global, TBCD_TICS, look.client, CDIS_DEFAULT, [&] { painter.TrackBarTics(dc, look); });
  }
  if (!(style & TBS_NOTHUMB)) {
    DrawItem(hwnd, draw, global, TBCD_THUMB, look.thumb, look.thumbPressed ? CDIS_HOT : CDIS_DEFAULT,
             [&] { painter.TrackBarThumb(dc, look); });
  }
  painter.TrackBarFocus(dc, look);
  if (global & CDRF_NOTIFYPOSTPAINT) {
    draw.dwItemSpec = 0;
    draw.rc = look.client;
    CustomDraw(hwnd, draw, CDDS_POSTPAINT);
  }
}

void NotifyScroll(HWND hwnd, WORD code, int position = 0) {
  HWND parent = GetParent(hwnd);
  if (parent == nullptr) return;
  SendMessageW(parent, Vertical(hwnd) ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(code, static_cast<WORD>(position)),
               reinterpret_cast<LPARAM>(hwnd));
}

// Moves to `value` for a key or a page click and tells the parent with
// `code`; nothing happens at the end the move goes towards.
void MoveBy(HWND hwnd, TrackBarData& data, int value, WORD code) {
  value = Clamp(data, value);
  if (value == data.position) return;
  data.position = value;
  Redraw(hwnd);
  NotifyScroll(hwnd, code);
}

// -1 when `p` lies before the thumb, 1 after it, 0 on it.
int SideOfThumb(HWND hwnd, const TrackBarData& data, POINT p) {
  const int at = Vertical(hwnd) ? p.y : p.x;
  const int first = Vertical(hwnd) ? data.thumb.top : data.thumb.left;
  const int last = Vertical(hwnd) ? data.thumb.bottom : data.thumb.right;
  return at < first ? -1 : at >= last ? 1 : 0;
}

// One page towards the held pointer, while it is still beyond the thumb.
void PageTowards(HWND hwnd, TrackBarData& data, POINT p) {
  Layout(hwnd, data);
  if (SideOfThumb(hwnd, data, p) != data.pageDirection) return;
  if (data.pageDirection < 0) {
    MoveBy(hwnd, data, data.position - data.pageSize, TB_PAGEUP);
  } else {
    MoveBy(hwnd, data, data.position + data.pageSize, TB_PAGEDOWN);
  }
}

POINT CursorInClient(HWND hwnd) {
  POINT p{};
  GetCursorPos(&p);
  ScreenToClient(hwnd, &p);
  return p;
}

void EndMode(HWND hwnd, TrackBarData& data) {
  const Mode mode = data.mode;
  data.mode = Mode::Idle;
  KillSystemTimer(hwnd, kPageTimer);
  if (GetCapture() == hwnd) ReleaseCapture();
  if (mode == Mode::Dragging) Redraw(hwnd);
}

void LButtonDown(HWND hwnd, TrackBarData* data, POINT p) {
  if (!data->focused) SetFocus(hwnd);
  if ((data = ControlData<TrackBarData>(hwnd)) == nullptr || data->mode != Mode::Idle) return;
  if (Style(hwnd) & TBS_NOTHUMB) return;
  Layout(hwnd, *data);
  const int side = SideOfThumb(hwnd, *data, p);
  RECT client{};
  GetClientRect(hwnd, &client);
  if (side == 0 && PtInRect(&data->thumb, p)) {
    data->mode = Mode::Dragging;
    data->dragOffset = Vertical(hwnd) ? p.y - data->thumb.top : p.x - data->thumb.left;
    SetCapture(hwnd);
    Redraw(hwnd);
    return;
  }
  if (side == 0 || !PtInRect(&client, p)) return;
  data->mode = Mode::Paging;
  data->pageDirection = side;
  data->firstPage = true;
  SetCapture(hwnd);
  SetSystemTimer(hwnd, kPageTimer, kFirstPageDelay);
  PageTowards(hwnd, *data, p);
}

void MouseMove(HWND hwnd, TrackBarData& data, POINT p) {
  if (data.mode != Mode::Dragging || GetCapture() != hwnd) return;
  Layout(hwnd, data);
  const int value = ValueAt(data, Vertical(hwnd), (Vertical(hwnd) ? p.y : p.x) - data.dragOffset);
  if (value == data.position) return;
  data.position = value;
  Redraw(hwnd);
  NotifyScroll(hwnd, TB_THUMBTRACK, value);
}

void LButtonUp(HWND hwnd, TrackBarData* data) {
  const Mode mode = data->mode;
  if (mode == Mode::Idle) return;
  if (mode == Mode::Dragging) NotifyScroll(hwnd, TB_THUMBPOSITION, data->position);
  NotifyScroll(hwnd, TB_ENDTRACK);
  if ((data = ControlData<TrackBarData>(hwnd)) == nullptr) return;
  EndMode(hwnd, *data);
  SendSimpleNotify(hwnd, NM_RELEASEDCAPTURE);
}

void KeyDown(HWND hwnd, TrackBarData& data, WPARAM key) {
  switch (key) {
    case VK_LEFT:
    case VK_UP:
      MoveBy(hwnd, data, data.position - data.lineSize, TB_LINEUP);
      break;
    case VK_RIGHT:
    case VK_DOWN:
      MoveBy(hwnd, data, data.position + data.lineSize, TB_LINEDOWN);
      break;
    case VK_PRIOR:
      MoveBy(hwnd, data, data.position - data.pageSize, TB_PAGEUP);
      break;
    case VK_NEXT:
      MoveBy(hwnd, data, data.position + data.pageSize, TB_PAGEDOWN);
      break;
    case VK_HOME:
      MoveBy(hwnd, data, data.min, TB_TOP);
      break;
    case VK_END:
      MoveBy(hwnd, data, data.max, TB_BOTTOM);
      break;
    default:
      break;
  }
}

bool IsMoveKey(WPARAM key) {
  return key == VK_LEFT || key == VK_UP || key == VK_RIGHT || key == VK_DOWN || key == VK_PRIOR || key == VK_NEXT ||
         key == VK_HOME || key == VK_END;
}

void SetRange(HWND hwnd, TrackBarData& data, int min, int max, bool redraw) {
  const bool changed = min != data.min || max != data.max;
  data.min = min;
  data.max = max;
  data.position = Clamp(data, data.position);
  DefaultPageSize(data);
  if (changed) AutoTics(hwnd, data);
  Redraw(hwnd, redraw);
}

// The selection range exists only with TBS_ENABLESELRANGE.
void SetSelection(HWND hwnd, TrackBarData& data, const int* start, const int* end, bool redraw) {
  if (!(Style(hwnd) & TBS_ENABLESELRANGE)) {
    if (start != nullptr) data.selStart = 0;
    if (end != nullptr) data.selEnd = 0;
    return;
  }
  if (start != nullptr) data.selStart = std::max(*start, data.min);
  if (end != nullptr) data.selEnd = std::min(*end, data.max);
  Redraw(hwnd, redraw);
}

LRESULT Messages(HWND hwnd, TrackBarData& data, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case TBM_GETPOS:
      return data.position;
    case TBM_GETRANGEMIN:
      return data.min;
    case TBM_GETRANGEMAX:
      return data.max;
    case TBM_SETPOS:
      data.position = Clamp(data, static_cast<int>(lParam));
      Redraw(hwnd, wParam != 0);
      return 0;
    case TBM_SETRANGE:
      SetRange(hwnd, data, static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)), wParam != 0);
      return 0;
    case TBM_SETRANGEMIN:
      SetRange(hwnd, data, static_cast<int>(lParam), data.max, wParam != 0);
      return 0;
    case TBM_SETRANGEMAX:
      SetRange(hwnd, data, data.min, static_cast<int>(lParam), wParam != 0);
      return 0;
    case TBM_GETTIC:
      return wParam < data.tics.size() ? data.tics[wParam] : -1;
    case TBM_SETTIC: {
      const int at = static_cast<int>(lParam);
      if ((Style(hwnd) & TBS_NOTICKS) || at < data.min || at > data.max) return FALSE;
      data.tics.push_back(at);
      Redraw(hwnd);
      return TRUE;
    }
    case TBM_CLEARTICS:
      data.tics.clear();
      Redraw(hwnd, wParam != 0);
      return 0;
    case TBM_GETNUMTICS:
      return (Style(hwnd) & TBS_NOTICKS) ? 0 : static_cast<LRESULT>(data.tics.size()) + 2;
    case TBM_SETTICFREQ:
      if (!(Style(hwnd) & TBS_AUTOTICKS)) return 0;
      data.ticFreq = static_cast<int>(wParam);
      AutoTics(hwnd, data);
      Redraw(hwnd);
      return 0;
    case TBM_SETSEL: {
      const int start = static_cast<short>(LOWORD(lParam));
      const int end = static_cast<short>(HIWORD(lParam));
      SetSelection(hwnd, data, &start, &end, wParam != 0);
      return 0;
    }
    case TBM_SETSELSTART: {
      const int start = static_cast<int>(lParam);
      SetSelection(hwnd, data, &start, nullptr, wParam != 0);
      return 0;
    }
    case TBM_SETSELEND: {
      const int end = static_cast<int>(lParam);
      SetSelection(hwnd, data, nullptr, &end, wParam != 0);
      return 0;
    }
    case TBM_GETSELSTART:
      return data.selStart;
    case TBM_GETSELEND:
      return data.selEnd;
    case TBM_CLEARSEL:
      data.selStart = data.selEnd = 0;
      Redraw(hwnd, wParam != 0);
      return 0;
    case TBM_SETPAGESIZE: {
      const int previous = data.pageSize;
      if (static_cast<int>(lParam) == -1) {
        data.userPageSize = false;
        DefaultPageSize(data);
      } else {
        data.userPageSize = true;
        data.pageSize = static_cast<int>(lParam);
      }
      return previous;
    }
    case TBM_GETPAGESIZE:
      return data.pageSize;
    case TBM_SETLINESIZE: {
      const int previous = data.lineSize;
      data.lineSize = static_cast<int>(lParam);
      return previous;
    }
    case TBM_GETLINESIZE:
      return data.lineSize;
    case TBM_GETTHUMBRECT:
      if (lParam != 0) {
        Layout(hwnd, data);
        *reinterpret_cast<RECT*>(lParam) = data.thumb;
      }
      return 0;
    case TBM_GETCHANNELRECT:
      if (lParam != 0) {
        Layout(hwnd, data);
        const RECT& c = data.channel;
        // A vertical bar's channel is reported as if the bar were horizontal.
        *reinterpret_cast<RECT*>(lParam) = Vertical(hwnd) ? RECT{c.top, c.left, c.bottom, c.right} : c;
      }
      return 0;
    case TBM_SETTHUMBLENGTH:
      if (Style(hwnd) & TBS_FIXEDLENGTH) {
        data.thumbLength = std::max(1, static_cast<int>(wParam));
        Redraw(hwnd);
      }
      return 0;
    case TBM_GETTHUMBLENGTH:
      return data.thumbLength;
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

LRESULT TrackBarProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* data = new TrackBarData;
    if (Style(hwnd) & TBS_ENABLESELRANGE) data->thumbLength = 23;
    AttachControlData(hwnd, data);
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  TrackBarData* data = ControlData<TrackBarData>(hwnd);
  if (data == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  switch (message) {
    case WM_CREATE:
      AutoTics(hwnd, *data);
      return 0;
    case WM_DESTROY:
      EndMode(hwnd, *data);
      return 0;
    case WM_NCDESTROY:
      delete DetachControlData<TrackBarData>(hwnd);
      return DefWindowProcW(hwnd, message, wParam, lParam);
    case WM_PAINT:
    case WM_PRINTCLIENT:
      return PaintControl(hwnd, wParam, [&](HDC dc) { Paint(hwnd, dc, *data); });
    case WM_ERASEBKGND:
      return 1;  // painting fills the background
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      data->focused = message == WM_SETFOCUS;
      if (!data->focused) EndMode(hwnd, *data);
      Redraw(hwnd);
      return 0;
    case WM_ENABLE:
      if (!wParam) EndMode(hwnd, *data);
      Redraw(hwnd);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      LButtonDown(hwnd, data, point);
      return 0;
    case WM_MOUSEMOVE:
      MouseMove(hwnd, *data, point);
      return 0;
    case WM_LBUTTONUP:
      LButtonUp(hwnd, data);
      return 0;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != hwnd && data->mode != Mode::Idle) EndMode(hwnd, *data);
      return 0;
    case WM_SYSTIMER:
      if (wParam != kPageTimer) return 0;
      if (data->mode != Mode::Paging) {
        KillSystemTimer(hwnd, kPageTimer);
        return 0;
      }
      if (data->firstPage) {
        data->firstPage = false;
        SetSystemTimer(hwnd, kPageTimer, kPageDelay);
      }
      PageTowards(hwnd, *data, CursorInClient(hwnd));
      return 0;
    case WM_KEYDOWN:
      KeyDown(hwnd, *data, wParam);
      return 0;
    case WM_KEYUP:
      if (IsMoveKey(wParam)) NotifyScroll(hwnd, TB_ENDTRACK);
      return 0;
    case WM_SIZE:
    case WM_STYLECHANGED:
      Redraw(hwnd);
      return DefWindowProcW(hwnd, message, wParam, lParam);
    default:
      return Messages(hwnd, *data, message, wParam, lParam);
  }
}

}  // namespace

void RegisterTrackBarClass() { RegisterControlClass(TRACKBAR_CLASSW, TrackBarProc, CS_DBLCLKS, IDC_ARROW); }

}  // namespace platform
