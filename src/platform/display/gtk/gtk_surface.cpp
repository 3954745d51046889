// A top-level window on the screen: presenting the backing store and
// turning the window's input into the platform's raw input.
#include <algorithm>
#include <cmath>

#include "platform/gdi/region.h"
#include "platform/display/gtk/gtk_keys.h"
#include "platform/display/gtk/gtk_internal.h"

namespace platform::display::gtk {
namespace {

int WidthOf(const RECT& r) { return std::max<int>(1, r.right - r.left); }
int HeightOf(const RECT& r) { return std::max<int>(1, r.bottom - r.top); }

cairo_region_t* CairoRegionOf(const Region& region) {
  cairo_region_t* result = cairo_region_create();
  for (const RECT& r : region.Rects()) {
    const cairo_rectangle_int_t rect{r.left, r.top, r.right - r.left, r.bottom - r.top};
    cairo_region_union_rectangle(result, &rect);
  }
  return result;
}

}  // namespace

std::string Utf8Of(const std::u16string& text) {
  gchar* utf8 = g_utf16_to_utf8(reinterpret_cast<const gunichar2*>(text.data()), static_cast<glong>(text.size()),
                                nullptr, nullptr, nullptr);
  std::string result = utf8 ? utf8 : "";
  g_free(utf8);
  return result;
}

GtkSurface::GtkSurface(GtkBackend& backend, HWND window, const RECT& screen, bool popup)
    : backend_(backend), window_(window), bounds_(screen), store_(WidthOf(screen), HeightOf(screen)) {
  window_widget_ = gtk_window_new(popup ? GTK_WINDOW_POPUP : GTK_WINDOW_TOPLEVEL);
  g_object_ref_sink(window_widget_);
  gtk_window_set_decorated(Native(), FALSE);
  gtk_window_set_resizable(Native(), TRUE);
  gtk_widget_set_app_paintable(window_widget_, TRUE);
  // The window is placed where the program says, not where the screen likes.
  gtk_window_set_gravity(Native(), GDK_GRAVITY_STATIC);
  gtk_window_move(Native(), screen.left, screen.top);
  gtk_window_resize(Native(), WidthOf(screen), HeightOf(screen));

  layer_ = gtk_fixed_new();
  canvas_ = gtk_drawing_area_new();
  gtk_widget_set_size_request(canvas_, WidthOf(screen), HeightOf(screen));
  gtk_widget_add_events(canvas_, GDK_POINTER_MOTION_MASK | GDK_BUTTON_PRESS_MASK | GDK_BUTTON_RELEASE_MASK |
                                     GDK_SCROLL_MASK | GDK_ENTER_NOTIFY_MASK | GDK_LEAVE_NOTIFY_MASK);
  gtk_fixed_put(Layer(), canvas_, 0, 0);
  gtk_container_add(GTK_CONTAINER(window_widget_), layer_);
  gtk_widget_show(canvas_);
  gtk_widget_show(layer_);

  g_signal_connect(canvas_, "draw", G_CALLBACK(OnDraw), this);
  g_signal_connect(canvas_, "button-press-event", G_CALLBACK(OnButton), this);
  g_signal_connect(canvas_, "button-release-event", G_CALLBACK(OnButton), this);
  g_signal_connect(canvas_, "motion-notify-event", G_CALLBACK(OnMotion), this);
  g_signal_connect(canvas_, "enter-notify-event", G_CALLBACK(OnCrossing), this);
  g_signal_connect(canvas_, "leave-notify-event", G_CALLBACK(OnCrossing), this);
  g_signal_connect(canvas_, "scroll-event", G_CALLBACK(OnScroll), this);
  g_signal_connect(window_widget_, "key-press-event", G_CALLBACK(OnKey), this);
  g_signal_connect(window_widget_, "key-release-event", G_CALLBACK(OnKey), this);
  g_signal_connect(window_widget_, "focus-in-event", G_CALLBACK(OnFocusIn), this);
  g_signal_connect(window_widget_, "delete-event", G_CALLBACK(OnDelete), this);
  g_signal_connect(window_widget_, "configure-event", G_CALLBACK(OnConfigure), this);
  g_signal_connect(window_widget_, "window-state-event", G_CALLBACK(OnWindowState), this);
  g_signal_connect_after(canvas_, "realize", G_CALLBACK(OnRealize), this);
}

GtkSurface::~GtkSurface() {
  // Page views outlive their window's surface; they leave it first so that
  // destroying the window does not destroy them.
  for (WebPageView* view : backend_.ViewsIn(window_)) view->Leave(*this);
  backend_.Forget(this);
  g_signal_handlers_disconnect_by_data(canvas_, this);
  g_signal_handlers_disconnect_by_data(window_widget_, this);
  gtk_widget_destroy(window_widget_);
  g_object_unref(window_widget_);
}

void GtkSurface::SetBounds(const RECT& screen) {
  const int width = WidthOf(screen);
  const int height = HeightOf(screen);
  const bool sized = width != store_.Width() || height != store_.Height();
  const bool moved = screen.left != bounds_.left || screen.top != bounds_.top;
  bounds_ = screen;
  if (sized) {
    store_.Resize(width, height);
    gtk_widget_set_size_request(canvas_, width, height);
    gtk_window_resize(Native(), width, height);
  }
  // During a drag the screen's window manager places the window; moving it
  // back to where it last reported would fight the drag.
  if (moved && !backend_.Dragging(window_)) gtk_window_move(Native(), screen.left, screen.top);
}

void GtkSurface::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  ShowOrHide();
}

