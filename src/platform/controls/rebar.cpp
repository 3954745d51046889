// The "ReBarWindow32" class: bands in rows, each with a header (gripper,
// image, title) and a child window the bar keeps in its band. The bar's
// height follows its bands: it resizes itself in its parent (unless
// CCS_NORESIZE) and tells the parent with RBN_HEIGHTCHANGE. Bands are
// dragged by their grippers across and between rows.
#include "platform/controls/rebar_internal.h"

namespace platform {
namespace {

using namespace rebar;

LRESULT SetBarInfo(HWND hwnd, RebarData& data, LPARAM lParam) {
  const auto* info = reinterpret_cast<const REBARINFO*>(lParam);
  if (info == nullptr || info->cbSize < sizeof(REBARINFO)) return FALSE;
  if (info->fMask & RBIM_IMAGELIST) {
    data.images = info->himl;
    int cx = 0;
    int cy = 0;
    data.imageSize = data.images != nullptr && ImageList_GetIconSize(data.images, &cx, &cy) ? SIZE{cx, cy} : SIZE{0, 0};
  }
  Layout(hwnd, data);
  return TRUE;
}

LRESULT GetBarInfo(const RebarData& data, LPARAM lParam) {
  auto* info = reinterpret_cast<REBARINFO*>(lParam);
  if (info == nullptr || info->cbSize < sizeof(REBARINFO)) return FALSE;
  if (info->fMask & RBIM_IMAGELIST) info->himl = data.images;
  return TRUE;
}

int RowHeight(const RebarData& data, WPARAM index) {
  if (index >= data.bands.size()) return 0;
  const Band& b = data.bands[index];
  return b.row < 0 ? 0 : b.rect.bottom - b.rect.top;
}

LRESULT ShowBand(HWND hwnd, RebarData& data, WPARAM index, bool show) {
  if (index >= data.bands.size()) return FALSE;
  Band& b = data.bands[index];
  if (show == !IsHidden(b)) return TRUE;
  b.style = show ? (b.style & ~RBBS_HIDDEN) : (b.style | RBBS_HIDDEN);
  ShowChild(b);
  Layout(hwnd, data);
  return TRUE;
}

LRESULT MoveBand(HWND hwnd, RebarData& data, WPARAM from, LPARAM to) {
  const auto target = static_cast<std::size_t>(to);
  if (from >= data.bands.size() || target >= data.bands.size()) return FALSE;
  if (data.drag.band >= 0) EndDrag(hwnd, data);
  Band band = data.bands[from];
  data.bands.erase(data.bands.begin() + static_cast<std::ptrdiff_t>(from));
  data.bands.insert(data.bands.begin() + static_cast<std::ptrdiff_t>(target), band);
  Layout(hwnd, data);
  return TRUE;
}

// RB_BEGINDRAG and RB_DRAGMOVE take a client point, or -1 for the cursor.
POINT DragPoint(HWND hwnd, LPARAM lParam) {
  POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  if (static_cast<DWORD>(lParam) == 0xFFFFFFFFu) {
    GetCursorPos(&at);
    ScreenToClient(hwnd, &at);
  }
  return at;
}

LRESULT Messages(HWND hwnd, RebarData& data, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case RB_INSERTBANDA:
    case RB_INSERTBANDW:
      return InsertBand(hwnd, data, wParam, lParam, message == RB_INSERTBANDW);
    case RB_DELETEBAND:
      return DeleteBand(hwnd, data, wParam);
    case RB_SETBANDINFOA:
    case RB_SETBANDINFOW:
      return SetBandInfo(hwnd, data, wParam, lParam, message == RB_SETBANDINFOW);
    case RB_GETBANDINFOA:
    case RB_GETBANDINFOW:
      return GetBandInfo(data, wParam, lParam, message == RB_GETBANDINFOW);
    case RB_GETBANDCOUNT:
      return static_cast<LRESULT>(data.bands.size());
    case RB_GETROWCOUNT:
      return data.rowCount;
    case RB_GETROWHEIGHT:
      return RowHeight(data, wParam);
    case RB_GETBARHEIGHT:
      return data.height;
    case RB_GETRECT: {
      auto* rect = reinterpret_cast<RECT*>(lParam);
      if (wParam >= data.bands.size() || rect == nullptr) return FALSE;
      const Band& b = data.bands[wParam];
      *rect = b.row < 0 ? RECT{} : b.rect;
      return TRUE;
    }
    case RB_GETBANDBORDERS: {
      auto* rect = reinterpret_cast<RECT*>(lParam);
      if (wParam >= data.bands.size() || rect == nullptr) return 0;
      const Band& b = data.bands[wParam];
      const int edge = (b.style & RBBS_CHILDEDGE) ? kChildEdge : 0;
      *rect = RECT{b.header, edge, kPostChild, edge};
      return 0;
    }
    case RB_SETBKCOLOR:
    case RB_SETTEXTCOLOR: {
      COLORREF& colour = message == RB_SETBKCOLOR ? data.back : data.text;
      const COLORREF previous = colour;
      colour = static_cast<COLORREF>(lParam);
      InvalidateRect(hwnd, nullptr, TRUE);
      return static_cast<LRESULT>(previous);
    }
    case RB_GETBKCOLOR:
      return static_cast<LRESULT>(data.back);
    case RB_GETTEXTCOLOR:
      return static_cast<LRESULT>(data.text);
    case RB_SETBARINFO:
      return SetBarInfo(hwnd, data, lParam);
    case RB_GETBARINFO:
      return GetBarInfo(data, lParam);
    case RB_SETPARENT: {
      HWND previous = data.notify != nullptr ? data.notify : GetParent(hwnd);
      data.notify = reinterpret_cast<HWND>(wParam);
      return reinterpret_cast<LRESULT>(previous);
    }
    case RB_IDTOINDEX:
      for (std::size_t i = 0; i < data.bands.size(); ++i) {
        if (data.bands[i].id == static_cast<UINT>(wParam)) return static_cast<LRESULT>(i);
      }
      return -1;
    case RB_HITTEST: {
      auto* info = reinterpret_cast<RBHITTESTINFO*>(lParam);
      if (info == nullptr) return -1;
      info->iBand = HitTest(data, info->pt, &info->flags);
      return info->iBand;
    }
    case RB_SHOWBAND:
      return ShowBand(hwnd, data, wParam, lParam != 0);
    case RB_MAXIMIZEBAND:
      if (wParam < data.bands.size()) MaximizeBand(hwnd, data, wParam, lParam != 0);
      return 0;
    case RB_MINIMIZEBAND:
      if (wParam < data.bands.size()) MinimizeBand(hwnd, data, wParam);
      return 0;
    case RB_MOVEBAND:
      return MoveBand(hwnd, data, wParam, lParam);
    case RB_BEGINDRAG:
      BeginDrag(hwnd, data, wParam, DragPoint(hwnd, lParam));
      return 0;
    case RB_DRAGMOVE:
      DragTo(hwnd, data, DragPoint(hwnd, lParam));
      return 0;
    case RB_ENDDRAG:
      EndDrag(hwnd, data);
      return 0;
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

LRESULT RebarProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    AttachControlData(hwnd, new RebarData);
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  RebarData* data = ControlData<RebarData>(hwnd);
  if (data == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  switch (message) {
    case WM_CREATE:
      Layout(hwnd, *data);
      return 0;
    case WM_NCDESTROY:
      delete DetachControlData<RebarData>(hwnd);
      return DefWindowProcW(hwnd, message, wParam, lParam);
    case WM_NCCALCSIZE: {
      const LRESULT result = DefWindowProcW(hwnd, message, wParam, lParam);
      if (!(Style(hwnd) & CCS_NODIVIDER) && lParam != 0) reinterpret_cast<RECT*>(lParam)->top += kDivider;
      return result;
    }
    case WM_NCPAINT:
      DefWindowProcW(hwnd, message, wParam, lParam);
      NcPaint(hwnd);
      return 0;
    case WM_PAINT:
    case WM_PRINTCLIENT:
      return PaintControl(hwnd, wParam, [&](HDC dc) { Paint(dc, *data); });
    case WM_ERASEBKGND:
      EraseBackground(hwnd, reinterpret_cast<HDC>(wParam), *data);
      return 1;
    case WM_SETFONT:
      data->font = reinterpret_cast<HFONT>(wParam);
      Layout(hwnd, *data);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(data->font);
    case WM_SIZE:
      // Its own move, a size given by someone else, or the parent passing
      // its WM_SIZE on: the bands follow the width; the bar its parent.
      Layout(hwnd, *data);
      return 0;
    case WM_STYLECHANGED:
      Layout(hwnd, *data);
      return DefWindowProcW(hwnd, message, wParam, lParam);
    case WM_SETCURSOR: {
      POINT at{};
      GetCursorPos(&at);
      ScreenToClient(hwnd, &at);
      UINT part = 0;
      if (LOWORD(lParam) == HTCLIENT && HitTest(*data, at, &part) >= 0 && part == RBHT_GRABBER) {
        SetCursor(LoadCursorW(nullptr, IDC_SIZEWE));
        return TRUE;
      }
      return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      MouseDown(hwnd, *data, point, message == WM_LBUTTONDBLCLK);
      return 0;
    case WM_MOUSEMOVE:
      MouseMove(hwnd, *data, point);
      return 0;
    case WM_LBUTTONUP:
      MouseUp(hwnd, *data);
      return 0;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != hwnd && data->drag.byMouse) data->drag = Drag{};
      return 0;
    default:
      return Messages(hwnd, *data, message, wParam, lParam);
  }
}

}  // namespace

void RegisterRebarClass() { RegisterControlClass(REBARCLASSNAMEW, RebarProc, CS_DBLCLKS, IDC_ARROW); }

}  // namespace platform
