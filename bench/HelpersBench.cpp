// The toolkit helpers at scale: sorting a 100,000-row grid by a text column
// next to QTableWidget::sortItems on the same data; the same sort on keys that
// are all equal (text, and non-numbers in numeric mode) next to distinct
// keys; and filling a tree from 2,000 and 20,000 name=parent lines. Memory:
// the peak of bytes allocated and still live during one sort, counted by the
// global operator new of this program. Ratios are printed after the run
// (goals: sort at most 2 x sortItems; equal keys at most 2 x distinct keys;
// hierarchy time per line within 1.5 x between 2,000 and 20,000 lines).
#include <benchmark/benchmark.h>

#include "CpuTimeReporter.h"

#include <malloc.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <random>
#include <vector>

#include <QApplication>
#include <QTableWidget>
#include <QTreeWidget>

#include "helpers/ClassHierarchy.h"
#include "helpers/GridSort.h"

// ---- Allocation accounting --------------------------------------------------

namespace {
std::atomic<long long> LiveBytes{0}, PeakBytes{0};
void Count(long long Delta) {
  const long long Now = LiveBytes += Delta;
  long long Peak = PeakBytes.load();
  while (Now > Peak && !PeakBytes.compare_exchange_weak(Peak, Now)) {}
}
} // namespace

void* operator new(std::size_t Size) {
  void* P = std::malloc(Size ? Size : 1);
  if (!P) throw std::bad_alloc();
  Count(static_cast<long long>(malloc_usable_size(P)));
  return P;
}
void operator delete(void* P) noexcept {
  if (!P) return;
  Count(-static_cast<long long>(malloc_usable_size(P)));
  std::free(P);
}
void operator delete(void* P, std::size_t) noexcept { operator delete(P); }

namespace {

constexpr int kRows = 100000, kCols = 4;

enum class TKeys { Distinct, AllEqual, NonNumeric };

void FillGrid(QTableWidget& Grid, TKeys Keys) {
  Grid.clear();
  Grid.setRowCount(kRows);
  Grid.setColumnCount(kCols);
  std::mt19937 Random(7);
  for (int R = 0; R < kRows; ++R) {
    QString Key;
    if (Keys == TKeys::Distinct) {
      for (int I = 0; I < 8; ++I) Key += QChar(static_cast<char16_t>(u'a' + Random() % 26));
    } else {
      Key = Keys == TKeys::AllEqual ? QStringLiteral("same") : QString();
    }
    Grid.setItem(R, 0, new QTableWidgetItem(Key));
    for (int C = 1; C < kCols; ++C) Grid.setItem(R, C, new QTableWidgetItem(QString::number(Random() % 100000)));
  }
}

// Runs Sort on a freshly filled grid per iteration; the fill is not timed.
template <class SortFunction>
void RunSort(benchmark::State& State, TKeys Keys, SortFunction Sort) {
  QTableWidget Grid;
  long long Peak = 0;
  for (auto _ : State) {
    State.PauseTiming();
    FillGrid(Grid, Keys);
    const long long Before = LiveBytes;
    PeakBytes = Before;
    State.ResumeTiming();
    Sort(Grid);
    State.PauseTiming();
    Peak = std::max(Peak, PeakBytes.load() - Before);
    State.ResumeTiming();
  }
  State.counters["peak_extra_MB"] = static_cast<double>(Peak) / (1 << 20);
}

void BM_SortGridText(benchmark::State& State) {
  RunSort(State, TKeys::Distinct, [](QTableWidget& G) { zk::SortGrid(&G, 0, 0, kRows - 1, false, true); });
}
void BM_SortItemsPeer(benchmark::State& State) {
  RunSort(State, TKeys::Distinct, [](QTableWidget& G) { G.sortItems(0, Qt::AscendingOrder); });
}
void BM_SortGridAllEqual(benchmark::State& State) {
  RunSort(State, TKeys::AllEqual, [](QTableWidget& G) { zk::SortGrid(&G, 0, 0, kRows - 1, false, true); });
}
void BM_SortGridNumericNonNumbers(benchmark::State& State) {
  RunSort(State, TKeys::NonNumeric, [](QTableWidget& G) { zk::SortGrid(&G, 0, 0, kRows - 1, true, true); });
}
void BM_SortGridNumericDistinct(benchmark::State& State) {
  RunSort(State, TKeys::Distinct, [](QTableWidget& G) { zk::SortGrid(&G, 1, 0, kRows - 1, true, true); });
}
BENCHMARK(BM_SortGridText)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(2);
BENCHMARK(BM_SortItemsPeer)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(2);
BENCHMARK(BM_SortGridAllEqual)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(2);
BENCHMARK(BM_SortGridNumericNonNumbers)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(2);
BENCHMARK(BM_SortGridNumericDistinct)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(2);

// Lines in shuffled order, each name's parent an earlier name or one of a few
// unknown roots, so that placing often has to make the parent first.
QStringList HierarchyLines(int Count) {
  std::mt19937 Random(11);
  QStringList Lines;
  Lines.reserve(Count);
  for (int I = 0; I < Count; ++I) {
    const QString Parent = I < 8 ? QStringLiteral("TRoot%1").arg(I) : QStringLiteral("TClass%1").arg(Random() % I);
    Lines << QStringLiteral("TClass%1=%2").arg(I).arg(Parent);
  }
  std::shuffle(Lines.begin(), Lines.end(), Random);
  return Lines;
}

void BM_CreateHierarchy(benchmark::State& State) {
  const QStringList Lines = HierarchyLines(static_cast<int>(State.range(0)));
  QTreeWidget Tree;
  for (auto _ : State) zk::CreateHierarchy(Lines, &Tree, nullptr);
  State.counters["nodes"] = Tree.topLevelItemCount();
}
// The peer: Qt alone builds and sorts a tree of the same shape (parents known
// by index, no name lookups), which shows the platform's own time per node.
void BM_QtTreePeer(benchmark::State& State) {
  const int Count = static_cast<int>(State.range(0));
  std::mt19937 Random(11);
  std::vector<int> Parents(Count);
  for (int I = 0; I < Count; ++I) Parents[I] = I < 8 ? -1 : static_cast<int>(Random() % I);
  QTreeWidget Tree;
  for (auto _ : State) {
    Tree.clear();
    std::vector<QTreeWidgetItem*> Nodes(Count);
    QList<QTreeWidgetItem*> Roots;
    for (int I = 0; I < Count; ++I) {
      const QStringList Text{QStringLiteral("TClass%1").arg(I)};
      Nodes[I] = Parents[I] < 0 ? new QTreeWidgetItem(Text) : new QTreeWidgetItem(Nodes[Parents[I]], Text);
      if (Parents[I] < 0) Roots << Nodes[I];
    }
    Tree.addTopLevelItems(Roots);
    Tree.sortItems(0, Qt::AscendingOrder);
  }
}
BENCHMARK(BM_QtTreePeer)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond)->MinTime(1)->Repetitions(3);

