// Skin package decoding: the LZHUF decoder on the embedded skin's package
// (mostly short matches and literals), on a package of flat, skin-like
// bitmaps (mostly long matches) and on incompressible bytes (all literals),
// the whole package reader, and as baselines memcpy of the same bytes and the
// plain decoder (one bit per tree level, the update's linear search). After
// the table the program prints each decoder's speed as a ratio to its
// baselines measured in the same run.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <random>
#include <string>

#include "lzh_reference.h"
#include "platform/base/resources.h"
#include "skin/SkinRead.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// A 24-bit bottom-up Windows bitmap file of `width` x `height` pixels.
Bytes Bitmap(int width, int height, const std::function<std::uint32_t(int x, int y)>& pixel) {
  const int stride = (width * 3 + 3) & ~3;
  const std::uint32_t imageSize = static_cast<std::uint32_t>(stride * height);
  Bytes out(54 + imageSize, 0);
  auto put32 = [&](std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
  };
  out[0] = 'B';
  out[1] = 'M';
  put32(2, static_cast<std::uint32_t>(out.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<std::uint32_t>(width));
  put32(22, static_cast<std::uint32_t>(height));
  out[26] = 1;
  out[28] = 24;
  put32(34, imageSize);
  for (int y = 0; y < height; ++y) {
    std::uint8_t* row = out.data() + 54 + static_cast<std::size_t>((height - 1 - y) * stride);
    for (int x = 0; x < width; ++x) {
      const std::uint32_t c = pixel(x, y);
      row[3 * x] = static_cast<std::uint8_t>(c);
      row[3 * x + 1] = static_cast<std::uint8_t>(c >> 8);
      row[3 * x + 2] = static_cast<std::uint8_t>(c >> 16);
    }
  }
  return out;
}

std::uint32_t Shade(std::uint32_t base, int step) {
  auto channel = [&](int shift) {
    const int v = static_cast<int>((base >> shift) & 0xFF) + step;
    return static_cast<std::uint32_t>(v < 0 ? 0 : v > 255 ? 255 : v) << shift;
  };
  return channel(16) | channel(8) | channel(0);
}

// Framed buttons with a vertical gradient, a caption bar, borders, check
// boxes on a magenta key and a flat panel: about 200 KB of bitmaps.
std::vector<TSkinEntry> SkinLikeEntries() {
  constexpr std::uint32_t Magenta = 0xFF00FF;
  std::vector<TSkinEntry> entries;
  entries.push_back({"skin(5)__buttons.bmp", Bitmap(75 * 5, 23, [](int x, int y) {
                       const int frame = x / 75, fx = x % 75;
                       if ((fx == 0 || fx == 74) && (y == 0 || y == 22)) return Magenta;
                       if (fx == 0 || fx == 74 || y == 0 || y == 22) return Shade(0x404858, frame * 8);
                       return Shade(0xD4D0C8, 20 - y + frame * 6);
                     })});
  entries.push_back({"skin_caption.bmp", Bitmap(300, 30, [](int, int y) { return Shade(0x3060A0, 40 - 2 * y); })});
  entries.push_back({"skin_border.bmp", Bitmap(8, 600, [](int x, int) { return Shade(0x808890, 10 * (x - 4)); })});
  entries.push_back({"skin(8)_checkbox.bmp", Bitmap(13 * 8, 13, [](int x, int y) {
                       const int fx = x % 13;
                       if (fx == 0 || fx == 12 || y == 0 || y == 12) return 0x404040u;
                       if (x / 13 % 2 == 1 && std::abs(fx - 6) + std::abs(y - 7) < 3) return 0x102040u;
                       return fx < 2 ? Magenta : 0xFFFFFFu;
                     })});
  entries.push_back({"skin_panel.bmp", Bitmap(250, 180, [](int x, int y) {
                       if (x == 0 || y == 0) return 0xFFFFFFu;
                       if (x == 249 || y == 179) return 0x808080u;
                       return 0xD4D0C8u;
                     })});
  const std::string ini = "[Colours]\r\ncBtnFace=0x00D4D0C8\r\n[Button]\r\nBitmap=skin(5)__buttons.bmp\r\n";
  entries.push_back({"skin.ini", Bytes(ini.begin(), ini.end())});
  return entries;
}

struct Sample {
  Bytes compressed;  // uncompressed size, then the stream
  std::int64_t size = 0;
};

Sample Compressed(const Bytes& raw) {
  Sample s;
  s.size = static_cast<std::int64_t>(raw.size());
  s.compressed = Bytes(4, 0);
  for (int i = 0; i < 4; ++i) s.compressed[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(s.size >> (8 * i));
  const Bytes stream = LzhPackBytes(raw);
  s.compressed.insert(s.compressed.end(), stream.begin(), stream.end());
  return s;
}

const Sample& SkinLike() {
  static const Sample sample = [] {
    TMemoryStream package;
    WriteSkinPackage(SkinLikeEntries(), package);
    Sample s;
    s.compressed.assign(package.Memory(), package.Memory() + package.Size());
    s.size = std::int64_t{s.compressed[0]} | std::int64_t{s.compressed[1]} << 8 | std::int64_t{s.compressed[2]} << 16 |
             std::int64_t{s.compressed[3]} << 24;
    return s;
  }();
  return sample;
}

const Sample& Incompressible() {
  static const Sample sample = [] {
    std::mt19937 random(1);
    Bytes raw(200 * 1024);
    for (auto& b : raw) b = static_cast<std::uint8_t>(random());
    return Compressed(raw);
  }();
  return sample;
}

// The package of the embedded skin as the program carries it.
const Sample& Embedded() {
  static const Sample sample = [] {
    const std::span<const std::uint8_t> package =
        platform::FindResourceBytes(platform::kResourceForm, "TESMERA-METALLIC");
    Sample s;
    s.compressed.assign(package.begin(), package.end());
    if (s.compressed.size() >= 4) {
      s.size = std::int64_t{s.compressed[0]} | std::int64_t{s.compressed[1]} << 8 |
               std::int64_t{s.compressed[2]} << 16 | std::int64_t{s.compressed[3]} << 24;
    }
    return s;
  }();
  return sample;
}

void Memcpy(benchmark::State& state, const Sample& sample) {
  const Bytes from(static_cast<std::size_t>(sample.size), 0x5A);
  Bytes to(from.size());
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), from.size());
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * sample.size);
}

