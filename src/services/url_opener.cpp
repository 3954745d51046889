#include "services/url_opener.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <utility>

extern char** environ;

namespace services {
namespace {

void OpenWithDesktop(const std::string& address) { SpawnDetached({"xdg-open", address}); }

UrlOpener& Opener() {
  static UrlOpener opener = OpenWithDesktop;
  return opener;
}

}  // namespace

void OpenUrlExternally(const std::string& address) { Opener()(address); }

UrlOpener SetUrlOpener(UrlOpener opener) {
  UrlOpener previous = std::move(Opener());
  Opener() = opener ? std::move(opener) : UrlOpener(OpenWithDesktop);
  return previous;
}

bool SpawnDetached(const std::vector<std::string>& argv) {
  if (argv.empty()) return false;
  std::vector<char*> args;
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  // A short-lived middle process starts the program and ends; the program
  // is then nobody's child to wait for. The pipe tells whether it started.
  int status[2];
  if (pipe2(status, O_CLOEXEC) != 0) return false;
  const pid_t middle = fork();
  if (middle < 0) {
    close(status[0]);
    close(status[1]);
    return false;
  }
  if (middle == 0) {
    close(status[0]);
    setsid();
    pid_t child = -1;
    const char started = posix_spawnp(&child, args[0], nullptr, nullptr, args.data(), environ) == 0 ? 1 : 0;
    (void)!write(status[1], &started, 1);
    _exit(0);
  }
  close(status[1]);
  char started = 0;
  const bool told = read(status[0], &started, 1) == 1;
  close(status[0]);
  waitpid(middle, nullptr, 0);
  return told && started == 1;
}

}  // namespace services
