// Streaming a path of 100,000 entries: WritePath and ReadPath against a
// plain memcpy of the same packed bytes (the floor any binary form can
// reach), and the whole form-file text round trip for scale.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "path/PathData.h"
#include "runtime/FormReader.h"
#include "runtime/FormWriter.h"
#include "runtime/Streams.h"

namespace {

using namespace zk;

constexpr int kEntries = 100000;

void BuildPath(TZKPathData& P) {
  TZKPathUpdate Update(P);
  for (int i = 0; i < kEntries; ++i) {
    const TPointF Pt{static_cast<float>(i % 977) * 0.5f, static_cast<float>(i % 613) * 0.25f};
    if (i % 10 == 0)
      P.MoveTo(Pt);
    else
      P.LineTo(Pt);
  }
}

void BM_WritePath(benchmark::State& State) {
  TZKPathData P;
  BuildPath(P);
  for (auto _ : State) {
    TMemoryStream S;
    P.WritePath(S);
    benchmark::DoNotOptimize(S.Bytes().data());
  }
  State.SetBytesProcessed(State.iterations() * (4 + 9 * std::int64_t{kEntries}));
}

void BM_ReadPath(benchmark::State& State) {
  TZKPathData P;
  BuildPath(P);
  TMemoryStream S;
  P.WritePath(S);
  TZKPathData R;
  for (auto _ : State) {
    S.SetPosition(0);
    R.ReadPath(S);
    benchmark::DoNotOptimize(R.Entries().data());
  }
  State.SetBytesProcessed(State.iterations() * S.Size());
}

// Peer: copying the packed entries out and back in with memcpy.
void BM_MemcpyPeer(benchmark::State& State) {
  TZKPathData P;
  BuildPath(P);
  const auto Entries = P.Entries();
  const std::size_t Bytes = Entries.size() * sizeof(TZKPathPoint);
  for (auto _ : State) {
    std::vector<std::byte> Out(4 + Bytes);
    std::memcpy(Out.data() + 4, Entries.data(), Bytes);
    std::vector<TZKPathPoint> Back;
    Back.reserve(Entries.size());
    for (std::size_t i = 0; i < Entries.size(); ++i) {
      TZKPathPoint E;
      std::memcpy(&E, Out.data() + 4 + i * sizeof(TZKPathPoint), sizeof E);
      Back.push_back(E);
    }
    benchmark::DoNotOptimize(Back.data());
  }
  State.SetBytesProcessed(State.iterations() * 2 * std::int64_t(4 + Bytes));
}

void BM_FormTextRoundTrip(benchmark::State& State) {
  TZKPathData P;
  BuildPath(P);
  TZKPathData R;
  for (auto _ : State) {
    const std::string Text = ObjectToText(P, "P");
    ObjectFromText(Text, R);
    benchmark::DoNotOptimize(R.Entries().data());
  }
}

BENCHMARK(BM_WritePath)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadPath)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MemcpyPeer)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FormTextRoundTrip)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
