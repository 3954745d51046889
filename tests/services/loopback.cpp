#include "services/loopback.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>
#include <stdexcept>

namespace looptest {

namespace {

int ListenOnLoopback(int& port) {
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t size = sizeof address;
  if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&address), size) != 0 || ::listen(fd, 4) != 0 ||
      ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
    if (fd >= 0) ::close(fd);
    throw std::runtime_error("cannot listen on loopback");
  }
  port = ntohs(address.sin_port);
  return fd;
}

}  // namespace

LoopbackListener::LoopbackListener(Serve serve) : serve_(std::move(serve)) {
  socket_ = ListenOnLoopback(port_);
  if (::pipe2(stop_, O_CLOEXEC) != 0) {
    ::close(socket_);
    throw std::runtime_error("cannot make the stop signal");
  }
  thread_ = std::thread([this] { Run(); });
}

LoopbackListener::~LoopbackListener() {
  const char stop = 1;
  if (::write(stop_[1], &stop, 1) != 1) std::perror("loopback listener stop");
  thread_.join();
  ::close(socket_);
  ::close(stop_[0]);
  ::close(stop_[1]);
}

void LoopbackListener::Run() {
  while (true) {
    pollfd fds[2] = {{socket_, POLLIN, 0}, {stop_[0], POLLIN, 0}};
    if (::poll(fds, 2, -1) < 0 || fds[1].revents != 0) return;
    const int connection = ::accept4(socket_, nullptr, nullptr, SOCK_CLOEXEC);
    if (connection < 0) continue;
    serve_(connection, stop_[0]);
    ::close(connection);
  }
}

int RefusingPort() {
  int port = 0;
  ::close(ListenOnLoopback(port));
  return port;
}

}  // namespace looptest
