#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "support.h"

using testing_support::Game;
using windows::Form1;
using windows::shown;

// How the game moves from one problem to the next: its first show, the
// platform's activations and the keyboard.

TEST(GameFlow, FirstShowOpensQuestionOneWithoutAnyKey) {
    Game game;
    Form1& f = game.start();
    EXPECT_EQ(f.game().NumProb, 1);
    EXPECT_EQ(f.lblQuestion->text(), "Question 1");
    EXPECT_TRUE(game.boxes.shown.empty());
    Game::settle();
    Game::settle();
    EXPECT_EQ(f.game().NumProb, 1);
    EXPECT_EQ(game.random.taken(), 2u);
}

TEST(GameFlow, PlatformActivationDoesNotPress) {
    Game game;
    Form1& f = game.start();
    game.answer(true);
    ASSERT_TRUE(f.PushButton1->isEnabled());
    // What the platform sends when the window comes back to the front, for
    // instance after a message box or another application.
    QEvent deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(&f, &deactivate);
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&f, &activate);
    f.activateWindow();
    Game::settle();
    EXPECT_EQ(f.game().NumProb, 1);
    EXPECT_TRUE(f.PushButton1->isEnabled());
    EXPECT_FALSE(f.txtanswer->isEnabled());
}

TEST(GameFlow, OneEnterMakesOneStep) {
    Game game;
    Form1& f = game.start();
    for (int q = 1; q <= 3; ++q) {
        SCOPED_TRACE(q);
        ASSERT_EQ(f.game().NumProb, q);
        game.answer(q % 2 == 0);
        // The judging Enter does not go on to open the next problem.
        EXPECT_EQ(f.game().NumProb, q);
        EXPECT_TRUE(f.PushButton1->isEnabled());
        EXPECT_FALSE(f.txtanswer->isEnabled());
        EXPECT_TRUE(shown(f.Label5));
        EXPECT_FALSE(f.Timer1->isActive());
        EXPECT_EQ(f.focusWidget(), f.PushButton1);
        ASSERT_NE(game.summary(), nullptr);
        EXPECT_EQ(game.summary()->rowCount(), q);

        // The next Enter opens exactly one problem and does not judge it.
        game.enter();
        EXPECT_EQ(f.game().NumProb, q + 1);
        EXPECT_EQ(game.summary()->rowCount(), q);
        EXPECT_TRUE(f.txtanswer->isEnabled());
        EXPECT_TRUE(f.Timer1->isActive());
        EXPECT_EQ(f.focusWidget(), f.txtanswer);
        EXPECT_TRUE(f.lblmessage->text().isEmpty());
    }
    EXPECT_EQ(f.game().NumRight + f.game().NumWrong, 3);
    EXPECT_TRUE(game.boxes.shown.empty());
}

// A held Enter, delivered as the platforms deliver it, through the window
// system interface: on Wayland Qt repeats the key itself, as flagged release
// and press pairs; on X11, once the game asked for detectable auto-repeat, the
// server sends presses alone until the real release, without Qt's flag.
TEST(GameFlow, AHeldDownEnterActsOnceUntilPressedAgain) {
    enum class Platform { QtFlaggedPairs, X11PressesAlone };
    for (Platform platform : {Platform::QtFlaggedPairs, Platform::X11PressesAlone}) {
        SCOPED_TRACE(platform == Platform::QtFlaggedPairs ? "flagged pairs" : "presses alone");
        Game game;
        Form1& f = game.start();
        QWindow* window = f.windowHandle();
        ASSERT_NE(window, nullptr);
        auto enterKey = [&](bool press, bool repeat) {
            QTest::simulateEvent(window, press, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), repeat);
        };
        auto holdEnter = [&](int repeats) {
            enterKey(true, false);
            for (int i = 0; i < repeats; ++i) {
                if (platform == Platform::QtFlaggedPairs) {
                    enterKey(false, true);
                    enterKey(true, true);
                } else {
                    enterKey(true, false);
                }
            }
            enterKey(false, false);
        };
        game.type(QString::number(f.game().correctAnswer()));
        holdEnter(25);  // one second of repeats
        EXPECT_EQ(f.game().NumProb, 1);
        EXPECT_EQ(f.game().NumRight, 1);
        EXPECT_EQ(f.game().NumWrong, 0);
        EXPECT_EQ(game.summary()->rowCount(), 1);
        EXPECT_TRUE(f.PushButton1->isEnabled());

        // Held on the judged problem: the next one opens and is not judged empty.
        holdEnter(25);
        EXPECT_EQ(f.game().NumProb, 2);
        EXPECT_EQ(game.summary()->rowCount(), 1);
        EXPECT_TRUE(f.txtanswer->isEnabled());
        EXPECT_TRUE(f.Timer1->isActive());
        EXPECT_EQ(f.lblscore->text(), "1");

        // A new press after the release is a new Enter.
        enterKey(true, false);
        enterKey(false, false);
        EXPECT_EQ(game.summary()->rowCount(), 2);
        EXPECT_EQ(f.game().NumWrong, 1);

        // Held while another window takes the keyboard: the release goes
        // there, and the next press here is still a new one.
        enterKey(true, false);
        ASSERT_EQ(f.game().NumProb, 3);
        QWidget other;
        other.show();
        other.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
        f.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
        enterKey(true, false);
        enterKey(false, false);
        EXPECT_EQ(game.summary()->rowCount(), 3);
    }
}

