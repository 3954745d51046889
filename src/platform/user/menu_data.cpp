// Menu objects and their items: creation and destruction, the MF_ functions
// that add, change and remove items, and the queries by command or position.
#include <algorithm>
#include <cstring>
#include <memory>

#include "platform/user/menu_object.h"

namespace platform {

MenuObject* PeekMenuObject(HMENU menu) { return HandleTable::Instance().FindAs<MenuObject>(menu, HandleKind::Menu); }

MenuObject* FindMenuObject(HMENU menu) {
  MenuObject* m = PeekMenuObject(menu);
  if (m == nullptr) SetLastError(ERROR_INVALID_MENU_HANDLE);
  return m;
}

namespace {

MenuItem* FindByCommand(MenuObject& m, UINT id, MenuObject** owner, int* index, int depth) {
  // A sub-menu of a sub-menu of itself would never end the search.
  if (depth > 32) return nullptr;
  MenuItem* fallback = nullptr;
  int fallbackIndex = -1;
  for (std::size_t i = 0; i < m.items.size(); ++i) {
    MenuItem& item = m.items[i];
    if (item.subMenu != nullptr) {
      if (MenuObject* sub = PeekMenuObject(item.subMenu)) {
        if (MenuItem* found = FindByCommand(*sub, id, owner, index, depth + 1)) return found;
      }
      if (item.id == id && fallback == nullptr) {
        fallback = &item;
        fallbackIndex = static_cast<int>(i);
      }
    } else if (item.id == id) {
      if (owner) *owner = &m;
      if (index) *index = static_cast<int>(i);
      return &item;
    }
  }
  if (fallback != nullptr) {
    if (owner) *owner = &m;
    if (index) *index = fallbackIndex;
  }
  return fallback;
}

HMENU NewMenu(bool popup) {
  auto object = std::make_unique<MenuObject>();
  MenuObject* m = object.get();
  m->popup = popup;
  m->handle = static_cast<HMENU>(HandleTable::Instance().Insert(std::move(object)));
  return m->handle;
}

// The item an MF_ call describes. Answers false for an invalid combination.
bool ItemFromFlags(UINT flags, UINT_PTR idNewItem, const WideString* text, const void* rawText, MenuItem& item) {
  item.type = flags & (MF_BITMAP | MF_OWNERDRAW | MF_SEPARATOR | MF_MENUBARBREAK | MF_MENUBREAK | MF_RIGHTJUSTIFY |
                       MFT_RADIOCHECK | MFT_RIGHTORDER);
  item.state = flags & (MF_CHECKED | MF_HILITE | MF_DEFAULT);
  // Greyed and disabled are one state (MFS_GRAYED == MFS_DISABLED).
  if (flags & (MF_GRAYED | MF_DISABLED)) item.state |= MFS_GRAYED;
  item.subMenu = nullptr;
  item.hasText = false;
  item.text.clear();
  item.bitmap = nullptr;
  item.data = 0;
  item.measured = false;
  if (flags & MF_POPUP) {
    item.subMenu = reinterpret_cast<HMENU>(idNewItem);
    if (PeekMenuObject(item.subMenu) == nullptr) {
      SetLastError(ERROR_INVALID_MENU_HANDLE);
      return false;
    }
  }
  item.id = static_cast<UINT>(idNewItem);
  if (item.type & MF_OWNERDRAW) {
    item.data = reinterpret_cast<ULONG_PTR>(rawText);
  } else if (item.type & MF_BITMAP) {
    item.bitmap = reinterpret_cast<HBITMAP>(const_cast<void*>(rawText));
  } else if (!(item.type & MF_SEPARATOR)) {
    // A string item without a string is a separator.
    if (text == nullptr) {
      item.type |= MF_SEPARATOR;
    } else {
      item.text = *text;
      item.hasText = true;
    }
  }
  return true;
}

bool Insert(HMENU menu, UINT position, UINT flags, UINT_PTR idNewItem, const WideString* text, const void* raw) {
  MenuObject* m = FindMenuObject(menu);
  if (m == nullptr) return false;
  MenuItem item;
  if (!ItemFromFlags(flags, idNewItem, text, raw, item)) return false;
  std::size_t at = m->items.size();
  if (position != static_cast<UINT>(-1)) {
    if (flags & MF_BYPOSITION) {
      at = std::min<std::size_t>(position, m->items.size());
    } else {
      MenuObject* holder = nullptr;
      int index = -1;
      if (FindMenuItem(menu, position, false, &holder, &index) == nullptr) {
        SetLastError(ERROR_MENU_ITEM_NOT_FOUND);
        return false;
      }
      m = holder;
      at = static_cast<std::size_t>(index);
    }
  }
  m->items.insert(m->items.begin() + static_cast<std::ptrdiff_t>(at), std::move(item));
  return true;
}

bool Modify(HMENU menu, UINT position, UINT flags, UINT_PTR idNewItem, const WideString* text, const void* raw) {
  MenuItem* item = FindMenuItem(menu, position, (flags & MF_BYPOSITION) != 0);
  if (item == nullptr) return false;
  MenuItem changed = *item;
  if (!ItemFromFlags(flags, idNewItem, text, raw, changed)) return false;
  // A sub-menu replaced by something else is destroyed, as Windows does.
  if (item->subMenu != nullptr && item->subMenu != changed.subMenu) DestroyMenu(item->subMenu);
  *item = std::move(changed);
  return true;
}

const WideString* TextArgument(UINT flags, LPCWSTR text, WideString& store) {
  if (flags & (MF_BITMAP | MF_OWNERDRAW | MF_SEPARATOR)) return nullptr;
  if (text == nullptr) return nullptr;
  store = text;
  return &store;
}

const WideString* TextArgument(UINT flags, LPCSTR text, WideString& store) {
  if (flags & (MF_BITMAP | MF_OWNERDRAW | MF_SEPARATOR)) return nullptr;
  if (text == nullptr) return nullptr;
  store = AnsiToWideString(text);
  return &store;
}

bool RemoveItem(HMENU menu, UINT position, UINT flags, bool destroySubMenu) {
  MenuObject* holder = nullptr;
  int index = -1;
  MenuItem* item = FindMenuItem(menu, position, (flags & MF_BYPOSITION) != 0, &holder, &index);
  if (item == nullptr) return false;
  const HMENU sub = item->subMenu;
  holder->items.erase(holder->items.begin() + index);
  if (destroySubMenu && sub != nullptr) DestroyMenu(sub);
  return true;
}

}  // namespace

MenuItem* FindMenuItem(HMENU menu, UINT item, bool byPosition, MenuObject** owner, int* index) {
  MenuObject* m = FindMenuObject(menu);
  if (m == nullptr) return nullptr;
  if (byPosition) {
    if (item >= m->items.size()) {
      SetLastError(ERROR_MENU_ITEM_NOT_FOUND);
      return nullptr;
    }
    if (owner) *owner = m;
    if (index) *index = static_cast<int>(item);
    return &m->items[item];
  }
  MenuItem* found = FindByCommand(*m, item, owner, index, 0);
  if (found == nullptr) SetLastError(ERROR_MENU_ITEM_NOT_FOUND);
  return found;
}

char16_t MenuMnemonic(const WideString& text) {
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != u'&') continue;
    if (text[i + 1] == u'&') {
      ++i;
      continue;
    }
    const char16_t c = text[i + 1];
    return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - u'a' + u'A') : c;
  }
  return 0;
}

}  // namespace platform

