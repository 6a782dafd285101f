// Problem generation with Google Benchmark: every operator alone and all four
// together, at every row of the level table. One iteration draws one whole
// problem as a press of Start/Next does; "pairs/problem" counts the pairs the
// rule loops drew for it.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <iostream>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "engine/quiz.h"
#include "engine/uniform_source.h"

namespace {

struct LevelRow {
    const char* name;
    engine::Levels levels;
    int low, high;
};
const LevelRow kLevelRows[] = {
    {"Easy", {true, false, false}, 1, 9},
    {"Medium", {false, true, false}, 10, 99},
    {"Hard", {false, false, true}, 100, 999},
    {"Easy+Medium", {true, true, false}, 1, 99},
    {"Medium+Hard", {false, true, true}, 10, 999},
    {"All levels", {true, true, true}, 1, 999},
};

struct OperatorSet {
    const char* name;
    std::array<bool, 4> ticked;
};
const OperatorSet kOperatorSets[] = {
    {"Addition", {true, false, false, false}},
    {"Subtraction", {false, true, false, false}},
    {"Multiplication", {false, false, true, false}},
    {"Division", {false, false, false, true}},
    {"All four", {true, true, true, true}},
};

void generate(benchmark::State& state, engine::Selection sel) {
    engine::Mt19937Source random(20210831);
    long pairs = 0;
    for (auto _ : state) {
        engine::Problem p = engine::generateProblem(sel, random, &pairs);
        benchmark::DoNotOptimize(p);
    }
    state.counters["pairs/problem"] =
        benchmark::Counter(static_cast<double>(pairs), benchmark::Counter::kAvgIterations);
}

// The expected number of pairs for Division alone, counted exactly: the first
// pair is always drawn, then the loop draws until a pair fits.
double expectedDivisionPairs(int low, int high) {
    long fitting = 0;
    for (int a = low; a <= high; ++a)
        for (int b = low; b <= high; ++b)
            if (engine::ruleHolds(engine::Operator::Division, a, b)) ++fitting;
    const double n = high - low + 1;
    return 1.0 + n * n / static_cast<double>(fitting);
}

struct Result {
    double medianUs = 0;     // processor time per problem
    double medianWallUs = 0; // real time per problem, other processes' turns included
    double pairs = 0;
};

// Prints the usual console table and keeps the medians of the repetitions.
class CollectingReporter final : public benchmark::ConsoleReporter {
public:
    CollectingReporter() : ConsoleReporter(OO_Tabular) {}  // no colour codes in the log
    std::map<std::string, Result> medians;
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Aggregate || run.aggregate_name != "median") continue;
            Result r;
            r.medianUs = run.GetAdjustedCPUTime();
            r.medianWallUs = run.GetAdjustedRealTime();
            if (auto it = run.counters.find("pairs/problem"); it != run.counters.end()) r.pairs = it->second;
            medians[run.run_name.function_name] = r;
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

std::string f(double v, int d) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", d, v);
    return buf;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> names;
    for (const auto& ops : kOperatorSets)
        for (const auto& lv : kLevelRows) {
            engine::Selection sel;
            sel.operators = ops.ticked;
            sel.levels = lv.levels;
            names.push_back(std::string(ops.name) + " at " + lv.name);
            benchmark::RegisterBenchmark(names.back().c_str(), generate, sel)
                ->Unit(benchmark::kMicrosecond)
                ->Repetitions(5)
                ->ReportAggregatesOnly(true)
                ->MinTime(0.05);
        }
    benchmark::Initialize(&argc, argv);
    CollectingReporter reporter;
    // The console table goes to the log; the summary rows to the output.
    reporter.SetOutputStream(&std::cerr);
    reporter.SetErrorStream(&std::cerr);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    if (reporter.medians.size() != names.size()) {
        std::fprintf(stderr, "benchmark failed: %zu of %zu cells ran\n", reporter.medians.size(), names.size());
        return 2;
    }

    std::string worst;
    for (const auto& [name, r] : reporter.medians)
        if (worst.empty() || r.medianUs > reporter.medians[worst].medianUs) worst = name;
    const Result& w = reporter.medians[worst];

    // The spread of single problems in the worst cell: the rule loop's pair
    // count is geometric, so a few problems take several times the mean.
    engine::Selection sel;
    for (const auto& ops : kOperatorSets)
        for (const auto& lv : kLevelRows)
            if (worst == std::string(ops.name) + " at " + lv.name) {
                sel.operators = ops.ticked;
                sel.levels = lv.levels;
            }
    engine::Mt19937Source random(7);
    std::vector<double> single, singleWall;
    const auto cpuUs = [] {
        timespec ts{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
        return static_cast<double>(ts.tv_sec) * 1e6 + static_cast<double>(ts.tv_nsec) / 1e3;
    };
    for (int i = 0; i < 20000; ++i) {
        const double c0 = cpuUs();
        const auto t0 = std::chrono::steady_clock::now();
        engine::Problem p = engine::generateProblem(sel, random);
        benchmark::DoNotOptimize(p);
        const auto t1 = std::chrono::steady_clock::now();
        single.push_back(cpuUs() - c0);
        singleWall.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count());
    }
    std::sort(single.begin(), single.end());
    std::sort(singleWall.begin(), singleWall.end());
    const double p99 = single[single.size() * 99 / 100];
    const double p99Wall = singleWall[singleWall.size() * 99 / 100];

    std::printf("ROW\tproblem generation, worst cell (CPU time)\t%s, median of 5 repetitions\t%s us\t"
                "real time %s us; single problems p99 %s us (real %s us)\t-\t-\t<= 50 us per problem\t%s\n",
                worst.c_str(), f(w.medianUs, 2).c_str(), f(w.medianWallUs, 2).c_str(), f(p99, 1).c_str(),
                f(p99Wall, 1).c_str(), w.medianUs <= 50.0 ? "met" : "MISSED");
    const std::string divHard = "Division at Hard";
    const double expected = expectedDivisionPairs(100, 999);
    const double measured = reporter.medians[divHard].pairs;
    std::printf("ROW\tpairs drawn per problem\t%s\t%s\t-\t-\t-\texpected %s (exact count)\t%s\n",
                divHard.c_str(), f(measured, 1).c_str(), f(expected, 1).c_str(),
                std::fabs(measured / expected - 1.0) <= 0.05 ? "met" : "MISSED");
    std::printf("ROW\t  (time per problem, CPU)\t%s\t%s us\treal time %s us\t-\t-\t<= 50 us per problem\t%s\n",
                divHard.c_str(), f(reporter.medians[divHard].medianUs, 2).c_str(),
                f(reporter.medians[divHard].medianWallUs, 2).c_str(),
                reporter.medians[divHard].medianUs <= 50.0 ? "met" : "MISSED");
    std::fflush(stdout);
    return 0;
}