// Without a window manager nobody keeps iconic windows: they are hidden.
void GtkSurface::ShowOrHide() {
  const bool shown = visible_ && (!iconic_ || backend_.ScreenHasWindowManager());
  if (shown == (gtk_widget_get_visible(window_widget_) != FALSE)) return;
  if (shown) {
    gtk_window_move(Native(), bounds_.left, bounds_.top);
    gtk_widget_show(window_widget_);
  } else {
    gtk_widget_hide(window_widget_);
  }
}

void GtkSurface::SetShape(const Region* shape) {
  cairo_region_t* region = shape ? CairoRegionOf(*shape) : nullptr;
  gtk_widget_shape_combine_region(window_widget_, region);
  gtk_widget_input_shape_combine_region(window_widget_, region);
  if (region) cairo_region_destroy(region);
}

void GtkSurface::Present(const Region& changed) {
  Region area = changed;
  area.Intersect(RECT{0, 0, store_.Width(), store_.Height()});
  if (area.IsEmpty()) return;
  cairo_region_t* region = CairoRegionOf(area);
  gtk_widget_queue_draw_region(canvas_, region);
  cairo_region_destroy(region);
}

void GtkSurface::SetIconic(bool iconic) {
  if (iconic == iconic_) return;
  iconic_ = iconic;
  if (!backend_.ScreenHasWindowManager()) {
    ShowOrHide();
  } else if (iconic) {
    gtk_window_iconify(Native());
  } else {
    gtk_window_deiconify(Native());
  }
}

void GtkSurface::SetOwner(TopLevelSurface* owner) {
  auto* ownerSurface = static_cast<GtkSurface*>(owner);
  gtk_window_set_transient_for(Native(), ownerSurface ? ownerSurface->Native() : nullptr);
}

void GtkSurface::SetIcon(int width, int height, const std::vector<std::uint32_t>& argb) {
  if (width <= 0 || height <= 0 || argb.size() < static_cast<std::size_t>(width) * height) {
    gtk_window_set_icon(Native(), nullptr);
    return;
  }
  GdkPixbuf* pixbuf = gdk_pixbuf_new(GDK_COLORSPACE_RGB, TRUE, 8, width, height);
  guchar* pixels = gdk_pixbuf_get_pixels(pixbuf);
  const int stride = gdk_pixbuf_get_rowstride(pixbuf);
  for (int y = 0; y < height; ++y) {
    guchar* out = pixels + static_cast<std::ptrdiff_t>(y) * stride;
    for (int x = 0; x < width; ++x, out += 4) {
      const std::uint32_t p = argb[static_cast<std::size_t>(y) * width + x];
      out[0] = static_cast<guchar>(p >> 16);
      out[1] = static_cast<guchar>(p >> 8);
      out[2] = static_cast<guchar>(p);
      out[3] = static_cast<guchar>(p >> 24);
    }
  }
  gtk_window_set_icon(Native(), pixbuf);
  g_object_unref(pixbuf);
}

