// Caption buttons: the hot objects' mouse states, the button objects built
// from the skin's button models, their visibility rules, their places in the
// title strip and their pictures.
#include "skin/WinSkinData.h"
#include "skin/forms/WinSkinDlg.h"
#include "skin/forms/WinSkinForm.h"

namespace {

// Frames of a caption button picture.
constexpr int kFrameNormal = 1;
constexpr int kFrameInactive = 4;

// Align codes.
constexpr int kAlignLeft = 0;
constexpr int kAlignRight = 1;
constexpr int kAlignMenuBar = 100;

// Visibility code of the buttons the menu bar of an MDI frame shows.
constexpr int kVisibleInMenuBar = 100;

bool ShowsIcon(int action) { return action == 3 || action == 11; }
bool OpensSystemMenu(int action) { return action == 3 || action == 11 || action == 12; }

int CellWidth(const TDataSkinSysButton& model) {
  return model.Frame > 0 ? model.Picture->Width() / model.Frame : model.Picture->Width();
}

}  // namespace

// -- Hot objects -------------------------------------------------------------

void TNCObject::MouseDown() {
  if (FForm->FHotObject != nullptr && FForm->FHotObject != this) FForm->FHotObject->MouseLeave();
  if (!FVisible) return;
  FForm->FHotObject = this;
  FMouseState = 2;
  Paint();
}

void TNCObject::MouseUp() {
  if (!FVisible) return;
  FMouseState = 3;
  Paint();
}

void TNCObject::MouseMove() {
  if (FForm->FHotObject == this) return;
  if (FForm->FHotObject != nullptr) FForm->FHotObject->MouseLeave();
  if (!FVisible) return;
  FForm->FHotObject = this;
  FMouseState = 3;
  Paint();
}

void TNCObject::MouseLeave() {
  if (!FVisible) return;
  FForm->FHotObject = nullptr;
  FMouseState = 1;
  Paint();
}

void TWinSysButton::Paint() {
  const TDataSkinSysButton& model = *FModel;
  HDC dc = GetWindowDC(FForm->FHandle);
  if (dc == nullptr) return;
  if (ShowsIcon(model.Action)) {
    if (FForm->FIcon != nullptr) {
      DrawIconEx(dc, FRect.left, FRect.top, FForm->FIcon, FForm->FIconSize, FForm->FIconSize, 0, nullptr, DI_NORMAL);
    }
  } else {
    int frame = FMouseState;
    if (!FEnabled) frame = model.Frame >= 4 ? kFrameInactive : kFrameNormal;
    if (model.Visibility == kVisibleInMenuBar && FMouseState == 3) frame = kFrameInactive;
    // A picture with fewer frames than the state asks for shows its first.
    if (frame > model.Frame) frame = kFrameNormal;
    PaintFrameCell(dc, FRect, model.Picture.get(), true, model.Frame, frame);
  }
  ReleaseDC(FForm->FHandle, dc);
}

// -- Building ------------------------------------------------------------------

void TWinSkinForm::BuildButtons() {
  FreeButtons();
  for (const auto& model : FSkin->SysButtons) {
    FButtons.push_back(std::make_unique<TWinSysButton>(this, model.get()));
    if (!ShowsIcon(model->Action)) continue;
    BuildIconPicture();
    if (model->Picture->Empty()) model->Picture->Assign(FIconBitmap.get());
    if (FSkin->IconPicture() != nullptr && FSkin->IconPicture()->Empty()) {
      FSkin->IconPicture()->Assign(FIconBitmap.get());
    }
    model->Frame = 1;
  }
  FButtonCount = static_cast<int>(FButtons.size());
}

void TWinSkinForm::FreeButtons() {
  FHotObject = nullptr;
  FButtons.clear();
  FButtonCount = 0;
}

void TWinSkinForm::BuildIconPicture() {
  const int cx = GetSystemMetrics(SM_CXSMICON);
  const int cy = GetSystemMetrics(SM_CYSMICON);
  FIconBitmap->SetPixelFormat(TPixelFormat::pf16bit);
  FIconBitmap->SetSize(cx, cy);
  FIconBitmap->Canvas()->Brush()->SetColor(kSkinKeyColour);
  FIconBitmap->Canvas()->FillRect(Rect(0, 0, cx, cy));
  FIconSize = cx;
  FIcon = reinterpret_cast<HICON>(SendMessageW(FHandle, WM_GETICON, ICON_SMALL, 0));
  if (FIcon == nullptr) FIcon = reinterpret_cast<HICON>(SendMessageW(FHandle, WM_GETICON, ICON_BIG, 0));
  if (FIcon == nullptr) return;
  auto* scaled = static_cast<HICON>(CopyImage(FIcon, IMAGE_ICON, cx, cy, LR_COPYFROMRESOURCE));
  if (scaled == nullptr) return;
  DrawIconEx(FIconBitmap->Canvas()->Handle(), 0, 0, scaled, cx, cy, 0, nullptr, DI_NORMAL);
  DestroyIcon(scaled);
}

