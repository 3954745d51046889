// A prepared SQLite statement with values bound by name, for the embedded
// service. Text crosses as the program's 8-bit text and is stored as UTF-8.
#pragma once

#include <sqlite3.h>

#include "services/db/value.h"

namespace services::db {

// Raises EDatabaseError with SQLite's message for the connection.
[[noreturn]] void RaiseSqliteError(sqlite3* db, const AnsiString& context);

class SqliteStatement {
 public:
  // Prepares the first statement of `sql` (UTF-8); `tail`, when given,
  // receives the rest of the text.
  SqliteStatement(sqlite3* db, const char* sql, const char** tail = nullptr);
  ~SqliteStatement();
  SqliteStatement(const SqliteStatement&) = delete;
  SqliteStatement& operator=(const SqliteStatement&) = delete;

  // False for text that held only blanks and comments.
  bool Prepared() const { return statement_ != nullptr; }

  // Binds `value` to ":name" when the statement has that parameter.
  void Bind(const char* name, const Value& value);
  void BindUtf8(const char* name, const std::string& text);

  // Steps once; true while a row is available.
  bool Step();
  // Steps to the end, for statements that give no rows.
  void Run();

  int ColumnCount() const;
  AnsiString ColumnName(int index) const;
  DataType ColumnType(int index) const;
  Value ColumnValue(int index) const;

 private:
  sqlite3* db_;
  sqlite3_stmt* statement_ = nullptr;
};

}  // namespace services::db
