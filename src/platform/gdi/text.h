// Text output shared by ExtTextOut and DrawText: measuring a run of
// characters in a font and drawing it at a cell position.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/gdi/dc.h"
#include "platform/gdi/font.h"

namespace platform {

// The font selected into a DC (the system font when the selection is bad).
FontInstance& DcFont(DcObject& dc);

// UTF-16 → code points; unpaired surrogates become U+FFFD.
std::u32string ToCodePoints(std::u16string_view text);

int TextWidth(FontInstance& font, std::u32string_view text);

struct TextRunOptions {
  const int* dx = nullptr;         // per-character advances (ExtTextOut)
  const RECT* clip = nullptr;      // logical clip rectangle
  const RECT* opaqueRect = nullptr;  // logical rectangle filled with the background colour
  bool fillCell = false;           // fill the text cell with the background colour
  bool underline = false;          // underline the whole run
  bool strikeOut = false;
  // Characters to underline on their own (prefix underlining), by index.
  std::vector<std::size_t> underlined;
};

// Draws `text` with the cell's top-left corner at logical (x, y).
void DrawTextRun(DcObject& dc, FontInstance& font, int x, int y, std::u32string_view text, const TextRunOptions& options);

}  // namespace platform
