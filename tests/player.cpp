#include "player.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <QTreeWidget>
#include <algorithm>
#include <array>
#include <optional>
#include <random>
#include <sstream>

#include "engine/quiz.h"
#include "rig/rig.h"
#include "windows/form2.h"

namespace stress {

namespace {

using windows::shown;

const QString kNoOperator = QStringLiteral("You must select at least one operator");
const QString kNoLevel = QStringLiteral("You must select at least one game level");

// QTest complains on stderr about every event a disabled control ignores;
// the player sends many of those on purpose.
QtMessageHandler g_previousHandler = nullptr;
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("not accepted by receiving widget"))) return;
    if (g_previousHandler) g_previousHandler(type, context, message);
}

// A game wired to recorders (see rig/rig.h), with a seeded random source and
// a clock that differs from seed to seed.
struct Table : rig::Rig<engine::Mt19937Source> {
    explicit Table(std::uint64_t seed) : Rig(seed) {
        // Seconds since midnight with a fraction, different for every seed.
        timeOfDay = double(seed % 86400) + double((seed * 2654435761u) % 1000000u) / 1e6;
        load();
        // The player drives every tick itself; the real timer must never add
        // one on its own, or a seed would not replay the same game.
        form1->Timer1->setInterval(24 * 3600 * 1000);
        form1->showCentred();
        settle();
    }
};

struct OpenProblem {
    int number = 0;
    std::int32_t correct = 0;
    std::string text;
    int ticks = 0;
};

engine::Range expectedRange(bool easy, bool medium, bool hard) {
    if (easy && medium && hard) return {1, 999};
    if (easy && medium) return {1, 99};
    if (medium && hard) return {10, 999};
    if (easy) return {1, 9};
    if (medium) return {10, 99};
    return {100, 999};
}

QString q(const std::string& s) { return QString::fromStdString(s); }

// What happened during one delivery, as the hooks saw it.
struct Delivery {
    bool tick = false;
    bool activation = false;
};

class Player {
public:
    explicit Player(Table& table) : t_(table) {
        g_previousHandler = qInstallMessageHandler(quietHandler);
        QObject::connect(form().PushButton1, &windows::PushButton::clickEvent, &context_,
                         [this] { onPressed(); });
        hookSummary();
        // Question 1 opened as the window became active, before the hooks.
        if (form().Timer1->isActive()) recordOpen(false);
        checkAll({});
    }
    ~Player() { qInstallMessageHandler(g_previousHandler); }

    bool failed() const { return !failure_.empty(); }
    const std::string& failure() const { return failure_; }
    Stats stats;

    std::string* transcript = nullptr;

    Action choose(std::mt19937_64& rng);
    void perform(const Action& a);
    // Lets the countdown of a problem still open run out.
    void finish(std::vector<Action>* trace);

private:
    windows::Form1& form() { return t_.form(); }
    windows::Form2* summary() { return t_.form1->loadedForm2(); }
    int actualRows() { return summary() ? summary()->rowCount() : 0; }

    void fail(const std::string& what) {
        if (failure_.empty()) failure_ = what;
    }
    template <class F>
    void deliver(const Delivery& d, F&& f);
    void onPressed();
    void onPlayAgain();
    void recordOpen(bool multiBefore);
    void hookSummary();
    void checkAll(const Delivery& d);
    void writeState();
    void checkMessages();
    void checkRows(const Delivery& d);
    void checkState();
    void checkCountdown(const Delivery& d);

    QWidget* keyTarget();
    void key(Qt::Key k, const QString& text, Qt::KeyboardModifiers mods = Qt::NoModifier,
             bool repeat = false, bool press = true);
    void click(QWidget* w);
    void postClick(QWidget* w);
    void pointerMove(int place);

    Table& t_;
    QObject context_;
    std::string failure_;
    bool summaryHooked_ = false;
    bool everOpened_ = false;

    // The model of the game, kept from what the player did and saw.
    std::optional<OpenProblem> open_;
    std::optional<OpenProblem> replaced_;  // open before a press in the same delivery
    int numProbAtReplace_ = 0;
    std::vector<std::array<QString, 5>> rows_;
    int right_ = 0;
    int wrong_ = 0;
    int numProb_ = 0;
    QString scoreLine_ = QStringLiteral("Question ");
    QString scoreLabel_ = QStringLiteral("0");
    std::size_t messagesSeen_ = 0;
    std::size_t transcribedMessages_ = 0;

    // Snapshot taken before each delivery.
    QString textBefore_;
    bool multiBefore_ = false;
    bool pressed_ = false;
    bool slow_ = false;
    long long moodFor_ = -1;
};

