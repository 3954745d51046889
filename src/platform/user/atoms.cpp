// The global atom table, window properties, and the case-insensitive names
// that classes, atoms and properties share.
#include "platform/user/atoms.h"

#include <map>

#include "platform/user/window_object.h"

namespace platform {
namespace {

constexpr ATOM kFirstStringAtom = 0xC000;

struct AtomEntry {
  WideString name;
  int references = 0;
};

struct AtomTable {
  std::map<ATOM, AtomEntry> byAtom;
  std::map<WideString, ATOM> byName;  // folded names
  ATOM next = kFirstStringAtom;
};

AtomTable& Atoms() {
  static AtomTable table;
  return table;
}

// "#123" names the integer atom 123, as on Windows.
bool ParseIntegerAtom(std::u16string_view name, ATOM& atom) {
  if (name.size() < 2 || name[0] != u'#') return false;
  unsigned value = 0;
  for (std::size_t i = 1; i < name.size(); ++i) {
    if (name[i] < u'0' || name[i] > u'9') return false;
    value = value * 10 + static_cast<unsigned>(name[i] - u'0');
    if (value >= kFirstStringAtom) return false;
  }
  atom = static_cast<ATOM>(value);
  return value != 0;
}

}  // namespace

WideString FoldName(std::u16string_view name) {
  WideString folded(name);
  for (char16_t& c : folded) {
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
  }
  return folded;
}

bool SameName(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char16_t x = a[i], y = b[i];
    if (x >= u'A' && x <= u'Z') x = static_cast<char16_t>(x - u'A' + u'a');
    if (y >= u'A' && y <= u'Z') y = static_cast<char16_t>(y - u'A' + u'a');
    if (x != y) return false;
  }
  return true;
}

ATOM AddAtom(std::u16string_view name) {
  ATOM integer = 0;
  if (ParseIntegerAtom(name, integer)) return integer;
  if (name.empty() || name.size() > 255) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  AtomTable& table = Atoms();
  const WideString folded = FoldName(name);
  auto found = table.byName.find(folded);
  if (found != table.byName.end()) {
    ++table.byAtom[found->second].references;
    return found->second;
  }
  // Atoms freed earlier are reused before the range runs out.
  ATOM atom = 0;
  for (ATOM candidate = table.next; candidate != 0 && candidate >= kFirstStringAtom; ++candidate) {
    if (!table.byAtom.count(candidate)) {
      atom = candidate;
      break;
    }
  }
  if (atom == 0) {
    for (ATOM candidate = kFirstStringAtom; candidate != 0; ++candidate) {
      if (!table.byAtom.count(candidate)) {
        atom = candidate;
        break;
      }
    }
  }
  if (atom == 0) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return 0;
  }
  table.next = static_cast<ATOM>(atom + 1);
  table.byAtom[atom] = AtomEntry{WideString(name), 1};
  table.byName[folded] = atom;
  return atom;
}

ATOM FindAtom(std::u16string_view name) {
  ATOM integer = 0;
  if (ParseIntegerAtom(name, integer)) return integer;
  AtomTable& table = Atoms();
  auto found = table.byName.find(FoldName(name));
  return found == table.byName.end() ? 0 : found->second;
}

bool DeleteAtom(ATOM atom) {
  if (atom < kFirstStringAtom) return atom != 0;
  AtomTable& table = Atoms();
  auto found = table.byAtom.find(atom);
  if (found == table.byAtom.end()) return false;
  if (--found->second.references <= 0) {
    table.byName.erase(FoldName(found->second.name));
    table.byAtom.erase(found);
  }
  return true;
}

bool AtomName(ATOM atom, WideString& name) {
  if (atom == 0) return false;
  if (atom < kFirstStringAtom) {
    name = u"#" + Utf8ToWideString(std::to_string(atom));
    return true;
  }
  AtomTable& table = Atoms();
  auto found = table.byAtom.find(atom);
  if (found == table.byAtom.end()) return false;
  name = found->second.name;
  return true;
}

}  // namespace platform

using platform::AddAtom;

ATOM GlobalAddAtomW(LPCWSTR name) {
  if (name == nullptr) return 0;
  if (IS_INTRESOURCE(name)) return static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(name));
  return AddAtom(name);
}

ATOM GlobalAddAtomA(LPCSTR name) {
  if (name == nullptr) return 0;
  if (IS_INTRESOURCE(name)) return static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(name));
  return AddAtom(platform::AnsiToWideString(name));
}

ATOM GlobalFindAtomW(LPCWSTR name) {
  if (name == nullptr) return 0;
  if (IS_INTRESOURCE(name)) return static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(name));
  return platform::FindAtom(name);
}

