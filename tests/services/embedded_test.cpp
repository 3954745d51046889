// The embedded service: created with its seed on first use, and the program's
// whole dictionary and login sequence run against it.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "app/Unit_Public.h"
#include "platform/base/sysutils.h"
#include "services/db/embedded_service.h"
#include "services/db_calls.h"

namespace {

namespace fs = std::filesystem;
using services::db::Connection;
using services::db::EDatabaseError;
using services::db::ParameterDirection;
using services::db::StoredProc;

class Embedded : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("brellis-embedded-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    OverrideModuleFileName((folder_ / "Brellis").string());
    services::db::SetEmbeddedPasswordCipher({EncryptStr, DecryptStr});
  }
  void TearDown() override {
    proc_.Close();
    connection_.Close();
    services::db::SetEmbeddedPasswordCipher({});
    OverrideModuleFileName("");
    fs::remove_all(folder_);
  }

  void Open(const AnsiString& source = "brellis.db") {
    connection_.SetConnectionString(dbtest::ProgramConnectionString("pw", "brellis", "BrellisService", source));
    connection_.Open();
  }

  // Rows of the login log, read straight from the database file.
  std::vector<std::vector<std::string>> LoginLog() const {
    sqlite3* db = nullptr;
    std::vector<std::vector<std::string>> rows;
    if (sqlite3_open_v2((folder_ / "brellis.db").c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) return rows;
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db,
                       "SELECT vcPhone, vcLoginIP, vcLoginWIP, vcAdptID, vcComputer, nErrNum, vcErrMsg FROM "
                       "Log_UserLogin ORDER BY nLogID",
                       -1, &statement, nullptr);
    while (sqlite3_step(statement) == SQLITE_ROW) {
      std::vector<std::string> row;
      for (int i = 0; i < 7; ++i) row.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(statement, i)));
      rows.push_back(row);
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return rows;
  }

  fs::path folder_;
  Connection connection_;
  StoredProc proc_{&connection_};
};

TEST_F(Embedded, FirstOpenCreatesTheSeededDatabaseBesideTheExecutable) {
  EXPECT_FALSE(fs::exists(folder_ / "brellis.db"));
  Open();
  EXPECT_TRUE(fs::exists(folder_ / "brellis.db"));

  proc_.SetProcedureName("dbo.[P_Public_Log_UserLog]");
  proc_.RefreshParameters();
  const services::db::Parameters& params = proc_.GetParameters();
  ASSERT_EQ(params.Count(), 9);
  EXPECT_EQ(params[0].Name(), "@RETURN_VALUE");
  EXPECT_EQ(params[0].Direction(), ParameterDirection::ReturnValue);
  EXPECT_EQ(params[1].Name(), "@vcPone");
  EXPECT_EQ(params[1].Type(), services::db::DataType::String);
  EXPECT_EQ(params[1].Size(), 20);
  EXPECT_EQ(params[7].Name(), "@outErrNum");
  EXPECT_EQ(params[7].Type(), services::db::DataType::Integer);
  EXPECT_EQ(params[7].Direction(), ParameterDirection::InputOutput);
  EXPECT_EQ(params[8].Size(), 200);

  // Every tile's page, in the pages folder beside the executable.
  for (const int tile : {10, 11, 12, 13, 14, 15, 16, 18, 19, 20, 21, 22, 23, 25, 26}) {
    ASSERT_TRUE(dbtest::LookUpDictEx(proc_, "1021", IntToStr(tile)));
    EXPECT_EQ(proc_.Fields(1).AsString(),
              "file://" + folder_.string() + "/pages/service-" + IntToStr(tile) + ".html?digest=");
  }
  ASSERT_TRUE(dbtest::LookUpDictEx(proc_, "1024", "10"));
  EXPECT_EQ(proc_.RecordCount(), 1);
  EXPECT_EQ(proc_.Fields(1).AsString(), "");  // the public-address switch is off
  ASSERT_TRUE(dbtest::LookUpDict(proc_, "1011"));
  ASSERT_GT(proc_.RecordCount(), 0);
  EXPECT_EQ(proc_.Fields(1).AsString(), "10000");
}

