// The backends behind a connection: one open session with a service
// database, over TDS or with the embedded service.
#pragma once

#include <memory>
#include <vector>

#include "services/db/connection_string.h"
#include "services/db/parameters.h"

namespace services::db {

struct Column {
  AnsiString name;
  DataType type = DataType::Unknown;
};

// A result set held whole in memory, as a client-side cursor keeps it.
struct ResultSet {
  std::vector<Column> columns;
  std::vector<std::vector<Value>> rows;
};

class Session {
 public:
  virtual ~Session() = default;

  // The procedure's parameters as the server's catalog describes them, the
  // return value first. Empty when the server has no such procedure.
  virtual std::vector<Parameter> DescribeProcedure(const AnsiString& procedureName, int commandTimeout) = 0;

  // Runs the procedure with the parameters' values, stores what output
  // parameters and the return status bring back into `parameters`, and
  // answers the first result set. Raises EDatabaseError with the server's
  // message when the call fails, and when the procedure gives no result set.
  virtual ResultSet ExecuteProcedure(const AnsiString& procedureName, Parameters& parameters,
                                     int commandTimeout) = 0;
};

// Both open or raise EDatabaseError with the provider's message.
std::unique_ptr<Session> OpenTdsSession(const ConnectionSettings& settings, int connectTimeout);
std::unique_ptr<Session> OpenEmbeddedSession(const ConnectionSettings& settings, int connectTimeout);

}  // namespace services::db
