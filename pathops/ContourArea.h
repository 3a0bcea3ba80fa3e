#pragma once
/// The signed area of contours and the way they turn, on the exact curves.
#include <vector>

#include "pathops/PathContours.h"

namespace zk {

/// The signed area enclosed by the contour closed by its implicit closing
/// line (an open contour from its last point back to its start): the
/// integral of (x dy - y dx) / 2 along lines and cubics in closed form (a
/// cubic's is (6 P0xP1 + 3 P0xP2 + P0xP3 + 3 P1xP2 + 3 P1xP3 + 6 P2xP3) / 20),
/// computed relative to the contour's start so that large offsets do not
/// cancel. Positive for a contour that turns clockwise on a y-down canvas
/// (as `TZKPathData::AddEllipse` and `AddRect`-style figures do), negative
/// for counter-clockwise, zero for a contour without segments. A contour that
/// crosses itself adds its loops with their own signs (a figure eight: 0).
double ContourArea(const TPathContour& Contour) noexcept;

/// The signed area of each of the path's contours (`PathContours`), in order.
std::vector<double> ContourAreas(const TZKPathData& Path);

/// The way a contour turns as seen on a y-down canvas.
enum class TContourDirection {
  None,             ///< no area: no segments, a line, or loops that cancel
  Clockwise,        ///< positive `ContourArea`
  CounterClockwise  ///< negative `ContourArea`
};

/// The sign of `ContourArea` as a direction.
TContourDirection ContourDirection(const TPathContour& Contour) noexcept;

} // namespace zk
