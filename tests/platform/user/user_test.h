// The fixture of the window-manager tests: a headless screen with a
// deterministic clock, a message recorder, and no window left behind.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "platform/controls/controls.h"
#include "platform/display/headless/headless.h"
#include "platform/user/dialog.h"
#include "platform/user/user.h"
#include "support/message_recorder.h"

namespace brellis::test {

// Short names for the flags of expected-message tables.
constexpr unsigned S = kSent;
constexpr unsigned P = kPosted;
constexpr unsigned H = kHook;
constexpr unsigned D = kDefWinProc;
constexpr unsigned O = kOptional;
constexpr unsigned W = kWParam;
constexpr unsigned X = kOtherWindow;

class UserTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A visible-or-not top-level window of the recorder's class.
  HWND CreateTop(DWORD style = WS_OVERLAPPEDWINDOW, RECT rect = RECT{100, 100, 400, 300}, DWORD exStyle = 0,
                 HWND owner = nullptr);
  HWND CreateChild(HWND parent, RECT rect, DWORD style = WS_CHILD | WS_VISIBLE, int id = 0);

  // Reads and dispatches everything that is queued now.
  void Pump() { recorder->Pump(); }

  std::unique_ptr<MessageRecorder> recorder;
};

// Destroys every top-level window and empties the queue.
void DestroyAllWindows();

}  // namespace brellis::test
