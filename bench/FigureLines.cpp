#include "bench/FigureLines.h"

#include "bench/SampleSlots.h"

#include <cstdio>
#include <functional>
#include <string>

namespace {

constexpr double kImageBytes = 64 * 1024;

std::string Fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

class Printer {
  public:
    Printer(const FigureReporter& results, std::ostream& out) : results_(results), out_(out) {}

    using Value = std::function<double(const Measured&)>;

    // One figure from one benchmark; `baseline`, when given, is the benchmark
    // the ratio is taken against, with the same value function.
    void line(const std::string& name, const std::string& bench, const Value& value,
              const std::string& unit, int decimals, const std::string& baseline = {}) {
        const auto measured = results_.result(bench);
        if (!measured)
            return;
        if (!measured->error.empty()) {
            out_ << name << ": failed (" << measured->error << ")\n";
            return;
        }
        const double v = value(*measured);
        out_ << name << ": " << Fixed(v, decimals) << " " << unit;
        if (!baseline.empty()) {
            const auto base = results_.result(baseline);
            if (base && base->error.empty() && value(*base) > 0)
                out_ << " (" << Fixed(v / value(*base), 2) << " x)";
        }
        out_ << "\n";
    }

  private:
    const FigureReporter& results_;
    std::ostream& out_;
};

double Nanoseconds(const Measured& m) { return m.seconds * 1e9; }
double Microseconds(const Measured& m) { return m.seconds * 1e6; }
double Milliseconds(const Measured& m) { return m.seconds * 1e3; }
double MegabytesPerSecond(const Measured& m) { return m.seconds > 0 ? kImageBytes / m.seconds / 1e6 : 0; }

Printer::Value Counter(const std::string& name, double scale = 1) {
    return [name, scale](const Measured& m) {
        const auto found = m.counters.find(name);
        return found == m.counters.end() ? 0 : found->second * scale;
    };
}

} // namespace

void PrintFigures(const FigureReporter& results, std::ostream& out) {
    Printer p(results, out);
    for (const SampleHeader& header : SampleHeaders())
        p.line("slot recognition, " + header.format + " header", "Recognise/" + header.format,
               Nanoseconds, "ns", 1);

    p.line("ConvertUfif20, 64 KiB", "ConvertUfif20/64KiB", MegabytesPerSecond, "MB/s", 0);

    p.line("BuildLzoContainer, 64 KiB", "BuildLzoContainer/64KiB", Milliseconds, "ms", 3,
           "lzo1x_999_compress/64KiB");
    p.line("bare lzo1x_999_compress, 64 KiB", "lzo1x_999_compress/64KiB", Milliseconds, "ms", 3);
    // The ratio of the container to the program it holds.
    const auto packed = results.result("BuildLzoContainer/64KiB");
    if (packed && packed->error.empty()) {
        const double bytes = Counter("container_bytes")(*packed);
        out << "LZO container of 64 KiB: " << Fixed(bytes, 0) << " bytes ("
            << Fixed(bytes / kImageBytes, 2) << " x)\n";
    }

    p.line("full refresh of 99 slots via libgbp.so", "FullRefresh/manager", Milliseconds, "ms", 3,
           "FullRefresh/direct");
    p.line("direct libgbp.so calls for 99 slots", "FullRefresh/direct", Milliseconds, "ms", 3);

    p.line("window, start to first paint", "FirstPaint/adeduze", Milliseconds, "ms", 1,
           "FirstPaint/bare");
    p.line("bare Qt window, start to first paint", "FirstPaint/bare", Milliseconds, "ms", 1);
    const auto mib = Counter("peak_rss_kib", 1.0 / 1024);
    p.line("window, peak RSS", "FirstPaint/adeduze", mib, "MiB", 1, "FirstPaint/bare");
    p.line("bare Qt window, peak RSS", "FirstPaint/bare", mib, "MiB", 1);

    p.line("grid repaint, 99 rows", "GridRepaint/99rows", Milliseconds, "ms", 3);

    p.line("refusing a 4 GiB sparse upload", "UploadRefusal/time", Microseconds, "us", 1);
    const auto refusal = results.result("UploadRefusal/memory");
    if (refusal && !refusal->error.empty()) {
        out << "refusing a 4 GiB sparse upload, peak RSS: failed (" << refusal->error << ")\n";
    } else if (refusal) {
        const double before = Counter("peak_rss_before_kib", 1.0 / 1024)(*refusal);
        const double after = Counter("peak_rss_after_kib", 1.0 / 1024)(*refusal);
        out << "refusing a 4 GiB sparse upload, peak RSS: " << Fixed(after, 1) << " MiB ("
            << Fixed(before > 0 ? after / before : 0, 2) << " x)\n";
        out << "the same process before the refusal, peak RSS: " << Fixed(before, 1) << " MiB\n";
    }
}
