// Window data: Get/SetWindowLongPtr, window text and control identifiers.
#include <cstring>

#include "platform/user/window_object.h"

using platform::FindWindowObject;
using platform::PeekWindowObject;
using platform::WindowObject;

namespace {

constexpr DWORD ERROR_INVALID_INDEX = 1413;

LONG_PTR GetLong(HWND hwnd, int index, bool unicode) {
  WindowObject* w = FindWindowObject(hwnd);
  if (w == nullptr) return 0;
  if (index >= 0) {
    if (static_cast<std::size_t>(index) + sizeof(LONG) > w->extra.size()) {
      SetLastError(ERROR_INVALID_INDEX);
      return 0;
    }
    LONG_PTR value = 0;
    const std::size_t size = std::min(sizeof(LONG_PTR), w->extra.size() - static_cast<std::size_t>(index));
    std::memcpy(&value, w->extra.data() + index, size);
    return value;
  }
  switch (index) {
    case GWL_STYLE: return static_cast<LONG_PTR>(static_cast<LONG>(w->style));
    case GWL_EXSTYLE: return static_cast<LONG_PTR>(static_cast<LONG>(w->exStyle));
    case GWLP_WNDPROC: return reinterpret_cast<LONG_PTR>(platform::ProcedureForCaller(w->proc, w->unicode, unicode));
    case GWLP_HINSTANCE: return reinterpret_cast<LONG_PTR>(w->instance);
    case GWLP_HWNDPARENT: return reinterpret_cast<LONG_PTR>(GetParent(hwnd));
    case GWLP_ID: return w->id;
    case GWLP_USERDATA: return w->userData;
    default:
      SetLastError(ERROR_INVALID_INDEX);
      return 0;
  }
}

// Style changes go through WM_STYLECHANGING/WM_STYLECHANGED; the window
// procedure may alter the new value on the first.
LONG_PTR SetStyle(HWND hwnd, int index, DWORD value) {
  WindowObject* w = PeekWindowObject(hwnd);
  STYLESTRUCT ss{index == GWL_STYLE ? w->style : w->exStyle, value};
  const DWORD previous = ss.styleOld;
  SendMessageW(hwnd, WM_STYLECHANGING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&ss));
  if ((w = PeekWindowObject(hwnd)) == nullptr) return 0;
  if (index == GWL_STYLE) {
    w->style = ss.styleNew;
  } else {
    w->exStyle = ss.styleNew;
  }
  SendMessageW(hwnd, WM_STYLECHANGED, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&ss));
  return static_cast<LONG_PTR>(static_cast<LONG>(previous));
}

LONG_PTR SetLong(HWND hwnd, int index, LONG_PTR value, bool unicode) {
  WindowObject* w = FindWindowObject(hwnd);
  if (w == nullptr || hwnd == platform::DesktopHandle()) return 0;
  if (index >= 0) {
    if (static_cast<std::size_t>(index) + sizeof(LONG) > w->extra.size()) {
      SetLastError(ERROR_INVALID_INDEX);
      return 0;
    }
    LONG_PTR previous = 0;
    const std::size_t size = std::min(sizeof(LONG_PTR), w->extra.size() - static_cast<std::size_t>(index));
    std::memcpy(&previous, w->extra.data() + index, size);
    std::memcpy(w->extra.data() + index, &value, size);
    return previous;
  }
  switch (index) {
    case GWL_STYLE:
    case GWL_EXSTYLE:
      return SetStyle(hwnd, index, static_cast<DWORD>(value));
    case GWLP_WNDPROC: {
      const LONG_PTR previous =
          reinterpret_cast<LONG_PTR>(platform::ProcedureForCaller(w->proc, w->unicode, unicode));
      bool procUnicode = unicode;
      w->proc = platform::ResolveInstalledProcedure(reinterpret_cast<WNDPROC>(value), unicode, procUnicode);
      w->unicode = procUnicode;
      return previous;
    }
    case GWLP_HINSTANCE: {
      const LONG_PTR previous = reinterpret_cast<LONG_PTR>(w->instance);
      w->instance = reinterpret_cast<HINSTANCE>(value);
      return previous;
    }
    case GWLP_HWNDPARENT: {
      // For a top-level window this sets the owner, as on Windows.
      if (w->IsChild()) return reinterpret_cast<LONG_PTR>(SetParent(hwnd, reinterpret_cast<HWND>(value)));
      const LONG_PTR previous = reinterpret_cast<LONG_PTR>(w->owner);
      w->owner = reinterpret_cast<HWND>(value);
      return previous;
    }
    case GWLP_ID: {
      const LONG_PTR previous = w->id;
      w->id = value;
      return previous;
    }
    case GWLP_USERDATA: {
      const LONG_PTR previous = w->userData;
      w->userData = value;
      return previous;
    }
    default:
      SetLastError(ERROR_INVALID_INDEX);
      return 0;
  }
}

}  // namespace

