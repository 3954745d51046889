// Showing, closing and modal forms: OnShow runs before the window first
// appears, the first showing places the form as Position says, closing asks
// OnCloseQuery and then lets OnClose decide, and closing the main form ends
// the program.
#include <vector>

#include "toolkit/Application.h"
#include "toolkit/Forms.h"
#include "toolkit/Menus.h"

void TCustomForm::Show() {
  SetVisible(true);
  if (HandleAllocated()) BringWindowToTop(Handle());
}

void TCustomForm::ShowingChanged() {
  if (Loading() || Destroying()) return;
  if (Visible()) {
    HandleNeeded();
    if (OnShow) OnShow(this);
    if (!shownOnce_) {
      shownOnce_ = true;
      PlaceOnScreen();
    }
    const int command = windowState_ == TWindowState::wsMinimized   ? SW_SHOWMINIMIZED
                        : windowState_ == TWindowState::wsMaximized ? SW_SHOWMAXIMIZED
                                                                    : SW_SHOWNORMAL;
    ShowWindow(Handle(), command);
    showing_ = true;
  } else if (HandleAllocated()) {
    if (OnHide) OnHide(this);
    ShowWindow(Handle(), SW_HIDE);
    showing_ = false;
  }
}

void TCustomForm::PlaceOnScreen() {
  int left = Left(), top = Top();
  switch (position_) {
    case TPosition::poScreenCenter:
    case TPosition::poDesktopCenter:
      left = (Screen->Width() - Width()) / 2;
      top = (Screen->Height() - Height()) / 2;
      break;
    case TPosition::poMainFormCenter:
    case TPosition::poOwnerFormCenter: {
      TCustomForm* center = Application->MainForm();
      if (position_ == TPosition::poOwnerFormCenter && As<TCustomForm>(Owner()) != nullptr) {
        center = As<TCustomForm>(Owner());
      }
      if (center == nullptr || center == this) {
        left = (Screen->Width() - Width()) / 2;
        top = (Screen->Height() - Height()) / 2;
      } else {
        left = center->Left() + (center->Width() - Width()) / 2;
        top = center->Top() + (center->Height() - Height()) / 2;
      }
      break;
    }
    default:
      return;
  }
  SetBounds(std::max(0, left), std::max(0, top), Width(), Height());
}

bool TCustomForm::CloseQuery() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(this, canClose);
  return canClose;
}

void TCustomForm::Close() {
  if (modal_) {
    modalResult_ = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  TCloseAction action = formStyle_ == TFormStyle::fsMDIChild ? TCloseAction::caMinimize : TCloseAction::caHide;
  if (OnClose) OnClose(this, action);
  if (action == TCloseAction::caNone) return;
  if (Application->MainForm() == this) {
    Application->Terminate();
    return;
  }
  switch (action) {
    case TCloseAction::caHide: Hide(); break;
    case TCloseAction::caMinimize: SetWindowState(TWindowState::wsMinimized); break;
    case TCloseAction::caFree: Release(); break;
    default: break;
  }
}

void TCustomForm::Release() {
  if (HandleAllocated()) {
    PostMessageA(Handle(), CM_RELEASE, 0, 0);
  } else {
    Free();
  }
}

bool TCustomForm::Active() const {
  TCustomForm* self = const_cast<TCustomForm*>(this);
  return self->HandleAllocated() && GetActiveWindow() == self->Handle();
}

TModalResult TCustomForm::ShowModal() {
  if (Visible() || !Enabled() || modal_) throw EInvalidOperation("Cannot make a visible window modal");
  ReleaseCapture();
  // Every other enabled top-level window waits until the form is done.
  std::vector<HWND> disabled;
  for (HWND w = GetTopWindow(nullptr); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
    if (IsWindowVisible(w) && IsWindowEnabled(w)) disabled.push_back(w);
  }
  for (HWND w : disabled) EnableWindow(w, FALSE);
  modal_ = true;
  modalResult_ = mrNone;
  try {
    Show();
    while (modalResult_ == mrNone) {
      Application->HandleMessage();
      if (Application->Terminated()) modalResult_ = mrCancel;
      if (modalResult_ != mrNone && !CloseQuery()) modalResult_ = mrNone;
    }
    TCloseAction action = TCloseAction::caHide;
    if (OnClose) OnClose(this, action);
  } catch (...) {
    modal_ = false;
    for (HWND w : disabled) EnableWindow(w, TRUE);
    throw;
  }
  modal_ = false;
  for (HWND w : disabled) {
    if (IsWindow(w)) EnableWindow(w, TRUE);
  }
  Hide();
  return modalResult_;
}

void TCustomForm::WndProc(TMessage& message) {
  if (DispatchFormMenuMessage(this, message.Msg, message.WParam, message.LParam, message.Result)) return;
  switch (message.Msg) {
    case WM_CLOSE:
      Close();
      return;
    case CM_VISIBLECHANGED:
      ShowingChanged();
      return;
    case CM_DIALOGKEY:
      message.Result = DialogKey(message.WParam, message.LParam) ? 1 : 0;
      return;
    case CM_MENUCHANGED:
      // The window shows the menu as it is now.
      AttachFormMenu(this);
      return;
    case WM_ACTIVATE:
      TScrollingWinControl::WndProc(message);
      if (LOWORD(message.WParam) != WA_INACTIVE) {
        if (OnActivate) OnActivate(this);
      } else if (OnDeactivate) {
        OnDeactivate(this);
      }
      return;
    case WM_SIZE:
      if (message.WParam == SIZE_MINIMIZED) windowState_ = TWindowState::wsMinimized;
      if (message.WParam == SIZE_MAXIMIZED) windowState_ = TWindowState::wsMaximized;
      if (message.WParam == SIZE_RESTORED) windowState_ = TWindowState::wsNormal;
      break;
    default:
      break;
  }
  TScrollingWinControl::WndProc(message);
}
