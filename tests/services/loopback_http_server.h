// A small HTTP server on loopback for tests: every request gets the same
// answer, and the server keeps the requests it saw.
#pragma once

#include <mutex>
#include <string>
#include <vector>

#include "services/loopback.h"

namespace httptest {

class LoopbackHttpServer {
 public:
  LoopbackHttpServer(int status, std::string body, std::string extraHeaders = "");

  int Port() const { return listener_.Port(); }
  // "127.0.0.1:<port>"
  std::string Host() const;
  // The request heads received so far (request line and headers).
  std::vector<std::string> Requests() const;

 private:
  void Answer(int connection);

  int status_;
  std::string body_;
  std::string extraHeaders_;
  mutable std::mutex mutex_;
  std::vector<std::string> requests_;
  looptest::LoopbackListener listener_;
};

}  // namespace httptest
