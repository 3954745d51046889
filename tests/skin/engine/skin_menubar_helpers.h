// Helpers of the menu-bar tests: a skinned window with a raw menu of four
// items, the screen points of its bar items, and a message-filter hook that
// watches the drop-down loop and acts in it, step by step.
#pragma once

#include <functional>
#include <vector>

#include "skin/engine/engine_fixture.h"

namespace skintest {

class MenuBarTest : public EngineTest {
 public:
  // A drop-down the bar opened: its bar position and menu window rectangle.
  struct Opened {
    int index;
    RECT rect;
  };

 protected:
  void SetUp() override;
  void TearDown() override;

  // A shown, skinned recorder window with the menu "&File" (New, Open),
  // "&Edit" (Undo, Sub ▸ Deep), "&View" (disabled, with Zoom), "&Help"
  // (About); `bounds` as given.
  HWND MenuWindow(RECT bounds = RECT{100, 100, 420, 340});
  TMenuBar* Bar(HWND window) const { return SkinFormOf(window)->FMenuBar.get(); }
  // The screen centre of bar item `index`.
  POINT ItemCentre(HWND window, int index) const;

  // Runs `start`, then, inside the drop-down loops, calls `step` each time
  // the loop shows a drop-down that is new (its number in the run, from 0);
  // the run ends when no drop-down is open any more.
  std::vector<Opened> Track(const std::function<void()>& start, const std::function<void(int)>& step);

  // Records the command ids of the WM_COMMAND messages `window` gets from
  // now on (its procedure is put in front of the skin's until TearDown).
  void WatchCommands(HWND window);
  bool GotCommand(UINT id) const;

  HMENU menu_ = nullptr;
  HWND watched_ = nullptr;
  WNDPROC watchedOld_ = nullptr;
  WNDPROC watchThunk_ = nullptr;
  std::vector<WORD> commands_;
  HMENU file_ = nullptr;
  HMENU edit_ = nullptr;
  HMENU view_ = nullptr;
  HMENU help_ = nullptr;
};

// Ids of the entries.
constexpr UINT kNew = 101;
constexpr UINT kOpen = 102;
constexpr UINT kUndo = 201;
constexpr UINT kDeep = 202;
constexpr UINT kZoom = 301;
constexpr UINT kAbout = 401;

// Posts a key press to the open drop-down's window.
void PostMenuKey(UINT key);

}  // namespace skintest
