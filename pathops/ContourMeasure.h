#pragma once
/// Exact measurement of a path along its true curves: the arc length of every
/// line and cubic, the point and direction at a distance along the outline,
/// and the piece between two distances with its curves kept as curves.
///
/// Precision: lengths are integrated in double from the stored points to a
/// relative accuracy of `MeasureAccuracy` per segment, so a contour's and the
/// whole path's length are within about 1e-12 relative of the true length.
/// A distance is found by a binary search over the segments (O(log n)) and,
/// within a cubic, by `CubicParameterAtLength` to the same accuracy.
#include <cstddef>
#include <memory>
#include <span>
#include <vector>

#include "geometry/CubicBezier.h"
#include "pathops/PathContours.h"

namespace zk {

/// The relative accuracy of every segment length the measure integrates (a
/// fraction of the segment's length): far inside the 1e-9 that callers may
/// rely on, while the quadrature still converges in a few steps.
inline constexpr double MeasureAccuracy = 1e-13;

/// A point on a path and the unit tangent there (the direction of travel).
struct TPointTangent {
  TPointD Point;    ///< the point on the path
  TPointD Tangent;  ///< the unit direction of travel there
};

/// A path measured once along its true curves and queried many times.
///
/// The path's contours (see `PathContours`: each move starts one; a close
/// adds its closing line and marks the contour closed) are laid end to end:
/// distance 0 is the first contour's start, and the jump from one contour to
/// the next adds nothing. Contours without segments (a lone move) have no
/// length and take no part in pieces. Building takes O(n) time and memory for
/// n segments; queries do not change the measure, so one measure may be read
/// from several threads.
class TContourMeasure {
public:
  /// An empty measure: no contours, length 0.
  TContourMeasure() = default;
  /// The measure of the path's entries.
  explicit TContourMeasure(const TZKPathData& Path);
  /// The measure of contours already read (from `PathContours` or made by
  /// another operation); the contours are kept as given. Accuracy is the
  /// relative accuracy of every segment length and of every distance found
  /// within a curve: `MeasureAccuracy` (all the promises above) unless a
  /// caller needs less and says why (a stroke's dashes, placed within a
  /// share of the stroke's tolerance; see `DashCutShare`).
  explicit TContourMeasure(std::vector<TPathContour> Contours, double Accuracy = MeasureAccuracy);

  /// The contours measured, in order.
  const std::vector<TPathContour>& Contours() const noexcept { return FContours; }
  /// The total length: the sum of the contours' lengths.
  double Length() const noexcept { return FTotal; }
  /// The number of contours.
  std::size_t ContourCount() const noexcept { return FContours.size(); }
  /// The length of contour I (closing line included); I < ContourCount().
  double ContourLength(std::size_t I) const noexcept { return FContourEnd[I] - FContourStart[I]; }
  /// Where contour I starts, as a distance along the whole path.
  double ContourStart(std::size_t I) const noexcept { return FContourStart[I]; }
  /// Contour I ends in a close.
  bool ContourClosed(std::size_t I) const noexcept { return FContours[I].Closed; }

  /// The point and unit tangent at Distance along the whole path, clamped to
  /// [0, Length()]. Where two segments meet, the segment that starts there
  /// answers (at Length() the last segment with a length, at its end), and
  /// segments of length zero are passed over, so the tangent is that of a
  /// segment that moves. A measure without length answers its first point
  /// (the origin when it has no contours) with the tangent (1, 0). A cubic's
  /// tangent at a cusp is its `CubicTangent` direction there.
  TPointTangent PointTangentAt(double Distance) const noexcept;
  /// The point at Distance, as `PointTangentAt`.
  TPointD PointAt(double Distance) const noexcept { return PointTangentAt(Distance).Point; }
  /// The unit tangent at Distance, as `PointTangentAt`.
  TPointD TangentAt(double Distance) const noexcept { return PointTangentAt(Distance).Tangent; }

