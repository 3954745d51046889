// Colours, fonts, pens and brushes: values, published properties and the GDI
// objects they make.
#include <gtest/gtest.h>

#include "toolkit/Graphics.h"

namespace {

TEST(GraphicsColors, SystemColoursResolveAndPlainColoursPassThrough) {
  EXPECT_EQ(ColorToRGB(clBtnFace), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(ColorToRGB(clBtnFace), RGB(212, 208, 200));
  EXPECT_EQ(ColorToRGB(clFuchsia), RGB(255, 0, 255));
  EXPECT_EQ(ColorToRGB(clNone), 0x1FFFFFFFu);
  EXPECT_LT(clWindowText, 0);
  EXPECT_EQ(clWindowText & 0xFF, COLOR_WINDOWTEXT);
}

TEST(GraphicsColors, IdentifiersRoundTripAndOtherValuesAreHex) {
  EXPECT_EQ(ColorToString(clBtnFace), "clBtnFace");
  EXPECT_EQ(ColorToString(clWindowText), "clWindowText");
  EXPECT_EQ(ColorToString(RGB(1, 2, 3)), "$00030201");
  EXPECT_EQ(StringToColor("clbtnface"), clBtnFace);
  EXPECT_EQ(StringToColor("$00FF00FF"), clFuchsia);
  EXPECT_EQ(StringToColor("255"), clRed);
  EXPECT_THROW(StringToColor("clNoSuchColour"), EConvertError);
  for (const TIdentMapEntry& e : ColorIdents()) {
    // Every identifier names one value, and clLtGray/clDkGray are not listed twice.
    long long value = 0;
    ASSERT_TRUE(IdentToColor(e.Name, value));
    EXPECT_EQ(value, e.Value) << e.Name;
  }
}

TEST(GraphicsFont, SizeAndHeightConvertAtNinetySixDotsPerInch) {
  TFont font;
  EXPECT_EQ(font.Name(), u8"宋体"_ansi);
  EXPECT_EQ(font.Height(), -12);
  EXPECT_EQ(font.Size(), 9);
  font.SetSize(10);
  EXPECT_EQ(font.Height(), -13);
  font.SetHeight(-16);
  EXPECT_EQ(font.Size(), 12);
  font.SetHeight(20);  // a cell height reads as a negative size
  EXPECT_EQ(font.Size(), -15);
}

TEST(GraphicsFont, PublishedPropertiesAreWritableByName) {
  TFont font;
  SetPropValue(&font, "Name", "Tahoma");
  SetPropValue(&font, "Height", "-11");
  SetPropValue(&font, "Style", "[fsBold,fsUnderline]");
  SetPropValue(&font, "Color", "255");
  SetOrdProp(&font, "Charset", GB2312_CHARSET);
  EXPECT_EQ(font.Name(), "Tahoma");
  EXPECT_EQ(font.Height(), -11);
  EXPECT_EQ(GetSetProp(&font, "Style", true), "[fsBold,fsUnderline]");
  EXPECT_EQ(font.Color(), clRed);
  EXPECT_EQ(GetOrdProp(&font, "Charset"), GB2312_CHARSET);
  EXPECT_EQ(GetOrdProp(&font, "Size"), 8);
  const TPropInfo* color = GetPropInfo(&font, "Color");
  ASSERT_NE(color, nullptr);
  ASSERT_NE(color->IntIdents, nullptr);
  ASSERT_NE(GetPropInfo(&font, "Charset")->IntIdents, nullptr);
}

TEST(GraphicsFont, HandleDescribesTheFontAndIsRemadeAfterAChange) {
  TFont font;
  font.SetName("Tahoma");
  font.SetHeight(-14);
  font.SetStyle({TFontStyle::fsBold, TFontStyle::fsItalic});
  font.SetCharset(GB2312_CHARSET);
  LOGFONTW logFont{};
  ASSERT_EQ(GetObjectW(font.Handle(), sizeof(logFont), &logFont), static_cast<int>(sizeof(logFont)));
  EXPECT_EQ(logFont.lfHeight, -14);
  EXPECT_EQ(logFont.lfWeight, FW_BOLD);
  EXPECT_TRUE(logFont.lfItalic);
  EXPECT_FALSE(logFont.lfUnderline);
  EXPECT_EQ(logFont.lfCharSet, GB2312_CHARSET);
  EXPECT_EQ(WideString(logFont.lfFaceName), u"Tahoma");

  int changes = 0;
  font.OnChange = [&](TObject*) { ++changes; };
  font.SetHeight(-20);
  font.SetHeight(-20);  // no change, no notification
  font.SetColor(clRed);
  EXPECT_EQ(changes, 2);
  GetObjectW(font.Handle(), sizeof(logFont), &logFont);
  EXPECT_EQ(logFont.lfHeight, -20);
}

TEST(GraphicsFont, SetHandleTakesTheDescriptionOfAnotherFont) {
  HFONT stock = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  TFont font;
  font.SetName("Tahoma");
  font.SetHandle(stock);
  EXPECT_EQ(font.Name(), u8"宋体"_ansi);
  EXPECT_EQ(font.Height(), -12);
  EXPECT_EQ(font.Charset(), GB2312_CHARSET);
  EXPECT_NE(font.Handle(), stock);  // the font makes its own object
  TFont copy;
  copy.Assign(&font);
  EXPECT_EQ(copy.Name(), font.Name());
  EXPECT_EQ(copy.Charset(), GB2312_CHARSET);
}

TEST(GraphicsPenBrush, HandlesFollowColourStyleAndWidth) {
  TPen pen;
  pen.SetColor(clBtnShadow);
  pen.SetWidth(3);
  pen.SetStyle(TPenStyle::psDot);
  LOGPEN logPen{};
  ASSERT_EQ(GetObjectW(pen.Handle(), sizeof(logPen), &logPen), static_cast<int>(sizeof(logPen)));
  EXPECT_EQ(logPen.lopnStyle, static_cast<UINT>(PS_DOT));
  EXPECT_EQ(logPen.lopnWidth.x, 3);
  EXPECT_EQ(logPen.lopnColor, GetSysColor(COLOR_BTNSHADOW));
  SetPropValue(&pen, "Style", "psClear");
  GetObjectW(pen.Handle(), sizeof(logPen), &logPen);
  EXPECT_EQ(logPen.lopnStyle, static_cast<UINT>(PS_NULL));

  TBrush brush;
  LOGBRUSH logBrush{};
  GetObjectW(brush.Handle(), sizeof(logBrush), &logBrush);
  EXPECT_EQ(logBrush.lbStyle, BS_SOLID);
  EXPECT_EQ(logBrush.lbColor, RGB(255, 255, 255));
  brush.SetStyle(TBrushStyle::bsClear);
  GetObjectW(brush.Handle(), sizeof(logBrush), &logBrush);
  EXPECT_EQ(logBrush.lbStyle, BS_HOLLOW);
  // Giving a clear brush a colour makes it solid again.
  brush.SetColor(clBlue);
  EXPECT_EQ(brush.Style(), TBrushStyle::bsSolid);
  brush.SetStyle(TBrushStyle::bsDiagCross);
  GetObjectW(brush.Handle(), sizeof(logBrush), &logBrush);
  EXPECT_EQ(logBrush.lbStyle, BS_HATCHED);
  EXPECT_EQ(logBrush.lbHatch, static_cast<ULONG_PTR>(HS_DIAGCROSS));
}

TEST(GraphicsPenBrush, PatternBitmapMakesAPatternBrush) {
  TBitmap pattern;
  pattern.SetSize(8, 8);
  TBrush brush;
  brush.SetBitmap(&pattern);
  LOGBRUSH logBrush{};
  GetObjectW(brush.Handle(), sizeof(logBrush), &logBrush);
  EXPECT_EQ(logBrush.lbStyle, BS_PATTERN);
  brush.SetBitmap(nullptr);
  GetObjectW(brush.Handle(), sizeof(logBrush), &logBrush);
  EXPECT_EQ(logBrush.lbStyle, BS_SOLID);
}

}  // namespace
