// Feeds arbitrary text to DecryptStr: it must decipher or raise EConvertError.
#include <cstdint>
#include <string>

#include "app/Unit_Public.h"
#include "platform/base/sysutils.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    DecryptStr(std::string(reinterpret_cast<const char*>(data), size));
  } catch (const EConvertError&) {
  }
  return 0;
}
