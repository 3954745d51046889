#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "services/host_identity.h"

namespace {

namespace fs = std::filesystem;
using services::FirstAdapterAddress;
using services::HardwareAddress;
using services::NetworkInterface;

// A sysfs tree as the kernel lays it out: class/net/<name> links into
// devices/, physical interfaces with a "device" link beside their files.
class FakeSysfs {
 public:
  FakeSysfs() : root_(fs::temp_directory_path() / ("brellis-sysfs-" + std::to_string(::getpid()))) {
    fs::remove_all(root_);
    fs::create_directories(root_ / "class" / "net");
  }
  ~FakeSysfs() { fs::remove_all(root_); }

  // `device` is the folder under devices/ ("pci0000:00/0000:00:1f.6" or "virtual").
  void Add(const std::string& name, const std::string& device, bool deviceLink, unsigned index, const char* flags,
           const char* address) {
    const fs::path folder = root_ / "devices" / device / "net" / name;
    fs::create_directories(folder);
    Write(folder / "ifindex", std::to_string(index));
    Write(folder / "flags", flags);
    Write(folder / "address", address);
    if (deviceLink) fs::create_directory_symlink("../..", folder / "device");
    fs::create_directory_symlink(fs::path("../../devices") / device / "net" / name, root_ / "class" / "net" / name);
  }
  void Remove(const std::string& name) { fs::remove(root_ / "class" / "net" / name); }
  std::string Root() const { return root_.string(); }

 private:
  static void Write(const fs::path& file, const std::string& text) { std::ofstream(file) << text << "\n"; }
  fs::path root_;
};

TEST(FirstAdapterAddress, PhysicalUpThenPhysicalThenAnyInIndexOrder) {
  FakeSysfs sysfs;
  sysfs.Add("lo", "virtual", false, 1, "0x9", "00:00:00:00:00:00");
  sysfs.Add("br0", "virtual", false, 2, "0x1003", "02:42:ac:11:00:01");
  sysfs.Add("vtap0", "virtual", true, 3, "0x1003", "fe:54:00:12:34:56");  // a device link, but virtual
  sysfs.Add("eth1", "pci0000:00/0000:00:1c.0", true, 4, "0x1003", "00:00:00:00:00:00");
  sysfs.Add("wlan0", "pci0000:00/0000:00:14.3", true, 5, "0x1002", "00:1a:2b:3c:4d:5f");
  sysfs.Add("eth0", "pci0000:00/0000:00:1f.6", true, 6, "0x1003", "00:1a:2b:3c:4d:5e");

  const std::vector<NetworkInterface> interfaces = services::ListNetworkInterfaces(sysfs.Root());
  ASSERT_EQ(interfaces.size(), 6u);
  EXPECT_EQ(interfaces[0].name, "lo");
  EXPECT_TRUE(interfaces[0].loopback);
  EXPECT_FALSE(interfaces[2].physical);
  EXPECT_TRUE(interfaces[2].up);
  EXPECT_EQ(interfaces[4].name, "wlan0");
  EXPECT_TRUE(interfaces[4].physical);
  EXPECT_FALSE(interfaces[4].up);
  EXPECT_EQ(interfaces[5].hardwareAddress, (std::vector<std::uint8_t>{0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E}));
  EXPECT_EQ(FirstAdapterAddress(interfaces), (HardwareAddress{0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E}));

  // The physical up interface gone, the physical one that is down.
  sysfs.Remove("eth0");
  EXPECT_EQ(FirstAdapterAddress(services::ListNetworkInterfaces(sysfs.Root())),
            (HardwareAddress{0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5F}));
  // No physical interface with an address: the first of any kind, as before.
  sysfs.Remove("wlan0");
  EXPECT_EQ(FirstAdapterAddress(services::ListNetworkInterfaces(sysfs.Root())),
            (HardwareAddress{0x02, 0x42, 0xAC, 0x11, 0x00, 0x01}));
  // Only loopback and all-zero addresses: none.
  sysfs.Remove("br0");
  sysfs.Remove("vtap0");
  EXPECT_FALSE(FirstAdapterAddress(services::ListNetworkInterfaces(sysfs.Root())).has_value());
}

TEST(FirstAdapterAddress, AddressesOfOtherLengthsAndUnreadableFilesAreNoAdapter) {
  FakeSysfs sysfs;
  sysfs.Add("ib0", "pci0000:00/0000:03:00.0", true, 2, "0x1003",
            "80:00:02:08:fe:80:00:00:00:00:00:00:00:02:c9:03:00:0a:0b:0c");
  sysfs.Add("tun0", "virtual", false, 3, "0x1091", "");
  sysfs.Add("odd0", "pci0000:00/0000:04:00.0", true, 4, "garbage", "00:1a:zz:3c:4d:5e");
  const std::vector<NetworkInterface> interfaces = services::ListNetworkInterfaces(sysfs.Root());
  ASSERT_EQ(interfaces.size(), 3u);
  EXPECT_EQ(interfaces[0].hardwareAddress.size(), 20u);
  EXPECT_TRUE(interfaces[1].hardwareAddress.empty());
  EXPECT_TRUE(interfaces[2].hardwareAddress.empty());
  EXPECT_FALSE(interfaces[2].up);
  EXPECT_FALSE(FirstAdapterAddress(interfaces).has_value());
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
