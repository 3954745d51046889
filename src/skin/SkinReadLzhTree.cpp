#include "skin/SkinReadLzhTree.h"

namespace lzh {

namespace {

// Prefix lengths of the position code by the first byte value: 32 values of
// length 3, 48 of 4, 64 of 5, 48 of 6, 48 of 7 and 16 of 8. Each prefix of
// length n covers 2^(8 - n) byte values and names one upper part, counting up.
PositionTables MakePositionTables() {
  struct Band {
    int firstByte, lastByte, length;
  };
  constexpr Band bands[] = {{0x00, 0x1F, 3}, {0x20, 0x4F, 4}, {0x50, 0x8F, 5},
                            {0x90, 0xBF, 6}, {0xC0, 0xEF, 7}, {0xF0, 0xFF, 8}};
  PositionTables t;
  int upper = 0;
  for (const Band& band : bands) {
    const int span = 1 << (8 - band.length);
    for (int b = band.firstByte; b <= band.lastByte; b += span, ++upper) {
      t.code[upper] = static_cast<std::uint8_t>(b);
      t.codeLength[upper] = static_cast<std::uint8_t>(band.length);
      for (int i = b; i < b + span; ++i) {
        t.upper[i] = static_cast<std::uint8_t>(upper);
        t.length[i] = static_cast<std::uint8_t>(band.length);
      }
    }
  }
  return t;
}

}  // namespace

const PositionTables& Positions() {
  static const PositionTables tables = MakePositionTables();
  return tables;
}

void AdaptiveTree::Start() {
  for (int i = 0; i < SymbolCount; ++i) {
    freq[i] = 1;
    son[i] = static_cast<std::uint16_t>(i + NodeCount);
    parent[i + NodeCount] = static_cast<std::uint16_t>(i);
  }
  for (int i = 0, j = SymbolCount; j <= Root; i += 2, ++j) {
    freq[j] = static_cast<std::uint16_t>(freq[i] + freq[i + 1]);
    son[j] = static_cast<std::uint16_t>(i);
    parent[i] = parent[i + 1] = static_cast<std::uint16_t>(j);
  }
  // The root stops at 0x8000; 0x8001 is above every frequency.
  for (std::size_t i = NodeCount; i < freq.size(); ++i) freq[i] = 0x8001;
  parent[Root] = 0;
  reshapedCount = 0;
  reshapedAll = true;
}

void AdaptiveTree::Rebuild() {
  // Gather the leaves at the front, in node order, with halved frequencies.
  int j = 0;
  for (int i = 0; i < NodeCount; ++i) {
    if (son[i] >= NodeCount) {
      freq[j] = static_cast<std::uint16_t>((freq[i] + 1) / 2);
      son[j] = son[i];
      ++j;
    }
  }
  // Join pairs in order; each new inner node is inserted after the last node
  // whose frequency does not exceed its own.
  for (int i = 0, n = SymbolCount; n < NodeCount; i += 2, ++n) {
    const unsigned f = freq[i] + freq[i + 1];
    int k = n - 1;
    while (f < freq[k]) --k;
    ++k;
    for (int m = n; m > k; --m) {
      freq[m] = freq[m - 1];
      son[m] = son[m - 1];
    }
    freq[k] = static_cast<std::uint16_t>(f);
    son[k] = static_cast<std::uint16_t>(i);
  }
  for (int i = 0; i < NodeCount; ++i) {
    const int k = son[i];
    parent[k] = static_cast<std::uint16_t>(i);
    if (k < NodeCount) parent[k + 1] = static_cast<std::uint16_t>(i);
  }
  reshapedAll = true;
}

}  // namespace lzh
