// brellis-cipher: enciphers and deciphers texts with the program's cipher.
// Texts on the command line and on output are UTF-8; the cipher works on the
// program's 8-bit text (code page 936), converted on the way in and out. A
// text that is not UTF-8 or holds a character code page 936 lacks is refused,
// so that no deployment value is built in altered.
#include <cstdio>
#include <cstring>
#include <optional>

#include "app/Unit_Public.h"
#include "platform/base/sysutils.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: brellis-cipher encrypt TEXT\n"
               "       brellis-cipher decrypt HEX\n"
               "       brellis-cipher ansi TEXT    (the code-page-936 bytes of TEXT in hex)\n");
  return 2;
}

// The text in code page 936, or nothing when it does not convert and back unchanged.
std::optional<AnsiString> ProgramText(const char* utf8) {
  AnsiString ansi = platform::Utf8ToAnsiString(utf8);
  if (platform::AnsiToUtf8String(ansi) != utf8) return std::nullopt;
  return ansi;
}

int Refuse() {
  std::fprintf(stderr, "brellis-cipher: the text is not UTF-8 or holds characters outside code page 936\n");
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return Usage();
  const char* verb = argv[1];
  const char* text = argv[2];
  if (std::strcmp(verb, "encrypt") == 0 || std::strcmp(verb, "ansi") == 0) {
    const std::optional<AnsiString> ansi = ProgramText(text);
    if (!ansi) return Refuse();
    if (verb[0] == 'e') {
      std::printf("%s\n", EncryptStr(*ansi).c_str());
    } else {
      AnsiString hex;
      for (const char c : *ansi) hex += IntToHex(static_cast<unsigned char>(c), 2);
      std::printf("%s\n", hex.c_str());
    }
    return 0;
  }
  if (std::strcmp(verb, "decrypt") == 0) {
    try {
      std::printf("%s\n", platform::AnsiToUtf8String(DecryptStr(text)).c_str());
      return 0;
    } catch (const Exception& e) {
      std::fprintf(stderr, "brellis-cipher: %s\n", e.Message().c_str());
      return 1;
    }
  }
  return Usage();
}
