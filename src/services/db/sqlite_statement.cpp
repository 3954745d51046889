#include "services/db/sqlite_statement.h"

#include <cstring>

namespace services::db {

void RaiseSqliteError(sqlite3* db, const AnsiString& context) {
  const char* message = db != nullptr ? sqlite3_errmsg(db) : "out of memory";
  throw EDatabaseError(context + ": " + platform::Utf8ToAnsiString(message));
}

SqliteStatement::SqliteStatement(sqlite3* db, const char* sql, const char** tail) : db_(db) {
  if (sqlite3_prepare_v2(db, sql, -1, &statement_, tail) != SQLITE_OK) {
    sqlite3_finalize(statement_);
    statement_ = nullptr;
    RaiseSqliteError(db, "Statement failed");
  }
}

SqliteStatement::~SqliteStatement() { sqlite3_finalize(statement_); }

void SqliteStatement::Bind(const char* name, const Value& value) {
  const int index = sqlite3_bind_parameter_index(statement_, name);
  if (index == 0) return;
  int result = SQLITE_OK;
  switch (value.GetKind()) {
    case Value::Kind::Null: result = sqlite3_bind_null(statement_, index); break;
    case Value::Kind::Integer: result = sqlite3_bind_int64(statement_, index, value.AsInteger()); break;
    case Value::Kind::Float: result = sqlite3_bind_double(statement_, index, value.AsFloat()); break;
    case Value::Kind::DateTime:
    case Value::Kind::Text: {
      const std::string text = platform::AnsiToUtf8String(value.AsString());
      result = sqlite3_bind_text(statement_, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
      break;
    }
  }
  if (result != SQLITE_OK) RaiseSqliteError(db_, "Binding failed");
}

void SqliteStatement::BindUtf8(const char* name, const std::string& text) {
  const int index = sqlite3_bind_parameter_index(statement_, name);
  if (index == 0) return;
  if (sqlite3_bind_text(statement_, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT) !=
      SQLITE_OK) {
    RaiseSqliteError(db_, "Binding failed");
  }
}

bool SqliteStatement::Step() {
  const int result = sqlite3_step(statement_);
  if (result == SQLITE_ROW) return true;
  if (result == SQLITE_DONE) return false;
  RaiseSqliteError(db_, "Statement failed");
}

void SqliteStatement::Run() {
  while (Step()) {
  }
}

int SqliteStatement::ColumnCount() const { return sqlite3_column_count(statement_); }

AnsiString SqliteStatement::ColumnName(int index) const {
  const char* name = sqlite3_column_name(statement_, index);
  return platform::Utf8ToAnsiString(name != nullptr ? name : "");
}

DataType SqliteStatement::ColumnType(int index) const {
  const char* declared = sqlite3_column_decltype(statement_, index);
  if (declared == nullptr) return DataType::Unknown;
  AnsiString name = declared;
  const std::size_t bracket = name.find('(');
  if (bracket != AnsiString::npos) name.resize(bracket);
  return DataTypeFromSqlName(Trim(name));
}

Value SqliteStatement::ColumnValue(int index) const {
  switch (sqlite3_column_type(statement_, index)) {
    case SQLITE_INTEGER: return Value::Integer(sqlite3_column_int64(statement_, index));
    case SQLITE_FLOAT: return Value::Float(sqlite3_column_double(statement_, index));
    case SQLITE_TEXT: {
      const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement_, index));
      const int bytes = sqlite3_column_bytes(statement_, index);
      return Value::Text(platform::Utf8ToAnsiString(std::string_view(text, static_cast<std::size_t>(bytes))));
    }
    case SQLITE_BLOB: {
      const auto* data = static_cast<const char*>(sqlite3_column_blob(statement_, index));
      const int bytes = sqlite3_column_bytes(statement_, index);
      return Value::Text(AnsiString(data != nullptr ? data : "", static_cast<std::size_t>(bytes)));
    }
    default: return Value();
  }
}

}  // namespace services::db