using platform::FindMenuItem;
using platform::FindMenuObject;
using platform::MenuItem;
using platform::MenuObject;

HMENU CreateMenu() { return platform::NewMenu(false); }
HMENU CreatePopupMenu() { return platform::NewMenu(true); }

BOOL IsMenu(HMENU menu) { return platform::PeekMenuObject(menu) != nullptr; }

BOOL DestroyMenu(HMENU menu) {
  MenuObject* m = FindMenuObject(menu);
  if (m == nullptr) return FALSE;
  if (m->window != nullptr) DestroyWindow(m->window);
  if ((m = platform::PeekMenuObject(menu)) == nullptr) return TRUE;
  std::vector<HMENU> subMenus;
  for (const MenuItem& item : m->items) {
    if (item.subMenu != nullptr) subMenus.push_back(item.subMenu);
  }
  // Removed first, so that a menu that holds itself ends the recursion.
  platform::HandleTable::Instance().Remove(menu);
  for (HMENU sub : subMenus) {
    if (platform::PeekMenuObject(sub)) DestroyMenu(sub);
  }
  return TRUE;
}

BOOL AppendMenuW(HMENU menu, UINT flags, UINT_PTR idNewItem, LPCWSTR text) {
  WideString store;
  return platform::Insert(menu, static_cast<UINT>(-1), flags, idNewItem, platform::TextArgument(flags, text, store), text);
}

