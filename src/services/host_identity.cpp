#include "services/host_identity.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <linux/if_packet.h>
#include <net/if.h>
#include <netdb.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>

namespace services {

std::string HostName() {
  char name[HOST_NAME_MAX + 1] = {};
  if (::gethostname(name, sizeof name - 1) != 0) return std::string();
  return name;
}

std::vector<std::string> ResolveIPv4Addresses(const std::string& name) {
  std::vector<std::string> addresses;
  if (name.empty()) return addresses;
  // gethostbyname_r keeps the resolver's own order (hosts file, then DNS),
  // where getaddrinfo would re-sort the list by address selection rules.
  hostent entry{};
  hostent* found = nullptr;
  int error = 0;
  std::vector<char> buffer(1024);
  while (::gethostbyname_r(name.c_str(), &entry, buffer.data(), buffer.size(), &found, &error) == ERANGE) {
    if (buffer.size() >= 1024 * 1024) return addresses;
    buffer.resize(buffer.size() * 2);
  }
  if (found == nullptr || found->h_addrtype != AF_INET || found->h_length != 4) return addresses;
  for (char** item = found->h_addr_list; *item != nullptr; ++item) {
    char text[INET_ADDRSTRLEN] = {};
    if (::inet_ntop(AF_INET, *item, text, sizeof text) != nullptr) addresses.emplace_back(text);
  }
  return addresses;
}

std::vector<NetworkInterface> ListNetworkInterfaces() {
  std::vector<NetworkInterface> interfaces;
  ifaddrs* list = nullptr;
  if (::getifaddrs(&list) != 0) return interfaces;
  for (const ifaddrs* item = list; item != nullptr; item = item->ifa_next) {
    if (item->ifa_addr == nullptr || item->ifa_addr->sa_family != AF_PACKET) continue;
    const auto* link = reinterpret_cast<const sockaddr_ll*>(item->ifa_addr);
    NetworkInterface entry;
    entry.name = item->ifa_name;
    entry.index = static_cast<unsigned>(link->sll_ifindex);
    entry.loopback = (item->ifa_flags & IFF_LOOPBACK) != 0;
    const std::size_t length = std::min<std::size_t>(link->sll_halen, sizeof link->sll_addr);
    entry.hardwareAddress.assign(link->sll_addr, link->sll_addr + length);
    interfaces.push_back(std::move(entry));
  }
  ::freeifaddrs(list);
  std::stable_sort(interfaces.begin(), interfaces.end(),
                   [](const NetworkInterface& a, const NetworkInterface& b) { return a.index < b.index; });
  return interfaces;
}

std::optional<HardwareAddress> FirstAdapterAddress(const std::vector<NetworkInterface>& interfaces) {
  for (const NetworkInterface& item : interfaces) {
    if (item.loopback || item.hardwareAddress.size() != 6) continue;
    const bool allZero = std::all_of(item.hardwareAddress.begin(), item.hardwareAddress.end(),
                                     [](std::uint8_t b) { return b == 0; });
    if (allZero) continue;
    HardwareAddress address{};
    std::copy(item.hardwareAddress.begin(), item.hardwareAddress.end(), address.begin());
    return address;
  }
  return std::nullopt;
}

}  // namespace services
