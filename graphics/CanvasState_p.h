#pragma once
// Internal to the drawing routines: restoring the canvas state a routine
// changes for its own work, also when a canvas call raises.
#include <utility>

#include "canvas/Canvas.h"

namespace zk::detail {

// Runs Draw, then Restore. When Draw raises, Restore still runs and Draw's
// exception is the one that passes (a second failure while restoring is
// dropped, so the caller learns the first cause).
template <class Draw, class Restore>
void DrawThenRestore(Draw&& D, Restore&& R) {
  try {
    std::forward<Draw>(D)();
  } catch (...) {
    try {
      R();
    } catch (...) {
    }
    throw;
  }
  R();
}

// Runs Draw and then puts the brush back as it was. Setting a colour on a
// clear brush makes it solid, so the style is restored with the colour.
template <class Draw>
void KeepingBrush(TCanvas& Canvas, Draw&& D) {
  const TBrushData Saved = Canvas.Brush().Data();
  DrawThenRestore(std::forward<Draw>(D), [&] { Canvas.Brush().SetData(Saved); });
}

// The same, keeping the pen style too.
template <class Draw>
void KeepingBrushAndPenStyle(TCanvas& Canvas, Draw&& D) {
  const TBrushData Saved = Canvas.Brush().Data();
  const TPenStyle SavedStyle = Canvas.Pen().Style();
  DrawThenRestore(std::forward<Draw>(D), [&] {
    Canvas.Brush().SetData(Saved);
    Canvas.Pen().SetStyle(SavedStyle);
  });
}

} // namespace zk::detail