BOOL AppendMenuA(HMENU menu, UINT flags, UINT_PTR idNewItem, LPCSTR text) {
  WideString store;
  return platform::Insert(menu, static_cast<UINT>(-1), flags, idNewItem, platform::TextArgument(flags, text, store), text);
}

BOOL InsertMenuW(HMENU menu, UINT position, UINT flags, UINT_PTR idNewItem, LPCWSTR text) {
  WideString store;
  return platform::Insert(menu, position, flags, idNewItem, platform::TextArgument(flags, text, store), text);
}

BOOL InsertMenuA(HMENU menu, UINT position, UINT flags, UINT_PTR idNewItem, LPCSTR text) {
  WideString store;
  return platform::Insert(menu, position, flags, idNewItem, platform::TextArgument(flags, text, store), text);
}

BOOL ModifyMenuW(HMENU menu, UINT position, UINT flags, UINT_PTR idNewItem, LPCWSTR text) {
  WideString store;
  return platform::Modify(menu, position, flags, idNewItem, platform::TextArgument(flags, text, store), text);
}

BOOL ModifyMenuA(HMENU menu, UINT position, UINT flags, UINT_PTR idNewItem, LPCSTR text) {
  WideString store;
  return platform::Modify(menu, position, flags, idNewItem, platform::TextArgument(flags, text, store), text);
}

BOOL RemoveMenu(HMENU menu, UINT position, UINT flags) { return platform::RemoveItem(menu, position, flags, false); }
BOOL DeleteMenu(HMENU menu, UINT position, UINT flags) { return platform::RemoveItem(menu, position, flags, true); }

int GetMenuItemCount(HMENU menu) {
  MenuObject* m = FindMenuObject(menu);
  return m ? static_cast<int>(m->items.size()) : -1;
}

UINT GetMenuItemID(HMENU menu, int position) {
  MenuObject* m = FindMenuObject(menu);
  if (m == nullptr || position < 0 || static_cast<std::size_t>(position) >= m->items.size()) return static_cast<UINT>(-1);
  const MenuItem& item = m->items[static_cast<std::size_t>(position)];
  return item.subMenu ? static_cast<UINT>(-1) : item.id;
}

HMENU GetSubMenu(HMENU menu, int position) {
  MenuObject* m = FindMenuObject(menu);
  if (m == nullptr || position < 0 || static_cast<std::size_t>(position) >= m->items.size()) return nullptr;
  return m->items[static_cast<std::size_t>(position)].subMenu;
}

UINT GetMenuState(HMENU menu, UINT id, UINT flags) {
  MenuItem* item = FindMenuItem(menu, id, (flags & MF_BYPOSITION) != 0);
  if (item == nullptr) return static_cast<UINT>(-1);
  if (item->subMenu != nullptr) {
    const int count = GetMenuItemCount(item->subMenu);
    return (static_cast<UINT>(std::max(count, 0)) << 8) | ((item->state | item->type) & 0xFF) | MF_POPUP;
  }
  return item->state | item->type;
}

int GetMenuStringW(HMENU menu, UINT id, LPWSTR text, int max, UINT flags) {
  MenuItem* item = FindMenuItem(menu, id, (flags & MF_BYPOSITION) != 0);
  if (item == nullptr) return 0;
  if (!item->hasText) {
    if (text != nullptr && max > 0) text[0] = 0;
    return 0;
  }
  if (text == nullptr || max <= 0) return static_cast<int>(item->text.size());
  const std::size_t count = std::min(item->text.size(), static_cast<std::size_t>(max - 1));
  std::memcpy(text, item->text.data(), count * sizeof(WCHAR));
  text[count] = 0;
  return static_cast<int>(count);
}

