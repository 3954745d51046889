// Attaching the skin to a window: binding a form object, classifying the
// window and subclassing it, finishing once the window has settled, keeping
// the client size as the frame changes, and re-applying a changed skin.
#include "skin/WinSkinData.h"
#include "skin/forms/WinSkinDlg.h"
#include "skin/forms/WinSkinForm.h"
#include "skin/forms/WinSkinMenu.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Forms.h"
#include "toolkit/TypInfo.h"

namespace {

bool HasProperty(TObject* object, const char* name) { return IsPublishedProp(object, name); }

}  // namespace

void TWinSkinForm::BindForm(TSkinData* skin, TControl* form) {
  FFormControl = form;
  if (skin->OnBeforeSkinForm) skin->OnBeforeSkinForm(form, FHandle, FManagerClassName);
  if (skin->SkinControls().Contains(TSkinControlType::xcMenuItem) && HasProperty(form, "AutoScroll")) {
    SetPropValue(form, "AutoScroll", "False");
  }
  SkinWindow(skin);
  SetMainMenusOwnerDraw(skin, form, true);
  if (FFrameSkinned) {
    FOldWindowProc = form->WindowProc;
    form->WindowProc = [this](TMessage& message) { FormWindowProc(message); };
  }
  if (HasProperty(form, "Color")) {
    FSavedColor = static_cast<TColor>(GetOrdProp(form, "Color"));
    SetFormColor(skin->Colours[scButtonFace]);
  }
}

void TWinSkinForm::SetFormColor(TColor color) {
  if (FFormControl != nullptr && HasProperty(FFormControl, "Color")) SetOrdProp(FFormControl, "Color", color);
}

void TWinSkinForm::SkinWindow(TSkinData* skin) {
  if (Subclassed()) return;
  SkinManager->FStarted = 1;
  FSkin = skin;
  FHoverTimer = std::make_unique<TTimer>(nullptr);
  FHoverTimer->SetEnabled(false);
  FHoverTimer->SetInterval(250);
  FHoverTimer->SetOnTimer([this](TObject*) { HoverTimerTick(); });
  FFrameSkinned = skin->SkinControls().Contains(TSkinControlType::xcMainMenu);

  FStyle = static_cast<DWORD>(GetWindowLongA(FHandle, GWL_STYLE));
  const auto exStyle = static_cast<DWORD>(GetWindowLongA(FHandle, GWL_EXSTYLE));
  FRightToLeft = (exStyle & WS_EX_LEFTSCROLLBAR) != 0;
  FIsChild = (FStyle & WS_CHILD) != 0;
  FClassName = SkinWindowClassName(FHandle);
  FOwnerWindow = GetWindow(FHandle, GW_OWNER);

  FBorderIcons = 0;
  if ((FStyle & WS_SYSMENU) || FSystemMenu != nullptr) FBorderIcons |= kIconSystemMenu;
  if (FStyle & WS_MINIMIZEBOX) FBorderIcons |= kIconMinimize;
  if (FStyle & WS_MAXIMIZEBOX) FBorderIcons |= kIconMaximize;
  if (exStyle & WS_EX_CONTEXTHELP) FBorderIcons |= kIconHelp;
  ReadShowState();
  FThickFrame = (FStyle & WS_THICKFRAME) != 0;

  for (HWND child = GetTopWindow(FHandle); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (SkinWindowClassName(child) == "MDIClient") {
      FKind = kKindMDIFrame;
      FMDIClientWindow = child;
      SkinManager->FMDIClient = child;
      SkinManager->FMDIForm = FFormControl;
      break;
    }
  }
  if (exStyle & WS_EX_MDICHILD) {
    FKind = kKindMDIChild;
    if (skin->Options().Contains(TSkinOption::xoMDIChildBorder)) FFrameSkinned = false;
  }
  ReadBorderStyle();

  const DWORD version = SkinPlatformVersion();
  const bool nt = (version & 0x80000000u) == 0;
  const int major = static_cast<int>(version & 0xFF);
  const int minor = static_cast<int>((version >> 8) & 0xFF);
  if (nt && major >= 5 && minor == 0 && (exStyle & WS_EX_APPWINDOW)) FBorderIcons |= kIconKeepSysMenuStyle;
  if (FOwnerWindow == nullptr && FKind != kKindMDIChild && major >= 5 && minor == 0) {
    FBorderIcons |= kIconKeepSysMenuStyle;
  }

  FUnicode = IsWindowUnicode(FHandle) != FALSE;
  if (FClassName == "#32770" || FClassName == "TMessageForm") {
    FBorderStyle = kBorderDialog;
    FDialogClass = true;
  }
  if (!nt) {
    TSkinControlTypes kinds = skin->SkinControls();
    skin->SetSkinControls(kinds.Exclude(TSkinControlType::xcSystemMenu));
  }
  if (FKind == kKindMDIFrame) {
    FSavedMenuUpdate = skin->MenuUpdate();
    HookMDIClient();
  }
  Subclass();

  if (FFrameSkinned) {
    // The menu bar is drawn by the skin: the window gives up its own bar.
    CreateMenuBar();
    BuildFrame();
  } else {
    FState = kStateReady;
  }
  if (FKind == kKindMDIChild) {
    const int standard = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CXFRAME);
    if (standard > FTitleHeight) FMenuBarHeight = standard - FTitleHeight;
    if (Maximized() && !SkinManager->FMDIChildMaximized) SkinManager->SetMDIChildMaximized(true);
  }
}