void GtkSurface::SetTitle(const std::u16string& title) { gtk_window_set_title(Native(), Utf8Of(title).c_str()); }

void GtkSurface::ApplyCursor() {
  if (GdkWindow* native = gtk_widget_get_window(canvas_)) gdk_window_set_cursor(native, backend_.Cursor());
}

gboolean GtkSurface::OnDraw(GtkWidget*, cairo_t* cr, gpointer self) {
  auto* surface = static_cast<GtkSurface*>(self);
  Surface& store = surface->store_;
  // Backing-store rows are 0x00RRGGBB words, cairo's RGB24 layout.
  cairo_surface_t* image = cairo_image_surface_create_for_data(
      reinterpret_cast<unsigned char*>(store.Row(0)), CAIRO_FORMAT_RGB24, store.Width(), store.Height(),
      static_cast<int>(store.Stride()));
  cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
  cairo_set_source_surface(cr, image, 0, 0);
  cairo_paint(cr);
  cairo_surface_destroy(image);
  surface->backend_.FrameDrawn(surface->window_);
  return TRUE;
}

void GtkSurface::MouseAt(InputEvent::Kind kind, double rootX, double rootY, std::uint8_t button) {
  InputEvent event;
  event.kind = kind;
  event.point = POINT{static_cast<LONG>(std::floor(rootX)), static_cast<LONG>(std::floor(rootY))};
  event.button = button;
  backend_.NoteCursor(event.point);
  backend_.Queue(event);
}

gboolean GtkSurface::OnButton(GtkWidget*, GdkEventButton* event, gpointer self) {
  // The platform times double clicks itself: the screen's own double and
  // triple presses are left out.
  if (event->type != GDK_BUTTON_PRESS && event->type != GDK_BUTTON_RELEASE) return TRUE;
  std::uint8_t button = InputEvent::Left;
  switch (event->button) {
    case 1: button = InputEvent::Left; break;
    case 2: button = InputEvent::Middle; break;
    case 3: button = InputEvent::Right; break;
    default: return TRUE;
  }
  const auto kind = event->type == GDK_BUTTON_PRESS ? InputEvent::Kind::ButtonDown : InputEvent::Kind::ButtonUp;
  auto* surface = static_cast<GtkSurface*>(self);
  // A click on the window takes the keyboard back from a page view.
  if (kind == InputEvent::Kind::ButtonDown) {
    gtk_window_set_focus(surface->Native(), nullptr);
    surface->backend_.NotePress(event->time);
  }
  surface->MouseAt(kind, event->x_root, event->y_root, button);
  return TRUE;
}

gboolean GtkSurface::OnMotion(GtkWidget*, GdkEventMotion* event, gpointer self) {
  static_cast<GtkSurface*>(self)->MouseAt(InputEvent::Kind::MouseMove, event->x_root, event->y_root);
  return TRUE;
}

// Entering and leaving are moves to where the pointer is: the platform
// finds the window under it (or none) and sends WM_MOUSELEAVE itself.
gboolean GtkSurface::OnCrossing(GtkWidget*, GdkEventCrossing* event, gpointer self) {
  static_cast<GtkSurface*>(self)->MouseAt(InputEvent::Kind::MouseMove, event->x_root, event->y_root);
  return FALSE;
}

gboolean GtkSurface::OnScroll(GtkWidget*, GdkEventScroll* event, gpointer self) {
  constexpr int kWheelDelta = 120;
  InputEvent wheel;
  wheel.kind = InputEvent::Kind::Wheel;
  wheel.point = POINT{static_cast<LONG>(event->x_root), static_cast<LONG>(event->y_root)};
  if (event->direction == GDK_SCROLL_UP) {
    wheel.wheelDelta = kWheelDelta;
  } else if (event->direction == GDK_SCROLL_DOWN) {
    wheel.wheelDelta = -kWheelDelta;
  } else {
    return TRUE;
  }
  auto* surface = static_cast<GtkSurface*>(self);
  surface->backend_.NoteCursor(wheel.point);
  surface->backend_.Queue(wheel);
  return TRUE;
}

