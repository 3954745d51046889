// A program environment for tests: a private folder that stands for the
// executable's folder (the embedded service and the log go there), the data
// module, and a recorder in place of message boxes.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "app/Frm_Data.h"
#include "platform/user/msgbox.h"

namespace apptest {

struct ShownBox {
  AnsiString caption;  // the program's 8-bit text
  AnsiString text;
  UINT flags;
};

// The lines of every log file in `folder`/log, oldest file first.
std::vector<std::string> LogLinesIn(const std::filesystem::path& folder);

class ProgramFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Opens ADOConMain on the given connection string (the built-in one when empty).
  void OpenConnection(const AnsiString& connectionString);
  std::vector<std::string> LogLines() const;

  std::filesystem::path folder_;
  std::vector<ShownBox> boxes_;
  int answer_ = IDOK;

 private:
  platform::MessageBoxHandler previous_;
};

}  // namespace apptest
