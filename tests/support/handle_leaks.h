// Leak checks: the live counts of the handle table (windows, DCs, bitmaps,
// brushes, pens, fonts, regions, icons, image lists …) must be back at their
// starting values when a test ends. Derive a fixture from HandleLeakTest, or
// install the listener once for a whole test program.
#pragma once

#include <gtest/gtest.h>

#include "platform/base/handles.h"

namespace brellis::test {

// Describes which kinds changed, e.g. "Bitmap 3 -> 4".
std::string DescribeCountChanges(const platform::HandleTable::Counts& before, const platform::HandleTable::Counts& after);

class HandleLeakTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

 private:
  platform::HandleTable::Counts before_{};
};

// Checks every test of the program (call once, before RUN_ALL_TESTS or from
// a static initialiser of the test program).
void InstallHandleLeakListener();

}  // namespace brellis::test
