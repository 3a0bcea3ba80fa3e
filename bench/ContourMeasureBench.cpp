// Exact measurement and the exact fill test on the real icon corpus, next to
// Qt's QPainterPath in the same run.
//
// Measure: per icon, build the measure and take 17 samples (the point and
// the tangent at k/16 of the length, k = 0..16), against Qt's length() and
// 17 x pointAtPercent(percentAtLength(d)) with angleAtPercent. Fill test:
// per icon, read its contours and test 64 points over its box under the
// nonzero rule, against QPainterPath::contains with the winding fill. Goal
// for both: at least as fast as Qt. Before the run the program prints how
// far Qt's lengths are from the exact ones and how often Qt's fill answers
// differ from the exact ones.
#include <benchmark/benchmark.h>

#include "CpuTimeReporter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "pathops/ContourMeasure.h"
#include "pathops/PathWinding.h"
#include "qt/QtPainterPath.h"

#include <QPainterPath>

namespace {

constexpr int kSamples = 16;
constexpr int kGrid = 8;  // kGrid x kGrid points per icon

struct Icon {
  std::unique_ptr<zk::TZKPathData> Path;
  QPainterPath Qt;
  std::vector<zk::TPointD> Points;
};

const std::vector<Icon>& Icons() {
  static const std::vector<Icon> Set = [] {
    std::vector<Icon> Result;
    std::ifstream In(std::string(ZK_CORPUS_DIR) + "/bootstrap-icons.txt");
    for (std::string Line; std::getline(In, Line);) {
      Icon I;
      I.Path = std::make_unique<zk::TZKPathData>();
      I.Path->SetPathString(Line);
      I.Qt = zk::ToQPainterPath(*I.Path);
      I.Qt.setFillRule(Qt::WindingFill);
      // A grid over the 16 x 16 view box, off the half-units where outlines run.
      for (int Y = 0; Y < kGrid; ++Y)
        for (int X = 0; X < kGrid; ++X) I.Points.push_back({0.137 + X * 2.0, 0.291 + Y * 2.0});
      Result.push_back(std::move(I));
    }
    return Result;
  }();
  return Set;
}

bool Usable(benchmark::State& State) {
  if (!Icons().empty()) return true;
  State.SkipWithError("no input (icon corpus missing)");
  return false;
}

void BM_Measure_Ours(benchmark::State& State) {
  if (!Usable(State)) return;
  for (auto _ : State) {
    double Sum = 0;
    for (const Icon& I : Icons()) {
      const zk::TContourMeasure M(*I.Path);
      const double L = M.Length();
      for (int K = 0; K <= kSamples; ++K) {
        const zk::TPointTangent PT = M.PointTangentAt(L * K / kSamples);
        Sum += PT.Point.X + PT.Tangent.Y;
      }
    }
    benchmark::DoNotOptimize(Sum);
  }
}

void BM_Measure_Qt(benchmark::State& State) {
  if (!Usable(State)) return;
  for (auto _ : State) {
    double Sum = 0;
    for (const Icon& I : Icons()) {
      const double L = I.Qt.length();
      for (int K = 0; K <= kSamples; ++K) {
        const double Percent = I.Qt.percentAtLength(L * K / kSamples);
        Sum += I.Qt.pointAtPercent(Percent).x() + I.Qt.angleAtPercent(Percent);
      }
    }
    benchmark::DoNotOptimize(Sum);
  }
}

void BM_Contains_Ours(benchmark::State& State) {
  if (!Usable(State)) return;
  for (auto _ : State) {
    int Inside = 0;
    for (const Icon& I : Icons()) {
      const std::vector<zk::TPathContour> Contours = zk::PathContours(*I.Path);
      for (const zk::TPointD& P : I.Points) Inside += zk::ContoursContain(Contours, P, zk::fmNonZero);
    }
    benchmark::DoNotOptimize(Inside);
  }
}

// The path form, which reads the contours anew for every point.
void BM_Contains_OursPerPoint(benchmark::State& State) {
  if (!Usable(State)) return;
  for (auto _ : State) {
    int Inside = 0;
    for (const Icon& I : Icons())
      for (const zk::TPointD& P : I.Points) Inside += zk::PathContains(*I.Path, P, zk::fmNonZero);
    benchmark::DoNotOptimize(Inside);
  }
}

void BM_Contains_Qt(benchmark::State& State) {
  if (!Usable(State)) return;
  for (auto _ : State) {
    int Inside = 0;
    for (const Icon& I : Icons())
      for (const zk::TPointD& P : I.Points) Inside += I.Qt.contains(QPointF(P.X, P.Y));
    benchmark::DoNotOptimize(Inside);
  }
}

// How far Qt's answers are from the exact ones, printed before the timings.
void CompareWithQt() {
  double WorstLength = 0, SumLength = 0;
  std::size_t Points = 0, Differ = 0;
  for (const Icon& I : Icons()) {
    const double Exact = zk::ExactPathLength(*I.Path);
    const double Error = std::fabs(I.Qt.length() - Exact) / Exact;
    WorstLength = std::max(WorstLength, Error);
    SumLength += Error;
    for (const zk::TPointD& P : I.Points) {
      ++Points;
      Differ += zk::PathContains(*I.Path, P, zk::fmNonZero) != I.Qt.contains(QPointF(P.X, P.Y));
    }
  }
  if (Icons().empty()) return;
  std::printf("icons: %zu; Qt length() off the exact length by %.3g on average, %.3g at worst (relative)\n",
              Icons().size(), SumLength / double(Icons().size()), WorstLength);
  std::printf("fill test: %zu points, Qt contains() differs from the exact answer on %zu (%.4f%%)\n", Points,
              Differ, 100.0 * double(Differ) / double(Points));
}

} // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  CompareWithQt();
  zkbench::RegisterInterleaved(10, {{"BM_Measure_Ours", BM_Measure_Ours},
                                    {"BM_Measure_Qt", BM_Measure_Qt},
                                    {"BM_Contains_Ours", BM_Contains_Ours},
                                    {"BM_Contains_OursPerPoint", BM_Contains_OursPerPoint},
                                    {"BM_Contains_Qt", BM_Contains_Qt}},
                               0.1);
  zkbench::CpuTimeReporter Reporter;
  benchmark::RunSpecifiedBenchmarks(&Reporter);
  const auto Ms = [&](const char* Name) { return Reporter.Seconds(Name) * 1e3; };
  const double MeasureOurs = Ms("BM_Measure_Ours"), MeasureQt = Ms("BM_Measure_Qt");
  const double ContainsOurs = Ms("BM_Contains_Ours"), ContainsPerPoint = Ms("BM_Contains_OursPerPoint"),
               ContainsQt = Ms("BM_Contains_Qt");
  if (MeasureOurs > 0 && MeasureQt > 0)
    std::printf("measure + 17 samples over the icons: ours %.2f ms, Qt %.2f ms, Qt / ours %.2f (goal >= 1)\n",
                MeasureOurs, MeasureQt, MeasureQt / MeasureOurs);
  if (ContainsOurs > 0 && ContainsQt > 0)
    std::printf("fill test over the icons: ours %.2f ms (path form per point %.2f ms), Qt %.2f ms, "
                "Qt / ours %.2f (goal >= 1)\n",
                ContainsOurs, ContainsPerPoint, ContainsQt, ContainsQt / ContainsOurs);
  benchmark::Shutdown();
  return 0;
}
