#pragma once
/// Progress indicators: shapes round an ellipse, pie slices, or shapes in a
/// row or a column, lighting a number of segments proportional to a position
/// within a range.
///
/// Common to all three:
/// - Lit segments: Count when Min = Max or Position = Max, else
///   Trunc(Position / ((Max - Min) / Count)) (Position is not offset by Min;
///   a result of 0 or less lights none, one beyond Count goes round again).
/// - Colours walk the caller's Colors: the first segment is drawn in
///   Colors[0] and after segment i (drawn or not) the brush takes
///   `IndexToColor(i, Count, Colors)`, the pen too when PenFollowsBrush.
/// - `dtAllProgress` draws every lit segment, `dtCurrentProgress` only the
///   last, in the colour the walk has reached.
/// - The brush and the pen colour are restored afterwards, also when the
///   canvas raises. Empty Colors, or Count 0 or less, draw nothing and change
///   nothing.
/// - Segments that would only repeat what is already drawn (a Position far
///   beyond Max) are not drawn again, so the time taken never grows with the
///   numbers given.
///
/// Shapes go to the shape-type `DrawShape` with ShapeType, ShapeOrientation,
/// Draw3D and BevelWidth unchanged. Rect may be given with its sides either
/// way round.
#include <cstdint>

#include "canvas/Canvas.h"
#include "drawing/Shapes.h"
#include "runtime/Colors.h"
#include "runtime/Records.h"

namespace zk {

/// Whether a row of shapes runs across or down.
enum TProgressOrientation : std::uint8_t { poHorizontal, poVertical };
/// Every lit segment, or only the last one (see above).
enum TProgressDisplayType : std::uint8_t { dtAllProgress, dtCurrentProgress };
/// Which way segments light up: forward (from the start: left, top,
/// counter-clockwise from east) or backward.
enum TProgressDirection : std::uint8_t { pdForward, pdBackward };

/// Count shapes share the circumference of the ellipse inset by Margin: each
/// Round((W - 2 Margin) * pi / Count) - Gap wide (and likewise high), segment
/// i at i * 360 / Count degrees counter-clockwise from east (clockwise with
/// `pdBackward`), so segment Count sits at east.
void ProgressCircle(TCanvas& Canvas, const TRect& Rect, int Margin, int Position, int Min, int Max,
                    const TColors& Colors, bool PenFollowsBrush, int Count, TZKShapeType ShapeType,
                    TZKShapeOrientation ShapeOrientation, bool Draw3D, int BevelWidth, int Gap,
                    TProgressDirection Direction, TProgressDisplayType DisplayType);

/// Count pie slices of 360 / Count degrees through `DrawPieSlice`, each
/// losing Gap / 2 degrees at either side: with Count 4 and Gap 10, slice 0
/// spans 5 to 85 degrees and slice 1 95 to 175 (`pdBackward` runs clockwise
/// from the second slice's rays). Margin is accepted and not used.
void ProgressPie(TCanvas& Canvas, const TRect& Rect, int Margin, int Position, int Min, int Max,
                 const TColors& Colors, bool PenFollowsBrush, int Count, int Gap,
                 TProgressDirection Direction, TProgressDisplayType DisplayType);

/// Count shapes in a row (`poHorizontal`) or a column, each followed by Gap,
/// filling the rectangle inset by Margin: W = 110, Margin 5, Count 5, Gap 2
/// gives cells 18 wide starting at x = 5, 25, 45, 65, 85. `pdBackward` fills
/// from the right or the bottom. A forward segment beyond the inner far edge
/// is clipped to it; backward ones run on past the near edge, for at most
/// Count + Colors.size() + 2 segments beyond Count.
void ProgressRect(TCanvas& Canvas, const TRect& Rect, int Margin, int Position, int Min, int Max,
                  const TColors& Colors, bool PenFollowsBrush, int Count, TZKShapeType ShapeType,
                  TZKShapeOrientation ShapeOrientation, bool Draw3D, int BevelWidth, int Gap,
                  TProgressOrientation Orientation, TProgressDirection Direction,
                  TProgressDisplayType DisplayType);

} // namespace zk
