#include <gtest/gtest.h>

#include "support.h"

using testing_support::Game;

TEST(Form1, StartShowsQuestionOne) {
    Game game;
    auto& f = game.start();
    EXPECT_EQ(f.lblQuestion->text(), "Question 1");
}
