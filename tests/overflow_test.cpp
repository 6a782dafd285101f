#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/fault.h"
#include "engine/int16.h"
#include "frame/guard.h"
#include "support.h"

using testing_support::Game;
using testing_support::rowCells;
using testing_support::texts;
namespace where = frame::where;

// The game's counters are 16 bits wide. At the top, an increment is an
// overflow fault and the counter keeps its value; the bottom is no fault.
TEST(Overflow, CounterFaultsAtTheTopAndKeepsItsValue) {
    std::int16_t counter = 32767;
    try {
        engine::increment(counter);
        ADD_FAILURE() << "no fault";
    } catch (const engine::Fault& f) {
        EXPECT_STREQ(f.what(), "Overflow");
    }
    EXPECT_EQ(counter, 32767);

    std::int16_t lowest = -32768;
    engine::increment(lowest);
    EXPECT_EQ(lowest, -32767);
    EXPECT_EQ(engine::checked16(-32768), -32768);
    EXPECT_THROW(engine::checked16(-32769), engine::Fault);
}

// Each counter of the game at 32767 meets its increment in a real flow: one
// overflow report at that step, the counter stays, the judgement or the press
// goes on with the message, the row and the score line.
TEST(Overflow, NumProbAt32767) {
    Game g;
    auto& f = g.start();
    g.answer(true);
    f.game().NumProb = 32766;
    g.enter();  // Question 32767
    g.answer(false);
    g.boxes.shown.clear();
    g.enter();
    EXPECT_EQ(texts(g.boxes),
              std::vector<std::string>{frame::errorReportText("Overflow", where::kForm1Next, 128)});
    EXPECT_EQ(f.game().NumProb, 32767);
    EXPECT_EQ(f.lblQuestion->text(), "Question 32767");
    // The rest of the press ran: the countdown is on and the button waits.
    EXPECT_TRUE(f.Timer1->isActive());
    EXPECT_FALSE(f.PushButton1->isEnabled());
    EXPECT_EQ(f.ProgressBar1->text(), testing_support::secondsLeft(engine::kTimeLimit));
    const QString problem = QString::fromStdString(f.game().problemText());
    EXPECT_FALSE(problem.isEmpty());
    g.answer(true);
    const QStringList row = rowCells(g.summary(), g.summary()->rowCount() - 1);
    ASSERT_EQ(row.size(), 5);
    EXPECT_EQ(row[0], "32767");
    EXPECT_EQ(row[1], problem);
    EXPECT_EQ(row[4], "Correct!");
    EXPECT_EQ(parts::Label1(g.summary())->text(), "Your score is 1 in 32767 total questions.");
}

// Both judgement counters, by Enter and by time-out, each with the step that
// counts it.
TEST(Overflow, NumRightAndNumWrongAt32767) {
    struct Way {
        bool right;
        bool byTimeOut;
        std::string_view location;
        int step;
    };
    for (const Way& w :
         {Way{true, false, where::kForm1KeyPress, 112}, Way{true, true, where::kForm1Answer, 124},
          Way{false, false, where::kForm1KeyPress, 130},
          Way{false, true, where::kForm1Answer, 142}}) {
        SCOPED_TRACE(std::string(w.right ? "right" : "wrong") +
                     (w.byTimeOut ? " by time-out" : " by Enter"));
        Game g;
        auto& f = g.start();
        std::int16_t& counter = w.right ? f.game().NumRight : f.game().NumWrong;
        counter = 32766;
        g.answer(w.right);  // the 32767th
        EXPECT_TRUE(g.boxes.shown.empty());
        g.enter();
        const QString correct = QString::number(f.game().correctAnswer());
        const QString typed = QString::number(f.game().correctAnswer() + (w.right ? 0 : 1));
        const QString problem = QString::fromStdString(f.game().problemText());
        g.type(typed);
        if (w.byTimeOut)
            g.ticks(engine::kTimeLimit);
        else
            g.enter();
        EXPECT_EQ(texts(g.boxes),
                  std::vector<std::string>{frame::errorReportText("Overflow", w.location, w.step)});
        EXPECT_EQ(counter, 32767);
        EXPECT_EQ(f.lblmessage->text(), w.right ? "That's correct!" : "Wrong! Answer: " + correct);
        EXPECT_EQ(rowCells(g.summary(), 1),
                  (QStringList{"2", problem, typed, correct, w.right ? "Correct!" : "Wrong!"}));
        const QString score = w.right ? "32767" : "-32767";
        EXPECT_EQ(f.lblscore->text(), score);
        EXPECT_EQ(parts::Label1(g.summary())->text(), "Your score is " + score + " in 2 total questions.");
        // The rest of the judgement ran as well.
        EXPECT_FALSE(f.txtanswer->isEnabled());
        EXPECT_TRUE(f.PushButton1->isEnabled());
    }
}
