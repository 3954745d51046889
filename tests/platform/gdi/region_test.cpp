// Regions: the set algebra, the rectangle list, and random operations
// checked against a pixel-set model.
#include <gtest/gtest.h>

#include <bitset>
#include <random>
#include <vector>

#include "platform/gdi/gdi.h"

namespace {

constexpr int kSide = 24;
using PixelSet = std::bitset<kSide * kSide>;

PixelSet PixelsOf(HRGN region) {
  PixelSet set;
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) set[static_cast<std::size_t>(y * kSide + x)] = PtInRegion(region, x, y);
  }
  return set;
}

std::vector<RECT> RectsOf(HRGN region) {
  const DWORD size = GetRegionData(region, 0, nullptr);
  std::vector<std::uint8_t> buffer(size);
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  EXPECT_EQ(GetRegionData(region, size, data), size);
  const RECT* rects = reinterpret_cast<const RECT*>(data->Buffer);
  return std::vector<RECT>(rects, rects + data->rdh.nCount);
}

TEST(Region, CombineModesAndComplexity) {
  HRGN a = CreateRectRgn(0, 0, 10, 10);
  HRGN b = CreateRectRgn(5, 5, 15, 15);
  HRGN r = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(CombineRgn(r, a, b, RGN_AND), SIMPLEREGION);
  RECT box;
  EXPECT_EQ(GetRgnBox(r, &box), SIMPLEREGION);
  EXPECT_EQ(box, (RECT{5, 5, 10, 10}));
  EXPECT_EQ(CombineRgn(r, a, b, RGN_OR), COMPLEXREGION);
  EXPECT_EQ(RectsOf(r).size(), 3u);  // bands: top, middle, bottom
  EXPECT_EQ(CombineRgn(r, a, b, RGN_XOR), COMPLEXREGION);
  EXPECT_FALSE(PtInRegion(r, 7, 7));
  EXPECT_TRUE(PtInRegion(r, 2, 2));
  EXPECT_TRUE(PtInRegion(r, 12, 12));
  EXPECT_EQ(CombineRgn(r, a, b, RGN_DIFF), COMPLEXREGION);
  EXPECT_FALSE(PtInRegion(r, 7, 7));
  EXPECT_FALSE(PtInRegion(r, 12, 12));
  EXPECT_EQ(CombineRgn(r, a, nullptr, RGN_COPY), SIMPLEREGION);
  EXPECT_TRUE(EqualRgn(r, a));
  EXPECT_EQ(CombineRgn(r, a, a, RGN_DIFF), NULLREGION);
  EXPECT_EQ(GetRgnBox(r, &box), NULLREGION);
  EXPECT_EQ(box, (RECT{0, 0, 0, 0}));
  EXPECT_EQ(CombineRgn(r, a, b, 99), ERROR);
  for (HRGN h : {a, b, r}) DeleteObject(h);
}

TEST(Region, RectanglesAreYXBandedWithRightAndBottomExcluded) {
  HRGN r = CreateRectRgn(2, 3, 6, 8);
  EXPECT_TRUE(PtInRegion(r, 2, 3));
  EXPECT_FALSE(PtInRegion(r, 6, 3));
  EXPECT_FALSE(PtInRegion(r, 2, 8));
  RECT probe{5, 7, 9, 9};
  EXPECT_TRUE(RectInRegion(r, &probe));
  probe = RECT{6, 0, 9, 9};
  EXPECT_FALSE(RectInRegion(r, &probe));
  // Swapped corners are put in order.
  HRGN swapped = CreateRectRgn(6, 8, 2, 3);
  EXPECT_TRUE(EqualRgn(r, swapped));
  EXPECT_EQ(OffsetRgn(r, -2, -3), SIMPLEREGION);
  RECT box;
  GetRgnBox(r, &box);
  EXPECT_EQ(box, (RECT{0, 0, 4, 5}));
  DeleteObject(r);
  DeleteObject(swapped);
}

