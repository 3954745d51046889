// A small TDS 7.4 server on loopback for tests: it answers pre-login, login,
// remote procedure calls (with a result set, output parameters and a return
// status) and cancels, so that the TDS backend's real FreeTDS code path runs
// end to end without a SQL Server. What each call answers is up to the test.
#pragma once

#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "services/loopback.h"
#include "services/tds_wire.h"

namespace tdstest {

struct RpcParam {
  std::string name;
  bool output = false;
  std::uint8_t wireType = 0;  // the TDS type byte the client chose
  WireValue value;
};

struct RpcCall {
  std::string procedure;
  std::vector<RpcParam> params;
  // True when the client sent the call as a statement through sp_executesql;
  // `procedure` and `params` are then those of the statement's EXEC.
  bool throughStatement = false;
  std::string statement, declarations;  // its @stmt and @params
  // The parameter named `name` (case-insensitive), or null.
  const RpcParam* Find(const std::string& name) const;
};

struct Column {
  std::string name;
  WireType type;
};

struct ReturnedParam {
  std::string name;
  WireType type;
  WireValue value;
};

struct RpcReply {
  bool hasResult = true;
  std::vector<Column> columns;
  std::vector<std::vector<WireValue>> rows;
  std::vector<ReturnedParam> outputs;
  int returnStatus = 0;
  // When set, the call fails with a server error of this text (severity 16).
  std::string error;
};

struct LoginRecord {
  std::string user;
  std::string password;
  std::string database;
  std::string application;
  std::uint32_t tdsVersion = 0;
};

// Parses one RPC request message (TDS 7.2+ layout).
RpcCall ParseRpcRequest(const std::vector<std::uint8_t>& message);
// The procedure call an sp_executesql call makes, as the client writes it:
// "SET @p = <literal>; ... EXEC @status = <procedure> @a = @a [OUTPUT], @b =
// <literal> ...", with literals N'...' and 0x...; the return status travels
// as the output `statusName`. Raises WireError for another statement.
RpcCall CallFromStatement(const RpcCall& call, std::string& statusName);
// Parses a LOGIN7 message.
LoginRecord ParseLogin(const std::vector<std::uint8_t>& message);

class TdsResponder {
 public:
  enum class Behaviour {
    Answer,             // answers everything
    SilentAfterAccept,  // accepts the connection and never answers
    SilentOnCall,       // logs in, then never answers a procedure call
    CloseOnCall,        // logs in, then drops the connection on a procedure call
  };
  using Handler = std::function<RpcReply(const RpcCall&)>;

  TdsResponder(Behaviour behaviour, Handler handler);

  int Port() const { return listener_.Port(); }
  std::vector<RpcCall> Calls() const;
  LoginRecord Login() const;
  int Cancels() const;

 private:
  void ServeConnection(int fd, int stopSignal);
  void Answer(int fd, std::uint8_t type, const std::vector<std::uint8_t>& message, bool& close);

  Behaviour behaviour_;
  Handler handler_;
  mutable std::mutex mutex_;
  std::vector<RpcCall> calls_;
  LoginRecord login_;
  int cancels_ = 0;
  looptest::LoopbackListener listener_;
};

}  // namespace tdstest
