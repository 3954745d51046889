// Timers: WM_TIMER is made when the queue is read and a timer is due, after
// every other kind of message; one pending tick per timer, and the next tick
// is counted from the time the last one was read, as on Windows.
#include <algorithm>
#include <chrono>
#include <thread>

#include "platform/user/queue_internal.h"

namespace platform {
namespace {

struct Timer {
  HWND hwnd = nullptr;
  UINT_PTR id = 0;
  UINT elapse = 0;
  TIMERPROC proc = nullptr;
  DWORD due = 0;
  UINT message = WM_TIMER;  // WM_SYSTIMER for the window manager's own
};

std::vector<Timer>& Timers() {
  static std::vector<Timer> timers;
  return timers;
}

// Windows clamps intervals to at least 10 ms (USER_TIMER_MINIMUM).
constexpr UINT kMinimumElapse = 10;
constexpr UINT kMaximumElapse = 0x7FFFFFFF;

bool IsDue(DWORD due, DWORD now) { return static_cast<LONG>(now - due) >= 0; }

}  // namespace

bool NextTimerMessage(MSG& msg, HWND filter, UINT first, UINT last, bool remove, DWORD now) {
  auto& timers = Timers();
  for (Timer& timer : timers) {
    if (!IsDue(timer.due, now)) continue;
    if (!MatchesFilter(timer.hwnd, timer.message, filter, first, last)) continue;
    msg = MSG{timer.hwnd, timer.message, timer.id, reinterpret_cast<LPARAM>(timer.proc), now, {}};
    if (remove) {
      timer.due = now + timer.elapse;
      // The timer goes to the back, so timers due together take turns.
      Timer copy = timer;
      timers.erase(timers.begin() + (&timer - timers.data()));
      timers.push_back(copy);
    }
    return true;
  }
  return false;
}

DWORD TimeToNextTimer(DWORD now, HWND filter, UINT first, UINT last) {
  DWORD best = display::INFINITE_WAIT;
  for (const Timer& timer : Timers()) {
    if (!MatchesFilter(timer.hwnd, timer.message, filter, first, last)) continue;
    const DWORD wait = IsDue(timer.due, now) ? 0 : timer.due - now;
    best = std::min(best, wait);
  }
  return best;
}

bool IsLiveTimerProc(HWND hwnd, UINT_PTR id, LPARAM proc) {
  for (const Timer& timer : Timers()) {
    if (timer.hwnd == hwnd && timer.id == id && timer.proc != nullptr && reinterpret_cast<LPARAM>(timer.proc) == proc) {
      return true;
    }
  }
  return false;
}

void KillWindowTimers(HWND hwnd) {
  auto& timers = Timers();
  timers.erase(std::remove_if(timers.begin(), timers.end(), [&](const Timer& t) { return t.hwnd == hwnd; }),
               timers.end());
  DropQueuedMessages(hwnd);
}

std::size_t LiveTimerCount() { return Timers().size(); }

}  // namespace platform

namespace platform {
namespace {

UINT_PTR StartTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc, UINT message) {
  if (hwnd != nullptr && !FindWindowObject(hwnd)) return 0;
  elapse = std::clamp(elapse, kMinimumElapse, kMaximumElapse);
  auto& timers = Timers();
  if (hwnd == nullptr) {
    // Timers without a window get an identifier of their own.
    UINT_PTR fresh = 0x7FFF;
    auto taken = [&](UINT_PTR candidate) {
      return std::any_of(timers.begin(), timers.end(),
                         [&](const Timer& t) { return t.hwnd == nullptr && t.id == candidate; });
    };
    while (taken(fresh)) ++fresh;
    id = fresh;
  }
  const DWORD due = GetTickCount() + elapse;
  for (Timer& timer : timers) {
    if (timer.hwnd == hwnd && timer.id == id && timer.message == message) {
      timer.elapse = elapse;
      timer.proc = proc;
      timer.due = due;
      return hwnd == nullptr ? id : (id != 0 ? id : 1);
    }
  }
  timers.push_back(Timer{hwnd, id, elapse, proc, due, message});
  return hwnd == nullptr ? id : (id != 0 ? id : 1);
}

bool StopTimer(HWND hwnd, UINT_PTR id, UINT message) {
  auto& timers = Timers();
  for (auto it = timers.begin(); it != timers.end(); ++it) {
    if (it->hwnd == hwnd && it->id == id && it->message == message) {
      timers.erase(it);
      // A tick already taken from the queue but not dispatched is dropped.
      auto& posted = Queue().posted;
      posted.erase(std::remove_if(posted.begin(), posted.end(),
                                  [&](const MSG& m) { return m.hwnd == hwnd && m.message == message && m.wParam == id; }),
                   posted.end());
      return true;
    }
  }
  SetLastError(1402);  // ERROR_INVALID_TIMER_HANDLE
  return false;
}

}  // namespace

UINT_PTR SetSystemTimer(HWND hwnd, UINT_PTR id, UINT elapse) {
  return StartTimer(hwnd, id, elapse, nullptr, WM_SYSTIMER);
}

bool KillSystemTimer(HWND hwnd, UINT_PTR id) { return StopTimer(hwnd, id, WM_SYSTIMER); }

}  // namespace platform

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc) {
  return platform::StartTimer(hwnd, id, elapse, proc, WM_TIMER);
}

BOOL KillTimer(HWND hwnd, UINT_PTR id) { return platform::StopTimer(hwnd, id, WM_TIMER) ? TRUE : FALSE; }

DWORD GetTickCount() { return platform::display::Current().TickCount(); }

UINT GetDoubleClickTime() { return 500; }

void Sleep(DWORD milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }
