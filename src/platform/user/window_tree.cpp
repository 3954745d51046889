// Parent, child and owner relations, z-order among siblings, enumeration
// and the coordinate helpers that follow the tree.
#include <algorithm>

#include "platform/user/atoms.h"
#include "platform/user/paint_internal.h"
#include "platform/user/window_object.h"

namespace platform {

POINT ClientOrigin(const WindowObject& w) {
  POINT origin{w.client.left, w.client.top};
  for (WindowObject* p = PeekWindowObject(w.parent); p != nullptr && p->handle != DesktopHandle();
       p = PeekWindowObject(p->parent)) {
    origin.x += p->client.left;
    origin.y += p->client.top;
  }
  return origin;
}

POINT WindowOrigin(const WindowObject& w) {
  const POINT client = ClientOrigin(w);
  return POINT{client.x - (w.client.left - w.window.left), client.y - (w.client.top - w.window.top)};
}

RECT ScreenWindowRect(const WindowObject& w) {
  const POINT o = WindowOrigin(w);
  return RECT{o.x, o.y, o.x + (w.window.right - w.window.left), o.y + (w.window.bottom - w.window.top)};
}

RECT ScreenClientRect(const WindowObject& w) {
  const POINT o = ClientOrigin(w);
  return RECT{o.x, o.y, o.x + (w.client.right - w.client.left), o.y + (w.client.bottom - w.client.top)};
}

WindowObject* TopLevelOf(WindowObject* w) {
  const HWND desktop = DesktopHandle();
  while (w != nullptr && w->parent != desktop) {
    if (w->handle == desktop) return nullptr;
    w = PeekWindowObject(w->parent);
  }
  return w;
}

bool IsReallyVisible(const WindowObject& w) {
  const HWND desktop = DesktopHandle();
  for (const WindowObject* p = &w; p != nullptr && p->handle != desktop; p = PeekWindowObject(p->parent)) {
    if (!(p->style & WS_VISIBLE)) return false;
    if (p->parent == nullptr) return false;  // unlinked
  }
  return true;
}

// Puts `w` in its parent's child list at the place `insertAfter` names.
void FixWindowZOrder(WindowObject& w, HWND insertAfter) {
  WindowObject* parent = PeekWindowObject(w.parent);
  if (parent == nullptr) return;
  auto& list = parent->children;
  list.erase(std::remove(list.begin(), list.end(), w.handle), list.end());
  const bool topLevel = parent->handle == DesktopHandle();
  auto isTopmost = [](HWND h) {
    const WindowObject* o = PeekWindowObject(h);
    return o != nullptr && (o->exStyle & WS_EX_TOPMOST);
  };
  auto firstNonTopmost = [&]() {
    return std::find_if(list.begin(), list.end(), [&](HWND h) { return !isTopmost(h); });
  };
  if (insertAfter == HWND_TOPMOST) {
    if (topLevel) w.exStyle |= WS_EX_TOPMOST;
    list.insert(list.begin(), w.handle);
  } else if (insertAfter == HWND_NOTOPMOST) {
    if (topLevel) w.exStyle &= ~WS_EX_TOPMOST;
    list.insert(firstNonTopmost(), w.handle);
  } else if (insertAfter == HWND_TOP) {
    list.insert(topLevel && !(w.exStyle & WS_EX_TOPMOST) ? firstNonTopmost() : list.begin(), w.handle);
  } else if (insertAfter == HWND_BOTTOM) {
    if (topLevel) w.exStyle &= ~WS_EX_TOPMOST;
    list.push_back(w.handle);
  } else {
    auto at = std::find(list.begin(), list.end(), insertAfter);
    if (at == list.end()) {
      list.insert(list.begin(), w.handle);
    } else {
      list.insert(at + 1, w.handle);
    }
  }
  if (topLevel) RestackSurfaces();
}

// Owned windows stay above their owner: after the owner moved in the
// z-order, the windows it owns are put right above it, in their order.
void RaiseOwnedAbove(WindowObject& owner) {
  WindowObject& desktop = DesktopObject();
  std::vector<HWND> owned;
  for (HWND top : desktop.children) {
    WindowObject* w = PeekWindowObject(top);
    if (w != nullptr && w->owner == owner.handle) owned.push_back(top);
  }
  if (owned.empty()) return;
  auto& list = desktop.children;
  for (HWND h : owned) list.erase(std::remove(list.begin(), list.end(), h), list.end());
  auto at = std::find(list.begin(), list.end(), owner.handle);
  list.insert(at, owned.begin(), owned.end());
  for (HWND h : owned) {
    if (WindowObject* w = PeekWindowObject(h)) RaiseOwnedAbove(*w);
  }
  RestackSurfaces();
}

}  // namespace platform

using platform::FindWindowObject;
using platform::PeekWindowObject;
using platform::WindowObject;

BOOL IsWindow(HWND hwnd) { return PeekWindowObject(hwnd) != nullptr; }

BOOL IsWindowVisible(HWND hwnd) {
  WindowObject* w = PeekWindowObject(hwnd);
  return w != nullptr && platform::IsReallyVisible(*w);
}

BOOL IsWindowEnabled(HWND hwnd) {
  WindowObject* w = PeekWindowObject(hwnd);
  return w != nullptr && !(w->style & WS_DISABLED);
}

BOOL IsWindowUnicode(HWND hwnd) {
  WindowObject* w = PeekWindowObject(hwnd);
  return w != nullptr && w->unicode;
}

BOOL IsIconic(HWND hwnd) {
  WindowObject* w = PeekWindowObject(hwnd);
  return w != nullptr && (w->style & WS_MINIMIZE);
}

BOOL IsZoomed(HWND hwnd) {
  WindowObject* w = PeekWindowObject(hwnd);
  return w != nullptr && (w->style & WS_MAXIMIZE);
}

BOOL IsChild(HWND parent, HWND hwnd) {
  WindowObject* w = PeekWindowObject(hwnd);
  while (w != nullptr && w->IsChild()) {
    if (w->parent == parent) return TRUE;
    w = PeekWindowObject(w->parent);
  }
  return FALSE;
}

BOOL EnableWindow(HWND hwnd, BOOL enable) {
  WindowObject* w = FindWindowObject(hwnd);
  if (w == nullptr) return FALSE;
  const BOOL wasDisabled = (w->style & WS_DISABLED) != 0;
  if (enable && wasDisabled) {
    w->style &= ~WS_DISABLED;
    SendMessageW(hwnd, WM_ENABLE, TRUE, 0);
  } else if (!enable && !wasDisabled) {
    SendMessageW(hwnd, WM_CANCELMODE, 0, 0);
    if ((w = PeekWindowObject(hwnd)) == nullptr) return FALSE;
    w->style |= WS_DISABLED;
    if (hwnd == GetFocus() || IsChild(hwnd, GetFocus())) SetFocus(nullptr);
    if (hwnd == GetCapture()) ReleaseCapture();
    SendMessageW(hwnd, WM_ENABLE, FALSE, 0);
  }
  return wasDisabled;
}

HWND GetParent(HWND hwnd) {
  WindowObject* w = FindWindowObject(hwnd);
  if (w == nullptr) return nullptr;
  if (w->style & WS_POPUP) return w->owner;
  if (w->style & WS_CHILD) return w->parent;
  return nullptr;
}

HWND GetAncestor(HWND hwnd, UINT flags) {
  WindowObject* w = FindWindowObject(hwnd);
  if (w == nullptr) return nullptr;
  const HWND desktop = platform::DesktopHandle();
  if (hwnd == desktop) return nullptr;
  switch (flags) {
    case GA_PARENT:
      return w->parent;
    case GA_ROOT: {
      while (w->parent != desktop && w->parent != nullptr) w = PeekWindowObject(w->parent);
      return w->handle;
    }
    case GA_ROOTOWNER: {
      HWND root = GetAncestor(hwnd, GA_ROOT);
      for (;;) {
        HWND parent = GetParent(root);
        if (parent == nullptr) return root;
        root = GetAncestor(parent, GA_ROOT);
      }
    }
    default:
      return nullptr;
  }
}

HWND GetWindow(HWND hwnd, UINT command) {
  WindowObject* w = FindWindowObject(hwnd);
  if (w == nullptr) return nullptr;
  if (command == GW_OWNER) return w->owner;
  if (command == GW_CHILD) return w->children.empty() ? nullptr : w->children.front();
  if (command == GW_ENABLEDPOPUP) {
    for (HWND top : platform::DesktopObject().children) {
      WindowObject* o = PeekWindowObject(top);
      if (o && o->owner == hwnd && (o->style & WS_VISIBLE) && !(o->style & WS_DISABLED)) return top;
    }
    return nullptr;
  }
  WindowObject* parent = PeekWindowObject(w->parent);
  if (parent == nullptr) return nullptr;
  const auto& list = parent->children;
  const auto at = std::find(list.begin(), list.end(), hwnd);
  if (at == list.end()) return nullptr;
  switch (command) {
    case GW_HWNDFIRST: return list.front();
    case GW_HWNDLAST: return list.back();
    case GW_HWNDNEXT: return at + 1 == list.end() ? nullptr : *(at + 1);
    case GW_HWNDPREV: return at == list.begin() ? nullptr : *(at - 1);
    default:
      SetLastError(ERROR_INVALID_PARAMETER);
      return nullptr;
  }
}

