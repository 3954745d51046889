// MDI forms: an fsMDIForm owns an "MDIClient" window that fills its client
// area and runs through DefFrameProc; fsMDIChild forms are created inside
// the client of the program's MDI form and run through DefMDIChildProc.
// The arrangements and the child list ask the client.
#include "toolkit/Application.h"
#include "toolkit/Forms.h"
#include "toolkit/Menus.h"

namespace {

// The window menu lists the children with command ids from here on, above
// every id the toolkit gives menu items.
constexpr UINT kFirstMdiChildId = 0xFF00;

}  // namespace

TCustomForm* TCustomForm::MdiMainForm() {
  TCustomForm* main = Application->MainForm();
  if (main != nullptr && main->FormStyle() == TFormStyle::fsMDIForm) return main;
  for (int i = 0; i < Screen->FormCount(); ++i) {
    if (Screen->Forms(i)->FormStyle() == TFormStyle::fsMDIForm) return Screen->Forms(i);
  }
  return nullptr;
}

void TCustomForm::MdiCreateParams(TCreateParams& params) {
  if (formStyle_ != TFormStyle::fsMDIChild) return;
  TCustomForm* main = MdiMainForm();
  if (main == nullptr || main == this) throw EInvalidOperation("Cannot create form. No MDI forms are currently active");
  main->HandleNeeded();
  params.WndParent = main->ClientHandle();
  params.Style = (params.Style & ~WS_POPUP) | WS_CHILD | WS_CLIPSIBLINGS;
  params.ExStyle |= WS_EX_MDICHILD;
}

void TCustomForm::CreateMdiClient() {
  if (formStyle_ != TFormStyle::fsMDIForm || clientHandle_ != nullptr) return;
  CLIENTCREATESTRUCT create{windowMenu_ != nullptr ? windowMenu_->Handle() : nullptr, kFirstMdiChildId};
  RECT r{};
  GetClientRect(Handle(), &r);
  clientHandle_ = CreateWindowExA(WS_EX_CLIENTEDGE, "MDIClient", nullptr,
                                  WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0, r.right, r.bottom,
                                  Handle(), nullptr, platform::ProgramModule(), &create);
  if (clientHandle_ == nullptr) throw EOSError("Error creating the MDI client window");
}

void TCustomForm::DefaultHandler(TMessage& message) {
  if (HandleAllocated() && formStyle_ == TFormStyle::fsMDIForm && clientHandle_ != nullptr) {
    message.Result = DefFrameProcA(Handle(), clientHandle_, message.Msg, message.WParam, message.LParam);
    if (message.Msg == WM_NCDESTROY) clientHandle_ = nullptr;
    return;
  }
  if (HandleAllocated() && formStyle_ == TFormStyle::fsMDIChild &&
      (GetWindowLongA(Handle(), GWL_EXSTYLE) & WS_EX_MDICHILD)) {
    message.Result = DefMDIChildProcA(Handle(), message.Msg, message.WParam, message.LParam);
    return;
  }
  TScrollingWinControl::DefaultHandler(message);
}

int TCustomForm::MDIChildCount() const {
  int count = 0;
  while (MDIChildren(count) != nullptr) ++count;
  return count;
}

// Children in the order they were created (Screen's order).
TCustomForm* TCustomForm::MDIChildren(int index) const {
  if (clientHandle_ == nullptr || index < 0) return nullptr;
  for (int i = 0; i < Screen->FormCount(); ++i) {
    TCustomForm* form = Screen->Forms(i);
    if (form->FormStyle() != TFormStyle::fsMDIChild || !form->HandleAllocated()) continue;
    if (GetParent(form->Handle()) != clientHandle_) continue;
    if (index-- == 0) return form;
  }
  return nullptr;
}

TCustomForm* TCustomForm::ActiveMDIChild() const {
  if (clientHandle_ == nullptr) return nullptr;
  const HWND active = reinterpret_cast<HWND>(SendMessageA(clientHandle_, WM_MDIGETACTIVE, 0, 0));
  for (int i = 0; TCustomForm* form = MDIChildren(i); ++i) {
    if (form->Handle() == active) return form;
  }
  return nullptr;
}

void TCustomForm::SetWindowMenu(TMenuItem* item) {
  windowMenu_ = item;
  if (clientHandle_ != nullptr && item != nullptr) {
    SendMessageA(clientHandle_, WM_MDISETMENU, 0, reinterpret_cast<LPARAM>(item->Handle()));
  }
}

void TCustomForm::Cascade() {
  if (clientHandle_ != nullptr) SendMessageA(clientHandle_, WM_MDICASCADE, 0, 0);
}

void TCustomForm::Tile(bool horizontal) {
  if (clientHandle_ != nullptr) {
    SendMessageA(clientHandle_, WM_MDITILE, horizontal ? MDITILE_HORIZONTAL : MDITILE_VERTICAL, 0);
  }
}

void TCustomForm::ArrangeIcons() {
  if (clientHandle_ != nullptr) SendMessageA(clientHandle_, WM_MDIICONARRANGE, 0, 0);
}

void TCustomForm::Next() {
  if (clientHandle_ != nullptr) SendMessageA(clientHandle_, WM_MDINEXT, 0, 0);
}

void TCustomForm::Previous() {
  if (clientHandle_ != nullptr) SendMessageA(clientHandle_, WM_MDINEXT, 0, 1);
}

bool TranslateMdiKey(MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
  for (int i = 0; i < Screen->FormCount(); ++i) {
    TCustomForm* form = Screen->Forms(i);
    if (form->FormStyle() != TFormStyle::fsMDIForm || form->ClientHandle() == nullptr) continue;
    if (msg.hwnd != form->Handle() && !IsChild(form->Handle(), msg.hwnd)) continue;
    return TranslateMDISysAccel(form->ClientHandle(), &msg) != FALSE;
  }
  return false;
}
