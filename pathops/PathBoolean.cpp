// Boolean operations: the regions decided by the polygon clipper on the
// flattened operands, the boundary rebuilt on the operands' own segments.
#include "pathops/PathBoolean.h"

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
                              ClipperLib::ClipType Op, TZKFillMode RuleA, TZKFillMode RuleB) {
  const TBooleanGrid Grid(A, B);
  ClipperLib::Paths Result;
  try {
    ClipperLib::Clipper Clipper;
    // Strictly simple: contours that touch at a vertex come out as two.
    Clipper.StrictlySimple(true);
    Clipper.AddPaths(Grid.Polygons[0], ClipperLib::ptSubject, true);
    Clipper.AddPaths(Grid.Polygons[1], ClipperLib::ptClip, true);
    Clipper.Execute(Op, Result, ClipperRule(RuleA), ClipperRule(RuleB));
  } catch (const ClipperLib::clipperException& E) {
    throw Exception(std::string("Boolean operation failed: ") + E.what());
  }
  return Grid.Rebuild(Result);
}

std::unique_ptr<TZKPathData> ToPath(const std::vector<TPathContour>& Contours) {
  auto Path = ContoursToPath(Contours);
  Path->SetFillMode(fmNonZero);
  return Path;
}

} // namespace

std::vector<TPathContour> Combine(std::span<const TPathContour> A, std::span<const TPathContour> B,
                                  TPathOp Op, TZKFillMode RuleA, TZKFillMode RuleB) {
  return Run(A, B, ClipperOp(Op), RuleA, RuleB);
}

std::unique_ptr<TZKPathData> Combine(const TZKPathData& A, const TZKPathData& B, TPathOp Op,
                                     TZKFillMode RuleA, TZKFillMode RuleB) {
  return ToPath(Combine(PathContours(A), PathContours(B), Op, RuleA, RuleB));
}

std::vector<TPathContour> Simplify(std::span<const TPathContour> P, TZKFillMode Rule) {
  return Run(P, {}, ClipperLib::ctUnion, Rule, Rule);
}

std::unique_ptr<TZKPathData> Simplify(const TZKPathData& P, TZKFillMode Rule) {
  return ToPath(Simplify(PathContours(P), Rule));
}

} // namespace zk
