#include "platform/user/msgbox.h"

#include <cstdio>

namespace {

// FIXME: the default shows nothing on screen until the window manager provides
// the modal dialog; it reports the box on stderr and answers the first button.
int ReportOnStderr(HWND, const WideString& text, const WideString& caption, UINT type) {
  std::fprintf(stderr, "[%s] %s\n", platform::WideToUtf8String(caption).c_str(),
               platform::WideToUtf8String(text).c_str());
  switch (type & MB_TYPEMASK) {
    case MB_YESNO:
    case MB_YESNOCANCEL:
      return IDYES;
    case MB_RETRYCANCEL:
      return IDRETRY;
    case MB_ABORTRETRYIGNORE:
      return IDABORT;
    default:
      return IDOK;
  }
}

platform::MessageBoxHandler& Handler() {
  static platform::MessageBoxHandler handler;
  return handler;
}

}  // namespace

int MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type) {
  const WideString body = text ? WideString(text) : WideString();
  const WideString title = caption ? WideString(caption) : WideString(u"Error");
  return Handler() ? Handler()(owner, body, title, type) : ReportOnStderr(owner, body, title, type);
}

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
  const WideString body = text ? platform::AnsiToWideString(text) : WideString();
  const WideString title = caption ? platform::AnsiToWideString(caption) : WideString(u"Error");
  return MessageBoxW(owner, body.c_str(), title.c_str(), type);
}

namespace platform {

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
  MessageBoxHandler previous = std::move(Handler());
  Handler() = std::move(handler);
  return previous;
}

}  // namespace platform
