// The adaptive Huffman tree and the position code shared by the LZHUF decoder
// and encoder. Both sides must change the tree in exactly the same way after
// every symbol, so the one implementation lives here.
#pragma once

#include <array>
#include <cstdint>

namespace lzh {

constexpr int RingSize = 4096;                               // N
constexpr int LongestMatch = 60;                             // F
constexpr int Threshold = 2;                                 // the shortest match is Threshold + 1
constexpr int RingStart = RingSize - LongestMatch;           // 4036: first position written
constexpr int SymbolCount = 256 - Threshold + LongestMatch;  // 314
constexpr int NodeCount = SymbolCount * 2 - 1;               // 627
constexpr int Root = NodeCount - 1;                          // 626
constexpr unsigned RebuildFrequency = 0x8000;
// A match symbol c stands for c - MatchSymbolBias bytes.
constexpr int MatchSymbolBias = 255 - Threshold;  // 253

// Decoding side of the position code: for the next 8 bits of input, the upper
// six bits of the position and the length of the prefix code.
struct PositionTables {
  std::array<std::uint8_t, 256> upper{};
  std::array<std::uint8_t, 256> length{};
  // Encoding side: the prefix code (left-aligned in 8 bits) and its length
  // for each value of the upper six bits.
  std::array<std::uint8_t, 64> code{};
  std::array<std::uint8_t, 64> codeLength{};
};
const PositionTables& Positions();

// The node arrays of the adaptive code. `son` holds, for an inner node, the
// first of its two children (the second follows it, so every pair starts at
// an even position); for a leaf, NodeCount + symbol. `parent` holds a node's
// parent, and at NodeCount + symbol the node where that symbol's leaf lives.
// Frequencies stay sorted in node order.
struct AdaptiveTree {
  // Nodes looked at ahead at once when restoring the frequency order.
  static constexpr unsigned Lookahead = 16;
  // The root is followed by sentinels that no frequency reaches, enough for
  // that look ahead.
  std::array<std::uint16_t, NodeCount + Lookahead> freq;
  std::array<std::uint16_t, NodeCount + SymbolCount> parent;
  std::array<std::uint16_t, NodeCount> son;

  // The shape of the tree (which positions hold inner nodes, and their
  // children) changes only when an inner node trades places, and when the
  // tree is rebuilt. The positions concerned are noted here for the decoder's
  // prefix table; `reshapedAll` means everything may have changed.
  static constexpr int MaxReshaped = 8;
  std::array<std::uint16_t, MaxReshaped> reshaped;
  int reshapedCount = 0;
  bool reshapedAll = true;

  // Every leaf at frequency 1, inner node 314 + m over leaves 2m and 2m + 1.
  void Start();
  // Halves the leaf frequencies (rounded up) and builds the inner nodes again.
  void Rebuild();

  // Counts one more occurrence of `symbol` and restores the frequency order:
  // from the leaf up, each node's frequency grows by one, and a node that now
  // exceeds the nodes after it trades places with the last of them.
  inline void Update(int symbol) {
    if (freq[Root] == RebuildFrequency) Rebuild();
    // Unsigned positions index the arrays without a sign extension on the
    // walk's critical path.
    unsigned c = parent[NodeCount + symbol];
    do {
      const unsigned k = ++freq[c];
      if (k > freq[c + 1]) {
        const unsigned l = LastBelow(c + 1, k);
        freq[c] = freq[l];
        freq[l] = static_cast<std::uint16_t>(k);
        const unsigned i = son[c];
        parent[i] = static_cast<std::uint16_t>(l);
        if (i < NodeCount) parent[i + 1] = static_cast<std::uint16_t>(l);
        const unsigned j = son[l];
        son[l] = static_cast<std::uint16_t>(i);
        parent[j] = static_cast<std::uint16_t>(c);
        if (j < NodeCount) parent[j + 1] = static_cast<std::uint16_t>(c);
        son[c] = static_cast<std::uint16_t>(j);
        if (i < NodeCount || j < NodeCount) NoteReshaped(c, l);
        c = l;
      }
      c = parent[c];
    } while (c != 0);
  }

 private:
  // The last node from `from` on whose frequency is below k, given that
  // freq[from] is. Frequencies from there on are sorted, so the nodes below k
  // form a run; a block of them is counted without branches (the sign of the
  // 16-bit difference tells "below": frequencies and k lie in 1..0x8000 and
  // the sentinels are 0x8001), and a longer run is finished by a binary
  // search. Runs are short on most data, but their lengths vary too much for
  // a counting loop's exit to be predicted.
  inline unsigned LastBelow(unsigned from, unsigned k) const {
    unsigned count = 0;
    for (unsigned m = 0; m < Lookahead; ++m) count += static_cast<std::uint16_t>(freq[from + m] - k) >> 15;
    if (count < Lookahead) return from + count - 1;
    unsigned low = from + Lookahead - 1;  // freq[low] < k
    unsigned high = NodeCount;            // freq[high] >= k
    while (high - low > 1) {
      const unsigned mid = (low + high) / 2;
      if (freq[mid] < k) {
        low = mid;
      } else {
        high = mid;
      }
    }
    return low;
  }

  void NoteReshaped(unsigned a, unsigned b) {
    if (reshapedCount + 2 > MaxReshaped) {
      reshapedAll = true;
      return;
    }
    reshaped[static_cast<std::size_t>(reshapedCount++)] = static_cast<std::uint16_t>(a);
    reshaped[static_cast<std::size_t>(reshapedCount++)] = static_cast<std::uint16_t>(b);
  }
};

}  // namespace lzh
