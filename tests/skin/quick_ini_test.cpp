#include <gtest/gtest.h>

#include "skin/WinSkinIni.h"

namespace {

TQuickIni IniOf(const std::string& text) {
  TMemoryStream stream;
  stream.WriteBuffer(text.data(), static_cast<std::int64_t>(text.size()));
  stream.SetPosition(0);
  TQuickIni ini;
  ini.LoadFromStream(&stream);
  return ini;
}

std::vector<std::string> Sections(const TQuickIni& ini) {
  TStringList list;
  ini.ReadSections(&list);
  std::vector<std::string> out;
  for (int i = 0; i < list.Count(); ++i) {
    EXPECT_EQ(list.Objects(i), nullptr);
    out.push_back(list[i]);
  }
  return out;
}

TEST(QuickIni, CommentsValuesAndBlanksAroundEquals) {
  const TQuickIni ini = IniOf(
      "[Form]\r\n"
      "   ; TopHeight=1\r\n"
      "TopHeight = 9\r\n"
      "Caption=Tile; with a semicolon = and equals \r\n"
      "\t Left=4\t\r\n");
  EXPECT_EQ(ini.ReadInteger("Form", "TopHeight", -1), 9);
  EXPECT_EQ(ini.ReadString("Form", "Caption", ""), "Tile; with a semicolon = and equals");
  EXPECT_EQ(ini.ReadInteger("Form", "left", -1), 4);
  EXPECT_EQ(ini.ReadString("Form", "Missing", "dflt"), "dflt");
  EXPECT_EQ(ini.ReadString("Other", "TopHeight", "dflt"), "dflt");
}

TEST(QuickIni, HeadersMatchUpToCaseAndExactlyOtherwise) {
  const TQuickIni ini = IniOf(
      "[Colours]\n"
      "a=1\n"
      "[ Spaced ]\n"
      "b=2\n"
      "[colours]\n"
      "a=3\n");
  EXPECT_EQ(ini.ReadString("COLOURS", "A", ""), "1");
  EXPECT_EQ(ini.ReadString("colours", "a", ""), "1");
  EXPECT_EQ(ini.ReadString("Spaced", "b", "none"), "none");
  EXPECT_EQ(ini.ReadString(" Spaced ", "b", "none"), "2");
  EXPECT_EQ(Sections(ini), (std::vector<std::string>{"Colours", "Spaced", "colours"}));
}

TEST(QuickIni, HeadersMatchUpToCaseBeyondAscii) {
  // Full-width, Greek and Cyrillic letters exist in both cases in the code page.
  const TQuickIni ini = IniOf(u8"[Ｓｋｉｎ αβ Да]\nk=v\n"_ansi);
  EXPECT_EQ(ini.ReadString(u8"ｓＫＩＮ ΑΒ дА"_ansi, "k", ""), "v");
  EXPECT_EQ(ini.ReadString(u8"ｓＫＩＮ ΑΓ дА"_ansi, "k", ""), "");
}

TEST(QuickIni, FirstKeyWinsEvenWhenEmpty) {
  const TQuickIni ini = IniOf(
      "[S]\r\n"
      "Empty=\r\n"
      "empty=later\r\n"
      "Twice=first\r\n"
      "TWICE=second\r\n"
      "NoEquals\r\n"
      "=nameless\r\n");
  EXPECT_EQ(ini.ReadString("S", "Empty", "dflt"), "dflt");
  EXPECT_EQ(ini.ReadString("S", "twice", ""), "first");
  // A line without "=" has the empty key and no value, and it comes first.
  EXPECT_EQ(ini.ReadString("S", "", "dflt"), "dflt");
  EXPECT_EQ(ini.ReadString("S", "NoEquals", "dflt"), "dflt");
}

TEST(QuickIni, IntegersAreStrict) {
  const TQuickIni ini = IniOf(
      "[N]\n"
      "hex=0x00FF00FF\n"
      "HEX=0XFf\n"
      "dollar=$00FF00FF\n"
      "bare=00FF00FF\n"
      "trailing=12px\n"
      "signed=-12\n"
      "plus=+7\n"
      "prefix=0x\n"
      "big=4294967296\n"
      "wide=$FFFFFFFF\n");
  EXPECT_EQ(ini.ReadInteger("N", "hex", -1), 0x00FF00FF);
  EXPECT_EQ(ini.ReadInteger("N", "dollar", -1), 0x00FF00FF);
  EXPECT_EQ(ini.ReadInteger("N", "bare", -1), -1);
  EXPECT_EQ(ini.ReadInteger("N", "trailing", -1), -1);
  EXPECT_EQ(ini.ReadInteger("N", "signed", 0), -12);
  EXPECT_EQ(ini.ReadInteger("N", "plus", 0), 7);
  EXPECT_EQ(ini.ReadInteger("N", "prefix", -1), -1);
  EXPECT_EQ(ini.ReadInteger("N", "big", -1), -1);
  EXPECT_EQ(ini.ReadInteger("N", "wide", 0), -1);
  EXPECT_EQ(ini.ReadInteger("N", "missing", 5), 5);
}

TEST(QuickIni, KeysBeforeTheFirstHeaderBelongNowhere) {
  const TQuickIni ini = IniOf("Orphan=1\n[A]\nKey=2\n");
  EXPECT_EQ(ini.ReadString("", "Orphan", "none"), "none");
  EXPECT_EQ(ini.ReadString("A", "Orphan", "none"), "none");
  EXPECT_EQ(ini.ReadString("A", "Key", "none"), "2");
}

TEST(QuickIni, ZeroByteEndsTheText) {
  const TQuickIni ini = IniOf(std::string("[A]\nKey=1\nMore=2", 17) + std::string("\0\n[B]\nKey=3\n", 12));
  EXPECT_EQ(ini.ReadString("A", "More", ""), "2");
  EXPECT_EQ(ini.ReadString("B", "Key", "none"), "none");
  EXPECT_EQ(Sections(ini), std::vector<std::string>{"A"});
}

TEST(QuickIni, EveryKindOfLineBreak) {
  const TQuickIni ini = IniOf("[A]\rCr=1\nLf=2\r\nCrLf=3\n\rLfCr=4\r\r\n\n[B]\rX=5");
  EXPECT_EQ(ini.ReadString("A", "Cr", ""), "1");
  EXPECT_EQ(ini.ReadString("A", "Lf", ""), "2");
  EXPECT_EQ(ini.ReadString("A", "CrLf", ""), "3");
  EXPECT_EQ(ini.ReadString("A", "LfCr", ""), "4");
  EXPECT_EQ(ini.ReadString("B", "X", ""), "5");
}

TEST(QuickIni, SectionsAreTrimmedInsideTheirBrackets) {
  const TQuickIni ini = IniOf("  [ Padded ]  \n[]\n[Unclosed\nClosed]\n[Last]");
  EXPECT_EQ(Sections(ini), (std::vector<std::string>{"Padded", "", "Last"}));
  TStringList list;
  list.Add("stale");
  ini.ReadSections(&list);
  EXPECT_EQ(list.Count(), 3);
}

TEST(QuickIni, ReadSectionsAssertsOnANullList) {
  const TQuickIni ini = IniOf("[A]\n");
  try {
    ini.ReadSections(nullptr);
    FAIL() << "no assertion";
  } catch (const EAssertionFailed& e) {
    EXPECT_EQ(e.Message(), "The parameter Strings is unassigned! (Winskinini.pas, line 318)");
  }
}

TEST(QuickIni, LoadingReplacesAndANullStreamChangesNothing) {
  TQuickIni ini = IniOf("[A]\nk=1\n");
  ini.LoadFromStream(nullptr);
  EXPECT_EQ(ini.ReadString("A", "k", ""), "1");

  // Loading starts at the stream's position.
  TMemoryStream stream;
  stream.WriteBuffer("[A]\nk=1\n[B]\nk=2\n", 16);
  stream.SetPosition(8);
  ini.LoadFromStream(&stream);
  EXPECT_EQ(ini.ReadString("A", "k", "none"), "none");
  EXPECT_EQ(ini.ReadString("B", "k", "none"), "2");

  TMemoryStream empty;
  ini.LoadFromStream(&empty);
  EXPECT_TRUE(Sections(ini).empty());
}

}  // namespace
