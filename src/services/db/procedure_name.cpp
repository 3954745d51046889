#include "services/db/procedure_name.h"

#include <vector>

#include "platform/base/sysutils.h"
#include "services/db/value.h"

namespace services::db {

namespace {

[[noreturn]] void RaiseBadName(const AnsiString& text) {
  throw EDatabaseError("Invalid procedure name '" + text + "'");
}

// One part starting at text[pos]; leaves pos on the "." after it or at the end.
AnsiString ReadPart(const AnsiString& text, std::size_t& pos) {
  AnsiString part;
  const char open = text[pos];
  if (open == '[' || open == '"') {
    const char close = open == '[' ? ']' : '"';
    ++pos;
    while (true) {
      if (pos >= text.size()) RaiseBadName(text);
      const char c = text[pos++];
      if (c != close) {
        part += c;
      } else if (pos < text.size() && text[pos] == close) {
        part += close;
        ++pos;
      } else {
        break;
      }
    }
  } else {
    while (pos < text.size() && text[pos] != '.') part += text[pos++];
    part = Trim(part);
  }
  if (part.empty() || (pos < text.size() && text[pos] != '.')) RaiseBadName(text);
  return part;
}

}  // namespace

ProcedureName ParseProcedureName(const AnsiString& text) {
  const AnsiString trimmed = Trim(text);
  std::vector<AnsiString> parts;
  std::size_t pos = 0;
  while (true) {
    if (pos >= trimmed.size()) RaiseBadName(text);
    parts.push_back(ReadPart(trimmed, pos));
    if (pos >= trimmed.size()) break;
    ++pos;  // the "."
  }
  if (parts.size() > 3) RaiseBadName(text);
  ProcedureName name;
  name.name = parts.back();
  if (parts.size() >= 2) name.schema = parts[parts.size() - 2];
  if (parts.size() == 3) name.catalog = parts[0];
  return name;
}

}  // namespace services::db
