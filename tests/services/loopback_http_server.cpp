#include "services/loopback_http_server.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace httptest {

namespace {

int ListenOnLoopback(int& port) {
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t size = sizeof address;
  if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&address), size) != 0 || ::listen(fd, 4) != 0 ||
      ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
    throw std::runtime_error("cannot listen on loopback");
  }
  port = ntohs(address.sin_port);
  return fd;
}

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

int RefusingPort() {
  int port = 0;
  ::close(ListenOnLoopback(port));
  return port;
}

LoopbackHttpServer::LoopbackHttpServer(int status, std::string body, std::string extraHeaders)
    : status_(status), body_(std::move(body)), extraHeaders_(std::move(extraHeaders)) {
  listener_ = ListenOnLoopback(port_);
  if (::pipe2(wake_, O_CLOEXEC) != 0) throw std::runtime_error("pipe");
  thread_ = std::thread([this] { Serve(); });
}

LoopbackHttpServer::~LoopbackHttpServer() {
  const char stop = 1;
  if (::write(wake_[1], &stop, 1) != 1) return;  // the thread would never end; leave it to the process exit
  thread_.join();
  ::close(listener_);
  ::close(wake_[0]);
  ::close(wake_[1]);
}

std::string LoopbackHttpServer::Host() const { return "127.0.0.1:" + std::to_string(port_); }

std::vector<std::string> LoopbackHttpServer::Requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

void LoopbackHttpServer::Serve() {
  while (true) {
    pollfd fds[2] = {{listener_, POLLIN, 0}, {wake_[0], POLLIN, 0}};
    if (::poll(fds, 2, -1) < 0 || fds[1].revents != 0) return;
    const int fd = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd < 0) continue;
    std::string head;
    char buffer[1024];
    while (head.find("\r\n\r\n") == std::string::npos) {
      const ssize_t n = ::read(fd, buffer, sizeof buffer);
      if (n <= 0) break;
      head.append(buffer, static_cast<std::size_t>(n));
    }
    {
      std::lock_guard lock(mutex_);
      requests_.push_back(head);
    }
    const std::string reply = "HTTP/1.1 " + std::to_string(status_) + " " + Reason(status_) +
                              "\r\nContent-Type: text/html\r\nContent-Length: " + std::to_string(body_.size()) +
                              "\r\n" + extraHeaders_ + "Connection: close\r\n\r\n" + body_;
    std::size_t sent = 0;
    while (sent < reply.size()) {
      const ssize_t n = ::send(fd, reply.data() + sent, reply.size() - sent, MSG_NOSIGNAL);
      if (n <= 0) break;
      sent += static_cast<std::size_t>(n);
    }
    ::close(fd);
  }
}

}  // namespace httptest
