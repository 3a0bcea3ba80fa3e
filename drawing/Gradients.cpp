#include "drawing/Gradients.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "drawing/ColorChannels.h"
#include "runtime/Rounding.h"
#include "runtime/ScopeExit.h"

namespace zk {

namespace {

// The running colour of the walk described in Gradients.h.
class TColorWalk {
public:
  TColorWalk(std::span<const TColor> Colors, std::int64_t Seg, double BandWidth)
      : FColors(Colors), FSeg(static_cast<double>(Seg)), FBandWidth(BandWidth),
        FIndex(Colors.size() > 1 ? 1 : 0), FFirst(ColorToTRGB(Colors[0])),
        FSecond(ColorToTRGB(Colors[FIndex])), FBoundary(FSeg),
        FR(FFirst.R), FG(FFirst.G), FB(FFirst.B) {}

  TColor Color() const noexcept {
    return RGBToColor({DoubleToByte(FR), DoubleToByte(FG), DoubleToByte(FB)});
  }

  // After a band: Progress is how far the drawing has come, in the unit of Seg.
  void Advance(double Progress) noexcept {
    if (Progress >= FBoundary) {
      FBoundary += FSeg;
      FIndex = std::min(FIndex + 1, FColors.size() - 1);
      FFirst = FSecond;
      FSecond = ColorToTRGB(FColors[FIndex]);
    }
    FR += (FSecond.R - FFirst.R) * FBandWidth / FSeg;
    FG += (FSecond.G - FFirst.G) * FBandWidth / FSeg;
    FB += (FSecond.B - FFirst.B) * FBandWidth / FSeg;
  }

private:
  std::span<const TColor> FColors;
  double FSeg;
  double FBandWidth;
  std::size_t FIndex;
  TRGB FFirst, FSecond;
  double FBoundary;
  double FR, FG, FB;
};

std::int32_t Clamp32(std::int64_t V) noexcept {
  return static_cast<std::int32_t>(
      std::clamp<std::int64_t>(V, std::numeric_limits<std::int32_t>::min(),
                               std::numeric_limits<std::int32_t>::max()));
}

TRect Band(std::int64_t L, std::int64_t T, std::int64_t R, std::int64_t B) noexcept {
  return {Clamp32(L), Clamp32(T), Clamp32(R), Clamp32(B)};
}

// Seg of the concentric routines: (larger extent div segments) div 2, >= 1.
std::int64_t ConcentricSeg(const TRect& Rect, std::size_t Count) {
  const std::int64_t W = static_cast<std::int64_t>(Rect.Right) - Rect.Left;
  const std::int64_t H = static_cast<std::int64_t>(Rect.Bottom) - Rect.Top;
  const std::int64_t E = H > W ? H : W;
  const auto Segments = static_cast<std::int64_t>(std::max<std::size_t>(1, Count - 1));
  return std::max<std::int64_t>(1, E / Segments / 2);
}

// Calls Draw(x, y, band rectangle, colour) for each band of the concentric
// routines, outermost first, with the walk advanced after each.
template <class F>
void ConcentricBands(const TRect& Rect, std::span<const TColor> Colors, int BandWidth, F&& Draw) {
  const std::int64_t L = Rect.Left, T = Rect.Top, R = Rect.Right, B = Rect.Bottom;
  TColorWalk Walk(Colors, ConcentricSeg(Rect, Colors.size()), BandWidth);
  for (std::int64_t X = L, Y = T; X < L + (R - L) / 2 && Y < T + (B - T) / 2;
       X += BandWidth, Y += BandWidth) {
    Draw(Band(X, Y, L + R - X, T + B - Y), Walk.Color());
    Walk.Advance(static_cast<double>(X + BandWidth - L));
  }
}

} // namespace

void LineGradient(TCanvas& Canvas, const TRect& Rect, std::span<const TColor> Colors,
                  int BandWidth, TGradientOrientation Orientation, float /*Unused*/) {
  if (Rect.Right == Rect.Left || Rect.Bottom == Rect.Top || Colors.empty()) return;
  const std::int64_t Width = std::max(1, BandWidth);
  const std::int64_t L = std::min(Rect.Left, Rect.Right), R = std::max(Rect.Left, Rect.Right);
  const std::int64_t T = std::min(Rect.Top, Rect.Bottom), B = std::max(Rect.Top, Rect.Bottom);
  const bool Horizontal = Orientation == diHorizontal;
  const std::int64_t Start = Horizontal ? L : T, End = Horizontal ? R : B;
  const auto Segments = static_cast<std::int64_t>(std::max<std::size_t>(1, Colors.size() - 1));
  TColorWalk Walk(Colors, std::max<std::int64_t>(1, (End - Start) / Segments),
                  static_cast<double>(Width));
  TBrush& Brush = Canvas.Brush();
  TScopeExit Restore([&Brush, Saved = Brush.Color()] { Brush.SetColor(Saved); });
  for (std::int64_t Pos = Start; Pos <= End; Pos += Width) {
    Brush.SetColor(Walk.Color());
    Canvas.FillRect(Horizontal ? Band(Pos, T, Pos + Width, B) : Band(L, Pos, R, Pos + Width));
    Walk.Advance(static_cast<double>(Pos + Width - Start));
  }
}

void EllipseGradient(TCanvas& Canvas, const TRect& Rect, std::span<const TColor> Colors,
                     int BandWidth, float /*Unused*/) {
  if (Rect.Right == 0 || Rect.Bottom == 0 || Colors.empty()) return;
  TPen& Pen = Canvas.Pen();
  TBrush& Brush = Canvas.Brush();
  TScopeExit Restore([&, Width = Pen.Width(), Style = Pen.Style(), Color = Brush.Color()] {
    Pen.SetWidth(Width);
    Pen.SetStyle(Style);
    Brush.SetColor(Color);
  });
  Pen.SetWidth(0);
  Pen.SetStyle(psClear);
  ConcentricBands(Rect, Colors, std::max(1, BandWidth), [&](const TRect& Box, TColor Color) {
    Brush.SetColor(Color);
    Canvas.Ellipse(Box);
  });
}

void EllipseGradient(TCanvas& Canvas, const TRect& Rect, float FocusX, float FocusY,
                     std::span<const TColor> Colors, float BandWidth, float /*Unused*/) {
  if (Rect.Right == 0 || Rect.Bottom == 0 || Colors.empty()) return;
  if (!std::isfinite(FocusX) || !std::isfinite(FocusY)) return;
  const double Width = BandWidth > 0 && std::isfinite(BandWidth) ? BandWidth : 1.0;
  const std::int64_t L = Rect.Left, T = Rect.Top, R = Rect.Right, B = Rect.Bottom;
  const std::int64_t W = R - L, H = B - T;
  // A zero width or height would divide the steps below by zero.
  if (W == 0 || H == 0) return;
  // The focus, kept well inside the 64-bit range however large FocusX is.
  constexpr long double Far = 0x1p62L;
  const auto Focus = [Far](std::int64_t Extent, float F, std::int64_t Origin) {
    return HostRound(std::min(std::abs(static_cast<long double>(Extent) * F) + Origin, Far));
  };
  const std::int64_t CX = Focus(W, FocusX, L), CY = Focus(H, FocusY, T);
  const std::int64_t D = std::max({std::abs(CX - L), std::abs(CX - R), std::abs(CY - B),
                                   std::abs(CY - T)});
  const auto Segments = static_cast<std::int64_t>(std::max<std::size_t>(1, Colors.size() - 1));
  TColorWalk Walk(Colors, std::max<std::int64_t>(1, D / Segments), Width);
  // Per band each side moves toward the focus by its own step.
  const double StepsX = static_cast<double>(W) / Width, StepsY = static_cast<double>(H) / Width;
  const float DL = static_cast<float>((CX - L) / StepsX), DR = static_cast<float>((R - CX) / StepsX);
  const float DT = static_cast<float>((CY - T) / StepsY), DB = static_cast<float>((B - CY) / StepsY);
  const float Grow = std::max({DL, DR, DT, DB});
  float FL = static_cast<float>(L), FT = static_cast<float>(T);
  float FR = static_cast<float>(R), FB = static_cast<float>(B);
  float Progress = 0;
  // The sides reach the focus after |W| / BandWidth bands; the bound also ends
  // a rectangle given right to left, whose sides move away from the focus.
  const double MaxBands = std::min(std::abs(StepsX), std::abs(StepsY)) + 2;

  TPen& Pen = Canvas.Pen();
  TBrush& Brush = Canvas.Brush();
  TScopeExit Restore([&, PenWidth = Pen.Width(), Style = Pen.Style(), Color = Brush.Color()] {
    Pen.SetWidth(PenWidth);
    Pen.SetStyle(Style);
    Brush.SetColor(Color);
  });
  Pen.SetWidth(0);
  Pen.SetStyle(psClear);
  const auto Side = [](float V) { return Clamp32(HostRound(V)); };
  for (double Bands = 0; static_cast<double>(CX) > FL && static_cast<double>(CY) > FT &&
                         Bands < MaxBands;
       ++Bands) {
    Brush.SetColor(Walk.Color());
    Canvas.Ellipse(Side(FL), Side(FT), Side(FR), Side(FB));
    const float NextL = FL + DL, NextT = FT + DT;
    // Coordinates too large for a step to move them: the loop would never end.
    if (NextL == FL && NextT == FT) break;
    FL = NextL;
    FR -= DR;
    FT = NextT;
    FB -= DB;
    Progress += Grow;
    Walk.Advance(Progress);
  }
}

void RectGradient(TCanvas& Canvas, const TRect& Rect, std::span<const TColor> Colors,
                  int BandWidth, float /*Unused*/) {
  if (Rect.Right == 0 || Rect.Bottom == 0 || Colors.empty()) return;
  const int Width = std::max(1, BandWidth);
  TPen& Pen = Canvas.Pen();
  TBrush& Brush = Canvas.Brush();
  bool Drawn = false;
  TRect Last;
  TColor LastColor = clBlack;
  // The innermost band is filled at the end, also when drawing raised.
  TScopeExit Finish([&, PenColor = Pen.Color(), BrushColor = Brush.Color()] {
    Pen.SetColor(PenColor);
    if (!Drawn) return;
    Brush.SetColor(LastColor);
    TScopeExit RestoreBrush([&] { Brush.SetColor(BrushColor); });
    Canvas.FillRect(Last);
  });
  Pen.SetWidth(Width);
  ConcentricBands(Rect, Colors, Width, [&](const TRect& Box, TColor Color) {
    Drawn = true;
    Last = Box;
    LastColor = Color;
    Pen.SetColor(Color);
    Canvas.Rectangle(Box);
  });
}

} // namespace zk
