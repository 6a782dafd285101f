#pragma once

#include <QDBusMessage>
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
// the application object exists.
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

// Requests to the accessibility bus that Qt 6.4's bridge cannot take: its
// handler reads a second argument from every D-Bus Properties call, so a
// GetAll (one argument) or a short Get ends the program. Returns the answer
// for such a call, addressed to `busName` (the program's own name on the
// accessibility bus), or nothing for a call that Qt handles well. Properties
// of org.a11y.atspi.Accessible are answered in full; GetAll of any other
// interface gets a "not supported" error, after which clients ask with Get.
std::optional<QDBusMessage> answerPropertiesCall(const QDBusMessage& call, const QString& busName);

// The D-Bus object path of an accessible object on the accessibility bus.
QString accessibleObjectPath(QObject* object);

}  // namespace windows
