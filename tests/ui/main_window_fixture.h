// The running program on the headless screen: a private folder standing for
// the executable's folder (the embedded service and the log go there),
// recorders in place of message boxes and of the user's browser, and helpers
// that click the main window where a user would.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/display/display.h"
#include "platform/user/msgbox.h"
#include "services/url_opener.h"

namespace uitest {

struct ShownBox {
  std::string caption;  // UTF-8
  std::string text;
  UINT flags;
};

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The start-up sequence, then the main window shown as the message loop
  // would show it.
  void StartAndShow();
  // A click in the main window's client coordinates, handled at once.
  void ClickClient(int x, int y, platform::display::InputEvent::Button button = platform::display::InputEvent::Left);
  void ClickCentreOf(const char* controlName);

  std::vector<std::u16string> Navigations() const;
  bool PaneVisible() const;
  std::vector<std::vector<std::string>> LoginLog() const;
  std::vector<std::string> LogLines() const;
  // Runs SQL on the embedded service's database file.
  void ExecuteOnService(const std::string& sql) const;

  std::filesystem::path folder_;
  std::vector<ShownBox> boxes_;
  int answer_ = IDOK;
  std::vector<std::string> opened_;  // addresses handed to the user's browser

 private:
  platform::MessageBoxHandler previousBoxes_;
  services::UrlOpener previousOpener_;
};

}  // namespace uitest
