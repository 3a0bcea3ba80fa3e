#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>

#include "runtime/Exceptions.h"
#include "runtime/Streams.h"

namespace zk {
namespace {

TEST(StreamsTest, MemoryStream_WriteSeekRead) {
  TMemoryStream S;
  const std::array<std::uint8_t, 3> In{1, 2, 3};
  S.WriteBuffer(In.data(), 3);
  EXPECT_EQ(S.Size(), 3);
  EXPECT_EQ(S.Position(), 3);
  EXPECT_EQ(S.Seek(-2, TSeekOrigin::soCurrent), 1);
  std::array<std::uint8_t, 4> Out{};
  EXPECT_EQ(S.Read(Out.data(), 4), 2); // short read at the end
  EXPECT_EQ(Out[0], 2);
  EXPECT_EQ(Out[1], 3);
  EXPECT_EQ(S.Remaining(), 0);
}

TEST(StreamsTest, MemoryStream_WritePastEndFillsGapWithZeros) {
  TMemoryStream S;
  S.Seek(2, TSeekOrigin::soBeginning);
  const std::uint8_t B = 9;
  S.WriteBuffer(&B, 1);
  ASSERT_EQ(S.Size(), 3);
  EXPECT_EQ(std::to_integer<int>(S.Bytes()[0]), 0);
  EXPECT_EQ(std::to_integer<int>(S.Bytes()[2]), 9);
}

TEST(StreamsTest, Seek_ClampsBeforeStartAndSaturatesPastEnd) {
  TMemoryStream S;
  EXPECT_EQ(S.Seek(-5, TSeekOrigin::soEnd), 0);
  EXPECT_EQ(S.Seek(std::numeric_limits<std::int64_t>::max(), TSeekOrigin::soBeginning),
            std::numeric_limits<std::int64_t>::max());
  EXPECT_EQ(S.Seek(10, TSeekOrigin::soCurrent), std::numeric_limits<std::int64_t>::max());
  std::uint8_t B = 0;
  EXPECT_EQ(S.Read(&B, 1), 0);
  EXPECT_THROW(S.WriteBuffer(&B, 1), EWriteError);
}

TEST(StreamsTest, ReadBuffer_ShortRaisesAndKeepsPosition) {
  const std::array<std::byte, 2> Data{};
  TMemoryStream S(Data);
  std::array<std::byte, 3> Out{};
  try {
    S.ReadBuffer(Out.data(), 3);
    FAIL() << "no error";
  } catch (const EReadError& E) {
    EXPECT_STREQ(E.what(), "Stream read error");
  }
  EXPECT_EQ(S.Position(), 0);
}

} // namespace
} // namespace zk
