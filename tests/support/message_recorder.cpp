#include "support/message_recorder.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <sstream>

namespace brellis::test {
namespace {

MessageRecorder*& Active() {
  static MessageRecorder* recorder = nullptr;
  return recorder;
}

LRESULT RecorderProcW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  MessageRecorder* recorder = MessageRecorder::Current();
  if (recorder == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  recorder->Record(hwnd, message, wParam, lParam);
  return recorder->CallDefault(hwnd, message, wParam, lParam, true);
}

LRESULT RecorderProcA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  MessageRecorder* recorder = MessageRecorder::Current();
  if (recorder == nullptr) return DefWindowProcA(hwnd, message, wParam, lParam);
  recorder->Record(hwnd, message, wParam, lParam);
  return recorder->CallDefault(hwnd, message, wParam, lParam, false);
}

LRESULT RecordCbtHook(int code, WPARAM wParam, LPARAM lParam) {
  if (MessageRecorder* recorder = MessageRecorder::Current(); recorder && code >= 0) {
    recorder->RecordHook(code, wParam, lParam);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void RegisterClasses() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  WNDCLASSEXW wide{};
  wide.style = CS_DBLCLKS;
  wide.lpfnWndProc = WndProcFromFunction(RecorderProcW);
  wide.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<ULONG_PTR>(COLOR_WINDOW + 1));
  wide.lpszClassName = MessageRecorder::WideClass();
  RegisterClassExW(&wide);
  WNDCLASSEXA ansi{};
  ansi.style = CS_DBLCLKS;
  ansi.lpfnWndProc = WndProcFromFunction(RecorderProcA);
  ansi.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<ULONG_PTR>(COLOR_WINDOW + 1));
  ansi.lpszClassName = MessageRecorder::AnsiClass();
  RegisterClassExA(&ansi);
}

