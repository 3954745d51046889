// The skin gallery: one main form with a menu bar, a tool bar, a status bar
// and a page control holding one of every control of the toolkit, the
// dialogs and windows its menus open, and live switching between skins. The
// program and skinshot build it the same way.
#pragma once

#include <chrono>
#include <span>
#include <string>
#include <vector>

#include "skin/WinSkinData.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Forms.h"
#include "toolkit/Menus.h"

namespace gallery {

// A skin package built into the gallery as a resource.
struct BuiltInSkin {
  const char* name;
  const char* resource;
};
const std::vector<BuiltInSkin>& BuiltInSkins();

// Windows and controls that answer the engine's "are you skinned" message.
struct SkinnedCounts {
  int windows = 0;
  int controls = 0;
};
SkinnedCounts CountSkinned();

// How a skin switch ended.
enum class SwitchResult { kScheduled, kRefused, kUnknown };

class Gallery {
 public:
  // Builds the main form (not shown; the program's main form when the owner
  // is the application) and its skin component with the first built-in
  // skin loaded and switched on. With `skin`, a skin component that is
  // already running (skinshot's), the gallery uses that one instead.
  explicit Gallery(TComponent* owner, TSkinData* skin = nullptr);
  Gallery(const Gallery&) = delete;
  Gallery& operator=(const Gallery&) = delete;

  TForm* MainForm() const { return form_; }
  TSkinData* Skin() const { return skin_; }
  TPageControl* Pages() const { return pages_; }
  TStatusBar* Status() const { return status_; }
  TMainMenu* Menu() const { return menu_; }

  // Shows the page whose name (e.g. "buttons") is given; false for none.
  bool ShowPage(const std::string& name);

  // -- Skin switching (every window stays open and is re-skinned in place) --
  SwitchResult UseBuiltInSkin(const std::string& name);
  SwitchResult UseSkinFile(const std::string& path);
  void SwitchSkinningOff();
  // The skin in use ("" while skinning is off) and the last switch's times.
  const std::string& CurrentSkin() const { return current_; }
  double LastSwitchMs() const { return lastSwitchMs_; }
  double LastLoadMs() const { return lastLoadMs_; }
  // Completed switches since the start.
  int Switches() const { return switches_; }
  // Writes the skin, the last switch's time and the skinned counts to the
  // status bar (done by itself after each switch).
  void ShowStatus();

  // -- The windows the menus open --
  void ShowMessageBox(UINT type);
  void ShowMessageDialog();
  void ShowModalDialog();
  TForm* ShowToolWindow();
  TForm* ShowMdiWindow();

 private:
  void BuildMenus();
  void BuildToolBar();
  void BuildStatusBar();
  void BuildPages();
  void BuildSkinMenu(TMenuItem* skinMenu);
  SwitchResult Switch(std::span<const std::uint8_t> package, const std::string& name);
  void SwitchOn();
  void RestoreLastGoodSkin();
  void SkinChanged();
  void CheckSkinItem();

  TForm* form_ = nullptr;
  TSkinData* skin_ = nullptr;
  TMainMenu* menu_ = nullptr;
  TMenuItem* skinMenu_ = nullptr;
  TPageControl* pages_ = nullptr;
  TStatusBar* status_ = nullptr;
  TTimer* statusTimer_ = nullptr;
  TForm* toolWindow_ = nullptr;
  TForm* mdiWindow_ = nullptr;
  std::string current_;
  std::vector<std::uint8_t> lastGood_;  // the last package that loaded
  std::string pending_;
  std::chrono::steady_clock::time_point started_{};
  double lastSwitchMs_ = 0;
  double lastLoadMs_ = 0;
  int switches_ = 0;
};

}  // namespace gallery