int GetMenuStringA(HMENU menu, UINT id, LPSTR text, int max, UINT flags) {
  MenuItem* item = FindMenuItem(menu, id, (flags & MF_BYPOSITION) != 0);
  if (item == nullptr) return 0;
  if (!item->hasText) {
    if (text != nullptr && max > 0) text[0] = 0;
    return 0;
  }
  const AnsiString ansi = platform::WideToAnsiString(item->text);
  if (text == nullptr || max <= 0) return static_cast<int>(ansi.size());
  // Whole characters only: a double-byte character never loses its half.
  std::size_t count = 0;
  while (count < ansi.size()) {
    const std::size_t step = (static_cast<BYTE>(ansi[count]) >= 0x81 && count + 1 < ansi.size()) ? 2 : 1;
    if (count + step > static_cast<std::size_t>(max - 1)) break;
    count += step;
  }
  std::memcpy(text, ansi.data(), count);
  text[count] = 0;
  return static_cast<int>(count);
}

DWORD CheckMenuItem(HMENU menu, UINT id, UINT check) {
  MenuItem* item = FindMenuItem(menu, id, (check & MF_BYPOSITION) != 0);
  if (item == nullptr) return static_cast<DWORD>(-1);
  const DWORD previous = item->state & MF_CHECKED;
  if (check & MF_CHECKED) {
    item->state |= MF_CHECKED;
  } else {
    item->state &= ~MF_CHECKED;
  }
  return previous;
}

BOOL CheckMenuRadioItem(HMENU menu, UINT first, UINT last, UINT check, UINT flags) {
  const bool byPosition = (flags & MF_BYPOSITION) != 0;
  MenuObject* holder = nullptr;
  int firstIndex = -1, lastIndex = -1;
  if (FindMenuItem(menu, first, byPosition, &holder, &firstIndex) == nullptr) return FALSE;
  MenuObject* lastHolder = nullptr;
  if (FindMenuItem(menu, last, byPosition, &lastHolder, &lastIndex) == nullptr || lastHolder != holder) return FALSE;
  if (firstIndex > lastIndex) std::swap(firstIndex, lastIndex);
  bool found = false;
  for (int i = firstIndex; i <= lastIndex; ++i) {
    MenuItem& item = holder->items[static_cast<std::size_t>(i)];
    if (item.IsSeparator()) continue;
    const bool hit = byPosition ? static_cast<UINT>(i) == check : item.id == check;
    if (hit) {
      item.state |= MFS_CHECKED;
      item.type |= MFT_RADIOCHECK;
      found = true;
    } else {
      item.state &= ~MFS_CHECKED;
    }
  }
  return found;
}

BOOL EnableMenuItem(HMENU menu, UINT id, UINT enable) {
  MenuItem* item = FindMenuItem(menu, id, (enable & MF_BYPOSITION) != 0);
  if (item == nullptr) return -1;
  const UINT previous = item->state & (MF_GRAYED | MF_DISABLED);
  item->state &= ~MFS_GRAYED;
  if (enable & (MF_GRAYED | MF_DISABLED)) item->state |= MFS_GRAYED;
  return static_cast<BOOL>(previous);
}

UINT GetMenuDefaultItem(HMENU menu, UINT byPosition, UINT flags) {
  MenuObject* m = FindMenuObject(menu);
  if (m == nullptr) return static_cast<UINT>(-1);
  for (std::size_t i = 0; i < m->items.size(); ++i) {
    const MenuItem& item = m->items[i];
    if (!(item.state & MFS_DEFAULT)) continue;
    if (item.IsDisabled() && !(flags & GMDI_USEDISABLED)) return static_cast<UINT>(-1);
    if ((flags & GMDI_GOINTOPOPUPS) && item.subMenu != nullptr) {
      const UINT inner = GetMenuDefaultItem(item.subMenu, byPosition, flags);
      if (inner != static_cast<UINT>(-1)) return inner;
    }
    return byPosition ? static_cast<UINT>(i) : item.id;
  }
  return static_cast<UINT>(-1);
}

BOOL SetMenuDefaultItem(HMENU menu, UINT item, UINT byPosition) {
  MenuObject* m = FindMenuObject(menu);
  if (m == nullptr) return FALSE;
  bool found = item == static_cast<UINT>(-1);
  for (std::size_t i = 0; i < m->items.size(); ++i) {
    MenuItem& entry = m->items[i];
    const bool hit = byPosition ? i == item : (entry.id == item && entry.subMenu == nullptr);
    if (hit && !found) {
      entry.state |= MFS_DEFAULT;
      found = true;
    } else {
      entry.state &= ~MFS_DEFAULT;
    }
  }
  return found;
}
