// Appending entries: TZKPathData::LineTo inside one update against a bare
// std::vector push_back of the same 9-byte entries (the practical limit).
// Reports time per entry, heap allocations, and peak heap bytes per entry.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>
#include <vector>

#include "path/PathData.h"

namespace {

// Global heap accounting: current and peak bytes, allocation count.
std::atomic<std::size_t> gCurrent{0}, gPeak{0}, gAllocations{0};

void ResetHeapStats() {
  gPeak = gCurrent.load();
  gAllocations = 0;
}

constexpr std::size_t kEntries = 10'000'000;

// Runs Append(I) for I in [0, kEntries) on a fresh container made by Make,
// and reports time per entry, peak heap bytes per entry and allocations.
template <class MakeFn, class AppendFn>
void MeasureAppends(benchmark::State& State, MakeFn Make, AppendFn Append) {
  std::size_t PeakBytes = 0, Allocations = 0;
  for (auto _ : State) {
    const std::size_t Base = gCurrent;
    ResetHeapStats();
    auto Container = Make();
    for (std::size_t I = 0; I < kEntries; ++I) Append(*Container, I);
    benchmark::DoNotOptimize(Container.get());
    PeakBytes = gPeak - Base;
    Allocations = gAllocations;
  }
  State.counters["ns_per_entry"] =
      benchmark::Counter(double(kEntries), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  State.counters["peak_bytes_per_entry"] = double(PeakBytes) / kEntries;
  State.counters["allocations"] = double(Allocations);
}

zk::TPointF PointFor(std::size_t I) { return {float(I & 1023), float(I >> 10)}; }

void BM_PathLineTo(benchmark::State& State) {
  MeasureAppends(
      State,
      [] {
        auto Path = std::make_unique<zk::TZKPathData>();
        Path->BeginUpdate();  // one notification at the end, as a bulk builder would
        return Path;
      },
      [](zk::TZKPathData& Path, std::size_t I) { Path.LineTo(PointFor(I)); });
}
BENCHMARK(BM_PathLineTo)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_VectorPushBack(benchmark::State& State) {
  MeasureAppends(
      State, [] { return std::make_unique<std::vector<zk::TZKPathPoint>>(); },
      [](std::vector<zk::TZKPathPoint>& Entries, std::size_t I) {
        Entries.push_back({zk::ppLineTo, PointFor(I)});
      });
}
BENCHMARK(BM_VectorPushBack)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

// Sized deallocation keeps the accounting exact without a header per block.
void* operator new(std::size_t Size) {
  void* P = std::malloc(Size ? Size : 1);
  if (!P) throw std::bad_alloc();
  const std::size_t Now = gCurrent += Size;
  ++gAllocations;
  std::size_t Peak = gPeak;
  while (Now > Peak && !gPeak.compare_exchange_weak(Peak, Now)) {}
  return P;
}
void operator delete(void* P, std::size_t Size) noexcept {
  gCurrent -= Size;
  std::free(P);
}
void operator delete(void* P) noexcept { std::free(P); }

BENCHMARK_MAIN();
