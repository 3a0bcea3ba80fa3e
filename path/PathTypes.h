#pragma once
/// The entry types of a vector path.
#include <cstdint>
#include <initializer_list>
#include <type_traits>

#include "runtime/Records.h"
#include "runtime/Set.h"

namespace zk {

/// What an entry of a path does. Stored in one byte; a streamed path may hold
/// other byte values, which every reader of a path ignores.
enum TZKPathPointKind : std::uint8_t { ppMoveTo = 0, ppLineTo = 1, ppCurveTo = 2, ppClose = 3 };

/// One entry of a path: a kind and a point, packed into exactly 9 bytes
/// (kind, then X and Y as IEEE singles) because entry arrays are copied and
/// streamed byte for byte.
///
/// - `ppMoveTo` starts a figure at `Point`.
/// - `ppLineTo` is a straight segment from the current point to `Point`.
/// - Three consecutive `ppCurveTo` entries are one cubic Bezier segment:
///   first control point, second control point, end point.
/// - `ppClose` closes the figure; its `Point` holds the figure's start, so the
///   current point after a close is that start.
///
/// The point sits at offset 1: never bind `Point` to a reference or construct
/// an entry in place by value-initialisation (`resize`); copy whole entries.
#pragma pack(push, 1)
struct TZKPathPoint {
  /// What the entry is: a move, a line, one of a curve's three points, or a
  /// close.
  TZKPathPointKind Kind = ppMoveTo;
  /// The entry's point (see above for each kind).
  TPointF Point;
  friend constexpr bool operator==(const TZKPathPoint& A, const TZKPathPoint& B) {
    // Field by field: binding the packed (unaligned) Point to a reference
    // would be undefined behaviour.
    return A.Kind == B.Kind && A.Point.X == B.Point.X && A.Point.Y == B.Point.Y;
  }
};
#pragma pack(pop)
static_assert(sizeof(TZKPathPoint) == 9, "a path entry is streamed as 9 packed bytes");
static_assert(std::is_trivially_copyable_v<TZKPathPoint>);

/// How overlapping figures fill.
enum TZKFillMode : std::uint8_t { fmEvenOdd = 0, fmNonZero = 1 };

/// A corner of a rectangle.
enum TZKCorner : std::uint8_t { crTopLeft = 0, crTopRight = 1, crBottomLeft = 2, crBottomRight = 3 };

/// A set of corners in one byte: bit 0 top-left, bit 1 top-right, bit 2
/// bottom-left, bit 3 bottom-right, the layout it is stored with.
using TZKCorners = TSet<TZKCorner, 4>;
static_assert(sizeof(TZKCorners) == 1 && std::is_trivially_copyable_v<TZKCorners>);

/// Every corner.
inline constexpr TZKCorners AllCorners{crTopLeft, crTopRight, crBottomLeft, crBottomRight};

/// The shape a corner of a rectangle takes: a quarter curve, a straight cut,
/// a concave curve or a two-step notch.
enum TZKCornerType : std::uint8_t { ctRound = 0, ctBevel = 1, ctInnerRound = 2, ctInnerLine = 3 };

} // namespace zk
