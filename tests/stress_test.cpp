#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "frame/guard.h"
#include "player.h"
#include "support.h"

namespace {

// Events per seed in the suite; tools/soak plays millions with the same code.
constexpr long long kEventsPerSeed = 3000;

long long eventsPerSeed() {
    if (const char* v = std::getenv("QUILLORY_STRESS_EVENTS")) return std::atoll(v);
    return kEventsPerSeed;
}

void playSeed(std::uint64_t seed) {
    const stress::Outcome out = stress::play(seed, eventsPerSeed());
    if (out.failed()) {
        const auto reduced = stress::reduce(seed, out.trace, stress::kReductionReplays);
        FAIL() << stress::failureReport(seed, out, reduced);
    }
    // The mix must reach what it is meant to exercise, or it proves little.
    EXPECT_GT(out.stats.opened, 50) << "seed " << seed;
    EXPECT_GT(out.stats.right, 0) << "seed " << seed;
    EXPECT_GT(out.stats.timeOuts, 0) << "seed " << seed;
    EXPECT_GT(out.stats.playAgains, 0) << "seed " << seed;
    EXPECT_EQ(out.stats.opened, out.stats.judged) << "seed " << seed;
    std::printf("seed %llu: %lld events, %lld deliveries, %lld problems, %lld right, %lld time-outs, "
                "%lld refused, %lld Play Again\n",
                static_cast<unsigned long long>(seed), out.stats.events, out.stats.deliveries,
                out.stats.opened, out.stats.right, out.stats.timeOuts, out.stats.refused,
                out.stats.playAgains);
}

}  // namespace

TEST(Stress, RandomPlaySeed1) { playSeed(1); }
TEST(Stress, RandomPlaySeed2) { playSeed(2); }
TEST(Stress, RandomPlaySeed3) { playSeed(3); }
TEST(Stress, RandomPlaySeed4) { playSeed(4); }

// The same seed plays the same game: a reported seed reproduces its failure.
TEST(Stress, ASeedReplaysItsGame) {
    const stress::Outcome a = stress::play(7, 400);
    const stress::Outcome b = stress::replay(7, a.trace);
    ASSERT_FALSE(a.failed()) << a.failure;
    EXPECT_EQ(a.stats.opened, b.stats.opened);
    EXPECT_EQ(a.stats.right, b.stats.right);
    EXPECT_EQ(a.stats.deliveries, b.stats.deliveries);
}

// The checker is only worth its silence if it speaks up: with the guard made
// to fail the count of every right answer given by Enter, the player must
// catch it, and the trace must shrink to the few actions that show it.
TEST(Stress, APlantedFaultIsCaughtAndItsTraceReduced) {
    testing_support::FaultAt rightByEnterFails(frame::where::kForm1KeyPress, 112);
    testing_support::ScopedInjection planted(rightByEnterFails);
    const stress::Outcome out = stress::play(5, 3000);
    ASSERT_TRUE(out.failed());
    const auto reduced = stress::reduce(5, out.trace, stress::kReductionReplays);
    const std::string report = stress::failureReport(5, out, reduced);
    EXPECT_LE(reduced.size(), 3u) << report;
    EXPECT_LT(reduced.size(), out.trace.size());
    EXPECT_NE(report.find("seed 5"), std::string::npos) << report;
    EXPECT_NE(report.find("Application Error"), std::string::npos) << report;
    EXPECT_EQ(report.find("(nothing: flaky)"), std::string::npos) << report;
}
