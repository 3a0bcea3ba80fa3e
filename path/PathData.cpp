#include "path/PathData.h"

#include <algorithm>
#include <cstring>
#include <exception>

#include "geometry/Geometry.h"
#include "runtime/Exceptions.h"
#include "runtime/NumberText.h"

namespace zk {

namespace {
// Relative coordinates are summed in extended precision and stored as Single.
TPointF Add(const TPointF& A, const TPointF& B) {
  return {static_cast<float>(static_cast<long double>(A.X) + B.X),
          static_cast<float>(static_cast<long double>(A.Y) + B.Y)};
}
} // namespace

TZKPathData::TZKPathData() : FFormatStr(DefaultPathFormat) {}

TZKPathData::~TZKPathData() = default;

std::unique_ptr<TZKPathData> TZKPathData::Clone() const {
  auto Copy = ClassType()();
  Copy->Assign(this);
  return Copy;
}

void TZKPathData::Assign(const TPersistent* Source) {
  const auto* Path = dynamic_cast<const TZKPathData*>(Source);
  if (Path == nullptr) {
    TPersistent::Assign(Source);
    return;
  }
  if (Path == this) {
    Change();
    return;
  }
  FPathData = Path->FPathData;
  FFillMode = Path->FFillMode;
  FFormatStr = Path->FFormatStr;
  Change();
  // After Change: the source's measurements describe the entries just copied.
  FLength = Path->FLength;
  FDistances = Path->FDistances;
  FPolygons = Path->FPolygons;
  FPolygonsCached = Path->FPolygonsCached;
  FDistancesCached = Path->FDistancesCached;
}

void TZKPathData::Append(const TZKPathData& Source) {
  if (FPathData.empty()) {
    Assign(&Source);
    return;
  }
  const std::size_t Old = FPathData.size();
  const std::size_t Added = Source.FPathData.size();
  // Indexes, not iterators: Source may be this path, whose first Added
  // entries are the ones to copy. Copies, not resize: value-initialising a
  // packed entry would construct its point at an unaligned address.
  FPathData.reserve(Old + Added);
  for (std::size_t I = 0; I < Added; ++I) FPathData.push_back(Source.FPathData[I]);
  Change();
}

// ---- Notification ---------------------------------------------------------

void TZKPathData::BeginUpdate() noexcept {
  FUpdateCount = static_cast<std::int32_t>(static_cast<std::uint32_t>(FUpdateCount) + 1u);
}

void TZKPathData::EndUpdate() {
  FUpdateCount = static_cast<std::int32_t>(static_cast<std::uint32_t>(FUpdateCount) - 1u);
  if (FUpdateCount == 0) Change();
}

void TZKPathData::Change() {
  // The caches go at once, also inside an update bracket: a measure taken
  // between two modifications of one bracket must see the first of them.
  FRecalcBounds = true;
  FLength = 0;
  FDistances.clear();
  FPolygons.clear();
  FPolygonsCached = FDistancesCached = false;
  if (FUpdateCount > 0) return;
  if (OnChanged) OnChanged(this);
}

TZKPathUpdate::TZKPathUpdate(TZKPathData& Path) noexcept
    : FPath(Path), FUncaught(std::uncaught_exceptions()) {
  FPath.BeginUpdate();
}

TZKPathUpdate::~TZKPathUpdate() noexcept(false) {
  if (std::uncaught_exceptions() == FUncaught) {
    FPath.EndUpdate();
    return;
  }
  try {
    FPath.EndUpdate();
  } catch (...) {
    // Unwinding already: a second exception would terminate the program.
  }
}

// ---- Reading --------------------------------------------------------------

TZKPathPoint TZKPathData::Points(int AIndex) const {
  if (AIndex < 0 || AIndex >= Count())
    throw ERangeError("List index out of bounds (" + std::to_string(AIndex) + ")");
  return FPathData[static_cast<std::size_t>(AIndex)];
}

TPointF TZKPathData::LastPoint() const noexcept {
  return FPathData.empty() ? TPointF{} : FPathData.back().Point;
}

void TZKPathData::SetFillMode(TZKFillMode Value) {
  if (Value == FFillMode) return;
  FFillMode = Value;
  Change();
}

void TZKPathData::SetFormatStr(const std::string& Value) {
  if (Value == FFormatStr) return;
  (void)FormatFloat(Value, 123.45L, USFormatSettings);  // raises for an unusable picture
  FFormatStr = Value;
}

bool TZKPathData::IsFormatStrStored() const noexcept { return FFormatStr != DefaultPathFormat; }

// ---- Building -------------------------------------------------------------

void TZKPathData::Push(TZKPathPointKind Kind, const TPointF& P) {
  FPathData.push_back(TZKPathPoint{Kind, P});
}

void TZKPathData::PushCurves(const float* X, const float* Y, std::size_t Count) {
  // Room for all first, so that a curve is never left half appended; grown
  // by doubling, as push_back would, since a reserve of just these entries
  // would copy the whole path on every curve.
  const std::size_t Size = FPathData.size();
  if (FPathData.capacity() - Size < Count) FPathData.reserve(std::max(Size + Count, 2 * FPathData.capacity()));
  for (std::size_t I = 0; I < Count; ++I) FPathData.push_back(TZKPathPoint{ppCurveTo, {X[I], Y[I]}});
  for (std::size_t I = 0; I < Count; I += 3) Change();
}

void TZKPathData::Clear() {
  FPathData.clear();
  Change();
}

void TZKPathData::MoveTo(const TPointF& P) {
  Push(ppMoveTo, P);
  FStartPoint = P;
  Change();
}

void TZKPathData::MoveToRel(const TPointF& P) { MoveTo(Add(LastPoint(), P)); }

void TZKPathData::LineTo(const TPointF& P) {
  Push(ppLineTo, P);
  Change();
}

void TZKPathData::LineToRel(const TPointF& P) { LineTo(Add(LastPoint(), P)); }

void TZKPathData::HLineTo(float X) { LineTo({X, LastPoint().Y}); }

void TZKPathData::HLineToRel(float X) { LineTo(Add(LastPoint(), {X, 0})); }

void TZKPathData::VLineTo(float Y) { LineTo({LastPoint().X, Y}); }

void TZKPathData::VLineToRel(float Y) { LineTo(Add(LastPoint(), {0, Y})); }

void TZKPathData::CurveTo(const TPointF& ControlPoint1, const TPointF& ControlPoint2,
                          const TPointF& EndPoint) {
  const float X[] = {ControlPoint1.X, ControlPoint2.X, EndPoint.X};
  const float Y[] = {ControlPoint1.Y, ControlPoint2.Y, EndPoint.Y};
  PushCurves(X, Y, 3);
}

void TZKPathData::CurveToRel(const TPointF& ControlPoint1, const TPointF& ControlPoint2,
                             const TPointF& EndPoint) {
  const TPointF C = LastPoint();
  CurveTo(Add(C, ControlPoint1), Add(C, ControlPoint2), Add(C, EndPoint));
}

void TZKPathData::QuadCurveTo(const TPointF& ControlPoint, const TPointF& EndPoint) {
  // Degree elevation: the cubic with Q1 = C/3 + 2K/3 and Q2 = 2K/3 + E/3 is
  // the same curve as the quadratic (C, K, E). Summed in extended precision.
  constexpr long double Third = 1.0L / 3.0L, TwoThirds = 2.0L / 3.0L;
  const TPointF C = LastPoint();
  const auto Mix = [](float A, long double WA, float B, long double WB) {
    return static_cast<float>(A * WA + B * WB);
  };
  const TPointF Q1{Mix(C.X, Third, ControlPoint.X, TwoThirds), Mix(C.Y, Third, ControlPoint.Y, TwoThirds)};
  const TPointF Q2{Mix(ControlPoint.X, TwoThirds, EndPoint.X, Third),
                   Mix(ControlPoint.Y, TwoThirds, EndPoint.Y, Third)};
  CurveTo(Q1, Q2, EndPoint);
}

void TZKPathData::SmoothCurveTo(const TPointF& ControlPoint2, const TPointF& EndPoint) {
  // Reflection of the previous second control point Q about C: C + (C - Q).
  const TPointF C = LastPoint();
  TPointF R = C;
  if (FPathData.size() > 2 && FPathData.back().Kind == ppCurveTo) {
    const TPointF Q = FPathData[FPathData.size() - 2].Point;
    R = {static_cast<float>(C.X + (static_cast<long double>(C.X) - Q.X)),
         static_cast<float>(C.Y + (static_cast<long double>(C.Y) - Q.Y))};
  }
  CurveTo(R, ControlPoint2, EndPoint);
}

void TZKPathData::SmoothCurveToRel(const TPointF& ControlPoint2, const TPointF& EndPoint) {
  const TPointF C = LastPoint();
  SmoothCurveTo(Add(C, ControlPoint2), Add(C, EndPoint));
}

void TZKPathData::ClosePath() {
  Push(ppClose, FStartPoint);
  Change();
}

// ---- Polygons and rectangles ----------------------------------------------

void TZKPathData::AddPolygon(const TCanvasPoints& Poly) {
  if (Poly.empty()) return;
  TZKPathUpdate Update(*this);
  MoveTo(PointToZKPoint(Poly.front()));
  for (std::size_t I = 1; I < Poly.size(); ++I) LineTo(PointToZKPoint(Poly[I]));
  if (Poly.back() == Poly.front()) ClosePath();
}

void TZKPathData::AddPolygon(const TZKPoints& Poly) {
  if (Poly.empty()) return;
  TZKPathUpdate Update(*this);
  MoveTo(Poly.front());
  for (std::size_t I = 1; I + 1 < Poly.size(); ++I) LineTo(Poly[I]);
  if (Poly.back() == Poly.front())
    ClosePath();
  else
    LineTo(Poly.back());
}

template <class PolygonList>
void TZKPathData::AddPolygonsOf(const PolygonList& Poly) {
  TZKPathUpdate Update(*this);
  for (const auto& P : Poly) AddPolygon(P);
}

void TZKPathData::AddPolygons(const TPointPolygons& Poly) { AddPolygonsOf(Poly); }

void TZKPathData::AddPolygons(const TZKPolygons& Poly) { AddPolygonsOf(Poly); }

void TZKPathData::AddRectangle(const TRectF& ARect) {
  TZKPathUpdate Update(*this);
  MoveTo({ARect.Left, ARect.Top});
  LineTo({ARect.Right, ARect.Top});
  LineTo({ARect.Right, ARect.Bottom});
  LineTo({ARect.Left, ARect.Bottom});
  ClosePath();
}

} // namespace zk
