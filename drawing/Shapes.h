#pragma once
/// Simple shapes with an optional bevelled 3D look, and the two bevel painters
/// behind it.
///
/// Every routine draws with the caller's pen and brush for the shape's face;
/// bevels are painted in two colours, the lighter one on the top and left.
/// Rectangles are integer boxes; in the contracts below L, T, R, B are their
/// sides, cx = L + (R - L) div 2 and cy = T + (B - T) div 2. Integer sums
/// wrap in 32 bits, so no argument has undefined behaviour.
///
/// Canvas state left changed on purpose, which callers see afterwards: the
/// pen style stays `psClear` after `Frame3DEllipse`, the rounded `Frame3DExt`
/// and the 3D diamond and triangle styles; `Frame3DExt` leaves the pen width
/// at 1 and, for the square frame, the pen colour at its bottom colour. The
/// brush (colour and style) is always restored, also when the canvas raises.
#include <cstdint>

#include "canvas/Canvas.h"
#include "runtime/Records.h"
#include "runtime/Set.h"

namespace zk {

class TGraphic;

/// The shapes of the shape-type `DrawShape`: a rectangle, a circle, an
/// isosceles or a right triangle.
enum TZKShapeType : std::uint8_t { sRect, sCircle, sIsoscelesTriangle, sRightTriangle };

/// Where a triangle points; for rectangles and circles, which sides of the
/// bevel are light (`soUp`: top and left).
enum TZKShapeOrientation : std::uint8_t { soUp, soDown, soLeft, soRight };

/// The 24 styles of the style `DrawShape`: twelve flat shapes (rectangle,
/// ellipse, image, diamond, triangles pointing four ways, rounded rectangle,
/// square, circle, rounded square), then each with a bevelled 3D look.
enum TZKShapeStyle : std::uint8_t {
  ssRectangle, ssEllipse, ssImage, ssDiamond, ssLeftTriangle, ssRightTriangle, ssUpTriangle,
  ssDownTriangle, ssRoundRect, ssSquare, ssCircle, ssRoundSquare,
  ss3DRectangle, ss3DEllipse, ss3DImage, ss3DDiamond, ss3DLeftTriangle, ss3DRightTriangle,
  ss3DUpTriangle, ss3DDownTriangle, ss3DRoundRect, ss3DSquare, ss3DCircle, ss3DRoundSquare
};
/// A set of shape styles, stored in 32 bits (bit n for style n).
using TZKShapeStyles = TSet<TZKShapeStyle, 32>;

/// The styles drawn with a bevel. `ss3DImage` is not one: the style form
/// draws nothing for it, and the image-list form frames the image itself.
inline constexpr TZKShapeStyles ShapeStyles3D{
    ss3DRectangle, ss3DEllipse,      ss3DDiamond,   ss3DLeftTriangle, ss3DRightTriangle,
    ss3DUpTriangle, ss3DDownTriangle, ss3DRoundRect, ss3DSquare,       ss3DCircle,
    ss3DRoundSquare};

///@{
/// Bevel colours of the shape-type form of `DrawShape`.
inline constexpr TColor ShapeBevelLight = 0x00D3D3D3, ShapeBevelDark = 0x00A9A9A9;
///@}

/// Draws a shape of the given type in Rect (not normalised) and returns the
/// rectangle left inside the bevel (Rect itself when Draw3D is false).
///
/// - `sRect`: with Draw3D a square `Frame3DExt` of BevelWidth rings, then
///   `FillRect` of the rest with the caller's brush (no outline). The pen is
///   left as `Frame3DExt` leaves it (width 1, the bottom/right colour).
/// - `sCircle`: with Draw3D two `Chord` halves (upper-left from the ray to
///   (R, T) to the ray to (L, B), then lower-right) with the pen cleared, then
///   `Ellipse` of the shrunk box with the caller's pen and brush.
/// - `sIsoscelesTriangle`: with Draw3D three facets meeting at the centre,
///   then the face: soUp (cx,T),(L,B),(R,B); soDown (cx,B),(L,T),(R,T); soLeft
///   (L,cy),(R,T),(R,B); soRight (R,cy),(L,T),(L,B).
/// - `sRightTriangle`: with Draw3D only the inset (no facets), then the face
///   with its right angle bottom-right (soUp), top-left (soDown), top-right
///   (soLeft) or bottom-left (soRight).
///
/// Example: sRect, Draw3D, BevelWidth 2 on (0, 0, 20, 10) draws two rings and
/// fills (2, 2, 18, 8), which it returns. Apart from the `sRect` pen, the
/// canvas is left as it was.
TRect DrawShape(TCanvas& Canvas, const TRect& Rect, TZKShapeType ShapeType,
                TZKShapeOrientation ShapeOrientation, bool Draw3D, int BevelWidth);

/// Draws a shape of the given style in Rect normalised, and returns that
/// rectangle after any bevel and square centring.
///
/// - Rectangles, ellipses: `Rectangle` / `Ellipse`; the 3D twins first frame
///   the box (`Frame3DExt` square, `Frame3DEllipse`) in HighlightColor and
///   ShadowColor.
/// - `ssImage`: Bitmap stretched over the box (Stretch) or drawn at its
///   top-left corner; no Bitmap draws nothing. `ss3DImage` draws nothing.
/// - Diamond and triangles: a `Polygon` through side midpoints and corners;
///   the 3D twins first paint a highlight and a shadow facet with the pen
///   cleared (and left so), then the face inset by BevelWidth: the diamond's
///   vertices move BevelWidth along the axes, a triangle's move BevelWidth
///   toward its in-centre (a triangle without one, in a box of no size, keeps
///   its vertices).
/// - Squares, circles and round squares: the largest square centred in the
///   box ((0, 0, 100, 40) gives (30, 0, 70, 40)). Round shapes use corner
///   ellipses of S div 4, S the smaller side of the box.
///
/// Opacity is accepted and not used.
TRect DrawShape(TCanvas& Canvas, const TRect& Rect, const TGraphic* Bitmap, TZKShapeStyle Style,
                bool Stretch, TColor HighlightColor, TColor ShadowColor, int BevelWidth,
                float Opacity = 1);

/// Paints a bevel BevelWidth wide inside Rect, TopColor on the top and left,
/// BottomColor on the bottom and right, and shrinks Rect by BevelWidth on
/// every side. Sets the pen width to 1.
///
/// Square (Rounded false): one-pixel rings of two `Polyline`s each, outermost
/// first, on the box's edge pixels (Right - 1, Bottom - 1); once a ring is
/// drawn the pen colour is left at BottomColor. Rings stop once the box has no inside left, so an
/// over-wide bevel never paints outside Rect; Rect is still shrunk by the
/// whole BevelWidth. BevelWidth <= 0 draws nothing and leaves Rect as it was.
///
/// Rounded: a `RoundRect` in TopColor with the caller's pen and corner
/// ellipses CornerWidth x CornerHeight, then, pen cleared (and left so), the
/// lower-right halves of the top-right and bottom-left corners, the
/// bottom-right corner and the right and bottom edge strips in BottomColor.
/// A negative BevelWidth grows Rect.
void Frame3DExt(TCanvas& Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int BevelWidth,
                bool Rounded = false, int CornerWidth = 0, int CornerHeight = 0);

/// Paints the upper-left half of the ellipse in Rect in TopColor and the
/// lower-right half in BottomColor with the pen cleared (and left so), and
/// shrinks Rect by BevelWidth on every side: an ellipse drawn over the shrunk
/// box leaves a two-tone ring BevelWidth wide.
void Frame3DEllipse(TCanvas& Canvas, TRect& Rect, TColor TopColor, TColor BottomColor,
                    int BevelWidth);

/// Copies Source's brush, then its pen, then its font to Target.
void CopyCanvasState(TCanvas& Target, const TCanvas& Source);

} // namespace zk
