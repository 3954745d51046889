#include "services/db/embedded_database.h"

#include "services/db/embedded_sql.h"
#include "services/db/sqlite_statement.h"

namespace services::db {

namespace {

// Runs every statement of `script`, binding ":PagesUrl" where it appears.
void RunScript(sqlite3* db, const char* script, const std::string& pagesUrl) {
  const char* rest = script;
  while (rest != nullptr && *rest != '\0') {
    const char* tail = nullptr;
    SqliteStatement statement(db, rest, &tail);
    if (statement.Prepared()) {
      statement.BindUtf8(":PagesUrl", pagesUrl);
      statement.Run();
    }
    rest = tail;
  }
}

int QueryInteger(sqlite3* db, const char* sql) {
  SqliteStatement statement(db, sql);
  return statement.Step() ? static_cast<int>(statement.ColumnValue(0).AsInteger()) : 0;
}

void Execute(sqlite3* db, const char* sql) { SqliteStatement(db, sql).Run(); }

// A database without tables is new (or was left empty by a creation that
// failed half-way, which its transaction rolled back): give it the schema.
void CreateWhenEmpty(sqlite3* db, const std::string& pagesUrl) {
  Execute(db, "BEGIN IMMEDIATE");
  try {
    if (QueryInteger(db, "SELECT count(*) FROM sqlite_master") == 0) {
      RunScript(db, kEmbeddedSchemaSql, pagesUrl);
      RunScript(db, kEmbeddedSeedSql, pagesUrl);
      Execute(db, ("PRAGMA user_version = " + std::to_string(kEmbeddedSchemaVersion)).c_str());
    }
    Execute(db, "COMMIT");
  } catch (...) {
    sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    throw;
  }
}

}  // namespace

sqlite3* OpenEmbeddedDatabase(const EmbeddedLocation& location, const std::string& pagesUrl, int busyTimeoutSeconds) {
  sqlite3* db = nullptr;
  int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX;
  if (location.isUri) flags |= SQLITE_OPEN_URI;
  if (sqlite3_open_v2(location.location.c_str(), &db, flags, nullptr) != SQLITE_OK) {
    const AnsiString message = db != nullptr ? platform::Utf8ToAnsiString(sqlite3_errmsg(db)) : "out of memory";
    sqlite3_close(db);
    throw EDatabaseError("Cannot open the database " + platform::Utf8ToAnsiString(location.location) + ": " +
                         message);
  }
  try {
    sqlite3_extended_result_codes(db, 1);
    sqlite3_busy_timeout(db, busyTimeoutSeconds > 0 ? busyTimeoutSeconds * 1000 : 0x7FFFFFFF);
    Execute(db, "PRAGMA foreign_keys = ON");
    CreateWhenEmpty(db, pagesUrl);
    if (QueryInteger(db, "PRAGMA user_version") != kEmbeddedSchemaVersion) {
      throw EDatabaseError("The database " + platform::Utf8ToAnsiString(location.location) +
                           " is not a service database of this version");
    }
  } catch (...) {
    sqlite3_close(db);
    throw;
  }
  return db;
}

std::string DemonstrationPagesUrl(const std::string& executableFolder) {
  std::string url = "file://";
  for (const char c : executableFolder + "pages/") {
    const auto byte = static_cast<unsigned char>(c);
    const bool plain = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') || (byte >= '0' && byte <= '9') ||
                       c == '/' || c == '-' || c == '_' || c == '.' || c == '~';
    if (plain) {
      url += c;
    } else {
      static constexpr char kDigits[] = "0123456789ABCDEF";
      url += '%';
      url += kDigits[byte >> 4];
      url += kDigits[byte & 0x0F];
    }
  }
  return url;
}

}  // namespace services::db
