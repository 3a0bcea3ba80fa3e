// The path model: construction, copying, notification and building.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <limits>
#include <vector>

#include "path/PathData.h"
#include "runtime/Exceptions.h"

namespace zk {
namespace {

using Entries = std::vector<TZKPathPoint>;

Entries EntriesOf(const TZKPathData& P) { return {P.Entries().begin(), P.Entries().end()}; }

TZKPathPoint E(TZKPathPointKind Kind, float X, float Y) { return {Kind, {X, Y}}; }

std::string Describe(const Entries& Es) {
  std::string S;
  for (const auto& Entry : Es)
    S += std::to_string(int(Entry.Kind)) + "(" + std::to_string(Entry.Point.X) + "," +
         std::to_string(Entry.Point.Y) + ") ";
  return S;
}

// Counts OnChanged calls of one path.
struct ChangeCounter {
  int Calls = 0;
  TObject* LastSender = nullptr;
  void Attach(TZKPathData& P) {
    P.OnChanged = [this](TObject* Sender) {
      ++Calls;
      LastSender = Sender;
    };
  }
};

// A descendant that exposes the protected notification hook.
class CountingPath : public TZKPathData {
public:
  int Changes = 0;
  TZKPathDataClass ClassType() const override { return &CreatePathOfClass<CountingPath>; }
  std::string ClassName() const override { return "CountingPath"; }

protected:
  void Change() override {
    ++Changes;
    TZKPathData::Change();
  }
};

TEST(PathDataTest, NewPath_IsEmptyWithDefaults) {
  TZKPathData P;
  EXPECT_EQ(P.Count(), 0);
  EXPECT_EQ(P.LastPoint(), (TPointF{0, 0}));
  EXPECT_EQ(P.FormatStr(), "0.#########");
  EXPECT_EQ(P.FillMode(), fmEvenOdd);
  EXPECT_FALSE(P.IsFormatStrStored());
}

TEST(PathDataTest, EntryLayout_IsNinePackedBytes) {
  const TZKPathPoint Entry{ppCurveTo, {1.5f, -2.0f}};
  unsigned char Bytes[9];
  std::memcpy(Bytes, &Entry, sizeof Bytes);
  EXPECT_EQ(Bytes[0], 2);
  float X, Y;
  std::memcpy(&X, Bytes + 1, 4);
  std::memcpy(&Y, Bytes + 5, 4);
  EXPECT_EQ(X, 1.5f);
  EXPECT_EQ(Y, -2.0f);
}

// ---- Building: each row builds a path and lists the entries it must hold ---

struct BuildCase {
  const char* Name;
  void (*Build)(TZKPathData&);
  Entries Expected;
};

const BuildCase kBuildCases[] = {
    {"MoveToRelOnEmptyPath", [](TZKPathData& P) { P.MoveToRel({5, 5}); }, {E(ppMoveTo, 5, 5)}},
    {"RelativeFormsAddToLastPoint",
     [](TZKPathData& P) {
       P.MoveTo({1, 2});
       P.LineToRel({3, 4});
       P.HLineToRel(10);
       P.VLineToRel(-6);
       P.MoveToRel({1, 1});
     },
     {E(ppMoveTo, 1, 2), E(ppLineTo, 4, 6), E(ppLineTo, 14, 6), E(ppLineTo, 14, 0), E(ppMoveTo, 15, 1)}},
    {"HLineAndVLineKeepTheOtherCoordinate",
     [](TZKPathData& P) {
       P.MoveTo({3, 7});
       P.HLineTo(10);
       P.VLineTo(20);
     },
     {E(ppMoveTo, 3, 7), E(ppLineTo, 10, 7), E(ppLineTo, 10, 20)}},
    {"HLineOnEmptyPathTakesZero", [](TZKPathData& P) { P.HLineTo(4); }, {E(ppLineTo, 4, 0)}},
    {"VLineOnEmptyPathTakesZero", [](TZKPathData& P) { P.VLineTo(4); }, {E(ppLineTo, 0, 4)}},
    {"CloseOnNewPathHoldsOrigin",
     [](TZKPathData& P) {
       P.ClosePath();
       P.ClosePath();
     },
     {E(ppClose, 0, 0), E(ppClose, 0, 0)}},
    {"CloseReturnsToStartEvenAfterClear",
     [](TZKPathData& P) {
       P.MoveTo({1, 2});
       P.Clear();
       P.LineTo({5, 5});
       P.ClosePath();
     },
     {E(ppLineTo, 5, 5), E(ppClose, 1, 2)}},
    {"CloseHoldsStartOfRelativeMove",
     [](TZKPathData& P) {
       P.MoveTo({1, 1});
       P.LineTo({4, 1});
       P.MoveToRel({2, 2});
       P.LineTo({9, 9});
       P.ClosePath();
     },
     {E(ppMoveTo, 1, 1), E(ppLineTo, 4, 1), E(ppMoveTo, 6, 3), E(ppLineTo, 9, 9), E(ppClose, 6, 3)}},
    {"CurveRelIsRelativeToOneCurrentPoint",
     [](TZKPathData& P) {
       P.MoveTo({10, 10});
       P.CurveToRel({1, 1}, {2, 2}, {3, 0});
     },
     {E(ppMoveTo, 10, 10), E(ppCurveTo, 11, 11), E(ppCurveTo, 12, 12), E(ppCurveTo, 13, 10)}},
    {"SmoothCurveReflectsPreviousControlPoint",
     [](TZKPathData& P) {
       P.CurveTo({1, 1}, {2, 2}, {3, 0});
       P.SmoothCurveTo({5, 1}, {6, 0});
     },
     {E(ppCurveTo, 1, 1), E(ppCurveTo, 2, 2), E(ppCurveTo, 3, 0), E(ppCurveTo, 4, -2), E(ppCurveTo, 5, 1),
      E(ppCurveTo, 6, 0)}},
    {"SmoothCurveAfterLineStartsAtCurrentPoint",
     [](TZKPathData& P) {
       P.MoveTo({0, 0});
       P.LineTo({2, 2});
       P.SmoothCurveTo({3, 3}, {4, 2});
     },
     {E(ppMoveTo, 0, 0), E(ppLineTo, 2, 2), E(ppCurveTo, 2, 2), E(ppCurveTo, 3, 3), E(ppCurveTo, 4, 2)}},
    {"SmoothCurveRelReflectsAndOffsets",
     [](TZKPathData& P) {
       P.MoveTo({0, 0});
       P.CurveTo({0, 1}, {1, 2}, {2, 2});
       P.SmoothCurveToRel({2, 0}, {2, -2});
     },
     {E(ppMoveTo, 0, 0), E(ppCurveTo, 0, 1), E(ppCurveTo, 1, 2), E(ppCurveTo, 2, 2), E(ppCurveTo, 3, 2),
      E(ppCurveTo, 4, 2), E(ppCurveTo, 4, 0)}},
    {"SmoothCurveReflectsAfterQuadratic",
     [](TZKPathData& P) {
       P.QuadCurveTo({3, 3}, {6, 0});
       P.SmoothCurveTo({9, 0}, {9, 0});
     },
     {E(ppCurveTo, 2, 2), E(ppCurveTo, 4, 2), E(ppCurveTo, 6, 0), E(ppCurveTo, 8, -2), E(ppCurveTo, 9, 0),
      E(ppCurveTo, 9, 0)}},
    {"QuadraticBecomesCubic",
     [](TZKPathData& P) {
       P.MoveTo({0, 0});
       P.QuadCurveTo({3, 3}, {6, 0});
     },
     {E(ppMoveTo, 0, 0), E(ppCurveTo, 2, 2), E(ppCurveTo, 4, 2), E(ppCurveTo, 6, 0)}},
    {"IntegerPolygonClosedGetsLineBackThenClose",
     [](TZKPathData& P) { P.AddPolygon(TCanvasPoints{{0, 0}, {10, 0}, {10, 10}, {0, 0}}); },
     {E(ppMoveTo, 0, 0), E(ppLineTo, 10, 0), E(ppLineTo, 10, 10), E(ppLineTo, 0, 0), E(ppClose, 0, 0)}},
    {"FloatPolygonClosedGetsNoLineBack",
     [](TZKPathData& P) { P.AddPolygon(TZKPoints{{0, 0}, {10, 0}, {10, 10}, {0, 0}}); },
     {E(ppMoveTo, 0, 0), E(ppLineTo, 10, 0), E(ppLineTo, 10, 10), E(ppClose, 0, 0)}},
    {"FloatPolygonOpenEndsWithLine",
     [](TZKPathData& P) { P.AddPolygon(TZKPoints{{0, 0}, {10, 0}, {10, 10}}); },
     {E(ppMoveTo, 0, 0), E(ppLineTo, 10, 0), E(ppLineTo, 10, 10)}},
    {"IntegerPolygonOpenHasNoClose",
     [](TZKPathData& P) { P.AddPolygon(TCanvasPoints{{0, 0}, {10, 0}}); },
     {E(ppMoveTo, 0, 0), E(ppLineTo, 10, 0)}},
    {"OnePointIntegerPolygonMovesAndCloses", [](TZKPathData& P) { P.AddPolygon(TCanvasPoints{{3, 4}}); },
     {E(ppMoveTo, 3, 4), E(ppClose, 3, 4)}},
    {"OnePointFloatPolygonMovesAndCloses", [](TZKPathData& P) { P.AddPolygon(TZKPoints{{3, 4}}); },
     {E(ppMoveTo, 3, 4), E(ppClose, 3, 4)}},
    {"PolygonsInOrder",
     [](TZKPathData& P) {
       P.AddPolygons(TZKPolygons{{{0, 0}, {1, 0}}, {}, {{5, 5}, {6, 6}, {5, 5}}});
     },
     {E(ppMoveTo, 0, 0), E(ppLineTo, 1, 0), E(ppMoveTo, 5, 5), E(ppLineTo, 6, 6), E(ppClose, 5, 5)}},
    {"RectangleIsClosedFigure", [](TZKPathData& P) { P.AddRectangle({1, 2, 3, 4}); },
     {E(ppMoveTo, 1, 2), E(ppLineTo, 3, 2), E(ppLineTo, 3, 4), E(ppLineTo, 1, 4), E(ppClose, 1, 2)}},
};

class PathBuildTest : public testing::TestWithParam<BuildCase> {};

TEST_P(PathBuildTest, AppendsExpectedEntries) {
  TZKPathData P;
  GetParam().Build(P);
  const Entries Actual = EntriesOf(P);
  EXPECT_EQ(Actual, GetParam().Expected) << Describe(Actual);
}

INSTANTIATE_TEST_SUITE_P(PathDataTest, PathBuildTest, testing::ValuesIn(kBuildCases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(PathDataTest, QuadCurveTo_RoundsThirdsToNearestSingle) {
  TZKPathData P;
  P.QuadCurveTo({10, 10}, {20, 0});
  // (20/3, 20/3), (40/3, 20/3): each coordinate the nearest Single.
  const TPointF Q1 = P.Points(0).Point, Q2 = P.Points(1).Point;
  EXPECT_EQ(Q1, (TPointF{20.0f / 3.0f, 20.0f / 3.0f}));
  EXPECT_EQ(Q2, (TPointF{40.0f / 3.0f, 20.0f / 3.0f}));
}

// ---- Notification -----------------------------------------------------------

struct NotifyCase {
  const char* Name;
  void (*Act)(TZKPathData&);
  int ExpectedCalls;
};

const NotifyCase kNotifyCases[] = {
    {"EachBuildingCallNotifiesOnce",
     [](TZKPathData& P) {
       P.MoveTo({0, 0});
       P.LineTo({1, 1});
       P.CurveTo({1, 1}, {2, 2}, {3, 3});
       P.QuadCurveTo({1, 1}, {2, 2});
       P.ClosePath();
     },
     5},
    {"EmptyIntegerPolygonNotifiesNothing", [](TZKPathData& P) { P.AddPolygon(TCanvasPoints{}); }, 0},
    {"EmptyFloatPolygonNotifiesNothing", [](TZKPathData& P) { P.AddPolygon(TZKPoints{}); }, 0},
    {"EmptyPolygonListNotifiesOnce", [](TZKPathData& P) { P.AddPolygons(TZKPolygons{}); }, 1},
    {"PolygonNotifiesOnce", [](TZKPathData& P) { P.AddPolygon(TZKPoints{{0, 0}, {1, 1}, {2, 0}}); }, 1},
    {"RectangleNotifiesOnce", [](TZKPathData& P) { P.AddRectangle({0, 0, 1, 1}); }, 1},
    {"SameFillModeNotifiesNothing", [](TZKPathData& P) { P.SetFillMode(fmEvenOdd); }, 0},
    {"NewFillModeNotifiesOnce", [](TZKPathData& P) { P.SetFillMode(fmNonZero); }, 1},
    {"FormatNeverNotifies", [](TZKPathData& P) { P.SetFormatStr("0.##"); }, 0},
    {"ClearNotifiesEvenWhenEmpty", [](TZKPathData& P) { P.Clear(); }, 1},
    {"NestedUpdatesNotifyOnceAtTheEnd",
     [](TZKPathData& P) {
       P.BeginUpdate();
       P.BeginUpdate();
       P.MoveTo({0, 0});
       P.LineTo({1, 1});
       P.EndUpdate();
       P.LineTo({2, 2});
       P.EndUpdate();
     },
     1},
    {"EmptyUpdateStillNotifies",
     [](TZKPathData& P) {
       P.BeginUpdate();
       P.EndUpdate();
     },
     1},
};

class PathNotifyTest : public testing::TestWithParam<NotifyCase> {};

TEST_P(PathNotifyTest, FiresExpectedNumberOfChanges) {
  TZKPathData P;
  ChangeCounter Counter;
  Counter.Attach(P);
  GetParam().Act(P);
  EXPECT_EQ(Counter.Calls, GetParam().ExpectedCalls);
  if (Counter.Calls > 0) {
    EXPECT_EQ(Counter.LastSender, &P);
  }
}

INSTANTIATE_TEST_SUITE_P(PathDataTest, PathNotifyTest, testing::ValuesIn(kNotifyCases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(PathDataTest, NestedUpdates_NotifyAtTheSecondEndUpdate) {
  TZKPathData P;
  ChangeCounter Counter;
  Counter.Attach(P);
  P.BeginUpdate();
  P.BeginUpdate();
  P.MoveTo({0, 0});
  P.EndUpdate();
  EXPECT_EQ(Counter.Calls, 0);
  P.EndUpdate();
  EXPECT_EQ(Counter.Calls, 1);
}

TEST(PathDataTest, UpdateGuard_ClosesBracketWhenExceptionPasses) {
  TZKPathData P;
  ChangeCounter Counter;
  Counter.Attach(P);
  EXPECT_THROW(
      {
        TZKPathUpdate Update(P);
        P.MoveTo({1, 1});
        throw EConvertError("stop");
      },
      EConvertError);
  EXPECT_EQ(Counter.Calls, 1);
  P.LineTo({2, 2});  // notifications flow again
  EXPECT_EQ(Counter.Calls, 2);
}

TEST(PathDataTest, ChangeOverride_SeesEveryModification) {
  CountingPath P;
  P.MoveTo({0, 0});
  P.AddRectangle({0, 0, 1, 1});  // four building calls inside, plus the closing one
  EXPECT_EQ(P.Changes, 1 + 6);
}

// ---- Reading ----------------------------------------------------------------

TEST(PathDataTest, Points_OutsideRangeRaisesRangeError) {
  TZKPathData P;
  P.MoveTo({1, 2});
  EXPECT_EQ(P.Points(0), E(ppMoveTo, 1, 2));
  for (int Index : {-1, 1, 1000, std::numeric_limits<int>::min()}) {
    SCOPED_TRACE(Index);
    EXPECT_THROW((void)P.Points(Index), ERangeError);
  }
}

// ---- Format -----------------------------------------------------------------

TEST(PathDataTest, SetFormatStr_BadPictureRaisesAndKeepsFormat) {
  TZKPathData P;
  const std::string TooLong(1000, '0');
  EXPECT_THROW(P.SetFormatStr(TooLong), EConvertError);
  EXPECT_EQ(P.FormatStr(), "0.#########");
  P.SetFormatStr("0.00");
  EXPECT_EQ(P.FormatStr(), "0.00");
  EXPECT_TRUE(P.IsFormatStrStored());
}

// ---- Copying ----------------------------------------------------------------

TEST(PathDataTest, Assign_CopiesEntriesModeAndFormatButNotHandlerOrStart) {
  TZKPathData Source;
  Source.MoveTo({1, 1});
  Source.LineTo({2, 2});
  Source.SetFillMode(fmNonZero);
  Source.SetFormatStr("0.0");
  TZKPathData Target;
  Target.MoveTo({7, 7});  // its figure start stays (7, 7)
  ChangeCounter Counter;
  Counter.Attach(Target);
  Target.Assign(&Source);
  EXPECT_EQ(EntriesOf(Target), EntriesOf(Source));
  EXPECT_EQ(Target.FillMode(), fmNonZero);
  EXPECT_EQ(Target.FormatStr(), "0.0");
  EXPECT_EQ(Counter.Calls, 1);
  Target.ClosePath();
  EXPECT_EQ(Target.LastPoint(), (TPointF{7, 7}));
}

TEST(PathDataTest, Assign_FromUnrelatedClassRaisesConvertError) {
  TZKPathData P;
  TPersistent Other;
  EXPECT_THROW(P.Assign(&Other), EConvertError);
  EXPECT_THROW(P.Assign(nullptr), EConvertError);
  try {
    P.Assign(&Other);
  } catch (const EConvertError& Error) {
    EXPECT_STREQ(Error.what(), "Cannot assign a TPersistent to a TZKPathData");
  }
}

TEST(PathDataTest, Clone_MakesSameClassWithSameEntries) {
  CountingPath Source;
  Source.MoveTo({1, 2});
  Source.SetFillMode(fmNonZero);
  const auto Copy = Source.Clone();
  ASSERT_NE(dynamic_cast<CountingPath*>(Copy.get()), nullptr);
  EXPECT_EQ(EntriesOf(*Copy), EntriesOf(Source));
  EXPECT_EQ(Copy->FillMode(), fmNonZero);
}

struct AppendCase {
  const char* Name;
  bool TargetEmpty;
  TZKFillMode ExpectedMode;
  std::size_t ExpectedCount;
};

const AppendCase kAppendCases[] = {
    {"OntoEmptyTakesSourceFillMode", true, fmNonZero, 2},
    {"OntoNonEmptyKeepsOwnFillMode", false, fmEvenOdd, 3},
};

class PathAppendTest : public testing::TestWithParam<AppendCase> {};

TEST_P(PathAppendTest, FillModeAndEntries) {
  TZKPathData Source;
  Source.MoveTo({1, 1});
  Source.LineTo({2, 2});
  Source.SetFillMode(fmNonZero);
  TZKPathData Target;
  if (!GetParam().TargetEmpty) Target.MoveTo({9, 9});
  ChangeCounter Counter;
  Counter.Attach(Target);
  Target.Append(Source);
  EXPECT_EQ(Target.FillMode(), GetParam().ExpectedMode);
  EXPECT_EQ(static_cast<std::size_t>(Target.Count()), GetParam().ExpectedCount);
  EXPECT_EQ(Target.LastPoint(), (TPointF{2, 2}));
  EXPECT_EQ(Counter.Calls, 1);
}

INSTANTIATE_TEST_SUITE_P(PathDataTest, PathAppendTest, testing::ValuesIn(kAppendCases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(PathDataTest, Append_ToItselfDoublesTheEntries) {
  TZKPathData P;
  for (int I = 0; I < 100; ++I) P.LineTo({float(I), float(-I)});
  const Entries Before = EntriesOf(P);
  P.Append(P);
  ASSERT_EQ(P.Count(), 200);
  const Entries After = EntriesOf(P);
  EXPECT_TRUE(std::equal(Before.begin(), Before.end(), After.begin()));
  EXPECT_TRUE(std::equal(Before.begin(), Before.end(), After.begin() + 100));
}

} // namespace
} // namespace zk
