// The daily append-only log beside the executable.
#include <fcntl.h>
#include <unistd.h>

#include "app/Unit_Public.h"
#include "platform/base/datetime.h"
#include "platform/base/sysutils.h"

void WriteLog(const AnsiString& suffix, const AnsiString& message) {
  try {
    const AnsiString day = FormatDateTime("yyyymmdd", Date());
    const AnsiString folder = ExtractFilePath(ModuleFileName()) + "log";
    if (!DirectoryExists(folder)) CreateDir(folder);
    const AnsiString line = DateTimeToStr(Now()) + ": " + message + "\r\n";
    const AnsiString path = folder + "/" + day + suffix + ".txt";
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
    if (fd < 0) return;
    const ssize_t written = ::write(fd, line.data(), line.size());
    (void)written;  // a short or failed write loses the line, as a full disk would
    ::close(fd);
  } catch (...) {
    // The log never fails toward its caller.
  }
}
