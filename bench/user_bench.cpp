// Window-manager costs on the headless display: SendMessage through a
// three-deep subclass chain (against calling the same three procedures
// directly), and a full invalidate-and-paint cycle of a 999×697 window with
// 40 children (against memcpy of its backing store). Ratios to the
// baselines, measured in the same run, are printed at the end.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/controls/controls.h"
#include "platform/display/headless/headless.h"
#include "platform/user/user.h"

namespace {

constexpr int kWidth = 999;
constexpr int kHeight = 697;

LRESULT Counting(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_USER) return static_cast<LRESULT>(wParam + 1);
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

// The same work without a window manager: three procedures, each calling
// the next through a callable, as subclass thunks do.
void BM_DirectChain(benchmark::State& state) {
  std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)> level0 = Counting;
  std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)> level1 = [&](HWND h, UINT m, WPARAM w, LPARAM l) { return level0(h, m, w, l); };
  std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)> level2 = [&](HWND h, UINT m, WPARAM w, LPARAM l) { return level1(h, m, w, l); };
  std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)> level3 = [&](HWND h, UINT m, WPARAM w, LPARAM l) { return level2(h, m, w, l); };
  WPARAM value = 0;
  for (auto _ : state) {
    for (int i = 0; i < 1000; ++i) value = static_cast<WPARAM>(level3(nullptr, WM_USER, value, 0));
    benchmark::DoNotOptimize(value);
  }
  state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_DirectChain);

// 1000 SendMessageW per iteration through three subclass thunks.
void BM_SendMessageSubclassChain(benchmark::State& state) {
  WNDCLASSEXW wc{};
  wc.lpfnWndProc = WndProcFromFunction(Counting);
  wc.lpszClassName = u"BenchCounting";
  RegisterClassExW(&wc);
  HWND hwnd = CreateWindowExW(0, u"BenchCounting", nullptr, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  std::vector<WNDPROC> thunks;
  for (int i = 0; i < 3; ++i) {
    auto previous = std::make_shared<WNDPROC>(nullptr);
    WNDPROC thunk = MakeWndProcThunk([previous](HWND h, UINT m, WPARAM w, LPARAM l) {
      return CallWindowProcW(*previous, h, m, w, l);
    });
    *previous = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(thunk)));
    thunks.push_back(thunk);
  }
  WPARAM value = 0;
  for (auto _ : state) {
    for (int i = 0; i < 1000; ++i) value = static_cast<WPARAM>(SendMessageW(hwnd, WM_USER, value, 0));
    benchmark::DoNotOptimize(value);
  }
  state.SetItemsProcessed(state.iterations() * 1000);
  DestroyWindow(hwnd);
  for (WNDPROC thunk : thunks) FreeWndProcThunk(thunk);
  UnregisterClassW(u"BenchCounting", nullptr);
}
BENCHMARK(BM_SendMessageSubclassChain);

void BM_MemcpyWindow(benchmark::State& state) {
  const std::size_t bytes = std::size_t{kWidth} * kHeight * 4;
  std::vector<char> from(bytes, 1), to(bytes);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), bytes);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_MemcpyWindow);

LRESULT FormProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT ps{};
    HDC dc = BeginPaint(hwnd, &ps);
    RECT rect{20, 20, 200, 40};
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, u"Brellis", -1, &rect, DT_LEFT | DT_SINGLELINE);
    EndPaint(hwnd, &ps);
    return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

// Everything repainted: frame, background and client of the window and of
// 40 children (buttons, statics and edits), then presented.
void BM_InvalidatePaintCycle(benchmark::State& state) {
  WNDCLASSEXW wc{};
  wc.lpfnWndProc = WndProcFromFunction(FormProc);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<ULONG_PTR>(COLOR_BTNFACE + 1));
  wc.lpszClassName = u"BenchForm";
  RegisterClassExW(&wc);
  HWND form = CreateWindowExW(0, u"BenchForm", u"Brellis", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, kWidth, kHeight,
                              nullptr, nullptr, nullptr, nullptr);
  for (int i = 0; i < 40; ++i) {
    const int x = 10 + (i % 8) * 120;
    const int y = 60 + (i / 8) * 110;
    const char16_t* cls = i % 3 == 0 ? u"Button" : (i % 3 == 1 ? u"Static" : u"Edit");
    CreateWindowExW(i % 3 == 2 ? WS_EX_CLIENTEDGE : 0, cls, u"控件 Control", WS_CHILD | WS_VISIBLE, x, y, 110, 24,
                    form, reinterpret_cast<HMENU>(static_cast<INT_PTR>(100 + i)), nullptr, nullptr);
  }
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  for (auto _ : state) {
    RedrawWindow(form, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    // Reading the queue presents what changed.
    PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);
  }
  DestroyWindow(form);
  UnregisterClassW(u"BenchForm", nullptr);
}
BENCHMARK(BM_InvalidatePaintCycle);

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.iterations > 0) times_[run.benchmark_name()] = run.GetAdjustedRealTime();
    }
    ConsoleReporter::ReportRuns(runs);
  }
  double Ratio(const std::string& name, const std::string& baseline) const {
    auto a = times_.find(name), b = times_.find(baseline);
    return a == times_.end() || b == times_.end() || b->second <= 0 ? 0.0 : a->second / b->second;
  }

 private:
  std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
  platform::display::headless::Install();
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("\nRatios to the baselines of the same run:\n");
  std::printf("  %-32s %8.2f x BM_DirectChain (1000 calls each)\n", "BM_SendMessageSubclassChain",
              reporter.Ratio("BM_SendMessageSubclassChain", "BM_DirectChain"));
  std::printf("  %-32s %8.2f x BM_MemcpyWindow (999x697x4 bytes)\n", "BM_InvalidatePaintCycle",
              reporter.Ratio("BM_InvalidatePaintCycle", "BM_MemcpyWindow"));
  benchmark::Shutdown();
  return 0;
}
