#include "services/db/tds_statement.h"

#include "services/db/tds_dblib.h"

namespace services::db {

namespace {

bool IsEmptyValue(const RpcArgument& argument) { return !argument.isNull && argument.data.empty(); }

// The declared type of an argument in the statement's parameter list.
const char* SqlTypeFor(int tdsType) {
  switch (tdsType) {
    case SYBBIT: return "bit";
    case SYBINT1: return "tinyint";
    case SYBINT2: return "smallint";
    case SYBINT4: return "int";
    case SYBINT8: return "bigint";
    case SYBFLT8: return "float";
    case SYBDATETIME: return "datetime";
    case SYBVARBINARY: return "varbinary(max)";
    default: return "nvarchar(max)";
  }
}

const char* EmptyLiteralFor(int tdsType) { return tdsType == SYBVARBINARY ? "0x" : "N''"; }

// A name part in brackets, a closing bracket doubled.
std::string Bracketed(const AnsiString& part) {
  std::string out = "[";
  for (const char c : platform::AnsiToUtf8String(part)) {
    out += c;
    if (c == ']') out += ']';
  }
  return out + "]";
}

std::string QuotedName(const ProcedureName& procedure) {
  std::string out;
  if (!procedure.catalog.empty()) out += Bracketed(procedure.catalog) + ".";
  if (!procedure.schema.empty()) out += Bracketed(procedure.schema) + ".";
  return out + Bracketed(procedure.name);
}

RpcArgument TextOfStatement(const char* name, const std::string& utf8) {
  RpcArgument argument;
  argument.name = name;
  argument.tdsType = SYBVARCHAR;
  argument.data.assign(utf8.begin(), utf8.end());
  return argument;
}

}  // namespace

bool NeedsStatement(const std::vector<RpcArgument>& arguments) {
  for (const RpcArgument& argument : arguments) {
    if (IsEmptyValue(argument)) return true;
  }
  return false;
}

std::vector<RpcArgument> StatementArguments(const ProcedureName& procedure, const std::vector<RpcArgument>& arguments) {
  std::string presets;
  std::string call = std::string("EXEC ") + kStatementReturnStatus + " = " + QuotedName(procedure);
  std::string declarations = std::string(kStatementReturnStatus) + " int OUTPUT";
  std::vector<RpcArgument> values;
  RpcArgument status;
  status.name = kStatementReturnStatus;
  status.output = true;
  status.tdsType = SYBINT4;
  status.isNull = true;
  values.push_back(status);

  bool first = true;
  for (const RpcArgument& argument : arguments) {
    call += (first ? " " : ", ") + argument.name + " = ";
    first = false;
    if (IsEmptyValue(argument) && !argument.output) {
      call += EmptyLiteralFor(argument.tdsType);
      continue;
    }
    call += argument.name + (argument.output ? " OUTPUT" : "");
    declarations += ", " + argument.name + " " + SqlTypeFor(argument.tdsType) + (argument.output ? " OUTPUT" : "");
    // An empty output value travels as NULL and the statement sets it first.
    if (IsEmptyValue(argument)) presets += "SET " + argument.name + " = " + EmptyLiteralFor(argument.tdsType) + "; ";
    values.push_back(argument);
  }

  std::vector<RpcArgument> statement;
  statement.push_back(TextOfStatement("@stmt", presets + call));
  statement.push_back(TextOfStatement("@params", declarations));
  statement.insert(statement.end(), values.begin(), values.end());
  return statement;
}

}  // namespace services::db
