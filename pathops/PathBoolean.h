#pragma once
/// Boolean operations on filled paths: union, intersection, difference and
/// exclusive or of two paths, and the simplification of one path into the
/// area it covers.
///
/// Every result is a set of closed contours that neither cross nor overlap
/// one another nor themselves: outer contours run with a positive signed area
/// (clockwise on a y-down screen) and holes the other way, so the nonzero
/// and the even-odd rule fill the same area. Touching contours are split at
/// the point they share; contours of no area vanish. Where the result's
/// boundary follows an operand's curve it is a cubic cut from that curve (by
/// `SubCubic`) at the parameters where the boundary leaves it; straight
/// edges stay lines.
///
/// Precision model. The regions are decided on polygons, on an integer grid
/// of 2^30 steps across the operands' extent (their common bounding box's
/// larger side), where the polygon clipper's arithmetic is exact. Where a
/// curve comes near another segment it is flattened within
/// `BooleanFlatness` times the extent; elsewhere a part of it that runs one
/// way is a single chord, which changes no decision, since nothing lies
/// between the chord and the curve (near meaning that the boxes of the two
/// parts meet, and their chords widened by how far each part strays from its
/// chord meet too, or, for parts that share an end, that they leave it in
/// directions that overlap; a part whose controls all lie on one side of a
/// straight segment's line is clear of it). Two parts that cross once at a
/// wide angle are single chords too while each is within
/// `BooleanCrossingFlatness` of its chord, and so is a part that crosses a
/// straight segment with its distance from it rising or falling throughout,
/// while within `BooleanLineCrossingFlatness`. The boundary is then rebuilt
/// from the operands' own segments: the points where it passes from one
/// segment to another are solved on the exact segments by Newton's method
/// (converged to double precision, accepted within 1e-9 of the extent), and
/// the parameters of the cut follow from them. So the result's curves are
/// the operands' curves, and only the decision of which regions exist is
/// made to `BooleanFlatness`: a sliver between two curves thinner than it
/// may be lost (two crossings close together not seen) or made (a near
/// touch taken for two crossings); a single crossing is always seen, as the
/// polygons follow the curves to either side of it. The tolerance is
/// relative, so it is the same fraction of the drawing at every scale (see
/// `BooleanFlatness`).
///
/// Where no edge of those polygons meets another (a path whose contours
/// neither cross nor touch, as most drawings are, simplified; or two such
/// operands whose boxes are apart), the result is the operands' own
/// contours, whole: each one across which the result's fill changes, turned
/// to run as outline or hole, the others left out.
#include <memory>
#include <span>
#include <vector>

#include "geometry/Tolerances.h"
#include "path/PathData.h"
#include "pathops/PathContours.h"

namespace zk {

/// The operation of `Combine`.
enum class TPathOp : std::uint8_t {
  Union,         ///< the area of A or of B
  Intersection,  ///< the area of A and of B
  Difference,    ///< the area of A that is not B's
  Xor,           ///< the area of exactly one of A and B
};

/// The most polygon vertices the operands of one operation are flattened
/// into. Operands whose curves would need more get every curve's piece count
/// lowered by one common factor (at least one piece per curve), so a hostile
/// path costs bounded time and memory while a drawing of real size needs far
/// fewer.
inline constexpr std::size_t MaxBooleanVertices = std::size_t(1) << 22;

/// The area of A combined with the area of B by Op, each operand filled by
/// its own rule (an open contour is closed by a straight line, as filling
/// does). Either operand may be empty. The result holds closed contours as
/// described above. Raises `EInvalidOp` when an operand holds a point that
/// is not finite, and `EResultTooLarge` when the result would hold more than
/// `MaxResultEntries` path entries.
std::vector<TPathContour> Combine(std::span<const TPathContour> A, std::span<const TPathContour> B,
                                  TPathOp Op, TZKFillMode RuleA = fmNonZero,
                                  TZKFillMode RuleB = fmNonZero);

/// `Combine` on paths: the result as a new path (its fill mode is nonzero;
/// the even-odd rule fills it the same). Raises also `EOverflow` when a
/// result point lies outside the single-precision range.
std::unique_ptr<TZKPathData> Combine(const TZKPathData& A, const TZKPathData& B, TPathOp Op,
                                     TZKFillMode RuleA = fmNonZero, TZKFillMode RuleB = fmNonZero);

/// The area P covers under Rule, as contours that do not overlap (see
/// above): a figure eight becomes two loops, overlapping contours merge, a
/// star drawn in one stroke becomes its outline (nonzero) or its points
/// (even-odd). Raises as `Combine`.
std::vector<TPathContour> Simplify(std::span<const TPathContour> P, TZKFillMode Rule = fmNonZero);

/// `Simplify` on a path: the result as a new path, as `Combine` makes it.
std::unique_ptr<TZKPathData> Simplify(const TZKPathData& P, TZKFillMode Rule = fmNonZero);

} // namespace zk
