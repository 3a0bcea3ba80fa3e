// The colour of one step along a gradient through a list of colours.
#include "drawing/ColorSchemes.h"

#include <algorithm>
#include <cstdint>

#include "drawing/ColorChannels.h"
#include "geometry/Geometry.h"

namespace zk {

TColor IndexToColor(int Index, int Count, const TColors& Colors) {
  const std::int64_t N = static_cast<std::int64_t>(Colors.size());
  if (N == 0) return 0;
  if (N == 1) return Colors[0];
  double S = static_cast<double>(Count) / static_cast<double>(N - 1);
  if (!(S > 0)) S = Count;
  // The segment uses the rounded step, the blend below the step itself.
  const std::int64_t K = Index / std::max<std::int64_t>(CanvasRound(S), 1);
  if (K < 0) return Colors.front();
  if (K >= N - 1) return Colors.back();
  if (!(S > 0)) return Colors[static_cast<std::size_t>(K)];

  const TRGB C1 = ColorToTRGB(Colors[static_cast<std::size_t>(K)]);
  const TRGB C2 = ColorToTRGB(Colors[static_cast<std::size_t>(K + 1)]);
  const double F = Index - static_cast<double>(K) * S + 1;
  auto Channel = [&](double A, double B) { return DoubleToByte(A - ((A - B) / S) * F); };
  return RGBToColor({Channel(C1.R, C2.R), Channel(C1.G, C2.G), Channel(C1.B, C2.B)});
}

} // namespace zk
