// Programs the integration tests start: the form under test, whose report
// lines are read with time limits, and the X tools that drive the screen.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace xvfb_test {

// Runs a program to its end; answers its exit status (-1 when it could not
// be started or did not end normally).
int RunProgram(const std::vector<std::string>& argv);

class ReportingChild {
 public:
  explicit ReportingChild(const std::vector<std::string>& argv);
  ~ReportingChild();
  ReportingChild(const ReportingChild&) = delete;
  ReportingChild& operator=(const ReportingChild&) = delete;

  bool Started() const { return pid_ > 0; }
  // The next line that starts with `word` (earlier other lines are kept);
  // nothing if none came within `limit`.
  std::optional<std::string> WaitFor(const std::string& word, std::chrono::milliseconds limit);
  // Time from the start to when the last line WaitFor answered arrived.
  std::chrono::milliseconds LastArrival() const { return lastArrival_; }

 private:
  struct Line {
    std::string text;
    std::chrono::milliseconds arrival;
  };
  bool ReadMore(std::chrono::milliseconds limit);

  pid_t pid_ = -1;
  int out_ = -1;
  std::chrono::steady_clock::time_point start_;
  std::string partial_;
  std::vector<Line> lines_;
  std::chrono::milliseconds lastArrival_{0};
};

}  // namespace xvfb_test
