// The LZHUF encoder: greedy LZSS matching with hash chains over the text seen
// so far (which starts with the decoder's 4036 blanks), and the same adaptive
// code as the decoder. Skin authors' tools and the tests use it; the program
// itself only decodes.
#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <new>
#include <utility>

#include "skin/SkinRead.h"
#include "skin/SkinReadLzhTree.h"

namespace {

using namespace lzh;

constexpr int HashBits = 14;
constexpr int MaxChain = 256;
constexpr int NoPosition = -1;
constexpr std::size_t OutputBlock = 64 * 1024;

// Bits most significant first, handed to the write callback in blocks.
class BitWriter {
 public:
  explicit BitWriter(const TLZH::TWriteBytes& write) : write_(write) { bytes_.reserve(OutputBlock); }

  // Appends the low `length` bits of `value`, 0 <= length <= 32.
  void Put(std::uint32_t value, int length) {
    bits_ = (bits_ << length) | value;
    count_ += length;
    while (count_ >= 8) {
      count_ -= 8;
      bytes_.push_back(static_cast<std::uint8_t>(bits_ >> count_));
    }
    bits_ &= (std::uint64_t{1} << count_) - 1;
    if (bytes_.size() >= OutputBlock) Flush();
  }
  // Pads the last byte with zero bits and hands everything over.
  void Finish() {
    if (count_ > 0) bytes_.push_back(static_cast<std::uint8_t>(bits_ << (8 - count_)));
    count_ = 0;
    Flush();
  }

 private:
  void Flush() {
    if (!bytes_.empty()) write_(bytes_.data(), static_cast<int>(bytes_.size()));
    bytes_.clear();
  }

  const TLZH::TWriteBytes& write_;
  std::vector<std::uint8_t> bytes_;
  std::uint64_t bits_ = 0;
  int count_ = 0;
};

class Encoder {
 public:
  Encoder(std::vector<std::uint8_t> text, const TLZH::TWriteBytes& write) : text_(std::move(text)), output_(write) {
    head_.fill(NoPosition);
    prev_.fill(NoPosition);
    tree_.Start();
  }

  void Run() {
    const int end = static_cast<int>(text_.size());
    for (int i = 0; i < RingStart; ++i) Insert(i);
    int at = RingStart;
    while (at < end) {
      int distance = 0;
      const int length = LongestMatchAt(at, distance);
      if (length > Threshold) {
        PutSymbol(MatchSymbolBias + length);
        PutPosition(distance - 1);
        for (int i = 0; i < length; ++i) Insert(at + i);
        at += length;
      } else {
        PutSymbol(text_[static_cast<std::size_t>(at)]);
        Insert(at);
        ++at;
      }
    }
    output_.Finish();
  }

 private:
  unsigned HashAt(int at) const {
    const std::uint8_t* p = text_.data() + at;
    const unsigned v = (unsigned{p[0]} << 16) | (unsigned{p[1]} << 8) | p[2];
    return (v * 2654435761u) >> (32 - HashBits);
  }

  void Insert(int at) {
    if (at + 3 > static_cast<int>(text_.size())) return;
    const unsigned h = HashAt(at);
    prev_[static_cast<std::size_t>(at & (RingSize - 1))] = head_[h];
    head_[h] = at;
  }

  // The longest match for the text at `at` within the last RingSize bytes,
  // never reaching before the first blank (the decoder's ring holds nothing
  // defined there). Answers its length and sets its distance.
  int LongestMatchAt(int at, int& distance) const {
    const int end = static_cast<int>(text_.size());
    const int limit = std::min(LongestMatch, end - at);
    if (limit <= Threshold) return 0;
    const int oldest = std::max(0, at - RingSize);
    const std::uint8_t* target = text_.data() + at;
    int best = 0;
    int candidate = head_[HashAt(at)];
    for (int chain = 0; chain < MaxChain && candidate >= oldest; ++chain) {
      const std::uint8_t* source = text_.data() + candidate;
      if (source[best] == target[best]) {
        int n = 0;
        while (n < limit && source[n] == target[n]) ++n;
        if (n > best) {
          best = n;
          distance = at - candidate;
          if (n == limit) break;
        }
      }
      candidate = prev_[static_cast<std::size_t>(candidate & (RingSize - 1))];
    }
    return best;
  }

  void PutSymbol(int symbol) {
    // The code is the path from the root; gather it from the leaf upwards.
    std::uint32_t code = 0;
    int length = 0;
    for (int node = tree_.parent[NodeCount + symbol]; node != Root; node = tree_.parent[node]) {
      code |= static_cast<std::uint32_t>(node & 1) << length;
      ++length;
    }
    output_.Put(code, length);
    tree_.Update(symbol);
  }

  void PutPosition(int position) {
    const PositionTables& positions = Positions();
    const int upper = position >> 6;
    const int length = positions.codeLength[upper];
    output_.Put(static_cast<std::uint32_t>(positions.code[upper]) >> (8 - length), length);
    output_.Put(static_cast<std::uint32_t>(position & 0x3F), 6);
  }

  std::vector<std::uint8_t> text_;  // the blanks, then the input
  BitWriter output_;
  AdaptiveTree tree_;
  std::array<int, std::size_t{1} << HashBits> head_;
  std::array<int, RingSize> prev_;  // previous position with the same hash
};

}  // namespace

std::int64_t TLZH::Pack(std::int64_t count, const TReadBytes& read, const TWriteBytes& write) {
  std::unique_ptr<Encoder> encoder;
  std::int64_t taken = 0;
  try {
    std::vector<std::uint8_t> text(RingStart, ' ');
    std::uint8_t block[4096];
    while (taken < count) {
      const int want = static_cast<int>(std::min<std::int64_t>(count - taken, sizeof block));
      const int got = std::min(read(block, want), want);
      if (got <= 0) break;
      text.insert(text.end(), block, block + got);
      taken += got;
    }
    encoder = std::make_unique<Encoder>(std::move(text), write);
  } catch (const std::bad_alloc&) {
    throw ElzhException(LzhNoMemoryMessage);
  }
  encoder->Run();
  return taken;
}
