#include "services/db/connection_string.h"

#include "platform/base/sysutils.h"
#include "services/db/value.h"

namespace services::db {

namespace {

[[noreturn]] void RaiseFormat(const AnsiString& detail) {
  throw EDatabaseError("Malformed connection string (" + detail + ")");
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && SameText(text.substr(0, prefix.size()), prefix);
}

bool EndsWithNoCase(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && SameText(text.substr(text.size() - suffix.size()), suffix);
}

// Reads a quoted value starting at text[pos] (the quote); answers the value
// and leaves pos after the closing quote.
AnsiString ReadQuoted(const AnsiString& text, std::size_t& pos) {
  const char quote = text[pos++];
  AnsiString value;
  while (true) {
    if (pos >= text.size()) RaiseFormat("unterminated quote");
    const char c = text[pos++];
    if (c != quote) {
      value += c;
    } else if (pos < text.size() && text[pos] == quote) {
      value += quote;
      ++pos;
    } else {
      return value;
    }
  }
}

// A folder name made safe inside a "file:" address.
std::string EscapeForUri(const std::string& path) {
  std::string out;
  for (const char c : path) {
    if (c == '%' || c == '?' || c == '#') out += "%" + IntToHex(static_cast<unsigned char>(c), 2);
    else out += c;
  }
  return out;
}

// The file name a "file:" address's path stands for.
std::string UnescapeUriPath(const std::string& path) {
  std::string out;
  for (std::size_t i = 0; i < path.size(); ++i) {
    int value = 0;
    if (path[i] == '%' && i + 2 < path.size() && TryStrToInt("$" + path.substr(i + 1, 2), value) && value > 0) {
      out += static_cast<char>(value);
      i += 2;
    } else {
      out += path[i];
    }
  }
  return out;
}

}  // namespace

std::vector<std::pair<AnsiString, AnsiString>> SplitConnectionString(const AnsiString& text) {
  std::vector<std::pair<AnsiString, AnsiString>> pairs;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t end = text.find(';', pos);
    const std::size_t equals = text.find('=', pos);
    if (Trim(std::string_view(text).substr(pos, end == AnsiString::npos ? AnsiString::npos : end - pos)).empty()) {
      pos = end == AnsiString::npos ? text.size() : end + 1;
      continue;
    }
    if (equals == AnsiString::npos || (end != AnsiString::npos && equals > end)) {
      RaiseFormat("no '=' in '" + text.substr(pos, end == AnsiString::npos ? AnsiString::npos : end - pos) + "'");
    }
    const AnsiString key = Trim(std::string_view(text).substr(pos, equals - pos));
    if (key.empty()) RaiseFormat("a value without a key");
    pos = equals + 1;
    while (pos < text.size() && text[pos] == ' ') ++pos;
    AnsiString value;
    if (pos < text.size() && (text[pos] == '"' || text[pos] == '\'')) {
      value = ReadQuoted(text, pos);
      while (pos < text.size() && text[pos] == ' ') ++pos;
      if (pos < text.size() && text[pos] != ';') RaiseFormat("text after the quoted value of '" + key + "'");
    } else {
      const std::size_t valueEnd = text.find(';', pos);
      value = Trim(std::string_view(text).substr(pos, valueEnd == AnsiString::npos ? AnsiString::npos : valueEnd - pos));
      pos = valueEnd == AnsiString::npos ? text.size() : valueEnd;
    }
    pairs.emplace_back(key, value);
    if (pos < text.size()) ++pos;  // the ';'
  }
  return pairs;
}

ConnectionSettings ReadConnectionSettings(const AnsiString& text) {
  ConnectionSettings settings;
  for (const auto& [key, value] : SplitConnectionString(text)) {
    if (SameText(key, "Provider")) settings.provider = value;
    else if (SameText(key, "Password") || SameText(key, "PWD")) settings.password = value;
    else if (SameText(key, "User ID") || SameText(key, "UID")) settings.userId = value;
    else if (SameText(key, "Initial Catalog") || SameText(key, "Database")) settings.initialCatalog = value;
    else if (SameText(key, "Data Source") || SameText(key, "Server")) settings.dataSource = value;
  }
  if (!settings.provider.empty() && !StartsWithNoCase(settings.provider, "SQLOLEDB")) {
    throw EDatabaseError("Provider cannot be found. It may not be properly installed. (" + settings.provider + ")");
  }
  return settings;
}

BackendKind ChooseBackend(const AnsiString& dataSource) {
  const AnsiString source = Trim(dataSource);
  if (StartsWithNoCase(source, "file:") || EndsWithNoCase(source, ".db")) return BackendKind::Embedded;
  return BackendKind::Tds;
}

std::string TdsServerName(const AnsiString& dataSource) {
  AnsiString server = Trim(dataSource);
  const std::size_t comma = server.find(',');
  AnsiString port;
  if (comma != AnsiString::npos) {
    port = Trim(std::string_view(server).substr(comma + 1));
    server = Trim(std::string_view(server).substr(0, comma));
  }
  if (server.empty() || server == "." || SameText(server, "(local)")) server = "localhost";
  if (!port.empty()) server += ":" + port;
  return platform::AnsiToUtf8String(server);
}

EmbeddedLocation ResolveEmbeddedLocation(const AnsiString& dataSource, const std::string& baseFolder) {
  const std::string source = platform::AnsiToUtf8String(Trim(dataSource));
  EmbeddedLocation result;
  if (!StartsWithNoCase(source, "file:")) {
    result.filePath = !source.empty() && source.front() == '/' ? source : baseFolder + source;
    result.location = result.filePath;
    return result;
  }
  // A "file:" address: "file:name.db", "file:/abs/name.db", "file:///abs/name.db",
  // each with an optional "?query". Only the path part is made absolute.
  result.isUri = true;
  std::string rest = source.substr(5);
  const std::size_t query = rest.find('?');
  const std::string options = query == std::string::npos ? std::string() : rest.substr(query);
  std::string path = query == std::string::npos ? rest : rest.substr(0, query);
  if (path.rfind("//", 0) == 0) {
    const std::size_t slash = path.find('/', 2);
    const std::string authority = path.substr(2, slash == std::string::npos ? std::string::npos : slash - 2);
    if (!authority.empty() && !SameText(authority, "localhost")) {
      throw EDatabaseError("The database address names another host: " + platform::Utf8ToAnsiString(source));
    }
    path = slash == std::string::npos ? std::string() : path.substr(slash);
  }
  result.inMemory = path == ":memory:" || options.find("mode=memory") != std::string::npos;
  if (!result.inMemory && (path.empty() || path.front() != '/')) path = EscapeForUri(baseFolder) + path;
  if (!result.inMemory) result.filePath = UnescapeUriPath(path);
  result.location = "file:" + path + options;
  return result;
}

}  // namespace services::db
