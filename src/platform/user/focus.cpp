// Activation and keyboard focus, with the CBT hook called before either
// changes and the messages in Windows' order: WM_NCACTIVATE and WM_ACTIVATE
// to the window losing activation, WM_ACTIVATEAPP when the program as a
// whole gains or loses it, WM_NCACTIVATE and WM_ACTIVATE to the new window,
// then WM_KILLFOCUS/WM_SETFOCUS. A window that answers 0 to WM_NCACTIVATE
// FALSE refuses to be deactivated: it stays active and nothing else follows.
#include "platform/user/window_object.h"

namespace platform {
namespace {

struct FocusState {
  HWND active = nullptr;
  HWND focus = nullptr;
  HWND foreground = nullptr;
};

FocusState& State() {
  static FocusState state;
  return state;
}

HWND Valid(HWND hwnd) { return PeekWindowObject(hwnd) ? hwnd : nullptr; }

// Changes the focus window and sends the messages; answers the previous one.
HWND SetFocusWindow(HWND hwnd) {
  FocusState& state = State();
  const HWND previous = Valid(state.focus);
  if (previous == hwnd) return previous;
  state.focus = hwnd;
  if (previous != nullptr) {
    SendMessageW(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
    if (hwnd != Valid(State().focus)) return previous;  // changed by the message
  }
  if (hwnd != nullptr && PeekWindowObject(hwnd)) {
    SendMessageW(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
  }
  return previous;
}

void SendActivateApp(bool active, HWND other) {
  const std::vector<HWND> tops = DesktopObject().children;
  for (HWND top : tops) {
    if (PeekWindowObject(top)) SendMessageW(top, WM_ACTIVATEAPP, active ? TRUE : FALSE, reinterpret_cast<LPARAM>(other));
  }
}

}  // namespace

bool SetActiveWindowInternal(HWND hwnd, bool mouse, bool changeFocus) {
  FocusState& state = State();
  const HWND previous = Valid(state.active);
  if (previous == hwnd) return true;

  // The hook is asked before a window becomes active (not when activation
  // merely goes away).
  CBTACTIVATESTRUCT cbt{mouse ? TRUE : FALSE, previous};
  if (hwnd != nullptr &&
      CallHooks(WH_CBT, HCBT_ACTIVATE, reinterpret_cast<WPARAM>(hwnd), reinterpret_cast<LPARAM>(&cbt)) != 0) {
    return false;
  }
  if (WindowObject* p = PeekWindowObject(previous)) {
    // A window that answers 0 keeps the activation, unless it is going away.
    const bool leaving = p->destroying;
    if (SendMessageW(previous, WM_NCACTIVATE, FALSE, reinterpret_cast<LPARAM>(hwnd)) == 0 && !leaving &&
        PeekWindowObject(previous)) {
      return false;
    }
    if (PeekWindowObject(previous)) {
      SendMessageW(previous, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, IsIconic(previous) ? 1 : 0),
                   reinterpret_cast<LPARAM>(hwnd));
    }
  }
  if (hwnd != nullptr && !PeekWindowObject(hwnd)) return false;
  state.active = hwnd;
  state.foreground = hwnd;
  // The whole program gains activation when nothing of it was active, and
  // loses it when nothing of it is active any more.
  if (previous == nullptr && hwnd != nullptr) SendActivateApp(true, nullptr);
  if (previous != nullptr && hwnd == nullptr) SendActivateApp(false, nullptr);

  if (hwnd != nullptr && PeekWindowObject(hwnd)) {
    SendMessageW(hwnd, WM_NCACTIVATE, TRUE, reinterpret_cast<LPARAM>(previous));
    if (PeekWindowObject(hwnd)) {
      SendMessageW(hwnd, WM_ACTIVATE, MAKEWPARAM(mouse ? WA_CLICKACTIVE : WA_ACTIVE, IsIconic(hwnd) ? 1 : 0),
                   reinterpret_cast<LPARAM>(previous));
    }
  }
  if (changeFocus && Valid(State().active) == hwnd) {
    const HWND focus = Valid(State().focus);
    if (hwnd == nullptr) {
      SetFocus(nullptr);
    } else if (focus == nullptr || GetAncestor(focus, GA_ROOT) != hwnd) {
      SetFocusWindow(hwnd);
    }
  }
  if (WindowObject* top = PeekWindowObject(hwnd); top && !top->IsChild()) {
    FixWindowZOrder(*top, HWND_TOP);
    RaiseOwnedAbove(*top);
  }
  return true;
}

// Activates the next window when `hwnd` stops being activatable (hidden,
// minimised or destroyed): its owner if it can be, else the topmost visible
// enabled top-level window, else none.
void ActivateOtherWindow(HWND hwnd) {
  auto activatable = [&](HWND candidate) {
    WindowObject* w = PeekWindowObject(candidate);
    return w != nullptr && candidate != hwnd && (w->style & WS_VISIBLE) && !(w->style & WS_DISABLED) &&
           !(w->style & WS_MINIMIZE) && !w->destroying && !(w->exStyle & WS_EX_TOOLWINDOW && w->owner == nullptr);
  };
  HWND next = nullptr;
  if (WindowObject* w = PeekWindowObject(hwnd); w && activatable(w->owner)) next = w->owner;
  if (next == nullptr) {
    for (HWND top : DesktopObject().children) {
      if (activatable(top)) {
        next = top;
        break;
      }
    }
  }
  if (next != nullptr) {
    SetActiveWindowInternal(next, false, true);
  } else if (Valid(State().active) == hwnd) {
    SetActiveWindowInternal(nullptr, false, true);
  }
}

void ForgetWindowInFocus(HWND hwnd) {
  FocusState& state = State();
  if (state.focus == hwnd) state.focus = nullptr;
  if (state.active == hwnd) state.active = nullptr;
  if (state.foreground == hwnd) state.foreground = nullptr;
}

}  // namespace platform

using platform::PeekWindowObject;

HWND GetActiveWindow() { return platform::Valid(platform::State().active); }

HWND GetForegroundWindow() { return platform::Valid(platform::State().foreground); }

HWND GetFocus() { return platform::Valid(platform::State().focus); }

HWND SetActiveWindow(HWND hwnd) {
  const HWND previous = GetActiveWindow();
  if (hwnd != nullptr) {
    platform::WindowObject* w = platform::FindWindowObject(hwnd);
    if (w == nullptr) return nullptr;
    if (w->IsChild()) return previous;  // Windows answers without an error here
    if ((w->style & WS_DISABLED) || !(w->style & WS_VISIBLE)) return nullptr;
  }
  if (!platform::SetActiveWindowInternal(hwnd, false, true)) return nullptr;
  return previous;
}

BOOL SetForegroundWindow(HWND hwnd) {
  platform::WindowObject* w = platform::FindWindowObject(hwnd);
  if (w == nullptr) return FALSE;
  const HWND top = GetAncestor(hwnd, GA_ROOT);
  if (!platform::SetActiveWindowInternal(top, false, true)) return FALSE;
  return TRUE;
}

BOOL BringWindowToTop(HWND hwnd) { return SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); }

