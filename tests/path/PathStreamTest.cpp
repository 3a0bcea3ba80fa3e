#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "path/PathData.h"
#include "runtime/Exceptions.h"
#include "runtime/FormReader.h"
#include "runtime/FormWriter.h"
#include "runtime/Streams.h"

namespace zk {
namespace {

std::vector<std::uint8_t> BytesOf(const TMemoryStream& S) {
  std::vector<std::uint8_t> Out;
  for (std::byte B : S.Bytes()) Out.push_back(std::to_integer<std::uint8_t>(B));
  return Out;
}

TMemoryStream StreamOf(const std::vector<std::uint8_t>& Bytes) {
  return TMemoryStream(std::as_bytes(std::span(Bytes)));
}

// move (10, 10), line (20, 10), close: 10 is 0x41200000, 20 is 0x41A00000.
const std::vector<std::uint8_t> kTriangleBytes = {
    0x03, 0x00, 0x00, 0x00,                                      // N = 3
    0x00, 0x00, 0x00, 0x20, 0x41, 0x00, 0x00, 0x20, 0x41,        // ppMoveTo (10, 10)
    0x01, 0x00, 0x00, 0xA0, 0x41, 0x00, 0x00, 0x20, 0x41,        // ppLineTo (20, 10)
    0x03, 0x00, 0x00, 0x20, 0x41, 0x00, 0x00, 0x20, 0x41};       // ppClose (10, 10)

void BuildTriangle(TZKPathData& P) {
  P.MoveTo({10, 10});
  P.LineTo({20, 10});
  P.ClosePath();
}

TEST(PathStreamTest, WritePath_IsCountThenPackedEntries) {
  TZKPathData P;
  BuildTriangle(P);
  TMemoryStream S;
  P.WritePath(S);
  EXPECT_EQ(BytesOf(S), kTriangleBytes);
}

TEST(PathStreamTest, WritePath_EmptyPathIsZeroCount) {
  TZKPathData P;
  TMemoryStream S;
  P.WritePath(S);
  EXPECT_EQ(BytesOf(S), (std::vector<std::uint8_t>{0, 0, 0, 0}));
}

TEST(PathStreamTest, ReadPath_ReplacesEntriesKeepsSettingsAndNotifiesOnce) {
  TZKPathData P;
  P.SetFillMode(fmNonZero);
  P.SetFormatStr("0.##");
  P.MoveTo({1, 2});
  P.LineTo({3, 4});
  int Notified = 0;
  P.OnChanged = [&](TObject*) { ++Notified; };
  TMemoryStream S = StreamOf(kTriangleBytes);
  P.ReadPath(S);
  EXPECT_EQ(Notified, 1);
  ASSERT_EQ(P.Count(), 3);
  EXPECT_EQ(P.Points(1), (TZKPathPoint{ppLineTo, {20, 10}}));
  EXPECT_EQ(P.FillMode(), fmNonZero);
  EXPECT_EQ(P.FormatStr(), "0.##");
  EXPECT_EQ(S.Remaining(), 0);
  P.ClosePath(); // the figure start (1, 2) survives reading
  EXPECT_EQ(P.LastPoint(), (TPointF{1, 2}));
}

TEST(PathStreamTest, ReadPath_KeepsUnknownKindBytes) {
  std::vector<std::uint8_t> Bytes = {1, 0, 0, 0, 0xC8, 0, 0, 0x80, 0x3F, 0, 0, 0, 0x40};
  TZKPathData P;
  TMemoryStream S = StreamOf(Bytes);
  P.ReadPath(S);
  ASSERT_EQ(P.Count(), 1);
  EXPECT_EQ(static_cast<int>(P.Points(0).Kind), 200);
  const TPointF Point = P.Points(0).Point;
  EXPECT_EQ(Point, (TPointF{1, 2}));
  TMemoryStream Out;
  P.WritePath(Out);
  EXPECT_EQ(BytesOf(Out), Bytes);
}

// A kind byte no reader knows still is an entry: its point counts in the
// bounds, and it ends a (zero-length) piece of split text, but writes nothing.
TEST(PathStreamTest, UnknownKind_CountsInBoundsAndSplitsButWritesNothing) {
  const std::vector<std::uint8_t> Bytes = {2, 0, 0, 0,
                                           0, 0, 0, 0x80, 0x3F, 0, 0, 0x80, 0x3F,      // move to (1, 1)
                                           7, 0, 0, 0x48, 0x42, 0, 0, 0x40, 0xC0};     // kind 7 at (50, -3)
  TZKPathData P;
  TMemoryStream S = StreamOf(Bytes);
  P.ReadPath(S);
  EXPECT_EQ(P.GetBounds(), (TRectF{1, -3, 50, 1}));
  EXPECT_EQ(P.GetPathString(), "M1,1 ");
  EXPECT_EQ(P.SplitDataByLength(-1, "|"), "M1,1 ||");
  EXPECT_EQ(P.SplitDataByLength(100, "|"), "M1,1 ");
}

struct BadPathCase {
  const char* Name;
  std::vector<std::uint8_t> Bytes;
  const char* Message;
};

class PathReadErrorTest : public ::testing::TestWithParam<BadPathCase> {};

TEST_P(PathReadErrorTest, RaisesAndLeavesPathAndStreamAlone) {
  TZKPathData P;
  BuildTriangle(P);
  int Notified = 0;
  P.OnChanged = [&](TObject*) { ++Notified; };
  TMemoryStream S = StreamOf(GetParam().Bytes);
  try {
    P.ReadPath(S);
    FAIL() << "no error";
  } catch (const EReadError& E) {
    EXPECT_EQ(std::string(E.what()), GetParam().Message);
  }
  EXPECT_EQ(S.Position(), 0);
  EXPECT_EQ(Notified, 0);
  TMemoryStream Out;
  P.WritePath(Out);
  EXPECT_EQ(BytesOf(Out), kTriangleBytes);
}

const BadPathCase kBadPathCases[] = {
    {"EmptyStream", {}, "Invalid path data: the entry count is missing"},
    {"ThreeByteCount", {1, 0, 0}, "Invalid path data: the entry count is missing"},
    {"NegativeCount", {0xFF, 0xFF, 0xFF, 0xFF}, "Invalid path data: negative entry count -1"},
    {"OneEntryEightBytes", {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
     "Invalid path data: 1 entries need 9 bytes, but only 8 follow the count"},
    {"HugeCountNoData", {0xFF, 0xFF, 0xFF, 0x7F},
     "Invalid path data: 2147483647 entries need 19327352823 bytes, but only 0 follow the count"},
    // Regression: non-finite coordinates were once read, and raised only when drawn.
    {"NaNCoordinate", {1, 0, 0, 0, 0, 0, 0, 0xC0, 0x7F, 0, 0, 0, 0},
     "Invalid path data: entry 0 has a non-finite coordinate"},
    {"InfiniteCoordinate", {2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0x80, 0xFF},
     "Invalid path data: entry 1 has a non-finite coordinate"},
};
INSTANTIATE_TEST_SUITE_P(Streams, PathReadErrorTest, ::testing::ValuesIn(kBadPathCases),
                         [](const auto& I) { return std::string(I.param.Name); });

TEST(PathStreamTest, FormFile_StoresFillModeAndPathBytes) {
  TZKPathData P;
  BuildTriangle(P);
  EXPECT_EQ(ObjectToText(P, "Path1"),
            "object Path1: TZKPathData\n"
            "  FillMode = fmEvenOdd\n"
            "  Path = {\n"
            "    03000000000000204100002041010000A04100002041030000204100002041}\n"
            "end\n");
}

TEST(PathStreamTest, FormFile_EmptyPathHasNoPathPropertyAndFormatOnlyWhenChanged) {
  TZKPathData P;
  P.SetFillMode(fmNonZero);
  P.SetFormatStr("0.00");
  EXPECT_EQ(ObjectToText(P, "P"),
            "object P: TZKPathData\n"
            "  FillMode = fmNonZero\n"
            "  FormatStr = '0.00'\n"
            "end\n");
}

TEST(PathStreamTest, FormFile_RoundTrip) {
  TZKPathData P;
  P.SetFillMode(fmNonZero);
  P.SetFormatStr("0.###");
  BuildTriangle(P);
  P.CurveTo({0.1f, -2.5f}, {3, 4}, {1e30f, -7});
  const std::string Text = ObjectToText(P, "P");
  TZKPathData R;
  int Notified = 0;
  R.OnChanged = [&](TObject*) { ++Notified; };
  ObjectFromText(Text, R);
  EXPECT_EQ(Notified, 2); // FillMode, then the entries
  EXPECT_EQ(R.FillMode(), fmNonZero);
  EXPECT_EQ(R.FormatStr(), "0.###");
  ASSERT_EQ(R.Count(), P.Count());
  for (int i = 0; i < P.Count(); ++i) EXPECT_EQ(R.Points(i), P.Points(i)) << i;
  EXPECT_EQ(ObjectToText(R, "P"), Text);
}

TEST(PathStreamTest, FormFile_DataTextIsReadButNeverWritten) {
  TZKPathData R;
  ObjectFromText("object P: TZKPathData\n  Data = 'M10,10 L20,10 Z'\nend\n", R);
  ASSERT_EQ(R.Count(), 3);
  TMemoryStream S;
  R.WritePath(S);
  EXPECT_EQ(BytesOf(S), kTriangleBytes);
  EXPECT_EQ(ObjectToText(R, "P").find("Data ="), std::string::npos);
}

TEST(PathStreamTest, FormFile_ReadingAFormWithoutPathKeepsThePathEmpty) {
  TZKPathData R;
  ObjectFromText("object P: TZKPathData\n  FillMode = fmEvenOdd\nend\n", R);
  EXPECT_EQ(R.Count(), 0);
}

// A form that fails while being applied leaves the path as it was: fill
// mode, format and entries (regressions: the fill mode once changed before a
// malformed Path, and bytes after the last entry were accepted).
TEST(PathStreamTest, FormFile_ReadErrorNamesTheLineAndChangesNothing) {
  const struct {
    std::string Body;
    std::string Message;  // the whole message, or its start
  } Rows[] = {
      {"  FillMode = fmNonZero\n  Path = {02000000}\n",
       "Line 3: Invalid path data: 2 entries need 18 bytes, but only 0 follow the count"},
      {"  Path = {01000000 030000000000000000 01000000}\n", "Line 2: 4 bytes after the value of Path"},
      {"  FillMode = fmNonZero\n  Path = {01000000 000000C07F00000000}\n",
       "Line 3: Invalid path data: entry 0 has a non-finite coordinate"},
      // The setter refuses the picture after the entries and fill mode were set.
      {"  Data = 'M5,5 L6,6'\n  FillMode = fmNonZero\n  FormatStr = '" + std::string(300, '0') + "'\n",
       "Line 4: "},
  };
  for (const auto& Row : Rows) {
    SCOPED_TRACE(Row.Body);
    TZKPathData R;
    BuildTriangle(R);
    R.SetFormatStr("0.0");
    try {
      ObjectFromText("object P: TZKPathData\n" + Row.Body + "end\n", R);
      ADD_FAILURE() << "no error";
    } catch (const EReadError& E) {
      EXPECT_EQ(std::string(E.what()).substr(0, Row.Message.size()), Row.Message);
    }
    EXPECT_EQ(R.FillMode(), fmEvenOdd);
    EXPECT_EQ(R.FormatStr(), "0.0");
    TMemoryStream S;
    R.WritePath(S);
    EXPECT_EQ(BytesOf(S), kTriangleBytes);
  }
}

TEST(PathStreamTest, FormFile_BadFormatPictureNamesTheLine) {
  TZKPathData R;
  const std::string Long(300, '0');
  EXPECT_THROW(ObjectFromText("object P: TZKPathData\n  FormatStr = '" + Long + "'\nend\n", R), EReadError);
  EXPECT_EQ(R.FormatStr(), DefaultPathFormat);
}

} // namespace
} // namespace zk
