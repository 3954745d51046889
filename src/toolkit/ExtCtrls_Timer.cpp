// TTimer: a hidden window of the toolkit's utility class receives WM_TIMER
// and calls OnTimer; errors in the handler go to the application.
#include "toolkit/Application.h"
#include "toolkit/ExtCtrls.h"

namespace {

constexpr char kUtilClass[] = "TPUtilWindow";
constexpr UINT_PTR kTimerId = 1;

}  // namespace

T_CLASS_INFO(TTimer, TComponent, [](TClassInfo& c) {
  using namespace published;
  c.Factory = &CreateInstance<TTimer>;
  c.AddProperty(Boolean<TTimer>("Enabled", &TTimer::Enabled, &TTimer::SetEnabled));
  c.AddProperty(Integer<TTimer>("Interval", &TTimer::Interval, &TTimer::SetInterval));
  c.AddProperty(Method<TTimer>("OnTimer", &TTimer::OnTimer));
})

TTimer::TTimer(TComponent* owner) : TComponent(owner) {}

TTimer::~TTimer() {
  if (window_ != nullptr && IsWindow(window_)) {
    KillTimer(window_, kTimerId);
    DestroyWindow(window_);
  }
}

LRESULT TTimer::TimerWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_TIMER) return DefWindowProcA(hwnd, message, wParam, lParam);
  auto* timer = reinterpret_cast<TTimer*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (timer != nullptr && timer->OnTimer) {
    try {
      timer->OnTimer(timer);
    } catch (...) {
      Application->HandleException(timer);
    }
  }
  return 0;
}

void TTimer::SetEnabled(bool value) {
  enabled_ = value;
  UpdateTimer();
}

void TTimer::SetInterval(int value) {
  interval_ = std::max(0, value);
  UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent event) {
  OnTimer = std::move(event);
  UpdateTimer();
}

void TTimer::Loaded() {
  TComponent::Loaded();
  UpdateTimer();
}

void TTimer::UpdateTimer() {
  if (window_ != nullptr && IsWindow(window_)) KillTimer(window_, kTimerId);
  if (!enabled_ || interval_ == 0 || !OnTimer || Loading()) return;
  if (window_ == nullptr || !IsWindow(window_)) {
    static const bool registered = [] {
      WNDCLASSEXA wc;
      wc.lpfnWndProc = WndProcFromFunction(&TTimer::TimerWndProc);
      wc.hInstance = platform::ProgramModule();
      wc.lpszClassName = kUtilClass;
      return RegisterClassExA(&wc) != 0;
    }();
    (void)registered;
    window_ = CreateWindowExA(WS_EX_TOOLWINDOW, kUtilClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              platform::ProgramModule(), nullptr);
    if (window_ == nullptr) throw EOutOfResources("Not enough timers available");
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  if (SetTimer(window_, kTimerId, static_cast<UINT>(interval_), nullptr) == 0) {
    throw EOutOfResources("Not enough timers available");
  }
}
