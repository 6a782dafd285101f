// Preloaded into a program under measurement (LD_PRELOAD), so that the real
// executable runs unchanged. It registers itself with the application object
// when that is constructed, watches every paint event, and at the first
// paint of a label reading "Question 1" writes the time (CLOCK_MONOTONIC) and
// the peak resident set to the file named by QUILLORY_PROBE_OUT, then leaves
// the process at once.
#include <fcntl.h>
#include <time.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "proc_status.h"

namespace {

double monotonicMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
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
            const int fd = ::open(path, O_WRONLY | O_CREAT | O_TRUNC, 0600);
            if (fd >= 0) {
                char buf[256];
                const int n = std::snprintf(buf, sizeof buf,
                                            "paint_ms %.3f\ndone_ms %.3f\nhwm_kib %ld\nrss_kib %ld\n",
                                            paintAt_, doneAt, peak, resident);
                if (n > 0) (void)!::write(fd, buf, static_cast<std::size_t>(n));
                ::close(fd);
            }
        }
        std::_Exit(0);
    }

    bool seen_ = false;
    double paintAt_ = 0;
};

void installProbe() {
    QCoreApplication* app = QCoreApplication::instance();
    app->installEventFilter(new FirstQuestionProbe(app));
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
