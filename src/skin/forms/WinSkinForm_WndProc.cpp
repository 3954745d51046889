// The subclassed window procedure of a skinned window and the hook on its
// form object: every message passes the three stages of the dispatch.
#include "skin/WinSkinData.h"
#include "skin/forms/WinSkinDlg.h"
#include "skin/forms/WinSkinForm.h"
#include "skin/forms/WinSkinMenu.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Messages.h"

LRESULT TWinSkinForm::SkinWndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (FState == kStateAttached && message == WM_NCPAINT) return 0;

  // Stage 1: every window.
  switch (message) {
    case SKM_ISSKINNED:
      PostMessageA(FHandle, SKM_SKINNED, 0, SKM_MAGIC);
      return 1;
    case WM_NCUAHDRAWCAPTION:
      return 0;
    case WM_NCDESTROY: {
      FState = kStateDetaching;
      DetachLight();
      // The window procedure is already restored: the old one finishes the
      // destruction.
      const LRESULT result = PassOn(message, wParam, lParam);
      FState = kStateDead;
      return result;
    }
    case WM_ERASEBKGND: {
      const LRESULT result = PassOn(message, wParam, lParam);
      if (FFormControl != nullptr) return result;
      RECT client{};
      GetClientRect(FHandle, &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, FSkin->SkinBrush());
      return 1;
    }
    case WM_CTLCOLORSTATIC: {
      const LRESULT result = PassOn(message, wParam, lParam);
      if (FFormControl != nullptr) return result;
      SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
      return reinterpret_cast<LRESULT>(FSkin->SkinBrush());
    }
    case WM_CTLCOLORBTN: {
      const LRESULT result = PassOn(message, wParam, lParam);
      if (FFormControl == nullptr) SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
      return result;
    }
    case WM_INITMENUPOPUP:
      SkinManager->FMenuKind =
          reinterpret_cast<HMENU>(wParam) == FSystemMenu ? kMenuKindSystem : kMenuKindMenuBar;
      return PassOn(message, wParam, lParam);
    case WM_NCACTIVATE:
      // Until the attach has finished the platform must not draw its frame.
      // A deactivation is let through undrawn: refusing it would keep a
      // window raised meanwhile (an error box, say) from becoming active.
      if (FState == kStateAttached && FKind != kKindMDIChild) return wParam ? 0 : TRUE;
      break;
    case SKM_FINISHATTACH:
      FinishAttach();
      return 0;
    case SKM_REATTACHSCROLL:
      ReattachScrolling(reinterpret_cast<HWND>(wParam));
      return 0;
    default:
      break;
  }
  if (!FFrameSkinned) return PassOn(message, wParam, lParam);
  if (FKind != kKindMDIChild && (FStyle & WS_CHILD)) return PassOn(message, wParam, lParam);

  // Stage 2.
  bool handled = false;
  LRESULT result = 0;
  switch (message) {
    case WM_COMMAND:
      return CommandAsSysCommand(wParam, lParam);
    case WM_WINDOWPOSCHANGED:
      ReadShowState();
      return PassOn(message, wParam, lParam);
    case WM_SIZE:
      OnSize(wParam, lParam);
      handled = true;
      break;
    case WM_ACTIVATE:
    case WM_NCACTIVATE:
      FActive = (wParam & 0xFF) != 0;
      break;
    case WM_GETMINMAXINFO:
      result = PassOn(message, wParam, lParam);
      ReadShowState();
      return result;
    case WM_SETICON:
      result = PassOn(message, wParam, lParam);
      BuildIconPicture();
      return result;
    case WM_SYSCOMMAND:
      return SysCommand(wParam, lParam);
    case CM_MENUCHANGED:
      return OnMenuChanged(message, wParam, lParam);
    case SKM_OPENMENUITEM:
      return OpenItemAtPoint(lParam);
    default:
      break;
  }
  if ((FKind == kKindMDIChild && Maximized()) || FState == kStateAttached) {
    return handled ? 0 : PassOn(message, wParam, lParam);
  }

  // Stage 3.
  switch (message) {
    case WM_NCPAINT:
      return NCPaintEntry(wParam, lParam);
    case WM_NCACTIVATE:
      return OnNCActivate(wParam, lParam);
    case WM_NCCALCSIZE:
      return OnNCCalcSize(wParam, lParam);
    case WM_SIZE:
      OnSize(wParam, lParam);
      return 0;
    case WM_NCHITTEST:
      return NCHitTest(wParam, lParam);
    case WM_NCMOUSEMOVE:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
      return NCMouseMessage(message, wParam, lParam);
    case SKM_PAINTFRAME:
      PaintNonClient(nullptr);
      return 0;
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
      if (SkinMenuOwnerMessage(*this, message, wParam, lParam, result)) return result;
      return PassOn(message, wParam, lParam);
    default:
      return handled ? 0 : PassOn(message, wParam, lParam);
  }
}

