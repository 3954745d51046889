#include "platform/base/startup_trace.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Milestone {
  double milliseconds = -1;
  std::string name;
};

// Lines of the form "brellis: startup <ms> ms: <milestone>"; anything else
// is kept with a negative time so that the test sees it.
std::vector<Milestone> ReadMilestones(const std::string& written) {
  std::vector<Milestone> milestones;
  std::istringstream lines(written);
  for (std::string line; std::getline(lines, line);) {
    Milestone milestone;
    char name[64] = {};
    if (std::sscanf(line.c_str(), "brellis: startup %lf ms: %63[^\n]", &milestone.milliseconds, name) != 2) {
      milestone.milliseconds = -1;
    }
    milestone.name = name;
    milestones.push_back(milestone);
  }
  return milestones;
}

}  // namespace

// Tracing is read from the environment once, at the first milestone; this
// test process turns it on before that.
TEST(StartupTrace, EachMilestoneIsWrittenOnceWithItsTimeSinceTheProcessStarted) {
  setenv("BRELLIS_TRACE_STARTUP", "1", 1);
  testing::internal::CaptureStderr();
  platform::TraceStartup("main entered");
  platform::TraceStartup("display open");
  platform::TraceStartup("main entered");
  const std::string written = testing::internal::GetCapturedStderr();
  const std::vector<Milestone> milestones = ReadMilestones(written);
  ASSERT_EQ(milestones.size(), 2u) << written;
  EXPECT_EQ(milestones[0].name, "main entered");
  // The test process has been running for a while, but not for minutes.
  EXPECT_GE(milestones[0].milliseconds, 0.0);
  EXPECT_LT(milestones[0].milliseconds, 600000.0);
  EXPECT_EQ(milestones[1].name, "display open");
  EXPECT_GE(milestones[1].milliseconds, milestones[0].milliseconds);
}
