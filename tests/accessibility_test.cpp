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

// What was announced, in order, with where the keyboard focus was then.
struct Heard {
    QObject* object;
    QString text;
    bool urgent;
    QWidget* focus;
};

class Accessibility : public ::testing::Test {
protected:
    void SetUp() override {
        windows::setAnnouncementListener([this](QObject* source, const QString& text, bool urgent) {
            heard.push_back({source, text, urgent, QApplication::focusWidget()});
        });
    }
    void TearDown() override { windows::setAnnouncementListener(nullptr); }
    std::vector<Heard> heard;
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
    EXPECT_EQ(nameOf(f.txtanswer), "Your answer");
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
    // Every control once, and each knows its own place and parent.
    const auto widgets = f.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    EXPECT_EQ(window->childCount(), widgets.size());
    for (int i = 0; i < window->childCount(); ++i) {
        QAccessibleInterface* child = window->child(i);
        EXPECT_EQ(window->indexOfChild(child), i);
        EXPECT_EQ(child->parent()->object(), &f);
    }
}

TEST_F(Accessibility, TheCountdownTextIsTheBarsNameAsItChanges) {
    Form1& f = game.start();
    EXPECT_EQ(nameOf(f.ProgressBar1), "You have 10 seconds to answer this question.");
    EXPECT_EQ(descriptionOf(f.ProgressBar1), "seconds left to answer");
    const QString before = f.ProgressBar1->text();
    for (int left = 9; left >= 1; --left) {
        game.tick();
        EXPECT_EQ(nameOf(f.ProgressBar1),
                  QStringLiteral("You have %1 seconds to answer this question.").arg(left));
    }
    QAccessibleValueInterface* value = ifaceOf(f.ProgressBar1)->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->currentValue().toInt(), 9);
    EXPECT_EQ(value->maximumValue().toInt(), 10);
    // The seconds are read, not announced: only the time-out is.
    EXPECT_TRUE(heard.empty());
    EXPECT_NE(before, f.ProgressBar1->text());
}

TEST_F(Accessibility, AVerdictIsAnnouncedAndTheFocusStaysWhereTheGamePutsIt) {
    Form1& f = game.start();
    game.answer(true);
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0].object, f.lblmessage);
    EXPECT_EQ(heard[0].text, "That's correct!");
    EXPECT_FALSE(heard[0].urgent);
    EXPECT_EQ(QApplication::focusWidget(), f.PushButton1);

    heard.clear();
    game.enter();  // Question 2
    game.answer(false);
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0].text,
              QStringLiteral("Wrong! Answer: ") + QString::number(f.game().correctAnswer()));
    EXPECT_EQ(QApplication::focusWidget(), f.PushButton1);
    // Refused keys and the opening of a problem announce nothing.
    heard.clear();
    game.enter();
    game.type(QStringLiteral("x-"));
    EXPECT_TRUE(heard.empty());
}

TEST_F(Accessibility, TheTimeOutIsAnnouncedBeforeItsVerdict) {
    Form1& f = game.start();
    game.type(QString::number(f.game().correctAnswer()));
    QWidget* focus = QApplication::focusWidget();
    ASSERT_EQ(focus, f.txtanswer);
    heard.clear();
    game.ticks(10);
    ASSERT_EQ(heard.size(), 2u);
    EXPECT_EQ(heard[0].object, f.ProgressBar1);
    EXPECT_EQ(heard[0].text, "Time is over.");
    EXPECT_TRUE(heard[0].urgent);
    EXPECT_EQ(heard[0].focus, focus);
    EXPECT_EQ(heard[1].object, f.lblmessage);
    EXPECT_EQ(heard[1].text, "That's correct!");
    EXPECT_EQ(heard[1].focus, focus);
    EXPECT_EQ(nameOf(f.ProgressBar1), "Progress Bar");
    EXPECT_EQ(nameOf(f.lblscore), "1");
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
    EXPECT_EQ(list->text(QAccessible::Name), "Problems of this game");
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
    for (int r = 0; r < 2; ++r) {
        QStringList cells;
        for (int c = 0; c < 5; ++c) cells << table->cellAt(r, c)->text(QAccessible::Name);
        QTreeWidgetItem* item = parts::ListView1(summary)->topLevelItem(r);
        QStringList shown;
        for (int c = 0; c < 5; ++c) shown << item->text(c);
        EXPECT_EQ(cells, shown);
        EXPECT_EQ(cells[0], QString::number(r + 1));
        EXPECT_EQ(cells[4], r == 0 ? "Correct!" : "Wrong!");
    }
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
    EXPECT_EQ(props.value("Name").toString(), "Your answer");
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
