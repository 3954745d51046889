// The order of the gallery's pages and their names.
#include "gallery/gallery_pages.h"

namespace gallery {

const std::vector<GalleryPage>& GalleryPages() {
  static const std::vector<GalleryPage> pages{
      {"buttons", "Buttons", &FillButtonsPage}, {"boxes", "Boxes", &FillBoxesPage},
      {"edits", "Edits", &FillEditsPage},       {"lists", "Lists", &FillListsPage},
      {"bars", "Bars", &FillBarsPage},
  };
  return pages;
}

}  // namespace gallery