// -- Visibility and layout -------------------------------------------------------

bool TWinSkinForm::IsButtonVisible(TWinSysButton& button) {
  const TDataSkinSysButton& model = *button.FModel;
  const bool minBox = (FBorderIcons & kIconMinimize) != 0;
  const bool maxBox = (FBorderIcons & kIconMaximize) != 0;
  const bool sysMenu = (FBorderIcons & kIconSystemMenu) != 0;
  const bool help = (FBorderIcons & kIconHelp) != 0;
  const bool dialogBorder = !FDialogClass && FBorderStyle == kBorderDialog;

  // What one of the two codes says; `first` selects the rules of Visibility.
  const auto says = [&](int code, bool first) {
    switch (code) {
      case 0: return true;
      case 1: return Maximized();
      case 2: return !Maximized();
      case 3: return FActive;
      case 4: return !FActive;
      case 6:
      case 8: return first ? (minBox || maxBox) && sysMenu : minBox || maxBox;
      case 7: return !maxBox;
      case 9: return !minBox;
      case 10: return first ? help && !minBox && !maxBox : help;
      case kVisibleInMenuBar:
        // The skinned menu bar of an MDI frame is the only one with a
        // height of its own there; the second code repeats the first.
        return first ? FKind == kKindMDIFrame && FMenuBarHeight > 0 && ActiveChildMaximized() : true;
      case 200: return dialogBorder;
      default:
        if (code >= 201 && code <= 999) return true;
        if (code >= 1000 && code <= 2000) {
          return !first || SendMessageA(FHandle, SKM_BUTTONVISIBLE, static_cast<WPARAM>(code),
                                        static_cast<LPARAM>(model.Action)) > 0;
        }
        return false;
    }
  };

  bool visible = says(model.Visibility, true) && says(model.Visibility1, false);
  if (model.Action == 0 && !sysMenu) visible = false;
  if (model.Action == 1) button.FEnabled = maxBox && sysMenu;
  if (model.Action == 2) button.FEnabled = minBox && sysMenu;
  if (OpensSystemMenu(model.Action) && FBorderStyle == kBorderDialog) visible = false;
  button.FVisible = visible;
  return visible;
}

void TWinSkinForm::LayoutButtons() {
  const int w = FWindowWidth;
  for (const auto& button : FButtons) {
    const TDataSkinSysButton& model = *button->FModel;
    if (!IsButtonVisible(*button) || model.Picture->Empty()) continue;
    const int cw = CellWidth(model);
    const int ch = model.Picture->Height();
    int x = 0;
    int y = 0;
    switch (model.Align) {
      case kAlignLeft:
        x = model.Xcoord;
        y = model.Ycoord;
        break;
      case kAlignRight:
        x = w - model.Xcoord;
        y = model.Ycoord;
        break;
      case 2:
      case 8:
        x = FTitleTextRect.left - cw - model.Xcoord;
        y = model.Ycoord;
        break;
      case 3:
      case 9:
        x = FTitleTextRect.right + model.Xcoord;
        y = model.Ycoord;
        break;
      case kAlignMenuBar:
        x = w - model.Xcoord - FBorderRight - (FSkin->MenuBar ? FSkin->MenuBar->LeftWidth : 0);
        y = FTitleHeight + (FMenuBarHeight - ch) / 2;
        break;
      default:
        break;
    }
    button->FRect = Bounds(x, y, cw, ch);
  }
}

void TWinSkinForm::PaintButtons(HDC dc) {
  for (const auto& button : FButtons) {
    const TDataSkinSysButton& model = *button->FModel;
    if (!button->FVisible || model.Picture->Empty() || model.Visibility == kVisibleInMenuBar) continue;
    if (ShowsIcon(model.Action)) {
      if (FIcon != nullptr) {
        DrawIconEx(dc, button->FRect.left, button->FRect.top, FIcon, FIconSize, FIconSize, 0, nullptr, DI_NORMAL);
      }
      continue;
    }
    const int frame = model.Frame < 4 || (FActive && button->FEnabled) ? kFrameNormal : kFrameInactive;
    PaintFrameCell(dc, button->FRect, model.Picture.get(), true, model.Frame, frame);
  }
}

TWinSysButton* TWinSkinForm::ButtonAt(TPoint framePoint) const {
  for (const auto& button : FButtons) {
    if (!button->FVisible || button->FModel->Action < 0) continue;
    if (PtInRect(&button->FRect, framePoint)) return button.get();
  }
  return nullptr;
}
