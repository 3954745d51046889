// Attaching the skin to a shown form with 40 controls: the manager's
// decision, subclassing, the frame built and the first non-client paint,
// then the finished attach that resizes the window around its client area.
// The detach between rounds is not timed. Baseline in the same run: memcpy
// of the form's pixels.
#include <benchmark/benchmark.h>

#include "platform/base/resources.h"
#include "platform/display/headless/headless.h"
#include "ratio_reporter.h"
#include "skin/WinSkinData.h"
#include "skin/forms/WinSkinDlg.h"
#include "skin/forms/WinSkinForm.h"
#include "toolkit/Application.h"
#include "toolkit/Forms.h"
#include "toolkit/StdCtrls.h"

namespace {

constexpr int kClientWidth = 640;
constexpr int kClientHeight = 480;

const bool kInstalled = [] {
  platform::display::headless::Install({SIZE{1280, 1024}, true, RGB(0, 0, 0)});
  return true;
}();

// 20 buttons, 10 edits and 10 labels on a sizeable form.
TForm* FormWithFortyControls() {
  TForm* form = NewComponent<TForm>(Application);
  form->SetBorderStyle(TFormBorderStyle::bsSizeable);
  form->SetBounds(50, 50, kClientWidth, kClientHeight);
  form->SetClientWidth(kClientWidth);
  form->SetClientHeight(kClientHeight);
  for (int i = 0; i < 40; ++i) {
    TControl* control = nullptr;
    if (i < 20) {
      control = NewComponent<TButton>(form);
    } else if (i < 30) {
      control = NewComponent<TEdit>(form);
    } else {
      control = NewComponent<TLabel>(form);
    }
    control->SetBounds(10 + (i % 4) * 150, 10 + (i / 4) * 40, 120, 24);
    control->SetParent(form);
  }
  return form;
}

void BM_AttachFormWithFortyControls(benchmark::State& state) {
  TSkinData* skin = new TSkinData(nullptr);
  skin->SetSkinStream(platform::FindResourceBytes(platform::kResourceForm, "TESMERA-METALLIC"));
  skin->LoadSkin();
  skin->Loaded();
  TForm* form = FormWithFortyControls();
  form->Show();
  Application->ProcessMessages();
  const HWND window = form->Handle();
  SkinManager->FActive = true;
  for (auto _ : state) {
    state.PauseTiming();
    if (TWinSkinForm* attached = SkinManager->FindSkinForm(window)) {
      attached->Detach();
      std::erase(SkinManager->FForms, attached);
      delete attached;
    }
    state.ResumeTiming();
    if (!SkinManager->AttachWindow(window)) state.SkipWithError("the form was not attached");
    SendMessageW(window, SKM_FINISHATTACH, 0, SKM_FINISHATTACH_TAG);
  }
  form->Free();
  skin->Free();
  Application->ProcessMessages();
}
BENCHMARK(BM_AttachFormWithFortyControls)->Unit(benchmark::kMicrosecond);

void BM_MemcpyForm(benchmark::State& state) {
  brellis::bench::MemcpyBaseline(state, static_cast<std::size_t>(kClientWidth) * kClientHeight * 4);
}
BENCHMARK(BM_MemcpyForm)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  (void)kInstalled;
  return brellis::bench::RunWithRatios(argc, argv, {{"BM_AttachFormWithFortyControls", "BM_MemcpyForm"}});
}
