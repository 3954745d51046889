// Loading a skin again rebuilds the model with no handle left behind, and the
// model frees every handle with itself.
#include <gtest/gtest.h>

#include "platform/base/handles.h"
#include "skin/WinSkinData.h"
#include "skin_data_helpers.h"
#include "support/handle_leaks.h"

namespace {

using SkinDataHandles = brellis::test::HandleLeakTest;

TEST_F(SkinDataHandles, SecondLoadLeavesTheCountsOfTheFirst) {
  TSkinData skin;
  ASSERT_TRUE(skin.LoadSkin(skintest::EmbeddedSkin()));
  const platform::HandleTable::Counts first = platform::HandleTable::Instance().LiveCounts();
  for (int i = 0; i < 2; ++i) {
    ASSERT_TRUE(skin.LoadSkin());
    const platform::HandleTable::Counts again = platform::HandleTable::Instance().LiveCounts();
    EXPECT_EQ(brellis::test::DescribeCountChanges(first, again), "") << "load " << i + 2;
  }
  // A different skin in between, then the first again.
  ASSERT_TRUE(skin.LoadSkin(skintest::PackageOf("[Colours]\n")));
  ASSERT_TRUE(skin.LoadSkin(skintest::EmbeddedSkin()));
  EXPECT_EQ(brellis::test::DescribeCountChanges(first, platform::HandleTable::Instance().LiveCounts()), "");
}

TEST_F(SkinDataHandles, RefusedAndDamagedLoadsFreeWhatTheyMade) {
  TSkinData skin;
  const std::uint8_t junk[] = {0xFF, 0xFF, 0xFF, 0x7F, 1, 2, 3};
  EXPECT_FALSE(skin.LoadSkin(junk));
  ASSERT_TRUE(skin.LoadSkin(skintest::PackageOf("[Buttons]\nBitmap=b.bmp\n", {{"b.bmp", 20, 10}})));
}

}  // namespace
