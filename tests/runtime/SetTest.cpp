#include <gtest/gtest.h>

#include "runtime/Set.h"

namespace zk {
namespace {

enum TNine : std::uint8_t { n0, n1, n2, n3, n4, n5, n6, n7, n8 };
using TNines = TSet<TNine, 9>;

// Stored sizes: up to 8 ordinals in a byte, then 2, 4 and 8 bytes.
static_assert(sizeof(TSet<TNine, 8>) == 1 && sizeof(TNines) == 2);
static_assert(sizeof(TSet<TNine, 17>) == 4 && sizeof(TSet<TNine, 33>) == 8);
static_assert(std::is_trivially_copyable_v<TNines>);

TEST(SetTest, OrdinalsBeyondTheFirstByte) {
  const TNines S{n0, n8};
  EXPECT_EQ(S.Bits(), 0x101);
  EXPECT_TRUE(S[n8]);
  EXPECT_EQ(TNines::All().Bits(), 0x1FF);
  EXPECT_EQ(TNines::FromBits(0xFFFF), TNines::All());        // bits of no ordinal dropped
  EXPECT_EQ(TNines{}.Include(static_cast<TNine>(9)), TNines{});  // out of range: no change
  EXPECT_EQ(TNines::All() - S, (TNines{n1, n2, n3, n4, n5, n6, n7}));
  EXPECT_EQ(TNines{n3}.Set(n3, false).Set(n4, true), TNines{n4});
}

} // namespace
} // namespace zk
