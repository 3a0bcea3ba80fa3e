#pragma once
/// The host runtime's value records: integer and single-precision points and
/// rectangles, the homogeneous vector and the row-major 3x3 matrix.
///
/// All are plain aggregates with the field order and sizes the library's
/// streamed and copied forms rely on; `operator==` is exact (a fuzzy
/// comparison has its own name, such as `PointsEqual`).
#include <cstdint>
#include <type_traits>
#include <vector>

namespace zk {

/// A point in integer device pixels (x to the right, y down).
struct TPoint {
  ///@{
  /// The coordinates.
  std::int32_t X = 0;
  std::int32_t Y = 0;
  ///@}
  friend constexpr bool operator==(const TPoint&, const TPoint&) = default;
};

/// A rectangle in integer device pixels by its edges; it covers Left..Right-1
/// and Top..Bottom-1, and is empty when Right <= Left or Bottom <= Top.
struct TRect {
  ///@{
  /// The edges: left and top inclusive, right and bottom exclusive.
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Right = 0;
  std::int32_t Bottom = 0;
  ///@}
  friend constexpr bool operator==(const TRect&, const TRect&) = default;
};

/// A point in single-precision coordinates, the unit of paths and geometry.
struct TPointF {
  ///@{
  /// The coordinates.
  float X = 0;
  float Y = 0;
  ///@}
  friend constexpr bool operator==(const TPointF&, const TPointF&) = default;
};

/// A rectangle in single-precision coordinates by its edges; nothing
/// requires Left <= Right or Top <= Bottom.
struct TRectF {
  ///@{
  /// The edges.
  float Left = 0;
  float Top = 0;
  float Right = 0;
  float Bottom = 0;
  ///@}
  friend constexpr bool operator==(const TRectF&, const TRectF&) = default;
};

/// A homogeneous 2D vector: X, Y and the weight W (1 for a point).
struct TVector {
  ///@{
  /// The coordinates, divided by W for the point they stand for.
  float X = 0;
  float Y = 0;
  ///@}
  /// The weight: 1 for a point, 0 for a direction.
  float W = 0;
  friend constexpr bool operator==(const TVector&, const TVector&) = default;
};

/// A 3x3 matrix of Single in row-major order; row i is (mi1, mi2, mi3).
/// Points are row vectors multiplied on the left, so the translation of an
/// affine matrix sits in the third row (m31, m32).
struct TMatrix {
  ///@{
  /// The elements, row by row.
  float m11 = 0, m12 = 0, m13 = 0;
  float m21 = 0, m22 = 0, m23 = 0;
  float m31 = 0, m32 = 0, m33 = 0;
  ///@}
  friend constexpr bool operator==(const TMatrix&, const TMatrix&) = default;
};

static_assert(sizeof(TPoint) == 8 && sizeof(TRect) == 16);
static_assert(sizeof(TPointF) == 8 && sizeof(TRectF) == 16);
static_assert(sizeof(TVector) == 12 && sizeof(TMatrix) == 36);
static_assert(std::is_trivially_copyable_v<TPointF> && std::is_trivially_copyable_v<TMatrix>);

// Dynamic arrays of the records and of Single, as the library passes them.
/// A polyline or polygon in single precision.
using TZKPoints = std::vector<TPointF>;
/// A polyline or polygon in device pixels.
using TCanvasPoints = std::vector<TPoint>;
/// Polygons in single precision, one per figure.
using TZKPolygons = std::vector<TZKPoints>;
/// Polygons in device pixels, one per figure.
using TPointPolygons = std::vector<TCanvasPoints>;
/// A dynamic array of Single.
using TSingleDynArray = std::vector<float>;

} // namespace zk
