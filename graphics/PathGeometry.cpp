// Bounds, transforms, flattening and polygons of a path.
#include <cmath>

#include "graphics/BezierPolygon.h"
#include "graphics/Geometry.h"
#include "graphics/Matrix.h"
#include "graphics/PathData.h"
#include "graphics/PathGeometry_p.h"
#include "graphics/Tolerances.h"
#include "runtime/FloatCompare.h"

namespace zk {

// ---- Curve sampling ---------------------------------------------------------

namespace pathdetail {

float EffectiveFlatness(float Flatness) noexcept {
  return Flatness >= MinFlatness ? Flatness : MinFlatness;
}

bool CurveAt(std::span<const TZKPathPoint> Entries, std::size_t I, const TPointF& Start,
             TZKCubicBezier& Curve) noexcept {
  if (Entries.size() - I < 3) return false;
  Curve = {Start, PointOf(Entries[I]), PointOf(Entries[I + 1]), PointOf(Entries[I + 2])};
  return true;
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
// Visits the points that transforms move: everything but the closes (and
// entries of unknown kind).
template <class MapFn>
void MapPoints(std::vector<TZKPathPoint>& Entries, MapFn&& Map) {
  for (TZKPathPoint& Entry : Entries)
    if (Entry.Kind == ppMoveTo || Entry.Kind == ppLineTo || Entry.Kind == ppCurveTo) {
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
  // Each scale is the quotient of the two extents rounded once to a Single:
  // extents rounded first would put the far edge a few units in the last
  // place off the rectangle.
  const auto Quotient = [](float RectLow, float RectHigh, float BoundsLow, float BoundsHigh) {
    return static_cast<float>((static_cast<long double>(RectHigh) - RectLow) /
                              (static_cast<long double>(BoundsHigh) - BoundsLow));
  };
  const float SX = Quotient(ARect.Left, ARect.Right, B.Left, B.Right);
  const float SY = Quotient(ARect.Top, ARect.Bottom, B.Top, B.Bottom);
  const TMatrix M = ZKMatrixMultiply(
      ZKMatrixMultiply(CreateTranslateZKMatrix(-B.Left, -B.Top), CreateScaleZKMatrix(SX, SY)),
      CreateTranslateZKMatrix(ARect.Left, ARect.Top));
  ApplyMatrix(M);
}

// ---- Flattening ---------------------------------------------------------------

void TZKPathData::Flatten(float Flatness) {
  if (FPathData.empty()) return;
  const std::vector<TZKPathPoint> Source = std::move(FPathData);
  FPathData.clear();
  pathdetail::WalkFlattened(Source, Flatness, [this](TZKPathPointKind Kind, const TPointF& P) {
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
  const float F = pathdetail::EffectiveFlatness(Flatness);
  // Equal means SameValue with the host's Epsilon: exact in practice.
  const auto Append = [&Polygon](const TPointF& P) {
    if (!Polygon.empty() && SameValue(P.X, Polygon.back().X, Epsilon) &&
        SameValue(P.Y, Polygon.back().Y, Epsilon))
      return true;
    Polygon.push_back(P);
    return true;
  };
  TPointF Current{}, Start{};
  for (std::size_t I = 0; I < FPathData.size(); ++I) {
    const TZKPathPoint& Entry = FPathData[I];
    switch (Entry.Kind) {
      case ppMoveTo:
        if (!Polygon.empty()) Append(ZKClosePolygon);
        Current = Start = pathdetail::PointOf(Entry);
        Append(Current);
        break;
      case ppLineTo:
        Current = pathdetail::PointOf(Entry);
        Append(Current);
        break;
      case ppCurveTo: {
        TZKCubicBezier Curve;
        if (!pathdetail::CurveAt(FPathData, I, Current, Curve)) {
          I = FPathData.size();
          break;
        }
        I += 2;
        const int N = pathdetail::CurvePieceCount(Curve, F);
        if (N < 2) {
          Append(Current);
          Append(Curve[3]);
        } else {
          pathdetail::SampleCurve(Curve, N, Append);
        }
        Current = Curve[3];
        break;
      }
      case ppClose:
        Append(Start);
        Append(ZKClosePolygon);
        break;
      default:
        break;
    }
  }
  const TRectF B = GetBounds();
  return {std::fabs(B.Right - B.Left), std::fabs(B.Bottom - B.Top)};
}

// ---- Polygons -------------------------------------------------------------------

const TZKPolygons& TZKPathData::ToPolygons() {
  if (FLength > 0) return FPolygons;
  TZKPolygons Result;
  TZKPoints Current;
  for (std::size_t I = 0; I < FPathData.size(); ++I) {
    const TZKPathPoint& Entry = FPathData[I];
    switch (Entry.Kind) {
      case ppMoveTo:
        if (!Current.empty()) Result.push_back(std::move(Current));
        Current.assign(1, pathdetail::PointOf(Entry));
        break;
      case ppLineTo:
        Current.push_back(pathdetail::PointOf(Entry));
        break;
      case ppCurveTo: {
        // The curve starts at whatever entry precedes it (a close included);
        // one that opens the path starts at the origin.
        TZKCubicBezier Curve;
        const TPointF Start = I > 0 ? pathdetail::PointOf(FPathData[I - 1]) : TPointF{};
        if (!pathdetail::CurveAt(FPathData, I, Start, Curve)) {
          I = FPathData.size();
          break;
        }
        I += 2;
        const TZKPoints Spline =
            BezierPolygonPoints(TZKPoints(Curve.begin(), Curve.end()), false, false, 1);
        Current.insert(Current.end(), Spline.begin(), Spline.end());
        break;
      }
      case ppClose:
        if (!Current.empty()) Current.push_back(Current.front());
        Result.push_back(std::move(Current));
        Current.clear();
        break;
      default:
        break;
    }
  }
  if (!Current.empty()) Result.push_back(std::move(Current));
  FPolygons = std::move(Result);
  return FPolygons;
}

} // namespace zk
