#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QTreeWidget>
#include <vector>

#include "support.h"
#include "windows/accessibility.h"
#ifndef _WIN32
#include <QDBusMessage>
#include <QDBusVariant>

#include "windows/atspi.h"
#endif

using testing_support::Game;
using windows::Form1;

namespace {

QAccessibleInterface* ifaceOf(QObject* o) {
    return QAccessible::queryAccessibleInterface(o);
}
QString nameOf(QObject* o) {
    return ifaceOf(o)->text(QAccessible::Name);
}
QString descriptionOf(QObject* o) {
    return ifaceOf(o)->text(QAccessible::Description);
}

// Every widget that took the keyboard focus, in order.
struct FocusTrail {
    FocusTrail() {
        QObject::connect(qApp, &QApplication::focusChanged, &context,
                         [this](QWidget*, QWidget* now) { trail.push_back(now); });
    }
    QObject context;
    std::vector<QWidget*> trail;
};

class Accessibility : public ::testing::Test {
protected:
    Game game;
};

TEST_F(Accessibility, EveryShownControlSaysWhatItIs) {
    Form1& f = game.start();
    // The labels keep their own text as the name; descriptions say the rest.
    EXPECT_EQ(nameOf(f.lblQuestion), "Question 1");
    EXPECT_EQ(descriptionOf(f.lblQuestion), "question number");
    EXPECT_EQ(nameOf(f.lblNum1), f.lblNum1->text());
    EXPECT_EQ(descriptionOf(f.lblNum1), "first number");
    EXPECT_EQ(nameOf(f.lblNum2), f.lblNum2->text());
    EXPECT_EQ(descriptionOf(f.lblNum2), "second number");
    EXPECT_EQ(nameOf(f.lblscore), "0");
    EXPECT_EQ(descriptionOf(f.lblscore), "your score");
    EXPECT_EQ(nameOf(f.lblMultiOp), "?");
    EXPECT_EQ(descriptionOf(f.lblMultiOp), "the operator is chosen at random");
    EXPECT_TRUE(nameOf(f.txtanswer).startsWith("Question 1: ")) << nameOf(f.txtanswer).toStdString();
    EXPECT_EQ(ifaceOf(f.txtanswer)->role(), QAccessible::EditableText);
    EXPECT_EQ(ifaceOf(&f)->role(), QAccessible::Window);
    EXPECT_EQ(nameOf(&f), "Quillory");

    const std::vector<std::pair<windows::OperatorPicture*, const char*>> pictures{
        {f.imgAdd, "plus"}, {f.imgSub, "minus"}, {f.imgMul, "times"}, {f.imgDiv, "divided by"}};
    for (const auto& [picture, said] : pictures) {
        EXPECT_EQ(nameOf(picture), said);
        EXPECT_EQ(ifaceOf(picture)->role(), QAccessible::Graphic);
    }
    for (windows::CheckBox* box : f.optionBoxes()) EXPECT_EQ(nameOf(box), box->text());
    EXPECT_EQ(nameOf(f.PushButton8), "End Game");
    EXPECT_EQ(nameOf(f.PushButton1), "Next");

    // Nothing shown is left nameless: a screen reader would say only its role.
    QAccessibleInterface* window = ifaceOf(&f);
    for (int i = 0; i < window->childCount(); ++i) {
        QAccessibleInterface* child = window->child(i);
        auto* w = qobject_cast<QWidget*>(child->object());
        if (!w || w->isHidden()) continue;
        EXPECT_FALSE(child->text(QAccessible::Name).isEmpty() &&
                     child->text(QAccessible::Description).isEmpty())
            << w->objectName().toStdString();
    }
}

TEST_F(Accessibility, TheWindowReadsTheProblemInTheOrderItIsSaid) {
    Form1& f = game.start();
    QAccessibleInterface* window = ifaceOf(&f);
    const std::vector<QObject*> problem{f.lblNum1,    f.imgAdd,  f.imgSub, f.imgMul,   f.imgDiv,
                                        f.lblMultiOp, f.lblNum2, f.Label4, f.txtanswer};
    ASSERT_GE(window->childCount(), int(problem.size()));
    for (std::size_t i = 0; i < problem.size(); ++i)
        EXPECT_EQ(window->child(int(i))->object(), problem[i]) << i;
    // A review of the screen by lines finds the row on one line, in this
    // order: every part stands within the answer box's height.
    const QRect box = ifaceOf(f.txtanswer)->rect();
    int left = -1;
    for (QWidget* part : std::initializer_list<QWidget*>{f.lblNum1, f.imgAdd, f.lblNum2, f.Label4}) {
        const QRect r = ifaceOf(part)->rect();
        EXPECT_EQ(r.top(), box.top()) << part->objectName().toStdString();
        EXPECT_EQ(r.height(), box.height()) << part->objectName().toStdString();
        EXPECT_EQ(r.width(), part->width());
        EXPECT_GT(r.left(), left);
        left = r.left();
    }
    EXPECT_GT(box.left(), left);
    EXPECT_EQ(ifaceOf(f.lblNum1)->role(), QAccessible::StaticText);
    // Every control once, and each knows its own place and parent.
    const auto widgets = f.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    EXPECT_EQ(window->childCount(), widgets.size());
    for (int i = 0; i < window->childCount(); ++i) {
        QAccessibleInterface* child = window->child(i);
        EXPECT_EQ(window->indexOfChild(child), i);
        EXPECT_EQ(child->parent()->object(), &f);
    }
}

TEST_F(Accessibility, TheCountdownSaysTheSecondsLeftAndNoShareOfTheTimeUsed) {
    Form1& f = game.start();
    EXPECT_EQ(nameOf(f.ProgressBar1), testing_support::secondsLeft(engine::kTimeLimit));
    EXPECT_EQ(descriptionOf(f.ProgressBar1), "seconds left to answer");
    EXPECT_EQ(ifaceOf(f.ProgressBar1)->role(), QAccessible::ProgressBar);
    for (int left = engine::kTimeLimit - 1; left >= 1; --left) {
        game.tick();
        EXPECT_EQ(nameOf(f.ProgressBar1), testing_support::secondsLeft(left));
    }
    // A value would be read as a percentage of the range: the time used.
    EXPECT_EQ(ifaceOf(f.ProgressBar1)->valueInterface(), nullptr);
    EXPECT_EQ(f.ProgressBar1->value(), engine::kTimeLimit - 1);
}

// A screen reader speaks what takes the focus: the answer box says the
// problem as the window shows it, the Next button the verdict and the score.
TEST_F(Accessibility, EachProblemAndEachVerdictIsSaidByWhatTakesTheFocus) {
    Form1& f = game.start();
    const auto problem = [&](const char* op) {
        return QStringLiteral("%1: %2 %3 %4 equals")
            .arg(f.lblQuestion->text(), f.lblNum1->text(), QLatin1String(op), f.lblNum2->text());
    };
    EXPECT_EQ(QApplication::focusWidget(), f.txtanswer);
    EXPECT_EQ(nameOf(f.txtanswer), problem("plus"));
    EXPECT_TRUE(nameOf(f.txtanswer).startsWith("Question 1: "));

    game.answer(true);
    EXPECT_EQ(QApplication::focusWidget(), f.PushButton1);
    EXPECT_EQ(nameOf(f.PushButton1), "That's correct! Your score is 1. Next");
    EXPECT_EQ(f.PushButton1->text(), "Next");

    // From Next the focus goes straight to the answer box, before the box
    // is emptied, and never through End Game.
    {
        FocusTrail focus;
        game.enter();
        EXPECT_EQ(focus.trail, std::vector<QWidget*>{f.txtanswer});
    }
    EXPECT_EQ(nameOf(f.txtanswer), problem("plus"));
    EXPECT_TRUE(nameOf(f.txtanswer).startsWith("Question 2: "));
    EXPECT_EQ(nameOf(f.PushButton1), "Next");

    game.answer(false);
    EXPECT_EQ(QApplication::focusWidget(), f.PushButton1);
    EXPECT_EQ(nameOf(f.PushButton1), QStringLiteral("Wrong! Answer: %1. Your score is 0. Next")
                                         .arg(f.game().correctAnswer()));

    // The time-out comes first; the answer box, disabled, passes the focus on.
    game.enter();
    game.type(QString::number(f.game().correctAnswer()));
    game.ticks(engine::kTimeLimit);
    EXPECT_EQ(QApplication::focusWidget(), f.PushButton1);
    EXPECT_EQ(nameOf(f.PushButton1), "Time is over. That's correct! Your score is 1. Next");

    // Another operator, ticked between problems.
    game.click(f.Check2);
    game.click(f.Check1);
    game.enter();
    EXPECT_EQ(nameOf(f.txtanswer), problem("minus"));
    game.answer(true);
    EXPECT_EQ(nameOf(f.PushButton1), "That's correct! Your score is 2. Next");
}

TEST_F(Accessibility, TheSummaryReadsRowByRowWithItsHeaders) {
    Form1& f = game.start();
    game.answer(true);
    game.enter();
    game.answer(false);
    game.click(f.PushButton8);  // End Game: the list is laid out when shown
    Game::settle();
    windows::Form2* summary = game.summary();
    ASSERT_NE(summary, nullptr);
    ASSERT_TRUE(summary->isVisible());
    QAccessibleInterface* window = ifaceOf(summary);
    EXPECT_EQ(window->role(), QAccessible::Window);
    EXPECT_EQ(window->child(0)->object(), parts::Label1(summary));
    EXPECT_EQ(window->child(1)->object(), parts::ListView1(summary));
    EXPECT_EQ(nameOf(parts::Label1(summary)), "Your score is 0 in 2 total questions.");

    QAccessibleInterface* list = ifaceOf(parts::ListView1(summary));
    // Opened, the list takes the focus: its name leads with the score line.
    EXPECT_EQ(list->text(QAccessible::Name),
              "Your score is 0 in 2 total questions. Problems of this game");
    QAccessibleTableInterface* table = list->tableInterface();
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->columnCount(), 5);
    ASSERT_EQ(table->rowCount(), 2);
    QStringList headers;
    for (int c = 0; c < 5; ++c) {
        QAccessibleInterface* cell = table->cellAt(0, c);
        ASSERT_NE(cell, nullptr);
        const QList<QAccessibleInterface*> header = cell->tableCellInterface()->columnHeaderCells();
        ASSERT_EQ(header.size(), 1);
        headers << header[0]->text(QAccessible::Name);
        // Qt hands the header cell over without keeping it.
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(header[0]));
    }
    EXPECT_EQ(headers,
              (QStringList{"No.", "Math problems", " Your Answer", "Correct Answer", "Result"}));
    // Each cell is read with its header, the operator as a word; the list
    // shows the cells as they are.
    for (int r = 0; r < 2; ++r) {
        QStringList cells;
        for (int c = 0; c < 5; ++c) cells << table->cellAt(r, c)->text(QAccessible::Name);
        QTreeWidgetItem* item = parts::ListView1(summary)->topLevelItem(r);
        QStringList said;
        for (int c = 0; c < 5; ++c)
            said << headers[c].trimmed() + ' ' + item->text(c).replace(" + ", " plus ");
        EXPECT_EQ(cells, said);
        EXPECT_TRUE(item->text(1).contains(" + ")) << item->text(1).toStdString();
        EXPECT_EQ(cells[0], QStringLiteral("No. %1").arg(r + 1));
        EXPECT_EQ(cells[4], r == 0 ? "Result Correct!" : "Result Wrong!");
    }

    // Every showing opens on the list, not on the button pressed last time.
    EXPECT_EQ(summary->focusWidget(), parts::ListView1(summary));
    parts::PushButton8(summary)->setFocus();
    game.click(parts::PushButton8(summary));  // Play Again
    Game::settle();
    game.answer(true);
    game.click(f.PushButton8);
    Game::settle();
    EXPECT_EQ(summary->focusWidget(), parts::ListView1(summary));
    EXPECT_EQ(list->text(QAccessible::Name),
              "Your score is 1 in 1 total questions. Problems of this game");
}

