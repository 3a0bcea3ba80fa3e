#pragma once
/// The triangle gradient fill of the Qt backend.
#include <span>

#include "canvas/DeviceContext.h"

class QPainter;

namespace zk {

/// Fills each triangle (indexes already checked against Vertices) with the
/// barycentric blend of its vertex colours. Where the three colours lie on
/// one line in RGB space (two equal colours, or a midpoint between two, say)
/// the blend is one linear gradient clipped to the triangle, so that PDF and
/// SVG output stays vector and exact; otherwise the blend is computed per
/// pixel into an image of at most `MaxGradientImageSide` pixels a side,
/// clipped to the triangle and the device. Degenerate triangles draw
/// nothing. The painter's pen, brush and clip are restored.
void QtGradientFill(QPainter& Painter, std::span<const TTriVertex> Vertices,
                    std::span<const TGradientTriangle> Triangles);

/// The largest side of the image a non-linear triangle blend is computed in;
/// a larger area is stretched, which bounds memory whatever the coordinates.
inline constexpr int MaxGradientImageSide = 4096;

} // namespace zk
