// The TDS backend end to end: FreeTDS db-lib against the loopback responder.
#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/Unit_Public.h"
#include "platform/base/datetime.h"
#include "platform/base/sysutils.h"
#include "services/db_calls.h"
#include "services/loopback.h"
#include "services/tds_fake_service.h"

namespace {

namespace fs = std::filesystem;
using services::db::Connection;
using services::db::EDatabaseError;
using services::db::StoredProc;
using tdstest::FakeService;
using tdstest::TdsResponder;

AnsiString SourceFor(int port) { return "127.0.0.1," + IntToStr(port); }

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

class Tds : public ::testing::Test {
 protected:
  void Connect(TdsResponder& responder) {
    connection_.SetConnectionString(
        dbtest::ProgramConnectionString("s3cret", "brellis", "BrellisService", SourceFor(responder.Port())));
    connection_.Open();
  }

  FakeService service_;
  Connection connection_;
  StoredProc proc_{&connection_};
};

TEST_F(Tds, DictionaryLookupRunsTheCatalogQueryThenTheCall) {
  TdsResponder responder(TdsResponder::Behaviour::Answer, std::ref(service_));
  Connect(responder);

  ASSERT_TRUE(dbtest::LookUpDictEx(proc_, "1021", "10"));
  EXPECT_EQ(proc_.RecordCount(), 1);
  EXPECT_EQ(proc_.Fields(1).AsString(), u8"http://pages.example/服务10?digest="_ansi);
  EXPECT_EQ(proc_.FieldByName("nSecoID").AsString(), "10");

  const tdstest::LoginRecord login = responder.Login();
  EXPECT_EQ(login.user, "brellis");
  EXPECT_EQ(login.password, "s3cret");
  EXPECT_EQ(login.database, "BrellisService");
  EXPECT_EQ(login.tdsVersion, 0x74000004u);

  const std::vector<tdstest::RpcCall> calls = responder.Calls();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].procedure, "sp_sproc_columns");
  ASSERT_NE(calls[0].Find("@procedure_name"), nullptr);
  EXPECT_EQ(std::get<std::string>(calls[0].Find("@procedure_name")->value), "P_Get_Bas_DictEx");
  EXPECT_EQ(std::get<std::string>(calls[0].Find("@procedure_owner")->value), "dbo");
  EXPECT_EQ(calls[1].procedure, "dbo.[P_Get_Bas_DictEx]");
  EXPECT_FALSE(calls[1].throughStatement);
  ASSERT_EQ(calls[1].params.size(), 2u);
  EXPECT_EQ(calls[1].params[0].name, "@snFirsID");
  EXPECT_EQ(std::get<std::int64_t>(calls[1].params[0].value), 1021);
  EXPECT_EQ(std::get<std::int64_t>(calls[1].params[1].value), 10);
  EXPECT_EQ(calls[1].params[0].wireType, 0x26);  // int, sent as INTN(4)
}

