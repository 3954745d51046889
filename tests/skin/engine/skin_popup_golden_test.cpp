// Golden pictures of skinned menus in the embedded skin, as skinshot makes
// them: a form with its context menu and a sub-menu open (an image, a
// checked, a radio, a disabled entry, a separator, a shortcut), and the
// message box with its system menu open.
#include <gtest/gtest.h>

#include <cstdio>

#include "platform/gdi/codecs.h"
#include "skin/engine/engine_fixture.h"
#include "skinshot.h"
#include "support/golden.h"

namespace skintest {
namespace {

class PopupGoldenTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    LoadMainSkin();
    Settle(300);
  }
  ::testing::AssertionResult Shot(const std::string& window, const std::string& golden) {
    skinshot::Options options;
    options.window = window;
    options.out = ::testing::TempDir() + "popup_golden_" + window + ".png";
    std::remove(options.out.c_str());
    if (skinshot::ShowAndShoot(options, &skinshot::Shoot) != skinshot::kWritten) {
      return ::testing::AssertionFailure() << "skinshot made no picture of " << window;
    }
    const auto bytes = platform::ReadFileBytes(options.out);
    if (!bytes) return ::testing::AssertionFailure() << "cannot read " << options.out;
    const auto image = platform::ReadPng(bytes->data(), bytes->size());
    if (!image) return ::testing::AssertionFailure() << "not a picture: " << options.out;
    return brellis::test::MatchesGolden(*image, "skin/" + golden, brellis::test::GoldenTolerance{48, 60});
  }
};

TEST_F(PopupGoldenTest, ContextMenuWithASubMenuOpen) { EXPECT_TRUE(Shot("popup", "popup_context")); }

TEST_F(PopupGoldenTest, SystemMenuOfTheMessageBox) { EXPECT_TRUE(Shot("sysmenu", "popup_sysmenu")); }

}  // namespace
}  // namespace skintest
