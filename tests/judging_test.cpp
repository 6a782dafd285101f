#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QProxyStyle>
#include <QTest>
#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

#include "frame/guard.h"
#include "support.h"

using testing_support::drawOf;
using testing_support::Game;
using testing_support::rowCells;
using testing_support::scriptEasy;
using testing_support::secondsLeft;
using testing_support::texts;

namespace {

bool anyOptionBoxEnabled(windows::Form1& f) {
    for (auto* box : f.optionBoxes())
        if (box->isEnabled()) return true;
    return false;
}

bool allOptionBoxesEnabled(windows::Form1& f) {
    for (auto* box : f.optionBoxes())
        if (!box->isEnabled()) return false;
    return true;
}

// A key whose text is given outright, as a keyboard layout would produce it.
void keyWithText(QWidget* target, const QString& text) {
    QTest::sendKeyEvent(QTest::Click, target, Qt::Key(text.at(0).toUpper().unicode()), text,
                        Qt::NoModifier);
}

int judged(windows::Form1& f) { return int{f.game().NumRight} + int{f.game().NumWrong}; }

}  // namespace

TEST(Judging, OneGamePlayedThroughRealKeys) {
    Game game;
    scriptEasy(game, {3, 4, 5, 2, 6, 6});
    auto& f = game.start();

    EXPECT_EQ(f.lblQuestion->text(), "Question 1");
    EXPECT_EQ(f.lblNum1->text(), "3");
    EXPECT_EQ(f.lblNum2->text(), "4");
    EXPECT_EQ(f.ProgressBar1->text(), secondsLeft(engine::kTimeLimit));
    EXPECT_EQ(f.focusWidget(), f.txtanswer);

    // Right, by Enter.
    game.type("7");
    game.enter();
    EXPECT_EQ(f.lblmessage->text(), "That's correct!");
    EXPECT_EQ(f.lblscore->text(), "1");
    ASSERT_NE(game.summary(), nullptr);
    EXPECT_EQ(rowCells(game.summary(), 0), (QStringList{"1", "3 + 4", "7", "7", "Correct!"}));
    EXPECT_EQ(parts::Label1(game.summary())->text(), "Your score is 1 in 1 total questions.");
    EXPECT_FALSE(f.txtanswer->isEnabled());
    EXPECT_TRUE(f.PushButton1->isEnabled());
    EXPECT_FALSE(f.Timer1->isActive());
    EXPECT_TRUE(windows::shown(f.Label5));

    // The next Enter opens Question 2 and judges nothing.
    game.enter();
    EXPECT_EQ(f.lblQuestion->text(), "Question 2");
    EXPECT_EQ(game.summary()->rowCount(), 1);
    EXPECT_EQ(f.lblmessage->text(), "");
    EXPECT_TRUE(f.txtanswer->isEnabled());
    EXPECT_EQ(f.txtanswer->text(), "");
    EXPECT_TRUE(f.Timer1->isActive());

    // Wrong, by Enter.
    game.type("9");
    game.enter();
    EXPECT_EQ(f.lblmessage->text(), "Wrong! Answer: 7");
    EXPECT_EQ(f.lblscore->text(), "0");
    EXPECT_EQ(rowCells(game.summary(), 1), (QStringList{"2", "5 + 2", "9", "7", "Wrong!"}));
    EXPECT_EQ(parts::Label1(game.summary())->text(), "Your score is 0 in 2 total questions.");

    // Left to run out.
    game.enter();
    EXPECT_EQ(f.lblQuestion->text(), "Question 3");
    for (int t = 1; t < engine::kTimeLimit; ++t) {
        game.tick();
        EXPECT_EQ(f.ProgressBar1->value(), t);
        EXPECT_EQ(f.ProgressBar1->maximum(), engine::kTimeLimit);
        EXPECT_EQ(f.ProgressBar1->text(), secondsLeft(engine::kTimeLimit - t));
    }
    EXPECT_EQ(game.summary()->rowCount(), 2);
    EXPECT_TRUE(f.txtanswer->isEnabled());

    // The bar says so before the judgement writes its row.
    QString barWhenJudged;
    QObject::connect(parts::ListView1(game.summary())->model(), &QAbstractItemModel::rowsInserted,
                     [&] { barWhenJudged = f.ProgressBar1->text(); });
    f.pointer().setMode(frame::PointerMode::Custom);
    game.tick();
    EXPECT_EQ(barWhenJudged, "Time is over.");
    EXPECT_EQ(f.lblmessage->text(), "Wrong! Answer: 12");
    EXPECT_EQ(f.lblscore->text(), "-1");
    EXPECT_EQ(rowCells(game.summary(), 2), (QStringList{"3", "6 + 6", "0", "12", "Wrong!"}));
    EXPECT_EQ(parts::Label1(game.summary())->text(), "Your score is -1 in 3 total questions.");
    EXPECT_TRUE(f.PushButton1->isEnabled());
    EXPECT_TRUE(allOptionBoxesEnabled(f));
    EXPECT_FALSE(f.txtanswer->isEnabled());
    EXPECT_FALSE(f.Timer1->isActive());
    EXPECT_EQ(f.game().secondsElapsed(), 0);
    EXPECT_EQ(f.ProgressBar1->value(), 0);
    EXPECT_EQ(f.ProgressBar1->text(), "Progress Bar");
    EXPECT_EQ(f.pointer().mode(), frame::PointerMode::Default);

    // End Game shows the whole game.
    game.click(f.PushButton8);
    auto* s = game.summary();
    EXPECT_TRUE(f.isHidden());
    EXPECT_TRUE(s->isVisible());
    EXPECT_EQ(s->rowCount(), 3);
    EXPECT_EQ(parts::Label1(s)->text(), "Your score is -1 in 3 total questions.");

    // Play Again starts over at Question 1 at once.
    scriptEasy(game, {2, 2});
    game.click(parts::PushButton8(s));
    Game::settle();
    EXPECT_TRUE(s->isHidden());
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(s->rowCount(), 0);
    EXPECT_EQ(f.lblscore->text(), "0");
    EXPECT_EQ(f.game().NumRight, 0);
    EXPECT_EQ(f.game().NumWrong, 0);
    EXPECT_EQ(f.game().NumProb, 1);
    EXPECT_EQ(f.lblQuestion->text(), "Question 1");
    EXPECT_EQ(f.PushButton1->text(), "Next");
    EXPECT_TRUE(f.txtanswer->isEnabled());
    game.type("4");
    game.enter();
    EXPECT_EQ(rowCells(s, 0), (QStringList{"1", "2 + 2", "4", "4", "Correct!"}));
    EXPECT_TRUE(texts(game.boxes).empty());
}