TEST_F(Tds, LoginSendsEightParametersAndReadsOutputsAndTheAccountRow) {
  TdsResponder responder(TdsResponder::Behaviour::Answer, std::ref(service_));
  Connect(responder);

  dbtest::CallLogin(proc_, "13800000000", EncryptStr("666"), "192.0.2.10", "", "00-1A-2B-3C-4D-5E", u8"主机"_ansi);
  EXPECT_EQ(proc_.ParamByName("@outErrNum").AsInteger(), 0);
  EXPECT_EQ(proc_.ParamByName("@outErrMsg").AsString(), "");
  EXPECT_EQ(proc_.ParamByName("@RETURN_VALUE").AsInteger(), 0);
  ASSERT_EQ(proc_.RecordCount(), 1);
  EXPECT_EQ(DecryptStr(proc_.FieldByName("vcUserPassword").AsString()), "666");
  EXPECT_EQ(proc_.FieldByName("nUserCode").AsString(), "1001");
  EXPECT_EQ(proc_.FieldByName("vcUserName").AsString(), u8"演示用户"_ansi);
  EXPECT_EQ(proc_.FieldByName("vcRoleName").AsString(), u8"演示角色"_ansi);
  EXPECT_EQ(proc_.FieldByName("vcMerchID").AsString(), "M1001");

  // The empty public address makes the call a statement (see the next test).
  const tdstest::RpcCall call = responder.Calls().back();
  EXPECT_TRUE(call.throughStatement);
  EXPECT_EQ(call.procedure, "[dbo].[P_Public_Log_UserLog]");
  const char* order[] = {"@vcPone",  "@vcPass",     "@vcLoginIP", "@vcLoginWIP",
                         "@vcAdptID", "@vcComputer", "@outErrNum", "@outErrMsg"};
  ASSERT_EQ(call.params.size(), 8u);
  for (std::size_t i = 0; i < 8; ++i) {
    EXPECT_EQ(call.params[i].name, order[i]);
    EXPECT_EQ(call.params[i].output, i >= 6) << order[i];
  }
  // Texts travel as NVARCHAR.
  EXPECT_EQ(call.Find("@vcPone")->wireType, 0xE7);
  EXPECT_EQ(std::get<std::string>(call.Find("@vcLoginWIP")->value), "");
  EXPECT_EQ(std::get<std::int64_t>(call.Find("@outErrNum")->value), 0);
  EXPECT_EQ(std::get<std::string>(call.Find("@outErrMsg")->value), "0");
  EXPECT_EQ(std::get<std::string>(call.Find("@vcComputer")->value), "主机");
  EXPECT_EQ(DecryptStr(std::get<std::string>(call.Find("@vcPass")->value)), "666");
}

TEST_F(Tds, EmptyTextsArriveAsEmptyStringsAndOnlyNullAsNull) {
  // The procedure's own status comes back through the statement too.
  TdsResponder responder(TdsResponder::Behaviour::Answer, [this](const tdstest::RpcCall& call) {
    tdstest::RpcReply reply = service_(call);
    if (!SameText(call.procedure, "sp_sproc_columns")) reply.returnStatus = 5;
    return reply;
  });
  Connect(responder);

  // A machine without public address, adapter, LAN address or name still logs in.
  dbtest::CallLogin(proc_, "13800000000", EncryptStr("666"), "", "", "", "");
  EXPECT_EQ(proc_.ParamByName("@outErrNum").AsInteger(), 0);
  EXPECT_EQ(proc_.ParamByName("@RETURN_VALUE").AsInteger(), 5);
  ASSERT_EQ(proc_.RecordCount(), 1);
  tdstest::RpcCall call = responder.Calls().back();
  EXPECT_TRUE(call.throughStatement);
  ASSERT_EQ(call.params.size(), 8u);
  for (const char* name : {"@vcLoginIP", "@vcLoginWIP", "@vcAdptID", "@vcComputer"}) {
    ASSERT_TRUE(std::holds_alternative<std::string>(call.Find(name)->value)) << name << " arrived as NULL";
    EXPECT_EQ(std::get<std::string>(call.Find(name)->value), "") << name;
  }
  EXPECT_EQ(std::get<std::string>(call.Find("@vcPone")->value), "13800000000");
  EXPECT_TRUE(call.Find("@outErrNum")->output);
  EXPECT_EQ(call.statement,
            "EXEC @Brellis_ReturnStatus = [dbo].[P_Public_Log_UserLog] @vcPone = @vcPone, @vcPass = @vcPass, "
            "@vcLoginIP = N'', @vcLoginWIP = N'', @vcAdptID = N'', @vcComputer = N'', @outErrNum = @outErrNum OUTPUT, "
            "@outErrMsg = @outErrMsg OUTPUT");
  EXPECT_EQ(call.declarations,
            "@Brellis_ReturnStatus int OUTPUT, @vcPone nvarchar(max), @vcPass nvarchar(max), @outErrNum int OUTPUT, "
            "@outErrMsg nvarchar(max) OUTPUT");

  // A value cleared to NULL stays NULL beside an empty one, an empty output
  // value arrives empty, and a quote in a text arrives as it is.
  proc_.Close();
  proc_.SetProcedureName("dbo.[P_Public_Log_UserLog]");
  proc_.RefreshParameters();
  proc_.ParamByName("@vcPone").SetText("13800000000");
  proc_.ParamByName("@vcPass").SetText(EncryptStr("666"));
  proc_.ParamByName("@vcLoginIP").SetText("");
  proc_.ParamByName("@vcLoginWIP").Clear();
  proc_.ParamByName("@vcAdptID").SetText("00-1A-2B-3C-4D-5E");
  proc_.ParamByName("@vcComputer").SetText(u8"O'Brien 的主机"_ansi);
  proc_.ParamByName("@outErrNum").SetInteger(0);
  proc_.ParamByName("@outErrMsg").SetText("");
  proc_.Open();
  call = responder.Calls().back();
  EXPECT_TRUE(call.throughStatement);
  EXPECT_EQ(std::get<std::string>(call.Find("@vcLoginIP")->value), "");
  EXPECT_TRUE(std::holds_alternative<std::monostate>(call.Find("@vcLoginWIP")->value));
  EXPECT_EQ(std::get<std::string>(call.Find("@vcAdptID")->value), "00-1A-2B-3C-4D-5E");
  EXPECT_EQ(std::get<std::string>(call.Find("@vcComputer")->value), "O'Brien 的主机");
  EXPECT_EQ(std::get<std::string>(call.Find("@outErrMsg")->value), "");
  EXPECT_EQ(call.statement.substr(0, 27), "SET @outErrMsg = N''; EXEC ");
  EXPECT_EQ(proc_.ParamByName("@outErrNum").AsInteger(), 0);
  EXPECT_EQ(proc_.ParamByName("@RETURN_VALUE").AsInteger(), 5);

  // Without empty values the call goes to the procedure directly.
  dbtest::CallLogin(proc_, "13800000000", EncryptStr("666"), "192.0.2.10", "198.51.100.7", "00-1A-2B-3C-4D-5E", "pc");
  call = responder.Calls().back();
  EXPECT_FALSE(call.throughStatement);
  EXPECT_EQ(call.procedure, "dbo.[P_Public_Log_UserLog]");
  EXPECT_EQ(proc_.ParamByName("@RETURN_VALUE").AsInteger(), 5);
}

