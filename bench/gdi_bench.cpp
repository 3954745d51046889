// Graphics layer costs: blits, stretches, key-colour copies and fills of a
// whole 999×697 window, a title strip's stretched centre, a caption through
// DrawText, and building and combining regions. After the run each result
// is printed as a ratio to memcpy of the same number of destination bytes,
// measured in the same run, so numbers from busy machines stay comparable.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "platform/gdi/gdi.h"

namespace {

constexpr int kWidth = 999;
constexpr int kHeight = 697;

// A memory DC over a 32-bit DIB section, filled with a pattern.
struct Picture {
  HDC dc;
  HBITMAP bitmap;
  HGDIOBJ old;
  Picture(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    dc = CreateCompatibleDC(nullptr);
    bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    old = SelectObject(dc, bitmap);
    auto* pixels = static_cast<std::uint32_t*>(bits);
    for (int i = 0; i < width * height; ++i) pixels[i] = static_cast<std::uint32_t>(i * 2654435761u) & 0xFFFFFF;
  }
  ~Picture() {
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bitmap);
  }
};

void Memcpy(benchmark::State& state, std::size_t bytes) {
  std::vector<char> from(bytes, 1), to(bytes);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), bytes);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
}

void BM_MemcpyWindow(benchmark::State& state) { Memcpy(state, std::size_t{kWidth} * kHeight * 4); }
BENCHMARK(BM_MemcpyWindow);

void BM_BitBltWindow(benchmark::State& state) {
  Picture source(kWidth, kHeight), target(kWidth, kHeight);
  for (auto _ : state) BitBlt(target.dc, 0, 0, kWidth, kHeight, source.dc, 0, 0, SRCCOPY);
}
BENCHMARK(BM_BitBltWindow);

// The main window's header picture: 803 pixels wide, stretched to 999.
void BM_StretchBltWindowColorOnColor(benchmark::State& state) {
  Picture source(803, 560), target(kWidth, kHeight);
  SetStretchBltMode(target.dc, COLORONCOLOR);
  for (auto _ : state) StretchBlt(target.dc, 0, 0, kWidth, kHeight, source.dc, 0, 0, 803, 560, SRCCOPY);
}
BENCHMARK(BM_StretchBltWindowColorOnColor);

void BM_StretchBltWindowHalftone(benchmark::State& state) {
  Picture source(803, 560), target(kWidth, kHeight);
  SetStretchBltMode(target.dc, HALFTONE);
  for (auto _ : state) StretchBlt(target.dc, 0, 0, kWidth, kHeight, source.dc, 0, 0, 803, 560, SRCCOPY);
}
BENCHMARK(BM_StretchBltWindowHalftone);

// The centre of a title strip: 48 source columns stretched over 975.
constexpr int kTitleWidth = 975;
constexpr int kTitleHeight = 26;

void BM_MemcpyTitle(benchmark::State& state) { Memcpy(state, std::size_t{kTitleWidth} * kTitleHeight * 4); }
BENCHMARK(BM_MemcpyTitle);

void BM_StretchBltTitleColorOnColor(benchmark::State& state) {
  Picture source(48, kTitleHeight), target(kTitleWidth, kTitleHeight);
  SetStretchBltMode(target.dc, COLORONCOLOR);
  for (auto _ : state) {
    StretchBlt(target.dc, 0, 0, kTitleWidth, kTitleHeight, source.dc, 0, 0, 48, kTitleHeight, SRCCOPY);
  }
}
BENCHMARK(BM_StretchBltTitleColorOnColor);

// A key-colour copy of a whole window whose every fourth pixel is the key.
void BM_TransparentBltWindow(benchmark::State& state) {
  Picture source(kWidth, kHeight), target(kWidth, kHeight);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; x += 4) SetPixel(source.dc, x, y, RGB(255, 0, 255));
  }
  for (auto _ : state) {
    TransparentBlt(target.dc, 0, 0, kWidth, kHeight, source.dc, 0, 0, kWidth, kHeight, RGB(255, 0, 255));
  }
}
BENCHMARK(BM_TransparentBltWindow);

void BM_FillRectWindow(benchmark::State& state) {
  Picture target(kWidth, kHeight);
  HBRUSH brush = CreateSolidBrush(RGB(12, 34, 56));
  const RECT all{0, 0, kWidth, kHeight};
  for (auto _ : state) FillRect(target.dc, &all, brush);
  DeleteObject(brush);
}
BENCHMARK(BM_FillRectWindow);

constexpr int kCaptionWidth = 400;
constexpr int kCaptionHeight = 18;

