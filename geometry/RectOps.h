#pragma once
/// Placing, fitting, intersecting, normalising and probing rectangles, and
/// moving points.
///
/// Rectangles are (Left, Top, Right, Bottom) and nothing here reorders sides
/// unless its name says it normalises. Containment is half-open (Left ≤ X <
/// Right, Top ≤ Y < Bottom); intersection of rectangles is closed, so
/// rectangles that only touch intersect. Integer results come from the
/// floating computation rounded by `CanvasRound` (ties to even), integer
/// halving truncates toward zero, and integer sums wrap to 32 bits as the
/// canvas's coordinates do (formed in 64 bits, narrowed with `Low32`).
///
/// Errors: only rounding can fail. A function that rounds a NaN, an infinity
/// or a value beyond ±2^63 raises `EInvalidOp` (see each contract); among the
/// floating forms that is only `CenterRect` and `FitRect` into bounds, whose
/// centring offsets are whole units.
#include <concepts>
#include <cstdint>
#include <type_traits>

#include "runtime/Records.h"

namespace zk {

/// The eight points of a rectangle's outline, clockwise from the top.
enum TConnectionPoint : std::uint8_t {
  cpTop,
  cpTopRight,
  cpRight,
  cpBottomRight,
  cpBottom,
  cpBottomLeft,
  cpLeft,
  cpTopLeft
};

// --- Centring and fitting -------------------------------------------------------

/// The rectangle of width and height W, H (each halved by truncation) centred
/// on P: (X − W div 2, Y − H div 2, X + W div 2, Y + H div 2). An odd size
/// loses one unit: centred on (10, 10), 5 by 5 gives (8, 8, 12, 12).
TRect CenterRect(const TPoint& P, int W, int H) noexcept;
/// The same centred on (X, Y). Each side wraps to 32 bits as canvas
/// coordinates do instead of overflowing; a negative W or H gives a
/// rectangle with its sides swapped.
TRect CenterRect(int X, int Y, int W, int H) noexcept;
///@{
/// (X − W/2, Y − H/2, X + W/2, Y + H/2).
TRectF CenterRect(const TPointF& P, float W, float H) noexcept;
TRectF CenterRect(float X, float Y, float W, float H) noexcept;
///@}
/// Any floating argument takes the floating form (C++ would otherwise find the
/// integer and floating forms equally good for mixed arguments).
template <class A, class B, class C, class D>
  requires(std::is_arithmetic_v<A> && std::is_arithmetic_v<B> && std::is_arithmetic_v<C> &&
           std::is_arithmetic_v<D> &&
           (std::floating_point<A> || std::floating_point<B> || std::floating_point<C> ||
            std::floating_point<D>))
TRectF CenterRect(A X, B Y, C W, D H) noexcept {
  return CenterRect(static_cast<float>(X), static_cast<float>(Y), static_cast<float>(W), static_cast<float>(H));
}

/// Moves R, keeping its size, to the centre of Bounds and returns it. The
/// offset from Bounds' top-left is CanvasRound((Bounds width − R width) / 2)
/// (likewise vertically): always whole units, even for floating rectangles.
/// R = (0, 0, 3, 3) in (0, 0, 10, 10) becomes (4, 4, 7, 7) (3.5 rounds to 4).
/// Raises `EInvalidOp`, leaving R unchanged, when a width or height is not finite.
TRectF CenterRect(TRectF& R, const TRectF& Bounds);
/// The floating form on R and Bounds converted to Single, each side of the
/// result rounded back into R.
TRect CenterRect(TRect& R, const TRect& Bounds);

/// Resizes R, keeping its aspect ratio, and centres it in Bounds (as
/// `CenterRect`). k is the larger of R's height / Bounds' height and R's width
/// / Bounds' width. When k ≥ 1 or Enlarge, the new size is R's size / k,
/// rounded; otherwise R keeps its size and is only centred. Returns k, the
/// divisor (above 1 means R was shrunk), also when the size was kept.
/// Bounds of zero width or height leave R untouched and return 1. A k of 0 (R
/// empty in the deciding direction) keeps the size rather than dividing by 0.
/// (0, 0, 200, 100) into (0, 0, 100, 100) returns 2 and gives (0, 25, 100, 75).
/// Raises `EInvalidOp`, leaving R unchanged, on sizes that cannot be rounded.
float FitRect(TRect& R, const TRect& Bounds, bool Enlarge);
/// The same in float, without rounding the new size. Bounds whose float area
/// is 0 leave R untouched and return 1. Raises `EInvalidOp`, leaving R
/// unchanged, when a size is not finite.
float FitRect(TRectF& R, const TRectF& Bounds, bool Enlarge);
/// R stretched onto Bounds (aspect ratio not kept), then transformed by M:
/// R's corners are scaled about the origin by Bounds' size over R's, moved by
/// Bounds' top-left, then mapped by M; an R of zero area is only moved. Only
/// the two corners are transformed, and the result is not normalised. For an R
/// whose top-left is the origin, R lands exactly on Bounds before M.
TRectF FitRect(const TMatrix& M, const TRectF& R, const TRectF& Bounds) noexcept;

/// Moves all four sides of R by (DX, DY) in place; always returns true.
bool OffsetZKRect(TRectF& R, float DX, float DY) noexcept;

// --- Normalising ------------------------------------------------------------------

///@{
/// A copy of R with Left/Right swapped if Right < Left and Top/Bottom swapped
/// if Bottom < Top.
TRect FixRect(const TRect& R) noexcept;
TRectF FixRect(const TRectF& R) noexcept;
///@}
///@{
/// `FixRect` in place.
void ZKNormalizeRect(TRect& R) noexcept;
void ZKNormalizeRect(TRectF& R) noexcept;
///@}

// --- Intersection and containment ------------------------------------------------

///@{
/// R = (max Left, max Top, min Right, min Bottom), always written, also when
/// the rectangles do not meet. True when R.Left ≤ R.Right and R.Top ≤ R.Bottom:
/// rectangles that only share an edge intersect in a line.
bool ZKIntersectRect(const TRect& A, const TRect& B, TRect& R) noexcept;
bool ZKIntersectRect(const TRectF& A, const TRectF& B, TRectF& R) noexcept;
///@}
///@{
/// The same test without the intersection.
bool ZKIntersectRect(const TRect& A, const TRect& B) noexcept;
bool ZKIntersectRect(const TRectF& A, const TRectF& B) noexcept;
///@}

/// Whether the segment P1–P2 and the rectangle R share a point. Points is
/// replaced by the segment's crossings with R's sides, tested in the order top,
/// left, right, bottom. A segment through a corner yields that corner twice
/// (once per side); a segment along a side yields no crossing from that side;
/// a segment wholly inside R (edges included) is true with no crossings.
bool ZKIntersectRect(const TPointF& P1, const TPointF& P2, const TRectF& R, TZKPoints& Points);

/// Whether the segments P1–P2 and P3–P4 cross; touching counts (an endpoint on
/// the other segment's line). R receives the crossing point of the two lines,
/// the quotient itself rather than one rounded to whole units. Parallel or
/// collinear segments (and NaN coordinates) do not cross, and R is then not
/// written.
bool ZKIntersectLine(const TPointF& P1, const TPointF& P2, const TPointF& P3, const TPointF& P4,
                     TPointF& R) noexcept;

///@{
/// Half-open containment: Left ≤ X < Right and Top ≤ Y < Bottom. An integer
/// point is converted to float first.
bool PtInZKRect(const TPoint& P, const TRectF& R) noexcept;
bool PtInZKRect(const TPointF& P, const TRectF& R) noexcept;
///@}

// --- Points on and in shapes ------------------------------------------------------

///@{
/// The connection point of R: corners as they are, midpoints Left + (Right −
/// Left) div 2 and Top + (Bottom − Top) div 2 ((0, 0, 5, 5), cpBottom → (2, 5)).
/// A value outside the enumeration gives the top-left corner.
TPoint GetPointOnRect(const TRect& R, TConnectionPoint CP) noexcept;
TPoint GetCanvasPointOnRect(const TRect& R, TConnectionPoint CP) noexcept;
///@}
/// The same with exact halves ((0, 0, 5, 5), cpBottom → (2.5, 5)).
TPointF GetZKPointOnZKRect(const TRectF& R, TConnectionPoint CP) noexcept;
/// The centre of R in float, not rounded: ((Right − Left)/2 + Left, (Bottom − Top)/2 + Top).
TPointF ZKCenterPoint(const TRect& R) noexcept;

///@{
/// The centre of the triangle's inscribed circle: the vertices weighted by the
/// lengths of the opposite sides. Three equal points have no in-centre: the
/// floating form then returns NaN coordinates and the integer form, which
/// rounds the floating result, raises `EInvalidOp`.
TPoint InCenterPoint(const TPoint& P1, const TPoint& P2, const TPoint& P3);
TPointF InCenterPoint(const TPointF& P1, const TPointF& P2, const TPointF& P3) noexcept;
///@}

///@{
/// Moves P in place by (DX, DY) and returns P as it was before the move.
TPoint OffsetPoint(TPoint& P, int DX, int DY) noexcept;
TPointF OffsetPoint(TPointF& P, float DX, float DY) noexcept;
///@}
///@{
/// Moves P in place by Distance along the direction to Toward (a negative
/// Distance moves away; Distance equal to the distance lands on Toward) and
/// returns P as it was before. P stays where it is when it equals Toward. The
/// integer form rounds each step before adding it, and raises `EInvalidOp`,
/// leaving P unchanged, when a step cannot be rounded (Distance not finite).
TPoint OffsetPoint(TPoint& P, const TPoint& Toward, float Distance);
TPointF OffsetPoint(TPointF& P, const TPointF& Toward, float Distance) noexcept;
///@}

} // namespace zk
