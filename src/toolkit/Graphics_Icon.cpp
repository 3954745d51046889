// Icons and icon files.
#include <cstdlib>
#include <cstring>

#include "platform/base/resources.h"
#include "platform/gdi/codecs.h"
#include "toolkit/Graphics.h"

namespace {

constexpr std::size_t kDirectorySize = 6;
constexpr std::size_t kEntrySize = 16;
constexpr int kLargestIcon = 256;
// The size of the system's large icons, preferred when a file holds several.
constexpr int kPreferredSize = 32;

std::uint16_t Word(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
std::uint32_t Dword(const std::uint8_t* p) { return Word(p) | (std::uint32_t{Word(p + 2)} << 16); }

void PutWord(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void PutDword(std::vector<std::uint8_t>& out, std::uint32_t v) {
  PutWord(out, v & 0xFFFF);
  PutWord(out, v >> 16);
}

struct Entry {
  int width;
  int height;
  int depth;
  std::uint32_t size;
  std::uint32_t offset;
};

// The entry nearest the preferred size, the deepest of equally near ones.
Entry PickEntry(std::span<const std::uint8_t> data, int count) {
  Entry best{};
  int bestDistance = -1;
  for (int i = 0; i < count; ++i) {
    const std::uint8_t* e = data.data() + kDirectorySize + kEntrySize * static_cast<std::size_t>(i);
    Entry entry{e[0] == 0 ? kLargestIcon : e[0], e[1] == 0 ? kLargestIcon : e[1], Word(e + 6), Dword(e + 8), Dword(e + 12)};
    const int distance = std::abs(entry.width - kPreferredSize) + std::abs(entry.height - kPreferredSize);
    if (bestDistance < 0 || distance < bestDistance || (distance == bestDistance && entry.depth > best.depth)) {
      best = entry;
      bestDistance = distance;
    }
  }
  return best;
}

// A BITMAPINFO with room for a whole colour table.
struct IconBitmapInfo {
  BITMAPINFOHEADER header{};
  RGBQUAD colours[256]{};
};

HICON MakeIcon(const platform::DibImage& colour, const platform::DibImage& mask) {
  HBITMAP colourBitmap = platform::CreateBitmapFromImage(colour);
  HBITMAP maskBitmap = platform::CreateBitmapFromImage(mask);
  ICONINFO info{TRUE, 0, 0, maskBitmap, colourBitmap};
  HICON icon = colourBitmap && maskBitmap ? CreateIconIndirect(&info) : nullptr;
  if (colourBitmap) DeleteObject(colourBitmap);
  if (maskBitmap) DeleteObject(maskBitmap);
  return icon;
}

// An all-opaque mask (every bit 0) for pictures that carry none.
platform::DibImage OpaqueMask(int width, int height) {
  return platform::DibImage::Blank(width, height, 1);
}

HICON ReadDibImage(std::span<const std::uint8_t> image, std::string* error) {
  const auto fail = [&](const char* why) -> HICON {
    if (error) *error = why;
    return nullptr;
  };
  if (image.size() < sizeof(BITMAPINFOHEADER)) return fail("image header missing");
  IconBitmapInfo info;
  std::memcpy(&info.header, image.data(), sizeof(BITMAPINFOHEADER));
  BITMAPINFOHEADER& h = info.header;
  const int width = h.biWidth, height = h.biHeight / 2;
  const int depth = h.biBitCount;
  if (h.biSize < sizeof(BITMAPINFOHEADER) || h.biSize > image.size()) return fail("bad image header size");
  if (width <= 0 || width > kLargestIcon || height <= 0 || height > kLargestIcon) return fail("bad image size");
  if (depth != 1 && depth != 4 && depth != 8 && depth != 16 && depth != 24 && depth != 32) return fail("bad depth");
  if (h.biCompression != BI_RGB) return fail("compressed icon images are not supported");
  std::size_t colours = 0;
  if (depth <= 8) {
    colours = h.biClrUsed != 0 ? h.biClrUsed : std::size_t{1} << depth;
    if (colours > (std::size_t{1} << depth)) return fail("colour table too large");
  }
  const std::size_t xorStride = static_cast<std::size_t>((width * depth + 31) / 32) * 4;
  const std::size_t andStride = static_cast<std::size_t>((width + 31) / 32) * 4;
  const std::size_t bitsAt = h.biSize + colours * sizeof(RGBQUAD);
  const std::size_t needed = bitsAt + (xorStride + andStride) * static_cast<std::size_t>(height);
  if (needed > image.size()) return fail("image data truncated");
  std::memcpy(info.colours, image.data() + h.biSize, colours * sizeof(RGBQUAD));
  h.biSize = sizeof(BITMAPINFOHEADER);
  h.biHeight = height;
  h.biSizeImage = 0;
  h.biClrUsed = static_cast<DWORD>(colours);
  std::optional<platform::DibImage> colour =
      platform::DibImageFromBitmapInfo(reinterpret_cast<BITMAPINFO*>(&info), image.data() + bitsAt, DIB_RGB_COLORS);
  if (!colour) return fail("bad image layout");
  platform::DibImage mask = OpaqueMask(width, height);
  mask.format.topDown = false;
  std::memcpy(mask.bits.data(), image.data() + bitsAt + xorStride * static_cast<std::size_t>(height),
              andStride * static_cast<std::size_t>(height));
  HICON icon = MakeIcon(*colour, mask);
  return icon ? icon : fail("out of resources");
}

}  // namespace

HICON ReadIconFile(std::span<const std::uint8_t> data, std::string* error) {
  const auto fail = [&](const char* why) -> HICON {
    if (error) *error = why;
    return nullptr;
  };
  if (data.size() < kDirectorySize) return fail("file too short");
  const int type = Word(data.data() + 2), count = Word(data.data() + 4);
  if (Word(data.data()) != 0 || (type != 1 && type != 2) || count == 0) return fail("not an icon file");
  if (kDirectorySize + kEntrySize * static_cast<std::size_t>(count) > data.size()) return fail("directory truncated");
  const Entry entry = PickEntry(data, count);
  if (entry.offset > data.size() || entry.size > data.size() - entry.offset) return fail("image outside the file");
  const std::span<const std::uint8_t> image = data.subspan(entry.offset, entry.size);
  static constexpr std::uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  if (image.size() >= 8 && std::memcmp(image.data(), kPngSignature, 8) == 0) {
    // The size in the header (after the signature, the chunk length and type)
    // is checked before anything is decoded.
    if (image.size() < 24) return fail("image header missing");
    const auto bigEndian = [&](std::size_t at) {
      return (std::uint32_t{image[at]} << 24) | (std::uint32_t{image[at + 1]} << 16) | (image[at + 2] << 8) | image[at + 3];
    };
    if (bigEndian(16) > kLargestIcon || bigEndian(20) > kLargestIcon) return fail("bad image size");
    std::optional<platform::DibImage> picture = platform::ReadPng(image.data(), image.size(), error);
    if (!picture) return nullptr;
    HICON icon = MakeIcon(*picture, OpaqueMask(picture->format.width, picture->format.height));
    return icon ? icon : fail("out of resources");
  }
  return ReadDibImage(image, error);
}

std::vector<std::uint8_t> WriteIconFile(HICON icon) {
  ICONINFO info{};
  if (!GetIconInfo(icon, &info)) return {};
  std::optional<platform::DibImage> colour = info.hbmColor ? platform::ImageFromBitmap(info.hbmColor) : std::nullopt;
  std::optional<platform::DibImage> mask = platform::ImageFromBitmap(info.hbmMask);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  if (!mask) return {};
  const int width = mask->format.width;
  const int height = colour ? colour->format.height : mask->format.height / 2;
  // A monochrome icon's mask holds the AND half above the XOR half.
  const int xorTop = colour ? 0 : height;
  const std::size_t xorStride = static_cast<std::size_t>(width) * 4;
  const std::size_t andStride = static_cast<std::size_t>((width + 31) / 32) * 4;
  const std::uint32_t imageSize =
      static_cast<std::uint32_t>(sizeof(BITMAPINFOHEADER) + (xorStride + andStride) * static_cast<std::size_t>(height));

  std::vector<std::uint8_t> out;
  PutWord(out, 0);
  PutWord(out, 1);
  PutWord(out, 1);
  out.push_back(static_cast<std::uint8_t>(width >= kLargestIcon ? 0 : width));
  out.push_back(static_cast<std::uint8_t>(height >= kLargestIcon ? 0 : height));
  out.push_back(0);
  out.push_back(0);
  PutWord(out, 1);
  PutWord(out, 32);
  PutDword(out, imageSize);
  PutDword(out, static_cast<std::uint32_t>(kDirectorySize + kEntrySize));
  PutDword(out, sizeof(BITMAPINFOHEADER));
  PutDword(out, static_cast<std::uint32_t>(width));
  PutDword(out, static_cast<std::uint32_t>(height * 2));
  PutWord(out, 1);
  PutWord(out, 32);
  for (int i = 0; i < 6; ++i) PutDword(out, i == 1 ? imageSize - sizeof(BITMAPINFOHEADER) : 0);
  // Rows bottom-up: the colour picture (alpha kept), then the mask.
  for (int y = height - 1; y >= 0; --y) {
    for (int x = 0; x < width; ++x) {
      const std::uint32_t pixel = colour ? (colour->format.bitsPerPixel == 32
                                                ? Dword(colour->bits.data() + colour->format.RowOffset(y) + x * 4)
                                                : colour->PixelAt(x, y))
                                         : mask->PixelAt(x, xorTop + y);
      PutDword(out, pixel);
    }
  }
  for (int y = height - 1; y >= 0; --y) {
    const std::uint8_t* row = mask->bits.data() + mask->format.RowOffset(y);
    out.insert(out.end(), row, row + (width + 7) / 8);
    out.resize(out.size() + andStride - static_cast<std::size_t>((width + 7) / 8), 0);
  }
  return out;
}

// ---------------------------------------------------------------------------

T_CLASS_INFO(TIcon, TGraphic, [](TClassInfo&) {})

TIcon::TIcon() {
  // Icons always draw with their mask.
  SetTransparent(true);
  SetModified(false);
}

TIcon::~TIcon() {
  if (handle_ != nullptr) DestroyIcon(handle_);
}

void TIcon::Install(HICON icon) {
  if (handle_ != nullptr && handle_ != icon) DestroyIcon(handle_);
  handle_ = icon;
  width_ = height_ = 0;
  ICONINFO info{};
  if (icon != nullptr && GetIconInfo(icon, &info)) {
    BITMAP bitmap{};
    GetObjectW(info.hbmMask, sizeof(bitmap), &bitmap);
    width_ = bitmap.bmWidth;
    height_ = info.hbmColor ? bitmap.bmHeight : bitmap.bmHeight / 2;
    if (info.hbmColor) DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
  }
  Changed();
}

void TIcon::Assign(TPersistent* source) {
  if (source == this) return;
  if (source == nullptr) return Install(nullptr);
  if (auto* icon = As<TIcon>(source)) return Install(icon->handle_ ? CopyIcon(icon->handle_) : nullptr);
  TGraphic::Assign(source);
}

void TIcon::SetWidth(int width) {
  if (!Empty()) throw EInvalidGraphicOperation("Cannot change the size of an icon");
  width_ = width;
}

void TIcon::SetHeight(int height) {
  if (!Empty()) throw EInvalidGraphicOperation("Cannot change the size of an icon");
  height_ = height;
}

void TIcon::LoadFromStream(TStream& stream) {
  const std::vector<std::uint8_t> bytes = ReadRemaining(stream);
  HICON icon = ReadIconFile(bytes);
  if (icon == nullptr) throw EInvalidGraphic("Icon image is not valid");
  Install(icon);
}

bool TIcon::LoadFromResourceName(std::string_view name) {
  const std::span<const std::uint8_t> bytes = platform::FindResourceBytes(platform::kResourceIcon, name);
  HICON icon = bytes.empty() ? nullptr : ReadIconFile(bytes);
  if (icon == nullptr) return false;
  Install(icon);
  return true;
}

void TIcon::SaveToStream(TStream& stream) {
  if (Empty()) return;
  const std::vector<std::uint8_t> bytes = WriteIconFile(handle_);
  stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
}

void TIcon::SetHandle(HICON icon) {
  if (icon != handle_) Install(icon);
}

HICON TIcon::ReleaseHandle() {
  HICON icon = handle_;
  handle_ = nullptr;
  Install(nullptr);
  return icon;
}

void TIcon::Draw(TCanvas* canvas, const TRect& rect) {
  if (Empty()) return;
  DrawIconEx(canvas->Handle(), rect.left, rect.top, handle_, RectWidth(rect), RectHeight(rect), 0, nullptr, DI_NORMAL);
}
