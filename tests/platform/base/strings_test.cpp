#include "platform/base/strings.h"

#include <gtest/gtest.h>

namespace {

TEST(CodePage, ChineseLiteralBecomesCodePage936Bytes) {
  EXPECT_EQ(u8"提示信息"_ansi, "\xCC\xE1\xCA\xBE\xD0\xC5\xCF\xA2");
  EXPECT_EQ(u8"Brellis"_ansi, "Brellis");
}

TEST(CodePage, AnsiAndWideRoundTrip) {
  const AnsiString ansi = u8"用户名称：匿名登录"_ansi;
  const WideString wide = platform::AnsiToWideString(ansi);
  EXPECT_EQ(wide, u"用户名称：匿名登录");
  EXPECT_EQ(platform::WideToAnsiString(wide), ansi);
  // 0x80 is the euro sign in code page 936.
  EXPECT_EQ(platform::AnsiToWideString("\x80"), u"\u20AC");
}

TEST(CodePage, InvalidBytesAndUnmappableCharactersBecomeQuestionMarks) {
  // A lone lead byte at the end, and 0xFF which is never valid.
  EXPECT_EQ(platform::AnsiToWideString("a\xB0"), u"a?");
  EXPECT_EQ(platform::AnsiToWideString("\xFF" "b"), u"?b");
  // Hangul is outside code page 936.
  EXPECT_EQ(platform::WideToAnsiString(u"x\uAC00y"), "x?y");
  // An unpaired surrogate.
  EXPECT_EQ(platform::WideToUtf8String(std::u16string(1, char16_t(0xD800)) + u"z"), "?z");
}

TEST(CodePage, MultiByteToWideCharFollowsWin32Sizes) {
  const char* text = "\xCC\xE1\xCA\xBE";  // 提示
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0), 3);  // with the terminator
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, text, 4, nullptr, 0), 2);
  WCHAR out[3] = {};
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, text, -1, out, 3), 3);
  EXPECT_EQ(std::u16string(out), u"提示");
  WCHAR tooSmall[1];
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, text, -1, tooSmall, 1), 0);
  EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, "\xFF", 1, out, 3), 0);
  EXPECT_EQ(GetLastError(), ERROR_NO_UNICODE_TRANSLATION);
  EXPECT_EQ(MultiByteToWideChar(1252, 0, "a", 1, out, 3), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

TEST(CodePage, WideCharToMultiByteReportsTheDefaultCharacter) {
  char out[8] = {};
  BOOL usedDefault = FALSE;
  EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, u"提", -1, out, sizeof out, nullptr, &usedDefault), 3);
  EXPECT_STREQ(out, "\xCC\xE1");
  EXPECT_FALSE(usedDefault);
  EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, u"\uAC00", 1, out, sizeof out, "#", &usedDefault), 1);
  EXPECT_EQ(out[0], '#');
  EXPECT_TRUE(usedDefault);
  EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, u"é", 1, nullptr, 0, nullptr, nullptr), 2);
}

TEST(CodePage, LongTextsConvertCompletely) {
  WideString wide;
  for (int i = 0; i < 5000; ++i) wide += u"信息ab";
  const AnsiString ansi = platform::WideToAnsiString(wide);
  EXPECT_EQ(ansi.size(), 5000u * 6);
  EXPECT_EQ(platform::AnsiToWideString(ansi), wide);
}

}  // namespace