TEST(Judging, TypedAnswerIsReadAsANumber) {
    Game game;
    scriptEasy(game, {1, 2, 3, 4});
    auto& f = game.start();

    // An empty box is 0, and no problem has the result 0.
    game.enter();
    EXPECT_EQ(f.lblmessage->text(), "Wrong! Answer: 3");
    EXPECT_EQ(rowCells(game.summary(), 0), (QStringList{"1", "1 + 2", "0", "3", "Wrong!"}));

    // The row shows the number judged, not the text typed.
    game.enter();
    game.type("007");
    EXPECT_EQ(f.txtanswer->text(), "007");
    game.enter();
    EXPECT_EQ(f.lblmessage->text(), "That's correct!");
    EXPECT_EQ(rowCells(game.summary(), 1), (QStringList{"2", "3 + 4", "7", "7", "Correct!"}));
}

TEST(Judging, RightAnswerStandingAtTimeOutIsJudgedRight) {
    Game game;
    scriptEasy(game, {8, 9});
    auto& f = game.start();
    game.type("17");
    game.ticks(engine::kTimeLimit);
    EXPECT_EQ(f.lblmessage->text(), "That's correct!");
    EXPECT_EQ(f.lblscore->text(), "1");
    EXPECT_EQ(rowCells(game.summary(), 0), (QStringList{"1", "8 + 9", "17", "17", "Correct!"}));
    EXPECT_EQ(f.txtanswer->text(), "17");
    // The time-out does not show the Enter prompt.
    EXPECT_FALSE(windows::shown(f.Label5));
}

