// brellis-gallery: the skin gallery program.
//
//   brellis-gallery [--skin FILE] [--page NAME]
//
// --skin loads a skin package file instead of the first built-in skin;
// --page opens the named page (buttons, boxes, edits, lists, bars).
#include <cstdio>
#include <exception>
#include <string>
#include <string_view>

#include "gallery/Gallery.h"
#include "toolkit/Application.h"

int main(int argc, char** argv) {
  std::string skinFile;
  std::string page;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if ((arg == "--skin" || arg == "--page") && i + 1 < argc) {
      (arg == "--skin" ? skinFile : page) = argv[++i];
    } else {
      std::fprintf(stderr, "usage: brellis-gallery [--skin FILE] [--page NAME]\n");
      return 1;
    }
  }
  try {
    Application->Initialize();
    Application->SetTitle("Brellis skin gallery");
    gallery::Gallery gallery(Application);
    if (!skinFile.empty() && gallery.UseSkinFile(skinFile) != gallery::SwitchResult::kScheduled) {
      std::fprintf(stderr, "brellis-gallery: %s is not a skin package the engine takes\n", skinFile.c_str());
    }
    if (!page.empty() && !gallery.ShowPage(page)) {
      std::fprintf(stderr, "brellis-gallery: no page \"%s\"\n", page.c_str());
    }
    Application->Run();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "brellis-gallery: %s\n", e.what());
    Application->DestroyComponents();
    return 1;
  }
  Application->DestroyComponents();
  return 0;
}
