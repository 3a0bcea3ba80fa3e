// Boolean operations on pairs of real icons (line i with line i + 1000 of
// the corpus), next to Qt's QPainterPath::united, intersected, subtracted
// and simplified on the same pairs in the same run; the operands' rule is
// nonzero for both. Each contender does all 1,000 pairs per iteration; the
// rounds run interleaved and each is compared by its least time. Printed
// after the run: the time ratios (goal: Qt / ours >= 1) and the segments
// of the results against the segments of their two operands together.
#include <benchmark/benchmark.h>

#include "CpuTimeReporter.h"

#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <QPainterPath>

#include "path/PathData.h"
#include "pathops/PathBoolean.h"
#include "qt/QtPainterPath.h"

namespace {

constexpr int kPairs = 1000;

struct Fixture {
  std::vector<std::unique_ptr<zk::TZKPathData>> Ours;
  std::vector<QPainterPath> Qt;
};

const Fixture& Data() {
  static const Fixture F = [] {
    Fixture F;
    std::ifstream In(std::string(ZK_CORPUS_DIR) + "/bootstrap-icons.txt");
    for (std::string Line; std::getline(In, Line);) {
      auto P = std::make_unique<zk::TZKPathData>();
      P->SetPathString(Line, zk::TZKPathSyntax::Svg);
      QPainterPath Q = zk::ToQPainterPath(*P);
      Q.setFillRule(Qt::WindingFill);
      F.Ours.push_back(std::move(P));
      F.Qt.push_back(std::move(Q));
    }
    return F;
  }();
  return F;
}

// Lines and curves, a curve counted once (it has three entries) and a close
// as the line it draws.
std::size_t SegmentCount(const zk::TZKPathData& P) {
  std::size_t Lines = 0, CurveEntries = 0;
  for (const zk::TZKPathPoint& E : P.Entries()) {
    Lines += E.Kind == zk::ppLineTo || E.Kind == zk::ppClose;
    CurveEntries += E.Kind == zk::ppCurveTo;
  }
  return Lines + CurveEntries / 3;
}

std::size_t SegmentCount(const QPainterPath& P) {
  std::size_t N = 0;
  for (int I = 0; I < P.elementCount(); ++I) {
    const auto Type = P.elementAt(I).type;
    N += Type == QPainterPath::LineToElement || Type == QPainterPath::CurveToElement;
  }
  return N;
}

const char* const OpNames[] = {"Union", "Intersection", "Difference", "Xor", "Simplify"};
std::size_t OurSegments[5], QtSegments[5], OperandSegments[2];

void Ours(benchmark::State& State, int Op) {
  const Fixture& F = Data();
  for (auto _ : State) {
    std::size_t N = 0;
    for (int I = 0; I < kPairs; ++I) {
      const auto R = Op < 4 ? zk::Combine(*F.Ours[I], *F.Ours[I + 1000], zk::TPathOp(Op)) : zk::Simplify(*F.Ours[I]);
      N += SegmentCount(*R);
    }
    OurSegments[Op] = N;
  }
}

void Qts(benchmark::State& State, int Op) {
  const Fixture& F = Data();
  for (auto _ : State) {
    std::size_t N = 0;
    for (int I = 0; I < kPairs; ++I) {
      const QPainterPath &A = F.Qt[I], &B = F.Qt[I + 1000];
      const QPainterPath R = Op == 0   ? A.united(B)
                             : Op == 1 ? A.intersected(B)
                             : Op == 2 ? A.subtracted(B)
                             : Op == 3 ? A.united(B).subtracted(A.intersected(B))
                                       : A.simplified();
      N += SegmentCount(R);
    }
    QtSegments[Op] = N;
  }
}

} // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  const Fixture& F = Data();
  if (F.Ours.size() < 2000) {
    std::printf("no icon corpus in %s\n", ZK_CORPUS_DIR);
    return 1;
  }
  for (int I = 0; I < kPairs; ++I) {
    OperandSegments[0] += SegmentCount(*F.Ours[I]);
    OperandSegments[1] += SegmentCount(*F.Ours[I + 1000]);
  }
  std::vector<std::pair<std::string, std::function<void(benchmark::State&)>>> Contenders;
  for (int Op = 0; Op < 5; ++Op) {
    Contenders.push_back({std::string("BM_") + OpNames[Op] + "_Ours", [Op](benchmark::State& S) { Ours(S, Op); }});
    Contenders.push_back({std::string("BM_") + OpNames[Op] + "_Qt", [Op](benchmark::State& S) { Qts(S, Op); }});
  }
  zkbench::RegisterInterleaved(3, Contenders, 0.01);
  zkbench::CpuTimeReporter Reporter;
  benchmark::RunSpecifiedBenchmarks(&Reporter);
  const double Operands = double(OperandSegments[0] + OperandSegments[1]);
  for (int Op = 0; Op < 5; ++Op) {
    const double O = Reporter.Seconds(std::string("BM_") + OpNames[Op] + "_Ours");
    const double Q = Reporter.Seconds(std::string("BM_") + OpNames[Op] + "_Qt");
    const double Base = Op < 4 ? Operands : double(OperandSegments[0]);
    if (O > 0 && Q > 0)
      std::printf("%-12s ours %.1f ms, Qt %.1f ms per 1000, Qt/ours %.2f (goal >= 1); segments: ours %.2f x, "
                  "Qt %.2f x the operands'\n",
                  OpNames[Op], O * 1e3, Q * 1e3, Q / O, OurSegments[Op] / Base, QtSegments[Op] / Base);
  }
  std::printf("(Qt has no exclusive or: its xor here is (A united B) subtracted (A intersected B).)\n");
  benchmark::Shutdown();
  return 0;
}
