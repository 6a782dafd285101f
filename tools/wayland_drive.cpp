// Plays one round of the real game on whatever platform Qt was given (made
// for QT_QPA_PLATFORM=wayland under a headless compositor, which has no input
// devices). The game starts through the program's own start-up; only the
// player is driven: keys go in through the window system interface, as the
// platform plugin delivers them, clicks go to the buttons, and a maximize
// request goes to the compositor exactly as a title-bar button sends it.
//
// Prints one line per stage and "wayland-drive: PASS" before it presses Exit
// Application; exits non-zero at the first stage that does not hold.
//
//   wayland_drive               the round
//   wayland_drive --maximize    the round with a maximize request to each window

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string_view>

#include "windows/form1.h"
#include "windows/form2.h"
#include "windows/game.h"

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

// A maximize request as the client-side decoration's button makes it, then
// the window must be as it was.
void tryToMaximize(QWidget& window, const char* name) {
    const QSize before = window.size();
    const QSize frameBefore = window.frameGeometry().size();
    window.windowHandle()->setWindowStates(Qt::WindowMaximized);
    settle();
    if (window.size() != before || window.frameGeometry().size() != frameBefore)
        fail(QStringLiteral("%1 changed size on a maximize request: %2x%3 -> %4x%5")
                 .arg(QLatin1String(name))
                 .arg(before.width())
                 .arg(before.height())
                 .arg(window.width())
                 .arg(window.height()));
    if (window.windowHandle()->windowStates() & Qt::WindowMaximized)
        fail(QLatin1String(name) + QStringLiteral(" stayed maximized"));
    if (!window.isVisible()) fail(QLatin1String(name) + QStringLiteral(" is gone"));
    say(QStringLiteral("%1 kept %2x%3 after a maximize request")
            .arg(QLatin1String(name))
            .arg(window.width())
            .arg(window.height()));
}

bool questionOneIsOpen(const Form1& form) {
    return form.isVisible() && form.lblQuestion->text() == QLatin1String("Question 1") &&
           form.txtanswer->isEnabled() && form.focusWidget() == form.txtanswer;
}

void typeAnswer(Form1& form, const QString& digits) {
    for (QChar c : digits) QTest::keyClick(form.windowHandle(), c.toLatin1());
    QTest::keyClick(form.windowHandle(), Qt::Key_Return);
}

bool withMaximize = false;

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

    if (withMaximize) tryToMaximize(form, "main window");
    if (!questionOneIsOpen(form)) fail(QStringLiteral("the problem lost the keyboard"));

    typeAnswer(form, QString::number(form.correctAnswer()));
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
            .arg(summary->Label1->text())
            .arg(summary->rowCount()));
    if (summary->rowCount() != 1) fail(QStringLiteral("summary rows"));
    if (summary->minimumSize() != summary->maximumSize()) fail(QStringLiteral("summary is resizable"));
    if (withMaximize) tryToMaximize(*summary, "summary");

    QTest::mouseClick(summary->PushButton8, Qt::LeftButton);
    waitFor(QStringLiteral("Question 1 of the new game"), [&] { return questionOneIsOpen(form); });
    if (summary->isVisible()) fail(QStringLiteral("summary still shown after Play Again"));
    say(QStringLiteral("Play Again: Question 1 opened by itself"));

    typeAnswer(form, QString::number(form.correctAnswer() + 1));
    waitFor(QStringLiteral("the second verdict"),
            [&] { return form.lblmessage->text().startsWith(QLatin1String("Wrong! Answer: ")); });
    QTest::mouseClick(form.PushButton8, Qt::LeftButton);
    waitFor(QStringLiteral("the summary again"), [&] { return summary->isVisible(); });
    if (summary->rowCount() != 1) fail(QStringLiteral("the new game's summary"));
    say(QStringLiteral("PASS"));
    QTest::mouseClick(summary->PushButton1, Qt::LeftButton);  // Exit Application ends the process
    fail(QStringLiteral("Exit Application did not end the program"));
}

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::string_view(argv[i]) == "--maximize") withMaximize = true;
    return windows::runGame(argc, argv, play);
}
