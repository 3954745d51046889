// Writing a skin package: the layout TSkinReader reads, compressed with the
// LZHUF encoder behind its uncompressed size.
#include "skin/SkinRead.h"

namespace {

void AppendInt32(std::vector<std::uint8_t>& out, std::int64_t value) {
  const std::uint32_t v = static_cast<std::uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

}  // namespace

void WriteSkinPackage(const std::vector<TSkinEntry>& entries, TStream& target, std::int32_t version) {
  const int blockSize = SkinVersionBlockSize(version);
  if (blockSize < 0) throw Exception("Skin package version " + IntToStr(version) + " is not known");
  if (entries.size() > static_cast<std::size_t>(MaxSkinEntries)) {
    throw Exception("A skin package holds at most " + IntToStr(MaxSkinEntries) + " entries");
  }

  // Each name is followed by a line break, as a string list writes its text.
  AnsiString names;
  std::int64_t dataSize = 0;
  for (const TSkinEntry& entry : entries) {
    if (entry.Name.empty() || entry.Name.find_first_of("\r\n") != AnsiString::npos) {
      throw Exception("Skin entry name \"" + entry.Name + "\" is empty or holds a line break");
    }
    names += entry.Name + "\r\n";
    dataSize += static_cast<std::int64_t>(entry.Data.size());
  }
  const std::int64_t total = 16 + blockSize + static_cast<std::int64_t>(names.size()) +
                             4 * static_cast<std::int64_t>(entries.size()) + dataSize;
  if (total > MaxSkinPackageSize) {
    throw Exception("A skin package holds at most " + IntToStr(MaxSkinPackageSize) + " bytes");
  }

  std::vector<std::uint8_t> package;
  package.reserve(static_cast<std::size_t>(total));
  AppendInt32(package, version);
  AppendInt32(package, static_cast<std::int64_t>(names.size()));
  AppendInt32(package, 0);
  AppendInt32(package, 0);
  package.resize(package.size() + static_cast<std::size_t>(blockSize), 0);
  package.insert(package.end(), names.begin(), names.end());
  for (const TSkinEntry& entry : entries) AppendInt32(package, static_cast<std::int64_t>(entry.Data.size()));
  for (const TSkinEntry& entry : entries) package.insert(package.end(), entry.Data.begin(), entry.Data.end());

  std::vector<std::uint8_t> out;
  AppendInt32(out, static_cast<std::int64_t>(package.size()));
  const std::vector<std::uint8_t> stream = LzhPackBytes(package);
  out.insert(out.end(), stream.begin(), stream.end());
  target.WriteBuffer(out.data(), static_cast<std::int64_t>(out.size()));
}
