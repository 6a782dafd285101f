#include "support.h"

#include <malloc.h>
#include <time.h>

#include <QApplication>
#include <QEvent>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "proc_status.h"

#include "rig/application.h"

namespace bench {

double threadCpuMs() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

Stats Stats::of(std::vector<double> values) {
    Stats s;
    if (values.empty()) return s;
    std::sort(values.begin(), values.end());
    s.count = values.size();
    const auto rank = [&](double p) {
        // Nearest rank: the smallest value with at least p of the sample at or below it.
        auto k = static_cast<std::size_t>(std::ceil(p * static_cast<double>(values.size())));
        k = std::clamp<std::size_t>(k, 1, values.size());
        return values[k - 1];
    };
    s.min = values.front();
    s.max = values.back();
    s.p10 = rank(0.10);
    s.p25 = rank(0.25);
    const std::size_t n = values.size();
    s.median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    s.p75 = rank(0.75);
    s.p90 = rank(0.90);
    s.p99 = rank(0.99);
    return s;
}

void print(const Row& row) {
    std::printf("ROW\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\n", row.figure.c_str(), row.condition.c_str(),
                row.game.c_str(), row.spread.c_str(), row.qt.empty() ? "-" : row.qt.c_str(),
                row.ratio.empty() ? "-" : row.ratio.c_str(), row.target.empty() ? "-" : row.target.c_str(),
                row.informative ? "-" : (row.met ? "met" : "MISSED"));
    std::fflush(stdout);
}

std::string fixed(double value, int decimals) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
    return buf;
}

std::string ms(double value) {
    return fixed(value, value < 10 ? 3 : (value < 1000 ? 1 : 0)) + " ms";
}

std::string spreadMs(const Stats& s) {
    const int d = s.p90 < 10 ? 3 : 1;
    return "p10-p90 " + fixed(s.p10, d) + "-" + fixed(s.p90, d) + ", max " + fixed(s.max, d);
}

using bench::statusKiB;

long peakResidentKiB() { return statusKiB("VmHWM:"); }
long residentKiB() { return statusKiB("VmRSS:"); }

std::size_t heapInUse() {
    const struct mallinfo2 mi = mallinfo2();
    return mi.uordblks + mi.hblkhd;
}

std::unique_ptr<QApplication> makeApplication(int& argc, char** argv) {
    return std::make_unique<rig::Application>(argc, argv);
}

// ----------------------------------------------------------------- PaintWatch

PaintWatch::PaintWatch(QWidget* target, Predicate accept) : target_(target), accept_(std::move(accept)) {
    target_->installEventFilter(this);
}

PaintWatch::~PaintWatch() { target_->removeEventFilter(this); }

void PaintWatch::arm() {
    armed_ = true;
    painted_ = false;
}

bool PaintWatch::eventFilter(QObject* watched, QEvent* event) {
    if (armed_ && watched == target_ && event->type() == QEvent::Paint && (!accept_ || accept_())) {
        at_ = Clock::now();
        painted_ = true;
        armed_ = false;
    }
    return false;
}

bool PaintWatch::wait(int timeoutMs) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    // The repaint runs from a posted update request; the flush to the window
    // follows it in the same pass, so the first pass that painted also flushed.
    while (!painted_) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (Clock::now() > deadline) return false;
    }
    return true;
}

// ---------------------------------------------------------------------- keys

void keyPress(QWidget* window, int qtKey, const QString& text) {
    qt_handleKeyEvent(window->windowHandle(), QEvent::KeyPress, qtKey, Qt::NoModifier, text);
}

void keyRelease(QWidget* window, int qtKey, const QString& text) {
    qt_handleKeyEvent(window->windowHandle(), QEvent::KeyRelease, qtKey, Qt::NoModifier, text);
}

void keyClick(QWidget* window, int qtKey, const QString& text) {
    keyPress(window, qtKey, text);
    keyRelease(window, qtKey, text);
}

void enter(QWidget* window) { keyClick(window, Qt::Key_Return, QStringLiteral("\r")); }

void typeDigits(QWidget* window, const QString& digits) {
    for (QChar c : digits) keyClick(window, Qt::Key_0 + (c.unicode() - '0'), QString(c));
}

// ------------------------------------------------------------------- GameRig

GameRig::GameRig(std::uint64_t seed) : Rig(seed) {
    if (!dir.isValid()) fail("no temporary folder for the program folder");
}

windows::Form1& GameRig::start() {
    load().showCentred();
    if (!QTest::qWaitForWindowExposed(form1.get(), 5000)) fail("the main window was never exposed");
    settle();
    if (!problemOpen()) fail("Question 1 did not open on activation");
    return *form1;
}

bool GameRig::problemOpen() const { return form1 && form1->txtanswer->isEnabled(); }

void GameRig::typeAnswer(bool right) {
    const int correct = form1->game().correctAnswer();
    typeDigits(form1.get(), QString::number(right ? correct : correct + 1));
}

[[noreturn]] void fail(const std::string& why) {
    std::fprintf(stderr, "benchmark failed: %s\n", why.c_str());
    std::fflush(nullptr);
    std::_Exit(2);
}

int intOption(int argc, char** argv, const char* name, int fallback) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], name) == 0) return std::atoi(argv[i + 1]);
    return fallback;
}

bool flag(int argc, char** argv, const char* name) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], name) == 0) return true;
    return false;
}

}  // namespace bench
