// The browser window class on the headless screen (addresses kept, a
// placeholder painted) and with a backend that has page views (the view
// follows its window, loads are reported to the parent); system moves handed
// to a screen that drags windows itself.
#include <gtest/gtest.h>

#include "platform/display/browser/browser_window.h"
#include "platform/display/headless/headless.h"
#include "platform/user/user.h"

namespace {

namespace display = platform::display;
namespace headless = platform::display::headless;

// What a page view was told, as a screen with a browser engine would be.
struct ViewLog {
  HWND topLevel = nullptr;
  RECT rect{};
  bool visible = false;
  int placements = 0;
  std::vector<std::u16string> addresses;
  std::function<void(const std::u16string&)> loadFinished;
  bool destroyed = false;
};

class LoggedView : public display::BrowserView {
 public:
  explicit LoggedView(ViewLog& log) : log_(log) {}
  ~LoggedView() override { log_.destroyed = true; }
  void Place(HWND top, const RECT& rect, bool visible) override {
    log_.topLevel = top;
    log_.rect = rect;
    log_.visible = visible;
    ++log_.placements;
  }
  void Navigate(const std::u16string& address) override { log_.addresses.push_back(address); }
  void OnLoadFinished(std::function<void(const std::u16string&)> handler) override {
    log_.loadFinished = std::move(handler);
  }

 private:
  ViewLog& log_;
};

// The headless screen with page views and, when asked, a window manager
// that drags windows itself.
class ScreenWithEngine : public display::Backend {
 public:
  ScreenWithEngine(ViewLog& log, bool dragsWindows)
      : inner_(headless::Create({SIZE{1280, 1024}, true, RGB(0, 0, 0)})), log_(log), drags_(dragsWindows) {}

  const char* Name() const override { return "headless"; }
  SIZE ScreenSize() const override { return inner_->ScreenSize(); }
  std::unique_ptr<display::TopLevelSurface> CreateSurface(HWND w, const RECT& r, bool popup) override {
    return inner_->CreateSurface(w, r, popup);
  }
  void Restack(const std::vector<display::TopLevelSurface*>& order) override { inner_->Restack(order); }
  void Pump(display::InputSink& sink) override {
    for (const display::InputEvent& event : scripted) sink.Deliver(event);
    scripted.clear();
    inner_->Pump(sink);
  }
  bool Wait(display::InputSink& sink, DWORD ms) override { return inner_->Wait(sink, ms); }
  DWORD TickCount() override { return inner_->TickCount(); }
  POINT CursorPosition() const override { return inner_->CursorPosition(); }
  void SetCursorPosition(POINT p) override { inner_->SetCursorPosition(p); }
  void SetCursorShape(display::CursorShape shape) override { inner_->SetCursorShape(shape); }
  void Beep() override {}
  std::unique_ptr<display::BrowserView> CreateBrowserView() override { return std::make_unique<LoggedView>(log_); }
  bool BeginMoveSize(HWND window, int hit, POINT) override {
    if (!drags_) return false;
    dragHit = hit;
    // The window manager moves the window twice, then the button comes up.
    RECT r{};
    GetWindowRect(window, &r);
    for (int step = 1; step <= 2; ++step) {
      display::InputEvent moved;
      moved.kind = display::InputEvent::Kind::Moved;
      moved.window = window;
      moved.bounds = RECT{r.left + 30 * step, r.top + 20 * step, r.right + 30 * step, r.bottom + 20 * step};
      scripted.push_back(moved);
    }
    display::InputEvent release;
    release.kind = display::InputEvent::Kind::ButtonUp;
    release.point = POINT{r.left + 65, r.top + 45};
    scripted.push_back(release);
    return true;
  }

  std::vector<display::InputEvent> scripted;
  int dragHit = 0;