LRESULT TWinSkinForm::OnMenuChanged(UINT message, WPARAM wParam, LPARAM lParam) {
  FSkin->SetNCPaintEnabled(false);
  const LRESULT result = PassOn(message, wParam, lParam);
  FSkin->SetNCPaintEnabled(true);
  if (HMENU menu = GetMenu(FHandle); menu != nullptr) {
    FMenuHandle = menu;
    // A window that had no menu at attach gets its bar now, or the menu
    // taken off it below would be lost.
    if (!FMenuBar && FKind != kKindMDIChild) {
      CreateMenuBar();
      SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    } else if (FSkin->MenuUpdate()) {
      MenuBarChanged(false);
    }
    SetMenu(FHandle, nullptr);
  }
  return result;
}

void TWinSkinForm::OnSize(WPARAM wParam, LPARAM lParam) {
  PassOn(WM_SIZE, wParam, lParam);
  switch (wParam) {
    case SIZE_RESTORED:
      FShowState = kShowNormal;
      break;
    case SIZE_MINIMIZED:
      FShowState = kShowMinimized;
      break;
    case SIZE_MAXIMIZED:
      FShowState = kShowMaximized;
      break;
    default:
      break;
  }
  if (Minimized()) return;
  if (FKind == kKindMDIChild && (SkinManager->FMDIChildMaximized || !(FShowState == kShowNormal))) return;
  if (FState == kStateReady || FState == kStateReapplying) UpdateRegion();
}

LRESULT TWinSkinForm::OnNCCalcSize(WPARAM wParam, LPARAM lParam) {
  PassOn(WM_NCCALCSIZE, wParam, lParam);
  if ((wParam & 0xFF) == 0) return 0;
  auto* p = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam);
  if ((FKind == kKindMDIChild && FShowState != kShowNormal) || FBorderStyle == kBorderNone) {
    p->rgrc[1] = p->rgrc[0];
    return WVR_VALIDRECTS;
  }
  const WINDOWPOS& wp = *p->lppos;
  // The bar takes as many rows as its items need at the new width.
  if (FMenuBar) FMenuBarHeight = FMenuBar->HeightFor(wp.cx - FBorderLeft - FBorderRight);
  const RECT client{wp.x + FBorderLeft, wp.y + FTitleHeight + FMenuBarHeight, wp.x + wp.cx - FBorderRight,
                    wp.y + wp.cy - FBorderBottom};
  p->rgrc[0] = client;
  p->rgrc[1] = client;
  return WVR_VALIDRECTS;
}

LRESULT TWinSkinForm::OnNCActivate(WPARAM wParam, LPARAM lParam) {
  FActive = wParam != 0;
  if (FHoverTimer) FHoverTimer->SetEnabled(wParam != 0);
  if (FKind == kKindMDIFrame && FMDIClientWindow != nullptr) {
    SendMessageW(FMDIClientWindow, WM_NCACTIVATE, wParam, lParam);
  } else if (FKind == kKindMDIChild) {
    PassOn(WM_NCACTIVATE, wParam, lParam);
  }
  if (!(FKind == kKindMDIChild && Maximized())) PaintNonClient(nullptr);
  return 1;
}

void TWinSkinForm::FormWindowProc(TMessage& message) {
  switch (message.Msg) {
    case WM_SETTEXT:
      if (!IsWindowVisible(FHandle)) break;
      FOldWindowProc(message);
      if (Maximized()) {
        PostMessageA(SkinManager->FMDIClient, SKM_REDRAWMDI, reinterpret_cast<WPARAM>(FHandle), 0);
      }
      if (Minimized()) {
        PaintNonClient(nullptr);
      } else {
        SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
      }
      return;
    case SKM_REAPPLY:
      ReapplySkin();
      return;
    case CM_DIALOGKEY:
      MenuDialogKey(message);
      return;
    case SKM_PAINTINTODC:
      if (message.LParam == SKM_MAGIC) {
        if (message.WParam != 0) PaintNonClient(reinterpret_cast<HDC>(message.WParam));
        message.Result = SKM_MAGIC;
      }
      return;
    case SKM_QUERYPAINT:
      message.Result = message.LParam == SKM_MAGIC ? SKM_MAGIC : 1;
      return;
    default:
      break;
  }
  FOldWindowProc(message);
}

void TWinSkinForm::HoverTimerTick() {
  if (FMenuTracking || FHotObject == nullptr) return;
  POINT cursor{};
  GetCursorPos(&cursor);
  const TPoint p = ScreenToFrame(TPoint{cursor.x, cursor.y});
  if (!PtInRect(&FHotObject->FRect, p)) {
    FHotObject->MouseLeave();
    FHotObject = nullptr;
  }
}