template <class F>
void Player::deliver(const Delivery& d, F&& f) {
    if (failed()) return;
    textBefore_ = form().txtanswer->text();
    multiBefore_ = shown(form().lblMultiOp);
    pressed_ = false;
    replaced_.reset();
    if (d.tick && open_) ++open_->ticks;
    std::forward<F>(f)();
    Table::settle();
    ++stats.deliveries;
    hookSummary();
    checkAll(d);
    if (transcript) writeState();
}

// What a player could see, by object name, so that it does not depend on
// how the windows are put together in code.
void Player::writeState() {
    std::ostringstream s;
    QList<QWidget*> windows;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (!w->objectName().isEmpty()) windows.push_back(w);
    std::sort(windows.begin(), windows.end(),
              [](QWidget* a, QWidget* b) { return a->objectName() < b->objectName(); });
    for (QWidget* w : windows) {
        if (!w->isVisible()) continue;
        s << '[' << w->objectName().toStdString() << ']';
        auto children = w->findChildren<QWidget*>();
        std::sort(children.begin(), children.end(),
                  [](QWidget* a, QWidget* b) { return a->objectName() < b->objectName(); });
        for (QWidget* c : children) {
            if (c->objectName().isEmpty() || c->objectName().startsWith(QLatin1String("qt_"))) continue;
            s << ' ' << c->objectName().toStdString() << (c->isVisibleTo(w) ? "" : "/h")
              << (c->isEnabled() ? "" : "/d") << (c->hasFocus() ? "/f" : "");
            if (c->testAttribute(Qt::WA_SetCursor)) s << "/c" << int(c->cursor().shape());
            if (c->property("checked").toBool()) s << "/x";
            const QVariant text = c->property("text");
            if (text.isValid()) s << "=\"" << text.toString().toStdString() << '"';
            const QVariant value = c->property("value");
            if (value.isValid()) s << '#' << value.toString().toStdString();
            if (auto* list = qobject_cast<QTreeWidget*>(c))
                for (int r = 0; r < list->topLevelItemCount(); ++r) {
                    s << " {";
                    for (int col = 0; col < list->columnCount(); ++col)
                        s << (col ? "|" : "") << list->topLevelItem(r)->text(col).toStdString();
                    s << '}';
                }
        }
        s << ' ';
    }
    for (; transcribedMessages_ < t_.boxes.shown.size(); ++transcribedMessages_) {
        const auto& m = t_.boxes.shown[transcribedMessages_];
        s << " message \"" << m.title.toStdString() << "\": " << m.text.toStdString();
    }
    *transcript += s.str() + "\n";
}

void Player::hookSummary() {
    if (summaryHooked_ || !summary()) return;
    summaryHooked_ = true;
    QObject::connect(parts::PushButton8(summary()), &windows::PushButton::clickEvent, &context_,
                     [this] { onPlayAgain(); });
}

void Player::onPressed() {
    pressed_ = true;
    auto& f = form();
    const bool opened = f.Timer1->isActive() && !f.PushButton1->isEnabled();
    if (!opened) {
        ++stats.refused;
        const auto ops = f.operatorBoxes();
        const bool noOperator =
            std::all_of(ops.begin(), ops.end(), [](auto* b) { return b->value() == 0; });
        const QString expected = noOperator ? kNoOperator : kNoLevel;
        if (t_.boxes.shown.empty() || t_.boxes.shown.back().text != expected)
            fail("a refused press did not warn \"" + expected.toStdString() + "\"");
        return;
    }
    if (open_) {
        if (actualRows() > int(rows_.size())) {
            replaced_ = open_;  // judged earlier in this delivery
            numProbAtReplace_ = numProb_;
        } else {
            fail("problem " + std::to_string(open_->number) + " (" + open_->text +
                 ") was replaced before it was judged");
        }
    }
    recordOpen(multiBefore_);
}