TEST(GameFlow, EnterAfterTimeOutOpensOneProblem) {
    Game game;
    Form1& f = game.start();
    game.ticks(engine::kTimeLimit);
    ASSERT_TRUE(f.PushButton1->isEnabled());
    ASSERT_EQ(game.summary()->rowCount(), 1);
    game.enter();
    EXPECT_EQ(f.game().NumProb, 2);
    EXPECT_EQ(game.summary()->rowCount(), 1);
    EXPECT_TRUE(f.txtanswer->isEnabled());
    EXPECT_TRUE(f.Timer1->isActive());
}

TEST(GameFlow, OtherKeysOpenNothingAndSpaceDoesNotPressTheHiddenButton) {
    Game game;
    Form1& f = game.start();
    game.answer(true);
    ASSERT_EQ(f.focusWidget(), f.PushButton1);
    game.key(Qt::Key_Space);
    EXPECT_EQ(f.game().NumProb, 1);
    game.type(QStringLiteral("5a "));
    for (int k : {Qt::Key_Escape, Qt::Key_Backspace, Qt::Key_Tab, Qt::Key_F1})
        game.key(k);
    game.key(Qt::Key_Space);
    EXPECT_EQ(f.game().NumProb, 1);
    EXPECT_TRUE(f.PushButton1->isEnabled());
    EXPECT_FALSE(f.txtanswer->isEnabled());
    EXPECT_EQ(game.summary()->rowCount(), 1);
    EXPECT_TRUE(game.boxes.shown.empty());
    // Enter still works after all that.
    game.enter();
    EXPECT_EQ(f.game().NumProb, 2);
}

TEST(GameFlow, NoOperatorAtActivationWarnsOnceThenEnterOpensTheProblem) {
    Game game;
    Form1& f = game.start(false);
    f.Check1->setChecked(false);  // unticked before the window shows
    f.showCentred();
    Game::settle();
    EXPECT_EQ(testing_support::texts(game.boxes),
              (std::vector<std::string>{"You must select at least one operator"}));
    EXPECT_EQ(f.game().NumProb, 0);
    EXPECT_TRUE(f.PushButton1->isEnabled());
    EXPECT_EQ(f.PushButton1->text(), "Start");
    for (auto* b : f.optionBoxes()) EXPECT_TRUE(b->isEnabled());

    // Enter with the selection still empty: one more warning, not two.
    game.enter();
    EXPECT_EQ(game.boxes.shown.size(), 2u);
    EXPECT_EQ(f.game().NumProb, 0);

    game.click(f.Check3);
    ASSERT_EQ(f.Check3->value(), 1);
    game.enter();
    EXPECT_EQ(game.boxes.shown.size(), 2u);
    EXPECT_EQ(f.game().NumProb, 1);
    EXPECT_EQ(f.lblQuestion->text(), "Question 1");
    EXPECT_NE(f.game().problemText().find(" X "), std::string::npos);
    EXPECT_TRUE(f.Timer1->isActive());
}
