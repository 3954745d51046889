// What the main window costs: reading a form resource with the three JPEG
// pictures of the main window, and repainting the whole 999 × 697 window
// (form background, header, home screen and the stretched status strip),
// each as a ratio to copying the window's pixels once, measured in the same run.
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/display/headless/headless.h"
#include "ratio_reporter.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Forms.h"
#include "toolkit/Reader.h"

namespace {

constexpr int kWidth = 999;
constexpr int kHeight = 697;

std::string PictureHex(const char* file) {
  std::ifstream in(std::string(BRELLIS_SOURCE_DIR) + "/resources/art/main/" + file, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  const std::string data = bytes.str();
  std::string raw = "\x0ATJPEGImage";
  for (int i = 0; i < 4; ++i) raw += static_cast<char>((data.size() >> (8 * i)) & 0xFF);
  raw += data;
  std::string hex;
  char digits[3];
  for (unsigned char c : raw) {
    std::snprintf(digits, sizeof(digits), "%02X", c);
    hex += digits;
  }
  return hex;
}

std::string ImageObject(const char* name, const char* place, const char* file, bool stretch) {
  return std::string("  object ") + name + ": TImage\n" + place + "    Picture.Data = {" + PictureHex(file) + "}\n" +
         (stretch ? "    Stretch = True\n" : "") + "  end\n";
}

const std::string& MainWindowText() {
  static const std::string text =
      "object Fm: TForm\n  BorderStyle = bsNone\n  ClientHeight = 697\n  ClientWidth = 999\n" +
      ImageObject("Image1", "    Left = 0\n    Top = 0\n    Width = 999\n    Height = 107\n", "header.jpg", false) +
      ImageObject("Image_Main", "    Left = 0\n    Top = 107\n    Width = 999\n    Height = 565\n", "home.jpg", false) +
      ImageObject("img5", "    Left = 0\n    Top = 672\n    Width = 999\n    Height = 25\n", "status.jpg", true) +
      "end\n";
  return text;
}

const bool kInstalled = [] {
  platform::display::headless::Install({SIZE{1280, 1024}, true, RGB(0, 0, 0)});
  RegisterStandardControls();
  return true;
}();

void BM_ReadMainWindowResource(benchmark::State& state) {
  for (auto _ : state) {
    TForm* form = NewComponent<TForm>(nullptr);
    ReadComponentResource(form, MainWindowText());
    form->Free();
  }
}
BENCHMARK(BM_ReadMainWindowResource)->Unit(benchmark::kMillisecond);

void BM_RepaintMainWindow(benchmark::State& state) {
  TForm* form = NewComponent<TForm>(nullptr);
  ReadComponentResource(form, MainWindowText());
  form->Show();
  for (auto _ : state) {
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  }
  form->Free();
}
BENCHMARK(BM_RepaintMainWindow)->Unit(benchmark::kMillisecond);

void BM_MemcpyWindow(benchmark::State& state) { brellis::bench::MemcpyBaseline(state, kWidth * kHeight * 4); }
BENCHMARK(BM_MemcpyWindow)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  (void)kInstalled;
  return brellis::bench::RunWithRatios(
      argc, argv, {{"BM_ReadMainWindowResource", "BM_MemcpyWindow"}, {"BM_RepaintMainWindow", "BM_MemcpyWindow"}});
}
