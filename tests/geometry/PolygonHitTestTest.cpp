// Polygon hit testing. Table-driven rows for the boundary cases,
// the 64-bit soundness of the integer form, and agreement of the fast float
// loop with the crossing formula written out literally.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "geometry/PolygonHitTest.h"
#include "geometry/Tolerances.h"

namespace zk {
namespace {

constexpr float kNaNf = std::numeric_limits<float>::quiet_NaN();
constexpr std::int32_t kMin32 = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax32 = std::numeric_limits<std::int32_t>::max();

const TCanvasPoints kSquare{{0, 0}, {10, 0}, {10, 10}, {0, 10}};
const TZKPoints kSquareF{{0, 0}, {10, 0}, {10, 10}, {0, 10}};

// The crossing-count formula, literally, for the float form.
bool ReferenceFloat(const TZKPoints& P, float X, float Y) {
  bool Inside = false;
  const std::size_t N = P.size();
  if (N < 3) return false;
  for (std::size_t I = 0, J = N - 1; I < N; J = I++) {
    if ((P[I].Y <= Y && Y < P[J].Y) || (P[J].Y <= Y && Y < P[I].Y)) {
      const float Num = (P[J].X - P[I].X) * (Y - P[I].Y);
      const float Xs = P[I].X + Num / (P[J].Y - P[I].Y);
      if (X < Xs) Inside = !Inside;
    }
  }
  return Inside;
}

// The host's integer formula (32-bit product, floating division) for inputs
// where the product cannot overflow.
bool ReferenceInt(const TCanvasPoints& P, int X, int Y) {
  bool Inside = false;
  const std::size_t N = P.size();
  if (N < 3) return false;
  for (std::size_t I = 0, J = N - 1; I < N; J = I++) {
    if ((P[I].Y <= Y && Y < P[J].Y) || (P[J].Y <= Y && Y < P[I].Y)) {
      const std::int32_t Num = (P[J].X - P[I].X) * (Y - P[I].Y);  // safe within +-16383
      const long double Xs = P[I].X + static_cast<long double>(Num) / (P[J].Y - P[I].Y);
      if (X < Xs) Inside = !Inside;
    }
  }
  return Inside;
}

struct SquareRow {
  int X, Y;
  bool YesNo;
  TPathClickLocation Where;
};

TEST(PolygonHitTest, SquareRows) {
  const SquareRow Rows[] = {
      {5, 5, true, clInsidePath},
      {0, 5, true, clOnPath},     // smaller-X side: inside by the half-open rule
      {5, 0, true, clOnPath},     // smaller-Y side
      {10, 5, false, clOnPath},   // larger-X side: outside
      {5, 10, false, clOnPath},   // larger-Y side
      {10, 10, false, clOnPath},
      {0, 0, true, clOnPath},     // corners: the half-open rule decides
      {10, 0, false, clOnPath},
      {0, 10, false, clOnPath},
      {11, 5, false, clOutsidePath},
      {-1, 5, false, clOutsidePath},
      {5, -1, false, clOutsidePath},
      {5, 11, false, clOutsidePath},
      {1, 9, true, clInsidePath},
      {9, 1, true, clInsidePath},
  };
  for (const SquareRow& R : Rows) {
    SCOPED_TRACE(::testing::Message() << "(" << R.X << "," << R.Y << ")");
    EXPECT_EQ(PointInPath(kSquare, R.X, R.Y), R.YesNo);
    EXPECT_EQ(PointInPath(kSquareF, static_cast<float>(R.X), static_cast<float>(R.Y)), R.YesNo);
    EXPECT_EQ(PointInPath(TPoint{R.X, R.Y}, kSquare), R.Where);
    EXPECT_EQ(PointInPath(TPointF{static_cast<float>(R.X), static_cast<float>(R.Y)}, kSquareF),
              R.Where);
  }
}

TEST(PolygonHitTest, EnumValues) {
  static_assert(clOutsidePath == 0 && clInsidePath == 1 && clOnPath == 2);
}

TEST(PolygonHitTest, FewerThanThreePoints) {
  const TCanvasPoints None, One{{5, 5}}, Two{{0, 0}, {10, 10}};
  const TZKPoints NoneF, OneF{{5, 5}}, TwoF{{0, 0}, {10, 10}};
  EXPECT_FALSE(PointInPath(None, 0, 0));
  EXPECT_FALSE(PointInPath(One, 5, 5));
  EXPECT_FALSE(PointInPath(Two, 5, 5));
  EXPECT_FALSE(PointInPath(NoneF, 0.0f, 0.0f));
  EXPECT_FALSE(PointInPath(OneF, 5.0f, 5.0f));
  EXPECT_FALSE(PointInPath(TwoF, 5.0f, 5.0f));
  // The three-valued form answers clOutsidePath without looking, even for a vertex.
  EXPECT_EQ(PointInPath(TPoint{0, 0}, None), clOutsidePath);
  EXPECT_EQ(PointInPath(TPoint{5, 5}, One), clOutsidePath);
  EXPECT_EQ(PointInPath(TPoint{5, 5}, Two), clOutsidePath);
  EXPECT_EQ(PointInPath(TPointF{0, 0}, NoneF), clOutsidePath);
  EXPECT_EQ(PointInPath(TPointF{5, 5}, OneF), clOutsidePath);
  EXPECT_EQ(PointInPath(TPointF{0, 0}, TwoF), clOutsidePath);
}

// Pentagram: the pentagon's vertices visited 0, 2, 4, 1, 3.
const TCanvasPoints kStar{{0, -100}, {59, 81}, {-95, -31}, {95, -31}, {-59, 81}};

TEST(PolygonHitTest, PentagramIsEvenOdd) {
  TZKPoints StarF;
  for (const TPoint& P : kStar) StarF.push_back({static_cast<float>(P.X), static_cast<float>(P.Y)});
  struct Row { int X, Y; bool In; };
  const Row Rows[] = {{0, 0, false},     // centre: covered twice, outside by even-odd
                      {3, -5, false},
                      {0, -70, true},    // top tip
                      {70, -25, true},   // right tip
                      {-70, -25, true},
                      {0, -150, false},
                      {200, 0, false}};
  for (const Row& R : Rows) {
    SCOPED_TRACE(::testing::Message() << "(" << R.X << "," << R.Y << ")");
    EXPECT_EQ(PointInPath(kStar, R.X, R.Y), R.In);
    EXPECT_EQ(PointInPath(StarF, static_cast<float>(R.X), static_cast<float>(R.Y)), R.In);
    const TPathClickLocation W = R.In ? clInsidePath : clOutsidePath;
    EXPECT_EQ(PointInPath(TPoint{R.X, R.Y}, kStar), W);
    EXPECT_EQ(PointInPath(TPointF{static_cast<float>(R.X), static_cast<float>(R.Y)}, StarF), W);
  }
}

// Coordinates far beyond +-16383: the edge product (Pj.x - Pi.x)(Y - Pi.y)
// would overflow 32 bits (here up to 1e9 * 2e9 = 2e18); the 64-bit form
// answers correctly.
TEST(PolygonHitTest, LargeCoordinatesIntegerForm) {
  const TCanvasPoints Tri{{-1000000000, -1000000000}, {1000000000, -1000000000}, {0, 1000000000}};
  // At Y = 0 the slanted edges cross x = -5e8 and x = 5e8.
  struct Row { int X, Y; bool In; TPathClickLocation Where; };
  const Row Rows[] = {
      {0, 0, true, clInsidePath},
      {499999999, 0, true, clInsidePath},
      {500000000, 0, false, clOnPath},     // on the larger-X edge: outside by the rule
      {500000001, 0, false, clOutsidePath},
      {-500000000, 0, true, clOnPath},     // on the smaller-X edge: inside
      {-500000001, 0, false, clOutsidePath},
      {600000000, 0, false, clOutsidePath},
      {0, 999999998, true, clInsidePath},
      {1, 999999998, false, clOnPath},       // the larger-X edge passes x = 1 there
      {0, -1000000000, true, clOnPath},
  };
  for (const Row& R : Rows) {
    SCOPED_TRACE(::testing::Message() << "(" << R.X << "," << R.Y << ")");
    EXPECT_EQ(PointInPath(Tri, R.X, R.Y), R.In);
    EXPECT_EQ(PointInPath(TPoint{R.X, R.Y}, Tri), R.Where);
  }
  // The full 32-bit range: differences reach 2^32 - 1 and products ~2^64.
  const TCanvasPoints Huge{{kMin32, kMin32}, {kMax32, kMin32}, {0, kMax32}};
  EXPECT_TRUE(PointInPath(Huge, 0, 0));
  EXPECT_FALSE(PointInPath(Huge, kMax32, 0));
  EXPECT_FALSE(PointInPath(Huge, kMin32, 0));
  EXPECT_TRUE(PointInPath(Huge, kMin32 / 2 + 1, 0));
  EXPECT_EQ(PointInPath(TPoint{0, 0}, Huge), clInsidePath);
  EXPECT_EQ(PointInPath(TPoint{kMax32, 0}, Huge), clOutsidePath);
  EXPECT_EQ(PointInPath(TPoint{kMax32, kMin32}, Huge), clOnPath);
  EXPECT_EQ(PointInPath(TPoint{0, kMin32}, Huge), clOnPath);
}

TEST(PolygonHitTest, LargeCoordinatesFloatForm) {
  const TZKPoints Tri{{-1e9f, -1e9f}, {1e9f, -1e9f}, {0, 1e9f}};
  EXPECT_TRUE(PointInPath(Tri, 0.0f, 0.0f));
  EXPECT_TRUE(PointInPath(Tri, 4.9e8f, 0.0f));
  EXPECT_FALSE(PointInPath(Tri, 5.1e8f, 0.0f));
  EXPECT_EQ(PointInPath(TPointF{0, 0}, Tri), clInsidePath);
  EXPECT_EQ(PointInPath(TPointF{5.1e8f, 0}, Tri), clOutsidePath);
  EXPECT_EQ(PointInPath(TPointF{5e8f, 0}, Tri), clOnPath);
}

// ZKClosePolygon is an ordinary vertex here.
TEST(PolygonHitTest, ClosePolygonMarkerIsAVertex) {
  const TZKPoints Tri{{0, 0}, {100, 0}, ZKClosePolygon};
  // Between y = x and the edge from (100,0) to the marker.
  EXPECT_TRUE(PointInPath(Tri, 59955.0f, 59950.0f));
  EXPECT_FALSE(PointInPath(Tri, 59945.0f, 59950.0f));
  EXPECT_EQ(PointInPath(TPointF{59955, 59950}, Tri), clInsidePath);
  EXPECT_EQ(PointInPath(ZKClosePolygon, Tri), clOnPath);
}

TEST(PolygonHitTest, NaNNeverCounts) {
  EXPECT_FALSE(PointInPath(kSquareF, kNaNf, 5.0f));
  EXPECT_FALSE(PointInPath(kSquareF, 5.0f, kNaNf));
  EXPECT_EQ(PointInPath(TPointF{5, kNaNf}, kSquareF), clOutsidePath);
  // A NaN vertex: its edges never count in the yes/no form.
  const TZKPoints WithNaN{{0, 0}, {10, 0}, {kNaNf, kNaNf}, {10, 10}, {0, 10}};
  EXPECT_EQ(PointInPath(WithNaN, 5.0f, 5.0f), ReferenceFloat(WithNaN, 5.0f, 5.0f));
  EXPECT_EQ(PointInPath(WithNaN, 12.0f, 5.0f), ReferenceFloat(WithNaN, 12.0f, 5.0f));
}

TEST(PolygonHitTest, SpanAndVectorArguments) {
  // Vectors, spans and arrays are all accepted.
  const TPoint Arr[] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
  EXPECT_TRUE(PointInPath(std::span<const TPoint>(Arr), 5, 5));
  EXPECT_TRUE(PointInPath(Arr, 5, 5));
  EXPECT_EQ(PointInPath(TPoint{5, 5}, Arr), clInsidePath);
  EXPECT_TRUE(PointInPath(kSquareF, 5, 5));  // int point, float polygon
}

// The fast float loop gives the literal formula's answer, bit for bit, on a
// random polygon with many points exactly on vertices and edges.
TEST(PolygonHitTest, FloatFormMatchesFormula) {
  std::mt19937 Rng(12345);
  std::uniform_int_distribution<int> Coord(-20, 20);
  std::uniform_real_distribution<float> Real(-25.0f, 25.0f);
  for (int Poly = 0; Poly < 200; ++Poly) {
    TZKPoints P(3 + Poly % 17);
    for (TPointF& V : P) V = {static_cast<float>(Coord(Rng)) * 0.5f, static_cast<float>(Coord(Rng)) * 0.5f};
    for (int T = 0; T < 200; ++T) {
      const float X = T % 2 ? static_cast<float>(Coord(Rng)) * 0.5f : Real(Rng);
      const float Y = T % 3 ? static_cast<float>(Coord(Rng)) * 0.5f : Real(Rng);
      ASSERT_EQ(PointInPath(P, X, Y), ReferenceFloat(P, X, Y)) << Poly << " " << X << "," << Y;
    }
  }
}

// Within +-16383 the integer form agrees with the host's 32-bit formula.
TEST(PolygonHitTest, IntegerFormMatchesHostWithinSafeRange) {
  std::mt19937 Rng(54321);
  std::uniform_int_distribution<int> Coord(-16383, 16383), Small(-8, 8);
  for (int Poly = 0; Poly < 200; ++Poly) {
    TCanvasPoints P(3 + Poly % 13);
    const bool Coarse = Poly % 2;
    for (TPoint& V : P) V = Coarse ? TPoint{Small(Rng), Small(Rng)} : TPoint{Coord(Rng), Coord(Rng)};
    for (int T = 0; T < 200; ++T) {
      const TPoint Q = Coarse ? TPoint{Small(Rng), Small(Rng)} : TPoint{Coord(Rng), Coord(Rng)};
      ASSERT_EQ(PointInPath(P, Q.X, Q.Y), ReferenceInt(P, Q.X, Q.Y)) << Poly << " " << Q.X << "," << Q.Y;
      // Points strictly inside/outside agree between the two forms of the
      // three-valued test and the yes/no test.
      const TPathClickLocation W = PointInPath(Q, P);
      if (W != clOnPath) {
        ASSERT_EQ(W == clInsidePath, PointInPath(P, Q.X, Q.Y));
      }
      TZKPoints PF;
      for (const TPoint& V : P) PF.push_back({static_cast<float>(V.X), static_cast<float>(V.Y)});
      ASSERT_EQ(PointInPath(TPointF{static_cast<float>(Q.X), static_cast<float>(Q.Y)}, PF), W);
    }
  }
}

} // namespace
} // namespace zk
