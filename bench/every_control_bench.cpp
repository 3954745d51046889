// Repainting the form with every button, bar, tab and picker control (the
// whole window invalidated and every window updated), as a ratio to copying
// the form window's pixels once, in the same run.
#include <string_view>

#include "platform/base/resources.h"
#include "platform/display/headless/headless.h"
#include "ratio_reporter.h"
#include "toolkit/Application.h"
#include "toolkit/Forms.h"
#include "toolkit/Reader.h"

namespace {

const bool kInstalled = [] {
  platform::display::headless::Install({SIZE{1280, 1024}, true, RGB(0, 0, 0)});
  RegisterStandardControls();
  return true;
}();

TForm* ShowEveryControlForm() {
  const auto bytes = platform::FindResourceBytes(platform::kResourceForm, "EVERYCONTROL");
  TForm* form = NewComponent<TForm>(nullptr);
  ReadComponentResource(form, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  form->Show();
  Application->ProcessMessages();
  return form;
}

void BM_RepaintEveryControlForm(benchmark::State& state) {
  TForm* form = ShowEveryControlForm();
  for (auto _ : state) {
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  }
  form->Free();
}
BENCHMARK(BM_RepaintEveryControlForm)->Unit(benchmark::kMicrosecond);

// The bytes of the form window's pixels.
void BM_MemcpyEveryControlForm(benchmark::State& state) {
  TForm* form = ShowEveryControlForm();
  RECT r{};
  GetWindowRect(form->Handle(), &r);
  form->Free();
  state.counters["pixels"] = static_cast<double>((r.right - r.left) * (r.bottom - r.top));
  brellis::bench::MemcpyBaseline(state, static_cast<std::size_t>((r.right - r.left) * (r.bottom - r.top) * 4));
}
BENCHMARK(BM_MemcpyEveryControlForm)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  (void)kInstalled;
  return brellis::bench::RunWithRatios(argc, argv, {{"BM_RepaintEveryControlForm", "BM_MemcpyEveryControlForm"}});
}
