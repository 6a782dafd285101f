#pragma once

#include <QObject>
#include <QString>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "rig/rig.h"

class QApplication;
class QWidget;

namespace bench {

using Clock = std::chrono::steady_clock;

inline double msBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// The processor time this thread has used, in milliseconds: on a shared
// machine it tells the program's own work from the time others ran.
double threadCpuMs();

// Order statistics of a sample; percentiles by the nearest rank.
struct Stats {
    std::size_t count = 0;
    double min = 0, p10 = 0, p25 = 0, median = 0, p75 = 0, p90 = 0, p99 = 0, max = 0;
    static Stats of(std::vector<double> values);
};

// One line of the benchmark table. run.sh collects these lines from every
// program's standard output and prints them as one table.
struct Row {
    std::string figure;     // what was measured
    std::string condition;  // platform, load, part of the game
    std::string game;       // the game's median (or the one value)
    std::string spread;     // how far the sample spreads around it
    std::string qt;         // the same done by bare Qt, when there is a counterpart
    std::string ratio;      // game against bare Qt
    std::string target;
    bool met = false;
    bool informative = false;  // no target: the verdict column stays empty
};
void print(const Row& row);

std::string fixed(double value, int decimals);
std::string ms(double value);  // "1.234 ms"
std::string spreadMs(const Stats& s);  // "p10-p90 a-b ms, max c ms"

// Memory of this process: peak and current resident set, and the bytes the
// heap has handed out and not taken back.
long peakResidentKiB();
long residentKiB();
std::size_t heapInUse();

// The application the in-process benchmarks run in, as the tests' and the
// tools' (rig/application.h).
std::unique_ptr<QApplication> makeApplication(int& argc, char** argv);

// Notices when a widget paints. The time is taken when the paint event
// arrives; wait() returns once it has been painted and the window flushed.
class PaintWatch final : public QObject {
public:
    using Predicate = std::function<bool()>;
    explicit PaintWatch(QWidget* target, Predicate accept = {});
    ~PaintWatch() override;

    void arm();
    bool painted() const { return painted_; }
    Clock::time_point paintedAt() const { return at_; }
    // Runs events until the armed paint came; false when it did not come in time.
    bool wait(int timeoutMs = 5000);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* target_;
    Predicate accept_;
    bool armed_ = false;
    bool painted_ = false;
    Clock::time_point at_{};
};

// A real key event as the platform delivers it: through the window, to
// whatever has the keyboard focus, without running the event loop after it.
void keyPress(QWidget* window, int qtKey, const QString& text);
void keyRelease(QWidget* window, int qtKey, const QString& text);
void keyClick(QWidget* window, int qtKey, const QString& text);
void enter(QWidget* window);
void typeDigits(QWidget* window, const QString& digits);

// The main window as the game builds it, wired to recorders (see rig/rig.h),
// with a seeded random source.
struct GameRig : rig::Rig<engine::Mt19937Source> {
    explicit GameRig(std::uint64_t seed = 20210831);

    // Builds, loads and shows the window and lets its activation open Question 1.
    windows::Form1& start();

    // Types the right answer, or a wrong one, into the open problem.
    void typeAnswer(bool right);
    bool problemOpen() const;
};

// Fails the benchmark loudly: a figure measured on a broken run is no figure.
[[noreturn]] void fail(const std::string& why);

// "--name value" from the command line, or the fallback.
int intOption(int argc, char** argv, const char* name, int fallback);
bool flag(int argc, char** argv, const char* name);

}  // namespace bench
