// Preloaded into a program under measurement (LD_PRELOAD), so that the real
// executable runs unchanged. It registers itself with the application object
// when that is constructed, watches every paint event, and at the first
// paint of a label reading "Question 1" writes the time (the monotonic clock)
// and the peak resident set to the file named by QUILLORY_PROBE_OUT, then
// leaves the process at once.
//
// Windows has no preloading: there the same probe is built as a Qt generic
// plugin (QUILLORY_PROBE_PLUGIN), which QGuiApplication loads at its start
// when QT_QPA_GENERIC_PLUGINS names it. Its clock is Windows' own, so whoever
// times it there takes the moment the file is closed instead.
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "proc_status.h"

namespace {

// steady_clock is CLOCK_MONOTONIC on Linux, the clock bench_startup reads.
double monotonicMs() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration<double, std::milli>(now).count();
}

using bench::statusKiB;

class FirstQuestionProbe final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!seen_ && event->type() == QEvent::Paint) {
            if (auto* label = qobject_cast<QLabel*>(watched);
                label && label->text() == QLatin1String("Question 1")) {
                seen_ = true;
                paintAt_ = monotonicMs();
                // The label paints after this filter returns and the window
                // is flushed in the same pass; the queued call runs after both.
                QMetaObject::invokeMethod(this, &FirstQuestionProbe::report, Qt::QueuedConnection);
            }
        }
        return false;
    }

private:
    void report() {
        const double doneAt = monotonicMs();
        const long peak = statusKiB("VmHWM:");
        const long resident = statusKiB("VmRSS:");
        if (const char* path = std::getenv("QUILLORY_PROBE_OUT")) {
            if (std::FILE* out = std::fopen(path, "w")) {
                std::fprintf(out, "paint_ms %.3f\ndone_ms %.3f\nhwm_kib %ld\nrss_kib %ld\n",
                             paintAt_, doneAt, peak, resident);
                std::fclose(out);
            }
        }
        std::_Exit(0);
    }

    bool seen_ = false;
    double paintAt_ = 0;
};

QObject* installProbe(QObject* parent) {
    auto* probe = new FirstQuestionProbe(parent);
    QCoreApplication::instance()->installEventFilter(probe);
    return probe;
}

}  // namespace

#ifdef QUILLORY_PROBE_PLUGIN
#include <QGenericPlugin>

class StartupProbePlugin final : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "startup_probe.json")

public:
    // The application deletes the objects of its generic plugins itself.
    QObject* create(const QString&, const QString&) override { return installProbe(nullptr); }
};

#include "startup_probe.moc"
#else
namespace {
void installProbeInApp() {
    installProbe(QCoreApplication::instance());
}
}  // namespace
Q_COREAPP_STARTUP_FUNCTION(installProbeInApp)
#endif
