#include "ui/main_window_fixture.h"

#include <sqlite3.h>
#include <unistd.h>

#include "app/Quorvane.h"
#include "app/program_fixture.h"
#include "platform/base/sysutils.h"
#include "platform/display/browser/browser_window.h"
#include "platform/display/headless/headless.h"
#include "toolkit/Application.h"
#include "ui/Frm_Main.h"

namespace uitest {

namespace fs = std::filesystem;
namespace headless = platform::display::headless;

void MainWindowTest::SetUp() {
  headless::Install({.deterministicClock = true});
  folder_ = fs::temp_directory_path() / ("brellis-ui-" + std::to_string(::getpid()));
  fs::remove_all(folder_);
  fs::create_directories(folder_);
  // The test program stands for the executable: the single-copy check looks
  // for other processes of its own file name.
  OverrideModuleFileName((folder_ / fs::read_symlink("/proc/self/exe").filename()).string());
  previousBoxes_ = platform::SetMessageBoxHandler([this](HWND, const WideString& text, const WideString& caption, UINT type) {
    boxes_.push_back({platform::WideToUtf8String(caption), platform::WideToUtf8String(text), type});
    return answer_;
  });
  previousOpener_ = services::SetUrlOpener([this](const std::string& address) { opened_.push_back(address); });
}

void MainWindowTest::TearDown() {
  Application->DestroyComponents();
  services::SetUrlOpener(std::move(previousOpener_));
  platform::SetMessageBoxHandler(std::move(previousBoxes_));
  OverrideModuleFileName("");
  fs::remove_all(folder_);
}

void MainWindowTest::StartAndShow() {
  ASSERT_TRUE(StartProgram());
  Fm_Main->Show();
  Application->ProcessMessages();
}

void MainWindowTest::ClickClient(int x, int y, platform::display::InputEvent::Button button) {
  POINT p{x, y};
  ClientToScreen(Fm_Main->Handle(), &p);
  headless::AdvanceClock(1000);  // never a double click
  headless::Click(p.x, p.y, button);
  Application->ProcessMessages();
}

void MainWindowTest::ClickCentreOf(const char* controlName) {
  auto* control = dynamic_cast<TControl*>(Fm_Main->FindComponent(controlName));
  ASSERT_NE(control, nullptr) << controlName;
  const TPoint screen = control->ClientToScreen(TPoint{control->Width() / 2, control->Height() / 2});
  POINT client{screen.x, screen.y};
  ScreenToClient(Fm_Main->Handle(), &client);
  ClickClient(client.x, client.y);
}

std::vector<std::u16string> MainWindowTest::Navigations() const {
  return platform::BrowserNavigations(Fm_Main->WebMain->Handle());
}

bool MainWindowTest::PaneVisible() const { return Fm_Main->UrlPanel->Visible(); }

std::vector<std::vector<std::string>> MainWindowTest::LoginLog() const {
  std::vector<std::vector<std::string>> rows;
  sqlite3* db = nullptr;
  if (sqlite3_open_v2((folder_ / "brellis-service.db").c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, "SELECT vcPhone, vcLoginIP, vcAdptID, vcComputer FROM Log_UserLogin", -1, &statement,
                       nullptr);
    while (sqlite3_step(statement) == SQLITE_ROW) {
      std::vector<std::string> row;
      for (int i = 0; i < 4; ++i) row.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(statement, i)));
      rows.push_back(row);
    }
    sqlite3_finalize(statement);
  }
  sqlite3_close(db);
  return rows;
}

std::vector<std::string> MainWindowTest::LogLines() const { return apptest::LogLinesIn(folder_); }

void MainWindowTest::ExecuteOnService(const std::string& sql) const {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open((folder_ / "brellis-service.db").c_str(), &db), SQLITE_OK);
  char* error = nullptr;
  const int result = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
  const std::string message = error ? error : "";
  sqlite3_free(error);
  sqlite3_close(db);
  ASSERT_EQ(result, SQLITE_OK) << message;
}

}  // namespace uitest
