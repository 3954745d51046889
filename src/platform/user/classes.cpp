// Window classes: registration, lookup by name or atom, class data.
#include <cstring>
#include <list>

#include "platform/controls/controls.h"
#include "platform/user/atoms.h"
#include "platform/user/mdi_internal.h"
#include "platform/user/menu_object.h"
#include "platform/user/window_object.h"

namespace platform {
namespace {

// A list keeps every class at a stable address (windows point at theirs).
std::list<ClassObject>& Classes() {
  static std::list<ClassObject> classes;
  return classes;
}

bool IsSystemClass(const ClassObject& cls) { return cls.instance == SystemModule(); }

template <class WndClass>
bool CheckClassInfo(const WndClass* wc) {
  if (wc == nullptr || wc->cbSize != sizeof(WndClass) || wc->lpszClassName == nullptr || wc->cbClsExtra < 0 ||
      wc->cbWndExtra < 0 || wc->cbClsExtra > 40000 || wc->cbWndExtra > 40000) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
  }
  return true;
}

ATOM Register(ClassObject cls) {
  if (cls.instance == nullptr) cls.instance = ProgramModule();
  for (const ClassObject& existing : Classes()) {
    // A class name is unique per module; the system's classes may be
    // overridden by a module's own class of the same name.
    if (SameName(existing.name, cls.name) && existing.instance == cls.instance) {
      SetLastError(1410);  // ERROR_CLASS_ALREADY_EXISTS
      return 0;
    }
  }
  cls.atom = AddAtom(cls.name);
  if (cls.atom == 0) return 0;
  cls.extra.assign(static_cast<std::size_t>(cls.clsExtra), 0);
  Classes().push_back(std::move(cls));
  return Classes().back().atom;
}

ClassObject* Find(std::u16string_view name, ATOM atom, HINSTANCE instance) {
  if (instance == nullptr) instance = ProgramModule();
  ClassObject* global = nullptr;
  for (ClassObject& cls : Classes()) {
    const bool matches = atom != 0 ? cls.atom == atom : SameName(cls.name, name);
    if (!matches) continue;
    if (cls.instance == instance) return &cls;
    if ((cls.style & CS_GLOBALCLASS) || IsSystemClass(cls)) {
      // A module's global class wins over the system's class.
      if (global == nullptr || IsSystemClass(*global)) global = &cls;
    }
  }
  return global;
}

bool Unregister(std::u16string_view name, ATOM atom, HINSTANCE instance) {
  if (instance == nullptr) instance = ProgramModule();
  auto& classes = Classes();
  for (auto it = classes.begin(); it != classes.end(); ++it) {
    const bool matches = atom != 0 ? it->atom == atom : SameName(it->name, name);
    if (!matches || it->instance != instance) continue;
    if (it->windows > 0) {
      SetLastError(1412);  // ERROR_CLASS_HAS_WINDOWS
      return false;
    }
    DeleteAtom(it->atom);
    classes.erase(it);
    return true;
  }
  SetLastError(1411);  // ERROR_CLASS_DOES_NOT_EXIST
  return false;
}

LRESULT DesktopProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE:
      return TRUE;
    case WM_ERASEBKGND:
    case WM_PAINT:
    case WM_NCPAINT:
      return DefWindowProcW(hwnd, message, wParam, lParam);
    case WM_PARENTNOTIFY:
    case WM_NCACTIVATE:
      return 0;
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

ATOM Atomize(LPCWSTR name) {
  return IS_INTRESOURCE(name) ? static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(name)) : 0;
}

}  // namespace

ClassObject* FindClass(std::u16string_view name, HINSTANCE instance) { return Find(name, 0, instance); }

ClassObject* FindClassByAtom(ATOM atom, HINSTANCE instance) { return Find({}, atom, instance); }

void ReleaseClassWindow(ClassObject* cls) {
  if (cls != nullptr && cls->windows > 0) --cls->windows;
}

void EnsureSystemClasses() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  WNDCLASSEXW desktop{};
  desktop.lpfnWndProc = WndProcFromFunction(DesktopProc);
  desktop.hInstance = SystemModule();
  desktop.lpszClassName = u"#32769";
  desktop.style = CS_GLOBALCLASS;
  RegisterClassExW(&desktop);
  RegisterDialogClass();
  RegisterMenuWindowClass();
  RegisterMdiClientClass();
  RegisterStandardControls();
}

}  // namespace platform

using platform::ClassObject;

