// The text helpers of the skin model: wide drawing on the NT family, the ANSI
// conversion on the 9x family, and the conversions the painters use.
#include <gtest/gtest.h>

#include "platform/user/user.h"
#include "skin/WinSkinData.h"
#include "support/canvas.h"

namespace {

constexpr UINT kFormat = DT_SINGLELINE | DT_NOPREFIX;

// Whether two canvases hold the same pixels.
bool SamePixels(const brellis::test::Canvas& a, const brellis::test::Canvas& b) {
  for (int y = 0; y < a.Height(); ++y) {
    for (int x = 0; x < a.Width(); ++x) {
      if (a.At(x, y) != b.At(x, y)) return false;
    }
  }
  return true;
}

TEST(SkinDrawText, WideOnNtAnsiConversionOn9x) {
  using brellis::test::Canvas;
  // "\u0174" has no place in the ANSI code page: the 9x path draws "?".
  const WideString text = u"ab\u0174\u4E2D";
  RECT rect = {2, 2, 200, 40};

  Canvas nt(200, 40), wide(200, 40), nine(200, 40), ansi(200, 40);
  const int height = SkinDrawText(nt.Dc(), text, &rect, kFormat);
  DrawTextW(wide.Dc(), text.c_str(), static_cast<int>(text.size()), &rect, kFormat);
  EXPECT_TRUE(SamePixels(nt, wide));
  EXPECT_GT(height, 0);

  platform::OverrideVersion(0xC0000A04);  // the 9x family
  SkinDrawText(nine.Dc(), text, &rect, kFormat);
  platform::OverrideVersion(0);
  DrawTextA(ansi.Dc(), "ab?\xD6\xD0", -1, &rect, kFormat);
  EXPECT_TRUE(SamePixels(nine, ansi));
  EXPECT_FALSE(SamePixels(nine, nt));
}

TEST(SkinTextHelpers, AnsiToWideAndWideLeft) {
  EXPECT_EQ(AnsiToWide("\xD6\xD0\xCE\xC4 ok"), u"\u4E2D\u6587 ok");
  EXPECT_EQ(AnsiToWide(""), u"");
  const WCHAR text[] = u"caption";
  EXPECT_EQ(WideLeft(text, -1), u"caption");
  EXPECT_EQ(WideLeft(text, 3), u"cap");
  EXPECT_EQ(WideLeft(text, 0), u"");
  // Never past the end of the text, whatever the count.
  EXPECT_EQ(WideLeft(text, 100), u"caption");
  EXPECT_EQ(WideLeft(nullptr, 5), u"");
}

}  // namespace
