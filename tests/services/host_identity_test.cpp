#include <gtest/gtest.h>

#include <algorithm>

#include "services/host_identity.h"

namespace {

using services::FirstAdapterAddress;
using services::NetworkInterface;

TEST(FirstAdapterAddress, FirstInterfaceOrderWithSixByteAddressNotLoopback) {
  const std::vector<NetworkInterface> interfaces = {
      {"lo", 1, true, {0, 0, 0, 0, 0, 0}},
      {"tun0", 2, false, {}},
      {"dummy0", 3, false, {0, 0, 0, 0, 0, 0}},
      {"eth0", 4, false, {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E}},
      {"wlan0", 5, false, {0x02, 0x00, 0x00, 0x00, 0x00, 0x01}},
  };
  const auto address = FirstAdapterAddress(interfaces);
  ASSERT_TRUE(address.has_value());
  EXPECT_EQ(*address, (services::HardwareAddress{0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E}));
  EXPECT_FALSE(FirstAdapterAddress({interfaces[0], interfaces[1], interfaces[2]}).has_value());
  EXPECT_FALSE(FirstAdapterAddress({{"ib0", 7, false, std::vector<std::uint8_t>(20, 0x11)}}).has_value());
}

TEST(HostIdentity, TheSystemsOwnValues) {
  EXPECT_FALSE(services::HostName().empty());
  const auto local = services::ResolveIPv4Addresses("localhost");
  EXPECT_NE(std::find(local.begin(), local.end(), "127.0.0.1"), local.end());
  EXPECT_TRUE(services::ResolveIPv4Addresses("").empty());
  const auto interfaces = services::ListNetworkInterfaces();
  EXPECT_TRUE(std::is_sorted(interfaces.begin(), interfaces.end(),
                             [](const NetworkInterface& a, const NetworkInterface& b) { return a.index < b.index; }));
  for (const NetworkInterface& item : interfaces) {
    if (item.name == "lo") {
      EXPECT_TRUE(item.loopback);
    }
  }
}

}  // namespace