  /// The piece of the whole path between the distances From and To (each
  /// clamped to [0, Length()]), one contour per contour it touches with a
  /// positive length: lines are cut as lines, a cubic by `SubCubic` at the
  /// parameters where its arc length reaches the distances, so curves stay
  /// curves and the piece's ends are exactly `PointAt(From)` and
  /// `PointAt(To)`. A piece is closed only when it covers the whole of a
  /// closed contour (then it is that contour as measured). From >= To gives
  /// no contours.
  std::vector<TPathContour> Piece(double From, double To) const;
  /// The piece of contour I alone between distances From and To measured
  /// from that contour's start (clamped to [0, ContourLength(I)]): no
  /// contours or one, as `Piece`.
  std::vector<TPathContour> ContourPiece(std::size_t I, double From, double To) const;
  /// `Piece` as a new path (`ContoursToPath`: raises `EOverflow` only for
  /// points beyond the single-precision range, which stored points are not).
  std::unique_ptr<TZKPathData> Trim(double From, double To) const;

private:
  friend class TContourCutter;
  struct TSegmentMeasure {
    double Start;   // distance along the whole path where the segment starts
    double Length;  // its arc length
    std::size_t Contour;
    std::size_t Index;  // within the contour
  };

  void Build();
  // The segment that answers for Distance (see PointTangentAt); none when
  // the measure has no length.
  const TSegmentMeasure* SegmentAt(double Distance) const noexcept;
  const TContourSegment& SegmentOf(const TSegmentMeasure& M) const noexcept {
    return FContours[M.Contour].Segments[M.Index];
  }
  // The segment's parameter at a distance from its start.
  double ParameterAt(const TSegmentMeasure& M, double Local) const noexcept;
  void AppendPiece(std::size_t I, double From, double To, std::vector<TPathContour>& Out) const;

  std::vector<TPathContour> FContours;
  std::vector<TSegmentMeasure> FSegments;  // segments with a length, in order
  std::vector<double> FSegmentEnd;         // FSegments[k].Start + Length, for the search
  std::vector<double> FContourStart, FContourEnd;
  double FTotal = 0;
  double FAccuracy = MeasureAccuracy;
};

/// A walk along one contour of a measure that cuts it at increasing
/// distances, each cut found from the one before it: cutting a curve into n
/// pieces integrates it about once in all, where n calls of `ContourPiece`
/// would each search from the curve's start. The cuts are placed to an
/// accuracy of the caller's choice rather than the measure's own, for callers
/// that need them only within a tolerance (a stroke's dashes). The measure
/// must outlive the cutter.
class TContourCutter {
public:
  /// Starts at distance 0 of contour I of Measure (I < ContourCount()).
  /// Accuracy (a distance along the contour, above 0) is how far a cut on a
  /// curve may lie from its distance; within one curve, the lengths measured
  /// for earlier cuts add at most Accuracy / 4 each to it. Cuts on lines and
  /// at segment ends are exact, as `ContourPiece` makes them.
  TContourCutter(const TContourMeasure& Measure, std::size_t I, double Accuracy) noexcept;
  /// How far the walk has come, as a distance from the contour's start.
  double Position() const noexcept { return FPosition; }
  /// Walks on to Distance (clamped to [Position(), ContourLength(I)]) and
  /// appends the piece walked over to Out, cut as `ContourPiece` cuts it:
  /// lines as lines, curves by `SubCubic`, a segment the piece covers whole
  /// as it is. Appends nothing when Distance is not beyond Position().
  void CutTo(double Distance, std::vector<TContourSegment>& Out);
  /// Walks on to Distance as `CutTo` does, without appending the piece.
  void SkipTo(double Distance) { WalkTo(Distance, nullptr); }

private:
  void WalkTo(double Distance, std::vector<TContourSegment>* Out);

  const TContourMeasure& FMeasure;
  std::size_t FContour;
  double FAccuracy;
  std::size_t FSegment;     // the measured segment the walk is in
  std::size_t FSegmentEnd;  // one past the contour's last measured segment
  double FT = 0;            // the walk's parameter within that segment
  double FLocal = 0;        // and its length from the segment's start
  double FPosition = 0;
};

/// The exact length of the path along its true curves (`TContourMeasure`);
/// beside it, the path's own `GetLength` measures its spline polygon.
double ExactPathLength(const TZKPathData& Path);

/// The piece of the path between the distances From and To along its true
/// curves as a new path (`TContourMeasure::Trim`).
std::unique_ptr<TZKPathData> TrimPath(const TZKPathData& Path, double From, double To);

} // namespace zk
