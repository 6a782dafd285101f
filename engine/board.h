#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "steps.h"
#include "texts.h"

namespace engine {

// The controls the game reads and changes, by what they are for. The option
// boxes come first, in the window's order, so that box i is Control(i).
enum class Control {
    // The operator boxes.
    AdditionBox,
    SubtractionBox,
    MultiplicationBox,
    DivisionBox,
    // The level boxes.
    EasyBox,
    MediumBox,
    HardBox,
    AnswerBox,   // where the child types
    NextButton,  // Start, then Next; pressed by Enter
    Prompt,      // "Press Enter key to continue"
    RandomSign,  // the "?" that stands for a randomly picked operator
    Verdict,
    Score,
    Question,  // "Question n"
    FirstNumber,
    SecondNumber,
    Countdown,  // the bar and its text
    // The operators' pictures, in the order of the boxes.
    AdditionPicture,
    SubtractionPicture,
    MultiplicationPicture,
    DivisionPicture,
};
inline constexpr int kOperatorBoxes = 4;
inline constexpr int kOptionBoxes = 7;
constexpr Control optionBox(int i) {
    return static_cast<Control>(i);
}
constexpr Control levelBox(int i) {
    return optionBox(kOperatorBoxes + i);
}
constexpr Control picture(int i) {
    return static_cast<Control>(static_cast<int>(Control::AdditionPicture) + i);
}

// A written row of the summary. The list can be emptied while the game still
// holds the row it wrote last; the generation tells a row that has gone.
struct SummaryRow {
    long index = -1;
    std::uint64_t generation = 0;
};

// The summary as the judgement writes it.
class SummaryList {
public:
    // A new row whose first cell is `number`.
    virtual SummaryRow addRow(std::string_view number) = 0;
    // Faults for a row never written or a column the list does not have; a
    // row that has since gone takes nothing.
    virtual void setCell(const SummaryRow& row, int column, std::string_view text) = 0;
    virtual void setScoreLine(std::string_view text) = 0;

protected:
    ~SummaryList() = default;
};

// What the game's procedures touch of the window around them.
class Board {
public:
    // A marked text (texts.h) in the player's words, the numbers put in
    // place of its %1, %2 or %n. The game shows nothing but through here or
    // as a bare number; a board that speaks only English takes the source.
    virtual std::string words(std::string_view source, std::initializer_list<long long> numbers) const {
        return english(source, numbers);
    }
    std::string words(std::string_view source) const { return words(source, {}); }

    virtual bool ticked(Control box) const = 0;
    virtual bool enabled(Control c) const = 0;
    virtual void setEnabled(Control c, bool enabled) = 0;
    // The control's own flag, whether or not its window is on the screen.
    virtual bool shown(Control c) const = 0;
    virtual void setShown(Control c, bool shown) = 0;
    virtual std::string text(Control c) const = 0;
    virtual void setText(Control c, std::string_view text) = 0;
    virtual void clear(Control c) = 0;
    virtual void focus(Control c) = 0;

    virtual void setCountdownLength(int seconds) = 0;
    virtual void setCountdown(int secondsGone) = 0;
    // The countdown's one-second tick.
    virtual void startClock() = 0;
    virtual void stopClock() = 0;

    virtual void warn(std::string_view text) = 0;
    // Lets the keys, clicks and repaints that wait run now, inside a tick.
    virtual void letWaitingEventsRun() = 0;
    virtual void pointerAtRest() = 0;
    // Made on first use.
    virtual SummaryList& summary() = 0;

    // For a screen reader: the verdict stands and the Next button is back;
    // and the time ran out.
    virtual void problemJudged() = 0;
    virtual void timeIsOver() = 0;

protected:
    ~Board() = default;
};

// The guarded procedures of the game, as the error guard knows them.
enum class Procedure { PushButton1_Click, txtanswer_KeyPress, Timer1_Timer, Answer };

// Runs a procedure's body under its error guard, and tells whether the
// application has ended or an error report waits for its OK.
class Guards {
public:
    virtual void run(Procedure procedure, FunctionRef<void(Steps&)> body) = 0;
    virtual bool ended() const = 0;
    virtual bool reportOpen() const = 0;

protected:
    ~Guards() = default;
};

}  // namespace engine
