// The picture: the pointer put on a caption button when asked, then the
// window rectangle as presented, written as RGBA with the window region as
// its alpha.
#include <png.h>

#include <cstdio>
#include <vector>

#include "platform/display/headless/headless.h"
#include "platform/gdi/codecs.h"
#include "skin/forms/WinSkinDlg.h"
#include "skin/forms/WinSkinForm.h"
#include "skin/WinSkinData.h"
#include "skinshot.h"

namespace skinshot {
namespace {

namespace headless = platform::display::headless;

// Long enough for the engine's hover timer to see the pointer settle.
constexpr int kHoverSettle = 200;
// The pressed picture is taken this long after the press; at most this many
// such waits pass before giving up.
constexpr int kPressSettle = 100;
constexpr int kPressRounds = 20;

// The visible caption button of the window whose Action is `action`.
TWinSysButton* VisibleButton(HWND window, int action) {
  TWinSkinForm* skinned = SkinManager != nullptr ? SkinManager->FindSkinForm(window) : nullptr;
  if (skinned == nullptr) return nullptr;
  for (const auto& button : skinned->FButtons) {
    if (button->FVisible && button->FModel != nullptr && button->FModel->Action == action) return button.get();
  }
  return nullptr;
}

// Alpha per pixel, row by row: 255 inside the window region, 0 outside; all
// 255 for a window without a region.
std::vector<std::uint8_t> RegionAlpha(HWND window, int width, int height) {
  const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  if (GetWindowRgn(window, region) == ERROR) {
    DeleteObject(region);
    return std::vector<std::uint8_t>(count, 255);
  }
  std::vector<std::uint8_t> alpha(count, 0);
  const DWORD size = GetRegionData(region, 0, nullptr);
  std::vector<std::uint8_t> buffer(size);
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  if (size > 0 && GetRegionData(region, size, data) == size) {
    const auto* rects = reinterpret_cast<const RECT*>(data->Buffer);
    for (DWORD i = 0; i < data->rdh.nCount; ++i) {
      const RECT& r = rects[i];
      for (int y = std::max<int>(0, r.top); y < std::min<int>(height, r.bottom); ++y) {
        for (int x = std::max<int>(0, r.left); x < std::min<int>(width, r.right); ++x) {
          alpha[static_cast<std::size_t>(y) * width + x] = 255;
        }
      }
    }
  }
  DeleteObject(region);
  return alpha;
}

void AppendBytes(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

void NoFlush(png_structp) {}

// 8-bit RGBA rows (each `width` × 4 bytes) into PNG bytes. libpng reports errors by longjmp: nothing
// with a destructor is made between setjmp and the end.
bool EncodeRgba(std::vector<png_bytep>& rows, int width, int height, std::vector<std::uint8_t>& out) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (png == nullptr) return false;
  png_infop info = png_create_info_struct(png);
  if (info == nullptr || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_set_write_fn(png, &out, AppendBytes, NoFlush);
  png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8, PNG_COLOR_TYPE_RGBA,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  png_write_image(png, rows.data());
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return true;
}

bool WritePicture(HWND window, const std::string& path) {
  const std::optional<platform::DibImage> image = headless::WindowImage(window);
  if (!image) {
    std::fprintf(stderr, "skinshot: the window has no picture on the screen\n");
    return false;
  }
  return WriteRgbaPicture(*image, RegionAlpha(window, image->format.width, image->format.height), path);
}

}  // namespace

bool WriteRgbaPicture(const platform::DibImage& picture, const std::vector<std::uint8_t>& alpha,
                      const std::string& path) {
  const platform::DibImage* image = &picture;
  const int width = image->format.width;
  const int height = image->format.height;
  std::vector<std::uint8_t> rgba(static_cast<std::size_t>(width) * height * 4);
  std::vector<platform::Pixel> scratch(static_cast<std::size_t>(width));
  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width) * 3);
  std::vector<png_bytep> rows(static_cast<std::size_t>(height));
  for (int y = 0; y < height; ++y) {
    image->RgbRow(y, scratch.data(), rgb.data());
    std::uint8_t* row = rgba.data() + static_cast<std::size_t>(y) * width * 4;
    for (int x = 0; x < width; ++x) {
      row[4 * x] = rgb[3 * x];
      row[4 * x + 1] = rgb[3 * x + 1];
      row[4 * x + 2] = rgb[3 * x + 2];
      row[4 * x + 3] = alpha[static_cast<std::size_t>(y) * width + x];
    }
    rows[static_cast<std::size_t>(y)] = row;
  }
  std::vector<std::uint8_t> png;
  if (!EncodeRgba(rows, width, height, png) || !platform::WriteFileBytes(path, png)) {
    std::fprintf(stderr, "skinshot: cannot write %s\n", path.c_str());
    return false;
  }
  return true;
}

namespace {

struct PressShot {
  HWND window = nullptr;
  const Options* options = nullptr;
  bool done = false;
  bool written = false;
};
PressShot g_press;

void ShootThePress(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  g_press.written = WritePicture(g_press.window, g_press.options->out);
  g_press.done = true;
  RECT bounds{};
  GetWindowRect(g_press.window, &bounds);
  headless::MoveMouse(bounds.right + 40, bounds.bottom + 40);
  headless::Release();
}

}  // namespace

int Shoot(HWND window, const Options& options) {
  const std::optional<int> action = options.press ? options.press : options.hover;
  if (!action) return WritePicture(window, options.out) ? kWritten : kFailed;
  TWinSysButton* button = VisibleButton(window, *action);
  if (button == nullptr) {
    std::fprintf(stderr, "skinshot: the window shows no caption button with action %d\n", *action);
    return kFailed;
  }
  RECT bounds{};
  GetWindowRect(window, &bounds);
  const TRect& r = button->FRect;  // frame coordinates
  headless::MoveMouse(bounds.left + (r.left + r.right) / 2, bounds.top + (r.top + r.bottom) / 2);
  Settle(kHoverSettle);
  if (!options.press) return WritePicture(window, options.out) ? kWritten : kFailed;
  // A press may start a loop of its own that runs until the button is let
  // go (a tracked button, a move); the picture is taken from a timer, which
  // runs in whichever loop is waiting, and then the button is let go away
  // from the window so that the press does nothing.
  g_press = PressShot{window, &options};
  headless::Press();
  SetTimer(nullptr, 0, kPressSettle, &ShootThePress);
  for (int i = 0; i < kPressRounds && !g_press.done; ++i) Settle(kPressSettle);
  Settle();
  if (!g_press.done) std::fprintf(stderr, "skinshot: the pressed window was never painted\n");
  return g_press.written ? kWritten : kFailed;
}

}  // namespace skinshot