namespace platform {
namespace {

WideString NameOf(LPCWSTR name) { return WideString(name); }
WideString NameOf(LPCSTR name) { return AnsiToWideString(name); }

// RegisterClassExW/A: the class's procedure takes the charset of the call.
template <class WndClass>
ATOM RegisterFrom(const WndClass* wc, bool unicode) {
  if (!CheckClassInfo(wc)) return 0;
  EnsureSystemClasses();
  ClassObject cls;
  if (!IS_INTRESOURCE(wc->lpszClassName)) cls.name = NameOf(wc->lpszClassName);
  if (cls.name.empty()) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  cls.style = wc->style;
  cls.proc = ResolveInstalledProcedure(wc->lpfnWndProc, unicode, cls.unicode);
  cls.clsExtra = wc->cbClsExtra;
  cls.wndExtra = wc->cbWndExtra;
  cls.instance = wc->hInstance;
  cls.icon = wc->hIcon;
  cls.iconSmall = wc->hIconSm;
  cls.cursor = wc->hCursor;
  cls.background = wc->hbrBackground;
  if (wc->lpszMenuName && !IS_INTRESOURCE(wc->lpszMenuName)) cls.menuName = NameOf(wc->lpszMenuName);
  return Register(std::move(cls));
}

}  // namespace
}  // namespace platform

ATOM RegisterClassExW(const WNDCLASSEXW* wc) { return platform::RegisterFrom(wc, true); }

ATOM RegisterClassExA(const WNDCLASSEXA* wc) { return platform::RegisterFrom(wc, false); }

BOOL UnregisterClassW(LPCWSTR name, HINSTANCE instance) {
  if (name == nullptr) return FALSE;
  const ATOM atom = platform::Atomize(name);
  return platform::Unregister(atom ? std::u16string_view() : std::u16string_view(name), atom, instance);
}

BOOL UnregisterClassA(LPCSTR name, HINSTANCE instance) {
  if (name == nullptr) return FALSE;
  if (IS_INTRESOURCE(name)) return UnregisterClassW(reinterpret_cast<LPCWSTR>(name), instance);
  return platform::Unregister(platform::AnsiToWideString(name), 0, instance);
}

BOOL GetClassInfoExW(HINSTANCE instance, LPCWSTR name, WNDCLASSEXW* wc) {
  platform::EnsureSystemClasses();
  if (name == nullptr || wc == nullptr) return FALSE;
  const ATOM atom = platform::Atomize(name);
  ClassObject* cls = platform::Find(atom ? std::u16string_view() : std::u16string_view(name), atom, instance);
  if (cls == nullptr) {
    SetLastError(1411);
    return FALSE;
  }
  wc->style = cls->style;
  wc->lpfnWndProc = platform::ProcedureForCaller(cls->proc, cls->unicode, true);
  wc->cbClsExtra = cls->clsExtra;
  wc->cbWndExtra = cls->wndExtra;
  wc->hInstance = cls->instance;
  wc->hIcon = cls->icon;
  wc->hIconSm = cls->iconSmall;
  wc->hCursor = cls->cursor;
  wc->hbrBackground = cls->background;
  wc->lpszMenuName = nullptr;
  wc->lpszClassName = cls->name.c_str();
  return TRUE;
}

// The ANSI twin: a wide class's procedure comes back as an alias that
// converts text when called with CallWindowProcA (as superclassing needs).
BOOL GetClassInfoExA(HINSTANCE instance, LPCSTR name, WNDCLASSEXA* wc) {
  if (name == nullptr || wc == nullptr) return FALSE;
  WNDCLASSEXW wide;
  const WideString wideName = IS_INTRESOURCE(name) ? WideString() : platform::AnsiToWideString(name);
  if (!GetClassInfoExW(instance, IS_INTRESOURCE(name) ? reinterpret_cast<LPCWSTR>(name) : wideName.c_str(), &wide)) {
    return FALSE;
  }
  const ATOM atom = platform::Atomize(IS_INTRESOURCE(name) ? reinterpret_cast<LPCWSTR>(name) : wideName.c_str());
  ClassObject* cls = platform::Find(atom ? std::u16string_view() : std::u16string_view(wideName), atom, instance);
  wc->style = wide.style;
  wc->lpfnWndProc = platform::ProcedureForCaller(cls->proc, cls->unicode, false);
  wc->cbClsExtra = wide.cbClsExtra;
  wc->cbWndExtra = wide.cbWndExtra;
  wc->hInstance = wide.hInstance;
  wc->hIcon = wide.hIcon;
  wc->hIconSm = wide.hIconSm;
  wc->hCursor = wide.hCursor;
  wc->hbrBackground = wide.hbrBackground;
  wc->lpszMenuName = nullptr;
  wc->lpszClassName = name;
  return TRUE;
}

