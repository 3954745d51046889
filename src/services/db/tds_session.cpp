// The TDS backend: a SQL Server reached with FreeTDS db-lib. Parameter lists
// come from the server's catalog procedure sp_sproc_columns; procedures run
// as remote procedure calls (dbrpcinit, dbrpcparam, dbrpcsend, dbsqlok,
// dbresults, dbnextrow) and hand back output parameters (dbnumrets,
// dbretdata) and their return status (dbretstatus). A call that passes an
// empty value runs through sp_executesql instead (see tds_statement.h).
#include <optional>

#include "platform/base/sysutils.h"
#include "services/db/procedure_name.h"
#include "services/db/session.h"
#include "services/db/tds_messages.h"
#include "services/db/tds_statement.h"
#include "services/db/tds_values.h"
#include "services/db/tds_dblib.h"

namespace services::db {

namespace {

// What one remote procedure call brought back.
struct RpcOutcome {
  bool hasResult = false;
  ResultSet result;
  std::vector<std::pair<std::string, Value>> outputs;  // UTF-8 names with "@"
  std::optional<int> returnStatus;
};

// ODBC's kinds of procedure columns, as sp_sproc_columns reports them.
constexpr int kParamInput = 1;
constexpr int kParamInputOutput = 2;
constexpr int kParamOutput = 4;
constexpr int kReturnValue = 5;

struct LoginDeleter {
  void operator()(LOGINREC* login) const { dbloginfree(login); }
};

class TdsSession final : public Session {
 public:
  explicit TdsSession(DBPROCESS* dbproc) : dbproc_(dbproc) {}
  ~TdsSession() override { dbclose(dbproc_); }

  std::vector<Parameter> DescribeProcedure(const AnsiString& procedureName, int commandTimeout) override {
    const ProcedureName name = ParseProcedureName(procedureName);
    std::vector<RpcArgument> arguments;
    arguments.push_back(TextArgument("@procedure_name", name.name));
    if (!name.schema.empty()) arguments.push_back(TextArgument("@procedure_owner", name.schema));
    if (!name.catalog.empty()) arguments.push_back(TextArgument("@procedure_qualifier", name.catalog));
    arguments.push_back(IntegerArgument("@fUsePattern", SYBBIT, 0));
    arguments.push_back(IntegerArgument("@ODBCVer", SYBINT4, 3));
    const RpcOutcome outcome = Call("sp_sproc_columns", arguments, commandTimeout);
    return ParametersFromCatalog(outcome.result);
  }

  ResultSet ExecuteProcedure(const AnsiString& procedureName, Parameters& parameters, int commandTimeout) override {
    std::vector<RpcArgument> arguments;
    for (const Parameter& parameter : parameters) {
      if (parameter.Direction() != ParameterDirection::ReturnValue) {
        arguments.push_back(RpcArgumentFor(dbproc_, parameter));
      }
    }
    RpcOutcome outcome = NeedsStatement(arguments)
                             ? CallThroughStatement(ParseProcedureName(procedureName), arguments, commandTimeout)
                             : Call(platform::AnsiToUtf8String(procedureName), arguments, commandTimeout);
    for (Parameter& parameter : parameters) {
      if (parameter.Direction() == ParameterDirection::ReturnValue) {
        if (outcome.returnStatus) parameter.SetValue(Value::Integer(*outcome.returnStatus));
        continue;
      }
      if (!parameter.IsReturned()) continue;
      const std::string name = platform::AnsiToUtf8String(parameter.Name());
      for (const auto& [returnedName, value] : outcome.outputs) {
        if (SameText(returnedName, name)) parameter.SetValue(value);
      }
    }
    if (!outcome.hasResult) throw EDatabaseError("The procedure " + procedureName + " does not return a result set");
    return std::move(outcome.result);
  }

 private:
  RpcArgument TextArgument(const char* name, const AnsiString& value) const {
    Parameter parameter(name, DataType::WideString, ParameterDirection::Input, 0);
    parameter.SetText(value);
    return RpcArgumentFor(dbproc_, parameter);
  }

  RpcArgument IntegerArgument(const char* name, int tdsType, int value) const {
    Parameter parameter(name, tdsType == SYBBIT ? DataType::Boolean : DataType::Integer, ParameterDirection::Input, 0);
    parameter.SetInteger(value);
    return RpcArgumentFor(dbproc_, parameter);
  }

