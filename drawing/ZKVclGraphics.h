#pragma once
/// The toolkit-bound graphics unit: colour conversions, direction gradients,
/// fonts and text labels, shapes with images from an image list.
#include "drawing/ColorConversions.h"
#include "drawing/DirectionGradient.h"
#include "drawing/ImageListShape.h"
#include "drawing/TextLabel.h"
