// The window manager's own records behind the Win32 surface: classes,
// windows and the state of the one GUI thread. Only platform/user and
// platform/controls include this header.
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "platform/base/handles.h"
#include "platform/base/strings.h"
#include "platform/user/user.h"

namespace platform {

class Region;
struct WindowScrollBars;

namespace display {
class TopLevelSurface;
}

struct ClassObject {
  ATOM atom = 0;
  WideString name;
  UINT style = 0;
  WNDPROC proc = nullptr;
  bool unicode = true;
  int clsExtra = 0;
  int wndExtra = 0;
  HINSTANCE instance = nullptr;
  HICON icon = nullptr;
  HICON iconSmall = nullptr;
  HCURSOR cursor = nullptr;
  HBRUSH background = nullptr;
  WideString menuName;
  std::vector<BYTE> extra;
  int windows = 0;  // live windows of the class
};

struct WindowProperty {
  ATOM atom = 0;       // set when named by an atom or a registered name
  WideString name;     // the name when not an atom
  HANDLE data = nullptr;
};

class WindowObject : public HandleObject {
 public:
  WindowObject();
  ~WindowObject() override;

  HWND handle = nullptr;
  ClassObject* cls = nullptr;
  DWORD style = 0;
  DWORD exStyle = 0;
  WNDPROC proc = nullptr;
  bool unicode = true;
  HINSTANCE instance = nullptr;
  HWND parent = nullptr;
  HWND owner = nullptr;
  std::vector<HWND> children;  // z-order, topmost first
  // Both rectangles are in the parent's client coordinates (screen
  // coordinates for top-level windows).
  RECT window{};
  RECT client{};
  WideString text;
  LONG_PTR id = 0;  // GWLP_ID, the menu handle of a top-level window
  LONG_PTR userData = 0;
  std::vector<BYTE> extra;
  std::vector<WindowProperty> properties;

  // Lifecycle.
  bool needSize = false;     // WM_SIZE/WM_MOVE wait for the first show
  bool destroying = false;   // DestroyWindow has started
  bool created = false;      // WM_NCCREATE accepted

  // Show state.
  RECT normalRect{};         // restored position, parent client coordinates
  POINT minPosition{-1, -1};
  POINT maxPosition{-1, -1};
  bool restoreToMaximized = false;

  // Non-client state.
  bool ncActive = false;
  HICON iconBig = nullptr;
  HICON iconSmall = nullptr;
  LRESULT pressedButton = 0;  // the caption button drawn pressed (HT* code)
  std::shared_ptr<WindowScrollBars> scrollBars;  // made on first use

  // Painting. The update region is in window coordinates (relative to the
  // window rectangle's top-left corner).
  std::unique_ptr<Region> update;
  bool updateErase = false;      // WM_ERASEBKGND is due with the next paint
  bool updateFrame = false;      // WM_NCPAINT is due
  bool internalPaint = false;    // RDW_INTERNALPAINT
  bool inPaint = false;          // between BeginPaint and EndPaint
  bool paintCalled = false;      // BeginPaint ran since WM_PAINT was made
  std::unique_ptr<Region> shape; // SetWindowRgn, window coordinates
  bool redrawOff = false;        // WM_SETREDRAW FALSE

  // The backing store and screen surface of a top-level window.
  std::unique_ptr<display::TopLevelSurface> surface;

  bool IsChild() const { return (style & (WS_CHILD | WS_POPUP)) == WS_CHILD; }
  bool IsVisibleFlag() const { return (style & WS_VISIBLE) != 0; }
};

// The window behind a handle (null for a stale or foreign one, setting
// ERROR_INVALID_WINDOW_HANDLE).
WindowObject* FindWindowObject(HWND hwnd);
// The same without touching the last error.
WindowObject* PeekWindowObject(HWND hwnd);

// Classes.
ClassObject* FindClass(std::u16string_view name, HINSTANCE instance);
ClassObject* FindClassByAtom(ATOM atom, HINSTANCE instance);
void ReleaseClassWindow(ClassObject* cls);
// Registers the window manager's own classes ("#32769", "#32770", "Button",
// "Static", "Edit"); runs once.
void EnsureSystemClasses();
void RegisterDialogClass();

// The desktop window: the parent of every top-level window.
WindowObject& DesktopObject();
HWND DesktopHandle();

// Coordinates: the offset of a window's client area and window rectangle
// from the screen origin.
POINT ClientOrigin(const WindowObject& w);
POINT WindowOrigin(const WindowObject& w);
RECT ScreenWindowRect(const WindowObject& w);
RECT ScreenClientRect(const WindowObject& w);
// The top-level window (child of the desktop) that contains `w`.
WindowObject* TopLevelOf(WindowObject* w);
// True when the window and all its ancestors are visible.
bool IsReallyVisible(const WindowObject& w);

// Sending with charset conversion: `callerUnicode` tells how the message's
// text parameters are encoded.
LRESULT SendMessageFrom(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool callerUnicode);
LRESULT CallProcedure(WNDPROC proc, bool procUnicode, bool callerUnicode, HWND hwnd, UINT message,
                      WPARAM wParam, LPARAM lParam);
// The charset a procedure handle was bound to by an alias (see wndproc.cpp).
WNDPROC ProcedureForCaller(WNDPROC proc, bool procUnicode, bool callerUnicode);
WNDPROC ResolveInstalledProcedure(WNDPROC proc, bool installerUnicode, bool& unicode);

// Hooks: answers the chain's result; `handled` is what Windows calls a
// non-zero answer.
LRESULT CallHooks(int id, int code, WPARAM wParam, LPARAM lParam);
bool HasHooks(int id);
LRESULT CallCbtCreateHook(HWND hwnd, CREATESTRUCTW& cs, HWND& insertAfter);

// Timers of a window are dropped when it is destroyed.
void KillWindowTimers(HWND hwnd);

// Internal pieces of the window manager shared between its files.
LRESULT DefWindowProcImpl(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool unicode);
void FixWindowZOrder(WindowObject& w, HWND insertAfter);
void RaiseOwnedAbove(WindowObject& owner);
MINMAXINFO GetMinMaxInfo(HWND hwnd);
UINT MinMaximize(HWND hwnd, int command, RECT& rect);
RECT NonClientInsets(DWORD style, DWORD exStyle, bool menu);
void ActivateOtherWindow(HWND hwnd);
bool SetActiveWindowInternal(HWND hwnd, bool mouse, bool changeFocus);
void ForgetWindowInInput(HWND hwnd);
void ForgetWindowInFocus(HWND hwnd);
bool SysCommandMoveSize(HWND hwnd, WPARAM command);

}  // namespace platform