  RpcOutcome CallThroughStatement(const ProcedureName& procedure, const std::vector<RpcArgument>& arguments,
                                  int commandTimeout) {
    std::vector<RpcArgument> statement = StatementArguments(procedure, arguments);
    RpcOutcome outcome = Call("sp_executesql", statement, commandTimeout);
    // The procedure's status is the statement's output, not sp_executesql's own.
    outcome.returnStatus.reset();
    for (auto item = outcome.outputs.begin(); item != outcome.outputs.end(); ++item) {
      if (!SameText(item->first, kStatementReturnStatus)) continue;
      if (!item->second.IsNull()) outcome.returnStatus = static_cast<int>(item->second.AsInteger());
      outcome.outputs.erase(item);
      break;
    }
    return outcome;
  }

  RpcOutcome Call(const std::string& name, std::vector<RpcArgument>& arguments, int commandTimeout) {
    if (dbdead(dbproc_)) throw EDatabaseError("The connection to the server is lost");
    TdsMessageScope scope(TdsMessageScope::Phase::Command);
    dbsettime(commandTimeout);
    try {
      Send(scope, name, arguments);
      return Receive(scope);
    } catch (...) {
      // Leave the connection ready for the next call, or closed when the
      // failure ended it.
      if (!dbdead(dbproc_)) dbcancel(dbproc_);
      throw;
    }
  }

  void Send(const TdsMessageScope& scope, const std::string& name, std::vector<RpcArgument>& arguments) {
    if (dbrpcinit(dbproc_, name.c_str(), 0) == FAIL) scope.Raise("The procedure call could not be started");
    for (RpcArgument& argument : arguments) {
      const BYTE status = argument.output ? DBRPCRETURN : 0;
      // db-lib sends an argument of no bytes as NULL; a call with empty
      // values comes here as a statement that writes them as literals.
      BYTE* data = argument.isNull || argument.data.empty() ? nullptr : argument.data.data();
      const DBINT length = argument.isNull ? 0 : static_cast<DBINT>(argument.data.size());
      if (dbrpcparam(dbproc_, argument.name.c_str(), status, argument.tdsType, argument.maxLength,
                     IsFixedLength(argument.tdsType) && !argument.isNull ? -1 : length, data) == FAIL) {
        scope.Raise("The parameter " + argument.name + " could not be passed");
      }
    }
    if (dbrpcsend(dbproc_) == FAIL) scope.Raise("The procedure call could not be sent");
    if (dbsqlok(dbproc_) == FAIL) scope.Raise("The procedure call failed");
  }

  RpcOutcome Receive(const TdsMessageScope& scope) {
    RpcOutcome outcome;
    RETCODE status;
    while ((status = dbresults(dbproc_)) != NO_MORE_RESULTS) {
      if (status == FAIL) scope.Raise("The procedure call failed");
      if (dbnumcols(dbproc_) <= 0) continue;
      if (!outcome.hasResult) {
        outcome.hasResult = true;
        ReadColumns(outcome.result);
        ReadRows(scope, &outcome.result);
      } else {
        ReadRows(scope, nullptr);  // later result sets are read past
      }
    }
    for (int i = 1; i <= dbnumrets(dbproc_); ++i) {
      const char* name = dbretname(dbproc_, i);
      outcome.outputs.emplace_back(name != nullptr ? name : "",
                                   ValueFromTds(dbproc_, dbrettype(dbproc_, i), dbretdata(dbproc_, i), dbretlen(dbproc_, i)));
    }
    if (dbhasretstat(dbproc_)) outcome.returnStatus = dbretstatus(dbproc_);
    return outcome;
  }

  void ReadColumns(ResultSet& result) const {
    for (int column = 1; column <= dbnumcols(dbproc_); ++column) {
      const char* name = dbcolname(dbproc_, column);
      result.columns.push_back(
          {platform::Utf8ToAnsiString(name != nullptr ? name : ""), DataTypeFromTds(dbcoltype(dbproc_, column))});
    }
  }

  void ReadRows(const TdsMessageScope& scope, ResultSet* result) const {
    STATUS row;
    while ((row = dbnextrow(dbproc_)) != NO_MORE_ROWS) {
      if (row == FAIL) scope.Raise("Reading the result failed");
      if (row != REG_ROW || result == nullptr) continue;
      std::vector<Value> values;
      for (int column = 1; column <= dbnumcols(dbproc_); ++column) {
        values.push_back(ValueFromTds(dbproc_, dbcoltype(dbproc_, column), dbdata(dbproc_, column),
                                      dbdatlen(dbproc_, column)));
      }
      result->rows.push_back(std::move(values));
    }
  }

