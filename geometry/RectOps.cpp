#include "geometry/RectOps.h"

#include <cmath>
#include <limits>

#include "geometry/Geometry.h"
#include "geometry/Matrix.h"

namespace zk {
namespace {

constexpr float Single(double Value) noexcept { return static_cast<float>(Value); }

// A + B wrapped to 32 bits. B may be any 64-bit value (a rounded step), so the
// sum is formed in unsigned arithmetic, which wraps instead of overflowing.
std::int32_t WrapAdd(std::int32_t A, std::int64_t B) noexcept {
  return Low32(static_cast<std::int64_t>(static_cast<std::uint64_t>(A) + static_cast<std::uint64_t>(B)));
}

// The area test of the fitting functions is on the float product, so a product
// that underflows counts as no area; the side tests keep a NaN side from
// slipping past it into a division by zero.
bool HasArea(float Width, float Height) noexcept {
  return Width != 0 && Height != 0 && Single(double(Width) * Height) != 0;
}

// The divisor of `FitRect`: the larger of the height and width ratios, the
// height ratio winning a tie.
float FitDivisor(double Width, double Height, double BoundsWidth, double BoundsHeight) noexcept {
  const float KH = Single(Height / BoundsHeight);
  const float KW = Single(Width / BoundsWidth);
  return KW > KH ? KW : KH;
}

bool ScalesTo(float K, bool Enlarge) noexcept { return (K >= 1 || Enlarge) && K != 0; }

} // namespace

// --- Centring and fitting -------------------------------------------------------

TRect CenterRect(const TPoint& P, int W, int H) noexcept { return CenterRect(P.X, P.Y, W, H); }

TRect CenterRect(int X, int Y, int W, int H) noexcept {
  const int HW = W / 2;
  const int HH = H / 2;
  return {WrapAdd(X, -std::int64_t{HW}), WrapAdd(Y, -std::int64_t{HH}), WrapAdd(X, HW), WrapAdd(Y, HH)};
}

TRectF CenterRect(const TPointF& P, float W, float H) noexcept { return CenterRect(P.X, P.Y, W, H); }

TRectF CenterRect(float X, float Y, float W, float H) noexcept {
  const float HW = W / 2;
  const float HH = H / 2;
  return {X - HW, Y - HH, X + HW, Y + HH};
}

TRectF CenterRect(TRectF& R, const TRectF& Bounds) {
  const float W = ZKRectWidth(R);
  const float H = ZKRectHeight(R);
  // Whole-unit offsets relative to Bounds' top-left, even for float rectangles.
  const std::int64_t DX = CanvasRound((double(ZKRectWidth(Bounds)) - W) / 2);
  const std::int64_t DY = CanvasRound((double(ZKRectHeight(Bounds)) - H) / 2);
  TRectF Moved{0, 0, W, H};
  OffsetZKRect(Moved, static_cast<float>(DX), static_cast<float>(DY));
  OffsetZKRect(Moved, Bounds.Left, Bounds.Top);
  R = Moved;
  return R;
}

TRect CenterRect(TRect& R, const TRect& Bounds) {
  TRectF Moved = ZKRect(R);
  CenterRect(Moved, ZKRect(Bounds));
  R = ZKRectToRect(Moved);
  return R;
}

float FitRect(TRect& R, const TRect& Bounds, bool Enlarge) {
  const int BW = ZKRectWidth(Bounds);
  const int BH = ZKRectHeight(Bounds);
  // Zero area: a 32-bit difference wraps to 0 only when it is 0, and testing
  // the sides instead of their product avoids the product's overflow.
  if (BW == 0 || BH == 0) return 1;
  int W = ZKRectWidth(R);
  int H = ZKRectHeight(R);
  const float K = FitDivisor(W, H, BW, BH);
  if (ScalesTo(K, Enlarge)) {
    W = Low32(CanvasRound(W / double(K)));
    H = Low32(CanvasRound(H / double(K)));
  }
  TRect Fitted{0, 0, W, H};
  CenterRect(Fitted, Bounds);
  R = Fitted;
  return K;
}

float FitRect(TRectF& R, const TRectF& Bounds, bool Enlarge) {
  const float BW = ZKRectWidth(Bounds);
  const float BH = ZKRectHeight(Bounds);
  if (!HasArea(BW, BH)) return 1;
  float W = ZKRectWidth(R);
  float H = ZKRectHeight(R);
  const float K = FitDivisor(W, H, BW, BH);
  if (ScalesTo(K, Enlarge)) {
    W = Single(W / double(K));
    H = Single(H / double(K));
  }
  TRectF Fitted{0, 0, W, H};
  CenterRect(Fitted, Bounds);
  R = Fitted;
  return K;
}

TRectF FitRect(const TMatrix& M, const TRectF& R, const TRectF& Bounds) noexcept {
  TMatrix N = ZKMatrixMultiply(CreateTranslateZKMatrix(Bounds.Left, Bounds.Top), M);
  const float W = ZKRectWidth(R);
  const float H = ZKRectHeight(R);
  if (HasArea(W, H)) {
    const TMatrix Stretch = CreateScaleZKMatrix(Single(double(ZKRectWidth(Bounds)) / W),
                                                Single(double(ZKRectHeight(Bounds)) / H));
    N = ZKMatrixMultiply(Stretch, N);
  }
  return ZKMatrixTransform(N, R);
}

bool OffsetZKRect(TRectF& R, float DX, float DY) noexcept {
  R = {Single(double(R.Left) + DX), Single(double(R.Top) + DY), Single(double(R.Right) + DX),
       Single(double(R.Bottom) + DY)};
  return true;
}

// --- Normalising ------------------------------------------------------------------

namespace {
template <class Rect> Rect Fixed(const Rect& R) noexcept {
  Rect Result = R;
  if (R.Right < R.Left) {
    Result.Left = R.Right;
    Result.Right = R.Left;
  }
  if (R.Bottom < R.Top) {
    Result.Top = R.Bottom;
    Result.Bottom = R.Top;
  }
  return Result;
}
} // namespace

TRect FixRect(const TRect& R) noexcept { return Fixed(R); }
TRectF FixRect(const TRectF& R) noexcept { return Fixed(R); }
void ZKNormalizeRect(TRect& R) noexcept { R = Fixed(R); }
void ZKNormalizeRect(TRectF& R) noexcept { R = Fixed(R); }

// --- Intersection and containment ------------------------------------------------

namespace {
// The host's Max and Min: the first argument only when it compares greater
// (smaller), so a NaN side yields the other rectangle's side.
template <class T> T HostMax(T A, T B) noexcept { return A > B ? A : B; }
template <class T> T HostMin(T A, T B) noexcept { return A < B ? A : B; }

template <class Rect> bool Intersected(const Rect& A, const Rect& B, Rect& R) noexcept {
  R = {HostMax(A.Left, B.Left), HostMax(A.Top, B.Top), HostMin(A.Right, B.Right), HostMin(A.Bottom, B.Bottom)};
  return R.Left <= R.Right && R.Top <= R.Bottom;
}

bool InClosedRect(const TPointF& P, const TRectF& R) noexcept {
  return R.Left <= P.X && P.X <= R.Right && R.Top <= P.Y && P.Y <= R.Bottom;
}

// Strictly on one side: both residues non-zero with the same sign.
bool SameSide(float A, float B) noexcept { return A != 0 && B != 0 && (A > 0) == (B > 0); }
} // namespace

bool ZKIntersectRect(const TRect& A, const TRect& B, TRect& R) noexcept { return Intersected(A, B, R); }
bool ZKIntersectRect(const TRectF& A, const TRectF& B, TRectF& R) noexcept { return Intersected(A, B, R); }

bool ZKIntersectRect(const TRect& A, const TRect& B) noexcept {
  TRect R;
  return Intersected(A, B, R);
}

bool ZKIntersectRect(const TRectF& A, const TRectF& B) noexcept {
  TRectF R;
  return Intersected(A, B, R);
}

bool ZKIntersectRect(const TPointF& P1, const TPointF& P2, const TRectF& R, TZKPoints& Points) {
  Points.clear();
  bool Result = InClosedRect(P1, R) && InClosedRect(P2, R);
  const TPointF TL{R.Left, R.Top}, TR{R.Right, R.Top}, BL{R.Left, R.Bottom}, BR{R.Right, R.Bottom};
  const TPointF Sides[4][2] = {{TL, TR}, {TL, BL}, {TR, BR}, {BL, BR}}; // top, left, right, bottom
  for (const auto& Side : Sides) {
    TPointF Crossing;
    if (ZKIntersectLine(P1, P2, Side[0], Side[1], Crossing)) {
      Points.push_back(Crossing);
      Result = true;
    }
  }
  return Result;
}

namespace {
// The line through P and Q as a·x + b·y + c = 0, each coefficient a Single;
// the residue of a point (a Single too) tells its side.
struct TLineEquation {
  float A, B, C;
  TLineEquation(const TPointF& P, const TPointF& Q) noexcept
      : A(Single(double(Q.Y) - P.Y)), B(Single(double(P.X) - Q.X)),
        C(Single(double(Q.X) * P.Y - double(P.X) * Q.Y)) {}
  float Residue(const TPointF& P) const noexcept { return Single(double(A) * P.X + double(B) * P.Y + C); }
};
} // namespace

bool ZKIntersectLine(const TPointF& P1, const TPointF& P2, const TPointF& P3, const TPointF& P4,
                     TPointF& R) noexcept {
  const TLineEquation L1(P1, P2);
  if (SameSide(L1.Residue(P3), L1.Residue(P4))) return false;
  const TLineEquation L2(P3, P4);
  if (SameSide(L2.Residue(P1), L2.Residue(P2))) return false;

  const float D = Single(double(L1.A) * L2.B - double(L2.A) * L1.B);
  if (D == 0 || std::isnan(D)) return false;
  // Cramer's rule on the two line equations, divided exactly (no rounding to
  // whole units).
  R = {Single((double(L1.B) * L2.C - double(L2.B) * L1.C) / D),
       Single((double(L2.A) * L1.C - double(L1.A) * L2.C) / D)};
  return true;
}

bool PtInZKRect(const TPoint& P, const TRectF& R) noexcept { return PtInZKRect(ZKPoint(P), R); }

bool PtInZKRect(const TPointF& P, const TRectF& R) noexcept {
  return R.Left <= P.X && P.X < R.Right && R.Top <= P.Y && P.Y < R.Bottom;
}

// --- Points on and in shapes ------------------------------------------------------

namespace {
template <class Point, class Rect> Point PointOnRect(const Rect& R, const Point& Mid, TConnectionPoint CP) noexcept {
  switch (CP) {
  case cpTop: return {Mid.X, R.Top};
  case cpTopRight: return {R.Right, R.Top};
  case cpRight: return {R.Right, Mid.Y};
  case cpBottomRight: return {R.Right, R.Bottom};
  case cpBottom: return {Mid.X, R.Bottom};
  case cpBottomLeft: return {R.Left, R.Bottom};
  case cpLeft: return {R.Left, Mid.Y};
  case cpTopLeft: break;
  }
  return {R.Left, R.Top};
}
} // namespace

TPoint GetPointOnRect(const TRect& R, TConnectionPoint CP) noexcept {
  return PointOnRect(R, CanvasCenterPoint(R), CP);
}

TPoint GetCanvasPointOnRect(const TRect& R, TConnectionPoint CP) noexcept { return GetPointOnRect(R, CP); }

TPointF GetZKPointOnZKRect(const TRectF& R, TConnectionPoint CP) noexcept {
  return PointOnRect(R, ZKCenterPoint(R), CP);
}

TPointF ZKCenterPoint(const TRect& R) noexcept {
  // The differences are exact in double, so a rectangle wider than 2^31 has
  // its true centre.
  return {Single((double(R.Right) - R.Left) / 2 + R.Left), Single((double(R.Bottom) - R.Top) / 2 + R.Top)};
}

TPoint InCenterPoint(const TPoint& P1, const TPoint& P2, const TPoint& P3) {
  return ZKPointToPoint(InCenterPoint(ZKPoint(P1), ZKPoint(P2), ZKPoint(P3)));
}

TPointF InCenterPoint(const TPointF& P1, const TPointF& P2, const TPointF& P3) noexcept {
  // Each vertex weighted by the length of the side opposite it.
  const double A = ZKDistance(P2, P3);
  const double B = ZKDistance(P1, P3);
  const double C = ZKDistance(P1, P2);
  const double Perimeter = A + B + C;
  if (Perimeter == 0) return {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::quiet_NaN()};
  return {Single((A * P1.X + B * P2.X + C * P3.X) / Perimeter), Single((A * P1.Y + B * P2.Y + C * P3.Y) / Perimeter)};
}

TPoint OffsetPoint(TPoint& P, int DX, int DY) noexcept {
  const TPoint Old = P;
  P = {WrapAdd(P.X, DX), WrapAdd(P.Y, DY)};
  return Old;
}

TPointF OffsetPoint(TPointF& P, float DX, float DY) noexcept {
  const TPointF Old = P;
  P = {Single(double(P.X) + DX), Single(double(P.Y) + DY)};
  return Old;
}

TPoint OffsetPoint(TPoint& P, const TPoint& Toward, float Distance) {
  const TPoint Old = P;
  const float L = ZKDistance(ZKPoint(P), ZKPoint(Toward));
  if (L == 0) return Old;
  const double F = Single(double(Distance) / L);
  // Both steps are rounded before P changes, so a failed rounding leaves P as it was.
  const std::int64_t StepY = CanvasRound(F * (std::int64_t{Toward.Y} - P.Y));
  const std::int64_t StepX = CanvasRound(F * (std::int64_t{Toward.X} - P.X));
  P = {WrapAdd(P.X, StepX), WrapAdd(P.Y, StepY)};
  return Old;
}

TPointF OffsetPoint(TPointF& P, const TPointF& Toward, float Distance) noexcept {
  const TPointF Old = P;
  const float L = ZKDistance(P, Toward);
  if (L == 0) return Old;
  const double F = Single(double(Distance) / L);
  P = {Single(P.X + F * (double(Toward.X) - P.X)), Single(P.Y + F * (double(Toward.Y) - P.Y))};
  return Old;
}

} // namespace zk
