// Taking the skin off a window again, in the reverse order of attaching: a
// window whose skin is switched off is the unskinned window it was.
#include "skin/WinSkinData.h"
#include "skin/forms/WinSkinDlg.h"
#include "skin/forms/WinSkinForm.h"
#include "skin/forms/WinSkinMenu.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Menus.h"

bool TWinSkinForm::ReleaseHooks() {
  FSysMenuPopup.reset();
  if (FHoverTimer) FHoverTimer->SetEnabled(false);
  if (!Subclassed()) return false;
  if (FFormControl != nullptr && FOldWindowProc) {
    FFormControl->WindowProc = FOldWindowProc;
    FOldWindowProc = nullptr;
  }
  RestoreWindowProc();
  FreeControls();
  return true;
}

void TWinSkinForm::Detach() {
  // Only the full detach: the light one may come after the form object went.
  if (FFormControl != nullptr && FState != kStateDetaching) ReleaseMenusOwnerDraw(FSkin, FFormControl);
  if (!FFrameSkinned) {
    DetachUnskinned();
    return;
  }
  if (!ReleaseHooks()) return;
  if (FFormControl != nullptr && FState != kStateDetaching) SetFormColor(FSavedColor);
  SetSysMenuStyle(false);
  FreeMenuBar(true);
  if (FKind == kKindMDIFrame) UnhookMDIClient();
  if (FState != kStateDetaching && (FKind == kKindMDIChild || !FIsChild)) RestoreFrameSize();
  SetWindowRgn(FHandle, nullptr, TRUE);
  FRegion = nullptr;
  FRegionSet = false;
}

void TWinSkinForm::RestoreFrameSize() {
  RECT r{};
  if (!GetWindowRect(FHandle, &r)) return;
  POINT topLeft{r.left, r.top};
  if (FKind == kKindMDIChild) ScreenToClient(GetParent(FHandle), &topLeft);
  const int width = (r.right - r.left) + RectWidth(FInitialNCSize) - FBorderLeft - FBorderRight;
  const int height = (r.bottom - r.top) + RectHeight(FInitialNCSize) - FTitleHeight - FBorderBottom;
  SetWindowPos(FHandle, nullptr, topLeft.x, topLeft.y, width, height,
               SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER);
}

void TWinSkinForm::DetachLight() {
  if (!FFrameSkinned) {
    DetachUnskinned();
    return;
  }
  if (!ReleaseHooks()) return;
  FreeMenuBar(false);
  UnhookMDIClient();
}

void TWinSkinForm::DetachUnskinned() {
  if (FHoverTimer) FHoverTimer->SetEnabled(false);
  FreeControls();
  if (FFormControl != nullptr && FState != kStateDetaching) SetFormColor(FSavedColor);
  if (Subclassed()) RestoreWindowProc();
  UnhookMDIClient();
  if (FFormControl != nullptr && FState != kStateDetaching) {
    for (int i = 0; i < FFormControl->ComponentCount(); ++i) {
      if (auto* control = dynamic_cast<TControl*>(FFormControl->Components(i))) control->Invalidate();
    }
  }
}
