// The gtk backend's pieces, shared by its surfaces, input and page views.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// The platform's headers come first: GLib defines TRUE and FALSE as macros.
#include "platform/display/display.h"
#include "platform/gdi/surface.h"

#include <gtk/gtk.h>

namespace platform::display::gtk {

class GtkSurface;
class WebPageView;

// Window titles and addresses as GTK and WebKit take them.
std::string Utf8Of(const std::u16string& text);

class GtkBackend : public Backend {
 public:
  GtkBackend();
  ~GtkBackend() override;

  const char* Name() const override { return "gtk"; }
  SIZE ScreenSize() const override;
  std::unique_ptr<TopLevelSurface> CreateSurface(HWND window, const RECT& screen, bool popup) override;
  void Restack(const std::vector<TopLevelSurface*>& topmostFirst) override;
  void Pump(InputSink& sink) override;
  bool Wait(InputSink& sink, DWORD timeoutMs) override;
  DWORD TickCount() override;
  POINT CursorPosition() const override { return cursor_; }
  void SetCursorPosition(POINT screen) override;
  void SetCursorShape(CursorShape shape) override;
  void Beep() override;
  std::unique_ptr<BrowserView> CreateBrowserView() override;
  bool BeginMoveSize(HWND window, int hit, POINT screen) override;
  void SetClipboardText(std::optional<std::u16string> text) override;
  std::optional<std::u16string> ClipboardText() override;

  // From the surfaces' signal handlers.
  void Queue(InputEvent event);
  void NoteCursor(POINT screen) { cursor_ = screen; }
  // The server time of the last button press, which a drag handed to the
  // window manager names.
  void NotePress(guint32 time) { lastPressTime_ = time; }
  // Whether a window manager runs on the screen (one that moves, sizes and
  // iconifies windows); a bare X server has none.
  bool ScreenHasWindowManager() const;
  // Work for the program that arose in the event loop (a page loaded): it
  // runs when the queue is read, outside GTK's handlers, and ends a Wait.
  void Later(std::function<void()> task) { later_.push_back(std::move(task)); }
  GdkCursor* Cursor() const { return cursor_shape_; }
  bool Dragging(HWND window) const { return dragWindow_ == window; }
  void FrameDrawn(HWND window);

  GtkSurface* SurfaceOf(HWND window) const;
  void Forget(GtkSurface* surface);
  void Forget(WebPageView* view);
  // The page views that lie in `window`, so that they join or leave its surface.
  std::vector<WebPageView*> ViewsIn(HWND window) const;

 private:
  void Flush(InputSink& sink);
  void EndDragWhenReleased();

  std::deque<InputEvent> pending_;
  std::vector<GtkSurface*> surfaces_;
  std::vector<WebPageView*> views_;
  std::vector<GtkSurface*> stacking_;
  POINT cursor_{};
  GdkCursor* cursor_shape_ = nullptr;
  CursorShape shape_ = CursorShape::Arrow;
  std::vector<std::function<void()>> later_;
  HWND dragWindow_ = nullptr;
  guint dragPoll_ = 0;
  guint32 lastPressTime_ = GDK_CURRENT_TIME;
  gint64 start_ = 0;
};

// One top-level window: an undecorated GtkWindow holding a drawing area that
// shows the backing store, with the page views placed over it.
class GtkSurface : public TopLevelSurface {
 public:
  GtkSurface(GtkBackend& backend, HWND window, const RECT& screen, bool popup);
  ~GtkSurface() override;

  Surface& BackingStore() override { return store_; }
  void SetBounds(const RECT& screen) override;
  void SetVisible(bool visible) override;
  void SetShape(const Region* shape) override;
  void Present(const Region& changed) override;
  void SetIconic(bool iconic) override;
  void SetTitle(const std::u16string& title) override;
  void SetOwner(TopLevelSurface* owner) override;
  void SetIcon(int width, int height, const std::vector<std::uint32_t>& argb) override;

  HWND Window() const { return window_; }
  const RECT& Bounds() const { return bounds_; }
  GtkWindow* Native() const { return GTK_WINDOW(window_widget_); }
  GtkFixed* Layer() const { return GTK_FIXED(layer_); }
  void ApplyCursor();

 private:
  static gboolean OnDraw(GtkWidget*, cairo_t* cr, gpointer self);
  static gboolean OnButton(GtkWidget*, GdkEventButton* event, gpointer self);
  static gboolean OnMotion(GtkWidget*, GdkEventMotion* event, gpointer self);
  static gboolean OnCrossing(GtkWidget*, GdkEventCrossing* event, gpointer self);
  static gboolean OnScroll(GtkWidget*, GdkEventScroll* event, gpointer self);
  static gboolean OnKey(GtkWidget*, GdkEventKey* event, gpointer self);
  static gboolean OnFocusIn(GtkWidget*, GdkEventFocus*, gpointer self);
  static gboolean OnDelete(GtkWidget*, GdkEvent*, gpointer self);
  static gboolean OnConfigure(GtkWidget*, GdkEventConfigure* event, gpointer self);
  static gboolean OnWindowState(GtkWidget*, GdkEventWindowState* event, gpointer self);
  static void OnRealize(GtkWidget*, gpointer self);
  void ShowOrHide();

  void MouseAt(InputEvent::Kind kind, double rootX, double rootY, std::uint8_t button = InputEvent::Left);

  GtkBackend& backend_;
  HWND window_;
  RECT bounds_;
  Surface store_;
  GtkWidget* window_widget_ = nullptr;
  GtkWidget* layer_ = nullptr;
  GtkWidget* canvas_ = nullptr;
  bool visible_ = false;
  bool iconic_ = false;
};

// A WebKit page view. It is made when the browser window is made, so the
// engine starts before the first address is asked for, and is placed into
// its top-level window's surface whenever that surface exists.
class WebPageView : public BrowserView {
 public:
  explicit WebPageView(GtkBackend& backend);
  ~WebPageView() override;

  void Place(HWND topLevel, const RECT& inTopLevel, bool visible) override;
  void Navigate(const std::u16string& address) override;
  void OnLoadFinished(std::function<void(const std::u16string& address)> handler) override;

  HWND TopLevel() const { return topLevel_; }
  // Joins the surface of its top-level window (just made) or leaves it
  // (about to be destroyed).
  void Join(GtkSurface& surface);
  void Leave(GtkSurface& surface);

  // Loads the engine and makes its view (starting the engine's processes)
  // unless that is done: when the view is first shown or given an address.
  void Start();

 private:
  static void OnLoadChanged(GtkWidget* view, int loadEvent, gpointer self);
  void Apply();

  GtkBackend& backend_;
  GtkWidget* view_ = nullptr;
  GtkSurface* host_ = nullptr;
  HWND topLevel_ = nullptr;
  RECT rect_{};
  bool visible_ = false;
  bool navigated_ = false;
  bool startPage_ = true;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
  std::function<void(const std::u16string&)> loadFinished_;
};

}  // namespace platform::display::gtk
