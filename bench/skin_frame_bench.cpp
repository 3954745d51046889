// Painting a skinned window's frame: the whole non-client area of a 999 × 697
// window (four sides, the double-buffered title strip with its text and
// caption buttons), and building its region from the side pictures after a
// resize. Baselines in the same run: memcpy of the pixels each one writes
// (the frame's pixels; the whole window's for the region's scan).
#include <benchmark/benchmark.h>

#include "platform/base/resources.h"
#include "platform/display/headless/headless.h"
#include "ratio_reporter.h"
#include "skin/WinSkinData.h"
#include "skin/forms/WinSkinDlg.h"
#include "skin/forms/WinSkinForm.h"
#include "toolkit/Application.h"
#include "toolkit/Forms.h"

namespace {

constexpr int kWidth = 999;
constexpr int kHeight = 697;

const bool kInstalled = [] {
  platform::display::headless::Install({SIZE{1280, 1024}, true, RGB(0, 0, 0)});
  return true;
}();

// A skinned, shown window of the benchmark's outer size.
struct SkinnedWindow {
  SkinnedWindow() {
    skin = new TSkinData(nullptr);
    skin->SetSkinStream(platform::FindResourceBytes(platform::kResourceForm, "TESMERA-METALLIC"));
    skin->LoadSkin();
    skin->SetActive(true);
    skin->Loaded();
    form = NewComponent<TForm>(Application);
    form->SetBorderStyle(TFormBorderStyle::bsSizeable);
    form->SetCaption("Brellis");
    form->Show();
    Application->ProcessMessages();
    SetWindowPos(form->Handle(), nullptr, 10, 10, kWidth, kHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    Application->ProcessMessages();
    skinned = SkinManager->FindSkinForm(form->Handle());
  }
  ~SkinnedWindow() {
    form->Free();
    skin->Free();
    Application->ProcessMessages();
  }
  TSkinData* skin = nullptr;
  TForm* form = nullptr;
  TWinSkinForm* skinned = nullptr;
};

std::size_t FramePixels(const TWinSkinForm& f) {
  const std::size_t all = static_cast<std::size_t>(kWidth) * kHeight;
  const std::size_t client = static_cast<std::size_t>(kWidth - f.FBorderLeft - f.FBorderRight) *
                             (kHeight - f.FTitleHeight - f.FBorderBottom);
  return all - client;
}

void BM_PaintNonClient(benchmark::State& state) {
  SkinnedWindow window;
  if (window.skinned == nullptr) {
    state.SkipWithError("the window was not skinned");
    return;
  }
  for (auto _ : state) window.skinned->PaintNonClient(nullptr);
}
BENCHMARK(BM_PaintNonClient)->Unit(benchmark::kMicrosecond);

void BM_UpdateRegionAfterResize(benchmark::State& state) {
  SkinnedWindow window;
  if (window.skinned == nullptr) {
    state.SkipWithError("the window was not skinned");
    return;
  }
  int width = kWidth;
  for (auto _ : state) {
    // The size changes every time, as in a drag: the region is rebuilt.
    width = width == kWidth ? kWidth - 1 : kWidth;
    state.PauseTiming();
    SetWindowPos(window.form->Handle(), nullptr, 0, 0, width, kHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    window.skinned->FRegionWidth = 0;  // the size handler's rebuild is not the one timed
    state.ResumeTiming();
    window.skinned->UpdateRegion();
  }
}
BENCHMARK(BM_UpdateRegionAfterResize)->Unit(benchmark::kMicrosecond);

void BM_MemcpyFrame(benchmark::State& state) {
  SkinnedWindow window;
  brellis::bench::MemcpyBaseline(state, FramePixels(*window.skinned) * 4);
}
BENCHMARK(BM_MemcpyFrame)->Unit(benchmark::kMicrosecond);

void BM_MemcpyWindow(benchmark::State& state) {
  brellis::bench::MemcpyBaseline(state, static_cast<std::size_t>(kWidth) * kHeight * 4);
}
BENCHMARK(BM_MemcpyWindow)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  (void)kInstalled;
  return brellis::bench::RunWithRatios(argc, argv,
                                       {{"BM_PaintNonClient", "BM_MemcpyFrame"},
                                        {"BM_UpdateRegionAfterResize", "BM_MemcpyWindow"}});
}
