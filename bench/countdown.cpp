// Countdown accuracy with the real timer: problems are left to run out, and
// the time runs from the end of Start/Next (the timer has just been started)
// to the time-out judgement (its row reaching the summary list); every tick
// is stamped as the timer event arrives. A bare QTimer of the same kind,
// ticking on its own thread all the while, shows what Qt's timers give on
// this machine at the same moments.
#include <QAbstractItemModel>
#include <QApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <QTreeWidget>
#include <cmath>

#include "engine/game.h"
#include "rig/summary_parts.h"
#include "support.h"
#include "windows/form2.h"

using namespace bench;

namespace {

// The ticks of one countdown, a second each.
constexpr std::size_t kLimit = engine::kTimeLimit;

// Stamps the timer events of one QTimer as they arrive, before its handler.
class TickStamps final : public QObject {
public:
    explicit TickStamps(QTimer* timer) : timer_(timer) { timer_->installEventFilter(this); }
    ~TickStamps() override { timer_->removeEventFilter(this); }
    std::vector<Clock::time_point> ticks;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == timer_ && event->type() == QEvent::Timer) ticks.push_back(Clock::now());
        return false;
    }

private:
    QTimer* timer_;
};

struct Problem {
    Clock::time_point started;
    Clock::time_point judged;
    std::vector<Clock::time_point> ticks;
    bool timedOut = false;
};

std::vector<Problem> runGame(int problems) {
    GameRig rig;
    windows::Form1& f = rig.load();
    windows::Form2& summary = f.form2();  // loaded hidden, as the first judgement would
    TickStamps stamps(f.Timer1);
    std::vector<Problem> out;
    QEventLoop loop;

    // Connected after the window's own handler: runs when Start/Next has
    // returned, with the timer started.
    QObject::connect(f.PushButton1, &windows::PushButton::clickEvent, &f, [&] {
        Problem p;
        p.started = Clock::now();
        stamps.ticks.clear();
        out.push_back(p);
    });
    QObject::connect(parts::ListView1(&summary)->model(), &QAbstractItemModel::rowsInserted, &f, [&] {
        if (out.empty()) fail("a row was written before any problem opened");
        Problem& p = out.back();
        p.judged = Clock::now();
        p.ticks = stamps.ticks;
        p.timedOut = f.ProgressBar1->text() == QLatin1String("Time is over.");
        if (static_cast<int>(out.size()) >= problems) {
            QTimer::singleShot(0, &loop, &QEventLoop::quit);
            return;
        }
        // The player presses Enter for the next problem once the tick is over.
        QTimer::singleShot(0, &f, [&] { enter(&f); });
    });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &loop, [] { fail("the countdown never ran out"); });
    guard.start(static_cast<int>(problems * kLimit * 1000) + 30'000);

    f.showCentred();  // the activation opens Question 1
    loop.exec();
    f.Timer1->stop();
    if (!rig.boxes.shown.empty()) fail("a message box came up: " + rig.boxes.shown.front().text.toStdString());
    return out;
}

// The same kind of timer, doing nothing, on a thread of its own that runs
// alongside the game for the whole run: whatever the machine does to the
// game's ticks it does to these at the same moments.
class BareTimerThread final : public QThread {
public:
    Clock::time_point started;
    std::vector<Clock::time_point> ticks;

    // The ticks in rounds of a countdown's length, each round starting at the
    // tick before it.
    std::vector<Problem> rounds() const {
        std::vector<Problem> out;
        for (std::size_t k = 0; (k + 1) * kLimit <= ticks.size(); ++k) {
            Problem p;
            p.started = k == 0 ? started : ticks[k * kLimit - 1];
            p.ticks.assign(ticks.begin() + static_cast<long>(k * kLimit),
                           ticks.begin() + static_cast<long>((k + 1) * kLimit));
            p.judged = p.ticks.back();
            p.timedOut = true;
            out.push_back(p);
        }
        return out;
    }

protected:
    void run() override {
        QTimer timer;
        timer.setInterval(1000);
        timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer, &QTimer::timeout, [this] { ticks.push_back(Clock::now()); });
        started = Clock::now();
        timer.start();
        exec();
    }
};

