#include "skin/engine/skin_menubar_helpers.h"

#include "platform/display/headless/headless.h"
#include "support/message_recorder.h"

namespace skintest {
namespace {

struct Watch {
  HHOOK hook = nullptr;
  TWinSkinForm* form = nullptr;
  std::function<void(int)> step;
  std::vector<MenuBarTest::Opened>* opened = nullptr;
  HMENU last = nullptr;
  int pending = -1;
  int calls = 0;
};
Watch g_watch;

// Called for every message of the drop-down loop (after the bar's own hook).
LRESULT WatchHook(int code, WPARAM wParam, LPARAM lParam) {
  Watch& w = g_watch;
  TWinSkinForm* form = w.form;
  if (code == MSGF_MENU && w.pending >= 0) {
    // One message after the drop-down showed: the bar has selected its
    // first entry by then.
    const int n = w.pending;
    w.pending = -1;
    if (w.step) w.step(n);
  }
  if (code == MSGF_MENU && form != nullptr && form->FOpenSubMenu != nullptr && form->FOpenSubMenu != w.last) {
    w.last = form->FOpenSubMenu;
    HWND menuWindow = FindWindowExW(nullptr, nullptr, u"#32768", nullptr);
    RECT r{};
    if (menuWindow != nullptr) GetWindowRect(menuWindow, &r);
    int index = -1;
    for (const auto& item : form->FMenuBar->FItems) {
      if (item->FSubMenu == form->FOpenSubMenu) index = item->FIndex;
    }
    w.opened->push_back({index, r});
    w.pending = static_cast<int>(w.opened->size()) - 1;
  }
  // A run that goes wrong ends instead of waiting for ever.
  if (++w.calls > 400) EndMenu();
  return CallNextHookEx(w.hook, code, wParam, lParam);
}

}  // namespace

void PostMenuKey(UINT key) {
  HWND menuWindow = FindWindowExW(nullptr, nullptr, u"#32768", nullptr);
  PostMessageW(menuWindow, WM_KEYDOWN, key, 0);
}

void MenuBarTest::SetUp() {
  EngineTest::SetUp();
  LoadMainSkin();
}

void MenuBarTest::WatchCommands(HWND window) {
  watched_ = window;
  watchThunk_ = MakeWndProcThunk([this](HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) commands_.push_back(LOWORD(wParam));
    return CallWindowProcW(watchedOld_, hwnd, message, wParam, lParam);
  });
  watchedOld_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(watchThunk_)));
}

bool MenuBarTest::GotCommand(UINT id) const {
  for (WORD command : commands_) {
    if (command == static_cast<WORD>(id)) return true;
  }
  return false;
}

void MenuBarTest::TearDown() {
  if (watchThunk_ != nullptr) {
    if (IsWindow(watched_)) SetWindowLongPtrW(watched_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(watchedOld_));
    FreeWndProcThunk(watchThunk_);
  }
  g_watch = Watch{};
  EngineTest::TearDown();
}

HWND MenuBarTest::MenuWindow(RECT bounds) {
  menu_ = CreateMenu();
  file_ = CreatePopupMenu();
  AppendMenuW(file_, MF_STRING, kNew, u"&New");
  AppendMenuW(file_, MF_STRING, kOpen, u"&Open");
  edit_ = CreatePopupMenu();
  AppendMenuW(edit_, MF_STRING, kUndo, u"&Undo");
  HMENU sub = CreatePopupMenu();
  AppendMenuW(sub, MF_STRING, kDeep, u"&Deep");
  AppendMenuW(edit_, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), u"&Sub");
  view_ = CreatePopupMenu();
  AppendMenuW(view_, MF_STRING, kZoom, u"&Zoom");
  help_ = CreatePopupMenu();
  AppendMenuW(help_, MF_STRING, kAbout, u"&About");
  AppendMenuW(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(file_), u"&File");
  AppendMenuW(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(edit_), u"&Edit");
  AppendMenuW(menu_, MF_POPUP | MF_GRAYED, reinterpret_cast<UINT_PTR>(view_), u"&View");
  AppendMenuW(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(help_), u"&Help");
  HWND window = CreateWindowExW(0, brellis::test::MessageRecorder::WideClass(), u"Brellis", WS_OVERLAPPEDWINDOW,
                                bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top,
                                nullptr, menu_, platform::ProgramModule(), nullptr);
  ShowWindow(window, SW_SHOW);
  Settle(300);
  return window;
}

POINT MenuBarTest::ItemCentre(HWND window, int index) const {
  const RECT r = WindowRectOf(window);
  const TRect& item = Bar(window)->FItems[static_cast<std::size_t>(index)]->FRect;
  return POINT{r.left + (item.left + item.right) / 2, r.top + (item.top + item.bottom) / 2};
}

std::vector<MenuBarTest::Opened> MenuBarTest::Track(const std::function<void()>& start,
                                                    const std::function<void(int)>& step) {
  std::vector<Opened> opened;
  HWND window = GetActiveWindow();
  g_watch = Watch{};
  g_watch.form = SkinFormOf(window);
  g_watch.step = step;
  g_watch.opened = &opened;
  g_watch.hook = SetWindowsHookExW(WH_MSGFILTER, &WatchHook, nullptr, GetCurrentThreadId());
  start();
  Settle();
  for (int i = 0; i < 10 && g_watch.form->FMenuTracking; ++i) Settle(50);
  UnhookWindowsHookEx(g_watch.hook);
  g_watch = Watch{};
  return opened;
}

}  // namespace skintest
