// Live skin switching: the Skin menu's built-in packages, a package file,
// skinning off; the status bar reports the time the last switch took and
// how many windows and controls answer as skinned.
#include <cstdio>
#include <filesystem>

#include "gallery/Gallery.h"
#include "platform/base/resources.h"
#include "skin/forms/WinSkinDlg.h"
#include "toolkit/Application.h"

namespace gallery {
namespace {

constexpr char kNoSkin[] = "No skin";
constexpr char kOpenSkinFile[] = "&Open skin file...";

BOOL CountChild(HWND window, LPARAM lParam) {
  auto* counts = reinterpret_cast<SkinnedCounts*>(lParam);
  if (!IsWindowVisible(window) || SendMessageA(window, SKM_ISSKINNED, 0, 0) != 1) return TRUE;
  if ((GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_MDICHILD) != 0) {
    ++counts->windows;
  } else {
    ++counts->controls;
  }
  return TRUE;
}

BOOL CountTopLevel(HWND window, LPARAM lParam) {
  if (!IsWindowVisible(window)) return TRUE;
  auto* counts = reinterpret_cast<SkinnedCounts*>(lParam);
  if (SendMessageA(window, SKM_ISSKINNED, 0, 0) == 1) ++counts->windows;
  EnumChildWindows(window, &CountChild, lParam);
  return TRUE;
}

double MillisecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

const std::vector<BuiltInSkin>& BuiltInSkins() {
  static const std::vector<BuiltInSkin> skins{
      {"tesmera-metallic", "TESMERA-METALLIC"}, {"umbra", "UMBRA"}, {"pebble", "PEBBLE"}};
  return skins;
}

SkinnedCounts CountSkinned() {
  SkinnedCounts counts;
  EnumWindows(&CountTopLevel, reinterpret_cast<LPARAM>(&counts));
  return counts;
}

void Gallery::BuildSkinMenu(TMenuItem* skinMenu) {
  for (const BuiltInSkin& skin : BuiltInSkins()) {
    auto* item = NewComponent<TMenuItem>(form_);
    item->SetCaption(skin.name);
    item->SetRadioItem(true);
    const std::string name = skin.name;
    item->OnClick = [this, name](TObject*) { UseBuiltInSkin(name); };
    skinMenu->Add(item);
  }
  auto* off = NewComponent<TMenuItem>(form_);
  off->SetCaption(kNoSkin);
  off->SetRadioItem(true);
  off->OnClick = [this](TObject*) { SwitchSkinningOff(); };
  skinMenu->Add(off);
  auto* line = NewComponent<TMenuItem>(form_);
  line->SetCaption("-");
  skinMenu->Add(line);
  // The toolkit has no file dialog: a package file comes on the command line.
  auto* open = NewComponent<TMenuItem>(form_);
  open->SetCaption(kOpenSkinFile);
  open->OnClick = [](TObject*) {
    Application->MessageBox(
        "The toolkit has no file dialog. Start the gallery with --skin FILE to load a skin package file.",
        "Open skin file", MB_OK | MB_ICONINFORMATION);
  };
  skinMenu->Add(open);
}

SwitchResult Gallery::UseBuiltInSkin(const std::string& name) {
  for (const BuiltInSkin& skin : BuiltInSkins()) {
    if (name == skin.name) {
      return Switch(platform::FindResourceBytes(platform::kResourceForm, skin.resource), name);
    }
  }
  return SwitchResult::kUnknown;
}

SwitchResult Gallery::Switch(std::span<const std::uint8_t> package, const std::string& name) {
  started_ = std::chrono::steady_clock::now();
  bool loaded = false;
  try {
    loaded = !package.empty() && skin_->LoadSkin(package);
  } catch (...) {
    loaded = false;
  }
  lastLoadMs_ = MillisecondsSince(started_);
  if (!loaded) {
    RestoreLastGoodSkin();
    status_->Panel(0)->SetText(("Refused: " + name).c_str());
    return SwitchResult::kRefused;
  }
  lastGood_ = skin_->SkinStream();
  pending_ = name;
  if (skin_->Active()) {
    skin_->ApplySkinChange();
  } else {
    SwitchOn();
  }
  return SwitchResult::kScheduled;
}

SwitchResult Gallery::UseSkinFile(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) {
    status_->Panel(0)->SetText(("No such file: " + path).c_str());
    return SwitchResult::kUnknown;
  }
  started_ = std::chrono::steady_clock::now();
  const std::string name = std::filesystem::path(path).filename().string();
  try {
    skin_->SetSkinFile(path.c_str());
  } catch (...) {
  }
  lastLoadMs_ = MillisecondsSince(started_);
  if (skin_->NoSkin()) {
    RestoreLastGoodSkin();
    status_->Panel(0)->SetText(("Refused: " + name).c_str());
    return SwitchResult::kRefused;
  }
  lastGood_ = skin_->SkinStream();
  pending_ = name;
  // SetSkinFile has asked the manager to re-skin; switched off, it is
  // switched on again instead.
  if (!skin_->Active()) SwitchOn();
  return SwitchResult::kScheduled;
}

// A refused package leaves the component without a skin, and a package that
// failed half-way may have replaced parts of the model the open windows
// draw with: the last package that loaded is read again and re-applied.
void Gallery::RestoreLastGoodSkin() {
  if (lastGood_.empty()) return;
  const std::vector<std::uint8_t> package = lastGood_;
  if (!skin_->LoadSkin(package)) return;
  pending_ = current_;
  if (skin_->Active()) skin_->ApplySkinChange();
}

void Gallery::SwitchOn() {
  // The first switch-on takes effect at once, without a deferred action:
  // windows are skinned as they activate, and no change is reported.
  const bool atOnce = SkinManager == nullptr || SkinManager->FStarted == 0;
  skin_->SetActive(true);
  if (atOnce) SkinChanged();
}

void Gallery::SwitchSkinningOff() {
  if (!skin_->Active()) return;
  started_ = std::chrono::steady_clock::now();
  lastLoadMs_ = 0;
  pending_.clear();
  skin_->SetActive(false);
}

void Gallery::SkinChanged() {
  // The engine's switch-on sweep passes over forms with WS_CHILD, so MDI
  // children would stay unskinned after "No skin": attach them here.
  if (skin_->Active() && SkinManager != nullptr && mdiWindow_ != nullptr) {
    for (int i = 0; i < mdiWindow_->MDIChildCount(); ++i) {
      SkinManager->AttachWindow(mdiWindow_->MDIChildren(i)->Handle());
    }
  }
  lastSwitchMs_ = MillisecondsSince(started_);
  current_ = skin_->Active() ? pending_ : std::string();
  ++switches_;
  CheckSkinItem();
  // The attach of each window finishes from a posted message: count after it.
  statusTimer_->SetEnabled(true);
}

void Gallery::CheckSkinItem() {
  for (int i = 0; i < skinMenu_->Count(); ++i) {
    TMenuItem* item = skinMenu_->Items(i);
    if (!item->RadioItem()) continue;
    const bool isOff = item->Caption() == kNoSkin;
    item->SetChecked(isOff ? current_.empty() : item->Caption() == current_);
  }
}

void Gallery::ShowStatus() {
  // Every form is painted again at once, frame and all, in its new look.
  for (int i = 0; i < Screen->FormCount(); ++i) {
    TCustomForm* form = Screen->Forms(i);
    if (form->HandleAllocated() && IsWindowVisible(form->Handle())) {
      RedrawWindow(form->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
  }
  const SkinnedCounts counts = CountSkinned();
  char text[128];
  status_->Panel(0)->SetText(current_.empty() ? "Skin: none" : ("Skin: " + current_).c_str());
  if (switches_ == 0) {
    std::snprintf(text, sizeof text, "No switch yet");
  } else {
    std::snprintf(text, sizeof text, "Last switch %.0f ms (load %.1f ms)", lastSwitchMs_, lastLoadMs_);
  }
  status_->Panel(1)->SetText(text);
  std::snprintf(text, sizeof text, "Skinned: %d windows, %d controls", counts.windows, counts.controls);
  status_->Panel(2)->SetText(text);
}

}  // namespace gallery
