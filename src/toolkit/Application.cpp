#include "toolkit/Application.h"

T_CLASS_INFO(TApplication, TComponent, [](TClassInfo&) {})

namespace {
TApplication theApplication(nullptr);
}

TApplication* const Application = &theApplication;

TApplication::TApplication(TComponent* owner) : TComponent(owner) {}

int TApplication::MessageBox(const AnsiString& text, const AnsiString& caption, UINT flags) {
  return MessageBoxA(nullptr, text.c_str(), caption.c_str(), flags);
}

void TApplication::ShowException(const std::exception& error) {
  AnsiString message = error.what();
  if (!message.empty() && message.back() != '.') message += '.';
  MessageBox(message, title_, MB_OK | MB_ICONSTOP);
}
