#include "services/processes.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>


namespace services {

namespace {

constexpr char kDeletedSuffix[] = " (deleted)";

bool ParsePid(const char* text, pid_t& pid) {
  if (*text == '\0') return false;
  long value = 0;
  for (const char* c = text; *c != '\0'; ++c) {
    if (*c < '0' || *c > '9') return false;
    value = value * 10 + (*c - '0');
    if (value > 0x7FFFFFFF) return false;
  }
  pid = static_cast<pid_t>(value);
  return true;
}

std::string ReadLinkText(const std::string& path) {
  std::string target(4096, '\0');
  const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
  if (length <= 0 || static_cast<std::size_t>(length) >= target.size()) return std::string();
  target.resize(static_cast<std::size_t>(length));
  // A replaced executable keeps running from its old, now unlinked, file.
  const std::string suffix = kDeletedSuffix;
  if (target.size() > suffix.size() && target.compare(target.size() - suffix.size(), suffix.size(), suffix) == 0)
    target.resize(target.size() - suffix.size());
  return target;
}

// The first word of the command line: the program name it was started with.
std::string ReadFirstArgument(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::string();
  char buffer[4096];
  const ssize_t length = ::read(fd, buffer, sizeof buffer);
  ::close(fd);
  if (length <= 0) return std::string();
  std::size_t end = 0;
  while (end < static_cast<std::size_t>(length) && buffer[end] != '\0') ++end;
  return std::string(buffer, end);
}

}  // namespace

std::string ReadProcessExecutable(const std::string& procRoot, pid_t pid) {
  const std::string folder = procRoot + "/" + std::to_string(pid);
  std::string executable = ReadLinkText(folder + "/exe");
  if (executable.empty()) executable = ReadFirstArgument(folder + "/cmdline");
  return executable;
}

std::vector<ProcessEntry> ListProcesses() {
  std::vector<ProcessEntry> processes;
  DIR* proc = ::opendir("/proc");
  if (proc == nullptr) return processes;
  while (const dirent* entry = ::readdir(proc)) {
    pid_t pid = 0;
    if (!ParsePid(entry->d_name, pid)) continue;
    std::string executable = ReadProcessExecutable("/proc", pid);
    if (!executable.empty()) processes.push_back({pid, std::move(executable)});
  }
  ::closedir(proc);
  return processes;
}

}  // namespace services
