#include "toolkit/Application.h"

#include "toolkit/ActnList.h"
#include "toolkit/Forms.h"
#include "toolkit/Menus.h"

T_CLASS_INFO(TApplication, TComponent, [](TClassInfo&) {})

// Made once and never freed: forms it owns are freed by the program before
// it ends, and nothing runs after the platform's own statics are gone.
TApplication* const Application = new TApplication(nullptr);

namespace {

LRESULT ApplicationWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      if (TCustomForm* main = Application->MainForm()) main->Close();
      return 0;
    case WM_GETICON:
      // The program's icon, whatever size is asked for.
      if (wParam == ICON_BIG || wParam == ICON_SMALL || wParam == ICON_SMALL2) {
        if (HICON icon = Application->Icon()->Handle()) return reinterpret_cast<LRESULT>(icon);
      }
      return DefWindowProcA(hwnd, message, wParam, lParam);
    default:
      return DefWindowProcA(hwnd, message, wParam, lParam);
  }
}

}  // namespace

TApplication::TApplication(TComponent* owner) : TComponent(owner) {}

TApplication::~TApplication() {
  if (handle_ != nullptr) DestroyWindow(handle_);
}

// The program's icon is its "MAINICON" resource, when it has one.
void TApplication::Initialize() {
  terminated_ = false;
  Icon()->LoadFromResourceName("MAINICON");
}

void TApplication::SetTitle(const AnsiString& title) {
  title_ = title;
  if (handle_ != nullptr) SetWindowTextA(handle_, title.c_str());
}

TIcon* TApplication::Icon() {
  if (!icon_) {
    icon_ = std::make_unique<TIcon>();
    // Forms without an icon of their own show the program's.
    icon_->OnChange = [](TObject*) {
      for (int i = 0; i < Screen->FormCount(); ++i) Screen->Forms(i)->UpdateIcon();
    };
  }
  return icon_.get();
}

HWND TApplication::Handle() {
  if (handle_ != nullptr && IsWindow(handle_)) return handle_;
  static const bool registered = [] {
    WNDCLASSEXA wc;
    wc.lpfnWndProc = WndProcFromFunction(&ApplicationWndProc);
    wc.hInstance = platform::ProgramModule();
    wc.lpszClassName = "TApplication";
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    return RegisterClassExA(&wc) != 0;
  }();
  (void)registered;
  // A hidden, zero-sized popup: present for ownership and the task bar's title.
  handle_ = CreateWindowExA(0, "TApplication", title_.c_str(),
                            WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 0, 0,
                            nullptr, nullptr, platform::ProgramModule(), nullptr);
  return handle_;
}

void TApplication::FormCreated(TComponent* instance) {
  auto* form = As<TCustomForm>(instance);
  if (form == nullptr || mainForm_ != nullptr) return;
  mainForm_ = form;
  form->FreeNotification(this);
}

void TApplication::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == mainForm_) mainForm_ = nullptr;
}

void TApplication::Terminate() {
  if (terminated_) return;
  terminated_ = true;
  PostQuitMessage(0);
}

void TApplication::Run() {
  if (mainForm_ != nullptr && showMainForm_) mainForm_->Show();
  while (!terminated_) {
    HandleMessage();
    if (mainForm_ == nullptr) Terminate();
  }
}

bool TApplication::ProcessMessage(MSG& msg) {
  if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (msg.message == WM_QUIT) {
    terminated_ = true;
    return true;
  }
  try {
    if (IsMenuShortCut(msg)) return true;
    if (TranslateMdiKey(msg)) return true;
    if (OfferDialogKey(msg)) return true;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  } catch (...) {
    HandleException(this);
  }
  return true;
}

void TApplication::HandleMessage() {
  MSG msg{};
  if (ProcessMessage(msg) || terminated_) return;
  if (Idle() && !terminated_) WaitMessage();
}

bool TApplication::Idle() {
  bool done = true;
  try {
    if (OnIdle) OnIdle(this, done);
    if (done) UpdateActionsOnIdle();
  } catch (...) {
    HandleException(this);
  }
  return done;
}

void TApplication::ProcessMessages() {
  MSG msg{};
  while (ProcessMessage(msg)) {
  }
}

void TApplication::Minimize() {
  if (mainForm_ != nullptr && mainForm_->HandleAllocated()) ShowWindow(mainForm_->Handle(), SW_MINIMIZE);
}

void TApplication::Restore() {
  if (mainForm_ != nullptr && mainForm_->HandleAllocated()) ShowWindow(mainForm_->Handle(), SW_RESTORE);
}

int TApplication::MessageBox(const AnsiString& text, const AnsiString& caption, UINT flags) {
  HWND owner = GetActiveWindow();
  if (owner == nullptr && mainForm_ != nullptr && mainForm_->HandleAllocated()) owner = mainForm_->Handle();
  const AnsiString& shownCaption = caption.empty() ? title_ : caption;
  return MessageBoxA(owner, text.c_str(), shownCaption.c_str(), flags);
}

void TApplication::ShowException(const std::exception& error) {
  AnsiString message = error.what();
  if (!message.empty() && message.back() != '.') message += '.';
  MessageBox(message, title_, MB_OK | MB_ICONSTOP);
}

void TApplication::HandleException(TObject* sender) {
  try {
    throw;
  } catch (const std::exception& error) {
    if (OnException) {
      OnException(sender, error);
    } else {
      ShowException(error);
    }
  } catch (...) {
    ShowException(Exception("Unknown error"));
  }
}
