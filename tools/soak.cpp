// Plays millions of random events against the real windows, offscreen, with
// every invariant of the stress test checked after each one.
//
//   soak [--events N] [--per-seed M] [--seed S]
//   soak --transcript SEED N
//
// Games of M events each, seeds S, S+1, ...; stops at the first failure and
// prints its seed and the shortest trace it could reduce it to. The second
// form writes down one game of N events, every action and what the windows
// showed after it: two builds that should behave alike must print the same.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "rig/application.h"
#include "tests/player.h"

int main(int argc, char** argv) {
    unsigned long long transcriptSeed = 0;
    bool transcribe = false;
    long long events = 2'000'000;
    long long perSeed = 20'000;
    unsigned long long seed = 1000;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--events")) events = std::atoll(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--per-seed")) perSeed = std::atoll(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--seed")) seed = std::strtoull(argv[i + 1], nullptr, 10);
        else if (!std::strcmp(argv[i], "--transcript") && i + 2 < argc) {
            transcribe = true;
            transcriptSeed = std::strtoull(argv[i + 1], nullptr, 10);
            events = std::atoll(argv[++i + 1]);
        } else {
            std::fprintf(stderr, "usage: soak [--events N] [--per-seed M] [--seed S]\n"
                                 "       soak --transcript SEED N\n");
            return 2;
        }
    }
    if (perSeed < 1) perSeed = 1;
    int qtArgc = 1;
    rig::Application app(qtArgc, argv);
    if (transcribe) {
        std::fputs(stress::transcript(transcriptSeed, events).c_str(), stdout);
        return 0;
    }

    const auto started = std::chrono::steady_clock::now();
    auto seconds = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    };
    stress::Stats total;
    long long games = 0;
    while (total.events < events) {
        const long long n = std::min(perSeed, events - total.events);
        const stress::Outcome out = stress::play(seed, n);
        total.add(out.stats);
        ++games;
        if (out.failed()) {
            const auto reduced = stress::reduce(seed, out.trace, 5 * stress::kReductionReplays);
            std::printf("%s", stress::failureReport(seed, out, reduced).c_str());
            return 1;
        }
        if (games % 10 == 0)
            std::fprintf(stderr, "soak: %lld events, %lld problems, %.0f s\n", total.events,
                         total.opened, seconds());
        ++seed;
    }
    std::printf("soak: %lld games, %lld events (%lld key, mouse and timer deliveries), %lld problems "
                "opened and judged (%lld right, %lld by time-out), %lld refused presses, %lld End Game, "
                "%lld Play Again, %lld selection warnings; every invariant held; %.1f s\n",
                games, total.events, total.deliveries, total.opened, total.right, total.timeOuts,
                total.refused, total.endGames, total.playAgains, total.warnings, seconds());
    return 0;
}