void TWinSkinForm::ReadBorderStyle() {
  const auto exStyle = static_cast<DWORD>(GetWindowLongA(FHandle, GWL_EXSTYLE));
  if ((FStyle & WS_CAPTION) != WS_CAPTION) {
    FBorderStyle = kBorderNone;
  } else if (FStyle & WS_THICKFRAME) {
    FBorderStyle = kBorderSizeable;
  } else if (FStyle & DS_MODALFRAME) {
    FBorderStyle = kBorderDialog;
  } else {
    FBorderStyle = kBorderSingle;
  }
  if (exStyle & WS_EX_DLGMODALFRAME) FBorderStyle = kBorderDialog;
}

void TWinSkinForm::Subclass() {
  FNewWndProc = MakeWndProcThunk(
      [this](HWND, UINT message, WPARAM wParam, LPARAM lParam) { return SkinWndProc(message, wParam, lParam); });
  const auto proc = reinterpret_cast<LONG_PTR>(FNewWndProc);
  FOldWndProc = reinterpret_cast<WNDPROC>(FUnicode ? SetWindowLongPtrW(FHandle, GWLP_WNDPROC, proc)
                                                   : SetWindowLongPtrA(FHandle, GWLP_WNDPROC, proc));
}

void TWinSkinForm::RestoreWindowProc() {
  if (IsWindow(FHandle)) {
    const auto old = reinterpret_cast<LONG_PTR>(FOldWndProc);
    if (FUnicode) {
      SetWindowLongPtrW(FHandle, GWLP_WNDPROC, old);
    } else {
      SetWindowLongPtrA(FHandle, GWLP_WNDPROC, old);
    }
  }
  FreeWndProcThunk(FNewWndProc);
  FNewWndProc = nullptr;
}

void TWinSkinForm::FinishAttach() {
  FSystemMenu = GetSystemMenu(FHandle, FALSE);
  BuildIconPicture();
  RECT client{};
  RECT window{};
  GetClientRect(FHandle, &client);
  GetWindowRect(FHandle, &window);
  FClientRect = client;
  FInitialNCSize = Rect(0, 0, (window.right - window.left) - (client.right - client.left),
                        (window.bottom - window.top) - (client.bottom - client.top));
  if (ControlAttachPass != nullptr) ControlAttachPass(this);
  if (FFormControl != nullptr) SetPopupMenusOwnerDraw(FSkin, FFormControl, true);

  if (FState == kStateAttached) {
    if (FKind == kKindMDIChild) {
      if (Maximized()) {
        PostMessageA(SkinManager->FMDIClient, SKM_REDRAWMDI, reinterpret_cast<WPARAM>(FHandle), 0);
      } else if (!Minimized()) {
        FState = kStateInitialResize;
        ResizeToClient(false);
        FState = kStateReady;
        UpdateRegion();
      }
    } else if (!FIsChild && FBorderStyle != kBorderNone && !Minimized()) {
      FState = kStateInitialResize;
      ResizeToClient(false);
      FState = kStateReady;
      if (Maximized()) {
        SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
      } else {
        UpdateRegion();
      }
    }
  }
  AfterSkin();
  FState = kStateReady;
  if (FHoverTimer) FHoverTimer->SetEnabled(true);
}