void Player::recordOpen(bool multiBefore) {
    auto& f = form();
    ++stats.opened;
    everOpened_ = true;
    OpenProblem p;
    p.number = f.game().NumProb;
    p.correct = f.game().correctAnswer();
    p.text = f.game().problemText();
    if (f.game().NumProb != numProb_ + 1)
        fail("NumProb went from " + std::to_string(numProb_) + " to " + std::to_string(f.game().NumProb) +
             " on opening a problem");
    numProb_ = f.game().NumProb;
    if (f.lblQuestion->text() != QStringLiteral("Question %1").arg(p.number))
        fail("the question label reads \"" + f.lblQuestion->text().toStdString() + "\" for problem " +
             std::to_string(p.number));
    if (f.PushButton1->text() != QStringLiteral("Next")) fail("the hidden button is not captioned Next");
    if (!f.txtanswer->text().isEmpty()) fail("a new problem opened with text in the answer box");
    if (!f.lblmessage->text().isEmpty()) fail("a new problem opened with the last verdict showing");
    if (f.ProgressBar1->text() !=
        QStringLiteral("You have %1 seconds to answer this question.").arg(engine::kTimeLimit))
        fail("a new problem's bar reads \"" + f.ProgressBar1->text().toStdString() + "\"");

    // The problem on show obeys the ticked operators and the level range.
    bool ok1 = false, ok2 = false;
    const int first = f.lblNum1->text().toInt(&ok1);
    const int second = f.lblNum2->text().toInt(&ok2);
    if (!ok1 || !ok2) {
        fail("the numbers on show are not numbers");
        open_ = p;
        return;
    }
    const auto ops = f.operatorBoxes();
    std::array<bool, 4> ticked{};
    for (int i = 0; i < 4; ++i) ticked[i] = ops[i]->value() == 1;
    const engine::Range range =
        expectedRange(f.Check5->value() == 1, f.Check6->value() == 1, f.Check7->value() == 1);
    if (first < range.low || first > range.high || second < range.low || second > range.high)
        fail("numbers " + std::to_string(first) + " and " + std::to_string(second) +
             " lie outside the level range " + std::to_string(range.low) + ".." +
             std::to_string(range.high));
    std::optional<int> opIndex;
    for (int i = 0; i < 4; ++i)
        if (p.text == engine::problemText(engine::kOperators[i].op, first, second)) opIndex = i;
    if (!opIndex) {
        fail("problem text \"" + p.text + "\" does not match the numbers on show");
    } else {
        const auto op = engine::kOperators[*opIndex].op;
        if (!ticked[*opIndex]) fail("problem \"" + p.text + "\" uses an operator that is not ticked");
        for (int i = 1; i < 4; ++i)
            if (ticked[i] && !engine::ruleHolds(engine::kOperators[i].op, first, second))
                fail("problem \"" + p.text + "\" breaks the rule of the ticked " +
                     std::string(engine::kOperators[i].name));
        if (p.correct != engine::correctResult(op, first, second))
            fail("problem \"" + p.text + "\" stores the result " + std::to_string(p.correct));
        if (!shown(f.pictures()[*opIndex])) fail("the picture of the problem's operator is hidden");
        if (shown(f.lblMultiOp)) fail("the \"?\" sign shows on an open problem");
        if (!multiBefore) {
            const int firstTicked = int(std::find(ticked.begin(), ticked.end(), true) - ticked.begin());
            if (*opIndex != firstTicked) fail("a fixed pick did not take the first ticked operator");
        } else {
            for (int i = 0; i < 4; ++i)
                if (i != *opIndex && shown(f.pictures()[i]))
                    fail("after a random pick another operator's picture shows too");
        }
    }
    open_ = p;
}

void Player::onPlayAgain() {
    ++stats.playAgains;
    rows_.clear();
    right_ = wrong_ = numProb_ = 0;
    scoreLabel_ = QStringLiteral("0");
    if (form().game().NumProb != 0 || form().game().NumRight != 0 || form().game().NumWrong != 0)
        fail("Play Again left a counter standing");
    if (actualRows() != 0) fail("Play Again left rows in the list");
}

void Player::checkAll(const Delivery& d) {
    checkMessages();
    checkRows(d);
    checkState();
    checkCountdown(d);
    auto& f = form();
    // The counters, the score label and the score line agree.
    if (f.game().NumRight != right_ || f.game().NumWrong != wrong_)
        fail("counters right " + std::to_string(f.game().NumRight) + " wrong " + std::to_string(f.game().NumWrong) +
             ", expected " + std::to_string(right_) + " and " + std::to_string(wrong_));
    if (f.game().NumRight + f.game().NumWrong != actualRows())
        fail("NumRight + NumWrong is " + std::to_string(f.game().NumRight + f.game().NumWrong) + " for " +
             std::to_string(actualRows()) + " rows");
    if (f.game().NumProb != numProb_)
        fail("NumProb is " + std::to_string(f.game().NumProb) + ", expected " + std::to_string(numProb_));
    if (f.lblscore->text() != scoreLabel_)
        fail("the score label reads " + f.lblscore->text().toStdString() + ", expected " +
             scoreLabel_.toStdString());
    if (summary() && parts::Label1(summary())->text() != scoreLine_)
        fail("the score line reads \"" + parts::Label1(summary())->text().toStdString() + "\", expected \"" +
             scoreLine_.toStdString() + "\"");
    // Only digits stand in the answer box, never more than it takes.
    const QString text = f.txtanswer->text();
    if (text.size() > windows::AnswerBox::kMaxLength)
        fail("the answer box holds " + std::to_string(text.size()) + " characters");
    for (QChar c : text)
        if (c < QChar('0') || c > QChar('9')) {
            fail("the answer box holds \"" + text.toStdString() + "\"");
            break;
        }
    if (d.activation && pressed_) fail("an activation by the platform pressed the button");
}

