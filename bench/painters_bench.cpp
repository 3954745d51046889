// Skin painter costs: nine-part painting of a 999 × 30 title strip and an
// 8 × 697 window side from the skin artwork, and the window region of a
// 999 × 697 frame picture. After the run each result is printed as a ratio to
// memcpy of the same number of destination bytes, measured in the same run.
#include <memory>
#include <string>

#include "ratio_reporter.h"
#include "skin/forms/WinSkinForm.h"

namespace {

constexpr int kWidth = 999;
constexpr int kHeight = 697;
constexpr int kTitleHeight = 30;
constexpr int kSideWidth = 8;

std::unique_ptr<TBitmap> SkinPicture(const std::string& name) {
  auto picture = std::make_unique<TBitmap>();
  picture->LoadFromFile(std::string(BRELLIS_SOURCE_DIR) + "/resources/skins/tesmera-metallic/tesmera-metallic" + name);
  return picture;
}

using brellis::bench::MemcpyBaseline;

void BM_MemcpyTitle(benchmark::State& state) { MemcpyBaseline(state, std::size_t{kWidth} * kTitleHeight * 4); }
BENCHMARK(BM_MemcpyTitle);

// The active title strip: stacked frames, fixed ends, magenta-transparent.
void BM_NinePartTitle(benchmark::State& state) {
  auto top = SkinPicture("(2)__top.bmp");
  TBitmap target;
  target.SetSize(kWidth, kTitleHeight);
  HDC dc = target.Canvas()->Handle();
  for (auto _ : state) {
    PaintSkinPicture(dc, Rect(0, 0, kWidth, kTitleHeight), top.get(), true, false, true, 2, 1, Rect(8, 0, 8, 0));
  }
}
BENCHMARK(BM_NinePartTitle);

void BM_MemcpySide(benchmark::State& state) { MemcpyBaseline(state, std::size_t{kSideWidth} * kHeight * 4); }
BENCHMARK(BM_MemcpySide);

// The left side: fixed top and bottom parts, the middle stretched down.
void BM_NinePartSide(benchmark::State& state) {
  auto left = SkinPicture("(2)__left.bmp");
  TBitmap target;
  target.SetSize(kSideWidth, kHeight);
  HDC dc = target.Canvas()->Handle();
  for (auto _ : state) {
    PaintSkinPicture(dc, Rect(0, 0, kSideWidth, kHeight), left.get(), false, false, true, 1, 1, Rect(0, 26, 0, 4));
  }
}
BENCHMARK(BM_NinePartSide);

void BM_MemcpyFrame(benchmark::State& state) { MemcpyBaseline(state, std::size_t{kWidth} * kHeight * 4); }
BENCHMARK(BM_MemcpyFrame);

// A whole window picture with rounded, magenta-cut corners.
void BM_RegionFromBitmapFrame(benchmark::State& state) {
  auto buttons = SkinPicture("(5)__buttons.bmp");
  std::unique_ptr<TBitmap> frame =
      BuildSkinPicture(Rect(0, 0, kWidth, kHeight), buttons.get(), Rect(5, 5, 5, 5), false, false, 5, 1);
  for (auto _ : state) {
    HRGN region = RegionFromBitmap(frame.get(), 0, 0, 0, 0, 0, kSkinKeyColour);
    DeleteObject(region);
  }
}
BENCHMARK(BM_RegionFromBitmapFrame);

}  // namespace

int main(int argc, char** argv) {
  return brellis::bench::RunWithRatios(argc, argv,
                                       {{"BM_NinePartTitle", "BM_MemcpyTitle"},
                                        {"BM_NinePartSide", "BM_MemcpySide"},
                                        {"BM_RegionFromBitmapFrame", "BM_MemcpyFrame"}});
}
