// The embedded service behind a connection: the catalog answers parameter
// refreshes, the procedures run inside one transaction per call.
#include <sqlite3.h>

#include "platform/base/sysutils.h"
#include "services/db/embedded_database.h"
#include "services/db/embedded_procedures.h"
#include "services/db/procedure_name.h"
#include "services/db/session.h"
#include "services/db/sqlite_statement.h"

namespace services::db {

namespace {

// The catalog's name of the procedure, or empty when the service has none.
// The schema, when given, must be the service's "dbo".
AnsiString ResolveProcedure(sqlite3* db, const AnsiString& commandText) {
  const ProcedureName name = ParseProcedureName(commandText);
  SqliteStatement lookup(db,
                         "SELECT vcName FROM Sys_Procedure WHERE vcName = :name "
                         "AND (:schema IS NULL OR vcSchema = :schema)");
  lookup.Bind(":name", Value::Text(name.name));
  lookup.Bind(":schema", name.schema.empty() ? Value() : Value::Text(name.schema));
  return lookup.Step() ? lookup.ColumnValue(0).AsString() : AnsiString();
}

std::vector<Parameter> ReadCatalog(sqlite3* db, const AnsiString& procedure) {
  SqliteStatement query(db,
                        "SELECT vcParamName, vcTypeName, nDirection, nSize, nPrecision, nScale FROM Sys_ProcParam "
                        "WHERE vcProcName = :name ORDER BY nOrdinal");
  query.Bind(":name", Value::Text(procedure));
  std::vector<Parameter> parameters;
  while (query.Step()) {
    const std::int64_t direction = query.ColumnValue(2).AsInteger();
    if (direction < 1 || direction > 4) throw EDatabaseError("The procedure catalog holds a bad direction");
    parameters.emplace_back(query.ColumnValue(0).AsString(), DataTypeFromSqlName(query.ColumnValue(1).AsString()),
                            static_cast<ParameterDirection>(direction),
                            static_cast<int>(query.ColumnValue(3).AsInteger()),
                            static_cast<int>(query.ColumnValue(4).AsInteger()),
                            static_cast<int>(query.ColumnValue(5).AsInteger()));
  }
  return parameters;
}

// A text argument is cut to the parameter's size, as SQL Server cuts what a
// procedure call passes; double-byte characters are not split.
Value FitToSize(const Value& value, const Parameter& declared) {
  if (value.GetKind() != Value::Kind::Text || !IsTextType(declared.Type()) || declared.Size() <= 0) return value;
  const AnsiString text = value.AsString();
  if (text.size() <= static_cast<std::size_t>(declared.Size())) return value;
  std::size_t cut = 0;
  while (cut < text.size()) {
    const std::size_t width = static_cast<unsigned char>(text[cut]) >= 0x81 ? 2 : 1;
    if (cut + width > static_cast<std::size_t>(declared.Size())) break;
    cut += width;
  }
  return Value::Text(text.substr(0, cut));
}

class EmbeddedSession final : public Session {
 public:
  explicit EmbeddedSession(sqlite3* db) : db_(db) {}
  ~EmbeddedSession() override { sqlite3_close(db_); }

  std::vector<Parameter> DescribeProcedure(const AnsiString& procedureName, int /*commandTimeout*/) override {
    const AnsiString procedure = ResolveProcedure(db_, procedureName);
    if (procedure.empty()) return {};
    return ReadCatalog(db_, procedure);
  }

  ResultSet ExecuteProcedure(const AnsiString& procedureName, Parameters& parameters, int commandTimeout) override {
    sqlite3_busy_timeout(db_, commandTimeout > 0 ? commandTimeout * 1000 : 0x7FFFFFFF);
    const AnsiString procedure = ResolveProcedure(db_, procedureName);
    const ProcedureBody body = procedure.empty() ? ProcedureBody() : FindProcedureBody(procedure);
    if (body.run == nullptr) throw EDatabaseError("Could not find stored procedure '" + procedureName + "'.");

    ProcedureCall call;
    call.db = db_;
    for (const Parameter& declared : ReadCatalog(db_, procedure)) {
      if (declared.Direction() == ParameterDirection::ReturnValue) continue;
      const Parameter* given = parameters.Find(declared.Name());
      if (given == nullptr) {
        throw EDatabaseError("Procedure or function '" + procedure + "' expects parameter '" + declared.Name() +
                             "', which was not supplied.");
      }
      const Value converted = ConvertToType(given->GetValue(), declared.Type(), "parameter '" + declared.Name() + "'");
      call.arguments[UpperCase(declared.Name())] = FitToSize(converted, declared);
    }

    RunInTransaction(body, call);

    for (Parameter& parameter : parameters) {
      if (parameter.Direction() == ParameterDirection::ReturnValue) {
        parameter.SetValue(Value::Integer(call.returnStatus));
      } else if (parameter.IsReturned()) {
        const auto output = call.outputs.find(UpperCase(parameter.Name()));
        if (output != call.outputs.end()) parameter.SetValue(output->second);
      }
    }
    return std::move(call.result);
  }

 private:
  void RunInTransaction(const ProcedureBody& body, ProcedureCall& call) {
    Run(body.writes ? "BEGIN IMMEDIATE" : "BEGIN");
    try {
      body.run(call);
      Run("COMMIT");
    } catch (...) {
      sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
      throw;
    }
  }

  void Run(const char* sql) { SqliteStatement(db_, sql).Run(); }

  sqlite3* db_;
};

}  // namespace

std::unique_ptr<Session> OpenEmbeddedSession(const ConnectionSettings& settings, int connectTimeout) {
  const std::string folder = ExtractFilePath(ModuleFileName());
  const EmbeddedLocation location = ResolveEmbeddedLocation(settings.dataSource, folder);
  sqlite3* db = OpenEmbeddedDatabase(location, DemonstrationPagesUrl(folder), connectTimeout);
  return std::make_unique<EmbeddedSession>(db);
}

}  // namespace services::db