ATOM GlobalFindAtomA(LPCSTR name) {
  if (name == nullptr) return 0;
  if (IS_INTRESOURCE(name)) return static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(name));
  return platform::FindAtom(platform::AnsiToWideString(name));
}

// Answers 0 on success and the atom on failure, as on Windows.
ATOM GlobalDeleteAtom(ATOM atom) { return platform::DeleteAtom(atom) ? 0 : atom; }

UINT GlobalGetAtomNameW(ATOM atom, LPWSTR buffer, int size) {
  WideString name;
  if (!platform::AtomName(atom, name) || buffer == nullptr || size <= 0) return 0;
  const std::size_t count = std::min(name.size(), static_cast<std::size_t>(size - 1));
  name.copy(buffer, count);
  buffer[count] = 0;
  return static_cast<UINT>(count);
}

UINT GlobalGetAtomNameA(ATOM atom, LPSTR buffer, int size) {
  WideString name;
  if (!platform::AtomName(atom, name) || buffer == nullptr || size <= 0) return 0;
  const AnsiString ansi = platform::WideToAnsiString(name);
  const std::size_t count = std::min(ansi.size(), static_cast<std::size_t>(size - 1));
  ansi.copy(buffer, count);
  buffer[count] = 0;
  return static_cast<UINT>(count);
}

// ---------------------------------------------------------------------------
// Window properties. A name that is an atom (or names an existing atom) is
// kept as the atom, so GetPropA(hwnd, MAKEINTATOM(a)) and GetPropA(hwnd, name)
// find the same entry.

namespace {

struct PropKey {
  ATOM atom = 0;
  WideString name;
};

PropKey KeyOf(LPCWSTR name) {
  PropKey key;
  if (IS_INTRESOURCE(name)) {
    key.atom = static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(name));
    if (key.atom >= 0xC000) platform::AtomName(key.atom, key.name);
  } else {
    key.atom = platform::FindAtom(name);
    key.name = name;
  }
  return key;
}

PropKey KeyOf(LPCSTR name) {
  if (IS_INTRESOURCE(name)) return KeyOf(reinterpret_cast<LPCWSTR>(name));
  const WideString wide = platform::AnsiToWideString(name);
  return KeyOf(wide.c_str());
}

platform::WindowProperty* FindProp(platform::WindowObject& w, const PropKey& key) {
  for (auto& prop : w.properties) {
    if ((key.atom != 0 && prop.atom == key.atom) || (!key.name.empty() && platform::SameName(prop.name, key.name))) {
      return &prop;
    }
  }
  return nullptr;
}

BOOL SetProp(HWND hwnd, const PropKey& key, HANDLE data) {
  platform::WindowObject* w = platform::FindWindowObject(hwnd);
  if (w == nullptr || (key.atom == 0 && key.name.empty())) return FALSE;
  if (platform::WindowProperty* prop = FindProp(*w, key)) {
    prop->data = data;
    return TRUE;
  }
  w->properties.push_back(platform::WindowProperty{key.atom, key.name, data});
  return TRUE;
}

HANDLE GetProp(HWND hwnd, const PropKey& key) {
  platform::WindowObject* w = platform::FindWindowObject(hwnd);
  if (w == nullptr) return nullptr;
  platform::WindowProperty* prop = FindProp(*w, key);
  return prop ? prop->data : nullptr;
}

HANDLE RemoveProp(HWND hwnd, const PropKey& key) {
  platform::WindowObject* w = platform::FindWindowObject(hwnd);
  if (w == nullptr) return nullptr;
  platform::WindowProperty* prop = FindProp(*w, key);
  if (prop == nullptr) return nullptr;
  HANDLE data = prop->data;
  w->properties.erase(w->properties.begin() + (prop - w->properties.data()));
  return data;
}

}  // namespace

BOOL SetPropW(HWND hwnd, LPCWSTR name, HANDLE data) { return name ? SetProp(hwnd, KeyOf(name), data) : FALSE; }
BOOL SetPropA(HWND hwnd, LPCSTR name, HANDLE data) { return name ? SetProp(hwnd, KeyOf(name), data) : FALSE; }
HANDLE GetPropW(HWND hwnd, LPCWSTR name) { return name ? GetProp(hwnd, KeyOf(name)) : nullptr; }
HANDLE GetPropA(HWND hwnd, LPCSTR name) { return name ? GetProp(hwnd, KeyOf(name)) : nullptr; }
HANDLE RemovePropW(HWND hwnd, LPCWSTR name) { return name ? RemoveProp(hwnd, KeyOf(name)) : nullptr; }
HANDLE RemovePropA(HWND hwnd, LPCSTR name) { return name ? RemoveProp(hwnd, KeyOf(name)) : nullptr; }