void TWinSkinForm::AfterSkin() {
  SendMessageA(FHandle, SKM_SKINNED, 0, SKM_MAGIC);
  if (FSkin != nullptr && FSkin->OnAfterSkinForm) FSkin->OnAfterSkinForm(FFormControl, FHandle, FManagerClassName);
}

void TWinSkinForm::ResizeToClient(bool keepCurrent) {
  if (Maximized()) {
    SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    return;
  }
  if (FDialogClass || FState == kStateReapplying) {
    RECT client{};
    GetClientRect(FHandle, &client);
    FClientRect = client;
  }
  int width = RectWidth(FClientRect) + FBorderLeft + FBorderRight;
  int clientHeight = RectHeight(FClientRect);
  if (keepCurrent) {
    RECT client{};
    GetClientRect(FHandle, &client);
    FClientRect = client;
    clientHeight = RectHeight(FClientRect);
  } else if (FFormControl != nullptr) {
    width = FFormControl->ClientWidth() + FBorderLeft + FBorderRight;
    clientHeight = FKind == kKindMDIChild ? FFormControl->ClientHeight()
                                          : FFormControl->ClientHeight() - FMenuBarHeight;
  }
  const int height = clientHeight + FTitleHeight + FBorderBottom + FMenuBarHeight;

  if (FDialogClass && !keepCurrent) {
    // A dialog widens until its whole caption fits, its children moving right
    // by half the growth.
    WCHAR text[1000] = {};
    GetWindowTextW(FHandle, text, 1000);
    FCaptionText = text;
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ oldFont = SelectObject(dc, FCaptionFont->Handle());
    SIZE extent{};
    GetTextExtentPoint32W(dc, FCaptionText.c_str(), static_cast<int>(FCaptionText.size()), &extent);
    SelectObject(dc, oldFont);
    DeleteDC(dc);
    FCaptionTextWidth = extent.cx;
    const int needed = FSkin->Title->LeftWidth + extent.cx + FSkin->Title->RightWidth;
    if (width < needed) {
      const int shift = (needed - width) / 2;
      for (HWND child = GetWindow(FHandle, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r{};
        GetWindowRect(child, &r);
        POINT topLeft{r.left, r.top};
        ScreenToClient(FHandle, &topLeft);
        SetWindowPos(child, nullptr, topLeft.x + shift, topLeft.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER | SWP_NOSENDCHANGING);
      }
      width = needed;
    }
  }
  SetWindowPos(FHandle, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TWinSkinForm::ReapplySkin() {
  if (FFormControl != nullptr) {
    SetFormColor(FSkin->Colours[scButtonFace]);
    for (int i = 0; i < FFormControl->ComponentCount(); ++i) {
      if (auto* owned = dynamic_cast<TCustomForm*>(FFormControl->Components(i))) {
        if (HasProperty(owned, "Color")) SetOrdProp(owned, "Color", FSkin->Colours[scButtonFace]);
      }
    }
  }
  if (FFormControl != nullptr) SetPopupMenusOwnerDraw(FSkin, FFormControl, true);
  FState = kStateReapplying;
  if (FFrameSkinned && FFormControl != nullptr) {
    ResizeToClient(true);
    FFormControl->SetHeight(FFormControl->Height() + 1);
    FFormControl->SetHeight(FFormControl->Height() - 1);
  }
  AfterSkin();
  FState = kStateReady;
}
