// Feeds arbitrary bytes to the picture holder as form resources carry it
// ("Picture.Data": a class name, then a bitmap, JPEG or icon). Bad data must
// raise the toolkit's errors and nothing else; a picture it accepts must draw,
// and write out data that reads back to a picture of the same size.
#include <cstdint>
#include <cstdlib>

#include "toolkit/Graphics.h"

namespace {

// The platform's JPEG decoder sizes its picture from the header before it
// reads any pixel, so a few bytes can ask for gigabytes; such inputs are left
// out here rather than reported as running out of memory.
bool DeclaresHugeJpeg(const std::uint8_t* data, std::size_t size) {
  for (std::size_t i = 0; i + 8 < size; ++i) {
    const std::uint8_t marker = data[i + 1];
    const bool startOfFrame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
    if (data[i] != 0xFF || !startOfFrame) continue;
    const long long height = (data[i + 5] << 8) | data[i + 6], width = (data[i + 7] << 8) | data[i + 8];
    if (width * height > (1 << 20)) return true;
  }
  return false;
}

void Check(const std::uint8_t* data, std::size_t size) {
  TMemoryStream input;
  input.WriteBuffer(data, static_cast<std::int64_t>(size));
  input.SetPosition(0);
  TPicture picture;
  try {
    picture.ReadData(input);
  } catch (const Exception&) {
    return;
  }
  TGraphic* graphic = picture.Graphic();
  if (graphic == nullptr) return;
  // Huge pictures are only read: drawing and writing them would slow the search.
  if (static_cast<long long>(graphic->Width()) * graphic->Height() > (1 << 16)) return;
  TBitmap target;
  target.SetSize(16, 16);
  target.Canvas()->StretchDraw(Rect(0, 0, 16, 16), graphic);
  TMemoryStream output;
  picture.WriteData(output);
  output.SetPosition(0);
  TPicture again;
  again.ReadData(output);
  if (again.Width() != picture.Width() || again.Height() != picture.Height()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (DeclaresHugeJpeg(data, size)) return 0;
  Check(data, size);
  return 0;
}
