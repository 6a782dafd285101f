#pragma once

#include <QApplication>
#include <QTemporaryDir>
#include <memory>

namespace rig {

namespace detail {
// What has to stand before Qt starts, so it comes first among the bases.
class Surroundings {
protected:
    Surroundings();
    std::unique_ptr<QTemporaryDir> runtime_;
};
}  // namespace detail

// The application object of a program that runs the game inside itself (the
// tests, the tools, the benchmarks). It runs offscreen unless a platform is
// named, never closes on its last window, and sets the fonts the game sets.
// Like the game it leaves no runtime folder behind: an existing private one
// is used, and otherwise one of its own that goes with the process (unlike
// the game, these programs need a temporary folder for the game's folder).
class Application : private detail::Surroundings, public QApplication {
public:
    Application(int& argc, char** argv);
};

}  // namespace rig
