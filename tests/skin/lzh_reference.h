// A plain LZHUF decoder written straight from the format's description: a
// 4096-byte ring with wrapping positions, a 16-bit shift register fed one
// byte at a time, and the tree update with its linear search. It is slow and
// obvious on purpose; the tests compare the library's decoder with it.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

std::vector<std::uint8_t> ReferenceUnpack(std::span<const std::uint8_t> stream, std::int64_t count);
