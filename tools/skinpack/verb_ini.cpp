// ini PKG: prints the INI entry, found as the skin loader finds it (the first
// name containing ".ini"), converted to UTF-8 for the terminal.
#include <cstdio>

#include "skinpack.h"

namespace skinpack {

int Ini(const Arguments& args) {
  if (args.size() != 1) return 2;
  TSkinReader reader;
  LoadPackageFile(args[0], reader);
  const TStringList& names = reader.Names();
  bool hasIni = false;
  for (int i = 0; i < names.Count() && !hasIni; ++i) hasIni = names[i].find(".ini") != AnsiString::npos;
  if (!hasIni) throw ToolError(args[0] + ": the package has no INI entry");
  TMemoryStream text;
  reader.FindFile(".ini", text);
  const std::string utf8 =
      NameForTerminal(AnsiString(reinterpret_cast<const char*>(text.Memory()), static_cast<std::size_t>(text.Size())));
  std::fwrite(utf8.data(), 1, utf8.size(), stdout);
  return 0;
}

}  // namespace skinpack
