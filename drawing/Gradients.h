#pragma once
/// Gradient fills of a rectangle in bands: linear, concentric ellipses and
/// concentric rectangles. The colours are walked in order: they divide the
/// drawing into max(1, n - 1) segments, each band takes the running colour,
/// and the running channels step toward the next colour by BandWidth / Seg
/// of the pair's difference per band, carrying on (never reset) when a
/// segment boundary is passed; the step of the band that reaches a boundary
/// already belongs to the new pair. Once the last colour is reached the
/// colour stays. Colours are split into raw bytes (`ColorToTRGB`), so a
/// system colour must be resolved by the caller.
///
/// Every routine draws nothing for an empty colour list, treats a BandWidth
/// below 1 as 1, and puts back the pen and brush properties it changes, also
/// when the canvas raises (`RectGradient` leaves the pen width at BandWidth).
/// Coordinates are computed in 64 bits and band rectangles are clamped to
/// the 32-bit range. The trailing `float` of each routine is accepted and
/// not used.
#include <cstdint>
#include <span>

#include "canvas/Canvas.h"
#include "runtime/Colors.h"

namespace zk {

/// Which way the bands of `LineGradient` run.
enum TGradientOrientation : std::uint8_t {
  diHorizontal,  ///< colours change from left to right
  diVertical     ///< colours change from top to bottom
};

/// Bands of BandWidth pixels, each filled (`FillRect`) with the brush set to
/// its colour: columns from Left for `diHorizontal`, rows from Top for
/// `diVertical`, after normalising Rect. Bands start at every BandWidth-th
/// pixel up to and including Right (Bottom), so the last band may reach up to
/// BandWidth pixels past the far edge; the canvas clips. Seg is the extent
/// div max(1, n - 1), at least 1. Nothing for a rectangle without width or
/// height. Restores the brush colour; the pen is untouched.
///
/// Red then blue over (0, 0, 100, 10), BandWidth 1: 101 one-pixel bands at
/// x = 0..100, band k (k <= 99) k/100 of the way to blue, band 100 as band 99.
void LineGradient(TCanvas& Canvas, const TRect& Rect, std::span<const TColor> Colors,
                  int BandWidth, TGradientOrientation Orientation, float Unused = 1.0f);

/// Ellipses shrinking by BandWidth on every side, outermost first, with pen
/// width 0 and style `psClear`: (x, y, L + R - x, T + B - y) from (L, T) while
/// x < L + (R - L) div 2 and y < T + (B - T) div 2, Rect used as given. Seg is
/// (the larger extent div max(1, n - 1)) div 2, at least 1. Nothing when
/// Rect.Right or Rect.Bottom is 0 (the coordinate, whatever the size).
/// Restores pen width, pen style and brush colour.
void EllipseGradient(TCanvas& Canvas, const TRect& Rect, std::span<const TColor> Colors,
                     int BandWidth, float Unused = 1.0f);

/// Ellipses closing in on the focus (Round(|W * FocusX| + L), Round(|H *
/// FocusY| + T)), each side moving by its own step so that all four reach
/// the focus together: the left side by (cx - L) / (W / BandWidth) per band,
/// and so on. Bands run while the focus lies right of and below the current
/// left and top sides, and at most min(|W|, |H|) / BandWidth + 2 of them, so
/// that a rectangle given right to left, or coordinates too large for the
/// steps to move a `float`, end. Nothing when Rect.Right or Rect.Bottom is
/// 0, the width or height is 0, or FocusX or FocusY is not finite; FocusX =
/// 0 lies on the left edge and draws nothing. Restores pen width, pen style
/// and brush colour.
void EllipseGradient(TCanvas& Canvas, const TRect& Rect, float FocusX, float FocusY,
                     std::span<const TColor> Colors, float BandWidth, float Unused = 1.0f);

/// Outlines BandWidth wide (pen width BandWidth, pen colour the band's, the
/// caller's brush inside) of rectangles shrinking as the centred
/// `EllipseGradient`'s ellipses do, then the innermost band rectangle filled
/// with the last band colour. A rectangle under two pixels has no band and
/// fills nothing. Restores pen and brush colours; the pen width stays
/// BandWidth.
void RectGradient(TCanvas& Canvas, const TRect& Rect, std::span<const TColor> Colors,
                  int BandWidth, float Unused = 1.0f);

} // namespace zk
