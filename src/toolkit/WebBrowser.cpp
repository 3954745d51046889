#include "toolkit/WebBrowser.h"

#include "platform/display/browser/browser_window.h"

T_CLASS_INFO(TWebBrowser, TWinControl, [](TClassInfo& c) { c.Factory = &CreateInstance<TWebBrowser>; })

TWebBrowser::TWebBrowser(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 300, 150);
  SetTabStop(true);
  controlStyle_.Exclude(TControlStyleItem::csSetCaption);
}

void TWebBrowser::CreateParams(TCreateParams& params) {
  platform::RegisterBrowserClass();
  TWinControl::CreateParams(params);
  params.SubClassOf = "BrellisBrowser";
}

void TWebBrowser::CreateWnd() {
  TWinControl::CreateWnd();
  if (!location_.empty()) platform::BrowserNavigate(Handle(), location_);
}

void TWebBrowser::Navigate(const WideString& url) {
  location_ = url;
  if (HandleAllocated()) platform::BrowserNavigate(Handle(), url);
}

void TWebBrowser::WndProc(TMessage& message) {
  if (message.Msg == platform::BRN_LOADFINISHED) {
    if (OnDocumentComplete) OnDocumentComplete(this);
    return;
  }
  TWinControl::WndProc(message);
}

void RegisterWebBrowser() { RegisterClass(TWebBrowser::ClassInfo()); }
