#include "app/Frm_Data.h"
#include "app/Unit_Public.h"
#include "app/Unit_Public_Data.h"
#include "identity/IdentityProbe.h"
#include "identity/UserRecord.h"

TUserRecrod CurUser;

bool UserLogin(const AnsiString& account, const AnsiString& password) {
  bool result = false;
  try {
    CurUser.LoginIP = GetLocalIP();
    CurUser.LoginWIP = GetWanIP();
    CurUser.AdptID = GetMacAddress(true);
    CurUser.Computer = GetComputerNameStr();

    TADOStoredProc* proc = Fm_Data->ADOProc_Temp;
    proc->Close();
    proc->SetProcedureName("dbo.[P_Public_Log_UserLog]");
    proc->RefreshParameters();
    proc->ParamByName("@vcPone").SetText(account);
    proc->ParamByName("@vcPass").SetText(EncryptStr(password));
    proc->ParamByName("@vcLoginIP").SetText(CurUser.LoginIP);
    proc->ParamByName("@vcLoginWIP").SetText(CurUser.LoginWIP);
    proc->ParamByName("@vcAdptID").SetText(CurUser.AdptID);
    proc->ParamByName("@vcComputer").SetText(CurUser.Computer);
    proc->ParamByName("@outErrNum").SetInteger(0);
    proc->ParamByName("@outErrMsg").SetText("0");
    proc->Open();

    if (proc->ParamByName("@outErrNum").AsInteger() != 0) {
      MsgInfo(u8"提示信息"_ansi, proc->ParamByName("@outErrMsg").AsString());
      return false;
    }
    if (proc->RecordCount() > 0) {
      // Each field is stored as soon as it is read, the password last.
      const AnsiString plainPassword = DecryptStr(proc->FieldByName("vcUserPassword").AsString());
      CurUser.UserCode = proc->FieldByName("nUserCode").AsString();
      CurUser.UserName = proc->FieldByName("vcUserName").AsString();
      CurUser.UserStatus = proc->FieldByName("nUserStatus").AsString();
      CurUser.Phone = proc->FieldByName("vcPhone").AsString();
      CurUser.RoleName = proc->FieldByName("vcRoleName").AsString();
      CurUser.QQ = proc->FieldByName("vcQQ").AsString();
      CurUser.MerchID = proc->FieldByName("vcMerchID").AsString();
      CurUser.Password = plainPassword;
      result = true;
    }
  } catch (const std::exception& error) {
    MsgInfo(u8"提示信息"_ansi, u8"错误信息："_ansi + error.what());
  }
  return result;
}
