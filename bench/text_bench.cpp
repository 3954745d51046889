// Text conversions every window caption and dictionary value goes through.
#include <benchmark/benchmark.h>

#include <cstring>

#include "app/Unit_Public.h"
#include "platform/base/strings.h"

namespace {

const AnsiString& Sample() {
  static const AnsiString text = [] {
    AnsiString t;
    for (int i = 0; i < 64; ++i) t += u8"用户名称：匿名登录 Brellis "_ansi;
    return t;
  }();
  return text;
}

void BM_MemcpyBaseline(benchmark::State& state) {
  const AnsiString& text = Sample();
  std::string out(text.size(), '\0');
  for (auto _ : state) {
    std::memcpy(out.data(), text.data(), text.size());
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_MemcpyBaseline);

void BM_AnsiToWide(benchmark::State& state) {
  const AnsiString& text = Sample();
  for (auto _ : state) benchmark::DoNotOptimize(platform::AnsiToWideString(text));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_AnsiToWide);

void BM_DecryptStr(benchmark::State& state) {
  const AnsiString cipher = EncryptStr("Provider=SQLOLEDB.1;Password=demo");
  for (auto _ : state) benchmark::DoNotOptimize(DecryptStr(cipher));
}
BENCHMARK(BM_DecryptStr);

}  // namespace
