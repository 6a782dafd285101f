#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "engine/quiz.h"

class QObject;
class QLabel;
class QWidget;

namespace windows {

class Form1;
class Form2;

// What a screen reader needs beyond what the controls say by themselves:
// names for the controls without a caption, descriptions for numbers that do
// not say what they are, the countdown's text, and announcements of a verdict
// and of the time-out. Nothing here changes what the windows show, and
// nothing takes the keyboard focus.
void describeMainWindow(Form1& form);
void describeSummaryWindow(QWidget& form, QWidget* list, QWidget* scoreLine, QWidget* playAgain,
                           QWidget* exit);

// Said as they happen: the verdict once the problem is judged, and that the
// time ran out.
void announceVerdict(QLabel& verdict);
void announceTimeOut(QWidget& countdown);

// Hears every announcement as it is made, besides assistive technology:
// the source object, the text and whether it interrupts other speech. Qt
// gives no other way to observe them without a platform bridge.
using AnnouncementListener = std::function<void(QObject* source, const QString& text, bool urgent)>;
void setAnnouncementListener(AnnouncementListener listener);

// Keeps GTK's own accessibility bridge out of the program, so that a screen
// reader finds one application for it, Qt's, with the windows. Call before
// the application object exists. (Linux; Windows has no GTK in the program.)
void leaveAccessibilityToQt();

// How a screen reader speaks an operator picture.
QString operatorName(engine::Operator op);

// The accessible descriptions, for the tests and the assistive-technology
// check to find the controls by.
namespace described {
inline constexpr const char* kFirstNumber = "first number";
inline constexpr const char* kSecondNumber = "second number";
inline constexpr const char* kScore = "your score";
inline constexpr const char* kQuestion = "question number";
inline constexpr const char* kRandomOperator = "the operator is chosen at random";
inline constexpr const char* kCountdown = "seconds left to answer";
inline constexpr const char* kVerdict = "verdict";
}  // namespace described
inline constexpr const char* kAnswerBoxName = "Your answer";
inline constexpr const char* kSummaryListName = "Problems of this game";

// The platform's half, where the platform needs more than Qt gives (the
// AT-SPI bus on Linux, atspi.cpp; nothing on Windows, atspi_none.cpp).
// Stands between Qt's bridge and the bus (atspi.h) from the first window on.
void guardAccessibilityBus();

// Sends an AT-SPI announcement event: Qt 6.4's bridge drops the alert that
// stands for it.
void announceOnAccessibilityBus(QObject* source, const QString& text, bool urgent);

}  // namespace windows