 private:
  std::unique_ptr<display::Backend> inner_;
  ViewLog& log_;
  bool drags_;
};

LRESULT ParentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
std::vector<UINT>* g_parentLog = nullptr;

LRESULT ParentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (g_parentLog && (message == platform::BRN_LOADFINISHED || message == WM_ENTERSIZEMOVE ||
                      message == WM_EXITSIZEMOVE)) {
    g_parentLog->push_back(message);
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

class BrowserWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::RegisterBrowserClass();
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = WndProcFromFunction(ParentProc);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    wc.lpszClassName = u"BrowserTestParent";
    RegisterClassExW(&wc);
    g_parentLog = &parentLog;
  }
  void TearDown() override {
    if (top) DestroyWindow(top);
    g_parentLog = nullptr;
    headless::Install();
  }
  void MakeForm() {
    top = CreateWindowExW(0, u"BrowserTestParent", u"Form", WS_POPUP, 100, 50, 400, 300, nullptr, nullptr,
                          nullptr, nullptr);
    pane = CreateWindowExW(0, platform::kBrowserClassName, u"", WS_CHILD | WS_VISIBLE, 20, 40, 300, 200, top,
                           nullptr, nullptr, nullptr);
  }
  void PumpAll() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  }

  // What page views did; it outlives the windows that TearDown destroys.
  ViewLog log;
  HWND top = nullptr;
  HWND pane = nullptr;
  std::vector<UINT> parentLog;
};

TEST_F(BrowserWindowTest, HeadlessKeepsTheAddressesAndPaintsThem) {
  headless::Install({SIZE{800, 600}, true, RGB(0, 0, 0)});
  MakeForm();
  EXPECT_TRUE(platform::BrowserNavigate(pane, u"http://one.test/"));
  EXPECT_TRUE(platform::BrowserNavigate(pane, u"http://two.test/page"));
  EXPECT_FALSE(platform::BrowserNavigate(top, u"http://not-a-browser.test/"));
  EXPECT_EQ(platform::BrowserLocation(pane), u"http://two.test/page");
  EXPECT_EQ(platform::BrowserNavigations(pane),
            (std::vector<std::u16string>{u"http://one.test/", u"http://two.test/page"}));
  EXPECT_EQ(platform::BrowserLoadsFinished(pane), 0);

  ShowWindow(top, SW_SHOW);
  UpdateWindow(top);
  PumpAll();
  const auto image = headless::WindowImage(top);
  ASSERT_TRUE(image);
  // A white pane with the address written in it, on the form's grey.
  EXPECT_EQ(image->PixelAt(25, 45), 0xFFFFFFu);
  EXPECT_EQ(image->PixelAt(5, 5), 0xC0C0C0u);
  int ink = 0;
  for (int y = 40; y < 240; ++y) {
    for (int x = 20; x < 320; ++x) ink += image->PixelAt(x, y) != 0xFFFFFFu;
  }
  EXPECT_GT(ink, 50) << "the address is not written in the placeholder";
  headless::SnapshotWindow(top, ::testing::TempDir() + "browser_placeholder.png");

  DestroyWindow(pane);
  EXPECT_EQ(platform::BrowserLocation(pane), u"");
  EXPECT_FALSE(platform::BrowserNavigate(pane, u"http://gone.test/"));
}

TEST_F(BrowserWindowTest, PageViewFollowsItsWindowAndReportsLoads) {
  display::SetBackend(std::make_unique<ScreenWithEngine>(log, false));
  MakeForm();
  // Made with the window, before any address, placed in its top-level
  // window's coordinates; hidden while the form is.
  EXPECT_EQ(log.topLevel, top);
  EXPECT_EQ(log.rect.left, 20);
  EXPECT_EQ(log.rect.top, 40);
  EXPECT_EQ(log.rect.right, 320);
  EXPECT_EQ(log.rect.bottom, 240);
  EXPECT_FALSE(log.visible);
  ShowWindow(top, SW_SHOW);
  UpdateWindow(top);
  PumpAll();
  EXPECT_TRUE(log.visible);

  SetWindowPos(pane, nullptr, 50, 60, 100, 80, SWP_NOZORDER);
  EXPECT_EQ(log.rect.left, 50);
  EXPECT_EQ(log.rect.bottom, 140);
  ShowWindow(pane, SW_HIDE);
  EXPECT_FALSE(log.visible);

  // The toolkit's control subclasses the window to hear of finished loads.
  static std::vector<UINT>* paneLog = &parentLog;
  static WNDPROC original = nullptr;
  original = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(pane, GWLP_WNDPROC));
  SetWindowLongPtrW(pane, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WndProcFromFunction(
      [](HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (message == platform::BRN_LOADFINISHED) paneLog->push_back(message);
        return CallWindowProcW(original, hwnd, message, wParam, lParam);
      })));
  platform::BrowserNavigate(pane, u"file:///page.html");
  EXPECT_EQ(log.addresses, std::vector<std::u16string>{u"file:///page.html"});
  ASSERT_TRUE(log.loadFinished);
  log.loadFinished(u"file:///page.html");
  PumpAll();
  EXPECT_EQ(platform::BrowserLoadsFinished(pane), 1);
  EXPECT_EQ(parentLog, std::vector<UINT>{platform::BRN_LOADFINISHED});

  DestroyWindow(top);
  top = nullptr;
  EXPECT_TRUE(log.destroyed);
}

