// FreeTDS db-lib reports errors and server messages through two process-wide
// handlers. While a TDS call runs, a TdsMessageScope collects what they report
// so that the raised error carries the provider's and the server's own text.
#pragma once

#include <string>
#include <vector>

#include "services/db/value.h"

namespace services::db {

// Initialises db-lib and installs the handlers, once per process.
void InitialiseDbLib();

class TdsMessageScope {
 public:
  enum class Phase { Login, Command };

  explicit TdsMessageScope(Phase phase);
  ~TdsMessageScope();
  TdsMessageScope(const TdsMessageScope&) = delete;
  TdsMessageScope& operator=(const TdsMessageScope&) = delete;

  // Raises EDatabaseError with the collected texts joined by "; ", or with
  // `fallback` when nothing was reported.
  [[noreturn]] void Raise(const std::string& fallback) const;

  bool TimedOut() const { return timeouts_ > 0; }

  // Called by the handlers.
  void AddText(const std::string& text);
  int HandleTimeout();

 private:
  Phase phase_;
  TdsMessageScope* outer_;
  std::vector<std::string> texts_;
  int timeouts_ = 0;
};

}  // namespace services::db
