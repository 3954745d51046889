// The embedded service's schema and seed (sql/embedded/), built into the
// program as UTF-8 text.
#pragma once

namespace services::db {

extern const char kEmbeddedSchemaSql[];
extern const char kEmbeddedSeedSql[];

}  // namespace services::db
