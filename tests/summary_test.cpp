#include <gtest/gtest.h>

#include <QHeaderView>
#include <QTreeWidget>
#include <initializer_list>
#include <optional>
#include <utility>

#include "support.h"

using testing_support::drawOf;
using testing_support::Game;
using testing_support::rowCells;
using testing_support::scriptEasy;
using testing_support::texts;

namespace {


void expectColumnsOnce(const windows::Form2& s) {
    ASSERT_EQ(parts::ListView1(&s)->columnCount(), 5);
    const QTreeWidgetItem* header = parts::ListView1(&s)->headerItem();
    const QStringList headers{"No.", "Math problems", " Your Answer", "Correct Answer", "Result"};
    // 1000, 2000, 2000, 2000 and 1500 twips at 15 twips a pixel.
    const int widths[] = {67, 133, 133, 133, 100};
    for (int c = 0; c < 5; ++c) {
        EXPECT_EQ(header->text(c), headers[c]);
        EXPECT_EQ(parts::ListView1(&s)->columnWidth(c), widths[c]) << "column " << c;
    }
}

void endGame(Game& game) { game.click(game.form().PushButton8); }

void playAgain(Game& game) {
    game.click(parts::PushButton8(game.summary()));
    Game::settle();
}

}  // namespace

TEST(Summary, FirstJudgementCreatesItHiddenWithItsColumnsOnce) {
    Game game;
    auto& f = game.start();
    game.ticks(5);
    EXPECT_EQ(game.summary(), nullptr);

    game.answer(true);
    windows::Form2* s = game.summary();
    ASSERT_NE(s, nullptr);
    EXPECT_TRUE(s->isHidden());
    EXPECT_EQ(s->rowCount(), 1);
    expectColumnsOnce(*s);
    EXPECT_EQ(s->windowTitle(), "Summary");
    EXPECT_EQ(s->size(), QSize(600, 323));
    const Qt::WindowFlags flags = s->windowFlags();
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);

    // Shown and hidden again and again, it stays the same window with the
    // same five columns.
    for (int round = 0; round < 3; ++round) {
        endGame(game);
        EXPECT_EQ(game.summary(), s);
        EXPECT_TRUE(s->isVisible());
        playAgain(game);
        game.answer(round % 2 == 0);
    }
    EXPECT_EQ(game.summary(), s);
    expectColumnsOnce(*s);
    EXPECT_EQ(s->rowCount(), 1);
    EXPECT_TRUE(f.isVisible());
    EXPECT_TRUE(texts(game.boxes).empty());
}

TEST(Summary, EndGameBeforeAnyJudgementShowsAnEmptyList) {
    Game game;
    auto& f = game.start();
    ASSERT_EQ(game.summary(), nullptr);
    endGame(game);

    windows::Form2* s = game.summary();
    ASSERT_NE(s, nullptr);
    EXPECT_TRUE(f.isHidden());
    EXPECT_TRUE(s->isVisible());
    EXPECT_EQ(s->rowCount(), 0);
    EXPECT_EQ(parts::Label1(s)->text(), "Question ");
    expectColumnsOnce(*s);
    // Nothing of the game was touched.
    EXPECT_EQ(f.game().NumProb, 1);
    EXPECT_TRUE(f.Timer1->isActive());
    EXPECT_TRUE(f.txtanswer->isEnabled());
}

TEST(Summary, CountdownRunsOnBehindTheShownSummary) {
    Game game;
    scriptEasy(game, {1, 1, 6, 3});
    auto& f = game.start();
    game.answer(true);
    game.enter();
    game.type("8");
    game.ticks(3);
    endGame(game);
    windows::Form2* s = game.summary();
    ASSERT_TRUE(s->isVisible());
    ASSERT_EQ(s->rowCount(), 1);

    game.ticks(engine::kTimeLimit - 4);
    EXPECT_EQ(s->rowCount(), 1);
    EXPECT_EQ(f.ProgressBar1->value(), engine::kTimeLimit - 1);
    game.tick();
    EXPECT_EQ(s->rowCount(), 2);
    EXPECT_EQ(rowCells(s, 1), (QStringList{"2", "6 + 3", "8", "9", "Wrong!"}));
    EXPECT_EQ(parts::Label1(s)->text(), "Your score is 0 in 2 total questions.");
    // The time-out leaves the windows as they are.
    EXPECT_TRUE(s->isVisible());
    EXPECT_TRUE(f.isHidden());
    EXPECT_FALSE(f.Timer1->isActive());
}

