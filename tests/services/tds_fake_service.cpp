#include "services/tds_fake_service.h"

#include "app/Unit_Public.h"
#include "platform/base/sysutils.h"
#include "services/db/procedure_name.h"

namespace tdstest {

namespace {

struct CatalogEntry {
  const char* name;
  int columnType;  // ODBC: 1 input, 2 input and output, 5 return value
  const char* typeName;
  int precision;
};

const std::map<std::string, std::vector<CatalogEntry>>& Procedures() {
  static const std::map<std::string, std::vector<CatalogEntry>> procedures = {
      {"P_GET_BAS_DICT", {{"@RETURN_VALUE", 5, "int", 10}, {"@snFirsID", 1, "int", 10}}},
      {"P_GET_BAS_DICTEX", {{"@RETURN_VALUE", 5, "int", 10}, {"@snFirsID", 1, "int", 10}, {"@snSecoID", 1, "int", 10}}},
      {"P_PUBLIC_LOG_USERLOG",
       {{"@RETURN_VALUE", 5, "int", 10},
        {"@vcPone", 1, "varchar", 20},
        {"@vcPass", 1, "varchar", 100},
        {"@vcLoginIP", 1, "varchar", 50},
        {"@vcLoginWIP", 1, "varchar", 50},
        {"@vcAdptID", 1, "varchar", 50},
        {"@vcComputer", 1, "varchar", 100},
        {"@outErrNum", 2, "int", 10},
        {"@outErrMsg", 2, "varchar", 200}}},
  };
  return procedures;
}

std::string Upper(const std::string& text) { return UpperCase(text); }

std::string TextOf(const RpcCall& call, const char* name) {
  const RpcParam* param = call.Find(name);
  if (param == nullptr || !std::holds_alternative<std::string>(param->value)) return std::string();
  return std::get<std::string>(param->value);
}

std::int64_t NumberOf(const RpcCall& call, const char* name) {
  const RpcParam* param = call.Find(name);
  if (param == nullptr) return -1;
  if (const auto* number = std::get_if<std::int64_t>(&param->value)) return *number;
  if (const auto* text = std::get_if<std::string>(&param->value)) return StrToIntDef(*text, -1);
  return -1;
}

RpcReply Failure(const std::string& text) {
  RpcReply reply;
  reply.error = text;
  return reply;
}

}  // namespace

FakeService::FakeService() {
  dictionary[{1021, 10}] = "http://pages.example/服务10?digest=";
  dictionary[{1024, 10}] = "";
  dictionary[{1011, 0}] = "10000";
  accounts.push_back({"13800000000", "666", 1001, "演示用户", "演示角色"});
}

RpcReply FakeService::operator()(const RpcCall& call) const {
  if (SameText(call.procedure, "sp_sproc_columns")) return Catalog(call);
  const services::db::ProcedureName name = services::db::ParseProcedureName(call.procedure);
  if (SameText(name.name, "P_Get_Bas_Dict")) return Dictionary(call, false);
  if (SameText(name.name, "P_Get_Bas_DictEx")) return Dictionary(call, true);
  if (SameText(name.name, "P_Public_Log_UserLog")) return Login(call);
  return Failure("Could not find stored procedure '" + call.procedure + "'.");
}

RpcReply FakeService::Catalog(const RpcCall& call) const {
  RpcReply reply;
  for (const char* column : {"PROCEDURE_QUALIFIER", "PROCEDURE_OWNER", "PROCEDURE_NAME", "COLUMN_NAME", "TYPE_NAME",
                             "REMARKS", "IS_NULLABLE"}) {
    reply.columns.push_back({column, WireType::NVarChar});
  }
  for (const char* column : {"COLUMN_TYPE", "DATA_TYPE", "PRECISION", "LENGTH", "SCALE", "ORDINAL_POSITION"}) {
    reply.columns.push_back({column, WireType::Int});
  }
  const std::string procedure = TextOf(call, "@procedure_name");
  const auto found = Procedures().find(Upper(procedure));
  if (found == Procedures().end()) return reply;
  std::int64_t ordinal = 0;
  for (const CatalogEntry& entry : found->second) {
    const bool text = std::string(entry.typeName) == "varchar";
    reply.rows.push_back({std::string("Brellis"), std::string("dbo"), procedure + ";1", std::string(entry.name),
                          std::string(entry.typeName), WireValue(), std::string("YES"),
                          std::int64_t{entry.columnType}, std::int64_t{text ? 12 : 4}, std::int64_t{entry.precision},
                          std::int64_t{text ? entry.precision : 4}, text ? WireValue() : WireValue(std::int64_t{0}),
                          ordinal++});
  }
  return reply;
}

RpcReply FakeService::Dictionary(const RpcCall& call, bool withSecondId) const {
  RpcReply reply;
  reply.columns = {{"nSecoID", WireType::Int}, {"vcValue", WireType::VarChar}, {"vcName", WireType::NVarChar}};
  const std::int64_t first = NumberOf(call, "@snFirsID");
  const std::int64_t second = withSecondId ? NumberOf(call, "@snSecoID") : -1;
  for (const auto& [key, value] : dictionary) {
    if (key.first == first && (!withSecondId || key.second == second)) {
      reply.rows.push_back({std::int64_t{key.second}, value, std::string("entry")});
    }
  }
  return reply;
}

RpcReply FakeService::Login(const RpcCall& call) const {
  RpcReply reply;
  reply.columns = {{"vcUserPassword", WireType::VarChar}, {"nUserCode", WireType::Int},
                   {"vcUserName", WireType::NVarChar},    {"nUserStatus", WireType::Int},
                   {"vcPhone", WireType::VarChar},        {"vcRoleName", WireType::NVarChar},
                   {"vcQQ", WireType::VarChar},           {"vcMerchID", WireType::VarChar}};
  const std::string phone = TextOf(call, "@vcPone");
  const Account* account = nullptr;
  for (const Account& candidate : accounts) {
    if (candidate.phone == phone) account = &candidate;
  }
  std::int64_t errNum = 0;
  std::string errMsg;
  if (account == nullptr) {
    errNum = 1;
    errMsg = "该账号不存在";
  } else {
    AnsiString sent;
    try {
      sent = DecryptStr(TextOf(call, "@vcPass"));
    } catch (const Exception&) {
    }
    if (sent != account->password) {
      errNum = 2;
      errMsg = "密码错误，请重新输入！";
    }
  }
  if (errNum == 0 && !acceptWithoutRow) {
    const std::string password = malformedPasswordColumn ? std::string("7") : EncryptStr(account->password);
    reply.rows.push_back({password, std::int64_t{account->userCode}, account->userName, std::int64_t{1}, account->phone,
                          account->roleName, std::string("10000"), std::string("M1001")});
  }
  reply.outputs = {{"@outErrNum", WireType::Int, errNum}, {"@outErrMsg", WireType::VarChar, errMsg}};
  return reply;
}

}  // namespace tdstest
