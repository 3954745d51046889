#include "platform/base/muldiv.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(MulDiv, RoundsHalfAwayFromZeroWhateverTheSigns) {
  EXPECT_EQ(MulDiv(1, 1, 2), 1);
  EXPECT_EQ(MulDiv(-1, 1, 2), -1);
  EXPECT_EQ(MulDiv(1, -1, 2), -1);
  EXPECT_EQ(MulDiv(1, 1, -2), -1);
  EXPECT_EQ(MulDiv(-1, -1, 2), 1);
  EXPECT_EQ(MulDiv(-1, 1, -2), 1);
  EXPECT_EQ(MulDiv(-1, -1, -2), -1);
  EXPECT_EQ(MulDiv(3, 2, 4), 2);
  EXPECT_EQ(MulDiv(-3, 2, 4), -2);
  EXPECT_EQ(MulDiv(5, 1, 4), 1);
  EXPECT_EQ(MulDiv(7, 1, 4), 2);
  EXPECT_EQ(MulDiv(-7, 1, 4), -2);
  EXPECT_EQ(MulDiv(1, 1, 3), 0);
  EXPECT_EQ(MulDiv(2, 1, 3), 1);
  EXPECT_EQ(MulDiv(-2, 1, 3), -1);
  // Point sizes to pixels at 96 DPI, as fonts are made.
  EXPECT_EQ(MulDiv(12, 96, 72), 16);
  EXPECT_EQ(MulDiv(9, 96, 72), 12);
  EXPECT_EQ(MulDiv(-8, 96, 72), -11);
  EXPECT_EQ(MulDiv(0, -5, 3), 0);
  EXPECT_EQ(MulDiv(5, 0, -3), 0);
}

TEST(MulDiv, KeepsTheWholeProductIn64Bits) {
  EXPECT_EQ(MulDiv(INT_MAX, INT_MAX, INT_MAX), INT_MAX);
  EXPECT_EQ(MulDiv(0x40000000, 4, 3), 1431655765);
  EXPECT_EQ(MulDiv(100000, 100000, 1000), 10000000);
  EXPECT_EQ(MulDiv(INT_MIN, 1, 2), -1073741824);
  EXPECT_EQ(MulDiv(INT_MIN, -1, 2), 1073741824);
  EXPECT_EQ(MulDiv(-INT_MAX, 1, 1), -INT_MAX);
}

TEST(MulDiv, AnswersMinusOneForAZeroDivisorOrAnOverflow) {
  EXPECT_EQ(MulDiv(5, 3, 0), -1);
  EXPECT_EQ(MulDiv(0, 0, 0), -1);
  EXPECT_EQ(MulDiv(INT_MAX, 2, 1), -1);
  EXPECT_EQ(MulDiv(0x40000000, 4, 2), -1);
  EXPECT_EQ(MulDiv(-0x40000000, 4, 2), -1);
  // -2147483648 itself is outside what MulDiv answers.
  EXPECT_EQ(MulDiv(INT_MIN, 1, 1), -1);
  EXPECT_EQ(MulDiv(INT_MIN, INT_MIN, INT_MIN), -1);
  EXPECT_EQ(MulDiv(INT_MIN, -1, 1), -1);
}

}  // namespace
