// Shapes and arrows on TQtCanvas over a 1024x1024 image, against the same
// primitives drawn with QPainter directly: 3D circles of the shape-type
// DrawShape (two chord halves and the face) and filled arrows with closed
// heads. The routines compute every point before drawing and the canvas
// layer converts each call; together they should add at most a fifth to the
// time. The ratios are printed after the run.
#include <benchmark/benchmark.h>

#include "CpuTimeReporter.h"

#include <cstdio>
#include <random>
#include <vector>

#include <QImage>
#include <QPainter>
#include <QPolygon>

#include "drawing/ArrowsAndSlices.h"
#include "drawing/Shapes.h"
#include "qt/QtCanvas.h"

namespace {

using namespace zk;

constexpr int kSide = 1024;
constexpr int kCount = 2000;

QImage& Target() {
  static QImage Image(kSide, kSide, QImage::Format_ARGB32_Premultiplied);
  return Image;
}

// Boxes 12 to 60 pixels wide at random places, fixed seed.
const std::vector<TRect>& Boxes() {
  static const std::vector<TRect> Rects = [] {
    std::vector<TRect> R;
    std::mt19937 Random(2024);
    std::uniform_int_distribution<int> At(0, kSide - 64), Size(12, 60);
    for (int I = 0; I < kCount; ++I) {
      const int X = At(Random), Y = At(Random), S = Size(Random);
      R.push_back({X, Y, X + S, Y + S});
    }
    return R;
  }();
  return Rects;
}

QPen ThinPen(QColor Colour) {
  QPen Pen(Colour, 0);
  Pen.setCapStyle(Qt::FlatCap);
  Pen.setJoinStyle(Qt::MiterJoin);
  return Pen;
}

void BM_DrawShape3DCircle(benchmark::State& State) {
  TQtCanvas Canvas(Target());
  Canvas.Brush().SetColor(clSilver);
  for (auto _ : State)
    for (const TRect& R : Boxes()) DrawShape(Canvas, R, sCircle, soUp, true, 3);
}
BENCHMARK(BM_DrawShape3DCircle)->Unit(benchmark::kMillisecond)->MinTime(1);

// Qt's chords run counter-clockwise from a start angle in sixteenths of a
// degree: the upper-left half is 45..225 degrees, the lower-right 225..405.
void BM_QPainter3DCirclePeer(benchmark::State& State) {
  QPainter Painter(&Target());
  for (auto _ : State)
    for (const TRect& R : Boxes()) {
      const QRect Box(R.Left, R.Top, R.Right - R.Left, R.Bottom - R.Top);
      Painter.setPen(Qt::NoPen);
      Painter.setBrush(QColor(0xD3, 0xD3, 0xD3));
      Painter.drawChord(Box, 45 * 16, 180 * 16);
      Painter.setBrush(QColor(0xA9, 0xA9, 0xA9));
      Painter.drawChord(Box, 225 * 16, 180 * 16);
      Painter.setPen(ThinPen(Qt::black));
      Painter.setBrush(QColor(0xC0, 0xC0, 0xC0));
      Painter.drawEllipse(Box.adjusted(3, 3, -7, -7));
    }
}
BENCHMARK(BM_QPainter3DCirclePeer)->Unit(benchmark::kMillisecond)->MinTime(1);

void BM_DrawArrowFilled(benchmark::State& State) {
  TQtCanvas Canvas(Target());
  Canvas.Brush().SetColor(clTeal);
  const TArrowOptions Options{aoArrowAtEnd, aoClosedHead, aoFillHead};
  for (auto _ : State)
    for (const TRect& R : Boxes()) DrawArrow(Canvas, R.Left, R.Top, R.Right, R.Bottom, 8, "", Options, 4);
}
BENCHMARK(BM_DrawArrowFilled)->Unit(benchmark::kMillisecond)->MinTime(1);

// The same shaft and head: the shaft 4 wide stopping 8 short of the tip, the
// head 8 long and 16 wide, points from the unit direction in float.
void BM_QPainterArrowPeer(benchmark::State& State) {
  QPainter Painter(&Target());
  Painter.setPen(ThinPen(Qt::black));
  Painter.setBrush(QColor(0x80, 0x80, 0x00));
  for (auto _ : State)
    for (const TRect& R : Boxes()) {
      const QPointF A(R.Left, R.Top), B(R.Right, R.Bottom);
      const QPointF D = B - A;
      const double Length = std::hypot(D.x(), D.y());
      const QPointF U = D / Length, N(U.y(), -U.x());
      const QPointF E = B - 8 * U;
      Painter.drawPolygon(QPolygonF({A + 2 * N, A - 2 * N, E - 2 * N, E + 2 * N, A + 2 * N}));
      Painter.drawPolygon(QPolygonF({E + 8 * N, B, E - 8 * N, E + 8 * N}));
    }
}
BENCHMARK(BM_QPainterArrowPeer)->Unit(benchmark::kMillisecond)->MinTime(1);

} // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  zkbench::CpuTimeReporter Reporter;
  benchmark::RunSpecifiedBenchmarks(&Reporter);
  const auto Ratio = [&](const char* Ours, const char* Peer, const char* What) {
    const double A = Reporter.Seconds(Ours), B = Reporter.Seconds(Peer);
    if (A > 0 && B > 0) std::printf("%s / QPainter CPU time: %.3f (goal: at most 1.20)\n", What, A / B);
  };
  Ratio("BM_DrawShape3DCircle", "BM_QPainter3DCirclePeer", "DrawShape 3D circle");
  Ratio("BM_DrawArrowFilled", "BM_QPainterArrowPeer", "DrawArrow filled");
  benchmark::Shutdown();
  return 0;
}
