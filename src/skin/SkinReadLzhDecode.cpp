// The LZHUF decoder. Output goes into a window whose first 4096 bytes are the
// history that matches copy from, so matches are plain copies backwards
// without wrapping; the window is handed to the write callback in large
// blocks and its last 4096 bytes are moved to the front.
#include <cstring>
#include <memory>
#include <new>

#include "skin/SkinRead.h"
#include "skin/SkinReadLzhTree.h"

const char* const LzhNoMemoryMessage = "LZH : Cannot get memory for dictionary tables";
// Giving memory back cannot fail here, so nothing raises this one; it stays
// beside the other as part of the codec's messages.
const char* const LzhFreeErrorMessage = "LZH : Error freeing memory for dictionary tables";

namespace {

using namespace lzh;

constexpr int InputBlock = 4096;
constexpr int OutputBlock = 64 * 1024;
constexpr int History = RingSize;

// The compressed bits, most significant first, from the read callback; zero
// bits once the input has ended.
class BitReader {
 public:
  explicit BitReader(const TLZH::TReadBytes& read) : read_(read) {}

  // Makes sure at least 57 bits are buffered.
  void Fill() {
    while (count_ <= 56) {
      if (next_ == end_ && !ended_) Load();
      const std::uint64_t byte = next_ < end_ ? *next_++ : 0;
      bits_ |= byte << (56 - count_);
      count_ += 8;
    }
  }
  int Count() const { return count_; }
  // The next n bits, 1 <= n <= 32, without taking them.
  unsigned Peek(int n) const { return static_cast<unsigned>(bits_ >> (64 - n)); }
  void Skip(int n) {
    bits_ <<= n;
    count_ -= n;
  }
  // Takes n bits, 1 <= n <= 32, from a buffer holding at least n.
  unsigned Take(int n) {
    const unsigned value = Peek(n);
    Skip(n);
    return value;
  }

 private:
  void Load() {
    const int got = read_(buffer_, InputBlock);
    if (got <= 0) {
      ended_ = true;
      return;
    }
    next_ = buffer_;
    end_ = buffer_ + (got < InputBlock ? got : InputBlock);
  }

  const TLZH::TReadBytes& read_;
  std::uint64_t bits_ = 0;  // left-aligned
  int count_ = 0;
  const std::uint8_t* next_ = nullptr;
  const std::uint8_t* end_ = nullptr;
  bool ended_ = false;
  std::uint8_t buffer_[InputBlock];
};

// Where the next few bits lead from the root: the position reached and how
// many of the bits that took (fewer at a leaf). Decoding a symbol then costs
// one lookup plus a step per bit beyond the table's depth, instead of one
// dependent load per bit. The table depends only on the tree's shape:
// leaves trading places leave it as it is, an inner node trading places
// means refilling the entries whose path runs through either position.
//
// How deep the table should look depends on the data. Literal-heavy input
// has long codes and a shape that rarely changes below the sixth level: a
// deep table saves a step per bit. Skin pictures, mostly short matches and
// literals, change the shape at the sixth and seventh levels on most
// symbols, and keeping a deep table in step costs more than the steps it
// saves. The table therefore runs at depth 8 or 6 and chooses after each
// stretch of symbols by what the other depth would have cost.
class PrefixTable {
 public:
  static constexpr int DeepBits = 8;
  static constexpr int ShallowBits = 6;

  struct Entry {
    std::uint16_t position;
    std::uint8_t length;
  };

  int Bits() const { return bits_; }
  const Entry& operator[](unsigned prefix) const { return entries_[prefix]; }

  // Brings the table up to date with the shape changes the tree noted.
  void Refresh(AdaptiveTree& tree) {
    if (tree.reshapedAll) {
      FillAll(tree);
    } else {
      for (int n = 0; n < tree.reshapedCount; ++n) {
        const unsigned position = tree.reshaped[static_cast<std::size_t>(n)];
        if (shallow_[position]) FillThrough(tree, position);
      }
    }
    tree.reshapedAll = false;
    tree.reshapedCount = 0;
  }

