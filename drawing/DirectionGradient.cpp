#include "drawing/DirectionGradient.h"

#include <vector>

#include "drawing/ColorChannels.h"

namespace zk {

namespace {

TTriVertex VertexAt(std::int32_t X, std::int32_t Y, TColor Color) {
  const TRGB C = ColorToTRGB(Color);
  return {X, Y, static_cast<std::uint16_t>(C.R << 8), static_cast<std::uint16_t>(C.G << 8),
          static_cast<std::uint16_t>(C.B << 8), 0};
}

void DiagonalGradient(TCanvas& Canvas, const TRect& Rect, std::span<const TColor> Colors,
                      TGradientDirection Direction) {
  if (Rect.Right == 0 || Rect.Bottom == 0 || Colors.empty()) return;
  // Start and end corner per diagonal; the other two get the midpoint.
  int Start = 0, End = 2;
  switch (Direction) {
    case gdDownRight: Start = 0, End = 2; break;
    case gdDownLeft: Start = 1, End = 3; break;
    case gdUpRight: Start = 3, End = 1; break;
    case gdUpLeft: Start = 2, End = 0; break;
    default: return;
  }
  std::array<TTriVertex, 4> V = {VertexAt(Rect.Left, Rect.Top, 0), VertexAt(Rect.Right, Rect.Top, 0),
                                 VertexAt(Rect.Right, Rect.Bottom, 0),
                                 VertexAt(Rect.Left, Rect.Bottom, 0)};
  const TTriVertex First = VertexAt(0, 0, Colors[0]);
  const TTriVertex Second = VertexAt(0, 0, Colors.size() > 1 ? Colors[1] : Colors[0]);
  const auto Paint = [](TTriVertex& Target, std::uint16_t R, std::uint16_t G, std::uint16_t B) {
    Target.Red = R, Target.Green = G, Target.Blue = B;
  };
  Paint(V[Start], First.Red, First.Green, First.Blue);
  Paint(V[End], Second.Red, Second.Green, Second.Blue);
  const auto Mid = [](std::uint16_t A, std::uint16_t B) {
    return static_cast<std::uint16_t>((A + B) >> 1);
  };
  for (int Corner = 0; Corner < 4; ++Corner)
    if (Corner != Start && Corner != End)
      Paint(V[Corner], Mid(First.Red, Second.Red), Mid(First.Green, Second.Green),
            Mid(First.Blue, Second.Blue));
  static constexpr TGradientTriangle Mesh[] = {{0, 1, 3}, {1, 2, 3}};
  GradientFill(Canvas.Handle(), V, Mesh, GRADIENT_FILL_TRIANGLE);
}

} // namespace

void DirectionGradient(TCanvas& Canvas, const TRect& Rect, std::span<const TColor> Colors,
                       TGradientDirection Direction, int BandWidth) {
  switch (Direction) {
    case gdDown: return LineGradient(Canvas, Rect, Colors, BandWidth, diVertical, 1.0f);
    case gdRight: return LineGradient(Canvas, Rect, Colors, BandWidth, diHorizontal, 1.0f);
    case gdUp:
    case gdLeft: {
      const std::vector<TColor> Reversed(Colors.rbegin(), Colors.rend());
      return LineGradient(Canvas, Rect, Reversed, BandWidth,
                          Direction == gdUp ? diVertical : diHorizontal, 1.0f);
    }
    default: return DiagonalGradient(Canvas, Rect, Colors, Direction);
  }
}

void DirectionGradient(TCanvas& Canvas, const TRect& Rect, std::span<const TColor> Colors,
                       TGradientDirection Direction, int BandWidth, float /*Unused*/) {
  DirectionGradient(Canvas, Rect, Colors, Direction, BandWidth);
}

} // namespace zk
