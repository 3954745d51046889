// The headless display: surfaces reach the screen only when presented, in
// stacking order and shape; injected input arrives in order with the cursor
// and a deterministic clock; pictures are written as PNG.
#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "platform/display/headless/headless.h"
#include "platform/gdi/region.h"
#include "platform/gdi/surface.h"

namespace {

using platform::display::InputEvent;
namespace headless = platform::display::headless;

class Collect : public platform::display::InputSink {
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

class HeadlessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = platform::display::SetBackend(headless::Create({SIZE{200, 100}, true, RGB(0, 0, 255)}));
  }
  void TearDown() override { platform::display::SetBackend(std::move(previous_)); }
  platform::display::Backend& Backend() { return platform::display::Current(); }

 private:
  std::unique_ptr<platform::display::Backend> previous_;
};

TEST_F(HeadlessTest, SurfacesShowWhatWasPresentedInStackingOrderAndShape) {
  auto lower = Backend().CreateSurface(FakeWindow(0x10001), RECT{10, 10, 60, 60}, false);
  auto upper = Backend().CreateSurface(FakeWindow(0x20001), RECT{40, 10, 90, 60}, false);
  lower->SetVisible(true);
  upper->SetVisible(true);
  Backend().Restack({upper.get(), lower.get()});
  Fill(lower->BackingStore(), 0xFF0000);
  Fill(upper->BackingStore(), 0x00FF00);
  // Drawn but not presented: the screen shows the surface still black.
  EXPECT_EQ(headless::ScreenImage().PixelAt(20, 20), 0u);
  EXPECT_EQ(headless::ScreenImage().PixelAt(5, 5), 0x0000FFu);  // the desktop
  lower->Present(platform::Region(RECT{0, 0, 50, 50}));
  upper->Present(platform::Region(RECT{0, 0, 50, 50}));
  platform::DibImage screen = headless::ScreenImage();
  EXPECT_EQ(screen.PixelAt(20, 20), 0xFF0000u);
  EXPECT_EQ(screen.PixelAt(45, 20), 0x00FF00u);  // the upper one covers
  // A shape lets what is below show through.
  platform::Region shape(RECT{10, 0, 50, 50});
  upper->SetShape(&shape);
  screen = headless::ScreenImage();
  EXPECT_EQ(screen.PixelAt(45, 20), 0xFF0000u);
  EXPECT_EQ(screen.PixelAt(55, 20), 0x00FF00u);
  // Hidden and iconic surfaces are not on the screen.
  upper->SetIconic(true);
  EXPECT_EQ(headless::ScreenImage().PixelAt(55, 20), 0xFF0000u);
  lower->SetVisible(false);
  EXPECT_EQ(headless::ScreenImage().PixelAt(20, 20), 0x0000FFu);
  EXPECT_EQ(headless::TakePresentedRects(FakeWindow(0x10001)).size(), 1u);
  // Growing keeps the old pixels.
  lower->SetBounds(RECT{10, 10, 80, 80});
  EXPECT_EQ(lower->BackingStore().Width(), 70);
  EXPECT_EQ(lower->BackingStore().At(5, 5), 0xFF0000u);
}

TEST_F(HeadlessTest, InjectedInputArrivesInOrderWithCursorAndClock) {
  Collect sink;
  const DWORD start = Backend().TickCount();
  headless::MoveMouse(500, -20);  // clamped to the screen
  EXPECT_EQ(Backend().CursorPosition(), (POINT{199, 0}));
  headless::AdvanceClock(30);
  headless::Click(10, 20, InputEvent::Right);
  headless::Key('Q');
  headless::TypeChar(u'字');
  Backend().Pump(sink);
  ASSERT_EQ(sink.events.size(), 7u);
  EXPECT_EQ(sink.events[0].kind, InputEvent::Kind::MouseMove);
  EXPECT_EQ(sink.events[1].kind, InputEvent::Kind::MouseMove);
  EXPECT_EQ(sink.events[2].kind, InputEvent::Kind::ButtonDown);
  EXPECT_EQ(sink.events[2].button, InputEvent::Right);
  EXPECT_EQ(sink.events[2].point, (POINT{10, 20}));
  EXPECT_EQ(sink.events[2].time, start + 30);
  EXPECT_EQ(sink.events[4].virtualKey, static_cast<UINT>('Q'));
  EXPECT_EQ(sink.events[6].character, u'字');
  // Waiting with nothing to read moves the deterministic clock.
  EXPECT_FALSE(Backend().Wait(sink, 250));
  EXPECT_EQ(Backend().TickCount(), start + 30 + 250);
}

TEST_F(HeadlessTest, SnapshotsAreReadablePng) {
  auto surface = Backend().CreateSurface(FakeWindow(0x30001), RECT{0, 0, 20, 10}, false);
  surface->SetVisible(true);
  Fill(surface->BackingStore(), 0x123456);
  surface->Present(platform::Region(RECT{0, 0, 20, 10}));
  const std::string path = ::testing::TempDir() + "headless_snapshot.png";
  ASSERT_TRUE(headless::SnapshotWindow(FakeWindow(0x30001), path));
  const auto bytes = platform::ReadFileBytes(path);
  ASSERT_TRUE(bytes.has_value());
  const auto image = platform::ReadPng(bytes->data(), bytes->size());
  ASSERT_TRUE(image.has_value());
  EXPECT_EQ(image->format.width, 20);
  EXPECT_EQ(image->PixelAt(3, 3) & 0xFFFFFF, 0x123456u);
  ASSERT_TRUE(headless::SnapshotScreen(path));
  EXPECT_FALSE(headless::SnapshotWindow(FakeWindow(0x40001), path));
  std::remove(path.c_str());
}

}  // namespace
