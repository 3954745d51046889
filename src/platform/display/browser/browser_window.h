// The browser window class: a child window showing web pages. On a screen
// with a browser engine a page view lies over the window; on the headless
// screen the window paints a placeholder with the address. Either way the
// addresses asked for are kept, so tests can read them.
#pragma once

#include <string>
#include <vector>

#include "platform/user/user.h"

namespace platform {

inline constexpr const char16_t* kBrowserClassName = u"BrellisBrowser";

// Registers the class, once; further calls do nothing.
void RegisterBrowserClass();

// Shows the page at `address` in a browser window. False for any other
// window.
bool BrowserNavigate(HWND browser, const std::u16string& address);
// The address last asked for; empty before any.
std::u16string BrowserLocation(HWND browser);
// Every address asked for, oldest first.
std::vector<std::u16string> BrowserNavigations(HWND browser);
// Pages that finished loading (successfully or with the engine's error
// page); stays 0 without a browser engine.
int BrowserLoadsFinished(HWND browser);

// Posted to the browser window itself when a page finished loading, for
// whoever subclassed it (the toolkit's control).
inline constexpr UINT BRN_LOADFINISHED = WM_APP + 0x3A0;

}  // namespace platform
