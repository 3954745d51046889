// The gallery's pages: each fills one tab sheet with its controls.
#pragma once

#include <string_view>
#include <vector>

#include "toolkit/ComCtrls.h"

namespace gallery {

struct GalleryPage {
  std::string_view name;  // for skinshot's "gallery-<name>"
  const char* caption;
  void (*fill)(TTabSheet* page);
};
const std::vector<GalleryPage>& GalleryPages();

void FillButtonsPage(TTabSheet* page);
void FillBoxesPage(TTabSheet* page);
void FillEditsPage(TTabSheet* page);
void FillListsPage(TTabSheet* page);
void FillBarsPage(TTabSheet* page);

// A control of type T on `parent`, owned by the parent's form.
template <typename T>
T* Place(TWinControl* parent, int left, int top, int width, int height, const char* text = nullptr) {
  TComponent* owner = parent->Owner() != nullptr ? parent->Owner() : parent;
  T* control = NewComponent<T>(owner);
  control->SetParent(parent);
  control->SetBounds(left, top, width, height);
  if (text != nullptr) control->SetText(text);
  return control;
}

}  // namespace gallery
