#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support.h"

using testing_support::drawOf;
using testing_support::Game;
using testing_support::texts;
using windows::shown;

namespace {

const std::string kNoOperator = "You must select at least one operator";
const std::string kNoLevel = "You must select at least one game level";

// Which operator pictures are shown, as "+-*/" letters.
std::string picturesShown(windows::Form1& f) {
    std::string out;
    const char signs[] = {'+', '-', '*', '/'};
    const auto pics = f.pictures();
    for (int i = 0; i < 4; ++i)
        if (shown(pics[i])) out += signs[i];
    return out;
}

}  // namespace

TEST(Selection, SecondOperatorShowsTheQuestionMarkAndUntickingItKeepsIt) {
    Game game;
    auto& f = game.start(false);
    ASSERT_EQ(picturesShown(f), "+");
    ASSERT_FALSE(shown(f.lblMultiOp));

    game.click(f.Check2);
    EXPECT_EQ(f.Check2->value(), 1);
    EXPECT_TRUE(shown(f.lblMultiOp));
    EXPECT_TRUE(f.game().multiOpMode());
    EXPECT_EQ(picturesShown(f), "+");  // under the "?", left as it was

    // One operator is left, yet the "?" and the random pick stay.
    game.click(f.Check2);
    EXPECT_EQ(f.Check2->value(), 0);
    EXPECT_TRUE(shown(f.lblMultiOp));
    EXPECT_TRUE(f.game().multiOpMode());
    EXPECT_EQ(picturesShown(f), "+");
    EXPECT_TRUE(texts(game.boxes).empty());

    // The pick among the one ticked operator hides the "?"; the judgement
    // brings it back.
    game.random.push(drawOf(2, 1, 9));
    game.random.push(drawOf(5, 1, 9));
    f.showCentred();
    Game::settle();
    ASSERT_EQ(f.lblQuestion->text(), "Question 1");
    EXPECT_FALSE(shown(f.lblMultiOp));
    EXPECT_EQ(picturesShown(f), "+");
    EXPECT_EQ(f.game().problemText(), "2 + 5");
    game.answer(true);
    EXPECT_TRUE(shown(f.lblMultiOp));
}

TEST(Selection, UntickingTheLastOperatorWarnsAndClearsTheDisplay) {
    Game game;
    auto& f = game.start(false);
    game.click(f.Check3);  // "?" over the plus
    game.click(f.Check1);  // Multiplication alone, "?" still shown
    ASSERT_TRUE(shown(f.lblMultiOp));
    EXPECT_TRUE(texts(game.boxes).empty());

    game.click(f.Check3);
    EXPECT_EQ(texts(game.boxes), std::vector<std::string>{kNoOperator});
    EXPECT_EQ(game.boxes.shown.back().title, "Quillory");
    for (auto* box : f.operatorBoxes()) EXPECT_EQ(box->value(), 0);
    EXPECT_FALSE(shown(f.lblMultiOp));
    EXPECT_FALSE(f.game().multiOpMode());
    EXPECT_EQ(picturesShown(f), "");
    EXPECT_EQ(f.game().NumProb, 0);

    // Ticking one operator from nothing shows its own picture.
    game.click(f.Check4);
    EXPECT_EQ(f.Check4->value(), 1);
    EXPECT_EQ(picturesShown(f), "/");
    EXPECT_FALSE(shown(f.lblMultiOp));
    EXPECT_FALSE(f.game().multiOpMode());
    EXPECT_EQ(game.boxes.shown.size(), 1u);
}

TEST(Selection, OnlyUntickingTheLastLevelWarns) {
    Game game;
    auto& f = game.start(false);
    game.click(f.Check7);  // ticking never warns
    game.click(f.Check5);  // Hard is still ticked
    EXPECT_TRUE(texts(game.boxes).empty());
    EXPECT_EQ(f.Check5->value(), 0);

    game.click(f.Check7);
    EXPECT_EQ(texts(game.boxes), std::vector<std::string>{kNoLevel});
    EXPECT_EQ(game.boxes.shown.back().title, "Quillory");
    for (auto* box : f.levelBoxes()) EXPECT_EQ(box->value(), 0);

    for (auto* box : f.levelBoxes()) game.click(box);
    for (auto* box : f.levelBoxes()) EXPECT_EQ(box->value(), 1);
    game.click(f.Check6);
    game.click(f.Check5);
    EXPECT_EQ(game.boxes.shown.size(), 1u);
    // The operator display is no business of the level boxes.
    EXPECT_EQ(picturesShown(f), "+");
    EXPECT_FALSE(shown(f.lblMultiOp));
}

TEST(Selection, RandomPickShowsExactlyTheChosenPictureAndJudgementsRestoreTheQuestionMark) {
    Game game;
    auto& f = game.start(false);
    for (auto* box : {f.Check2, f.Check3, f.Check4}) game.click(box);
    ASSERT_TRUE(shown(f.lblMultiOp));
    ASSERT_TRUE(f.game().multiOpMode());

    // 8 and 2 fit every rule, so each ticked operator's loop takes one pair;
    // then the pick position, 1 to 4 along "+-*/".
    struct Pick {
        double r;
        std::string picture;
        std::string problem;
        int result;
    };
    const std::vector<Pick> picks{{0.10, "+", "8 + 2", 10},
                                  {0.30, "-", "8 - 2", 6},
                                  {0.60, "*", "8 X 2", 16},
                                  {0.90, "/", "8 / 2", 4}};
    for (const Pick& p : picks) {
        for (int pair = 0; pair < 4; ++pair) {
            game.random.push(drawOf(8, 1, 9));
            game.random.push(drawOf(2, 1, 9));
        }
        game.random.push(p.r);
    }

    f.showCentred();
    Game::settle();
    for (std::size_t i = 0; i < picks.size(); ++i) {
        SCOPED_TRACE(picks[i].problem);
        if (i > 0) game.enter();
        ASSERT_EQ(f.game().NumProb, int(i + 1));
        EXPECT_FALSE(shown(f.lblMultiOp));
        EXPECT_EQ(picturesShown(f), picks[i].picture);
        EXPECT_EQ(f.game().problemText(), picks[i].problem);
        EXPECT_EQ(f.game().correctAnswer(), picks[i].result);
        // Judged by Enter and by time-out in turn: both show the "?" again.
        if (i % 2 == 0) {
            game.answer(true);
            EXPECT_EQ(f.lblmessage->text(), "That's correct!");
        } else {
            game.ticks(engine::kTimeLimit);
            EXPECT_EQ(f.lblmessage->text(),
                      QStringLiteral("Wrong! Answer: %1").arg(picks[i].result));
        }
        EXPECT_TRUE(shown(f.lblMultiOp));
        EXPECT_TRUE(f.game().multiOpMode());
    }
    EXPECT_EQ(game.random.scriptedLeft(), 0u);
    EXPECT_TRUE(texts(game.boxes).empty());
}

TEST(Selection, SingleOperatorJudgementsLeaveTheQuestionMarkHidden) {
    Game game;
    auto& f = game.start();
    game.answer(true);
    EXPECT_FALSE(shown(f.lblMultiOp));
    game.enter();
    game.ticks(engine::kTimeLimit);
    EXPECT_FALSE(shown(f.lblMultiOp));
    EXPECT_EQ(picturesShown(f), "+");
}
