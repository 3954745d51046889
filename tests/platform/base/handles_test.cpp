#include "platform/base/handles.h"

#include <gtest/gtest.h>

namespace {

using platform::HandleKind;
using platform::HandleObject;
using platform::HandleTable;

struct Probe : HandleObject {
  explicit Probe(HandleKind kind, int* destroyed = nullptr) : HandleObject(kind), destroyed_(destroyed) {}
  ~Probe() override {
    if (destroyed_) ++*destroyed_;
  }
  int* destroyed_;
};

TEST(HandleTable, StaleAndForeignHandlesAreInvalid) {
  HandleTable& table = HandleTable::Instance();
  void* h = table.Insert(std::make_unique<Probe>(HandleKind::Region));
  ASSERT_NE(table.Find(h), nullptr);
  EXPECT_NE(table.FindAs<Probe>(h, HandleKind::Region), nullptr);
  EXPECT_EQ(table.FindAs<Probe>(h, HandleKind::Brush), nullptr);
  EXPECT_NE(table.Remove(h), nullptr);
  EXPECT_EQ(table.Find(h), nullptr);
  EXPECT_EQ(table.Remove(h), nullptr);

  // The slot is reused with a new generation: the old value stays invalid.
  void* again = table.Insert(std::make_unique<Probe>(HandleKind::Region));
  EXPECT_NE(again, h);
  EXPECT_EQ(table.Find(h), nullptr);
  table.Remove(again);

  for (std::uintptr_t sentinel : {0u, 1u, 0xFFFFu, 0x12345u}) {
    EXPECT_EQ(table.Find(reinterpret_cast<void*>(sentinel)), nullptr);
  }
  EXPECT_EQ(table.Find(reinterpret_cast<void*>(~std::uintptr_t{0})), nullptr);
}

TEST(HandleTable, CountsLiveObjectsPerKindButNotPermanentOnes) {
  HandleTable& table = HandleTable::Instance();
  const auto before = table.LiveCounts();
  int destroyed = 0;
  void* a = table.Insert(std::make_unique<Probe>(HandleKind::Bitmap, &destroyed));
  void* b = table.Insert(std::make_unique<Probe>(HandleKind::Bitmap, &destroyed));
  void* c = table.Insert(std::make_unique<Probe>(HandleKind::Pen, &destroyed), /*permanent=*/true);
  EXPECT_EQ(table.LiveCount(HandleKind::Bitmap), before[static_cast<int>(HandleKind::Bitmap)] + 2);
  EXPECT_EQ(table.LiveCount(HandleKind::Pen), before[static_cast<int>(HandleKind::Pen)]);
  EXPECT_TRUE(table.IsPermanent(c));
  EXPECT_FALSE(table.IsPermanent(a));
  table.Remove(a);
  table.Remove(b);
  table.Remove(c);
  EXPECT_EQ(destroyed, 3);
  EXPECT_EQ(table.LiveCounts(), before);
}

}  // namespace
