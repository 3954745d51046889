// The default window procedure.
#include <cstring>

#include "platform/display/display.h"
#include "platform/gdi/gdi.h"
#include "platform/gdi/region.h"
#include "platform/user/nonclient.h"
#include "platform/user/paint_internal.h"
#include "platform/user/syscommand.h"
#include "platform/user/window_object.h"

namespace platform {
namespace {

// Alt pressed and released with no other key in between opens the menu
// (SC_KEYMENU with character 0).
bool& AltAlone() {
  static bool alone = false;
  return alone;
}

POINT PointFromLParam(LPARAM lParam) { return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

void SetTextFrom(WindowObject& w, LPARAM text, bool unicode) {
  if (text == 0) {
    w.text.clear();
  } else if (unicode) {
    w.text = reinterpret_cast<LPCWSTR>(text);
  } else {
    w.text = AnsiToWideString(reinterpret_cast<LPCSTR>(text));
  }
}

LRESULT GetText(const WindowObject& w, WPARAM size, LPARAM buffer, bool unicode) {
  if (buffer == 0 || size == 0) return 0;
  if (unicode) {
    auto* out = reinterpret_cast<LPWSTR>(buffer);
    const std::size_t count = std::min(w.text.size(), static_cast<std::size_t>(size - 1));
    std::memcpy(out, w.text.data(), count * sizeof(WCHAR));
    out[count] = 0;
    return static_cast<LRESULT>(count);
  }
  const AnsiString ansi = WideToAnsiString(w.text);
  auto* out = reinterpret_cast<LPSTR>(buffer);
  std::size_t count = 0;
  // Whole characters only.
  while (count < ansi.size()) {
    const std::size_t step = (static_cast<BYTE>(ansi[count]) >= 0x81 && count + 1 < ansi.size()) ? 2 : 1;
    if (count + step > static_cast<std::size_t>(size - 1)) break;
    count += step;
  }
  std::memcpy(out, ansi.data(), count);
  out[count] = 0;
  return static_cast<LRESULT>(count);
}

// The frame of a window with a caption is repainted through WM_NCPAINT,
// never drawn directly, so that a subclass painting its own frame sees it.
void RefreshCaption(HWND hwnd) {
  WindowObject* w = PeekWindowObject(hwnd);
  if (w == nullptr || (w->style & WS_CAPTION) != WS_CAPTION || !IsReallyVisible(*w)) return;
  // Only the frame: the client area keeps its pixels.
  Region frame(RECT{0, 0, w->window.right - w->window.left, w->window.bottom - w->window.top});
  frame.Subtract(RECT{w->client.left - w->window.left, w->client.top - w->window.top,
                      w->client.right - w->window.left, w->client.bottom - w->window.top});
  InvalidateInternal(hwnd, &frame, RDW_INVALIDATE | RDW_FRAME | RDW_NOCHILDREN | RDW_NOERASE);
}

HBRUSH ClassBackground(const WindowObject& w) {
  HBRUSH brush = w.cls->background;
  const auto value = reinterpret_cast<ULONG_PTR>(brush);
  // COLOR_xxx + 1 stands for the system colour's brush.
  if (value > 0 && value <= 31) return GetSysColorBrush(static_cast<int>(value - 1));
  return brush;
}

LRESULT ControlColour(UINT message, HDC dc) {
  if (message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX) {
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
  }
  if (message == WM_CTLCOLORSCROLLBAR) {
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(COLOR_SCROLLBAR));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_SCROLLBAR));
  }
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(dc, GetSysColor(COLOR_3DFACE));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_3DFACE));
}

void HandleWindowPosChanged(HWND hwnd, const WINDOWPOS& pos) {
  WindowObject* w = PeekWindowObject(hwnd);
  if (w == nullptr) return;
  const RECT client = w->client;
  if (!(pos.flags & SWP_NOCLIENTMOVE)) {
    SendMessageW(hwnd, WM_MOVE, 0, MAKELPARAM(static_cast<WORD>(client.left), static_cast<WORD>(client.top)));
  }
  if (!(pos.flags & SWP_NOCLIENTSIZE) || (pos.flags & SWP_STATECHANGED)) {
    if (IsIconic(hwnd)) {
      SendMessageW(hwnd, WM_SIZE, SIZE_MINIMIZED, 0);
    } else {
      const WPARAM type = IsZoomed(hwnd) ? SIZE_MAXIMIZED : SIZE_RESTORED;
      SendMessageW(hwnd, WM_SIZE, type,
                   MAKELPARAM(static_cast<WORD>(client.right - client.left), static_cast<WORD>(client.bottom - client.top)));
    }
  }
}