void BM_MemcpyCaption(benchmark::State& state) { Memcpy(state, std::size_t{kCaptionWidth} * kCaptionHeight * 4); }
BENCHMARK(BM_MemcpyCaption);

void BM_DrawTextCaption(benchmark::State& state) {
  Picture target(kCaptionWidth, kCaptionHeight);
  HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  SelectObject(target.dc, font);
  SetBkMode(target.dc, TRANSPARENT);
  for (auto _ : state) {
    RECT r{4, 0, kCaptionWidth - 60, kCaptionHeight};
    DrawTextW(target.dc, u"提示信息 - Brellis 服务终端", -1, &r, DT_END_ELLIPSIS | DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER);
  }
}
BENCHMARK(BM_DrawTextCaption);

// A window frame as a picture scan gives it: two rectangle runs per row down
// the sides, the title band on top, as RGNDATA.
std::vector<std::uint8_t> FrameRegionData(int inset) {
  std::vector<RECT> rects{RECT{0, 0, kWidth, 30}};
  for (int y = 30; y < kHeight; ++y) {
    rects.push_back(RECT{inset, y, inset + 4 + (y % 3), y + 1});
    rects.push_back(RECT{kWidth - 4 - (y % 3) - inset, y, kWidth - inset, y + 1});
  }
  std::vector<std::uint8_t> buffer(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  data->rdh = RGNDATAHEADER{sizeof(RGNDATAHEADER), RDH_RECTANGLES, static_cast<DWORD>(rects.size()),
                            static_cast<DWORD>(rects.size() * sizeof(RECT)), RECT{0, 0, kWidth, kHeight}};
  std::memcpy(data->Buffer, rects.data(), rects.size() * sizeof(RECT));
  return buffer;
}

void BM_MemcpyRegionData(benchmark::State& state) { Memcpy(state, FrameRegionData(0).size()); }
BENCHMARK(BM_MemcpyRegionData);

void BM_ExtCreateRegionFrame(benchmark::State& state) {
  const std::vector<std::uint8_t> data = FrameRegionData(0);
  for (auto _ : state) {
    HRGN region = ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), reinterpret_cast<const RGNDATA*>(data.data()));
    DeleteObject(region);
  }
}
BENCHMARK(BM_ExtCreateRegionFrame);

// Combining two such frames in each mode.
void BM_CombineRgnFrames(benchmark::State& state) {
  const std::vector<std::uint8_t> a = FrameRegionData(0), b = FrameRegionData(2);
  HRGN first = ExtCreateRegion(nullptr, static_cast<DWORD>(a.size()), reinterpret_cast<const RGNDATA*>(a.data()));
  HRGN second = ExtCreateRegion(nullptr, static_cast<DWORD>(b.size()), reinterpret_cast<const RGNDATA*>(b.data()));
  HRGN result = CreateRectRgn(0, 0, 0, 0);
  for (auto _ : state) {
    for (int mode : {RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF}) CombineRgn(result, first, second, mode);
  }
  for (HRGN h : {first, second, result}) DeleteObject(h);
}
BENCHMARK(BM_CombineRgnFrames);

// Collects real time per iteration for the ratio table.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      // With --benchmark_repetitions the median stands for the benchmark.
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median") continue;
      times_[run.run_name.str()] = run.GetAdjustedRealTime();
    }
    ConsoleReporter::ReportRuns(runs);
  }
  double Time(const std::string& name) const {
    auto found = times_.find(name);
    return found == times_.end() ? 0.0 : found->second;
  }

 private:
  std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const std::pair<const char*, const char*> kRatios[] = {
      {"BM_BitBltWindow", "BM_MemcpyWindow"},
      {"BM_StretchBltWindowColorOnColor", "BM_MemcpyWindow"},
      {"BM_StretchBltWindowHalftone", "BM_MemcpyWindow"},
      {"BM_StretchBltTitleColorOnColor", "BM_MemcpyTitle"},
      {"BM_TransparentBltWindow", "BM_MemcpyWindow"},
      {"BM_FillRectWindow", "BM_MemcpyWindow"},
      {"BM_DrawTextCaption", "BM_MemcpyCaption"},
      {"BM_ExtCreateRegionFrame", "BM_MemcpyRegionData"},
      {"BM_CombineRgnFrames", "BM_MemcpyRegionData"},
  };
  std::printf("\nRatio to memcpy of the same destination bytes (same run):\n");
  for (const auto& [name, baseline] : kRatios) {
    const double time = reporter.Time(name), base = reporter.Time(baseline);
    if (time > 0 && base > 0) std::printf("  %-34s %8.2f x %s\n", name, time / base, baseline);
  }
  benchmark::Shutdown();
  return 0;
}
