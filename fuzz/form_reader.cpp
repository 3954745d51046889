// Feeds arbitrary text to the form resource parser and reader: every input must
// either read or raise one of the reader's errors.
#include <cstdint>
#include <string_view>

#include "toolkit/Reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TComponent root(nullptr);
  try {
    ReadComponentResource(&root, std::string_view(reinterpret_cast<const char*>(data), size));
  } catch (const Exception&) {
  }
  return 0;
}
