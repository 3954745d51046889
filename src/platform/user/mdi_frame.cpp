// DefFrameProc: the default procedure of a window that holds an
// "MDIClient". It keeps the client filling its client area, activates the
// child chosen in the window menu, hands the maximised child's menu-bar
// buttons to that child and keeps its own title apart from the child's.
// TranslateMDISysAccel: the keyboard of MDI (Ctrl+F4, Ctrl+F6).
#include "platform/user/mdi_internal.h"

namespace platform {
namespace {

constexpr int kVkF6 = 0x75;

LRESULT CallDefault(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool unicode) {
  return unicode ? DefWindowProcW(hwnd, message, wParam, lParam) : DefWindowProcA(hwnd, message, wParam, lParam);
}

// A WM_COMMAND the frame takes for its client: the window menu's entries
// and the maximised child's bar buttons and system menu.
bool HandleCommand(HWND client, WPARAM wParam, LPARAM lParam) {
  MdiClientState* state = MdiClientOf(client);
  if (state == nullptr || HIWORD(wParam) != 0) return false;
  const UINT id = LOWORD(wParam);
  if (id >= state->idFirstChild && id - state->idFirstChild < state->children.size()) {
    const HWND child = state->children[id - state->idFirstChild];
    if (IsIconic(child)) ShowWindow(child, SW_RESTORE);
    SendMessageW(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(child), 0);
    return true;
  }
  if (id >= 0xF000 && state->maximized != nullptr && IsWindow(state->maximized)) {
    SendMessageW(state->maximized, WM_SYSCOMMAND, wParam, lParam);
    return true;
  }
  return false;
}

LRESULT FrameProc(HWND hwnd, HWND client, UINT message, WPARAM wParam, LPARAM lParam, bool unicode) {
  MdiClientState* state = MdiClientOf(client);
  if (state == nullptr) return CallDefault(hwnd, message, wParam, lParam, unicode);
  switch (message) {
    case WM_COMMAND:
      if (HandleCommand(client, wParam, lParam)) return 0;
      break;
    case WM_SETTEXT:
      if (lParam == 0) {
        state->frameTitle.clear();
      } else if (unicode) {
        state->frameTitle = reinterpret_cast<LPCWSTR>(lParam);
      } else {
        state->frameTitle = AnsiToWideString(reinterpret_cast<LPCSTR>(lParam));
      }
      UpdateMdiFrameText(client);
      return TRUE;
    case WM_SETFOCUS:
      SetFocus(client);
      return 0;
    case WM_SIZE: {
      RECT r{};
      GetClientRect(hwnd, &r);
      MoveWindow(client, 0, 0, r.right, r.bottom, TRUE);
      return 0;
    }
    default:
      break;
  }
  return CallDefault(hwnd, message, wParam, lParam, unicode);
}

}  // namespace
}  // namespace platform

LRESULT DefFrameProcW(HWND hwnd, HWND client, UINT message, WPARAM wParam, LPARAM lParam) {
  return platform::FrameProc(hwnd, client, message, wParam, lParam, true);
}

LRESULT DefFrameProcA(HWND hwnd, HWND client, UINT message, WPARAM wParam, LPARAM lParam) {
  return platform::FrameProc(hwnd, client, message, wParam, lParam, false);
}

BOOL TranslateMDISysAccel(HWND client, LPMSG msg) {
  platform::MdiClientState* state = platform::MdiClientOf(client);
  if (state == nullptr || msg == nullptr || (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN)) return FALSE;
  if (GetKeyState(VK_CONTROL) >= 0 || GetKeyState(VK_MENU) < 0) return FALSE;
  const HWND active = state->active;
  if (active == nullptr || !IsWindow(active) || !IsWindowEnabled(active)) return FALSE;
  WPARAM command = 0;
  if (msg->wParam == VK_F4) {
    command = SC_CLOSE;
  } else if (msg->wParam == platform::kVkF6 || msg->wParam == VK_TAB) {
    command = GetKeyState(VK_SHIFT) < 0 ? SC_PREVWINDOW : SC_NEXTWINDOW;
  } else {
    return FALSE;
  }
  SendMessageW(active, WM_SYSCOMMAND, command, static_cast<LPARAM>(msg->wParam));
  return TRUE;
}
