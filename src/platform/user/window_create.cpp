// Creating and destroying windows, in Windows' order of hooks and messages.
#include <algorithm>

#include "platform/display/display.h"
#include "platform/gdi/region.h"
#include "platform/user/atoms.h"
#include "platform/user/menu_object.h"
#include "platform/user/paint_internal.h"
#include "platform/user/window_object.h"

namespace platform {

WindowObject::WindowObject() : HandleObject(HandleKind::Window) {}
WindowObject::~WindowObject() = default;

WindowObject* PeekWindowObject(HWND hwnd) {
  return HandleTable::Instance().FindAs<WindowObject>(hwnd, HandleKind::Window);
}

WindowObject* FindWindowObject(HWND hwnd) {
  WindowObject* w = PeekWindowObject(hwnd);
  if (w == nullptr) SetLastError(ERROR_INVALID_WINDOW_HANDLE);
  return w;
}

namespace {

HWND& DesktopSlot() {
  static HWND desktop = nullptr;
  return desktop;
}

// Next cascade position of a CW_USEDEFAULT window.
POINT NextDefaultPosition() {
  static int step = 0;
  const int offset = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFRAME);
  const POINT position{offset * (step % 10), offset * (step % 10)};
  ++step;
  return position;
}

bool NeedsWindowEdge(DWORD style, DWORD exStyle) {
  return (exStyle & WS_EX_DLGMODALFRAME) || (style & (WS_DLGFRAME | WS_THICKFRAME));
}

void SendParentNotify(HWND hwnd, UINT message) {
  WindowObject* w = PeekWindowObject(hwnd);
  if (w == nullptr || !w->IsChild() || (w->exStyle & WS_EX_NOPARENTNOTIFY)) return;
  const HWND parent = w->parent;
  if (parent == nullptr || parent == DesktopHandle()) return;
  SendMessageW(parent, WM_PARENTNOTIFY, MAKEWPARAM(static_cast<WORD>(message), static_cast<WORD>(w->id)),
               reinterpret_cast<LPARAM>(hwnd));
}

void Unlink(WindowObject& w) {
  if (WindowObject* parent = PeekWindowObject(w.parent)) {
    auto& siblings = parent->children;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), w.handle), siblings.end());
  }
}

// Frees a window and its children without messages other than WM_NCDESTROY,
// children first.
void FreeWindow(HWND hwnd) {
  WindowObject* w = PeekWindowObject(hwnd);
  if (w == nullptr) return;
  const std::vector<HWND> children = w->children;
  for (HWND child : children) FreeWindow(child);
  w = PeekWindowObject(hwnd);
  if (w == nullptr) return;
  Unlink(*w);
  w->parent = nullptr;
  SendMessageW(hwnd, WM_NCDESTROY, 0, 0);
  w = PeekWindowObject(hwnd);
  if (w == nullptr) return;
  KillWindowTimers(hwnd);
  ForgetWindowInInput(hwnd);
  ForgetWindowInFocus(hwnd);
  ForgetWindowInPainting(hwnd);
  ForgetWindowInMenus(hwnd);
  ReleaseClassWindow(w->cls);
  HandleTable::Instance().Remove(hwnd);
}

void SendDestroyMessages(HWND hwnd) {
  if (GetActiveWindow() == hwnd) ActivateOtherWindow(hwnd);
  SendMessageW(hwnd, WM_DESTROY, 0, 0);
  WindowObject* w = PeekWindowObject(hwnd);
  if (w == nullptr) return;
  const std::vector<HWND> children = w->children;
  for (HWND child : children) {
    if (PeekWindowObject(child)) SendDestroyMessages(child);
  }
}

}  // namespace

HWND DesktopHandle() {
  HWND& desktop = DesktopSlot();
  if (desktop != nullptr && PeekWindowObject(desktop)) return desktop;
  EnsureSystemClasses();
  auto object = std::make_unique<WindowObject>();
  WindowObject* w = object.get();
  desktop = static_cast<HWND>(HandleTable::Instance().Insert(std::move(object), true));
  w->handle = desktop;
  w->cls = FindClass(u"#32769", SystemModule());
  if (w->cls) ++w->cls->windows;
  w->proc = w->cls ? w->cls->proc : nullptr;
  w->unicode = true;
  w->instance = SystemModule();
  w->style = WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  const SIZE screen = display::Current().ScreenSize();
  w->window = w->client = RECT{0, 0, screen.cx, screen.cy};
  w->created = true;
  return desktop;
}

WindowObject& DesktopObject() { return *PeekWindowObject(DesktopHandle()); }

