#pragma once
/// Pie and donut slices centred on the origin, as path entries or as SVG path
/// text.
#include <string>

#include "path/PathData.h"

namespace zk {

/// Appends to Path the slice between the circles of radii InnerRadius and
/// OuterRadius (swapped when given the other way round; an inner radius of 0
/// makes a pie) from StartAngle to EndAngle, both turned by AngleOffset, in
/// degrees. The outer arc runs from start to end (clockwise on screen when
/// EndAngle >= StartAngle), then a line leads to the inner arc, which runs
/// back; the figure is closed. A slice of at least a full turn (within
/// 0.0001 radian) is the outer circle from (0, OuterRadius) and, for a donut,
/// the inner circle traced the other way. Equal angles make the outer arc a
/// full ellipse standing on its start point. Returns Path. The entries go in
/// through the building calls, each of which notifies (`Change`) as usual:
/// bracket the call with `BeginUpdate`/`EndUpdate` (or `TZKPathUpdate`) to be
/// notified once. A non-finite angle or radius raises `EInvalidOp`, a radius
/// beyond float `EOverflow`, before anything is appended.
TZKPathData& Arc(TZKPathData& Path, double StartAngle, double EndAngle, double InnerRadius,
                 double OuterRadius, double AngleOffset = 0);

/// The same slice as SVG path text with "." decimals and 15 significant
/// digits, always running from the smaller angle to the larger (so the outer
/// arc is clockwise on screen), for example "M10,0A10,10 0 0,1
/// 6.12323399573677E-16,10L0,0Z" for a quarter pie of radius 10. Unlike the
/// path form, a sweep of exactly half a turn gets the large-arc flag. Checks
/// its input as the path form does: a non-finite angle or radius (or turned
/// angle) raises `EInvalidOp`, a radius beyond `MaxSliceRadius` `EOverflow`.
std::string Arc(double StartAngle, double EndAngle, double InnerRadius, double OuterRadius,
                double AngleOffset = 0);

} // namespace zk
