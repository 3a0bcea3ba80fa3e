// WrapCanvasText of 10 KB and of 1 MB of text on the recording canvas (whose
// text measurement is cheap, so the wrapping itself is timed): the time per
// character of the large text should stay within 1.5x of the small one's,
// which a result built by repeated copying would not. Printed after the run.
#include <benchmark/benchmark.h>

#include "CpuTimeReporter.h"

#include <cstdio>
#include <string>

#include "canvas/RecordingCanvas.h"
#include "drawing/TextLayout.h"

namespace {

using namespace zk;

std::string Paragraph(std::size_t Bytes) {
  static const char* const Words[] = {"lorem ", "ipsum-", "'dolor sit' ", "\xC3\xA9t\xC3\xA9 ",
                                      "amet,\r\n", "consectetur ", "\xE4\xB8\xAD\xE6\x96\x87 "};
  std::string Text;
  for (std::size_t I = 0; Text.size() < Bytes; ++I) Text += Words[(I * 5 + I / 7) % 7];
  return Text;
}

void BM_WrapCanvasText(benchmark::State& State) {
  const std::string Text = Paragraph(static_cast<std::size_t>(State.range(0)));
  TRecordingCanvas Canvas;
  std::size_t Out = 0;
  for (auto _ : State) {
    const std::string Wrapped = WrapCanvasText(Canvas, Text, 300);
    Out = Wrapped.size();
    benchmark::DoNotOptimize(Wrapped.data());
  }
  State.counters["bytes"] = static_cast<double>(Text.size());
  State.counters["out"] = static_cast<double>(Out);
}
BENCHMARK(BM_WrapCanvasText)->Arg(10 * 1024)->Arg(1024 * 1024)->Unit(benchmark::kMicrosecond)->MinTime(1);

} // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  zkbench::CpuTimeReporter Reporter;
  benchmark::RunSpecifiedBenchmarks(&Reporter);
  const char* Small = "BM_WrapCanvasText/10240";
  const char* Large = "BM_WrapCanvasText/1048576";
  const double S = Reporter.Seconds(Small) / Reporter.Counter(Small, "bytes");
  const double L = Reporter.Seconds(Large) / Reporter.Counter(Large, "bytes");
  if (S > 0 && L > 0)
    std::printf("per-byte time 1 MB / 10 KB: %.3f (goal: at most 1.50); %.1f ns per byte at 1 MB\n",
                L / S, L * 1e9);
  benchmark::Shutdown();
  return 0;
}