void Player::checkMessages() {
    for (; messagesSeen_ < t_.boxes.shown.size(); ++messagesSeen_) {
        const auto& m = t_.boxes.shown[messagesSeen_];
        if (m.title != frame::kProductName || (m.text != kNoOperator && m.text != kNoLevel))
            fail("unexpected message \"" + m.title.toStdString() + "\": " + m.text.toStdString());
        ++stats.warnings;
    }
}

void Player::checkRows(const Delivery& d) {
    const int actual = actualRows();
    const int known = int(rows_.size());
    if (actual < known) {
        fail("rows vanished without Play Again");
        return;
    }
    if (actual > known + 1) {
        fail(std::to_string(actual - known) + " rows were written by one event");
        return;
    }
    if (actual == known + 1) {
        auto& f = form();
        std::optional<OpenProblem>& judged = pressed_ && replaced_ ? replaced_ : open_;
        if (!judged) {
            fail("a row was written while no problem was open");
            return;
        }
        const QString typedText = pressed_ ? textBefore_ : f.txtanswer->text();
        const std::int32_t typed =
            typedText.isEmpty() ? 0 : engine::readTypedAnswer(typedText.toStdString());
        const bool right = typed == judged->correct;
        const bool timeOut =
            d.tick && f.ProgressBar1->text() == QStringLiteral("Progress Bar") && !pressed_;
        if (timeOut && judged->ticks != engine::kTimeLimit)
            fail("problem " + std::to_string(judged->number) + " timed out at tick " +
                 std::to_string(judged->ticks));
        // The row carries NumProb as it stood at the judgement.
        const int number = pressed_ && replaced_ ? numProbAtReplace_ : numProb_;
        std::array<QString, 5> expected{QString::number(number), q(judged->text),
                                        QString::number(typed), QString::number(judged->correct),
                                        right ? QStringLiteral("Correct!") : QStringLiteral("Wrong!")};
        auto* item = parts::ListView1(summary())->topLevelItem(actual - 1);
        for (int c = 0; c < 5; ++c)
            if (item->text(c) != expected[c]) {
                fail("row " + std::to_string(actual) + " column " + std::to_string(c + 1) + " reads \"" +
                     item->text(c).toStdString() + "\", expected \"" + expected[c].toStdString() + "\"");
                break;
            }
        const QString message = right ? QStringLiteral("That's correct!")
                                       : QStringLiteral("Wrong! Answer: %1").arg(judged->correct);
        if (!pressed_ && f.lblmessage->text() != message)
            fail("the verdict reads \"" + f.lblmessage->text().toStdString() + "\"");
        rows_.push_back(expected);
        (right ? right_ : wrong_) += 1;
        ++stats.judged;
        if (right) ++stats.right;
        if (timeOut) ++stats.timeOuts;
        scoreLabel_ = QString::number(right_ - wrong_);
        scoreLine_ = q(engine::scoreLine(right_ - wrong_, std::int16_t(number)));
        judged.reset();
    }
    // Rows written earlier never change.
    if (summary())
        for (int r = 0; r < std::min(actual, int(rows_.size())); ++r) {
            auto* item = parts::ListView1(summary())->topLevelItem(r);
            for (int c = 0; c < 5; ++c)
                if (item->text(c) != rows_[r][c]) {
                    fail("row " + std::to_string(r + 1) + " changed after it was written");
                    return;
                }
        }
}

void Player::checkState() {
    auto& f = form();
    const bool pb = f.PushButton1->isEnabled();
    const bool tx = f.txtanswer->isEnabled();
    const auto boxes = f.optionBoxes();
    const int enabledBoxes =
        int(std::count_if(boxes.begin(), boxes.end(), [](auto* b) { return b->isEnabled(); }));
    const bool timer = f.Timer1->isActive();
    const bool prompt = shown(f.Label5);
    if (enabledBoxes != 0 && enabledBoxes != 7) {
        fail("only " + std::to_string(enabledBoxes) + " of the seven option boxes are enabled");
        return;
    }
    const bool bx = enabledBoxes == 7;
    const bool waiting = pb && tx && bx && !timer && prompt && !everOpened_;
    const bool problemOpen = !pb && tx && !bx && timer && !prompt;
    const bool byEnter = pb && !tx && !bx && !timer && prompt;
    const bool byTimeOut = pb && !tx && bx && !timer && !prompt;
    if (!(waiting || problemOpen || byEnter || byTimeOut)) {
        std::ostringstream s;
        s << "no game state has button " << pb << ", answer box " << tx << ", boxes " << bx
          << ", timer " << timer << ", prompt " << prompt;
        fail(s.str());
        return;
    }
    if (problemOpen != bool(open_)) fail(problemOpen ? "a problem is on show that never opened"
                                                     : "the model has a problem open that is not on show");
    if (f.PushButton1->text() != (everOpened_ ? QStringLiteral("Next") : QStringLiteral("Start")))
        fail("the hidden button reads " + f.PushButton1->text().toStdString());
}

