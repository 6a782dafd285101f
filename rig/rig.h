#pragma once

#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <utility>

#include "engine/uniform_source.h"
#include "frame/ending.h"
#include "frame/messages.h"
#include "frame/seams.h"
#include "summary_parts.h"
#include "windows/form1.h"

// The main window wired to recorders instead of the world, for whatever runs
// the game inside a process of its own: the tests, the random player, the
// snapshot tool and the benchmarks. Each of them delivers its input its own way.
namespace rig {

// An ending that only counts: a run that ends the game by mistake can say so
// instead of losing the process.
class RecordedEnding final : public frame::Ending {
public:
    int count = 0;

protected:
    void finish() override { ++count; }
};

// Message boxes are recorded and return at once, so that nothing ever waits
// on a modal loop; the clock stands at timeOfDay; the program folder is a
// fresh temporary folder that may be filled with pointer and skin files.
class Core {
public:
    explicit Core(engine::UniformSource& random) : source(&random) {}
    ~Core();
    Core(const Core&) = delete;
    Core& operator=(const Core&) = delete;

    // Builds the window with the seams as they are set now.
    windows::Form1& build();
    // Builds and loads it.
    windows::Form1& load();
    // Builds and loads it and, unless told otherwise, shows it and lets its
    // activation run (which opens Question 1).
    windows::Form1& start(bool show = true);
    windows::Form1& form() { return *form1; }
    QString folder() const { return dir.path(); }

    // Runs posted events, such as the activation after a show.
    static void settle();

    QTemporaryDir dir;
    frame::RecordedMessageBoxes boxes;
    RecordedEnding ending;
    double timeOfDay = 45296.25;
    // Where the next build() sends message boxes and draws: a check that needs
    // a box or a source of its own points these at it first.
    frame::MessageBoxes* messages = &boxes;
    engine::UniformSource* source;
    std::unique_ptr<windows::Form1> form1;
};

// Holds the random source, so that it is there before the window is built and
// still there after the window is gone.
template <class Source>
struct SourceHolder {
    Source random;
};

// A rig with a random source of its own kind: scripted, seeded or fixed.
template <class Source>
class Rig : public SourceHolder<Source>, public Core {
public:
    template <class... Args>
    explicit Rig(Args&&... args)
        : SourceHolder<Source>{Source(std::forward<Args>(args)...)}, Core(this->random) {}
};

}  // namespace rig
