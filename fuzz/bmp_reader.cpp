// Feeds arbitrary bytes to the BMP reader. A file it accepts must be
// consistent: its bits have the size its layout needs, it writes back and
// reads again to the same pixels, and it becomes a bitmap that draws.
#include <cstdint>
#include <cstdlib>

#include "platform/gdi/codecs.h"
#include "platform/gdi/gdi.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto image = platform::ReadBmp(data, size);
  if (!image) return 0;
  if (image->bits.size() != image->format.ImageSize()) std::abort();
  // Huge pictures are only checked for size: comparing them would slow the search.
  if (static_cast<long long>(image->format.width) * image->format.height > (1 << 16)) return 0;
  const std::vector<std::uint8_t> file = platform::WriteBmp(*image);
  const auto again = platform::ReadBmp(file.data(), file.size());
  if (!again) std::abort();
  for (int y = 0; y < image->format.height; ++y) {
    for (int x = 0; x < image->format.width; ++x) {
      if ((image->PixelAt(x, y) & 0xFFFFFF) != (again->PixelAt(x, y) & 0xFFFFFF)) std::abort();
    }
  }
  HBITMAP bitmap = platform::CreateBitmapFromImage(*image);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, bitmap);
  BitBlt(dc, 0, 0, image->format.width, image->format.height, dc, 1, 1, SRCINVERT);
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(bitmap);
  return 0;
}
