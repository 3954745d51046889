// Scaling with a 64-bit product, Windows' rounding and overflow answer.
#include "platform/base/muldiv.h"

#include <cstdint>

int MulDiv(int number, int numerator, int denominator) {
  if (denominator == 0) return -1;
  // Work on magnitudes (INT_MIN has no 32-bit one) and round the quotient's
  // magnitude; the sign follows the operands.
  const auto magnitude = [](int value) {
    return value < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(static_cast<std::int64_t>(value))
                     : static_cast<std::uint64_t>(value);
  };
  const std::uint64_t product = magnitude(number) * magnitude(numerator);
  const std::uint64_t divisor = magnitude(denominator);
  const std::uint64_t quotient = (product + divisor / 2) / divisor;
  if (quotient > 0x7FFFFFFFu) return -1;
  const bool negative = ((number < 0) != (numerator < 0)) != (denominator < 0);
  const int result = static_cast<int>(quotient);
  return negative ? -result : result;
}
