// pack DIR OUT [--order FILE]: every ".bmp" file and the one ".ini" file of
// DIR into a version-70000 package. Entries follow the names' byte order, or
// the order of the lines of FILE, which must name each of those files once.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include "skinpack.h"

namespace skinpack {

namespace {

namespace fs = std::filesystem;

bool HasExtension(const std::string& name, const char* extension) {
  const std::string lower = LowerCase(name);
  const std::string ext(extension);
  return lower.size() > ext.size() && lower.compare(lower.size() - ext.size(), ext.size(), ext) == 0;
}

// The bitmaps and INI files of the folder, by name.
std::vector<std::string> SkinFiles(const std::string& folder) {
  std::error_code error;
  fs::directory_iterator it(folder, error);
  if (error) throw ToolError(folder + ": " + error.message());
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : it) {
    const std::string name = entry.path().filename().string();
    if (entry.is_regular_file() && (HasExtension(name, ".bmp") || HasExtension(name, ".ini"))) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

// The names listed in an order file, one per line; empty lines are skipped.
std::vector<std::string> OrderFromFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw ToolError(path + ": cannot open the order file");
  std::vector<std::string> names;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) names.push_back(line);
  }
  return names;
}

// Checks that `order` names exactly the skin files of the folder.
void CheckOrder(const std::vector<std::string>& order, const std::vector<std::string>& files,
                const std::string& orderPath, const std::string& folder) {
  const std::set<std::string> present(files.begin(), files.end());
  std::set<std::string> listed;
  for (const std::string& name : order) {
    if (!present.count(name)) throw ToolError(orderPath + ": \"" + name + "\" is not a .bmp or .ini file in " + folder);
    if (!listed.insert(name).second) throw ToolError(orderPath + ": \"" + name + "\" is listed twice");
  }
  for (const std::string& name : files) {
    if (!listed.count(name)) throw ToolError(folder + ": \"" + name + "\" is not listed in " + orderPath);
  }
}

std::vector<std::uint8_t> ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw ToolError(path.string() + ": cannot open");
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

int Pack(const Arguments& args) {
  if (args.size() != 2 && !(args.size() == 4 && args[2] == "--order")) return 2;
  const std::string& folder = args[0];
  const std::string& output = args[1];
  if (!fs::is_directory(folder)) throw ToolError(folder + ": not a folder");

  const std::vector<std::string> files = SkinFiles(folder);
  std::vector<std::string> inis;
  std::copy_if(files.begin(), files.end(), std::back_inserter(inis),
               [](const std::string& name) { return HasExtension(name, ".ini"); });
  if (inis.size() != 1) {
    std::string found;
    for (const std::string& name : inis) found += " " + name;
    throw ToolError(folder + ": a skin has exactly one .ini file; found " + std::to_string(inis.size()) +
                    (found.empty() ? "" : ":" + found));
  }
  std::vector<std::string> order = files;
  if (args.size() == 4) {
    order = OrderFromFile(args[3]);
    CheckOrder(order, files, args[3], folder);
  }
  if (order.size() > static_cast<std::size_t>(MaxSkinEntries)) {
    throw ToolError(folder + ": " + std::to_string(order.size()) + " files; a package holds at most " +
                    std::to_string(MaxSkinEntries));
  }

  // The program looks names up lower-cased in its own code page: each name
  // must survive the conversion and stay distinct.
  std::vector<TSkinEntry> entries;
  std::map<AnsiString, std::string> seen;
  for (const std::string& name : order) {
    const AnsiString ansi = platform::Utf8ToAnsiString(name);
    if (platform::AnsiToUtf8String(ansi) != name) {
      throw ToolError(folder + ": \"" + name + "\" has characters the package's code page cannot hold");
    }
    const auto [at, fresh] = seen.emplace(LowerCase(ansi), name);
    if (!fresh) throw ToolError(folder + ": \"" + name + "\" and \"" + at->second + "\" differ only in case");
    entries.push_back({ansi, ReadFile(fs::path(folder) / name)});
  }

  TMemoryStream package;
  WriteSkinPackage(entries, package);
  try {
    package.SaveToFile(output);
  } catch (const EStreamError& e) {
    throw ToolError(output + ": " + e.Message());
  }
  std::printf("packed %zu files into %s (%lld bytes)\n", entries.size(), output.c_str(),
              static_cast<long long>(package.Size()));
  return 0;
}

}  // namespace skinpack
