// The user record of the running program and the login that fills it.
#pragma once

#include "platform/base/strings.h"

struct TUserRecrod {
  AnsiString MerchID;
  AnsiString Spare1;
  AnsiString UserCode;
  AnsiString UserName;
  AnsiString RoleName;
  AnsiString QQ;
  AnsiString Phone;
  AnsiString UserStatus;
  AnsiString Password;
  AnsiString LoginIP;
  AnsiString LoginWIP;
  AnsiString AdptID;
  AnsiString Computer;
  AnsiString Spare2;
};

extern TUserRecrod CurUser;

// Logs the account in through dbo.[P_Public_Log_UserLog], reporting the
// machine's identity (stored in CurUser before the call). A refusal shows the
// procedure's message, any error "错误信息：" + its message; true only when the
// account row was read into CurUser.
bool UserLogin(const AnsiString& account, const AnsiString& password);
