// DrawText layout: measuring, line breaks, word wrapping, alignment, tabs,
// prefixes and the end ellipsis, in the 12-pixel Song face (6 pixels per
// half-width character, 12 per Chinese one, 12-pixel lines).
#include <gtest/gtest.h>

#include "platform/gdi/gdi.h"
#include "support/canvas.h"
#include "support/golden.h"

namespace {

using brellis::test::Canvas;

class DrawText : public ::testing::Test {
 protected:
  void SetUp() override {
    LOGFONTW lf{};
    lf.lfHeight = -12;
    lf.lfCharSet = GB2312_CHARSET;
    std::u16string_view face(u"宋体");
    std::copy(face.begin(), face.end(), lf.lfFaceName);
    font_ = CreateFontIndirectW(&lf);
    old_ = SelectObject(canvas_.Dc(), font_);
    SetBkMode(canvas_.Dc(), TRANSPARENT);
  }
  void TearDown() override {
    SelectObject(canvas_.Dc(), old_);
    DeleteObject(font_);
  }

  RECT Measure(const char16_t* text, UINT format, int width = 1000) {
    RECT r{10, 20, 10 + width, 20};
    last_ = DrawTextW(canvas_.Dc(), text, -1, &r, format | DT_CALCRECT);
    return r;
  }

  // First and last columns with ink, or -1.
  std::pair<int, int> InkColumns() const {
    int first = -1, last = -1;
    for (int x = 0; x < canvas_.Width(); ++x) {
      for (int y = 0; y < canvas_.Height(); ++y) {
        if (canvas_.At(x, y) != RGB(255, 255, 255)) {
          if (first < 0) first = x;
          last = x;
          break;
        }
      }
    }
    return {first, last};
  }

