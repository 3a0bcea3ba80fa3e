// Any bytes as two sets of contours (lines and curves on a small integer
// grid, so that edges coincide and vertices are shared, or at any finite
// float coordinates), combined by every operation under both fill rules and
// simplified. Run with -rss_limit_mb=2048. Every result must be finite,
// bounded, made of closed contours, and its area must agree with the
// others: |A or B| + |A and B| = |A| + |B|, |A xor B| = |A or B| - |A and B|,
// |A - B| = |A| - |A and B|, within the region decision's tolerance.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "pathops/PathBoolean.h"
#include "runtime/Exceptions.h"

namespace {

using namespace zk;

struct TReader {
  const std::uint8_t* Data;
  std::size_t Size;
  std::uint8_t Byte() {
    if (Size == 0) return 0;
    --Size;
    return *Data++;
  }
  double Coordinate(bool Wide) {
    if (!Wide || Size < 4) return double(Byte() % 16);
    float V;
    std::memcpy(&V, Data, 4);
    Data += 4;
    Size -= 4;
    return std::isfinite(V) ? V : 0.0;
  }
};

std::vector<TPathContour> Contours(TReader& R) {
  std::vector<TPathContour> Out;
  const int Count = R.Byte() % 5;
  for (int C = 0; C < Count; ++C) {
    const std::uint8_t Flags = R.Byte();
    const bool Wide = (Flags & 1) != 0;
    TPathContour K;
    K.Start = {R.Coordinate(Wide), R.Coordinate(Wide)};
    TPointD Pen = K.Start;
    const int Segments = 1 + R.Byte() % 8;
    for (int S = 0; S < Segments; ++S) {
      const bool Curve = (R.Byte() & 1) != 0;
      if (Curve) {
        const TPointD P1{R.Coordinate(Wide), R.Coordinate(Wide)}, P2{R.Coordinate(Wide), R.Coordinate(Wide)};
        const TPointD P3{R.Coordinate(Wide), R.Coordinate(Wide)};
        K.Segments.push_back({true, {Pen, P1, P2, P3}});
        Pen = P3;
      } else {
        const TPointD P{R.Coordinate(Wide), R.Coordinate(Wide)};
        K.Segments.push_back(TContourSegment::Line(Pen, P));
        Pen = P;
      }
    }
    if ((Flags & 2) != 0) {
      K.Segments.push_back(TContourSegment::Line(Pen, K.Start));
      K.Closed = true;
    }
    Out.push_back(std::move(K));
  }
  return Out;
}

// Aborts, naming the property that failed, so a finding says what broke.
void Check(bool Condition, const char* What) {
  if (Condition) return;
  std::fprintf(stderr, "property failed: %s\n", What);
  std::abort();
}

// The signed area of closed contours, curves sampled; checks every point.
double Area(const std::vector<TPathContour>& Cs) {
  std::size_t Entries = 0;
  double A = 0;
  for (const TPathContour& C : Cs) {
    Check(C.Closed && !C.Segments.empty(), "closed contours with segments");
    Entries += 2;
    TPointD Pen = C.Start;
    for (const TContourSegment& S : C.Segments) {
      Check(S.Start() == Pen, "segments joined");
      Entries += S.IsCurve ? 3 : 1;
      const int N = S.IsCurve ? 16 : 1;
      for (int I = 1; I <= N; ++I) {
        const TPointD Q = I == N ? S.End() : CubicPoint(S.Curve, double(I) / N);
        Check(std::isfinite(Q.X) && std::isfinite(Q.Y), "finite points");
        A += (Pen.X * Q.Y - Q.X * Pen.Y) / 2;
        Pen = Q;
      }
    }
    Check(Pen == C.Start, "contour closed at its start");
  }
  Check(Entries <= MaxResultEntries, "bounded result");
  return A;
}

double Extent(const std::vector<TPathContour>& A, const std::vector<TPathContour>& B) {
  double Lo = 0, Hi = 0;
  for (const auto* Cs : {&A, &B})
    for (const TPathContour& C : *Cs)
      for (const TContourSegment& S : C.Segments)
        for (const TPointD& P : {S.Curve.P0, S.Curve.P1, S.Curve.P2, S.Curve.P3}) {
          Lo = std::fmin(Lo, std::fmin(P.X, P.Y));
          Hi = std::fmax(Hi, std::fmax(P.X, P.Y));
        }
  return Hi - Lo;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  TReader R{Data, Size};
  const auto A = Contours(R), B = Contours(R);
  if (std::getenv("ZK_FUZZ_VERBOSE"))
    for (const auto* Cs : {&A, &B}) {
      for (const TPathContour& C : *Cs) {
        std::fprintf(stderr, "M%.9g,%.9g", C.Start.X, C.Start.Y);
        for (const TContourSegment& S : C.Segments)
          if (S.IsCurve)
            std::fprintf(stderr, " C%.9g,%.9g %.9g,%.9g %.9g,%.9g", S.Curve.P1.X, S.Curve.P1.Y, S.Curve.P2.X,
                         S.Curve.P2.Y, S.Curve.P3.X, S.Curve.P3.Y);
          else
            std::fprintf(stderr, " L%.9g,%.9g", S.End().X, S.End().Y);
        std::fprintf(stderr, C.Closed ? " Z " : " ");
      }
      std::fprintf(stderr, "\n");
    }
  const double E = Extent(A, B);
  // Sliver decisions (2^-16 of the extent along each edge) and the
  // sampling of curves in Area make the identities hold only roughly.
  const double Tolerance = 1e-2 * E * E + 1e-9;
  for (TZKFillMode Rule : {fmNonZero, fmEvenOdd}) {
    try {
      const double SA = Area(Simplify(A, Rule)), SB = Area(Simplify(B, Rule));
      const double U = Area(Combine(A, B, TPathOp::Union, Rule, Rule));
      const double I = Area(Combine(A, B, TPathOp::Intersection, Rule, Rule));
      const double D = Area(Combine(A, B, TPathOp::Difference, Rule, Rule));
      const double X = Area(Combine(A, B, TPathOp::Xor, Rule, Rule));
      if (std::isfinite(Tolerance)) {
        if (std::getenv("ZK_FUZZ_VERBOSE"))
          std::fprintf(stderr, "A %g B %g union %g intersection %g difference %g xor %g (tolerance %g)\n", SA, SB, U,
                       I, D, X, Tolerance);
        Check(std::fabs(U + I - SA - SB) <= Tolerance, "|A or B| + |A and B| = |A| + |B|");
        Check(std::fabs(X - (U - I)) <= Tolerance, "|A xor B| = |A or B| - |A and B|");
        Check(std::fabs(D - (SA - I)) <= Tolerance, "|A - B| = |A| - |A and B|");
      }
    } catch (const EResultTooLarge&) {
    }
  }
  return 0;
}