TEST(Judging, ScoreGoesBelowZero) {
    Game game;
    auto& f = game.start();
    game.answer(true);
    for (int i = 0; i < 3; ++i) {
        game.enter();
        game.answer(false);
    }
    EXPECT_EQ(f.lblscore->text(), "-2");
    EXPECT_EQ(parts::Label1(game.summary())->text(), "Your score is -2 in 4 total questions.");
    EXPECT_EQ(game.summary()->rowCount(), 4);
}

TEST(Judging, TypedValueBeyondThirtyTwoBitsFaultsAtTheReadingStep) {
    Game game;
    scriptEasy(game, {2, 5});
    auto& f = game.start();
    // Six digits cannot overflow; a longer text set directly shows that the
    // reading still faults rather than wrapping round.
    f.txtanswer->setMaxLength(32);
    f.txtanswer->setText(QStringLiteral("9999999999"));
    game.enter();
    ASSERT_EQ(game.boxes.shown.size(), 1u);
    EXPECT_EQ(game.boxes.shown[0].text.toStdString(),
              frame::errorReportText("Overflow", frame::where::kForm1KeyPress, 106));
    EXPECT_EQ(rowCells(game.summary(), 0), (QStringList{"1", "2 + 5", "0", "7", "Wrong!"}));
}