void Unpack(benchmark::State& state, const Sample& sample) {
  const std::span<const std::uint8_t> stream(sample.compressed.data() + 4, sample.compressed.size() - 4);
  for (auto _ : state) benchmark::DoNotOptimize(LzhUnpackBytes(stream, sample.size));
  state.SetBytesProcessed(state.iterations() * sample.size);
  state.counters["ratio"] = static_cast<double>(sample.compressed.size()) / static_cast<double>(sample.size);
}

void PlainUnpack(benchmark::State& state, const Sample& sample) {
  const std::span<const std::uint8_t> stream(sample.compressed.data() + 4, sample.compressed.size() - 4);
  for (auto _ : state) benchmark::DoNotOptimize(ReferenceUnpack(stream, sample.size));
  state.SetBytesProcessed(state.iterations() * sample.size);
}

void LoadPackage(benchmark::State& state, const Sample& sample) {
  TMemoryStream source;
  source.WriteBuffer(sample.compressed.data(), static_cast<std::int64_t>(sample.compressed.size()));
  for (auto _ : state) {
    TSkinReader reader;
    if (!reader.LoadPackage(source)) state.SkipWithError("the package was refused");
    benchmark::DoNotOptimize(reader.Count());
  }
  state.SetBytesProcessed(state.iterations() * sample.size);
}

BENCHMARK_CAPTURE(Memcpy, embedded, Embedded());
BENCHMARK_CAPTURE(PlainUnpack, embedded, Embedded());
BENCHMARK_CAPTURE(Unpack, embedded, Embedded());
BENCHMARK_CAPTURE(LoadPackage, embedded, Embedded());
BENCHMARK_CAPTURE(Memcpy, skin_like, SkinLike());
BENCHMARK_CAPTURE(PlainUnpack, skin_like, SkinLike());
BENCHMARK_CAPTURE(Unpack, skin_like, SkinLike());
BENCHMARK_CAPTURE(LoadPackage, skin_like, SkinLike());
BENCHMARK_CAPTURE(Memcpy, incompressible, Incompressible());
BENCHMARK_CAPTURE(PlainUnpack, incompressible, Incompressible());
BENCHMARK_CAPTURE(Unpack, incompressible, Incompressible());

// The console table, plus the bytes per second of every run kept for the
// ratios printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      // With repetitions, the median stands for the benchmark.
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median") continue;
      const auto found = run.counters.find("bytes_per_second");
      if (found != run.counters.end()) speed_[run.run_name.str()] = found->second.value;
    }
  }

  void PrintRatio(const std::string& name, const std::string& baseline) const {
    const auto a = speed_.find(name), b = speed_.find(baseline);
    if (a == speed_.end() || b == speed_.end() || b->second <= 0) return;
    std::printf("%-30s %8.1f MB/s  = %.4f x %s (%.1f MB/s)\n", name.c_str(), a->second / 1e6, a->second / b->second,
                baseline.c_str(), b->second / 1e6);
  }

 private:
  std::map<std::string, double> speed_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("\nembedded package: %lld bytes from %zu compressed\n", static_cast<long long>(Embedded().size),
              Embedded().compressed.size());
  std::printf("skin-like package: %lld bytes from %zu compressed\n", static_cast<long long>(SkinLike().size),
              SkinLike().compressed.size());
  for (const char* input : {"embedded", "skin_like", "incompressible"}) {
    const std::string suffix = std::string("/") + input;
    reporter.PrintRatio("Unpack" + suffix, "PlainUnpack" + suffix);
    reporter.PrintRatio("Unpack" + suffix, "Memcpy" + suffix);
    reporter.PrintRatio("PlainUnpack" + suffix, "Memcpy" + suffix);
    reporter.PrintRatio("LoadPackage" + suffix, "Memcpy" + suffix);
  }
  benchmark::Shutdown();
  return 0;
}
