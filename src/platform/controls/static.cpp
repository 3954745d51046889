// The "Static" class: text and icons. The parent chooses the brush and
// colours through WM_CTLCOLORSTATIC; text is drawn in the DC's colours and
// background mode as the parent left them.
#include "platform/controls/classic_look.h"
#include "platform/controls/control_data.h"

namespace platform {
namespace {

struct StaticData {
  HFONT font = nullptr;
  HICON icon = nullptr;
};

UINT TextFormat(DWORD style) {
  UINT format = DT_EXPANDTABS;
  switch (style & SS_TYPEMASK) {
    case SS_CENTER: format |= DT_CENTER | DT_WORDBREAK; break;
    case SS_RIGHT: format |= DT_RIGHT | DT_WORDBREAK; break;
    case SS_SIMPLE: format |= DT_LEFT | DT_SINGLELINE; break;
    case SS_LEFTNOWORDWRAP: format |= DT_LEFT; break;
    default: format |= DT_LEFT | DT_WORDBREAK; break;
  }
  if (style & SS_NOPREFIX) format |= DT_NOPREFIX;
  if (style & SS_CENTERIMAGE) format = (format & ~DT_WORDBREAK) | DT_SINGLELINE | DT_VCENTER;
  return format;
}

void Paint(HWND hwnd, HDC dc, StaticData& data) {
  RECT client{};
  GetClientRect(hwnd, &client);
  const DWORD style = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE));
  const DWORD type = style & SS_TYPEMASK;
  HWND parent = GetParent(hwnd);
  HBRUSH brush = reinterpret_cast<HBRUSH>(SendMessageW(parent ? parent : hwnd, WM_CTLCOLORSTATIC,
                                                       reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd)));
  switch (type) {
    case SS_BLACKRECT:
      FillRect(dc, &client, GetSysColorBrush(COLOR_3DDKSHADOW));
      return;
    case SS_GRAYRECT:
      FillRect(dc, &client, GetSysColorBrush(COLOR_3DSHADOW));
      return;
    case SS_WHITERECT:
      FillRect(dc, &client, GetSysColorBrush(COLOR_3DHILIGHT));
      return;
    case SS_ETCHEDHORZ: {
      RECT line{client.left, client.top, client.right, client.top + 2};
      DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
      return;
    }
    default:
      break;
  }
  if (brush != nullptr) FillRect(dc, &client, brush);
  if (type == SS_ICON) {
    if (data.icon != nullptr) {
      int x = 0, y = 0;
      if (style & SS_CENTERIMAGE) {
        x = (client.right - GetSystemMetrics(SM_CXICON)) / 2;
        y = (client.bottom - GetSystemMetrics(SM_CYICON)) / 2;
      }
      DrawIconEx(dc, x, y, data.icon, GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0, nullptr, DI_NORMAL);
    }
    return;
  }
  CurrentPainter().StaticText(dc, client, WindowText(hwnd), data.font ? data.font : DefaultControlFont(),
                              TextFormat(style), !(style & WS_DISABLED));
  if (style & SS_SUNKEN) DrawEdge(dc, &client, BDR_SUNKENOUTER, BF_RECT);
}

void Redraw(HWND hwnd) {
  InvalidateRect(hwnd, nullptr, TRUE);
  UpdateWindow(hwnd);
}

LRESULT StaticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    AttachControlData(hwnd, new StaticData);
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  StaticData* data = ControlData<StaticData>(hwnd);
  if (data == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  const DWORD style = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE));
  switch (message) {
    case WM_NCDESTROY:
      delete DetachControlData<StaticData>(hwnd);
      return DefWindowProcW(hwnd, message, wParam, lParam);
    case WM_NCHITTEST:
      // Without SS_NOTIFY the mouse goes through to the parent.
      return (style & SS_NOTIFY) ? HTCLIENT : HTTRANSPARENT;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (style & SS_NOTIFY) {
        SendMessageW(GetParent(hwnd), WM_COMMAND,
                     MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(hwnd)), message == WM_LBUTTONDOWN ? 0 : 1),
                     reinterpret_cast<LPARAM>(hwnd));
      }
      return 0;
    case WM_PAINT:
    case WM_PRINTCLIENT:
      return PaintControl(hwnd, wParam, [&](HDC dc) { Paint(hwnd, dc, *data); });
    case WM_ERASEBKGND:
      return 1;
    case WM_GETDLGCODE:
      return DLGC_STATIC;
    case WM_SETFONT:
      data->font = reinterpret_cast<HFONT>(wParam);
      if (LOWORD(lParam)) Redraw(hwnd);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(data->font);
    case WM_SETTEXT:
    case WM_ENABLE: {
      const LRESULT result = DefWindowProcW(hwnd, message, wParam, lParam);
      Redraw(hwnd);
      return result;
    }
    case STM_SETICON: {
      const HICON previous = data->icon;
      data->icon = reinterpret_cast<HICON>(wParam);
      // An icon static takes the icon's size unless told to keep its own.
      if ((style & SS_TYPEMASK) == SS_ICON && !(style & (SS_CENTERIMAGE | SS_REALSIZEIMAGE)) && data->icon) {
        SetWindowPos(hwnd, nullptr, 0, 0, GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
      }
      Redraw(hwnd);
      return reinterpret_cast<LRESULT>(previous);
    }
    case STM_GETICON:
      return reinterpret_cast<LRESULT>(data->icon);
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

}  // namespace

void RegisterStaticClass() { RegisterControlClass(u"Static", StaticProc, CS_DBLCLKS | CS_PARENTDC, IDC_ARROW); }

}  // namespace platform
