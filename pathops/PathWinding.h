#pragma once
/// The exact fill test of a whole path on its true curves: the winding
/// number of all contours around a point, from the exact crossings of a
/// horizontal ray with the lines and cubics (roots of the cubic, no
/// flattening). Beside it, `TZKPathData::PointInPath` tests one sub-path at a
/// time on the splines' polygons.
///
/// Boundary rule: the ray runs from the point towards +x; an edge counts when
/// the point's y lies in the half-open span [lower end, upper end) of a
/// y-monotone piece and the crossing lies strictly right of the point. So a
/// point exactly on the boundary may count as inside or outside; every other
/// point is classified by the exact curves, up to the rounding of a root near
/// a tangency (within about 1e-15 of the curve's size).
#include <span>

#include "path/PathTypes.h"
#include "pathops/PathContours.h"

namespace zk {

/// The winding number of the contours around P: each contour is closed by its
/// implicit closing line (an open contour from its last point back to its
/// start, as SVG fills it); a crossing on the ray by a piece running towards
/// +y counts +1, one running towards -y counts -1, so a contour that turns
/// clockwise on a y-down canvas (positive `ContourArea`) winds +1 around the
/// points it encloses.
int WindingNumber(std::span<const TPathContour> Contours, const TPointD& P) noexcept;
/// The winding number of the path's contours (`PathContours`) around P,
/// read straight from the entries: nothing is allocated.
int WindingNumber(const TZKPathData& Path, const TPointD& P);

/// P lies inside the filled contours under Rule: a nonzero winding number
/// for `fmNonZero`, an odd one for `fmEvenOdd`.
bool ContoursContain(std::span<const TPathContour> Contours, const TPointD& P, TZKFillMode Rule) noexcept;
/// P lies inside the whole path filled under Rule, all contours together.
bool PathContains(const TZKPathData& Path, const TPointD& P, TZKFillMode Rule);

} // namespace zk
