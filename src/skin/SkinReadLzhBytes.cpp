// The codec over bytes in memory.
#include <algorithm>
#include <cstring>

#include "skin/SkinRead.h"
#include "skin/SkinReadLzhTree.h"

namespace {

// Hands out `bytes` in the pieces the codec asks for.
TLZH::TReadBytes ReaderOf(std::span<const std::uint8_t> bytes) {
  return [bytes, next = std::size_t{0}](std::uint8_t* buffer, int size) mutable {
    const std::size_t n = std::min(bytes.size() - next, static_cast<std::size_t>(size));
    if (n > 0) std::memcpy(buffer, bytes.data() + next, n);
    next += n;
    return static_cast<int>(n);
  };
}

TLZH::TWriteBytes AppenderTo(std::vector<std::uint8_t>& out) {
  return [&out](const std::uint8_t* buffer, int size) { out.insert(out.end(), buffer, buffer + size); };
}

}  // namespace

std::vector<std::uint8_t> LzhUnpackBytes(std::span<const std::uint8_t> stream, std::int64_t count) {
  std::vector<std::uint8_t> out;
  if (count > 0) out.reserve(static_cast<std::size_t>(count) + lzh::LongestMatch);
  TLZH().Unpack(count, ReaderOf(stream), AppenderTo(out));
  return out;
}

std::vector<std::uint8_t> LzhPackBytes(std::span<const std::uint8_t> data) {
  std::vector<std::uint8_t> out;
  TLZH().Pack(static_cast<std::int64_t>(data.size()), ReaderOf(data), AppenderTo(out));
  return out;
}
