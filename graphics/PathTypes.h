#pragma once
/// The entry types of a vector path.
#include <cstdint>
#include <type_traits>

#include "runtime/Records.h"

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
#pragma pack(push, 1)
struct TZKPathPoint {
  TZKPathPointKind Kind = ppMoveTo;
  TPointF Point;
  friend constexpr bool operator==(const TZKPathPoint& A, const TZKPathPoint& B) {
    return A.Kind == B.Kind && A.Point == B.Point;
  }
};
#pragma pack(pop)
static_assert(sizeof(TZKPathPoint) == 9, "a path entry is streamed as 9 packed bytes");
static_assert(std::is_trivially_copyable_v<TZKPathPoint>);

/// How overlapping figures fill.
enum TZKFillMode : std::uint8_t { fmEvenOdd = 0, fmNonZero = 1 };

} // namespace zk
