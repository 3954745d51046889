// The data module, the dictionary lookups and the start-up connection, run on
// the embedded service the program is built with.
#include <gtest/gtest.h>

#include "app/Unit_Public_Data.h"
#include "app/program_fixture.h"
#include "platform/base/sysutils.h"
#include "services/sleeping_copy.h"

namespace {

namespace fs = std::filesystem;
using DataModule = apptest::ProgramFixture;

TEST_F(DataModule, HoldsItsSixComponentsInDeclarationOrderOnOneConnection) {
  const std::vector<AnsiString> expected = {"ADOS",           "ADOProc_Temp", "ADOConMain",
                                            "ADOProc_Message", "ADOS_Access", "ADOS_Message"};
  ASSERT_EQ(Fm_Data->ComponentCount(), 6);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(Fm_Data->Components(i)->Name(), expected[static_cast<std::size_t>(i)]);
  EXPECT_FALSE(Fm_Data->ADOConMain->LoginPrompt());
  EXPECT_FALSE(Fm_Data->ADOConMain->Connected());
  for (TADOStoredProc* proc : {Fm_Data->ADOS, Fm_Data->ADOProc_Temp, Fm_Data->ADOProc_Message, Fm_Data->ADOS_Access,
                               Fm_Data->ADOS_Message}) {
    ASSERT_NE(proc, nullptr);
    EXPECT_EQ(proc->Connection(), Fm_Data->ADOConMain);
  }
}

TEST_F(DataModule, ConnectServerOpensTheBuiltInServiceAndTheLookupsRunOnIt) {
  ASSERT_TRUE(ConnectServer());
  EXPECT_TRUE(Fm_Data->ADOConMain->Connected());
  EXPECT_TRUE(boxes_.empty());
  EXPECT_TRUE(Fm_Data->ADOConMain->ConnectionString().starts_with("Provider=SQLOLEDB.1;Password="));

  TADOStoredProc* temp = Fm_Data->ADOProc_Temp;
  ASSERT_TRUE(GetDictEx(temp, "1021", "10"));
  EXPECT_TRUE(temp->Fields(1).AsString().ends_with("service-10.html?digest="));
  // Two lookups in a row: only the second one's result remains.
  ASSERT_TRUE(GetDictEx(temp, "1021", "26"));
  EXPECT_TRUE(temp->Fields(1).AsString().ends_with("service-26.html?digest="));
  // A missing entry is a successful call with no rows; the value reads empty.
  ASSERT_TRUE(GetDictEx(temp, "1021", "17"));
  EXPECT_EQ(temp->RecordCount(), 0);
  EXPECT_EQ(temp->Fields(1).AsString(), "");
  // The public-address switch is empty in the seed.
  ASSERT_TRUE(GetDictEx(temp, "1024", "10"));
  EXPECT_EQ(temp->Fields(1).AsString(), "");

  ASSERT_TRUE(GetDict(Fm_Data->ADOS, "1011"));
  ASSERT_GT(Fm_Data->ADOS->RecordCount(), 0);
  EXPECT_EQ(Fm_Data->ADOS->Fields(1).AsString(), "10000");
}

TEST_F(DataModule, LookupsOnAClosedConnectionFailSilently) {
  ASSERT_TRUE(ConnectServer());
  Fm_Data->ADOConMain->Close();
  EXPECT_FALSE(GetDict(Fm_Data->ADOS, "1011"));
  EXPECT_FALSE(GetDictEx(Fm_Data->ADOProc_Temp, "1021", "10"));
  EXPECT_TRUE(boxes_.empty());
  EXPECT_TRUE(LogLines().empty());
}

TEST_F(DataModule, AFailedConnectionIsLoggedOnceAndShowsNothing) {
  // A folder where the service's database file should be: it cannot be opened.
  fs::create_directories(folder_ / "brellis-service.db");
  EXPECT_FALSE(ConnectServer());
  EXPECT_FALSE(Fm_Data->ADOConMain->Connected());
  EXPECT_TRUE(boxes_.empty());
  const std::vector<std::string> lines = LogLines();
  ASSERT_EQ(lines.size(), 1u);
  const std::string prefix = u8"连接失败！请重试！[错误信息："_ansi;
  EXPECT_NE(lines[0].find(": " + prefix), std::string::npos) << lines[0];
  EXPECT_TRUE(lines[0].ends_with("]\r")) << lines[0];
  EXPECT_GT(lines[0].size(), prefix.size() + 25);  // the provider's message is in it
}

TEST_F(DataModule, ASecondRunningCopyIsRefusedWithABox) {
  const std::string name = "BrellisTwin" + std::to_string(::getpid());
  fs::create_directories(folder_ / "other");
  proctest::SleepingCopy first(folder_ / name);
  proctest::SleepingCopy second(folder_ / "other" / name);
  ASSERT_TRUE(first.WaitUntilRunning());
  ASSERT_TRUE(second.WaitUntilRunning());
  OverrideModuleFileName((folder_ / name).string());

  EXPECT_FALSE(ConnectServer());
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].caption, u8"提示信息"_ansi);
  EXPECT_EQ(boxes_[0].text, u8"该程序已经运行！"_ansi);
  EXPECT_EQ(boxes_[0].flags, 64u);
  EXPECT_FALSE(Fm_Data->ADOConMain->Connected());
  EXPECT_TRUE(LogLines().empty());
}

TEST_F(DataModule, MessageBoxesTakeTheCaptionFirstAndAskAnswersOnlyYes) {
  MsgInfo("Caption", "Text");
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].caption, "Caption");
  EXPECT_EQ(boxes_[0].text, "Text");
  answer_ = IDYES;
  EXPECT_TRUE(MsgAsk("c", "t"));
  EXPECT_EQ(boxes_.back().flags, 36u);
  answer_ = IDNO;
  EXPECT_FALSE(MsgAsk("c", "t"));
  answer_ = IDCANCEL;  // the close box
  EXPECT_FALSE(MsgAsk("c", "t"));
}

}  // namespace
