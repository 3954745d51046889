// Skin loading from any bytes. The first byte picks how the rest is used:
// odd, as a compressed package as it stands; even, as the text of the skin's
// INI, packed with a set of small valid bitmaps the text can name
// ("wide.bmp" 120 × 30, "cell.bmp" 13 × 13, "combo.bmp" 80 × 21, "dot.bmp"
// 1 × 1, "tall.bmp" 16 × 64); bytes after a zero byte in the text become
// "raw.bmp", so damaged bitmaps meet the loader too. A damaged bitmap may
// raise an error (it reaches the caller by design); nothing may crash, and a
// load that succeeds must leave a complete model.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>

#include "platform/user/msgbox.h"
#include "skin/SkinRead.h"
#include "skin/WinSkinData.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

std::vector<std::uint8_t> Bitmap(int width, int height) {
  TBitmap bitmap;
  bitmap.SetPixelFormat(TPixelFormat::pf24bit);
  bitmap.SetSize(width, height);
  bitmap.Canvas()->Brush()->SetColor(0xFF00FF);
  bitmap.Canvas()->FillRect(Rect(0, 0, width / 2, height));
  TMemoryStream stream;
  bitmap.SaveToStream(stream);
  return std::vector<std::uint8_t>(stream.Memory(), stream.Memory() + stream.Size());
}

std::vector<std::uint8_t> PackageFromText(std::span<const std::uint8_t> rest) {
  static const std::vector<TSkinEntry> pictures = {
      {"wide.bmp", Bitmap(120, 30)}, {"cell.bmp", Bitmap(13, 13)}, {"combo.bmp", Bitmap(80, 21)},
      {"dot.bmp", Bitmap(1, 1)},     {"tall.bmp", Bitmap(16, 64)},
  };
  std::vector<TSkinEntry> entries = {{"fuzz.ini", {}}};
  const auto zero = std::find(rest.begin(), rest.end(), std::uint8_t{0});
  entries[0].Data.assign(rest.begin(), zero);
  entries.insert(entries.end(), pictures.begin(), pictures.end());
  if (zero != rest.end()) entries.push_back({"raw.bmp", std::vector<std::uint8_t>(zero + 1, rest.end())});
  TMemoryStream package;
  WriteSkinPackage(entries, package);
  return std::vector<std::uint8_t>(package.Memory(), package.Memory() + package.Size());
}

// Accepted sizes above 16 KiB are cut to their low 14 bits to keep runs short.
std::vector<std::uint8_t> PackageAsItStands(std::span<const std::uint8_t> rest) {
  std::vector<std::uint8_t> package(rest.begin(), rest.end());
  if (package.size() >= 4) {
    std::int32_t announced = 0;
    std::memcpy(&announced, package.data(), 4);
    if (announced > (1 << 14) && announced <= MaxSkinPackageSize) {
      announced &= (1 << 14) - 1;
      std::memcpy(package.data(), &announced, 4);
    }
  }
  return package;
}

void CheckModel(const TSkinData& skin) {
  Check(!skin.NoSkin());
  for (const TDataSkinObject* side : {skin.Left.get(), skin.Right.get(), skin.Top.get(), skin.Bottom.get()}) {
    Check(side != nullptr && side->Picture != nullptr);
  }
  Check(skin.Buttons->Frame == 5 && skin.Buttons->CheckButtonFrame != 0 && skin.Buttons->RadioButtonFrame != 0);
  Check(skin.SysButtons.size() >= 3);
  Check(skin.SysButtons.back()->Action == 9);
  Check(skin.Track != nullptr && skin.TrackVert != nullptr && skin.ComboxArrow != nullptr);
  Check(skin.Toolbar != nullptr && skin.Toolbar->Picture->Height() == 40);
  Check(skin.SkinBrush() != nullptr);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool quiet = [] {
    platform::SetMessageBoxHandler([](HWND, const WideString&, const WideString&, UINT) { return IDOK; });
    return true;
  }();
  (void)quiet;
  if (size == 0) return 0;
  const std::span<const std::uint8_t> rest(data + 1, size - 1);
  const std::vector<std::uint8_t> package = (data[0] & 1) ? PackageAsItStands(rest) : PackageFromText(rest);

  TSkinData skin;
  try {
    if (skin.LoadSkin(package)) CheckModel(skin);
  } catch (const Exception&) {
    Check(skin.NoSkin());
  }
  // A second load over whatever the first left must work the same way.
  try {
    if (skin.LoadSkin()) CheckModel(skin);
  } catch (const Exception&) {
  }
  return 0;
}
