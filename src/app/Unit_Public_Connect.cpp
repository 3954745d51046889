#include "app/Frm_Data.h"
#include "app/Unit_Public.h"
#include "app/Unit_Public_Data.h"
#include "brellis/deployment.h"
#include "platform/base/sysutils.h"

bool ConnectServer() {
  bool result = false;
  try {
    if (CheckAppRunning(ExtractFileName(ModuleFileName()))) {
      MsgInfo(u8"提示信息"_ansi, u8"该程序已经运行！"_ansi);
      return false;
    }
    const AnsiString password = DecryptStr(Trim(deployment::kDatabasePassword));
    const AnsiString user = DecryptStr(Trim(deployment::kDatabaseUserId));
    const AnsiString catalog = DecryptStr(Trim(deployment::kDatabaseCatalog));
    const AnsiString source = DecryptStr(Trim(deployment::kDatabaseDataSource));
    const AnsiString connection = "Provider=SQLOLEDB.1;Password=" + password + ";Persist Security Info=True;" +
                                  "User ID=" + user + ";Initial Catalog=" + catalog + ";Data Source=" + source;
    Fm_Data->ADOConMain->Close();
    Fm_Data->ADOConMain->SetConnectionString(connection);
    Fm_Data->ADOConMain->Open();
    result = true;
  } catch (const std::exception& error) {
    WriteLog("", u8"连接失败！请重试！[错误信息："_ansi + error.what() + "]");
  }
  return result;
}
