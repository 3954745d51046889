#include "platform/display/headless/headless.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <map>
#include <thread>
#include <utility>

#include "platform/gdi/region.h"
#include "platform/gdi/surface.h"

namespace platform::display::headless {
namespace {

class HeadlessSurface;

class HeadlessBackend : public Backend {
 public:
  explicit HeadlessBackend(const Options& options)
      : options_(options), start_(std::chrono::steady_clock::now()) {}

  const char* Name() const override { return "headless"; }
  SIZE ScreenSize() const override { return options_.screen; }

  std::unique_ptr<TopLevelSurface> CreateSurface(HWND window, const RECT& screen, bool popup) override;

  void Restack(const std::vector<TopLevelSurface*>& topmostFirst) override {
    stacking_.assign(topmostFirst.begin(), topmostFirst.end());
  }

  void Pump(InputSink& sink) override {
    while (!pending_.empty()) {
      const InputEvent event = pending_.front();
      pending_.pop_front();
      sink.Deliver(event);
    }
  }

  bool Wait(InputSink& sink, DWORD timeoutMs) override {
    if (!pending_.empty()) {
      Pump(sink);
      return true;
    }
    if (timeoutMs == INFINITE_WAIT) {
      if (options_.deterministicClock) {
        // Under a test's clock nothing can ever arrive: input comes only from
        // the test itself, which is waiting here.
        std::fprintf(stderr, "headless display: the program waits for input that nothing will send\n");
        std::abort();
      }
      // A program on the virtual screen idles as it would on a real one.
      timeoutMs = 100;
    }
    if (options_.deterministicClock) {
      virtualTime_ += timeoutMs;
    } else {
      std::this_thread::sleep_for(std::chrono::milliseconds(timeoutMs));
    }
    return false;
  }

  DWORD TickCount() override {
    if (options_.deterministicClock) return virtualTime_;
    const auto elapsed = std::chrono::steady_clock::now() - start_;
    return static_cast<DWORD>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count()) + 10000;
  }

  POINT CursorPosition() const override { return cursor_; }
  void SetCursorPosition(POINT screen) override {
    cursor_.x = std::clamp<LONG>(screen.x, 0, options_.screen.cx - 1);
    cursor_.y = std::clamp<LONG>(screen.y, 0, options_.screen.cy - 1);
  }
  void SetCursorShape(CursorShape shape) override { shape_ = shape; }
  void Beep() override { ++beeps_; }

  void Inject(InputEvent event) {
    event.time = TickCount();
    if (event.kind == InputEvent::Kind::MouseMove || event.kind == InputEvent::Kind::ButtonDown ||
        event.kind == InputEvent::Kind::ButtonUp) {
      SetCursorPosition(event.point);
      event.point = cursor_;
    } else {
      event.point = cursor_;
    }
    pending_.push_back(event);
  }

  void Advance(DWORD milliseconds) {
    if (options_.deterministicClock) virtualTime_ += milliseconds;
  }

  void Forget(HeadlessSurface* surface) {
    stacking_.erase(std::remove(stacking_.begin(), stacking_.end(), reinterpret_cast<TopLevelSurface*>(surface)),
                    stacking_.end());
    surfaces_.erase(std::remove(surfaces_.begin(), surfaces_.end(), surface), surfaces_.end());
  }

  DibImage Compose() const;
  HeadlessSurface* Find(HWND window) const;

 private:
  Options options_;
  std::chrono::steady_clock::time_point start_;
  DWORD virtualTime_ = 10000;
  POINT cursor_{};
  CursorShape shape_ = CursorShape::Arrow;
  int beeps_ = 0;
  std::deque<InputEvent> pending_;
  std::vector<TopLevelSurface*> stacking_;
  std::vector<HeadlessSurface*> surfaces_;

  friend class HeadlessSurface;
};

class HeadlessSurface : public TopLevelSurface {
 public:
  HeadlessSurface(HeadlessBackend& backend, HWND window, const RECT& screen)
      : backend_(backend),
        window_(window),
        bounds_(screen),
        store_(std::max<int>(1, screen.right - screen.left), std::max<int>(1, screen.bottom - screen.top)),
        presented_(std::max<int>(1, screen.right - screen.left), std::max<int>(1, screen.bottom - screen.top)) {}
  ~HeadlessSurface() override { backend_.Forget(this); }