HWND CreateWindowInternal(CREATESTRUCTW cs, ClassObject* cls) {
  const HWND desktop = DesktopHandle();
  HWND parent = cs.hwndParent;
  HWND owner = nullptr;
  if ((cs.style & (WS_CHILD | WS_POPUP)) == WS_CHILD) {
    if (parent == nullptr || parent == HWND_MESSAGE || FindWindowObject(parent) == nullptr) {
      SetLastError(1406);  // ERROR_TLW_WITH_WSCHILD
      return nullptr;
    }
  } else {
    if (parent != nullptr && parent != HWND_MESSAGE) {
      if (FindWindowObject(parent) == nullptr) return nullptr;
      owner = GetAncestor(parent, GA_ROOT);
    }
    parent = desktop;
  }

  auto object = std::make_unique<WindowObject>();
  WindowObject* w = object.get();
  const HWND hwnd = static_cast<HWND>(HandleTable::Instance().Insert(std::move(object)));
  w->handle = hwnd;
  w->cls = cls;
  ++cls->windows;
  w->proc = cls->proc;
  w->unicode = cls->unicode;
  w->instance = cs.hInstance ? cs.hInstance : ProgramModule();
  w->parent = parent;
  w->owner = owner;
  w->style = static_cast<DWORD>(cs.style) & ~WS_VISIBLE;
  w->exStyle = cs.dwExStyle;
  w->id = reinterpret_cast<LONG_PTR>(cs.hMenu);
  w->extra.assign(static_cast<std::size_t>(cls->wndExtra), 0);
  if (!w->IsChild()) {
    w->style |= WS_CLIPSIBLINGS;
    if (!(w->style & WS_POPUP)) {
      w->style |= WS_CAPTION;
      w->needSize = true;
    }
  }
  if (NeedsWindowEdge(w->style, w->exStyle)) {
    w->exStyle |= WS_EX_WINDOWEDGE;
  } else {
    w->exStyle &= ~WS_EX_WINDOWEDGE;
  }

  // Default positions and sizes of overlapped windows.
  if (!(cs.style & (WS_CHILD | WS_POPUP))) {
    const SIZE screen = display::Current().ScreenSize();
    if (cs.x == CW_USEDEFAULT) {
      const POINT p = NextDefaultPosition();
      cs.x = p.x;
      cs.y = p.y;
    }
    if (cs.cx == CW_USEDEFAULT) {
      cs.cx = screen.cx * 3 / 4 - cs.x;
      cs.cy = screen.cy * 3 / 4 - cs.y;
    }
  } else {
    if (cs.x == CW_USEDEFAULT) cs.x = cs.y = 0;
    if (cs.cx == CW_USEDEFAULT) cs.cx = cs.cy = 0;
  }

  // The CBT hook sees the window with its class and creation parameters
  // before any message; a non-zero answer refuses the window.
  HWND insertAfter = HWND_TOP;
  if (CallCbtCreateHook(hwnd, cs, insertAfter) != 0) {
    if ((w = PeekWindowObject(hwnd)) != nullptr) {
      ReleaseClassWindow(w->cls);
      HandleTable::Instance().Remove(hwnd);
    }
    return nullptr;
  }
  if ((w = PeekWindowObject(hwnd)) == nullptr) return nullptr;

  if ((cs.style & WS_THICKFRAME) || !(cs.style & (WS_POPUP | WS_CHILD))) {
    const MINMAXINFO info = GetMinMaxInfo(hwnd);
    if ((w = PeekWindowObject(hwnd)) == nullptr) return nullptr;
    cs.cx = std::max<int>(std::min<int>(cs.cx, info.ptMaxTrackSize.x), info.ptMinTrackSize.x);
    cs.cy = std::max<int>(std::min<int>(cs.cy, info.ptMaxTrackSize.y), info.ptMinTrackSize.y);
  }
  cs.cx = std::max(cs.cx, 0);
  cs.cy = std::max(cs.cy, 0);
  w->window = w->client = RECT{cs.x, cs.y, cs.x + cs.cx, cs.y + cs.cy};
  w->normalRect = w->window;

  if (!SendMessageW(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))) {
    FreeWindow(hwnd);
    return nullptr;
  }
  if ((w = PeekWindowObject(hwnd)) == nullptr) return nullptr;
  w->created = true;

  // Children go to the bottom of their siblings, top-level windows to the top
  // of the non-topmost ones.
  FixWindowZOrder(*w, w->IsChild() ? HWND_BOTTOM : ((w->exStyle & WS_EX_TOPMOST) ? HWND_TOPMOST : HWND_NOTOPMOST));

  RECT rect = w->window;
  SendMessageW(hwnd, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&rect));
  if ((w = PeekWindowObject(hwnd)) == nullptr) return nullptr;
  if (rect.right < rect.left) rect.right = rect.left;
  if (rect.bottom < rect.top) rect.bottom = rect.top;
  w->client = rect;

  if (SendMessageW(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
    DestroyWindow(hwnd);
    return nullptr;
  }
  if ((w = PeekWindowObject(hwnd)) == nullptr) return nullptr;

  if (!w->needSize) {
    const RECT client = w->client;
    SendMessageW(hwnd, WM_SIZE, SIZE_RESTORED,
                 MAKELPARAM(static_cast<WORD>(client.right - client.left), static_cast<WORD>(client.bottom - client.top)));
    SendMessageW(hwnd, WM_MOVE, 0, MAKELPARAM(static_cast<WORD>(client.left), static_cast<WORD>(client.top)));
    if ((w = PeekWindowObject(hwnd)) == nullptr) return nullptr;
  }

  // Windows created minimised or maximised take that state now.
  const DWORD state = w->style & (WS_MINIMIZE | WS_MAXIMIZE);
  if (state != 0) {
    w->style &= ~(WS_MINIMIZE | WS_MAXIMIZE);
    RECT newPos{};
    UINT flags = MinMaximize(hwnd, (state & WS_MINIMIZE) ? SW_MINIMIZE : SW_MAXIMIZE, newPos);
    flags |= SWP_FRAMECHANGED;
    if (!(cs.style & WS_VISIBLE) || (cs.style & WS_CHILD) || GetActiveWindow()) flags |= SWP_NOACTIVATE;
    SetWindowPos(hwnd, nullptr, newPos.left, newPos.top, newPos.right - newPos.left, newPos.bottom - newPos.top, flags);
    if (!PeekWindowObject(hwnd)) return nullptr;
  }

  SendParentNotify(hwnd, WM_CREATE);
  if (!PeekWindowObject(hwnd)) return nullptr;

  if (cs.style & WS_VISIBLE) {
    int command = SW_SHOW;
    if (cs.style & WS_MINIMIZE) command = SW_SHOWMINIMIZED;
    ShowWindow(hwnd, command);
  }
  return PeekWindowObject(hwnd) ? hwnd : nullptr;
}

}  // namespace platform

