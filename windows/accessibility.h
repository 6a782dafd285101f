#pragma once

#include <QString>

#include "engine/quiz.h"

class QObject;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace windows {

class Form1;
class Form2;

// What a screen reader needs beyond what the controls say by themselves:
// names for the controls without a caption, descriptions for numbers that do
// not say what they are, and the countdown's text. Nothing here changes what
// the windows show.
//
// Screen readers speak what takes the keyboard focus, by its name, role and
// description; Orca 43, Debian 12's, speaks little else (no label changes, no
// announcements). So every moment of a game reaches the child through the
// focus the game already moves: a problem through the answer box, which
// takes its name from the question and the problem, and a judgement through
// the Next button, named with the verdict and the score. Nothing is
// announced besides, so a reader that does hear announcements hears each
// moment once too.
void describeMainWindow(Form1& form);
void describeSummaryWindow(QWidget& form, QTreeWidget* list, QWidget* scoreLine, QWidget* playAgain,
                           QWidget* exit);

// Before the answer box takes the focus for a problem: the box is named with
// the question number and the problem as the window shows them.
void sayProblem(Form1& form);
// Before the Next button takes the focus after a judgement: it is named with
// the verdict and the score, after "Time is over." when the time ran out.
void sayJudgement(Form1& form);
void sayTimeOut(Form1& form);

// The spoken form of a problem text: the operators as words.
QString spokenProblem(const QString& text);
// A summary cell as it is read: the column's header, then the cell.
void describeSummaryCell(QTreeWidget* list, QTreeWidgetItem* item, int column);
// The score line, said when the list takes the focus, before its rows.
void describeScoreLine(QTreeWidget* list, const QString& line);

// Keeps GTK's own accessibility bridge out of the program, so that a screen
// reader finds one application for it, Qt's, with the windows. Call before
// the application object exists. (Linux; Windows has no GTK in the program.)
void leaveAccessibilityToQt();

// How a screen reader speaks an operator picture.
QString operatorName(engine::Operator op);

// The accessible descriptions, for the tests and the assistive-technology
// check to find the controls by (in English: they run without a catalogue).
// Each is said in the player's language (spoken()).
namespace described {
inline constexpr const char* kFirstNumber = QT_TRANSLATE_NOOP("Screen reader", "first number");
inline constexpr const char* kSecondNumber = QT_TRANSLATE_NOOP("Screen reader", "second number");
inline constexpr const char* kScore = QT_TRANSLATE_NOOP("Screen reader", "your score");
inline constexpr const char* kQuestion = QT_TRANSLATE_NOOP("Screen reader", "question number");
inline constexpr const char* kRandomOperator =
    QT_TRANSLATE_NOOP("Screen reader", "the operator is chosen at random");
inline constexpr const char* kCountdown = QT_TRANSLATE_NOOP("Screen reader", "seconds left to answer");
inline constexpr const char* kVerdict = QT_TRANSLATE_NOOP("Screen reader", "verdict");
}  // namespace described
inline constexpr const char* kAnswerBoxName = QT_TRANSLATE_NOOP("Screen reader", "Your answer");
inline constexpr const char* kSummaryListName = QT_TRANSLATE_NOOP("Screen reader", "Problems of this game");
// A text above in the player's language.
QString spoken(const char* text);

// The platform's half, where the platform needs more than Qt gives (the
// AT-SPI bus on Linux, atspi.cpp; nothing on Windows, atspi_none.cpp).
// Stands between Qt's bridge and the bus (atspi.h) from the first window on.
void guardAccessibilityBus();

}  // namespace windows
