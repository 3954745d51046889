// PLACEHOLDER on the engine branch only, replaced by the caption-button
// files before anything reaches main: the caption-button, system-menu and
// non-client mouse operations with their plain platform behaviour.
#include "skin/forms/WinSkinForm.h"
#include "toolkit/Menus.h"

void TNCObject::MouseDown() {}
void TNCObject::MouseUp() {}
void TNCObject::MouseMove() {}
void TNCObject::MouseLeave() {}
void TWinSysButton::Paint() {}

void TWinSkinForm::BuildButtons() {}
void TWinSkinForm::FreeButtons() {
  FHotObject = nullptr;
  FButtons.clear();
}
void TWinSkinForm::BuildIconPicture() {}
void TWinSkinForm::LayoutButtons() {}
bool TWinSkinForm::IsButtonVisible(TWinSysButton&) { return false; }
void TWinSkinForm::PaintButtons(HDC) {}
TWinSysButton* TWinSkinForm::ButtonAt(TPoint) const { return nullptr; }
void TWinSkinForm::DoButtonAction(int, int) {}
void TWinSkinForm::DoMaximize() {}
void TWinSkinForm::DoMinimize() {}
void TWinSkinForm::DoRestore() {}
void TWinSkinForm::ShowSystemMenu(TPoint) {}
void TWinSkinForm::BuildSystemMenu() {}
LRESULT TWinSkinForm::NCHitTest(WPARAM wParam, LPARAM lParam) { return PassOn(WM_NCHITTEST, wParam, lParam); }
LRESULT TWinSkinForm::NCMouseMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return PassOn(message, wParam, lParam);
}
LRESULT TWinSkinForm::SysCommand(WPARAM wParam, LPARAM lParam) { return PassOn(WM_SYSCOMMAND, wParam, lParam); }
LRESULT TWinSkinForm::CommandAsSysCommand(WPARAM wParam, LPARAM lParam) {
  return PassOn(WM_COMMAND, wParam, lParam);
}