using platform::PeekWindowObject;
using platform::WindowObject;

namespace {

platform::ClassObject* ClassFor(LPCWSTR className, HINSTANCE instance) {
  platform::EnsureSystemClasses();
  if (className == nullptr) return nullptr;
  platform::ClassObject* cls =
      IS_INTRESOURCE(className)
          ? platform::FindClassByAtom(static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(className)), instance)
          : platform::FindClass(className, instance);
  if (cls == nullptr) SetLastError(1407);  // ERROR_CANNOT_FIND_WND_CLASS
  return cls;
}

}  // namespace

HWND CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x, int y, int width,
                     int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID param) {
  platform::ClassObject* cls = ClassFor(className, instance);
  if (cls == nullptr) return nullptr;
  CREATESTRUCTW cs{param, instance, menu, parent, height, width, y, x, static_cast<LONG>(style),
                   windowName, className, exStyle};
  return platform::CreateWindowInternal(cs, cls);
}

HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                     int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID param) {
  WideString wideClass, wideName;
  LPCWSTR classArg = reinterpret_cast<LPCWSTR>(className);
  if (className && !IS_INTRESOURCE(className)) {
    wideClass = platform::AnsiToWideString(className);
    classArg = wideClass.c_str();
  }
  LPCWSTR nameArg = nullptr;
  if (windowName) {
    wideName = platform::AnsiToWideString(windowName);
    nameArg = wideName.c_str();
  }
  return CreateWindowExW(exStyle, classArg, nameArg, style, x, y, width, height, parent, menu, instance, param);
}

BOOL DestroyWindow(HWND hwnd) {
  WindowObject* w = platform::FindWindowObject(hwnd);
  if (w == nullptr || hwnd == platform::DesktopHandle()) return FALSE;
  if (w->destroying) return TRUE;

  if (platform::CallHooks(WH_CBT, HCBT_DESTROYWND, reinterpret_cast<WPARAM>(hwnd), 0) != 0) return FALSE;
  if ((w = PeekWindowObject(hwnd)) == nullptr) return TRUE;
  w->destroying = true;

  const bool isChild = w->IsChild();
  if (isChild) platform::SendParentNotify(hwnd, WM_DESTROY);
  if ((w = PeekWindowObject(hwnd)) == nullptr) return TRUE;

  if (w->style & WS_VISIBLE) {
    // Only child windows receive WM_SHOWWINDOW when destroyed.
    if (isChild) {
      ShowWindow(hwnd, SW_HIDE);
    } else {
      SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    }
  }
  if (!PeekWindowObject(hwnd)) return TRUE;

  // Owned windows go first.
  if (!isChild) {
    for (;;) {
      HWND ownedWindow = nullptr;
      for (HWND top : platform::DesktopObject().children) {
        WindowObject* candidate = PeekWindowObject(top);
        if (candidate && candidate->owner == hwnd && !candidate->destroying) {
          ownedWindow = top;
          break;
        }
      }
      if (ownedWindow == nullptr) break;
      DestroyWindow(ownedWindow);
    }
  }

  platform::SendDestroyMessages(hwnd);
  if (!PeekWindowObject(hwnd)) return TRUE;
  // Windows that are left without an owner keep living.
  for (HWND top : platform::DesktopObject().children) {
    if (WindowObject* candidate = PeekWindowObject(top); candidate && candidate->owner == hwnd) candidate->owner = nullptr;
  }
  platform::FreeWindow(hwnd);
  return TRUE;
}

HWND GetDesktopWindow() { return platform::DesktopHandle(); }
