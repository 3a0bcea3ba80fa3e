// PointInPath, float yes/no form, on a 10,000-vertex noisy circle,
// next to the classic PNPOLY ray-casting loop over float arrays (written
// inline here) and, when Qt6 Gui is available, QPolygonF::containsPoint with
// the odd-even rule. Each benchmark tests the same cycle of 256 query points
// (about half inside); the "per_edge" counter is the time per polygon edge. The
// program ends with the ratio ours / plain (goal: at most 1.2).
#include <benchmark/benchmark.h>

#include "CpuTimeReporter.h"

#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "geometry/PolygonHitTest.h"

#include <QPolygonF>

namespace {

constexpr int kVertices = 10000;
constexpr int kQueries = 256;

struct Fixture {
  zk::TZKPoints Poly;
  std::vector<float> VX, VY;  // the same polygon as separate arrays, for PNPOLY
  std::vector<zk::TPointF> Queries;
  Fixture() {
    std::mt19937 Rng(2024);
    std::uniform_real_distribution<float> Noise(-15.0f, 15.0f);
    for (int I = 0; I < kVertices; ++I) {
      const double A = 2 * 3.14159265358979323846 * I / kVertices;
      const float R = 500.0f + Noise(Rng);
      const zk::TPointF P{static_cast<float>(R * std::cos(A)), static_cast<float>(R * std::sin(A))};
      Poly.push_back(P);
      VX.push_back(P.X);
      VY.push_back(P.Y);
    }
    std::uniform_real_distribution<float> Q(-600.0f, 600.0f);
    for (int I = 0; I < kQueries; ++I) Queries.push_back({Q(Rng), Q(Rng)});
  }
};

const Fixture& Data() {
  static const Fixture F;
  return F;
}

// The classic PNPOLY loop (W. Randolph Franklin), float arrays.
bool Pnpoly(int N, const float* VX, const float* VY, float TX, float TY) {
  bool C = false;
  for (int I = 0, J = N - 1; I < N; J = I++) {
    if (((VY[I] > TY) != (VY[J] > TY)) &&
        (TX < (VX[J] - VX[I]) * (TY - VY[I]) / (VY[J] - VY[I]) + VX[I]))
      C = !C;
  }
  return C;
}

void SetCounters(benchmark::State& State) {
  // Edges per second, inverted: seconds per edge (printed as e.g. "1.4ns").
  State.counters["per_edge"] = benchmark::Counter(
      static_cast<double>(kVertices),
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_PointInPath_Ours(benchmark::State& State) {
  const Fixture& F = Data();
  std::size_t K = 0;
  int Inside = 0;
  for (auto _ : State) {
    const zk::TPointF& Q = F.Queries[K++ % kQueries];
    const bool In = zk::PointInPath(F.Poly, Q.X, Q.Y);
    benchmark::DoNotOptimize(In);
    Inside += In;
  }
  benchmark::DoNotOptimize(Inside);
  SetCounters(State);
}

void BM_PointInPath_PlainPnpoly(benchmark::State& State) {
  const Fixture& F = Data();
  std::size_t K = 0;
  int Inside = 0;
  for (auto _ : State) {
    const zk::TPointF& Q = F.Queries[K++ % kQueries];
    const bool In = Pnpoly(kVertices, F.VX.data(), F.VY.data(), Q.X, Q.Y);
    benchmark::DoNotOptimize(In);
    Inside += In;
  }
  benchmark::DoNotOptimize(Inside);
  SetCounters(State);
}

void BM_PointInPath_QtOddEven(benchmark::State& State) {
  const Fixture& F = Data();
  QPolygonF Poly;
  Poly.reserve(kVertices);
  for (const zk::TPointF& P : F.Poly) Poly << QPointF(P.X, P.Y);
  std::size_t K = 0;
  int Inside = 0;
  for (auto _ : State) {
    const zk::TPointF& Q = F.Queries[K++ % kQueries];
    const bool In = Poly.containsPoint(QPointF(Q.X, Q.Y), Qt::OddEvenFill);
    benchmark::DoNotOptimize(In);
    Inside += In;
  }
  benchmark::DoNotOptimize(Inside);
  SetCounters(State);
}


} // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  // Sanity: both loops agree on every query point.
  const Fixture& F = Data();
  int Mismatch = 0, Inside = 0;
  for (const zk::TPointF& Q : F.Queries) {
    const bool A = zk::PointInPath(F.Poly, Q.X, Q.Y);
    Mismatch += A != Pnpoly(kVertices, F.VX.data(), F.VY.data(), Q.X, Q.Y);
    Inside += A;
  }
  std::printf("queries: %d, inside: %d, ours/plain disagreements: %d\n", kQueries, Inside, Mismatch);
  // Interleaved rounds, least time of each: the ratio holds within a few
  // percent from run to run on a shared machine.
  zkbench::RegisterInterleaved(20, {{"BM_PointInPath_Ours", BM_PointInPath_Ours},
                                   {"BM_PointInPath_PlainPnpoly", BM_PointInPath_PlainPnpoly},
                                   {"BM_PointInPath_QtOddEven", BM_PointInPath_QtOddEven}});
  zkbench::CpuTimeReporter Reporter;
  benchmark::RunSpecifiedBenchmarks(&Reporter);
  const double Ours = Reporter.Seconds("BM_PointInPath_Ours");
  const double Plain = Reporter.Seconds("BM_PointInPath_PlainPnpoly");
  if (Ours > 0 && Plain > 0)
    std::printf("ours: %.3f ns/edge, plain PNPOLY: %.3f ns/edge, ratio ours/plain: %.3f (goal <= 1.2)\n",
                Ours * 1e9 / kVertices, Plain * 1e9 / kVertices, Ours / Plain);
  const double Qt = Reporter.Seconds("BM_PointInPath_QtOddEven");
  if (Qt > 0 && Plain > 0)
    std::printf("Qt QPolygonF::containsPoint(OddEvenFill): %.3f ns/edge, ratio Qt/plain: %.3f\n",
                Qt * 1e9 / kVertices, Qt / Plain);
  benchmark::Shutdown();
  return Mismatch == 0 ? 0 : 1;
}