void HandleWindowPosChanging(HWND hwnd, WINDOWPOS& pos) {
  WindowObject* w = PeekWindowObject(hwnd);
  if (w == nullptr || (pos.flags & SWP_NOSIZE)) return;
  if ((w->style & WS_THICKFRAME) || !(w->style & (WS_POPUP | WS_CHILD))) {
    const MINMAXINFO info = GetMinMaxInfo(hwnd);
    pos.cx = std::min<int>(pos.cx, info.ptMaxTrackSize.x);
    pos.cy = std::min<int>(pos.cy, info.ptMaxTrackSize.y);
    if (!IsIconic(hwnd)) {
      pos.cx = std::max<int>(pos.cx, info.ptMinTrackSize.x);
      pos.cy = std::max<int>(pos.cy, info.ptMinTrackSize.y);
    }
  }
}

LRESULT HandleSetCursor(HWND hwnd, WPARAM wParam, LPARAM lParam) {
  WindowObject* w = PeekWindowObject(hwnd);
  if (w == nullptr) return FALSE;
  const auto hit = static_cast<SHORT>(LOWORD(static_cast<DWORD_PTR>(lParam)));
  if (w->IsChild() && (hit < HTSIZEFIRST || hit > HTSIZELAST)) {
    // The parent may choose the cursor first.
    const HWND parent = w->parent;
    if (parent != DesktopHandle() && SendMessageW(parent, WM_SETCURSOR, wParam, lParam)) return TRUE;
    if ((w = PeekWindowObject(hwnd)) == nullptr) return FALSE;
  }
  switch (hit) {
    case HTERROR: {
      const WORD message = HIWORD(static_cast<DWORD_PTR>(lParam));
      if (message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN) MessageBeep(0);
      break;
    }
    case HTCLIENT:
      if (w->cls->cursor != nullptr) {
        SetCursor(w->cls->cursor);
        return TRUE;
      }
      return FALSE;
    case HTLEFT:
    case HTRIGHT:
      SetCursor(LoadCursorW(nullptr, IDC_SIZEWE));
      return TRUE;
    case HTTOP:
    case HTBOTTOM:
      SetCursor(LoadCursorW(nullptr, IDC_SIZENS));
      return TRUE;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT:
      SetCursor(LoadCursorW(nullptr, IDC_SIZENWSE));
      return TRUE;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT:
      SetCursor(LoadCursorW(nullptr, IDC_SIZENESW));
      return TRUE;
    default:
      break;
  }
  SetCursor(LoadCursorW(nullptr, IDC_ARROW));
  return TRUE;
}

}  // namespace