gboolean GtkSurface::OnKey(GtkWidget*, GdkEventKey* event, gpointer self) {
  auto* surface = static_cast<GtkSurface*>(self);
  // A page view that was clicked has the keyboard until the window is.
  if (gtk_window_get_focus(surface->Native()) != nullptr) return FALSE;
  const bool down = event->type == GDK_KEY_PRESS;
  InputEvent key;
  key.virtualKey = VirtualKeyOf(event->keyval);
  // X key codes are the PC scan codes plus 8.
  key.scanCode = event->hardware_keycode >= 8 ? event->hardware_keycode - 8u : 0u;
  if (key.virtualKey != 0) {
    key.kind = down ? InputEvent::Kind::KeyDown : InputEvent::Kind::KeyUp;
    surface->backend_.Queue(key);
  }
  // Characters the platform cannot make from a US-layout key (other
  // layouts, the numeric pad, letters beyond ASCII) come as they were typed.
  const gunichar typed = gdk_keyval_to_unicode(event->keyval);
  const bool control = (event->state & (GDK_CONTROL_MASK | GDK_MOD1_MASK)) != 0;
  const bool platformTypes = key.virtualKey != 0 && PlatformTypesCharacter(key.virtualKey) && typed < 0x80;
  if (down && typed != 0 && !control && !platformTypes) {
    gunichar2 units[2];
    const int count = typed >= 0x10000 ? 2 : 1;
    if (count == 2) {
      units[0] = static_cast<gunichar2>(0xD800 + ((typed - 0x10000) >> 10));
      units[1] = static_cast<gunichar2>(0xDC00 + ((typed - 0x10000) & 0x3FF));
    } else {
      units[0] = static_cast<gunichar2>(typed);
    }
    for (int i = 0; i < count; ++i) {
      InputEvent character;
      character.kind = InputEvent::Kind::Char;
      character.character = units[i];
      surface->backend_.Queue(character);
    }
  }
  return TRUE;
}

gboolean GtkSurface::OnFocusIn(GtkWidget*, GdkEventFocus*, gpointer self) {
  auto* surface = static_cast<GtkSurface*>(self);
  InputEvent event;
  event.kind = InputEvent::Kind::Activated;
  event.window = surface->window_;
  surface->backend_.Queue(event);
  return FALSE;
}

gboolean GtkSurface::OnDelete(GtkWidget*, GdkEvent*, gpointer self) {
  auto* surface = static_cast<GtkSurface*>(self);
  InputEvent event;
  event.kind = InputEvent::Kind::CloseRequest;
  event.window = surface->window_;
  surface->backend_.Queue(event);
  return TRUE;  // the program decides
}

gboolean GtkSurface::OnConfigure(GtkWidget*, GdkEventConfigure* event, gpointer self) {
  auto* surface = static_cast<GtkSurface*>(self);
  // Only a drag handed to the screen's window manager moves the window
  // behind the program's back; other notices echo the program's own moves.
  if (!surface->backend_.Dragging(surface->window_)) return FALSE;
  InputEvent moved;
  moved.kind = InputEvent::Kind::Moved;
  moved.window = surface->window_;
  // The window's own origin on the screen (it has no frame of its own).
  gint x = 0;
  gint y = 0;
  gtk_window_get_position(surface->Native(), &x, &y);
  moved.bounds = RECT{x, y, x + event->width, y + event->height};
  surface->bounds_ = moved.bounds;
  surface->backend_.Queue(moved);
  return FALSE;
}

// Minimised or restored by the window manager (a task bar): the program is
// asked, as it would be by a system command.
gboolean GtkSurface::OnWindowState(GtkWidget*, GdkEventWindowState* event, gpointer self) {
  auto* surface = static_cast<GtkSurface*>(self);
  if (!(event->changed_mask & GDK_WINDOW_STATE_ICONIFIED)) return FALSE;
  const bool iconified = (event->new_window_state & GDK_WINDOW_STATE_ICONIFIED) != 0;
  if (iconified == surface->iconic_) return FALSE;
  InputEvent request;
  request.kind = iconified ? InputEvent::Kind::Minimized : InputEvent::Kind::Restored;
  request.window = surface->window_;
  surface->backend_.Queue(request);
  return FALSE;
}

void GtkSurface::OnRealize(GtkWidget*, gpointer self) { static_cast<GtkSurface*>(self)->ApplyCursor(); }

}  // namespace platform::display::gtk
