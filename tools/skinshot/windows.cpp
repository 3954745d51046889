// The windows skinshot shows: toolkit forms of each border style with a few
// standard controls, and the program's Yes/No question box.
#include <algorithm>
#include <cstdio>
#include <utility>

#include "platform/base/strings.h"
#include "platform/display/headless/headless.h"
#include "skinshot.h"
#include "toolkit/Application.h"
#include "toolkit/Forms.h"
#include "toolkit/StdCtrls.h"

namespace skinshot {
namespace {

namespace headless = platform::display::headless;

// The skin manager defers its requests by 250 ms; this is past it.
constexpr int kPastDeferral = 300;
constexpr DWORD kRightToLeft = WS_EX_LEFTSCROLLBAR | WS_EX_RTLREADING | WS_EX_RIGHT;
constexpr int kLeft = 40;
constexpr int kTop = 40;
// The other window of --inactive, in the screen's bottom-right corner.
constexpr SIZE kOtherSize{200, 120};
constexpr int kMargin = 40;

// The program's exit question (the main window's close picture asks it).
constexpr char16_t kQuestionCaption[] = u"提示信息";
constexpr char16_t kQuestionText[] = u"您确认要退出些系统？";

template <typename T>
T* Add(TForm* form, int left, int top, int width, int height, const char* text = nullptr) {
  T* control = NewComponent<T>(form);
  control->SetParent(form);
  control->SetBounds(left, top, width, height);
  if (text != nullptr) control->SetText(text);
  return control;
}

void AddFormControls(TForm* form) {
  Add<TLabel>(form, 16, 16, 120, 16, "Account name:");
  Add<TEdit>(form, 16, 36, 180, 22, "brellis");
  Add<TCheckBox>(form, 16, 68, 180, 20, "Remember me")->SetChecked(true);
  Add<TButton>(form, 16, 98, 90, 26, "Sign in")->SetDefault(true);
}

void AddDialogControls(TForm* form) {
  Add<TLabel>(form, 16, 16, 240, 16, "Sign in again to go on.");
  TButton* ok = Add<TButton>(form, 16, 48, 80, 26, "OK");
  ok->SetDefault(true);
  ok->SetModalResult(mrOk);
  TButton* cancel = Add<TButton>(form, 104, 48, 80, 26, "Cancel");
  cancel->SetCancel(true);
  cancel->SetModalResult(mrCancel);
}

TForm* NewForm(const Options& options) {
  TForm* form = NewComponent<TForm>(Application);
  const std::string& name = options.window;
  if (name == "dialog") {
    form->SetBorderStyle(TFormBorderStyle::bsDialog);
    AddDialogControls(form);
  } else if (name == "toolwindow") {
    form->SetBorderStyle(TFormBorderStyle::bsToolWindow);
    Add<TLabel>(form, 12, 12, 160, 16, "Tools");
  } else if (name == "noborder") {
    form->SetBorderStyle(TFormBorderStyle::bsNone);
    Add<TLabel>(form, 12, 12, 160, 16, "No border");
  } else {
    form->SetBorderStyle(TFormBorderStyle::bsSizeable);
    AddFormControls(form);
  }
  form->SetBounds(kLeft, kTop, options.size.cx, options.size.cy);
  form->SetCaption(platform::Utf8ToAnsiString(options.caption.value_or("Brellis")));
  return form;
}

// Another window, shown and activated away from the shot.
void ActivateAnotherWindow(const Options& options) {
  const SIZE screen = ScreenFor(options);
  TForm* other = NewComponent<TForm>(Application);
  other->SetBounds(screen.cx - kOtherSize.cx - kMargin, screen.cy - kOtherSize.cy - kMargin, kOtherSize.cx,
                   kOtherSize.cy);
  other->SetCaption("Another window");
  other->Show();
  SetActiveWindow(other->Handle());
  Settle(kPastDeferral);
}

// A minimised window is painted only when asked: its caption bar.
void PaintMinimized(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  Settle();
}

int ShowFormAndShoot(const Options& options, int (*shoot)(HWND, const Options&)) {
  TForm* form = NewForm(options);
  // The reading order goes on the window before the skin attaches (at its
  // first activation).
  if (options.rtl) {
    const HWND window = form->Handle();
    SetWindowLongW(window, GWL_EXSTYLE, GetWindowLongW(window, GWL_EXSTYLE) | static_cast<LONG>(kRightToLeft));
  }
  if (options.minimized) form->SetWindowState(TWindowState::wsMinimized);
  if (options.maximized) form->SetWindowState(TWindowState::wsMaximized);
  form->Show();
  Settle(kPastDeferral);
  // The skin's frame may have moved the outer edges; the shot is of the size asked for.
  RECT r{};
  GetWindowRect(form->Handle(), &r);
  if (!options.minimized && !options.maximized &&
      (r.right - r.left != options.size.cx || r.bottom - r.top != options.size.cy)) {
    SetWindowPos(form->Handle(), nullptr, 0, 0, options.size.cx, options.size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Settle(kPastDeferral);
  }
  if (options.minimized) PaintMinimized(form->Handle());
  if (options.inactive) ActivateAnotherWindow(options);
  return shoot(form->Handle(), options);
}

// The message box is shot from a timer inside its own modal loop.
struct BoxShot {
  const Options* options = nullptr;
  int (*shoot)(HWND, const Options&) = nullptr;
  int result = kFailed;
  bool seen = false;
  HHOOK hook = nullptr;
};
BoxShot g_box;

// Gives the box the right-to-left reading order as it is made, before the
// skin attaches at its activation.
LRESULT ReadingOrderHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND && (reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs->style & WS_CHILD) == 0) {
    const HWND window = reinterpret_cast<HWND>(wParam);
    SetWindowLongW(window, GWL_EXSTYLE, GetWindowLongW(window, GWL_EXSTYLE) | static_cast<LONG>(kRightToLeft));
  }
  return CallNextHookEx(g_box.hook, code, wParam, lParam);
}

bool IsDialogBox(HWND window) {
  char name[16] = {};
  return window != nullptr && GetClassNameA(window, name, sizeof name) > 0 && std::string_view(name) == "#32770";
}

// Runs until the box is the active window, then shoots it once and answers it.
void ShootTheBox(HWND, UINT, UINT_PTR id, DWORD) {
  const HWND box = GetActiveWindow();
  if (!IsDialogBox(box)) return;
  KillTimer(nullptr, id);
  if (g_box.hook != nullptr) UnhookWindowsHookEx(std::exchange(g_box.hook, nullptr));
  g_box.seen = true;
  Settle(kPastDeferral);
  if (g_box.options->minimized || g_box.options->maximized) {
    ShowWindow(box, g_box.options->minimized ? SW_SHOWMINIMIZED : SW_SHOWMAXIMIZED);
    Settle(kPastDeferral);
    if (g_box.options->minimized) PaintMinimized(box);
  }
  if (g_box.options->inactive) ActivateAnotherWindow(*g_box.options);
  g_box.result = g_box.shoot(box, *g_box.options);
  PostMessageW(box, WM_COMMAND, IDNO, 0);
}

int ShowBoxAndShoot(const Options& options, int (*shoot)(HWND, const Options&)) {
  g_box = BoxShot{&options, shoot};
  if (options.rtl) g_box.hook = SetWindowsHookExW(WH_CBT, ReadingOrderHook, nullptr, GetCurrentThreadId());
  SetTimer(nullptr, 0, 10, &ShootTheBox);
  const WideString caption = options.caption ? platform::Utf8ToWideString(*options.caption) : kQuestionCaption;
  MessageBoxW(nullptr, kQuestionText, caption.c_str(), MB_YESNO | MB_ICONQUESTION);
  if (g_box.hook != nullptr) UnhookWindowsHookEx(g_box.hook);
  if (!g_box.seen) std::fprintf(stderr, "skinshot: the message box did not show\n");
  return g_box.result;
}

}  // namespace

