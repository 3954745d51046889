#include "platform/base/startup_trace.h"

#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <mutex>
#include <set>
#include <string>

namespace platform {

namespace {

double SecondsSinceBoot() {
  timespec now{};
  clock_gettime(CLOCK_BOOTTIME, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// When the process started, in seconds since boot: the 22nd field of
// /proc/self/stat, in clock ticks. The command name (field 2) may hold
// spaces, so the fields are counted from its closing parenthesis.
double ProcessStart() {
  std::ifstream stat("/proc/self/stat");
  std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
  const std::size_t close = text.rfind(')');
  if (close == std::string::npos) return SecondsSinceBoot();
  const char* field = text.c_str() + close + 2;  // field 3
  for (int n = 3; n < 22 && field != nullptr; ++n) {
    field = std::strchr(field, ' ');
    if (field != nullptr) ++field;
  }
  if (field == nullptr) return SecondsSinceBoot();
  return static_cast<double>(std::strtoull(field, nullptr, 10)) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

bool Enabled() {
  static const bool enabled = [] {
    const char* value = std::getenv("BRELLIS_TRACE_STARTUP");
    return value != nullptr && std::strcmp(value, "1") == 0;
  }();
  return enabled;
}

}  // namespace

void TraceStartup(const char* milestone) {
  if (!Enabled()) return;
  static std::mutex mutex;
  static std::set<std::string> passed;
  static const double start = ProcessStart();
  const std::lock_guard<std::mutex> lock(mutex);
  if (!passed.insert(milestone).second) return;
  std::fprintf(stderr, "brellis: startup %7.1f ms: %s\n", (SecondsSinceBoot() - start) * 1000.0, milestone);
}

}  // namespace platform
