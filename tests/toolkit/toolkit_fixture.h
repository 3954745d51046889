// The fixture of the control and form tests: a headless screen with a
// deterministic clock, and no window or form left behind by a test.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>

#include "platform/display/headless/headless.h"
#include "toolkit/Application.h"
#include "toolkit/Forms.h"

namespace brellis::test {

class ToolkitTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Handles everything queued now (input, posted messages, paints, due timers).
  static void Pump() { Application->ProcessMessages(); }
  // A shown form of the given client size at a fixed place.
  static TForm* NewShownForm(int clientWidth, int clientHeight);
};

// A form read from a form resource, shown, with its first messages handled.
TForm* ReadShownForm(std::string_view resource);

// The window style of a control's window.
DWORD StyleOf(TWinControl* control);

// Runs `round` once (classes and atoms are made once), then 200 times more,
// and expects every handle count and the thunk count where they were.
void ExpectRoundsLeaveEveryCount(const std::function<void()>& round);

// Destroys every top-level window and empties the queue.
void DestroyAllToolkitWindows();

// Form resource binary values in hex: a 32-bit length and the bytes (a
// bitmap's data), or a picture: the graphic's class, then its sized data.
std::string SizedDataHex(const std::string& bytes);
std::string PictureDataHex(const std::string& graphicClass, const std::string& bytes);
std::string ReadSourceFile(const std::string& relative);

}  // namespace brellis::test
