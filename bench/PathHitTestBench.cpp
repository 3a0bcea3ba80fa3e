// The stroke hit test of a 10,000-segment path next to the literal method it
// replaces (flatten a copy, then one temporary rectangle path per segment,
// each asked its fill test), on the same query points; the program checks
// that both answer alike and ends with the ratio literal / ours (goal: at
// least 10). Also: the length of a 1,000-curve path measured (first call
// after a change) against answered from the cache, and FlattenToPolygon
// throughput on that path.
#include <benchmark/benchmark.h>

#include "CpuTimeReporter.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "path/PathData.h"
#include "tests/path/LiteralOutlineHitTest.h"

namespace {

constexpr int kSegments = 10'000;
constexpr int kQueries = 64;
constexpr int kCurves = 1'000;
constexpr float kStrokeWidth = 3;

struct Fixture {
  zk::TZKPathData Lines;   // a random walk of kSegments lines in a 1000 x 1000 box
  zk::TZKPathData Curves;  // kCurves cubic curves, each about 30 units long
  std::vector<zk::TPointF> Queries;
  Fixture();
};

Fixture::Fixture() {
  Fixture& F = *this;
  {
    std::mt19937 Random(42);
    std::uniform_real_distribution<float> Step(-15, 15), Box(0, 1000);
    F.Lines.BeginUpdate();
    F.Lines.MoveTo({500, 500});
    for (int I = 0; I < kSegments; ++I) {
      const zk::TPointF C = F.Lines.LastPoint();
      F.Lines.LineTo({std::clamp(C.X + Step(Random), 0.0f, 1000.0f), std::clamp(C.Y + Step(Random), 0.0f, 1000.0f)});
    }
    F.Lines.EndUpdate();
    F.Curves.BeginUpdate();
    F.Curves.MoveTo({0, 0});
    for (int I = 0; I < kCurves; ++I) {
      const zk::TPointF C = F.Curves.LastPoint();
      F.Curves.CurveTo({C.X + 10, C.Y + Step(Random)}, {C.X + 20, C.Y + Step(Random)}, {C.X + 30, C.Y});
    }
    F.Curves.EndUpdate();
    // Half the queries anywhere in the box, half near the walk's vertices.
    const auto Entries = F.Lines.Entries();
    for (int I = 0; I < kQueries; ++I) {
      if (I % 2 == 0) {
        F.Queries.push_back({Box(Random), Box(Random)});
      } else {
        const auto& E = Entries[std::size_t(Box(Random) * 10) % Entries.size()];
        F.Queries.push_back({E.Point.X + Step(Random) / 5, E.Point.Y + Step(Random) / 5});
      }
    }
  }
}

const Fixture& Data() {
  static const Fixture F;
  return F;
}

void SetQueryCounter(benchmark::State& State) {
  State.counters["ns_per_query"] = benchmark::Counter(
      kQueries, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_PointInPathOutline_Ours(benchmark::State& State) {
  const Fixture& F = Data();
  for (auto _ : State)
    for (const zk::TPointF& Q : F.Queries) benchmark::DoNotOptimize(F.Lines.PointInPathOutline(Q, kStrokeWidth));
  SetQueryCounter(State);
}
BENCHMARK(BM_PointInPathOutline_Ours)->Unit(benchmark::kMillisecond);

void BM_PointInPathOutline_Literal(benchmark::State& State) {
  const Fixture& F = Data();
  for (auto _ : State)
    for (const zk::TPointF& Q : F.Queries)
      benchmark::DoNotOptimize(zk::oracle::LiteralPointInPathOutline(F.Lines, Q.X, Q.Y, kStrokeWidth));
  SetQueryCounter(State);
}
BENCHMARK(BM_PointInPathOutline_Literal)->Unit(benchmark::kMillisecond);

// Every iteration first drops the caches (a translation by 0 is a change),
// so GetLength measures all 1,000 curves again.
void BM_GetLength_Measured(benchmark::State& State) {
  zk::TZKPathData P;
  P.Assign(&Data().Curves);
  for (auto _ : State) {
    P.Translate(0, 0);
    benchmark::DoNotOptimize(P.GetLength());
  }
}
BENCHMARK(BM_GetLength_Measured)->Unit(benchmark::kMicrosecond);

void BM_GetLength_Cached(benchmark::State& State) {
  zk::TZKPathData P;
  P.Assign(&Data().Curves);
  (void)P.GetLength();
  for (auto _ : State) benchmark::DoNotOptimize(P.GetLength());
}
BENCHMARK(BM_GetLength_Cached)->Unit(benchmark::kNanosecond);

void BM_FlattenToPolygon(benchmark::State& State) {
  zk::TZKPathData P;
  P.Assign(&Data().Curves);
  zk::TZKPoints Polygon;
  for (auto _ : State) {
    P.FlattenToPolygon(Polygon, 0.25f);
    benchmark::DoNotOptimize(Polygon.data());
  }
  State.counters["points"] = double(Polygon.size());
  State.counters["ns_per_point"] = benchmark::Counter(
      double(Polygon.size()), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  State.counters["curves_per_s"] = benchmark::Counter(kCurves, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_FlattenToPolygon)->Unit(benchmark::kMicrosecond);


} // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  const Fixture& F = Data();
  int Mismatch = 0, Hits = 0;
  for (const zk::TPointF& Q : F.Queries) {
    const bool Ours = F.Lines.PointInPathOutline(Q, kStrokeWidth);
    Mismatch += Ours != zk::oracle::LiteralPointInPathOutline(F.Lines, Q.X, Q.Y, kStrokeWidth);
    Hits += Ours;
  }
  std::printf("queries: %d, hits: %d, ours/literal disagreements: %d\n", kQueries, Hits, Mismatch);
  zkbench::CpuTimeReporter Reporter;
  benchmark::RunSpecifiedBenchmarks(&Reporter);
  const double Ours = Reporter.Seconds("BM_PointInPathOutline_Ours");
  const double Literal = Reporter.Seconds("BM_PointInPathOutline_Literal");
  if (Ours > 0 && Literal > 0)
    std::printf("outline hit test: ours %.0f ns/query, literal %.0f ns/query, ratio literal/ours: %.1f (goal >= 10)\n",
                Ours * 1e9 / kQueries, Literal * 1e9 / kQueries, Literal / Ours);
  const double Measured = Reporter.Seconds("BM_GetLength_Measured"), Cached = Reporter.Seconds("BM_GetLength_Cached");
  if (Measured > 0 && Cached > 0)
    std::printf("GetLength of %d curves: measured %.1f us, cached %.1f ns, ratio %.0f\n", kCurves, Measured * 1e6,
                Cached * 1e9, Measured / Cached);
  benchmark::Shutdown();
  return Mismatch == 0 ? 0 : 1;
}
