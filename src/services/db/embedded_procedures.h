// The procedures of the embedded service, run over its tables with bound
// statements only. They keep the contract of the same procedures on SQL
// Server (sql/sqlserver/).
#pragma once

#include <sqlite3.h>

#include <map>

#include "services/db/session.h"

namespace services::db {

// One call: the arguments by upper-case parameter name, already converted to
// the catalog's types; the body fills the outputs, the return status and the
// result set.
struct ProcedureCall {
  sqlite3* db = nullptr;
  std::map<AnsiString, Value> arguments;
  std::map<AnsiString, Value> outputs;
  int returnStatus = 0;
  ResultSet result;

  const Value& Argument(const AnsiString& name) const;
  void SetOutput(const AnsiString& name, const Value& value);
};

struct ProcedureBody {
  void (*run)(ProcedureCall& call) = nullptr;
  // Bodies that write take the database's write lock when they start, so
  // that two writers wait for each other instead of failing half-way.
  bool writes = false;
};

// The body of the catalog's procedure `name`; `run` is null when the service
// has none.
ProcedureBody FindProcedureBody(const AnsiString& name);

}  // namespace services::db
