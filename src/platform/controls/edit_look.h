// What a multi-line "Edit" shows: its visible lines, where each starts, and
// which part of each is selected.
#pragma once

#include <string>
#include <vector>

#include "platform/base/types.h"

namespace platform {

struct EditRow {
  std::u16string text;
  int x = 0;  // client position of the line's first character
  int y = 0;  // client position of the line's top
  int selectionStart = 0;  // in characters of `text`; equal: nothing selected
  int selectionEnd = 0;
};

struct EditLinesLook {
  std::vector<EditRow> rows;
  int lineHeight = 0;
  bool enabled = true;
  bool readOnly = false;
  bool showSelection = false;
};

}  // namespace platform
