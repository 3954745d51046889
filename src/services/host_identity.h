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
  bool up = false;        // administratively up (IFF_UP), whatever the carrier
  bool physical = false;  // backed by a device: sysfs "device" link, not under devices/virtual/
};

// The system's interfaces in index order, read from the sysfs tree at
// `sysfsRoot` (class/net/<name>/ifindex, flags, address and device); when
// that tree lists none, from getifaddrs, where no interface counts as physical.
std::vector<NetworkInterface> ListNetworkInterfaces(const std::string& sysfsRoot = "/sys");

// The adapter whose address identifies the machine: a six-byte, non-zero
// hardware address, loopback excluded, taken from the first physical up
// interface, else the first physical one, else the first of any kind, in
// the list's order. Bridges, taps and container interfaces come and go and some
// get random addresses, so they count only on a machine without a device.
std::optional<HardwareAddress> FirstAdapterAddress(const std::vector<NetworkInterface>& interfaces);

}  // namespace services
