// Bitmaps in the Core library: pixels kept across resizes, image lists cut
// and padded, and a canvas only where a drawing backend is linked.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "canvas/Graphics.h"
#include "runtime/Exceptions.h"

namespace zk {
namespace {

using Pixels = std::vector<std::uint32_t>;
constexpr std::uint32_t W = 0xFFFFFFFFu, K = 0xFF000000u;

Pixels PixelsOf(const TBitmap& Bitmap) { return {Bitmap.Pixels().begin(), Bitmap.Pixels().end()}; }

TEST(CoreBitmapTest, SetSize_KeepsWhatStaysInsideAndWhitensTheRest) {
  TBitmap Bitmap(3, 2);
  Bitmap.Pixels()[0] = K;
  Bitmap.Pixels()[5] = K;  // bottom-right: cut off below
  Bitmap.SetSize(2, 3);
  EXPECT_EQ(PixelsOf(Bitmap), (Pixels{K, W, W, W, W, W}));
  Bitmap.SetSize(1 << 15, 1 << 14);  // 2^29 pixels: over the limit
  EXPECT_TRUE(Bitmap.Empty());
  EXPECT_TRUE(Bitmap.Pixels().empty());
}

TEST(CoreBitmapTest, ImageList_CutsAndPadsToItsSize) {
  TImageList List(2, 2);
  TBitmap Wide(3, 1);
  Wide.Pixels()[1] = K;
  Wide.Pixels()[2] = K;  // outside the list's width
  EXPECT_EQ(List.Add(Wide), 0);
  TBitmap Out;
  ASSERT_TRUE(List.GetBitmap(0, Out));
  EXPECT_EQ(PixelsOf(Out), (Pixels{W, K, W, W}));
}

// Core alone has no drawing backend: asking for a canvas says so.
TEST(CoreBitmapTest, Canvas_WithoutABackendRaises) {
  TBitmap Bitmap(1, 1);
  EXPECT_THROW(Bitmap.Canvas(), Exception);
}

} // namespace
} // namespace zk
