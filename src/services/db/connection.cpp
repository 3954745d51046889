#include "services/db/connection.h"

#include "services/db/session.h"

namespace services::db {

Connection::Connection() = default;
Connection::~Connection() = default;

void Connection::SetConnectionString(const AnsiString& text) {
  if (Connected()) throw EDatabaseError("Operation is not allowed when the connection is open");
  connectionString_ = text;
}

void Connection::Open() {
  if (Connected()) return;
  const ConnectionSettings settings = ReadConnectionSettings(connectionString_);
  if (ChooseBackend(settings.dataSource) == BackendKind::Embedded) {
    session_ = OpenEmbeddedSession(settings, connectionTimeout_);
  } else {
    session_ = OpenTdsSession(settings, connectionTimeout_);
  }
}

void Connection::Close() { session_.reset(); }

Session& Connection::ActiveSession() {
  if (!session_) throw EDatabaseError("Operation is not allowed when the connection is closed");
  return *session_;
}

}  // namespace services::db
