// Gradients over a 1920x1080 image on TQtCanvas against Qt drawing the same
// thing directly: LineGradient with one-pixel bands against QPainter::fillRect
// of the same 1921 bands (goal: at most 1.2x), and the diagonal
// DirectionGradient against a QLinearGradient fill of the rectangle (goal: at
// most 2x). Qt may fill on helper threads, so CPU time is the whole
// process's. The ratios are printed after the run.
#include <benchmark/benchmark.h>

#include "CpuTimeReporter.h"

#include <cstdio>
#include <vector>

#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>

#include "drawing/DirectionGradient.h"
#include "drawing/Gradients.h"
#include "qt/QtCanvas.h"

namespace {

using namespace zk;

constexpr int kWidth = 1920, kHeight = 1080;
const std::vector<TColor> kColors = {clNavy, clAqua, clYellow};

QImage& Target() {
  static QImage Image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
  return Image;
}

void BM_LineGradient(benchmark::State& State) {
  TQtCanvas Canvas(Target());
  for (auto _ : State) LineGradient(Canvas, {0, 0, kWidth, kHeight}, kColors, 1, diHorizontal);
}
BENCHMARK(BM_LineGradient)->Unit(benchmark::kMillisecond)->MinTime(1)->MeasureProcessCPUTime();

// The same bands and colours, walked the same way, filled by Qt directly.
void BM_FillRectPeer(benchmark::State& State) {
  QPainter Painter(&Target());
  for (auto _ : State) {
    const int Seg = kWidth / 2;
    double R = 0x00, G = 0x00, B = 0x80;
    int Next = 1, Boundary = Seg;
    auto Channel = [](TColor C, int Shift) { return (C >> Shift) & 0xFF; };
    TColor First = kColors[0], Second = kColors[1];
    for (int X = 0; X <= kWidth; ++X) {
      Painter.fillRect(QRect(X, 0, 1, kHeight), QColor(int(R + 0.5), int(G + 0.5), int(B + 0.5)));
      if (X + 1 >= Boundary) {
        Boundary += Seg;
        Next = std::min(Next + 1, 2);
        First = Second;
        Second = kColors[Next];
      }
      R += double(Channel(Second, 0) - Channel(First, 0)) / Seg;
      G += double(Channel(Second, 8) - Channel(First, 8)) / Seg;
      B += double(Channel(Second, 16) - Channel(First, 16)) / Seg;
    }
  }
}
BENCHMARK(BM_FillRectPeer)->Unit(benchmark::kMillisecond)->MinTime(1)->MeasureProcessCPUTime();

void BM_DiagonalGradient(benchmark::State& State) {
  TQtCanvas Canvas(Target());
  for (auto _ : State) DirectionGradient(Canvas, {0, 0, kWidth, kHeight}, kColors, gdDownRight, 1);
}
BENCHMARK(BM_DiagonalGradient)->Unit(benchmark::kMillisecond)->MinTime(1)->MeasureProcessCPUTime();

void BM_QLinearGradientPeer(benchmark::State& State) {
  QPainter Painter(&Target());
  for (auto _ : State) {
    QLinearGradient Gradient(0, 0, kWidth, kHeight);
    Gradient.setColorAt(0, QColor(0, 0, 0x80));
    Gradient.setColorAt(1, QColor(0, 0xFF, 0xFF));
    Painter.fillRect(QRect(0, 0, kWidth, kHeight), Gradient);
  }
}
BENCHMARK(BM_QLinearGradientPeer)->Unit(benchmark::kMillisecond)->MinTime(1)->MeasureProcessCPUTime();

} // namespace

int main(int argc, char** argv) {
  QGuiApplication App(argc, argv);
  benchmark::Initialize(&argc, argv);
  zkbench::CpuTimeReporter Reporter;
  benchmark::RunSpecifiedBenchmarks(&Reporter);
  const auto Ratio = [&](const char* Ours, const char* Peer, const char* Label, double Goal) {
    const double A = Reporter.Seconds(Ours), B = Reporter.Seconds(Peer);
    if (A > 0 && B > 0) std::printf("%s CPU time: %.3f (goal: at most %.2f)\n", Label, A / B, Goal);
  };
  Ratio("BM_LineGradient", "BM_FillRectPeer", "LineGradient / QPainter::fillRect", 1.2);
  Ratio("BM_DiagonalGradient", "BM_QLinearGradientPeer", "diagonal DirectionGradient / QLinearGradient",
        2.0);
  benchmark::Shutdown();
  return 0;
}
