#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "app/Unit_Public.h"
#include "platform/base/sysutils.h"
#include "services/sleeping_copy.h"

namespace {

namespace fs = std::filesystem;

TEST(CheckAppRunning, TwoProcessesOfTheSameFileNameMeanACopyRuns) {
  const fs::path folder = fs::temp_directory_path() / ("brellis-running-" + std::to_string(::getpid()));
  fs::create_directories(folder / "other");
  const std::string name = "BrellisCopy" + std::to_string(::getpid());
  {
    proctest::SleepingCopy first(folder / name);
    ASSERT_TRUE(first.WaitUntilRunning());
    EXPECT_FALSE(CheckAppRunning(name));
    // The same file name in another folder, and under another name.
    proctest::SleepingCopy renamed(folder / (name + "x"));
    ASSERT_TRUE(renamed.WaitUntilRunning());
    EXPECT_FALSE(CheckAppRunning(name));
    proctest::SleepingCopy second(folder / "other" / name);
    ASSERT_TRUE(second.WaitUntilRunning());
    EXPECT_TRUE(CheckAppRunning(name));
    EXPECT_TRUE(CheckAppRunning(LowerCase(name)));
    // A whole executable path matches the whole text of the processes started from it.
    EXPECT_FALSE(CheckAppRunning((folder / name).string()));
    proctest::SleepingCopy again(folder / name);
    ASSERT_TRUE(again.WaitUntilRunning());
    EXPECT_TRUE(CheckAppRunning((folder / name).string()));
  }
  EXPECT_FALSE(CheckAppRunning(name));
  fs::remove_all(folder);
}

}  // namespace
