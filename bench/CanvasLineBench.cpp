// 10,000 thin lines of random direction and length up to 64 pixels, drawn
// by TQtCanvas::LineTo on a 1024x1024 image, against QPainter::drawLine with
// Qt's thin flat-capped pen. The canvas paints from the start pixel up to but
// not including the end pixel in every direction, which Qt's own line does
// only for lines running right or down; the ratio says what that costs.
#include <benchmark/benchmark.h>

#include "CpuTimeReporter.h"

#include <cstdio>
#include <random>
#include <vector>

#include <QImage>
#include <QPainter>

#include "qt/QtCanvas.h"

namespace {

using namespace zk;

constexpr int kLines = 10000;
constexpr int kSide = 1024;

// Start and end points, fixed seed; every direction alike.
const std::vector<TPoint>& Ends() {
  static const std::vector<TPoint> Points = [] {
    std::vector<TPoint> P;
    std::mt19937 Random(4321);
    std::uniform_int_distribution<int> At(64, kSide - 64), Step(-64, 64);
    for (int I = 0; I < kLines; ++I) {
      const TPoint A{At(Random), At(Random)};
      P.push_back(A);
      P.push_back({A.X + Step(Random), A.Y + Step(Random)});
    }
    return P;
  }();
  return Points;
}

QImage& Target() {
  static QImage Image(kSide, kSide, QImage::Format_ARGB32_Premultiplied);
  return Image;
}

void BM_CanvasLineTo(benchmark::State& State) {
  const std::vector<TPoint>& P = Ends();
  TQtCanvas Canvas(Target());
  for (auto _ : State)
    for (std::size_t I = 0; I < P.size(); I += 2) {
      Canvas.MoveTo(P[I].X, P[I].Y);
      Canvas.LineTo(P[I + 1].X, P[I + 1].Y);
    }
  State.counters["lines"] = kLines;
}

void BM_QPainterLinePeer(benchmark::State& State) {
  const std::vector<TPoint>& P = Ends();
  QPainter Painter(&Target());
  QPen Pen(Qt::black, 0);
  Pen.setCapStyle(Qt::FlatCap);
  Painter.setPen(Pen);
  for (auto _ : State)
    for (std::size_t I = 0; I < P.size(); I += 2)
      Painter.drawLine(QPointF(P[I].X, P[I].Y), QPointF(P[I + 1].X, P[I + 1].Y));
}

} // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  zkbench::RegisterInterleaved(7, {{"BM_CanvasLineTo", BM_CanvasLineTo},
                                   {"BM_QPainterLinePeer", BM_QPainterLinePeer}},
                               0.2);
  zkbench::CpuTimeReporter Reporter;
  benchmark::RunSpecifiedBenchmarks(&Reporter);
  const double Canvas = Reporter.Seconds("BM_CanvasLineTo"), Peer = Reporter.Seconds("BM_QPainterLinePeer");
  if (Canvas > 0 && Peer > 0) std::printf("canvas / QPainter line CPU time: %.3f\n", Canvas / Peer);
  benchmark::Shutdown();
  return 0;
}
