#pragma once
/// A shape by style whose image comes from an image list.
#include "canvas/Graphics.h"
#include "drawing/Shapes.h"

namespace zk {

/// As the style form of `DrawShape`, with the image styles taking image
/// ImageIndex of ImageList:
///
/// - No list, or an index outside it (negative or past the last image):
///   the shape of FallbackStyle instead, stretched, framed 3 pixels wide in
///   the system button-highlight and button-shadow colours; a fallback that
///   is itself an image style ends in a plain rectangle.
/// - `ss3DImage`: a square `Frame3DExt` on Rect as given (not normalised),
///   then the image inside it.
/// - The image is stretched over the rectangle through a temporary bitmap
///   (released also when the canvas raises), or drawn at its top-left corner.
///
/// Returns the rectangle the image or shape was drawn in.
TRect DrawShape(TCanvas& Canvas, const TRect& Rect, const TImageList* ImageList, int ImageIndex,
                TZKShapeStyle Style, TZKShapeStyle FallbackStyle, bool Stretch,
                TColor HighlightColor, TColor ShadowColor, int BevelWidth);

} // namespace zk