#ifndef _WIN32
// The calls that end a Qt 6.4 program when they reach its bridge.
QDBusMessage propertiesCall(QObject* target, const QString& member, const QVariantList& args) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral(":1.7"), windows::accessibleObjectPath(target),
        QStringLiteral("org.freedesktop.DBus.Properties"), member);
    call.setArguments(args);
    return call;
}

TEST_F(Accessibility, PropertiesCallsTheBridgeCannotTakeAreAnsweredHere) {
    Form1& f = game.start();
    const QString accessible = QStringLiteral("org.a11y.atspi.Accessible");

    auto all =
        windows::answerPropertiesCall(propertiesCall(f.txtanswer, "GetAll", {accessible}), ":1.7");
    ASSERT_TRUE(all.has_value());
    ASSERT_EQ(all->type(), QDBusMessage::ReplyMessage);
    const QVariantMap props = all->arguments().value(0).toMap();
    EXPECT_EQ(props.value("Name").toString(), nameOf(f.txtanswer));
    EXPECT_EQ(props.value("ChildCount").toInt(), 0);
    EXPECT_TRUE(props.contains("Description"));
    EXPECT_TRUE(props.contains("Parent"));

    auto root = windows::answerPropertiesCall(propertiesCall(qApp, "GetAll", {accessible}), ":1.7");
    ASSERT_TRUE(root.has_value());
    EXPECT_EQ(windows::accessibleObjectPath(qApp), "/org/a11y/atspi/accessible/root");
    EXPECT_EQ(root->arguments().value(0).toMap().value("Name").toString(),
              ifaceOf(qApp)->text(QAccessible::Name));

    // Other interfaces' properties are for Get; short or ill-typed calls are refused.
    auto other = windows::answerPropertiesCall(
        propertiesCall(f.txtanswer, "GetAll", {QStringLiteral("org.a11y.atspi.Text")}), ":1.7");
    ASSERT_TRUE(other.has_value());
    EXPECT_EQ(other->type(), QDBusMessage::ErrorMessage);
    for (const QDBusMessage& bad :
         {propertiesCall(f.txtanswer, "Get", {accessible}), propertiesCall(f.txtanswer, "Get", {}),
          propertiesCall(f.txtanswer, "GetAll", {}), propertiesCall(f.txtanswer, "GetAll", {42}),
          propertiesCall(f.txtanswer, "Set", {accessible, QStringLiteral("Name")})}) {
        auto answer = windows::answerPropertiesCall(bad, ":1.7");
        ASSERT_TRUE(answer.has_value()) << bad.member().toStdString();
        EXPECT_EQ(answer->type(), QDBusMessage::ErrorMessage);
        EXPECT_EQ(answer->errorName(), "org.freedesktop.DBus.Error.InvalidArgs");
    }

    // What the bridge handles well goes on to it.
    EXPECT_FALSE(
        windows::answerPropertiesCall(
            propertiesCall(f.txtanswer, "Get", {accessible, QStringLiteral("Name")}), ":1.7")
            .has_value());
    EXPECT_FALSE(
        windows::answerPropertiesCall(propertiesCall(f.txtanswer, "Set",
                                                     {accessible, QStringLiteral("Name"),
                                                      QVariant::fromValue(QDBusVariant(1))}),
                                      ":1.7")
            .has_value());
    QDBusMessage children = QDBusMessage::createMethodCall(
        ":1.7", windows::accessibleObjectPath(&f), accessible, QStringLiteral("GetChildren"));
    EXPECT_FALSE(windows::answerPropertiesCall(children, ":1.7").has_value());

    // An object that is gone is no object.
    QDBusMessage stale = QDBusMessage::createMethodCall(
        ":1.7", "/org/a11y/atspi/accessible/12", "org.freedesktop.DBus.Properties", "GetAll");
    stale << accessible;
    auto none = windows::answerPropertiesCall(stale, ":1.7");
    ASSERT_TRUE(none.has_value());
    EXPECT_EQ(none->errorName(), "org.freedesktop.DBus.Error.UnknownObject");
}
#else
TEST_F(Accessibility, PropertiesCallsTheBridgeCannotTakeAreAnsweredHere) {
    GTEST_SKIP() << "the AT-SPI bus is Linux's; Windows screen readers use UI Automation";
}
#endif

}  // namespace
