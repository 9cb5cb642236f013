#include "bench/PairedTiming.h"

#include <algorithm>

double Median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

void PairedTiming::add(benchmark::State& state, double subjectSeconds, double baselineSeconds) {
    subject_.push_back(subjectSeconds);
    baseline_.push_back(baselineSeconds);
    if (baselineSeconds > 0)
        ratio_.push_back(subjectSeconds / baselineSeconds);
    state.SetIterationTime(subjectSeconds + baselineSeconds);
}

void PairedTiming::report(benchmark::State& state) const {
    state.counters["subject_s"] = Median(subject_);
    state.counters["baseline_s"] = Median(baseline_);
    state.counters["ratio"] = Median(ratio_);
}
