#include "services/db_calls.h"

namespace dbtest {

using services::db::StoredProc;

namespace {

void Prepare(StoredProc& proc, const AnsiString& name) {
  proc.Close();
  proc.SetProcedureName(name);
  proc.RefreshParameters();
}

}  // namespace

bool LookUpDict(StoredProc& proc, const AnsiString& first) {
  try {
    Prepare(proc, "dbo.[P_Get_Bas_Dict]");
    proc.ParamByName("@snFirsID").SetText(first);
    proc.Open();
    return true;
  } catch (...) {
    return false;
  }
}

bool LookUpDictEx(StoredProc& proc, const AnsiString& first, const AnsiString& second) {
  try {
    Prepare(proc, "dbo.[P_Get_Bas_DictEx]");
    proc.ParamByName("@snFirsID").SetText(first);
    proc.ParamByName("@snSecoID").SetText(second);
    proc.Open();
    return true;
  } catch (...) {
    return false;
  }
}

void CallLogin(StoredProc& proc, const AnsiString& account, const AnsiString& cipherPassword, const AnsiString& localIP,
               const AnsiString& wanIP, const AnsiString& adapter, const AnsiString& computer) {
  Prepare(proc, "dbo.[P_Public_Log_UserLog]");
  proc.ParamByName("@vcPone").SetText(account);
  proc.ParamByName("@vcPass").SetText(cipherPassword);
  proc.ParamByName("@vcLoginIP").SetText(localIP);
  proc.ParamByName("@vcLoginWIP").SetText(wanIP);
  proc.ParamByName("@vcAdptID").SetText(adapter);
  proc.ParamByName("@vcComputer").SetText(computer);
  proc.ParamByName("@outErrNum").SetInteger(0);
  proc.ParamByName("@outErrMsg").SetText("0");
  proc.Open();
}

AnsiString ProgramConnectionString(const AnsiString& password, const AnsiString& user, const AnsiString& catalog,
                                   const AnsiString& source) {
  return "Provider=SQLOLEDB.1;Password=" + password + ";Persist Security Info=True;" + "User ID=" + user +
         ";Initial Catalog=" + catalog + ";Data Source=" + source;
}

}  // namespace dbtest
