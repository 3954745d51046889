#include <gtest/gtest.h>

#include "identity/IdentityProbe.h"

namespace {

TEST(GetMidStr, EndMarkerIsSearchedFromTheSecondCharacterAfterTheStart) {
  EXPECT_EQ(GetMidStr("a[]b]c", "[", "]"), "]b");
  EXPECT_EQ(GetMidStr("x[1.2.3.4]y", "[", "]"), "1.2.3.4");
  EXPECT_EQ(GetMidStr("[ab]", "[", "]"), "ab");
}

TEST(GetMidStr, MissingMarkersGiveTheEmptyText) {
  EXPECT_EQ(GetMidStr("a]b]c", "[", "]"), "");
  EXPECT_EQ(GetMidStr("a[bc", "[", "]"), "");
  EXPECT_EQ(GetMidStr("a[]", "[", "]"), "");
  EXPECT_EQ(GetMidStr("", "[", "]"), "");
  const AnsiString page = "<html><body style=\"margin:0px\"><center>IP [203.0.113.7] here</center></body></html>";
  const AnsiString inner =
      GetMidStr(page, "<body style=\"margin:0px\"><center>", "</center></body></html>");
  EXPECT_EQ(inner, "IP [203.0.113.7] here");
  EXPECT_EQ(GetMidStr(inner, "[", "]"), "203.0.113.7");
}

TEST(ByteToHex, TwoUpperCaseDigits) {
  EXPECT_EQ(ByteToHex(0x00), "00");
  EXPECT_EQ(ByteToHex(0x0A), "0A");
  EXPECT_EQ(ByteToHex(0x1A), "1A");
  EXPECT_EQ(ByteToHex(0xFF), "FF");
}

TEST(GetMD5Str, MatchesTheRfc1321Vectors) {
  EXPECT_EQ(GetMD5Str(""), "D41D8CD98F00B204E9800998ECF8427E");
  EXPECT_EQ(GetMD5Str("a"), "0CC175B9C0F1B6A831C399E269772661");
  EXPECT_EQ(GetMD5Str("abc"), "900150983CD24FB0D6963F7D28E17F72");
  EXPECT_EQ(GetMD5Str("message digest"), "F96B697D7CB7938D525A2F31AAF161D0");
  EXPECT_EQ(GetMD5Str("abcdefghijklmnopqrstuvwxyz"), "C3FCD3D76192E4007DFB496CCA67E13B");
  EXPECT_EQ(GetMD5Str("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789"),
            "D174AB98D277D9F5A5611C2C9F419D9F");
  EXPECT_EQ(GetMD5Str("12345678901234567890123456789012345678901234567890123456789012345678901234567890"),
            "57EDF4A22BE3C955AC49DA2E2107B67A");
}

TEST(MacAddressText, BothFormsOfTheDescriptionAndTheirDigest) {
  const services::HardwareAddress address{0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E};
  EXPECT_EQ(MacAddressText(address, true), "00-1A-2B-3C-4D-5E");
  EXPECT_EQ(MacAddressText(address, false), "001A2B3C4D5E");
  EXPECT_EQ(MacAddressText({0xFF, 0x0A, 0x00, 0xB0, 0x01, 0xC9}, true), "FF-0A-00-B0-01-C9");
  // The digest every page address carries is that of the text with separators.
  EXPECT_EQ(GetMD5Str(MacAddressText(address, true)), "3542869C3B6EC293A0013A9484664E4D");
}

}  // namespace
