// Skin loading end to end: the embedded skin's package decoded, its INI read,
// every picture loaded and the derived pictures built, into a model that is
// loaded again and again (as a skin switch does). Baselines in the same run:
// the package reader alone, and memcpy of the decompressed package's bytes.
#include <benchmark/benchmark.h>

#include "platform/base/resources.h"
#include "ratio_reporter.h"
#include "skin/SkinRead.h"
#include "skin/WinSkinData.h"

namespace {

std::span<const std::uint8_t> EmbeddedSkin() {
  return platform::FindResourceBytes(platform::kResourceForm, "TESMERA-METALLIC");
}

// The decompressed size of the embedded package: the memcpy baseline's size.
std::size_t DecompressedSize() {
  TMemoryStream stream;
  const std::span<const std::uint8_t> package = EmbeddedSkin();
  stream.Write(package.data(), static_cast<std::int64_t>(package.size()));
  stream.SetPosition(0);
  std::int32_t size = 0;
  stream.Read(&size, sizeof size);
  return static_cast<std::size_t>(size);
}

void BM_LoadSkin(benchmark::State& state) {
  TSkinData skin;
  skin.SetSkinStream(EmbeddedSkin());
  for (auto _ : state) {
    if (!skin.LoadSkin()) state.SkipWithError("the embedded skin was refused");
  }
}
BENCHMARK(BM_LoadSkin)->Unit(benchmark::kMillisecond);

void BM_LoadPackage(benchmark::State& state) {
  const std::span<const std::uint8_t> package = EmbeddedSkin();
  for (auto _ : state) {
    TMemoryStream stream;
    stream.Write(package.data(), static_cast<std::int64_t>(package.size()));
    stream.SetPosition(0);
    TSkinReader reader;
    if (!reader.LoadPackage(stream)) state.SkipWithError("the embedded skin was refused");
  }
}
BENCHMARK(BM_LoadPackage)->Unit(benchmark::kMillisecond);

void BM_MemcpyPackage(benchmark::State& state) { brellis::bench::MemcpyBaseline(state, DecompressedSize()); }
BENCHMARK(BM_MemcpyPackage)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return brellis::bench::RunWithRatios(argc, argv,
                                       {{"BM_LoadSkin", "BM_MemcpyPackage"}, {"BM_LoadPackage", "BM_MemcpyPackage"}});
}
