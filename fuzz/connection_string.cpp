// Feeds arbitrary text to the database client layer's text parsers: the
// connection string with its data source, and procedure names. Each must
// answer or raise EDatabaseError.
#include <cstdint>
#include <string>

#include "services/db/connection_string.h"
#include "services/db/procedure_name.h"
#include "services/db/value.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const AnsiString text(reinterpret_cast<const char*>(data), size);
  try {
    const services::db::ConnectionSettings settings = services::db::ReadConnectionSettings(text);
    if (services::db::ChooseBackend(settings.dataSource) == services::db::BackendKind::Tds) {
      services::db::TdsServerName(settings.dataSource);
    } else {
      services::db::ResolveEmbeddedLocation(settings.dataSource, "/opt/brellis/");
    }
  } catch (const services::db::EDatabaseError&) {
  }
  try {
    services::db::ParseProcedureName(text);
  } catch (const services::db::EDatabaseError&) {
  }
  return 0;
}
