#pragma once

#include <QDBusMessage>
#include <QString>
#include <optional>

class QObject;

// Linux only: the AT-SPI accessibility bus, over D-Bus (atspi.cpp). On
// Windows screen readers use UI Automation, which Qt serves by itself.
namespace windows {

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