TEST(Summary, PlayAgainKeepsTheOldScoreLineUntilTheNextRow) {
    Game game;
    auto& f = game.start();
    game.answer(true);
    game.enter();
    game.answer(true);
    endGame(game);
    windows::Form2* s = game.summary();
    ASSERT_EQ(parts::Label1(s)->text(), "Your score is 2 in 2 total questions.");

    playAgain(game);
    EXPECT_EQ(s->rowCount(), 0);
    EXPECT_EQ(parts::Label1(s)->text(), "Your score is 2 in 2 total questions.");
    EXPECT_EQ(f.lblscore->text(), "0");
    EXPECT_EQ(f.game().NumProb, 1);
    EXPECT_EQ(f.game().NumRight, 0);
    EXPECT_EQ(f.game().NumWrong, 0);

    game.answer(false);
    EXPECT_EQ(parts::Label1(s)->text(), "Your score is -1 in 1 total questions.");
    EXPECT_EQ(rowCells(s, 0).value(0), "1");
}

TEST(Summary, PlayAgainWhileAProblemIsOpenBringsThatProblemBack) {
    Game game;
    scriptEasy(game, {2, 3, 7, 5});
    auto& f = game.start();
    game.answer(true);
    game.enter();
    game.ticks(3);
    ASSERT_EQ(f.lblQuestion->text(), "Question 2");
    endGame(game);
    const std::size_t drawn = game.random.taken();

    playAgain(game);
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(game.random.taken(), drawn);
    EXPECT_EQ(f.lblQuestion->text(), "Question 2");
    EXPECT_EQ(f.lblNum1->text(), "7");
    EXPECT_EQ(f.lblNum2->text(), "5");
    EXPECT_TRUE(f.Timer1->isActive());
    EXPECT_EQ(f.game().secondsElapsed(), 3);
    EXPECT_FALSE(f.PushButton1->isEnabled());
    EXPECT_EQ(game.summary()->rowCount(), 0);

    // Still counting, and still answerable from the keyboard.
    game.tick();
    EXPECT_EQ(f.ProgressBar1->value(), 4);
    // The click on End Game took the focus; the answer box has it back.
    ASSERT_EQ(f.focusWidget(), f.txtanswer);
    game.type("12");
    game.enter();
    EXPECT_EQ(f.lblmessage->text(), "That's correct!");
    EXPECT_EQ(game.summary()->rowCount(), 1);
    EXPECT_EQ(rowCells(game.summary(), 0).value(1), "7 + 5");
}

TEST(Summary, ExitOrClosingEitherWindowEndsTheApplication) {
    enum class Way { Exit, CloseSummary, CloseMain };
    for (Way way : {Way::Exit, Way::CloseSummary, Way::CloseMain}) {
        SCOPED_TRACE(int(way));
        Game game;
        auto& f = game.start();
        game.answer(true);
        game.enter();
        game.ticks(engine::kTimeLimit - 1);
        endGame(game);
        windows::Form2* s = game.summary();
        ASSERT_TRUE(s->isVisible());

        switch (way) {
        case Way::Exit:
            game.click(parts::PushButton1(s));
            break;
        case Way::CloseSummary:
            s->close();
            break;
        case Way::CloseMain:
            f.close();
            break;
        }
        EXPECT_EQ(game.ending.count, 1);

        // Nothing runs afterwards: not the time-out that was due, not a key,
        // not a button.
        game.tick();
        EXPECT_EQ(f.game().secondsElapsed(), engine::kTimeLimit - 1);
        EXPECT_EQ(f.ProgressBar1->text(), "You have 1 seconds to answer this question.");
        EXPECT_EQ(s->rowCount(), 1);
        EXPECT_EQ(f.game().NumProb, 2);
        s->PushButton8_Click();
        EXPECT_EQ(f.game().NumProb, 2);
        EXPECT_EQ(s->rowCount(), 1);
        int enter = 13;
        f.txtanswer_KeyPress(enter);
        EXPECT_EQ(f.game().NumRight + f.game().NumWrong, 1);
        EXPECT_EQ(game.ending.count, 1);
        EXPECT_TRUE(texts(game.boxes).empty());
    }
}

