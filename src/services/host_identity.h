// What the machine calls itself and how it is reached: the host name, the
// resolver's IPv4 addresses for it, and the hardware address of its first
// network adapter.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace services {

// The host name, empty when the system does not give one.
std::string HostName();

// The IPv4 addresses the resolver lists for `name`, in its order, as dotted
// text. Empty when the name does not resolve.
std::vector<std::string> ResolveIPv4Addresses(const std::string& name);

using HardwareAddress = std::array<std::uint8_t, 6>;

// One network interface as the system lists it.
struct NetworkInterface {
  std::string name;
  unsigned index = 0;        // the system's interface index, its listing order
  bool loopback = false;
  std::vector<std::uint8_t> hardwareAddress;  // empty for interfaces without one
};

// The system's interfaces with their hardware addresses.
std::vector<NetworkInterface> ListNetworkInterfaces();

// The first interface in the system's order that has a six-byte, non-zero
// hardware address, loopback excluded.
std::optional<HardwareAddress> FirstAdapterAddress(const std::vector<NetworkInterface>& interfaces);

}  // namespace services