  // Counts one decoded symbol whose lookup took `length` bits, and at the end
  // of a stretch settles the depth for the next one (refilling the table
  // when it changes).
  void Account(AdaptiveTree& tree, int length) {
    if (bits_ == DeepBits) extraShallowSteps_ += static_cast<unsigned>(length > ShallowBits ? length - ShallowBits : 0);
    if (--stretchLeft_ != 0) return;
    stretchLeft_ = Stretch;
    int wanted = bits_;
    if (bits_ == DeepBits) {
      // A refill at those levels walks up to the root and writes its
      // entries: about eight steps' worth of work.
      if (deepOnlyRefills_ * 8 > extraShallowSteps_) wanted = ShallowBits;
    } else if (++shallowStretches_ == ShallowStretchesBeforeTrial) {
      // The shallow depth cannot see the refills it avoids: look again.
      wanted = DeepBits;
    }
    extraShallowSteps_ = 0;
    deepOnlyRefills_ = 0;
    if (wanted != bits_) {
      bits_ = wanted;
      shallowStretches_ = 0;
      FillAll(tree);
    }
  }

 private:
  static constexpr unsigned Stretch = 512;
  static constexpr unsigned ShallowStretchesBeforeTrial = 16;

  void FillAll(const AdaptiveTree& tree) {
    std::memset(shallow_, 0, sizeof shallow_);
    FillBelow(tree, Root, 0, 0);
  }

  // Fills the entries whose first `depth` bits, `path`, lead to `position`.
  void FillBelow(const AdaptiveTree& tree, unsigned position, int depth, unsigned path) {
    const unsigned first = tree.son[position];
    if (depth < bits_) shallow_[position] = 1;
    if (first >= NodeCount || depth == bits_) {
      const Entry entry = {static_cast<std::uint16_t>(position), static_cast<std::uint8_t>(depth)};
      const unsigned begin = path << (bits_ - depth);
      for (unsigned prefix = begin; prefix < begin + (1u << (bits_ - depth)); ++prefix) entries_[prefix] = entry;
      return;
    }
    FillBelow(tree, first, depth + 1, path << 1);
    FillBelow(tree, first + 1, depth + 1, (path << 1) | 1);
  }

  // Refills the entries whose path passes through `position`. The path to a
  // position is read upwards: an inner node's children sit at an even and
  // the following odd position, so a position's last bit is its parity.
  void FillThrough(const AdaptiveTree& tree, unsigned position) {
    unsigned path = 0;
    int depth = 0;
    for (unsigned p = position; p != Root; p = tree.parent[p]) {
      if (depth == bits_) return;  // deeper than any entry looks
      path |= (p & 1) << depth;
      ++depth;
    }
    if (depth >= ShallowBits) ++deepOnlyRefills_;
    FillBelow(tree, position, depth, path);
  }

