// Enter to verdict on screen, in process: a real Enter key event goes through
// the window to the focused answer box, the answer is judged, and the time
// runs until the verdict label has been painted and the window flushed.
// The same is measured on a bare Qt window whose line edit sets a label on
// Enter: what Qt itself needs for a key, a label text and a paint.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <algorithm>
#include <cstdio>

#include "engine/quiz.h"
#include "support.h"
#include "windows/controls.h"

using namespace bench;

namespace {

struct Timings {
    std::vector<double> judged;   // the key event returned: the answer judged, the row written
    std::vector<double> painted;  // the verdict label painted and flushed
    std::vector<double> cpu;      // processor time this thread spent on the same
};

Timings measureGame(int problems) {
    GameRig rig;
    windows::Form1& f = rig.start();
    PaintWatch verdict(f.lblmessage, [&] { return !f.lblmessage->text().isEmpty(); });
    Timings t;
    for (int i = 0; i < problems; ++i) {
        if (!rig.problemOpen()) fail("problem " + std::to_string(i + 1) + " is not open");
        // Two answers in three right, so both verdicts are drawn.
        rig.typeAnswer(i % 3 != 2);
        rig::Core::settle();  // the digits are on screen before the player presses Enter
        verdict.arm();
        const double c0 = threadCpuMs();
        const auto t0 = Clock::now();
        keyPress(&f, Qt::Key_Return, QStringLiteral("\r"));
        const auto t1 = Clock::now();
        if (!verdict.wait()) fail("the verdict was never painted");
        const auto t2 = Clock::now();
        t.cpu.push_back(threadCpuMs() - c0);
        keyRelease(&f, Qt::Key_Return, QStringLiteral("\r"));
        if (rig.problemOpen()) fail("Enter did not judge problem " + std::to_string(i + 1));
        t.judged.push_back(msBetween(t0, t1));
        t.painted.push_back(msBetween(t0, t2));
        enter(&f);  // the next problem
        rig::Core::settle();
    }
    if (!rig.boxes.shown.empty()) fail("a message box came up: " + rig.boxes.shown.front().text.toStdString());
    if (f.game().NumProb != problems + 1) fail("the problems were not counted");
    return t;
}

Timings measureBareQt(int problems) {
    QWidget window;
    window.setFixedSize(616, 520);
    QLineEdit edit(&window);
    edit.setGeometry(392, 24, 175, 89);
    edit.setFont(windows::fontOf("Times New Roman", 48, false));
    QLabel label(&window);
    label.setGeometry(160, 440, 441, 73);
    label.setFont(windows::fontOf("Times New Roman", 36, true));
    label.setAlignment(Qt::AlignCenter);
    int answered = 0;
    QObject::connect(&edit, &QLineEdit::returnPressed, &label, [&] {
        label.setText(answered++ % 3 != 2 ? QStringLiteral("That's correct!")
                                          : QStringLiteral("Wrong! Answer: 12"));
    });
    window.show();
    if (!QTest::qWaitForWindowExposed(&window, 5000)) fail("the bare window was never exposed");
    edit.setFocus();
    rig::Core::settle();
    PaintWatch watch(&label, [&] { return !label.text().isEmpty(); });
    Timings t;
    for (int i = 0; i < problems; ++i) {
        label.clear();
        edit.clear();
        typeDigits(&window, QString::number(10 + i % 90));
        rig::Core::settle();
        watch.arm();
        const double c0 = threadCpuMs();
        const auto t0 = Clock::now();
        keyPress(&window, Qt::Key_Return, QStringLiteral("\r"));
        const auto t1 = Clock::now();
        if (!watch.wait()) fail("the bare label was never painted");
        const auto t2 = Clock::now();
        t.cpu.push_back(threadCpuMs() - c0);
        keyRelease(&window, Qt::Key_Return, QStringLiteral("\r"));
        t.judged.push_back(msBetween(t0, t1));
        t.painted.push_back(msBetween(t0, t2));
    }
    if (answered != problems) fail("the bare window missed Enter keys");
    return t;
}

}  // namespace

int main(int argc, char** argv) {
    auto app = makeApplication(argc, argv);
    const int problems = intOption(argc, argv, "--problems", 1000);
    std::printf("INFO\tQt\t%s (run time), %s (built against)\n", qVersion(), QT_VERSION_STR);

    const Timings game = measureGame(problems);
    const Timings bare = measureBareQt(problems);
    const Stats g = Stats::of(game.painted), b = Stats::of(bare.painted);
    const Stats gj = Stats::of(game.judged), bj = Stats::of(bare.judged);
    const std::string cond = QGuiApplication::platformName().toStdString() + ", n=" + std::to_string(problems);

    Row r;
    r.figure = "Enter to verdict painted";
    r.condition = cond;
    r.game = ms(g.median);
    r.spread = "p99 " + ms(g.p99) + ", max " + ms(g.max);
    r.qt = ms(b.median) + " (p99 " + fixed(b.p99, 3) + ")";
    r.ratio = fixed(g.median / b.median, 2) + " x";
    r.target = "median <= 1 ms, p99 <= 3 ms";
    r.met = g.median <= 1.0 && g.p99 <= 3.0;
    print(r);

    Row j;
    j.figure = "  (key event handled: judged, row written)";
    j.condition = cond;
    j.game = ms(gj.median);
    j.spread = "p99 " + ms(gj.p99) + ", max " + ms(gj.max);
    j.qt = ms(bj.median);
    j.ratio = fixed(gj.median / bj.median, 2) + " x";
    j.informative = true;
    print(j);

    const Stats gc = Stats::of(game.cpu), bc = Stats::of(bare.cpu);
    Row c;
    c.figure = "  (processor time of the same, this thread)";
    c.condition = cond;
    c.game = ms(gc.median);
    c.spread = "p99 " + ms(gc.p99) + ", max " + ms(gc.max);
    c.qt = ms(bc.median) + " (p99 " + fixed(bc.p99, 3) + ")";
    c.ratio = fixed(gc.median / bc.median, 2) + " x";
    c.informative = true;
    print(c);

    // Where the slowest Enters fell, for telling a pattern from the machine's noise.
    std::vector<std::pair<double, int>> slowest;
    for (std::size_t i = 0; i < game.painted.size(); ++i) slowest.emplace_back(game.painted[i], int(i));
    std::sort(slowest.rbegin(), slowest.rend());
    std::fprintf(stderr, "slowest Enters (problem: wall ms / cpu ms):");
    for (std::size_t i = 0; i < std::min<std::size_t>(15, slowest.size()); ++i)
        std::fprintf(stderr, " %d: %.3f/%.3f", slowest[i].second + 1, slowest[i].first,
                     game.cpu[std::size_t(slowest[i].second)]);
    std::fprintf(stderr, "\n");
    return 0;
}
