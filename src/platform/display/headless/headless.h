// The headless display: a virtual screen in memory, for tests and pictures.
// Surfaces are composed onto the screen when it is looked at; input is
// injected by the test and reaches the program when it reads its queue; the
// clock may be deterministic (it moves only when the program waits or the
// test advances it).
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/display/display.h"
#include "platform/gdi/codecs.h"

namespace platform::display::headless {

struct Options {
  SIZE screen{1280, 1024};
  bool deterministicClock = false;
  COLORREF desktop = RGB(58, 110, 165);
};

// A new headless backend; install it with display::SetBackend.
std::unique_ptr<Backend> Create(const Options& options = {});
// Installs a fresh headless backend (destroy every window first).
void Install(const Options& options = {});
// True when the current backend is headless.
bool IsActive();

// Input injection into the current headless backend. The cursor moves to
// the point of each mouse event.
void MoveMouse(int x, int y);
void Press(InputEvent::Button button = InputEvent::Left);
void Release(InputEvent::Button button = InputEvent::Left);
void Click(int x, int y, InputEvent::Button button = InputEvent::Left);
void DoubleClick(int x, int y, InputEvent::Button button = InputEvent::Left);
void Wheel(int delta);
void KeyDown(UINT virtualKey);
void KeyUp(UINT virtualKey);
// A key pressed and released.
void Key(UINT virtualKey);
void TypeChar(char16_t character);
// Asks a window's surface to close, as a screen's window manager would.
void RequestClose(HWND window);

// Moves the deterministic clock (no effect on a real clock).
void AdvanceClock(DWORD milliseconds);

// The screen: every visible surface as presented, in stacking order, on the
// desktop colour, with window shapes applied.
DibImage ScreenImage();
// A top-level window's presented pixels (its whole window rectangle).
std::optional<DibImage> WindowImage(HWND window);
// The title a top-level window's surface shows on the task bar.
std::optional<std::u16string> WindowTitle(HWND window);
bool SnapshotScreen(const std::string& path);
bool SnapshotWindow(HWND window, const std::string& path);

// The rectangles presented since the last call (window coordinates of the
// surface), for tests of presentation.
std::vector<RECT> TakePresentedRects(HWND window);

}  // namespace platform::display::headless