TEST_F(Embedded, EveryPageEntryHasAShippedPage) {
  Open();
  ASSERT_TRUE(dbtest::LookUpDict(proc_, "1021"));
  const AnsiString prefix = "file://" + folder_.string() + "/pages/";
  for (; !proc_.Eof(); proc_.Next()) {
    const AnsiString address = proc_.Fields(1).AsString();
    ASSERT_EQ(address.rfind(prefix, 0), 0u) << address;
    const AnsiString page = address.substr(prefix.size(), address.find('?') - prefix.size());
    EXPECT_EQ(page, "service-" + proc_.Fields(0).AsString() + ".html");
    EXPECT_TRUE(fs::is_regular_file(fs::path(BRELLIS_SOURCE_DIR) / "resources/pages" / page)) << page;
    // The digest the program appends becomes the query value.
    EXPECT_EQ(address.substr(address.size() - 8), "?digest=");
  }
}

TEST_F(Embedded, MissingEntryIsAnEmptyResultAndTwoLookupsKeepOnlyTheSecond) {
  Open();
  ASSERT_TRUE(dbtest::LookUpDictEx(proc_, "1021", "17"));
  EXPECT_EQ(proc_.RecordCount(), 0);
  EXPECT_TRUE(proc_.Eof());
  EXPECT_EQ(proc_.Fields(1).AsString(), "");
  EXPECT_THROW(proc_.Fields(3), EDatabaseError);
  EXPECT_THROW(proc_.FieldByName("vcMissing"), EDatabaseError);

  ASSERT_TRUE(dbtest::LookUpDictEx(proc_, "1021", "10"));
  ASSERT_TRUE(dbtest::LookUpDictEx(proc_, "1011", "0"));
  EXPECT_EQ(proc_.RecordCount(), 1);
  EXPECT_EQ(proc_.Fields(1).AsString(), "10000");
}

TEST_F(Embedded, ResultIsWalkedLikeADataSet) {
  Open();
  EXPECT_THROW(proc_.RecordCount(), EDatabaseError);
  EXPECT_EQ(proc_.FieldCount(), 0);
  ASSERT_TRUE(dbtest::LookUpDict(proc_, "1021"));
  ASSERT_EQ(proc_.RecordCount(), 15);
  EXPECT_TRUE(proc_.Bof());
  EXPECT_EQ(proc_.Fields(0).AsInteger(), 10);
  AnsiString seen;
  while (!proc_.Eof()) {
    seen += proc_.FieldByName("NSECOID").AsString() + " ";
    proc_.Next();
  }
  EXPECT_EQ(seen, "10 11 12 13 14 15 16 18 19 20 21 22 23 25 26 ");
  EXPECT_FALSE(proc_.Bof());
  EXPECT_EQ(proc_.Fields(0).AsString(), "26");  // the last row stays current
  proc_.First();
  EXPECT_EQ(proc_.Fields(0).AsString(), "10");
  EXPECT_THROW(proc_.SetProcedureName("dbo.[P_Get_Bas_DictEx]"), EDatabaseError);
  proc_.Close();
  EXPECT_EQ(proc_.FieldCount(), 0);
}

TEST_F(Embedded, FailuresMakeTheLookupFalse) {
  // Never opened, then closed after use.
  EXPECT_FALSE(dbtest::LookUpDictEx(proc_, "1021", "10"));
  Open();
  EXPECT_TRUE(dbtest::LookUpDictEx(proc_, "1021", "10"));
  connection_.Close();
  EXPECT_FALSE(dbtest::LookUpDictEx(proc_, "1021", "10"));
  Open();
  // A value that is not a number for an int parameter, a procedure the service lacks.
  EXPECT_FALSE(dbtest::LookUpDictEx(proc_, "10x21", "10"));
  EXPECT_FALSE(dbtest::LookUpDictEx(proc_, "99999999999", "10"));
  proc_.Close();
  proc_.SetProcedureName("dbo.[P_Missing]");
  proc_.RefreshParameters();
  EXPECT_EQ(proc_.GetParameters().Count(), 0);
  try {
    proc_.Open();
    FAIL();
  } catch (const EDatabaseError& e) {
    EXPECT_EQ(e.Message(), "Could not find stored procedure 'dbo.[P_Missing]'.");
  }
  // Another schema is not the service's.
  proc_.SetProcedureName("sys.[P_Get_Bas_Dict]");
  proc_.RefreshParameters();
  EXPECT_EQ(proc_.GetParameters().Count(), 0);
}

