// Shared by the month calendar and date-time picker tests: a parent that
// logs the notifications it and its children hear, and a fixed clock.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/base/datetime.h"
#include "user/user_test.h"

namespace brellis::test {

inline SYSTEMTIME Day(WORD year, WORD month, WORD day, WORD hour = 0, WORD minute = 0, WORD second = 0) {
  return SYSTEMTIME{year, month, 0, day, hour, minute, second, 0};
}

inline std::string DateText(const SYSTEMTIME& st) {
  return std::to_string(st.wYear) + "-" + std::to_string(st.wMonth) + "-" + std::to_string(st.wDay);
}

class PickerTest : public UserTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Logs WM_NOTIFY codes arriving at `hwnd` as "<who>:<code name>" and
  // passes them on.
  void LogNotifications(HWND hwnd, const std::string& who);

  HWND parent = nullptr;
  std::vector<std::string> log;
  std::vector<SYSTEMTIME> dates;  // the date of every logged notification that has one

 private:
  std::deque<LONG_PTR> previous_;
  std::vector<std::pair<HWND, std::pair<WNDPROC, LONG_PTR>>> hooked_;
};

}  // namespace brellis::test
