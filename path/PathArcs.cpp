// Curved shapes of a path: ellipses, rectangles with shaped corners, arcs by
// centre and angles, SVG arcs by end points, and pie or donut slices.
#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cmath>
#include <limits>
#include <numbers>
#include <span>
#include <tuple>

#include "geometry/Matrix.h"
#include "geometry/Tolerances.h"
#include "path/PathArcs.h"
#include "path/PathData.h"
#include "runtime/Exceptions.h"
#include "runtime/FloatCompare.h"
#include "runtime/NumberText.h"
#include "runtime/Rounding.h"

namespace zk {
namespace {

constexpr double Pi = std::numbers::pi;
constexpr double FloatMax = std::numeric_limits<float>::max();

// Degrees to radians as the host converts a Single: rounded back to float.
double DegToRadF(float Degrees) noexcept { return static_cast<float>(Degrees * (Pi / 180)); }
float RadToDegF(double Radians) noexcept { return static_cast<float>(Radians * (180 / Pi)); }
double DegToRad(double Degrees) noexcept { return Degrees * (Pi / 180); }

/// V stored as a float, failing as the host's store does: NaN is an invalid
/// operation, a magnitude beyond float an overflow.
[[noreturn, gnu::cold, gnu::noinline]] void ThrowNotSingle(double V) {
  if (std::isnan(V)) throw EInvalidOp();
  throw EOverflow();
}

inline float ToSingle(double V) {
  // One comparison on the common path; it is false for NaN as well.
  if (!(std::fabs(V) <= FloatMax)) [[unlikely]]
    ThrowNotSingle(V);
  return static_cast<float>(V);
}

// Raises EInvalidOp unless every value is finite; one branch for them all.
template <class... TValues>
inline void RequireFinite(TValues... Values) {
  if (!(std::isfinite(double(Values)) & ...)) [[unlikely]]
    throw EInvalidOp();
}

/// An arc cut into pieces of at most a quarter turn, in radians.
struct TArcSplit {
  double Start = 0;
  int Count = 0;
  std::array<double, 4> Sweeps{};
};

// The quarter steps use the float pi of the host (cPI), whose half is 4.4e-8
// above pi/2; a full turn is therefore exactly four pieces.
constexpr double QuarterTurn = cPI / 2.0;

TArcSplit SplitArc(float StartAngle, float SweepAngle) {
  const double TwoPi = 2.0 * cPI, Quarter = QuarterTurn;
  TArcSplit S;
  const double Theta = DegToRadF(StartAngle);
  // Within a turn the truncated quotient is 0 and the start stays Theta
  // exactly (Theta - 0.0 keeps even a -0); only larger angles need the cut.
  const double Turns = Theta / TwoPi;
  S.Start = std::fabs(Turns) < 1 ? Theta : Theta - TwoPi * static_cast<double>(HostTrunc(Turns));
  const double Sweep = std::clamp(DegToRadF(SweepAngle), -TwoPi, TwoPi);
  if (std::fabs(Sweep) < ArcSweepEpsilon) return S;
  double Total = 0;
  for (bool Done = false; !Done && S.Count < int(S.Sweeps.size());) {
    const double Remaining = Sweep - Total;
    double Piece;
    if (Sweep >= 0) {
      Total += Quarter;
      Done = !(Sweep - ArcPieceSlack > Total);
      Piece = Done ? Remaining : Quarter;
    } else {
      Total -= Quarter;
      Done = Sweep + ArcPieceSlack >= Total;
      Piece = Done ? Remaining : -Quarter;
    }
    S.Sweeps[S.Count++] = Piece;
  }
  return S;
}

/// The points of an arc: the start point, then the two control points and the
/// end point of each piece. Held in place, as an arc has at most four pieces;
/// only the first Size are written.
struct TArcPoints {
  static constexpr std::size_t Capacity = 1 + 3 * std::tuple_size_v<decltype(TArcSplit::Sweeps)>;
  float X[Capacity];
  float Y[Capacity];
  std::size_t Size = 0;

