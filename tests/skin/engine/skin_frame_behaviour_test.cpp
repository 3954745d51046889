// How a skinned frame behaves under the mouse and on changes: the hit-test
// code of every frame part of a mini skin whose sides are wider than the
// platform's frame, the system move loop from a drag on the skinned caption
// and the size loop from a press on each border and corner (real headless
// input), and the frame redrawn on activation and caption changes only from
// inside WM_NCPAINT and WM_NCACTIVATE.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "caption_skin_helpers.h"
#include "frame_skin_helpers.h"
#include "platform/display/headless/headless.h"
#include "skin/engine/engine_fixture.h"

namespace skintest {
namespace {

namespace headless = platform::display::headless;

class FrameBehaviour : public SkinnedWindowTest {
 protected:
  std::unique_ptr<TSkinData> MakeSkin() override { return MiniFrameSkin(); }
  RECT Bounds() const {
    RECT r{};
    GetWindowRect(window_, &r);
    return r;
  }
  LRESULT HitAt(POINT frame) const {
    const POINT s = ToScreen(frame);
    return SendMessageW(window_, WM_NCHITTEST, 0, MAKELPARAM(s.x, s.y));
  }
  // Press at a frame point, move by (dx, dy) and let go, as one burst of
  // input the loops read.
  void Drag(POINT frame, int dx, int dy) {
    const POINT s = ToScreen(frame);
    headless::MoveMouse(s.x, s.y);
    headless::Press();
    headless::MoveMouse(s.x + dx, s.y + dy);
    headless::Release();
    Pump();
  }
};

constexpr DWORD kFramed = WS_OVERLAPPEDWINDOW;

TEST_F(FrameBehaviour, EveryFramePartHasItsHitTestCode) {
  MakeWindow(kFramed);
  const RECT r = Bounds();
  const int w = r.right - r.left;
  const int h = r.bottom - r.top;
  const int frame = GetSystemMetrics(SM_CXFRAME);
  ASSERT_LT(frame, kFrameLeft);
  ASSERT_LT(frame, kFrameBottom);
  struct Row {
    POINT at;
    LRESULT code;
  };
  const Row rows[] = {
      // Corners just inside the magenta triangles.
      {{2, 2}, HTTOPLEFT},
      {{w - 3, 2}, HTTOPRIGHT},
      {{2, h - 3}, HTBOTTOMLEFT},
      {{w - 3, h - 3}, HTBOTTOMRIGHT},
      // Sides: the platform's frame width sizes the window ...
      {{0, h / 2}, HTLEFT},
      {{frame - 1, h / 2}, HTLEFT},
      {{w - 1, h / 2}, HTRIGHT},
      {{w - frame, h / 2}, HTRIGHT},
      {{w / 2, 0}, HTTOP},
      {{w / 2, frame - 1}, HTTOP},
      {{w / 2, h - 1}, HTBOTTOM},
      {{w / 2, h - frame}, HTBOTTOM},
      // ... and the rest of the skin's wider sides counts as caption, as the
      // engine maps whatever the platform leaves as nothing.
      {{frame, h / 2}, HTCAPTION},
      {{kFrameLeft - 1, h / 2}, HTCAPTION},
      {{w - kFrameRight, h / 2}, HTCAPTION},
      {{w / 2, h - kFrameBottom}, HTCAPTION},
      // The title strip, over its text and its buttons too.
      {{w / 2, frame}, HTCAPTION},
      {{w / 2, kFrameTitle - 1}, HTCAPTION},
      {{40, 12}, HTCAPTION},
      {Centre(*Button(0)), HTCAPTION},
      {Centre(*Button(2)), HTCAPTION},
      // The client area starts right inside the skin's frame.
      {{kFrameLeft, kFrameTitle}, HTCLIENT},
      {{w - kFrameRight - 1, h - kFrameBottom - 1}, HTCLIENT},
      {{w / 2, h / 2}, HTCLIENT},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(HitAt(row.at), row.code) << "at " << row.at.x << "," << row.at.y;
  }
  // A magenta corner is not part of the window: the pointer there is over
  // whatever lies below it.
  const POINT corner = ToScreen({0, 0});
  EXPECT_NE(WindowFromPoint(corner), window_);
  EXPECT_EQ(WindowFromPoint(ToScreen({2, 2})), window_);
}

TEST_F(FrameBehaviour, ADragOnTheSkinnedCaptionRunsTheMoveLoop) {
  MakeWindow(kFramed);
  const RECT before = Bounds();
  const int regionWidth = form_->FRegionWidth;
  Drag({120, 12}, 37, 21);
  const RECT after = Bounds();
  EXPECT_EQ(after, (RECT{before.left + 37, before.top + 21, before.right + 37, before.bottom + 21}));
  EXPECT_EQ(Recorded({WM_NCLBUTTONDOWN, WM_SYSCOMMAND, WM_ENTERSIZEMOVE, WM_MOVING, WM_SIZING, WM_EXITSIZEMOVE}),
            "WM_NCLBUTTONDOWN posted w=2\n"
            "WM_SYSCOMMAND sent w=f012\n"
            "WM_ENTERSIZEMOVE sent w=0\n"
            "WM_MOVING sent w=0\n"
            "WM_EXITSIZEMOVE sent w=0\n");
  EXPECT_EQ(form_->FRegionWidth, regionWidth);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(FrameBehaviour, APressOnEachBorderAndCornerRunsTheSizeLoop) {
  MakeWindow(kFramed);
  struct Row {
    const char* name;
    int wmsz;
    int left, top, right, bottom;  // which edges follow the pointer
  };
  const Row rows[] = {
      {"left", WMSZ_LEFT, 1, 0, 0, 0},           {"right", WMSZ_RIGHT, 0, 0, 1, 0},
      {"top", WMSZ_TOP, 0, 1, 0, 0},             {"bottom", WMSZ_BOTTOM, 0, 0, 0, 1},
      {"top left", WMSZ_TOPLEFT, 1, 1, 0, 0},    {"top right", WMSZ_TOPRIGHT, 0, 1, 1, 0},
      {"bottom left", WMSZ_BOTTOMLEFT, 1, 0, 0, 1}, {"bottom right", WMSZ_BOTTOMRIGHT, 0, 0, 1, 1},
  };
  constexpr int dx = 14;
  constexpr int dy = 9;
  for (const Row& row : rows) {
    const RECT before = Bounds();
    const int w = before.right - before.left;
    const int h = before.bottom - before.top;
    const int x = row.left ? 2 : row.right ? w - 3 : w / 2;
    const int y = row.top ? 2 : row.bottom ? h - 3 : h / 2;
    recorder_->Clear();
    Drag({x, y}, dx, dy);
    const RECT after = Bounds();
    const RECT expected{before.left + row.left * dx, before.top + row.top * dy, before.right + row.right * dx,
                        before.bottom + row.bottom * dy};
    EXPECT_EQ(after, expected) << row.name;
    std::ostringstream command;
    command << "WM_SYSCOMMAND sent w=" << std::hex << (SC_SIZE + row.wmsz) << "\n";
    EXPECT_EQ(Recorded({WM_SYSCOMMAND, WM_ENTERSIZEMOVE, WM_EXITSIZEMOVE}),
              command.str() + "WM_ENTERSIZEMOVE sent w=0\nWM_EXITSIZEMOVE sent w=0\n")
        << row.name;
    // The frame follows the new size: region and client area.
    EXPECT_EQ(form_->FRegionWidth, after.right - after.left) << row.name;
    EXPECT_EQ(form_->FRegionHeight, after.bottom - after.top) << row.name;
    RECT client{};
    GetClientRect(window_, &client);
    EXPECT_EQ(client.right, after.right - after.left - kFrameLeft - kFrameRight) << row.name;
    EXPECT_EQ(client.bottom, after.bottom - after.top - kFrameTitle - kFrameBottom) << row.name;
  }
}

// Watches a skinned window from outside the engine's subclass: logs its
// messages and a checksum of its title strip before and after each, so that
// any message that changes the frame without a WM_NCPAINT or WM_NCACTIVATE
// inside it is found.
class FrameDrawingWatch {
 public:
  FrameDrawingWatch(HWND window, int titleHeight) : window_(window), titleHeight_(titleHeight) {
    thunk_ = MakeWndProcThunk([this](HWND h, UINT m, WPARAM w, LPARAM l) { return Procedure(h, m, w, l); });
    old_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(thunk_)));
  }
  ~FrameDrawingWatch() {
    if (IsWindow(window_)) SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old_));
    FreeWndProcThunk(thunk_);
  }
  FrameDrawingWatch(const FrameDrawingWatch&) = delete;
  FrameDrawingWatch& operator=(const FrameDrawingWatch&) = delete;

  std::uint64_t Checksum() const {
    RECT r{};
    GetWindowRect(window_, &r);
    HDC dc = GetWindowDC(window_);
    std::uint64_t sum = 1469598103934665603ull;
    for (int y = 0; y < titleHeight_; ++y) {
      for (int x = 0; x < r.right - r.left; ++x) sum = (sum ^ GetPixel(dc, x, y)) * 1099511628211ull;
    }
    ReleaseDC(window_, dc);
    return sum;
  }
  // Messages that changed the title strip with no frame paint inside them.
  const std::vector<std::string>& Strays() const { return strays_; }
  bool Received(UINT message) const { return std::count(log_.begin(), log_.end(), message) > 0; }
  int FramePaints() const { return framePaints_; }
  void Clear() {
    log_.clear();
    strays_.clear();
    framePaints_ = 0;
  }

 private:
  LRESULT Procedure(HWND h, UINT m, WPARAM w, LPARAM l) {
    log_.push_back(m);
    const bool framePaint = m == WM_NCPAINT || m == WM_NCACTIVATE;
    const int paintsBefore = framePaints_;
    const std::uint64_t before = Checksum();
    const LRESULT result = CallWindowProcW(old_, h, m, w, l);
    if (framePaint) ++framePaints_;
    if (!framePaint && framePaints_ == paintsBefore && IsWindow(h) && Checksum() != before) {
      strays_.push_back(brellis::test::MessageName(m));
    }
    return result;
  }

  HWND window_;
  int titleHeight_;
  WNDPROC thunk_ = nullptr;
  WNDPROC old_ = nullptr;
  std::vector<UINT> log_;
  std::vector<std::string> strays_;
  int framePaints_ = 0;
};

