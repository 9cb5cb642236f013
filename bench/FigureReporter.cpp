#include "bench/FigureReporter.h"

#include "bench/PairedTiming.h"

void FigureReporter::ReportRuns(const std::vector<Run>& runs) {
    for (const Run& run : runs) {
        if (run.run_type != Run::RT_Iteration)
            continue;
        Samples& s = samples_[run.run_name.function_name];
        if (run.error_occurred) {
            s.error = run.error_message;
            continue;
        }
        // Manual time is what the benchmark measured itself (another process's
        // start to paint); everything else is this process's CPU time, which
        // other work on a shared machine disturbs far less than wall time.
        const bool manual = run.run_name.time_type.find("manual") != std::string::npos;
        const double total = manual ? run.real_accumulated_time : run.cpu_accumulated_time;
        if (run.iterations > 0)
            s.seconds.push_back(total / static_cast<double>(run.iterations));
        for (const auto& [name, counter] : run.counters)
            s.counters[name].push_back(counter.value);
    }
}

std::optional<Measured> FigureReporter::result(const std::string& name) const {
    const auto found = samples_.find(name);
    if (found == samples_.end())
        return std::nullopt;
    const Samples& s = found->second;
    Measured m;
    m.error = s.error;
    if (m.error.empty() && s.seconds.empty())
        m.error = "no run";
    m.seconds = Median(s.seconds);
    for (const auto& [counter, values] : s.counters)
        m.counters[counter] = Median(values);
    return m;
}