void Player::checkCountdown(const Delivery& d) {
    auto& f = form();
    if (open_) {
        if (f.game().secondsElapsed() != open_->ticks)
            fail("SecondsElapsed is " + std::to_string(f.game().secondsElapsed()) + " after " +
                 std::to_string(open_->ticks) + " ticks");
        if (open_->ticks >= engine::kTimeLimit)
            fail("the problem was not judged at its tenth tick");
        if (d.tick && open_->ticks > 0) {
            if (f.ProgressBar1->value() != open_->ticks ||
                f.ProgressBar1->maximum() != engine::kTimeLimit)
                fail("the bar shows " + std::to_string(f.ProgressBar1->value()) + " of " +
                     std::to_string(f.ProgressBar1->maximum()));
            const QString text = QStringLiteral("You have %1 seconds to answer this question.")
                                     .arg(engine::kTimeLimit - open_->ticks);
            if (f.ProgressBar1->text() != text)
                fail("the bar reads \"" + f.ProgressBar1->text().toStdString() + "\"");
        }
    } else if (f.game().secondsElapsed() != 0) {
        fail("SecondsElapsed is " + std::to_string(f.game().secondsElapsed()) + " with no problem open");
    }
}

// ----------------------------------------------------------------- delivery

QWidget* Player::keyTarget() {
    // Keys go to the focused control of the window on show.
    QWidget* window = form().isHidden() && summary() && !summary()->isHidden()
                          ? static_cast<QWidget*>(summary())
                          : static_cast<QWidget*>(&form());
    if (window->isHidden()) return nullptr;
    QWidget* target = window->focusWidget();
    return target ? target : window;
}

void Player::key(Qt::Key k, const QString& text, Qt::KeyboardModifiers mods, bool repeat, bool press) {
    QWidget* target = keyTarget();
    if (!target) return;
    if (press) QTest::simulateEvent(target, true, k, mods, text, repeat);
    if (!repeat) QTest::simulateEvent(target, false, k, mods, text, false);
}

void Player::click(QWidget* w) {
    if (!w || !w->isVisible()) return;
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
}

