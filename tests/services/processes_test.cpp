#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "services/processes.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

// A copy of sleep under a name of the test's own, running until killed.
class SleepingCopy {
 public:
  explicit SleepingCopy(const fs::path& file) {
    char* const argv[] = {const_cast<char*>(file.c_str()), const_cast<char*>("30"), nullptr};
    if (::posix_spawn(&pid_, file.c_str(), nullptr, nullptr, argv, environ) != 0) pid_ = 0;
  }
  ~SleepingCopy() {
    if (pid_ > 0) {
      ::kill(pid_, SIGKILL);
      ::waitpid(pid_, nullptr, 0);
    }
  }
  pid_t Pid() const { return pid_; }

 private:
  pid_t pid_ = 0;
};

TEST(Processes, ListsRunningExecutablesEvenWhenTheirFileIsGone) {
  const fs::path folder = fs::temp_directory_path() / ("brellis-proc-" + std::to_string(::getpid()));
  fs::create_directories(folder);
  const fs::path file = folder / "BrellisSleeper";
  fs::copy_file("/bin/sleep", file, fs::copy_options::overwrite_existing);
  {
    SleepingCopy copy(file);
    ASSERT_GT(copy.Pid(), 0);
    const auto processes = services::ListProcesses();
    const auto found = std::find_if(processes.begin(), processes.end(),
                                    [&](const services::ProcessEntry& e) { return e.pid == copy.Pid(); });
    ASSERT_NE(found, processes.end());
    // The child may still be on its way through exec; its own path is what it ends with.
    for (int i = 0; i < 100 && services::ReadProcessExecutable("/proc", copy.Pid()) != file.string(); ++i) ::usleep(10000);
    EXPECT_EQ(services::ReadProcessExecutable("/proc", copy.Pid()), file.string());
    fs::remove(file);
    EXPECT_EQ(services::ReadProcessExecutable("/proc", copy.Pid()), file.string());
  }
  fs::remove_all(folder);
  EXPECT_EQ(services::ReadProcessExecutable("/proc", 0x7FFFFFF0), "");
  const auto self = services::ReadProcessExecutable("/proc", ::getpid());
  EXPECT_EQ(fs::path(self).filename(), "services_tests");
}

}  // namespace
