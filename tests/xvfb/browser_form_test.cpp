// The form on a real X screen: real input clicks its button and drags it by
// its caption panel, a screenshot shows the local page's colours in the
// browser pane and the form at its new place. Start-up times are printed.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <thread>

#include "child_process.h"
#include "platform/gdi/codecs.h"

namespace {

using namespace std::chrono_literals;
using xvfb_test::ReportingChild;
using xvfb_test::RunProgram;


// The numbers after the report word: "pane 1 2 3 4" → {1, 2, 3, 4}.
std::vector<int> NumbersOf(const std::string& line) {
  std::istringstream in(line);
  std::string word;
  in >> word;
  std::vector<int> values;
  for (int v; in >> v;) values.push_back(v);
  return values;
}

std::string Str(int v) { return std::to_string(v); }

bool Near(platform::Pixel actual, COLORREF expected) {
  const int r = static_cast<int>((actual >> 16) & 0xFF) - GetRValue(expected);
  const int g = static_cast<int>((actual >> 8) & 0xFF) - GetGValue(expected);
  const int b = static_cast<int>(actual & 0xFF) - GetBValue(expected);
  return std::abs(r) <= 8 && std::abs(g) <= 8 && std::abs(b) <= 8;
}

constexpr COLORREF kPageTop = RGB(0, 160, 96);
constexpr COLORREF kPageBand = RGB(240, 96, 16);
constexpr COLORREF kPanel = RGB(40, 60, 140);
constexpr COLORREF kPageTyped = RGB(32, 64, 224);

TEST(BrowserFormOnScreen, ClickDragAndPageInThePane) {
  if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "no X screen (run under xvfb-run)";
  const std::string page = "file://" + std::string(BRELLIS_XVFB_DIR) + "/page.html";
  ReportingChild app({BRELLIS_FORM_APP, page});
  ASSERT_TRUE(app.Started());

  const auto button = app.WaitFor("button", 20s);
  const auto panel = app.WaitFor("panel", 1s);
  const auto firstPane = app.WaitFor("pane", 1s);
  ASSERT_TRUE(button && panel && firstPane);
  ASSERT_TRUE(app.WaitFor("frame", 20s)) << "the form never reached the screen";
  const auto frameMs = app.LastArrival();
  ASSERT_TRUE(app.WaitFor("loaded", 30s)) << "the page never finished loading";
  const auto loadedMs = app.LastArrival();
  std::printf("start-up: first frame of the form %lld ms, page load finished %lld ms\n",
              static_cast<long long>(frameMs.count()), static_cast<long long>(loadedMs.count()));
  ::testing::Test::RecordProperty("first_frame_ms", static_cast<int>(frameMs.count()));
  ::testing::Test::RecordProperty("page_loaded_ms", static_cast<int>(loadedMs.count()));

  const std::vector<int> b = NumbersOf(*button);
  ASSERT_EQ(RunProgram({"xdotool", "mousemove", Str(b[0]), Str(b[1]), "click", "1"}), 0);
  EXPECT_TRUE(app.WaitFor("clicked", 5s)) << "the button did not see the click";

  // Drag by the caption panel: 10 steps of (10, 8) move the form by (100, 80).
  const std::vector<int> p = NumbersOf(*panel);
  ASSERT_EQ(RunProgram({"xdotool", "mousemove", Str(p[0]), Str(p[1]), "mousedown", "1"}), 0);
  for (int step = 0; step < 10; ++step) {
    ASSERT_EQ(RunProgram({"xdotool", "mousemove_relative", "--", "10", "8"}), 0);
  }
  ASSERT_EQ(RunProgram({"xdotool", "mouseup", "1"}), 0);
  const auto moved = app.WaitFor("moved", 5s);
  const auto pane = app.WaitFor("pane", 1s);
  ASSERT_TRUE(moved && pane) << "the drag did not end in a system move";
  const std::vector<int> before = NumbersOf(*firstPane);
  const std::vector<int> after = NumbersOf(*pane);
  EXPECT_EQ(after[0] - before[0], 100);
  EXPECT_EQ(after[1] - before[1], 80);

  // Let the move reach the screen, then look at it.
  std::this_thread::sleep_for(500ms);
  const std::string shot = std::string(BRELLIS_XVFB_DIR) + "/screen.png";
  ASSERT_EQ(RunProgram({"import", "-window", "root", shot}), 0);
  const auto bytes = platform::ReadFileBytes(shot);
  ASSERT_TRUE(bytes);
  const auto screen = platform::ReadPng(bytes->data(), bytes->size());
  ASSERT_TRUE(screen);
  const int midX = (after[0] + after[2]) / 2;
  const int height = after[3] - after[1];
  EXPECT_TRUE(Near(screen->PixelAt(midX, after[1] + height / 4), kPageTop)) << std::hex
      << screen->PixelAt(midX, after[1] + height / 4);
  EXPECT_TRUE(Near(screen->PixelAt(midX, after[1] + 3 * height / 4), kPageBand)) << std::hex
      << screen->PixelAt(midX, after[1] + 3 * height / 4);
  // The caption panel is where the form went, no longer where it was.
  EXPECT_TRUE(Near(screen->PixelAt(p[0] + 100, p[1] + 80), kPanel));
  EXPECT_FALSE(Near(screen->PixelAt(p[0], p[1]), kPanel));

  // A click in the page gives it the keyboard.
  ASSERT_EQ(RunProgram({"xdotool", "mousemove", Str(midX), Str(after[1] + 20), "click", "1"}), 0);
  ASSERT_EQ(RunProgram({"xdotool", "key", "k"}), 0);
  std::this_thread::sleep_for(500ms);
  ASSERT_EQ(RunProgram({"import", "-window", "root", shot}), 0);
  const auto typedBytes = platform::ReadFileBytes(shot);
  ASSERT_TRUE(typedBytes);
  const auto typed = platform::ReadPng(typedBytes->data(), typedBytes->size());
  ASSERT_TRUE(typed);
  EXPECT_TRUE(Near(typed->PixelAt(midX, after[1] + height / 4), kPageTyped)) << std::hex
      << typed->PixelAt(midX, after[1] + height / 4);
}

}  // namespace
