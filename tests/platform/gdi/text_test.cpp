// Fonts and text output: the Song face's 12-pixel bitmap strikes, the
// face-name mapping, metrics, extents and what ExtTextOut draws.
#include <gtest/gtest.h>

#include "platform/gdi/font.h"
#include "platform/gdi/gdi.h"
#include "support/canvas.h"
#include "support/golden.h"

namespace {

using brellis::test::Canvas;

LOGFONTW Font(const char16_t* face, LONG height, LONG weight = FW_NORMAL) {
  LOGFONTW font{};
  font.lfHeight = height;
  font.lfWeight = weight;
  font.lfCharSet = GB2312_CHARSET;
  std::u16string_view name(face);
  std::copy(name.begin(), name.end(), font.lfFaceName);
  return font;
}

// Selects a font into a canvas for the life of the object.
struct Selected {
  HDC dc;
  HFONT font;
  HGDIOBJ old;
  Selected(HDC dc, const LOGFONTW& lf) : dc(dc), font(CreateFontIndirectW(&lf)), old(SelectObject(dc, font)) {}
  ~Selected() {
    SelectObject(dc, old);
    DeleteObject(font);
  }
};

TEST(Text, WindowsFaceNamesMapToTheShippedFaces) {
  EXPECT_EQ(platform::RealizeFont(Font(u"宋体", -12))->FamilyName(), "AR PL UMing CN");
  EXPECT_EQ(platform::RealizeFont(Font(u"SimSun", -12))->FamilyName(), "AR PL UMing CN");
  EXPECT_EQ(platform::RealizeFont(Font(u"Tahoma", -11))->FamilyName(), "DejaVu Sans");
  EXPECT_EQ(platform::RealizeFont(Font(u"MS Sans Serif", -11))->FamilyName(), "DejaVu Sans");
  EXPECT_EQ(platform::RealizeFont(Font(u"Arial", 14))->FamilyName(), "DejaVu Sans");
}

TEST(Text, TheSongFaceAtTwelvePixelsUsesItsBitmapStrike) {
  auto font = platform::RealizeFont(Font(u"宋体", -12));
  EXPECT_TRUE(font->UsesBitmapStrike());
  const TEXTMETRICW& m = font->Metrics();
  EXPECT_EQ(m.tmHeight, 12);
  EXPECT_EQ(m.tmAscent + m.tmDescent, 12);
  EXPECT_EQ(m.tmAveCharWidth, 6);
  EXPECT_EQ(m.tmMaxCharWidth, 12);
  EXPECT_EQ(m.tmCharSet, GB2312_CHARSET);
  // Positive heights ask for the cell height: the same strike.
  EXPECT_TRUE(platform::RealizeFont(Font(u"宋体", 12))->UsesBitmapStrike());
  // Other sizes and smoothed quality use outlines.
  LOGFONTW smooth = Font(u"宋体", -12);
  smooth.lfQuality = ANTIALIASED_QUALITY;
  EXPECT_FALSE(platform::RealizeFont(smooth)->UsesBitmapStrike());
  EXPECT_FALSE(platform::RealizeFont(Font(u"宋体", -20))->UsesBitmapStrike());
}

TEST(Text, ExtentsCountHalfAndFullWidthCharacters) {
  Canvas canvas(10, 10);
  Selected font(canvas.Dc(), Font(u"宋体", -12));
  SIZE size{};
  EXPECT_TRUE(GetTextExtentPoint32W(canvas.Dc(), u"提示信息", 4, &size));
  EXPECT_EQ(size.cx, 48);
  EXPECT_EQ(size.cy, 12);
  EXPECT_TRUE(GetTextExtentPoint32W(canvas.Dc(), u"0", 1, &size));
  EXPECT_EQ(size.cx, 6);
  const AnsiString ansi = u8"提示"_ansi;
  EXPECT_TRUE(GetTextExtentPoint32A(canvas.Dc(), ansi.c_str(), static_cast<int>(ansi.size()), &size));
  EXPECT_EQ(size.cx, 24);
  TEXTMETRICW metrics{};
  EXPECT_TRUE(GetTextMetricsW(canvas.Dc(), &metrics));
  EXPECT_EQ(metrics.tmHeight, 12);
  WCHAR face[LF_FACESIZE];
  EXPECT_EQ(GetTextFaceW(canvas.Dc(), LF_FACESIZE, face), 3);
  EXPECT_EQ(std::u16string(face), u"宋体");
  // Bold adds a pixel to every character.
  Selected bold(canvas.Dc(), Font(u"宋体", -12, FW_BOLD));
  GetTextExtentPoint32W(canvas.Dc(), u"ab", 2, &size);
  EXPECT_EQ(size.cx, 14);
}

TEST(Text, BitmapStrikeTextIsDrawnWithoutGreyLevels) {
  Canvas canvas(60, 14);
  Selected font(canvas.Dc(), Font(u"宋体", -12));
  SetBkMode(canvas.Dc(), TRANSPARENT);
  TextOutW(canvas.Dc(), 1, 1, u"提示Ab", 4);
  int black = 0;
  for (int y = 0; y < 14; ++y) {
    for (int x = 0; x < 60; ++x) {
      const COLORREF c = canvas.At(x, y);
      ASSERT_TRUE(c == RGB(0, 0, 0) || c == RGB(255, 255, 255)) << x << "," << y;
      black += c == RGB(0, 0, 0);
    }
  }
  EXPECT_GT(black, 40);
}

TEST(Text, OpaqueModeFillsTheCellAndAlignmentMovesTheReferencePoint) {
  Canvas canvas(40, 20, RGB(0, 0, 0));
  Selected font(canvas.Dc(), Font(u"宋体", -12));
  SetBkColor(canvas.Dc(), RGB(0, 255, 0));
  SetTextColor(canvas.Dc(), RGB(255, 0, 0));
  SetTextAlign(canvas.Dc(), TA_RIGHT | TA_BOTTOM);
  TextOutW(canvas.Dc(), 30, 15, u"  ", 2);  // two blanks: just the cell
  EXPECT_EQ(canvas.At(18, 3), RGB(0, 255, 0));
  EXPECT_EQ(canvas.At(29, 14), RGB(0, 255, 0));
  EXPECT_EQ(canvas.At(30, 14), RGB(0, 0, 0));
  EXPECT_EQ(canvas.At(17, 3), RGB(0, 0, 0));
  EXPECT_EQ(canvas.At(18, 2), RGB(0, 0, 0));
  // TA_UPDATECP draws at the current position and moves it.
  SetTextAlign(canvas.Dc(), TA_UPDATECP);
  MoveToEx(canvas.Dc(), 2, 2, nullptr);
  TextOutW(canvas.Dc(), 0, 0, u"ab", 2);
  POINT position;
  GetCurrentPositionEx(canvas.Dc(), &position);
  EXPECT_EQ(position, (POINT{14, 2}));
}

TEST(Text, ExtTextOutOpaqueClippedRectangle) {
  Canvas canvas(30, 16, RGB(0, 0, 0));
  Selected font(canvas.Dc(), Font(u"宋体", -12));
  SetBkMode(canvas.Dc(), TRANSPARENT);
  SetBkColor(canvas.Dc(), RGB(0, 0, 255));
  SetTextColor(canvas.Dc(), RGB(255, 255, 255));
  RECT r{2, 2, 10, 14};
  ExtTextOutW(canvas.Dc(), 2, 2, ETO_OPAQUE | ETO_CLIPPED, &r, u"信息", 2, nullptr);
  EXPECT_EQ(canvas.At(2, 2), RGB(0, 0, 255));
  for (int y = 0; y < 16; ++y) {
    for (int x = 10; x < 30; ++x) ASSERT_EQ(canvas.At(x, y), RGB(0, 0, 0)) << x << "," << y;
  }
}

TEST(Text, GoldenPictureOfTheSongFaceAndTheInterfaceFaces) {
  Canvas canvas(220, 96);
  HDC dc = canvas.Dc();
  SetBkMode(dc, TRANSPARENT);
  {
    Selected font(dc, Font(u"宋体", -12));
    TextOutW(dc, 4, 4, u"提示信息：是否退出 Brellis？", 17);
  }
  {
    Selected font(dc, Font(u"宋体", -12, FW_BOLD));
    TextOutW(dc, 4, 20, u"用户名称 Bold 0123", 14);
  }
  {
    LOGFONTW styled = Font(u"宋体", -12);
    styled.lfItalic = TRUE;
    styled.lfUnderline = TRUE;
    Selected font(dc, styled);
    SetTextColor(dc, RGB(0, 0, 160));
    TextOutW(dc, 4, 36, u"斜体 Italic", 9);
  }
  {
    Selected font(dc, Font(u"Tahoma", -11));
    SetTextColor(dc, RGB(0, 0, 0));
    TextOutW(dc, 4, 54, u"Tahoma 11: The quick brown fox", 30);
  }
  {
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, GetSysColor(COLOR_HIGHLIGHT));
    SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    TextOutW(dc, 4, 74, u"默认界面字体 GUI", 10);
    SelectObject(dc, GetStockObject(SYSTEM_FONT));
  }
  EXPECT_TRUE(brellis::test::MatchesGolden(canvas.Snapshot(), "gdi/text", {24, 8}));
}

}  // namespace
