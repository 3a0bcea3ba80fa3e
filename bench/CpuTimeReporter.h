#pragma once
// A console reporter that also keeps each benchmark's CPU time per iteration,
// so that a program can print the ratio of two benchmarks measured in the same
// run. CPU time is steadier than wall time on a shared machine.
#include <benchmark/benchmark.h>

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace zkbench {

/// Registers the contenders in Rounds interleaved rounds (A, B, C, A, B, C,
/// ...) under their own names, so that a slow spell of a shared machine
/// falls on all of them alike; with `CpuTimeReporter`, each name's least
/// time over the rounds is what a ratio compares.
inline void RegisterInterleaved(
    int Rounds, const std::vector<std::pair<std::string, std::function<void(benchmark::State&)>>>& Contenders,
    double MinSeconds = 0.02) {
  for (int R = 0; R < Rounds; ++R)
    for (const auto& [Name, Fn] : Contenders)
      benchmark::RegisterBenchmark(Name.c_str(), Fn)->MinTime(MinSeconds);
}

class CpuTimeReporter : public benchmark::ConsoleReporter {
public:
  /// Seconds of CPU per iteration of the benchmark named Name, its function
  /// name with "/args" when it has arguments ("BM_Parse/1"): the least over
  /// repetitions, or the median when only aggregates are reported; 0 when it
  /// did not run.
  double Seconds(const std::string& Name) const {
    const auto It = FBest.find(Name);
    return It == FBest.end() ? 0 : It->second.Seconds;
  }

  /// A plain (non-rate) counter of that same run, such as the bytes one
  /// iteration handles; 0 when there is none.
  double Counter(const std::string& Name, const std::string& CounterName) const {
    const auto It = FBest.find(Name);
    if (It == FBest.end()) return 0;
    const auto C = It->second.Counters.find(CounterName);
    return C == It->second.Counters.end() ? 0 : C->second.value;
  }

  void ReportRuns(const std::vector<Run>& Runs) override {
    for (const Run& R : Runs) {
      const bool Median = R.run_type == Run::RT_Aggregate && R.aggregate_name == "median";
      if ((R.run_type != Run::RT_Iteration && !Median) || R.iterations <= 0 || R.error_occurred) continue;
      const double S = R.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(R.time_unit);
      std::string Name = R.run_name.function_name;
      if (!R.run_name.args.empty()) Name += "/" + R.run_name.args;
      const auto [It, New] = FBest.try_emplace(Name, Best{S, R.counters});
      if (!New && S < It->second.Seconds) It->second = Best{S, R.counters};
    }
    ConsoleReporter::ReportRuns(Runs);
  }

private:
  struct Best {
    double Seconds;
    benchmark::UserCounters Counters;
  };
  std::map<std::string, Best> FBest;
};

} // namespace zkbench
