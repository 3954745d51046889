// Global memory blocks, kept in a table of their own so that a handle is a
// checked name rather than a pointer: freeing twice or locking a freed block
// fails with ERROR_INVALID_HANDLE instead of touching freed memory.
#include "platform/base/global_memory.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace {

struct Block {
  std::vector<unsigned char> bytes;
  int locks = 0;
};

struct Table {
  std::unordered_map<std::uintptr_t, Block> blocks;
  std::uintptr_t next = 1;
};

Table& Blocks() {
  static Table table;
  return table;
}

// Handle values are spaced so that a handle never looks like a small integer
// or a pointer of this process.
constexpr std::uintptr_t kHandleBase = 0x7A0000;
constexpr std::uintptr_t kHandleStep = 4;

Block* Find(HGLOBAL memory) {
  auto& blocks = Blocks().blocks;
  const auto it = blocks.find(reinterpret_cast<std::uintptr_t>(memory));
  if (it == blocks.end()) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  return &it->second;
}

}  // namespace

HGLOBAL GlobalAlloc(UINT /*flags*/, SIZE_T bytes) {
  Table& table = Blocks();
  const std::uintptr_t value = kHandleBase + kHandleStep * table.next++;
  // The bytes always start zeroed: GMEM_ZEROINIT's promise, and no stale
  // data for callers that forget it.
  table.blocks[value].bytes.assign(bytes, 0);
  return reinterpret_cast<HGLOBAL>(value);
}

HGLOBAL GlobalFree(HGLOBAL memory) {
  if (Find(memory) == nullptr) return memory;
  Blocks().blocks.erase(reinterpret_cast<std::uintptr_t>(memory));
  return nullptr;
}

LPVOID GlobalLock(HGLOBAL memory) {
  Block* block = Find(memory);
  if (block == nullptr) return nullptr;
  ++block->locks;
  // A zero-byte block has no address to give.
  return block->bytes.empty() ? nullptr : block->bytes.data();
}

BOOL GlobalUnlock(HGLOBAL memory) {
  Block* block = Find(memory);
  if (block == nullptr || block->locks == 0) return FALSE;
  --block->locks;
  return block->locks > 0;
}

SIZE_T GlobalSize(HGLOBAL memory) {
  Block* block = Find(memory);
  return block ? block->bytes.size() : 0;
}

namespace platform {

bool IsGlobalMemory(HGLOBAL memory) { return Blocks().blocks.count(reinterpret_cast<std::uintptr_t>(memory)) != 0; }

std::size_t LiveGlobalMemoryCount() { return Blocks().blocks.size(); }

}  // namespace platform
