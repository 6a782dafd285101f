// The longest game: 32,767 problems judged (NumProb's limit), driven in
// process with real key events. For each problem the time of its Enter is
// taken twice: until the key event has been handled (the answer judged and
// its row appended to the summary list), and until every event that follows
// from it has run (deferred list layout, repaints). Then End Game is clicked
// with all those rows in the list, and Play Again. A bare QTreeWidget that
// gets the same rows shows what Qt's list itself costs.
#include <QApplication>
#include <QHeaderView>
#include <QTest>
#include <QTreeWidget>
#include <cstdio>
#include <cstdlib>

#include "rig/summary_parts.h"
#include "support.h"
#include "windows/controls.h"
#include "windows/form2.h"

using namespace bench;

namespace {

constexpr int kWindow = 1000;  // rows at each end of the game that are compared

struct Measured {
    std::vector<double> appended;  // the row's own work
    std::vector<double> settled;   // everything that followed from it
    double bytesPerRow = 0;
    double residentPerRow = 0;
    double showMs = 0;   // the list shown and painted
    double clearMs = 0;  // the list emptied (and, for the game, Question 1 painted)
};

// With perf record --control fifo:CTL -D -1, naming CTL in the variable
// profiles only the part of the game inside this object's lifetime.
class ProfileWindow {
public:
    explicit ProfileWindow(const char* variable) {
        if (const char* path = std::getenv(variable)) control_ = std::fopen(path, "w");
        send("enable");
    }
    ~ProfileWindow() {
        send("disable");
        if (control_) std::fclose(control_);
    }
    ProfileWindow(const ProfileWindow&) = delete;
    ProfileWindow& operator=(const ProfileWindow&) = delete;

private:
    void send(const char* command) {
        if (!control_) return;
        std::fprintf(control_, "%s\n", command);
        std::fflush(control_);
    }
    std::FILE* control_ = nullptr;
};

double bytesBetween(std::size_t from, std::size_t to, int rows) {
    return (static_cast<double>(to) - static_cast<double>(from)) / rows;
}

Measured playGame(int problems) {
    GameRig rig;
    windows::Form1& f = rig.start();
    Measured m;
    std::size_t heapAt = 0;
    long residentAt = 0;
    for (int i = 0; i < problems; ++i) {
        if (!rig.problemOpen()) fail("problem " + std::to_string(i + 1) + " is not open");
        rig.typeAnswer(i % 3 != 2);
        rig::Core::settle();
        const auto t0 = Clock::now();
        keyPress(&f, Qt::Key_Return, QStringLiteral("\r"));
        const auto t1 = Clock::now();
        rig::Core::settle();
        const auto t2 = Clock::now();
        keyRelease(&f, Qt::Key_Return, QStringLiteral("\r"));
        m.appended.push_back(msBetween(t0, t1));
        m.settled.push_back(msBetween(t0, t2));
        if (i + 1 == kWindow) {
            heapAt = heapInUse();
            residentAt = residentKiB();
        }
        if (i + 1 < problems) {
            enter(&f);
            rig::Core::settle();
        }
    }
    windows::Form2* summary = f.loadedForm2();
    if (!summary || summary->rowCount() != problems) fail("the summary does not hold every row");
    if (f.game().NumProb != problems) fail("NumProb did not reach the end of the game");
    if (!rig.boxes.shown.empty()) fail("a message box came up: " + rig.boxes.shown.front().text.toStdString());
    const int rows = problems - kWindow;
    m.bytesPerRow = bytesBetween(heapAt, heapInUse(), rows);
    m.residentPerRow = (static_cast<double>(residentKiB()) - residentAt) * 1024.0 / rows;

    // End Game: the summary window with every row, painted.
    {
        PaintWatch list(parts::ListView1(summary)->viewport());
        list.arm();
        const auto t0 = Clock::now();
        QTest::mouseClick(f.PushButton8, Qt::LeftButton);
        if (!list.wait()) fail("the summary list was never painted");
        m.showMs = msBetween(t0, Clock::now());
        if (!f.isHidden() || summary->isHidden()) fail("End Game did not swap the windows");
        // The newest row is in view, as it was before rows stopped scrolling the hidden list.
        QTreeWidget* rowsList = parts::ListView1(summary);
        const QRect newest = rowsList->visualItemRect(rowsList->topLevelItem(problems - 1));
        if (!rowsList->viewport()->rect().intersects(newest)) fail("the newest row is not in view");
    }
    rig::Core::settle();
    // Play Again: the list emptied, the main window back with Question 1 on it.
    {
        ProfileWindow profiled("QUILLORY_BENCH_PROFILE_PLAY_AGAIN");
        PaintWatch question(f.lblQuestion, [&] { return f.lblQuestion->text() == QLatin1String("Question 1"); });
        question.arm();
        const auto t0 = Clock::now();
        QTest::mouseClick(parts::PushButton8(summary), Qt::LeftButton);
        if (!question.wait()) fail("Question 1 of the new game was never painted");
        m.clearMs = msBetween(t0, Clock::now());
        if (summary->rowCount() != 0) fail("Play Again left rows in the list");
        if (f.game().NumProb != 1) fail("the new game did not start at Question 1");
    }
    return m;
}

// Qt's own list: the same rows appended to a hidden QTreeWidget set up like
// the summary's, the events run after each, then shown and emptied.
Measured bareList(int rows) {
    QWidget window;
    window.setFixedSize(600, 323);
    QTreeWidget list(&window);
    list.setGeometry(8, 40, 584, 241);
    list.setFont(windows::fontOf("Arial", 12, true));
    list.setRootIsDecorated(false);
    list.setUniformRowHeights(true);
    list.setColumnCount(5);
    list.setHeaderLabels({"No.", "Math problems", " Your Answer", "Correct Answer", "Result"});
    Measured m;
    std::size_t heapAt = 0;
    long residentAt = 0;
    for (int i = 1; i <= rows; ++i) {
        const auto t0 = Clock::now();
        auto* item = new QTreeWidgetItem(&list, QStringList{QString::number(i)});
        item->setText(1, QStringLiteral("7 + 5"));
        item->setText(2, QString::number(i % 3 ? 12 : 13));
        item->setText(3, QStringLiteral("12"));
        item->setText(4, i % 3 ? QStringLiteral("Correct!") : QStringLiteral("Wrong!"));
        const auto t1 = Clock::now();
        rig::Core::settle();
        const auto t2 = Clock::now();
        m.appended.push_back(msBetween(t0, t1));
        m.settled.push_back(msBetween(t0, t2));
        if (i == kWindow) {
            heapAt = heapInUse();
            residentAt = residentKiB();
        }
    }
    m.bytesPerRow = bytesBetween(heapAt, heapInUse(), rows - kWindow);
    m.residentPerRow = (static_cast<double>(residentKiB()) - residentAt) * 1024.0 / (rows - kWindow);
    {
        PaintWatch painted(list.viewport());
        painted.arm();
        const auto t0 = Clock::now();
        window.show();
        if (!painted.wait()) fail("the bare list was never painted");
        m.showMs = msBetween(t0, Clock::now());
    }
    {
        const auto t0 = Clock::now();
        list.clear();
        window.hide();
        rig::Core::settle();
        m.clearMs = msBetween(t0, Clock::now());
    }
    return m;
}

Stats firstRows(const std::vector<double>& v) {
    return Stats::of({v.begin(), v.begin() + std::min<std::size_t>(kWindow, v.size())});
}
Stats lastRows(const std::vector<double>& v) {
    return Stats::of({v.end() - std::min<std::size_t>(kWindow, v.size()), v.end()});
}

}  // namespace

