// A list box's selection: one current item (single selection), or a
// selected flag per item (LBS_MULTIPLESEL, LBS_EXTENDEDSEL); the caret
// and the anchor; and the notifications the owner gets.
#include <algorithm>

#include "platform/controls/listbox_internal.h"

namespace platform {

void Notify(HWND hwnd, const ListBoxData& d, WORD code) {
  if (d.owner == nullptr) return;
  SendMessageW(d.owner, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(hwnd)), code),
               reinterpret_cast<LPARAM>(hwnd));
}

void SelectSingle(HWND hwnd, ListBoxData& d, int index) {
  if (!ValidIndex(d, index)) index = -1;
  if (index == d.current) return;
  RepaintItem(hwnd, d, d.current);
  d.current = index;
  if (index >= 0) d.caret = d.anchor = index;
  RepaintItem(hwnd, d, index);
}

void SetSelected(HWND hwnd, ListBoxData& d, int index, bool selected) {
  if (!ValidIndex(d, index)) return;
  ListItem& item = d.items[static_cast<std::size_t>(index)];
  if (item.selected == selected) return;
  item.selected = selected;
  RepaintItem(hwnd, d, index);
}

void SelectRange(HWND hwnd, ListBoxData& d, int first, int last, bool selected) {
  if (first > last) std::swap(first, last);
  first = std::max(first, 0);
  last = std::min(last, ItemCount(d) - 1);
  for (int i = first; i <= last; ++i) SetSelected(hwnd, d, i, selected);
}

void ClearSelection(HWND hwnd, ListBoxData& d) {
  for (int i = 0; i < ItemCount(d); ++i) SetSelected(hwnd, d, i, false);
}

void SetCaret(HWND hwnd, ListBoxData& d, int index, bool scroll) {
  if (!ValidIndex(d, index)) return;
  if (index != d.caret) {
    RepaintItem(hwnd, d, d.caret);
    d.caret = index;
    RepaintItem(hwnd, d, index);
  }
  if (scroll) EnsureVisible(hwnd, d, index);
}

// Arrows, Page, Home/End, typed characters and clicks: a single-selection
// list selects the item; an extended one selects it alone, or the range
// from the anchor with Shift, or moves only the caret with Ctrl; a
// multiple-selection list moves only the caret.
void MoveCaretByUser(HWND hwnd, ListBoxData& d, int index, bool shift, bool control) {
  if (!ValidIndex(d, index)) return;
  const DWORD style = ListStyle(hwnd);
  if (style & LBS_NOSEL) {
    SetCaret(hwnd, d, index, true);
    return;
  }
  if (!IsMultiSelect(style)) {
    SelectSingle(hwnd, d, index);
  } else if (style & LBS_EXTENDEDSEL) {
    if (shift) {
      if (!control) ClearSelection(hwnd, d);
      SelectRange(hwnd, d, d.anchor, index, true);
    } else if (!control) {
      ClearSelection(hwnd, d);
      SetSelected(hwnd, d, index, true);
      d.anchor = index;
    }
  }
  SetCaret(hwnd, d, index, true);
}

}  // namespace platform
