// Dialog keys: Tab, Return, Escape and the arrows that the focused control
// does not take go to its form, which moves the focus or clicks the focused,
// default or cancel button.
#include "toolkit/Forms.h"
#include "toolkit/StdCtrls.h"

namespace {

bool IsDialogKey(WPARAM key) {
  switch (key) {
    case VK_TAB:
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
      return true;
    default:
      return false;
  }
}

// The first visible, enabled button of the form that is its default (or
// cancel) button.
TButton* FindButton(TWinControl* parent, bool cancel) {
  for (int i = 0; i < parent->ControlCount(); ++i) {
    TControl* c = parent->Controls(i);
    if (!c->Visible() || !c->Enabled()) continue;
    if (auto* button = As<TButton>(c)) {
      if (cancel ? button->Cancel() : button->Default()) return button;
    }
    if (auto* windowed = As<TWinControl>(c)) {
      if (TButton* found = FindButton(windowed, cancel)) return found;
    }
  }
  return nullptr;
}

}  // namespace

TCustomForm* GetParentForm(TControl* control) {
  for (TControl* c = control; c != nullptr; c = c->Parent()) {
    if (auto* form = As<TCustomForm>(c)) return form;
  }
  return nullptr;
}

bool OfferDialogKey(const MSG& msg) {
  if ((msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) || !IsDialogKey(msg.wParam)) return false;
  TWinControl* control = FindControl(msg.hwnd);
  if (control == nullptr) return false;
  const LRESULT code = SendMessageA(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
  if (code & DLGC_WANTALLKEYS) return false;
  if (msg.wParam == VK_TAB && (code & DLGC_WANTTAB)) return false;
  if (msg.wParam != VK_TAB && msg.wParam != VK_RETURN && msg.wParam != VK_ESCAPE && (code & DLGC_WANTARROWS)) {
    return false;
  }
  TCustomForm* form = GetParentForm(control);
  if (form == nullptr) return false;
  LPARAM shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= 1;
  if (GetKeyState(VK_MENU) < 0) shift |= 2;
  if (GetKeyState(VK_CONTROL) < 0) shift |= 4;
  const bool handled = form->Perform(CM_DIALOGKEY, msg.wParam, shift) != 0;
  // Default buttons follow the keys the form was offered.
  for (int i = 0; i < form->ControlCount(); ++i) {
    BroadcastToControls(form->Controls(i), CM_DIALOGKEYSEEN, msg.wParam, shift);
  }
  return handled;
}

bool TCustomForm::DialogKey(WPARAM key, LPARAM shift) {
  if (shift & (2 | 4)) return false;  // Alt and Ctrl combinations belong to menus and accelerators
  switch (key) {
    case VK_TAB:
      SelectNext((shift & 1) == 0);
      return true;
    case VK_RETURN:
    case VK_ESCAPE:
      // Return clicks the focused button, as the default button would be.
      if (key == VK_RETURN) {
        if (auto* focused = As<TButton>(FindControl(GetFocus())); focused && GetParentForm(focused) == this) {
          focused->Click();
          return true;
        }
      }
      if (TButton* button = FindButton(this, key == VK_ESCAPE)) {
        button->Click();
        return true;
      }
      return false;
    default:
      return false;
  }
}

void TCustomForm::SelectNext(bool forward) {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  std::erase_if(list, [](TWinControl* c) { return !c->TabStop() || !c->CanFocus(); });
  if (list.empty()) return;
  HWND focus = GetFocus();
  auto current = std::find_if(list.begin(), list.end(), [&](TWinControl* c) {
    return c->HandleAllocated() && c->Handle() == focus;
  });
  std::ptrdiff_t index = current == list.end() ? (forward ? -1 : 0) : current - list.begin();
  const auto count = static_cast<std::ptrdiff_t>(list.size());
  index = ((forward ? index + 1 : index - 1) % count + count) % count;
  list[static_cast<std::size_t>(index)]->SetFocus();
}
