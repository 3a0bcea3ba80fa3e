#pragma once
/// A gradient in one of eight directions: the axis directions are banded
/// linear gradients (drawing/Gradients.h), the diagonals one triangle
/// gradient fill of the device context.
#include <array>
#include <cstdint>
#include <span>

#include "canvas/Canvas.h"
#include "drawing/Gradients.h"

namespace zk {

/// The direction in which the colour list runs, from its first colour to
/// its last.
enum TGradientDirection : std::uint8_t {
  gdDownRight, gdDown, gdDownLeft, gdRight, gdLeft, gdUpRight, gdUp, gdUpLeft
};

/// A value per direction, indexed by `TGradientDirection`.
using TGradientDirDeltas = std::array<std::int32_t, 8>;
///@{
/// The unit step of each direction, x to the right and y downward. Exported
/// for callers; the routines do not read them.
inline constexpr TGradientDirDeltas GradDirXDeltas = {1, 0, -1, 1, -1, 1, 0, -1};
inline constexpr TGradientDirDeltas GradDirYDeltas = {1, 1, 1, 0, 0, -1, -1, -1};
///@}

/// `gdDown`/`gdRight`: `LineGradient` vertical/horizontal with the colours as
/// given; `gdUp`/`gdLeft`: the same with the colours reversed. A diagonal
/// uses only the first two colours (a single colour serves as both): the
/// first at the start corner, the second at the end corner, their 16-bit
/// midpoint at the other two, filled as the triangles (0, 1, 3) and (1, 2, 3)
/// of the corners 0 (Left, Top), 1 (Right, Top), 2 (Right, Bottom), 3 (Left,
/// Bottom) by `GradientFill`, changing no pen or brush. A diagonal draws
/// nothing when Rect.Right or Rect.Bottom is 0 or there are no colours; a
/// direction outside the enumeration draws nothing.
void DirectionGradient(TCanvas& Canvas, const TRect& Rect, std::span<const TColor> Colors,
                       TGradientDirection Direction, int BandWidth);

/// The same; the trailing `float` is accepted and not used.
void DirectionGradient(TCanvas& Canvas, const TRect& Rect, std::span<const TColor> Colors,
                       TGradientDirection Direction, int BandWidth, float Unused);

} // namespace zk
