// Feeds arbitrary bytes as the public-address page's body: scraping must
// answer a text (possibly empty) for every input.
#include <cstdint>
#include <string>

#include "identity/IdentityProbe.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const AnsiString page(reinterpret_cast<const char*>(data), size);
  const AnsiString address = ScrapePublicAddress(page);
  if (address.size() > page.size()) __builtin_trap();
  return 0;
}
