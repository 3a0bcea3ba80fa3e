// Any bytes as a streamed path, read with ReadPath, and the path operations
// run on that raw geometry without fitting it first: bounds, flattening,
// polygons, length and distances, both hit tests, the outline, split text,
// a matrix, a fit and drawing on the recording canvas. Run with
// -rss_limit_mb=2048: memory that grows with the numbers in a path (rather
// than with its entries) is a finding. Every result must be finite where
// the input is.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "FuzzInput.h"
#include "canvas/RecordingCanvas.h"
#include "geometry/Matrix.h"
#include "path/PathData.h"
#include "runtime/Exceptions.h"
#include "runtime/Streams.h"

namespace {

using zkfuzz::Check;
using zkfuzz::TakeFloat;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  // Arbitrary bytes first, as ReadPath meets them in a form file.
  {
    zk::TZKPathData Raw;
    zk::TMemoryStream Stream(std::as_bytes(std::span(Data, Size)));
    try {
      Raw.ReadPath(Stream);
    } catch (const zk::EReadError&) {
    }
  }
  // Then the same bytes as parameters and whole entries behind a fitting count.
  const float Flatness = TakeFloat(Data, Size, 0.25f);
  const float X = TakeFloat(Data, Size, 0), Y = TakeFloat(Data, Size, 0);
  const float Width = TakeFloat(Data, Size, 1);
  const std::uint32_t N = static_cast<std::uint32_t>(Size / 9);
  std::vector<std::byte> Bytes(4 + std::size_t{N} * 9);
  std::memcpy(Bytes.data(), &N, 4);
  if (N > 0) std::memcpy(Bytes.data() + 4, Data, std::size_t{N} * 9);
  zk::TZKPathData Path;
  zk::TMemoryStream Stream(Bytes);
  try {
    Path.ReadPath(Stream);
  } catch (const zk::EReadError&) {
    return 0;  // a non-finite coordinate
  }

  (void)Path.GetBounds();
  (void)Path.IsEmpty();
  zk::TZKPoints Flat;
  (void)Path.FlattenToPolygon(Flat, Flatness);
  (void)Path.ToPolygons();
  Check(!std::isnan(Path.GetLength()));
  (void)Path.GetDistances();
  (void)Path.PointInPath(X, Y);
  (void)Path.PointInPathOutline(X, Y, Width);
  {
    zk::TZKPathData Outline;
    Outline.AddPathOutline(Path, Width);
  }
  (void)Path.SplitDataByLength(static_cast<int>(std::fmin(std::fabs(X), 1e6f)), "\n");
  try {
    zk::TRecordingCanvas Canvas;
    Path.FillPath(Canvas, 1);
  } catch (const zk::EMathError&) {
    // a coordinate beyond the canvas's 64-bit range refuses to round
  }
  {
    auto Copy = Path.Clone();
    Copy->Flatten(Flatness);
  }
  try {
    Path.ApplyMatrix(zk::CreateRotationZKMatrix({X, Y}, Width));
  } catch (const zk::EOverflow&) {
  }
  try {
    Path.FitToRect({X, Y, X + Width, Y - Width});
  } catch (const zk::EMathError&) {
  }
  for (const zk::TZKPathPoint& E : Path.Entries())
    Check(std::isfinite(float(E.Point.X)) && std::isfinite(float(E.Point.Y)));
  return 0;
}
