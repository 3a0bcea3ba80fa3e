// The colour of one step along a gradient through a list of colours.
#include "graphics/ColorSchemes.h"

#include <algorithm>
#include <cstdint>

#include "graphics/ColorBytes.h"
#include "graphics/Geometry.h"

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

  const auto C1 = static_cast<std::uint32_t>(Colors[static_cast<std::size_t>(K)]);
  const auto C2 = static_cast<std::uint32_t>(Colors[static_cast<std::size_t>(K + 1)]);
  const double F = Index - static_cast<double>(K) * S + 1;
  std::uint32_t Result = 0;
  for (const int Shift : {0, 8, 16}) {
    const double A = (C1 >> Shift) & 0xFF, B = (C2 >> Shift) & 0xFF;
    Result |= std::uint32_t{DoubleToByte(A - ((A - B) / S) * F)} << Shift;
  }
  return static_cast<TColor>(Result);
}

} // namespace zk
