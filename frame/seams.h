#pragma once

#include <QString>
#include <functional>

#include "engine/uniform_source.h"
#include "ending.h"
#include "messages.h"

namespace frame {

// What the windows take from the world: message boxes, the ending of the
// application, the random source, the time of day and the program's folder.
// The program wires the real ones; tests wire recorders and scripts.
struct Seams {
    MessageBoxes& boxes;
    Ending& ending;
    engine::UniformSource& random;
    std::function<double()> secondsSinceMidnight;
    QString appFolder;
};

double secondsSinceMidnightNow();

}  // namespace frame
