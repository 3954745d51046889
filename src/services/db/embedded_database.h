// Opening the embedded service's database file, creating it with its tables
// and seed data on first use.
#pragma once

#include <sqlite3.h>

#include <string>

#include "services/db/connection_string.h"

namespace services::db {

// The schema version a created database carries (PRAGMA user_version).
constexpr int kEmbeddedSchemaVersion = 1;

// Opens the database at `location`; a new (or empty) database gets the
// tables and the seed, with the dictionary's page addresses pointing into
// `pagesUrl`. Raises EDatabaseError with SQLite's message.
sqlite3* OpenEmbeddedDatabase(const EmbeddedLocation& location, const std::string& pagesUrl, int busyTimeoutSeconds);

// "file://" + the pages folder beside the executable, with a trailing "/".
std::string DemonstrationPagesUrl(const std::string& executableFolder);

}  // namespace services::db
