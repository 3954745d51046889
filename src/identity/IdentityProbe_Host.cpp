// The machine's own identity: LAN address, adapter address and name.
#include "identity/IdentityProbe.h"
#include "services/host_identity.h"

AnsiString GetLocalIP() {
  const std::vector<std::string> addresses = services::ResolveIPv4Addresses(services::HostName());
  return addresses.empty() ? AnsiString() : AnsiString(addresses.back());
}

AnsiString GetMacAddress(bool separators) {
  const auto address = services::FirstAdapterAddress(services::ListNetworkInterfaces());
  return address ? MacAddressText(*address, separators) : AnsiString();
}

AnsiString GetComputerNameStr() { return platform::Utf8ToAnsiString(services::HostName()); }
