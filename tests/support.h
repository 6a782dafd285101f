#pragma once

#include <QGuiApplication>
#include <QRect>
#include <QString>
#include <QStringList>
#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>

#include "rig/rig.h"
#include "frame/guard.h"
#include "windows/form2.h"

// Readable failure messages for Qt strings in assertions.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QRect& r, std::ostream* os) {
    *os << "QRect(" << r.x() << ", " << r.y() << ", " << r.width() << ", " << r.height() << ')';
}
inline void PrintTo(const QStringList& list, std::ostream* os) {
    *os << '{';
    for (qsizetype i = 0; i < list.size(); ++i) *os << (i ? ", \"" : "\"") << list[i].toStdString() << '"';
    *os << '}';
}

namespace testing_support {

using rig::RecordedEnding;

// A main window wired to recorders (see rig/rig.h) with a scripted random
// source, and a player's real key events and clicks.
struct Game : rig::Rig<engine::ScriptedSource> {
    windows::Form2* summary() { return form1 ? form1->loadedForm2() : nullptr; }

    // Real key events, sent where a player's keys go: the focused control.
    void type(const QString& text);
    void key(int qtKey, Qt::KeyboardModifiers mods = Qt::NoModifier);
    void enter() { key(Qt::Key_Return); }
    // One countdown tick, as the timer would deliver it.
    void tick();
    void ticks(int n) {
        for (int i = 0; i < n; ++i) tick();
    }
    void click(QWidget* w);

    // Answers the open problem right (or wrong by one) and presses Enter.
    void answer(bool right);

    void writeFile(const QString& relative, const QByteArray& bytes);
};

// The application laid out right to left (as for Arabic and Hebrew) for one
// scope, so a failing assertion cannot leave the tests after it mirrored.
// Windows read the direction when they are built: make them inside the scope.
struct RightToLeft {
    RightToLeft() { QGuiApplication::setLayoutDirection(Qt::RightToLeft); }
    ~RightToLeft() { QGuiApplication::setLayoutDirection(Qt::LeftToRight); }
    RightToLeft(const RightToLeft&) = delete;
    RightToLeft& operator=(const RightToLeft&) = delete;
};

// What the countdown's bar reads with n seconds left.
inline QString secondsLeft(int n) {
    return QStringLiteral("You have %1 seconds to answer this question.").arg(n);
}

// A Windows cursor file with one 32 x 32 image and the given hotspot.
QByteArray cursorFile(int hotX, int hotY);

// The message texts shown so far, for compact assertions.
std::vector<std::string> texts(const frame::RecordedMessageBoxes& boxes);

// The scripted value r that makes one draw from low..high come out as value:
// the middle of that value's share of [0, 1).
inline double drawOf(int value, int low, int high) {
    return (value - low + 0.5) / (high - low + 1);
}

// Scripts Easy draws (1..9), in the order the presses take them.
inline void scriptEasy(Game& game, std::initializer_list<int> values) {
    for (int v : values) game.random.push(drawOf(v, 1, 9));
}

// The five cells of one summary row, or an empty list when there is no such row.
QStringList rowCells(const windows::Form2* summary, int row);

// Plays seed 11 and prints one line of what it did, for a test that compares
// that line across environments; the test binary runs it when started with
// --seed11-transcript. Returns the exit code.
int printSeed11Transcript();
// Chooses the language as the program does at its start, from this
// process's environment, and prints what came of it (startup_test.cpp).
int printChosenLanguage(int argc, char** argv);

// Installs a fault injection for one scope and always takes it out again, so
// a failing assertion cannot leave it to fault the tests that follow.
class ScopedInjection {
public:
    explicit ScopedInjection(frame::FaultInjection& injection) { frame::setFaultInjection(&injection); }
    ~ScopedInjection() { frame::setFaultInjection(nullptr); }
    ScopedInjection(const ScopedInjection&) = delete;
    ScopedInjection& operator=(const ScopedInjection&) = delete;
};

// Fails one numbered step of one guarded procedure, each time it is begun.
struct FaultAt final : frame::FaultInjection {
    FaultAt(std::string_view loc, int n) : location(loc), step(n) {}
    bool shouldFault(std::string_view loc, int n, bool) override {
        ++asked;
        return loc == location && n == step;
    }
    std::string_view location;
    int step;
    int asked = 0;
};

}  // namespace testing_support
