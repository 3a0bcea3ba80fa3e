// Stroke outlines of the icon corpus, next to Qt's QPainterPathStroker on the
// same paths and styles (Qt's curve threshold set to the same 0.01 units),
// with the outlines' entry counts side by side; and the hit test on points
// of the strokes, prepared once per icon. The contenders run interleaved in
// random order and are compared by their least CPU time (goal: at least as
// fast as Qt).
#include <benchmark/benchmark.h>

#include "CpuTimeReporter.h"

#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "pathops/Stroke.h"
#include "qt/QtPainterPath.h"

#include <QPainterPath>
#include <QPainterPathStroker>

namespace {

struct TIcons {
  std::vector<std::unique_ptr<zk::TZKPathData>> Paths;
  std::vector<QPainterPath> QtPaths;
};

const TIcons& Icons() {
  static const TIcons I = [] {
    TIcons R;
    std::ifstream In(std::string(ZK_CORPUS_DIR) + "/bootstrap-icons.txt");
    for (std::string Line; std::getline(In, Line);) {
      R.Paths.push_back(std::make_unique<zk::TZKPathData>());
      R.Paths.back()->SetPathString(Line, zk::TZKPathSyntax::Svg);
      R.QtPaths.push_back(zk::ToQPainterPath(*R.Paths.back()));
    }
    return R;
  }();
  return I;
}

constexpr const char* StyleNames[] = {"miter-butt", "round-round", "bevel-square", "dashed-miter"};

zk::TZKStroke Style(int Index) {
  zk::TZKStroke S;
  S.Width = 0.5;
  if (Index == 1) S.Join = zk::TZKLineJoin::Round, S.Cap = zk::TZKLineCap::Round;
  if (Index == 2) S.Join = zk::TZKLineJoin::Bevel, S.Cap = zk::TZKLineCap::Square;
  if (Index == 3) S.Dashes = {0.75, 0.5};
  return S;
}

void Configure(QPainterPathStroker& Q, const zk::TZKStroke& S) {
  Q.setWidth(S.Width);
  Q.setJoinStyle(S.Join == zk::TZKLineJoin::Round   ? Qt::RoundJoin
                 : S.Join == zk::TZKLineJoin::Bevel ? Qt::BevelJoin
                                                     : Qt::SvgMiterJoin);
  Q.setCapStyle(S.Cap == zk::TZKLineCap::Round    ? Qt::RoundCap
                : S.Cap == zk::TZKLineCap::Square ? Qt::SquareCap
                                                  : Qt::FlatCap);
  Q.setMiterLimit(S.MiterLimit);
  Q.setCurveThreshold(S.Tolerance);
  if (!S.Dashes.empty()) {
    QList<qreal> Pattern;  // Qt counts dashes in widths
    for (double D : S.Dashes) Pattern << D / S.Width;
    Q.setDashPattern(Pattern);
  }
}

bool Usable(benchmark::State& State) {
  if (!Icons().Paths.empty()) return true;
  State.SkipWithError("no input (icon corpus missing)");
  return false;
}

void BM_StrokeOutline(benchmark::State& State) {
  if (!Usable(State)) return;
  const zk::TZKStroke S = Style(static_cast<int>(State.range(0)));
  double Entries = 0;
  for (auto _ : State) {
    Entries = 0;
    for (const auto& P : Icons().Paths) Entries += static_cast<double>(zk::StrokeOutline(*P, S)->Count());
  }
  State.counters["entries"] = Entries;
  State.SetLabel(StyleNames[State.range(0)]);
}

void BM_QtStroker(benchmark::State& State) {
  if (!Usable(State)) return;
  QPainterPathStroker Q;
  Configure(Q, Style(static_cast<int>(State.range(0))));
  double Entries = 0;
  for (auto _ : State) {
    Entries = 0;
    for (const QPainterPath& P : Icons().QtPaths) Entries += Q.createStroke(P).elementCount();
  }
  State.counters["entries"] = Entries;
  State.SetLabel(StyleNames[State.range(0)]);
}

// 100 points along each icon's bounding box diagonal, tested on the stroke:
// by the prepared hit test, and by building the outline and testing its fill.
void BM_StrokeHitTest(benchmark::State& State) {
  if (!Usable(State)) return;
  const zk::TZKStroke S = Style(static_cast<int>(State.range(0)));
  for (auto _ : State) {
    int Hits = 0;
    for (const auto& P : Icons().Paths) {
      const zk::TZKStrokeHitTest Hit(*P, S);
      for (int I = 0; I < 100; ++I) Hits += Hit.Contains({0.16 * I, 0.16 * I});
    }
    benchmark::DoNotOptimize(Hits);
  }
  State.SetLabel(StyleNames[State.range(0)]);
}

void BM_QtStrokeContains(benchmark::State& State) {
  if (!Usable(State)) return;
  QPainterPathStroker Q;
  Configure(Q, Style(static_cast<int>(State.range(0))));
  for (auto _ : State) {
    int Hits = 0;
    for (const QPainterPath& P : Icons().QtPaths) {
      const QPainterPath Outline = Q.createStroke(P);
      for (int I = 0; I < 100; ++I) Hits += Outline.contains(QPointF(0.16 * I, 0.16 * I));
    }
    benchmark::DoNotOptimize(Hits);
  }
  State.SetLabel(StyleNames[State.range(0)]);
}

#define ZK_STROKE_BENCH(Function) \
  BENCHMARK(Function)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->MinTime(0.05)->Repetitions(5)
ZK_STROKE_BENCH(BM_StrokeOutline);
ZK_STROKE_BENCH(BM_QtStroker);
ZK_STROKE_BENCH(BM_StrokeHitTest);
ZK_STROKE_BENCH(BM_QtStrokeContains);

} // namespace

int main(int argc, char** argv) {
  std::vector<char*> Args(argv, argv + argc);
  char Interleave[] = "--benchmark_enable_random_interleaving=true";
  Args.insert(Args.begin() + 1, Interleave);
  int ArgCount = static_cast<int>(Args.size());
  benchmark::Initialize(&ArgCount, Args.data());
  zkbench::CpuTimeReporter Reporter;
  benchmark::RunSpecifiedBenchmarks(&Reporter);
  for (int I = 0; I < 4; ++I) {
    const std::string Arg = "/" + std::to_string(I);
    const double Ours = Reporter.Seconds("BM_StrokeOutline" + Arg), Qt = Reporter.Seconds("BM_QtStroker" + Arg);
    const double Hit = Reporter.Seconds("BM_StrokeHitTest" + Arg), QtHit = Reporter.Seconds("BM_QtStrokeContains" + Arg);
    if (Ours == 0 || Qt == 0) continue;
    std::printf("%-13s outline %.1f ms, Qt %.1f ms: %.2f x Qt's speed; entries %.0f, Qt %.0f; "
                "hit test %.1f ms, Qt outline + contains %.1f ms\n",
                StyleNames[I], Ours * 1e3, Qt * 1e3, Qt / Ours, Reporter.Counter("BM_StrokeOutline" + Arg, "entries"),
                Reporter.Counter("BM_QtStroker" + Arg, "entries"), Hit * 1e3, QtHit * 1e3);
  }
  benchmark::Shutdown();
  return 0;
}
