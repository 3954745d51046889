// The message queue of the GUI thread, shared by the queue, input, timer and
// painting files of the window manager.
#pragma once

#include <deque>
#include <optional>

#include "platform/display/display.h"
#include "platform/user/window_object.h"

namespace platform {

struct QueueState {
  std::deque<MSG> posted;
  std::deque<display::InputEvent> input;  // raw input, turned into messages when read
  bool quit = false;
  int quitCode = 0;
  DWORD lastTime = 0;
  POINT lastPoint{};
};

QueueState& Queue();

// Filters of GetMessage/PeekMessage: a window (with its children) or any
// (null) or thread messages only ((HWND)-1), and a message range (0, 0 = all).
bool MatchesFilter(HWND target, UINT message, HWND filter, UINT first, UINT last);

// Input: the next message made from raw input that matches the filter, with
// activation and WM_SETCURSOR done when it is removed. Answers false when
// there is none (or the input was consumed without a message).
bool NextInputMessage(MSG& msg, HWND filter, UINT first, UINT last, bool remove);
// Posts WM_MOUSEHOVER when a hover track has run out.
void CheckMouseHover(DWORD now);
void UpdateAsyncKeyState(const display::InputEvent& event);

// Timers: the next WM_TIMER due now that matches the filter; the time until
// the next one falls due (INFINITE_WAIT when none).
bool NextTimerMessage(MSG& msg, HWND filter, UINT first, UINT last, bool remove, DWORD now);
DWORD TimeToNextTimer(DWORD now, HWND filter = nullptr, UINT first = 0, UINT last = 0);
bool IsLiveTimerProc(HWND hwnd, UINT_PTR id, LPARAM proc);

// Painting: the next window that needs WM_PAINT under the filter.
bool NextPaintMessage(MSG& msg, HWND filter, UINT first, UINT last);

// The sink the display backend delivers input to.
display::InputSink& QueueSink();

// Drops what is queued for a destroyed window.
void DropQueuedMessages(HWND hwnd);

}  // namespace platform
