#include "support/handle_leaks.h"

#include <sstream>

namespace brellis::test {

std::string DescribeCountChanges(const platform::HandleTable::Counts& before, const platform::HandleTable::Counts& after) {
  std::ostringstream out;
  for (std::size_t i = 0; i < before.size(); ++i) {
    if (before[i] == after[i]) continue;
    if (!out.str().empty()) out << ", ";
    out << platform::HandleKindName(static_cast<platform::HandleKind>(i)) << " " << before[i] << " -> " << after[i];
  }
  return out.str();
}

void HandleLeakTest::SetUp() { before_ = platform::HandleTable::Instance().LiveCounts(); }

void HandleLeakTest::TearDown() {
  const auto after = platform::HandleTable::Instance().LiveCounts();
  EXPECT_EQ(before_, after) << "live handles changed: " << DescribeCountChanges(before_, after);
}

namespace {

class LeakListener : public ::testing::EmptyTestEventListener {
 public:
  void OnTestStart(const ::testing::TestInfo&) override { before_ = platform::HandleTable::Instance().LiveCounts(); }
  void OnTestEnd(const ::testing::TestInfo& info) override {
    const auto after = platform::HandleTable::Instance().LiveCounts();
    EXPECT_EQ(before_, after) << info.test_suite_name() << "." << info.name()
                              << " changed live handles: " << DescribeCountChanges(before_, after);
  }

 private:
  platform::HandleTable::Counts before_{};
};

}  // namespace

void InstallHandleLeakListener() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  ::testing::UnitTest::GetInstance()->listeners().Append(new LeakListener);
}

}  // namespace brellis::test
