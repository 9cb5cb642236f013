#include "bench/FigureLines.h"

#include "bench/SampleSlots.h"

#include <cstdio>
#include <optional>
#include <string>

namespace {

constexpr double kImageBytes = 64 * 1024;

std::string Fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

double Nanoseconds(const Measured& m) {
    return m.seconds * 1e9;
}
double Microseconds(const Measured& m) {
    return m.seconds * 1e6;
}
double Milliseconds(const Measured& m) {
    return m.seconds * 1e3;
}
double MegabytesPerSecond(const Measured& m) {
    return m.seconds > 0 ? kImageBytes / m.seconds / 1e6 : 0;
}

double CounterOf(const Measured& m, const std::string& name) {
    const auto found = m.counters.find(name);
    return found == m.counters.end() ? 0 : found->second;
}

class Printer {
  public:
    Printer(const FigureReporter& results, std::ostream& out) : results_(results), out_(out) {}

    // The benchmark's result when it ran and did not fail; a failure prints its line.
    std::optional<Measured> take(const std::string& name, const std::string& bench) {
        auto measured = results_.result(bench);
        if (measured && !measured->error.empty()) {
            out_ << name << ": failed (" << measured->error << ")\n";
            return std::nullopt;
        }
        return measured;
    }

    void line(const std::string& name, double value, const std::string& unit, int decimals) {
        out_ << name << ": " << Fixed(value, decimals) << " " << unit << "\n";
    }

    void line(const std::string& name, double value, const std::string& unit, int decimals,
              double ratio) {
        out_ << name << ": " << Fixed(value, decimals) << " " << unit << " (" << Fixed(ratio, 2)
             << " x)\n";
    }

    // A figure of a plain benchmark.
    void single(const std::string& name, const std::string& bench, double (*value)(const Measured&),
                const std::string& unit, int decimals) {
        if (const auto m = take(name, bench))
            line(name, value(*m), unit, decimals);
    }

    // A figure timed in turns with its baseline (see PairedTiming.h), in ms.
    void paired(const std::string& name, const std::string& baselineName, const std::string& bench,
                int decimals) {
        if (const auto m = take(name, bench)) {
            line(name, CounterOf(*m, "subject_s") * 1e3, "ms", decimals, CounterOf(*m, "ratio"));
            line(baselineName, CounterOf(*m, "baseline_s") * 1e3, "ms", decimals);
        }
    }

  private:
    const FigureReporter& results_;
    std::ostream& out_;
};

} // namespace

void PrintFigures(const FigureReporter& results, std::ostream& out) {
    Printer p(results, out);
    for (const SampleHeader& header : SampleHeaders())
        p.single("slot recognition, " + header.format + " header", "Recognise/" + header.format,
                 Nanoseconds, "ns", 1);

    p.single("ConvertUfif20, 64 KiB", "ConvertUfif20/64KiB", MegabytesPerSecond, "MB/s", 0);

    p.paired("BuildLzoContainer, 64 KiB", "bare lzo1x_999_compress, 64 KiB", "LzoPair/64KiB", 3);
    if (const auto m = p.take("LZO container of 64 KiB", "LzoPair/64KiB")) {
        const double bytes = CounterOf(*m, "container_bytes");
        p.line("LZO container of 64 KiB", bytes, "bytes", 0, bytes / kImageBytes);
    }

    p.paired("full refresh of 99 slots via libgbp.so", "direct libgbp.so calls for 99 slots",
             "RefreshPair/99slots", 3);

    p.paired("window, start to first paint", "bare Qt window, start to first paint",
             "FirstPaintPair", 1);
    if (const auto m = p.take("window, peak RSS", "FirstPaintPair")) {
        const double window = CounterOf(*m, "subject_rss_kib") / 1024;
        const double bare = CounterOf(*m, "baseline_rss_kib") / 1024;
        p.line("window, peak RSS", window, "MiB", 1, bare > 0 ? window / bare : 0);
        p.line("bare Qt window, peak RSS", bare, "MiB", 1);
    }

    p.single("grid repaint, 99 rows", "GridRepaint/99rows", Milliseconds, "ms", 3);

    p.single("refusing a 4 GiB sparse upload", "UploadRefusal/time", Microseconds, "us", 1);
    if (const auto m = p.take("refusing a 4 GiB sparse upload, peak RSS", "UploadRefusal/memory")) {
        const double before = CounterOf(*m, "peak_rss_before_kib") / 1024;
        const double after = CounterOf(*m, "peak_rss_after_kib") / 1024;
        p.line("refusing a 4 GiB sparse upload, peak RSS", after, "MiB", 1,
               before > 0 ? after / before : 0);
        p.line("the same process before the refusal, peak RSS", before, "MiB", 1);
    }
}