  Canvas canvas_{200, 60};
  HFONT font_ = nullptr;
  HGDIOBJ old_ = nullptr;
  int last_ = 0;
};

TEST_F(DrawText, CalcRectMeasuresSingleAndBrokenLines) {
  EXPECT_EQ(Measure(u"提示信息", DT_SINGLELINE | DT_NOPREFIX), (RECT{10, 20, 58, 32}));
  EXPECT_EQ(last_, 12);
  // CR LF, lone LF and lone CR each end a line.
  EXPECT_EQ(Measure(u"ab\r\ncdef\ng\rh", 0), (RECT{10, 20, 34, 68}));
  EXPECT_EQ(last_, 48);
  // On a single line they break nothing.
  EXPECT_EQ(Measure(u"ab\r\ncd", DT_SINGLELINE), (RECT{10, 20, 34, 32}));
  // The empty text measures one line on a single line, none otherwise.
  EXPECT_EQ(Measure(u"", DT_SINGLELINE), (RECT{10, 20, 10, 32}));
  EXPECT_EQ(Measure(u"", 0), (RECT{10, 20, 10, 20}));
}

TEST_F(DrawText, WordBreakWrapsAtBlanksAndBetweenChineseCharacters) {
  // "aaa bbb ccc" in 40 pixels: each word on its own line, the blanks dropped.
  EXPECT_EQ(Measure(u"aaa bbb ccc", DT_WORDBREAK, 40), (RECT{10, 20, 28, 56}));
  EXPECT_EQ(Measure(u"aaa bbb ccc", DT_WORDBREAK, 50), (RECT{10, 20, 52, 44}));
  // Chinese text breaks between characters.
  EXPECT_EQ(Measure(u"是否退出系统", DT_WORDBREAK, 40), (RECT{10, 20, 46, 44}));
  // A word longer than the line stays whole.
  EXPECT_EQ(Measure(u"abcdefghij", DT_WORDBREAK, 30), (RECT{10, 20, 70, 32}));
  EXPECT_EQ(Measure(u"abcdefghij", DT_WORDBREAK | DT_EDITCONTROL, 30), (RECT{10, 20, 40, 44}));
}

TEST_F(DrawText, PrefixesAreRemovedAndUnderlinedUnlessNoPrefix) {
  EXPECT_EQ(Measure(u"&File", DT_SINGLELINE).right, 10 + 24);
  EXPECT_EQ(Measure(u"&File", DT_SINGLELINE | DT_NOPREFIX).right, 10 + 30);
  EXPECT_EQ(Measure(u"a&&b", DT_SINGLELINE).right, 10 + 18);
  RECT r{0, 0, 100, 14};
  DrawTextW(canvas_.Dc(), u"&F", -1, &r, DT_SINGLELINE);
  // The underline runs across the character's cell, one row below it so
  // that it does not touch the strike's letters.
  for (int x = 0; x < 6; ++x) EXPECT_EQ(canvas_.At(x, 12), RGB(0, 0, 0)) << x;
  EXPECT_EQ(canvas_.At(6, 12), RGB(255, 255, 255));
  canvas_.Fill(RGB(255, 255, 255));
  DrawTextW(canvas_.Dc(), u"&F", -1, &r, DT_SINGLELINE | DT_HIDEPREFIX);
  int underline = 0;
  for (int x = 0; x < 6; ++x) underline += canvas_.At(x, 12) == RGB(0, 0, 0);
  EXPECT_LT(underline, 6);
}

TEST_F(DrawText, TabsExpandToEightAverageCharacters) {
  EXPECT_EQ(Measure(u"a\tb", DT_SINGLELINE | DT_EXPANDTABS).right, 10 + 48 + 6);
  EXPECT_EQ(Measure(u"abcdefgh\tb", DT_SINGLELINE | DT_EXPANDTABS).right, 10 + 96 + 6);
}

TEST_F(DrawText, EndEllipsisKeepsWhatFitsBeforeTheDots) {
  // 40 pixels: three dots take 18, so three characters (18) stay.
  RECT r = Measure(u"0123456789", DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX, 40);
  EXPECT_EQ(r.right - r.left, 36);
  EXPECT_EQ(Measure(u"0123", DT_SINGLELINE | DT_END_ELLIPSIS, 40).right - 10, 24);  // fits: unchanged
}

TEST_F(DrawText, AlignmentPlacesTheLineInTheRectangle) {
  RECT r{0, 0, 100, 30};
  DrawTextW(canvas_.Dc(), u"00", -1, &r, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  auto [first, last] = InkColumns();
  EXPECT_GE(first, 44);
  EXPECT_LE(last, 55);
  canvas_.Fill(RGB(255, 255, 255));
  DrawTextW(canvas_.Dc(), u"00", -1, &r, DT_SINGLELINE | DT_RIGHT);
  std::tie(first, last) = InkColumns();
  EXPECT_GE(first, 88);
  EXPECT_LE(last, 99);
  // DT_RTLREADING changes nothing for left-to-right text.
  canvas_.Fill(RGB(255, 255, 255));
  DrawTextW(canvas_.Dc(), u"00", -1, &r, DT_SINGLELINE | DT_RIGHT | DT_RTLREADING);
  EXPECT_EQ(InkColumns(), std::make_pair(first, last));
  // Vertical centring: (30 / 2) - (12 / 2) = 9 from the top.
  RECT measured = r;
  EXPECT_EQ(DrawTextW(canvas_.Dc(), u"00", -1, &measured, DT_SINGLELINE | DT_VCENTER | DT_CALCRECT), 21);
}

TEST_F(DrawText, ClippingStopsAtTheRectangleUnlessNoClip) {
  RECT r{0, 0, 9, 12};
  DrawTextW(canvas_.Dc(), u"信息信息", -1, &r, DT_SINGLELINE);
  EXPECT_LE(InkColumns().second, 8);
  canvas_.Fill(RGB(255, 255, 255));
  DrawTextW(canvas_.Dc(), u"信息信息", -1, &r, DT_SINGLELINE | DT_NOCLIP);
  EXPECT_GT(InkColumns().second, 30);
}

TEST_F(DrawText, AnsiTextIsCodePage936) {
  const AnsiString text = u8"提示信息"_ansi;
  RECT a{0, 0, 200, 0}, w{0, 0, 200, 0};
  DrawTextA(canvas_.Dc(), text.c_str(), -1, &a, DT_CALCRECT | DT_SINGLELINE);
  DrawTextW(canvas_.Dc(), u"提示信息", 4, &w, DT_CALCRECT | DT_SINGLELINE);
  EXPECT_EQ(a, w);
  EXPECT_EQ(a.right, 48);
}

TEST_F(DrawText, GoldenPictureOfCaptionsAndMenus) {
  HDC dc = canvas_.Dc();
  RECT caption{0, 0, 120, 18};
  FillRect(dc, &caption, GetSysColorBrush(COLOR_ACTIVECAPTION));
  SetTextColor(dc, GetSysColor(COLOR_CAPTIONTEXT));
  RECT text = caption;
  text.left += 4;
  DrawTextW(dc, u"提示信息 - 很长的窗口标题", -1, &text, 0x8820);  // END_ELLIPSIS | NOPREFIX | SINGLELINE
  SetTextColor(dc, GetSysColor(COLOR_MENUTEXT));
  RECT menu{120, 0, 200, 18};
  DrawTextW(dc, u"文件(&F)", -1, &menu, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  RECT body{0, 20, 200, 60};
  DrawTextW(dc, u"用户名称：匿名登录\r\n\t服务器连接失败，请检查网络设置。", -1, &body, DT_WORDBREAK | DT_EXPANDTABS);
  EXPECT_TRUE(brellis::test::MatchesGolden(canvas_.Snapshot(), "gdi/drawtext"));
}

}  // namespace
