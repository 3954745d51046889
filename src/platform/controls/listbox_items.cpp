// A list box's items: adding (sorted or at a place), deleting, emptying
// and searching, and asking the owner for item heights. Lists without
// LBS_HASSTRINGS that are owner drawn keep the lParam as the item's data.
#include <algorithm>
#include <cwctype>

#include "platform/controls/listbox_internal.h"

namespace platform {
namespace {

char16_t Fold(char16_t c) { return static_cast<char16_t>(std::towlower(static_cast<wint_t>(c))); }

int CompareNoCase(const std::u16string& a, const std::u16string& b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const char16_t x = Fold(a[i]), y = Fold(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool StartsWithNoCase(const std::u16string& text, const std::u16string& prefix) {
  if (prefix.size() > text.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (Fold(text[i]) != Fold(prefix[i])) return false;
  }
  return true;
}

UINT CtlId(HWND hwnd) { return static_cast<UINT>(GetDlgCtrlID(hwnd)); }

int Measure(HWND hwnd, ListBoxData& d, int index, ULONG_PTR data) {
  MEASUREITEMSTRUCT mis{ODT_LISTBOX, CtlId(hwnd), static_cast<UINT>(index), 0,
                        static_cast<UINT>(d.itemHeight), data};
  RECT client{};
  GetClientRect(hwnd, &client);
  mis.itemWidth = static_cast<UINT>(client.right);
  if (d.owner != nullptr) SendMessageW(d.owner, WM_MEASUREITEM, mis.CtlID, reinterpret_cast<LPARAM>(&mis));
  return std::clamp(static_cast<int>(mis.itemHeight), 1, 255);
}

}  // namespace

void MeasureFixedHeight(HWND hwnd, ListBoxData& d) {
  if (ListStyle(hwnd) & LBS_OWNERDRAWFIXED) d.itemHeight = Measure(hwnd, d, 0, 0);
}

LRESULT InsertItem(HWND hwnd, ListBoxData& d, int index, LPARAM value, bool sorted) {
  const DWORD style = ListStyle(hwnd);
  ListItem item;
  if (HasStrings(style)) {
    if (value != 0) item.text = reinterpret_cast<const char16_t*>(value);
  } else {
    item.data = static_cast<ULONG_PTR>(value);
  }
  const int count = ItemCount(d);
  if (sorted && HasStrings(style)) {
    index = static_cast<int>(std::upper_bound(d.items.begin(), d.items.end(), item.text,
                                              [](const std::u16string& text, const ListItem& other) {
                                                return CompareNoCase(text, other.text) < 0;
                                              }) -
                             d.items.begin());
  } else if (index < 0) {
    index = count;
  } else if (index > count) {
    return LB_ERR;
  }
  if (style & LBS_OWNERDRAWVARIABLE) item.height = Measure(hwnd, d, index, item.data);
  d.items.insert(d.items.begin() + index, std::move(item));
  if (d.current >= index) ++d.current;
  if (ItemCount(d) > 1 && d.caret >= index) ++d.caret;
  if (ItemCount(d) > 1 && d.anchor >= index) ++d.anchor;
  UpdateScrollBars(hwnd, d);
  Repaint(hwnd);
  return index;
}

LRESULT DeleteItem(HWND hwnd, ListBoxData& d, int index) {
  if (!ValidIndex(d, index)) return LB_ERR;
  d.items.erase(d.items.begin() + index);
  const int count = ItemCount(d);
  if (d.current == index) {
    d.current = -1;
  } else if (d.current > index) {
    --d.current;
  }
  if (d.caret > index || d.caret >= count) d.caret = std::max(0, d.caret - 1);
  if (d.anchor > index || d.anchor >= count) d.anchor = std::max(0, d.anchor - 1);
  SetTop(hwnd, d, d.top);
  UpdateScrollBars(hwnd, d);
  Repaint(hwnd);
  return count;
}

void ResetContent(HWND hwnd, ListBoxData& d) {
  d.items.clear();
  d.current = -1;
  d.caret = d.anchor = d.top = 0;
  d.scrollX = 0;
  UpdateScrollBars(hwnd, d);
  Repaint(hwnd);
}

// Searches from the item after `start` round to `start` itself: a prefix
// (or the whole text when `exact`) without regard to case, or the item
// data of lists without strings.
LRESULT FindItem(HWND hwnd, const ListBoxData& d, int start, LPARAM value, bool exact) {
  const int count = ItemCount(d);
  if (count == 0) return LB_ERR;
  const bool strings = HasStrings(ListStyle(hwnd));
  if (strings && value == 0) return LB_ERR;
  const std::u16string text = strings ? std::u16string(reinterpret_cast<const char16_t*>(value)) : std::u16string();
  if (start < -1 || start >= count) start = -1;
  for (int step = 1; step <= count; ++step) {
    const int i = (start + step) % count;
    const ListItem& item = d.items[static_cast<std::size_t>(i)];
    const bool found = !strings ? item.data == static_cast<ULONG_PTR>(value)
                       : exact  ? CompareNoCase(item.text, text) == 0
                                : StartsWithNoCase(item.text, text);
    if (found) return i;
  }
  return LB_ERR;
}

}  // namespace platform
