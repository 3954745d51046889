#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "services/processes.h"
#include "services/sleeping_copy.h"

namespace {

namespace fs = std::filesystem;

TEST(Processes, ListsRunningExecutablesEvenWhenTheirFileIsGone) {
  const fs::path folder = fs::temp_directory_path() / ("brellis-proc-" + std::to_string(::getpid()));
  fs::create_directories(folder);
  const fs::path file = folder / "BrellisSleeper";
  {
    proctest::SleepingCopy copy(file);
    ASSERT_TRUE(copy.WaitUntilRunning());
    const auto processes = services::ListProcesses();
    const auto found = std::find_if(processes.begin(), processes.end(),
                                    [&](const services::ProcessEntry& e) { return e.pid == copy.Pid(); });
    ASSERT_NE(found, processes.end());
    EXPECT_EQ(found->executable, file.string());
    fs::remove(file);
    EXPECT_EQ(services::ReadProcessExecutable("/proc", copy.Pid()), file.string());
  }
  fs::remove_all(folder);
  EXPECT_EQ(services::ReadProcessExecutable("/proc", 0x7FFFFFF0), "");
  EXPECT_EQ(fs::path(services::ReadProcessExecutable("/proc", ::getpid())).filename(), "services_tests");
}

}  // namespace
