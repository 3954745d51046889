#include "platform/base/startup_trace.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <string>

// Tracing is read from the environment once, at the first milestone; this
// test process turns it on before that.
TEST(StartupTrace, EachMilestoneIsWrittenOnceWithItsTimeSinceTheProcessStarted) {
  setenv("BRELLIS_TRACE_STARTUP", "1", 1);
  testing::internal::CaptureStderr();
  platform::TraceStartup("main entered");
  platform::TraceStartup("display open");
  platform::TraceStartup("main entered");
  const std::string written = testing::internal::GetCapturedStderr();
  const std::regex line(R"(brellis: startup +([0-9]+\.[0-9]) ms: (main entered|display open)\n)");
  auto next = std::sregex_iterator(written.begin(), written.end(), line);
  ASSERT_EQ(std::distance(next, std::sregex_iterator()), 2) << written;
  EXPECT_EQ((*next)[2], "main entered");
  // The test process has been running for a while, but not for minutes.
  const double milliseconds = std::stod((*next)[1]);
  EXPECT_GE(milliseconds, 0.0);
  EXPECT_LT(milliseconds, 600000.0);
  EXPECT_EQ((*++next)[2], "display open");
}
