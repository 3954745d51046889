// A copy of the system's sleep program, stored under a file name of the
// test's choosing and kept running until the object ends.
#pragma once

#include <sys/types.h>

#include <filesystem>

namespace proctest {

class SleepingCopy {
 public:
  // Copies sleep to `file` (unless it is there already) and starts it.
  explicit SleepingCopy(const std::filesystem::path& file);
  ~SleepingCopy();
  SleepingCopy(const SleepingCopy&) = delete;
  SleepingCopy& operator=(const SleepingCopy&) = delete;

  pid_t Pid() const { return pid_; }
  // Waits until the process runs the copied file rather than the test's own image.
  bool WaitUntilRunning() const;

 private:
  std::filesystem::path file_;
  pid_t pid_ = 0;
};

}  // namespace proctest