struct Summary {
    Stats timeouts;     // Start/Next to judgement, ms
    Stats intervals;    // between ticks (Start/Next to the first tick counts as one), ms
    Stats lastTickToJudged;  // the tenth tick's arrival to the row written, ms
    double worstTimeoutError = 0;
    int allTimedOut = 0;
};

Summary summarise(const std::vector<Problem>& problems) {
    std::vector<double> timeouts, intervals, lastTick;
    Summary s;
    for (const Problem& p : problems) {
        const double t = msBetween(p.started, p.judged);
        timeouts.push_back(t);
        s.worstTimeoutError = std::max(s.worstTimeoutError, std::fabs(t - kLimit * 1000.0));
        if (p.timedOut) ++s.allTimedOut;
        if (!p.ticks.empty()) lastTick.push_back(msBetween(p.ticks.back(), p.judged));
        Clock::time_point last = p.started;
        for (const auto& tick : p.ticks) {
            intervals.push_back(msBetween(last, tick));
            last = tick;
        }
    }
    s.timeouts = Stats::of(timeouts);
    s.intervals = Stats::of(intervals);
    s.lastTickToJudged = Stats::of(lastTick);
    return s;
}

}  // namespace

int main(int argc, char** argv) {
    auto app = makeApplication(argc, argv);
    const int problems = intOption(argc, argv, "--problems", 10);
    std::string load = "idle";
    for (int i = 1; i + 1 < argc; ++i)
        if (std::string(argv[i]) == "--load") load = argv[i + 1];

    BareTimerThread bareThread;
    bareThread.start();
    const auto played = runGame(problems);
    bareThread.quit();
    bareThread.wait();
    const auto game = summarise(played);
    const auto bare = summarise(bareThread.rounds());
    for (std::size_t i = 0; i < played.size(); ++i) {
        const Problem& p = played[i];
        double shortest = 1e9, longest = 0;
        Clock::time_point last = p.started;
        for (const auto& tick : p.ticks) {
            shortest = std::min(shortest, msBetween(last, tick));
            longest = std::max(longest, msBetween(last, tick));
            last = tick;
        }
        std::fprintf(stderr, "problem %zu: time-out %.3f ms, ticks %zu from %.3f to %.3f ms apart\n", i + 1,
                     msBetween(p.started, p.judged), p.ticks.size(), shortest, longest);
    }
    for (const auto* s : {&game, &bare})
        std::fprintf(stderr, "%s: time-outs min %.3f median %.3f max %.3f; ticks min %.3f median %.3f max %.3f\n",
                     s == &game ? "game" : "bare QTimer", s->timeouts.min, s->timeouts.median,
                     s->timeouts.max, s->intervals.min, s->intervals.median, s->intervals.max);
    if (game.allTimedOut != problems) fail("not every problem was judged by its time-out");

    const std::string cond = QGuiApplication::platformName().toStdString() + ", " + load + ", n=" +
                             std::to_string(problems);
    Row r;
    r.figure = "countdown: Start/Next to time-out judgement";
    r.condition = cond;
    r.game = fixed(game.timeouts.median, 2) + " ms";
    r.spread = "min " + fixed(game.timeouts.min, 2) + ", max " + fixed(game.timeouts.max, 2);
    r.qt = fixed(bare.timeouts.median, 2) + " ms (worst off " + fixed(bare.worstTimeoutError, 2) + ")";
    r.ratio = "worst off " + fixed(game.worstTimeoutError, 2) + " ms";
    r.target = "every one 10000 +- 15 ms";
    r.met = game.worstTimeoutError <= 15.0;
    print(r);

    Row t;
    t.figure = "  (interval between ticks)";
    t.condition = cond;
    t.game = fixed(game.intervals.median, 3) + " ms";
    t.spread = "min " + fixed(game.intervals.min, 3) + ", max " + fixed(game.intervals.max, 3);
    t.qt = fixed(bare.intervals.median, 3) + " ms (" + fixed(bare.intervals.min, 3) + "-" +
           fixed(bare.intervals.max, 3) + ")";
    t.informative = true;
    print(t);

    Row j;
    j.figure = "  (tenth tick to the judgement)";
    j.condition = cond;
    j.game = ms(game.lastTickToJudged.median);
    j.spread = "max " + ms(game.lastTickToJudged.max);
    j.qt = "-";
    j.informative = true;
    print(j);
    return 0;
}
