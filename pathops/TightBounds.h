#pragma once
/// The smallest box around a path's true outline, beside the control-polygon
/// box of `TZKPathData::GetBounds` (which holds the curves' control points
/// too and can be far larger than the curves).
#include <span>
#include <type_traits>

#include "pathops/PathContours.h"

namespace zk {

/// A box in double precision: Left <= Right and Top <= Bottom for every box
/// made here.
struct TBoundsD {
  double Left = 0;    ///< the least x
  double Top = 0;     ///< the least y
  double Right = 0;   ///< the greatest x
  double Bottom = 0;  ///< the greatest y
  friend constexpr bool operator==(const TBoundsD&, const TBoundsD&) = default;
};
static_assert(std::is_trivially_copyable_v<TBoundsD>);

/// The smallest box holding every contour start (lone moves included), every
/// line and curve end point and every curve's horizontal and vertical
/// extrema (`CubicExtrema`, evaluated by `CubicPoint`), without padding: a
/// straight line gives a box of zero width or height. Contours without any
/// point give {0, 0, 0, 0}. Exact up to the rounding of the extrema's
/// parameters (a few units of the last place).
TBoundsD TightBounds(std::span<const TPathContour> Contours) noexcept;
/// The tight box of the path's contours (`PathContours`).
TBoundsD TightBounds(const TZKPathData& Path);

} // namespace zk
