// GetMenuItemInfo, SetMenuItemInfo and InsertMenuItem with every MIIM_ mask,
// in both charsets, with the cbSize check and text cut as Windows cuts it.
#include <algorithm>
#include <cstddef>
#include <cstring>

#include "platform/user/menu_object.h"

namespace platform {
namespace {

// The structure before hbmpItem was added is accepted too; it cannot carry
// the masks that came with it.
template <class Info>
bool ValidSize(const Info* info) {
  if (info == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
  }
  const UINT oldSize = static_cast<UINT>(offsetof(Info, hbmpItem));
  if (info->cbSize == sizeof(Info)) return true;
  if (info->cbSize == oldSize && !(info->fMask & (MIIM_STRING | MIIM_BITMAP | MIIM_FTYPE))) return true;
  SetLastError(ERROR_INVALID_PARAMETER);
  return false;
}

// The text of an item copied into the caller's buffer: the buffer gets as
// many whole characters as fit with the terminator; cch answers the length
// copied when the text was cut, else the whole length.
void CopyText(const MenuItem& item, LPWSTR buffer, UINT& cch) {
  const WideString& text = item.text;
  if (buffer == nullptr || cch == 0) {
    cch = static_cast<UINT>(text.size());
    return;
  }
  const std::size_t count = std::min<std::size_t>(text.size(), cch - 1);
  std::memcpy(buffer, text.data(), count * sizeof(WCHAR));
  buffer[count] = 0;
  cch = static_cast<UINT>(cch <= text.size() + 1 ? count : text.size());
}

void CopyText(const MenuItem& item, LPSTR buffer, UINT& cch) {
  const AnsiString text = WideToAnsiString(item.text);
  if (buffer == nullptr || cch == 0) {
    cch = static_cast<UINT>(text.size());
    return;
  }
  std::size_t count = 0;
  while (count < text.size()) {
    const std::size_t step = (static_cast<BYTE>(text[count]) >= 0x81 && count + 1 < text.size()) ? 2 : 1;
    if (count + step > cch - 1) break;
    count += step;
  }
  std::memcpy(buffer, text.data(), count);
  buffer[count] = 0;
  cch = static_cast<UINT>(cch <= text.size() + 1 ? count : text.size());
}

WideString TextFrom(LPCWSTR text) { return text ? WideString(text) : WideString(); }
WideString TextFrom(LPCSTR text) { return text ? AnsiToWideString(text) : WideString(); }

template <class Info>
BOOL GetInfo(HMENU menu, UINT itemId, BOOL byPosition, Info* info) {
  if (!ValidSize(info)) return FALSE;
  MenuItem* item = FindMenuItem(menu, itemId, byPosition != FALSE);
  if (item == nullptr) return FALSE;
  const UINT mask = info->fMask;
  if (mask & MIIM_TYPE) {
    info->fType = item->type;
    if (item->type & MFT_BITMAP) {
      info->dwTypeData = reinterpret_cast<decltype(info->dwTypeData)>(item->bitmap);
      info->cch = 0;
    } else if (item->hasText) {
      CopyText(*item, info->dwTypeData, info->cch);
    } else {
      if (info->dwTypeData && info->cch) info->dwTypeData[0] = 0;
      info->cch = 0;
    }
  }
  if (mask & MIIM_FTYPE) info->fType = item->type;
  if (mask & MIIM_STRING) {
    if (item->hasText) {
      CopyText(*item, info->dwTypeData, info->cch);
    } else {
      if (info->dwTypeData && info->cch) info->dwTypeData[0] = 0;
      info->cch = 0;
    }
  }
  if (mask & MIIM_BITMAP) info->hbmpItem = item->bitmap;
  if (mask & MIIM_STATE) info->fState = item->state;
  if (mask & MIIM_ID) info->wID = item->id;
  if (mask & MIIM_SUBMENU) info->hSubMenu = item->subMenu;
  if (mask & MIIM_CHECKMARKS) {
    info->hbmpChecked = item->checkedBitmap;
    info->hbmpUnchecked = item->uncheckedBitmap;
  }
  if (mask & MIIM_DATA) info->dwItemData = item->data;
  return TRUE;
}

// Applies the masked fields to `item`. MIIM_TYPE stands alone: it cannot be
// given with the masks that replaced it.
template <class Info>
bool Apply(MenuItem& item, const Info* info) {
  const UINT mask = info->fMask;
  if ((mask & MIIM_TYPE) && (mask & (MIIM_FTYPE | MIIM_STRING | MIIM_BITMAP))) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
  }
  if (mask & MIIM_SUBMENU) {
    if (info->hSubMenu != nullptr && PeekMenuObject(info->hSubMenu) == nullptr) {
      SetLastError(ERROR_INVALID_MENU_HANDLE);
      return false;
    }
  }
  if (mask & MIIM_TYPE) {
    item.type = info->fType;
    item.bitmap = nullptr;
    item.hasText = false;
    item.text.clear();
    if (info->fType & MFT_BITMAP) {
      item.bitmap = reinterpret_cast<HBITMAP>(info->dwTypeData);
    } else if (!(info->fType & (MFT_SEPARATOR | MFT_OWNERDRAW)) && info->dwTypeData != nullptr) {
      item.text = TextFrom(info->dwTypeData);
      item.hasText = true;
    } else if (!(info->fType & (MFT_SEPARATOR | MFT_OWNERDRAW))) {
      item.type |= MFT_SEPARATOR;
    }
    item.measured = false;
  }
  if (mask & MIIM_FTYPE) {
    // The kind bits that MIIM_STRING and MIIM_BITMAP own stay as they are.
    item.type = (info->fType & ~MFT_BITMAP) | (item.type & MFT_BITMAP);
    item.measured = false;
  }
  if (mask & MIIM_STRING) {
    item.hasText = info->dwTypeData != nullptr;
    item.text = TextFrom(info->dwTypeData);
    if (item.hasText) item.type &= ~MFT_SEPARATOR;
    item.measured = false;
  }
  if (mask & MIIM_BITMAP) item.bitmap = info->hbmpItem;
  if (mask & MIIM_STATE) {
    item.state = info->fState & (MFS_CHECKED | MFS_HILITE | MFS_DEFAULT);
    if (info->fState & MFS_GRAYED) item.state |= MFS_GRAYED;
  }
  if (mask & MIIM_ID) item.id = info->wID;
  if (mask & MIIM_SUBMENU) item.subMenu = info->hSubMenu;
  if (mask & MIIM_CHECKMARKS) {
    item.checkedBitmap = info->hbmpChecked;
    item.uncheckedBitmap = info->hbmpUnchecked;
  }
  if (mask & MIIM_DATA) item.data = info->dwItemData;
  return true;
}

template <class Info>
BOOL SetInfo(HMENU menu, UINT itemId, BOOL byPosition, const Info* info) {
  if (!ValidSize(info)) return FALSE;
  MenuItem* item = FindMenuItem(menu, itemId, byPosition != FALSE);
  if (item == nullptr) return FALSE;
  MenuItem changed = *item;
  if (!Apply(changed, info)) return FALSE;
  *item = std::move(changed);
  return TRUE;
}

template <class Info>
BOOL InsertInfo(HMENU menu, UINT itemId, BOOL byPosition, const Info* info) {
  if (!ValidSize(info)) return FALSE;
  MenuObject* m = FindMenuObject(menu);
  if (m == nullptr) return FALSE;
  std::size_t at = m->items.size();
  if (byPosition) {
    at = std::min<std::size_t>(itemId, m->items.size());
  } else if (itemId != static_cast<UINT>(-1)) {
    MenuObject* holder = nullptr;
    int index = -1;
    if (FindMenuItem(menu, itemId, false, &holder, &index) == nullptr) return FALSE;
    m = holder;
    at = static_cast<std::size_t>(index);
  }
  MenuItem item;
  item.type = MFT_STRING;
  if (!Apply(item, info)) return FALSE;
  // An item given neither text nor a kind shows as a separator.
  if (!item.hasText && !(item.type & (MFT_BITMAP | MFT_OWNERDRAW | MFT_SEPARATOR)) && item.bitmap == nullptr) {
    item.type |= MFT_SEPARATOR;
  }
  m->items.insert(m->items.begin() + static_cast<std::ptrdiff_t>(at), std::move(item));
  return TRUE;
}

}  // namespace
}  // namespace platform

BOOL GetMenuItemInfoW(HMENU menu, UINT item, BOOL byPosition, LPMENUITEMINFOW info) {
  return platform::GetInfo(menu, item, byPosition, info);
}
BOOL GetMenuItemInfoA(HMENU menu, UINT item, BOOL byPosition, LPMENUITEMINFOA info) {
  return platform::GetInfo(menu, item, byPosition, info);
}
BOOL SetMenuItemInfoW(HMENU menu, UINT item, BOOL byPosition, LPCMENUITEMINFOW info) {
  return platform::SetInfo(menu, item, byPosition, info);
}
BOOL SetMenuItemInfoA(HMENU menu, UINT item, BOOL byPosition, LPCMENUITEMINFOA info) {
  return platform::SetInfo(menu, item, byPosition, info);
}
BOOL InsertMenuItemW(HMENU menu, UINT item, BOOL byPosition, LPCMENUITEMINFOW info) {
  return platform::InsertInfo(menu, item, byPosition, info);
}
BOOL InsertMenuItemA(HMENU menu, UINT item, BOOL byPosition, LPCMENUITEMINFOA info) {
  return platform::InsertInfo(menu, item, byPosition, info);
}
