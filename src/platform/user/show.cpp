// Show commands, minimise/maximise/restore and window placement.
#include <algorithm>

#include "platform/display/display.h"
#include "platform/user/nonclient.h"
#include "platform/user/paint_internal.h"
#include "platform/user/window_object.h"

namespace platform {
namespace {

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

// Where minimised top-level windows go: a row along the bottom of the screen.
POINT IconPosition(HWND hwnd) {
  WindowObject* w = PeekWindowObject(hwnd);
  if (w && w->minPosition.x != -1 && w->minPosition.y != -1) return w->minPosition;
  const int width = GetSystemMetrics(SM_CXMINIMIZED);
  const int height = GetSystemMetrics(SM_CYMINIMIZED);
  RECT parentArea{};
  if (w && w->IsChild()) {
    GetClientRect(w->parent, &parentArea);
  } else {
    const SIZE screen = display::Current().ScreenSize();
    parentArea = RECT{0, 0, screen.cx, screen.cy};
  }
  // The first free slot from the bottom-left corner.
  for (int slot = 0; slot < 64; ++slot) {
    const POINT candidate{parentArea.left + slot * width, parentArea.bottom - height};
    bool taken = false;
    WindowObject* parent = w ? PeekWindowObject(w->parent) : nullptr;
    if (parent != nullptr) {
      for (HWND sibling : parent->children) {
        WindowObject* s = PeekWindowObject(sibling);
        if (s && sibling != hwnd && (s->style & WS_MINIMIZE) && s->window.left == candidate.x &&
            s->window.top == candidate.y) {
          taken = true;
        }
      }
    }
    if (!taken) return candidate;
  }
  return POINT{parentArea.left, parentArea.bottom - height};
}

}  // namespace

MINMAXINFO GetMinMaxInfo(HWND hwnd) {
  MINMAXINFO info{};
  WindowObject* w = PeekWindowObject(hwnd);
  if (w == nullptr) return info;
  RECT area{};
  if (w->IsChild()) {
    GetClientRect(w->parent, &area);
  } else {
    const SIZE screen = display::Current().ScreenSize();
    area = RECT{0, 0, screen.cx, screen.cy};
  }
  // The frame that a maximised window pushes off the screen.
  // The caption's border half does not count, its frame half does.
  const DWORD frameStyle = (w->style & WS_CAPTION) == WS_CAPTION ? (w->style & ~WS_BORDER) : w->style;
  const RECT insets = FrameInsets(frameStyle, w->exStyle);
  const int xFrame = insets.left;
  const int yFrame = insets.top;
  info.ptReserved = POINT{w->window.left, w->window.top};
  info.ptMaxSize = POINT{Width(area) + 2 * xFrame, Height(area) + 2 * yFrame};
  info.ptMaxPosition = POINT{area.left - xFrame, area.top - yFrame};
  info.ptMinTrackSize = POINT{GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
  info.ptMaxTrackSize = POINT{GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
  if (w->maxPosition.x != -1 && w->maxPosition.y != -1) info.ptMaxPosition = w->maxPosition;
  SendMessageW(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  info.ptMaxTrackSize.x = std::max(info.ptMaxTrackSize.x, info.ptMinTrackSize.x);
  info.ptMaxTrackSize.y = std::max(info.ptMaxTrackSize.y, info.ptMinTrackSize.y);
  return info;
}

// Changes the minimised/maximised state and answers the SWP_* flags and the
// rectangle the window takes, with the HCBT_MINMAX hook first.
UINT MinMaximize(HWND hwnd, int command, RECT& rect) {
  WindowObject* w = PeekWindowObject(hwnd);
  rect = RECT{};
  if (w == nullptr) return SWP_NOSIZE | SWP_NOMOVE;
  if (CallHooks(WH_CBT, HCBT_MINMAX, reinterpret_cast<WPARAM>(hwnd), command) != 0) return SWP_NOSIZE | SWP_NOMOVE;
  if ((w = PeekWindowObject(hwnd)) == nullptr) return SWP_NOSIZE | SWP_NOMOVE;
  UINT flags = 0;
  const int minWidth = GetSystemMetrics(SM_CXMINIMIZED);
  const int minHeight = GetSystemMetrics(SM_CYMINIMIZED);

  if (w->style & WS_MINIMIZE) {
    switch (command) {
      case SW_SHOWMINNOACTIVE:
      case SW_SHOWMINIMIZED:
      case SW_FORCEMINIMIZE:
      case SW_MINIMIZE: {
        const POINT p = IconPosition(hwnd);
        rect = RECT{p.x, p.y, p.x + minWidth, p.y + minHeight};
        return SWP_NOSIZE | SWP_NOMOVE;
      }
      default:
        break;
    }
    if (!SendMessageW(hwnd, WM_QUERYOPEN, 0, 0)) return SWP_NOSIZE | SWP_NOMOVE;
    if ((w = PeekWindowObject(hwnd)) == nullptr) return SWP_NOSIZE | SWP_NOMOVE;
    flags |= SWP_NOCOPYBITS;
  }

  switch (command) {
    case SW_SHOWMINNOACTIVE:
    case SW_SHOWMINIMIZED:
    case SW_FORCEMINIMIZE:
    case SW_MINIMIZE: {
      w->restoreToMaximized = (w->style & WS_MAXIMIZE) != 0;
      if (GetFocus() == hwnd) {
        SetFocus(w->IsChild() ? w->parent : nullptr);
        if ((w = PeekWindowObject(hwnd)) == nullptr) return SWP_NOSIZE | SWP_NOMOVE;
      }
      const DWORD old = w->style;
      if (!(old & (WS_MINIMIZE | WS_MAXIMIZE))) w->normalRect = w->window;
      w->style = (w->style | WS_MINIMIZE) & ~WS_MAXIMIZE;
      const POINT p = IconPosition(hwnd);
      w->minPosition = p;
      if (!(old & WS_MINIMIZE)) flags |= SWP_STATECHANGED;
      rect = RECT{p.x, p.y, p.x + minWidth, p.y + minHeight};
      flags |= SWP_NOCOPYBITS;
      if (w->surface) SetSurfaceIconic(*w, true);
      break;
    }
    case SW_MAXIMIZE: {
      const DWORD old = w->style;
      if ((old & WS_MAXIMIZE) && (old & WS_VISIBLE)) return SWP_NOSIZE | SWP_NOMOVE;
      const MINMAXINFO info = GetMinMaxInfo(hwnd);
      if ((w = PeekWindowObject(hwnd)) == nullptr) return SWP_NOSIZE | SWP_NOMOVE;
      if (!(old & (WS_MINIMIZE | WS_MAXIMIZE))) w->normalRect = w->window;
      w->style = (w->style | WS_MAXIMIZE) & ~WS_MINIMIZE;
      if (old & WS_MINIMIZE) {
        w->restoreToMaximized = true;
        if (w->surface) SetSurfaceIconic(*w, false);
      }
      if (!(old & WS_MAXIMIZE)) flags |= SWP_STATECHANGED;
      rect = RECT{info.ptMaxPosition.x, info.ptMaxPosition.y, info.ptMaxPosition.x + info.ptMaxSize.x,
                  info.ptMaxPosition.y + info.ptMaxSize.y};
      break;
    }
    case SW_SHOWNOACTIVATE:
    case SW_SHOWNORMAL:
    case SW_RESTORE:
    case SW_SHOWDEFAULT: {
      if (command == SW_SHOWNOACTIVATE) w->restoreToMaximized = false;
      const DWORD old = w->style;
      w->style &= ~(WS_MINIMIZE | WS_MAXIMIZE);
      if (old & WS_MINIMIZE) {
        if (w->surface) SetSurfaceIconic(*w, false);
        if (w->restoreToMaximized) {
          // Back to the maximised state it was minimised from.
          const MINMAXINFO info = GetMinMaxInfo(hwnd);
          if ((w = PeekWindowObject(hwnd)) == nullptr) return SWP_NOSIZE | SWP_NOMOVE;
          w->style |= WS_MAXIMIZE;
          flags |= SWP_STATECHANGED;
          rect = RECT{info.ptMaxPosition.x, info.ptMaxPosition.y, info.ptMaxPosition.x + info.ptMaxSize.x,
                      info.ptMaxPosition.y + info.ptMaxSize.y};
          break;
        }
      } else if (!(old & WS_MAXIMIZE)) {
        break;
      }
      flags |= SWP_STATECHANGED;
      rect = w->normalRect;
      break;
    }
    default:
      break;
  }
  return flags;
}

}  // namespace platform

using platform::PeekWindowObject;
using platform::WindowObject;

BOOL ShowWindow(HWND hwnd, int command) {
  WindowObject* w = platform::FindWindowObject(hwnd);
  if (w == nullptr || hwnd == platform::DesktopHandle()) return FALSE;
  const DWORD style = w->style;
  const bool wasVisible = (style & WS_VISIBLE) != 0;
  bool showFlag = true;
  RECT newPos{};
  UINT swp = 0;

  switch (command) {
    case SW_HIDE:
      if (!wasVisible) return FALSE;
      showFlag = false;
      swp |= SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE;
      if (style & WS_CHILD) swp |= SWP_NOACTIVATE | SWP_NOZORDER;
      break;
    case SW_SHOWMINNOACTIVE:
    case SW_MINIMIZE:
    case SW_FORCEMINIMIZE:
      swp |= SWP_NOACTIVATE | SWP_NOZORDER;
      [[fallthrough]];
    case SW_SHOWMINIMIZED:
      swp |= SWP_SHOWWINDOW | SWP_FRAMECHANGED;
      swp |= platform::MinMaximize(hwnd, command, newPos);
      if ((style & WS_MINIMIZE) && wasVisible) return TRUE;
      break;
    case SW_SHOWMAXIMIZED:
      if (!wasVisible) swp |= SWP_SHOWWINDOW;
      swp |= SWP_FRAMECHANGED;
      swp |= platform::MinMaximize(hwnd, SW_MAXIMIZE, newPos);
      if ((style & WS_MAXIMIZE) && wasVisible) return TRUE;
      break;
    case SW_SHOWNA:
      swp |= SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOSIZE | SWP_NOMOVE;
      if (style & WS_CHILD) swp |= SWP_NOZORDER;
      break;
    case SW_SHOW:
      if (wasVisible) return TRUE;
      swp |= SWP_SHOWWINDOW | SWP_NOSIZE | SWP_NOMOVE;
      if (style & WS_CHILD) swp |= SWP_NOACTIVATE | SWP_NOZORDER;
      break;
    case SW_SHOWNOACTIVATE:
      swp |= SWP_NOACTIVATE | SWP_NOZORDER;
      [[fallthrough]];
    case SW_RESTORE:
    case SW_SHOWNORMAL:
    case SW_SHOWDEFAULT:
      if (!wasVisible) swp |= SWP_SHOWWINDOW;
      if (style & (WS_MINIMIZE | WS_MAXIMIZE)) {
        swp |= SWP_FRAMECHANGED;
        swp |= platform::MinMaximize(hwnd, command, newPos);
      } else {
        if (wasVisible) return TRUE;
        swp |= SWP_NOSIZE | SWP_NOMOVE;
      }
      if ((style & WS_CHILD) && !(swp & SWP_STATECHANGED)) swp |= SWP_NOACTIVATE | SWP_NOZORDER;
      break;
    default:
      return wasVisible;
  }
  if ((w = PeekWindowObject(hwnd)) == nullptr) return wasVisible;

  if ((showFlag != wasVisible || command == SW_SHOWNA) && command != SW_SHOWMAXIMIZED && !(swp & SWP_STATECHANGED)) {
    SendMessageW(hwnd, WM_SHOWWINDOW, showFlag ? TRUE : FALSE, 0);
    if ((w = PeekWindowObject(hwnd)) == nullptr) return wasVisible;
  }

  WindowObject* parent = PeekWindowObject(w->parent);
  if (parent != nullptr && w->IsChild() && !IsWindowVisible(w->parent) && !(swp & SWP_STATECHANGED)) {
    // Under a hidden parent only the style changes.
    if (showFlag) {
      w->style |= WS_VISIBLE;
    } else {
      w->style &= ~WS_VISIBLE;
    }
  } else {
    SetWindowPos(hwnd, HWND_TOP, newPos.left, newPos.top, newPos.right - newPos.left, newPos.bottom - newPos.top, swp);
  }
  if ((w = PeekWindowObject(hwnd)) == nullptr) return wasVisible;

  const bool minimising = command == SW_MINIMIZE || command == SW_SHOWMINNOACTIVE || command == SW_FORCEMINIMIZE ||
                          command == SW_SHOWMINIMIZED;
  if (minimising && hwnd == GetActiveWindow() && !w->IsChild()) platform::ActivateOtherWindow(hwnd);
  if ((w = PeekWindowObject(hwnd)) == nullptr) return wasVisible;

  if (command == SW_HIDE) {
    if (hwnd == GetActiveWindow()) platform::ActivateOtherWindow(hwnd);
    // The focus goes back to the parent.
    const HWND focus = GetFocus();
    if (focus == hwnd || IsChild(hwnd, focus)) {
      HWND next = GetAncestor(hwnd, GA_PARENT);
      if (next == platform::DesktopHandle()) next = nullptr;
      SetFocus(next);
    }
    return wasVisible;
  }

  if (w->needSize) {
    // The first show of an overlapped window sends the size messages that
    // its creation held back.
    w->needSize = false;
    const RECT client = w->client;
    WPARAM type = SIZE_RESTORED;
    LPARAM size = MAKELPARAM(static_cast<WORD>(client.right - client.left), static_cast<WORD>(client.bottom - client.top));
    if (w->style & WS_MAXIMIZE) type = SIZE_MAXIMIZED;
    if (w->style & WS_MINIMIZE) {
      type = SIZE_MINIMIZED;
      size = 0;
    }
    SendMessageW(hwnd, WM_SIZE, type, size);
    SendMessageW(hwnd, WM_MOVE, 0, MAKELPARAM(static_cast<WORD>(client.left), static_cast<WORD>(client.top)));
    if ((w = PeekWindowObject(hwnd)) == nullptr) return wasVisible;
  }

  // A window restored from minimised gets the focus, and a top-level one an
  // extra WM_ACTIVATE even when it is already active.
  if (style & WS_MINIMIZE) {
    SetFocus(hwnd);
    if (PeekWindowObject(hwnd) && GetAncestor(hwnd, GA_ROOT) == hwnd && !(swp & SWP_NOACTIVATE)) {
      SendMessageW(hwnd, WM_ACTIVATE, WA_ACTIVE, 0);
    }
  }
  return wasVisible;
}

BOOL GetWindowPlacement(HWND hwnd, WINDOWPLACEMENT* placement) {
  WindowObject* w = platform::FindWindowObject(hwnd);
  if (w == nullptr || placement == nullptr) return FALSE;
  placement->length = sizeof(WINDOWPLACEMENT);
  placement->flags = w->restoreToMaximized && (w->style & WS_MINIMIZE) ? WPF_RESTORETOMAXIMIZED : 0;
  if (w->style & WS_MINIMIZE) {
    placement->showCmd = SW_SHOWMINIMIZED;
  } else if (w->style & WS_MAXIMIZE) {
    placement->showCmd = SW_SHOWMAXIMIZED;
  } else {
    placement->showCmd = SW_SHOWNORMAL;
  }
  placement->ptMinPosition = w->minPosition;
  placement->ptMaxPosition = w->maxPosition;
  placement->rcNormalPosition = (w->style & (WS_MINIMIZE | WS_MAXIMIZE)) ? w->normalRect : w->window;
  return TRUE;
}

BOOL SetWindowPlacement(HWND hwnd, const WINDOWPLACEMENT* placement) {
  WindowObject* w = platform::FindWindowObject(hwnd);
  if (w == nullptr || placement == nullptr) return FALSE;
  w->normalRect = placement->rcNormalPosition;
  if (placement->flags & WPF_SETMINPOSITION) w->minPosition = placement->ptMinPosition;
  w->maxPosition = placement->ptMaxPosition;
  if (placement->flags & WPF_RESTORETOMAXIMIZED) w->restoreToMaximized = true;
  if (!(w->style & (WS_MINIMIZE | WS_MAXIMIZE))) {
    const RECT& r = placement->rcNormalPosition;
    SetWindowPos(hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  ShowWindow(hwnd, static_cast<int>(placement->showCmd));
  return TRUE;
}

BOOL CloseWindow(HWND hwnd) {
  if (!platform::FindWindowObject(hwnd)) return FALSE;
  ShowWindow(hwnd, SW_MINIMIZE);
  return TRUE;
}

BOOL OpenIcon(HWND hwnd) {
  if (!IsIconic(hwnd)) return FALSE;
  ShowWindow(hwnd, SW_SHOWNORMAL);
  return TRUE;
}