  int bits_ = DeepBits;
  Entry entries_[1u << DeepBits];
  // Positions that have been above the table's depth since the last full
  // fill. Only their reshaping can change entries; a position that went
  // deeper since only costs a needless walk.
  std::uint8_t shallow_[NodeCount] = {};
  // What the stretch so far says about the other depth.
  unsigned stretchLeft_ = Stretch;
  unsigned extraShallowSteps_ = 0;  // steps a shallow table would have added
  unsigned deepOnlyRefills_ = 0;    // refills a shallow table would have skipped
  unsigned shallowStretches_ = 0;
};

struct DecoderState {
  explicit DecoderState(const TLZH::TReadBytes& read) : input(read) {}
  AdaptiveTree tree;
  PrefixTable prefixes;
  BitReader input;
  // History, one output block, and room for the longest match past it with
  // the words CopyMatch writes beyond.
  std::uint8_t window[History + OutputBlock + LongestMatch + 16];
};

// Copies a match of `length` bytes starting `distance` bytes back, in words
// that may write up to 15 bytes past the match (the window leaves room).
// Flat pictures make many matches that overlap their own output; copying
// those byte by byte would wait on each byte just written, so a short period
// is repeated from a pattern built once, a longer one copied a word at a time
// from one period back.
inline void CopyMatch(std::uint8_t* to, int distance, int length) {
  const std::uint8_t* from = to - distance;
  if (distance >= length) {
    for (int i = 0; i < length; i += 16) std::memmove(to + i, from + i, 16);
  } else if (distance <= 8) {
    static constexpr std::uint8_t Phase[9][8] = {{},
                                                 {0, 0, 0, 0, 0, 0, 0, 0},
                                                 {0, 1, 0, 1, 0, 1, 0, 1},
                                                 {0, 1, 2, 0, 1, 2, 0, 1},
                                                 {0, 1, 2, 3, 0, 1, 2, 3},
                                                 {0, 1, 2, 3, 4, 0, 1, 2},
                                                 {0, 1, 2, 3, 4, 5, 0, 1},
                                                 {0, 1, 2, 3, 4, 5, 6, 0},
                                                 {0, 1, 2, 3, 4, 5, 6, 7}};
    std::uint8_t pattern[8];
    for (int i = 0; i < 8; ++i) pattern[i] = from[Phase[distance][i]];
    const int step = 8 - 8 % distance;  // whole periods in eight bytes
    for (int i = 0; i < length; i += step) std::memcpy(to + i, pattern, 8);
  } else {
    for (int i = 0; i < length; i += 8) std::memcpy(to + i, to + i - distance, 8);
  }
}

}  // namespace

void TLZH::Unpack(std::int64_t count, const TReadBytes& read, const TWriteBytes& write) {
  std::unique_ptr<DecoderState> state(new (std::nothrow) DecoderState(read));
  if (!state) throw ElzhException(LzhNoMemoryMessage);
  AdaptiveTree& tree = state->tree;
  PrefixTable& prefixes = state->prefixes;
  BitReader& input = state->input;
  std::uint8_t* const window = state->window;
  const PositionTables& positions = Positions();

  tree.Start();
  prefixes.Refresh(tree);
  // The ring starts with blanks in positions 0-4035 and writing begins at
  // 4036. In the window the 60 ring positions after 4035 come first (they
  // were never written; zero), then the blanks.
  std::memset(window, 0, History - RingStart);
  std::memset(window + (History - RingStart), ' ', RingStart);
  std::uint8_t* const outputStart = window + History;
  std::uint8_t* const flushAt = outputStart + OutputBlock;
  std::uint8_t* at = outputStart;

  std::int64_t produced = 0;
  while (produced < count) {
    // A Huffman code is at most 21 bits deep (the root frequency stays below
    // 0x8000 and every leaf counts at least 1), a position at most 14 bits.
    if (input.Count() < 40) input.Fill();
    const PrefixTable::Entry& entry = prefixes[input.Peek(prefixes.Bits())];
    input.Skip(entry.length);
    const int lookupLength = entry.length;
    unsigned node = tree.son[entry.position];
    while (node < NodeCount) {
      node = tree.son[node + input.Peek(1)];
      input.Skip(1);
    }
    const int symbol = static_cast<int>(node) - NodeCount;
    tree.Update(symbol);
    if (tree.reshapedCount != 0 || tree.reshapedAll) prefixes.Refresh(tree);
    prefixes.Account(tree, lookupLength);
    if (symbol < 256) {
      *at++ = static_cast<std::uint8_t>(symbol);
      ++produced;
    } else {
      unsigned first = input.Take(8);
      const int more = positions.length[first] - 2;
      first = (first << more) | input.Take(more);
      const int position = (positions.upper[first >> more] << 6) | static_cast<int>(first & 0x3F);
      const int length = symbol - MatchSymbolBias;
      CopyMatch(at, position + 1, length);
      at += length;
      produced += length;
    }
    if (at >= flushAt) {
      write(outputStart, static_cast<int>(at - outputStart));
      std::memmove(window, at - History, History);
      at = outputStart;
    }
  }
  if (at > outputStart) write(outputStart, static_cast<int>(at - outputStart));
}
