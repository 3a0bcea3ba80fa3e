#pragma once
// Internal to the drawing routines: the canvas state a routine changes for
// its own work, put back also when a canvas call raises.
#include <utility>

#include "canvas/Canvas.h"
#include "runtime/ScopeExit.h"

namespace zk::detail {

// Runs Draw and then puts the brush back as it was. Setting a colour on a
// clear brush makes it solid, so the style is restored with the colour.
template <class Draw>
void KeepingBrush(TCanvas& Canvas, Draw&& D) {
  const TBrushData Saved = Canvas.Brush().Data();
  const TScopeExit Restore([&] { Canvas.Brush().SetData(Saved); });
  std::forward<Draw>(D)();
}

// The same, keeping the pen style too.
template <class Draw>
void KeepingBrushAndPenStyle(TCanvas& Canvas, Draw&& D) {
  const TPenStyle SavedStyle = Canvas.Pen().Style();
  const TScopeExit Restore([&] { Canvas.Pen().SetStyle(SavedStyle); });
  KeepingBrush(Canvas, std::forward<Draw>(D));
}

} // namespace zk::detail
