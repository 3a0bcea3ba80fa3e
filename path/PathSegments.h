#pragma once
/// One walk over a path's entries that yields whole segments, so that where a
/// curve starts and what becomes of a curve cut short are decided here and
/// nowhere else.
#include <cstddef>
#include <span>
#include <type_traits>

#include "path/PathTypes.h"

namespace zk {

/// One segment of a path, with its points copied out of the packed entries.
struct TZKPathSegment {
  /// `ppMoveTo`, `ppLineTo`, `ppClose`, `ppCurveTo` for a whole cubic, or
  /// another kind byte as streamed (one entry that no reader knows).
  TZKPathPointKind Kind;
  /// Index of the segment's first entry.
  std::size_t Index;
  /// The pen position before the segment: the point of the last move, line
  /// or curve end; (0, 0) before any. Closes and unknown kinds leave it.
  TPointF Current;
  /// The point stored in the entry just before the segment, whatever its
  /// kind (a close's figure start included); (0, 0) for the first entry.
  TPointF Previous;
  /// Points[0] is the entry's point; a cubic has its first control point,
  /// second control point and end point in Points[0..2].
  TPointF Points[3];

  /// The point the pen is at after the segment (the end of a cubic).
  TPointF End() const noexcept { return Kind == ppCurveTo ? Points[2] : Points[0]; }
};

/// Calls Visit(segment) for every segment of Entries in order: every entry
/// is one segment, except that a `ppCurveTo` entry and the two entries after
/// it (whatever their kind) form one cubic. A cubic with fewer than three
/// entries left at the end of the list ends the walk unvisited. Visit may
/// return bool (false stops the walk, and the result is then false) or
/// nothing. Allocates nothing.
template <class VisitFn>
bool ForEachPathSegment(std::span<const TZKPathPoint> Entries, VisitFn&& Visit) {
  const std::size_t N = Entries.size();
  TZKPathSegment S{ppMoveTo, 0, {}, {}, {}};
  for (std::size_t I = 0; I < N; ++I) {
    const TZKPathPoint& E = Entries[I];
    S.Kind = E.Kind;
    S.Index = I;
    // Field by field: the packed point may sit at an unaligned address.
    S.Points[0] = {E.Point.X, E.Point.Y};
    if (E.Kind == ppCurveTo) {
      if (N - I < 3) return true;
      S.Points[1] = {Entries[I + 1].Point.X, Entries[I + 1].Point.Y};
      S.Points[2] = {Entries[I + 2].Point.X, Entries[I + 2].Point.Y};
      I += 2;
    }
    if constexpr (std::is_same_v<std::invoke_result_t<VisitFn&, const TZKPathSegment&>, bool>) {
      if (!Visit(static_cast<const TZKPathSegment&>(S))) return false;
    } else {
      Visit(static_cast<const TZKPathSegment&>(S));
    }
    if (S.Kind <= ppCurveTo) S.Current = S.End();
    S.Previous = {Entries[I].Point.X, Entries[I].Point.Y};
  }
  return true;
}

} // namespace zk