LONG_PTR GetWindowLongPtrW(HWND hwnd, int index) { return GetLong(hwnd, index, true); }
LONG_PTR GetWindowLongPtrA(HWND hwnd, int index) { return GetLong(hwnd, index, false); }
LONG_PTR SetWindowLongPtrW(HWND hwnd, int index, LONG_PTR value) { return SetLong(hwnd, index, value, true); }
LONG_PTR SetWindowLongPtrA(HWND hwnd, int index, LONG_PTR value) { return SetLong(hwnd, index, value, false); }
LONG GetWindowLongW(HWND hwnd, int index) { return static_cast<LONG>(GetLong(hwnd, index, true)); }
LONG GetWindowLongA(HWND hwnd, int index) { return static_cast<LONG>(GetLong(hwnd, index, false)); }
LONG SetWindowLongW(HWND hwnd, int index, LONG value) { return static_cast<LONG>(SetLong(hwnd, index, value, true)); }
LONG SetWindowLongA(HWND hwnd, int index, LONG value) { return static_cast<LONG>(SetLong(hwnd, index, value, false)); }

// Window text goes through WM_GETTEXT/WM_SETTEXT, so subclassed windows
// and controls answer with their own text.
int GetWindowTextW(HWND hwnd, LPWSTR text, int count) {
  if (text == nullptr || count <= 0) return 0;
  text[0] = 0;
  if (!FindWindowObject(hwnd)) return 0;
  return static_cast<int>(SendMessageW(hwnd, WM_GETTEXT, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(text)));
}

int GetWindowTextA(HWND hwnd, LPSTR text, int count) {
  if (text == nullptr || count <= 0) return 0;
  text[0] = 0;
  if (!FindWindowObject(hwnd)) return 0;
  return static_cast<int>(SendMessageA(hwnd, WM_GETTEXT, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(text)));
}

int GetWindowTextLengthW(HWND hwnd) {
  if (!FindWindowObject(hwnd)) return 0;
  return static_cast<int>(SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0));
}

int GetWindowTextLengthA(HWND hwnd) {
  if (!FindWindowObject(hwnd)) return 0;
  return static_cast<int>(SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0));
}

BOOL SetWindowTextW(HWND hwnd, LPCWSTR text) {
  if (!FindWindowObject(hwnd)) return FALSE;
  return static_cast<BOOL>(SendMessageW(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)));
}

BOOL SetWindowTextA(HWND hwnd, LPCSTR text) {
  if (!FindWindowObject(hwnd)) return FALSE;
  return static_cast<BOOL>(SendMessageA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)));
}

int GetDlgCtrlID(HWND hwnd) {
  WindowObject* w = FindWindowObject(hwnd);
  if (w == nullptr || !w->IsChild()) return 0;
  return static_cast<int>(w->id);
}

HWND GetDlgItem(HWND dialog, int id) {
  WindowObject* w = FindWindowObject(dialog);
  if (w == nullptr) return nullptr;
  for (HWND child : w->children) {
    WindowObject* c = PeekWindowObject(child);
    if (c && static_cast<int>(c->id) == id) return child;
  }
  SetLastError(1421);  // ERROR_CONTROL_ID_NOT_FOUND
  return nullptr;
}