  Surface& BackingStore() override { return store_; }

  void SetBounds(const RECT& screen) override {
    const int width = std::max<int>(1, screen.right - screen.left);
    const int height = std::max<int>(1, screen.bottom - screen.top);
    if (width != store_.Width() || height != store_.Height()) {
      store_.Resize(width, height);
      presented_.Resize(width, height);
    }
    bounds_ = screen;
  }
  void SetVisible(bool visible) override { visible_ = visible; }
  void SetShape(const Region* shape) override {
    shape_ = shape ? std::optional<Region>(*shape) : std::nullopt;
  }
  void Present(const Region& changed) override {
    Region area = changed;
    area.Intersect(RECT{0, 0, store_.Width(), store_.Height()});
    for (const RECT& r : area.Rects()) {
      for (int y = r.top; y < r.bottom; ++y) {
        std::copy(store_.Row(y) + r.left, store_.Row(y) + r.right, presented_.Row(y) + r.left);
      }
      presentedRects_.push_back(r);
    }
  }
  void SetIconic(bool iconic) override { iconic_ = iconic; }
  void SetTitle(const std::u16string& title) override { title_ = title; }

  HWND Window() const { return window_; }
  const std::u16string& Title() const { return title_; }
  const RECT& Bounds() const { return bounds_; }
  bool Shown() const { return visible_ && !iconic_; }
  const Surface& Presented() const { return presented_; }
  const std::optional<Region>& Shape() const { return shape_; }
  std::vector<RECT> TakePresented() { return std::exchange(presentedRects_, {}); }

 private:
  HeadlessBackend& backend_;
  HWND window_;
  RECT bounds_;
  Surface store_;
  Surface presented_;
  bool visible_ = false;
  bool iconic_ = false;
  std::optional<Region> shape_;
  std::u16string title_;
  std::vector<RECT> presentedRects_;
};

std::unique_ptr<TopLevelSurface> HeadlessBackend::CreateSurface(HWND window, const RECT& screen, bool) {
  auto surface = std::make_unique<HeadlessSurface>(*this, window, screen);
  surfaces_.push_back(surface.get());
  stacking_.insert(stacking_.begin(), surface.get());
  return surface;
}

HeadlessSurface* HeadlessBackend::Find(HWND window) const {
  for (HeadlessSurface* surface : surfaces_) {
    if (surface->Window() == window) return surface;
  }
  return nullptr;
}

DibImage ImageOf(const Surface& surface, int width, int height) {
  DibImage image = DibImage::Blank(width, height, 32);
  for (int y = 0; y < height; ++y) {
    auto* row = reinterpret_cast<Pixel*>(image.bits.data() + image.format.RowOffset(y));
    std::copy(surface.Row(y), surface.Row(y) + width, row);
  }
  return image;
}

DibImage HeadlessBackend::Compose() const {
  const int width = options_.screen.cx;
  const int height = options_.screen.cy;
  DibImage image = DibImage::Blank(width, height, 32);
  const Pixel desktop = PixelFromColorRef(options_.desktop);
  for (int y = 0; y < height; ++y) {
    auto* row = reinterpret_cast<Pixel*>(image.bits.data() + image.format.RowOffset(y));
    std::fill(row, row + width, desktop);
  }
  // Bottom of the stack first.
  for (auto it = stacking_.rbegin(); it != stacking_.rend(); ++it) {
    const auto* surface = static_cast<const HeadlessSurface*>(*it);
    if (!surface->Shown()) continue;
    const RECT& b = surface->Bounds();
    Region area(RECT{0, 0, b.right - b.left, b.bottom - b.top});
    if (surface->Shape()) area.Intersect(*surface->Shape());
    area.Offset(b.left, b.top);
    area.Intersect(RECT{0, 0, width, height});
    const Surface& pixels = surface->Presented();
    for (const RECT& r : area.Rects()) {
      for (int y = r.top; y < r.bottom; ++y) {
        auto* row = reinterpret_cast<Pixel*>(image.bits.data() + image.format.RowOffset(y));
        const Pixel* source = pixels.Row(y - b.top);
        for (int x = r.left; x < r.right; ++x) {
          if (x - b.left < pixels.Width() && y - b.top < pixels.Height()) row[x] = source[x - b.left];
        }
      }
    }
  }
  return image;
}

HeadlessBackend* Active() { return dynamic_cast<HeadlessBackend*>(&Current()); }

void Inject(InputEvent event) {
  if (HeadlessBackend* backend = Active()) backend->Inject(event);
}

InputEvent MouseEvent(InputEvent::Kind kind, POINT point, InputEvent::Button button) {
  InputEvent event;
  event.kind = kind;
  event.point = point;
  event.button = button;
  return event;
}

POINT Cursor() { return Current().CursorPosition(); }

}  // namespace

