// TWebBrowser: the embedded browser pane, a windowed control over the
// platform's browser window ("BrellisBrowser"). On a screen with a browser
// engine it shows the page; on the headless screen it keeps the address and
// paints it.
#pragma once

#include "toolkit/Controls.h"

class TWebBrowser : public TWinControl {
  T_CLASS(TWebBrowser, TWinControl)

 public:
  explicit TWebBrowser(TComponent* owner);

  // Shows the page at `url`. Asked before the window exists, the page is
  // shown when it is made; a remade window shows it again.
  void Navigate(const WideString& url);
  // The address last navigated to; empty before any.
  WideString LocationURL() const { return location_; }

  // A page finished loading (or failed, showing the engine's error page).
  TNotifyEvent OnDocumentComplete;

  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;

 private:
  WideString location_;
};

// Lets form resources name TWebBrowser.
void RegisterWebBrowser();
