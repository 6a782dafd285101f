#include "quiz.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

#include "steps.h"

namespace engine {

std::optional<Operator> operatorForSign(char sign) {
    for (const auto& o : kOperators)
        if (o.sign == sign) return o.op;
    return std::nullopt;
}

bool ruleHolds(Operator op, std::int32_t first, std::int32_t second) {
    switch (op) {
    case Operator::Addition:
        return true;
    case Operator::Subtraction:
        return second < first;
    case Operator::Multiplication:
        return first != 1 && second != 1;
    case Operator::Division:
        if (second == 0) throw Fault(faults::kDivisionByZero);
        return first % second == 0 && first != 1 && second != 1 && first != second;
    }
    return false;
}

std::int32_t roundToInt32(double value) {
    if (!std::isfinite(value)) throw Fault(faults::kOverflow);
    // nearbyint rounds half to even in the default rounding mode.
    const double rounded = std::nearbyint(value);
    if (rounded < -2147483648.0 || rounded > 2147483647.0) throw Fault(faults::kOverflow);
    return static_cast<std::int32_t>(rounded);
}

std::int32_t correctResult(Operator op, std::int32_t first, std::int32_t second) {
    switch (op) {
    case Operator::Addition:
        return checked32(static_cast<long long>(first) + second);
    case Operator::Subtraction:
        return checked32(static_cast<long long>(first) - second);
    case Operator::Multiplication:
        return checked32(static_cast<long long>(first) * second);
    case Operator::Division:
        if (second == 0) throw Fault(faults::kDivisionByZero);
        return roundToInt32(static_cast<double>(first) / static_cast<double>(second));
    }
    return 0;
}

std::string formatNumber(long long value) { return std::to_string(value); }

std::string problemText(Operator op, std::int32_t first, std::int32_t second) {
    std::string text = formatNumber(first);
    text += info(op).text;
    text += formatNumber(second);
    return text;
}

std::int32_t drawNumber(Range range, double r) {
    const std::int16_t count = checked16(static_cast<long long>(range.high) - range.low + 1);
    const double value = std::floor(static_cast<double>(count) * r + range.low);
    if (value < -2147483648.0 || value > 2147483647.0) throw Fault(faults::kOverflow);
    return static_cast<std::int32_t>(value);
}

std::int32_t readTypedAnswer(std::string_view text) {
    // Blanks are skipped wherever they stand, as the number is read.
    std::string compact;
    compact.reserve(text.size());
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r') compact += c;

    std::size_t i = 0;
    const auto digitAt = [&](std::size_t k) {
        return k < compact.size() && std::isdigit(static_cast<unsigned char>(compact[k]));
    };
    std::size_t start = i;
    if (i < compact.size() && (compact[i] == '+' || compact[i] == '-')) ++i;
    std::size_t digits = 0;
    while (digitAt(i)) ++i, ++digits;
    if (i < compact.size() && compact[i] == '.') {
        ++i;
        while (digitAt(i)) ++i, ++digits;
    }
    if (digits == 0) return 0;
    // An exponent counts only when digits follow it.
    if (i < compact.size() && (compact[i] == 'e' || compact[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < compact.size() && (compact[j] == '+' || compact[j] == '-')) ++j;
        if (digitAt(j)) {
            while (digitAt(j)) ++j;
            i = j;
        }
    }
    const std::string number = compact.substr(start, i - start);
    return roundToInt32(std::strtod(number.c_str(), nullptr));
}

int pickPosition(double r, std::size_t length) {
    // Adding 1 before the floor would round r just below 1 up to length + 1
    // for lengths 1, 2 and 4, a position past the end of the pick string.
    const double position = std::floor(r * static_cast<double>(length)) + 1.0;
    if (position < 1.0) throw Fault(faults::kInvalidArgument);
    return static_cast<int>(position);
}

int displayedScore(std::int16_t right, std::int16_t wrong) { return int{right} - int{wrong}; }

std::string scoreLine(int score, std::int16_t numProb) {
    return english(texts::kScoreLine, {score, numProb});
}

std::string english(std::string_view source, std::initializer_list<long long> numbers) {
    std::string text;
    text.reserve(source.size() + 8);
    for (std::size_t i = 0; i < source.size(); ++i) {
        const char next = i + 1 < source.size() ? source[i + 1] : '\0';
        if (source[i] == '%' && next == 'n' && numbers.size() > 0) {
            text += formatNumber(*numbers.begin());
            ++i;
        } else if (source[i] == '%' && next >= '1' && next <= '9' &&
                   std::size_t(next - '1') < numbers.size()) {
            text += formatNumber(numbers.begin()[next - '1']);
            ++i;
        } else {
            text += source[i];
        }
    }
    return text;
}

std::string pickString(const std::array<bool, 4>& operators) {
    std::string pick;
    for (std::size_t i = 0; i < operators.size(); ++i)
        if (operators[i]) pick += kOperators[i].sign;
    return pick;
}

Problem generateProblem(const Selection& sel, UniformSource& rnd, long* pairsDrawn) {
    PlainSteps s;
    Range range;
    levelRange(s, sel.levels, range);
    Problem p;
    const Ticked t{sel.operators[1], sel.operators[2], sel.operators[3]};
    drawPair(s, t, range, rnd, p.first, p.second, pairsDrawn);

    const std::string pick = pickString(sel.operators);
    if (pick.empty()) throw Fault(faults::kInvalidArgument);
    // One ticked operator is a fixed pick and takes no random value.
    const int position = pick.size() == 1 ? 1 : pickPosition(rnd.next(), pick.size());
    if (position > static_cast<int>(pick.size())) throw Fault(faults::kInvalidArgument);
    p.op = *operatorForSign(pick[position - 1]);
    p.correct = correctResult(p.op, p.first, p.second);
    p.text = problemText(p.op, p.first, p.second);
    return p;
}

}  // namespace engine
