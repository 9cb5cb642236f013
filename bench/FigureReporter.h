#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

// One benchmark's result: medians over its repetitions, so that a burst of
// load on a shared machine moves a figure less than a mean would.
struct Measured {
    double seconds = 0; // CPU time per iteration; manual time where the benchmark takes its own
    std::map<std::string, double> counters;
    std::string error; // non-empty when a repetition failed
};

// Collects the runs of every benchmark instead of printing them.
class FigureReporter : public benchmark::BenchmarkReporter {
  public:
    bool ReportContext(const Context&) override { return true; }
    void ReportRuns(const std::vector<Run>& runs) override;

    // Medians of the named benchmark (its registered name), or nullopt when it did not run.
    std::optional<Measured> result(const std::string& name) const;

  private:
    struct Samples {
        std::vector<double> seconds;
        std::map<std::string, std::vector<double>> counters;
        std::string error;
    };
    std::map<std::string, Samples> samples_;
};
