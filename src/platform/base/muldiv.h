// MulDiv: a * b / c with a 64-bit intermediate product, rounded half away
// from zero; -1 when c is 0 or the result does not fit in 32 bits (the
// values -2147483647 … 2147483647), as Windows answers.
#pragma once

#include "platform/base/types.h"

int MulDiv(int number, int numerator, int denominator);
