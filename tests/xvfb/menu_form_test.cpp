// Menus on a real X screen: a click on the bar opens the drop-down, the
// pointer over an entry selects it (a screenshot shows it in the highlight
// colour and its neighbour not), a click chooses it and its OnClick runs; an
// entry linked to an action executes the action; a right click opens the
// form's popup menu and a click there chooses too.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <sstream>
#include <thread>

#include "child_process.h"
#include "platform/gdi/codecs.h"

namespace {

using namespace std::chrono_literals;
using xvfb_test::ReportingChild;
using xvfb_test::RunProgram;

constexpr COLORREF kHighlight = RGB(10, 36, 106);
constexpr COLORREF kMenu = RGB(212, 208, 200);

std::vector<int> NumbersOf(const std::string& line) {
  std::istringstream in(line);
  std::string word, name;
  in >> word;
  if (word == "entry" || word == "open") in >> name;
  std::vector<int> values;
  for (int v; in >> v;) values.push_back(v);
  return values;
}

std::string Str(int v) { return std::to_string(v); }

COLORREF ColourAt(const platform::DibImage& image, int x, int y) {
  const platform::Pixel p = image.PixelAt(x, y);
  return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

std::optional<platform::DibImage> Screenshot() {
  const std::string path = std::string(BRELLIS_XVFB_DIR) + "/menu_screen.png";
  if (RunProgram({"import", "-window", "root", path}) != 0) return std::nullopt;
  const auto bytes = platform::ReadFileBytes(path);
  return bytes ? platform::ReadPng(bytes->data(), bytes->size()) : std::nullopt;
}

struct OpenedMenu {
  std::vector<int> window;                       // L T R B
  std::map<std::string, std::vector<int>> entry;  // name → X Y
};

// Waits for an "open FIRST …" report and the entry lines after it.
std::optional<OpenedMenu> WaitForMenu(ReportingChild& app, const std::string& first, int entries) {
  const auto open = app.WaitFor("open " + first, 5s);
  if (!open) return std::nullopt;
  OpenedMenu menu;
  menu.window = NumbersOf(*open);
  for (int i = 0; i < entries; ++i) {
    const auto line = app.WaitFor("entry", 1s);
    if (!line) return std::nullopt;
    std::istringstream in(*line);
    std::string word, name;
    in >> word >> name;
    menu.entry[name] = NumbersOf(*line);
  }
  return menu;
}

bool Click(const std::vector<int>& at, int button = 1) {
  return RunProgram({"xdotool", "mousemove", Str(at[0]), Str(at[1]), "click", Str(button)}) == 0;
}

TEST(MenuFormOnScreen, BarDropDownHighlightClickActionAndPopup) {
  if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "no X screen (run under xvfb-run)";
  ReportingChild app({BRELLIS_MENU_FORM_APP});
  ASSERT_TRUE(app.Started());
  const auto file = app.WaitFor("bar 0", 20s);
  const auto client = app.WaitFor("client", 1s);
  ASSERT_TRUE(file && client);
  ASSERT_TRUE(app.WaitFor("frame", 20s)) << "the form never reached the screen";
  const std::vector<int> fileAt = NumbersOf(*file);
  const std::vector<int> bar{fileAt[1], fileAt[2]};

  // A click on "File" opens its drop-down.
  ASSERT_TRUE(Click(bar));
  auto menu = WaitForMenu(app, "New", 3);
  ASSERT_TRUE(menu) << "the drop-down did not open";
  ASSERT_TRUE(menu->entry.count("Open") && menu->entry.count("New"));
  EXPECT_GT(menu->window[1], bar[1]);  // below the bar

  // The pointer over "Open" selects it: the screen shows it highlighted.
  const std::vector<int> open = menu->entry["Open"];
  ASSERT_EQ(RunProgram({"xdotool", "mousemove", Str(open[0]), Str(open[1])}), 0);
  ASSERT_TRUE(app.WaitFor("select Open", 5s)) << "the entry under the pointer was not selected";
  std::this_thread::sleep_for(400ms);
  const auto shot = Screenshot();
  ASSERT_TRUE(shot);
  const int checkColumn = menu->window[0] + 3 + 4;
  EXPECT_EQ(ColourAt(*shot, checkColumn, open[1]), kHighlight) << std::hex << ColourAt(*shot, checkColumn, open[1]);
  EXPECT_EQ(ColourAt(*shot, checkColumn, menu->entry["New"][1]), kMenu);
  EXPECT_EQ(ColourAt(*shot, open[0], menu->window[3] - 1), RGB(64, 64, 64));  // the frame's dark edge

  // A click chooses it; the menu goes away.
  ASSERT_TRUE(Click(open));
  EXPECT_TRUE(app.WaitFor("clicked Open", 5s)) << "the chosen item's OnClick did not run";

  // "New" is linked to an action: choosing it executes the action.
  std::this_thread::sleep_for(200ms);
  ASSERT_TRUE(Click(bar));
  menu = WaitForMenu(app, "New", 3);
  ASSERT_TRUE(menu);
  ASSERT_TRUE(Click(menu->entry["New"]));
  EXPECT_TRUE(app.WaitFor("executed NewAction", 5s)) << "the item's action did not execute";

  // A right click in the client area opens the form's popup menu.
  std::this_thread::sleep_for(200ms);
  ASSERT_TRUE(Click(NumbersOf(*client), 3));
  menu = WaitForMenu(app, "Copy", 2);
  ASSERT_TRUE(menu) << "the context menu did not open";
  ASSERT_TRUE(Click(menu->entry["Paste"]));
  EXPECT_TRUE(app.WaitFor("clicked Paste", 5s));
}

}  // namespace
