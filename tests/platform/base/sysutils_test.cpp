#include "platform/base/sysutils.h"

#include <gtest/gtest.h>

namespace {

TEST(StrToInt, AcceptsDecimalAndDollarHex) {
  EXPECT_EQ(StrToInt("42"), 42);
  EXPECT_EQ(StrToInt("  -17"), -17);
  EXPECT_EQ(StrToInt("+5"), 5);
  EXPECT_EQ(StrToInt("$ff"), 255);
  EXPECT_EQ(StrToInt("$7F"), 127);
  EXPECT_EQ(StrToInt("$FFFFFFFF"), -1);
  EXPECT_EQ(StrToInt("-2147483648"), INT32_MIN);
  EXPECT_EQ(StrToInt("2147483647"), INT32_MAX);
}

TEST(StrToInt, RejectsEverythingElseWithTheQuotedText) {
  for (const char* bad : {"", "$", "12a", "0x10", "$1G", "2147483648", "$100000000", "1 ", "-", "$-1"}) {
    int value = 0;
    EXPECT_FALSE(TryStrToInt(bad, value)) << bad;
    try {
      StrToInt(bad);
      ADD_FAILURE() << bad;
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(), "'" + std::string(bad) + "' is not a valid integer value");
    }
  }
  EXPECT_EQ(StrToIntDef("x", 7), 7);
}

TEST(TextHelpers, CaseTrimAndPosition) {
  EXPECT_EQ(IntToHex(10, 2), "0A");
  EXPECT_EQ(IntToHex(0x1ABC, 2), "1ABC");
  // Only ASCII letters change case; double-byte characters stay as they are.
  const AnsiString chinese = u8"提示a"_ansi;
  EXPECT_EQ(UpperCase(chinese), u8"提示A"_ansi);
  EXPECT_EQ(LowerCase("ABC.BMP"), "abc.bmp");
  EXPECT_TRUE(SameText("Tesmera.INI", "tesmera.ini"));
  EXPECT_EQ(Trim(" \t x y \r\n"), "x y");
  EXPECT_EQ(Pos("]", "a[]b"), 3);
  EXPECT_EQ(Pos("z", "abc"), 0);
}

TEST(Assert, RaisesWithUnitAndLine) {
  EXPECT_NO_THROW(Assert(true, "x", "unit.pas", 1));
  try {
    Assert(false, "The parameter Strings is unassigned!", "Winskinini.pas", 318);
    ADD_FAILURE();
  } catch (const EAssertionFailed& e) {
    EXPECT_EQ(e.Message(), "The parameter Strings is unassigned! (Winskinini.pas, line 318)");
  }
  EXPECT_THROW(Assert(false, "", "imgutil.pas", 9), EAssertionFailed);
}

TEST(FileNames, SplitPathAndName) {
  EXPECT_EQ(ExtractFileName("/opt/brellis/Brellis"), "Brellis");
  EXPECT_EQ(ExtractFilePath("/opt/brellis/Brellis"), "/opt/brellis/");
  EXPECT_EQ(ExtractFileName("Brellis"), "Brellis");
  EXPECT_EQ(ExtractFilePath("Brellis"), "");
  EXPECT_FALSE(ModuleFileName().empty());
  OverrideModuleFileName("/tmp/x/Brellis");
  EXPECT_EQ(ModuleFileName(), "/tmp/x/Brellis");
  OverrideModuleFileName("");
}

TEST(Random, DrawsWithinRangeAndRepeatsForTheSameSeed) {
  RandSeed = 12345;
  std::vector<int> first;
  for (int i = 0; i < 100; ++i) first.push_back(Random(256));
  RandSeed = 12345;
  for (int i = 0; i < 100; ++i) EXPECT_EQ(Random(256), first[static_cast<std::size_t>(i)]);
  for (int v : first) EXPECT_TRUE(v >= 0 && v < 256);
}

}  // namespace
