// The program end to end on the headless screen: start-up on the embedded
// service, the tiles, home, support chat, minimise, the exit question, the
// header drag, and the two ways start-up ends without a window.
#include <sqlite3.h>

#include <filesystem>

#include "app/Frm_Data.h"
#include "app/Quorvane.h"
#include "identity/IdentityProbe.h"
#include "identity/UserRecord.h"
#include "platform/base/strings.h"
#include "platform/display/headless/headless.h"
#include "services/sleeping_copy.h"
#include "services/tds_fake_service.h"
#include "support/golden.h"
#include "toolkit/Application.h"
#include "ui/Frm_Main.h"
#include "ui/main_window_fixture.h"

namespace {

namespace headless = platform::display::headless;
using uitest::MainWindowTest;

struct Tile {
  const char* name;
  int service;
};

// Every tile with its service number, as the home screen and the header show them.
constexpr Tile kTiles[] = {
    {"Image2", 10},  {"Image6", 11},  {"Image7", 12},  {"Image8", 13},  {"Image9", 14},
    {"Image10", 15}, {"Image3", 16},  {"Image12", 18}, {"Image18", 19}, {"Image17", 20},
    {"Image13", 21}, {"Image14", 22}, {"Image16", 23}, {"Image19", 25}, {"Image15", 26},
};

std::u16string Wide(const std::string& utf8) { return platform::Utf8ToWideString(utf8); }

// The page address the service's dictionary gives for a service number.
std::string DictionaryPage(const std::filesystem::path& database, int service) {
  sqlite3* db = nullptr;
  std::string value;
  sqlite3_open_v2(database.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
  sqlite3_stmt* statement = nullptr;
  sqlite3_prepare_v2(db, "SELECT vcValue FROM Bas_Dict WHERE nFirsID = 1021 AND nSecoID = ?", -1, &statement, nullptr);
  sqlite3_bind_int(statement, 1, service);
  if (sqlite3_step(statement) == SQLITE_ROW) value = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
  sqlite3_finalize(statement);
  sqlite3_close(db);
  return value;
}

TEST_F(MainWindowTest, StartUpShowsTheCentredWindowLoggedInAnonymously) {
  StartAndShow();
  RECT window;
  GetWindowRect(Fm_Main->Handle(), &window);
  EXPECT_EQ(window.left, (1280 - 999) / 2);
  EXPECT_EQ(window.top, (1024 - 697) / 2);
  EXPECT_EQ(window.right - window.left, 999);
  EXPECT_EQ(window.bottom - window.top, 697);
  EXPECT_EQ(Application->Title(), "Brellis");
  // The task bar shows the program's title, not the window's caption.
  EXPECT_EQ(headless::WindowTitle(Fm_Main->Handle()), u"Brellis");
  // The program's icon, shown by the main window for the task bar.
  ASSERT_FALSE(Application->Icon()->Empty());
  EXPECT_EQ(Application->Icon()->Width(), 32);
  EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(Fm_Main->Handle(), WM_GETICON, ICON_BIG, 0)),
            Application->Icon()->Handle());
  EXPECT_EQ(Fm_Main->lblMerch->Caption(), u8"用户名称：匿名登录"_ansi);
  EXPECT_FALSE(PaneVisible());
  EXPECT_TRUE(boxes_.empty());

  const auto log = LoginLog();
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0][0], "13800000000");
  EXPECT_EQ(log[0][1], GetLocalIP());
  EXPECT_EQ(log[0][2], GetMacAddress(true));
  EXPECT_EQ(log[0][3], GetComputerNameStr());
}

TEST_F(MainWindowTest, EveryTileOpensItsPageWithTheMachineDigestAndHomeHidesIt) {
  StartAndShow();
  const std::string digest = GetMD5Str(CurUser.AdptID);
  std::size_t count = 0;
  for (const Tile& tile : kTiles) {
    SCOPED_TRACE(tile.name);
    ClickCentreOf(tile.name);
    const auto navigations = Navigations();
    ASSERT_EQ(navigations.size(), ++count);
    EXPECT_EQ(navigations.back(), Wide(DictionaryPage(folder_ / "brellis-service.db", tile.service) + digest));
    EXPECT_TRUE(PaneVisible());
    RECT pane;
    GetWindowRect(Fm_Main->UrlPanel->Handle(), &pane);
    MapWindowPoints(nullptr, Fm_Main->Handle(), reinterpret_cast<POINT*>(&pane), 2);
    EXPECT_EQ(pane.left, 0);
    EXPECT_EQ(pane.top, 107);
    EXPECT_EQ(pane.right, 999);
    EXPECT_EQ(pane.bottom, 672);
    ClickCentreOf("Image_First");
    EXPECT_FALSE(PaneVisible());
  }
}

