#include "services/loopback_http_server.h"

#include <sys/socket.h>
#include <unistd.h>

namespace httptest {

namespace {

const char* Reason(int status) {
  switch (status) {
    case 200: return "OK";
    case 302: return "Found";
    case 404: return "Not Found";
    case 500: return "Internal Server Error";
    default: return "Status";
  }
}

}  // namespace

LoopbackHttpServer::LoopbackHttpServer(int status, std::string body, std::string extraHeaders)
    : status_(status),
      body_(std::move(body)),
      extraHeaders_(std::move(extraHeaders)),
      listener_([this](int connection, int) { Answer(connection); }) {}

std::string LoopbackHttpServer::Host() const { return "127.0.0.1:" + std::to_string(Port()); }

std::vector<std::string> LoopbackHttpServer::Requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

void LoopbackHttpServer::Answer(int connection) {
  std::string head;
  char buffer[1024];
  while (head.find("\r\n\r\n") == std::string::npos) {
    const ssize_t n = ::read(connection, buffer, sizeof buffer);
    if (n <= 0) break;
    head.append(buffer, static_cast<std::size_t>(n));
  }
  {
    std::lock_guard lock(mutex_);
    requests_.push_back(head);
  }
  const std::string reply = "HTTP/1.1 " + std::to_string(status_) + " " + Reason(status_) +
                            "\r\nContent-Type: text/html\r\nContent-Length: " + std::to_string(body_.size()) + "\r\n" +
                            extraHeaders_ + "Connection: close\r\n\r\n" + body_;
  std::size_t sent = 0;
  while (sent < reply.size()) {
    const ssize_t n = ::send(connection, reply.data() + sent, reply.size() - sent, MSG_NOSIGNAL);
    if (n <= 0) break;
    sent += static_cast<std::size_t>(n);
  }
}

}  // namespace httptest
