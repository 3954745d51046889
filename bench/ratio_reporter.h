// What every benchmark program of the project shares: a memcpy baseline and a
// run that prints each result as a ratio to its baseline measured in the same
// run, so numbers from busy machines stay comparable.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace brellis::bench {

// Copies `bytes` bytes per iteration: the baseline of drawing that many bytes.
inline void MemcpyBaseline(benchmark::State& state, std::size_t bytes) {
  std::vector<char> from(bytes, 1), to(bytes);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), bytes);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
}

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

// Runs the benchmarks the command line selects, then prints each (benchmark,
// baseline) pair that ran as a ratio.
inline int RunWithRatios(int argc, char** argv, const std::vector<std::pair<const char*, const char*>>& ratios) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("\nRatio to memcpy of the same destination bytes (same run):\n");
  for (const auto& [name, baseline] : ratios) {
    const double time = reporter.Time(name), base = reporter.Time(baseline);
    if (time > 0 && base > 0) std::printf("  %-34s %8.2f x %s\n", name, time / base, baseline);
  }
  benchmark::Shutdown();
  return 0;
}

}  // namespace brellis::bench
