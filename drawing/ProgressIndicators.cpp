// Progress indicators: the segment walk they share and the three layouts.
#include "drawing/ProgressIndicators.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "drawing/ArrowsAndSlices.h"
#include "drawing/ColorSchemes.h"
#include "runtime/Rounding.h"
#include "runtime/ScopeExit.h"

namespace zk {
namespace {

constexpr long double Pi = std::numbers::pi_v<long double>;

std::int64_t LitSegments(int Position, int Min, int Max, int Count) {
  if (Min == Max || Position == Max) return Count;
  const long double Step = (static_cast<long double>(Max) - Min) / Count;
  return HostTrunc(Position / Step);
}

// Past segment number Count + n + 2 every segment has the last colour of the
// walk, so a segment beyond one more full round of Count only repeats an
// earlier one. Round layouts keep the lit number's place in the round.
std::int64_t StableRound(int Count, const TColors& Colors) {
  return std::int64_t{Count} + static_cast<std::int64_t>(Colors.size()) + 2 + Count;
}
std::int64_t WithoutRepeatedRounds(std::int64_t Lit, int Count, const TColors& Colors) {
  const std::int64_t Limit = StableRound(Count, Colors);
  return Lit <= Limit ? Lit : Limit + (Lit - Limit) % Count;
}

// The walk every indicator shares. Segments are numbered from 1; Draw(S) draws
// segment S in the brush (and pen) colour the walk has reached: Colors[0] for
// the first, then IndexToColor of the previous segment's loop number (its
// number less LoopBase). The brush and pen colour are restored at the end.
template <class DrawSegment>
void WalkSegments(TCanvas& Canvas, const TColors& Colors, bool PenFollowsBrush, int Count,
                  std::int64_t Lit, int LoopBase, TProgressDisplayType DisplayType,
                  DrawSegment&& Draw) {
  const TBrushData SavedBrush = Canvas.Brush().Data();
  const TColor SavedPen = Canvas.Pen().Color();
  const TScopeExit Restore([&] {
    Canvas.Brush().SetData(SavedBrush);
    Canvas.Pen().SetColor(SavedPen);
  });
  auto Paint = [&](TColor Color) {
    Canvas.Brush().SetColor(Color);
    if (PenFollowsBrush) Canvas.Pen().SetColor(Color);
  };
  Paint(Colors[0]);
  const std::int64_t First = DisplayType == dtAllProgress ? 1 : std::max<std::int64_t>(Lit, 1);
  for (std::int64_t S = First; S <= Lit; ++S) {
    if (S > 1) {
      const std::int64_t Walked = std::min<std::int64_t>(S - 1 - LoopBase, INT_MAX);
      Paint(IndexToColor(static_cast<int>(Walked), Count, Colors));
    }
    Draw(S);
  }
}

struct TBox {
  std::int64_t L0, T0, W, H;
  explicit TBox(const TRect& R) noexcept
      : L0(std::min(R.Left, R.Right)), T0(std::min(R.Top, R.Bottom)),
        W(std::llabs(std::int64_t{R.Right} - R.Left)), H(std::llabs(std::int64_t{R.Bottom} - R.Top)) {}
  TRect Cell(std::int64_t X1, std::int64_t Y1, std::int64_t X2, std::int64_t Y2) const noexcept {
    return {Low32(L0 + X1), Low32(T0 + Y1), Low32(L0 + X2), Low32(T0 + Y2)};
  }
};

} // namespace

void ProgressCircle(TCanvas& Canvas, const TRect& Rect, int Margin, int Position, int Min, int Max,
                    const TColors& Colors, bool PenFollowsBrush, int Count, TZKShapeType ShapeType,
                    TZKShapeOrientation ShapeOrientation, bool Draw3D, int BevelWidth, int Gap,
                    TProgressDirection Direction, TProgressDisplayType DisplayType) {
  if (Colors.empty() || Count <= 0) return;
  const TBox Box(Rect);
  // The shapes share the circumference of the ellipse inset by Margin.
  const std::int64_t SW = HostRound((Box.W - 2.0L * Margin) * Pi / Count) - Gap;
  const std::int64_t SH = HostRound((Box.H - 2.0L * Margin) * Pi / Count) - Gap;
  const long double DX = Box.W - SW - 2.0L * Margin, DY = Box.H - SH - 2.0L * Margin;
  const int Sign = Direction == pdBackward ? -1 : 1;
  const std::int64_t Lit = WithoutRepeatedRounds(LitSegments(Position, Min, Max, Count), Count, Colors);
  WalkSegments(Canvas, Colors, PenFollowsBrush, Count, Lit, 0, DisplayType, [&](std::int64_t I) {
    // Counter-clockwise on screen from east: y grows downward, hence minus sine.
    const long double A = (I * 360.0L / Count) * Sign * (Pi / 180);
    const std::int64_t X = HostTrunc(std::cos(A) * DX / 2 + DX / 2) + Margin;
    const std::int64_t Y = HostTrunc(DY / 2 - std::sin(A) * DY / 2) + Margin;
    DrawShape(Canvas, Box.Cell(X, Y, X + SW, Y + SH), ShapeType, ShapeOrientation, Draw3D, BevelWidth);
  });
}

void ProgressPie(TCanvas& Canvas, const TRect& Rect, int /*Margin*/, int Position, int Min, int Max,
                 const TColors& Colors, bool PenFollowsBrush, int Count, int Gap,
                 TProgressDirection Direction, TProgressDisplayType DisplayType) {
  if (Colors.empty() || Count <= 0) return;
  const long double A = 360.0L / Count;
  const std::int64_t Lit = WithoutRepeatedRounds(LitSegments(Position, Min, Max, Count), Count, Colors);
  WalkSegments(Canvas, Colors, PenFollowsBrush, Count, Lit, 1, DisplayType, [&](std::int64_t S) {
    long double B = (S - 1) * 360.0L / Count;
    if (Direction == pdBackward) B = 360 - B + A;
    DrawPieSlice(Canvas, Rect, static_cast<double>(B + Gap / 2.0L),
                 static_cast<double>(B + A - Gap / 2.0L), 0, 1.0f);
  });
}

void ProgressRect(TCanvas& Canvas, const TRect& Rect, int Margin, int Position, int Min, int Max,
                  const TColors& Colors, bool PenFollowsBrush, int Count, TZKShapeType ShapeType,
                  TZKShapeOrientation ShapeOrientation, bool Draw3D, int BevelWidth, int Gap,
                  TProgressOrientation Orientation, TProgressDirection Direction,
                  TProgressDisplayType DisplayType) {
  if (Colors.empty() || Count <= 0) return;
  const TBox Box(Rect);
  // Worked along the row (x, widths) or down the column (y, heights); the
  // other axis only holds the inset band. Positions and sizes are Single.
  const bool Vertical = Orientation == poVertical;
  const std::int64_t Along = Vertical ? Box.H : Box.W, Across = Vertical ? Box.W : Box.H;
  const long double Spare = static_cast<long double>(std::int64_t{Gap} * Count);
  const float Size = static_cast<float>((Along - 2.0L * Margin - Spare) / Count);
  const float Band = static_cast<float>(Across - 2.0L * Margin);
  const float Side = static_cast<float>(Margin);
  float Pos = static_cast<float>(Margin), Step = Gap + Size;
  if (Direction == pdBackward) {
    Pos = static_cast<float>(Along - Margin - static_cast<long double>(Size));
    Step = -Step;
  }
  const long double FarEdge = Along - static_cast<long double>(Margin);
  // Forward segments past the far edge collapse onto it, so beyond a full
  // round of the last colour they only repeat; backward ones would run on
  // ever further outside the box and stop there too.
  const std::int64_t Lit = std::min(LitSegments(Position, Min, Max, Count), StableRound(Count, Colors));
  std::int64_t Steps = 0;  // how often Pos has moved on
  WalkSegments(Canvas, Colors, PenFollowsBrush, Count, Lit, 0, DisplayType, [&](std::int64_t S) {
    for (; Steps < S - 1; ++Steps) Pos += Step;
    // A segment overrunning the inner far edge is clipped to it.
    const bool Overruns = Pos + Size > FarEdge;
    const std::int64_t From = HostTrunc(Overruns ? std::min<long double>(FarEdge, Pos) : Pos);
    const std::int64_t To = Overruns ? static_cast<std::int64_t>(FarEdge) : HostTrunc(Pos + Size);
    const std::int64_t Near = HostTrunc(Side), Far = HostTrunc(Side + Band);
    const TRect Cell = Vertical ? Box.Cell(Near, From, Far, To) : Box.Cell(From, Near, To, Far);
    DrawShape(Canvas, Cell, ShapeType, ShapeOrientation, Draw3D, BevelWidth);
  });
}

} // namespace zk