const std::map<UINT, const char*>& Names() {
  static const std::map<UINT, const char*> names{
      {WM_CREATE, "WM_CREATE"}, {WM_DESTROY, "WM_DESTROY"}, {WM_MOVE, "WM_MOVE"}, {WM_SIZE, "WM_SIZE"},
      {WM_ACTIVATE, "WM_ACTIVATE"}, {WM_SETFOCUS, "WM_SETFOCUS"}, {WM_KILLFOCUS, "WM_KILLFOCUS"},
      {WM_ENABLE, "WM_ENABLE"}, {WM_SETTEXT, "WM_SETTEXT"}, {WM_GETTEXT, "WM_GETTEXT"}, {WM_PAINT, "WM_PAINT"},
      {WM_CLOSE, "WM_CLOSE"}, {WM_QUIT, "WM_QUIT"}, {WM_ERASEBKGND, "WM_ERASEBKGND"},
      {WM_SHOWWINDOW, "WM_SHOWWINDOW"}, {WM_ACTIVATEAPP, "WM_ACTIVATEAPP"}, {WM_CANCELMODE, "WM_CANCELMODE"},
      {WM_SETCURSOR, "WM_SETCURSOR"}, {WM_MOUSEACTIVATE, "WM_MOUSEACTIVATE"}, {WM_CHILDACTIVATE, "WM_CHILDACTIVATE"},
      {WM_GETMINMAXINFO, "WM_GETMINMAXINFO"}, {WM_WINDOWPOSCHANGING, "WM_WINDOWPOSCHANGING"},
      {WM_WINDOWPOSCHANGED, "WM_WINDOWPOSCHANGED"}, {WM_STYLECHANGING, "WM_STYLECHANGING"},
      {WM_STYLECHANGED, "WM_STYLECHANGED"}, {WM_GETICON, "WM_GETICON"}, {WM_SETICON, "WM_SETICON"},
      {WM_NCCREATE, "WM_NCCREATE"}, {WM_NCDESTROY, "WM_NCDESTROY"}, {WM_NCCALCSIZE, "WM_NCCALCSIZE"},
      {WM_NCHITTEST, "WM_NCHITTEST"}, {WM_NCPAINT, "WM_NCPAINT"}, {WM_NCACTIVATE, "WM_NCACTIVATE"},
      {WM_GETDLGCODE, "WM_GETDLGCODE"}, {WM_NCMOUSEMOVE, "WM_NCMOUSEMOVE"}, {WM_NCLBUTTONDOWN, "WM_NCLBUTTONDOWN"},
      {WM_NCLBUTTONUP, "WM_NCLBUTTONUP"}, {WM_NCLBUTTONDBLCLK, "WM_NCLBUTTONDBLCLK"},
      {WM_NCRBUTTONDOWN, "WM_NCRBUTTONDOWN"}, {WM_KEYDOWN, "WM_KEYDOWN"}, {WM_KEYUP, "WM_KEYUP"},
      {WM_CHAR, "WM_CHAR"}, {WM_SYSKEYDOWN, "WM_SYSKEYDOWN"}, {WM_SYSKEYUP, "WM_SYSKEYUP"},
      {WM_SYSCHAR, "WM_SYSCHAR"}, {WM_INITDIALOG, "WM_INITDIALOG"}, {WM_COMMAND, "WM_COMMAND"},
      {WM_SYSCOMMAND, "WM_SYSCOMMAND"}, {WM_TIMER, "WM_TIMER"}, {WM_SYSTIMER, "WM_SYSTIMER"},
      {WM_CTLCOLORBTN, "WM_CTLCOLORBTN"}, {WM_CTLCOLORSTATIC, "WM_CTLCOLORSTATIC"},
      {WM_CTLCOLORDLG, "WM_CTLCOLORDLG"}, {WM_MOUSEMOVE, "WM_MOUSEMOVE"}, {WM_LBUTTONDOWN, "WM_LBUTTONDOWN"},
      {WM_LBUTTONUP, "WM_LBUTTONUP"}, {WM_LBUTTONDBLCLK, "WM_LBUTTONDBLCLK"}, {WM_RBUTTONDOWN, "WM_RBUTTONDOWN"},
      {WM_RBUTTONUP, "WM_RBUTTONUP"}, {WM_MOUSEWHEEL, "WM_MOUSEWHEEL"}, {WM_PARENTNOTIFY, "WM_PARENTNOTIFY"},
      {WM_SIZING, "WM_SIZING"}, {WM_CAPTURECHANGED, "WM_CAPTURECHANGED"}, {WM_MOVING, "WM_MOVING"},
      {WM_ENTERSIZEMOVE, "WM_ENTERSIZEMOVE"}, {WM_EXITSIZEMOVE, "WM_EXITSIZEMOVE"},
      {WM_MOUSELEAVE, "WM_MOUSELEAVE"}, {WM_NCMOUSELEAVE, "WM_NCMOUSELEAVE"}, {WM_MOUSEHOVER, "WM_MOUSEHOVER"},
      {WM_PRINT, "WM_PRINT"}, {WM_PRINTCLIENT, "WM_PRINTCLIENT"}, {WM_CONTEXTMENU, "WM_CONTEXTMENU"},
      {WM_QUERYOPEN, "WM_QUERYOPEN"}, {WM_ENTERIDLE, "WM_ENTERIDLE"}, {WM_SETFONT, "WM_SETFONT"},
      {WM_GETFONT, "WM_GETFONT"}, {WM_GETTEXTLENGTH, "WM_GETTEXTLENGTH"}, {WM_USER, "WM_USER"}};
  return names;
}

const char* HookName(UINT code) {
  switch (code) {
    case HCBT_MOVESIZE: return "HCBT_MOVESIZE";
    case HCBT_MINMAX: return "HCBT_MINMAX";
    case HCBT_CREATEWND: return "HCBT_CREATEWND";
    case HCBT_DESTROYWND: return "HCBT_DESTROYWND";
    case HCBT_ACTIVATE: return "HCBT_ACTIVATE";
    case HCBT_SYSCOMMAND: return "HCBT_SYSCOMMAND";
    case HCBT_SETFOCUS: return "HCBT_SETFOCUS";
    default: return nullptr;
  }
}

