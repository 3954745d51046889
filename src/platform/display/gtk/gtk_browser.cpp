// WebKit page views for the browser window class.
#include <dlfcn.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/base/startup_trace.h"
#include "platform/display/gtk/gtk_internal.h"

#include <webkit2/webkit2.h>

namespace platform::display::gtk {
namespace {

constexpr char kEngineLibrary[] = BRELLIS_WEBKIT_SONAME;

// The browser engine is loaded when the first page view is needed, not with
// the program: its libraries are more than half of what the program loads,
// loading them would hold up the first frame, and once loaded the engine
// holds three times the memory of the rest of the program.
struct Engine {
  GtkWidget* (*newView)() = nullptr;
  void (*loadUri)(WebKitWebView*, const gchar*) = nullptr;
  const gchar* (*uri)(WebKitWebView*) = nullptr;

  bool Loaded() const { return newView != nullptr && loadUri != nullptr && uri != nullptr; }
};

template <class Function>
void Resolve(void* library, const char* name, Function& function) {
  function = reinterpret_cast<Function>(dlsym(library, name));
}

const Engine& TheEngine() {
  static const Engine engine = [] {
    Engine loaded;
    void* library = dlopen(kEngineLibrary, RTLD_NOW | RTLD_LOCAL);
    if (library != nullptr) {
      Resolve(library, "webkit_web_view_new", loaded.newView);
      Resolve(library, "webkit_web_view_load_uri", loaded.loadUri);
      Resolve(library, "webkit_web_view_get_uri", loaded.uri);
    }
    if (!loaded.Loaded()) {
      const char* why = dlerror();
      std::fprintf(stderr, "brellis: the browser engine %s could not be loaded (%s); page views stay empty\n",
                   kEngineLibrary, why != nullptr ? why : "its functions are missing");
    }
    return loaded;
  }();
  return engine;
}

WebKitWebView* AsWebView(GtkWidget* view) { return reinterpret_cast<WebKitWebView*>(view); }

std::u16string Utf16Of(const char* text) {
  if (text == nullptr) return {};
  glong count = 0;
  gunichar2* utf16 = g_utf8_to_utf16(text, -1, nullptr, &count, nullptr);
  std::u16string result = utf16 ? std::u16string(reinterpret_cast<const char16_t*>(utf16), count) : u"";
  g_free(utf16);
  return result;
}

}  // namespace

// Making the engine's view costs more than the program's whole first frame;
// it waits until the view is shown or given an address.
WebPageView::WebPageView(GtkBackend& backend) : backend_(backend) {}

WebPageView::~WebPageView() {
  backend_.Forget(this);
  if (host_) Leave(*host_);
  if (view_ == nullptr) return;
  g_signal_handlers_disconnect_by_data(view_, this);
  gtk_widget_destroy(view_);
  g_object_unref(view_);
}

void WebPageView::Start() {
  if (view_ != nullptr) return;
  const Engine& engine = TheEngine();
  if (!engine.Loaded()) return;
  view_ = engine.newView();
  g_object_ref_sink(view_);
  g_signal_connect(view_, "load-changed", G_CALLBACK(OnLoadChanged), this);
  // An empty page starts the engine's processes and fills a pane shown
  // before any address.
  engine.loadUri(AsWebView(view_), "about:blank");
  if (host_ != nullptr) {
    gtk_fixed_put(host_->Layer(), view_, 0, 0);
    Apply();
  }
  TraceStartup("web view ready");
}

void WebPageView::Place(HWND topLevel, const RECT& inTopLevel, bool visible) {
  topLevel_ = topLevel;
  rect_ = inTopLevel;
  visible_ = visible;
  GtkSurface* surface = backend_.SurfaceOf(topLevel);
  if (surface != host_) {
    if (host_) Leave(*host_);
    if (surface) Join(*surface);
    return;
  }
  Apply();
}

void WebPageView::Navigate(const std::u16string& address) {
  Start();
  navigated_ = true;
  if (view_ != nullptr) TheEngine().loadUri(AsWebView(view_), Utf8Of(address).c_str());
}

void WebPageView::OnLoadFinished(std::function<void(const std::u16string& address)> handler) {
  loadFinished_ = std::move(handler);
}

void WebPageView::Join(GtkSurface& surface) {
  if (host_ == &surface) return;
  if (host_) Leave(*host_);
  host_ = &surface;
  if (view_ == nullptr) return;
  gtk_fixed_put(surface.Layer(), view_, 0, 0);
  Apply();
}

void WebPageView::Leave(GtkSurface& surface) {
  if (host_ != &surface) return;
  if (view_ != nullptr) gtk_container_remove(GTK_CONTAINER(surface.Layer()), view_);
  host_ = nullptr;
}

void WebPageView::Apply() {
  if (host_ == nullptr) return;
  if (view_ == nullptr) {
    if (visible_) Start();
    return;
  }
  // The view stays inside its window: a larger one would grow the window.
  const RECT& bounds = host_->Bounds();
  const int left = std::max<int>(0, rect_.left);
  const int top = std::max<int>(0, rect_.top);
  const int right = std::min<int>(rect_.right, bounds.right - bounds.left);
  const int bottom = std::min<int>(rect_.bottom, bounds.bottom - bounds.top);
  if (!visible_ || right <= left || bottom <= top) {
    gtk_widget_hide(view_);
    return;
  }
  gtk_fixed_move(host_->Layer(), view_, left, top);
  gtk_widget_set_size_request(view_, right - left, bottom - top);
  gtk_widget_show(view_);
}

void WebPageView::OnLoadChanged(GtkWidget* view, int loadEvent, gpointer self) {
  auto* page = static_cast<WebPageView*>(self);
  if (loadEvent != WEBKIT_LOAD_FINISHED || !page->navigated_ || !page->loadFinished_) return;
  const char* uri = TheEngine().uri(AsWebView(view));
  // The empty page that started the engine may finish after the first
  // address was asked for; it is not a page the program loaded.
  if (page->startPage_ && uri && std::strcmp(uri, "about:blank") == 0) {
    page->startPage_ = false;
    return;
  }
  page->startPage_ = false;
  const std::u16string address = Utf16Of(uri);
  // The handler runs when the program reads its queue, outside WebKit's
  // signal, and only if the view still exists then.
  std::weak_ptr<bool> alive = page->alive_;
  page->backend_.Later([alive, page, address] {
    if (!alive.expired() && page->loadFinished_) page->loadFinished_(address);
  });
}

}  // namespace platform::display::gtk