HWND GetNextWindow(HWND hwnd, UINT command) { return GetWindow(hwnd, command); }

HWND GetTopWindow(HWND hwnd) {
  if (hwnd == nullptr) hwnd = platform::DesktopHandle();
  return GetWindow(hwnd, GW_CHILD);
}

namespace {

// Children are listed before the walk so that the callback may change the
// tree; windows destroyed meanwhile are skipped.
bool EnumTree(HWND parent, WNDENUMPROC proc, LPARAM lParam) {
  WindowObject* w = PeekWindowObject(parent);
  if (w == nullptr) return true;
  const std::vector<HWND> children = w->children;
  for (HWND child : children) {
    if (!PeekWindowObject(child)) continue;
    if (!proc(child, lParam)) return false;
    if (!EnumTree(child, proc, lParam)) return false;
  }
  return true;
}

}  // namespace

BOOL EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM lParam) {
  if (proc == nullptr) return FALSE;
  if (parent == nullptr) parent = platform::DesktopHandle();
  if (!FindWindowObject(parent)) return FALSE;
  EnumTree(parent, proc, lParam);
  return TRUE;
}

BOOL EnumWindows(WNDENUMPROC proc, LPARAM lParam) {
  if (proc == nullptr) return FALSE;
  const std::vector<HWND> tops = platform::DesktopObject().children;
  for (HWND top : tops) {
    if (PeekWindowObject(top) && !proc(top, lParam)) break;
  }
  return TRUE;
}

HWND FindWindowExW(HWND parent, HWND childAfter, LPCWSTR className, LPCWSTR windowName) {
  if (parent == nullptr) parent = platform::DesktopHandle();
  WindowObject* p = FindWindowObject(parent);
  if (p == nullptr) return nullptr;
  const std::vector<HWND> children = p->children;
  auto it = children.begin();
  if (childAfter != nullptr) {
    it = std::find(children.begin(), children.end(), childAfter);
    if (it == children.end()) return nullptr;
    ++it;
  }
  for (; it != children.end(); ++it) {
    WindowObject* w = PeekWindowObject(*it);
    if (w == nullptr) continue;
    if (className != nullptr) {
      const bool byAtom = IS_INTRESOURCE(className);
      if (byAtom ? w->cls->atom != static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(className))
                 : !platform::SameName(w->cls->name, className)) {
        continue;
      }
    }
    if (windowName != nullptr && w->text != windowName) continue;
    return *it;
  }
  return nullptr;
}

HWND FindWindowExA(HWND parent, HWND childAfter, LPCSTR className, LPCSTR windowName) {
  WideString wideClass, wideName;
  LPCWSTR classArg = reinterpret_cast<LPCWSTR>(className);
  if (className && !IS_INTRESOURCE(className)) {
    wideClass = platform::AnsiToWideString(className);
    classArg = wideClass.c_str();
  }
  if (windowName) wideName = platform::AnsiToWideString(windowName);
  return FindWindowExW(parent, childAfter, classArg, windowName ? wideName.c_str() : nullptr);
}

HWND SetParent(HWND child, HWND newParent) {
  WindowObject* w = FindWindowObject(child);
  const HWND desktop = platform::DesktopHandle();
  if (w == nullptr || child == desktop) return nullptr;
  if (newParent == nullptr) newParent = desktop;
  if (!FindWindowObject(newParent)) return nullptr;
  // A window cannot become its own descendant.
  for (WindowObject* p = PeekWindowObject(newParent); p != nullptr; p = PeekWindowObject(p->parent)) {
    if (p->handle == child) {
      SetLastError(ERROR_INVALID_PARAMETER);
      return nullptr;
    }
    if (p->handle == desktop) break;
  }
  const HWND oldParent = w->parent;
  const bool wasVisible = (w->style & WS_VISIBLE) != 0;
  if (wasVisible) ShowWindow(child, SW_HIDE);
  if ((w = PeekWindowObject(child)) == nullptr) return nullptr;
  // The window keeps its position relative to the new parent's client area,
  // as on Windows (the rectangle values stay, their meaning changes).
  platform::DetachFromParentSurface(*w);
  if (WindowObject* old = PeekWindowObject(oldParent)) {
    auto& list = old->children;
    list.erase(std::remove(list.begin(), list.end(), child), list.end());
  }
  w->parent = newParent;
  platform::FixWindowZOrder(*w, HWND_TOP);
  if (wasVisible) ShowWindow(child, SW_SHOW);
  return oldParent == desktop ? desktop : oldParent;
}