TEST(Summary, WriteToARowThatPlayAgainRemovedGoesNowhere) {
    Game game;
    auto& f = game.start();
    game.answer(true);
    const engine::SummaryRow stale = f.game().resultRow();
    ASSERT_EQ(stale.index, 0);
    endGame(game);
    playAgain(game);
    windows::Form2* s = game.summary();
    ASSERT_EQ(s->rowCount(), 0);

    for (int i = 1; i <= 4; ++i) EXPECT_NO_THROW(s->setCell(stale, i, "x"));
    EXPECT_EQ(s->rowCount(), 0);

    // Rows of the new game are written as usual.
    game.answer(false);
    ASSERT_EQ(s->rowCount(), 1);
    EXPECT_EQ(rowCells(s, 0).value(4), "Wrong!");
    EXPECT_NO_THROW(s->setCell(stale, 4, "x"));
    EXPECT_EQ(rowCells(s, 0).value(4), "Wrong!");
}

TEST(Summary, ALongGameShowsItsNewestRowAndPlayAgainEmptiesItAtOnce) {
    Game game;
    auto& f = game.start();
    // Rows written while the summary is hidden are scrolled to on showing.
    for (int i = 0; i < 300; ++i) {
        game.answer(i % 2 == 0);
        if (i < 299) game.enter();
    }
    endGame(game);
    Game::settle();
    auto* s = game.summary();
    ASSERT_EQ(s->rowCount(), 300);
    const QRect newest = parts::ListView1(s)->visualItemRect(parts::ListView1(s)->topLevelItem(299));
    EXPECT_TRUE(parts::ListView1(s)->viewport()->rect().intersects(newest));

    // The rows leave the list at once, even while the ones of a previous
    // Play Again are still being freed; the new game writes rows as before.
    playAgain(game);
    EXPECT_EQ(s->rowCount(), 0);
    game.answer(true);
    endGame(game);
    ASSERT_EQ(s->rowCount(), 1);
    EXPECT_EQ(rowCells(s, 0).value(0), "1");
    game.click(parts::PushButton8(s));  // no settle: the first rows are still waiting
    EXPECT_EQ(s->rowCount(), 0);
    Game::settle();
    game.answer(false);
    ASSERT_EQ(s->rowCount(), 1);
    EXPECT_EQ(rowCells(s, 0).value(4), "Wrong!");
    EXPECT_EQ(f.game().NumWrong, 1);
    // The game goes away with rows still waiting to be freed; the sanitizer
    // build tells if any of them leaks.
}

TEST(Summary, ProblemsReadLeftToRightInARightToLeftList) {
    // The problem cell of the first row, drawn, cut to what is written in it.
    auto problemCell = [](bool rightToLeft) {
        std::optional<testing_support::RightToLeft> rtl;
        if (rightToLeft) rtl.emplace();
        Game game;
        scriptEasy(game, {7, 1});
        game.start();
        game.answer(true);
        endGame(game);
        QTreeWidget* list = parts::ListView1(game.summary());
        EXPECT_EQ(rowCells(game.summary(), 0).at(1), "7 + 1");
        const QRect cell = list->visualRect(list->model()->index(0, 1));
        const QImage shot = list->viewport()->grab(cell).toImage();
        QRect ink;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                if (shot.pixelColor(x, y).lightness() < 128) ink |= QRect(x, y, 1, 1);
        return std::pair{shot.copy(ink), ink.center().x() * 2 > shot.width()};
    };
    const auto [leftToRight, leftToRightAtRight] = problemCell(false);
    const auto [rightToLeft, rightToLeftAtRight] = problemCell(true);
    EXPECT_FALSE(leftToRightAtRight);
    // "7 + 1" as in a left-to-right list, never "1 + 7", at the column's
    // leading edge, where its header stands.
    EXPECT_TRUE(rightToLeft == leftToRight);
    EXPECT_TRUE(rightToLeftAtRight);
}
