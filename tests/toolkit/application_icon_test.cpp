// The program's icon: the application window answers WM_GETICON with it,
// and forms without an icon of their own show it, also after it changes.
#include "toolkit/toolkit_fixture.h"

namespace brellis::test {
namespace {

class ApplicationIconTest : public ToolkitTest {
 protected:
  void TearDown() override {
    Application->Icon()->SetHandle(nullptr);
    ToolkitTest::TearDown();
  }

  static HICON AskIcon(HWND hwnd, WPARAM kind) {
    return reinterpret_cast<HICON>(SendMessageA(hwnd, WM_GETICON, kind, 0));
  }
  static HICON SystemIconCopy(LPCWSTR id) { return CopyIcon(LoadIconW(nullptr, id)); }
};

TEST_F(ApplicationIconTest, TheApplicationWindowAnswersEveryIconSizeWithTheProgramsIcon) {
  const HWND app = Application->Handle();
  EXPECT_EQ(AskIcon(app, ICON_BIG), nullptr);
  EXPECT_EQ(AskIcon(app, ICON_SMALL), nullptr);

  Application->Icon()->SetHandle(SystemIconCopy(IDI_APPLICATION));
  const HICON icon = Application->Icon()->Handle();
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(AskIcon(app, ICON_BIG), icon);
  EXPECT_EQ(AskIcon(app, ICON_SMALL), icon);
  EXPECT_EQ(AskIcon(app, ICON_SMALL2), icon);
  EXPECT_EQ(SendMessageW(app, WM_GETICON, ICON_SMALL, 0), reinterpret_cast<LRESULT>(icon));
}

TEST_F(ApplicationIconTest, FormsWithoutAnIconOfTheirOwnFollowTheProgramsIcon) {
  Application->Icon()->SetHandle(SystemIconCopy(IDI_APPLICATION));
  TForm* plain = NewShownForm(100, 80);
  TForm* own = NewShownForm(100, 80);
  own->Icon()->SetHandle(SystemIconCopy(IDI_WARNING));
  EXPECT_EQ(AskIcon(plain->Handle(), ICON_BIG), Application->Icon()->Handle());
  EXPECT_EQ(AskIcon(plain->Handle(), ICON_SMALL2), Application->Icon()->Handle());
  EXPECT_EQ(AskIcon(own->Handle(), ICON_BIG), own->Icon()->Handle());

  // A new program icon reaches the plain form at once, not the other.
  Application->Icon()->SetHandle(SystemIconCopy(IDI_QUESTION));
  EXPECT_EQ(AskIcon(plain->Handle(), ICON_BIG), Application->Icon()->Handle());
  EXPECT_EQ(AskIcon(own->Handle(), ICON_BIG), own->Icon()->Handle());

  // Without its own icon any more, the form shows the program's again.
  own->Icon()->SetHandle(nullptr);
  EXPECT_EQ(AskIcon(own->Handle(), ICON_BIG), Application->Icon()->Handle());

  // A form made after the icon was set has it from its creation.
  TForm* later = NewShownForm(100, 80);
  EXPECT_EQ(AskIcon(later->Handle(), ICON_BIG), Application->Icon()->Handle());

  Application->Icon()->SetHandle(nullptr);
  EXPECT_EQ(AskIcon(plain->Handle(), ICON_BIG), nullptr);
  EXPECT_EQ(AskIcon(Application->Handle(), ICON_BIG), nullptr);
}

}  // namespace
}  // namespace brellis::test
