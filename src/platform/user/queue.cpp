// Posting and reading messages. Reading takes, in Windows' order, posted
// messages, WM_QUIT, input, WM_PAINT and WM_TIMER, and blocks in the display
// backend when there is nothing to read.
#include <unistd.h>

#include <algorithm>

#include "platform/user/paint_internal.h"
#include "platform/user/queue_internal.h"

namespace platform {
namespace {

class Sink : public display::InputSink {
 public:
  void Deliver(const display::InputEvent& event) override {
    switch (event.kind) {
      case display::InputEvent::Kind::CloseRequest:
        if (PeekWindowObject(event.window)) {
          PostMessageW(event.window, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        return;
      case display::InputEvent::Kind::Moved:
        if (PeekWindowObject(event.window)) {
          SetWindowPos(event.window, nullptr, event.bounds.left, event.bounds.top,
                       event.bounds.right - event.bounds.left, event.bounds.bottom - event.bounds.top,
                       SWP_NOZORDER | SWP_NOACTIVATE);
        }
        return;
      case display::InputEvent::Kind::Activated:
        // The screen's window manager focused a window (a click, a task
        // switch): it becomes the active window unless it already is. A
        // window that a click does not activate (menus, drop-down lists)
        // is not activated by the screen's focus either, which follows the
        // pointer where no window manager runs.
        if (PeekWindowObject(event.window) && IsWindowEnabled(event.window) &&
            GetActiveWindow() != event.window) {
          const LRESULT how = SendMessageW(event.window, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(event.window),
                                           MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
          if (how == MA_NOACTIVATE || how == MA_NOACTIVATEANDEAT || !PeekWindowObject(event.window)) return;
          SetActiveWindow(event.window);
        }
        return;
      case display::InputEvent::Kind::Minimized:
      case display::InputEvent::Kind::Restored: {
        // As a task-bar button does on Windows: a system command the
        // program sees and may refuse.
        const bool minimize = event.kind == display::InputEvent::Kind::Minimized;
        if (PeekWindowObject(event.window) && (IsIconic(event.window) != FALSE) != minimize) {
          PostMessageW(event.window, WM_SYSCOMMAND, minimize ? SC_MINIMIZE : SC_RESTORE, 0);
        }
        return;
      }
      default:
        UpdateAsyncKeyState(event);
        Queue().input.push_back(event);
        return;
    }
  }
};

const HWND kThreadMessagesOnly = reinterpret_cast<HWND>(-1);

bool PeekInternal(MSG* msg, HWND filter, UINT first, UINT last, UINT remove, bool wait) {
  QueueState& queue = Queue();
  display::Backend& backend = display::Current();
  const bool removing = (remove & PM_REMOVE) != 0;
  for (;;) {
    PresentChangedSurfaces();
    backend.Pump(QueueSink());

    // Posted messages, in order.
    for (auto it = queue.posted.begin(); it != queue.posted.end(); ++it) {
      if (!MatchesFilter(it->hwnd, it->message, filter, first, last)) continue;
      *msg = *it;
      if (removing) queue.posted.erase(it);
      queue.lastTime = msg->time;
      queue.lastPoint = msg->pt;
      return true;
    }
    if (queue.quit && (filter == nullptr || filter == kThreadMessagesOnly)) {
      *msg = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(queue.quitCode), 0, backend.TickCount(), queue.lastPoint};
      if (removing) queue.quit = false;
      return true;
    }
    if (NextInputMessage(*msg, filter, first, last, removing)) {
      queue.lastTime = msg->time;
      queue.lastPoint = msg->pt;
      return true;
    }
    const DWORD now = backend.TickCount();
    CheckMouseHover(now);
    if (!queue.posted.empty() && std::any_of(queue.posted.begin(), queue.posted.end(), [&](const MSG& m) {
          return MatchesFilter(m.hwnd, m.message, filter, first, last);
        })) {
      continue;  // the hover check posted something
    }
    if (NextPaintMessage(*msg, filter, first, last)) {
      msg->time = now;
      msg->pt = backend.CursorPosition();
      queue.lastTime = msg->time;
      queue.lastPoint = msg->pt;
      return true;
    }
    if (NextTimerMessage(*msg, filter, first, last, removing, now)) {
      msg->pt = backend.CursorPosition();
      queue.lastTime = msg->time;
      queue.lastPoint = msg->pt;
      return true;
    }
    if (!wait) return false;
    // Input that did not match the filter stays queued; wait only for what
    // can change the answer.
    backend.Wait(QueueSink(), TimeToNextTimer(backend.TickCount(), filter, first, last));
  }
}

}  // namespace

QueueState& Queue() {
  static QueueState queue;
  return queue;
}

display::InputSink& QueueSink() {
  static Sink sink;
  return sink;
}

bool MatchesFilter(HWND target, UINT message, HWND filter, UINT first, UINT last) {
  if (first != 0 || last != 0) {
    if (last < first) {
      // A reversed range selects everything outside it, as on Windows.
      if (message > last && message < first) return false;
    } else if (message < first || message > last) {
      return false;
    }
  }
  if (filter == nullptr) return true;
  if (filter == kThreadMessagesOnly) return target == nullptr;
  return target == filter || IsChild(filter, target);
}

void DropQueuedMessages(HWND hwnd) {
  auto& posted = Queue().posted;
  posted.erase(std::remove_if(posted.begin(), posted.end(), [&](const MSG& m) { return m.hwnd == hwnd; }),
               posted.end());
}

}  // namespace platform

using platform::Queue;

namespace {

BOOL Post(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (hwnd == HWND_BROADCAST) {
    for (HWND top : platform::DesktopObject().children) Post(top, message, wParam, lParam);
    return TRUE;
  }
  if (hwnd != nullptr && !platform::FindWindowObject(hwnd)) return FALSE;
  platform::display::Backend& backend = platform::display::Current();
  Queue().posted.push_back(MSG{hwnd, message, wParam, lParam, backend.TickCount(), backend.CursorPosition()});
  return TRUE;
}

}  // namespace

BOOL PostMessageW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) { return Post(hwnd, message, wParam, lParam); }

// Posted text parameters are not converted; the 8-bit form is the same here.
BOOL PostMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) { return Post(hwnd, message, wParam, lParam); }

