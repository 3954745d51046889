// Golden pictures: a picture drawn by a test is compared with a PNG checked
// in under tests/data/golden/. On a mismatch the actual picture is written
// beside the expected one as NAME.actual.png, so the two can be looked at
// side by side. A missing golden picture is written when the environment
// variable BRELLIS_UPDATE_GOLDEN is set (and the comparison fails otherwise).
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "platform/gdi/codecs.h"

namespace brellis::test {

// Pixel-exact unless a tolerance is given: `channel` is the largest
// difference allowed in any colour channel, `pixels` how many pixels may
// exceed it (for text, where glyph rendering may shift by a level).
struct GoldenTolerance {
  int channel = 0;
  int pixels = 0;
};

// `name` is a path below tests/data/golden/ without ".png", e.g. "gdi/shapes".
::testing::AssertionResult MatchesGolden(const platform::DibImage& actual, const std::string& name,
                                         GoldenTolerance tolerance = {});

// The folder of golden pictures and of checked-in test data in the source tree.
std::string GoldenPath(const std::string& name);
std::string SourcePath(const std::string& relative);

}  // namespace brellis::test
