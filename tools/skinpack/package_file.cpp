#include <filesystem>

#include "platform/user/msgbox.h"
#include "skinpack.h"

namespace skinpack {

void LoadPackageFile(const std::string& path, TSkinReader& reader) {
  if (std::filesystem::is_directory(path)) throw ToolError(path + ": is a folder, not a package file");
  TMemoryStream package;
  try {
    package.LoadFromFile(path);
  } catch (const EStreamError& e) {
    throw ToolError(path + ": " + e.Message());
  }
  // The reader shows a message box for an unknown version; here its text
  // becomes part of the error.
  std::string boxText;
  const platform::MessageBoxHandler previous =
      platform::SetMessageBoxHandler([&](HWND, const WideString& text, const WideString&, UINT) {
        boxText = platform::WideToUtf8String(text);
        return IDOK;
      });
  const bool loaded = reader.LoadPackage(package);
  platform::SetMessageBoxHandler(previous);
  if (!loaded) {
    std::string reason = "not a skin package: " + reader.RejectReason();
    if (!boxText.empty()) {
      for (char& c : boxText) c = c == '\r' ? ' ' : c;
      reason += " (\"" + boxText + "\")";
    }
    throw ToolError(path + ": " + reason);
  }
}

std::string NameForTerminal(const AnsiString& name) { return platform::AnsiToUtf8String(name); }

}  // namespace skinpack