std::string FlagText(unsigned flags) {
  std::string text;
  auto add = [&](unsigned bit, const char* name) {
    if (flags & bit) text += (text.empty() ? "" : "|") + std::string(name);
  };
  add(kSent, "sent");
  add(kPosted, "posted");
  add(kHook, "hook");
  add(kDefWinProc, "defwinproc");
  add(kOptional, "optional");
  add(kOtherWindow, "other");
  return text;
}

std::string Describe(UINT message, unsigned flags, WPARAM wParam, LPARAM lParam, bool showParams) {
  char params[64] = "";
  if (showParams) {
    std::snprintf(params, sizeof(params), " w=%lx l=%lx", static_cast<unsigned long>(wParam),
                  static_cast<unsigned long>(lParam));
  }
  return MessageName(message, (flags & kHook) != 0) + " [" + FlagText(flags) + "]" + params;
}

}  // namespace

std::string MessageName(UINT message, bool hook) {
  if (hook) {
    if (const char* name = HookName(message)) return name;
  } else {
    auto found = Names().find(message);
    if (found != Names().end()) return found->second;
  }
  char buffer[16];
  std::snprintf(buffer, sizeof(buffer), "0x%04X", message);
  return buffer;
}

MessageRecorder::MessageRecorder() {
  RegisterClasses();
  ignored_ = {WM_GETICON, WM_GETTEXT, WM_GETTEXTLENGTH, WM_QUERYUISTATE, WM_SYSTIMER};
  Active() = this;
}

MessageRecorder::~MessageRecorder() {
  UnhookCbt();
  for (auto it = subclassed_.rbegin(); it != subclassed_.rend(); ++it) {
    if (IsWindow(it->first)) SetWindowLongPtrW(it->first, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(it->second));
  }
  if (Active() == this) Active() = nullptr;
}

MessageRecorder* MessageRecorder::Current() { return Active(); }

const char16_t* MessageRecorder::WideClass() { return u"RecorderWindow"; }
const char* MessageRecorder::AnsiClass() { return "RecorderWindowA"; }

void MessageRecorder::Watch(HWND hwnd) {
  watched_.insert(hwnd);
  if (main_ == nullptr) main_ = hwnd;
  WNDPROC previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC));
  WNDPROC thunk = MakeWndProcThunk([this, previous](HWND h, UINT m, WPARAM w, LPARAM l) {
    Record(h, m, w, l);
    return CallWindowProcW(previous, h, m, w, l);
  });
  SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(thunk));
  subclassed_.emplace_back(hwnd, previous);
}

void MessageRecorder::Unwatch(HWND hwnd) {
  for (auto it = subclassed_.begin(); it != subclassed_.end(); ++it) {
    if (it->first != hwnd) continue;
    WNDPROC current = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC));
    SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(it->second));
    FreeWndProcThunk(current);
    subclassed_.erase(it);
    break;
  }
  watched_.erase(hwnd);
}

void MessageRecorder::HookCbt() {
  if (cbtHook_ == nullptr) cbtHook_ = SetWindowsHookExW(WH_CBT, RecordCbtHook, nullptr, GetCurrentThreadId());
}

void MessageRecorder::UnhookCbt() {
  if (cbtHook_ != nullptr) UnhookWindowsHookEx(cbtHook_);
  cbtHook_ = nullptr;
}

void MessageRecorder::Record(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (ignored_.count(message)) return;
  if (main_ == nullptr) main_ = hwnd;
  unsigned flags = kSent;
  if (dispatching_ != nullptr && dispatching_->hwnd == hwnd && dispatching_->message == message &&
      defaultDepth_ == 0) {
    flags = kPosted;
    dispatching_ = nullptr;  // only the dispatched message itself
  }
  if (defaultDepth_ > 0) flags |= kDefWinProc;
  if (hwnd != main_) flags |= kOtherWindow;
  // The flags of a WINDOWPOS are what matters about it; they are kept in
  // place of the (unused) wParam.
  if ((message == WM_WINDOWPOSCHANGING || message == WM_WINDOWPOSCHANGED) && lParam != 0) {
    wParam = reinterpret_cast<const WINDOWPOS*>(lParam)->flags & ~(SWP_NOCLIENTSIZE | SWP_NOCLIENTMOVE);
  }
  log_.push_back(RecordedMessage{hwnd, message, flags, wParam, lParam, {}});
}