void Player::postClick(QWidget* w) {
    if (!w || !w->isVisible()) return;
    const QPointF c = QRectF(w->rect()).center();
    const QPointF g = QPointF(w->mapToGlobal(c.toPoint()));
    QCoreApplication::postEvent(w, new QMouseEvent(QEvent::MouseButtonPress, c, g, Qt::LeftButton,
                                                   Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(w, new QMouseEvent(QEvent::MouseButtonRelease, c, g, Qt::LeftButton,
                                                   Qt::NoButton, Qt::NoModifier));
}

void Player::pointerMove(int place) {
    QWidget* window = nullptr;
    QWidget* over = nullptr;  // null: the window background
    int expect = -1;  // the pointer mode the move must leave, or -1: not checked
    frame::WindowPointer* pointer = nullptr;
    if (!form().isHidden()) {
        window = &form();
        pointer = &form().pointer();
        const auto boxes = form().optionBoxes();
        if (place < 7) {
            over = boxes[place];
            if (over->isEnabled()) expect = int(frame::PointerMode::Custom);
        } else if (place == 7) {
            over = form().PushButton8;
            expect = int(frame::PointerMode::Custom);
        } else if (place == 8) {
            expect = int(frame::PointerMode::Default);
        } else if (place == 9) {
            over = form().lblmessage;
            expect = int(pointer->mode());
        } else {
            over = form().txtanswer;
            expect = int(pointer->mode());
        }
    } else if (summary() && !summary()->isHidden()) {
        window = summary();
        pointer = &summary()->pointer();
        switch (place % 4) {
        case 0: over = parts::PushButton8(summary()); expect = int(frame::PointerMode::Custom); break;
        case 1: over = parts::PushButton1(summary()); expect = int(frame::PointerMode::Custom); break;
        case 2: over = parts::ListView1(summary())->viewport(); expect = int(frame::PointerMode::Default); break;
        default: expect = int(frame::PointerMode::Default); break;
        }
    }
    if (!window || !window->windowHandle()) return;
    QPoint at(2, 2);
    if (over) at = over->mapTo(window, over->rect().center());
    else if (window->childAt(at)) expect = -1;
    if (pointer->mode() == frame::PointerMode::Hourglass) expect = int(frame::PointerMode::Hourglass);
    // Qt drops a move to where the pointer already is; a hand on a mouse
    // always moves a little, so arrive from one pixel away.
    if (window->childAt(at + QPoint(1, 1)) != window->childAt(at)) expect = -1;
    QTest::mouseMove(window->windowHandle(), at + QPoint(1, 1));
    QTest::mouseMove(window->windowHandle(), at);
    if (expect >= 0 && int(pointer->mode()) != expect)
        fail("the pointer mode is " + std::to_string(int(pointer->mode())) + " after a move, expected " +
             std::to_string(expect));
}

void Player::perform(const Action& a) {
    if (failed()) return;
    ++stats.events;
    auto& f = form();
    switch (a.kind) {
    case Action::Digits:
        for (QChar c : q(a.text)) deliver({}, [&] { key(Qt::Key(c.unicode()), QString(c)); });
        break;
    case Action::TypeRight:
        if (!open_) break;
        for (QChar c : QString::number(f.game().correctAnswer()))
            deliver({}, [&] { key(Qt::Key(c.unicode()), QString(c)); });
        break;
    case Action::Backspace:
        deliver({}, [&] { key(Qt::Key_Backspace, QStringLiteral("\b")); });
        break;
    case Action::Enter:
        deliver({}, [&] { key(Qt::Key_Return, QStringLiteral("\r")); });
        break;
    case Action::Letter: {
        const QString s = q(a.text);
        const QChar c = s.isEmpty() ? QChar('a') : s.at(0);
        const Qt::Key k = c.toUpper().unicode() < 0x80 ? Qt::Key(c.toUpper().unicode()) : Qt::Key_unknown;
        deliver({}, [&] { key(k, QString(c)); });
        break;
    }
    case Action::Minus:
        deliver({}, [&] { key(Qt::Key_Minus, QStringLiteral("-")); });
        break;
    case Action::Blank:
        deliver({}, [&] { key(Qt::Key_Space, QStringLiteral(" ")); });
        break;
    case Action::Paste:
        deliver({}, [&] {
            QGuiApplication::clipboard()->setText(q(a.text));
            if (a.index == 0) {
                key(Qt::Key_V, QStringLiteral("\x16"), Qt::ControlModifier);
            } else if (a.index == 1) {
                key(Qt::Key_Insert, QString(), Qt::ShiftModifier);
            } else if (QWidget* target = keyTarget()) {
                QInputMethodEvent im;
                im.setCommitString(q(a.text));
                QCoreApplication::sendEvent(target, &im);
            }
        });
        break;
    case Action::HeldEnter:
        deliver({}, [&] { key(Qt::Key_Return, QStringLiteral("\r"), Qt::NoModifier, false, true); });
        for (int i = 0; i < a.count; ++i)
            deliver({}, [&] { key(Qt::Key_Return, QStringLiteral("\r"), Qt::NoModifier, true, true); });
        break;
    case Action::Tick: {
        if (!f.Timer1->isActive()) break;
        Delivery d;
        d.tick = true;
        deliver(d, [&] {
            // The carried event waits in the queue and runs inside the tick's yield.
            if (a.index == 1) {
                if (QWidget* target = keyTarget()) {
                    QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, Qt::Key_Return,
                                                                      Qt::NoModifier, QStringLiteral("\r")));
                    QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyRelease, Qt::Key_Return,
                                                                      Qt::NoModifier, QStringLiteral("\r")));
                }
            } else if (a.index == 2) {
                postClick(f.optionBoxes()[std::clamp(a.count, 0, 6)]);
            } else if (a.index == 3) {
                if (!f.isHidden()) ++stats.endGames;
                postClick(f.PushButton8);
            }
            f.Timer1_Timer();
        });
        break;
    }
    case Action::ClickBox:
        deliver({}, [&] { click(f.optionBoxes()[std::clamp(a.index, 0, 6)]); });
        break;
    case Action::EndGame:
        if (f.isHidden()) break;
        ++stats.endGames;
        deliver({}, [&] { click(f.PushButton8); });
        break;
    case Action::PlayAgain:
        if (!summary() || summary()->isHidden()) break;
        deliver({}, [&] { click(parts::PushButton8(summary())); });
        break;
    case Action::Activate: {
        QWidget* w = a.index == 0 ? static_cast<QWidget*>(&f) : static_cast<QWidget*>(summary());
        if (!w || w->isHidden()) break;
        Delivery d;
        d.activation = true;
        deliver(d, [&] {
            w->activateWindow();
            QEvent e(QEvent::WindowActivate);
            QCoreApplication::sendEvent(w, &e);
        });
        break;
    }
    case Action::PointerMove:
        // The pointer rule is checked inside, where the expectation is known.
        deliver({}, [&] { pointerMove(a.index); });
        break;
    }
}

