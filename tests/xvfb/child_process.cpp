#include "child_process.h"

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace xvfb_test {
namespace {

std::vector<char*> ArgvOf(const std::vector<std::string>& argv) {
  std::vector<char*> result;
  for (const std::string& arg : argv) result.push_back(const_cast<char*>(arg.c_str()));
  result.push_back(nullptr);
  return result;
}

bool StartsWith(const std::string& text, const std::string& word) {
  return text.compare(0, word.size(), word) == 0 && (text.size() == word.size() || text[word.size()] == ' ');
}

}  // namespace

int RunProgram(const std::vector<std::string>& argv) {
  std::vector<char*> args = ArgvOf(argv);
  pid_t pid = -1;
  if (posix_spawnp(&pid, args[0], nullptr, nullptr, args.data(), environ) != 0) return -1;
  int status = 0;
  if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

ReportingChild::ReportingChild(const std::vector<std::string>& argv) : start_(std::chrono::steady_clock::now()) {
  int pipeFds[2];
  if (pipe(pipeFds) != 0) return;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
  std::vector<char*> args = ArgvOf(argv);
  if (posix_spawn(&pid_, args[0], &actions, nullptr, args.data(), environ) != 0) pid_ = -1;
  posix_spawn_file_actions_destroy(&actions);
  close(pipeFds[1]);
  out_ = pipeFds[0];
}

ReportingChild::~ReportingChild() {
  if (pid_ > 0) {
    kill(pid_, SIGTERM);
    int status = 0;
    waitpid(pid_, &status, 0);
  }
  if (out_ >= 0) close(out_);
}

bool ReportingChild::ReadMore(std::chrono::milliseconds limit) {
  pollfd fd{out_, POLLIN, 0};
  if (poll(&fd, 1, static_cast<int>(limit.count())) <= 0) return false;
  char buffer[512];
  const ssize_t count = read(out_, buffer, sizeof(buffer));
  if (count <= 0) return false;
  const auto arrival =
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start_);
  partial_.append(buffer, static_cast<size_t>(count));
  for (size_t end; (end = partial_.find('\n')) != std::string::npos;) {
    lines_.push_back(Line{partial_.substr(0, end), arrival});
    partial_.erase(0, end + 1);
  }
  return true;
}

std::optional<std::string> ReportingChild::WaitFor(const std::string& word, std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  for (;;) {
    for (auto it = lines_.begin(); it != lines_.end(); ++it) {
      if (!StartsWith(it->text, word)) continue;
      std::string text = it->text;
      lastArrival_ = it->arrival;
      lines_.erase(it);
      return text;
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (out_ < 0 || left.count() <= 0 || !ReadMore(left)) return std::nullopt;
  }
}

}  // namespace xvfb_test
