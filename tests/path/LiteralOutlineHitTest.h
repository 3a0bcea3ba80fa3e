#pragma once
// The stroke hit test done the slow, obvious way: flatten a copy of the path,
// then for every segment build a path holding just that segment's rectangle
// and ask its fill test. The tests use it as the oracle of
// `TZKPathData::PointInPathOutline`, the benchmark as its peer.
#include "geometry/Tolerances.h"
#include "path/PathData.h"

namespace zk::oracle {

// Exposes the protected rectangle builder.
class TRectanglePath : public TZKPathData {
public:
  using TZKPathData::AddRectangleForSegment;
};

inline bool LiteralPointInPathOutline(const TZKPathData& Path, float X, float Y, float StrokeWidth) {
  if (Path.Count() < 2) return false;
  TZKPathData Flat;
  Flat.Assign(&Path);
  Flat.Flatten(OutlineFlatness);
  const auto Entries = Flat.Entries();
  if (Entries.empty()) return false;
  TRectanglePath Rectangle;
  const auto Hits = [&](const TPointF& A, const TPointF& B) {
    Rectangle.Clear();
    Rectangle.AddRectangleForSegment(A, B, StrokeWidth / 2);
    return Rectangle.PointInPath(X, Y);
  };
  TPointF Previous{Entries[0].Point.X, Entries[0].Point.Y}, Start = Previous;
  for (std::size_t I = 1; I < Entries.size(); ++I) {
    const TPointF Q{Entries[I].Point.X, Entries[I].Point.Y};
    switch (Entries[I].Kind) {
      case ppMoveTo: Start = Q; break;
      case ppLineTo:
        if (Hits(Previous, Q)) return true;
        break;
      case ppClose:
        if (Hits(Previous, Q) || Hits(Q, Start)) return true;
        Start = Q;
        break;
      default: break;
    }
    Previous = Q;
  }
  return false;
}

} // namespace zk::oracle
