// The real program on a real X screen: a click on the main window's close
// hot spot asks whether to end; the question box wears the embedded skin's
// frame (its pixels are the side and title pictures' own); "No" keeps the
// program running, and "Yes" on the next question ends it with status 0.
#include <gtest/gtest.h>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <sstream>
#include <thread>

#include "child_process.h"
#include "platform/base/resources.h"
#include "platform/gdi/codecs.h"
#include "skin/WinSkinData.h"

extern char** environ;

namespace {

using namespace std::chrono_literals;
using xvfb_test::RunProgram;

// The main window is centred on the 1280 × 1024 screen; this is its close
// picture, top right of the header.
constexpr int kCloseX = 1116;
constexpr int kCloseY = 179;

struct Box {
  unsigned long id = 0;
  int x = 0, y = 0, width = 0, height = 0;
};

std::string Output(const std::string& command) {
  std::string text;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe)) text += buffer;
    pclose(pipe);
  }
  return text;
}

std::set<unsigned long> VisibleWindows() {
  std::set<unsigned long> ids;
  std::istringstream in(Output("xdotool search --onlyvisible --name 'Brellis' 2>/dev/null"));
  for (unsigned long id; in >> id;) ids.insert(id);
  return ids;
}

std::optional<Box> Geometry(unsigned long id) {
  // "Window N\n  Position: X,Y (screen: 0)\n  Geometry: WxH\n"
  const std::string text = Output("xdotool getwindowgeometry " + std::to_string(id));
  Box box{id};
  const auto position = text.find("Position:");
  const auto geometry = text.find("Geometry:");
  if (position == std::string::npos || geometry == std::string::npos) return std::nullopt;
  if (std::sscanf(text.c_str() + position, "Position: %d,%d", &box.x, &box.y) != 2) return std::nullopt;
  if (std::sscanf(text.c_str() + geometry, "Geometry: %dx%d", &box.width, &box.height) != 2) return std::nullopt;
  return box;
}

// The window among the visible ones that was not there before, once it has
// a size (a box is 100–400 pixels wide).
std::optional<Box> WaitForNewWindow(const std::set<unsigned long>& before, std::chrono::milliseconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (std::chrono::steady_clock::now() < end) {
    for (unsigned long id : VisibleWindows()) {
      if (before.count(id)) continue;
      if (auto box = Geometry(id); box && box->width > 100 && box->height > 60) return box;
    }
    std::this_thread::sleep_for(100ms);
  }
  return std::nullopt;
}

bool Gone(unsigned long id) { return VisibleWindows().count(id) == 0; }

bool Click(int x, int y) {
  return RunProgram({"xdotool", "mousemove", std::to_string(x), std::to_string(y), "click", "1"}) == 0;
}

std::optional<platform::DibImage> Screenshot() {
  const std::string path = std::string(BRELLIS_XVFB_DIR) + "/exit_question_screen.png";
  if (RunProgram({"import", "-window", "root", path}) != 0) return std::nullopt;
  const auto bytes = platform::ReadFileBytes(path);
  return bytes ? platform::ReadPng(bytes->data(), bytes->size()) : std::nullopt;
}

COLORREF ScreenColour(const platform::DibImage& image, int x, int y) {
  const platform::Pixel p = image.PixelAt(x, y);
  return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

bool Near(COLORREF a, COLORREF b, int tolerance) {
  return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
         std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

bool IsKey(COLORREF c) { return GetRValue(c) == 255 && GetGValue(c) <= 1 && GetBValue(c) == 255; }

struct Comparison {
  int probes = 0;
  int matching = 0;
  std::string firstMismatch;
};

// Compares the screen with frame 1 of a side picture where the frame shows
// it unscaled: the picture pixel (px, py) at the screen point (x0 + px,
// y0 + py), for px < columns and py < rows. Key-coloured pixels are cut out of
// the window and not compared.
void CompareUnscaled(Comparison& result, const platform::DibImage& screen, TBitmap& picture, int frameWidth,
                     int columns, int rows, int x0, int y0) {
  for (int py = 0; py < rows; ++py) {
    for (int px = 0; px < columns && px < frameWidth; ++px) {
      const COLORREF expected = ColorToRGB(picture.Canvas()->Pixels(px, py));
      if (IsKey(expected)) continue;
      const COLORREF actual = ScreenColour(screen, x0 + px, y0 + py);
      ++result.probes;
      if (Near(actual, expected, 4)) {
        ++result.matching;
      } else if (result.firstMismatch.empty()) {
        char text[96];
        std::snprintf(text, sizeof text, "screen %d,%d is %06X, the picture %06X", x0 + px, y0 + py,
                      static_cast<unsigned>(actual), static_cast<unsigned>(expected));
        result.firstMismatch = text;
      }
    }
  }
}

// The program, with its exit status once it ends.
class Program {
 public:
  Program() {
    char* argv[] = {const_cast<char*>(BRELLIS_PROGRAM), nullptr};
    if (posix_spawn(&pid_, BRELLIS_PROGRAM, nullptr, nullptr, argv, environ) != 0) pid_ = -1;
  }
  ~Program() {
    if (pid_ > 0 && !ended_) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
    }
  }
  bool Started() const { return pid_ > 0; }
  // The exit status when the program ended within `limit`.
  std::optional<int> WaitForEnd(std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
      int status = 0;
      if (waitpid(pid_, &status, WNOHANG) == pid_) {
        ended_ = true;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
      }
      std::this_thread::sleep_for(50ms);
    }
    return std::nullopt;
  }

 private:
  pid_t pid_ = -1;
  bool ended_ = false;
};

