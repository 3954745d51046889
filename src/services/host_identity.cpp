#include "services/host_identity.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <linux/if_packet.h>
#include <net/if.h>
#include <netdb.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cctype>
#include <climits>
#include <filesystem>
#include <fstream>

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

namespace {

namespace fs = std::filesystem;

std::string ReadLine(const fs::path& file) {
  std::ifstream in(file);
  std::string line;
  std::getline(in, line);
  return line;
}

// "00:1a:2b:3c:4d:5e" as bytes; empty when the text is not colon-separated hex pairs.
std::vector<std::uint8_t> ParseHardwareAddress(const std::string& text) {
  std::vector<std::uint8_t> bytes;
  for (std::size_t pos = 0; pos < text.size(); pos += 3) {
    if (pos + 2 > text.size() || !std::isxdigit(static_cast<unsigned char>(text[pos])) ||
        !std::isxdigit(static_cast<unsigned char>(text[pos + 1])) || (pos + 2 < text.size() && text[pos + 2] != ':')) {
      return {};
    }
    bytes.push_back(static_cast<std::uint8_t>(std::stoi(text.substr(pos, 2), nullptr, 16)));
  }
  return bytes;
}

unsigned long ParseNumber(const std::string& text, int base) {
  try {
    return std::stoul(text, nullptr, base);
  } catch (const std::exception&) {
    return 0;
  }
}

bool IsPhysical(const fs::path& entry) {
  std::error_code error;
  if (!fs::exists(entry / "device", error)) return false;
  const std::string resolved = fs::canonical(entry, error).generic_string();
  return !error && resolved.find("/devices/virtual/") == std::string::npos;
}

std::vector<NetworkInterface> FromSysfs(const std::string& sysfsRoot) {
  std::vector<NetworkInterface> interfaces;
  std::error_code error;
  for (fs::directory_iterator entry(fs::path(sysfsRoot) / "class" / "net", error), end; !error && entry != end;
       entry.increment(error)) {
    const fs::path path = entry->path();
    NetworkInterface item;
    item.name = path.filename().string();
    item.index = static_cast<unsigned>(ParseNumber(ReadLine(path / "ifindex"), 10));
    const unsigned long flags = ParseNumber(ReadLine(path / "flags"), 16);
    item.up = (flags & IFF_UP) != 0;
    item.loopback = (flags & IFF_LOOPBACK) != 0;
    item.hardwareAddress = ParseHardwareAddress(ReadLine(path / "address"));
    item.physical = IsPhysical(path);
    interfaces.push_back(std::move(item));
  }
  return interfaces;
}

std::vector<NetworkInterface> FromInterfaceAddresses() {
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
    entry.up = (item->ifa_flags & IFF_UP) != 0;
    const std::size_t length = std::min<std::size_t>(link->sll_halen, sizeof link->sll_addr);
    entry.hardwareAddress.assign(link->sll_addr, link->sll_addr + length);
    interfaces.push_back(std::move(entry));
  }
  ::freeifaddrs(list);
  return interfaces;
}

bool Identifies(const NetworkInterface& item) {
  return !item.loopback && item.hardwareAddress.size() == 6 &&
         std::any_of(item.hardwareAddress.begin(), item.hardwareAddress.end(), [](std::uint8_t b) { return b != 0; });
}

}  // namespace

std::vector<NetworkInterface> ListNetworkInterfaces(const std::string& sysfsRoot) {
  std::vector<NetworkInterface> interfaces = FromSysfs(sysfsRoot);
  if (interfaces.empty()) interfaces = FromInterfaceAddresses();
  std::stable_sort(interfaces.begin(), interfaces.end(),
                   [](const NetworkInterface& a, const NetworkInterface& b) { return a.index < b.index; });
  return interfaces;
}

std::optional<HardwareAddress> FirstAdapterAddress(const std::vector<NetworkInterface>& interfaces) {
  // 0: physical and up, 1: physical, 2: any other kind.
  const auto rank = [](const NetworkInterface& item) { return item.physical ? (item.up ? 0 : 1) : 2; };
  const NetworkInterface* chosen = nullptr;
  for (const NetworkInterface& item : interfaces) {
    if (Identifies(item) && (chosen == nullptr || rank(item) < rank(*chosen))) chosen = &item;
  }
  if (chosen == nullptr) return std::nullopt;
  HardwareAddress address{};
  std::copy(chosen->hardwareAddress.begin(), chosen->hardwareAddress.end(), address.begin());
  return address;
}

}  // namespace services
