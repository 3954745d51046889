// The gtk backend: surfaces, the GLib main loop as the program's idle wait,
// the pointer and its shapes, and system moves handed to the window manager.
#include "platform/display/gtk/gtk_backend.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "platform/base/startup_trace.h"
#include "platform/display/gtk/gtk_internal.h"

#include <gdk/gdkx.h>
// X11 names a macro after the platform's cursor shapes.
#undef CursorShape

namespace platform::display::gtk {
namespace {

std::function<void(HWND)>& FrameObserver() {
  static std::function<void(HWND)> observer;
  return observer;
}

GdkDevice* Pointer() {
  GdkSeat* seat = gdk_display_get_default_seat(gdk_display_get_default());
  return seat ? gdk_seat_get_pointer(seat) : nullptr;
}

const char* CursorName(CursorShape shape) {
  switch (shape) {
    case CursorShape::IBeam: return "text";
    case CursorShape::Wait: return "wait";
    case CursorShape::Cross: return "crosshair";
    case CursorShape::UpArrow: return "up-arrow";
    case CursorShape::SizeNWSE: return "nwse-resize";
    case CursorShape::SizeNESW: return "nesw-resize";
    case CursorShape::SizeWE: return "ew-resize";
    case CursorShape::SizeNS: return "ns-resize";
    case CursorShape::SizeAll: return "move";
    case CursorShape::No: return "not-allowed";
    case CursorShape::Hand: return "pointer";
    case CursorShape::AppStarting: return "progress";
    case CursorShape::Help: return "help";
    default: return "default";
  }
}

// HT* border codes (HTLEFT = 10 … HTBOTTOMRIGHT = 17) as window edges.
bool EdgeOf(int hit, GdkWindowEdge& edge) {
  static constexpr GdkWindowEdge kEdges[] = {
      GDK_WINDOW_EDGE_WEST,       GDK_WINDOW_EDGE_EAST,  GDK_WINDOW_EDGE_NORTH,      GDK_WINDOW_EDGE_NORTH_WEST,
      GDK_WINDOW_EDGE_NORTH_EAST, GDK_WINDOW_EDGE_SOUTH, GDK_WINDOW_EDGE_SOUTH_WEST, GDK_WINDOW_EDGE_SOUTH_EAST};
  if (hit < 10 || hit > 17) return false;
  edge = kEdges[hit - 10];
  return true;
}

constexpr int kHitCaption = 2;  // HTCAPTION

}  // namespace

bool GtkBackend::ScreenHasWindowManager() const {
  GdkScreen* screen = gdk_display_get_default_screen(gdk_display_get_default());
#ifdef GDK_WINDOWING_X11
  // On X without a window manager (a bare Xvfb) nothing answers its requests.
  if (GDK_IS_X11_SCREEN(screen)) {
    return gdk_x11_screen_supports_net_wm_hint(screen, gdk_atom_intern_static_string("_NET_WM_MOVERESIZE"));
  }
#endif
  return screen != nullptr;
}

GtkBackend::GtkBackend() : start_(g_get_monotonic_time()) {
  cursor_shape_ = gdk_cursor_new_from_name(gdk_display_get_default(), "default");
  if (GdkDevice* pointer = Pointer()) {
    gint x = 0;
    gint y = 0;
    gdk_device_get_position(pointer, nullptr, &x, &y);
    cursor_ = POINT{x, y};
  }
}

GtkBackend::~GtkBackend() {
  if (dragPoll_ != 0) g_source_remove(dragPoll_);
  if (cursor_shape_) g_object_unref(cursor_shape_);
}

SIZE GtkBackend::ScreenSize() const {
  GdkDisplay* display = gdk_display_get_default();
  GdkMonitor* monitor = gdk_display_get_primary_monitor(display);
  if (monitor == nullptr) monitor = gdk_display_get_monitor(display, 0);
  if (monitor == nullptr) return SIZE{1280, 1024};
  GdkRectangle area{};
  gdk_monitor_get_geometry(monitor, &area);
  return SIZE{area.x + area.width, area.y + area.height};
}

std::unique_ptr<TopLevelSurface> GtkBackend::CreateSurface(HWND window, const RECT& screen, bool popup) {
  auto surface = std::make_unique<GtkSurface>(*this, window, screen, popup);
  surfaces_.push_back(surface.get());
  for (WebPageView* view : ViewsIn(window)) view->Join(*surface);
  return surface;
}

void GtkBackend::Restack(const std::vector<TopLevelSurface*>& topmostFirst) {
  std::vector<GtkSurface*> order;
  for (TopLevelSurface* surface : topmostFirst) order.push_back(static_cast<GtkSurface*>(surface));
  if (order == stacking_) return;
  stacking_ = order;
  // Raising from the bottom up leaves the first one on top.
  for (auto it = order.rbegin(); it != order.rend(); ++it) {
    if (GdkWindow* native = gtk_widget_get_window(GTK_WIDGET((*it)->Native()))) gdk_window_raise(native);
  }
}

void GtkBackend::Queue(InputEvent event) {
  event.time = TickCount();
  if (event.kind == InputEvent::Kind::ButtonUp && dragWindow_ != nullptr) {
    dragWindow_ = nullptr;
    if (dragPoll_ != 0) g_source_remove(dragPoll_);
    dragPoll_ = 0;
  }
  pending_.push_back(event);
}

void GtkBackend::Flush(InputSink& sink) {
  std::deque<InputEvent> events;
  events.swap(pending_);
  for (const InputEvent& event : events) sink.Deliver(event);
  std::vector<std::function<void()>> work;
  work.swap(later_);
  for (const std::function<void()>& task : work) task();
}

void GtkBackend::Pump(InputSink& sink) {
  // Bounded: a source that is always ready must not keep the program here.
  for (int i = 0; i < 256 && g_main_context_pending(nullptr); ++i) g_main_context_iteration(nullptr, FALSE);
  Flush(sink);
}

bool GtkBackend::Wait(InputSink& sink, DWORD timeoutMs) {
  for (int i = 0; i < 256 && g_main_context_pending(nullptr); ++i) g_main_context_iteration(nullptr, FALSE);
  if (pending_.empty() && later_.empty()) {
    bool timedOut = false;
    guint timer = 0;
    if (timeoutMs != INFINITE_WAIT) {
      timer = g_timeout_add(timeoutMs, [](gpointer flag) -> gboolean {
        *static_cast<bool*>(flag) = true;
        return G_SOURCE_REMOVE;
      }, &timedOut);
    }
    // Drawing and the page views' work happen in here too; only input,
    // work for the program or the timeout end the wait.
    while (pending_.empty() && later_.empty() && !timedOut) g_main_context_iteration(nullptr, TRUE);
    if (timer != 0 && !timedOut) g_source_remove(timer);
  }
  const bool input = !pending_.empty();
  Flush(sink);
  return input;
}

DWORD GtkBackend::TickCount() {
  // Milliseconds of the monotonic clock, as the system's uptime counter.
  return static_cast<DWORD>(g_get_monotonic_time() / 1000);
}

void GtkBackend::SetCursorPosition(POINT screen) {
  GdkDevice* pointer = Pointer();
  if (pointer == nullptr) return;
  gdk_device_warp(pointer, gdk_display_get_default_screen(gdk_display_get_default()), screen.x, screen.y);
  cursor_ = screen;
}

void GtkBackend::SetCursorShape(CursorShape shape) {
  if (shape == shape_) return;
  shape_ = shape;
  GdkCursor* cursor = gdk_cursor_new_from_name(gdk_display_get_default(), CursorName(shape));
  if (cursor == nullptr) cursor = gdk_cursor_new_from_name(gdk_display_get_default(), "default");
  if (cursor_shape_) g_object_unref(cursor_shape_);
  cursor_shape_ = cursor;
  for (GtkSurface* surface : surfaces_) surface->ApplyCursor();
}

void GtkBackend::Beep() { gdk_display_beep(gdk_display_get_default()); }

std::unique_ptr<BrowserView> GtkBackend::CreateBrowserView() {
  auto view = std::make_unique<WebPageView>(*this);
  views_.push_back(view.get());
  return view;
}

bool GtkBackend::BeginMoveSize(HWND window, int hit, POINT screen) {
  GtkSurface* surface = SurfaceOf(window);
  if (surface == nullptr || !ScreenHasWindowManager()) return false;
  GdkWindowEdge edge{};
  if (hit != kHitCaption && !EdgeOf(hit, edge)) return false;
  dragWindow_ = window;
  if (hit == kHitCaption) {
    gtk_window_begin_move_drag(surface->Native(), 1, screen.x, screen.y, lastPressTime_);
  } else {
    gtk_window_begin_resize_drag(surface->Native(), edge, 1, screen.x, screen.y, lastPressTime_);
  }
  EndDragWhenReleased();
  return true;
}

// The window manager holds the pointer during its drag, so the release
// never reaches the window: the buttons are watched until they come up.
void GtkBackend::EndDragWhenReleased() {
  if (dragPoll_ != 0) g_source_remove(dragPoll_);
  dragPoll_ = g_timeout_add(25, [](gpointer self) -> gboolean {
    auto* backend = static_cast<GtkBackend*>(self);
    GdkDevice* pointer = Pointer();
    GdkModifierType mask{};
    gint x = 0;
    gint y = 0;
    GdkWindow* root = gdk_screen_get_root_window(gdk_display_get_default_screen(gdk_display_get_default()));
    if (pointer != nullptr) gdk_window_get_device_position(root, pointer, &x, &y, &mask);
    if (pointer != nullptr && (mask & (GDK_BUTTON1_MASK | GDK_BUTTON2_MASK | GDK_BUTTON3_MASK))) {
      return G_SOURCE_CONTINUE;
    }
    backend->dragPoll_ = 0;
    InputEvent release;
    release.kind = InputEvent::Kind::ButtonUp;
    release.point = POINT{x, y};
    backend->NoteCursor(release.point);
    backend->Queue(release);
    return G_SOURCE_REMOVE;
  }, this);
}

void GtkBackend::FrameDrawn(HWND window) {
  TraceStartup("first frame presented");
  if (FrameObserver()) FrameObserver()(window);
}

GtkSurface* GtkBackend::SurfaceOf(HWND window) const {
  for (GtkSurface* surface : surfaces_) {
    if (surface->Window() == window) return surface;
  }
  return nullptr;
}

void GtkBackend::Forget(GtkSurface* surface) {
  surfaces_.erase(std::remove(surfaces_.begin(), surfaces_.end(), surface), surfaces_.end());
  stacking_.erase(std::remove(stacking_.begin(), stacking_.end(), surface), stacking_.end());
  if (dragWindow_ == surface->Window()) dragWindow_ = nullptr;
}

void GtkBackend::Forget(WebPageView* view) { views_.erase(std::remove(views_.begin(), views_.end(), view), views_.end()); }

std::vector<WebPageView*> GtkBackend::ViewsIn(HWND window) const {
  std::vector<WebPageView*> result;
  for (WebPageView* view : views_) {
    if (view->TopLevel() == window) result.push_back(view);
  }
  return result;
}

std::unique_ptr<Backend> Create() {
  // The program draws with cairo and never with GL; without this GDK would
  // load the GL driver at start-up and try a context on every visual, which
  // costs more than everything else the first frame needs. A value the user
  // set is kept.
  setenv("GDK_GL", "disable", 0);
  if (!gtk_init_check(nullptr, nullptr)) return nullptr;
  return std::make_unique<GtkBackend>();
}

void SetFrameObserver(std::function<void(HWND window)> observer) { FrameObserver() = std::move(observer); }

}  // namespace platform::display::gtk