TEST(Judging, EnterDeliveredInsideATickIsJudgedOnce) {
    for (int atTick : {1, int(engine::kTimeLimit)}) {
        SCOPED_TRACE(atTick);
        Game game;
        scriptEasy(game, {4, 4});
        auto& f = game.start();
        game.type("8");
        game.ticks(atTick - 1);
        ASSERT_EQ(f.focusWidget(), f.txtanswer);
        // Waiting in the queue when the tick lets events run.
        QCoreApplication::postEvent(
            f.txtanswer, new QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r"));
        game.tick();

        EXPECT_EQ(judged(f), 1);
        EXPECT_EQ(f.game().NumRight, 1);
        EXPECT_EQ(game.summary()->rowCount(), 1);
        EXPECT_EQ(f.lblmessage->text(), "That's correct!");
        // Judged the Enter way: no time-out finish.
        EXPECT_EQ(f.ProgressBar1->text(), secondsLeft(engine::kTimeLimit - atTick));
        EXPECT_FALSE(anyOptionBoxEnabled(f));
        EXPECT_FALSE(f.Timer1->isActive());
        EXPECT_EQ(f.game().secondsElapsed(), 0);

        // A stray tick after the judgement (one already queued) judges nothing.
        game.tick();
        EXPECT_EQ(judged(f), 1);
        EXPECT_EQ(game.summary()->rowCount(), 1);
        EXPECT_TRUE(texts(game.boxes).empty());
    }
}

TEST(Judging, SixDigitProductCanBeTypedAndJudgedRight) {
    Game game;
    auto& f = game.start(false);
    // Multiplication alone at Hard.
    game.click(f.Check3);
    game.click(f.Check1);
    game.click(f.Check7);
    game.click(f.Check5);
    ASSERT_EQ(f.Check3->value(), 1);
    ASSERT_EQ(f.Check1->value(), 0);
    ASSERT_EQ(f.Check7->value(), 1);
    ASSERT_EQ(f.Check5->value(), 0);
    for (int i = 0; i < 4; ++i) game.random.push(drawOf(999, 100, 999));
    f.showCentred();
    Game::settle();

    ASSERT_EQ(f.lblQuestion->text(), "Question 1");
    EXPECT_EQ(f.lblNum1->text(), "999");
    EXPECT_EQ(f.lblNum2->text(), "999");
    EXPECT_EQ(f.game().correctAnswer(), 998001);
    game.type("998001");
    EXPECT_EQ(f.txtanswer->text(), "998001");
    // Six digits are drawn smaller so that all of them show; the box's own
    // font comes back for a short answer.
    const auto fits = [&] {
        return QFontMetricsF(f.txtanswer->font()).horizontalAdvance(f.txtanswer->text()) <=
               f.txtanswer->contentsRect().width() - 8;
    };
    EXPECT_TRUE(fits());
    EXPECT_LT(f.txtanswer->font().pointSizeF(), 48);
    game.key(Qt::Key_Backspace);
    game.key(Qt::Key_Backspace);
    game.key(Qt::Key_Backspace);
    EXPECT_EQ(f.txtanswer->font().pointSizeF(), 48);
    game.type("001");
    EXPECT_TRUE(fits());
    game.enter();
    EXPECT_EQ(f.lblmessage->text(), "That's correct!");
    EXPECT_EQ(rowCells(game.summary(), 0),
              (QStringList{"1", "999 X 999", "998001", "998001", "Correct!"}));

    // The verdict with a six-digit result keeps its label's font but is drawn
    // in one that fits the label.
    const QString verdict = QStringLiteral("Wrong! Answer: 998001");
    const QFont labelFont = f.lblmessage->font();
    EXPECT_GT(QFontMetricsF(labelFont).horizontalAdvance(verdict), f.lblmessage->contentsRect().width());
    const QFont drawn = windows::fontToFit(labelFont, verdict, f.lblmessage->contentsRect().width());
    EXPECT_LE(QFontMetricsF(drawn).horizontalAdvance(verdict), f.lblmessage->contentsRect().width());
    EXPECT_EQ(windows::fontToFit(labelFont, QStringLiteral("That's correct!"), f.lblmessage->contentsRect().width()),
              labelFont);

    // A seventh digit does not fit.
    game.enter();
    game.type("1234567");
    EXPECT_EQ(f.txtanswer->text(), "123456");
}

TEST(Judging, OnlyDigitsAndBackspaceReachTheBox) {
    Game game;
    auto& f = game.start();
    game.type("1a-.  2Zx+,");
    EXPECT_EQ(f.txtanswer->text(), "12");
    game.key(Qt::Key_Backspace);
    EXPECT_EQ(f.txtanswer->text(), "1");
    game.key(Qt::Key_Escape);
    game.key(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(f.txtanswer->text(), "1");

    // Digits of other scripts are not digits here.
    keyWithText(f.txtanswer, QString(QChar(0x0663)));  // ARABIC-INDIC DIGIT THREE
    keyWithText(f.txtanswer, QString(QChar(0xFF15)));  // FULLWIDTH DIGIT FIVE
    EXPECT_EQ(f.txtanswer->text(), "1");
    EXPECT_EQ(judged(f), 0);
    EXPECT_TRUE(f.txtanswer->isEnabled());
}

TEST(Judging, NothingButDigitsCanBePastedDroppedOrComposedIn) {
    Game game;
    auto& f = game.start();
    QClipboard* clipboard = QGuiApplication::clipboard();
    windows::AnswerBox* box = f.txtanswer;

    struct Route {
        const char* name;
        std::function<void(const QString&)> bring;
        bool takesDigits;
    };
    const std::vector<Route> routes{
        // Ctrl+V types a control character, which the key handler discards.
        {"Ctrl+V",
         [&](const QString& t) {
             clipboard->setText(t);
             game.key(Qt::Key_V, Qt::ControlModifier);
         },
         false},
        {"Shift+Insert",
         [&](const QString& t) {
             clipboard->setText(t);
             game.key(Qt::Key_Insert, Qt::ShiftModifier);
         },
         true},
        {"context menu",
         [&](const QString& t) {
             clipboard->setText(t);
             std::unique_ptr<QMenu> menu(box->createStandardContextMenu());
             QAction* paste = nullptr;
             for (QAction* a : menu->actions())
                 if (a->text().startsWith(QLatin1String("&Paste"))) paste = a;
             ASSERT_NE(paste, nullptr);
             paste->trigger();
         },
         true},
        {"middle click",
         [&](const QString& t) {
             clipboard->setText(t);
             if (clipboard->supportsSelection()) clipboard->setText(t, QClipboard::Selection);
             QTest::mouseClick(box, Qt::MiddleButton);
         },
         clipboard->supportsSelection()},
        {"drop",
         [&](const QString& t) {
             QMimeData mime;
             mime.setText(t);
             const QPoint at = box->rect().center();
             QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
             QCoreApplication::sendEvent(box, &enter);
             QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
             QCoreApplication::sendEvent(box, &drop);
         },
         true},
        {"input method",
         [&](const QString& t) {
             QInputMethodEvent compose(QString(), {});
             compose.setCommitString(t);
             QCoreApplication::sendEvent(box, &compose);
         },
         true},
    };

    for (const Route& route : routes) {
        SCOPED_TRACE(route.name);
        box->setText(QStringLiteral("12"));
        for (const QString& bad : {QStringLiteral("-5x"), QStringLiteral("3.5"), QStringLiteral(" 4"),
                                   QStringLiteral("7e2"), QString(QChar(0x0663))}) {
            SCOPED_TRACE(bad.toStdString());
            route.bring(bad);
            EXPECT_EQ(box->text(), "12");
        }
        // The same route with plain digits, so the refusals above mean something.
        route.bring(QStringLiteral("3"));
        if (route.takesDigits) {
            EXPECT_EQ(box->text().size(), 3);
            EXPECT_TRUE(box->text().contains(u'3'));
        } else {
            EXPECT_EQ(box->text(), "12");
        }
        // Never more than six characters, all of them ASCII digits.
        route.bring(QStringLiteral("45678"));
        EXPECT_LE(box->text().size(), windows::AnswerBox::kMaxLength);
        for (QChar c : box->text()) EXPECT_TRUE(c >= u'0' && c <= u'9') << box->text().toStdString();
    }
    EXPECT_EQ(judged(f), 0);
}

TEST(Judging, EnterInADisabledBoxDoesNothing) {
    Game game;
    auto& f = game.start();
    game.answer(true);
    ASSERT_FALSE(f.txtanswer->isEnabled());
    const QString message = f.lblmessage->text();

    int enter = 13;
    f.txtanswer_KeyPress(enter);
    int letter = 'a';
    f.txtanswer_KeyPress(letter);
    EXPECT_EQ(enter, 13);
    EXPECT_EQ(letter, 'a');
    EXPECT_EQ(judged(f), 1);
    EXPECT_EQ(game.summary()->rowCount(), 1);
    EXPECT_EQ(f.lblmessage->text(), message);
    EXPECT_EQ(f.lblQuestion->text(), "Question 1");
}

TEST(Judging, BarKeepsWhereEnterStoppedItUntilTheNextProblem) {
    Game game;
    auto& f = game.start();
    game.ticks(4);
    game.answer(true);
    EXPECT_EQ(f.ProgressBar1->value(), 4);
    EXPECT_EQ(f.ProgressBar1->text(), secondsLeft(engine::kTimeLimit - 4));

    game.enter();
    EXPECT_EQ(f.lblQuestion->text(), "Question 2");
    EXPECT_EQ(f.ProgressBar1->text(), secondsLeft(engine::kTimeLimit));
    EXPECT_EQ(f.ProgressBar1->value(), 4);
    game.tick();
    EXPECT_EQ(f.ProgressBar1->value(), 1);
    EXPECT_EQ(f.ProgressBar1->text(), secondsLeft(engine::kTimeLimit - 1));
}

// A tick redraws the countdown's bar once, and of the rest of the window
// only what lies under the bar; the style draws the bar's groove once for
// its look, not on every tick (drawn on every tick, it woke Qt's painting
// threads several times a second).
TEST(Judging, ATickRedrawsOnlyTheCountdownBarOnce) {
    // The game's caret stands still; a blink would be a redraw of its own.
    const int flashTime = QApplication::cursorFlashTime();
    QApplication::setCursorFlashTime(0);
    struct RestoreFlash {
        int time;
        ~RestoreFlash() { QApplication::setCursorFlashTime(time); }
    } restore{flashTime};

    struct CountingStyle : QProxyStyle {
        int grooves = 0;
        void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                         const QWidget* widget) const override {
            if (element == CE_ProgressBarGroove) ++const_cast<CountingStyle*>(this)->grooves;
            QProxyStyle::drawControl(element, option, painter, widget);
        }
    };
    struct Paints : QObject {
        QHash<QObject*, QList<QRect>> seen;
        bool eventFilter(QObject* watched, QEvent* e) override {
            if (e->type() == QEvent::Paint) seen[watched].append(static_cast<QPaintEvent*>(e)->rect());
            return false;
        }
    };

    Game game;
    scriptEasy(game, {3, 4});
    auto& f = game.start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    CountingStyle style;
    f.ProgressBar1->setStyle(&style);
    Paints paints;
    f.installEventFilter(&paints);
    for (QWidget* w : f.findChildren<QWidget*>()) w->installEventFilter(&paints);
    QCoreApplication::processEvents();
    ASSERT_GE(style.grooves, 1);  // the counting style draws the bar
    style.grooves = 0;
    paints.seen.clear();

    for (int t = 1; t < engine::kTimeLimit; ++t) {
        SCOPED_TRACE(t);
        game.tick();
        QCoreApplication::processEvents();
        ASSERT_EQ(f.ProgressBar1->value(), t);
        EXPECT_EQ(paints.seen.value(f.ProgressBar1).size(), 1);
        for (auto it = paints.seen.cbegin(); it != paints.seen.cend(); ++it) {
            if (it.key() == f.ProgressBar1) continue;
            if (it.key() == &f) {
                for (const QRect& r : it.value())
                    EXPECT_TRUE(f.ProgressBar1->geometry().contains(r)) << "the window redrew " << r.x()
                                                                        << "," << r.y() << " " << r.width()
                                                                        << "x" << r.height();
                continue;
            }
            ADD_FAILURE() << it.key()->objectName().toStdString() << " redrew on a tick";
        }
        paints.seen.clear();
    }
    EXPECT_EQ(style.grooves, 0);
    f.ProgressBar1->setStyle(nullptr);
}

TEST(Judging, OptionBoxesStayLockedAfterEnterJudgementsUntilATimeOut) {
    Game game;
    auto& f = game.start();
    game.answer(true);
    EXPECT_FALSE(anyOptionBoxEnabled(f));
    game.enter();
    game.answer(false);
    EXPECT_FALSE(anyOptionBoxEnabled(f));

    // Across End Game and Play Again too.
    game.click(f.PushButton8);
    game.click(parts::PushButton8(game.summary()));
    Game::settle();
    ASSERT_EQ(f.lblQuestion->text(), "Question 1");
    game.answer(true);
    EXPECT_FALSE(anyOptionBoxEnabled(f));

    // A click on a locked box changes nothing.
    game.click(f.Check2);
    EXPECT_EQ(f.Check2->value(), 0);
    EXPECT_FALSE(windows::shown(f.lblMultiOp));

    game.enter();
    game.ticks(engine::kTimeLimit);
    EXPECT_TRUE(allOptionBoxesEnabled(f));
}