void MessageRecorder::RecordHook(int code, WPARAM wParam, LPARAM lParam) {
  RecordedMessage entry{reinterpret_cast<HWND>(wParam), static_cast<UINT>(code), kHook, wParam, lParam, {}};
  if (code == HCBT_CREATEWND) {
    char name[128] = "";
    GetClassNameA(reinterpret_cast<HWND>(wParam), name, sizeof(name));
    entry.detail = name;
    entry.lParam = 0;
  }
  if (code == HCBT_ACTIVATE) {
    char name[128] = "";
    GetClassNameA(reinterpret_cast<HWND>(wParam), name, sizeof(name));
    entry.detail = name;
  }
  log_.push_back(std::move(entry));
}

LRESULT MessageRecorder::CallDefault(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool unicode) {
  ++defaultDepth_;
  const LRESULT result =
      unicode ? DefWindowProcW(hwnd, message, wParam, lParam) : DefWindowProcA(hwnd, message, wParam, lParam);
  --defaultDepth_;
  return result;
}

void MessageRecorder::Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    TranslateMessage(&msg);
    dispatching_ = &msg;
    DispatchMessageW(&msg);
    dispatching_ = nullptr;
  }
}

std::string MessageRecorder::Describe() const {
  std::ostringstream out;
  for (const RecordedMessage& m : log_) {
    out << brellis::test::Describe(m.message, m.flags, m.wParam, m.lParam, true);
    if (!m.detail.empty()) out << " " << m.detail;
    out << "\n";
  }
  return out.str();
}

::testing::AssertionResult MessageRecorder::Matches(const std::vector<ExpectedMessage>& expected) const {
  auto same = [](const ExpectedMessage& e, const RecordedMessage& r) {
    const unsigned kinds = kSent | kPosted | kHook | kDefWinProc | kOtherWindow;
    if (e.message != r.message || (e.flags & kinds) != (r.flags & kinds)) return false;
    if ((e.flags & kWParam) && e.wParam != r.wParam) return false;
    if ((e.flags & kLParam) && e.lParam != r.lParam) return false;
    return true;
  };
  std::size_t i = 0, j = 0;
  bool ok = true;
  while (i < expected.size() || j < log_.size()) {
    if (i < expected.size() && j < log_.size() && same(expected[i], log_[j])) {
      ++i;
      ++j;
    } else if (i < expected.size() && (expected[i].flags & kOptional)) {
      ++i;
    } else {
      ok = false;
      break;
    }
  }
  if (ok) return ::testing::AssertionSuccess();
  // Both sequences side by side, the first difference marked.
  std::ostringstream out;
  out << "message sequences differ (expected | recorded):\n";
  const std::size_t rows = std::max(expected.size(), log_.size());
  for (std::size_t row = 0; row < rows; ++row) {
    std::string left = row < expected.size()
                           ? brellis::test::Describe(expected[row].message, expected[row].flags, expected[row].wParam,
                                                     expected[row].lParam, (expected[row].flags & (kWParam | kLParam)) != 0)
                           : "";
    std::string right = row < log_.size() ? brellis::test::Describe(log_[row].message, log_[row].flags,
                                                                    log_[row].wParam, log_[row].lParam, true)
                                          : "";
    if (row < log_.size() && !log_[row].detail.empty()) right += " " + log_[row].detail;
    left.resize(std::max<std::size_t>(left.size(), 56), ' ');
    out << (row == std::min(i, j) ? "> " : "  ") << left << " | " << right << "\n";
  }
  return ::testing::AssertionFailure() << out.str();
}

}  // namespace brellis::test