void Player::finish(std::vector<Action>* trace) {
    for (int i = 0; i < 12 && form().Timer1->isActive() && !failed(); ++i) {
        Action a(Action::Tick);
        if (trace) trace->push_back(a);
        perform(a);
    }
    if (!failed() && stats.opened != stats.judged)
        fail(std::to_string(stats.opened) + " problems opened but " + std::to_string(stats.judged) +
             " judged");
}

Action Player::choose(std::mt19937_64& rng) {
    auto& f = form();
    const bool open = f.Timer1->isActive();
    const bool mainShown = !f.isHidden();
    const bool summaryShown = summary() && !summary()->isHidden();
    if (moodFor_ != stats.opened) {
        moodFor_ = stats.opened;
        slow_ = rng() % 10 < 3;  // a player who lets the time run out
    }
    auto pick = [&](int n) { return int(rng() % unsigned(n)); };
    // A game far past any child's patience goes back to the summary.
    if (f.game().NumProb > 30000) return mainShown ? Action(Action::EndGame) : Action(Action::PlayAgain);

    struct W {
        Action::Kind kind;
        int weight;
    };
    std::vector<W> w;
    if (mainShown) {
        w = {{Action::Digits, 14},    {Action::TypeRight, open ? (slow_ ? 3 : 9) : 0},
             {Action::Backspace, 4},  {Action::Enter, open && slow_ ? 1 : 15},
             {Action::Letter, 3},     {Action::Minus, 2},
             {Action::Blank, 2},      {Action::Paste, 3},
             {Action::HeldEnter, slow_ ? 0 : 1},
             {Action::Tick, open ? (slow_ ? 30 : 14) : 0},
             {Action::ClickBox, f.Check1->isEnabled() ? 8 : 2},
             {Action::EndGame, 1},    {Action::Activate, 1},
             {Action::PointerMove, 3}};
    } else {
        w = {{Action::PlayAgain, summaryShown ? 10 : 0}, {Action::Tick, open ? 10 : 0},
             {Action::Enter, 2}, {Action::Blank, 1}, {Action::Digits, 1},
             {Action::Activate, 1}, {Action::PointerMove, 3}};
    }
    int total = 0;
    for (const auto& x : w) total += x.weight;
    int r = pick(total);
    Action::Kind kind = Action::Enter;
    for (const auto& x : w) {
        if (r < x.weight) {
            kind = x.kind;
            break;
        }
        r -= x.weight;
    }
    Action a(kind);
    switch (kind) {
    case Action::Digits: {
        const int n = 1 + pick(3);
        for (int i = 0; i < n; ++i) a.text += char('0' + pick(10));
        break;
    }
    case Action::Letter: {
        static const char* const kLetters[] = {"a", "Z", "x", "q", ".", ",", "+", "*", "/", "=",
                                               "\xc3\xa9", "\xd9\xa3", "\xef\xbc\x95", "\t"};
        a.text = kLetters[pick(int(std::size(kLetters)))];
        break;
    }
    case Action::Paste: {
        static const char* const kClips[] = {"42", "123456789", "-7", "3.5", " 12", "1e3", "abc",
                                             "\xd9\xa3\xd9\xa4", "9\n9", "", "0000000", "12 34"};
        a.text = kClips[pick(int(std::size(kClips)))];
        a.index = pick(3);
        break;
    }
    case Action::HeldEnter:
        a.count = 1 + pick(6);
        break;
    case Action::Tick: {
        const int r2 = pick(100);
        a.index = r2 < 82 ? 0 : r2 < 90 ? 1 : r2 < 96 ? 2 : 3;
        a.count = pick(7);
        break;
    }
    case Action::ClickBox:
        a.index = pick(7);
        break;
    case Action::Activate:
        a.index = mainShown ? 0 : 1;
        break;
    case Action::PointerMove:
        a.index = pick(11);
        break;
    default:
        break;
    }
    return a;
}

}  // namespace

// ------------------------------------------------------------------ public

void Stats::add(const Stats& o) {
    events += o.events;
    deliveries += o.deliveries;
    opened += o.opened;
    judged += o.judged;
    right += o.right;
    timeOuts += o.timeOuts;
    refused += o.refused;
    endGames += o.endGames;
    playAgains += o.playAgains;
    warnings += o.warnings;
}

