// Connection strings ("Provider=SQLOLEDB.1;Password=...;Data Source=...") and
// what the client layer reads from them: the credentials, the catalog, and the
// data source that chooses between the TDS backend and the embedded service.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/base/strings.h"

namespace services::db {

// The "key=value" pairs in order of appearance. Pairs are separated by ";";
// blanks around keys and unquoted values are dropped; a value may be enclosed
// in double or single quotes (the quote doubled inside stands for itself), so
// that it can hold ";". Empty segments are skipped. Raises EDatabaseError for
// a segment without "=" or an unterminated quote.
std::vector<std::pair<AnsiString, AnsiString>> SplitConnectionString(const AnsiString& text);

struct ConnectionSettings {
  AnsiString provider;
  AnsiString password;
  AnsiString userId;
  AnsiString initialCatalog;
  AnsiString dataSource;
};

// The settings of a connection string; keys are matched without regard to
// case, and a key given twice takes its last value. Raises EDatabaseError for
// a malformed string and for a provider other than SQLOLEDB.
ConnectionSettings ReadConnectionSettings(const AnsiString& text);

enum class BackendKind { Tds, Embedded };

// A data source that names a database file (ending in ".db", or a "file:"
// address) is served by the embedded service; anything else is a server
// reached over TDS ("host", "host,port" or "host\instance").
BackendKind ChooseBackend(const AnsiString& dataSource);

// The server name FreeTDS is given: "host,port" becomes "host:port", and the
// local server's names ("", ".", "(local)") become "localhost".
std::string TdsServerName(const AnsiString& dataSource);

// Where the embedded service's database lives: a plain path or a "file:"
// address, relative ones taken from `baseFolder` (the executable's folder,
// with its trailing "/"). `isUri` tells SQLite how to read the result.
struct EmbeddedLocation {
  std::string location;
  bool isUri = false;
  bool inMemory = false;
  std::string filePath;  // the file to test for existence; empty in memory
};
EmbeddedLocation ResolveEmbeddedLocation(const AnsiString& dataSource, const std::string& baseFolder);

}  // namespace services::db
