#include <gtest/gtest.h>

#include "support.h"

namespace {

// A message box that, like a real modal box, lets the countdown timer fire
// while it waits: here ten ticks, a whole countdown, before OK.
class TickingBoxes final : public frame::MessageBoxes {
public:
    void show(const frame::Message& message) override {
        shown.push_back(message);
        if (form)
            for (int i = 0; i < engine::kTimeLimit; ++i) form->Timer1_Timer();
    }
    windows::Form1* form = nullptr;
    std::vector<frame::Message> shown;
};

}  // namespace

TEST(Reentry, ACountdownThatRunsOutDuringAnErrorReportDoesNotJudgeTheProblemTwice) {
    testing_support::Game game;
    TickingBoxes boxes;
    game.messages = &boxes;
    game.timeOfDay = 100.0;
    auto& f = game.start();
    boxes.form = &f;
    ASSERT_EQ(f.lblQuestion->text(), "Question 1");

    // The right answer's counter overflows; its report waits for OK while
    // the timer goes on firing.
    f.game().NumRight = 32767;
    game.answer(true);

    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_NE(boxes.shown[0].text.indexOf("at line 112"), -1);
    ASSERT_NE(game.summary(), nullptr);
    EXPECT_EQ(game.summary()->rowCount(), 1);
    EXPECT_EQ(f.game().NumWrong, 0);
    EXPECT_EQ(f.lblmessage->text(), "That's correct!");
    EXPECT_FALSE(f.Timer1->isActive());
    EXPECT_EQ(f.game().secondsElapsed(), 0);

    // Once the report is closed the countdown runs as before.
    game.enter();
    ASSERT_EQ(f.lblQuestion->text(), "Question 2");
    game.ticks(engine::kTimeLimit);
    EXPECT_EQ(game.summary()->rowCount(), 2);
}
