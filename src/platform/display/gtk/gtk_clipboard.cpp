// The gtk backend's clipboard: the screen's CLIPBOARD selection, as text.
#include "platform/base/strings.h"
#include "platform/display/gtk/gtk_internal.h"

namespace platform::display::gtk {

namespace {

GtkClipboard* ScreenClipboard() { return gtk_clipboard_get(GDK_SELECTION_CLIPBOARD); }

}  // namespace

void GtkBackend::SetClipboardText(std::optional<std::u16string> text) {
  if (!text) {
    gtk_clipboard_clear(ScreenClipboard());
    return;
  }
  const std::string utf8 = WideToUtf8String(*text);
  gtk_clipboard_set_text(ScreenClipboard(), utf8.c_str(), static_cast<gint>(utf8.size()));
}

std::optional<std::u16string> GtkBackend::ClipboardText() {
  gchar* text = gtk_clipboard_wait_for_text(ScreenClipboard());
  if (text == nullptr) return std::nullopt;
  std::u16string wide = Utf8ToWideString(text);
  g_free(text);
  return wide;
}

}  // namespace platform::display::gtk
