#include "accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QEvent>
#include <QHash>
#include <QPointer>
#include <QRegularExpression>
#include <QTimer>
#include <QTreeWidget>

#include "engine/texts.h"
#include "controls.h"
#include "form1.h"

namespace windows {

namespace {

// The order in which a screen reader walks a window's controls. Qt lists
// them in stacking order, which the layouts set for drawing (the second
// number before the first); a window that has an order here is read in it,
// followed by any control the order does not name.
QHash<const QWidget*, QList<QPointer<QWidget>>>& readingOrders() {
    static QHash<const QWidget*, QList<QPointer<QWidget>>> orders;
    return orders;
}

class WindowInterface final : public QAccessibleWidget {
public:
    explicit WindowInterface(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}

    int childCount() const override { return int(children().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> list = children();
        if (index < 0 || index >= list.size()) return nullptr;
        return QAccessible::queryAccessibleInterface(list.at(index));
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child) return -1;
        return int(children().indexOf(qobject_cast<QWidget*>(child->object())));
    }

private:
    QList<QWidget*> children() const {
        QList<QWidget*> list;
        const auto found = readingOrders().constFind(widget());
        if (found != readingOrders().constEnd())
            for (const QPointer<QWidget>& w : *found)
                if (w && w->parentWidget() == widget()) list.append(w);
        for (QObject* o : widget()->children()) {
            auto* w = qobject_cast<QWidget*>(o);
            if (w && !w->isWindow() && !list.contains(w)) list.append(w);
        }
        return list;
    }
};

// The parts of the problem row (numbers, operator, "=") as a reader's review
// of the screen lines them up: within the answer box's height, where the row
// stands. Each part is drawn to a height of its own, and a review that puts
// on one line only parts whose middles lie within a few pixels reads the row
// as three lines, in no spoken order.
const char* const kProblemRowPart = "quillory_problem_row_part";

class ProblemRowPart final : public QAccessibleWidget {
public:
    ProblemRowPart(QWidget* part, QAccessible::Role role) : QAccessibleWidget(part, role) {}

    QString text(QAccessible::Text t) const override {
        QString said = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && said.isEmpty())
            if (auto* label = qobject_cast<QLabel*>(widget())) said = label->text();
        return said;
    }

    QRect rect() const override {
        const QRect own = QAccessibleWidget::rect();
        const QWidget* row = widget()->parentWidget()
                                 ? widget()->parentWidget()->findChild<AnswerBox*>(
                                       QString(), Qt::FindDirectChildrenOnly)
                                 : nullptr;
        if (!row || own.isEmpty()) return own;
        const QRect band(row->mapToGlobal(QPoint(0, 0)), row->size());
        return QRect(own.x(), band.y(), own.width(), band.height());
    }
};

QAccessibleInterface* roleFactory(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    // The windows are plain widgets to Qt; to a screen reader they are windows.
    if (className == QLatin1String("windows::Form1") ||
        className == QLatin1String("windows::Form2"))
        return new WindowInterface(widget);
    if (className == QLatin1String("windows::OperatorPicture"))
        return new ProblemRowPart(widget, QAccessible::Graphic);
    if (widget->property(kProblemRowPart).toBool())
        return new ProblemRowPart(widget, QAccessible::StaticText);
    // The bar without its value: a reader says a value as the share of the
    // range, which for the countdown is the time used ("30 percent"), and
    // says it whenever it likes, over a problem or a verdict. The seconds
    // left are the bar's name.
    if (className == QLatin1String("windows::ProgressBar"))
        return new QAccessibleWidget(widget, QAccessible::ProgressBar);
    return nullptr;
}

bool installRoles() {
    static const bool installed = [] {
        QAccessible::installFactory(roleFactory);
        return true;
    }();
    return installed;
}
// Before any window exists: an interface, once made, stays for its object.
[[maybe_unused]] const bool kRolesAtStart = installRoles();

void setReadingOrder(QWidget* window, std::initializer_list<QWidget*> order) {
    QList<QPointer<QWidget>>& list = readingOrders()[window];
    list.clear();
    for (QWidget* w : order) list.append(w);
    QObject::connect(window, &QObject::destroyed, [window] { readingOrders().remove(window); });
}

// Reads the list's current row when the list has taken the focus. Qt makes
// the first row current, and says so, inside the list's focus-in, before it
// says that the list itself took the focus; a reader that follows the last
// word then stays on the list and reads no row.
class CurrentRowOnFocus final : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) {
            auto* list = static_cast<QTreeWidget*>(watched);
            QTimer::singleShot(0, list, [list] {
                if (!list->hasFocus() || !QAccessible::isActive()) return;
                const QModelIndex current = list->currentIndex();
                if (!current.isValid()) return;
                QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(list);
                QAccessibleTableInterface* table = iface ? iface->tableInterface() : nullptr;
                QAccessibleInterface* cell =
                    table ? table->cellAt(current.row(), current.column()) : nullptr;
                if (!cell) return;
                QAccessibleEvent focus(list, QAccessible::Focus);
                focus.setChild(iface->indexOfChild(cell));
                QAccessible::updateAccessibility(&focus);
            });
        }
        return false;
    }
};

// What the window shows in the operator's place: the picture on show, or "?".
QString shownOperator(Form1& form) {
    if (!form.lblMultiOp->isHidden())
        return QCoreApplication::translate("Screen reader", "question mark");
    for (OperatorPicture* picture : form.pictures())
        if (!picture->isHidden()) return operatorName(picture->op());
    return {};
}

const char* const kTimedOut = "quillory_timed_out";

}  // namespace

