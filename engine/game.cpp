#include "game.h"

#include <array>

#include "int16.h"
#include "quiz.h"
#include "texts.h"

namespace engine {

void Game::load(Steps& s) {
    s.step(132, [&] { NumProb = 0; });
    s.step(134, [&] { NumRight = 0; });
    s.step(136, [&] { TimeLimit = kTimeLimit; });
    s.step(138, [&] { SecondsElapsed = 0; });
}

void Game::playAgain(Steps& s) {
    s.step(100, [&] { NumProb = 0; });
    s.step(102, [&] { NumRight = 0; });
    s.step(104, [&] { NumWrong = 0; });
    s.step(106, [&] { board_.setText(Control::Score, "0"); });
}

bool Game::noOperatorTicked() const {
    for (int i = 0; i < kOperatorBoxes; ++i)
        if (board_.ticked(optionBox(i))) return false;
    return true;
}

std::string Game::countdownText(std::int16_t secondsLeft) const {
    return board_.words(texts::kCountdown, {secondsLeft});
}

// ------------------------------------------------------- opening a problem

void Game::PushButton1_Click() {
    guards_.run(Procedure::PushButton1_Click, [&](Steps& s) {
        if (s.test(100, [&] { return noOperatorTicked(); })) {
            s.step(102, [&] { board_.warn(board_.words(texts::kNoOperator)); });
            return;
        }
        if (s.test(100, [&] {
                return !board_.ticked(Control::EasyBox) && !board_.ticked(Control::MediumBox) &&
                       !board_.ticked(Control::HardBox);
            })) {
            s.step(100, [&] { board_.warn(board_.words(texts::kNoLevel)); });
            return;
        }
        s.step(104, [&] { board_.setEnabled(Control::AnswerBox, true); });
        s.step(106, [&] { board_.setEnabled(Control::NextButton, false); });
        s.step(108, [&] { board_.setText(Control::NextButton, board_.words(texts::kNext)); });
        for (int i = 0; i < kOptionBoxes; ++i)
            s.step(110 + 2 * i, [&] { board_.setEnabled(optionBox(i), false); });
        s.step(124, [&] { board_.clear(Control::AnswerBox); });
        s.step(126, [&] { board_.clear(Control::Verdict); });
        s.step(128, [&] { increment(NumProb); });
        s.step(130, [&] {
            board_.setText(Control::Question, board_.words(texts::kQuestion, {NumProb}));
        });

        Range range;
        levelRange(s,
                   {board_.ticked(Control::EasyBox), board_.ticked(Control::MediumBox),
                    board_.ticked(Control::HardBox)},
                   range);
        std::int32_t first = 0;
        std::int32_t second = 0;
        drawPair(s,
                 {board_.ticked(Control::SubtractionBox), board_.ticked(Control::MultiplicationBox),
                  board_.ticked(Control::DivisionBox)},
                 range, random_, first, second);

        s.step(210, [&] { board_.setShown(Control::Prompt, false); });
        s.step(212, [&] { board_.setText(Control::FirstNumber, formatNumber(first)); });
        s.step(214, [&] { board_.setText(Control::SecondNumber, formatNumber(second)); });
        if (s.test(216, [&] { return board_.shown(Control::RandomSign); }))
            randomPick(s, first, second);
        else if (s.test(302, [&] { return !board_.shown(Control::RandomSign); }))
            fixedPick(s, first, second);
        s.step(328, [&] { board_.focus(Control::AnswerBox); });
        s.step(330, [&] { board_.setText(Control::Countdown, countdownText(TimeLimit)); });
        s.step(332, [&] { board_.startClock(); });
    });
}

void Game::randomPick(Steps& s, std::int32_t first, std::int32_t second) {
    std::string pick;
    double position = 0;
    s.step(218, [&] { pick.clear(); });
    for (int i = 0; i < kOperatorBoxes; ++i)
        if (s.test(220 + 4 * i, [&] { return board_.ticked(optionBox(i)); }))
            s.step(222 + 4 * i, [&] { pick += kOperators[i].sign; });
    s.step(236, [&] { position = pickPosition(random_.next(), pick.size()); });
    const auto signAt = [&] {
        const auto at = static_cast<std::size_t>(position);
        return at >= 1 && at <= pick.size() ? pick[at - 1] : '\0';
    };
    constexpr std::array<int, 4> tests{238, 254, 270, 286};
    for (int i = 0; i < kOperatorBoxes; ++i) {
        if (s.test(tests[i], [&] { return signAt() == kOperators[i].sign; })) {
            showOperator(s, i, tests[i] + 2, first, second);
            return;
        }
    }
}

void Game::showOperator(Steps& s, int index, int firstStep, std::int32_t first,
                        std::int32_t second) {
    const Operator op = kOperators[index].op;
    s.step(firstStep, [&] { CorrectAnswer = correctResult(op, first, second); });
    s.step(firstStep + 2, [&] { ProblemText = engine::problemText(op, first, second); });
    s.step(firstStep + 4, [&] { board_.setShown(Control::RandomSign, false); });
    for (int j = 0; j < kOperatorBoxes; ++j)
        s.step(firstStep + 6 + 2 * j, [&] { board_.setShown(picture(j), j == index); });
}

void Game::fixedPick(Steps& s, std::int32_t first, std::int32_t second) {
    constexpr std::array<int, 4> tests{304, 310, 316, 322};
    for (int i = 0; i < kOperatorBoxes; ++i) {
        if (s.test(tests[i], [&] { return board_.ticked(optionBox(i)); })) {
            const Operator op = kOperators[i].op;
            s.step(tests[i] + 2, [&] { CorrectAnswer = correctResult(op, first, second); });
            s.step(tests[i] + 4, [&] { ProblemText = engine::problemText(op, first, second); });
            return;
        }
    }
}

// ------------------------------------------------------------ judging

void Game::txtanswer_KeyPress(int& keyAscii) {
    guards_.run(Procedure::txtanswer_KeyPress, [&](Steps& s) {
        if (s.test(100, [&] { return !board_.enabled(Control::AnswerBox); })) return;
        if (s.test(102, [&] { return (keyAscii >= '0' && keyAscii <= '9') || keyAscii == 8; }))
            return;
        if (!s.test(104, [&] { return keyAscii == 13; })) {
            s.step(156, [&] { keyAscii = 0; });
            return;
        }
        // Judged the Enter way.
        std::int32_t typed = 0;
        s.step(106, [&] { typed = readTypedAnswer(board_.text(Control::AnswerBox)); });
        s.step(108, [&] { board_.setShown(Control::Prompt, true); });
        judge(s, typed, 110, {112, 114, 116, 118, 126}, {130, 128, 132, 134, 142});
        s.step(144, [&] {
            board_.setText(Control::Score, formatNumber(displayedScore(NumRight, NumWrong)));
        });
        s.step(146, [&] {
            board_.setEnabled(Control::NextButton, true);
            board_.problemJudged();
        });
        s.step(148, [&] { board_.focus(Control::NextButton); });
        s.step(150, [&] { board_.stopClock(); });
        s.step(152, [&] { SecondsElapsed = 0; });
        s.step(154, [&] { board_.setEnabled(Control::AnswerBox, false); });
        if (s.test(154, [&] { return MultiOpMode; }))
            s.step(154, [&] { board_.setShown(Control::RandomSign, true); });
    });
}

void Game::judge(Steps& s, std::int32_t typed, int compareStep, BranchSteps right,
                 BranchSteps wrong) {
    if (s.test(compareStep, [&] { return typed == CorrectAnswer; })) {
        s.step(right.counter, [&] { increment(NumRight); });
        s.step(right.message, [&] { board_.setText(Control::Verdict, board_.words(texts::kThatsCorrect)); });
        writeRow(s, right, typed, board_.words(texts::kCorrect));
    } else {
        s.step(wrong.message, [&] {
            board_.setText(Control::Verdict, board_.words(texts::kWrongAnswerIs, {CorrectAnswer}));
        });
        s.step(wrong.counter, [&] { increment(NumWrong); });
        writeRow(s, wrong, typed, board_.words(texts::kWrong));
    }
}

void Game::writeRow(Steps& s, const BranchSteps& steps, std::int32_t typed,
                    std::string_view verdict) {
    // Should the row fail to be added, the cells below must not land in the
    // previous judgement's row, which the reference would otherwise still name.
    ResultRow = {};
    s.step(steps.row, [&] { ResultRow = board_.summary().addRow(formatNumber(NumProb)); });
    const std::array<std::string, 4> cells{ProblemText, formatNumber(typed),
                                           formatNumber(CorrectAnswer), std::string(verdict)};
    for (int i = 0; i < 4; ++i)
        s.step(steps.firstCell + 2 * i,
               [&] { board_.summary().setCell(ResultRow, i + 1, cells[i]); });
    s.step(steps.scoreLine, [&] {
        board_.summary().setScoreLine(
            board_.words(texts::kScoreLine, {displayedScore(NumRight, NumWrong), NumProb}));
    });
}

// ------------------------------------------------------------ the countdown

void Game::Timer1_Timer() {
    // A tick that arrives while an error report waits is dropped: the
    // procedure behind the report may be judging this very problem.
    if (guards_.reportOpen()) return;
    guards_.run(Procedure::Timer1_Timer, [&](Steps& s) { s.step(100, [&] { Answer(); }); });
}

void Game::Answer() {
    guards_.run(Procedure::Answer, [&](Steps& s) {
        s.step(100, [&] { increment(SecondsElapsed); });
        s.step(102, [&] { board_.setCountdownLength(TimeLimit); });
        if (s.test(104, [&] { return SecondsElapsed <= TimeLimit; }))
            s.step(106, [&] { board_.setCountdown(SecondsElapsed); });
        s.step(108, [&] {
            board_.setText(Control::Countdown,
                           countdownText(checked16(TimeLimit - SecondsElapsed)));
        });
        s.step(110, [&] { board_.letWaitingEventsRun(); });
        if (s.test(112, [&] { return SecondsElapsed < TimeLimit; })) return;

        s.step(114, [&] {
            board_.setText(Control::Countdown, board_.words(texts::kTimeIsOver));
            board_.timeIsOver();
        });
        std::int32_t typed = 0;
        if (s.test(116, [&] { return board_.text(Control::AnswerBox).empty(); }))
            s.step(118, [&] { typed = 0; });
        else
            s.step(120, [&] { typed = readTypedAnswer(board_.text(Control::AnswerBox)); });
        judge(s, typed, 122, {124, 126, 128, 130, 138}, {142, 140, 144, 146, 154});
        s.step(156, [&] {
            board_.setText(Control::Score, formatNumber(displayedScore(NumRight, NumWrong)));
        });

        s.step(158, [&] {
            board_.setEnabled(Control::NextButton, true);
            board_.problemJudged();
        });
        for (int i = 0; i < kOptionBoxes; ++i)
            s.step(160 + 2 * i, [&] { board_.setEnabled(optionBox(i), true); });
        s.step(174, [&] { board_.stopClock(); });
        s.step(174, [&] { board_.setEnabled(Control::AnswerBox, false); });
        s.step(176, [&] { SecondsElapsed = 0; });
        s.step(176, [&] { board_.pointerAtRest(); });
        s.step(178, [&] { board_.setCountdown(0); });
        s.step(178, [&] { board_.setText(Control::Countdown, board_.words(texts::kBarAtRest)); });
        if (s.test(180, [&] { return MultiOpMode; }))
            s.step(182, [&] { board_.setShown(Control::RandomSign, true); });
    });
}

// ------------------------------------------------ option boxes (no guard)

void Game::OperatorBox_Click(int index) {
    if (guards_.ended()) return;
    if (board_.ticked(optionBox(index))) {
        bool another = false;
        for (int i = 0; i < kOperatorBoxes; ++i)
            if (i != index && board_.ticked(optionBox(i))) another = true;
        MultiOpMode = another;
        board_.setShown(Control::RandomSign, another);
        if (!another) board_.setShown(picture(index), true);
        return;
    }
    board_.setShown(picture(index), false);
    if (noOperatorTicked()) {
        board_.warn(board_.words(texts::kNoOperator));
        if (guards_.ended()) return;
        board_.setShown(Control::RandomSign, false);
        MultiOpMode = false;
    }
}

void Game::LevelBox_Click(int index) {
    if (guards_.ended()) return;
    if (board_.ticked(levelBox(index))) return;
    bool other = false;
    for (int i = 0; i < 3; ++i)
        if (i != index && board_.ticked(levelBox(i))) other = true;
    if (!other) board_.warn(board_.words(texts::kNoLevel));
}

}  // namespace engine
