#pragma once
/// Geometry conversions and canvas rounding.
///
/// The graphics unit computes in Single (`TPointF`, `TRectF`); the canvas takes
/// 32-bit integers (`TPoint`, `TRect`). This header fixes how a floating value
/// becomes a canvas coordinate (the `Canvas` family), the conversions between
/// the integer and floating records, small measures on them, the point text
/// form and the graphics unit's exception class.
///
/// Rounding contract: the only rounding used to make a canvas coordinate is
/// `CanvasRound` (nearest, exact halves to even; 2.5 -> 2, -2.5 -> -2). A
/// rectangle is rounded side by side. Where a 64-bit rounded value is stored
/// into a 32-bit `TPoint`/`TRect` field, its low 32 bits are kept (`Low32`, no
/// clamping). 32-bit integer sums and differences wrap as the host's do (they
/// are formed in 64 bits and narrowed with `Low32`).
///
/// Errors: `CanvasRound`/`CanvasTrunc` of NaN, an infinity or a value outside
/// [-2^63, 2^63) raise `EInvalidOp`, and so does every function here that
/// rounds such a value. The integer `CanvasDiv` raises `EDivByZero` for B = 0;
/// the floating `CanvasDiv` raises `EZeroDivide` for B = 0 with A != 0 and
/// `EInvalidOp` for B = 0 with A = 0 or NaN. Nothing traps; every error is an
/// explicit `throw`.
///
/// Overload resolution (C++ has implicit float->int conversions the host does
/// not): the scalar `CanvasPoint`/`CanvasRect`/`CanvasDiv` overloads have
/// forwarding templates so that any call with at least one floating argument
/// takes the floating form (Single for `CanvasPoint`/`CanvasRect`, as the host
/// would pass a Double to a Single parameter), and a call with only integer
/// arguments takes the integer form.
///
/// `ScaleRect(TRect, ...)` and base/HelperFunctions.h: the base package has
/// `ScaleRect(const TRect&, int, int)` (DX div 2), this header the rounding
/// `ScaleRect(const TRect&, float, float)` (CanvasRound(DX / 2)). When both
/// headers are visible, `ScaleRect(R, 1, 3)` with integer arguments resolves
/// to the BASE form (exact match; gives (0,-1,10,11) for (0,0,10,10)); any
/// floating argument (`ScaleRect(R, 1.0f, 3.0f)`, `ScaleRect(R, 1.0, 3)`)
/// resolves to the rounding form ((0,-2,10,12)). Callers that mean the
/// rounding form must pass floating amounts.
#include <concepts>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "base/ZKConstants.h"
#include "runtime/Colors.h"
#include "runtime/Records.h"
#include "runtime/Rounding.h"

