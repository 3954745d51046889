// Opening and closing a combo box's list (click, F4, Alt+Down, or
// CB_SHOWDROPDOWN) with its notifications, and the keys that move the
// selection. While the list is dropped it holds the mouse capture, so a
// click anywhere else closes it.
#include "platform/controls/combobox_internal.h"
#include "platform/controls/listbox.h"

namespace platform {
namespace {

int CurrentSelection(const ComboData& c) { return static_cast<int>(SendMessageW(c.list, LB_GETCURSEL, 0, 0)); }

bool Navigates(WPARAM key) {
  return key == VK_UP || key == VK_DOWN || key == VK_PRIOR || key == VK_NEXT || key == VK_HOME || key == VK_END;
}

}  // namespace

void SelectionToText(ComboData& c) {
  const int index = CurrentSelection(c);
  if (c.edit) {
    std::u16string text;
    const DWORD style = static_cast<DWORD>(GetWindowLongW(c.self, GWL_STYLE));
    const bool strings = (style & CBS_HASSTRINGS) || !(style & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE));
    if (index >= 0 && strings) {
      text.resize(static_cast<std::size_t>(SendMessageW(c.list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0)) + 1);
      text.resize(static_cast<std::size_t>(
          SendMessageW(c.list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()))));
    }
    c.quietEdit = true;
    SetWindowTextW(c.edit, text.c_str());
    c.quietEdit = false;
    SendMessageW(c.edit, EM_SETSEL, 0, -1);
  }
  InvalidateRect(c.self, nullptr, FALSE);
}

void DropDown(ComboData& c) {
  if (c.dropped || ComboType(c.self) == CBS_SIMPLE) return;
  ComboNotify(c, CBN_DROPDOWN);
  if (!IsWindow(c.self)) return;
  c.selectionAtDrop = CurrentSelection(c);
  const RECT rect = DroppedRect(c.self, c);
  c.dropped = true;
  SetWindowPos(c.list, HWND_TOPMOST, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
               SWP_SHOWWINDOW | SWP_NOACTIVATE);
  if (c.selectionAtDrop >= 0) SendMessageW(c.list, LB_SETCURSEL, static_cast<WPARAM>(c.selectionAtDrop), 0);
  SendMessageW(c.list, LBCB_STARTTRACK, 0, 0);
  InvalidateRect(c.self, nullptr, FALSE);
}

// Closing reports SELENDOK (or SELENDCANCEL), hides the list, reports
// CLOSEUP, then SELCHANGE when the choice changed the selection. A
// cancelled list puts back the selection it was opened with.
void CloseUp(ComboData& c, bool accepted) {
  if (!c.dropped) return;
  c.dropped = false;
  c.buttonHeld = false;
  if (!accepted) SendMessageW(c.list, LB_SETCURSEL, static_cast<WPARAM>(c.selectionAtDrop), 0);
  ComboNotify(c, accepted ? CBN_SELENDOK : CBN_SELENDCANCEL);
  if (GetCapture() == c.list) ReleaseCapture();
  ShowWindow(c.list, SW_HIDE);
  ComboNotify(c, CBN_CLOSEUP);
  if (accepted && CurrentSelection(c) != c.selectionAtDrop) {
    SelectionToText(c);
    ComboNotify(c, CBN_SELCHANGE);
  }
  InvalidateRect(c.self, nullptr, FALSE);
}

void ReleaseButton(ComboData& c) {
  if (!c.buttonHeld) return;
  c.buttonHeld = false;
  const RECT button = ComboButtonRect(c.self);
  InvalidateRect(c.self, &button, FALSE);
}

void ComboKey(ComboData& c, UINT message, WPARAM key) {
  const bool alt = message == WM_SYSKEYDOWN;
  if (key == VK_F4 || (alt && (key == VK_DOWN || key == VK_UP))) {
    if (c.dropped) {
      CloseUp(c, true);
    } else {
      DropDown(c);
    }
    return;
  }
  if (alt) return;
  if (c.dropped && (key == VK_RETURN || key == VK_ESCAPE)) {
    CloseUp(c, key == VK_RETURN);
    return;
  }
  if (!Navigates(key)) return;
  if (!c.dropped && c.extendedUi && key == VK_DOWN && ComboType(c.self) != CBS_SIMPLE) {
    DropDown(c);
    return;
  }
  // The list moves its selection and reports LBN_SELCHANGE, which the
  // combo box passes on as CBN_SELCHANGE.
  SendMessageW(c.list, WM_KEYDOWN, key, 0);
}

}  // namespace platform
