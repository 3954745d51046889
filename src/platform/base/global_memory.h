// Global memory blocks: the movable memory handles that carry data through
// the clipboard. A handle is checked on every call; a stale one fails.
#pragma once

#include <cstddef>

#include "platform/base/types.h"

using HGLOBAL = HANDLE;
using SIZE_T = std::size_t;

constexpr UINT GMEM_FIXED = 0x0000;
constexpr UINT GMEM_MOVEABLE = 0x0002;
constexpr UINT GMEM_ZEROINIT = 0x0040;
constexpr UINT GMEM_DDESHARE = 0x2000;
constexpr UINT GHND = GMEM_MOVEABLE | GMEM_ZEROINIT;
constexpr UINT GPTR = GMEM_FIXED | GMEM_ZEROINIT;

HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes);
// Answers null when the block was freed, the handle otherwise (as Windows).
HGLOBAL GlobalFree(HGLOBAL memory);
LPVOID GlobalLock(HGLOBAL memory);
// Answers TRUE while the block stays locked.
BOOL GlobalUnlock(HGLOBAL memory);
SIZE_T GlobalSize(HGLOBAL memory);

namespace platform {

// Whether `memory` names a block that is allocated now.
bool IsGlobalMemory(HGLOBAL memory);
// How many global memory blocks are allocated now (leak tests compare it).
std::size_t LiveGlobalMemoryCount();

}  // namespace platform
