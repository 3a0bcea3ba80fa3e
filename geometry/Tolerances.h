#pragma once
/// Every tolerance and fixed constant of the geometry, in one place, with its
/// unit and the reason for its value. Tests use the same names.
#include <cstddef>

#include "runtime/FloatCompare.h"
#include "runtime/Records.h"

namespace zk {

/// Marks the break between two sub-polygons in one flat point list; a marker,
/// never a vertex (path units).
inline constexpr TPointF ZKClosePolygon{65535.0f, 65535.0f};

/// Bounds that have no width or height are padded by this much (path units),
/// so that a point or an axis-parallel line still has a non-empty box.
inline constexpr long double BoundsPadding = 0.001L;

/// The bounds search starts from +-65535 rather than from the first point.
inline constexpr float BoundsSearchLimit = 65535.0f;

/// The shortest straight piece a curve is flattened into (path units); a
/// smaller requested flatness is raised to it.
inline constexpr float MinFlatness = 0.05f;

/// The piece length used when a path is flattened for outline hit testing.
inline constexpr float OutlineFlatness = 0.25f;

/// The most straight pieces one cubic curve is flattened into. A curve long
/// enough to need more (huge coordinates, a tiny flatness) gets this many, so
/// that no path can exhaust memory or hang; a drawing of real size needs far
/// fewer.
inline constexpr int MaxCurvePieces = 1'000'000;

/// The most points or entries that flattening one path may produce (curves
/// count with their pieces): `Flatten`, `FlattenToPolygon`, the outline and
/// its hit test; and about the most spline samples its curves give to
/// `ToPolygons`, the length and the fill hit test. A path that would need
/// more gets every curve's piece count (or sample step) changed by one
/// common factor, so it stays whole and evenly coarser; only a path with
/// more than half this many segments of its own may exceed it (then by at
/// most two points per segment). 2^20 points cover 50,000 path units of
/// curve at the finest flatness and 250,000 at the outline's, far beyond any
/// drawing, while a hostile path stays a matter of milliseconds.
inline constexpr std::size_t MaxFlattenedEntries = std::size_t(1) << 20;

/// Arc sweeps below this many radians add nothing.
inline constexpr double ArcSweepEpsilon = 1e-10;

/// Control-point distance of a quarter ellipse as a fraction of its radius:
/// 4/3 * (sqrt(2) - 1), the classic cubic approximation of a circle.
inline constexpr double EllipseKappa = 0.5522847498;

/// The last piece of an arc may exceed a quarter turn by this many radians,
/// so that an arc of barely more than whole quarters gets no sliver piece.
inline constexpr double ArcPieceSlack = 0.01;

/// A pie or donut slice within this many radians of a full turn is drawn as
/// whole circles.
inline constexpr double FullTurnSlack = 0.0001;

/// The largest radius a pie or donut slice may have: its ellipse and control
/// points then stay within float range.
inline constexpr double MaxSliceRadius = 3.4028234663852886e38 / 4;

/// How closely a stroke's dash ends are placed along their contour, as a
/// share of the stroke's tolerance (an absolute distance then). An end placed
/// d away along the contour moves its cap by d, so the outline stays within
/// about 1/1000 of the tolerance of the one the exact measure would cut, far
/// inside the tolerance the offset curves already use; while cutting to it
/// takes a Newton step or two per dash end, where the measure's own 1e-13
/// takes several, each integrating far more finely. The dashed contours are
/// measured to this distance over the path's control-polygon length as
/// their relative accuracy, so the lengths before an end add no more.
inline constexpr double DashCutShare = 1e-3;

/// The flattening tolerance of a boolean operation's region decision, as a
/// fraction of the operands' extent (the larger side of their common box):
/// 2^-16. It decides only which regions exist, never where the result's
/// boundary runs (that is solved on the exact curves), so it shows only
/// where two curves come within it of each other: a sliver thinner than it
/// may be lost or a near touch taken for a crossing. On the 16-unit icons
/// drawn at 16 pixels per unit it is 1/256 pixel, and 1/16 pixel on a
/// drawing 4,000 pixels wide. It is no coarser because icons hold arcs of
/// one circle drawn by both operands, cut at different places, whose cubic
/// approximations cross each other along the whole arc some 1/30 pixel
/// apart: 2^-14 already changed pixels of such pairs.
inline constexpr double BooleanFlatness = 1.0 / (1 << 16);

/// How far from its chord a part of a curve may stray (as a fraction of the
/// operands' extent, as `BooleanFlatness`) and still be one chord where it
/// crosses another such part at a wide angle, both well clear of each
/// other's ends: the two cross once there whatever their polygons, so the
/// finer `BooleanFlatness` is kept for near touches and curves that run
/// close together, where it decides.
inline constexpr double BooleanCrossingFlatness = 1.0 / (1 << 10);

/// The same for a part of a curve that crosses a straight segment, its
/// distance from the segment's line rising or falling all along it: such a
/// part and any polygon through its points cross the line once. Larger
/// parts are still cut, as the crossing solved on the exact segments starts
/// from where the part's chord crosses the line, and on the icons parts
/// four times as far from their chord lost pixels there.
inline constexpr double BooleanLineCrossingFlatness = 1.0 / (1 << 6);

} // namespace zk
