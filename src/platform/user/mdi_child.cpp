// DefMDIChildProc: the default procedure of a document window inside an
// "MDIClient". Activation, closing, maximising and the system commands that
// cycle the children go through the client; the window's title and
// position keep the window menu, the frame's caption and the client's
// scroll bars up to date.
#include <algorithm>

#include "platform/user/mdi_internal.h"

namespace platform {
namespace {

LRESULT CallDefault(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool unicode) {
  return unicode ? DefWindowProcW(hwnd, message, wParam, lParam) : DefWindowProcA(hwnd, message, wParam, lParam);
}

// A maximised child fills the client with its frame pushed outside it.
void MaximizedInfo(HWND hwnd, HWND client, MINMAXINFO& info) {
  RECT r{};
  GetClientRect(client, &r);
  AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongW(hwnd, GWL_EXSTYLE)));
  info.ptMaxPosition = POINT{r.left, r.top};
  info.ptMaxSize = POINT{r.right - r.left, r.bottom - r.top};
  info.ptMaxTrackSize.x = std::max(info.ptMaxTrackSize.x, info.ptMaxSize.x);
  info.ptMaxTrackSize.y = std::max(info.ptMaxTrackSize.y, info.ptMaxSize.y);
}

LRESULT ChildProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool unicode) {
  const HWND client = MdiClientOfChild(hwnd);
  if (client == nullptr) return CallDefault(hwnd, message, wParam, lParam, unicode);
  switch (message) {
    case WM_CREATE:
      // A window made by CreateWindowEx with WS_EX_MDICHILD joins the
      // client as one made by WM_MDICREATE does.
      AdoptMdiChild(client, hwnd);
      return CallDefault(hwnd, message, wParam, lParam, unicode);
    case WM_SETTEXT: {
      const LRESULT result = CallDefault(hwnd, message, wParam, lParam, unicode);
      RefreshMdiWindowMenu(client);
      UpdateMdiFrameText(client);
      return result;
    }
    case WM_CLOSE:
      SendMessageW(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(hwnd), 0);
      return 0;
    case WM_CHILDACTIVATE:
      ActivateMdiChild(client, hwnd);
      return 0;
    case WM_SETFOCUS: {
      MdiClientState* state = MdiClientOf(client);
      if (state != nullptr && state->active != hwnd) ActivateMdiChild(client, hwnd);
      return CallDefault(hwnd, message, wParam, lParam, unicode);
    }
    case WM_GETMINMAXINFO:
      CallDefault(hwnd, message, wParam, lParam, unicode);
      if (lParam != 0) MaximizedInfo(hwnd, client, *reinterpret_cast<MINMAXINFO*>(lParam));
      return 0;
    case WM_SIZE:
      if (wParam == SIZE_MAXIMIZED) {
        ShowMdiMaximizedChild(client, hwnd);
      } else {
        HideMdiMaximizedChild(client, hwnd);
      }
      return CallDefault(hwnd, message, wParam, lParam, unicode);
    case WM_WINDOWPOSCHANGED: {
      const LRESULT result = CallDefault(hwnd, message, wParam, lParam, unicode);
      UpdateMdiScrollBars(client);
      return result;
    }
    case WM_SYSCOMMAND:
      switch (wParam & 0xFFF0) {
        case SC_NEXTWINDOW:
        case SC_PREVWINDOW:
          SendMessageW(client, WM_MDINEXT, reinterpret_cast<WPARAM>(hwnd), (wParam & 0xFFF0) == SC_PREVWINDOW);
          return 0;
        case SC_KEYMENU:
          // Alt+minus opens the child's own system menu; every other Alt key
          // is the frame's menu bar.
          if (lParam == '-') return CallDefault(hwnd, message, wParam, ' ', unicode);
          if (MdiClientState* state = MdiClientOf(client)) {
            return SendMessageW(state->frame, WM_SYSCOMMAND, wParam, lParam);
          }
          return 0;
        default:
          return CallDefault(hwnd, message, wParam, lParam, unicode);
      }
    case WM_DESTROY:
      ForgetMdiChild(client, hwnd);
      return CallDefault(hwnd, message, wParam, lParam, unicode);
    default:
      break;
  }
  return CallDefault(hwnd, message, wParam, lParam, unicode);
}

}  // namespace
}  // namespace platform

LRESULT DefMDIChildProcW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return platform::ChildProc(hwnd, message, wParam, lParam, true);
}

LRESULT DefMDIChildProcA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return platform::ChildProc(hwnd, message, wParam, lParam, false);
}

HWND CreateMDIWindowW(LPCWSTR className, LPCWSTR windowName, DWORD style, int x, int y, int width, int height,
                      HWND parent, HINSTANCE instance, LPARAM lParam) {
  if (platform::MdiClientOf(parent) == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return nullptr;
  }
  MDICREATESTRUCTW create{className, windowName, instance, x, y, width, height, style, lParam};
  return reinterpret_cast<HWND>(SendMessageW(parent, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
}

HWND CreateMDIWindowA(LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width, int height,
                      HWND parent, HINSTANCE instance, LPARAM lParam) {
  if (className == nullptr) return nullptr;
  // A class atom passes as it is.
  const std::u16string wideClass = IS_INTRESOURCE(className) ? std::u16string() : platform::AnsiToWideString(className);
  const std::u16string wideName = windowName ? platform::AnsiToWideString(windowName) : std::u16string();
  return CreateMDIWindowW(IS_INTRESOURCE(className) ? reinterpret_cast<LPCWSTR>(className) : wideClass.c_str(),
                          windowName ? wideName.c_str() : nullptr, style, x, y, width, height, parent, instance,
                          lParam);
}