TEST(ExitQuestionOnScreen, TheSkinnedQuestionKeepsTheProgramOnNoAndEndsItOnYes) {
  if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "no X screen (run under xvfb-run)";
  Program program;
  ASSERT_TRUE(program.Started());
  const auto main = WaitForNewWindow({}, 30s);
  ASSERT_TRUE(main) << "the main window never showed (is another Brellis running? it starts once per machine)";
  ASSERT_GT(main->width, 600);
  std::this_thread::sleep_for(1500ms);  // the login and the first paints

  const std::set<unsigned long> before = VisibleWindows();
  ASSERT_TRUE(Click(kCloseX, kCloseY));
  auto box = WaitForNewWindow(before, 10s);
  ASSERT_TRUE(box) << "no question after a click on the close hot spot";
  std::this_thread::sleep_for(600ms);  // the skin's deferred attach and repaint
  const auto shot = Screenshot();
  ASSERT_TRUE(shot);

  // The box's frame is the embedded skin's: the unscaled ends of its Left,
  // Right, Top and Bottom pictures, frame 1 (active).
  TSkinData skin;
  ASSERT_TRUE(skin.LoadSkin(platform::FindResourceBytes(platform::kResourceForm, "TESMERA-METALLIC")));
  const auto frameWidth = [](const TDataSkinBorder& s) { return s.Picture->Width() / std::max(1, s.Frame); };
  const auto frameHeight = [](const TDataSkinBorder& s) { return s.Picture->Height() / std::max(1, s.Frame); };
  const int left = frameWidth(*skin.Left);
  const int right = frameWidth(*skin.Right);
  const int title = frameHeight(*skin.Top);
  const int bottom = frameHeight(*skin.Bottom);
  // The title's text background covers the Top picture from the caption's
  // shift on, which a dialog box pulls 16 pixels to the left.
  const int titleColumns = std::min(skin.Top->LeftWidth, std::max(0, skin.Title->LeftWidth - 16));
  Comparison c;
  CompareUnscaled(c, *shot, *skin.Left->Picture, left, left, skin.Left->TopHeight, box->x, box->y);
  CompareUnscaled(c, *shot, *skin.Right->Picture, right, right, skin.Right->TopHeight, box->x + box->width - right,
                  box->y);
  CompareUnscaled(c, *shot, *skin.Top->Picture, frameWidth(*skin.Top), titleColumns, title, box->x + left, box->y);
  CompareUnscaled(c, *shot, *skin.Bottom->Picture, frameWidth(*skin.Bottom), skin.Bottom->LeftWidth, bottom,
                  box->x + left, box->y + box->height - bottom);
  EXPECT_GE(c.probes, 40);
  EXPECT_EQ(c.matching, c.probes) << c.firstMismatch;

  // The question's two buttons sit side by side, centred 28 pixels above
  // its bottom edge: "Yes" left, "No" right.
  const auto answer = [](const Box& b, bool yes) { return Click(b.x + b.width / 2 + (yes ? -40 : 40), b.y + b.height - 28); };
  ASSERT_TRUE(answer(*box, false));
  std::this_thread::sleep_for(800ms);
  EXPECT_TRUE(Gone(box->id)) << "the question stayed after No";
  EXPECT_FALSE(program.WaitForEnd(500ms)) << "No ended the program";

  // Asked again, "Yes" ends it.
  const std::set<unsigned long> again = VisibleWindows();
  ASSERT_TRUE(Click(kCloseX, kCloseY));
  box = WaitForNewWindow(again, 10s);
  ASSERT_TRUE(box) << "no second question";
  std::this_thread::sleep_for(600ms);
  ASSERT_TRUE(answer(*box, true));
  const auto status = program.WaitForEnd(10s);
  ASSERT_TRUE(status) << "Yes did not end the program";
  EXPECT_EQ(*status, 0);
}

}  // namespace
