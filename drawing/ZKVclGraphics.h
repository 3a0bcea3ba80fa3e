#pragma once
/// The toolkit-bound graphics unit: colour conversions, direction gradients,
/// fonts and text labels, shapes with images from an image list.
#include "vclgraphics/ColorConversions.h"
#include "vclgraphics/DirectionGradient.h"
#include "vclgraphics/ImageListShape.h"
#include "vclgraphics/TextLabel.h"
