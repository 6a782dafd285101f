#include <gtest/gtest.h>

#include <cstdint>
#include <string>
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
    f.NumProb = 32766;
    g.enter();  // Question 32767
    g.answer(false);
    g.boxes.shown.clear();
    g.enter();
    EXPECT_EQ(texts(g.boxes), std::vector<std::string>{frame::errorReportText("Overflow", where::kForm1Next, 128)});
    EXPECT_EQ(f.NumProb, 32767);
    EXPECT_EQ(f.lblQuestion->text(), "Question 32767");
    // The rest of the press ran: the countdown is on and the button waits.
    EXPECT_TRUE(f.Timer1->isActive());
    EXPECT_FALSE(f.PushButton1->isEnabled());
    EXPECT_EQ(f.ProgressBar1->text(), "You have 10 seconds to answer this question.");
    const QString problem = QString::fromStdString(f.problemText());
    EXPECT_FALSE(problem.isEmpty());
    g.answer(true);
    const QStringList row = rowCells(g.summary(), g.summary()->rowCount() - 1);
    ASSERT_EQ(row.size(), 5);
    EXPECT_EQ(row[0], "32767");
    EXPECT_EQ(row[1], problem);
    EXPECT_EQ(row[4], "Correct!");
    EXPECT_EQ(g.summary()->Label1->text(), "Your score is 1 in 32767 total questions.");
}

TEST(Overflow, NumRightAt32767ByEnterAndByTimeOut) {
    for (bool byTimeOut : {false, true}) {
        SCOPED_TRACE(byTimeOut ? "time-out" : "Enter");
        Game g;
        auto& f = g.start();
        f.NumRight = 32766;
        g.answer(true);  // the 32767th right answer
        EXPECT_TRUE(g.boxes.shown.empty());
        g.enter();
        const QString answer = QString::number(f.correctAnswer());
        const QString problem = QString::fromStdString(f.problemText());
        g.type(answer);
        if (byTimeOut)
            g.ticks(10);
        else
            g.enter();
        EXPECT_EQ(texts(g.boxes),
                  std::vector<std::string>{frame::errorReportText(
                      "Overflow", byTimeOut ? where::kForm1Answer : where::kForm1KeyPress, byTimeOut ? 124 : 112)});
        EXPECT_EQ(f.NumRight, 32767);
        EXPECT_EQ(f.lblmessage->text(), "That's correct!");
        EXPECT_EQ(g.summary()->rowCount(), 2);
        EXPECT_EQ(rowCells(g.summary(), 1), (QStringList{"2", problem, answer, answer, "Correct!"}));
        EXPECT_EQ(f.lblscore->text(), "32767");
        EXPECT_EQ(g.summary()->Label1->text(), "Your score is 32767 in 2 total questions.");
        // The rest of the judgement ran as well.
        EXPECT_FALSE(f.txtanswer->isEnabled());
        EXPECT_TRUE(f.PushButton1->isEnabled());
    }
}

TEST(Overflow, NumWrongAt32767ByEnterAndByTimeOut) {
    for (bool byTimeOut : {false, true}) {
        SCOPED_TRACE(byTimeOut ? "time-out" : "Enter");
        Game g;
        auto& f = g.start();
        f.NumWrong = 32766;
        g.answer(false);
        EXPECT_TRUE(g.boxes.shown.empty());
        g.enter();
        if (byTimeOut)
            g.ticks(10);
        else
            g.enter();
        EXPECT_EQ(texts(g.boxes),
                  std::vector<std::string>{frame::errorReportText(
                      "Overflow", byTimeOut ? where::kForm1Answer : where::kForm1KeyPress,
                      byTimeOut ? 142 : 130)});
        EXPECT_EQ(f.NumWrong, 32767);
        EXPECT_EQ(f.lblmessage->text(),
                  QStringLiteral("Wrong! Answer: %1").arg(f.correctAnswer()));
        EXPECT_EQ(g.summary()->rowCount(), 2);
        EXPECT_EQ(rowCells(g.summary(), 1).value(4), "Wrong!");
        EXPECT_EQ(f.lblscore->text(), "-32767");
        EXPECT_EQ(g.summary()->Label1->text(), "Your score is -32767 in 2 total questions.");
    }
}
