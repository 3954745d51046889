// The single-instance rule: how many running processes carry this program's
// executable file name.
#include "app/Unit_Public.h"
#include "platform/base/sysutils.h"
#include "services/processes.h"

bool CheckAppRunning(const AnsiString& name) {
  const AnsiString wanted = UpperCase(name);
  int count = 0;
  for (const services::ProcessEntry& process : services::ListProcesses()) {
    const AnsiString executable = platform::Utf8ToAnsiString(process.executable);
    if (UpperCase(ExtractFileName(executable)) == wanted || UpperCase(executable) == wanted) ++count;
  }
  return count > 1;
}
