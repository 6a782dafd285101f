#pragma once

// A seeded random player for the real windows, and the invariants it checks
// after every event it delivers. Shared by the stress test and tools/soak.

#include <QString>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/uniform_source.h"
#include "windows/form1.h"

namespace stress {

// One thing the player does. Actions are replayable on their own: each one
// looks at the windows when it runs and does nothing where it cannot apply
// (a click on a hidden window, a tick while no countdown runs), so that a
// shortened trace still means something.
struct Action {
    enum Kind {
        Digits,       // text: the digits typed
        TypeRight,    // types the correct result of the open problem
        Backspace,
        Enter,
        Letter,       // text: one character that is not an ASCII digit
        Minus,
        Blank,
        Paste,        // text: clipboard; index 0 Ctrl+V, 1 Shift+Insert, 2 input method
        HeldEnter,    // count: auto-repeated presses before the release
        Tick,         // index: 0 plain, 1 with Enter, 2 with a box click, 3 with End Game
        ClickBox,     // index: Check1..Check7 as 0..6
        EndGame,
        PlayAgain,
        Activate,     // index: 0 main window, 1 summary window
        PointerMove,  // index: which place (see player.cpp)
    };
    Action() = default;
    explicit Action(Kind k) : kind(k) {}

    Kind kind = Enter;
    std::string text;
    int index = 0;
    int count = 0;
};
std::string describe(const Action& action);

struct Stats {
    long long events = 0;    // actions played
    long long deliveries = 0;  // key, mouse and timer events delivered, one check after each
    long long opened = 0;    // problems opened
    long long judged = 0;    // judgements (rows written)
    long long right = 0;
    long long timeOuts = 0;
    long long refused = 0;   // presses that opened nothing (no operator or level)
    long long endGames = 0;
    long long playAgains = 0;
    long long warnings = 0;  // selection warnings shown
    void add(const Stats& o);
};

struct Outcome {
    std::string failure;  // empty: every invariant held
    std::vector<Action> trace;  // the actions played, up to the failing one
    Stats stats;
    bool failed() const { return !failure.empty(); }
};

// Plays `events` random actions from the seed, checking after every event.
// Stops at the first failure; the trace ends with the failing action.
Outcome play(std::uint64_t seed, long long events);

// The same game as play(seed, events), written down after every delivery:
// each control's text, state and the summary's rows, read by object name,
// and every message shown. Two builds that play a seed alike write the same.
std::string transcript(std::uint64_t seed, long long events);

// Plays the given actions against a fresh game made from the same seed.
Outcome replay(std::uint64_t seed, const std::vector<Action>& actions);

// Shortens a failing trace (delta debugging): the result still fails. It
// stops after `maxReplays` replays with the shortest failing trace found, a
// bound that means the same on a slow machine as on a fast one.
std::vector<Action> reduce(std::uint64_t seed, std::vector<Action> trace,
                           std::size_t maxReplays);
// Enough for the planted fault of the stress test, which takes 14, with room
// for a failure that needs a longer search.
inline constexpr std::size_t kReductionReplays = 200;

// The failure, the seed and the (reduced) trace, one action a line.
std::string failureReport(std::uint64_t seed, const Outcome& outcome,
                          const std::vector<Action>& reduced);

}  // namespace stress