TEST_F(Tds, RefusedLoginBringsTheServiceMessageBack) {
  TdsResponder responder(TdsResponder::Behaviour::Answer, std::ref(service_));
  Connect(responder);
  dbtest::CallLogin(proc_, "13800000000", EncryptStr("665"));
  EXPECT_EQ(proc_.ParamByName("@outErrNum").AsInteger(), 2);
  EXPECT_EQ(proc_.ParamByName("@outErrMsg").AsString(), u8"密码错误，请重新输入！"_ansi);
  EXPECT_EQ(proc_.RecordCount(), 0);
  EXPECT_EQ(proc_.FieldByName("vcUserName").AsString(), "");
}

TEST_F(Tds, AcceptedWithoutRowAndMalformedPasswordColumn) {
  TdsResponder responder(TdsResponder::Behaviour::Answer, std::ref(service_));
  Connect(responder);
  service_.acceptWithoutRow = true;
  dbtest::CallLogin(proc_, "13800000000", EncryptStr("666"));
  EXPECT_EQ(proc_.ParamByName("@outErrNum").AsInteger(), 0);
  EXPECT_EQ(proc_.RecordCount(), 0);

  service_.acceptWithoutRow = false;
  service_.malformedPasswordColumn = true;
  dbtest::CallLogin(proc_, "13800000000", EncryptStr("666"));
  ASSERT_EQ(proc_.RecordCount(), 1);
  try {
    DecryptStr(proc_.FieldByName("vcUserPassword").AsString());
    FAIL() << "malformed cipher text deciphered";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'$' is not a valid integer value");
  }
}

TEST_F(Tds, ServerErrorsCarryTheServerText) {
  TdsResponder responder(TdsResponder::Behaviour::Answer, std::ref(service_));
  Connect(responder);
  proc_.SetProcedureName("dbo.[P_Missing]");
  proc_.RefreshParameters();
  EXPECT_EQ(proc_.GetParameters().Count(), 0);
  try {
    proc_.Open();
    FAIL() << "a missing procedure ran";
  } catch (const EDatabaseError& e) {
    EXPECT_EQ(e.Message(), "Could not find stored procedure 'dbo.[P_Missing]'.");
  }
  // The connection is still usable.
  EXPECT_TRUE(dbtest::LookUpDictEx(proc_, "1024", "10"));
  EXPECT_EQ(proc_.Fields(1).AsString(), "");
}