TEST_F(Embedded, AcceptedLoginAnswersTheAccountRowWithThePasswordEnciphered) {
  Open();
  const AnsiString sent = EncryptStr("666");
  dbtest::CallLogin(proc_, "13800000000", sent, "192.0.2.10", "127.0.0.1", "00-1A-2B-3C-4D-5E", u8"主机"_ansi);
  EXPECT_EQ(proc_.ParamByName("@outErrNum").AsInteger(), 0);
  EXPECT_EQ(proc_.ParamByName("@RETURN_VALUE").AsInteger(), 0);
  ASSERT_EQ(proc_.RecordCount(), 1);
  const AnsiString cipher = proc_.FieldByName("vcUserPassword").AsString();
  EXPECT_EQ(cipher.size(), 8u);
  EXPECT_EQ(DecryptStr(cipher), "666");
  EXPECT_EQ(proc_.FieldByName("nUserCode").AsString(), "1001");
  EXPECT_EQ(proc_.FieldByName("vcUserName").AsString(), u8"演示用户"_ansi);
  EXPECT_EQ(proc_.FieldByName("nUserStatus").AsString(), "1");
  EXPECT_EQ(proc_.FieldByName("vcPhone").AsString(), "13800000000");
  EXPECT_EQ(proc_.FieldByName("vcRoleName").AsString(), u8"演示角色"_ansi);
  EXPECT_EQ(proc_.FieldByName("vcQQ").AsString(), "10000");
  EXPECT_EQ(proc_.FieldByName("vcMerchID").AsString(), "M1001");

  const auto log = LoginLog();
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0], (std::vector<std::string>{"13800000000", "192.0.2.10", "127.0.0.1", "00-1A-2B-3C-4D-5E", "主机", "0", ""}));

  // A fixed cipher text of "666" (seed 3C), as the program may write it.
  dbtest::CallLogin(proc_, "13800000000", "3C230E16");
  EXPECT_EQ(proc_.ParamByName("@outErrNum").AsInteger(), 0);
}

TEST_F(Embedded, RefusedLoginsCarryTheServiceMessageAndAreLogged) {
  Open();
  dbtest::CallLogin(proc_, "13800000000", EncryptStr("667"));
  EXPECT_EQ(proc_.ParamByName("@outErrNum").AsInteger(), 2);
  EXPECT_EQ(proc_.ParamByName("@outErrMsg").AsString(), u8"密码错误，请重新输入！"_ansi);
  EXPECT_EQ(proc_.RecordCount(), 0);

  dbtest::CallLogin(proc_, "13900000000", EncryptStr("666"));
  EXPECT_EQ(proc_.ParamByName("@outErrNum").AsInteger(), 1);
  EXPECT_EQ(proc_.ParamByName("@outErrMsg").AsString(), u8"该账号不存在，请确认后重新登录！"_ansi);

  // A password that is not cipher text is refused like a wrong one.
  dbtest::CallLogin(proc_, "13800000000", "XYZ");
  EXPECT_EQ(proc_.ParamByName("@outErrNum").AsInteger(), 2);

  const auto log = LoginLog();
  ASSERT_EQ(log.size(), 3u);
  EXPECT_EQ(log[0][5], "2");
  EXPECT_EQ(log[1][0], "13900000000");
  EXPECT_EQ(log[1][6], "该账号不存在，请确认后重新登录！");
  EXPECT_EQ(log[2][3], "00-1A-2B-3C-4D-5E");
}

