// The machine's own identity: LAN address, adapter address and name.
#include "identity/IdentityProbe.h"
#include "services/host_identity.h"

AnsiString GetLocalIP() {
  const std::vector<std::string> addresses = services::ResolveIPv4Addresses(services::HostName());
  return addresses.empty() ? AnsiString() : AnsiString(addresses.back());
}

AnsiString GetMacAddress(bool separators) {
  const auto address = services::FirstAdapterAddress(services::ListNetworkInterfaces());
  AnsiString text;
  if (!address) return text;
  for (std::size_t i = 0; i < address->size(); ++i) {
    if (separators && i > 0) text += "-";
    text += ByteToHex((*address)[i]);
  }
  return text;
}

AnsiString GetComputerNameStr() { return platform::Utf8ToAnsiString(services::HostName()); }