  static bool IsFixedLength(int tdsType) {
    return tdsType != SYBVARCHAR && tdsType != SYBVARBINARY && tdsType != SYBCHAR && tdsType != SYBTEXT;
  }

  static int ColumnIndex(const ResultSet& result, const char* name) {
    for (std::size_t i = 0; i < result.columns.size(); ++i) {
      if (SameText(result.columns[i].name, name)) return static_cast<int>(i);
    }
    throw EDatabaseError(AnsiString("The server's parameter catalog lacks the column ") + name);
  }

  static std::vector<Parameter> ParametersFromCatalog(const ResultSet& catalog) {
    std::vector<Parameter> parameters;
    if (catalog.rows.empty()) return parameters;
    const int owner = ColumnIndex(catalog, "PROCEDURE_OWNER");
    const int name = ColumnIndex(catalog, "COLUMN_NAME");
    const int kind = ColumnIndex(catalog, "COLUMN_TYPE");
    const int typeName = ColumnIndex(catalog, "TYPE_NAME");
    const int precision = ColumnIndex(catalog, "PRECISION");
    const int length = ColumnIndex(catalog, "LENGTH");
    const int scale = ColumnIndex(catalog, "SCALE");
    const AnsiString firstOwner = catalog.rows.front()[static_cast<std::size_t>(owner)].AsString();
    for (const std::vector<Value>& row : catalog.rows) {
      auto cell = [&row](int index) -> const Value& { return row[static_cast<std::size_t>(index)]; };
      // Without a schema in the name the catalog may list namesakes of other owners.
      if (cell(owner).AsString() != firstOwner) continue;
      ParameterDirection direction;
      switch (cell(kind).IsNull() ? 0 : cell(kind).AsInteger()) {
        case kParamInput: direction = ParameterDirection::Input; break;
        case kParamInputOutput: direction = ParameterDirection::InputOutput; break;
        case kParamOutput: direction = ParameterDirection::Output; break;
        case kReturnValue: direction = ParameterDirection::ReturnValue; break;
        default: continue;  // result columns
      }
      AnsiString type = cell(typeName).AsString();
      const std::size_t blank = type.find(' ');  // "int identity"
      if (blank != AnsiString::npos) type.resize(blank);
      const DataType dataType = DataTypeFromSqlName(type);
      auto number = [&cell](int index) { return cell(index).IsNull() ? 0 : static_cast<int>(cell(index).AsInteger()); };
      const int size = IsTextType(dataType) ? number(precision) : dataType == DataType::Bytes ? number(length) : 0;
      parameters.emplace_back(cell(name).AsString(), dataType, direction, size, number(precision), number(scale));
    }
    return parameters;
  }

  DBPROCESS* dbproc_;
};

}  // namespace

std::unique_ptr<Session> OpenTdsSession(const ConnectionSettings& settings, int connectTimeout) {
  InitialiseDbLib();
  TdsMessageScope scope(TdsMessageScope::Phase::Login);
  std::unique_ptr<LOGINREC, LoginDeleter> login(dblogin());
  if (!login) scope.Raise("The TDS login record could not be made");
  const std::string user = platform::AnsiToUtf8String(settings.userId);
  const std::string password = platform::AnsiToUtf8String(settings.password);
  const std::string catalog = platform::AnsiToUtf8String(settings.initialCatalog);
  bool set = DBSETLUSER(login.get(), user.c_str()) != FAIL && DBSETLPWD(login.get(), password.c_str()) != FAIL &&
             DBSETLAPP(login.get(), "Brellis") != FAIL && DBSETLCHARSET(login.get(), "UTF-8") != FAIL &&
             DBSETLVERSION(login.get(), DBVERSION_74) != FAIL;
  if (set && !catalog.empty()) set = DBSETLDBNAME(login.get(), catalog.c_str()) != FAIL;
  if (!set) scope.Raise("The login values could not be set");
  // Without an explicit protocol version ("tds version = auto") a silent
  // server keeps dbopen waiting past the login timeout.
  dbsetlogintime(connectTimeout);
  const std::string server = TdsServerName(settings.dataSource);
  DBPROCESS* dbproc = dbopen(login.get(), server.c_str());
  if (dbproc == nullptr) scope.Raise("Unable to connect to " + server);
  return std::make_unique<TdsSession>(dbproc);
}

}  // namespace services::db
