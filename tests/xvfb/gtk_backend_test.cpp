// The gtk backend on a real X screen: which backend is chosen, waiting
// without spinning, surfaces presented and shaped as a screenshot shows
// them, real keyboard and mouse input as the platform's raw input, and the
// browser engine loaded when a page view needs it.
#include <gtest/gtest.h>

#include <dlfcn.h>
#include <sys/resource.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "child_process.h"
#include "platform/display/display.h"
#include "platform/display/gtk/gtk_keys.h"
#include "platform/gdi/codecs.h"
#include "platform/gdi/region.h"
#include "platform/gdi/surface.h"

namespace {

using namespace std::chrono_literals;
using platform::display::InputEvent;
using xvfb_test::RunProgram;
namespace display = platform::display;

class Collect : public display::InputSink {
 public:
  void Deliver(const InputEvent& event) override { events.push_back(event); }
  std::vector<InputEvent> events;
};

HWND FakeWindow(std::uintptr_t value) { return reinterpret_cast<HWND>(value); }

void Fill(platform::Surface& surface, platform::Pixel pixel) {
  for (int y = 0; y < surface.Height(); ++y) {
    for (int x = 0; x < surface.Width(); ++x) surface.At(x, y) = pixel;
  }
}

std::optional<platform::DibImage> Screenshot() {
  const std::string path = ::testing::TempDir() + "gtk_backend_screen.png";
  if (RunProgram({"import", "-window", "root", path}) != 0) return std::nullopt;
  const auto bytes = platform::ReadFileBytes(path);
  return bytes ? platform::ReadPng(bytes->data(), bytes->size()) : std::nullopt;
}

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

class GtkBackendTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "no X screen (run under xvfb-run)";
    setenv("BRELLIS_DISPLAY", "gtk", 1);
    display::SetBackend(nullptr);
    ASSERT_STREQ(display::Current().Name(), "gtk");
  }
  void TearDown() override { display::SetBackend(nullptr); }
  display::Backend& Backend() { return display::Current(); }

  // Pumps until `done` or the time is up.
  template <typename Done>
  void PumpUntil(Collect& sink, Done done, std::chrono::milliseconds limit = 3s) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!done() && std::chrono::steady_clock::now() < end) Backend().Wait(sink, 20);
  }
};

TEST_F(GtkBackendTest, ChosenForAScreenUnlessHeadlessIsAskedFor) {
  setenv("BRELLIS_DISPLAY", "headless", 1);
  display::SetBackend(nullptr);
  EXPECT_STREQ(display::Current().Name(), "headless");
  unsetenv("BRELLIS_DISPLAY");
  display::SetBackend(nullptr);
  EXPECT_STREQ(display::Current().Name(), "gtk");
}

TEST_F(GtkBackendTest, WaitSleepsUntilTheTimeoutWithoutSpinning) {
  Collect sink;
  Backend().Pump(sink);
  const double cpuBefore = CpuSeconds();
  const auto start = std::chrono::steady_clock::now();
  const DWORD tickBefore = Backend().TickCount();
  EXPECT_FALSE(Backend().Wait(sink, 300));
  const auto waited = std::chrono::steady_clock::now() - start;
  EXPECT_GE(waited, 290ms);
  EXPECT_LT(waited, 1000ms);
  EXPECT_GE(Backend().TickCount() - tickBefore, 290u);
  EXPECT_LT(CpuSeconds() - cpuBefore, 0.1) << "the wait kept the processor busy";
}

TEST_F(GtkBackendTest, PresentedPixelsAndShapeReachTheScreen) {
  auto surface = Backend().CreateSurface(FakeWindow(0x10001), RECT{50, 60, 250, 160}, false);
  Fill(surface->BackingStore(), 0xD02030);
  platform::Region shape(RECT{0, 0, 200, 100});
  shape.Subtract(RECT{0, 0, 40, 40});  // the top-left corner cut away
  surface->SetShape(&shape);
  surface->SetVisible(true);
  Backend().Restack({surface.get()});
  surface->Present(platform::Region(RECT{0, 0, 200, 100}));
  Collect sink;
  PumpUntil(sink, [] { return false; }, 700ms);
  auto screen = Screenshot();
  ASSERT_TRUE(screen);
  EXPECT_EQ(screen->PixelAt(150, 110) & 0xFFFFFF, 0xD02030u);
  EXPECT_NE(screen->PixelAt(60, 70) & 0xFFFFFF, 0xD02030u) << "the shape did not cut the corner";

  // Moved by the program: the pixels follow.
  surface->SetBounds(RECT{300, 60, 500, 160});
  PumpUntil(sink, [] { return false; }, 500ms);
  screen = Screenshot();
  ASSERT_TRUE(screen);
  EXPECT_EQ(screen->PixelAt(400, 110) & 0xFFFFFF, 0xD02030u);
  EXPECT_NE(screen->PixelAt(150, 110) & 0xFFFFFF, 0xD02030u);
}

bool EngineLoaded() {
  void* library = dlopen(BRELLIS_WEBKIT_SONAME, RTLD_NOW | RTLD_NOLOAD);
  if (library != nullptr) dlclose(library);
  return library != nullptr;
}