LRESULT DefWindowProcImpl(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool unicode) {
  WindowObject* w = FindWindowObject(hwnd);
  if (w == nullptr) return 0;
  switch (message) {
    case WM_NCCREATE: {
      const auto* cs = reinterpret_cast<const CREATESTRUCTW*>(lParam);
      if (cs != nullptr && cs->lpszName != nullptr && !IS_INTRESOURCE(cs->lpszName)) {
        SetTextFrom(*w, reinterpret_cast<LPARAM>(cs->lpszName), unicode);
      }
      return TRUE;
    }
    case WM_NCCALCSIZE: {
      if (lParam == 0) return 0;
      RECT& rect = wParam ? reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : *reinterpret_cast<RECT*>(lParam);
      return DefaultNcCalcSize(hwnd, rect);
    }
    case WM_NCHITTEST:
      return DefaultNcHitTest(hwnd, PointFromLParam(lParam));
    case WM_NCPAINT:
      DefaultNcPaint(hwnd, reinterpret_cast<HRGN>(wParam), w->ncActive);
      return 0;
    case WM_NCACTIVATE:
      w->ncActive = wParam != FALSE;
      // lParam -1 asks for the state change without painting.
      if (lParam != -1 && IsReallyVisible(*w) && !(w->style & WS_MINIMIZE)) {
        DefaultNcPaint(hwnd, reinterpret_cast<HRGN>(1), w->ncActive);
      }
      return TRUE;
    case WM_NCLBUTTONDOWN:
      return HandleNcLButtonDown(hwnd, wParam, lParam);
    case WM_NCLBUTTONDBLCLK:
      return HandleNcLButtonDblClk(hwnd, wParam, lParam);
    case WM_NCRBUTTONUP:
    case WM_RBUTTONUP: {
      POINT p = PointFromLParam(lParam);
      if (message == WM_RBUTTONUP) ClientToScreen(hwnd, &p);
      SendMessageW(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd),
                   MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y)));
      return 0;
    }
    case WM_CONTEXTMENU:
      if (w->IsChild()) return SendMessageW(w->parent, WM_CONTEXTMENU, wParam, lParam);
      return 0;
    case WM_MOUSEACTIVATE:
      if (w->IsChild()) {
        const LRESULT answer = SendMessageW(w->parent, WM_MOUSEACTIVATE, wParam, lParam);
        if (answer) return answer;
      }
      return MA_ACTIVATE;
    case WM_MOUSEWHEEL:
      if (w->IsChild()) return SendMessageW(w->parent, WM_MOUSEWHEEL, wParam, lParam);
      return 0;
    case WM_SETCURSOR:
      return HandleSetCursor(hwnd, wParam, lParam);
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && !(w->style & WS_MINIMIZE)) SetFocus(hwnd);
      return 0;
    case WM_SETTEXT:
      SetTextFrom(*w, lParam, unicode);
      UpdateSurfaceTitles(hwnd);
      RefreshCaption(hwnd);
      return TRUE;
    case WM_GETTEXT:
      return GetText(*w, wParam, lParam, unicode);
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(unicode ? w->text.size() : WideToAnsiString(w->text).size());
    case WM_SETREDRAW:
      w->redrawOff = wParam == FALSE;
      return 0;
    case WM_CLOSE:
      DestroyWindow(hwnd);
      return 0;
    case WM_SYSCOMMAND:
      return HandleSysCommand(hwnd, wParam, lParam);
    case WM_SYSKEYDOWN:
      if (wParam == VK_MENU || wParam == VK_LMENU || wParam == VK_RMENU) {
        if (!(lParam & KF_REPEAT_BIT)) AltAlone() = true;
        return 0;
      }
      AltAlone() = false;
      if (wParam == VK_F4 && (lParam & KF_ALTDOWN_BIT)) {
        const HWND top = GetAncestor(hwnd, GA_ROOT);
        if (!(GetClassLongPtrW(top, GCL_STYLE) & CS_NOCLOSE)) PostMessageW(top, WM_SYSCOMMAND, SC_CLOSE, 0);
      }
      return 0;
    case WM_KEYDOWN:
      AltAlone() = false;
      return 0;
    case WM_SYSKEYUP:
      if ((wParam == VK_MENU || wParam == VK_LMENU || wParam == VK_RMENU) && AltAlone()) {
        AltAlone() = false;
        SendMessageW(GetAncestor(hwnd, GA_ROOT), WM_SYSCOMMAND, SC_KEYMENU, 0);
      } else if (wParam == VK_F10) {
        SendMessageW(GetAncestor(hwnd, GA_ROOT), WM_SYSCOMMAND, SC_KEYMENU, 0);
      }
      return 0;
    case WM_SYSCHAR:
      AltAlone() = false;
      if (wParam == u'\r' && IsIconic(hwnd)) {
        PostMessageW(hwnd, WM_SYSCOMMAND, SC_RESTORE, 0);
      } else if ((lParam & KF_ALTDOWN_BIT) && wParam != u'\t' && wParam != 0x1B) {
        SendMessageW(GetAncestor(hwnd, GA_ROOT), WM_SYSCOMMAND, SC_KEYMENU, static_cast<LPARAM>(wParam));
      }
      return 0;
    case WM_ERASEBKGND: {
      HBRUSH brush = ClassBackground(*w);
      if (brush == nullptr) return 0;
      RECT rect{};
      GetClientRect(hwnd, &rect);
      FillRect(reinterpret_cast<HDC>(wParam), &rect, brush);
      return 1;
    }
    case WM_PAINT: {
      PAINTSTRUCT ps{};
      if (BeginPaint(hwnd, &ps)) EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_PRINT:
      PrintWindowInto(hwnd, reinterpret_cast<HDC>(wParam), lParam);
      return 0;
    case WM_WINDOWPOSCHANGING:
      HandleWindowPosChanging(hwnd, *reinterpret_cast<WINDOWPOS*>(lParam));
      return 0;
    case WM_WINDOWPOSCHANGED:
      HandleWindowPosChanged(hwnd, *reinterpret_cast<const WINDOWPOS*>(lParam));
      return 0;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      return ControlColour(message, reinterpret_cast<HDC>(wParam));
    case WM_GETICON:
      if (wParam == ICON_BIG) return reinterpret_cast<LRESULT>(w->iconBig);
      // ICON_SMALL2 falls back on the big icon when there is no small one.
      if (wParam == ICON_SMALL2 && w->iconSmall == nullptr) return reinterpret_cast<LRESULT>(w->iconBig);
      return reinterpret_cast<LRESULT>(w->iconSmall);
    case WM_SETICON: {
      HICON& slot = wParam == ICON_BIG ? w->iconBig : w->iconSmall;
      const HICON previous = slot;
      slot = reinterpret_cast<HICON>(lParam);
      UpdateSurfaceIcon(*w);
      RefreshCaption(hwnd);
      return reinterpret_cast<LRESULT>(previous);
    }
    case WM_QUERYOPEN:
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_CANCELMODE:
      if (GetCapture() == hwnd) ReleaseCapture();
      return 0;
    default:
      return 0;
  }
}

}  // namespace platform