const std::vector<std::string_view>& WindowNames() {
  static const std::vector<std::string_view> names{
      "form", "dialog", "toolwindow", "noborder", "messagebox",
      "menubar",
      "popup",
      "sysmenu",
      "gallery",
      "gallery-buttons",
      "gallery-boxes",
      "gallery-edits",
      "gallery-lists",
      "gallery-bars",
  };
  return names;
}

SIZE ScreenFor(const Options& options) {
  const int width = kLeft + options.size.cx + 2 * kMargin + kOtherSize.cx;
  const int height = kTop + options.size.cy + 2 * kMargin + kOtherSize.cy;
  return SIZE{std::max<int>(kScreen.cx, width), std::max<int>(kScreen.cy, height)};
}

void Settle(int ms) {
  Application->ProcessMessages();
  if (ms > 0) {
    headless::AdvanceClock(static_cast<DWORD>(ms));
    Application->ProcessMessages();
  }
}

int ShowAndShoot(const Options& options, int (*shoot)(HWND, const Options&)) {
  if (options.window == "messagebox") return ShowBoxAndShoot(options, shoot);
  if (options.window == "menubar") return ShowMenuBarAndShoot(options, shoot);
  if (IsMenuWindowName(options.window)) return ShowMenuAndShoot(options, shoot);
  if (options.window.starts_with("gallery")) return ShowGalleryAndShoot(options, shoot);
  return ShowFormAndShoot(options, shoot);
}

}  // namespace skinshot
