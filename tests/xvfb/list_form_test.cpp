// Lists on a real X screen: real mouse drags move a list box's thumb and a
// scroll bar control's thumb (press, moves, release), and the positions
// follow the distance dragged; a click opens a combo box's list and a
// click on an item chooses it.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <sstream>

#include "child_process.h"

namespace {

using namespace std::chrono_literals;
using xvfb_test::ReportingChild;
using xvfb_test::RunProgram;

std::vector<int> NumbersOf(const std::string& line) {
  std::istringstream in(line);
  std::string word;
  in >> word;
  std::vector<int> values;
  for (int v; in >> v;) values.push_back(v);
  return values;
}

std::string Str(int v) { return std::to_string(v); }

// Drags from a point by `dy` pixels down in steps, as a hand does.
void Drag(int x, int y, int dy) {
  ASSERT_EQ(RunProgram({"xdotool", "mousemove", Str(x), Str(y), "mousedown", "1"}), 0);
  constexpr int kSteps = 8;
  for (int step = 1; step <= kSteps; ++step) {
    ASSERT_EQ(RunProgram({"xdotool", "mousemove", Str(x), Str(y + dy * step / kSteps)}), 0);
  }
  ASSERT_EQ(RunProgram({"xdotool", "mouseup", "1"}), 0);
}

// The position a thumb dragged by `dy` pixels reaches.
int Expected(const std::vector<int>& thumb, int dy) {
  const int track = thumb[2], length = thumb[3], range = thumb[4];
  return static_cast<int>(std::lround(static_cast<double>(dy) * range / (track - length)));
}

// The last report of `word` that came within the time limit.
std::optional<std::string> Last(ReportingChild& app, const std::string& word, std::chrono::milliseconds limit) {
  std::optional<std::string> last = app.WaitFor(word, limit);
  while (last) {
    auto next = app.WaitFor(word, 300ms);
    if (!next) break;
    last = next;
  }
  return last;
}

TEST(ListFormOnScreen, DraggedThumbsScrollAndAClickChoosesFromTheCombo) {
  if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "no X screen (run under xvfb-run)";
  ReportingChild app({BRELLIS_LIST_FORM_APP});
  ASSERT_TRUE(app.Started());
  const auto listThumb = app.WaitFor("listthumb", 20s);
  const auto barThumb = app.WaitFor("barthumb", 1s);
  const auto combo = app.WaitFor("combo", 1s);
  ASSERT_TRUE(listThumb && barThumb && combo);
  // Its first frame is waited for; the drawing notice can be missed after
  // another program's windows, and the drags below fail plainly if the form
  // is not on the screen.
  app.WaitFor("shown", 5s);

  const std::vector<int> list = NumbersOf(*listThumb);
  ASSERT_EQ(list.size(), 5u);
  Drag(list[0], list[1], 60);
  const auto top = Last(app, "top", 5s);
  ASSERT_TRUE(top) << "the list did not scroll";
  EXPECT_NEAR(NumbersOf(*top)[0], Expected(list, 60), 2);

  const std::vector<int> bar = NumbersOf(*barThumb);
  ASSERT_EQ(bar.size(), 5u);
  Drag(bar[0], bar[1], 80);
  const auto position = Last(app, "bar", 5s);
  ASSERT_TRUE(position) << "the scroll bar did not move";
  EXPECT_NEAR(NumbersOf(*position)[0], Expected(bar, 80), 2);

  const std::vector<int> c = NumbersOf(*combo);
  ASSERT_EQ(RunProgram({"xdotool", "mousemove", Str(c[0]), Str(c[1]), "click", "1"}), 0);
  const auto item = app.WaitFor("item", 5s);
  ASSERT_TRUE(item) << "the combo box did not drop its list";
  const std::vector<int> i = NumbersOf(*item);
  ASSERT_EQ(RunProgram({"xdotool", "mousemove", Str(i[1]), Str(i[2]), "click", "1"}), 0);
  const auto chosen = app.WaitFor("chosen", 5s);
  ASSERT_TRUE(chosen) << "the click on the item chose nothing";
  EXPECT_EQ(*chosen, "chosen " + Str(i[0]) + " Choice " + Str(i[0]));
}

}  // namespace
