// Shapes, 3D bevels and the canvas-state copy.
#include "drawing/Shapes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "canvas/Graphics.h"
#include "drawing/CanvasHelper.h"
#include "drawing/CanvasState_p.h"
#include "geometry/Geometry.h"
#include "geometry/RectOps.h"
#include "runtime/Rounding.h"

namespace zk {
namespace {

// A + B in wrapping 32-bit arithmetic (no 32-bit operand can overflow 64 bits).
int Add(int A, std::int64_t B) noexcept { return Low32(std::int64_t{A} + B); }

// R shrunk by By on every side (grown when By is negative).
void Shrink(TRect& R, int By) noexcept {
  R = {Add(R.Left, By), Add(R.Top, By), Add(R.Right, -std::int64_t{By}),
       Add(R.Bottom, -std::int64_t{By})};
}

using detail::KeepingBrush;
using detail::KeepingBrushAndPenStyle;

void Chord(TCanvas& Canvas, const TRect& Box, const TPoint& From, const TPoint& To) {
  Canvas.Chord(Box.Left, Box.Top, Box.Right, Box.Bottom, From.X, From.Y, To.X, To.Y);
}

// ---- Shape-type form ---------------------------------------------------------

struct TBevelColors {
  TColor CircleUpperLeft, FrameTopLeft, CircleLowerRight, FrameBottomRight;
};

constexpr TBevelColors BevelColorsOf(TZKShapeOrientation O) noexcept {
  constexpr TColor L = ShapeBevelLight, D = ShapeBevelDark;
  switch (O) {
    case soDown: return {D, D, L, L};
    case soLeft: return {L, D, D, L};
    case soRight: return {D, L, L, D};
    default: return {L, L, D, D};
  }
}

// The isosceles triangle of r pointing the given way: apex first.
std::array<TPoint, 3> IsoscelesTriangle(const TRect& r, TZKShapeOrientation O) noexcept {
  const TPoint C = CanvasCenterPoint(r);
  switch (O) {
    case soDown: return {{{C.X, r.Bottom}, {r.Left, r.Top}, {r.Right, r.Top}}};
    case soLeft: return {{{r.Left, C.Y}, {r.Right, r.Top}, {r.Right, r.Bottom}}};
    case soRight: return {{{r.Right, C.Y}, {r.Left, r.Top}, {r.Left, r.Bottom}}};
    default: return {{{C.X, r.Top}, {r.Left, r.Bottom}, {r.Right, r.Bottom}}};
  }
}

std::array<TPoint, 3> RightTriangle(const TRect& r, TZKShapeOrientation O) noexcept {
  switch (O) {
    case soDown: return {{{r.Left, r.Bottom}, {r.Left, r.Top}, {r.Right, r.Top}}};
    case soLeft: return {{{r.Left, r.Top}, {r.Right, r.Top}, {r.Right, r.Bottom}}};
    case soRight: return {{{r.Right, r.Bottom}, {r.Left, r.Top}, {r.Left, r.Bottom}}};
    default: return {{{r.Right, r.Top}, {r.Left, r.Bottom}, {r.Right, r.Bottom}}};
  }
}

// A facet of the isosceles bevel: the triangle edge between vertices A and B
// of `IsoscelesTriangle`, closed at the centre, light or dark.
struct TFacet {
  int A, B;
  bool Light;
};

constexpr std::array<TFacet, 3> IsoscelesFacets(TZKShapeOrientation O) noexcept {
  switch (O) {
    case soDown: return {{{0, 1, true}, {1, 2, true}, {2, 0, false}}};
    case soLeft: return {{{0, 1, true}, {1, 2, false}, {2, 0, false}}};
    case soRight: return {{{0, 1, true}, {2, 1, true}, {2, 0, false}}};
    default: return {{{0, 1, true}, {2, 0, false}, {1, 2, false}}};
  }
}

void DrawIsoscelesFacets(TCanvas& Canvas, const TRect& r, TZKShapeOrientation O) {
  const std::array<TPoint, 3> V = IsoscelesTriangle(r, O);
  const TPoint Centre = CanvasCenterPoint(r);
  for (const TFacet& F : IsoscelesFacets(O)) {
    Canvas.Brush().SetColor(F.Light ? ShapeBevelLight : ShapeBevelDark);
    const TPoint Facet[] = {V[F.A], V[F.B], Centre};
    Canvas.Polygon(Facet);
  }
}

// ---- Style form --------------------------------------------------------------

// Side midpoints and corners of a box.
struct TBoxPoints {
  TPoint PL, PT, PR, PB, TL, TR, BL, BR;
  explicit TBoxPoints(const TRect& r) noexcept {
    const TPoint C = CanvasCenterPoint(r);
    PL = {r.Left, C.Y};
    PT = {C.X, r.Top};
    PR = {r.Right, C.Y};
    PB = {C.X, r.Bottom};
    TL = {r.Left, r.Top};
    TR = {r.Right, r.Top};
    BL = {r.Left, r.Bottom};
    BR = {r.Right, r.Bottom};
  }
};

// The in-centre of a triangle; a triangle of three equal points has none and
// answers that point, so nothing moves toward it.
TPoint InCentreOrVertex(const TPoint& A, const TPoint& B, const TPoint& C) {
  const TPointF I = InCenterPoint(ZKPoint(A), ZKPoint(B), ZKPoint(C));
  if (std::isnan(I.X) || std::isnan(I.Y)) return A;
  return ZKPointToPoint(I);
}

// The 3D diamond or triangle: bevel facets with the pen cleared, then the
// face from the inset vertices with the caller's brush.
void DrawBevelledPolygon(TCanvas& Canvas, const TBoxPoints& P, TZKShapeStyle Style,
                         TColor HighlightColor, TColor ShadowColor, int BevelWidth) {
  std::array<TPoint, 4> Face{};
  std::size_t N = 3;
  TPoint I{};
  switch (Style) {
    case ss3DDiamond: Face = {P.PL, P.PT, P.PR, P.PB}; N = 4; break;
    case ss3DLeftTriangle: Face = {P.PL, P.TR, P.BR}; break;
    case ss3DRightTriangle: Face = {P.TL, P.PR, P.BL}; break;
    case ss3DUpTriangle: Face = {P.BL, P.PT, P.BR}; break;
    default: Face = {P.TL, P.TR, P.PB}; break;  // ss3DDownTriangle
  }
  if (N == 3) I = InCentreOrVertex(Face[0], Face[1], Face[2]);

  KeepingBrush(Canvas, [&] {
    auto Facet = [&](std::initializer_list<TPoint> Points) {
      Canvas.Polygon(std::span<const TPoint>(Points.begin(), Points.size()));
    };
    Canvas.Pen().SetStyle(psClear);
    Canvas.Brush().SetColor(HighlightColor);
    switch (Style) {
      case ss3DDiamond:
        Facet({P.PL, P.PT, P.PB});
        Canvas.Brush().SetColor(ShadowColor);
        Facet({P.PR, P.PT, P.PB});
        break;
      case ss3DLeftTriangle:
        Facet({P.PL, P.TR, P.BR});
        Canvas.Brush().SetColor(ShadowColor);
        Facet({I, P.TR, P.BR});
        break;
      case ss3DRightTriangle:
        Facet({P.PR, P.TL, P.BL});
        Canvas.Brush().SetColor(ShadowColor);
        Facet({I, P.TL, P.PR});
        Facet({I, P.PR, P.BL});
        break;
      case ss3DUpTriangle:
        Facet({P.BL, P.PT, P.BR});
        Canvas.Brush().SetColor(ShadowColor);
        Facet({P.PT, I, P.BR});
        Facet({P.BL, I, P.BR});
        break;
      default:
        Facet({P.TL, P.PB, P.TR});
        Canvas.Brush().SetColor(ShadowColor);
        Facet({P.PB, I, P.TR});
        break;
    }
  });

  if (N == 4) {
    OffsetPoint(Face[0], BevelWidth, 0);
    OffsetPoint(Face[1], 0, BevelWidth);
    OffsetPoint(Face[2], Low32(-std::int64_t{BevelWidth}), 0);
    OffsetPoint(Face[3], 0, Low32(-std::int64_t{BevelWidth}));
  } else {
    for (std::size_t K = 0; K < 3; ++K) OffsetPoint(Face[K], I, static_cast<float>(BevelWidth));
  }
  Canvas.Polygon(std::span<const TPoint>(Face.data(), N));
}

void DrawPlainPolygon(TCanvas& Canvas, const TBoxPoints& P, TZKShapeStyle Style) {
  std::array<TPoint, 4> Face{};
  std::size_t N = 3;
  switch (Style) {
    case ssDiamond: Face = {P.PL, P.PT, P.PR, P.PB}; N = 4; break;
    case ssLeftTriangle: Face = {P.PL, P.TR, P.BR}; break;
    case ssRightTriangle: Face = {P.TL, P.PR, P.BL}; break;
    case ssUpTriangle: Face = {P.BL, P.PT, P.BR}; break;
    default: Face = {P.TL, P.TR, P.PB}; break;  // ssDownTriangle
  }
  Canvas.Polygon(std::span<const TPoint>(Face.data(), N));
}

// Squares, circles and rounded shapes: S is the smaller side of r; the square
// styles centre an S x S square in r first.
void DrawRoundFamily(TCanvas& Canvas, TRect& r, TZKShapeStyle Style, TColor HighlightColor,
                     TColor ShadowColor, int BevelWidth) {
  const int W = ZKRectWidth(r), H = ZKRectHeight(r);
  const int S = std::min(W, H);
  const int Corner = S / 4;
  switch (Style) {
    case ssSquare: case ssCircle: case ssRoundSquare:
    case ss3DSquare: case ss3DCircle: case ss3DRoundSquare:
      r.Left = Add(r.Left, (std::int64_t{W} - S) / 2);
      r.Top = Add(r.Top, (std::int64_t{H} - S) / 2);
      r.Right = Add(r.Left, S);
      r.Bottom = Add(r.Top, S);
      break;
    default: break;
  }
  switch (Style) {
    case ss3DRoundRect: case ss3DRoundSquare:
      Frame3DExt(Canvas, r, HighlightColor, ShadowColor, BevelWidth, true, Corner, Corner);
      [[fallthrough]];
    case ssRoundRect: case ssRoundSquare:
      Canvas.RoundRect(r.Left, r.Top, r.Right, r.Bottom, Corner, Corner);
      break;
    case ss3DSquare:
      Frame3DExt(Canvas, r, HighlightColor, ShadowColor, BevelWidth);
      [[fallthrough]];
    case ssSquare:
      Canvas.Rectangle(r);
      break;
    case ss3DCircle:
      Frame3DEllipse(Canvas, r, HighlightColor, ShadowColor, BevelWidth);
      [[fallthrough]];
    default:  // ssCircle
      Canvas.Ellipse(r);
      break;
  }
}

} // namespace

// ---- Public routines -----------------------------------------------------------

TRect DrawShape(TCanvas& Canvas, const TRect& Rect, TZKShapeType ShapeType,
                TZKShapeOrientation ShapeOrientation, bool Draw3D, int BevelWidth) {
  const TBevelColors Colors = BevelColorsOf(ShapeOrientation);
  TRect r = Rect;
  switch (ShapeType) {
    case sRect:
      if (Draw3D) Frame3DExt(Canvas, r, Colors.FrameTopLeft, Colors.FrameBottomRight, BevelWidth);
      Canvas.FillRect(r);
      break;
    case sCircle:
      if (Draw3D) {
        KeepingBrushAndPenStyle(Canvas, [&] {
          Canvas.Pen().SetStyle(psClear);
          Canvas.Brush().SetColor(Colors.CircleUpperLeft);
          Chord(Canvas, r, {r.Right, r.Top}, {r.Left, r.Bottom});
          Canvas.Brush().SetColor(Colors.CircleLowerRight);
          Chord(Canvas, r, {r.Left, r.Bottom}, {r.Right, r.Top});
        });
        Shrink(r, BevelWidth);
      }
      Canvas.Ellipse(r);
      break;
    case sIsoscelesTriangle:
      if (Draw3D) {
        KeepingBrushAndPenStyle(Canvas, [&] {
          Canvas.Pen().SetStyle(psClear);
          DrawIsoscelesFacets(Canvas, r, ShapeOrientation);
        });
        Shrink(r, BevelWidth);
      }
      Canvas.Polygon(IsoscelesTriangle(r, ShapeOrientation));
      break;
    case sRightTriangle:
      if (Draw3D) Shrink(r, BevelWidth);
      Canvas.Polygon(RightTriangle(r, ShapeOrientation));
      break;
    default:
      break;
  }
  return r;
}

TRect DrawShape(TCanvas& Canvas, const TRect& Rect, const TGraphic* Bitmap, TZKShapeStyle Style,
                bool Stretch, TColor HighlightColor, TColor ShadowColor, int BevelWidth,
                float /*Opacity*/) {
  TRect r = FixRect(Rect);
  switch (Style) {
    case ss3DRectangle:
      Frame3DExt(Canvas, r, HighlightColor, ShadowColor, BevelWidth);
      [[fallthrough]];
    case ssRectangle:
      Canvas.Rectangle(r);
      break;
    case ss3DEllipse:
      Frame3DEllipse(Canvas, r, HighlightColor, ShadowColor, BevelWidth);
      [[fallthrough]];
    case ssEllipse:
      Canvas.Ellipse(r);
      break;
    case ssImage:
      if (Bitmap == nullptr) break;
      if (Stretch)
        Canvas.StretchDraw(r, *Bitmap);
      else
        Canvas.Draw(r.Left, r.Top, *Bitmap);
      break;
    case ss3DImage:
      break;
    case ssDiamond: case ssLeftTriangle: case ssRightTriangle: case ssUpTriangle:
    case ssDownTriangle:
      DrawPlainPolygon(Canvas, TBoxPoints(r), Style);
      break;
    case ss3DDiamond: case ss3DLeftTriangle: case ss3DRightTriangle: case ss3DUpTriangle:
    case ss3DDownTriangle:
      DrawBevelledPolygon(Canvas, TBoxPoints(r), Style, HighlightColor, ShadowColor, BevelWidth);
      break;
    case ssRoundRect: case ssSquare: case ssCircle: case ssRoundSquare:
    case ss3DRoundRect: case ss3DSquare: case ss3DCircle: case ss3DRoundSquare:
      DrawRoundFamily(Canvas, r, Style, HighlightColor, ShadowColor, BevelWidth);
      break;
    default:
      break;
  }
  return r;
}

void Frame3DExt(TCanvas& Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int BevelWidth,
                bool Rounded, int CornerWidth, int CornerHeight) {
  TVclCanvasHelper(Canvas).SetPenWidth(1);
  if (!Rounded) {
    // The rings run on the edge pixels, the last column and row being Right -
    // 1 and Bottom - 1.
    TRect& R = Rect;
    R.Right = Add(R.Right, -1);
    R.Bottom = Add(R.Bottom, -1);
    int Ring = 0;
    for (; Ring < BevelWidth && R.Left <= R.Right && R.Top <= R.Bottom; ++Ring) {
      Canvas.Pen().SetColor(TopColor);
      const TPoint TopLeft[] = {{R.Left, R.Bottom}, {R.Left, R.Top}, {R.Right, R.Top}};
      Canvas.Polyline(TopLeft);
      Canvas.Pen().SetColor(BottomColor);
      const TPoint BottomRight[] = {{R.Right, R.Top}, {R.Right, R.Bottom}, {Add(R.Left, -1), R.Bottom}};
      Canvas.Polyline(BottomRight);
      Shrink(R, 1);
    }
    if (Ring < BevelWidth) Shrink(R, BevelWidth - Ring);
    R.Right = Add(R.Right, 1);
    R.Bottom = Add(R.Bottom, 1);
    return;
  }
  const TRect R = Rect;
  KeepingBrush(Canvas, [&] {
    Canvas.Brush().SetColor(TopColor);
    Canvas.RoundRect(R.Left, R.Top, R.Right, R.Bottom, CornerWidth, CornerHeight);
    Canvas.Brush().SetColor(BottomColor);
    Canvas.Pen().SetStyle(psClear);
    const int CornerLeft = Add(R.Right, -std::int64_t{CornerWidth});
    const int CornerRight = Add(R.Left, CornerWidth);
    const int CornerTop = Add(R.Bottom, -std::int64_t{CornerHeight});
    const int CornerBottom = Add(R.Top, CornerHeight);
    Chord(Canvas, {CornerLeft, R.Top, R.Right, CornerBottom}, {CornerLeft, CornerBottom},
          {R.Right, R.Top});
    Chord(Canvas, {R.Left, CornerTop, CornerRight, R.Bottom}, {R.Left, R.Bottom},
          {CornerRight, CornerTop});
    Canvas.Ellipse(CornerLeft, CornerTop, R.Right, R.Bottom);
    // The shaded right and bottom sides between the corner boxes, as wide as
    // the bevel but never wider than the box.
    const std::int64_t Strip = std::clamp<std::int64_t>(
        BevelWidth, 0, std::min(std::int64_t{R.Right} - R.Left, std::int64_t{R.Bottom} - R.Top));
    if (Strip > 0) {
      Canvas.FillRect({Add(R.Right, -Strip), CornerBottom, R.Right, CornerTop});
      Canvas.FillRect({CornerRight, Add(R.Bottom, -Strip), CornerLeft, R.Bottom});
    }
  });
  Shrink(Rect, BevelWidth);
}

void Frame3DEllipse(TCanvas& Canvas, TRect& Rect, TColor TopColor, TColor BottomColor,
                    int BevelWidth) {
  KeepingBrush(Canvas, [&] {
    Canvas.Pen().SetStyle(psClear);
    Canvas.Brush().SetColor(TopColor);
    Chord(Canvas, Rect, {Rect.Right, Rect.Top}, {Rect.Left, Rect.Bottom});
    Canvas.Brush().SetColor(BottomColor);
    Chord(Canvas, Rect, {Rect.Left, Rect.Bottom}, {Rect.Right, Rect.Top});
  });
  Shrink(Rect, BevelWidth);
}

void CopyCanvasState(TCanvas& Target, const TCanvas& Source) {
  Target.Brush().Assign(&Source.Brush());
  Target.Pen().Assign(&Source.Pen());
  Target.Font().Assign(&Source.Font());
}

} // namespace zk
