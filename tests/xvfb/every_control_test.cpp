// The form with every control on a real X screen, driven by real input: a
// click toggles the check box, a drag moves the track bar's thumb the way
// the mouse went, a click on the second tab shows the second page; the
// screen shows each change.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <thread>

#include "child_process.h"
#include "platform/gdi/codecs.h"

namespace {

using namespace std::chrono_literals;
using xvfb_test::ReportingChild;
using xvfb_test::RunProgram;

std::vector<int> NumbersOf(const std::optional<std::string>& line) {
  std::vector<int> values;
  if (!line) return values;
  std::istringstream in(*line);
  std::string word;
  in >> word;
  for (int v; in >> v;) values.push_back(v);
  return values;
}

std::string Str(int v) { return std::to_string(v); }

std::optional<platform::DibImage> Screenshot(const std::string& name) {
  const std::string path = std::string(BRELLIS_XVFB_DIR) + "/" + name + ".png";
  if (RunProgram({"import", "-window", "root", path}) != 0) return std::nullopt;
  const auto bytes = platform::ReadFileBytes(path);
  return bytes ? platform::ReadPng(bytes->data(), bytes->size()) : std::nullopt;
}

bool Near(platform::Pixel actual, COLORREF expected, int tolerance = 8) {
  const int r = static_cast<int>((actual >> 16) & 0xFF) - GetRValue(expected);
  const int g = static_cast<int>((actual >> 8) & 0xFF) - GetGValue(expected);
  const int b = static_cast<int>(actual & 0xFF) - GetBValue(expected);
  return std::abs(r) <= tolerance && std::abs(g) <= tolerance && std::abs(b) <= tolerance;
}

// Black pixels in the check box's box: its left 14 columns.
int MarkPixels(const platform::DibImage& screen, const std::vector<int>& box) {
  int count = 0;
  for (int y = box[1]; y < box[3]; ++y) {
    for (int x = box[0]; x < box[0] + 14; ++x) count += Near(screen.PixelAt(x, y), RGB(0, 0, 0)) ? 1 : 0;
  }
  return count;
}

constexpr COLORREF kFace = RGB(212, 208, 200);
constexpr COLORREF kWhite = RGB(255, 255, 255);

TEST(EveryControlOnScreen, ClickDragAndTabChangeTheControlsAndTheScreen) {
  if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "no X screen (run under xvfb-run)";
  ReportingChild app({BRELLIS_EVERY_CONTROL_APP});
  ASSERT_TRUE(app.Started());
  const std::vector<int> check = NumbersOf(app.WaitFor("check", 20s));
  const std::vector<int> box = NumbersOf(app.WaitFor("checkbox", 1s));
  const std::vector<int> thumb = NumbersOf(app.WaitFor("thumb", 1s));
  const std::vector<int> tab = NumbersOf(app.WaitFor("tab", 1s));
  const std::vector<int> details = NumbersOf(app.WaitFor("details", 1s));
  ASSERT_TRUE(check.size() == 2 && box.size() == 4 && thumb.size() == 2 && tab.size() == 2 && details.size() == 2);
  ASSERT_TRUE(app.WaitFor("frame", 20s)) << "the form never reached the screen";
  std::this_thread::sleep_for(300ms);
  const auto before = Screenshot("every_control_before");
  ASSERT_TRUE(before);
  EXPECT_GT(MarkPixels(*before, box), 4) << "no check mark in the box";
  EXPECT_TRUE(Near(before->PixelAt(thumb[0], thumb[1]), kFace)) << std::hex << before->PixelAt(thumb[0], thumb[1]);
  EXPECT_TRUE(Near(before->PixelAt(details[0], details[1]), kFace));

  // The check box: checked, one click unchecks it.
  ASSERT_EQ(RunProgram({"xdotool", "mousemove", Str(check[0]), Str(check[1]), "click", "1"}), 0);
  EXPECT_EQ(app.WaitFor("state", 5s).value_or("none"), "state cbUnchecked");

  // The thumb, dragged 60 pixels to the right in steps, goes up from 5.
  ASSERT_EQ(RunProgram({"xdotool", "mousemove", Str(thumb[0]), Str(thumb[1]), "mousedown", "1"}), 0);
  for (int step = 0; step < 6; ++step) {
    ASSERT_EQ(RunProgram({"xdotool", "mousemove_relative", "--", "10", "0"}), 0);
  }
  ASSERT_EQ(RunProgram({"xdotool", "mouseup", "1"}), 0);
  const std::vector<int> released = NumbersOf(app.WaitFor("released", 5s));
  ASSERT_EQ(released.size(), 3u) << "the drag did not end on the track bar";
  EXPECT_GE(released[0], 10);  // about 10 pixels a step on a 220-pixel bar of 20 steps
  EXPECT_LE(released[0], 12);
  EXPECT_GT(released[1], thumb[0] + 40);
  EXPECT_EQ(released[2], thumb[1]);

  // The second tab shows the second page.
  ASSERT_EQ(RunProgram({"xdotool", "mousemove", Str(tab[0]), Str(tab[1]), "click", "1"}), 0);
  EXPECT_EQ(app.WaitFor("page", 5s).value_or("none"), "page 1");

  // The screen: no mark in the box, the thumb where it was released and no
  // longer where it was, the second page's white panel.
  std::this_thread::sleep_for(500ms);
  const auto after = Screenshot("every_control_after");
  ASSERT_TRUE(after);
  EXPECT_EQ(MarkPixels(*after, box), 0) << "the box still shows a check mark";
  EXPECT_TRUE(Near(after->PixelAt(released[1], released[2]), kFace)) << std::hex
      << after->PixelAt(released[1], released[2]);
  EXPECT_FALSE(Near(after->PixelAt(thumb[0], thumb[1]), kFace)) << std::hex << after->PixelAt(thumb[0], thumb[1]);
  EXPECT_TRUE(Near(after->PixelAt(details[0], details[1]), kWhite)) << std::hex
      << after->PixelAt(details[0], details[1]);
}

}  // namespace
