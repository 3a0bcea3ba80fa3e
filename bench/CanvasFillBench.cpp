// FillPath of a 100,000-entry path on TQtCanvas over a 1024x1024 image,
// against drawing the same geometry with a QPainterPath directly. The canvas
// layer (rounding, device-context calls, its own QPainterPath) should add at
// most a fifth to the time; the ratio is printed after the run.
#include <benchmark/benchmark.h>

#include "CpuTimeReporter.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <random>

#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include "path/PathData.h"
#include "qt/QtCanvas.h"

namespace {

using namespace zk;

constexpr int kFigures = 1000;
constexpr int kEntriesPerFigure = 100;  // move, 98 lines, close
constexpr int kSide = 1024;

// A thousand closed 99-gons (circles of random centre and radius), fixed seed.
const TZKPathData& Geometry() {
  static TZKPathData* Path = [] {
    auto* P = new TZKPathData;
    std::mt19937 Random(12345);
    std::uniform_real_distribution<float> Centre(40, kSide - 40), Radius(5, 40);
    TZKPathUpdate Update(*P);
    for (int F = 0; F < kFigures; ++F) {
      const float CX = Centre(Random), CY = Centre(Random), R = Radius(Random);
      for (int I = 0; I < kEntriesPerFigure - 1; ++I) {
        const double A = 2 * 3.14159265358979 * I / (kEntriesPerFigure - 1);
        const TPointF Pt{CX + R * float(std::cos(A)), CY + R * float(std::sin(A))};
        if (I == 0) P->MoveTo(Pt); else P->LineTo(Pt);
      }
      P->ClosePath();
    }
    return P;
  }();
  return *Path;
}

QImage& Target() {
  static QImage Image(kSide, kSide, QImage::Format_ARGB32_Premultiplied);
  return Image;
}

void BM_CanvasFillPath(benchmark::State& State) {
  const TZKPathData& Path = Geometry();
  TQtCanvas Canvas(Target());
  Canvas.Brush().SetColor(clGray);
  Canvas.Pen().SetColor(clBlack);
  for (auto _ : State) Path.FillPath(Canvas, 1);
  State.counters["entries"] = Path.Count();
}

void BM_QPainterPathPeer(benchmark::State& State) {
  const TZKPathData& Path = Geometry();
  QPainter Painter(&Target());
  QPen Pen(Qt::black, 0);
  Pen.setCapStyle(Qt::FlatCap);
  Pen.setJoinStyle(Qt::MiterJoin);
  Painter.setPen(Pen);
  Painter.setBrush(QColor(0x80, 0x80, 0x80));
  for (auto _ : State) {
    QPainterPath Q;
    Q.setFillRule(Qt::OddEvenFill);
    for (const TZKPathPoint& E : Path.Entries()) {
      const TPointF P = E.Point;
      switch (E.Kind) {
        case ppMoveTo: Q.moveTo(P.X, P.Y); break;
        case ppLineTo: Q.lineTo(P.X, P.Y); break;
        case ppClose: Q.closeSubpath(); break;
        default: break;
      }
    }
    Painter.drawPath(Q);
  }
}


} // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  // Interleaved rounds, least time of each: a busy spell of the machine
  // falls on both contenders alike.
  zkbench::RegisterInterleaved(7, {{"BM_CanvasFillPath", BM_CanvasFillPath},
                                   {"BM_QPainterPathPeer", BM_QPainterPathPeer}},
                               0.2);
  zkbench::CpuTimeReporter Reporter;
  benchmark::RunSpecifiedBenchmarks(&Reporter);
  const double Canvas = Reporter.Seconds("BM_CanvasFillPath"), Peer = Reporter.Seconds("BM_QPainterPathPeer");
  if (Canvas > 0 && Peer > 0)
    std::printf("canvas / QPainterPath CPU time: %.3f (goal: at most 1.20)\n", Canvas / Peer);
  benchmark::Shutdown();
  return 0;
}