QString operatorName(engine::Operator op) {
    // The names are literals of engine/texts.h.
    return gameText(engine::info(op).name.data());
}

QString spoken(const char* text) { return QCoreApplication::translate("Screen reader", text); }

void describeMainWindow(Form1& form) {
    installRoles();
    guardAccessibilityBus();

    form.txtanswer->setAccessibleName(spoken(kAnswerBoxName));
    // The labels keep their own text as their name: that is what is spoken.
    form.lblNum1->setAccessibleDescription(spoken(described::kFirstNumber));
    form.lblNum2->setAccessibleDescription(spoken(described::kSecondNumber));
    form.lblscore->setAccessibleDescription(spoken(described::kScore));
    form.lblQuestion->setAccessibleDescription(spoken(described::kQuestion));
    form.lblmessage->setAccessibleDescription(spoken(described::kVerdict));
    form.lblMultiOp->setAccessibleDescription(spoken(described::kRandomOperator));
    for (OperatorPicture* picture : form.pictures())
        picture->setAccessibleName(operatorName(picture->op()));
    // Qt asks the factory installed last first, and its own widget factory,
    // installed with the application, answers for a plain label.
    QAccessible::removeFactory(roleFactory);
    QAccessible::installFactory(roleFactory);
    // Qt made the labels' interfaces as they were built (a label's text
    // reaches accessibility from its constructor); made again, they are
    // the row's.
    for (QLabel* part : {form.lblNum1, form.lblMultiOp, form.lblNum2, form.Label4}) {
        part->setProperty(kProblemRowPart, true);
        if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(part);
            made && !dynamic_cast<ProblemRowPart*>(made))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }

    // A progress bar's text does not reach AT-SPI; its name does.
    ProgressBar* bar = form.ProgressBar1;
    bar->setAccessibleName(bar->text());
    bar->setAccessibleDescription(spoken(described::kCountdown));
    QObject::connect(bar, &ProgressBar::textChanged, bar,
                     [bar](const QString& text) { bar->setAccessibleName(text); });

    // The problem as it is said: first number, operator, second number,
    // equals, answer; then the clock, the options and the score.
    setReadingOrder(
        &form, {form.lblNum1,     form.imgAdd,  form.imgSub,   form.imgMul,      form.imgDiv,
                form.lblMultiOp,  form.lblNum2, form.Label4,   form.txtanswer,   form.ProgressBar1,
                form.Label2,      form.Check1,  form.Check2,   form.Check3,      form.Check4,
                form.Label3,      form.Check5,  form.Check6,   form.Check7,      form.Label5,
                form.PushButton8, form.Label1,  form.lblscore, form.lblQuestion, form.lblmessage,
                form.PushButton1});
}

void describeSummaryWindow(QWidget& form, QTreeWidget* list, QWidget* scoreLine, QWidget* playAgain,
                           QWidget* exit) {
    installRoles();
    list->setAccessibleName(spoken(kSummaryListName));
    list->installEventFilter(new CurrentRowOnFocus(list));
    setReadingOrder(&form, {scoreLine, list, playAgain, exit});
}

void sayProblem(Form1& form) {
    // The number as the counter shows it (in every language its digits are
    // ASCII); a part the window does not show leaves no gap.
    const QString number = QRegularExpression(QStringLiteral("[0-9]+"))
                               .match(form.lblQuestion->text())
                               .captured();
    const QString problem = QCoreApplication::translate("Screen reader", "Question %1: %2 %3 %4 equals")
                                .arg(number, form.lblNum1->text(), shownOperator(form),
                                     form.lblNum2->text());
    form.txtanswer->setAccessibleName(problem.simplified());
    form.PushButton1->setAccessibleName(QString());
    form.PushButton1->setProperty(kTimedOut, false);
}

void sayTimeOut(Form1& form) { form.PushButton1->setProperty(kTimedOut, true); }

void sayJudgement(Form1& form) {
    QStringList said;
    if (form.PushButton1->property(kTimedOut).toBool()) said << gameText(engine::texts::kTimeIsOver);
    said << form.lblmessage->text();
    said << QCoreApplication::translate("Screen reader", "Your score is %1.").arg(form.lblscore->text());
    said.removeAll(QString());
    // Each a sentence of its own ("Wrong! Answer: 12" ends without a stop),
    // whatever the script's own stops.
    static const QString stops = QStringLiteral(".!?\u3002\uFF01\uFF1F\u0964\u061F");
    for (QString& sentence : said)
        if (!stops.contains(sentence.back())) sentence += QLatin1Char('.');
    said << form.PushButton1->text();
    form.PushButton1->setAccessibleName(said.join(QLatin1Char(' ')));
    form.PushButton1->setProperty(kTimedOut, false);
}

QString spokenProblem(const QString& text) {
    QString said = text;
    for (const engine::OperatorInfo& op : engine::kOperators)
        said.replace(qs(op.text), QLatin1Char(' ') + operatorName(op.op) + QLatin1Char(' '));
    return said;
}

void describeSummaryCell(QTreeWidget* list, QTreeWidgetItem* item, int column) {
    const QString header = list->headerItem()->text(column).trimmed();
    item->setData(column, Qt::AccessibleTextRole,
                  header + QLatin1Char(' ') + spokenProblem(item->text(column)));
}

// The list takes the focus when the window opens; its name leads with the
// score line, which stands above it.
void describeScoreLine(QTreeWidget* list, const QString& line) {
    list->setAccessibleName(line + QLatin1Char(' ') + spoken(kSummaryListName));
}

}  // namespace windows
