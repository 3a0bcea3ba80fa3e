// Any bytes as path data, in both readings: parse, write, read back, flatten,
// measure and hit-test. Every step must finish without a sanitizer finding,
// writing what was read must be a fixed point, and a reading's stop position
// lies within the text.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "path/PathData.h"

namespace {

void Check(bool Condition) {
  if (!Condition) std::abort();
}

// Reads Text as Syntax says and checks what a reading promises.
void ReadAndWrite(zk::TZKPathData& Path, std::string_view Text, zk::TZKPathSyntax Syntax) {
  using namespace zk;
  const TZKPathTextRead Stop = Path.SetPathString(Text, Syntax);
  Check(Stop.StopPos <= Text.size() && Stop.Complete == (Stop.StopPos == Text.size()));
  for (const TZKPathPoint& E : Path.Entries())
    Check(std::isfinite(E.Point.X) && std::isfinite(E.Point.Y)); // no text makes a non-finite point

  const std::string Written = Path.GetPathString();
  TZKPathData Read;
  // What the SVG reading builds starts with a move and never draws straight
  // after a close, so its written form is SVG path data it reads whole.
  Check(Read.SetPathString(Written, Syntax).Complete || Syntax == TZKPathSyntax::Compatible);
  Check(Read.Count() == Path.Count());
  const std::string Again = Read.GetPathString();
  TZKPathData ReadAgain;
  ReadAgain.SetPathString(Again, Syntax);
  Check(ReadAgain.GetPathString() == Again);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  using namespace zk;
  const std::string_view Text(reinterpret_cast<const char*>(Data), Size);
  TZKPathData Path;
  ReadAndWrite(Path, Text, TZKPathSyntax::Svg);
  ReadAndWrite(Path, Text, TZKPathSyntax::Compatible);

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
