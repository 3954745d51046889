// The "ScrollBar" class: a scroll bar standing alone (SBS_HORZ, SBS_VERT),
// or a size box / size grip (SBS_SIZEBOX, SBS_SIZEGRIP) that sizes its
// top-level window. Its state and its tracking loop are the window bars'
// own (SB_CTL); requests go to the parent with the control in lParam.
#include "platform/controls/classic_look.h"
#include "platform/controls/control_data.h"
#include "platform/user/scrollbar_internal.h"

namespace platform {
namespace {

DWORD Style(HWND hwnd) { return static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE)); }
bool IsSizeBox(DWORD style) { return (style & (SBS_SIZEBOX | SBS_SIZEGRIP)) != 0; }

// The alignment styles give the bar (or the box) its standard thickness
// at one side of the rectangle it was created with.
void Align(HWND hwnd, const CREATESTRUCTW& cs) {
  const DWORD style = static_cast<DWORD>(cs.style);
  int x = cs.x, y = cs.y, cx = cs.cx, cy = cs.cy;
  const int width = GetSystemMetrics(SM_CXVSCROLL), height = GetSystemMetrics(SM_CYHSCROLL);
  const bool first = (style & SBS_TOPALIGN) != 0, last = (style & SBS_BOTTOMALIGN) != 0;
  if (!first && !last) return;
  if (IsSizeBox(style)) {
    if (last) {
      x += cx - width;
      y += cy - height;
    }
    cx = width;
    cy = height;
  } else if (style & SBS_VERT) {
    if (last) x += cx - width;
    cx = width;
  } else {
    if (last) y += cy - height;
    cy = height;
  }
  MoveWindow(hwnd, x, y, cx, cy, FALSE);
}

void Paint(HWND hwnd, HDC dc) {
  RECT client{};
  GetClientRect(hwnd, &client);
  const DWORD style = Style(hwnd);
  ControlPainter& painter = CurrentPainter();
  if (IsSizeBox(style)) {
    painter.SizeBox(dc, client, (style & SBS_SIZEGRIP) != 0);
    return;
  }
  const ScrollBarState* state = ScrollBarStateOf(hwnd, SB_CTL);
  if (state == nullptr) return;
  ScrollBarState shown = *state;
  if (style & WS_DISABLED) shown.disabledArrows = ESB_DISABLE_BOTH;
  const bool vertical = (style & SBS_VERT) != 0;
  const int length = vertical ? client.bottom - client.top : client.right - client.left;
  painter.ScrollBar(dc, client, MakeScrollBarLook(shown, vertical, length, ScrollArrowSize(vertical)));
}

// A key's request, or -1 for keys the bar does not take.
int KeyRequest(WPARAM key) {
  switch (key) {
    case VK_UP: case VK_LEFT: return SB_LINEUP;
    case VK_DOWN: case VK_RIGHT: return SB_LINEDOWN;
    case VK_PRIOR: return SB_PAGEUP;
    case VK_NEXT: return SB_PAGEDOWN;
    case VK_HOME: return SB_TOP;
    case VK_END: return SB_BOTTOM;
    default: return -1;
  }
}

void NotifyParent(HWND hwnd, WORD code) {
  HWND parent = GetParent(hwnd);
  if (parent == nullptr) return;
  SendMessageW(parent, (Style(hwnd) & SBS_VERT) ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(code, 0),
               reinterpret_cast<LPARAM>(hwnd));
}

void Press(HWND hwnd, LPARAM lParam) {
  if (!IsWindowEnabled(hwnd)) return;
  POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  ClientToScreen(hwnd, &p);
  if (IsSizeBox(Style(hwnd))) {
    // The box sizes its top-level window from the bottom-right corner.
    SendMessageW(GetAncestor(hwnd, GA_ROOT), WM_SYSCOMMAND, SC_SIZE + WMSZ_BOTTOMRIGHT, MAKELPARAM(p.x, p.y));
    return;
  }
  if (Style(hwnd) & WS_TABSTOP) SetFocus(hwnd);
  TrackScrollBar(hwnd, SB_CTL, p);
}

