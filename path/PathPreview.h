#pragma once
/// The preview look of a path, shared by the path designer and `zkgfx render`.
#include "runtime/Records.h"

namespace zk {

class TCanvas;
class TZKPathData;

/// Draws a copy of Path fitted into Box (`FitToRect`: each axis scaled on its
/// own; a path without extent is drawn where it lies), filled gray (`clGray`,
/// solid brush) and outlined black: `FillPath`, then `DrawPath`, both at full
/// opacity. Path itself is not changed; the canvas keeps the brush and pen set
/// here.
///
/// Returns true when the path reached the canvas. A path of fewer than two
/// entries draws nothing, and so does one with a point that cannot be rounded
/// to the canvas after fitting (NaN or infinite, as bounds beyond the range of
/// a Single make the scale): the preview then stays empty instead of raising,
/// so that any text can be previewed.
bool DrawPathPreview(TCanvas& Canvas, const TZKPathData& Path, const TRectF& Box);

} // namespace zk
