#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/StartupFormats.h"
#include "app/Unit_Public.h"
#include "platform/base/datetime.h"
#include "platform/base/sysutils.h"

namespace {

namespace fs = std::filesystem;

class Log : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = FormatSettings;
    ApplyStartupFormats();
    folder_ = fs::temp_directory_path() / ("brellis-log-test-" + std::to_string(::getpid()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    OverrideModuleFileName((folder_ / "Brellis").string());
    SetTime({2026, 12, 9, 13, 5, 9});
  }
  void TearDown() override {
    OverrideModuleFileName("");
    OverrideClock(nullptr);
    FormatSettings = saved_;
    fs::remove_all(folder_);
  }

  void SetTime(const TDateTimeParts& parts) {
    const TDateTime t = EncodeDateTime(parts);
    OverrideClock([t] { return t; });
  }

  std::string Read(const std::string& name) const {
    std::ifstream in(folder_ / "log" / name, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }

  fs::path folder_;

 private:
  TFormatSettings saved_;
};

TEST_F(Log, FirstLineCreatesFolderAndDailyFileLaterLinesAppend) {
  WriteLog("", "first");
  SetTime({2026, 12, 9, 23, 59, 58});
  WriteLog("", u8"连接失败！请重试！[错误信息：x]"_ansi);
  EXPECT_EQ(Read("20261209.txt"), "2026-12-09 13:05:09: first\r\n2026-12-09 23:59:58: " +
                                      u8"连接失败！请重试！[错误信息：x]"_ansi + "\r\n");
}

TEST_F(Log, SuffixGoesBetweenDateAndExtension) {
  WriteLog("_db", "x");
  EXPECT_EQ(Read("20261209_db.txt"), "2026-12-09 13:05:09: x\r\n");
}

TEST_F(Log, MidnightLineCarriesTheDateAlone) {
  SetTime({2027, 1, 1, 0, 0, 0});
  WriteLog("", "new year");
  EXPECT_EQ(Read("20270101.txt"), "2027-01-01: new year\r\n");
}

TEST_F(Log, UnwritableFolderLosesTheLineSilently) {
  // A plain file where the folder should be: neither the folder nor the file can be made.
  std::ofstream(folder_ / "log") << "in the way";
  EXPECT_NO_THROW(WriteLog("", "lost"));
  EXPECT_TRUE(fs::is_regular_file(folder_ / "log"));
  // An executable path in a folder that does not exist.
  OverrideModuleFileName((folder_ / "missing" / "deeper" / "Brellis").string());
  EXPECT_NO_THROW(WriteLog("", "lost"));
  EXPECT_FALSE(fs::exists(folder_ / "missing"));
}

}  // namespace