int GetClassNameW(HWND hwnd, LPWSTR name, int count) {
  platform::WindowObject* w = platform::FindWindowObject(hwnd);
  if (w == nullptr || name == nullptr || count <= 0) return 0;
  const std::size_t length = std::min(w->cls->name.size(), static_cast<std::size_t>(count - 1));
  w->cls->name.copy(name, length);
  name[length] = 0;
  return static_cast<int>(length);
}

int GetClassNameA(HWND hwnd, LPSTR name, int count) {
  platform::WindowObject* w = platform::FindWindowObject(hwnd);
  if (w == nullptr || name == nullptr || count <= 0) return 0;
  const AnsiString ansi = platform::WideToAnsiString(w->cls->name);
  const std::size_t length = std::min(ansi.size(), static_cast<std::size_t>(count - 1));
  ansi.copy(name, length);
  name[length] = 0;
  return static_cast<int>(length);
}

namespace {

ULONG_PTR GetClassData(HWND hwnd, int index, bool unicode) {
  platform::WindowObject* w = platform::FindWindowObject(hwnd);
  if (w == nullptr) return 0;
  ClassObject& cls = *w->cls;
  if (index >= 0) {
    if (static_cast<std::size_t>(index) + sizeof(ULONG_PTR) > cls.extra.size()) {
      SetLastError(1413);  // ERROR_INVALID_INDEX
      return 0;
    }
    ULONG_PTR value = 0;
    std::memcpy(&value, cls.extra.data() + index, sizeof(value));
    return value;
  }
  switch (index) {
    case GCL_STYLE: return cls.style;
    case GCLP_WNDPROC: return reinterpret_cast<ULONG_PTR>(platform::ProcedureForCaller(cls.proc, cls.unicode, unicode));
    case GCL_CBCLSEXTRA: return static_cast<ULONG_PTR>(cls.clsExtra);
    case GCL_CBWNDEXTRA: return static_cast<ULONG_PTR>(cls.wndExtra);
    case GCLP_HMODULE: return reinterpret_cast<ULONG_PTR>(cls.instance);
    case GCLP_HICON: return reinterpret_cast<ULONG_PTR>(cls.icon);
    case GCLP_HICONSM: return reinterpret_cast<ULONG_PTR>(cls.iconSmall);
    case GCLP_HCURSOR: return reinterpret_cast<ULONG_PTR>(cls.cursor);
    case GCLP_HBRBACKGROUND: return reinterpret_cast<ULONG_PTR>(cls.background);
    case GCW_ATOM: return cls.atom;
    default:
      SetLastError(1413);
      return 0;
  }
}

}  // namespace

ULONG_PTR GetClassLongPtrW(HWND hwnd, int index) { return GetClassData(hwnd, index, true); }
ULONG_PTR GetClassLongPtrA(HWND hwnd, int index) { return GetClassData(hwnd, index, false); }

ULONG_PTR SetClassLongPtrW(HWND hwnd, int index, LONG_PTR value) {
  platform::WindowObject* w = platform::FindWindowObject(hwnd);
  if (w == nullptr) return 0;
  ClassObject& cls = *w->cls;
  const ULONG_PTR previous = GetClassData(hwnd, index, true);
  if (index >= 0) {
    if (static_cast<std::size_t>(index) + sizeof(ULONG_PTR) > cls.extra.size()) return 0;
    std::memcpy(cls.extra.data() + index, &value, sizeof(value));
    return previous;
  }
  switch (index) {
    case GCL_STYLE: cls.style = static_cast<UINT>(value); break;
    case GCLP_WNDPROC: cls.proc = platform::ResolveInstalledProcedure(reinterpret_cast<WNDPROC>(value), true, cls.unicode); break;
    case GCLP_HICON: cls.icon = reinterpret_cast<HICON>(value); break;
    case GCLP_HICONSM: cls.iconSmall = reinterpret_cast<HICON>(value); break;
    case GCLP_HCURSOR: cls.cursor = reinterpret_cast<HCURSOR>(value); break;
    case GCLP_HBRBACKGROUND: cls.background = reinterpret_cast<HBRUSH>(value); break;
    default:
      SetLastError(1413);
      return 0;
  }
  return previous;
}
