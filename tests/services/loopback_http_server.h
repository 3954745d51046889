// A one-thread HTTP server on loopback for tests: every request gets the same
// answer, and the server counts the requests it saw.
#pragma once

#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace httptest {

class LoopbackHttpServer {
 public:
  LoopbackHttpServer(int status, std::string body, std::string extraHeaders = "");
  ~LoopbackHttpServer();
  LoopbackHttpServer(const LoopbackHttpServer&) = delete;
  LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

  int Port() const { return port_; }
  // "127.0.0.1:<port>"
  std::string Host() const;
  // The request heads received so far (request line and headers).
  std::vector<std::string> Requests() const;

 private:
  void Serve();

  int status_;
  std::string body_;
  std::string extraHeaders_;
  int listener_ = -1;
  int wake_[2] = {-1, -1};
  int port_ = 0;
  std::thread thread_;
  mutable std::mutex mutex_;
  std::vector<std::string> requests_;
};

// A loopback port with nothing listening on it.
int RefusingPort();

}  // namespace httptest
