// extract PKG DIR: writes every entry into DIR (made when missing) under its
// lower-cased name, as the program sees it.
#include <cstdio>
#include <filesystem>
#include <set>

#include "skinpack.h"

namespace skinpack {

namespace {

// A name taken from a package must stay inside the target folder.
bool IsPlainFileName(const std::string& name) {
  return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos &&
         name.find('\0') == std::string::npos;
}

}  // namespace

int Extract(const Arguments& args) {
  if (args.size() != 2) return 2;
  TSkinReader reader;
  LoadPackageFile(args[0], reader);
  const std::filesystem::path folder(args[1]);
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error || !std::filesystem::is_directory(folder)) {
    throw ToolError(args[1] + ": cannot make the folder: " + (error ? error.message() : "not a folder"));
  }

  for (int i = 0; i < reader.Count(); ++i) {
    const std::string name = NameForTerminal(reader.Names()[i]);
    if (!IsPlainFileName(name)) throw ToolError(args[0] + ": entry \"" + name + "\" is not a plain file name");
  }
  std::set<std::string> written;
  int count = 0;
  for (int i = 0; i < reader.Count(); ++i) {
    const std::string name = NameForTerminal(reader.Names()[i]);
    if (!written.insert(name).second) {
      std::fprintf(stderr, "skinpack: warning: a second entry \"%s\" was skipped; the program only sees the first\n",
                   name.c_str());
      continue;
    }
    TMemoryStream data;
    reader.GetFile(reader.Names()[i], data);
    const std::filesystem::path target = folder / name;
    try {
      data.SaveToFile(target.string());
    } catch (const EStreamError& e) {
      throw ToolError(target.string() + ": " + e.Message());
    }
    ++count;
  }
  std::printf("extracted %d files into %s\n", count, args[1].c_str());
  return 0;
}

}  // namespace skinpack
