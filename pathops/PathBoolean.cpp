// Boolean operations: the regions decided by the polygon clipper on the
// flattened operands, the boundary rebuilt on the operands' own segments;
// operands whose polygons keep apart need neither.
#include "pathops/PathBoolean.h"

#include <iterator>
#include <utility>

#include "pathops/BooleanApart_p.h"
#include "pathops/BooleanGrid_p.h"
#include "runtime/Exceptions.h"

namespace zk {

namespace {

ClipperLib::PolyFillType ClipperRule(TZKFillMode Rule) noexcept {
  return Rule == fmEvenOdd ? ClipperLib::pftEvenOdd : ClipperLib::pftNonZero;
}

ClipperLib::ClipType ClipperOp(TPathOp Op) {
  switch (Op) {
    case TPathOp::Union: return ClipperLib::ctUnion;
    case TPathOp::Intersection: return ClipperLib::ctIntersection;
    case TPathOp::Difference: return ClipperLib::ctDifference;
    case TPathOp::Xor: return ClipperLib::ctXor;
  }
  throw EInvalidOp("Unknown boolean operation");
}

std::vector<TPathContour> Run(std::span<const TPathContour> A, std::span<const TPathContour> B,
                              TPathOp PathOp, TZKFillMode RuleA, TZKFillMode RuleB) {
  TBooleanGrid Grid(A, B);
  if (auto Apart = CombineApart(Grid, A, B, PathOp, RuleA, RuleB)) return std::move(*Apart);
  const ClipperLib::ClipType Op = ClipperOp(PathOp);
  ClipperLib::Paths Result;
  try {
    // Not strictly simple: rings that touch themselves are split by
    // Rebuild in n log n rather than by the clipper's quadratic pass.
    ClipperLib::Clipper Clipper;
    // Collinear vertices stay: a vertex between two segments that happen to
    // lie on one line (two arcs flattened to one chord each) is where the
    // result passes from one segment to the next.
    Clipper.PreserveCollinear(true);
    Clipper.AddPaths(Grid.Polygons[0], ClipperLib::ptSubject, true);
    Clipper.AddPaths(Grid.Polygons[1], ClipperLib::ptClip, true);
    if (Op != ClipperLib::ctXor) {
      Clipper.Execute(Op, Result, ClipperRule(RuleA), ClipperRule(RuleB));
    } else {
      // The clipper's own exclusive or takes every edge of an operand as a
      // boundary, which is wrong where an operand covers an area twice
      // (nonzero) or has edges inside its area. A - B and B - A are right
      // for every operand, and their rings together are the exclusive or:
      // the two areas do not overlap, so their rings neither cross nor
      // overlap, and Rebuild turns each ring by its nesting among all.
      Clipper.Execute(ClipperLib::ctDifference, Result, ClipperRule(RuleA), ClipperRule(RuleB));
      ClipperLib::Clipper Reversed;
      Reversed.PreserveCollinear(true);
      Reversed.AddPaths(Grid.Polygons[1], ClipperLib::ptSubject, true);
      Reversed.AddPaths(Grid.Polygons[0], ClipperLib::ptClip, true);
      ClipperLib::Paths BMinusA;
      Reversed.Execute(ClipperLib::ctDifference, BMinusA, ClipperRule(RuleB), ClipperRule(RuleA));
      Result.insert(Result.end(), std::make_move_iterator(BMinusA.begin()), std::make_move_iterator(BMinusA.end()));
    }
  } catch (const ClipperLib::clipperException& E) {
    throw Exception(std::string("Boolean operation failed: ") + E.what());
  }
  return Grid.Rebuild(std::move(Result));
}

std::unique_ptr<TZKPathData> ToPath(const std::vector<TPathContour>& Contours) {
  auto Path = ContoursToPath(Contours);
  Path->SetFillMode(fmNonZero);
  return Path;
}

} // namespace

std::vector<TPathContour> Combine(std::span<const TPathContour> A, std::span<const TPathContour> B,
                                  TPathOp Op, TZKFillMode RuleA, TZKFillMode RuleB) {
  return Run(A, B, Op, RuleA, RuleB);
}

std::unique_ptr<TZKPathData> Combine(const TZKPathData& A, const TZKPathData& B, TPathOp Op,
                                     TZKFillMode RuleA, TZKFillMode RuleB) {
  return ToPath(Combine(PathContours(A), PathContours(B), Op, RuleA, RuleB));
}

std::vector<TPathContour> Simplify(std::span<const TPathContour> P, TZKFillMode Rule) {
  return Run(P, {}, TPathOp::Union, Rule, Rule);
}

std::unique_ptr<TZKPathData> Simplify(const TZKPathData& P, TZKFillMode Rule) {
  return ToPath(Simplify(PathContours(P), Rule));
}

} // namespace zk
