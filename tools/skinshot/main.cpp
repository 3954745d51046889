// skinshot: a picture of one of the program's windows in a skin, made on the
// headless display.
//
//   skinshot [--skin PACKAGE] [--window NAME] [--size WxH] [--caption TEXT] [--inactive]
//            [--minimized] [--maximized] [--rtl] [--hover PART] [--press PART] OUT.png
//   skinshot --list
//
// Exit codes: 0 written, 1 wrong usage or no such caption button, 2 the skin
// package is refused.
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <exception>
#include <string>

#include "platform/base/resources.h"
#include "platform/display/headless/headless.h"
#include "platform/gdi/codecs.h"
#include "skin/WinSkinData.h"
#include "skinshot.h"
#include "toolkit/Application.h"
#include "toolkit/Forms.h"

namespace skinshot {

// The synopsis, shown when skinshot is run without arguments.
constexpr char kUsage[] =
    "usage: skinshot [--skin PACKAGE] [--window NAME] [--size WxH] [--caption TEXT] [--inactive]\n"
    "                [--minimized] [--maximized] [--rtl] [--hover PART] [--press PART] OUT.png\n"
    "       skinshot --list\n";

namespace {

// A usage error: one line saying what is wrong.
int UsageError(const std::string& message) {
  std::fprintf(stderr, "skinshot: %s\n", message.c_str());
  return kFailed;
}

bool ParseInt(std::string_view text, int& value) {
  const char* end = text.data() + text.size();
  auto [next, error] = std::from_chars(text.data(), end, value);
  return error == std::errc() && next == end && !text.empty();
}

// "WxH" with both sides from 1 to the largest window the screen allows.
bool ParseSize(std::string_view text, SIZE& size) {
  constexpr int kLargest = 4096;
  const std::size_t x = text.find('x');
  if (x == std::string_view::npos) return false;
  int w = 0, h = 0;
  if (!ParseInt(text.substr(0, x), w) || !ParseInt(text.substr(x + 1), h)) return false;
  if (w < 1 || h < 1 || w > kLargest || h > kLargest) return false;
  size = SIZE{w, h};
  return true;
}

// Fills `options` from the arguments; a message when they are wrong.
std::optional<std::string> ParseArguments(int argc, char** argv, Options& options) {
  bool haveOut = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    const auto value = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
    if (arg == "--inactive") {
      options.inactive = true;
    } else if (arg == "--minimized") {
      options.minimized = true;
    } else if (arg == "--maximized") {
      options.maximized = true;
    } else if (arg == "--rtl") {
      options.rtl = true;
    } else if (arg == "--skin" || arg == "--window" || arg == "--size" || arg == "--caption" || arg == "--hover" ||
               arg == "--press") {
      const char* text = value();
      if (text == nullptr) return std::string(arg) + " needs a value";
      if (arg == "--skin") {
        options.skin = text;
      } else if (arg == "--window") {
        const auto& names = WindowNames();
        if (std::find(names.begin(), names.end(), text) == names.end()) {
          return "unknown window \"" + std::string(text) + "\" (skinshot --list names them)";
        }
        options.window = text;
      } else if (arg == "--size") {
        if (!ParseSize(text, options.size)) return "bad size \"" + std::string(text) + "\" (WxH, e.g. 320x240)";
      } else if (arg == "--caption") {
        options.caption = text;
      } else {
        int part = 0;
        if (!ParseInt(text, part)) return std::string(arg) + " takes a caption button action number, not \"" + text + "\"";
        (arg == "--hover" ? options.hover : options.press) = part;
      }
    } else if (arg.starts_with("-") && arg.size() > 1) {
      return "unknown option \"" + std::string(arg) + "\"";
    } else if (haveOut) {
      return "more than one OUT.png";
    } else {
      options.out = arg;
      haveOut = true;
    }
  }
  if (!haveOut) return std::string("missing OUT.png");
  if (options.minimized && options.maximized) return std::string("--minimized and --maximized exclude each other");
  if (options.hover && options.press && *options.hover != *options.press) {
    return std::string("--hover and --press name different buttons");
  }
  return std::nullopt;
}

// The skin component of the main window with the package loaded; null with
// the reason on standard error when the package is refused.
TSkinData* LoadSkin(const Options& options) {
  auto* skin = new TSkinData(nullptr);
  std::string reason;
  try {
    if (options.skin.empty()) {
      if (!skin->LoadSkin(platform::FindResourceBytes(platform::kResourceForm, "TESMERA-METALLIC"))) {
        reason = "the embedded skin is refused";
      }
    } else if (const auto package = platform::ReadFileBytes(options.skin); !package) {
      reason = "cannot read " + options.skin;
    } else if (!skin->LoadSkin(*package)) {
      reason = options.skin + " is not a skin package the engine takes";
    }
  } catch (const Exception& e) {
    reason = options.skin + ": " + e.Message();
  } catch (const std::exception& e) {
    reason = options.skin + ": " + e.what();
  }
  if (reason.empty()) return skin;
  std::fprintf(stderr, "skinshot: %s\n", reason.c_str());
  skin->Free();
  return nullptr;
}

int Run(const Options& options) {
  // Never a real screen, whatever DISPLAY says: the headless display with a
  // clock that moves only when the program waits or is told to.
  platform::display::headless::Install({ScreenFor(options), true, RGB(58, 110, 165)});
  Application->Initialize();
  Application->SetTitle("Brellis");
  TSkinData* skin = LoadSkin(options);
  if (skin == nullptr) return kSkinRefused;
  // As the main window's component is switched on when its form is read.
  skin->SetActive(true);
  skin->Loaded();
  const int result = ShowAndShoot(options, &Shoot);
  while (Screen->FormCount() > 0) Screen->Forms(Screen->FormCount() - 1)->Free();
  Settle();
  skin->Free();  // the last skin takes the skin manager with it
  Application->DestroyComponents();
  return result;
}

}  // namespace
}  // namespace skinshot

int main(int argc, char** argv) {
  if (argc == 2 && std::string_view(argv[1]) == "--list") {
    for (std::string_view name : skinshot::WindowNames()) std::printf("%.*s\n", int(name.size()), name.data());
    return skinshot::kWritten;
  }
  if (argc == 1) {
    std::fputs(skinshot::kUsage, stderr);
    return skinshot::kFailed;
  }
  skinshot::Options options;
  if (auto error = skinshot::ParseArguments(argc, argv, options)) return skinshot::UsageError(*error);
  try {
    return skinshot::Run(options);
  } catch (const Exception& e) {
    std::fprintf(stderr, "skinshot: %s\n", e.Message().c_str());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "skinshot: %s\n", e.what());
  }
  return skinshot::kFailed;
}
