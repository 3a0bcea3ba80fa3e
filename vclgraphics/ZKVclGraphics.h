#pragma once
/// The toolkit-bound graphics unit: colour conversions, direction gradients,
/// fonts and text labels.
#include "vclgraphics/ColorConversions.h"
