#include "skin_data_helpers.h"

#include "platform/base/resources.h"
#include "skin/SkinRead.h"

namespace skintest {

Bytes BmpFile(int width, int height, COLORREF colour) { return BmpFile(Picture{"", width, height, colour}); }

Bytes BmpFile(const Picture& picture) {
  TBitmap bitmap;
  bitmap.SetPixelFormat(TPixelFormat::pf24bit);
  bitmap.SetSize(picture.width, picture.height);
  bitmap.Canvas()->Brush()->SetColor(static_cast<TColor>(picture.colour));
  bitmap.Canvas()->FillRect(Rect(0, 0, picture.width, picture.height));
  if (picture.paint) picture.paint(bitmap);
  TMemoryStream stream;
  bitmap.SaveToStream(stream);
  return Bytes(stream.Memory(), stream.Memory() + stream.Size());
}

Bytes PackageOf(const std::string& ini, const std::vector<Picture>& pictures) {
  std::vector<TSkinEntry> entries;
  entries.push_back({"skin.ini", Bytes(ini.begin(), ini.end())});
  for (const Picture& picture : pictures) {
    entries.push_back({picture.name, BmpFile(picture)});
  }
  TMemoryStream package;
  WriteSkinPackage(entries, package);
  return Bytes(package.Memory(), package.Memory() + package.Size());
}

std::span<const std::uint8_t> EmbeddedSkin() {
  return platform::FindResourceBytes(platform::kResourceForm, "TESMERA-METALLIC");
}

COLORREF PixelOf(TBitmap& bitmap, int x, int y) { return ColorToRGB(bitmap.Canvas()->Pixels(x, y)); }

}  // namespace skintest