TEST_F(MainWindowTest, HomeHotSpotsHideThePaneAndKeepItsPage) {
  StartAndShow();
  ClickCentreOf("Image4");  // home while no page is shown changes nothing
  EXPECT_FALSE(PaneVisible());
  ClickCentreOf("Image3");  // a header tile: reachable while a page is shown
  ClickCentreOf("Image19");
  EXPECT_TRUE(PaneVisible());
  ClickCentreOf("Image4");
  EXPECT_FALSE(PaneVisible());
  EXPECT_EQ(Navigations().size(), 2u);
  EXPECT_EQ(Fm_Main->WebMain->LocationURL(), Navigations().back());
}

TEST_F(MainWindowTest, ATileWhoseLookupFailsLeavesTheShownPage) {
  StartAndShow();
  ClickCentreOf("Image3");
  ASSERT_TRUE(PaneVisible());
  ExecuteOnService("DROP TABLE Bas_Dict");
  ClickCentreOf("Image19");
  EXPECT_TRUE(PaneVisible());
  EXPECT_EQ(Navigations().size(), 1u);
  EXPECT_TRUE(boxes_.empty());
}

TEST_F(MainWindowTest, ALookupAnsweringOneColumnShowsTheDefaultErrorBoxAndNoPage) {
  StartAndShow();
  // A service whose dictionary procedures answer the second ID alone.
  tdstest::FakeService service;
  tdstest::TdsResponder responder(tdstest::TdsResponder::Behaviour::Answer, [&service](const tdstest::RpcCall& call) {
    tdstest::RpcReply reply = service(call);
    if (!SameText(call.procedure, "sp_sproc_columns")) {
      reply.columns.resize(1);
      for (auto& row : reply.rows) row.resize(1);
    }
    return reply;
  });
  Fm_Data->ADOConMain->Close();
  Fm_Data->ADOConMain->SetConnectionString("Provider=SQLOLEDB.1;Password=pw;Persist Security Info=True;User ID=sa;"
                                           "Initial Catalog=BrellisService;Data Source=127.0.0.1," +
                                           IntToStr(responder.Port()));
  Fm_Data->ADOConMain->Open();

  ClickCentreOf("Image2");
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].caption, "Brellis");
  EXPECT_EQ(boxes_[0].flags, static_cast<UINT>(MB_OK | MB_ICONSTOP));
  EXPECT_EQ(boxes_[0].text, "List index out of bounds (1).");
  EXPECT_FALSE(PaneVisible());
  EXPECT_TRUE(Navigations().empty());

  // The support lookup reads the column only when there is a row, then fails alike.
  ClickCentreOf("Image11");
  ASSERT_EQ(boxes_.size(), 2u);
  EXPECT_EQ(boxes_[1].text, "List index out of bounds (1).");
  EXPECT_TRUE(opened_.empty());
  // The program carries on.
  EXPECT_TRUE(IsWindowVisible(Fm_Main->Handle()));
}

TEST_F(MainWindowTest, SupportHotSpotOpensTheChatInTheUsersBrowser) {
  StartAndShow();
  ClickCentreOf("Image11");
  ASSERT_EQ(opened_.size(), 1u);
  EXPECT_EQ(opened_[0], "http://wpa.qq.com/msgrd?v=3&uin=10000&site=qq&menu=yes");
  EXPECT_FALSE(PaneVisible());
  EXPECT_TRUE(Navigations().empty());
}

TEST_F(MainWindowTest, SupportHotSpotDoesNothingWithoutANumber) {
  StartAndShow();
  ExecuteOnService("UPDATE Bas_Dict SET vcValue = '' WHERE nFirsID = 1011");
  ClickCentreOf("Image11");
  EXPECT_TRUE(opened_.empty());
  EXPECT_TRUE(boxes_.empty());
}

TEST_F(MainWindowTest, HiddenOpenButtonNavigatesToTheHelpPage) {
  StartAndShow();
  EXPECT_FALSE(Fm_Main->SpeedButton1->Visible());
  EXPECT_FALSE(Fm_Main->Edit1->Visible());
  EXPECT_EQ(Fm_Main->Edit1->Text(), "http://www.example.com/mobile/help_pc.html");
  Fm_Main->SpeedButton1Click(Fm_Main->SpeedButton1);
  ASSERT_EQ(Navigations().size(), 1u);
  EXPECT_EQ(Navigations()[0], u"http://www.example.com/mobile/help_pc.html");
  EXPECT_TRUE(PaneVisible());
}

