// A list box's keyboard and mouse: moving the caret and selecting with the
// keys, type-ahead search, clicks by selection style, and dragging a
// selection with the mouse captured, scrolling while the pointer is above
// or below the items.
#include <algorithm>

#include "platform/controls/listbox_internal.h"

namespace platform {
namespace {

constexpr UINT kAutoScrollInterval = 50;
constexpr DWORD kTypeAheadPause = 1000;

bool Down(int key) { return GetKeyState(key) < 0; }

// Where a navigation key puts the caret, or -1 for keys that move nothing.
int KeyTarget(HWND hwnd, const ListBoxData& d, WPARAM key) {
  const int count = ItemCount(d);
  if (count == 0) return -1;
  const bool multiColumn = (ListStyle(hwnd) & LBS_MULTICOLUMN) != 0;
  const int rows = RowsPerPage(hwnd, d);
  const int page = VisibleCount(hwnd, d);
  const int last = std::min(count - 1, d.top + page - 1);
  // A single-selection list without a selection first selects the caret's item.
  if (!IsMultiSelect(ListStyle(hwnd)) && d.current < 0 && key != VK_HOME && key != VK_END) return d.caret;
  int target = d.caret;
  switch (key) {
    case VK_LEFT: target = multiColumn ? d.caret - rows : d.caret - 1; break;
    case VK_UP: target = d.caret - 1; break;
    case VK_RIGHT: target = multiColumn ? d.caret + rows : d.caret + 1; break;
    case VK_DOWN: target = d.caret + 1; break;
    // Page keys go to the first or last item shown, then a page further.
    case VK_PRIOR: target = d.caret != d.top ? d.top : d.caret - std::max(1, page - 1); break;
    case VK_NEXT: target = d.caret != last ? last : d.caret + std::max(1, page - 1); break;
    case VK_HOME: target = 0; break;
    case VK_END: target = count - 1; break;
    default: return -1;
  }
  if (multiColumn && (key == VK_LEFT || key == VK_RIGHT) && (target < 0 || target >= count)) return d.caret;
  return std::clamp(target, 0, count - 1);
}

void SpaceBar(HWND hwnd, ListBoxData& d) {
  const DWORD style = ListStyle(hwnd);
  if (!IsMultiSelect(style) || !ValidIndex(d, d.caret)) return;
  const bool selected = d.items[static_cast<std::size_t>(d.caret)].selected;
  if (!(style & LBS_EXTENDEDSEL) || Down(VK_CONTROL)) {
    SetSelected(hwnd, d, d.caret, !selected);
    d.anchor = d.caret;
  } else {
    MoveCaretByUser(hwnd, d, d.caret, Down(VK_SHIFT), false);
  }
  if (style & LBS_NOTIFY) Notify(hwnd, d, LBN_SELCHANGE);
}

// The owner of an LBS_WANTKEYBOARDINPUT list answers a key or a character:
// -2 it did everything, -1 the list goes on, otherwise the item to go to.
LRESULT AskOwner(HWND hwnd, const ListBoxData& d, UINT message, WPARAM code) {
  if (!(ListStyle(hwnd) & LBS_WANTKEYBOARDINPUT) || d.owner == nullptr) return -1;
  return SendMessageW(d.owner, message, MAKEWPARAM(static_cast<WORD>(code), static_cast<WORD>(d.caret)),
                      reinterpret_cast<LPARAM>(hwnd));
}

void GoTo(HWND hwnd, ListBoxData& d, int index, bool shift, bool control) {
  if (!ValidIndex(d, index)) return;
  MoveCaretByUser(hwnd, d, index, shift, control);
  if (ListStyle(hwnd) & LBS_NOTIFY) Notify(hwnd, d, LBN_SELCHANGE);
}

// Extends what the press started to the item under the pointer.
void DragTo(HWND hwnd, ListBoxData& d, int index) {
  const DWORD style = ListStyle(hwnd);
  if (!IsMultiSelect(style)) {
    SelectSingle(hwnd, d, index);
  } else if (style & LBS_EXTENDEDSEL) {
    const bool selecting = ValidIndex(d, d.anchor) && d.items[static_cast<std::size_t>(d.anchor)].selected;
    for (int i = 0; i < ItemCount(d); ++i) {
      const bool inRange = (i >= std::min(d.anchor, index) && i <= std::max(d.anchor, index));
      if (inRange) SetSelected(hwnd, d, i, selecting);
      else if (selecting && !Down(VK_CONTROL)) SetSelected(hwnd, d, i, false);
    }
  }
  SetCaret(hwnd, d, index, true);
}

void StopAutoScroll(HWND hwnd, ListBoxData& d) {
  if (d.autoScroll == 0) return;
  d.autoScroll = 0;
  KillSystemTimer(hwnd, kListScrollTimer);
}

}  // namespace

LRESULT KeyDown(HWND hwnd, ListBoxData& d, WPARAM key) {
  int target = -1;
  const LRESULT answer = AskOwner(hwnd, d, WM_VKEYTOITEM, key);
  if (answer == -2) return 0;
  if (answer >= 0) {
    target = static_cast<int>(answer);
  } else if (key == VK_SPACE) {
    SpaceBar(hwnd, d);
    return 0;
  } else {
    target = KeyTarget(hwnd, d, key);
  }
  GoTo(hwnd, d, target, Down(VK_SHIFT), Down(VK_CONTROL));
  return 0;
}

// Characters typed in quick succession spell the start of the item to find.
LRESULT TypedChar(HWND hwnd, ListBoxData& d, char16_t c) {
  const LRESULT answer = AskOwner(hwnd, d, WM_CHARTOITEM, c);
  if (answer == -2) return 0;
  if (answer >= 0) {
    GoTo(hwnd, d, static_cast<int>(answer), false, false);
    return 0;
  }
  if (!HasStrings(ListStyle(hwnd)) || c < u' ' || (c == u' ' && IsMultiSelect(ListStyle(hwnd)))) return 0;
  const DWORD now = GetTickCount();
  if (now - d.typedAt > kTypeAheadPause) d.typed.clear();
  d.typedAt = now;
  d.typed += c;
  // A longer prefix may still match the caret's item; a first letter looks
  // past it, so pressing it again steps through the items it starts.
  const int start = d.typed.size() == 1 ? d.caret : d.caret - 1;
  const LRESULT found = FindItem(hwnd, d, start, reinterpret_cast<LPARAM>(d.typed.c_str()), false);
  if (found != LB_ERR) GoTo(hwnd, d, static_cast<int>(found), false, false);
  return 0;
}

void MouseDown(HWND hwnd, ListBoxData& d, LPARAM at, WPARAM keys, bool doubleClick) {
  const DWORD style = ListStyle(hwnd);
  if (doubleClick) {
    if (style & LBS_NOTIFY) Notify(hwnd, d, LBN_DBLCLK);
    return;
  }
  if (!d.focused && d.combo == nullptr) SetFocus(hwnd);
  bool outside = false;
  const int index = ItemFromPoint(hwnd, d, POINT{GET_X_LPARAM(at), GET_Y_LPARAM(at)}, outside);
  if (ValidIndex(d, index) && !(style & LBS_NOSEL)) {
    const bool shift = (keys & MK_SHIFT) != 0, control = (keys & MK_CONTROL) != 0;
    if (!IsMultiSelect(style)) {
      SelectSingle(hwnd, d, index);
    } else if (!(style & LBS_EXTENDEDSEL) || (control && !shift)) {
      SetSelected(hwnd, d, index, !d.items[static_cast<std::size_t>(index)].selected);
      d.anchor = index;
    } else {
      MoveCaretByUser(hwnd, d, index, shift, control);
    }
    SetCaret(hwnd, d, index, true);
  }
  d.tracking = true;
  SetCapture(hwnd);
}

void MouseMove(HWND hwnd, ListBoxData& d, LPARAM at) {
  if (!d.tracking || ItemCount(d) == 0) return;
  const POINT p{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
  RECT client{};
  GetClientRect(hwnd, &client);
  const int direction = p.y < 0 ? -1 : (p.y >= client.bottom ? 1 : 0);
  if (direction != 0 && !(ListStyle(hwnd) & LBS_MULTICOLUMN)) {
    if (d.autoScroll == 0) SetSystemTimer(hwnd, kListScrollTimer, kAutoScrollInterval);
    d.autoScroll = direction;
    return;
  }
  StopAutoScroll(hwnd, d);
  bool outside = false;
  const int index = ItemFromPoint(hwnd, d, p, outside);
  if (!(ListStyle(hwnd) & LBS_NOSEL)) DragTo(hwnd, d, index);
}

void AutoScrollTick(HWND hwnd, ListBoxData& d) {
  if (!d.tracking || d.autoScroll == 0 || ItemCount(d) == 0) return;
  const int next = std::clamp(d.autoScroll < 0 ? d.top - 1 : d.top + RowsPerPage(hwnd, d), 0, ItemCount(d) - 1);
  if (!(ListStyle(hwnd) & LBS_NOSEL)) {
    DragTo(hwnd, d, next);
  } else {
    EnsureVisible(hwnd, d, next);
  }
}

void MouseUp(HWND hwnd, ListBoxData& d) {
  StopAutoScroll(hwnd, d);
  if (!d.tracking) return;
  d.tracking = false;
  if (GetCapture() == hwnd) ReleaseCapture();
  if ((ListStyle(hwnd) & LBS_NOTIFY) && ItemCount(d) > 0) Notify(hwnd, d, LBN_SELCHANGE);
}

}  // namespace platform
