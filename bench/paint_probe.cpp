// Preloaded into a Qt Widgets program (LD_PRELOAD) by the window benchmark.
// When ADEDUZE_PAINT_REPORT names a file, the first paint of a shown window
// is noted; once that paint pass is over the probe writes
// "<CLOCK_MONOTONIC ns> <peak RSS KiB>" to the file and ends the process at
// once, so the program under test needs no hook of its own.
#include "bench/ProcessClock.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

class FirstPaintProbe : public QObject {
  public:
    explicit FirstPaintProbe(const char* reportPath) : reportPath_(reportPath) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!painted_ && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window()->isVisible()) {
            painted_ = true;
            // Queued, so it runs after the whole window is painted and flushed.
            QMetaObject::invokeMethod(this, &FirstPaintProbe::report, Qt::QueuedConnection);
        }
        return false;
    }

  private:
    void report() {
        const long long paintedAt = MonotonicNanoseconds();
        const long peak = PeakRssKib();
        if (FILE* out = std::fopen(reportPath_, "we")) {
            std::fprintf(out, "%lld %ld\n", paintedAt, peak);
            std::fclose(out);
        }
        ::_exit(0);
    }

    const char* reportPath_;
    bool painted_ = false;
};

void InstallFirstPaintProbe() {
    const char* reportPath = std::getenv("ADEDUZE_PAINT_REPORT");
    if (reportPath && *reportPath)
        QCoreApplication::instance()->installEventFilter(new FirstPaintProbe(reportPath));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallFirstPaintProbe)
