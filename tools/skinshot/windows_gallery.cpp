// The skin gallery's main form for skinshot: "gallery" shows its first
// page, "gallery-<page>" the named one, in the skin skinshot loaded.
#include <memory>
#include <string_view>

#include "gallery/Gallery.h"
#include "skin/forms/WinSkinDlg.h"
#include "skinshot.h"
#include "toolkit/Application.h"

namespace skinshot {

namespace {
// Past the skin manager's 250 ms deferral.
constexpr int kPastDeferral = 300;
constexpr std::string_view kPagePrefix = "gallery-";
}  // namespace

int ShowGalleryAndShoot(const Options& options, int (*shoot)(HWND window, const Options& options)) {
  TSkinData* skin = SkinManager != nullptr && !SkinManager->FSkins.empty() ? SkinManager->FSkins.front() : nullptr;
  if (skin == nullptr) return kFailed;
  auto gallery = std::make_unique<gallery::Gallery>(Application, skin);
  const std::string_view name = options.window;
  if (name.starts_with(kPagePrefix) && !gallery->ShowPage(std::string(name.substr(kPagePrefix.size())))) {
    return kFailed;
  }
  gallery->MainForm()->Show();
  Settle(kPastDeferral);
  gallery->ShowStatus();
  Settle(kPastDeferral);
  const int result = shoot(gallery->MainForm()->Handle(), options);
  // The windows outlive the gallery object; its handlers must not.
  skin->OnSkinChanged = nullptr;
  return result;
}

}  // namespace skinshot
