#include "menu/tile_layout.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Runs the copies on a cache of source pixel numbers and checks the tiling.
void ExpectTiled(int width, int height) {
  std::vector<int> cache(TileCacheWidth * TileCacheHeight, -1);
  const auto at = [&](int x, int y) -> int& { return cache[y * TileCacheWidth + x]; };
  for (const TTileCopy& copy : TileCopies(width, height)) {
    const std::vector<int> before = cache;
    for (int y = copy.From.Top; y < copy.From.Bottom; ++y) {
      for (int x = copy.From.Left; x < copy.From.Right; ++x) {
        const int tx = copy.To.X + x - copy.From.Left, ty = copy.To.Y + y - copy.From.Top;
        if (tx >= TileCacheWidth || ty >= TileCacheHeight) continue;
        at(tx, ty) = copy.FromSource ? y * width + x : before[y * TileCacheWidth + x];
      }
    }
  }
  for (int y = 0; y < TileCacheHeight; ++y) {
    for (int x = 0; x < TileCacheWidth; ++x) {
      ASSERT_EQ(at(x, y), (y % height) * width + x % width) << width << "x" << height << " at " << x << "," << y;
    }
  }
}

TEST(TileLayout, CacheHoldsTheSourceTiledFromItsTopLeftCorner) {
  ExpectTiled(1, 1);
  ExpectTiled(7, 13);
  ExpectTiled(400, 600);
  ExpectTiled(512, 3);
  EXPECT_LE(TileCopies(1, 1).size(), 20u);
}

TEST(TileLayout, EmptySourcesGiveNoCopies) {
  EXPECT_TRUE(TileCopies(0, 10).empty());
  EXPECT_TRUE(TileCopies(10, 0).empty());
}

TEST(TileLayout, CopiesReachingPastTheImageAreSplit) {
  const TImageClip inside = ClipToImage({10, 10, 50, 30}, 400, 600);
  EXPECT_EQ(inside.Inside, (TRect{10, 10, 50, 30}));
  EXPECT_TRUE(inside.Outside.empty());

  const TImageClip corner = ClipToImage({380, 590, 420, 610}, 400, 600);
  EXPECT_EQ(corner.Inside, (TRect{380, 590, 400, 600}));
  EXPECT_EQ(corner.Outside, (std::vector<TRect>{{380, 600, 420, 610}, {400, 590, 420, 600}}));

  const TImageClip beside = ClipToImage({150, 0, 170, 20}, 20, 110);
  EXPECT_TRUE(beside.Inside.IsEmpty());
  EXPECT_EQ(beside.Outside, (std::vector<TRect>{{150, 0, 170, 20}}));

  const TImageClip around = ClipToImage({-5, -5, 30, 30}, 20, 20);
  EXPECT_EQ(around.Inside, (TRect{0, 0, 20, 20}));
  int area = around.Inside.Width() * around.Inside.Height();
  for (const TRect& piece : around.Outside) area += piece.Width() * piece.Height();
  EXPECT_EQ(area, 35 * 35);
}

}  // namespace
