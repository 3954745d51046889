// The display backend: what the window manager needs from a screen. A
// backend gives each top-level window a surface (its 32-bit backing store and
// its place on the screen), presents the rectangles that painting changed,
// shapes surfaces from window regions, delivers input into the platform's
// queue, waits when the program is idle, keeps the clock and the cursor.
// Two backends implement it: `headless` (tests, pictures, injected input) and
// `gtk` (a real screen).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/base/types.h"

namespace platform {

class Surface;
class Region;

namespace display {

// Raw input and window-manager events in screen coordinates, as the backend
// sees them; the window manager turns them into window messages when the
// program reads its queue.
struct InputEvent {
  enum class Kind : std::uint8_t {
    MouseMove,
    ButtonDown,
    ButtonUp,
    Wheel,
    KeyDown,
    KeyUp,
    Char,         // a character typed without a key (input methods, tests)
    CloseRequest, // the screen's window manager asks a surface to close
    Moved,        // the screen's window manager moved or sized a surface
    Activated,    // the screen's window manager gave a surface the focus
    Minimized,    // the screen's window manager (a task bar) minimised a surface
    Restored,     // … or restored it
  };
  enum Button : std::uint8_t { Left = 0, Right = 1, Middle = 2 };

  Kind kind = Kind::MouseMove;
  POINT point{};          // cursor position (screen) for mouse events
  std::uint8_t button = Left;
  int wheelDelta = 0;     // multiples of WHEEL_DELTA
  UINT virtualKey = 0;
  UINT scanCode = 0;
  char16_t character = 0;
  DWORD time = 0;
  HWND window = nullptr;  // the surface's window for CloseRequest/Moved
  RECT bounds{};          // new bounds for Moved
};

// Where a backend delivers input: the window manager's queue.
class InputSink {
 public:
  virtual ~InputSink() = default;
  virtual void Deliver(const InputEvent& event) = 0;
};

enum class CursorShape : std::uint8_t {
  Arrow, IBeam, Wait, Cross, UpArrow, SizeNWSE, SizeNESW, SizeWE, SizeNS, SizeAll, No, Hand,
  AppStarting, Help, Custom
};

// One top-level window on the screen. The window manager draws into
// BackingStore() and calls Present with what changed.
class TopLevelSurface {
 public:
  virtual ~TopLevelSurface() = default;

  virtual Surface& BackingStore() = 0;
  // Screen position and size; the backing store follows the size, keeping
  // the pixels of the common part.
  virtual void SetBounds(const RECT& screen) = 0;
  virtual void SetVisible(bool visible) = 0;
  // The window's shape in window coordinates; null restores the rectangle.
  virtual void SetShape(const Region* shape) = 0;
  // Copies the changed part (window coordinates) of the backing store to the
  // screen.
  virtual void Present(const Region& changed) = 0;
  virtual void SetIconic(bool iconic) = 0;
  virtual void SetTitle(const std::u16string& title) = 0;
  // The surface of the window that owns this one (dialogs stay with their
  // owner on the screen); null for none.
  virtual void SetOwner(TopLevelSurface* /*owner*/) {}
  // The task-bar icon: width × height 0xAARRGGBB pixels, straight alpha,
  // rows top-down; an empty picture removes it.
  virtual void SetIcon(int /*width*/, int /*height*/, const std::vector<std::uint32_t>& /*argb*/) {}
};

// A browser engine's page view shown over a window of a top-level surface
// (the browser window class). The window asks where it goes; the view
// follows its top-level window on the screen.
class BrowserView {
 public:
  virtual ~BrowserView() = default;
  // The top-level window the view lies in and its rectangle in that
  // window's coordinates. The top-level window's surface may not exist yet:
  // the view joins it when it is created.
  virtual void Place(HWND topLevel, const RECT& inTopLevel, bool visible) = 0;
  virtual void Navigate(const std::u16string& address) = 0;
  // Called (from the backend's event loop) when a page finished loading,
  // also when it failed (the view shows the failure itself).
  virtual void OnLoadFinished(std::function<void(const std::u16string& address)> handler) = 0;
};

class Backend {
 public:
  virtual ~Backend() = default;

  virtual const char* Name() const = 0;
  virtual SIZE ScreenSize() const = 0;

  // `popup` surfaces (menus, drop-down lists) are not decorated or managed.
  virtual std::unique_ptr<TopLevelSurface> CreateSurface(HWND window, const RECT& screen, bool popup) = 0;
  // The stacking order of the visible and hidden surfaces, topmost first.
  virtual void Restack(const std::vector<TopLevelSurface*>& topmostFirst) = 0;

  // Hands pending input to the sink without blocking.
  virtual void Pump(InputSink& sink) = 0;
  // Blocks until input arrives or `timeoutMs` passed (INFINITE_WAIT: no
  // limit), then pumps. Answers true when input arrived.
  virtual bool Wait(InputSink& sink, DWORD timeoutMs) = 0;
  // Milliseconds since the backend started.
  virtual DWORD TickCount() = 0;

  virtual POINT CursorPosition() const = 0;
  virtual void SetCursorPosition(POINT screen) = 0;
  virtual void SetCursorShape(CursorShape shape) = 0;
  virtual void Beep() = 0;

  // A page view for the browser window class; null when the backend has no
  // browser engine (the window then paints a placeholder).
  virtual std::unique_ptr<BrowserView> CreateBrowserView() { return nullptr; }

  // Hands a system move (`hit` HTCAPTION) or size (an HT* border code) to
  // the screen's window manager, the button being held at `screen`. Answers
  // false when the program must move the window itself. When it answers
  // true, Moved events follow the window and a ButtonUp ends the drag.
  virtual bool BeginMoveSize(HWND /*window*/, int /*hit*/, POINT /*screen*/) { return false; }

  // The screen's text clipboard, shared with other programs; no value: no
  // text on it. This default keeps the text in the process (headless).
  virtual void SetClipboardText(std::optional<std::u16string> text) { clipboardText_ = std::move(text); }
  virtual std::optional<std::u16string> ClipboardText() { return clipboardText_; }

 private:
  std::optional<std::u16string> clipboardText_;
};

constexpr DWORD INFINITE_WAIT = 0xFFFFFFFF;

// The backend in use. The first call picks one: the one installed with
// SetBackend, else the one named by BRELLIS_DISPLAY ("headless" or "gtk"),
// else gtk when a screen is available and was built, else headless.
Backend& Current();
// Installs a backend (tests install a headless one with their options);
// answers the previous one.
std::unique_ptr<Backend> SetBackend(std::unique_ptr<Backend> backend);

}  // namespace display
}  // namespace platform
