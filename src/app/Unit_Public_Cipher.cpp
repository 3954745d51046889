// The text cipher that protects the built-in connection values and the account
// password. The service's login procedure uses the same rules (including the
// modulus 255), so they must not change.
#include "app/Unit_Public.h"

#include "platform/base/sysutils.h"

namespace {

constexpr char kKey[] = "QWRTNpxz51836KHmv";
constexpr int kKeyLength = sizeof kKey - 1;

// Key positions run 1..17 and wrap to 1.
int NextKeyPosition(int j) { return j == kKeyLength ? 1 : j + 1; }

int KeyCode(int j) { return static_cast<unsigned char>(kKey[j - 1]); }

// The value of up to two characters at the 1-based position, read as hex.
int HexPairAt(const AnsiString& text, std::size_t pos) {
  const AnsiString pair = pos <= text.size() ? text.substr(pos - 1, 2) : AnsiString();
  return StrToInt("$" + pair);
}

}  // namespace

AnsiString EncryptStr(const AnsiString& plain) {
  Randomize();
  return EncryptStrWithSeed(plain, Random(256));
}

AnsiString EncryptStrWithSeed(const AnsiString& plain, int seed) {
  seed &= 0xFF;
  AnsiString out = IntToHex(static_cast<unsigned>(seed), 2);
  int v = seed;
  int j = 0;
  for (const char c : plain) {
    v = (v + static_cast<unsigned char>(c)) % 255;
    j = NextKeyPosition(j);
    v ^= KeyCode(j);
    out += IntToHex(static_cast<unsigned>(v), 2);
  }
  return out;
}

AnsiString DecryptStr(const AnsiString& cipher) {
  int prev = HexPairAt(cipher, 1);
  std::size_t pos = 3;
  int j = 0;
  AnsiString out;
  do {
    const int x = HexPairAt(cipher, pos);
    j = NextKeyPosition(j);
    const int y = KeyCode(j) ^ x;
    const int b = prev < y ? y - prev : y + 255 - prev;
    out += static_cast<char>(b & 0xFF);
    prev = x;
    pos += 2;
  } while (pos < cipher.size());
  return out;
}
