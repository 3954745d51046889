// Icons: a colour picture and a monochrome mask (1 = transparent), drawn as
// the screen is ANDed with the mask and XORed with the picture.
#pragma once

#include <memory>
#include <vector>

#include "platform/gdi/dib_format.h"
#include "platform/gdi/gdi_object.h"

namespace platform {

class IconObject : public GdiObject {
 public:
  IconObject() : GdiObject(HandleKind::Icon) {}
  int width = 0;
  int height = 0;
  bool isIcon = true;
  DWORD hotspotX = 0;
  DWORD hotspotY = 0;
  // Pixels of the picture (width × height, 0x00RRGGBB; the top byte holds
  // alpha when `hasAlpha`), and 1 for every transparent pixel of the mask.
  std::vector<std::uint32_t> colour;
  std::vector<std::uint8_t> mask;
  bool hasAlpha = false;
  // A monochrome icon: `colour` holds the XOR half as black and white.
  bool monochrome = false;
  // A system icon handed out by LoadIcon to every caller: DestroyIcon
  // leaves it alone.
  bool shared = false;
};

IconObject* FindIcon(HICON handle);
HICON InsertIcon(std::unique_ptr<IconObject> icon);

// Nearest-neighbour resampling of a pixel block.
template <class T>
std::vector<T> ResampleBlock(const std::vector<T>& source, int width, int height, int newWidth, int newHeight) {
  std::vector<T> result(static_cast<std::size_t>(newWidth) * static_cast<std::size_t>(newHeight));
  for (int y = 0; y < newHeight; ++y) {
    const int sy = static_cast<int>(static_cast<long long>(y) * height / newHeight);
    for (int x = 0; x < newWidth; ++x) {
      const int sx = static_cast<int>(static_cast<long long>(x) * width / newWidth);
      result[static_cast<std::size_t>(y) * newWidth + x] = source[static_cast<std::size_t>(sy) * width + sx];
    }
  }
  return result;
}

// Draws a picture with its mask at a surface rectangle of a DC (stretched
// from the block's size): mask 1 keeps the destination (XORed with the
// picture, as Win32 draws icons), 0 takes the picture; alpha pictures blend.
class DcObject;
void DrawMaskedBlock(DcObject& dc, int x, int y, int width, int height, const std::vector<std::uint32_t>& colour,
                     const std::vector<std::uint8_t>* mask, int blockWidth, int blockHeight, bool alpha, UINT flags);

}  // namespace platform
