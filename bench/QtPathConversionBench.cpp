// A path handed to Qt and back: ToQPainterPath against building the same
// QPainterPath straight from an array of its points, and AssignQPainterPath
// against copying Qt's elements into a bare vector of entries. The peers are
// the least any conversion must do, so the ratios show what the path object
// adds on top.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <vector>

#include <QPainterPath>

#include "CpuTimeReporter.h"
#include "qt/QtPainterPath.h"

namespace {

constexpr int kFigures = 20'000;  // each a move, a line, a curve and a close

zk::TPointF PointFor(int I, int K) { return {float(I % 1000 + K), float(I / 1000 + K)}; }

const zk::TZKPathData& SamplePath() {
  static const auto* Path = [] {
    auto* P = new zk::TZKPathData;
    P->BeginUpdate();
    for (int I = 0; I < kFigures; ++I) {
      P->MoveTo(PointFor(I, 0));
      P->LineTo(PointFor(I, 3));
      P->CurveTo(PointFor(I, 4), PointFor(I, 5), PointFor(I, 6));
      P->ClosePath();
    }
    P->EndUpdate();
    return P;
  }();
  return *Path;
}

void BM_ToQPainterPath(benchmark::State& State) {
  const zk::TZKPathData& Path = SamplePath();
  for (auto _ : State) benchmark::DoNotOptimize(zk::ToQPainterPath(Path));
}
BENCHMARK(BM_ToQPainterPath)->Unit(benchmark::kMillisecond)->Repetitions(5);

void BM_QPainterPathPeer(benchmark::State& State) {
  std::vector<QPointF> Points;
  for (int I = 0; I < kFigures; ++I)
    for (int K : {0, 3, 4, 5, 6}) Points.emplace_back(PointFor(I, K).X, PointFor(I, K).Y);
  for (auto _ : State) {
    QPainterPath Q;
    for (std::size_t I = 0; I < Points.size(); I += 5) {
      Q.moveTo(Points[I]);
      Q.lineTo(Points[I + 1]);
      Q.cubicTo(Points[I + 2], Points[I + 3], Points[I + 4]);
      Q.closeSubpath();
    }
    benchmark::DoNotOptimize(Q);
  }
}
BENCHMARK(BM_QPainterPathPeer)->Unit(benchmark::kMillisecond)->Repetitions(5);

void BM_AssignQPainterPath(benchmark::State& State) {
  const QPainterPath Q = zk::ToQPainterPath(SamplePath());
  zk::TZKPathData Path;
  for (auto _ : State) {
    zk::AssignQPainterPath(Path, Q);
    benchmark::DoNotOptimize(Path.Count());
  }
}
BENCHMARK(BM_AssignQPainterPath)->Unit(benchmark::kMillisecond)->Repetitions(5);

void BM_ElementCopyPeer(benchmark::State& State) {
  const QPainterPath Q = zk::ToQPainterPath(SamplePath());
  std::vector<zk::TZKPathPoint> Entries;
  for (auto _ : State) {
    Entries.clear();
    for (int I = 0; I < Q.elementCount(); ++I) {
      const QPainterPath::Element E = Q.elementAt(I);
      Entries.push_back({static_cast<zk::TZKPathPointKind>(E.type == QPainterPath::MoveToElement ? 0 : 1),
                         {float(E.x), float(E.y)}});
    }
    benchmark::DoNotOptimize(Entries.data());
  }
}
BENCHMARK(BM_ElementCopyPeer)->Unit(benchmark::kMillisecond)->Repetitions(5);

} // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  zkbench::CpuTimeReporter Reporter;
  benchmark::RunSpecifiedBenchmarks(&Reporter);
  const double To = Reporter.Seconds("BM_ToQPainterPath"), ToPeer = Reporter.Seconds("BM_QPainterPathPeer");
  const double From = Reporter.Seconds("BM_AssignQPainterPath"), FromPeer = Reporter.Seconds("BM_ElementCopyPeer");
  if (To > 0 && ToPeer > 0)
    std::printf("ToQPainterPath / direct QPainterPath CPU time: %.3f (goal: at most 1.20)\n", To / ToPeer);
  if (From > 0 && FromPeer > 0)
    std::printf("AssignQPainterPath / element copy CPU time: %.3f (goal: at most 3)\n", From / FromPeer);
  benchmark::Shutdown();
  return 0;
}
