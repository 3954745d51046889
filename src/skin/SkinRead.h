// The skin package: an LZHUF-compressed archive of named files (the skin's
// bitmaps and one INI text). TLZH is the codec, TSkinReader reads a package and
// hands out its files by name, WriteSkinPackage makes packages for tests and
// the skin packer.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "platform/base/sysutils.h"
#include "toolkit/Streams.h"
#include "toolkit/StringList.h"

// Raised when the codec cannot get or give back its working tables.
class ElzhException : public Exception {
 public:
  using Exception::Exception;
};

extern const char* const LzhNoMemoryMessage;   // "LZH : Cannot get memory for dictionary tables"
extern const char* const LzhFreeErrorMessage;  // "LZH : Error freeing memory for dictionary tables"

// The LZHUF codec: LZSS over a 4096-byte ring of matches up to 60 bytes long,
// literals and lengths sharing one adaptive Huffman code, positions in a fixed
// prefix code plus six raw bits.
class TLZH {
 public:
  // Delivers up to `count` bytes of input into `buffer` and answers how many
  // it delivered; 0 means the input has ended.
  using TReadBytes = std::function<int(std::uint8_t* buffer, int count)>;
  // Takes `count` bytes of output.
  using TWriteBytes = std::function<void(const std::uint8_t* buffer, int count)>;

  // Decodes until at least `count` bytes have been written. A match is never
  // cut short, so up to 59 bytes beyond `count` may follow. Input that ends
  // early reads as zero bits. Raises ElzhException when the working tables
  // cannot be allocated.
  void Unpack(std::int64_t count, const TReadBytes& read, const TWriteBytes& write);

  // Encodes up to `count` bytes read from `read` (fewer if the input ends
  // first) and answers how many were encoded. Unpack of that many bytes gives
  // them back exactly.
  std::int64_t Pack(std::int64_t count, const TReadBytes& read, const TWriteBytes& write);
};

// Whole-buffer forms of the codec.
std::vector<std::uint8_t> LzhUnpackBytes(std::span<const std::uint8_t> stream, std::int64_t count);
std::vector<std::uint8_t> LzhPackBytes(std::span<const std::uint8_t> data);

// The version packages are written with.
constexpr int SkinPackageVersion = 70000;
// The size of the block that follows the header in a package of the given
// version, or -1 for a version that is not accepted.
int SkinVersionBlockSize(std::int32_t version);

// The largest number of entries a package may hold.
constexpr int MaxSkinEntries = 1001;
// The largest uncompressed size a package may announce (64 MiB). Skins are a
// few hundred kilobytes; a larger size is taken as damage, not as a skin.
constexpr std::int64_t MaxSkinPackageSize = std::int64_t{64} << 20;

class TSkinReader {
 public:
  // Decompresses the whole package from the start of `source` and keeps its
  // directory and data. Answers false, holding no entries, for a package it
  // refuses; an unknown version also shows "This is Older Skin File".
  bool LoadPackage(TStream& source);

  // Clears `target` and writes the entry whose name equals `name` after
  // lower-casing it; `target` is left at position 0 (and empty when absent).
  void GetFile(const AnsiString& name, TStream& target) const;
  // Clears `target` and writes the first entry whose name contains `part`,
  // answering that entry's name; without a match answers `part` unchanged.
  AnsiString FindFile(const AnsiString& part, TStream& target) const;

  int Count() const { return FCount; }
  // The lower-cased entry names and the sizes, in directory order.
  const TStringList& Names() const { return FNames; }
  std::int32_t Size(int index) const { return FSizes.at(static_cast<std::size_t>(index)); }
  // The version word of the loaded package (0 before a load).
  std::int32_t Version() const { return FHeader[0]; }
  // Why the last LoadPackage answered false; empty after a successful load.
  const AnsiString& RejectReason() const { return FRejectReason; }

 private:
  void Clear();
  bool Reject(AnsiString reason);
  void WriteEntry(int index, TStream& target) const;

  TStringList FNames;
  int FCount = 0;
  std::vector<std::int32_t> FSizes;
  std::vector<std::int64_t> FOffsets;  // where each entry starts in FPackage
  std::int32_t FHeader[4] = {};
  std::vector<std::uint8_t> FPackage;  // the whole decompressed package
  AnsiString FRejectReason;
};

// One named file of a package being written.
struct TSkinEntry {
  AnsiString Name;
  std::vector<std::uint8_t> Data;
};

// Writes a compressed package (uncompressed size, then the LZHUF stream) with
// the given entries in the given order. Names are written as they are, one per
// line; a name holding a line break or a version that is not accepted raises
// Exception.
void WriteSkinPackage(const std::vector<TSkinEntry>& entries, TStream& target,
                      std::int32_t version = SkinPackageVersion);
