// The login with the machine's identity, on the embedded service and over TDS.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <set>

#include "app/Unit_Public.h"
#include "app/Unit_Public_Data.h"
#include "app/program_fixture.h"
#include "identity/IdentityProbe.h"
#include "identity/UserRecord.h"
#include "services/db/procedure_name.h"
#include "services/db_calls.h"
#include "services/tds_fake_service.h"
#include "services/tds_responder.h"

namespace {

class Login : public apptest::ProgramFixture {
 protected:
  void SetUp() override {
    ProgramFixture::SetUp();
    CurUser = TUserRecrod();
  }

  std::vector<std::vector<std::string>> LoginLog() const {
    std::vector<std::vector<std::string>> rows;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2((folder_ / "brellis-service.db").c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
      sqlite3_stmt* st = nullptr;
      sqlite3_prepare_v2(db, "SELECT vcPhone, vcLoginIP, vcLoginWIP, vcAdptID, vcComputer, nErrNum FROM Log_UserLogin",
                         -1, &st, nullptr);
      while (sqlite3_step(st) == SQLITE_ROW) {
        std::vector<std::string> row;
        for (int i = 0; i < 6; ++i) row.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(st, i)));
        rows.push_back(row);
      }
      sqlite3_finalize(st);
    }
    sqlite3_close(db);
    return rows;
  }
};

TEST_F(Login, AcceptedLoginFillsTheRecordAndTheServiceLogsTheIdentity) {
  ASSERT_TRUE(ConnectServer());
  ASSERT_TRUE(UserLogin("13800000000", "666"));
  EXPECT_TRUE(boxes_.empty());
  EXPECT_EQ(CurUser.LoginIP, GetLocalIP());
  EXPECT_EQ(CurUser.LoginWIP, "127.0.0.1");  // the switch is empty in the seed
  EXPECT_EQ(CurUser.AdptID, GetMacAddress(true));
  EXPECT_EQ(CurUser.Computer, GetComputerNameStr());
  EXPECT_EQ(CurUser.UserCode, "1001");
  EXPECT_EQ(CurUser.UserName, u8"演示用户"_ansi);
  EXPECT_EQ(CurUser.RoleName, u8"演示角色"_ansi);
  EXPECT_EQ(CurUser.MerchID, "M1001");
  EXPECT_EQ(CurUser.Password, "666");
  EXPECT_EQ(CurUser.UserStatus, "1");

  const auto log = LoginLog();
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0][0], "13800000000");
  EXPECT_EQ(log[0][1], CurUser.LoginIP);
  EXPECT_EQ(log[0][2], "127.0.0.1");
  EXPECT_EQ(log[0][3], CurUser.AdptID);
  EXPECT_EQ(log[0][5], "0");
}

TEST_F(Login, RefusalShowsTheServicesMessageAndKeepsTheIdentity) {
  ASSERT_TRUE(ConnectServer());
  EXPECT_FALSE(UserLogin("13800000000", "000"));
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].caption, u8"提示信息"_ansi);
  EXPECT_FALSE(boxes_[0].text.empty());
  EXPECT_EQ(boxes_[0].text.find(u8"错误信息："_ansi), std::string::npos);  // the procedure's own text
  EXPECT_EQ(CurUser.AdptID, GetMacAddress(true));
  EXPECT_EQ(CurUser.LoginWIP, "127.0.0.1");
  EXPECT_EQ(CurUser.UserName, "");
  EXPECT_EQ(LoginLog().size(), 1u);
}

TEST_F(Login, ErrorsAreShownWithTheirMessage) {
  // No connection: the procedure cannot run.
  EXPECT_FALSE(UserLogin("13800000000", "666"));
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_TRUE(boxes_[0].text.starts_with(u8"错误信息："_ansi)) << boxes_[0].text;
  // The identity was probed first; the switch lookup failed, so the address is the switched-off one.
  EXPECT_EQ(CurUser.LoginWIP, "127.0.0.1");
  EXPECT_FALSE(CurUser.Computer.empty());
}

class TdsLogin : public Login {
 protected:
  void Connect() {
    OpenConnection(dbtest::ProgramConnectionString("s3cret", "brellis", "BrellisService",
                                                   "127.0.0.1," + std::to_string(responder_.Port())));
  }
  tdstest::FakeService service_;
  tdstest::TdsResponder responder_{tdstest::TdsResponder::Behaviour::Answer, std::ref(service_)};
};

TEST_F(TdsLogin, AMalformedPasswordColumnGivesTheConversionMessageAndNoAccountField) {
  service_.malformedPasswordColumn = true;
  Connect();
  ASSERT_FALSE(service_.accounts.empty());
  EXPECT_FALSE(UserLogin(service_.accounts[0].phone, service_.accounts[0].password));
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_TRUE(boxes_[0].text.starts_with(u8"错误信息：'$"_ansi)) << boxes_[0].text;
  EXPECT_TRUE(boxes_[0].text.ends_with("' is not a valid integer value")) << boxes_[0].text;
  EXPECT_EQ(CurUser.UserCode, "");
  EXPECT_EQ(CurUser.UserName, "");
}

TEST_F(TdsLogin, AcceptedWithoutARowIsFalseAndSilent) {
  service_.acceptWithoutRow = true;
  Connect();
  EXPECT_FALSE(UserLogin(service_.accounts[0].phone, service_.accounts[0].password));
  EXPECT_TRUE(boxes_.empty());
  EXPECT_EQ(CurUser.AdptID, GetMacAddress(true));
}

TEST_F(TdsLogin, AcceptedLoginOverTdsSendsTheEncipheredPasswordAndReadsTheRow) {
  Connect();
  ASSERT_TRUE(UserLogin(service_.accounts[0].phone, service_.accounts[0].password));
  EXPECT_EQ(CurUser.Password, service_.accounts[0].password);
  EXPECT_EQ(CurUser.UserCode, std::to_string(service_.accounts[0].userCode));
}

TEST_F(TdsLogin, ThePasswordSentDiffersBetweenAttemptsAndDeciphersAlike) {
  Connect();
  for (int i = 0; i < 4; ++i) ASSERT_TRUE(UserLogin(service_.accounts[0].phone, service_.accounts[0].password));
  std::set<std::string> sent;
  for (const tdstest::RpcCall& call : responder_.Calls()) {
    if (services::db::ParseProcedureName(call.procedure).name != "P_Public_Log_UserLog") continue;
    const std::string cipher = std::get<std::string>(call.Find("@vcPass")->value);
    EXPECT_EQ(DecryptStr(cipher), service_.accounts[0].password);
    sent.insert(cipher);
  }
  // Four random seeds all alike would be a one-in-sixteen-million chance.
  EXPECT_GT(sent.size(), 1u);
}

}  // namespace
