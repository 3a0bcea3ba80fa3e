#pragma once
// The polygons on which boolean operations decide their regions, and the way
// back from the polygon clipper's result to the operands' exact segments.
// Internal: not installed; the only place besides PathBoolean.cpp that
// names the clipper.
#include <polyclipping/clipper.hpp>

#include <cstdint>
#include <span>
#include <vector>

#include "pathops/PathContours.h"

namespace zk {

/// The operands of one boolean operation flattened onto an integer grid,
/// every polygon vertex remembered as a parameter of the segment it was
/// sampled from, so that `Rebuild` can turn the clipper's polygons back into
/// pieces of those segments.
class TBooleanGrid {
public:
  /// Frames the grid on the control points of both operands (B may be
  /// empty) and flattens them into `Polygons[0]` and `Polygons[1]`. Raises
  /// `EInvalidOp` on a point that is not finite.
  TBooleanGrid(std::span<const TPathContour> A, std::span<const TPathContour> B);

  /// The operands as the clipper's closed polygons.
  ClipperLib::Paths Polygons[2];

  /// Where each polygon of `Polygons` comes from: its contour's place among
  /// the operand's contours, and whether the polygon passes through every
  /// sample of that contour (no spike taken out of it).
  struct TOrigin {
    std::uint32_t Contour;
    bool Whole;
  };
  std::vector<TOrigin> Origins[2];

  /// The clipper's result polygons (which may touch themselves at a vertex)
  /// as simple closed contours on the operands' segments (see
  /// PathBoolean.h). Raises `EResultTooLarge` when they would hold more than
  /// `MaxResultEntries` path entries.
  std::vector<TPathContour> Rebuild(ClipperLib::Paths&& Result);

private:
  // One segment of an operand (an open contour's implied closing line
  // included) and the run of grid vertices sampled from it.
  struct TSource {
    TContourSegment Segment;
    std::uint32_t First = 0;  // its vertices are [First, First + Count)
    std::uint32_t Count = 0;
  };
  // A sample of a segment: at parameter T, exactly at Exact, on the grid at P.
  struct TVertex {
    ClipperLib::IntPoint P;
    TPointD Exact;
    double T = 0;
    std::uint32_t Source = 0;
  };

  ClipperLib::IntPoint ToGrid(const TPointD& P) const noexcept;
  TPointD FromGrid(const ClipperLib::IntPoint& P) const noexcept;
  // A vertex index under its grid point, for the search by point.
  struct TKeyed {
    ClipperLib::IntPoint P;
    std::uint32_t Vertex;
  };
  // Fills `FByPoint` and `FSlotStart`, which only Rebuild needs.
  void IndexByPoint();
  // The vertices whose grid point is P, as a range of `FByPoint`.
  std::span<const TKeyed> VerticesAt(const ClipperLib::IntPoint& P) const;

  TPointD FCentre;
  double FScale = 0;   // grid steps per path unit
  double FExtent = 0;  // the larger side of the operands' box, path units
  std::vector<TSource> FSources;
  std::vector<TVertex> FVertices;
  std::vector<TKeyed> FByPoint;  // every vertex, bucketed by its grid point's hash
  // Where each hash bucket starts in FByPoint, and after the last its end.
  std::vector<std::uint32_t> FSlotStart;
  friend struct TRebuilder;
};

/// Twice the signed area of the ring, exactly.
__int128 TwiceArea(const ClipperLib::Path& Ring) noexcept;

/// Where the point (X2 / 2, Y2 / 2) lies against the ring: `In` 1 inside, 0
/// outside, -1 on its boundary; and `Clearance2`, its squared distance from
/// the boundary in half grid steps. Exact but for the distance: coordinates
/// are doubled so that the midpoint of a ring edge is a grid point too.
struct TRingSide {
  int In;
  double Clearance2;
};
TRingSide PointInRing(ClipperLib::cInt X2, ClipperLib::cInt Y2, const ClipperLib::Path& Ring) noexcept;

} // namespace zk
