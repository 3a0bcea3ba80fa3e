#pragma once
// The stroker's parts, shared by the outline and the hit test. A piece (a
// contour, or a dash of one) is stroked as a sum of closed parts that all
// wind the same way: a ribbon per segment (its left offset forward, its
// right offset back), a pie per corner (the corner point and the join's
// outer edge), a cap at each end of an open piece, and a lobe (counted
// twice) where a curve turns tighter than half the width and its inner
// offset folds back. The outline chains these parts into one contour per
// side, which adds up to the same winding at every point.
#include <cstddef>
#include <functional>
#include <vector>

#include "pathops/PathContours.h"
#include "pathops/Stroke.h"

namespace zk::stroke {

using TChain = std::vector<TContourSegment>;

/// One piece to stroke: its segments of non-zero length, closed or open. A
/// piece without segments is a dot, turned along Direction (a unit vector).
struct TStrokePiece {
  std::vector<TContourSegment> Segments;
  bool Closed = false;
  TPointD At;                 // the dot's centre
  TPointD Direction{1, 0};
};

/// Receives the pieces one at a time, in order; a piece is valid only during
/// the call (its storage is reused for the next one).
using TPieceSink = std::function<void(const TStrokePiece&)>;

/// The path's contours cut into pieces, handed to Sink: dashed by the
/// style's pattern (dash ends placed to `DashCutShare` of the tolerance),
/// with segments of zero length left out and lone moves dropped; a
/// zero-length contour or dash becomes a dot when the caps are round or
/// square. Raises `EResultTooLarge` when the pattern would make more than
/// 2^20 dashes, or more than MaxPieces (`MaxOutlinePieces` for an outline).
void ForEachStrokePiece(const TZKPathData& Path, const TZKStroke& Stroke, std::size_t MaxPieces,
                        const TPieceSink& Sink);
/// The pieces of `ForEachStrokePiece` kept in a list.
std::vector<TStrokePiece> StrokePieces(const TZKPathData& Path, const TZKStroke& Stroke,
                                       std::size_t MaxPieces = MaxResultEntries);

/// The most pieces an outline of at most 2^20 entries can hold: a piece
/// takes at least a move, its caps and a close, and two offsets when it has
/// a length: 6 entries with butt caps (which draw no dots), 8 with square
/// ones (a dot's square) and 14 with round ones (a dot's four cubic arcs).
constexpr std::size_t MaxOutlinePieces(TZKLineCap Cap) noexcept {
  return MaxResultEntries / (Cap == TZKLineCap::Round ? 14 : Cap == TZKLineCap::Square ? 8 : 6);
}

/// Takes N from the segments still allowed in an outline, or raises
/// `EResultTooLarge` when fewer are left.
void ConsumeBudget(std::size_t& Budget, std::size_t N);

/// The unit direction in which a segment leaves its start and reaches its end.
TPointD StartDirection(const TContourSegment& S) noexcept;
TPointD EndDirection(const TContourSegment& S) noexcept;

/// The left normal of a unit direction (turned a quarter counterclockwise in
/// y-up terms): the side the outline's first chain runs on.
constexpr TPointD LeftNormal(const TPointD& D) noexcept { return {-D.Y, D.X}; }

/// The segment's offsets at +R (Left) and -R (Right), both in the segment's
/// direction, appended as lines or cubics within Tolerance of the true
/// offsets; where a side folds back (a curvature radius below R), the folded
/// lobe is appended to Lobes, wound like the ribbons. Budget counts the
/// segments still allowed and raises `EResultTooLarge` when it runs out.
/// D0 and D1 are the segment's `StartDirection` and `EndDirection`, for
/// callers that have them already.
void OffsetSegment(const TContourSegment& S, const TPointD& D0, const TPointD& D1, double R, double Tolerance,
                   TChain& Left, TChain& Right, std::vector<TPathContour>& Lobes, std::size_t& Budget);
/// As above, finding the directions itself.
inline void OffsetSegment(const TContourSegment& S, double R, double Tolerance, TChain& Left, TChain& Right,
                          std::vector<TPathContour>& Lobes, std::size_t& Budget) {
  const TPointD D0 = StartDirection(S);
  OffsetSegment(S, D0, S.IsCurve ? EndDirection(S) : D0, R, Tolerance, Left, Right, Lobes, Budget);
}

/// Appends the join at P between a segment arriving in unit direction D0 and
/// one leaving in D1: to Left a chain from P + R*n0 to P + R*n1, to Right one
/// from P - R*n0 to P - R*n1 (n the left normals); the outer side follows the
/// join (miter, bevel past the limit, round), the inner one goes through P.
/// Appends nothing where the corner is too flat to matter (and returns
/// false); otherwise returns true with OuterIsLeft saying which side is outer.
bool AppendJoin(TChain& Left, TChain& Right, bool& OuterIsLeft, const TPointD& P, const TPointD& D0,
                const TPointD& D1, double R, const TZKStroke& Stroke);

/// Appends the cap at an end P where the piece runs in unit direction D: at
/// the end from P + R*n to P - R*n, at the start from P - R*n to P + R*n.
void AppendEndCap(TChain& Out, const TPointD& P, const TPointD& D, double R, const TZKStroke& Stroke);
void AppendStartCap(TChain& Out, const TPointD& P, const TPointD& D, double R, const TZKStroke& Stroke);

/// Appends the chain reversed: last segment first, each running backwards.
void AppendReversed(TChain& Out, const TChain& Chain);

} // namespace zk::stroke
