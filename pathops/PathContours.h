#pragma once
/// A path as contours of exact segments in double precision: the common input
/// of the operations that take paths and make new paths (measurement,
/// strokes, boolean operations), and the way their results become paths.
#include <memory>
#include <span>
#include <vector>

#include "geometry/CubicBezier.h"
#include "path/PathData.h"
#include "runtime/Exceptions.h"

namespace zk {

/// One segment of a contour: a straight line from `Curve.P0` to `Curve.P3`
/// (its controls equal its ends), or a cubic Bezier curve.
struct TContourSegment {
  bool IsCurve = false;  ///< true for a curve, false for a straight line
  /// The segment's points; a line keeps its controls on its ends (`Line`),
  /// so curve routines treat it exactly as the straight segment it is.
  TCubicBezier Curve;

  ///@{
  /// Where the segment starts (`Curve.P0`) and ends (`Curve.P3`), for lines
  /// and curves alike.
  TPointD Start() const noexcept { return Curve.P0; }
  TPointD End() const noexcept { return Curve.P3; }
  ///@}
  /// A straight line from A to B.
  static constexpr TContourSegment Line(const TPointD& A, const TPointD& B) noexcept {
    return {false, {A, A, B, B}};
  }
};

/// One contour: the segments drawn from one move, in order, each starting
/// where the one before it ends. A closed contour ends with its closing line
/// back to `Start` (a line of length zero when the last segment already ends
/// there), so that every consumer sees the segment the close adds.
struct TPathContour {
  TPointD Start;  ///< the point of the move that begins the contour
  /// The segments in drawing order; empty for a lone move.
  std::vector<TContourSegment> Segments;
  /// True when a close ended the contour; its closing line is then the last
  /// segment.
  bool Closed = false;
};

/// The contours of the path's entries, read by the path's segment walk: each
/// move starts a contour (a lone move gives a contour without segments); a
/// line or curve that follows a close or opens the path starts a contour at
/// the pen position (the figure's start after a close, the origin at the
/// path's beginning); a close adds its closing line and ends the contour.
/// Entries of unknown kind are skipped and a curve cut short at the end is
/// left out, as everywhere else. Memory grows with the entries only.
std::vector<TPathContour> PathContours(std::span<const TZKPathPoint> Entries);
/// The contours of Path's entries, as above; an empty path gives none.
inline std::vector<TPathContour> PathContours(const TZKPathData& Path) { return PathContours(Path.Entries()); }

/// The most entries a path made by `ContoursToPath` may hold; an operation
/// whose result would exceed it raises `EResultTooLarge` instead of
/// exhausting memory.
inline constexpr std::size_t MaxResultEntries = std::size_t(1) << 20;

/// An operation's result would exceed `MaxResultEntries`.
class EResultTooLarge : public Exception { using Exception::Exception; };

/// Writes contours into a path one at a time, as `ContoursToPath` writes
/// them, for operations that make their contours one by one and need not
/// keep them. The path must outlive the writer; the caller holds the update
/// bracket.
class TContourWriter {
public:
  /// Writes after the entries Path already holds (which count towards none
  /// of the writer's limits).
  explicit TContourWriter(TZKPathData& Path) noexcept : FPath(Path) {}
  /// Appends C: a move to its start, a line or a curve per segment (points
  /// rounded to single precision), and a close for a closed contour (whose
  /// closing line is then implied by the close and not written as a line).
  /// Raises `EResultTooLarge`, writing nothing of C, when the contours
  /// written would pass `MaxResultEntries` entries; raises `EOverflow` when a
  /// point lies outside the single-precision range or is not finite, with C
  /// written up to that point.
  void Add(const TPathContour& C);

private:
  TZKPathData& FPath;
  std::size_t FEntries = 0;
};

/// The contours as a new path: a move to each contour's start, a line or a
/// curve per segment (points rounded to single precision), and a close for a
/// closed contour (whose closing line is then implied by the close and not
/// written as a line). Raises `EOverflow` when a point lies outside the
/// single-precision range or is not finite, and `EResultTooLarge` when the path
/// would hold more than `MaxResultEntries` entries; nothing is returned then.
std::unique_ptr<TZKPathData> ContoursToPath(std::span<const TPathContour> Contours);

} // namespace zk
