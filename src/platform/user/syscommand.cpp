// System commands and the non-client mouse: the move and size loops,
// minimise/maximise/restore/close, and the caption buttons that are held
// pressed until the mouse is released.
#include "platform/user/syscommand.h"

#include <algorithm>

#include "platform/display/display.h"
#include "platform/gdi/gdi.h"
#include "platform/gdi/region.h"
#include "platform/user/menu_object.h"
#include "platform/user/nonclient.h"
#include "platform/user/paint_internal.h"
#include "platform/user/scrollbar_internal.h"

namespace platform {
namespace {

bool OnLeft(LRESULT hit) { return hit == HTLEFT || hit == HTTOPLEFT || hit == HTBOTTOMLEFT; }
bool OnRight(LRESULT hit) { return hit == HTRIGHT || hit == HTTOPRIGHT || hit == HTBOTTOMRIGHT; }
bool OnTop(LRESULT hit) { return hit == HTTOP || hit == HTTOPLEFT || hit == HTTOPRIGHT; }
bool OnBottom(LRESULT hit) { return hit == HTBOTTOM || hit == HTBOTTOMLEFT || hit == HTBOTTOMRIGHT; }

// The buttons as the messages read so far leave them.
bool AnyButtonDown() {
  return (GetKeyState(VK_LBUTTON) | GetKeyState(VK_RBUTTON) | GetKeyState(VK_MBUTTON)) & 0x8000;
}

// Repaints one caption button through WM_NCPAINT with its rectangle as the
// update region, so that only WM_NCPAINT ever paints the frame.
void RepaintCaptionButton(HWND hwnd, const RECT& button) {
  WindowObject* w = PeekWindowObject(hwnd);
  if (w == nullptr || !IsReallyVisible(*w)) return;
  const POINT origin = WindowOrigin(*w);
  HRGN region = CreateRectRgn(origin.x + button.left, origin.y + button.top, origin.x + button.right,
                              origin.y + button.bottom);
  SendMessageW(hwnd, WM_NCPAINT, reinterpret_cast<WPARAM>(region), 0);
  DeleteObject(region);
}

RECT ButtonRect(const CaptionLayout& layout, LRESULT hit) {
  switch (hit) {
    case HTCLOSE: return layout.close;
    case HTMAXBUTTON: return layout.max;
    case HTMINBUTTON: return layout.min;
    case HTHELP: return layout.help;
    default: return RECT{};
  }
}

// Holds a caption button pressed while the left button is down over it and
// answers whether it was released over it.
bool TrackCaptionButton(HWND hwnd, LRESULT hit, POINT& releasePoint) {
  WindowObject* w = PeekWindowObject(hwnd);
  if (w == nullptr) return false;
  const CaptionLayout layout = LayoutCaption(*w);
  if (hit == HTMINBUTTON && !layout.minEnabled) return false;
  if (hit == HTMAXBUTTON && !layout.maxEnabled) return false;
  if (hit == HTCLOSE && !layout.closeEnabled) return false;
  const RECT button = ButtonRect(layout, hit);
  SetCapture(hwnd);
  w->pressedButton = hit;
  RepaintCaptionButton(hwnd, button);
  bool pressed = true;
  MSG msg{};
  for (;;) {
    if (!GetMessageW(&msg, nullptr, WM_MOUSEFIRST, WM_MOUSELAST)) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (CallMsgFilterW(&msg, MSGF_MAX_CAPTION)) continue;
    if (msg.message == WM_LBUTTONUP) break;
    if (msg.message != WM_MOUSEMOVE) continue;
    const bool now = DefaultNcHitTest(hwnd, msg.pt) == hit;
    if (now != pressed) {
      pressed = now;
      if ((w = PeekWindowObject(hwnd)) == nullptr) return false;
      w->pressedButton = pressed ? hit : 0;
      RepaintCaptionButton(hwnd, button);
    }
    if (!AnyButtonDown()) break;
  }
  if (GetCapture() == hwnd) ReleaseCapture();
  if ((w = PeekWindowObject(hwnd)) == nullptr) return false;
  if (w->pressedButton != 0) {
    w->pressedButton = 0;
    RepaintCaptionButton(hwnd, button);
  }
  releasePoint = msg.pt;
  return pressed && PeekWindowObject(hwnd) != nullptr;
}

}  // namespace

bool SysCommandMoveSize(HWND hwnd, WPARAM command) {
  WindowObject* w = PeekWindowObject(hwnd);
  if (w == nullptr || IsZoomed(hwnd) || !IsWindowVisible(hwnd)) return false;
  const WPARAM kind = command & 0xFFF0;
  LRESULT hit = static_cast<LRESULT>(command & 0x0F);
  if (kind == SC_MOVE) {
    hit = HTCAPTION;  // a move from the keyboard drags by the caption too
  } else {
    if (!(w->style & WS_THICKFRAME)) return false;
    if (hit == 0) return false;  // FIXME: sizing from the keyboard (arrow keys pick the edge) is not done.
    hit += HTLEFT - WMSZ_LEFT;
  }

  const DWORD position = GetMessagePos();
  POINT capture{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
  const MINMAXINFO info = GetMinMaxInfo(hwnd);
  if ((w = PeekWindowObject(hwnd)) == nullptr) return false;
  RECT sizing = w->window;
  const RECT original = sizing;
  const bool child = w->IsChild();
  // Children move in their parent's client coordinates; the cursor does not
  // leave the parent's client area.
  POINT parentOrigin{};
  RECT mouseArea{};
  if (child) {
    WindowObject* parent = PeekWindowObject(w->parent);
    parentOrigin = ClientOrigin(*parent);
    mouseArea = ScreenClientRect(*parent);
  } else {
    const SIZE screen = display::Current().ScreenSize();
    mouseArea = RECT{0, 0, screen.cx, screen.cy};
  }
  if (OnLeft(hit)) {
    mouseArea.left = std::max<LONG>(mouseArea.left, sizing.right - info.ptMaxTrackSize.x + capture.x - sizing.left);
    mouseArea.right = std::min<LONG>(mouseArea.right, sizing.right - info.ptMinTrackSize.x + capture.x - sizing.left);
  } else if (OnRight(hit)) {
    mouseArea.left = std::max<LONG>(mouseArea.left, sizing.left + info.ptMinTrackSize.x + capture.x - sizing.right);
    mouseArea.right = std::min<LONG>(mouseArea.right, sizing.left + info.ptMaxTrackSize.x + capture.x - sizing.right);
  }
  if (OnTop(hit)) {
    mouseArea.top = std::max<LONG>(mouseArea.top, sizing.bottom - info.ptMaxTrackSize.y + capture.y - sizing.top);
    mouseArea.bottom = std::min<LONG>(mouseArea.bottom, sizing.bottom - info.ptMinTrackSize.y + capture.y - sizing.top);
  } else if (OnBottom(hit)) {
    mouseArea.top = std::max<LONG>(mouseArea.top, sizing.top + info.ptMinTrackSize.y + capture.y - sizing.bottom);
    mouseArea.bottom = std::min<LONG>(mouseArea.bottom, sizing.top + info.ptMaxTrackSize.y + capture.y - sizing.bottom);
  }

  if (CallHooks(WH_CBT, HCBT_MOVESIZE, reinterpret_cast<WPARAM>(hwnd), reinterpret_cast<LPARAM>(&sizing)) != 0) {
    return false;
  }
  SendMessageW(hwnd, WM_ENTERSIZEMOVE, 0, 0);
  SetCapture(hwnd);
  // A screen with a window manager drags top-level windows itself; the
  // window follows through its Moved events and a release ends the loop.
  const bool screenDrags =
      !child && display::Current().BeginMoveSize(hwnd, static_cast<int>(hit), capture);
  MSG msg{};
  bool moved = false;
  bool quit = false;
  for (;;) {
    if (!PeekWindowObject(hwnd)) break;
    if (!GetMessageW(&msg, nullptr, 0, 0)) {
      quit = true;
      break;
    }
    if (CallMsgFilterW(&msg, MSGF_SIZE)) continue;
    // The drag ends when the button that started it comes up (either
    // button: a drag may be started from a right click).
    if (msg.message == WM_LBUTTONUP || msg.message == WM_RBUTTONUP || msg.message == WM_NCLBUTTONUP ||
        msg.message == WM_NCRBUTTONUP) {
      break;
    }
    if (msg.message == WM_KEYDOWN && (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE)) break;
    if (screenDrags || (msg.message != WM_KEYDOWN && msg.message != WM_MOUSEMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
      continue;
    }
    POINT p = msg.pt;
    if (msg.message == WM_KEYDOWN) {
      switch (msg.wParam) {
        case VK_UP: p.y -= 8; break;
        case VK_DOWN: p.y += 8; break;
        case VK_LEFT: p.x -= 8; break;
        case VK_RIGHT: p.x += 8; break;
        default: break;
      }
    } else if (!AnyButtonDown()) {
      break;  // the release was taken by someone else
    }
    p.x = std::clamp<LONG>(p.x, mouseArea.left, std::max(mouseArea.left, mouseArea.right - 1));
    p.y = std::clamp<LONG>(p.y, mouseArea.top, std::max(mouseArea.top, mouseArea.bottom - 1));
    const int dx = p.x - capture.x;
    const int dy = p.y - capture.y;
    if (dx == 0 && dy == 0) continue;
    if (msg.message == WM_KEYDOWN) SetCursorPos(p.x, p.y);
    if (hit == HTCAPTION) {
      sizing.left += dx;
      sizing.right += dx;
      sizing.top += dy;
      sizing.bottom += dy;
    }
    if (OnLeft(hit)) sizing.left += dx;
    if (OnRight(hit)) sizing.right += dx;
    if (OnTop(hit)) sizing.top += dy;
    if (OnBottom(hit)) sizing.bottom += dy;
    capture = p;
    // WM_MOVING/WM_SIZING carry the proposed rectangle in screen
    // coordinates; the procedure may change it.
    RECT proposed{sizing.left + parentOrigin.x, sizing.top + parentOrigin.y, sizing.right + parentOrigin.x,
                  sizing.bottom + parentOrigin.y};
    if (kind == SC_SIZE) {
      SendMessageW(hwnd, WM_SIZING, static_cast<WPARAM>(WMSZ_LEFT + (hit - HTLEFT)), reinterpret_cast<LPARAM>(&proposed));
    } else {
      SendMessageW(hwnd, WM_MOVING, 0, reinterpret_cast<LPARAM>(&proposed));
    }
    sizing = RECT{proposed.left - parentOrigin.x, proposed.top - parentOrigin.y, proposed.right - parentOrigin.x,
                  proposed.bottom - parentOrigin.y};
    moved = true;
    if (!IsIconic(hwnd)) {
      SetWindowPos(hwnd, nullptr, sizing.left, sizing.top, sizing.right - sizing.left, sizing.bottom - sizing.top,
                   SWP_NOACTIVATE | SWP_NOCOPYBITS | SWP_NOZORDER);
    }
  }
  if (GetCapture() == hwnd) ReleaseCapture();
  if (screenDrags && (w = PeekWindowObject(hwnd)) != nullptr) {
    moved = w->window.left != original.left || w->window.top != original.top ||
            w->window.right != original.right || w->window.bottom != original.bottom;
  }
  if (PeekWindowObject(hwnd)) {
    SendMessageW(hwnd, WM_EXITSIZEMOVE, 0, 0);
    // Escape puts the window back where it was.
    if (moved && msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
      SetWindowPos(hwnd, nullptr, original.left, original.top, original.right - original.left,
                   original.bottom - original.top, SWP_NOACTIVATE | SWP_NOZORDER);
    }
  }
  if (quit) PostQuitMessage(static_cast<int>(msg.wParam));
  return moved;
}

LRESULT HandleSysCommand(HWND hwnd, WPARAM wParam, LPARAM lParam) {
  if (!IsWindowEnabled(hwnd)) return 0;
  if (CallHooks(WH_CBT, HCBT_SYSCOMMAND, wParam, lParam) != 0) return 0;
  if (!PeekWindowObject(hwnd)) return 0;
  switch (wParam & 0xFFF0) {
    case SC_SIZE:
    case SC_MOVE:
      SysCommandMoveSize(hwnd, wParam);
      return 0;
    case SC_MINIMIZE:
      ShowWindow(hwnd, SW_MINIMIZE);
      return 0;
    case SC_MAXIMIZE:
      ShowWindow(hwnd, SW_MAXIMIZE);
      return 0;
    case SC_RESTORE:
      ShowWindow(hwnd, SW_RESTORE);
      return 0;
    case SC_CLOSE:
      return SendMessageW(hwnd, WM_CLOSE, 0, 0);
    case SC_NEXTWINDOW:
    case SC_PREVWINDOW: {
      // The next (or previous) visible top-level window is activated.
      const std::vector<HWND> tops = DesktopObject().children;
      if (tops.size() < 2) return 0;
      const HWND top = GetAncestor(hwnd, GA_ROOT);
      std::vector<HWND> candidates;
      for (HWND t : tops) {
        if (t != top && IsWindowVisible(t) && IsWindowEnabled(t)) candidates.push_back(t);
      }
      if (candidates.empty()) return 0;
      SetForegroundWindow((wParam & 0xFFF0) == SC_NEXTWINDOW ? candidates.back() : candidates.front());
      return 0;
    }
    case SC_KEYMENU:
    case SC_MOUSEMENU:
      return HandleMenuSysCommand(hwnd, wParam, lParam);
    case SC_VSCROLL:
    case SC_HSCROLL:
      TrackScrollBar(hwnd, (wParam & 0xFFF0) == SC_VSCROLL ? SB_VERT : SB_HORZ,
                     POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return 0;
    default:
      return 0;
  }
}

LRESULT HandleNcLButtonDown(HWND hwnd, WPARAM hit, LPARAM lParam) {
  switch (static_cast<LRESULT>(hit)) {
    case HTCAPTION: {
      const HWND top = GetAncestor(hwnd, GA_ROOT);
      if (GetActiveWindow() == top || SetActiveWindowInternal(top, true, true)) {
        SendMessageW(hwnd, WM_SYSCOMMAND, SC_MOVE + HTCAPTION, lParam);
      }
      return 0;
    }
    case HTSYSMENU:
      if (GetWindowLongW(hwnd, GWL_STYLE) & WS_SYSMENU) {
        SendMessageW(hwnd, WM_SYSCOMMAND, SC_MOUSEMENU + HTSYSMENU, lParam);
      }
      return 0;
    case HTMENU:
      SendMessageW(hwnd, WM_SYSCOMMAND, SC_MOUSEMENU, lParam);
      return 0;
    case HTHSCROLL:
      SendMessageW(hwnd, WM_SYSCOMMAND, SC_HSCROLL + HTHSCROLL, lParam);
      return 0;
    case HTVSCROLL:
      SendMessageW(hwnd, WM_SYSCOMMAND, SC_VSCROLL + HTVSCROLL, lParam);
      return 0;
    case HTMINBUTTON:
    case HTMAXBUTTON:
    case HTCLOSE:
    case HTHELP: {
      POINT release{};
      if (!TrackCaptionButton(hwnd, static_cast<LRESULT>(hit), release)) return 0;
      WPARAM command = SC_CLOSE;
      if (hit == HTMINBUTTON) command = IsIconic(hwnd) ? SC_RESTORE : SC_MINIMIZE;
      if (hit == HTMAXBUTTON) command = IsZoomed(hwnd) ? SC_RESTORE : SC_MAXIMIZE;
      if (hit == HTHELP) command = SC_CONTEXTHELP;
      SendMessageW(hwnd, WM_SYSCOMMAND, command, MAKELPARAM(static_cast<WORD>(release.x), static_cast<WORD>(release.y)));
      return 0;
    }
    case HTLEFT:
    case HTRIGHT:
    case HTTOP:
    case HTTOPLEFT:
    case HTTOPRIGHT:
    case HTBOTTOM:
    case HTBOTTOMLEFT:
    case HTBOTTOMRIGHT:
      SendMessageW(hwnd, WM_SYSCOMMAND, SC_SIZE + hit - (HTLEFT - WMSZ_LEFT), lParam);
      return 0;
    default:
      return 0;
  }
}

LRESULT HandleNcLButtonDblClk(HWND hwnd, WPARAM hit, LPARAM lParam) {
  const DWORD style = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE));
  switch (static_cast<LRESULT>(hit)) {
    case HTCAPTION:
      if ((style & WS_SYSMENU) && (style & WS_MAXIMIZEBOX)) {
        SendMessageW(hwnd, WM_SYSCOMMAND, (IsZoomed(hwnd) || IsIconic(hwnd)) ? SC_RESTORE : SC_MAXIMIZE, lParam);
      }
      return 0;
    case HTSYSMENU:
      if (!(GetClassLongPtrW(hwnd, GCL_STYLE) & CS_NOCLOSE)) SendMessageW(hwnd, WM_SYSCOMMAND, SC_CLOSE, lParam);
      return 0;
    case HTHSCROLL:
    case HTVSCROLL:
      return HandleNcLButtonDown(hwnd, hit, lParam);
    default:
      return 0;
  }
}

}  // namespace platform
