// Path text throughput in MB/s: parsing into a path, in the compatible and in
// the SVG reading, next to a plain scan that only converts the numbers with
// std::from_chars (the practical limit) and next to Qt's SVG module loading a
// document that holds the same path; and writing. Run on generated icon-like
// paths and on the real icon corpus. The repetitions of all contenders run
// interleaved in random order, so that a slow spell of the machine falls on
// all of them alike, and each is compared by its least time; the ratios are
// printed after the run (goals: parsing at least 0.5 x the scan and at least
// 2 x Qt, the SVG reading within 10% of the compatible one).
#include <benchmark/benchmark.h>

#include "CpuTimeReporter.h"

#include <charconv>
#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "path/PathData.h"

#include <QByteArray>
#include <QSvgRenderer>

namespace {

using Paths = std::vector<std::string>;

// ---- Generated icon-like path data -----------------------------------------

// Writes numbers the way minified icon sets do: no leading zero (".5"), no
// separator before a "-" or before a "." that cannot belong to the previous
// number ("1.5.5", "10-5").
class CompactWriter {
public:
  std::string Text;

  void Command(char Letter) {
    Text += Letter;
    NeedSeparator = false;
  }
  void Number(double Value, int Decimals) {
    char Buf[32];
    const auto R = std::to_chars(Buf, Buf + sizeof Buf, Value, std::chars_format::fixed, Decimals);
    std::string N(Buf, R.ptr);
    if (N.find('.') != std::string::npos) {
      while (N.back() == '0') N.pop_back();
      if (N.back() == '.') N.pop_back();
    }
    if (N == "-0") N = "0";
    if (N.starts_with("0.")) N.erase(0, 1);
    if (N.starts_with("-0.")) N.erase(1, 1);
    const bool HasPoint = N.find('.') != std::string::npos;
    if (NeedSeparator && !(N[0] == '-' || (N[0] == '.' && LastHadPoint))) Text += ' ';
    Text += N;
    LastHadPoint = HasPoint;
    NeedSeparator = true;
  }

private:
  bool NeedSeparator = false;
  bool LastHadPoint = false;
};

// Curves, arcs, relative commands and implicit repetitions on a 16-unit icon
// box; Commands commands per path.
std::string GenerateIconPath(std::mt19937& Random, int Commands) {
  CompactWriter W;
  std::uniform_real_distribution<double> Abs(0, 16), Rel(-3, 3), Radius(0.2, 8);
  std::uniform_int_distribution<int> Decimals(0, 3);
  const auto A = [&] { W.Number(Abs(Random), Decimals(Random)); };
  const auto R = [&] { W.Number(Rel(Random), Decimals(Random)); };
  W.Command('M');
  A();
  A();
  char Last = 'M';
  for (int I = 0; I < Commands; ++I) {
    static constexpr char Letters[] = "cccsslllhhvvaaqtCLHVSMzm";
    const char Letter = Letters[Random() % (sizeof Letters - 1)];
    if (Letter != Last || Letter == 'z' || Letter == 'm' || Letter == 'M' || Random() % 2) W.Command(Letter);
    Last = Letter;
    switch (Letter) {
    case 'c': for (int K = 0; K < 6; ++K) R(); break;
    case 's': case 'q': for (int K = 0; K < 4; ++K) R(); break;
    case 'l': case 't': case 'm': R(); R(); break;
    case 'h': case 'v': R(); break;
    case 'a':
      W.Number(Radius(Random), 3);
      W.Number(Radius(Random), 3);
      W.Number(Random() % 4 ? 0 : 45, 0);
      W.Number(Random() % 2, 0);
      W.Number(Random() % 2, 0);
      R();
      R();
      break;
    case 'C': for (int K = 0; K < 6; ++K) A(); break;
    case 'S': for (int K = 0; K < 4; ++K) A(); break;
    case 'L': case 'M': A(); A(); break;
    case 'H': case 'V': A(); break;
    default: break; // z
    }
  }
  return W.Text;
}

const Paths& GeneratedPaths() {
  static const Paths P = [] {
    std::mt19937 Random(42);
    Paths Result;
    std::size_t Bytes = 0;
    while (Bytes < (4u << 20)) { // about 4 MB
      Result.push_back(GenerateIconPath(Random, 50 + static_cast<int>(Random() % 400)));
      Bytes += Result.back().size();
    }
    return Result;
  }();
  return P;
}

const Paths& CorpusPaths() {
  static const Paths P = [] {
    Paths Result;
    std::ifstream In(std::string(ZK_CORPUS_DIR) + "/bootstrap-icons.txt");
    for (std::string Line; std::getline(In, Line);) Result.push_back(Line);
    return Result;
  }();
  return P;
}

const Paths& Set(int Index) { return Index == 0 ? GeneratedPaths() : CorpusPaths(); }
const char* SetName(int Index) { return Index == 0 ? "generated" : "icons"; }

std::size_t TotalSize(const Paths& Texts) {
  std::size_t N = 0;
  for (const auto& T : Texts) N += T.size();
  return N;
}

bool Usable(benchmark::State& State, const Paths& Texts) {
  if (!Texts.empty()) return true;
  State.SkipWithError("no input (icon corpus missing)");
  return false;
}

// Throughput of one set: Bytes handled per iteration, as a rate and as the
// plain "bytes" counter the ratios are computed from.
void ReportBytes(benchmark::State& State, std::size_t Bytes) {
  State.SetBytesProcessed(static_cast<std::int64_t>(State.iterations() * Bytes));
  State.counters["bytes"] = double(Bytes);
  State.SetLabel(SetName(static_cast<int>(State.range(0))));
}

// ---- The parser and its peers -----------------------------------------------

template <zk::TZKPathSyntax Syntax>
void BM_ParsePath(benchmark::State& State) {
  const Paths& Texts = Set(static_cast<int>(State.range(0)));
  if (!Usable(State, Texts)) return;
  for (auto _ : State) {
    for (const auto& T : Texts) {
      zk::TZKPathData Path;
      Path.SetPathString(T, Syntax);
      benchmark::DoNotOptimize(Path.Count());
    }
  }
  ReportBytes(State, TotalSize(Texts));
}
void BM_ParsePath(benchmark::State& State) { BM_ParsePath<zk::TZKPathSyntax::Compatible>(State); }
void BM_ParsePathSvg(benchmark::State& State) { BM_ParsePath<zk::TZKPathSyntax::Svg>(State); }

// Finds the numbers as the path grammar does and converts each with
// std::from_chars; builds nothing.
double ScanNumbers(std::string_view S) {
  double Sum = 0;
  const char* P = S.data();
  const char* const End = P + S.size();
  const auto Digit = [](char C) { return C >= '0' && C <= '9'; };
  while (P < End) {
    const char C = *P;
    if (!(Digit(C) || C == '-' || C == '.')) {
      ++P;
      continue;
    }
    const char* Start = P;
    bool Point = false;
    if (*P == '-') ++P;
    while (P < End) {
      if (Digit(*P)) {
        ++P;
      } else if (*P == '.' && !Point) {
        Point = true;
        ++P;
      } else if ((*P == 'e' || *P == 'E') && P + 1 < End && (Digit(P[1]) || P[1] == '-')) {
        P += 2;
      } else {
        break;
      }
    }
    double Value = 0;
    std::from_chars(Start, P, Value);
    Sum += static_cast<float>(Value);
    if (P == Start) ++P;
  }
  return Sum;
}

void BM_ScanNumbersFromChars(benchmark::State& State) {
  const Paths& Texts = Set(static_cast<int>(State.range(0)));
  if (!Usable(State, Texts)) return;
  for (auto _ : State)
    for (const auto& T : Texts) benchmark::DoNotOptimize(ScanNumbers(T));
  ReportBytes(State, TotalSize(Texts));
}

// Each path in its own document; the throughput counts the path text only.
void BM_QtSvgLoad(benchmark::State& State) {
  const Paths& Texts = Set(static_cast<int>(State.range(0)));
  if (!Usable(State, Texts)) return;
  std::vector<QByteArray> Documents;
  for (const auto& T : Texts)
    Documents.push_back(QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 16 16\"><path d=\"") +
                        QByteArray::fromStdString(T) + "\"/></svg>");
  for (auto _ : State) {
    for (const auto& D : Documents) {
      QSvgRenderer Renderer;
      benchmark::DoNotOptimize(Renderer.load(D));
    }
  }
  ReportBytes(State, TotalSize(Texts));
}

