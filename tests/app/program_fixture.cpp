#include "app/program_fixture.h"

#include <unistd.h>

#include <algorithm>
#include <fstream>

#include "platform/base/sysutils.h"

namespace apptest {

namespace fs = std::filesystem;

void ProgramFixture::SetUp() {
  folder_ = fs::temp_directory_path() / ("brellis-program-" + std::to_string(::getpid()) + "-" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
  fs::remove_all(folder_);
  fs::create_directories(folder_);
  OverrideModuleFileName((folder_ / "Brellis").string());
  previous_ = platform::SetMessageBoxHandler([this](HWND, const WideString& text, const WideString& caption, UINT type) {
    boxes_.push_back({platform::WideToAnsiString(caption), platform::WideToAnsiString(text), type});
    return answer_;
  });
  Fm_Data = NewComponent<TFm_Data>(nullptr);
}

void ProgramFixture::TearDown() {
  Fm_Data->Free();
  Fm_Data = nullptr;
  platform::SetMessageBoxHandler(std::move(previous_));
  OverrideModuleFileName("");
  fs::remove_all(folder_);
}

void ProgramFixture::OpenConnection(const AnsiString& connectionString) {
  Fm_Data->ADOConMain->Close();
  Fm_Data->ADOConMain->SetConnectionString(connectionString);
  Fm_Data->ADOConMain->Open();
}

std::vector<std::string> LogLinesIn(const fs::path& folder) {
  std::vector<std::string> lines;
  if (!fs::exists(folder / "log")) return lines;
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(folder / "log")) files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  for (const auto& file : files) {
    std::ifstream in(file, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) lines.push_back(line);
  }
  return lines;
}

std::vector<std::string> ProgramFixture::LogLines() const { return LogLinesIn(folder_); }

}  // namespace apptest
