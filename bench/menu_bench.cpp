// Menu costs on the headless display: opening and closing a 20-entry popup
// (its "#32768" window made, the entries measured and painted, the window
// destroyed when the posted Escape ends the loop), and repainting a menu bar
// of 8 entries through WM_NCPAINT. Each is printed as a ratio to memcpy of
// the pixels it draws, measured in the same run.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "platform/display/headless/headless.h"
#include "platform/user/user.h"
#include "ratio_reporter.h"

namespace {

HMENU MakePopup() {
  HMENU popup = CreatePopupMenu();
  for (int i = 0; i < 20; ++i) {
    std::u16string text = u"Entry &";
    text += static_cast<char16_t>(u'A' + i);
    UINT flags = MF_STRING;
    if (i % 5 == 0) text += u"\tCtrl+" + std::u16string(1, static_cast<char16_t>(u'A' + i));
    if (i % 7 == 3) flags |= MF_CHECKED;
    if (i % 9 == 8) flags |= MF_GRAYED;
    AppendMenuW(popup, flags, static_cast<UINT_PTR>(100 + i), text.c_str());
  }
  return popup;
}

LRESULT OwnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

HWND MakeOwner() {
  static const bool registered = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = WndProcFromFunction(OwnerProc);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<ULONG_PTR>(COLOR_BTNFACE + 1));
    wc.lpszClassName = u"BenchMenuOwner";
    return RegisterClassExW(&wc) != 0;
  }();
  (void)registered;
  HMENU bar = CreateMenu();
  const char16_t* names[] = {u"&File", u"&Edit", u"&View", u"&Insert", u"F&ormat", u"&Tools", u"&Window", u"&Help"};
  for (int i = 0; i < 8; ++i) AppendMenuW(bar, MF_STRING, static_cast<UINT_PTR>(10 + i), names[i]);
  HWND owner = CreateWindowExW(0, u"BenchMenuOwner", u"Menus", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 640, 400, nullptr,
                               bar, nullptr, nullptr);
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  return owner;
}

// The size of the popup's window while it is open.
SIZE& OpenSize() {
  static SIZE size{};
  return size;
}

LRESULT MeasureOpen(int code, WPARAM, LPARAM) {
  if (code != MSGF_MENU) return 0;
  RECT r{};
  if (GetWindowRect(FindWindowExW(nullptr, nullptr, u"#32768", nullptr), &r)) {
    OpenSize() = SIZE{r.right - r.left, r.bottom - r.top};
  }
  return 0;
}

void OpenAndClose(HMENU popup, HWND owner) {
  platform::display::headless::Key(VK_ESCAPE);
  TrackPopupMenu(popup, TPM_RETURNCMD | TPM_NONOTIFY, 200, 150, 0, owner, nullptr);
}

void BM_PopupOpenClose20(benchmark::State& state) {
  HWND owner = MakeOwner();
  HMENU popup = MakePopup();
  for (auto _ : state) OpenAndClose(popup, owner);
  DestroyMenu(popup);
  DestroyWindow(owner);
}

void BM_MenuBarRepaint8(benchmark::State& state) {
  HWND owner = MakeOwner();
  MSG msg;
  for (auto _ : state) {
    DrawMenuBar(owner);
    UpdateWindow(owner);
    // Reading the queue presents what changed.
    PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);
  }
  DestroyWindow(owner);
}

}  // namespace

int main(int argc, char** argv) {
  platform::display::headless::Install();
  // The pixels each case draws: the popup's window, the bar's strip.
  HWND owner = MakeOwner();
  HMENU popup = MakePopup();
  HHOOK hook = SetWindowsHookExW(WH_MSGFILTER, MeasureOpen, nullptr, GetCurrentThreadId());
  OpenAndClose(popup, owner);
  UnhookWindowsHookEx(hook);
  RECT window{}, first{};
  GetWindowRect(owner, &window);
  GetMenuItemRect(owner, GetMenu(owner), 0, &first);
  const std::size_t popupBytes = static_cast<std::size_t>(OpenSize().cx) * OpenSize().cy * 4;
  const std::size_t barBytes = static_cast<std::size_t>(window.right - window.left) * (first.bottom - first.top + 1) * 4;
  std::printf("popup window %ld x %ld, bar %ld x %ld pixels\n", static_cast<long>(OpenSize().cx),
              static_cast<long>(OpenSize().cy), static_cast<long>(window.right - window.left),
              static_cast<long>(first.bottom - first.top + 1));
  DestroyMenu(popup);
  DestroyWindow(owner);

  benchmark::RegisterBenchmark("BM_PopupOpenClose20", BM_PopupOpenClose20)->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("BM_MemcpyPopup", [popupBytes](benchmark::State& state) {
    brellis::bench::MemcpyBaseline(state, popupBytes);
  })->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("BM_MenuBarRepaint8", BM_MenuBarRepaint8)->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("BM_MemcpyMenuBar", [barBytes](benchmark::State& state) {
    brellis::bench::MemcpyBaseline(state, barBytes);
  })->Unit(benchmark::kMicrosecond);
  return brellis::bench::RunWithRatios(argc, argv, {{"BM_PopupOpenClose20", "BM_MemcpyPopup"},
                                                    {"BM_MenuBarRepaint8", "BM_MemcpyMenuBar"}});
}