// ---- The writer -----------------------------------------------------------------

void BM_WritePath(benchmark::State& State) {
  const Paths& Texts = Set(static_cast<int>(State.range(0)));
  if (!Usable(State, Texts)) return;
  std::vector<std::unique_ptr<zk::TZKPathData>> Parsed;
  for (const auto& T : Texts) {
    Parsed.push_back(std::make_unique<zk::TZKPathData>());
    Parsed.back()->SetPathString(T);
  }
  std::size_t Output = 0;
  for (auto _ : State) {
    Output = 0;
    for (const auto& P : Parsed) {
      const std::string Text = P->GetPathString();
      Output += Text.size();
      benchmark::DoNotOptimize(Text.data());
    }
  }
  ReportBytes(State, Output);
}

#define ZK_TEXT_BENCH(Function) \
  BENCHMARK(Function)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(0.05)->Repetitions(15)
ZK_TEXT_BENCH(BM_ParsePath);
ZK_TEXT_BENCH(BM_ParsePathSvg);
ZK_TEXT_BENCH(BM_ScanNumbersFromChars);
ZK_TEXT_BENCH(BM_QtSvgLoad);
ZK_TEXT_BENCH(BM_WritePath);


} // namespace

int main(int argc, char** argv) {
  // Interleaved unless the command line says otherwise (a later flag wins).
  std::vector<char*> Args(argv, argv + argc);
  char Interleave[] = "--benchmark_enable_random_interleaving=true";
  Args.insert(Args.begin() + 1, Interleave);
  int ArgCount = static_cast<int>(Args.size());
  benchmark::Initialize(&ArgCount, Args.data());
  zkbench::CpuTimeReporter Reporter;
  benchmark::RunSpecifiedBenchmarks(&Reporter);
  // MB/s from the least CPU time over the repetitions: the steadiest figure
  // on a shared machine, taken alike for every contender.
  const auto Get = [&](const std::string& Name) {
    const double Seconds = Reporter.Seconds(Name);
    return Seconds > 0 ? Reporter.Counter(Name, "bytes") / Seconds / 1e6 : 0.0;
  };
  for (int Set = 0; Set < 2; ++Set) {
    const std::string Arg = std::to_string(Set);
    const double Ours = Get("BM_ParsePath/" + Arg), Svg = Get("BM_ParsePathSvg/" + Arg),
                 Scan = Get("BM_ScanNumbersFromChars/" + Arg),
                 Qt = Get("BM_QtSvgLoad/" + Arg), Write = Get("BM_WritePath/" + Arg);
    if (Ours == 0) continue;
    std::printf("%s: parse %.1f MB/s (SVG reading %.1f MB/s), from_chars scan %.1f MB/s, Qt SVG %.1f MB/s, "
                "write %.1f MB/s\n",
                SetName(Set), Ours, Svg, Scan, Qt, Write);
    if (Scan > 0)
      std::printf("  parse / from_chars scan: %.2f, SVG reading / from_chars scan: %.2f (goal: at least 0.7)\n",
                  Ours / Scan, Svg / Scan);
    if (Qt > 0) std::printf("  parse / Qt SVG:          %.2f (goal: at least 2)\n", Ours / Qt);
    if (Svg > 0) std::printf("  SVG reading / parse:     %.2f (goal: at least 0.9)\n", Svg / Ours);
  }
  benchmark::Shutdown();
  return 0;
}
