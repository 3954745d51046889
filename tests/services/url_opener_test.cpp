// The external opener: replaceable for tests, and the real one hands the
// address over as one argument, never through a shell.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <thread>

#include "services/url_opener.h"

namespace {

TEST(UrlOpener, TestsReplaceTheOpenerAndRestoreIt) {
  std::vector<std::string> opened;
  services::UrlOpener previous = services::SetUrlOpener([&](const std::string& a) { opened.push_back(a); });
  services::OpenUrlExternally("http://example.test/a?b=1&c=2");
  services::SetUrlOpener(std::move(previous));
  EXPECT_EQ(opened, std::vector<std::string>{"http://example.test/a?b=1&c=2"});
}

TEST(UrlOpener, DetachedProgramGetsTheAddressAsOneArgument) {
  const std::string out = ::testing::TempDir() + "url_opener_argument.txt";
  std::remove(out.c_str());
  // Shell metacharacters in the address reach the program untouched.
  const std::string address = "http://example.test/?q=$(touch /tmp/x); echo `id` | cat";
  ASSERT_TRUE(services::SpawnDetached({"/bin/sh", "-c", "printf '%s' \"$1\" > \"$2.tmp\" && mv \"$2.tmp\" \"$2\"",
                                       "opener", address, out}));
  std::string written;
  for (int tries = 0; tries < 200 && written.empty(); ++tries) {
    std::ifstream in(out);
    std::stringstream text;
    text << in.rdbuf();
    written = text.str();
    if (written.empty()) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_EQ(written, address);
  std::remove(out.c_str());
}

TEST(UrlOpener, MissingProgramIsReportedNotStarted) {
  EXPECT_FALSE(services::SpawnDetached({"/nonexistent/brellis-no-such-opener", "x"}));
  EXPECT_FALSE(services::SpawnDetached({}));
}

}  // namespace