BENCHMARK(BM_CreateHierarchy)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond)->MinTime(1)->Repetitions(3);

} // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication App(argc, argv);
  benchmark::Initialize(&argc, argv);
  zkbench::CpuTimeReporter Reporter;
  benchmark::RunSpecifiedBenchmarks(&Reporter);
  const auto Ratio = [&](const char* What, const char* A, const char* B, double Goal, double Scale = 1) {
    const double X = Reporter.Seconds(A), Y = Reporter.Seconds(B);
    if (X <= 0 || Y <= 0) return;
    if (Goal > 0) std::printf("%s: %.3f (goal: at most %.2f)\n", What, X / Y * Scale, Goal);
    else std::printf("%s: %.3f\n", What, X / Y * Scale);
  };
  Ratio("SortGrid / sortItems CPU time", "BM_SortGridText", "BM_SortItemsPeer", 2);
  Ratio("SortGrid all-equal / distinct keys", "BM_SortGridAllEqual", "BM_SortGridText", 2);
  Ratio("SortGrid numeric non-numbers / numeric distinct", "BM_SortGridNumericNonNumbers",
        "BM_SortGridNumericDistinct", 2);
  Ratio("CreateHierarchy time per line, 20,000 / 2,000 lines", "BM_CreateHierarchy/20000",
        "BM_CreateHierarchy/2000", 1.5, 0.1);
  Ratio("Qt tree fill time per node, 20,000 / 2,000 nodes (peer)", "BM_QtTreePeer/20000", "BM_QtTreePeer/2000", 0, 0.1);
  Ratio("CreateHierarchy / Qt tree fill, 20,000 lines", "BM_CreateHierarchy/20000", "BM_QtTreePeer/20000", 0);
  benchmark::Shutdown();
  return 0;
}