  bool empty() const noexcept { return Size == 0; }
  TPointF operator[](std::size_t I) const noexcept { return {X[I], Y[I]}; }
};

/// The unit arc from -Phi to +Phi: its end points (c, -+s) and control points
/// at 4/3 tan(Phi/2) along the tangents, (c + k, -+w) with k = 4(1 - cos Phi)/3
/// and w = sin Phi - cos Phi k / sin Phi.
struct TUnitArc {
  double s, c, k, w;
};

TUnitArc UnitArc(double Phi) noexcept {
  const double s = std::sin(Phi), c = std::cos(Phi), k = 4 * (1 - c) / 3;
  return {s, c, k, s - c * k / s};
}

// V hidden from the compiler, so that a value computed once comes from the
// C library at run time, as the calls it stands for do, and not from the
// compiler's own evaluation of a constant (which may round differently).
double AtRunTime(double V) noexcept {
  const volatile double Opaque = V;
  return Opaque;
}

// The unit arcs of a quarter turn either way, which every piece but an arc's
// last one is.
const TUnitArc QuarterForward = UnitArc(AtRunTime(QuarterTurn / 2));
const TUnitArc QuarterBackward = UnitArc(AtRunTime(-QuarterTurn / 2));

// ---- Exact shortcuts of the arc maths ----------------------------------------
//
// Arcs of real path data mostly start, end and turn on the axes of their
// ellipse, so a few arguments reach the trigonometry again and again. Each
// shortcut gives exactly what its call gives: a value C's Annex F fixes
// (hypot(x, +-0) = |x|, hypot symmetric), or the call's own result for that
// very argument, computed once.

// std::hypot(X, Y), without the call when a side is zero.
inline double Hypot(double X, double Y) noexcept {
  if (Y == 0) return std::fabs(X);
  if (X == 0) return std::fabs(Y);
  return std::hypot(X, Y);
}

// std::acos(X), without the call for the cosines of axis angles: 1, +-0, -1.
inline double Acos(double X) noexcept {
  struct TAxisAcos {
    double One, Zero, MinusZero, MinusOne;
  };
  static const TAxisAcos Axis{std::acos(AtRunTime(1.0)), std::acos(AtRunTime(0.0)), std::acos(AtRunTime(-0.0)),
                              std::acos(AtRunTime(-1.0))};
  if (X == 1) return Axis.One;
  if (X == 0) return std::signbit(X) ? Axis.MinusZero : Axis.Zero;
  if (X == -1) return Axis.MinusOne;
  return std::acos(X);
}

struct TSinCos {
  double Sin, Cos;
};

// std::sin(A) and std::cos(A). The middle angle of a quarter piece that
// starts on an axis is (n + 1/2) quarter turns, exact in double; arcs within
// +-2 turns (all that SplitArc makes) give n from -8 to 7, taken from a
// table. The slot is guessed by a multiplication and confirmed exactly.
inline TSinCos SinCos(double A) noexcept {
  constexpr int MiddleCount = 16, FirstMiddle = -8;
  static const std::array<TSinCos, MiddleCount> Middles = [] {
    std::array<TSinCos, MiddleCount> T{};
    for (int I = 0; I < MiddleCount; ++I) {
      const double Middle = AtRunTime((I + FirstMiddle + 0.5) * QuarterTurn);
      T[I] = {std::sin(Middle), std::cos(Middle)};
    }
    return T;
  }();
  const double Slot = A * (1 / QuarterTurn) - (FirstMiddle + 0.5);
  if (Slot > -0.5 && Slot < MiddleCount - 0.5) {
    const int I = static_cast<int>(Slot + 0.5);
    if ((I + FirstMiddle + 0.5) * QuarterTurn == A) return Middles[I];
  }
  return {std::sin(A), std::cos(A)};
}


/// Division by one number, again and again: as a multiplication by its
/// inverse when it is a power of two. That inverse is exact, so the product
/// is the quotient, bit for bit, and it does not hold up what waits for it.
/// The radii of real path data mostly are such powers (1/2, 1, 2).
class TDivisor {
public:
  explicit TDivisor(double D) noexcept : FD(D) {
    const auto Bits = std::bit_cast<std::uint64_t>(D);
    constexpr std::uint64_t Fraction = (std::uint64_t{1} << 52) - 1;
    const auto Exponent = (Bits >> 52) & 0x7FF;
    // A normal power of two: 2^-1022 to 2^1023, whose inverses all exist
    // (2^-1023 as a subnormal).
    if ((Bits & Fraction) == 0 && Exponent != 0 && Exponent != 0x7FF) FInverse = 1 / D;
  }
  double Into(double X) const noexcept { return FInverse != 0 ? X * FInverse : X / FD; }

private:
  double FD, FInverse = 0;
};

/// The points of an arc on the ellipse (CX, CY, RX, RY). Nothing is appended,
/// so a failure leaves the path alone.
TArcPoints ArcCurvePoints(const TArcSplit& S, double CX, double CY, double RX, double RY) {
  TArcPoints Out;
  double Theta = S.Start;
  for (int i = 0; i < S.Count; ++i) {
    // The unit arc of the piece, turned to its middle angle and scaled onto
    // the ellipse: its points (c, -s), (c + k, -w), (c + k, w), (c, s).
    const double Sweep = S.Sweeps[i], Phi = Sweep / 2;
    const TUnitArc U = Sweep == QuarterTurn    ? QuarterForward
                       : Sweep == -QuarterTurn ? QuarterBackward
                                               : UnitArc(Phi);
    const TSinCos Turn = SinCos(Theta + Phi);
    const double ca = Turn.Cos, sa = Turn.Sin, ck = U.c + U.k;
    const auto Put = [&](double QX, double QY) {
      Out.X[Out.Size] = ToSingle(CX + RX * (QX * ca - QY * sa));
      Out.Y[Out.Size++] = ToSingle(CY + RY * (QX * sa + QY * ca));
    };
    if (i == 0) Put(U.c, -U.s);
    Put(ck, -U.w);
    Put(ck, U.w);
    Put(U.c, U.s);
    Theta += Sweep;
  }
  return Out;
}

} // namespace

// ---- Ellipses and rectangles ------------------------------------------------

void TZKPathData::AddEllipse(const TRectF& ARect) {
  const double L = ARect.Left, T = ARect.Top, R = ARect.Right, B = ARect.Bottom;
  const double CX = (L + R) / 2, CY = (T + B) / 2;
  const double KX = (R - L) / 2 * EllipseKappa, KY = (B - T) / 2 * EllipseKappa;
  auto P = [](double X, double Y) { return TPointF{float(X), float(Y)}; };
  MoveTo(P(L, CY));
  CurveTo(P(L, CY - KY), P(CX - KX, T), P(CX, T));
  CurveTo(P(CX + KX, T), P(R, CY - KY), P(R, CY));
  CurveTo(P(R, CY + KY), P(CX + KX, B), P(CX, B));
  CurveTo(P(CX - KX, B), P(L, CY + KY), P(L, CY));
}

namespace {

/// A radius reduced to half the side when it exceeds it, as r * side / (2r):
/// r = 0 on a reversed side (0/0) and an infinite r (inf/inf) are invalid.
float ClampCornerRadius(float Radius, double Side) {
  const double r = Radius;
  if (!(Side - 2 * r < 0)) return Radius;
  const double Numerator = r * Side, Denominator = 2 * r;
  if (Denominator == 0 || (std::isinf(Numerator) && std::isinf(Denominator))) throw EInvalidOp();
  return static_cast<float>(Numerator / Denominator);
}

} // namespace

void TZKPathData::AddRectangle(const TRectF& ARect, float XRadius, float YRadius,
                               TZKCorners ACorners, TZKCornerType ACornerType) {
  const double L = ARect.Left, T = ARect.Top, R = ARect.Right, B = ARect.Bottom;
  const double RX = ClampCornerRadius(XRadius, R - L), RY = ClampCornerRadius(YRadius, B - T);

  // A corner runs from K + S to K + E, where K is the square corner and S, E
  // lie along its two edges; I = K + S + E is the inner point. Fractions of S
  // and E of 0, 1/2 and 1 place every control point.
  struct TCorner {
    TZKCorner Which;
    double KX, KY, SX, SY, EX, EY;
  };
  const std::array<TCorner, 4> Corners{{
      {crTopLeft, L, T, 0, RY, RX, 0},
      {crTopRight, R, T, -RX, 0, 0, RY},
      {crBottomRight, R, B, 0, -RY, -RX, 0},
      {crBottomLeft, L, B, RX, 0, 0, -RY},
  }};
  auto At = [](const TCorner& C, double FS, double FE) {
    // Skips zero fractions so that an infinite radius does not make 0 * inf.
    auto Part = [](double V, double F) { return F == 0 ? 0.0 : V * F; };
    return TPointF{float(C.KX + Part(C.SX, FS) + Part(C.EX, FE)),
                   float(C.KY + Part(C.SY, FS) + Part(C.EY, FE))};
  };

  MoveTo({float(L), float(T + RY)});
  for (const TCorner& C : Corners) {
    const TPointF End = At(C, 0, 1);
    if (!ACorners.Contains(C.Which)) {
      LineTo(At(C, 0, 0));
      LineTo(End);
    } else {
      switch (ACornerType) {
        case ctRound: CurveTo(At(C, 0.5, 0), At(C, 0, 0.5), End); break;
        case ctBevel: LineTo(End); break;
        case ctInnerRound: CurveTo(At(C, 1, 0.5), At(C, 0.5, 1), End); break;
        case ctInnerLine:
          LineTo(At(C, 1, 0.5));
          LineTo(At(C, 0.5, 1));
          LineTo(End);
          break;
        default: LineTo(End); break;  // not a corner type: a stored byte out of range
      }
    }
    // The straight edge to the start of the next corner; the last corner ends
    // where the figure began.
    if (C.Which == crTopLeft) LineTo({float(R - RX), float(T)});
    if (C.Which == crTopRight) LineTo({float(R), float(B - RY)});
    if (C.Which == crBottomRight) LineTo({float(L + RX), float(B)});
  }
  ClosePath();
}

// ---- Arcs by centre and angles ------------------------------------------------

void TZKPathData::AddArc(const TPointF& Center, const TPointF& Radius, float StartAngle,
                         float SweepAngle) {
  RequireFinite(Center.X, Center.Y, Radius.X, Radius.Y, SweepAngle);
  TArcPoints Arc = ArcCurvePoints(SplitArc(StartAngle, SweepAngle), Center.X, Center.Y, Radius.X, Radius.Y);
  if (Arc.empty()) return;
  if (Count() == 0)
    MoveTo(Arc[0]);
  else
    LineTo(Arc[0]);
  PushCurves(Arc.X + 1, Arc.Y + 1, Arc.Size - 1); // the pieces after the start point
}

void TZKPathData::AddArcSvgPart(const TPointF& Center, const TPointF& Radius, float StartAngle,
                                float SweepAngle) {
  RequireFinite(Center.X, Center.Y, Radius.X, Radius.Y, SweepAngle);
  TArcPoints Arc = ArcCurvePoints(SplitArc(StartAngle, SweepAngle), Center.X, Center.Y, Radius.X, Radius.Y);
  if (Arc.empty()) return;
  PushCurves(Arc.X + 1, Arc.Y + 1, Arc.Size - 1); // the pieces after the start point
}

// ---- SVG arcs by end points ----------------------------------------------------

void TZKPathData::AddArcSvg(const TPointF& StartPoint, const TPointF& Radius, float XAxisRotation,
                            bool LargeArc, bool Sweep, const TPointF& EndPoint) {
  RequireFinite(StartPoint.X, StartPoint.Y, EndPoint.X, EndPoint.Y, Radius.X, Radius.Y, XAxisRotation);
  // Only exactly equal end points make the standing ellipse: under a tolerant
  // equality the short arcs of small drawings would become whole ellipses.
  if (StartPoint == EndPoint) {
    const double X = StartPoint.X, Y = StartPoint.Y;
    AddEllipse({ToSingle(X - Radius.X), ToSingle(Y - 2.0 * Radius.Y), ToSingle(X + Radius.X),
                StartPoint.Y});
    return;
  }

  // Endpoint to centre conversion (SVG implementation notes, F.6.5), in double
  // so that tiny radii do not underflow when squared.
  const double x1 = StartPoint.X, y1 = StartPoint.Y, x2 = EndPoint.X, y2 = EndPoint.Y;
  double rx = std::fabs(double(Radius.X)), ry = std::fabs(double(Radius.Y));
  const float Phi = static_cast<float>(DegToRadF(XAxisRotation));
  // cos(+-0) = 1 and sin(+-0) = +-0 exactly: an unturned ellipse, as nearly
  // every arc of real path data has, needs no trigonometry here.
  const double CosPhi = Phi == 0 ? 1.0 : std::cos(double(Phi));
  const double SinPhi = Phi == 0 ? double(Phi) : std::sin(double(Phi));
  const double dx = (x1 - x2) / 2, dy = (y1 - y2) / 2;
  const double x1p = CosPhi * dx + SinPhi * dy, y1p = -SinPhi * dx + CosPhi * dy;

  // The host divides by the squared radius here: x/0 is a zero divide, 0/0 an
  // invalid operation. The parser drops the command on either.
  if (rx == 0) {
    if (x1p == 0) throw EInvalidOp();
    throw EZeroDivide();
  }
  if (ry == 0) {
    if (y1p == 0) throw EInvalidOp();
    throw EZeroDivide();
  }
  const double Lambda = TDivisor(rx * rx).Into(x1p * x1p) + TDivisor(ry * ry).Into(y1p * y1p);
  if (Lambda > 1) {
    const double Scale = std::sqrt(Lambda);
    rx *= Scale;
    ry *= Scale;
  }
  const TDivisor ByRX(rx), ByRY(ry);
  const double rx2 = rx * rx, ry2 = ry * ry;
  const double Q = (rx2 * ry2 - rx2 * y1p * y1p - ry2 * x1p * x1p) / (rx2 * y1p * y1p + ry2 * x1p * x1p);
  const double Coef = Q < 0 ? 0 : (LargeArc == Sweep ? -1 : 1) * std::sqrt(Q);
  const double cxp = ByRY.Into(Coef * rx * y1p), cyp = ByRX.Into(-Coef * ry * x1p);
  const double CX = CosPhi * cxp - SinPhi * cyp + (x1 + x2) / 2;
  const double CY = SinPhi * cxp + CosPhi * cyp + (y1 + y2) / 2;

  const double ux = ByRX.Into(x1p - cxp), uy = ByRY.Into(y1p - cyp);
  const double vx = ByRX.Into(-x1p - cxp), vy = ByRY.Into(-y1p - cyp);
  // Without a centre offset (cxp, cyp are zeros) v is -u up to signs of
  // zeros, and hypot looks only at magnitudes. A finite LenU rules out the
  // NaN offsets of an infinite radius.
  const double LenU = Hypot(ux, uy);
  const double LenV = Coef == 0 && std::isfinite(LenU) ? LenU : Hypot(vx, vy);
  double Theta1 = Acos(std::clamp(ux / LenU, -1.0, 1.0));
  if (uy < 0) Theta1 = -Theta1;
  double DTheta = Acos(std::clamp((ux * vx + uy * vy) / (LenU * LenV), -1.0, 1.0));
  if (ux * vy - uy * vx < 0) DTheta = -DTheta;
  if (!Sweep && DTheta > 0) DTheta -= 2 * Pi;
  if (Sweep && DTheta < 0) DTheta += 2 * Pi;

  // The arc about the origin, then rotated by phi and moved to the centre,
  // each point through the float matrix as a path transform would do it.
  const TArcSplit Split = SplitArc(RadToDegF(Theta1), RadToDegF(DTheta));
  TArcPoints Arc = ArcCurvePoints(Split, 0, 0, ToSingle(rx), ToSingle(ry));
  if (Arc.empty()) return;
  // Unturned, the product is the translation itself, with a zero offset
  // made +0 as the product's sums make it. (The centre's two conversions
  // stay in one call, which keeps the order in which they may raise.)
  const TMatrix Moved = CreateTranslateZKMatrix(ToSingle(CX), ToSingle(CY));
  bool Finite = true;
  if (Phi == 0) {
    // The translation's product X 1 + Y 0 + m31 is X + m31 for every finite
    // Y, signs of zero included, as m31 is never -0 here.
    const double TX = Moved.m31 + 0.0f, TY = Moved.m32 + 0.0f;
    for (std::size_t I = 0; I < Arc.Size; ++I) {
      Arc.X[I] = static_cast<float>(Arc.X[I] + TX);
      Arc.Y[I] = static_cast<float>(Arc.Y[I] + TY);
      Finite &= std::isfinite(Arc.X[I]) & std::isfinite(Arc.Y[I]);
    }
  } else {
    const TMatrix M = ZKMatrixMultiply(CreateRotationZKMatrix(Phi), Moved);
    for (std::size_t I = 0; I < Arc.Size; ++I) {
      const TPointF Point = ZKMatrixMultiply(Arc[I], M);
      Arc.X[I] = Point.X;
      Arc.Y[I] = Point.Y;
      Finite &= std::isfinite(Point.X) & std::isfinite(Point.Y);
    }
  }
  if (!Finite) throw EOverflow();
  PushCurves(Arc.X + 1, Arc.Y + 1, Arc.Size - 1); // the pieces after the start point
}

// ---- Pie and donut slices -------------------------------------------------------

namespace {

// The checks both forms of a slice make: finite input, radii within
// `MaxSliceRadius` (so every point and control point fits a Single), and
// turned angles that stay finite. Radii come back in order, the angles in
// radians.
void CheckSlice(double StartAngle, double EndAngle, double& InnerRadius, double& OuterRadius,
                double AngleOffset, double& s, double& e) {
  RequireFinite(StartAngle, EndAngle, InnerRadius, OuterRadius, AngleOffset);
  if (InnerRadius > OuterRadius) std::swap(InnerRadius, OuterRadius);
  if (std::fabs(InnerRadius) > MaxSliceRadius || std::fabs(OuterRadius) > MaxSliceRadius)
    throw EOverflow();
  s = DegToRad(StartAngle + AngleOffset);
  e = DegToRad(EndAngle + AngleOffset);
  RequireFinite(s, e);
}

} // namespace

TZKPathData& Arc(TZKPathData& Path, double StartAngle, double EndAngle, double InnerRadius,
                 double OuterRadius, double AngleOffset) {
  double s = 0, e = 0;
  CheckSlice(StartAngle, EndAngle, InnerRadius, OuterRadius, AngleOffset, s, e);
  const double h = std::fabs(e - s);
  const bool Forward = s <= e;
  const float O = float(OuterRadius), I = float(InnerRadius);
  auto OnCircle = [](double Radius, double Angle) {
    return TPointF{float(Radius * std::cos(Angle)), float(Radius * std::sin(Angle))};
  };
  auto FullCircle = [&Path](float r, bool Direction) {
    Path.MoveTo({0, r});
    Path.AddArcSvg({0, r}, {r, r}, 0, true, Direction, {0, -r});
    Path.AddArcSvg({0, -r}, {r, r}, 0, true, Direction, {0, r});
  };

  if (h < 2 * Pi - FullTurnSlack) {
    const bool Large = h > Pi;
    const TPointF OuterStart = OnCircle(OuterRadius, s), InnerEnd = OnCircle(InnerRadius, e);
    Path.MoveTo(OuterStart);
    Path.AddArcSvg(OuterStart, {O, O}, 0, Large, Forward, OnCircle(OuterRadius, e));
    Path.LineTo(InnerEnd);
    if (InnerRadius > 0) Path.AddArcSvg(InnerEnd, {I, I}, 0, Large, !Forward, OnCircle(InnerRadius, s));
  } else {
    FullCircle(O, Forward);
    if (InnerRadius > 0) FullCircle(I, !Forward);
  }
  Path.ClosePath();
  return Path;
}

std::string Arc(double StartAngle, double EndAngle, double InnerRadius, double OuterRadius,
                double AngleOffset) {
  double s = 0, e = 0;
  CheckSlice(StartAngle, EndAngle, InnerRadius, OuterRadius, AngleOffset, s, e);
  if (e < s) std::swap(s, e);
  const double Sweep = e - s;
  const double O = OuterRadius, I = InnerRadius;
  auto N = [](double V) { return FloatToStr(V, USFormatSettings); };

  if (Sweep < 2 * Pi - FullTurnSlack) {
    const std::string Large = Sweep < Pi ? "0" : "1";
    std::string Text = std::string("M") + N(O * std::cos(s)) + "," + N(O * std::sin(s)) + "A" + N(O) + "," +
                       N(O) + " 0 " + Large + ",1 " + N(O * std::cos(e)) + "," + N(O * std::sin(e));
    if (I == 0) return Text + "L0,0Z";
    return Text + "L" + N(I * std::cos(e)) + "," + N(I * std::sin(e)) + "A" + N(I) + "," + N(I) +
           " 0 " + Large + ",0 " + N(I * std::cos(s)) + "," + N(I * std::sin(s)) + "Z";
  }
  auto Circle = [&N](double r, const char* SweepFlag) {
    const std::string HalfTurn = std::string("A") + N(r) + "," + N(r) + " 0 1," + SweepFlag + " 0,";
    return std::string("M0,") + N(r) + HalfTurn + "-" + N(r) + HalfTurn + N(r);
  };
  std::string Text = Circle(O, "1");
  if (I != 0) Text += Circle(I, "0");
  return Text + "Z";
}

} // namespace zk
