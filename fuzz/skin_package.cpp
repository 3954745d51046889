// Skin packages from any bytes. The first byte picks how the rest is used:
// odd, as a compressed package as it stands (the decoder meets arbitrary bit
// streams and sizes); even, as a decompressed package that is first packed by
// the encoder, so the directory parser meets arbitrary headers, names and
// sizes, and the encoder's output must decode to exactly its input.
//
// Any size up to the reader's limit is decoded, padding with zero bits; to
// keep runs short, accepted sizes above 16 KiB are cut to their low 14 bits
// (sizes the reader refuses stay as they are).
#include <cstdint>
#include <cstdlib>
#include <set>

#include "platform/user/msgbox.h"
#include "skin/SkinRead.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

// Reads back entries by name (the first hundred; each lookup walks the
// directory) and checks that the first entry of each name comes out whole.
void ReadEntries(const TSkinReader& reader) {
  TMemoryStream file;
  std::set<AnsiString> seen;
  for (int i = 0; i < reader.Count() && i < 100; ++i) {
    reader.GetFile(reader.Names()[i], file);
    Check(file.Position() == 0);
    if (seen.insert(reader.Names()[i]).second) Check(file.Size() == reader.Size(i));
  }
  reader.FindFile(".ini", file);
  reader.FindFile("", file);
  reader.GetFile("missing.bmp", file);
  Check(file.Size() == 0);
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

  TMemoryStream package;
  if (data[0] & 1) {
    package.WriteBuffer(rest.data(), static_cast<std::int64_t>(rest.size()));
    if (rest.size() >= 4) {
      std::int32_t announced = 0;
      package.SetPosition(0);
      package.ReadBuffer(&announced, 4);
      if (announced > (1 << 14) && announced <= MaxSkinPackageSize) {
        announced &= (1 << 14) - 1;
        package.SetPosition(0);
        package.WriteBuffer(&announced, 4);
      }
    }
  } else {
    const std::vector<std::uint8_t> stream = LzhPackBytes(rest);
    Check(LzhUnpackBytes(stream, static_cast<std::int64_t>(rest.size())) ==
          std::vector<std::uint8_t>(rest.begin(), rest.end()));
    const std::uint32_t unpacked = static_cast<std::uint32_t>(rest.size());
    for (int shift = 0; shift < 32; shift += 8) {
      const std::uint8_t byte = static_cast<std::uint8_t>(unpacked >> shift);
      package.WriteBuffer(&byte, 1);
    }
    package.WriteBuffer(stream.data(), static_cast<std::int64_t>(stream.size()));
  }
  TSkinReader reader;
  if (reader.LoadPackage(package)) ReadEntries(reader);
  return 0;
}