namespace zk {

/// The graphics unit's exception class; adds nothing to `EZKException` and no
/// routine of this library raises it.
class EZKGfxException : public EZKException {
public:
  using EZKException::EZKException;
};

// ---- Canvas coordinate family --------------------------------------------

/// Nearest integer, exact halves to the even one (0.5 -> 0, 1.5 -> 2,
/// 2.5 -> 2, -2.5 -> -2). NaN, infinity, beyond +-2^63 raise `EInvalidOp`.
std::int64_t CanvasRound(double Value);

/// Integer part toward zero (2.7 -> 2, -2.7 -> -2). Errors as `CanvasRound`.
std::int64_t CanvasTrunc(double Value);

/// A div B, truncated toward zero (7, 2 -> 3; -7, 2 -> -3). B = 0 raises
/// `EDivByZero`; INT64_MIN div -1 raises `EIntOverflow`.
std::int64_t CanvasDiv(std::int64_t A, std::int64_t B);

/// CanvasRound(A / B), the division in double. B = 0 raises `EZeroDivide`
/// when A != 0 (and not NaN), `EInvalidOp` when A = 0 or NaN; a quotient
/// without a 64-bit integer form raises `EInvalidOp`.
std::int64_t CanvasDiv(double A, double B);

/// Integer arguments of any integer type take the integer form.
template <std::integral A, std::integral B>
std::int64_t CanvasDiv(A X, B Y) {
  return CanvasDiv(static_cast<std::int64_t>(X), static_cast<std::int64_t>(Y));
}

///@{
/// Largest / smallest element. An empty range raises std::invalid_argument
/// ("require at least one value").
int CanvasMax(std::span<const int> Values);
int CanvasMin(std::span<const int> Values);
inline int CanvasMax(std::initializer_list<int> Values) {
  return CanvasMax(std::span<const int>(Values.begin(), Values.size()));
}
inline int CanvasMin(std::initializer_list<int> Values) {
  return CanvasMin(std::span<const int>(Values.begin(), Values.size()));
}
///@}

/// (X, Y).
TPoint CanvasPoint(int X, int Y) noexcept;
/// (round X, round Y), each kept to its low 32 bits.
TPoint CanvasPoint(float X, float Y);
/// Any floating argument: converted to Single first, then the Single form.
template <class A, class B>
  requires(std::is_arithmetic_v<A> && std::is_arithmetic_v<B> &&
           (std::floating_point<A> || std::floating_point<B>))
TPoint CanvasPoint(A X, B Y) {
  return CanvasPoint(static_cast<float>(X), static_cast<float>(Y));
}

/// The four values as given.
TRect CanvasRect(int Left, int Top, int Right, int Bottom) noexcept;
/// Each value rounded (low 32 bits kept).
TRect CanvasRect(float Left, float Top, float Right, float Bottom);
/// Any floating argument: converted to Single first, then the Single form.
template <class A, class B, class C, class D>
  requires(std::is_arithmetic_v<A> && std::is_arithmetic_v<B> && std::is_arithmetic_v<C> &&
           std::is_arithmetic_v<D> &&
           (std::floating_point<A> || std::floating_point<B> || std::floating_point<C> ||
            std::floating_point<D>))
TRect CanvasRect(A Left, B Top, C Right, D Bottom) {
  return CanvasRect(static_cast<float>(Left), static_cast<float>(Top), static_cast<float>(Right),
                    static_cast<float>(Bottom));
}
/// A copy of R.
TRect CanvasRect(const TRect& R) noexcept;
/// `ZKRectToRect(R)`.
TRect CanvasRect(const TRectF& R);

/// The host's `CenterPoint`: ((Right - Left) div 2 + Left, (Bottom - Top) div 2
/// + Top) in wrapping 32-bit arithmetic ((-3,0,0,0) -> (-2,0); (5,0,0,0) ->
/// (3,0)).
TPoint CanvasCenterPoint(const TRect& R) noexcept;

///@{
/// Colour names: the runtime's `ColorToString`, `StringToColor` (raises
/// `EConvertError`), `ColorToIdent`, `IdentToColor`.
std::string CanvasColorToString(TColor Color);
TColor StringToCanvasColor(std::string_view S);
bool CanvasColorToIdent(int Color, std::string& Ident);
bool IdentToCanvasColor(std::string_view Ident, int& Color);
///@}

// ---- Points ----------------------------------------------------------------

/// (X, Y).
constexpr TPointF ZKPoint(float X, float Y) noexcept { return {X, Y}; }
///@{
/// (P.X, P.Y) converted to Single (nearest, for magnitudes above 2^24).
TPointF ZKPoint(const TPoint& P) noexcept;
TPointF PointToZKPoint(const TPoint& P) noexcept;
///@}
/// A new array of the same length, each point converted.
TZKPoints PointsToZKPoints(std::span<const TPoint> Points);

///@{
/// (round P.X, round P.Y), low 32 bits kept.
TPoint ZKPointToPoint(const TPointF& P);
TPoint ZKPointToCanvasPoint(const TPointF& P);
///@}
/// A new array of the same length, each coordinate rounded.
TCanvasPoints ZKPointsToPoints(std::span<const TPointF> Points);

/// "(" X "," Y ")" with each coordinate formatted by `FormatFloat(Format,
/// value, USFormatSettings)` ((0.1, 0) with "0.#########" -> "(0.100000001,0)").
std::string ZKPointToString(const TPointF& P, std::string_view Format);

/// Parses the point text form: three tokens split at the first of ',', '(' or
/// ')'; the first is discarded, the second is X, the third Y (StrToFloat under
/// `USFormatSettings`). Any failed parse, or a value beyond the Single range,
/// gives (0, 0); never raises. "(3,4" -> (3, 4); "1.5,2.5" -> (0, 0).
TPointF StringToZKPoint(std::string_view S) noexcept;

/// Both coordinates the same value by `SameValue` with the default tolerance.
bool PointsEqual(const TPointF& A, const TPointF& B) noexcept;

/// Euclidean distance, computed in extended precision, stored as Single.
float ZKDistance(const TPointF& A, const TPointF& B) noexcept;

/// Per coordinate: B.c if B.c = A.c exactly, else A.c + (B.c - A.c) * Fraction
/// (not clamped: values outside 0..1 extrapolate).
TPointF ZKCenterPoint(const TPointF& A, const TPointF& B, float Fraction) noexcept;
///@{
/// Mean of the points: sums accumulated in Single in order, then divided by the
/// count. Empty -> (0, 0).
TPointF ZKCenterPoint(std::span<const TPointF> Points) noexcept;
TPointF ZKCenterPoint(std::span<const TPoint> Points) noexcept;
///@}
///@{
/// Vectors passed directly (a braced list or a vector would otherwise be
/// ambiguous between the two span forms).
inline TPointF ZKCenterPoint(const TZKPoints& Points) noexcept {
  return ZKCenterPoint(std::span<const TPointF>(Points));
}
inline TPointF ZKCenterPoint(const TCanvasPoints& Points) noexcept {
  return ZKCenterPoint(std::span<const TPoint>(Points));
}
///@}
/// (Left + (Right - Left) / 2, Top + (Bottom - Top) / 2).
TPointF ZKCenterPoint(const TRectF& R) noexcept;

///@{
/// Points scaled about their mean C: (C.X + (P.X - C.X) * SX, C.Y + (P.Y -
/// C.Y) * SY). The integer form uses the unrounded Single mean and rounds each
/// coordinate. Empty in, empty out.
TZKPoints ScalePoints(const TZKPoints& Points, float SX, float SY);
TCanvasPoints ScalePoints(const TCanvasPoints& Points, float SX, float SY);
///@}

// ---- Rectangles --------------------------------------------------------------

/// The four values as given.
constexpr TRectF ZKRect(float Left, float Top, float Right, float Bottom) noexcept {
  return {Left, Top, Right, Bottom};
}
/// (TopLeft.X, TopLeft.Y, BottomRight.X, BottomRight.Y).
constexpr TRectF ZKRect(const TPointF& TopLeft, const TPointF& BottomRight) noexcept {
  return {TopLeft.X, TopLeft.Y, BottomRight.X, BottomRight.Y};
}
///@{
/// Each side converted to Single.
TRectF ZKRect(const TRect& R) noexcept;
TRectF RectToZKRect(const TRect& R) noexcept;
///@}
/// A copy of R.
constexpr TRectF ZKRect(const TRectF& R) noexcept { return R; }

/// Each side rounded separately ((0.5,1.5,2.5,3.5) -> (0,2,2,4)).
TRect ZKRectToRect(const TRectF& R);

///@{
/// Right - Left and Bottom - Top, not normalised (may be negative); the integer
/// forms wrap in 32 bits.
int ZKRectWidth(const TRect& R) noexcept;
float ZKRectWidth(const TRectF& R) noexcept;
int ZKRectHeight(const TRect& R) noexcept;
float ZKRectHeight(const TRectF& R) noexcept;
///@}

///@{
/// Integer: all four sides exactly equal. Floating: each side `SameValue` with
/// the default tolerance, as `PointsEqual`.
bool EqualsRect(const TRect& A, const TRect& B) noexcept;
bool EqualsRect(const TRectF& A, const TRectF& B) noexcept;
///@}

///@{
/// In place: Left - DX, Top - DY, Right + DX, Bottom + DY (integer form wraps).
void ZKInflateRect(TRect& R, int DX, int DY) noexcept;
void ZKInflateRect(TRectF& R, float DX, float DY) noexcept;
///@}

/// R grown about its centre (negative amounts shrink). Integer form: h =
/// CanvasRound(DX / 2), v = CanvasRound(DY / 2); (Left - h, Top - v, Right + h,
/// Bottom + v), wrapping in 32 bits. DX = 1 gives h = 0, DX = 3 gives h = 2.
/// See the header comment for resolution against the base package's
/// `ScaleRect(const TRect&, int, int)`.
TRect ScaleRect(const TRect& R, float DX, float DY);
/// Floating arguments of other types (double, or one int and one floating)
/// take the rounding form, converted to Single as the host would.
template <class A, class B>
  requires(std::is_arithmetic_v<A> && std::is_arithmetic_v<B> &&
           (std::floating_point<A> || std::floating_point<B>))
TRect ScaleRect(const TRect& R, A DX, B DY) {
  return ScaleRect(R, static_cast<float>(DX), static_cast<float>(DY));
}
/// Floating form: h = DX / 2, v = DY / 2 as Single, then the same four sums.
TRectF ScaleRect(const TRectF& R, float DX, float DY) noexcept;

} // namespace zk
