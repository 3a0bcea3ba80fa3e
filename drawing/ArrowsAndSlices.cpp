// Arrows, pie slices and donut slices.
#include "drawing/ArrowsAndSlices.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

#include "drawing/CanvasHelper.h"
#include "drawing/CanvasState_p.h"
#include "geometry/Geometry.h"
#include "geometry/Matrix.h"
#include "geometry/RectOps.h"
#include "path/PathArcs.h"
#include "path/PathData.h"
#include "runtime/Exceptions.h"
#include "runtime/Rounding.h"

namespace zk {
namespace {

// P + (DX, DY) in wrapping 32-bit arithmetic.
TPoint Moved(const TPoint& P, std::int64_t DX, std::int64_t DY) noexcept {
  return {Low32(P.X + DX), Low32(P.Y + DY)};
}

// A size times a unit-vector component, rounded (halves to even). The unit
// component lies in [-1, 1], so the product is finite for any int size.
std::int64_t Scaled(double Size, double Unit) { return CanvasRound(Size * Unit); }

void PolygonOrPolyline(TCanvas& Canvas, std::span<const TPoint> Points, bool Fill) {
  if (Fill)
    Canvas.Polygon(Points);
  else
    Canvas.Polyline(Points);
}

// The caption's lines, one TextHeight("A") apart, from the line's middle.
void DrawCaption(TCanvas& Canvas, const TPoint& Middle, std::string_view Caption) {
  const std::int64_t LineHeight = Canvas.TextHeight("A");
  std::int64_t Offset = 0;
  for (std::size_t From = 0;;) {
    const std::size_t Break = Caption.find("\r\n", From);
    const std::string_view Line = Caption.substr(From, Break == std::string_view::npos ? std::string_view::npos : Break - From);
    const TPoint At = Moved(Middle, 0, Offset);
    Canvas.TextOut(At.X, At.Y, Line);
    if (Break == std::string_view::npos) break;
    From = Break + 2;
    Offset = Low32(Offset + LineHeight);
  }
}

} // namespace

void DrawArrow(TCanvas& Canvas, int X1, int Y1, int X2, int Y2, int HeadSize,
               std::string_view Caption, TArrowOptions Options, int LineWidth, float /*Opacity*/) {
  const std::int64_t DX = std::int64_t{X2} - X1, DY = std::int64_t{Y2} - Y1;
  if (DX == 0 && DY == 0) return;
  const TPoint Start{X1, Y1}, End{X2, Y2};

  if (!Caption.empty()) {
    detail::KeepingBrush(Canvas, [&] {
      Canvas.Brush().SetStyle(bsClear);
      if (Options.Contains(aoDrawCaption))
        DrawCaption(Canvas, Moved(Start, DX / 2, DY / 2), Caption);
    });
  }

  // Unit direction (UX, UY) and unit normal (PX, PY) = (dy, -dx) / len.
  const double Length = std::hypot(static_cast<double>(DX), static_cast<double>(DY));
  const double UX = DX / Length, UY = DY / Length;
  const double PX = UY, PY = -UX;
  const bool Fill = Options.Contains(aoFillHead);

  if (LineWidth == 1) {
    TVclCanvasHelper(Canvas).DrawLine(ZKPoint(Start), ZKPoint(End));
  } else {
    TPoint S = Start, E = End;
    if (Options.Contains(aoArrowAtStart)) S = Moved(S, Scaled(LineWidth, UX), Scaled(LineWidth, UY));
    if (Options.Contains(aoArrowAtEnd)) E = Moved(E, -Scaled(HeadSize, UX), -Scaled(HeadSize, UY));
    const std::int64_t WX = Scaled(LineWidth, PX / 2), WY = Scaled(LineWidth, PY / 2);
    const TPoint Shaft[] = {Moved(S, WX, WY), Moved(S, -WX, -WY), Moved(E, -WX, -WY),
                            Moved(E, WX, WY), Moved(S, WX, WY)};
    PolygonOrPolyline(Canvas, Shaft, Fill);
  }

  const std::int64_t HX = Scaled(HeadSize, PX), HY = Scaled(HeadSize, PY);
  const std::size_t HeadPoints = Options.Contains(aoClosedHead) ? 4 : 3;
  auto Head = [&](const TPoint& Tip, const TPoint& Base) {
    const TPoint Points[] = {Moved(Base, HX, HY), Tip, Moved(Base, -HX, -HY), Moved(Base, HX, HY)};
    PolygonOrPolyline(Canvas, std::span<const TPoint>(Points, HeadPoints), Fill);
  };
  if (Options.Contains(aoArrowAtStart))
    Head(Start, Moved(Start, Scaled(HeadSize, UX), Scaled(HeadSize, UY)));
  if (Options.Contains(aoArrowAtEnd))
    Head(End, Moved(End, -Scaled(HeadSize, UX), -Scaled(HeadSize, UY)));
}

void DrawArrow(TCanvas& Canvas, std::span<const TPoint> Points, int HeadSize,
               std::string_view Caption, TArrowOptions Options, int LineWidth, int CaptionSegment,
               float Opacity) {
  const std::size_t N = Points.size();
  if (N < 2) return;
  const std::size_t Last = N - 2;
  // -1 or a number past the last segment means the middle one; any other
  // negative number matches no segment.
  std::int64_t CaptionAt = CaptionSegment;
  if (CaptionAt == -1 || CaptionAt > std::int64_t(Last)) CaptionAt = std::int64_t(Last + 1) / 2;
  for (std::size_t I = 0; I <= Last; ++I) {
    TArrowOptions Segment = Options;
    if (I != 0) Segment.Exclude(aoArrowAtStart);
    if (I != Last) Segment.Exclude(aoArrowAtEnd);
    if (std::int64_t(I) != CaptionAt) Segment.Exclude(aoDrawCaption);
    DrawArrow(Canvas, Points[I].X, Points[I].Y, Points[I + 1].X, Points[I + 1].Y, HeadSize, Caption,
              Segment, LineWidth, Opacity);
  }
}

void DrawArrow(TCanvas& Canvas, std::span<const TPointF> Points, int HeadSize,
               std::string_view Caption, TArrowOptions Options, int LineWidth, int CaptionSegment,
               float Opacity) {
  const TCanvasPoints Rounded = ZKPointsToPoints(Points);
  DrawArrow(Canvas, std::span<const TPoint>(Rounded), HeadSize, Caption, Options, LineWidth,
            CaptionSegment, Opacity);
}

void DrawPieSlice(TCanvas& Canvas, const TRect& Rect, double StartAngle, double EndAngle,
                  int AngleOffset, float /*Opacity*/) {
  const TRect R = FixRect(Rect);
  const TPoint C = CanvasCenterPoint(R);
  const std::int64_t RX = ZKRectWidth(R) / 2, RY = ZKRectHeight(R) / 2;
  // Degrees to radians by one product, so that no finite angle overflows.
  auto RayPoint = [&](double Angle) {
    const double A = (Angle + AngleOffset) * (std::numbers::pi / 180);
    return Moved(C, CanvasRound(std::cos(A) * double(RX)), -CanvasRound(std::sin(A) * double(RY)));
  };
  const TPoint From = RayPoint(StartAngle), To = RayPoint(EndAngle);
  Canvas.Pie(R.Left, R.Top, R.Right, R.Bottom, From.X, From.Y, To.X, To.Y);
}

void DrawPieSlice(TCanvas& Canvas, const TRect& Rect, double StartAngle, double EndAngle,
                  double Radius, int AngleOffset, float Opacity) {
  TRect R = FixRect(Rect);
  if (Radius != 1.0) {
    TRectF F = RectToZKRect(R);
    const double K = -(1 - Radius) / 2;
    ZKInflateRect(F, static_cast<float>(K * ZKRectWidth(F)), static_cast<float>(K * ZKRectHeight(F)));
    if (!std::isfinite(F.Left) || !std::isfinite(F.Top) || !std::isfinite(F.Right) ||
        !std::isfinite(F.Bottom))
      return;
    R = ZKRectToRect(F);
  }
  DrawPieSlice(Canvas, R, StartAngle, EndAngle, AngleOffset, Opacity);
}

void DrawDonutSlice(TCanvas& Canvas, const TRect& Rect, double StartAngle, double EndAngle,
                    int AngleOffset, double InnerRadius, double OuterRadius, float Opacity) {
  const TRect R = FixRect(Rect);
  // The slice is built round the origin in the box -100..100; the negated
  // angles turn the path's clockwise angles into counter-clockwise ones.
  TZKPathData Path;
  Arc(Path, -StartAngle, -EndAngle, InnerRadius * 100, OuterRadius * 100, -double(AngleOffset));
  const float SX = static_cast<float>((std::int64_t{R.Right} - R.Left) / 200.0);
  const float SY = static_cast<float>((std::int64_t{R.Bottom} - R.Top) / 200.0);
  // Control points lie within twice the radius; a slice reaching past the
  // 32-bit canvas cannot be drawn and is refused before any call.
  const double Reach = 2 * 100 * std::max(std::fabs(InnerRadius), std::fabs(OuterRadius)) *
                           std::max(std::fabs(SX), std::fabs(SY)) +
                       std::max({std::abs(double(R.Left)), std::abs(double(R.Top)),
                                 std::abs(double(R.Right)), std::abs(double(R.Bottom))});
  if (!(Reach < 2147483648.0)) throw EOverflow();
  Path.ApplyMatrix(ZKMatrixMultiply(
      ZKMatrixMultiply(CreateTranslateZKMatrix(100, 100), CreateScaleZKMatrix(SX, SY)),
      CreateTranslateZKMatrix(static_cast<float>(R.Left), static_cast<float>(R.Top))));
  Path.FillPath(Canvas, Opacity);
  Path.DrawPath(Canvas, Opacity);
}

} // namespace zk