// A page view leaves the engine unloaded through the program's first frame
// and until it is given an address (or shown); then the page loads.
TEST_F(GtkBackendTest, TheBrowserEngineLoadsWhenAPageViewIsNeeded) {
#if defined(__SANITIZE_ADDRESS__)
  // The leak checker's tracer cannot stop the engine's threads at exit and
  // brings the process down; the browser form test covers the engine under
  // the sanitizers in a process of its own.
  GTEST_SKIP() << "the browser engine is not loaded into a sanitized test process";
#endif
  if (EngineLoaded()) GTEST_SKIP() << "an earlier test in this process loaded the engine";
  auto surface = Backend().CreateSurface(FakeWindow(0x10003), RECT{50, 60, 250, 160}, false);
  std::unique_ptr<display::BrowserView> view = Backend().CreateBrowserView();
  ASSERT_TRUE(view);
  std::u16string loaded;
  view->OnLoadFinished([&loaded](const std::u16string& address) { loaded = address; });
  view->Place(FakeWindow(0x10003), RECT{10, 10, 190, 90}, false);
  Fill(surface->BackingStore(), 0x2030D0);
  surface->SetVisible(true);
  Backend().Restack({surface.get()});
  surface->Present(platform::Region(RECT{0, 0, 200, 100}));
  Collect sink;
  PumpUntil(sink, [] { return false; }, 500ms);
  EXPECT_FALSE(EngineLoaded()) << "the engine was loaded before a page view needed it";
  const std::string page = "file://" BRELLIS_XVFB_DIR "/page.html";
  view->Navigate(std::u16string(page.begin(), page.end()));
  EXPECT_TRUE(EngineLoaded());
  PumpUntil(sink, [&loaded] { return !loaded.empty(); }, 10s);
  EXPECT_EQ(loaded, std::u16string(page.begin(), page.end()));
}

TEST_F(GtkBackendTest, RealMouseAndKeysArriveAsRawInput) {
  auto surface = Backend().CreateSurface(FakeWindow(0x20001), RECT{100, 100, 300, 200}, false);
  surface->SetVisible(true);
  surface->Present(platform::Region(RECT{0, 0, 200, 100}));
  Collect sink;
  PumpUntil(sink, [] { return false; }, 500ms);
  sink.events.clear();

  ASSERT_EQ(RunProgram({"xdotool", "mousemove", "150", "130", "click", "1"}), 0);
  auto has = [&](InputEvent::Kind kind) {
    for (const InputEvent& e : sink.events) {
      if (e.kind == kind) return true;
    }
    return false;
  };
  PumpUntil(sink, [&] { return has(InputEvent::Kind::ButtonUp); });
  ASSERT_TRUE(has(InputEvent::Kind::ButtonUp));
  for (const InputEvent& e : sink.events) {
    if (e.kind != InputEvent::Kind::ButtonDown && e.kind != InputEvent::Kind::ButtonUp) continue;
    EXPECT_EQ(e.point.x, 150);
    EXPECT_EQ(e.point.y, 130);
    EXPECT_EQ(e.button, InputEvent::Left);
  }
  EXPECT_EQ(Backend().CursorPosition().x, 150);

  sink.events.clear();
  ASSERT_EQ(RunProgram({"xdotool", "key", "a", "shift+1", "KP_Enter"}), 0);
  PumpUntil(sink, [&] {
    int ups = 0;
    for (const InputEvent& e : sink.events) ups += e.kind == InputEvent::Kind::KeyUp;
    return ups >= 4;
  });
  std::vector<UINT> downs;
  std::u16string typed;
  for (const InputEvent& e : sink.events) {
    if (e.kind == InputEvent::Kind::KeyDown) downs.push_back(e.virtualKey);
    if (e.kind == InputEvent::Kind::Char) typed += e.character;
  }
  // The platform types US-layout characters from the keys itself.
  EXPECT_EQ(downs, (std::vector<UINT>{'A', 0x10, '1', 0x0D}));
  EXPECT_EQ(typed, u"");
  EXPECT_GT(sink.events.front().scanCode, 0u);
}

TEST(GtkKeys, KeysMapToWin32VirtualKeys) {
  using platform::display::gtk::PlatformTypesCharacter;
  using platform::display::gtk::VirtualKeyOf;
  EXPECT_EQ(VirtualKeyOf('q'), 'Q');
  EXPECT_EQ(VirtualKeyOf('Q'), 'Q');
  EXPECT_EQ(VirtualKeyOf('7'), '7');
  EXPECT_EQ(VirtualKeyOf('&'), '7');        // shifted 7 stays the key 7
  EXPECT_EQ(VirtualKeyOf(0xffbe), 0x70u);   // F1
  EXPECT_EQ(VirtualKeyOf(0xffb3), 0x63u);   // KP_3 → VK_NUMPAD3
  EXPECT_EQ(VirtualKeyOf(0xffe9), 0x12u);   // Alt_L → VK_MENU, the system key
  EXPECT_EQ(VirtualKeyOf(0xff51), 0x25u);   // Left
  EXPECT_EQ(VirtualKeyOf(0x00e4), 0u);      // ä has no virtual key: typed as a character
  EXPECT_TRUE(PlatformTypesCharacter('Q'));
  EXPECT_TRUE(PlatformTypesCharacter(0xBD));
  EXPECT_FALSE(PlatformTypesCharacter(0x63));
  EXPECT_FALSE(PlatformTypesCharacter(0x25));
}

}  // namespace
