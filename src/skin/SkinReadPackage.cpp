// Reading a decompressed skin package: a 16-byte header (version, names
// length, two integers nobody reads), a block whose size depends on the
// version, the names text, one 32-bit size per name, then the entries' bytes.
#include <algorithm>
#include <cstring>

#include "platform/user/msgbox.h"
#include "skin/SkinRead.h"

namespace {

constexpr int HeaderSize = 16;

std::int32_t ReadInt32(const std::uint8_t* p) {
  return static_cast<std::int32_t>(std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) |
                                   (std::uint32_t{p[3]} << 24));
}

}  // namespace

int SkinVersionBlockSize(std::int32_t version) {
  switch (version) {
    case 20000:
      return 0;
    case 30000:
      return 256;
    case 40000:
      return 80;
    case 50000:
      return 48;
    case 60000:
      return 117;
    case 70000:
      return 69;
    default:
      return -1;
  }
}

void TSkinReader::Clear() {
  FNames.Clear();
  FCount = 0;
  FSizes.clear();
  FOffsets.clear();
  FPackage.clear();
  FPackage.shrink_to_fit();
  FRejectReason.clear();
}

bool TSkinReader::Reject(AnsiString reason) {
  Clear();
  FRejectReason = std::move(reason);
  return false;
}

bool TSkinReader::LoadPackage(TStream& source) {
  Clear();
  std::fill(std::begin(FHeader), std::end(FHeader), 0);

  source.SetPosition(0);
  std::uint8_t sizeField[4];
  if (source.Read(sizeField, 4) != 4) return Reject("the package is shorter than its 4-byte size");
  const std::int32_t unpackedSize = ReadInt32(sizeField);
  if (unpackedSize < 0) return Reject("the uncompressed size " + IntToStr(unpackedSize) + " is negative");
  if (unpackedSize > MaxSkinPackageSize) {
    return Reject("the uncompressed size " + IntToStr(unpackedSize) + " is larger than " +
                  IntToStr(MaxSkinPackageSize) + " bytes");
  }

  FPackage.reserve(static_cast<std::size_t>(unpackedSize) + 64);
  TLZH codec;
  codec.Unpack(
      unpackedSize, [&](std::uint8_t* buffer, int count) { return static_cast<int>(source.Read(buffer, count)); },
      [&](const std::uint8_t* buffer, int count) { FPackage.insert(FPackage.end(), buffer, buffer + count); });

  // A package too short for its header leaves the rest of the header zero.
  const std::size_t size = FPackage.size();
  std::uint8_t header[HeaderSize] = {};
  if (size > 0) std::memcpy(header, FPackage.data(), std::min<std::size_t>(size, HeaderSize));
  for (int i = 0; i < 4; ++i) FHeader[i] = ReadInt32(header + 4 * i);

  const int blockSize = SkinVersionBlockSize(FHeader[0]);
  if (blockSize < 0) {
    MessageBoxA(nullptr, "This is Older Skin File\rPlease update to new version !", nullptr, MB_OK);
    return Reject("version " + IntToStr(FHeader[0]) + " is not a known package version");
  }
  if (size < HeaderSize) return Reject("the package ends inside its header");
  std::size_t at = HeaderSize;
  if (static_cast<std::size_t>(blockSize) > size - at) return Reject("the package ends inside its version block");
  at += static_cast<std::size_t>(blockSize);

  const std::int32_t namesLength = FHeader[1];
  if (namesLength < 0) return Reject("the names length " + IntToStr(namesLength) + " is negative");
  if (static_cast<std::size_t>(namesLength) > size - at) {
    return Reject("the names length " + IntToStr(namesLength) + " runs past the end of the package");
  }
  TStringList names;
  names.SetText(LowerCase(
      std::string_view(reinterpret_cast<const char*>(FPackage.data() + at), static_cast<std::size_t>(namesLength))));
  at += static_cast<std::size_t>(namesLength);
  const int count = names.Count();
  if (count > MaxSkinEntries) {
    return Reject(IntToStr(count) + " entries are more than the " + IntToStr(MaxSkinEntries) + " a package may hold");
  }
  if (std::size_t{4} * static_cast<std::size_t>(count) > size - at) {
    return Reject("the package ends inside its table of sizes");
  }

  std::vector<std::int32_t> sizes(static_cast<std::size_t>(count));
  for (std::size_t i = 0; i < sizes.size(); ++i, at += 4) {
    sizes[i] = ReadInt32(FPackage.data() + at);
    if (sizes[i] < 0) return Reject("entry " + IntToStr(static_cast<long long>(i)) + " has a negative size");
  }
  // The data part is everything after the sizes, to the end of the package.
  std::vector<std::int64_t> offsets(sizes.size());
  std::int64_t next = static_cast<std::int64_t>(at);
  for (std::size_t i = 0; i < sizes.size(); ++i) {
    offsets[i] = next;
    next += sizes[i];
  }
  if (next > static_cast<std::int64_t>(size)) {
    return Reject("the entries' sizes add up to " + IntToStr(next - static_cast<std::int64_t>(at)) +
                  " bytes, more than the " + IntToStr(static_cast<long long>(size - at)) + " bytes of data");
  }

  FNames = std::move(names);
  FCount = count;
  FSizes = std::move(sizes);
  FOffsets = std::move(offsets);
  return true;
}

void TSkinReader::WriteEntry(int index, TStream& target) const {
  const std::size_t i = static_cast<std::size_t>(index);
  if (FSizes[i] > 0) target.WriteBuffer(FPackage.data() + FOffsets[i], FSizes[i]);
}

void TSkinReader::GetFile(const AnsiString& name, TStream& target) const {
  target.SetSize(0);
  target.SetPosition(0);
  const AnsiString wanted = LowerCase(name);
  for (int i = 0; i < FCount; ++i) {
    if (FNames[i] == wanted) {
      WriteEntry(i, target);
      break;
    }
  }
  target.SetPosition(0);
}

AnsiString TSkinReader::FindFile(const AnsiString& part, TStream& target) const {
  target.SetSize(0);
  target.SetPosition(0);
  for (int i = 0; i < FCount; ++i) {
    if (FNames[i].find(part) != AnsiString::npos) {
      WriteEntry(i, target);
      target.SetPosition(0);
      return FNames[i];
    }
  }
  return part;
}