HWND SetFocus(HWND hwnd) {
  const HWND previous = GetFocus();
  if (hwnd != nullptr) {
    if (!platform::FindWindowObject(hwnd)) return nullptr;
    if (hwnd == previous) return previous;
    // The focus may only go to a window whose ancestors are neither disabled
    // nor minimised; the top-level one gets activated.
    HWND top = hwnd;
    for (;;) {
      platform::WindowObject* w = PeekWindowObject(top);
      if (w == nullptr || (w->style & (WS_MINIMIZE | WS_DISABLED))) return nullptr;
      if (!w->IsChild()) break;
      const HWND parent = w->parent;
      if (parent == nullptr || parent == platform::DesktopHandle()) return nullptr;
      top = parent;
    }
    if (platform::CallHooks(WH_CBT, HCBT_SETFOCUS, reinterpret_cast<WPARAM>(hwnd),
                            reinterpret_cast<LPARAM>(previous)) != 0) {
      return nullptr;
    }
    if (top != GetActiveWindow()) {
      if (!platform::SetActiveWindowInternal(top, false, false)) return nullptr;
      if (!PeekWindowObject(hwnd) || top != GetActiveWindow()) return nullptr;
    }
  } else {
    if (previous == nullptr) return nullptr;
    if (platform::CallHooks(WH_CBT, HCBT_SETFOCUS, 0, reinterpret_cast<LPARAM>(previous)) != 0) return nullptr;
  }
  return platform::SetFocusWindow(hwnd);
}
