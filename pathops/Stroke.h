#pragma once
/// Strokes as SVG and the HTML canvas paint them: a style (width, join, cap,
/// miter limit, dashes), the outline of a stroked path as a path to fill by
/// the nonzero rule, and a hit test on the stroke.
///
/// The stroke of a contour is the set of points swept by a line segment as
/// wide as the stroke, centred on the contour and normal to it, plus a join
/// at every corner (also at a closed contour's start) and a cap at both ends
/// of an open contour. Precision: lines and joins are exact; offset curves,
/// round joins and round caps are cubics within `TZKStroke::Tolerance` of the
/// true offset; dashes are cut along the true curves (`TContourCutter`:
/// curves cut as curves), each end within `DashCutShare` of the tolerance
/// of its exact distance along the contour.
/// The outline is a union of pieces that all wind the same way, so overlaps
/// never cancel under the nonzero rule (under even-odd they would).
#include <memory>
#include <vector>

#include "geometry/CubicBezier.h"
#include "geometry/Geometry.h"
#include "path/PathData.h"
#include "pathops/PathContours.h"

namespace zk {

/// How two segments meet at a corner.
enum class TZKLineJoin {
  Miter,  ///< the outer edges extended to their meeting point (within the miter limit)
  Round,  ///< a circular arc round the corner
  Bevel   ///< a straight line across the outer edges' ends
};
/// How an open contour or a dash ends.
enum class TZKLineCap {
  Butt,   ///< square at the end point
  Round,  ///< a half disc beyond the end
  Square  ///< a half square beyond the end, as long as half the width
};

/// A stroke style that cannot be used (negative or non-finite width, a miter
/// limit below 1, a negative or non-finite dash entry or offset, a tolerance
/// that is not positive); the message says which.
class EInvalidStroke : public EZKGfxException {
public:
  using EZKGfxException::EZKGfxException;
};

/// A stroke style with SVG's defaults: miter joins, butt caps, a miter limit
/// of 4, no dashes.
struct TZKStroke {
  /// The stroke's full width in path units; 0 paints nothing.
  double Width = 1;
  /// The join at every corner.
  TZKLineJoin Join = TZKLineJoin::Miter;
  /// The caps of open contours and dashes (and the shape of zero-length ones).
  TZKLineCap Cap = TZKLineCap::Butt;
  /// The largest ratio of a miter's length (corner to tip, doubled) to the
  /// width, as SVG and the canvas define it: 1 / sin(theta / 2) for segments
  /// meeting at the angle theta. A corner past it is bevelled; one exactly at
  /// it keeps its miter. At least 1.
  double MiterLimit = 4;
  /// Dash and gap lengths in path units, alternating, starting with a dash.
  /// An odd list is repeated to make it even; empty or all zeros strokes solid.
  std::vector<double> Dashes;
  /// How far into the dash pattern each contour starts (any finite value;
  /// negative shifts the pattern forward).
  double DashOffset = 0;
  /// The largest distance of the outline's curves from the true offset
  /// curves, in path units; a caller drawing at a scale S passes the pixel
  /// tolerance divided by S.
  double Tolerance = 0.01;
};

/// Raises `EInvalidStroke` when Stroke cannot be used, naming the field.
void ValidateStroke(const TZKStroke& Stroke);

/// The outline of Path stroked by Stroke, as a new path to fill by the
/// nonzero rule: for every open contour or dash one closed contour around
/// it (offsets, joins and caps), for every closed contour two (its outer and
/// inner side), and a few small contours where a curve turns tighter than
/// half the width. A zero width, an empty path or one of lone moves gives an
/// empty path; a zero-length contour (a move and a close, or lines of no
/// length) gives a dot (round caps) or an axis-aligned square (square caps)
/// as wide as the stroke, and nothing with butt caps. A zero-length dash
/// gives the same, the square turned along the contour. Raises
/// `EInvalidStroke` for a bad style, `EResultTooLarge` when the dash pattern
/// would make more than 2^20 dashes or the outline more than 2^20 entries,
/// and `EOverflow` when a point of the outline leaves the float range.
std::unique_ptr<TZKPathData> StrokeOutline(const TZKPathData& Path, const TZKStroke& Stroke);

/// A hit test on the stroke of one path, prepared once for many points: the
/// dashes are cut when it is built, and each query offsets only the pieces
/// whose reach holds the point.
class TZKStrokeHitTest {
public:
  /// Prepares the test; raises as `StrokeOutline` does for the style and the
  /// dash count.
  TZKStrokeHitTest(const TZKPathData& Path, const TZKStroke& Stroke);
  /// Releases the prepared pieces.
  ~TZKStrokeHitTest();
  /// Takes over another test's pieces; the other may only be destroyed or assigned.
  TZKStrokeHitTest(TZKStrokeHitTest&&) noexcept;
  /// Takes over another test's pieces, as the move constructor.
  TZKStrokeHitTest& operator=(TZKStrokeHitTest&&) noexcept;

  /// The point lies on the stroke: inside a piece of `StrokeOutline`'s
  /// outline (the same pieces, so the answers agree with filling the outline
  /// by the nonzero rule). Boundary rule: a point exactly on a piece's edge is
  /// inside when the edge lies to its right or below it (the half-open
  /// crossing rule of the fill); within the tolerance of the edge either
  /// answer is right. A non-finite point is never on the stroke.
  bool Contains(const TPointD& P) const;

  /// The prepared contours (after dashing) with their reach; internal.
  struct TData;

private:
  std::unique_ptr<TData> Data;
};

/// The point lies on the stroke of Path (`TZKStrokeHitTest` for one query).
bool PointOnStroke(const TZKPathData& Path, const TPointD& P, const TZKStroke& Stroke);

} // namespace zk
