// Ternary raster operations: the result of a blit pixel from the pattern (P),
// the source (S) and the destination (D), by the operation's 8-bit code.
#pragma once

#include <cstdint>

#include "platform/gdi/dib_format.h"

namespace platform {

constexpr std::uint8_t RopCode(DWORD rop) { return static_cast<std::uint8_t>((rop >> 16) & 0xFF); }
constexpr bool RopUsesSource(std::uint8_t code) { return (((code >> 2) ^ code) & 0x33) != 0; }
constexpr bool RopUsesPattern(std::uint8_t code) { return (((code >> 4) ^ code) & 0x0F) != 0; }

// The result of one operation on one pixel. Bit i of the code is the result
// for P = bit 2, S = bit 1, D = bit 0 of i. The unused top byte is cleared,
// except that a plain copy of the source carries it along.
Pixel ApplyRop3(std::uint8_t code, Pixel p, Pixel s, Pixel d);

// Applies an operation along a row; `source` and `pattern` may be null when
// the operation does not use them.
void ApplyRop3Row(std::uint8_t code, Pixel* destination, const Pixel* source, const Pixel* pattern, int count);

}  // namespace platform
