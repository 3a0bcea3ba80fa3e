#include "path/PathPreview.h"

#include "canvas/Canvas.h"
#include "path/PathData.h"
#include "runtime/Exceptions.h"

namespace zk {

bool DrawPathPreview(TCanvas& Canvas, const TZKPathData& Path, const TRectF& Box) {
  Canvas.Brush().SetColor(clGray);
  Canvas.Brush().SetStyle(bsSolid);
  Canvas.Pen().SetColor(clBlack);
  if (Path.Count() < 2) return false;
  TZKPathData Fitted;
  Fitted.Assign(&Path);
  Fitted.FitToRect(Box);
  try {
    // Both calls round every point before the first device-context call, so
    // an unroundable point leaves the canvas untouched.
    Fitted.FillPath(Canvas, 1);
  } catch (const EInvalidOp&) {
    return false;
  }
  Fitted.DrawPath(Canvas, 1);
  return true;
}

} // namespace zk
