// What a tile click and the login wait for on the embedded service: the
// program's whole calling convention (close, command text, refresh of the
// parameters from the catalog, values, open), printed as a ratio to running
// the same procedure with its parameters already in place, measured in the
// same run.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <map>

#include "app/Unit_Public.h"
#include "platform/base/sysutils.h"
#include "services/db/connection.h"
#include "services/db/embedded_service.h"
#include "services/db/stored_proc.h"

namespace {

namespace fs = std::filesystem;
using services::db::Connection;
using services::db::StoredProc;

// One embedded service in a temporary folder for the whole run.
class Service {
 public:
  Service() {
    folder_ = fs::temp_directory_path() / ("brellis-bench-" + std::to_string(::getpid()));
    fs::create_directories(folder_);
    OverrideModuleFileName((folder_ / "Brellis").string());
    services::db::SetEmbeddedPasswordCipher({EncryptStr, DecryptStr});
    connection_.SetConnectionString("Provider=SQLOLEDB.1;Password=;User ID=;Initial Catalog=;Data Source=bench.db");
    connection_.Open();
  }
  ~Service() {
    connection_.Close();
    fs::remove_all(folder_);
  }
  Connection& GetConnection() { return connection_; }

 private:
  fs::path folder_;
  Connection connection_;
};

Service& TheService() {
  static Service service;
  return service;
}

void PrepareLookup(StoredProc& proc) {
  proc.Close();
  proc.SetProcedureName("dbo.[P_Get_Bas_DictEx]");
  proc.RefreshParameters();
  proc.ParamByName("@snFirsID").SetText("1021");
  proc.ParamByName("@snSecoID").SetText("10");
}

void BM_LookupWithParametersInPlace(benchmark::State& state) {
  StoredProc proc(&TheService().GetConnection());
  PrepareLookup(proc);
  for (auto _ : state) {
    proc.Close();
    proc.Open();
    benchmark::DoNotOptimize(proc.Fields(1).AsString());
  }
}
BENCHMARK(BM_LookupWithParametersInPlace);

void BM_DictionaryLookup(benchmark::State& state) {
  StoredProc proc(&TheService().GetConnection());
  for (auto _ : state) {
    PrepareLookup(proc);
    proc.Open();
    benchmark::DoNotOptimize(proc.Fields(1).AsString());
  }
}
BENCHMARK(BM_DictionaryLookup);

void BM_Login(benchmark::State& state) {
  StoredProc proc(&TheService().GetConnection());
  const AnsiString password = EncryptStr("666");
  for (auto _ : state) {
    proc.Close();
    proc.SetProcedureName("dbo.[P_Public_Log_UserLog]");
    proc.RefreshParameters();
    proc.ParamByName("@vcPone").SetText("13800000000");
    proc.ParamByName("@vcPass").SetText(password);
    proc.ParamByName("@outErrNum").SetInteger(0);
    proc.ParamByName("@outErrMsg").SetText("0");
    proc.Open();
    benchmark::DoNotOptimize(proc.FieldByName("vcUserPassword").AsString());
  }
}
BENCHMARK(BM_Login);

// Keeps each benchmark's time per iteration for the ratios printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.iterations > 0) perIteration_[run.benchmark_name()] = run.GetAdjustedRealTime();
    }
    ConsoleReporter::ReportRuns(runs);
  }
  void PrintRatios(const std::string& baseline) const {
    const auto base = perIteration_.find(baseline);
    if (base == perIteration_.end() || base->second <= 0) return;
    for (const auto& [name, time] : perIteration_) {
      std::printf("ratio %-36s %8.2f x %s\n", name.c_str(), time / base->second, baseline.c_str());
    }
  }

 private:
  std::map<std::string, double> perIteration_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios("BM_LookupWithParametersInPlace");
  benchmark::Shutdown();
  return 0;
}