int main(int argc, char** argv) {
    auto app = makeApplication(argc, argv);
    const int problems = intOption(argc, argv, "--problems", 32767);
    if (problems < 2 * kWindow) fail("the longest game needs at least 2000 problems");

    const auto startedAt = Clock::now();
    const Measured game = playGame(problems);
    std::fprintf(stderr, "game of %d problems played in %.1f s\n", problems,
                 msBetween(startedAt, Clock::now()) / 1000);
    const Measured bare = bareList(problems);
    const std::string cond = QGuiApplication::platformName().toStdString() + ", " + std::to_string(problems) + " problems";

    auto ratioRow = [&](const char* figure, const std::vector<double>& g, const std::vector<double>& b,
                        bool target) {
        const Stats gf = firstRows(g), gl = lastRows(g), bf = firstRows(b), bl = lastRows(b);
        const double ratio = gl.median / gf.median;
        Row r;
        r.figure = figure;
        r.condition = cond;
        r.game = "first " + ms(gf.median) + ", last " + ms(gl.median);
        r.spread = "p90 " + fixed(gf.p90, 3) + " / " + fixed(gl.p90, 3) + " ms";
        r.qt = "first " + fixed(bf.median, 3) + ", last " + fixed(bl.median, 3) + " (" +
               fixed(bl.median / bf.median, 2) + " x)";
        r.ratio = fixed(ratio, 2) + " x";
        if (target) {
            r.target = "last <= 1.5 x first";
            r.met = ratio <= 1.5;
        } else {
            r.informative = true;
        }
        print(r);
    };
    ratioRow("longest game: append a row (Enter handled)", game.appended, bare.appended, true);
    ratioRow("  (Enter until all that follows has run)", game.settled, bare.settled, true);

    Row mem;
    mem.figure = "  memory per row";
    mem.condition = cond;
    mem.game = fixed(game.bytesPerRow, 0) + " B heap";
    mem.spread = "resident " + fixed(game.residentPerRow, 0) + " B";
    mem.qt = fixed(bare.bytesPerRow, 0) + " B heap";
    mem.ratio = fixed(game.bytesPerRow / bare.bytesPerRow, 2) + " x";
    mem.informative = true;
    print(mem);

    Row show;
    show.figure = "  End Game showing the summary";
    show.condition = cond;
    show.game = ms(game.showMs);
    show.spread = "one run";
    show.qt = ms(bare.showMs);
    show.ratio = fixed(game.showMs / bare.showMs, 2) + " x";
    show.target = "<= 100 ms";
    show.met = game.showMs <= 100;
    print(show);

    Row again;
    again.figure = "  Play Again clearing it (to Question 1 painted)";
    again.condition = cond;
    again.game = ms(game.clearMs);
    again.spread = "one run";
    again.qt = ms(bare.clearMs) + " (clear)";
    again.ratio = fixed(game.clearMs / bare.clearMs, 2) + " x";
    again.target = "<= 100 ms";
    again.met = game.clearMs <= 100;
    print(again);
    return 0;
}
