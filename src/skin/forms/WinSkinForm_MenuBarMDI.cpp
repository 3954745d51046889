// The menu bar of an MDI frame: the items again when the frame's menu is
// replaced (WM_MDISETMENU), and the maximised active child's minimise,
// restore and close buttons at the bar's end.
#include "skin/WinSkinData.h"
#include "skin/forms/WinSkinDlg.h"
#include "skin/forms/WinSkinForm.h"
#include "toolkit/Menus.h"

namespace {

// The Visibility code of the buttons the bar shows.
constexpr int kVisibleInMenuBar = 100;

bool InBar(const TWinSysButton& button) {
  return button.FVisible && button.FModel->Visibility == kVisibleInMenuBar && !button.FModel->Picture->Empty();
}

}  // namespace

void TMenuBar::RebuildItems() {
  if (HMENU menu = GetMenu(FForm->FHandle); menu != nullptr) FMenuHandle = menu;
  if (FMenuHandle == nullptr) return;
  FreeItems();
  const int n = GetMenuItemCount(FMenuHandle);
  for (int i = 0; i < n; ++i) {
    auto item = std::make_unique<TMenuBtn>(FForm, this, i);
    ReadPosition(FMenuHandle, i, *item, true);
    FItems.push_back(std::move(item));
  }
  FCount = static_cast<int>(FItems.size());
  MeasureItems();
  SetMenu(FForm->FHandle, nullptr);
  LayoutItems();
}

void TMenuBar::PaintMDIButtons(HDC dc) {
  for (const auto& button : FForm->FButtons) {
    if (!InBar(*button)) continue;
    TRect cell = button->FRect;
    OffsetRect(&cell, -FForm->FBorderLeft, -FForm->FTitleHeight);
    PaintFrameCell(dc, cell, button->FModel->Picture.get(), true, button->FModel->Frame, 1);
  }
  if (SkinManager != nullptr && !SkinManager->FMDIChildMaximized) SkinManager->SetMDIChildMaximized(true);
}

int TMenuBar::MDIButtonsLeft() const {
  int left = RectWidth(FBarRect);
  for (const auto& button : FForm->FButtons) {
    if (InBar(*button)) left = std::min<int>(left, button->FRect.left - FForm->FBorderLeft);
  }
  return left;
}
