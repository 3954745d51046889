// brellis-cipher: enciphers and deciphers texts with the program's cipher.
// Texts on the command line and on output are UTF-8; the cipher works on the
// program's 8-bit text (code page 936), converted on the way in and out.
#include <cstdio>
#include <cstring>

#include "app/Unit_Public.h"
#include "platform/base/sysutils.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: brellis-cipher encrypt TEXT\n"
               "       brellis-cipher decrypt HEX\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return Usage();
  const char* verb = argv[1];
  const char* text = argv[2];
  if (std::strcmp(verb, "encrypt") == 0) {
    std::printf("%s\n", EncryptStr(platform::Utf8ToAnsiString(text)).c_str());
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
