#include "geometry/PolygonHitTest.h"
#include "geometry/PolygonHitTest_p.h"

#include <cstddef>
#include <cstdint>

namespace zk {
namespace {

__extension__ using Int128 = __int128;

} // namespace

bool PointInPath(std::span<const TPoint> Points, int X, int Y) noexcept {
  const std::size_t N = Points.size();
  if (N < 3) return false;
  bool Inside = false;
  TPoint Pj = Points[N - 1];
  for (std::size_t I = 0; I < N; ++I) {
    const TPoint Pi = Points[I];
    if ((Pi.Y <= Y && Y < Pj.Y) || (Pj.Y <= Y && Y < Pi.Y)) {
      // X < Pi.x + (Pj.x - Pi.x)(Y - Pi.y) / Dy  <=>  (X - Pi.x) Dy  <  P  (Dy > 0)
      //                                          <=>  (X - Pi.x) Dy  >  P  (Dy < 0)
      const std::int64_t Dy = static_cast<std::int64_t>(Pj.Y) - Pi.Y;  // never 0 here
      const Int128 P = static_cast<Int128>(static_cast<std::int64_t>(Pj.X) - Pi.X) *
                       (static_cast<std::int64_t>(Y) - Pi.Y);
      const Int128 L = static_cast<Int128>(static_cast<std::int64_t>(X) - Pi.X) * Dy;
      if (Dy > 0 ? L < P : L > P) Inside = !Inside;
    }
    Pj = Pi;
  }
  return Inside;
}

bool PointInPath(std::span<const TPointF> Points, float X, float Y) noexcept {
  const std::size_t N = Points.size();
  if (N < 3) return false;
  const TPointF* const P = Points.data();
  TEvenOddRay Ray(X, Y);
  TPointF Pj = P[N - 1];
  for (std::size_t I = 0; I < N; ++I) {
    const TPointF Pi = P[I];
    Ray.Edge(Pi, Pj);
    Pj = Pi;
  }
  return Ray.Inside();
}

namespace {

// Hormann-Agathos, even-odd variant. Coord is the coordinate type, Cross
// computes the sign-relevant d for the edge A -> B about R.
template <class Point, class CrossFn>
TPathClickLocation Locate(const Point& R, std::span<const Point> Points, CrossFn Cross) noexcept {
  const std::size_t N = Points.size();
  if (N < 3) return clOutsidePath;
  int C = 0;
  for (std::size_t I = 0; I < N; ++I) {
    const Point& A = Points[I];
    const Point& B = Points[I + 1 == N ? 0 : I + 1];
    if (B.Y == R.Y) {
      if (B.X == R.X) return clOnPath;
      if (A.Y == R.Y && ((B.X > R.X) == (A.X < R.X))) return clOnPath;
    }
    if ((A.Y < R.Y) == (B.Y < R.Y)) continue;
    if (A.X >= R.X) {
      if (B.X > R.X) {
        C = 1 - C;
      } else {
        const int S = Cross(A, B, R);
        if (S == 0) return clOnPath;
        if ((S > 0) == (B.Y > A.Y)) C = 1 - C;
      }
    } else if (A.X < R.X && B.X > R.X) {  // explicit: a NaN A.x matches no case
      const int S = Cross(A, B, R);
      if (S == 0) return clOnPath;
      if ((S > 0) == (B.Y > A.Y)) C = 1 - C;
    }
  }
  return C == 1 ? clInsidePath : clOutsidePath;
}

} // namespace

TPathClickLocation PointInPath(const TPoint& P, std::span<const TPoint> Points) noexcept {
  return Locate(P, Points, [](const TPoint& A, const TPoint& B, const TPoint& R) {
    const Int128 D =
        static_cast<Int128>(static_cast<std::int64_t>(A.X) - R.X) * (static_cast<std::int64_t>(B.Y) - R.Y) -
        static_cast<Int128>(static_cast<std::int64_t>(B.X) - R.X) * (static_cast<std::int64_t>(A.Y) - R.Y);
    return D > 0 ? 1 : (D < 0 ? -1 : 0);
  });
}

TPathClickLocation PointInPath(const TPointF& P, std::span<const TPointF> Points) noexcept {
  return Locate(P, Points, [](const TPointF& A, const TPointF& B, const TPointF& R) {
    const double D = (static_cast<double>(A.X) - R.X) * (static_cast<double>(B.Y) - R.Y) -
                     (static_cast<double>(B.X) - R.X) * (static_cast<double>(A.Y) - R.Y);
    // NaN d: neither > 0 nor = 0; the host's (d > 0) = (B.y > A.y) then
    // compares false with B.y > A.y.
    return D > 0 ? 1 : (D == 0 ? 0 : -1);
  });
}

} // namespace zk
