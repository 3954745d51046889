// THintWindow and the hint timing: the pause before a hint appears and the
// time it stays, driven by timers on the hint window itself.
#include "toolkit/Controls_Hint.h"

#include "toolkit/Application.h"

namespace {

constexpr UINT_PTR kShowTimer = 1;
constexpr UINT_PTR kHideTimer = 2;
constexpr int kCursorHeight = 20;  // the hint sits under the mouse pointer

// Watches the control whose hint is pending, so that freeing it cancels.
class THintWatcher : public TComponent {
 public:
  THintWatcher() : TComponent(nullptr) {}
  void Watch(TControl* control) {
    if (control_ != nullptr) RemoveFreeNotification(control_);
    control_ = control;
    if (control != nullptr) FreeNotification(control);
  }
  TControl* Control() const { return control_; }

 protected:
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == control_) {
      control_ = nullptr;
      CancelHint();
    }
  }

 private:
  TControl* control_ = nullptr;
};

THintWindow* g_window = nullptr;

THintWatcher& Watcher() {
  static THintWatcher* watcher = new THintWatcher;  // lives as long as the program
  return *watcher;
}

THintWindow& Window() {
  if (g_window == nullptr) g_window = new THintWindow(Application);
  return *g_window;
}

}  // namespace

T_CLASS_INFO(THintWindow, TWinControl, [](TClassInfo& c) { c.Factory = &CreateInstance<THintWindow>; })

THintWindow::THintWindow(TComponent* owner) : TWinControl(owner), canvas_(std::make_unique<TCanvas>()) {
  SetColor(clInfoBk);
  SetVisible(false);
}

THintWindow::~THintWindow() {
  if (g_window == this) g_window = nullptr;
}

void THintWindow::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.Style = WS_POPUP | WS_BORDER;
  params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  params.WndParent = nullptr;
}

void THintWindow::ActivateHint(TPoint at, const AnsiString& text) {
  text_ = text;
  HDC dc = GetDC(nullptr);
  canvas_->SetHandle(dc);
  const int width = canvas_->TextWidth(text) + 8;
  const int height = canvas_->TextHeight(text) + 4;
  canvas_->SetHandle(nullptr);
  ReleaseDC(nullptr, dc);
  HWND h = Handle();
  SetWindowPos(h, HWND_TOPMOST, at.x, at.y, width, height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
  InvalidateRect(h, nullptr, TRUE);
  showing_ = true;
}

void THintWindow::HideHint() {
  if (!HandleAllocated()) return;
  KillTimer(Handle(), kShowTimer);
  KillTimer(Handle(), kHideTimer);
  if (showing_) ShowWindow(Handle(), SW_HIDE);
  showing_ = false;
}

void THintWindow::Paint(HDC dc) {
  RECT client{};
  GetClientRect(Handle(), &client);
  canvas_->SetHandle(dc);
  canvas_->Brush()->SetColor(clInfoBk);
  canvas_->FillRect(client);
  canvas_->Font()->SetColor(clInfoText);
  SetBkMode(dc, TRANSPARENT);
  canvas_->TextOut(3, 1, text_);
  canvas_->SetHandle(nullptr);
}

void THintWindow::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps{};
      HDC dc = BeginPaint(Handle(), &ps);
      Paint(dc);
      EndPaint(Handle(), &ps);
      message.Result = 0;
      return;
    }
    case WM_ERASEBKGND:
      message.Result = 1;
      return;
    case WM_TIMER:
      message.Result = 0;
      KillTimer(Handle(), message.WParam);
      if (message.WParam == kShowTimer) {
        TControl* control = Watcher().Control();
        if (control == nullptr) return;
        POINT cursor{};
        GetCursorPos(&cursor);
        ActivateHint(Point(cursor.x, cursor.y + kCursorHeight), control->Hint());
        SetTimer(Handle(), kHideTimer, static_cast<UINT>(Application->HintHidePause()), nullptr);
      } else if (message.WParam == kHideTimer) {
        HideHint();
      }
      return;
    default:
      TWinControl::WndProc(message);
  }
}

void HintMouseEntered(TControl* control) {
  if (control != nullptr && control == Watcher().Control()) return;
  CancelHint();
  if (control == nullptr || control->Is<THintWindow>() || !Application->ShowHint() || !control->ShowHint() ||
      control->Hint().empty()) {
    return;
  }
  Watcher().Watch(control);
  SetTimer(Window().Handle(), kShowTimer, static_cast<UINT>(Application->HintPause()), nullptr);
}

void CancelHint() {
  Watcher().Watch(nullptr);
  if (g_window != nullptr) g_window->HideHint();
}

THintWindow* CurrentHintWindow() { return g_window; }
