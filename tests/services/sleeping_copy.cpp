#include "services/sleeping_copy.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "services/processes.h"

extern char** environ;

namespace proctest {

namespace fs = std::filesystem;

SleepingCopy::SleepingCopy(const fs::path& file) : file_(file) {
  if (!fs::exists(file)) fs::copy_file("/bin/sleep", file);
  char* const argv[] = {const_cast<char*>(file.c_str()), const_cast<char*>("60"), nullptr};
  if (::posix_spawn(&pid_, file.c_str(), nullptr, nullptr, argv, environ) != 0) pid_ = 0;
}

SleepingCopy::~SleepingCopy() {
  if (pid_ <= 0) return;
  ::kill(pid_, SIGKILL);
  ::waitpid(pid_, nullptr, 0);
}

bool SleepingCopy::WaitUntilRunning() const {
  for (int i = 0; i < 500; ++i) {
    if (pid_ > 0 && services::ReadProcessExecutable("/proc", pid_) == file_.string()) return true;
    ::usleep(10000);
  }
  return false;
}

}  // namespace proctest
