// The running processes of the system, read from /proc.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace services {

struct ProcessEntry {
  pid_t pid = 0;
  // The executable's full path where the system shows it (processes of the
  // same user), otherwise the program name the process was started with.
  std::string executable;
};

// Every process that has an executable; kernel threads and processes that
// ended while the list was read are left out.
std::vector<ProcessEntry> ListProcesses();

// The executable text of one process as ListProcesses reads it; empty when the
// process has none or is gone. `procRoot` is the folder of the process table.
std::string ReadProcessExecutable(const std::string& procRoot, pid_t pid);

}  // namespace services
