#pragma once
// A console reporter that also keeps each benchmark's CPU time per iteration,
// so that a program can print the ratio of two benchmarks measured in the same
// run. CPU time is steadier than wall time on a shared machine.
#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace zkbench {

class CpuTimeReporter : public benchmark::ConsoleReporter {
public:
  /// Seconds of CPU per iteration of the benchmark whose function name is
  /// Name (the least over repetitions, or the median when only aggregates are
  /// reported); 0 when it did not run.
  double Seconds(const std::string& Name) const {
    const auto It = FSeconds.find(Name);
    return It == FSeconds.end() ? 0 : It->second;
  }

  void ReportRuns(const std::vector<Run>& Runs) override {
    for (const Run& R : Runs) {
      const bool Median = R.run_type == Run::RT_Aggregate && R.aggregate_name == "median";
      if ((R.run_type != Run::RT_Iteration && !Median) || R.iterations <= 0 || R.error_occurred) continue;
      const double S = R.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(R.time_unit);
      const auto [It, New] = FSeconds.try_emplace(R.run_name.function_name, S);
      if (!New && S < It->second) It->second = S;
    }
    ConsoleReporter::ReportRuns(Runs);
  }

private:
  std::map<std::string, double> FSeconds;
};

} // namespace zkbench
