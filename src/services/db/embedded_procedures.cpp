#include "services/db/embedded_procedures.h"

#include "services/db/embedded_service.h"
#include "services/db/sqlite_statement.h"

namespace services::db {

namespace {

PasswordCipher& InstalledCipher() {
  static PasswordCipher cipher;
  return cipher;
}

// Reads every row of the statement as the call's result set.
void ReadResult(SqliteStatement& statement, ResultSet& result) {
  result.columns.clear();
  for (int i = 0; i < statement.ColumnCount(); ++i) {
    result.columns.push_back({statement.ColumnName(i), statement.ColumnType(i)});
  }
  while (statement.Step()) {
    std::vector<Value> row;
    for (int i = 0; i < statement.ColumnCount(); ++i) row.push_back(statement.ColumnValue(i));
    result.rows.push_back(std::move(row));
  }
}

// dbo.[P_Get_Bas_Dict]: every entry of a first ID, in second-ID order.
void GetBasDict(ProcedureCall& call) {
  SqliteStatement statement(call.db,
                            "SELECT nSecoID, vcValue, vcName FROM Bas_Dict WHERE nFirsID = :snFirsID "
                            "ORDER BY nSecoID");
  statement.Bind(":snFirsID", call.Argument("@snFirsID"));
  ReadResult(statement, call.result);
}

// dbo.[P_Get_Bas_DictEx]: the entry of a first and a second ID.
void GetBasDictEx(ProcedureCall& call) {
  SqliteStatement statement(call.db,
                            "SELECT nSecoID, vcValue, vcName FROM Bas_Dict "
                            "WHERE nFirsID = :snFirsID AND nSecoID = :snSecoID");
  statement.Bind(":snFirsID", call.Argument("@snFirsID"));
  statement.Bind(":snSecoID", call.Argument("@snSecoID"));
  ReadResult(statement, call.result);
}

const AnsiString& MessageUnknownAccount() {
  static const AnsiString text = u8"该账号不存在，请确认后重新登录！"_ansi;
  return text;
}

const AnsiString& MessageWrongPassword() {
  static const AnsiString text = u8"密码错误，请重新输入！"_ansi;
  return text;
}

// The plain password the client sent, or nothing when it is not valid
// cipher text (which the service refuses like a wrong password).
bool DecipherSentPassword(const PasswordCipher& cipher, const Value& sent, AnsiString& plain) {
  try {
    plain = cipher.decipher(sent.AsString());
    return true;
  } catch (const Exception&) {
    return false;
  }
}

// dbo.[P_Public_Log_UserLog]: checks the account and the deciphered password,
// records the attempt with the identity the client reported, and answers the
// account row (password enciphered) or, refused, no row with the reason. The
// log's columns are NOT NULL as on the production service: an empty identity
// value is stored empty, a NULL one fails the call.
void PublicLogUserLog(ProcedureCall& call) {
  const PasswordCipher& cipher = EmbeddedPasswordCipher();
  if (!cipher.encipher || !cipher.decipher) {
    throw EDatabaseError("The embedded service has no password cipher installed");
  }
  SqliteStatement account(call.db,
                          "SELECT vcPassword AS vcUserPassword, nUserCode, vcUserName, nUserStatus, vcPhone, "
                          "vcRoleName, vcQQ, vcMerchID FROM Sys_User WHERE vcPhone = :vcPone");
  account.Bind(":vcPone", call.Argument("@vcPone"));
  ResultSet found;
  ReadResult(account, found);

  int errNum = 0;
  AnsiString errMsg;
  AnsiString sentPassword;
  if (found.rows.empty()) {
    errNum = 1;
    errMsg = MessageUnknownAccount();
  } else if (!DecipherSentPassword(cipher, call.Argument("@vcPass"), sentPassword) ||
             sentPassword != found.rows[0][0].AsString()) {
    errNum = 2;
    errMsg = MessageWrongPassword();
  }

  SqliteStatement log(call.db,
                      "INSERT INTO Log_UserLogin (vcPhone, vcLoginIP, vcLoginWIP, vcAdptID, vcComputer, nErrNum, "
                      "vcErrMsg) VALUES (:vcPone, :vcLoginIP, :vcLoginWIP, :vcAdptID, :vcComputer, :nErrNum, "
                      ":vcErrMsg)");
  for (const char* name : {"vcPone", "vcLoginIP", "vcLoginWIP", "vcAdptID", "vcComputer"}) {
    log.Bind((AnsiString(":") + name).c_str(), call.Argument(AnsiString("@") + name));
  }
  log.Bind(":nErrNum", Value::Integer(errNum));
  log.Bind(":vcErrMsg", Value::Text(errMsg));
  log.Run();

  call.result.columns = found.columns;
  if (errNum == 0) {
    std::vector<Value> row = found.rows[0];
    row[0] = Value::Text(cipher.encipher(row[0].AsString()));
    call.result.rows.push_back(std::move(row));
  }
  call.SetOutput("@outErrNum", Value::Integer(errNum));
  call.SetOutput("@outErrMsg", Value::Text(errMsg));
}

}  // namespace

void SetEmbeddedPasswordCipher(PasswordCipher cipher) { InstalledCipher() = std::move(cipher); }

const PasswordCipher& EmbeddedPasswordCipher() { return InstalledCipher(); }

const Value& ProcedureCall::Argument(const AnsiString& name) const {
  static const Value null;
  const auto found = arguments.find(UpperCase(name));
  return found != arguments.end() ? found->second : null;
}

void ProcedureCall::SetOutput(const AnsiString& name, const Value& value) { outputs[UpperCase(name)] = value; }

ProcedureBody FindProcedureBody(const AnsiString& name) {
  struct Entry {
    const char* name;
    ProcedureBody body;
  };
  static constexpr Entry kBodies[] = {
      {"P_Get_Bas_Dict", {GetBasDict, false}},
      {"P_Get_Bas_DictEx", {GetBasDictEx, false}},
      {"P_Public_Log_UserLog", {PublicLogUserLog, true}},
  };
  for (const Entry& entry : kBodies) {
    if (SameText(name, entry.name)) return entry.body;
  }
  return {};
}

}  // namespace services::db
