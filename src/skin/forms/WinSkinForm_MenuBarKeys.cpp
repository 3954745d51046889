// The menu bar from the keyboard: Alt, F10 and Alt with an item's
// accelerator open a drop-down (through SC_KEYMENU, or CM_DIALOGKEY for a
// form object); inside it Left and Right move along the bar, mirrored for a
// right-to-left menu, and Return or Escape end the tracking.
#include "platform/base/strings.h"
#include "skin/forms/WinSkinDlg.h"
#include "skin/forms/WinSkinForm.h"
#include "skin/forms/WinSkinForm_MenuBarTracking.h"
#include "toolkit/Forms.h"
#include "toolkit/Menus.h"
#include "toolkit/Messages.h"

namespace {

// The next (step 1) or previous (step -1) item that can open, wrapping.
TMenuBtn* Neighbour(const TMenuBar& bar, int from, int step) {
  const int count = static_cast<int>(bar.FItems.size());
  for (int i = 1; i <= count; ++i) {
    TMenuBtn* item = bar.FItems[static_cast<std::size_t>(((from + step * i) % count + count) % count)].get();
    if (item->FVisible && !item->FCaption.empty()) return item;
  }
  return nullptr;
}

bool SelectedRightToLeft(const TMenuBarTracking& t) {
  if (t.selectedItem != nullptr) {
    TMenu* menu = t.selectedItem->GetParentMenu();
    return menu != nullptr && menu->RightToLeft();
  }
  if (t.selectedMenu == nullptr) return false;
  MENUITEMINFOA info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE;
  const bool byPosition = (t.selectedFlags & MF_POPUP) != 0;
  return GetMenuItemInfoA(t.selectedMenu, t.selectedLow, byPosition ? TRUE : FALSE, &info) &&
         (info.fType & MFT_RIGHTORDER) != 0;
}

}  // namespace

void ExchangeArrows(const TMenuBarTracking& t, MSG& msg) {
  if (msg.message != WM_KEYDOWN || (msg.wParam != VK_LEFT && msg.wParam != VK_RIGHT)) return;
  if (!SelectedRightToLeft(t)) return;
  msg.wParam = msg.wParam == VK_LEFT ? VK_RIGHT : VK_LEFT;
}

TMenuBtn* KeyTarget(TMenuBarTracking& t, const MSG& msg) {
  TWinSkinForm& form = *t.form;
  if (msg.message == WM_SYSKEYDOWN) {
    if (msg.wParam == VK_MENU) form.FMenuTracking = false;
    return nullptr;
  }
  switch (msg.wParam) {
    case VK_RETURN:
    case VK_ESCAPE:
      t.switching = false;
      return nullptr;
    case VK_LEFT:
      // Inside a nested sub-menu Left closes that level.
      if (t.selectedMenu != nullptr && t.selectedMenu != form.FOpenSubMenu) return nullptr;
      return Neighbour(*form.FMenuBar, t.openIndex, -1);
    case VK_RIGHT:
      // An entry with sub-items opens them.
      if (t.selectedMenu != nullptr && (t.selectedFlags & MF_POPUP)) return nullptr;
      return Neighbour(*form.FMenuBar, t.openIndex, 1);
    default:
      return nullptr;
  }
}

TMenuBtn* TWinSkinForm::AcceleratorItem(WCHAR key) const {
  if (!FMenuBar) return nullptr;
  for (const auto& item : FMenuBar->FItems) {
    if (item->FItemEnabled && item->FVisible && IsAccel(key, platform::WideToAnsiString(item->FCaption))) return item.get();
  }
  return nullptr;
}

bool OpenMenuBarItemForKey(TWinSkinForm& form, WCHAR key) {
  TMenuBtn* item = nullptr;
  if (key == 0) {
    if (form.FMenuBar && !form.FMenuBar->FItems.empty()) item = Neighbour(*form.FMenuBar, -1, 1);
  } else {
    item = form.AcceleratorItem(key);
  }
  if (key != 0 && item == nullptr) return false;
  if (item != nullptr) form.OpenItem(item);
  return true;
}

void TWinSkinForm::MenuDialogKey(TMessage& message) {
  FOldWindowProc(message);
  if (message.Result != 0) return;
  const auto key = static_cast<WCHAR>(message.WParam);
  // The shift state of the message: exactly Alt.
  if (message.LParam == 2) {
    if (TMenuBtn* item = AcceleratorItem(key)) {
      SwitchToItem(item);
      message.Result = 1;
      return;
    }
  }
  message.Result = 0;
}