TEST_F(Tds, CommandTimeoutRaisesAndLeavesNoCrash) {
  TdsResponder responder(TdsResponder::Behaviour::SilentOnCall, std::ref(service_));
  connection_.SetCommandTimeout(1);
  Connect(responder);
  proc_.SetProcedureName("dbo.[P_Get_Bas_Dict]");
  const auto start = std::chrono::steady_clock::now();
  try {
    proc_.RefreshParameters();
    FAIL() << "a silent call returned";
  } catch (const EDatabaseError& e) {
    std::printf("silent call failed after %.3f s: %s\n", SecondsSince(start), e.Message().c_str());
    EXPECT_NE(e.Message().find("timed out"), AnsiString::npos) << e.Message();
  }
  // The call was cancelled and the server acknowledged the cancel.
  EXPECT_EQ(responder.Cancels(), 1);
  const auto again = std::chrono::steady_clock::now();
  EXPECT_FALSE(dbtest::LookUpDict(proc_, "1011"));
  std::printf("second call failed after %.3f s, cancels %d\n", SecondsSince(again), responder.Cancels());
  EXPECT_FALSE(proc_.Active());
  connection_.Close();
}

TEST_F(Tds, LostConnectionMidRunFailsEveryLaterCall) {
  TdsResponder responder(TdsResponder::Behaviour::CloseOnCall, std::ref(service_));
  Connect(responder);
  proc_.SetProcedureName("dbo.[P_Get_Bas_Dict]");
  try {
    proc_.RefreshParameters();
    FAIL() << "a dropped call returned";
  } catch (const EDatabaseError& e) {
    std::printf("dropped call: %s\n", e.Message().c_str());
    EXPECT_FALSE(e.Message().empty());
  }
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(dbtest::LookUpDictEx(proc_, "1021", "10"));
  EXPECT_TRUE(connection_.Connected());
  connection_.Close();
  EXPECT_FALSE(dbtest::LookUpDictEx(proc_, "1021", "10"));
}

TEST_F(Tds, RefusedPortFailsWithFreeTdsMessageInTheLogLine) {
  const fs::path folder = fs::temp_directory_path() / ("brellis-tds-log-" + std::to_string(::getpid()));
  fs::create_directories(folder);
  OverrideModuleFileName((folder / "Brellis").string());
  connection_.SetConnectionString(dbtest::ProgramConnectionString("pw", "sa", "db", SourceFor(looptest::RefusingPort())));
  const auto start = std::chrono::steady_clock::now();
  try {
    connection_.Open();
    FAIL() << "connected to a refusing port";
  } catch (const EDatabaseError& e) {
    std::printf("refused port failed after %.3f s: %s\n", SecondsSince(start), e.Message().c_str());
    EXPECT_NE(e.Message().find("Unable to connect"), AnsiString::npos) << e.Message();
    // The line the start-up writes when the connection fails.
    WriteLog("", u8"连接失败！请重试！[错误信息："_ansi + e.Message() + "]");
  }
  EXPECT_FALSE(connection_.Connected());
  std::ifstream in(folder / "log" / (FormatDateTime("yyyymmdd", Date()) + ".txt"), std::ios::binary);
  std::stringstream line;
  line << in.rdbuf();
  EXPECT_NE(line.str().find(u8"[错误信息：Unable to connect: "_ansi), std::string::npos) << line.str();
  OverrideModuleFileName("");
  fs::remove_all(folder);
}

TEST_F(Tds, SilentServerEndsInTheLoginTimeout) {
  TdsResponder responder(TdsResponder::Behaviour::SilentAfterAccept, std::ref(service_));
  connection_.SetConnectionTimeout(2);
  const auto start = std::chrono::steady_clock::now();
  try {
    Connect(responder);
    FAIL() << "logged in to a silent server";
  } catch (const EDatabaseError& e) {
    const double seconds = SecondsSince(start);
    std::printf("silent server failed after %.3f s: %s\n", seconds, e.Message().c_str());
    EXPECT_NE(e.Message().find("timed out"), AnsiString::npos) << e.Message();
    // Bounded by the login timeout, not hanging (a loose bound for slow machines).
    EXPECT_LT(seconds, 20.0);
  }
}

}  // namespace
