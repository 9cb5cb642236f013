#pragma once

#include <benchmark/benchmark.h>

#include <vector>

// A figure and its baseline measured in turns within one benchmark, each
// pass starting with the other one, so that both meet the same load on a
// shared machine. Reported as counters, medians over the passes:
// subject_s, baseline_s and ratio (the median of the passes' own ratios).
class PairedTiming {
  public:
    // True when this pass should run the subject first.
    bool subjectFirst() const { return subject_.size() % 2 == 0; }
    // Records one pass and gives it to the benchmark as its manual time.
    void add(benchmark::State& state, double subjectSeconds, double baselineSeconds);
    // Sets the counters; call once after the loop.
    void report(benchmark::State& state) const;

  private:
    std::vector<double> subject_;
    std::vector<double> baseline_;
    std::vector<double> ratio_;
};

// The median of some values; 0 for none.
double Median(std::vector<double> values);