TEST_F(MainWindowTest, ExitQuestionAnsweredNoChangesNothing) {
  StartAndShow();
  ClickCentreOf("Image3");
  answer_ = IDNO;
  ClickCentreOf("Image_Close");
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].caption, "提示信息");
  EXPECT_EQ(boxes_[0].text, "您确认要退出些系统？");
  EXPECT_EQ(boxes_[0].flags, 36u);
  EXPECT_FALSE(Application->Terminated());
  EXPECT_TRUE(PaneVisible());
  EXPECT_TRUE(IsWindowVisible(Fm_Main->Handle()));
}

TEST_F(MainWindowTest, MinimiseHotSpotMinimisesTheProgram) {
  StartAndShow();
  ClickCentreOf("Image5");
  EXPECT_TRUE(IsIconic(Fm_Main->Handle()));
}

TEST_F(MainWindowTest, AnyButtonOnTheHeaderDragsTheWindow) {
  StartAndShow();
  for (auto button : {platform::display::InputEvent::Right, platform::display::InputEvent::Left}) {
    RECT before;
    GetWindowRect(Fm_Main->Handle(), &before);
    const POINT start{before.left + 600, before.top + 60};
    headless::AdvanceClock(1000);
    headless::MoveMouse(start.x, start.y);
    headless::Press(button);
    headless::MoveMouse(start.x + 40, start.y + 25);
    headless::MoveMouse(start.x + 70, start.y + 30);
    headless::Release(button);
    Application->ProcessMessages();
    RECT after;
    GetWindowRect(Fm_Main->Handle(), &after);
    EXPECT_EQ(after.left - before.left, 70) << "button " << int(button);
    EXPECT_EQ(after.top - before.top, 30) << "button " << int(button);
  }
}

TEST_F(MainWindowTest, HomeScreenLooksAsDesigned) {
  StartAndShow();
  const auto picture = headless::WindowImage(Fm_Main->Handle());
  ASSERT_TRUE(picture.has_value());
  EXPECT_TRUE(brellis::test::MatchesGolden(*picture, "ui/main_window_home", {.channel = 8, .pixels = 400}));
}

// The whole entry point with its message loop: the exit question answered
// Yes ends the loop and the program.
TEST_F(MainWindowTest, ConfirmedExitEndsTheMessageLoop) {
  answer_ = IDYES;
  // The close hot spot of the centred window, clicked once the loop runs.
  headless::Click((1280 - 999) / 2 + 975, (1024 - 697) / 2 + 15);
  EXPECT_EQ(Quorvane(), 0);
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].text, "您确认要退出些系统？");
  EXPECT_TRUE(Application->Terminated());
  EXPECT_EQ(LoginLog().size(), 1u);
}

TEST_F(MainWindowTest, ASecondCopyRefusesToStart) {
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe");
  std::filesystem::create_directories(folder_ / "copies");
  proctest::SleepingCopy running(folder_ / "copies" / self.filename());
  ASSERT_TRUE(running.WaitUntilRunning());
  EXPECT_EQ(Quorvane(), 0);
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].caption, "提示信息");
  EXPECT_EQ(boxes_[0].text, "该程序已经运行！");
  EXPECT_EQ(boxes_[0].flags, 64u);
  EXPECT_EQ(Fm_Main, nullptr);
  EXPECT_FALSE(std::filesystem::exists(folder_ / "brellis-service.db"));
}

TEST_F(MainWindowTest, AnUnreachableServiceEndsTheProgramWithOneLogLine) {
  // A folder where the service's database file should be: it cannot be opened.
  std::filesystem::create_directories(folder_ / "brellis-service.db");
  EXPECT_EQ(Quorvane(), 0);
  EXPECT_EQ(Fm_Main, nullptr);
  EXPECT_TRUE(boxes_.empty());
  const auto lines = LogLines();
  ASSERT_EQ(lines.size(), 1u);
  std::string line = platform::AnsiToUtf8String(lines[0]);
  if (!line.empty() && line.back() == '\r') line.pop_back();
  EXPECT_NE(line.find("连接失败！请重试！[错误信息："), std::string::npos) << line;
  EXPECT_EQ(line.back(), ']');
}

}  // namespace
