#pragma once
/// A `TZKPathData` as a `QPainterPath` and back, so that a path parsed here
/// can be drawn, clipped or stroked by any Qt code, and a `QPainterPath` from
/// elsewhere measured, hit-tested or written as text here.
///
/// Curves stay cubic curves and the fill mode maps to the fill rule
/// (`fmEvenOdd` to `Qt::OddEvenFill`, `fmNonZero` to `Qt::WindingFill`).
#include <QPainterPath>

#include "path/PathData.h"

namespace zk {

/// The path's moves, lines, curves and closes as Qt elements. A curve cut
/// short at the end (fewer than three entries, only from streamed data) ends
/// the conversion and entries of an unknown kind are skipped, as drawing
/// does. Qt keeps no figure without a segment: a move followed by another
/// move is dropped.
QPainterPath ToQPainterPath(const TZKPathData& Path);

/// Replaces Path's entries and fill mode with Source's (format and handler
/// stay), notifying once. Qt's quadratic curves are already stored as the
/// equal cubics. Qt closes a figure with a line back to its start; a figure
/// that ends exactly at its start becomes a closed one here (its last line,
/// when the figure ends with one, becomes the close), which is how Qt itself
/// strokes it, so `ToQPainterPath` of the result draws the same.
///
/// Example: moveTo(0,0) lineTo(4,0) lineTo(4,4) closeSubpath() gives
/// "M0,0 L4,0 L4,4 Z ".
void AssignQPainterPath(TZKPathData& Path, const QPainterPath& Source);

} // namespace zk
