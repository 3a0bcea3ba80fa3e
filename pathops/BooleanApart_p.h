#pragma once
// Boolean operations on operands whose polygons keep apart, where the result
// is a choice of the operands' own contours and no clipping is needed.
// Internal: not installed.
#include <optional>
#include <span>
#include <vector>

#include "pathops/BooleanGrid_p.h"
#include "pathops/PathBoolean.h"

namespace zk {

/// The result of `Combine(A, B, Op, RuleA, RuleB)` when no two edges of the
/// grid's polygons meet (no crossing, touch or shared point, within one
/// polygon or between two), the operands' boxes do not overlap (or one
/// operand is empty), and every polygon runs through all samples of its
/// contour. The regions are then those of the contours themselves: a
/// contour belongs to the result when the result's fill differs on its two
/// sides (found from the windings of both operands just outside it, by the
/// exact point-in-polygon test on the grid), whole and closed, turned so
/// that it runs with a positive area when the result fills its inside. The
/// same regions as the clipper decides on those polygons, and each contour
/// exactly as the operand draws it.
///
/// Empty when those conditions fail, or when checking them would take more
/// than a fixed multiple of the polygons' vertices in steps: the clipper
/// decides then. Raises `EResultTooLarge` as `Combine` does.
std::optional<std::vector<TPathContour>> CombineApart(const TBooleanGrid& Grid, std::span<const TPathContour> A,
                                                      std::span<const TPathContour> B, TPathOp Op,
                                                      TZKFillMode RuleA, TZKFillMode RuleB);

} // namespace zk
