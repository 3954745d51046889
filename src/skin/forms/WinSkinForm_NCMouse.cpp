// The mouse in the non-client area of a skinned window: hit testing against
// the skin's title strip, and the caption buttons' presses, releases, hover
// and double clicks.
#include "skin/WinSkinData.h"
#include "skin/forms/WinSkinDlg.h"
#include "skin/forms/WinSkinForm.h"
#include "toolkit/ExtCtrls.h"

LRESULT TWinSkinForm::NCHitTest(WPARAM wParam, LPARAM lParam) {
  LRESULT code = PassOn(WM_NCHITTEST, wParam, lParam);
  // Borders and corners stand as the platform measures them; what it calls
  // caption or nothing is judged by the skin's title strip and menu bar.
  if (code != HTNOWHERE && code != HTCAPTION) return code;
  const TPoint p = ScreenToFrame(lParam);
  if (p.y > 3) code = HTCAPTION;
  if (p.y > FTitleHeight && FMenuBarHeight > 0) code = HTMENU;
  return code;
}

LRESULT TWinSkinForm::NCMouseMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const TPoint screen{static_cast<std::int16_t>(LOWORD(lParam)), static_cast<std::int16_t>(HIWORD(lParam))};
  // The caption button under the point, else the menu-bar item.
  const TPoint frame = ScreenToFrame(screen);
  TWinSysButton* button = ButtonAt(frame);
  TMenuBtn* item = button == nullptr && FMenuBar && message != WM_NCLBUTTONDBLCLK ? FMenuBar->ItemAt(frame) : nullptr;

  switch (message) {
    case WM_NCMOUSEMOVE:
      // An inactive window shows no hover effects.
      if (!FActive) return 0;
      if (button != nullptr || item != nullptr) {
        button != nullptr ? button->MouseMove() : item->MouseMove();
        return 0;
      }
      if (FHotObject != nullptr) FHotObject->MouseLeave();
      FHotObject = nullptr;
      return PassOn(message, wParam, lParam);

    case WM_NCLBUTTONDOWN:
      if (button != nullptr) {
        if (!FActive) SetForegroundWindow(FHandle);
        button->MouseDown();
        return 0;
      }
      if (item != nullptr) {
        if (!FActive) SetForegroundWindow(FHandle);
        item->MouseDown();
        // The drop-down runs a loop of its own, in which the bar may be
        // rebuilt or the skin taken off the window.
        const HWND window = FHandle;
        OpenItem(item);
        if (SkinManager != nullptr && SkinManager->FindSkinForm(window) == this && FMenuBar && FMenuBar->Owns(item)) {
          FHotObject = item;
        }
        return 0;
      }
      // A maximised window cannot be dragged by its caption.
      if (Maximized() && FActive && wParam == HTCAPTION) wParam = HTMENU;
      return PassOn(message, wParam, lParam);

    case WM_NCLBUTTONUP:
      if (item != nullptr) return 0;
      if (button == nullptr) return PassOn(message, wParam, lParam);
      // Only the button still hot since its press acts.
      if (FHotObject == button) {
        button->MouseUp();
        DoButtonAction(screen.x, screen.y);
      }
      return 0;

    case WM_NCLBUTTONDBLCLK:
      if (button != nullptr) {
        const int action = button->FModel->Action;
        if (action == 3 || action == 11) {
          if (FHoverTimer) FHoverTimer->SetEnabled(false);
          PostMessageW(FHandle, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        return 0;
      }
      if (Maximized() || Minimized()) {
        DoRestore();
        return 0;
      }
      if (FBorderIcons & kIconMaximize) {
        DoMaximize();
        return 0;
      }
      return PassOn(message, wParam, lParam);

    case WM_NCRBUTTONDOWN:
      if (wParam == HTCAPTION && FKind != kKindMDIChild) {
        ShowSystemMenu(screen);
        return 0;
      }
      return PassOn(message, wParam, lParam);

    default:
      return PassOn(message, wParam, lParam);
  }
}
