#pragma once

#include <cstdint>
#include <string>

#include "board.h"
#include "steps.h"
#include "uniform_source.h"

namespace engine {

// The seconds a problem stands open; at the last one it is judged as it stands.
inline constexpr std::int16_t kTimeLimit = 10;

// The game: its state and its procedures, each a list of numbered steps run
// under the window's error guard. Opening a problem, judging it by Enter or
// by time-out, the countdown and the option boxes' rules all live here; the
// window only builds the controls and hands their events on.
class Game {
public:
    Game(Board& board, Guards& guards, UniformSource& random)
        : board_(board), guards_(guards), random_(random) {}

    // The counters: problems opened, answers right and wrong.
    std::int16_t NumProb = 0;
    std::int16_t NumRight = 0;
    std::int16_t NumWrong = 0;

    // The game's part of loading the window, steps 132 to 138.
    void load(Steps& s);
    // The game's part of Play Again, steps 100 to 106.
    void playAgain(Steps& s);

    // Start or Next: opens a problem, or warns when nothing is ticked.
    void PushButton1_Click();
    // A character typed into the answer box; Enter judges. Sets keyAscii to 0
    // for a character the box must not take.
    void txtanswer_KeyPress(int& keyAscii);
    // The countdown's tick; the tenth judges.
    void Timer1_Timer();
    void OperatorBox_Click(int index);  // the operator boxes as 0..3
    void LevelBox_Click(int index);     // the level boxes as 0..2

    std::int32_t correctAnswer() const { return CorrectAnswer; }
    const std::string& problemText() const { return ProblemText; }
    std::int16_t timeLimit() const { return TimeLimit; }
    std::int16_t secondsElapsed() const { return SecondsElapsed; }
    bool multiOpMode() const { return MultiOpMode; }
    SummaryRow resultRow() const { return ResultRow; }

private:
    // Step numbers of one branch of a judgement.
    struct BranchSteps {
        int counter, message, row, firstCell, scoreLine;
    };
    void Answer();
    void judge(Steps& s, std::int32_t typed, int compareStep, BranchSteps right, BranchSteps wrong);
    void writeRow(Steps& s, const BranchSteps& steps, std::int32_t typed, std::string_view verdict);
    void randomPick(Steps& s, std::int32_t first, std::int32_t second);
    void fixedPick(Steps& s, std::int32_t first, std::int32_t second);
    void showOperator(Steps& s, int index, int firstStep, std::int32_t first, std::int32_t second);
    std::string countdownText(std::int16_t secondsLeft) const;
    bool noOperatorTicked() const;

    Board& board_;
    Guards& guards_;
    UniformSource& random_;

    std::int32_t CorrectAnswer = 0;
    std::int16_t TimeLimit = 0;
    std::int16_t SecondsElapsed = 0;
    bool MultiOpMode = false;
    std::string ProblemText;
    SummaryRow ResultRow;
};

}  // namespace engine
