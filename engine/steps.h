#pragma once

#include <utility>

namespace engine {

// The quiz's procedures are written as numbered steps so that the window's
// error guard can name the step that faulted and carry on after it. Code that
// runs them outside a window (benchmarks, tests) uses this runner, which just
// runs each step and lets faults propagate.
struct PlainSteps {
    template <class F>
    void step(int, F&& f) {
        std::forward<F>(f)();
    }
    template <class F>
    bool test(int, F&& f) {
        return static_cast<bool>(std::forward<F>(f)());
    }
};

}  // namespace engine
