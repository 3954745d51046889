// What an item of a "ComboBoxEx32" looks like: in its list or in the
// selection field, its image, indent and text.
#pragma once

#include <string>

#include "platform/gdi/gdi.h"

namespace platform {

struct ComboExItemLook {
  RECT rect{};
  COLORREF background = 0;
  HIMAGELIST images = nullptr;  // null: no room is kept for an image
  int image = -1;               // -1: the image's room stays empty
  int indent = 0;               // pixels before the image
  std::u16string text;
  bool showText = true;         // false in a field whose edit shows the text
  HFONT font = nullptr;
  bool selected = false;        // only the text is highlighted
  bool focused = false;
  bool enabled = true;
};

}  // namespace platform
