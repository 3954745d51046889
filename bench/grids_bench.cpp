// Repainting a 30 × 200 string grid (640 × 480, every cell in view filled),
// as a ratio to copying the grid window's pixels once, in the same run.
#include <string>

#include "platform/display/headless/headless.h"
#include "ratio_reporter.h"
#include "toolkit/Forms.h"
#include "toolkit/Grids.h"

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;

const bool kInstalled = [] {
  platform::display::headless::Install({SIZE{1280, 1024}, true, RGB(0, 0, 0)});
  RegisterStandardControls();
  return true;
}();

void BM_RepaintStringGrid(benchmark::State& state) {
  TForm* form = NewComponent<TForm>(nullptr);
  form->SetBorderStyle(TFormBorderStyle::bsNone);
  form->SetBounds(0, 0, kWidth, kHeight);
  auto* grid = NewComponent<TStringGrid>(form);
  grid->SetParent(form);
  grid->SetBounds(0, 0, kWidth, kHeight);
  grid->SetColCount(30);
  grid->SetRowCount(200);
  for (int c = 0; c < 30; ++c) {
    for (int r = 0; r < 200; ++r) grid->SetCells(c, r, std::to_string(c * 1000 + r));
  }
  form->Show();
  grid->SetTopRow(50);
  for (auto _ : state) {
    RedrawWindow(grid->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  }
  form->Free();
}
BENCHMARK(BM_RepaintStringGrid)->Unit(benchmark::kMicrosecond);

void BM_MemcpyGrid(benchmark::State& state) { brellis::bench::MemcpyBaseline(state, kWidth * kHeight * 4); }
BENCHMARK(BM_MemcpyGrid)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  (void)kInstalled;
  return brellis::bench::RunWithRatios(argc, argv, {{"BM_RepaintStringGrid", "BM_MemcpyGrid"}});
}
