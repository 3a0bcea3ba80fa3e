#pragma once
/// Polygon hit testing.
///
/// The polygon is the array's points in order, closed implicitly (the last
/// point connects to the first). No break markers are recognised: a
/// `ZKClosePolygon` point is an ordinary vertex. Each test is one pass over
/// the edges with no allocation. Vectors (`TCanvasPoints`, `TZKPoints`) are
/// accepted directly through the span parameters.
#include <span>

#include "runtime/Records.h"

namespace zk {

/// Result of the three-valued form.
enum TPathClickLocation { clOutsidePath = 0, clInsidePath = 1, clOnPath = 2 };

/// Yes/no form, even-odd crossing count with a ray toward larger X.
///
/// Every edge Pj -> Pi (i = 0 .. n-1, j the previous index, so the first edge
/// is the closing edge from the last point to the first) counts when Y lies in
/// its Y range half-open: Pi.y <= Y < Pj.y or Pj.y <= Y < Pi.y (horizontal
/// edges never count); a counted edge flips the answer when X < xs, xs =
/// Pi.x + (Pj.x - Pi.x) * (Y - Pi.y) / (Pj.y - Pi.y).
///
/// Boundary rule (a consequence of the half-open rule): a point on the
/// outline at the polygon's smaller-X or smaller-Y side counts as inside, one
/// on the larger-X or larger-Y side as outside. For the square (0,0),(10,0),
/// (10,10),(0,10): (0,5) and (5,0) are inside, (10,5), (5,10), (10,10) are
/// outside. Fewer than three points (including an empty array) give false.
///
/// Integer form: the comparison X < xs is decided exactly, in 128-bit integer
/// arithmetic (the edge product is never formed in 32 bits, so it cannot
/// overflow). This is the crossing formula evaluated without rounding; for
/// coordinates within +-16383, where a 32-bit product is safe, the answers are
/// identical to the 32-bit formula's, and beyond that they stay correct where
/// a 32-bit product would overflow.
bool PointInPath(std::span<const TPoint> Points, int X, int Y) noexcept;

/// Float form: the same rule with every step in Single (`float`) arithmetic,
/// in the formula's order (product, then quotient, then sum). NaN coordinates
/// never count (every comparison with NaN is false).
bool PointInPath(std::span<const TPointF> Points, float X, float Y) noexcept;

///@{
/// Three-valued form (Hormann and Agathos, even-odd): `clOnPath` when P is a
/// vertex or lies on an edge (exact tests), else `clInsidePath` /
/// `clOutsidePath` by crossing parity. Fewer than 3 points -> `clOutsidePath`.
/// For the square above, every point of the outline (all four sides and every
/// corner) is `clOnPath`.
///
/// The cross product d = (A.x-R.x)(B.y-R.y) - (B.x-R.x)(A.y-R.y) is computed
/// in double from differences converted before the multiplication (float
/// form), and exactly in 128-bit integers (integer form: its sign and its
/// zero test are then exact for every 32-bit input; double gives the same
/// answers wherever its products are exact).
TPathClickLocation PointInPath(const TPoint& P, std::span<const TPoint> Points) noexcept;
TPathClickLocation PointInPath(const TPointF& P, std::span<const TPointF> Points) noexcept;
///@}

} // namespace zk
