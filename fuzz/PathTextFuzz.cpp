// Any bytes as path data: parse, write, read back, flatten, measure and
// hit-test. Every step must finish without a sanitizer finding, and writing
// what was read must be a fixed point.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "graphics/PathData.h"

namespace {

void Check(bool Condition) {
  if (!Condition) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  using namespace zk;
  const std::string_view Text(reinterpret_cast<const char*>(Data), Size);
  TZKPathData Path;
  Path.SetPathString(Text);
  for (const TZKPathPoint& E : Path.Entries())
    Check(std::isfinite(E.Point.X) && std::isfinite(E.Point.Y)); // no text makes a non-finite point

  const std::string Written = Path.GetPathString();
  TZKPathData Read;
  Read.SetPathString(Written);
  Check(Read.Count() == Path.Count());
  const std::string Again = Read.GetPathString();
  TZKPathData ReadAgain;
  ReadAgain.SetPathString(Again);
  Check(ReadAgain.GetPathString() == Again);

  (void)Path.GetBounds();
  (void)Path.IsEmpty();
  // Flattening, measuring and hit testing cost grows with the drawing's size
  // (pieces of a fixed length); a large drawing is first fitted into a box so
  // that each input stays fast. The fitting itself is exercised that way.
  const auto Geometry = Path.Clone();
  const TRectF B = Geometry->GetBounds();
  if (!(B.Right - B.Left <= 64 && B.Bottom - B.Top <= 64)) Geometry->FitToRect({0, 0, 64, 64});
  const auto Flat = Geometry->Clone();
  Flat->Flatten(0.25f);
  (void)Flat->GetPathString();
  (void)Geometry->GetLength();
  const TPointF Probes[] = {{0, 0}, {32, 32}, {-1.5f, 3}, Geometry->LastPoint()};
  for (const TPointF& P : Probes) {
    (void)Geometry->PointInPath(P);
    (void)Geometry->PointInPathOutline(P, 2);
  }
  return 0;
}