using FrameRedraw = EngineTest;

TEST_F(FrameRedraw, ACaptionChangeAndActivationChangesRedrawTheFrameOnlyThroughItsPaintMessages) {
  LoadMainSkin();
  TForm* form = ShowForm(TFormBorderStyle::bsSizeable, 300, 200);
  Settle(300);
  const HWND window = form->Handle();
  TWinSkinForm* skinned = SkinFormOf(window);
  ASSERT_NE(skinned, nullptr);
  FrameDrawingWatch watch(window, skinned->FTitleHeight);

  const std::uint64_t original = watch.Checksum();
  form->SetCaption("Another caption, longer");
  Settle();
  EXPECT_TRUE(watch.Received(WM_SETTEXT));
  EXPECT_TRUE(watch.Received(WM_NCPAINT)) << "the new caption is painted through WM_NCPAINT";
  EXPECT_GT(watch.FramePaints(), 0);
  EXPECT_EQ(watch.Strays(), std::vector<std::string>{});
  const std::uint64_t retitled = watch.Checksum();
  EXPECT_NE(retitled, original) << "the title strip shows the new caption";

  // Another window takes the activation: the inactive frame.
  watch.Clear();
  TForm* other = NewComponent<TForm>(Application);
  other->SetBounds(700, 600, 200, 150);
  other->Show();
  Settle(300);
  ASSERT_NE(GetActiveWindow(), window);
  EXPECT_TRUE(watch.Received(WM_NCACTIVATE));
  EXPECT_EQ(watch.Strays(), std::vector<std::string>{});
  const std::uint64_t inactive = watch.Checksum();
  EXPECT_NE(inactive, retitled);

  // And back.
  watch.Clear();
  SetActiveWindow(window);
  Settle(300);
  EXPECT_TRUE(watch.Received(WM_NCACTIVATE));
  EXPECT_EQ(watch.Strays(), std::vector<std::string>{});
  EXPECT_EQ(watch.Checksum(), retitled);
}

}  // namespace
}  // namespace skintest
