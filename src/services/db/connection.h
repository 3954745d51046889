// A connection to the service database. Opening blocks until the backend has
// connected or failed; a failure raises EDatabaseError with the provider's
// message.
#pragma once

#include <memory>

#include "services/db/value.h"

namespace services::db {

class Session;

class Connection {
 public:
  // ADO's defaults: 15 seconds to connect, 30 seconds for each command.
  static constexpr int kDefaultConnectionTimeout = 15;
  static constexpr int kDefaultCommandTimeout = 30;

  Connection();
  ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  const AnsiString& ConnectionString() const { return connectionString_; }
  // Raises EDatabaseError while the connection is open.
  void SetConnectionString(const AnsiString& text);

  // Seconds; 0 waits without limit.
  int ConnectionTimeout() const { return connectionTimeout_; }
  void SetConnectionTimeout(int seconds) { connectionTimeout_ = seconds < 0 ? 0 : seconds; }
  int CommandTimeout() const { return commandTimeout_; }
  void SetCommandTimeout(int seconds) { commandTimeout_ = seconds < 0 ? 0 : seconds; }

  bool Connected() const { return session_ != nullptr; }
  // Connects with the connection string; no effect when already open.
  void Open();
  // No effect when already closed.
  void Close();

  // The open session; raises EDatabaseError when the connection is closed.
  Session& ActiveSession();

 private:
  AnsiString connectionString_;
  int connectionTimeout_ = kDefaultConnectionTimeout;
  int commandTimeout_ = kDefaultCommandTimeout;
  std::unique_ptr<Session> session_;
};

}  // namespace services::db
