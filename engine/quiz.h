#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "fault.h"
#include "int16.h"
#include "texts.h"
#include "uniform_source.h"

namespace engine {

enum class Operator { Addition, Subtraction, Multiplication, Division };

struct OperatorInfo {
    Operator op;
    char sign;              // its character in the random pick string
    std::string_view text;  // what stands between the numbers in the problem text
    std::string_view name;  // how the operator is spoken, a marked text (texts.h)
};

// In the order of the operator boxes: this order is the order of the pick string.
inline constexpr std::array<OperatorInfo, 4> kOperators{{
    {Operator::Addition, '+', " + ", texts::kPlus},
    {Operator::Subtraction, '-', " - ", texts::kMinus},
    {Operator::Multiplication, '*', " X ", texts::kTimes},
    {Operator::Division, '/', " / ", texts::kDividedBy},
}};

inline const OperatorInfo& info(Operator op) { return kOperators[static_cast<int>(op)]; }
std::optional<Operator> operatorForSign(char sign);

// The rule each operator puts on the pair (first, second). Division faults on a
// zero divisor, which no level range produces.
bool ruleHolds(Operator op, std::int32_t first, std::int32_t second);

// The correct result in 32-bit arithmetic; division goes through floating
// point and is rounded half to even, exact because the rule makes it whole.
std::int32_t correctResult(Operator op, std::int32_t first, std::int32_t second);

std::string problemText(Operator op, std::int32_t first, std::int32_t second);

// The "#0" format: decimal, at least one digit, no grouping, '-' when negative.
std::string formatNumber(long long value);

struct Levels {
    bool easy = false;
    bool medium = false;
    bool hard = false;
};

struct Range {
    std::int16_t low = 0;
    std::int16_t high = 0;
};

// floor((high - low + 1) * r + low), the count as a 16-bit integer.
std::int32_t drawNumber(Range range, double r);

// Rounds half to even and faults when the value does not fit 32 bits.
std::int32_t roundToInt32(double value);

// The typed answer: the longest leading part of the text that reads as a
// number, blanks anywhere ignored, rounded half to even; 0 when nothing reads.
// Faults when the number does not fit the 32 bits of the correct answer.
std::int32_t readTypedAnswer(std::string_view text);

// 1-based position in a pick string of the given length for a uniform r.
int pickPosition(double r, std::size_t length);

int displayedScore(std::int16_t right, std::int16_t wrong);
// The summary's score line in English.
std::string scoreLine(int score, std::int16_t numProb);

// Pairs drawn before a rule loop gives up. No level range ever needs more than
// a few thousand; the bound only stops a range broken by an earlier fault from
// hanging the window.
inline constexpr long kMaxPasses = 1'000'000;

// The level table, rows tested from the top; the first row whose boxes are all
// ticked sets the range. Easy with Hard but not Medium falls to the Easy row.
template <class Steps>
void levelRange(Steps& s, Levels lv, Range& range) {
    auto row = [&](int testStep, bool ticked, std::int16_t low, std::int16_t high) {
        if (!s.test(testStep, [&] { return ticked; }))
            return false;
        s.step(testStep + 2, [&] { range.low = low; });
        s.step(testStep + 4, [&] { range.high = high; });
        return true;
    };
    row(146, lv.easy && lv.medium && lv.hard, 1, 999) ||
        row(152, lv.easy && lv.medium, 1, 99) ||
        row(158, lv.medium && lv.hard, 10, 999) ||
        row(164, lv.easy, 1, 9) ||
        row(170, lv.medium, 10, 99) ||
        row(176, lv.hard, 100, 999);
}

struct Ticked {
    bool subtraction = false;
    bool multiplication = false;
    bool division = false;
};

// Draws the pair and runs the rule loops of the ticked operators in the order
// Subtraction, Multiplication, Division; each loop draws both numbers afresh on
// every pass, so the pair that leaves the last loop obeys every ticked rule.
template <class Steps>
void drawPair(Steps& s, Ticked t, Range range, UniformSource& rnd, std::int32_t& first,
              std::int32_t& second, long* pairsDrawn = nullptr) {
    auto draw = [&](int step, std::int32_t& into) {
        s.step(step, [&] { into = drawNumber(range, rnd.next()); });
    };
    auto pass = [&](int firstStep) {
        draw(firstStep, first);
        draw(firstStep + 2, second);
        if (pairsDrawn) ++*pairsDrawn;
    };
    auto loop = [&](int testStep, auto&& fits) {
        long passes = 0;
        do {
            pass(testStep + 2);
        } while (!s.test(testStep + 6, [&] {
            if (++passes >= kMaxPasses) throw Fault(faults::kNoFittingPair);
            return fits();
        }));
    };

    pass(182);
    if (s.test(186, [&] { return t.subtraction; }))
        loop(186, [&] { return second < first; });
    if (s.test(194, [&] { return t.multiplication; }))
        loop(194, [&] {
            return ruleHolds(Operator::Multiplication, first, second) &&
                   (!t.subtraction || second < first);
        });
    if (s.test(202, [&] { return t.division; }))
        loop(202, [&] { return ruleHolds(Operator::Division, first, second); });
}

// A whole problem outside any window: what a press of Start/Next computes.
struct Selection {
    std::array<bool, 4> operators{};  // in box order: + - * /
    Levels levels;
};

struct Problem {
    std::int32_t first = 0;
    std::int32_t second = 0;
    Operator op = Operator::Addition;
    std::int32_t correct = 0;
    std::string text;
};

// The pick string: one sign per ticked operator, in box order.
std::string pickString(const std::array<bool, 4>& operators);

// Draws a problem for a selection with at least one operator and one level,
// picking among the ticked operators at random as the "?" sign does.
Problem generateProblem(const Selection& sel, UniformSource& rnd, long* pairsDrawn = nullptr);

}  // namespace engine
