#include "geometry/Geometry.h"

#include <cmath>
#include <limits>
#include <stdexcept>

#include "runtime/Exceptions.h"
#include "runtime/FloatCompare.h"
#include "runtime/NumberText.h"

namespace zk {
namespace {

// A 64-bit canvas value stored into a 32-bit field. Within +-2^31 the
// rounding is done in double directly (nearbyint: ties to even under the
// default rounding mode, as `CanvasRound`), which spares the extended
// precision path every coordinate of a drawn path would otherwise take;
// the rest (huge, infinite, NaN) goes through `CanvasRound` and its checks.
std::int32_t Round32(double Value) {
  if (std::fabs(Value) < 0x1p31) return static_cast<std::int32_t>(std::nearbyint(Value));
  return Low32(CanvasRound(Value));
}

// 32-bit host sums and differences, wrapping (formed modulo 2^64, so even an
// int64 operand near its limits cannot overflow; only the low 32 bits count).
std::int32_t Add32(std::int32_t A, std::int64_t B) noexcept {
  return Low32(static_cast<std::int64_t>(static_cast<std::uint64_t>(A) + static_cast<std::uint64_t>(B)));
}
std::int32_t Sub64(std::int32_t A, std::int64_t B) noexcept {
  return Low32(static_cast<std::int64_t>(static_cast<std::uint64_t>(A) - static_cast<std::uint64_t>(B)));
}
std::int32_t Sub32(std::int32_t A, std::int32_t B) noexcept {
  return Low32(static_cast<std::int64_t>(A) - B);
}

// One coordinate of ZKCenterPoint(A, B, Fraction).
float Between(float A, float B, float Fraction) noexcept {
  if (B == A) return B;
  return static_cast<float>(static_cast<double>(A) +
                            (static_cast<double>(B) - A) * static_cast<double>(Fraction));
}

} // namespace

// ---- Canvas coordinate family --------------------------------------------

std::int64_t CanvasRound(double Value) { return HostRound(Value); }

std::int64_t CanvasTrunc(double Value) { return HostTrunc(Value); }

std::int64_t CanvasDiv(std::int64_t A, std::int64_t B) { return HostDiv(A, B); }

std::int64_t CanvasDiv(double A, double B) {
  if (B == 0) {
    if (A == 0 || std::isnan(A)) throw EInvalidOp();
    throw EZeroDivide();
  }
  return CanvasRound(A / B);
}

int CanvasMax(std::span<const int> Values) {
  if (Values.empty()) throw std::invalid_argument("require at least one value");
  int Result = Values[0];
  for (int V : Values)
    if (V > Result) Result = V;
  return Result;
}

int CanvasMin(std::span<const int> Values) {
  if (Values.empty()) throw std::invalid_argument("require at least one value");
  int Result = Values[0];
  for (int V : Values)
    if (V < Result) Result = V;
  return Result;
}

TPoint CanvasPoint(int X, int Y) noexcept { return {X, Y}; }

TPoint CanvasPoint(float X, float Y) { return {Round32(X), Round32(Y)}; }

TRect CanvasRect(int Left, int Top, int Right, int Bottom) noexcept {
  return {Left, Top, Right, Bottom};
}

TRect CanvasRect(float Left, float Top, float Right, float Bottom) {
  return {Round32(Left), Round32(Top), Round32(Right), Round32(Bottom)};
}

TRect CanvasRect(const TRect& R) noexcept { return R; }

TRect CanvasRect(const TRectF& R) { return ZKRectToRect(R); }

TPoint CanvasCenterPoint(const TRect& R) noexcept {
  // (Right - Left) div 2 + Left, each step in wrapping 32-bit arithmetic.
  return {Add32(R.Left, Sub32(R.Right, R.Left) / 2), Add32(R.Top, Sub32(R.Bottom, R.Top) / 2)};
}

std::string CanvasColorToString(TColor Color) { return ColorToString(Color); }

TColor StringToCanvasColor(std::string_view S) { return StringToColor(S); }

bool CanvasColorToIdent(int Color, std::string& Ident) { return ColorToIdent(Color, Ident); }

bool IdentToCanvasColor(std::string_view Ident, int& Color) { return IdentToColor(Ident, Color); }

// ---- Points ----------------------------------------------------------------

TPointF ZKPoint(const TPoint& P) noexcept {
  return {static_cast<float>(P.X), static_cast<float>(P.Y)};
}

TPointF PointToZKPoint(const TPoint& P) noexcept { return ZKPoint(P); }

TZKPoints PointsToZKPoints(std::span<const TPoint> Points) {
  TZKPoints Result;
  Result.reserve(Points.size());
  for (const TPoint& P : Points) Result.push_back(ZKPoint(P));
  return Result;
}

TPoint ZKPointToPoint(const TPointF& P) { return {Round32(P.X), Round32(P.Y)}; }

TPoint ZKPointToCanvasPoint(const TPointF& P) { return ZKPointToPoint(P); }

TCanvasPoints ZKPointsToPoints(std::span<const TPointF> Points) {
  TCanvasPoints Result;
  Result.reserve(Points.size());
  for (const TPointF& P : Points) Result.push_back(ZKPointToPoint(P));
  return Result;
}

std::string ZKPointToString(const TPointF& P, std::string_view Format) {
  // Single widened exactly (float -> long double is exact).
  std::string Text = "(";
  Text += FormatFloat(Format, static_cast<long double>(P.X), USFormatSettings);
  Text += ',';
  Text += FormatFloat(Format, static_cast<long double>(P.Y), USFormatSettings);
  Text += ')';
  return Text;
}

TPointF StringToZKPoint(std::string_view S) noexcept {
  // Token rule: the text up to the first of ",()",
  // the rest continuing after it; no delimiter takes the whole rest.
  auto NextToken = [&S]() {
    const std::size_t At = S.find_first_of(",()");
    std::string_view Token;
    if (At == std::string_view::npos) {
      Token = S;
      S = {};
    } else {
      Token = S.substr(0, At);
      S.remove_prefix(At + 1);
    }
    return Token;
  };
  try {
    (void)NextToken();  // the text before the opening parenthesis
    const std::string_view XText = NextToken();
    const std::string_view YText = NextToken();
    double X = 0, Y = 0;
    if (!TryStrToFloat(XText, X, USFormatSettings) || !TryStrToFloat(YText, Y, USFormatSettings))
      return {};
    const float FX = static_cast<float>(X), FY = static_cast<float>(Y);
    // The host stores into Single fields, which overflows (and is swallowed)
    // beyond the Single range.
    if (std::isinf(FX) || std::isinf(FY)) return {};
    return {FX, FY};
  } catch (...) {
    return {};
  }
}

bool PointsEqual(const TPointF& A, const TPointF& B) noexcept {
  return SameValue(A.X, B.X) && SameValue(A.Y, B.Y);
}

float ZKDistance(const TPointF& A, const TPointF& B) noexcept {
  const long double DX = static_cast<long double>(A.X) - B.X;
  const long double DY = static_cast<long double>(A.Y) - B.Y;
  return static_cast<float>(std::sqrt(DX * DX + DY * DY));
}

TPointF ZKCenterPoint(const TPointF& A, const TPointF& B, float Fraction) noexcept {
  return {Between(A.X, B.X, Fraction), Between(A.Y, B.Y, Fraction)};
}

TPointF ZKCenterPoint(std::span<const TPointF> Points) noexcept {
  if (Points.empty()) return {};
  float SX = 0, SY = 0;
  for (const TPointF& P : Points) {
    SX += P.X;
    SY += P.Y;
  }
  const double N = static_cast<double>(Points.size());
  return {static_cast<float>(SX / N), static_cast<float>(SY / N)};
}

TPointF ZKCenterPoint(std::span<const TPoint> Points) noexcept {
  if (Points.empty()) return {};
  float SX = 0, SY = 0;
  for (const TPoint& P : Points) {
    SX += static_cast<float>(P.X);
    SY += static_cast<float>(P.Y);
  }
  const double N = static_cast<double>(Points.size());
  return {static_cast<float>(SX / N), static_cast<float>(SY / N)};
}

TPointF ZKCenterPoint(const TRectF& R) noexcept {
  return {static_cast<float>(static_cast<double>(R.Left) + (static_cast<double>(R.Right) - R.Left) / 2),
          static_cast<float>(static_cast<double>(R.Top) + (static_cast<double>(R.Bottom) - R.Top) / 2)};
}

TZKPoints ScalePoints(const TZKPoints& Points, float SX, float SY) {
  TZKPoints Result;
  if (Points.empty()) return Result;
  const TPointF C = ZKCenterPoint(Points);
  Result.reserve(Points.size());
  for (const TPointF& P : Points)
    Result.push_back({static_cast<float>(C.X + (static_cast<double>(P.X) - C.X) * SX),
                      static_cast<float>(C.Y + (static_cast<double>(P.Y) - C.Y) * SY)});
  return Result;
}

TCanvasPoints ScalePoints(const TCanvasPoints& Points, float SX, float SY) {
  TCanvasPoints Result;
  if (Points.empty()) return Result;
  const TPointF C = ZKCenterPoint(Points);  // the Single mean, not rounded
  Result.reserve(Points.size());
  for (const TPoint& P : Points)
    Result.push_back({Round32(C.X + (static_cast<double>(P.X) - C.X) * SX),
                      Round32(C.Y + (static_cast<double>(P.Y) - C.Y) * SY)});
  return Result;
}

// ---- Rectangles --------------------------------------------------------------

TRectF ZKRect(const TRect& R) noexcept {
  return {static_cast<float>(R.Left), static_cast<float>(R.Top), static_cast<float>(R.Right),
          static_cast<float>(R.Bottom)};
}

TRectF RectToZKRect(const TRect& R) noexcept { return ZKRect(R); }

TRect ZKRectToRect(const TRectF& R) {
  return {Round32(R.Left), Round32(R.Top), Round32(R.Right), Round32(R.Bottom)};
}

int ZKRectWidth(const TRect& R) noexcept { return Sub32(R.Right, R.Left); }
float ZKRectWidth(const TRectF& R) noexcept { return R.Right - R.Left; }
int ZKRectHeight(const TRect& R) noexcept { return Sub32(R.Bottom, R.Top); }
float ZKRectHeight(const TRectF& R) noexcept { return R.Bottom - R.Top; }

bool EqualsRect(const TRect& A, const TRect& B) noexcept { return A == B; }

bool EqualsRect(const TRectF& A, const TRectF& B) noexcept {
  return SameValue(A.Left, B.Left) && SameValue(A.Top, B.Top) && SameValue(A.Right, B.Right) &&
         SameValue(A.Bottom, B.Bottom);
}

void ZKInflateRect(TRect& R, int DX, int DY) noexcept {
  R = {Sub64(R.Left, DX), Sub64(R.Top, DY), Add32(R.Right, DX), Add32(R.Bottom, DY)};
}

void ZKInflateRect(TRectF& R, float DX, float DY) noexcept {
  R = {R.Left - DX, R.Top - DY, R.Right + DX, R.Bottom + DY};
}

TRect ScaleRect(const TRect& R, float DX, float DY) {
  const std::int64_t H = CanvasRound(static_cast<double>(DX) / 2);
  const std::int64_t V = CanvasRound(static_cast<double>(DY) / 2);
  return {Sub64(R.Left, H), Sub64(R.Top, V), Add32(R.Right, H), Add32(R.Bottom, V)};
}

TRectF ScaleRect(const TRectF& R, float DX, float DY) noexcept {
  const float H = DX / 2, V = DY / 2;
  return {R.Left - H, R.Top - V, R.Right + H, R.Bottom + V};
}

} // namespace zk