LRESULT SetRange(HWND hwnd, int min, int max, bool redraw) {
  ScrollBarState* state = ScrollBarStateOf(hwnd, SB_CTL);
  const int previous = state->pos;
  SCROLLINFO info{sizeof(SCROLLINFO), SIF_RANGE, min, max, 0, 0, 0};
  const int pos = SetScrollBarInfo(hwnd, SB_CTL, info, redraw);
  return pos != previous ? previous : 0;
}

bool ValidInfo(LPARAM lParam) {
  const auto* info = reinterpret_cast<const SCROLLINFO*>(lParam);
  return info != nullptr && (info->cbSize == sizeof(SCROLLINFO) || info->cbSize == sizeof(SCROLLINFO) - sizeof(int));
}

LRESULT ScrollBarProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  ScrollBarState* state = ScrollBarStateOf(hwnd, SB_CTL);
  if (state == nullptr) return 0;
  switch (message) {
    case WM_CREATE:
      Align(hwnd, *reinterpret_cast<const CREATESTRUCTW*>(lParam));
      return 0;
    case WM_PAINT:
    case WM_PRINTCLIENT:
      return PaintControl(hwnd, wParam, [&](HDC dc) { Paint(hwnd, dc); });
    case WM_ERASEBKGND:
      return 1;  // painting covers the whole bar
    case WM_ENABLE:
      RedrawScrollBar(hwnd, SB_CTL);
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS;
    case WM_SETCURSOR:
      if (IsSizeBox(Style(hwnd))) {
        SetCursor(LoadCursorW(nullptr, IDC_SIZENWSE));
        return TRUE;
      }
      return DefWindowProcW(hwnd, message, wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      Press(hwnd, lParam);
      return 0;
    case WM_LBUTTONUP:
      return 0;  // the tracking loop took the release; a late one does nothing
    case WM_KEYDOWN: {
      const int request = KeyRequest(wParam);
      if (request >= 0 && !IsSizeBox(Style(hwnd))) NotifyParent(hwnd, static_cast<WORD>(request));
      return 0;
    }
    case WM_KEYUP:
      if (KeyRequest(wParam) >= 0 && !IsSizeBox(Style(hwnd))) NotifyParent(hwnd, SB_ENDSCROLL);
      return 0;
    case SBM_SETPOS: {
      const int previous = state->pos;
      SCROLLINFO info{sizeof(SCROLLINFO), SIF_POS, 0, 0, 0, static_cast<int>(wParam), 0};
      SetScrollBarInfo(hwnd, SB_CTL, info, lParam != 0);
      return previous;
    }
    case SBM_GETPOS:
      return state->pos;
    case SBM_SETRANGE:
    case SBM_SETRANGEREDRAW:
      return SetRange(hwnd, static_cast<int>(wParam), static_cast<int>(lParam), message == SBM_SETRANGEREDRAW);
    case SBM_GETRANGE:
      if (wParam != 0) *reinterpret_cast<int*>(wParam) = state->min;
      if (lParam != 0) *reinterpret_cast<int*>(lParam) = state->max;
      return 0;
    case SBM_ENABLE_ARROWS:
      return EnableScrollBarArrows(hwnd, SB_CTL, static_cast<UINT>(wParam)) ? TRUE : FALSE;
    case SBM_SETSCROLLINFO:
      if (!ValidInfo(lParam)) return 0;
      return SetScrollBarInfo(hwnd, SB_CTL, *reinterpret_cast<const SCROLLINFO*>(lParam), wParam != 0);
    case SBM_GETSCROLLINFO:
      if (!ValidInfo(lParam)) return FALSE;
      ReadScrollInfo(*state, *reinterpret_cast<SCROLLINFO*>(lParam));
      return TRUE;
    case SBM_GETSCROLLBARINFO: {
      auto* info = reinterpret_cast<SCROLLBARINFO*>(lParam);
      if (info == nullptr || info->cbSize != sizeof(SCROLLBARINFO)) return FALSE;
      return GetScrollBarInfoOf(hwnd, SB_CTL, *info) ? TRUE : FALSE;
    }
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

}  // namespace

void RegisterScrollBarClass() {
  RegisterControlClass(u"ScrollBar", ScrollBarProc, CS_DBLCLKS | CS_VREDRAW | CS_HREDRAW | CS_PARENTDC, IDC_ARROW);
}

}  // namespace platform
