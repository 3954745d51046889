#include <gtest/gtest.h>

#include <cctype>
#include <set>

#include "app/Unit_Public.h"
#include "platform/base/sysutils.h"

namespace {

AnsiString ExpectConvertError(const AnsiString& cipher) {
  try {
    DecryptStr(cipher);
  } catch (const EConvertError& e) {
    return e.Message();
  }
  ADD_FAILURE() << "no error for '" << cipher << "'";
  return {};
}

TEST(Cipher, EveryByteFromOneTo254SurvivesARoundTrip) {
  AnsiString all;
  for (int b = 1; b <= 254; ++b) {
    all += static_cast<char>(b);
    const AnsiString one(1, static_cast<char>(b));
    EXPECT_EQ(DecryptStr(EncryptStr(one)), one) << b;
  }
  for (int i = 0; i < 20; ++i) EXPECT_EQ(DecryptStr(EncryptStr(all)), all);
}

TEST(Cipher, OutputIsUpperCaseHexWithTheSeedFirst) {
  const AnsiString plain = u8"宋体 Brellis 用户"_ansi;
  const AnsiString cipher = EncryptStr(plain);
  ASSERT_EQ(cipher.size(), 2 + 2 * plain.size());
  for (char c : cipher) EXPECT_TRUE(std::isxdigit(static_cast<unsigned char>(c)) && !std::islower(c)) << c;
  EXPECT_EQ(EncryptStr("").size(), 2u);
}

TEST(Cipher, KnownVectors) {
  // Seed 00, "A": (0 + 0x41) mod 255 = 0x41, xor 'Q' (0x51) = 0x10.
  EXPECT_EQ(DecryptStr("0010"), "A");
  // Lower-case digits read like upper-case ones.
  EXPECT_EQ(DecryptStr("0a1b2c"), DecryptStr("0A1B2C"));
  // Three characters: the single third digit is read as the pair 0x1.
  EXPECT_EQ(DecryptStr("001"), "P");
  // A trailing single digit after the last full pair is ignored.
  EXPECT_EQ(DecryptStr("00105"), "A");
}

TEST(Cipher, FixedSeedVectorsAreWhatTheServiceReads) {
  // Worked by hand from the rules: seed 3C, "666": (0x3C + 0x36) mod 255 = 0x72,
  // xor 'Q' = 0x23; (0x23 + 0x36) = 0x59 xor 'W' = 0x0E; (0x0E + 0x36) = 0x44 xor 'R' = 0x16.
  EXPECT_EQ(EncryptStrWithSeed("666", 0x3C), "3C230E16");
  // Eighteen characters: the last one uses the first key character again.
  EXPECT_EQ(EncryptStrWithSeed("Brellis-Demo-Pass!", 0xFE), "FE10D56981A37D88CF21B71DBFDA60899173C5");
  EXPECT_EQ(EncryptStrWithSeed(u8"用户"_ansi, 0x00), "0082119E12");
  EXPECT_EQ(EncryptStrWithSeed("", 0x10A), "0A");
  EXPECT_EQ(DecryptStr("3C230E16"), "666");
  EXPECT_EQ(DecryptStr("FE10D56981A37D88CF21B71DBFDA60899173C5"), "Brellis-Demo-Pass!");
  EXPECT_EQ(DecryptStr("0082119E12"), u8"用户"_ansi);
  // EncryptStr is the same rule with the seed it drew.
  for (int i = 0; i < 10; ++i) {
    const AnsiString cipher = EncryptStr("Brellis-Demo-Pass!");
    EXPECT_EQ(cipher, EncryptStrWithSeed("Brellis-Demo-Pass!", StrToInt("$" + cipher.substr(0, 2))));
  }
}

TEST(Cipher, TheEighteenthCharacterUsesTheFirstKeyCharacterAgain) {
  // With every pair zero each plain byte is the key character itself.
  AnsiString zeros = "00";
  for (int i = 0; i < 18; ++i) zeros += "00";
  EXPECT_EQ(DecryptStr(zeros), "QWRTNpxz51836KHmvQ");
}

TEST(Cipher, ZeroAnd255AreNotToldApart) {
  // Both decipher as 255, except after a chaining value of 255, where both are 0.
  EXPECT_EQ(DecryptStr("0554"), "\xFF");  // seed 05: (5 + 0) mod 255 = 5, xor 'Q' = 0x54
  EXPECT_EQ(DecryptStr("FF51"), AnsiString(1, '\0'));  // seed FF: (255 + 0) mod 255 = 0, xor 'Q'
  for (const char b : {'\0', '\xFF'}) {
    for (int i = 0; i < 10; ++i) {
      const AnsiString out = DecryptStr(EncryptStr(AnsiString(1, b)));
      ASSERT_EQ(out.size(), 1u);
      EXPECT_TRUE(out[0] == '\xFF' || out[0] == '\0');
    }
  }
}

TEST(Cipher, MalformedTextsRaiseTheConversionError) {
  EXPECT_EQ(ExpectConvertError(""), "'$' is not a valid integer value");
  EXPECT_EQ(ExpectConvertError("7F"), "'$' is not a valid integer value");
  EXPECT_EQ(ExpectConvertError("00ZZ"), "'$ZZ' is not a valid integer value");
  EXPECT_EQ(ExpectConvertError("G0"), "'$G0' is not a valid integer value");
  EXPECT_EQ(ExpectConvertError(EncryptStr("")), "'$' is not a valid integer value");
}

TEST(Cipher, TheSameTextNormallyEnciphersDifferently) {
  std::set<AnsiString> ciphers;
  for (int i = 0; i < 20; ++i) ciphers.insert(EncryptStr("sa"));
  EXPECT_GT(ciphers.size(), 1u);
  for (const AnsiString& c : ciphers) EXPECT_EQ(DecryptStr(c), "sa");
}

}  // namespace
