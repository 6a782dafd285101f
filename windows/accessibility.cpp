#include "accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QEvent>
#include <QHash>
#include <QPointer>

#include "engine/texts.h"
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

QAccessibleInterface* roleFactory(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    // The windows are plain widgets to Qt; to a screen reader they are windows.
    if (className == QLatin1String("windows::Form1") ||
        className == QLatin1String("windows::Form2"))
        return new WindowInterface(widget);
    if (className == QLatin1String("windows::OperatorPicture"))
        return new QAccessibleWidget(widget, QAccessible::Graphic);
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

AnnouncementListener& announcementListener() {
    static AnnouncementListener listener;
    return listener;
}

// Asks assistive technology to speak `text` now, wherever the focus is.
void announce(QObject* source, const QString& text, bool urgent) {
    if (text.isEmpty()) return;
    if (announcementListener()) announcementListener()(source, text, urgent);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(source, text);
    event.setPoliteness(urgent ? QAccessible::AnnouncementPoliteness::Assertive
                               : QAccessible::AnnouncementPoliteness::Polite);
    QAccessible::updateAccessibility(&event);
#else
    QAccessibleEvent event(source, QAccessible::Alert);
    QAccessible::updateAccessibility(&event);
    // Qt's AT-SPI bridge drops alerts; AT-SPI has an announcement event of its own.
    announceOnAccessibilityBus(source, text, urgent);
#endif
}

}  // namespace

void setAnnouncementListener(AnnouncementListener listener) {
    announcementListener() = std::move(listener);
}

QString operatorName(engine::Operator op) {
    const std::string_view name = engine::info(op).name;
    return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

void describeMainWindow(Form1& form) {
    installRoles();
    guardAccessibilityBus();

    form.txtanswer->setAccessibleName(QString::fromLatin1(kAnswerBoxName));
    // The labels keep their own text as their name: that is what is spoken.
    form.lblNum1->setAccessibleDescription(QString::fromLatin1(described::kFirstNumber));
    form.lblNum2->setAccessibleDescription(QString::fromLatin1(described::kSecondNumber));
    form.lblscore->setAccessibleDescription(QString::fromLatin1(described::kScore));
    form.lblQuestion->setAccessibleDescription(QString::fromLatin1(described::kQuestion));
    form.lblmessage->setAccessibleDescription(QString::fromLatin1(described::kVerdict));
    form.lblMultiOp->setAccessibleDescription(QString::fromLatin1(described::kRandomOperator));
    for (OperatorPicture* picture : form.pictures())
        picture->setAccessibleName(operatorName(picture->op()));

    // A progress bar's text does not reach AT-SPI; its name does.
    ProgressBar* bar = form.ProgressBar1;
    bar->setAccessibleName(bar->text());
    bar->setAccessibleDescription(QString::fromLatin1(described::kCountdown));
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

void describeSummaryWindow(QWidget& form, QWidget* list, QWidget* scoreLine, QWidget* playAgain,
                           QWidget* exit) {
    installRoles();
    list->setAccessibleName(QString::fromLatin1(kSummaryListName));
    setReadingOrder(&form, {scoreLine, list, playAgain, exit});
}

// The verdict and the score stand in their boxes by now, on both ways of judging.
void announceVerdict(QLabel& verdict) { announce(&verdict, verdict.text(), false); }

void announceTimeOut(QWidget& countdown) {
    announce(&countdown, qs(engine::texts::kTimeIsOver), true);
}

}  // namespace windows