// Children hear of nothing when an ancestor hides or moves; their page
// views must follow all the same.
TEST_F(BrowserWindowTest, PageViewFollowsItsAncestors) {
  display::SetBackend(std::make_unique<ScreenWithEngine>(log, false));
  top = CreateWindowExW(0, u"BrowserTestParent", u"Form", WS_POPUP | WS_VISIBLE, 100, 50, 400, 300, nullptr,
                        nullptr, nullptr, nullptr);
  HWND panel = CreateWindowExW(0, u"BrowserTestParent", u"", WS_CHILD | WS_VISIBLE, 10, 20, 300, 200, top, nullptr,
                               nullptr, nullptr);
  pane = CreateWindowExW(0, platform::kBrowserClassName, u"", WS_CHILD | WS_VISIBLE, 5, 5, 100, 100, panel, nullptr,
                         nullptr, nullptr);
  PumpAll();
  ASSERT_TRUE(log.visible);
  ShowWindow(panel, SW_HIDE);
  EXPECT_FALSE(log.visible);
  ShowWindow(panel, SW_SHOW);
  EXPECT_TRUE(log.visible);
  SetWindowPos(panel, nullptr, 30, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  EXPECT_EQ(log.rect.left, 35);
  EXPECT_EQ(log.rect.top, 45);
  ShowWindow(top, SW_HIDE);
  EXPECT_FALSE(log.visible);
}

TEST_F(BrowserWindowTest, SystemMoveHandedToTheScreenStillTellsTheProgram) {
  auto screen = std::make_unique<ScreenWithEngine>(log, true);
  ScreenWithEngine* backend = screen.get();
  display::SetBackend(std::move(screen));
  MakeForm();
  ShowWindow(top, SW_SHOW);
  PumpAll();
  SendMessageW(top, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
  EXPECT_EQ(backend->dragHit, HTCAPTION);
  EXPECT_EQ(parentLog, (std::vector<UINT>{WM_ENTERSIZEMOVE, WM_EXITSIZEMOVE}));
  RECT r{};
  GetWindowRect(top, &r);
  EXPECT_EQ(r.left, 160);
  EXPECT_EQ(r.top, 90);
  EXPECT_EQ(r.right - r.left, 400);
}

TEST_F(BrowserWindowTest, TaskBarMinimiseAndRestoreAreSystemCommands) {
  auto screen = std::make_unique<ScreenWithEngine>(log, false);
  ScreenWithEngine* backend = screen.get();
  display::SetBackend(std::move(screen));
  MakeForm();
  ShowWindow(top, SW_SHOW);
  PumpAll();
  display::InputEvent request;
  request.kind = display::InputEvent::Kind::Minimized;
  request.window = top;
  backend->scripted.push_back(request);
  PumpAll();
  EXPECT_TRUE(IsIconic(top));
  request.kind = display::InputEvent::Kind::Restored;
  backend->scripted.push_back(request);
  PumpAll();
  EXPECT_FALSE(IsIconic(top));
}

}  // namespace
