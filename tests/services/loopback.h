// Listening on the loopback interface for the tests' small servers.
#pragma once

#include <functional>
#include <thread>

namespace looptest {

// Accepts connections on a loopback port chosen by the system, in a thread of
// its own, and hands each to `serve` in turn (with a descriptor that becomes
// readable when the listener stops, for waits that must end then); the
// connection is closed when `serve` returns. Ending the object stops the
// thread, so it is declared after whatever `serve` uses.
class LoopbackListener {
 public:
  using Serve = std::function<void(int connection, int stopSignal)>;

  explicit LoopbackListener(Serve serve);
  ~LoopbackListener();
  LoopbackListener(const LoopbackListener&) = delete;
  LoopbackListener& operator=(const LoopbackListener&) = delete;

  int Port() const { return port_; }

 private:
  void Run();

  Serve serve_;
  int socket_ = -1;
  int stop_[2] = {-1, -1};
  int port_ = 0;
  std::thread thread_;
};

// A loopback port with nothing listening on it.
int RefusingPort();

}  // namespace looptest
