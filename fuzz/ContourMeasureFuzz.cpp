// Exact measurement, trimming, tight bounds, areas, reversal and the fill
// test on any path: path text in either reading, or raw entries as a form
// file streams them (any finite coordinates up to the float range, any kind
// bytes). Every result must be finite, the points along the path must lie in
// its tight box, a piece must never be longer than the whole, and the path
// form of the fill test must agree with the contour form. Run with
// -rss_limit_mb=2048.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

#include "FuzzInput.h"
#include "path/PathData.h"
#include "pathops/ContourArea.h"
#include "pathops/ContourMeasure.h"
#include "pathops/PathReverse.h"
#include "pathops/PathWinding.h"
#include "pathops/TightBounds.h"
#include "runtime/Exceptions.h"
#include "runtime/Streams.h"

namespace {

using zkfuzz::Check;
using zkfuzz::TakeFloat;

bool Finite(const zk::TPointD& P) { return std::isfinite(P.X) && std::isfinite(P.Y); }

// The largest coordinate of the contours, for the rounding of a stored piece.
double Extent(const std::vector<zk::TPathContour>& Contours) {
  double M = 0;
  for (const zk::TPathContour& C : Contours)
    for (const zk::TContourSegment& S : C.Segments)
      for (const zk::TPointD& P : {S.Curve.P0, S.Curve.P1, S.Curve.P2, S.Curve.P3})
        M = std::max({M, std::fabs(P.X), std::fabs(P.Y)});
  return M;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  if (Size < 1) return 0;
  const std::uint8_t Mode = *Data++;
  --Size;
  const float From = TakeFloat(Data, Size, 0), To = TakeFloat(Data, Size, 1);
  const float X = TakeFloat(Data, Size, 0), Y = TakeFloat(Data, Size, 0);
  zk::TZKPathData Path;
  if (Mode % 3 != 2) {
    Path.SetPathString(std::string_view(reinterpret_cast<const char*>(Data), Size),
                       Mode % 3 ? zk::TZKPathSyntax::Svg : zk::TZKPathSyntax::Compatible);
  } else {
    const std::uint32_t N = static_cast<std::uint32_t>(Size / 9);
    std::vector<std::byte> Bytes(4 + std::size_t{N} * 9);
    std::memcpy(Bytes.data(), &N, 4);
    if (N > 0) std::memcpy(Bytes.data() + 4, Data, std::size_t{N} * 9);
    zk::TMemoryStream Stream(Bytes);
    try {
      Path.ReadPath(Stream);
    } catch (const zk::EReadError&) {
      return 0;  // a non-finite coordinate
    }
  }

  const zk::TContourMeasure M(Path);
  const double L = M.Length();
  Check(std::isfinite(L) && L >= 0);
  const zk::TBoundsD B = zk::TightBounds(M.Contours());
  Check(std::isfinite(B.Left) && std::isfinite(B.Top) && std::isfinite(B.Right) && std::isfinite(B.Bottom));
  // Points along the path lie in the tight box, up to the rounding of a
  // point evaluated at a parameter.
  const double Slack = 1e-9 * std::max({1.0, std::fabs(B.Left), std::fabs(B.Right), std::fabs(B.Top),
                                        std::fabs(B.Bottom)});
  for (double D : {0.0, double(From), double(To), L * 0.5, L}) {
    const zk::TPointTangent PT = M.PointTangentAt(D);
    Check(Finite(PT.Point) && Finite(PT.Tangent));
    Check(PT.Point.X >= B.Left - Slack && PT.Point.X <= B.Right + Slack && PT.Point.Y >= B.Top - Slack &&
          PT.Point.Y <= B.Bottom + Slack);
  }
  // A piece measured in double is never longer than the whole; stored in
  // single precision, by no more than the rounding of its points.
  const std::vector<zk::TPathContour> Piece = M.Piece(From, To);
  const double PieceLength = zk::TContourMeasure(Piece).Length();
  Check(PieceLength <= L * (1 + 1e-9));
  const auto Stored = M.Trim(From, To);
  const double StoredLength = zk::ExactPathLength(*Stored);
  Check(std::isfinite(StoredLength));
  Check(StoredLength <= L * (1 + 1e-6) + 16 * Extent(Piece) * 0x1p-24 * double(Stored->Count()));
  // The fill test: both forms agree.
  const zk::TPointD P{X, Y};
  Check(zk::WindingNumber(Path, P) == zk::WindingNumber(M.Contours(), P));
  (void)zk::PathContains(Path, P, zk::fmEvenOdd);
  for (const zk::TPathContour& C : M.Contours()) Check(std::isfinite(zk::ContourArea(C)));
  const auto Reversed = zk::ReversePath(Path);
  Check(std::isfinite(zk::ExactPathLength(*Reversed)));
  return 0;
}
