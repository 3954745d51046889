// A stored-procedure call on a connection: the command text (the procedure
// name, verbatim), the parameter list refreshed from the server, and after
// Open the first result set with a current row, starting on the first.
#pragma once

#include <vector>

#include "services/db/parameters.h"
#include "services/db/session.h"

namespace services::db {

class Connection;
class StoredProc;

// One column of the open result set, read at the procedure's current row.
class Field {
 public:
  Field(const StoredProc& owner, int index) : owner_(&owner), index_(index) {}

  const AnsiString& FieldName() const;
  DataType Type() const;
  int Index() const { return index_; }
  // NULL, and any read while there is no current row, count as NULL.
  bool IsNull() const;
  const Value& GetValue() const;
  // NULL and no row give the empty text; a bit column reads "True" or "False".
  AnsiString AsString() const;
  // Raises EDatabaseError for NULL or text that is not a whole number.
  std::int64_t AsInteger() const;

 private:
  const StoredProc* owner_;
  int index_;
};

class StoredProc {
 public:
  explicit StoredProc(Connection* connection = nullptr);
  StoredProc(const StoredProc&) = delete;
  StoredProc& operator=(const StoredProc&) = delete;

  Connection* GetConnection() const { return connection_; }
  // Closes the procedure first: a result belongs to the connection it came from.
  void SetConnection(Connection* connection);

  const AnsiString& ProcedureName() const { return procedureName_; }
  // The command text, kept verbatim. Raises EDatabaseError while open.
  void SetProcedureName(const AnsiString& name);

  Parameters& GetParameters() { return parameters_; }
  const Parameters& GetParameters() const { return parameters_; }
  Parameter& ParamByName(const AnsiString& name) { return parameters_.ParamByName(name); }

  // Asks the server for the procedure's parameters and replaces the list
  // (values set before are dropped). One request on every call.
  void RefreshParameters();

  // Executes the procedure and keeps its first result set, on the first row;
  // output parameters are readable afterwards. No effect when already open.
  void Open();
  // Discards the result set; no effect when closed.
  void Close();
  bool Active() const { return active_; }

  // Rows of the result set; raises EDatabaseError when closed.
  int RecordCount() const;
  // Navigation as a data set has it: Bof right after opening or First, Eof
  // after Next on the last row (which stays current); both on no rows.
  bool Eof() const;
  bool Bof() const;
  void First();
  void Next();

  // Columns of the open result set; none while closed.
  int FieldCount() const { return static_cast<int>(fields_.size()); }
  // Raises EDatabaseError for an index out of range.
  const Field& Fields(int index) const;
  const Field* FindField(const AnsiString& name) const;
  // Raises EDatabaseError "Field '<name>' not found" when absent.
  const Field& FieldByName(const AnsiString& name) const;

 private:
  friend class Field;
  void CheckActive() const;
  Session& ActiveSession() const;

  Connection* connection_;
  AnsiString procedureName_;
  Parameters parameters_;
  ResultSet result_;
  std::vector<Field> fields_;
  bool active_ = false;
  int row_ = 0;
  bool atStart_ = true;
  bool atEnd_ = false;
};

}  // namespace services::db
