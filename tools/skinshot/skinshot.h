// skinshot: pictures of the program's windows in a skin, made on the headless
// display. The options say which window and in what state; the picture is the
// window rectangle as RGBA, transparent outside the window region.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/user/user.h"

namespace skinshot {

struct Options {
  std::string skin;  // a package file; empty: the embedded skin
  std::string window = "form";
  SIZE size{320, 240};
  std::optional<std::string> caption;  // UTF-8; unset: the window's own default
  bool inactive = false;
  bool minimized = false;
  bool maximized = false;
  bool rtl = false;
  std::optional<int> hover;  // caption button Action under the pointer
  std::optional<int> press;  // caption button Action pressed
  std::string out;
};

// Exit codes.
constexpr int kWritten = 0;
constexpr int kFailed = 1;  // usage errors and shots that cannot be made
constexpr int kSkinRefused = 2;

// The names --window takes, in the order --list prints them.
const std::vector<std::string_view>& WindowNames();

// The headless screen: 1280x1024, or larger when the window and the other
// window of --inactive need more, so that the system never trims the size.
constexpr SIZE kScreen{1280, 1024};
SIZE ScreenFor(const Options& options);

// Runs the queue and the timers due within `ms` milliseconds of the clock.
void Settle(int ms = 0);

// Makes the named window in the options' state, settles it and calls `shoot`
// with it; for the message box from inside its modal loop. Returns what
// `shoot` returned.
int ShowAndShoot(const Options& options, int (*shoot)(HWND window, const Options& options));
// The windows with a menu open ("popup", "sysmenu"), shot inside the menu's loop.
bool IsMenuWindowName(std::string_view name);
int ShowMenuAndShoot(const Options& options, int (*shoot)(HWND window, const Options& options));

// The visible popup-menu windows ("#32768") now open.
std::vector<HWND> OpenMenuWindows();
// The window and its open menu windows: the picture covers their bounding
// rectangle, transparent where none of them is.
int ShootWithMenus(HWND window, const Options& options);
// The same for the skin gallery's main form ("gallery", "gallery-<page>").
int ShowGalleryAndShoot(const Options& options, int (*shoot)(HWND window, const Options& options));

// The pointer rests on / presses the caption button the options name, then
// the window is captured into options.out (with its open menu windows).
int Shoot(HWND window, const Options& options);

// The "menubar" window with a drop-down open, shot with it (windows_menus.cpp).
int ShowMenuBarAndShoot(const Options& options, int (*shoot)(HWND window, const Options& options));

}  // namespace skinshot
