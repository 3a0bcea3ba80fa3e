#pragma once
/// Smooth curves through a control polygon, sampled into dense point lists.
#include "runtime/Records.h"

namespace zk {

/// The most points one spline piece is sampled into. A piece whose span is
/// longer than this many step lengths (or not finite) is sampled more coarsely,
/// so that huge or non-finite coordinates can neither exhaust memory nor hang;
/// no drawing of real size comes near it.
inline constexpr int MaxPointsPerSplinePiece = 1 << 20;

/// Samples a uniform cubic spline over the control polygon Points.
///
/// UseBSpline selects the approximating B-spline (the curve stays inside the
/// polygon and does not touch its points); otherwise a Catmull-Rom spline that
/// passes through every point. An open curve (Closed false) treats its first
/// and last point as doubled, so the Catmull-Rom form starts and ends exactly
/// on them; a closed one wraps around (pieces over P[n-1]..P[2], the middle
/// spans, then P[n-3]..P[0] and P[n-2]..P[1]).
///
/// Each piece is sampled from t = 0 in steps of StepLength / L, where L is the
/// length of the span the piece covers (1 when the span has length 0), while
/// t <= 1: about L / StepLength + 1 points, the t = 1 point only when the
/// accumulated t lands on 1. Nothing is de-duplicated. A StepLength of 0 or
/// less counts as 1. A piece never yields more than `MaxPointsPerSplinePiece`
/// points, and a piece over a span of non-finite length yields its t = 0 point
/// only.
///
/// Fewer than 2 points give an empty result; a closed curve needs 3 points
/// and returns the points unchanged when it has 2.
///
/// This integer form measures spans exactly (no 32-bit overflow on far-apart
/// points) and rounds every output coordinate to the nearest integer, ties to
/// even, keeping its low 32 bits as canvas coordinates do.
TCanvasPoints BezierPolygonPoints(const TCanvasPoints& Points, bool UseBSpline, bool Closed,
                                  int StepLength);
/// The float form of the above, sampled alike: each coordinate is stored as a
/// float, clamped to the float range, so the overshoot of a Catmull-Rom
/// spline near the ends of that range never turns finite points into
/// infinite ones.
TZKPoints BezierPolygonPoints(const TZKPoints& Points, bool UseBSpline, bool Closed,
                              int StepLength);

} // namespace zk