BOOL PostThreadMessageW(DWORD thread, UINT message, WPARAM wParam, LPARAM lParam) {
  if (thread != GetCurrentThreadId()) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  return Post(nullptr, message, wParam, lParam);
}

void PostQuitMessage(int exitCode) {
  Queue().quit = true;
  Queue().quitCode = exitCode;
}

BOOL GetMessageW(LPMSG msg, HWND hwnd, UINT first, UINT last) {
  if (msg == nullptr) return -1;
  if (hwnd != nullptr && hwnd != reinterpret_cast<HWND>(-1) && !platform::FindWindowObject(hwnd)) return -1;
  platform::PeekInternal(msg, hwnd, first, last, PM_REMOVE, true);
  return msg->message != WM_QUIT;
}

BOOL GetMessageA(LPMSG msg, HWND hwnd, UINT first, UINT last) { return GetMessageW(msg, hwnd, first, last); }

BOOL PeekMessageW(LPMSG msg, HWND hwnd, UINT first, UINT last, UINT remove) {
  if (msg == nullptr) return FALSE;
  return platform::PeekInternal(msg, hwnd, first, last, remove, false);
}

BOOL PeekMessageA(LPMSG msg, HWND hwnd, UINT first, UINT last, UINT remove) {
  return PeekMessageW(msg, hwnd, first, last, remove);
}

BOOL WaitMessage() {
  platform::QueueState& queue = Queue();
  platform::display::Backend& backend = platform::display::Current();
  platform::PresentChangedSurfaces();
  backend.Pump(platform::QueueSink());
  MSG msg;
  if (!queue.posted.empty() || !queue.input.empty() || queue.quit) return TRUE;
  if (platform::PeekInternal(&msg, nullptr, 0, 0, PM_NOREMOVE, false)) return TRUE;
  backend.Wait(platform::QueueSink(), platform::TimeToNextTimer(backend.TickCount()));
  return TRUE;
}

LRESULT DispatchMessageW(const MSG* msg) {
  if (msg == nullptr) return 0;
  if ((msg->message == WM_TIMER || msg->message == WM_SYSTIMER) && msg->lParam != 0) {
    // Only a procedure of a running timer is called, never an arbitrary
    // value that arrived in lParam.
    if (!platform::IsLiveTimerProc(msg->hwnd, msg->wParam, msg->lParam)) return 0;
    reinterpret_cast<TIMERPROC>(msg->lParam)(msg->hwnd, msg->message, msg->wParam, GetTickCount());
    return 0;
  }
  if (msg->hwnd == nullptr) return 0;
  platform::WindowObject* w = platform::FindWindowObject(msg->hwnd);
  if (w == nullptr) return 0;
  if (msg->message == WM_PAINT) {
    const LRESULT result = SendMessageW(msg->hwnd, WM_PAINT, msg->wParam, msg->lParam);
    // A window procedure that never called BeginPaint has its update region
    // validated here, as Windows does, so WM_PAINT does not come back forever.
    platform::AfterDispatchedPaint(msg->hwnd);
    return result;
  }
  return SendMessageW(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

LRESULT DispatchMessageA(const MSG* msg) {
  if (msg == nullptr || msg->hwnd == nullptr || msg->message == WM_TIMER || msg->message == WM_PAINT) {
    return DispatchMessageW(msg);
  }
  if (!platform::FindWindowObject(msg->hwnd)) return 0;
  return SendMessageA(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

DWORD GetMessagePos() {
  const POINT p = Queue().lastPoint;
  return MAKELONG(static_cast<WORD>(p.x), static_cast<WORD>(p.y));
}

LONG GetMessageTime() { return static_cast<LONG>(Queue().lastTime); }

DWORD GetCurrentThreadId() { return static_cast<DWORD>(::gettid()); }

DWORD GetWindowThreadProcessId(HWND hwnd, DWORD* process) {
  if (!platform::FindWindowObject(hwnd)) return 0;
  if (process) *process = 1;
  return GetCurrentThreadId();
}
