#include <gtest/gtest.h>

#include <arpa/inet.h>

#include "identity/IdentityProbe.h"
#include "services/host_identity.h"
#include "services/loopback.h"
#include "services/loopback_http_server.h"

namespace {

using httptest::LoopbackHttpServer;

const char kPage[] =
    "<html><head></head><body style=\"margin:0px\"><center>您的IP是：[203.0.113.7] 来自：测试</center></body></html>";

TEST(PublicAddress, SwitchOnReadsTheAddressBetweenTheMarkers) {
  LoopbackHttpServer server(200, kPage);
  EXPECT_EQ(PublicAddressForSwitch("1", server.Host()), "203.0.113.7");
  ASSERT_EQ(server.Requests().size(), 1u);
  EXPECT_EQ(server.Requests()[0].rfind("GET /ic.asp ", 0), 0u);
}

TEST(PublicAddress, SwitchOffAnswersLoopbackWithoutARequest) {
  LoopbackHttpServer server(200, kPage);
  EXPECT_EQ(PublicAddressForSwitch("", server.Host()), "127.0.0.1");
  EXPECT_TRUE(server.Requests().empty());
}

TEST(PublicAddress, MissingMarkersErrorStatusAndRefusalGiveTheEmptyText) {
  LoopbackHttpServer noCentre(200, "<html><body>[203.0.113.7]</body></html>");
  EXPECT_EQ(PublicAddressForSwitch("1", noCentre.Host()), "");
  LoopbackHttpServer noBrackets(200, "<body style=\"margin:0px\"><center>203.0.113.7</center></body></html>");
  EXPECT_EQ(PublicAddressForSwitch("1", noBrackets.Host()), "");
  LoopbackHttpServer failing(500, kPage);
  EXPECT_EQ(PublicAddressForSwitch("1", failing.Host()), "");
  EXPECT_EQ(PublicAddressForSwitch("1", "127.0.0.1:" + std::to_string(looptest::RefusingPort())), "");
}

TEST(IdentityProbe, MacTextHasSixUpperCasePairs) {
  const AnsiString joined = GetMacAddress(true);
  const AnsiString plain = GetMacAddress(false);
  if (!services::FirstAdapterAddress(services::ListNetworkInterfaces())) {
    EXPECT_EQ(joined, "");
    EXPECT_EQ(plain, "");
    return;
  }
  ASSERT_EQ(joined.size(), 17u);
  ASSERT_EQ(plain.size(), 12u);
  for (std::size_t i = 0; i < joined.size(); ++i) {
    if (i % 3 == 2) {
      EXPECT_EQ(joined[i], '-');
    } else {
      EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(joined[i])) || (joined[i] >= 'A' && joined[i] <= 'F'));
    }
  }
  AnsiString withoutSeparators = joined;
  std::erase(withoutSeparators, '-');
  EXPECT_EQ(withoutSeparators, plain);
}

TEST(IdentityProbe, LocalAddressAndComputerName) {
  const AnsiString name = GetComputerNameStr();
  EXPECT_FALSE(name.empty());
  const AnsiString address = GetLocalIP();
  const auto listed = services::ResolveIPv4Addresses(name);
  EXPECT_EQ(address, listed.empty() ? std::string() : listed.back());
  if (!address.empty()) {
    in_addr parsed{};
    EXPECT_EQ(::inet_pton(AF_INET, address.c_str(), &parsed), 1) << address;
  }
}

}  // namespace
