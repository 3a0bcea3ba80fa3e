#pragma once
/// Turned fonts and text labels aligned in a rectangle.
#include <cstdint>
#include <string_view>

#include "canvas/Canvas.h"

namespace zk {

/// Gives Font a new handle whose text runs at Angle degrees
/// (counter-clockwise): escapement and orientation round(Angle * 10) (halves
/// to even; 45.25 gives 452, a value beyond the 32-bit range is first reduced
/// by whole turns), height, weight (700 bold, else 400), italic, underline,
/// strike-out, charset and pitch (variable 2, fixed 1, else 0) from Font,
/// width and precisions 0. The face is Font's name, the default font's face
/// for "Default" (any case), and "Arial" when Reference reports Font not to
/// be a TrueType font; names longer than 31 characters are cut at a
/// character boundary. Reference's font is put back. A non-finite Angle
/// raises `EInvalidOp` and leaves Font as it was.
void RotateFont(TFont& Font, float Angle, TCanvas& Reference);
/// The same without a device to ask: the face is kept whatever the font.
void RotateFont(TFont& Font, float Angle);

/// Draws Text (UTF-8) in Rect with `DrawTextW` and no background. With
/// `DT_BOTTOM`, or with `DT_VCENTER` and without `DT_SINGLELINE`, the text is
/// placed vertically: with `DT_WORDBREAK` the rectangle's top moves so that
/// the wrapped text (`WrapCanvasText` to the rectangle's width) is centred
/// (top = centre - height div 2) or ends at the bottom; without it the text
/// is drawn as one line (`DT_SINGLELINE` added). The text drawn is Text
/// itself, which `DrawTextW` wraps again. Other flags pass through. The brush
/// style is restored, also when drawing raises.
void DrawTextLabel(TCanvas& Canvas, std::string_view Text, std::uint32_t Format, const TRect& Rect);

} // namespace zk
