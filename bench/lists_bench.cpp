// Scrolling a 10 000-item list box by one page (the scroll and the repaint
// it causes), as a ratio to copying the list window's pixels once, in the
// same run.
#include <string>

#include "platform/controls/controls.h"
#include "platform/display/headless/headless.h"
#include "ratio_reporter.h"
#include "toolkit/Forms.h"
#include "toolkit/StdCtrls.h"

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 480;
constexpr int kItems = 10000;

const bool kInstalled = [] {
  platform::display::headless::Install({SIZE{1280, 1024}, true, RGB(0, 0, 0)});
  RegisterStandardControls();
  return true;
}();

void BM_ScrollListBoxPage(benchmark::State& state) {
  TForm* form = NewComponent<TForm>(nullptr);
  form->SetBorderStyle(TFormBorderStyle::bsNone);
  form->SetBounds(0, 0, kWidth, kHeight);
  auto* list = NewComponent<TListBox>(form);
  list->SetParent(form);
  list->SetBounds(0, 0, kWidth, kHeight);
  list->Items()->BeginUpdate();
  for (int i = 0; i < kItems; ++i) list->Items()->Add("List item number " + std::to_string(i));
  list->Items()->EndUpdate();
  form->Show();
  HWND hwnd = list->Handle();
  // The last first-shown item a page can reach.
  SendMessageW(hwnd, LB_SETTOPINDEX, kItems - 1, 0);
  const LRESULT last = SendMessageW(hwnd, LB_GETTOPINDEX, 0, 0);
  SendMessageW(hwnd, LB_SETTOPINDEX, 0, 0);
  UpdateWindow(hwnd);
  for (auto _ : state) {
    // Page down to the end, then back to the top: each step one page.
    if (SendMessageW(hwnd, LB_GETTOPINDEX, 0, 0) >= last) {
      SendMessageW(hwnd, LB_SETTOPINDEX, 0, 0);
    } else {
      SendMessageW(hwnd, WM_VSCROLL, SB_PAGEDOWN, 0);
    }
    UpdateWindow(hwnd);
  }
  form->Free();
}
BENCHMARK(BM_ScrollListBoxPage)->Unit(benchmark::kMicrosecond);

void BM_MemcpyList(benchmark::State& state) { brellis::bench::MemcpyBaseline(state, kWidth * kHeight * 4); }
BENCHMARK(BM_MemcpyList)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  (void)kInstalled;
  return brellis::bench::RunWithRatios(argc, argv, {{"BM_ScrollListBoxPage", "BM_MemcpyList"}});
}
