#include "services/tds_responder.h"

#include "platform/base/sysutils.h"
#include "services/loopback.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>

namespace tdstest {

namespace {

enum : std::uint8_t {
  kSqlBatch = 0x01, kRpc = 0x03, kReply = 0x04, kAttention = 0x06, kLogin7 = 0x10, kPreLogin = 0x12,
};

enum : std::uint8_t {
  kTokenColMetadata = 0x81, kTokenRow = 0xD1, kTokenReturnStatus = 0x79, kTokenReturnValue = 0xAC,
  kTokenError = 0xAA, kTokenLoginAck = 0xAD, kTokenEnvChange = 0xE3, kTokenDone = 0xFD, kTokenDoneProc = 0xFE,
  kTokenDoneInProc = 0xFF,
};

enum : std::uint16_t { kDoneFinal = 0x00, kDoneMore = 0x01, kDoneError = 0x02, kDoneCount = 0x10, kDoneAttn = 0x20 };

constexpr std::uint16_t kCommandSelect = 0xC1;
constexpr std::uint16_t kCommandExecute = 0xE0;
constexpr std::size_t kPacketSize = 4096;

void Done(Writer& out, std::uint8_t token, std::uint16_t status, std::uint16_t command, std::uint64_t rows) {
  out.U8(token);
  out.U16(status);
  out.U16(command);
  out.U64(rows);
}

std::vector<std::uint8_t> PreLoginReply() {
  // Options: version, encryption (not supported), instance, thread id, MARS.
  const std::vector<std::vector<std::uint8_t>> data = {{15, 0, 0x07, 0xD0, 0, 0}, {0x02}, {0x00}, {}, {0x00}};
  Writer out;
  std::uint16_t offset = static_cast<std::uint16_t>(data.size() * 5 + 1);
  for (std::size_t i = 0; i < data.size(); ++i) {
    out.U8(static_cast<std::uint8_t>(i));
    out.U16BigEndian(offset);
    out.U16BigEndian(static_cast<std::uint16_t>(data[i].size()));
    offset = static_cast<std::uint16_t>(offset + data[i].size());
  }
  out.U8(0xFF);
  for (const auto& item : data) out.Bytes(item);
  return out.Data();
}

void EnvChange(Writer& out, std::uint8_t type, const std::string& value) {
  out.U8(kTokenEnvChange);
  const std::size_t length = out.Size();
  out.U16(0);
  out.U8(type);
  out.BVarChar(value);
  out.BVarChar("");
  out.PatchU16(length, static_cast<std::uint16_t>(out.Size() - length - 2));
}

std::vector<std::uint8_t> LoginReply(const LoginRecord& login) {
  Writer out;
  if (!login.database.empty()) EnvChange(out, 1, login.database);
  // The server's collation, which FreeTDS uses for varchar data.
  out.U8(kTokenEnvChange);
  out.U16(1 + 1 + 5 + 1);
  out.U8(7);
  out.U8(5);
  for (const std::uint8_t b : kCollation) out.U8(b);
  out.U8(0);
  out.U8(kTokenLoginAck);
  const std::size_t length = out.Size();
  out.U16(0);
  out.U8(1);  // T-SQL
  out.U32BigEndian(0x74000004);
  out.BVarChar("Brellis test responder");
  out.U32BigEndian(0x0F000000);
  out.PatchU16(length, static_cast<std::uint16_t>(out.Size() - length - 2));
  Done(out, kTokenDone, kDoneFinal, 0, 0);
  return out.Data();
}

void ServerError(Writer& out, const std::string& text) {
  out.U8(kTokenError);
  const std::size_t length = out.Size();
  out.U16(0);
  out.U32(50000);  // number
  out.U8(1);       // state
  out.U8(16);      // severity
  out.UsVarChar(text);
  out.BVarChar("responder");
  out.BVarChar("");
  out.U32(1);  // line
  out.PatchU16(length, static_cast<std::uint16_t>(out.Size() - length - 2));
}

std::vector<std::uint8_t> RpcReplyBytes(const RpcReply& reply) {
  Writer out;
  if (!reply.error.empty()) {
    ServerError(out, reply.error);
    Done(out, kTokenDoneProc, kDoneError, kCommandExecute, 0);
    return out.Data();
  }
  if (reply.hasResult) {
    out.U8(kTokenColMetadata);
    out.U16(static_cast<std::uint16_t>(reply.columns.size()));
    for (const Column& column : reply.columns) {
      out.U32(0);       // user type
      out.U16(0x0001);  // nullable
      out.TypeInfo(column.type);
      out.BVarChar(column.name);
    }
    for (const auto& row : reply.rows) {
      out.U8(kTokenRow);
      for (std::size_t i = 0; i < reply.columns.size(); ++i) out.Value(reply.columns[i].type, row.at(i));
    }
    // More results follow (the status and the procedure's own DONE).
    Done(out, kTokenDoneInProc, kDoneMore | kDoneCount, kCommandSelect, reply.rows.size());
  }
  out.U8(kTokenReturnStatus);
  out.U32(static_cast<std::uint32_t>(reply.returnStatus));
  std::uint16_t ordinal = 0;
  for (const ReturnedParam& param : reply.outputs) {
    out.U8(kTokenReturnValue);
    out.U16(ordinal++);
    out.BVarChar(param.name);
    out.U8(0x01);  // output parameter
    out.U32(0);    // user type
    out.U16(0x0001);
    out.TypeInfo(param.type);
    out.Value(param.type, param.value);
  }
  Done(out, kTokenDoneProc, kDoneFinal, kCommandExecute, 0);
  return out.Data();
}

bool ReadExactly(int fd, std::uint8_t* data, std::size_t size, int wake) {
  std::size_t done = 0;
  while (done < size) {
    pollfd fds[2] = {{fd, POLLIN, 0}, {wake, POLLIN, 0}};
    if (::poll(fds, 2, -1) < 0) return false;
    if (fds[1].revents != 0) return false;
    const ssize_t n = ::read(fd, data + done, size - done);
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

void SendMessage(int fd, std::uint8_t type, const std::vector<std::uint8_t>& payload) {
  std::size_t sent = 0;
  std::uint8_t packetId = 1;
  do {
    const std::size_t chunk = std::min(payload.size() - sent, kPacketSize - 8);
    const bool last = sent + chunk == payload.size();
    Writer packet;
    packet.U8(type);
    packet.U8(last ? 0x01 : 0x00);
    packet.U16BigEndian(static_cast<std::uint16_t>(chunk + 8));
    packet.U16BigEndian(0);
    packet.U8(packetId++);
    packet.U8(0);
    std::vector<std::uint8_t> bytes = packet.Data();
    bytes.insert(bytes.end(), payload.begin() + static_cast<std::ptrdiff_t>(sent),
                 payload.begin() + static_cast<std::ptrdiff_t>(sent + chunk));
    if (::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL) != static_cast<ssize_t>(bytes.size())) return;
    sent += chunk;
  } while (sent < payload.size());
}

// One client message, assembled from its packets.
bool ReadMessage(int fd, int stopSignal, std::uint8_t& type, std::vector<std::uint8_t>& message) {
  message.clear();
  while (true) {
    std::uint8_t header[8];
    if (!ReadExactly(fd, header, sizeof header, stopSignal)) return false;
    const std::size_t length = (static_cast<std::size_t>(header[2]) << 8) | header[3];
    if (length < 8) return false;
    std::vector<std::uint8_t> body(length - 8);
    if (!body.empty() && !ReadExactly(fd, body.data(), body.size(), stopSignal)) return false;
    type = header[0];
    message.insert(message.end(), body.begin(), body.end());
    if ((header[1] & 0x01) != 0) return true;
  }
}

}  // namespace

TdsResponder::TdsResponder(Behaviour behaviour, Handler handler)
    : behaviour_(behaviour),
      handler_(std::move(handler)),
      listener_([this](int fd, int stopSignal) { ServeConnection(fd, stopSignal); }) {}

std::vector<RpcCall> TdsResponder::Calls() const {
  std::lock_guard lock(mutex_);
  return calls_;
}

LoginRecord TdsResponder::Login() const {
  std::lock_guard lock(mutex_);
  return login_;
}

int TdsResponder::Cancels() const {
  std::lock_guard lock(mutex_);
  return cancels_;
}

void TdsResponder::ServeConnection(int fd, int stopSignal) {
  std::uint8_t type = 0;
  std::vector<std::uint8_t> message;
  bool close = false;
  while (!close && ReadMessage(fd, stopSignal, type, message)) {
    try {
      Answer(fd, type, message, close);
    } catch (const WireError& e) {
      std::fprintf(stderr, "responder: %s\n", e.what());
      return;
    }
  }
}

void TdsResponder::Answer(int fd, std::uint8_t type, const std::vector<std::uint8_t>& message, bool& close) {
  if (behaviour_ == Behaviour::SilentAfterAccept) return;
  switch (type) {
    case kPreLogin: SendMessage(fd, kReply, PreLoginReply()); return;
    case kLogin7: {
      const LoginRecord login = ParseLogin(message);
      {
        std::lock_guard lock(mutex_);
        login_ = login;
      }
      SendMessage(fd, kReply, LoginReply(login));
      return;
    }
    case kSqlBatch: {
      Writer out;
      Done(out, kTokenDone, kDoneFinal, 0, 0);
      SendMessage(fd, kReply, out.Data());
      return;
    }
    case kAttention: {
      {
        std::lock_guard lock(mutex_);
        ++cancels_;
      }
      Writer out;
      Done(out, kTokenDone, kDoneAttn, 0, 0);
      SendMessage(fd, kReply, out.Data());
      return;
    }
    case kRpc: {
      const RpcCall sent = ParseRpcRequest(message);
      std::string statusName;
      const bool throughStatement = SameText(sent.procedure, "sp_executesql");
      const RpcCall call = throughStatement ? CallFromStatement(sent, statusName) : sent;
      {
        std::lock_guard lock(mutex_);
        calls_.push_back(call);
      }
      if (behaviour_ == Behaviour::SilentOnCall) return;
      if (behaviour_ == Behaviour::CloseOnCall) {
        close = true;
        return;
      }
      RpcReply reply = handler_(call);
      if (throughStatement) {
        // The statement hands the procedure's status back as an output.
        reply.outputs.insert(reply.outputs.begin(), {statusName, WireType::Int, std::int64_t{reply.returnStatus}});
        reply.returnStatus = 0;
      }
      SendMessage(fd, kReply, RpcReplyBytes(reply));
      return;
    }
    default: throw WireError("unexpected message type " + std::to_string(type));
  }
}

}  // namespace tdstest