TEST_F(Embedded, PasswordColumnThatIsNotCipherTextFailsToDecipher) {
  // A service whose stored cipher text is broken answers it as it is.
  services::db::SetEmbeddedPasswordCipher({[](const AnsiString&) { return AnsiString("7"); }, DecryptStr});
  Open();
  dbtest::CallLogin(proc_, "13800000000", EncryptStr("666"));
  ASSERT_EQ(proc_.ParamByName("@outErrNum").AsInteger(), 0);
  try {
    DecryptStr(proc_.FieldByName("vcUserPassword").AsString());
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'$' is not a valid integer value");
  }
}

TEST_F(Embedded, LoginWithoutAnInstalledCipherFails) {
  services::db::SetEmbeddedPasswordCipher({});
  Open();
  try {
    dbtest::CallLogin(proc_, "13800000000", EncryptStr("666"));
    FAIL();
  } catch (const EDatabaseError& e) {
    EXPECT_NE(e.Message().find("password cipher"), AnsiString::npos);
  }
  EXPECT_TRUE(LoginLog().empty());  // the failed call left nothing behind
}

TEST_F(Embedded, EmptyIdentityIsStoredEmptyAndNullIsRefused) {
  Open();
  dbtest::CallLogin(proc_, "13800000000", EncryptStr("666"), "", "", "", "");
  EXPECT_EQ(proc_.ParamByName("@outErrNum").AsInteger(), 0);
  EXPECT_EQ(LoginLog().at(0), (std::vector<std::string>{"13800000000", "", "", "", "", "0", ""}));

  proc_.Close();
  proc_.SetProcedureName("dbo.[P_Public_Log_UserLog]");
  proc_.RefreshParameters();
  proc_.ParamByName("@vcPone").SetText("13800000000");
  proc_.ParamByName("@vcPass").SetText(EncryptStr("666"));
  proc_.ParamByName("@vcLoginIP").SetText("");
  proc_.ParamByName("@vcLoginWIP").Clear();
  proc_.ParamByName("@vcAdptID").SetText("");
  proc_.ParamByName("@vcComputer").SetText("");
  proc_.ParamByName("@outErrNum").SetInteger(0);
  proc_.ParamByName("@outErrMsg").SetText("0");
  try {
    proc_.Open();
    FAIL() << "a NULL public address was logged";
  } catch (const EDatabaseError& e) {
    EXPECT_NE(e.Message().find("NOT NULL"), AnsiString::npos) << e.Message();
  }
  EXPECT_EQ(LoginLog().size(), 1u);
}

TEST_F(Embedded, TextArgumentsAreCutToTheDeclaredSize) {
  Open();
  const AnsiString longName = AnsiString(99, 'a') + u8"机器"_ansi;  // 103 bytes, a character across byte 100
  dbtest::CallLogin(proc_, "13800000000", EncryptStr("666"), "", "", "", longName);
  EXPECT_EQ(LoginLog().at(0)[4], std::string(99, 'a'));
}

TEST_F(Embedded, SecondConnectionFindsTheDataOfTheFirst) {
  Open();
  dbtest::CallLogin(proc_, "13800000000", EncryptStr("666"));
  proc_.Close();
  connection_.Close();
  Open("file:brellis.db");
  dbtest::CallLogin(proc_, "13800000000", EncryptStr("666"));
  EXPECT_EQ(LoginLog().size(), 2u);
}

TEST_F(Embedded, BadDatabaseFilesFailToOpen) {
  std::ofstream(folder_ / "notes.db") << "this is not a database file, just text that is long enough to be read";
  connection_.SetConnectionString(dbtest::ProgramConnectionString("", "", "", "notes.db"));
  EXPECT_THROW(connection_.Open(), EDatabaseError);
  EXPECT_FALSE(connection_.Connected());
  connection_.SetConnectionString(dbtest::ProgramConnectionString("", "", "", "missing/folder/x.db"));
  EXPECT_THROW(connection_.Open(), EDatabaseError);
}

TEST_F(Embedded, InMemoryServiceIsSeededEveryTime) {
  Open("file::memory:");
  EXPECT_FALSE(fs::exists(folder_ / ":memory:"));
  ASSERT_TRUE(dbtest::LookUpDict(proc_, "1011"));
  EXPECT_EQ(proc_.Fields(1).AsString(), "10000");
}

}  // namespace