TEST(Region, RegionDataRoundTripsThroughExtCreateRegion) {
  HRGN a = CreateRoundRectRgn(0, 0, 20, 16, 8, 8);
  const DWORD size = GetRegionData(a, 0, nullptr);
  std::vector<std::uint8_t> buffer(size);
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  ASSERT_EQ(GetRegionData(a, size, data), size);
  EXPECT_EQ(data->rdh.dwSize, sizeof(RGNDATAHEADER));
  EXPECT_EQ(data->rdh.iType, RDH_RECTANGLES);
  EXPECT_EQ(data->rdh.nRgnSize, data->rdh.nCount * sizeof(RECT));
  EXPECT_EQ(data->rdh.rcBound, (RECT{0, 0, 20, 16}));
  EXPECT_EQ(GetRegionData(a, size - 1, data), 0u);
  GetRegionData(a, size, data);
  HRGN b = ExtCreateRegion(nullptr, size, data);
  ASSERT_NE(b, nullptr);
  EXPECT_TRUE(EqualRgn(a, b));
  // Corners are cut and the shape is symmetric.
  EXPECT_FALSE(PtInRegion(a, 0, 0));
  EXPECT_TRUE(PtInRegion(a, 10, 0));
  EXPECT_EQ(PixelsOf(a).count() % 2, 0u);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 20; ++x) EXPECT_EQ(PtInRegion(a, x, y), PtInRegion(a, 19 - x, 15 - y)) << x << "," << y;
  }
  DeleteObject(a);
  DeleteObject(b);
}

TEST(Region, ExtCreateRegionRefusesMalformedData) {
  std::vector<std::uint8_t> buffer(sizeof(RGNDATAHEADER) + 2 * sizeof(RECT));
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  data->rdh.dwSize = sizeof(RGNDATAHEADER);
  data->rdh.iType = RDH_RECTANGLES;
  data->rdh.nCount = 3;  // more than the buffer holds
  EXPECT_EQ(ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()), data), nullptr);
  data->rdh.nCount = 2;
  data->rdh.iType = 2;
  EXPECT_EQ(ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()), data), nullptr);
  data->rdh.iType = RDH_RECTANGLES;
  RECT* rects = reinterpret_cast<RECT*>(data->Buffer);
  rects[0] = RECT{0, 0, 4, 4};
  rects[1] = RECT{2, 2, 6, 6};  // overlapping rectangles are merged
  HRGN r = ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()), data);
  ASSERT_NE(r, nullptr);
  EXPECT_EQ(PixelsOf(r).count(), 16u + 16u - 4u);
  DeleteObject(r);
  EXPECT_EQ(ExtCreateRegion(nullptr, 4, data), nullptr);
}

TEST(Region, BadHandlesFail) {
  HRGN r = CreateRectRgn(0, 0, 1, 1);
  DeleteObject(r);
  RECT box;
  EXPECT_EQ(GetRgnBox(r, &box), ERROR);
  EXPECT_EQ(CombineRgn(r, r, r, RGN_OR), ERROR);
  EXPECT_FALSE(PtInRegion(r, 0, 0));
  EXPECT_EQ(GetRegionData(r, 0, nullptr), 0u);
  EXPECT_EQ(OffsetRgn(r, 1, 1), ERROR);
}

// Random combinations from a fixed seed, checked against bit sets.
TEST(Region, RandomAlgebraMatchesAPixelModel) {
  std::mt19937 random(7531);
  auto randomRegion = [&](PixelSet& model) {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    model.reset();
    const int pieces = 1 + static_cast<int>(random() % 4);
    for (int i = 0; i < pieces; ++i) {
      const int l = static_cast<int>(random() % (kSide - 9)), t = static_cast<int>(random() % (kSide - 9));
      const int r = l + static_cast<int>(random() % 10), b = t + static_cast<int>(random() % 10);
      HRGN piece = CreateRectRgn(l, t, r, b);
      CombineRgn(region, region, piece, RGN_OR);
      DeleteObject(piece);
      for (int y = t; y < std::min(b, kSide); ++y) {
        for (int x = l; x < std::min(r, kSide); ++x) model.set(static_cast<std::size_t>(y * kSide + x));
      }
    }
    return region;
  };
  for (int round = 0; round < 300; ++round) {
    PixelSet ma, mb;
    HRGN a = randomRegion(ma), b = randomRegion(mb);
    HRGN r = CreateRectRgn(0, 0, 0, 0);
    const int mode = 1 + static_cast<int>(random() % 4);
    CombineRgn(r, a, b, mode);
    PixelSet expected = mode == RGN_AND ? (ma & mb) : mode == RGN_OR ? (ma | mb) : mode == RGN_XOR ? (ma ^ mb) : (ma & ~mb);
    ASSERT_EQ(PixelsOf(r), expected) << "seed 7531, round " << round << ", mode " << mode;
    // The rectangle list never overlaps and covers exactly the region.
    std::size_t area = 0;
    for (const RECT& rect : RectsOf(r)) area += static_cast<std::size_t>((rect.right - rect.left) * (rect.bottom - rect.top));
    ASSERT_EQ(area, expected.count());
    for (HRGN h : {a, b, r}) DeleteObject(h);
  }
}

}  // namespace