std::unique_ptr<Backend> Create(const Options& options) { return std::make_unique<HeadlessBackend>(options); }

void Install(const Options& options) { SetBackend(Create(options)); }

bool IsActive() { return Active() != nullptr; }

void MoveMouse(int x, int y) { Inject(MouseEvent(InputEvent::Kind::MouseMove, POINT{x, y}, InputEvent::Left)); }

void Press(InputEvent::Button button) { Inject(MouseEvent(InputEvent::Kind::ButtonDown, Cursor(), button)); }

void Release(InputEvent::Button button) { Inject(MouseEvent(InputEvent::Kind::ButtonUp, Cursor(), button)); }

void Click(int x, int y, InputEvent::Button button) {
  MoveMouse(x, y);
  Inject(MouseEvent(InputEvent::Kind::ButtonDown, POINT{x, y}, button));
  Inject(MouseEvent(InputEvent::Kind::ButtonUp, POINT{x, y}, button));
}

void DoubleClick(int x, int y, InputEvent::Button button) {
  Click(x, y, button);
  Inject(MouseEvent(InputEvent::Kind::ButtonDown, POINT{x, y}, button));
  Inject(MouseEvent(InputEvent::Kind::ButtonUp, POINT{x, y}, button));
}

void Wheel(int delta) {
  InputEvent event;
  event.kind = InputEvent::Kind::Wheel;
  event.wheelDelta = delta;
  Inject(event);
}

void KeyDown(UINT virtualKey) {
  InputEvent event;
  event.kind = InputEvent::Kind::KeyDown;
  event.virtualKey = virtualKey;
  event.scanCode = virtualKey & 0xFF;
  Inject(event);
}

void KeyUp(UINT virtualKey) {
  InputEvent event;
  event.kind = InputEvent::Kind::KeyUp;
  event.virtualKey = virtualKey;
  event.scanCode = virtualKey & 0xFF;
  Inject(event);
}

void Key(UINT virtualKey) {
  KeyDown(virtualKey);
  KeyUp(virtualKey);
}

void TypeChar(char16_t character) {
  InputEvent event;
  event.kind = InputEvent::Kind::Char;
  event.character = character;
  Inject(event);
}

void RequestClose(HWND window) {
  InputEvent event;
  event.kind = InputEvent::Kind::CloseRequest;
  event.window = window;
  Inject(event);
}

void AdvanceClock(DWORD milliseconds) {
  if (HeadlessBackend* backend = Active()) backend->Advance(milliseconds);
}

DibImage ScreenImage() {
  HeadlessBackend* backend = Active();
  return backend ? backend->Compose() : DibImage::Blank(1, 1, 32);
}

std::optional<DibImage> WindowImage(HWND window) {
  HeadlessBackend* backend = Active();
  HeadlessSurface* surface = backend ? backend->Find(window) : nullptr;
  if (surface == nullptr) return std::nullopt;
  const RECT& b = surface->Bounds();
  return ImageOf(surface->Presented(), std::max<int>(1, b.right - b.left), std::max<int>(1, b.bottom - b.top));
}

std::optional<std::u16string> WindowTitle(HWND window) {
  HeadlessBackend* backend = Active();
  HeadlessSurface* surface = backend ? backend->Find(window) : nullptr;
  if (surface == nullptr) return std::nullopt;
  return surface->Title();
}

bool SnapshotScreen(const std::string& path) { return WriteFileBytes(path, WritePng(ScreenImage())); }

bool SnapshotWindow(HWND window, const std::string& path) {
  const std::optional<DibImage> image = WindowImage(window);
  return image && WriteFileBytes(path, WritePng(*image));
}

std::vector<RECT> TakePresentedRects(HWND window) {
  HeadlessBackend* backend = Active();
  HeadlessSurface* surface = backend ? backend->Find(window) : nullptr;
  return surface ? surface->TakePresented() : std::vector<RECT>{};
}

}  // namespace platform::display::headless
