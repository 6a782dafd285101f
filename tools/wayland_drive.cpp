// Plays one round of the real game on whatever platform Qt was given (made
// for QT_QPA_PLATFORM=wayland under a headless compositor, which has no input
// devices). The game starts through the program's own start-up; only the
// player is driven: keys go in through the window system interface, as the
// platform plugin delivers them, and clicks go to the buttons.
//
// Prints one line per stage and "wayland-drive: PASS" before it presses the
// summary's close button; exits non-zero at the first stage that does not hold.

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "rig/summary_parts.h"
#include "windows/form1.h"
#include "windows/form2.h"
#include "windows/game.h"
#include "windows/title_strip.h"

namespace {

using windows::Form1;
using windows::Form2;

void say(const QString& line) {
    std::printf("wayland-drive: %s\n", qPrintable(line));
    std::fflush(stdout);
}

[[noreturn]] void fail(const QString& why) {
    say(QStringLiteral("FAIL: ") + why);
    std::_Exit(2);
}

// Runs the event loop until `holds` is true, or fails after `ms`.
void waitFor(const QString& what, const std::function<bool()>& holds, int ms = 10000) {
    QElapsedTimer clock;
    clock.start();
    while (!holds()) {
        if (clock.elapsed() > ms) fail(QStringLiteral("timed out waiting for ") + what);
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
}

// Lets the compositor answer whatever was sent (a configure and its ack take
// two round trips; a protocol error ends the process on the first).
void settle(int ms = 700) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

// The window goes without the platform's title bar, whose maximize button
// breaks a window of fixed size, and carries the game's own: minimize only
// where the window has it, close, nothing that maximizes. A double click on
// it, which maximizes in most title bars, must leave the window as it is.
windows::TitleStrip& checkTitleStrip(QWidget& window, const char* name, bool minimize) {
    const QString who = QLatin1String(name);
    if (!(window.windowFlags() & Qt::FramelessWindowHint))
        fail(who + QStringLiteral(" has the platform's title bar"));
    auto* strip = window.findChild<windows::TitleStrip*>();
    if (!strip || !strip->isVisible()) fail(who + QStringLiteral(" has no title strip"));
    if (!strip->closeButton()) fail(who + QStringLiteral(" has no close button"));
    if (bool(strip->minimizeButton()) != minimize)
        fail(who + (minimize ? QStringLiteral(" lacks") : QStringLiteral(" has")) +
             QStringLiteral(" a minimize button"));
    const auto buttons = strip->findChildren<QAbstractButton*>();
    if (buttons.size() != (minimize ? 2 : 1)) fail(who + QStringLiteral(": unexpected buttons"));
    const QSize before = window.size();
    const QPoint caption(strip->width() / 2, strip->height() / 2);
    QTest::mouseDClick(strip, Qt::LeftButton, Qt::NoModifier, caption);
    settle();
    if (window.size() != before || (window.windowHandle()->windowStates() & Qt::WindowMaximized))
        fail(who + QStringLiteral(" changed on a double click on its title"));
    say(QStringLiteral("%1: own title strip, %2 button(s), %3x%4 after a double click on it")
            .arg(who)
            .arg(buttons.size())
            .arg(window.width())
            .arg(window.height()));
    return *strip;
}

bool questionOneIsOpen(const Form1& form) {
    return form.isVisible() && form.lblQuestion->text() == QLatin1String("Question 1") &&
           form.txtanswer->isEnabled() && form.focusWidget() == form.txtanswer;
}

void typeAnswer(Form1& form, const QString& digits) {
    for (QChar c : digits) QTest::keyClick(form.windowHandle(), c.toLatin1());
    QTest::keyClick(form.windowHandle(), Qt::Key_Return);
}

void play(Form1& form) {
    say(QStringLiteral("platform ") + QGuiApplication::platformName());

    waitFor(QStringLiteral("Question 1 to open by itself"), [&] { return questionOneIsOpen(form); });
    waitFor(QStringLiteral("the window to be exposed"),
            [&] { return form.windowHandle() && form.windowHandle()->isExposed(); });
    say(QStringLiteral("Question 1 opened by itself; caption \"%1\", app id \"%2\"")
            .arg(form.windowTitle(), QGuiApplication::desktopFileName()));
    if (form.windowTitle() != QLatin1String("Quillory")) fail(QStringLiteral("caption"));
    if (form.windowIcon().isNull()) fail(QStringLiteral("no window icon"));
    if (form.minimumSize() != form.maximumSize()) fail(QStringLiteral("main window is resizable"));

    const QString before = form.ProgressBar1->text();
    waitFor(QStringLiteral("the countdown to tick"), [&] { return form.ProgressBar1->text() != before; },
            3000);
    say(QStringLiteral("countdown: ") + form.ProgressBar1->text());

    checkTitleStrip(form, "main window", true);
    if (!questionOneIsOpen(form)) fail(QStringLiteral("the problem lost the keyboard"));

    typeAnswer(form, QString::number(form.game().correctAnswer()));
    waitFor(QStringLiteral("the verdict"),
            [&] { return form.lblmessage->text() == QLatin1String("That's correct!"); });
    if (form.lblscore->text() != QLatin1String("1")) fail(QStringLiteral("score after a right answer"));
    say(QStringLiteral("typed the answer and Enter: ") + form.lblmessage->text());

    QTest::mouseClick(form.PushButton8, Qt::LeftButton);
    Form2* summary = form.loadedForm2();
    waitFor(QStringLiteral("the summary"), [&] {
        summary = form.loadedForm2();
        return summary && summary->isVisible() && summary->windowHandle()->isExposed() &&
               !form.isVisible();
    });
    say(QStringLiteral("End Game: summary \"%1\", %2 row(s)")
            .arg(parts::Label1(summary)->text())
            .arg(summary->rowCount()));
    if (summary->rowCount() != 1) fail(QStringLiteral("summary rows"));
    if (summary->minimumSize() != summary->maximumSize()) fail(QStringLiteral("summary is resizable"));
    checkTitleStrip(*summary, "summary", false);

    QTest::mouseClick(parts::PushButton8(summary), Qt::LeftButton);
    waitFor(QStringLiteral("Question 1 of the new game"), [&] { return questionOneIsOpen(form); });
    if (summary->isVisible()) fail(QStringLiteral("summary still shown after Play Again"));
    say(QStringLiteral("Play Again: Question 1 opened by itself"));

    typeAnswer(form, QString::number(form.game().correctAnswer() + 1));
    waitFor(QStringLiteral("the second verdict"),
            [&] { return form.lblmessage->text().startsWith(QLatin1String("Wrong! Answer: ")); });
    QTest::mouseClick(form.PushButton8, Qt::LeftButton);
    waitFor(QStringLiteral("the summary again"), [&] { return summary->isVisible(); });
    if (summary->rowCount() != 1) fail(QStringLiteral("the new game's summary"));
    say(QStringLiteral("PASS"));
    // Its close button ends the program, as Exit Application does.
    QTest::mouseClick(summary->findChild<windows::TitleStrip*>()->closeButton(), Qt::LeftButton);
    fail(QStringLiteral("the summary's close button did not end the program"));
}

}  // namespace

int main(int argc, char** argv) {
    return windows::runGame(argc, argv, play);
}
