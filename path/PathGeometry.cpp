// Bounds, transforms, flattening and polygons of a path.
#include <cmath>

#include "geometry/BezierPolygon.h"
#include "geometry/Geometry.h"
#include "geometry/Matrix.h"
#include "geometry/Tolerances.h"
#include "path/PathData.h"
#include "path/PathGeometry_p.h"
#include "runtime/FloatCompare.h"

namespace zk {

// ---- Curve sampling ---------------------------------------------------------

namespace pathdetail {

float EffectiveFlatness(float Flatness) noexcept {
  return Flatness >= MinFlatness ? Flatness : MinFlatness;
}

TCubicPowerBasis::TCubicPowerBasis(const TZKCubicBezier& P) noexcept {
  // c = 3(P1 - P0); b = 3(P2 - P1) - c; a = P3 - P0 - c - b.
  FX0 = P[0].X;
  FCx = 3.0 * (double(P[1].X) - P[0].X);
  FBx = 3.0 * (double(P[2].X) - P[1].X) - FCx;
  FAx = double(P[3].X) - P[0].X - FCx - FBx;
  FY0 = P[0].Y;
  FCy = 3.0 * (double(P[1].Y) - P[0].Y);
  FBy = 3.0 * (double(P[2].Y) - P[1].Y) - FCy;
  FAy = double(P[3].Y) - P[0].Y - FCy - FBy;
}

int CurvePieceCount(const TZKCubicBezier& Curve, float F) noexcept {
  constexpr int ProbeSamples = 6;  // t = 0, 0.2, ..., 1: five chords
  double Length = 0;
  TPointF Previous{};
  bool First = true;
  SampleCurve(Curve, ProbeSamples, [&](const TPointF& P) {
    if (!First) {
      const double DX = double(P.X) - Previous.X, DY = double(P.Y) - Previous.Y;
      Length += std::sqrt(DX * DX + DY * DY);
    }
    First = false;
    Previous = P;
    return true;
  });
  if (!std::isfinite(Length)) return 1;
  const double Pieces = Length / F;
  if (Pieces >= MaxCurvePieces) return MaxCurvePieces;
  return static_cast<int>(CanvasRound(Pieces));
}

TFlattenPlan::TFlattenPlan(std::span<const TZKPathPoint> Entries, float Flatness,
                           std::size_t MaxPoints) noexcept
    : FFlatness(EffectiveFlatness(Flatness)) {
  double Fixed = 0, Extra = 0;  // doubles: sums of up to 2^64 pieces stay ordered
  ForEachPathSegment(Entries, [&](const TZKPathSegment& S) {
    Fixed += 2;
    if (S.Kind == ppCurveTo) {
      const int N = CurvePieceCount({S.Current, S.Points[0], S.Points[1], S.Points[2]}, FFlatness);
      if (N > 2) Extra += N - 2;
    }
  });
  if (Fixed + Extra <= double(MaxPoints)) return;
  FScale = Fixed >= double(MaxPoints) ? 0 : (double(MaxPoints) - Fixed) / Extra;
}

} // namespace pathdetail

using pathdetail::TZKCubicBezier;

// ---- Bounds -------------------------------------------------------------------

TRectF TZKPathData::GetBounds() {
  if (FPathData.empty()) return {};
  if (!FRecalcBounds) return FBounds;
  TRectF B{BoundsSearchLimit, BoundsSearchLimit, -BoundsSearchLimit, -BoundsSearchLimit};
  for (const TZKPathPoint& Entry : FPathData) {
    if (Entry.Kind == ppClose) continue;  // every other entry counts, even a kind no reader knows
    const TPointF P = pathdetail::PointOf(Entry);
    if (P.X < B.Left) B.Left = P.X;
    if (P.X > B.Right) B.Right = P.X;
    if (P.Y < B.Top) B.Top = P.Y;
    if (P.Y > B.Bottom) B.Bottom = P.Y;
  }
  // A point or an axis-parallel line still gets a box: the padding is added
  // in extended precision and the sum stored as a Single, so from magnitude
  // 32768 on the padding is lost and the extent stays 0.
  if (B.Right - B.Left == 0) B.Right = static_cast<float>(B.Left + BoundsPadding);
  if (B.Bottom - B.Top == 0) B.Bottom = static_cast<float>(B.Top + BoundsPadding);
  FBounds = B;
  FRecalcBounds = false;
  return B;
}

bool TZKPathData::IsEmpty() {
  if (FPathData.empty()) return true;
  const TRectF B = GetBounds();
  const float Width = B.Right - B.Left, Height = B.Bottom - B.Top;
  return double(Width) * Height == 0;
}

// ---- Transforms ------------------------------------------------------------

namespace {
// Moves the points that transforms move: everything but the closes (and
// entries of unknown kind). A pass over the results comes first: a finite
// point that would become infinite or NaN raises `EOverflow` with the path
// untouched, so no transform turns finite input into a non-finite point.
template <class MapFn>
void MapPoints(std::vector<TZKPathPoint>& Entries, MapFn&& Map) {
  const auto Moves = [](const TZKPathPoint& E) { return E.Kind <= ppCurveTo; };
  for (const TZKPathPoint& Entry : Entries) {
    if (!Moves(Entry)) continue;
    const TPointF P = pathdetail::PointOf(Entry);
    const TPointF Q = Map(P);
    if ((std::isfinite(P.X) && std::isfinite(P.Y)) && !(std::isfinite(Q.X) && std::isfinite(Q.Y)))
      throw EOverflow("the transformed path has a point beyond the range of a Single");
  }
  for (TZKPathPoint& Entry : Entries)
    if (Moves(Entry)) {
      const TPointF Q = Map(pathdetail::PointOf(Entry));
      Entry.Point.X = Q.X;  // field by field: the packed point is unaligned
      Entry.Point.Y = Q.Y;
    }
}
} // namespace

void TZKPathData::Scale(float scaleX, float scaleY) {
  if (FPathData.empty()) return;
  MapPoints(FPathData, [&](const TPointF& P) { return TPointF{P.X * scaleX, P.Y * scaleY}; });
  Change();
}

void TZKPathData::Translate(float dX, float dY) {
  if (FPathData.empty()) return;
  MapPoints(FPathData, [&](const TPointF& P) {
    return TPointF{static_cast<float>(static_cast<long double>(P.X) + dX),
                   static_cast<float>(static_cast<long double>(P.Y) + dY)};
  });
  Change();
}

void TZKPathData::ApplyMatrix(const TMatrix& M) {
  if (FPathData.empty()) return;
  MapPoints(FPathData, [&](const TPointF& P) { return ZKMatrixMultiply(P, M); });
  Change();
}

void TZKPathData::FitToRect(const TRectF& ARect) {
  const TRectF B = GetBounds();
  const float Width = B.Right - B.Left, Height = B.Bottom - B.Top;
  if (Width == 0 || Height == 0) return;
  if (!(std::isfinite(ARect.Left) && std::isfinite(ARect.Top) && std::isfinite(ARect.Right) &&
        std::isfinite(ARect.Bottom)))
    throw EInvalidOp("FitToRect: the target rectangle is not finite");
  // X' = (X - Left) * (ARect.Right - ARect.Left) / Width + ARect.Left, each
  // axis in double and rounded once to a Single. A Single scale would
  // overflow for a tiny extent (100 / 1e-38), and infinity times a zero
  // offset is NaN; in double the scale stays finite for every pair of
  // Singles, and every point within the bounds lands within ARect.
  const double SX = (double(ARect.Right) - ARect.Left) / (double(B.Right) - B.Left);
  const double SY = (double(ARect.Bottom) - ARect.Top) / (double(B.Bottom) - B.Top);
  MapPoints(FPathData, [&](const TPointF& P) {
    return TPointF{static_cast<float>((double(P.X) - B.Left) * SX + ARect.Left),
                   static_cast<float>((double(P.Y) - B.Top) * SY + ARect.Top)};
  });
  Change();
}

// ---- Flattening ---------------------------------------------------------------

void TZKPathData::Flatten(float Flatness) {
  if (FPathData.empty()) return;
  const std::vector<TZKPathPoint> Source = std::move(FPathData);
  FPathData.clear();
  pathdetail::WalkFlattened(Source, Flatness, MaxFlattenedEntries,
                            [this](TZKPathPointKind Kind, const TPointF& P) {
    switch (Kind) {
      case ppMoveTo: MoveTo(P); break;
      case ppLineTo: LineTo(P); break;
      default: ClosePath(); break;
    }
    return true;
  });
  Change();
}

TPointF TZKPathData::FlattenToPolygon(TZKPoints& Polygon, float Flatness) {
  Polygon.clear();
  if (FPathData.empty()) return {};
  // Equal means SameValue with the host's Epsilon: exact in practice.
  const auto Append = [&Polygon](const TPointF& P) {
    if (!Polygon.empty() && SameValue(P.X, Polygon.back().X, Epsilon) &&
        SameValue(P.Y, Polygon.back().Y, Epsilon))
      return true;
    Polygon.push_back(P);
    return true;
  };
  const pathdetail::TFlattenPlan Plan(FPathData, Flatness, MaxFlattenedEntries);
  TPointF Start{};
  ForEachPathSegment(FPathData, [&](const TZKPathSegment& S) {
    switch (S.Kind) {
      case ppMoveTo:
        if (!Polygon.empty()) Append(ZKClosePolygon);
        Start = S.Points[0];
        Append(Start);
        break;
      case ppLineTo:
        Append(S.Points[0]);
        break;
      case ppCurveTo: {
        // Unlike `Flatten`, a curve repeats its start here even when it is
        // one straight piece: after a close that start follows the marker.
        const TZKCubicBezier Curve{S.Current, S.Points[0], S.Points[1], S.Points[2]};
        const int N = Plan.Pieces(Curve);
        if (N < 2) {
          Append(S.Current);
          Append(Curve[3]);
        } else {
          pathdetail::SampleCurve(Curve, N, Append);
        }
        break;
      }
      case ppClose:
        Append(Start);
        Append(ZKClosePolygon);
        break;
      default:
        break;
    }
  });
  const TRectF B = GetBounds();
  return {std::fabs(B.Right - B.Left), std::fabs(B.Bottom - B.Top)};
}

// ---- Polygons -------------------------------------------------------------------

const TZKPolygons& TZKPathData::ToPolygons() {
  if (FPolygonsCached) return FPolygons;
  struct Collect {
    TZKPolygons Result;
    TZKPoints Current;
    bool Move(const TPointF& P) {
      if (!Current.empty()) Result.push_back(std::move(Current));
      Current.assign(1, P);
      return true;
    }
    bool Point(const TPointF& P) {
      Current.push_back(P);
      return true;
    }
    bool Close() {
      if (!Current.empty()) Current.push_back(Current.front());
      Result.push_back(std::move(Current));
      Current.clear();
      return true;
    }
  } Sink;
  pathdetail::WalkPolygons(FPathData, false, Sink);
  if (!Sink.Current.empty()) Sink.Result.push_back(std::move(Sink.Current));
  FPolygons = std::move(Sink.Result);
  FPolygonsCached = FLength > 0;
  return FPolygons;
}

} // namespace zk