std::string describe(const Action& a) {
    static const char* const kNames[] = {"Digits",  "TypeRight", "Backspace", "Enter",       "Letter",
                                         "Minus",   "Blank",     "Paste",     "HeldEnter",   "Tick",
                                         "ClickBox", "EndGame",  "PlayAgain", "Activate",    "PointerMove"};
    std::string s = kNames[a.kind];
    switch (a.kind) {
    case Action::Digits:
    case Action::Letter:
        s += " \"" + a.text + "\"";
        break;
    case Action::Paste:
        s += std::string(a.index == 0 ? " Ctrl+V" : a.index == 1 ? " Shift+Insert" : " input-method") +
             " \"" + a.text + "\"";
        break;
    case Action::HeldEnter:
        s += " x" + std::to_string(a.count + 1);
        break;
    case Action::Tick:
        if (a.index == 1) s += " carrying Enter";
        if (a.index == 2) s += " carrying a click on Check" + std::to_string(a.count + 1);
        if (a.index == 3) s += " carrying End Game";
        break;
    case Action::ClickBox:
        s += " Check" + std::to_string(a.index + 1);
        break;
    case Action::Activate:
        s += a.index == 0 ? " main window" : " summary window";
        break;
    case Action::PointerMove:
        s += " place " + std::to_string(a.index);
        break;
    default:
        break;
    }
    return s;
}

Outcome play(std::uint64_t seed, long long events) {
    Outcome out;
    Table table(seed);
    Player player(table);
    std::mt19937_64 rng(seed ^ 0x9e3779b97f4a7c15ull);
    for (long long i = 0; i < events && !player.failed(); ++i) {
        out.trace.push_back(player.choose(rng));
        player.perform(out.trace.back());
    }
    if (!player.failed()) player.finish(&out.trace);
    out.failure = player.failure();
    out.stats = player.stats;
    return out;
}

std::string transcript(std::uint64_t seed, long long events) {
    std::string out;
    Table table(seed);
    Player player(table);
    player.transcript = &out;
    std::mt19937_64 rng(seed ^ 0x9e3779b97f4a7c15ull);
    for (long long i = 0; i < events && !player.failed(); ++i) {
        const Action a = player.choose(rng);
        out += "> " + describe(a) + "\n";
        player.perform(a);
    }
    if (!player.failed()) player.finish(nullptr);
    out += "statistics: opened " + std::to_string(player.stats.opened) + ", right " +
           std::to_string(player.stats.right) + ", time-outs " + std::to_string(player.stats.timeOuts) +
           ", warnings " + std::to_string(player.stats.warnings) + "; " +
           (player.failed() ? "failed: " + player.failure() : std::string("every invariant held")) + "\n";
    return out;
}

Outcome replay(std::uint64_t seed, const std::vector<Action>& actions) {
    Outcome out;
    Table table(seed);
    Player player(table);
    for (const Action& a : actions) {
        out.trace.push_back(a);
        player.perform(a);
        if (player.failed()) break;
    }
    if (!player.failed()) player.finish(&out.trace);
    out.failure = player.failure();
    out.stats = player.stats;
    return out;
}

std::vector<Action> reduce(std::uint64_t seed, std::vector<Action> trace, std::size_t maxReplays) {
    std::size_t replays = 0;
    auto fails = [&](const std::vector<Action>& t) {
        ++replays;
        return replay(seed, t).failed();
    };
    const auto more = [&] { return replays < maxReplays; };
    if (!fails(trace)) return trace;
    // Delta debugging leaves a trace from which no single chunk of the last
    // granularity can go; actions that only go together (the Enter that opens
    // and the Enter that judges) need another round from coarse chunks.
    for (std::size_t before = 0; before != trace.size() && more();) {
        before = trace.size();
        std::size_t n = 2;
        while (trace.size() >= 2 && more()) {
            const std::size_t chunk = (trace.size() + n - 1) / n;
            bool shrunk = false;
            for (std::size_t start = 0; start < trace.size() && more(); start += chunk) {
                std::vector<Action> rest(trace.begin(), trace.begin() + std::ptrdiff_t(start));
                rest.insert(rest.end(),
                            trace.begin() + std::ptrdiff_t(std::min(trace.size(), start + chunk)),
                            trace.end());
                if (fails(rest)) {
                    trace = std::move(rest);
                    n = std::max<std::size_t>(n - 1, 2);
                    shrunk = true;
                    break;
                }
            }
            if (!shrunk) {
                if (n >= trace.size()) break;
                n = std::min(trace.size(), n * 2);
            }
        }
    }
    return trace;
}

std::string failureReport(std::uint64_t seed, const Outcome& outcome, const std::vector<Action>& reduced) {
    std::ostringstream s;
    s << "invariant failed: " << outcome.failure << "\nseed " << seed << ", after "
      << outcome.trace.size() << " actions; reduced trace of " << reduced.size() << ":\n";
    for (std::size_t i = 0; i < reduced.size(); ++i) s << "  " << i + 1 << ". " << describe(reduced[i]) << "\n";
    const Outcome again = replay(seed, reduced);
    s << "the reduced trace fails with: " << (again.failed() ? again.failure : "(nothing: flaky)") << "\n";
    return s.str();
}

}  // namespace stress
