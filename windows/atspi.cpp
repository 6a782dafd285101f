#include "atspi.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QPointer>
#include <QTimer>

#include "accessibility.h"
#include "atspi.h"

// The Linux half of accessibility: the AT-SPI bus, reached through D-Bus.
namespace windows {

namespace {

// The accessibility bus as Qt's AT-SPI bridge names its connection, and the
// paths under which the bridge serves the accessible objects.
const QString kA11yConnection = QStringLiteral("a11y");
const QString kObjectsPath = QStringLiteral("/org/a11y/atspi/accessible");
const QString kRootPath = QStringLiteral("/org/a11y/atspi/accessible/root");
const QString kAccessibleInterface = QStringLiteral("org.a11y.atspi.Accessible");
const QString kPropertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
const QString kRegistry = QStringLiteral("org.a11y.atspi.Registry");
// The accessibility bus's launcher, on the session bus.
const QString kA11yService = QStringLiteral("org.a11y.Bus");

QString pathOf(QAccessibleInterface* iface) {
    if (!iface || !iface->isValid()) return QStringLiteral("/org/a11y/atspi/null");
    if (iface->role() == QAccessible::Application) return kRootPath;
    return kObjectsPath + QLatin1Char('/') + QString::number(QAccessible::uniqueId(iface));
}

QAccessibleInterface* interfaceAt(const QString& path) {
    if (path == kRootPath)
        return QAccessible::queryAccessibleInterface(QCoreApplication::instance());
    if (!path.startsWith(kObjectsPath + QLatin1Char('/'))) return nullptr;
    bool ok = false;
    const uint id = path.mid(kObjectsPath.size() + 1).toUInt(&ok);
    if (!ok) return nullptr;
    QAccessibleInterface* iface = QAccessible::accessibleInterface(id);
    return iface && iface->isValid() ? iface : nullptr;
}

QVariant objectReference(const QString& service, const QString& path) {
    QDBusArgument reference;
    reference.beginStructure();
    reference << service << QDBusObjectPath(path);
    reference.endStructure();
    return QVariant::fromValue(reference);
}

QVariantMap accessibleProperties(QAccessibleInterface* iface, const QString& busName) {
    QVariantMap properties;
    properties.insert(QStringLiteral("Name"), iface->text(QAccessible::Name));
    properties.insert(QStringLiteral("Description"), iface->text(QAccessible::Description));
    properties.insert(QStringLiteral("ChildCount"), iface->childCount());
    if (iface->role() == QAccessible::Application) {
        properties.insert(QStringLiteral("Parent"), objectReference(kRegistry, kRootPath));
    } else {
        QAccessibleInterface* parent = iface->parent();
        properties.insert(QStringLiteral("Parent"), objectReference(busName, pathOf(parent)));
    }
    return properties;
}

// Stands in front of Qt's bridge on the accessibility bus: takes the
// Properties calls that would crash it and passes everything else on.
//
// It steps in whenever the bridge may have put its object on the bus, and is
// otherwise silent: a game at rest must not wake the machine. The bridge
// registers when accessibility turns on, which Qt reports to activation
// observers (it turns on when a screen reader starts, at any time, and again
// if a bridge rejoins a bus that came back). The accessibility bus's
// launcher leaving or coming back on the session bus is watched too, for a
// bridge that rejoins a restarted bus without turning accessibility off.
class BusGuard final : public QDBusVirtualObject, public QAccessible::ActivationObserver {
public:
    BusGuard() : QDBusVirtualObject(QCoreApplication::instance()) {
        QAccessible::installActivationObserver(this);
        QDBusConnection session = QDBusConnection::sessionBus();
        if (session.isConnected()) {
            auto* launcher = new QDBusServiceWatcher(
                kA11yService, session, QDBusServiceWatcher::WatchForOwnerChange, this);
            QObject::connect(launcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
                             [this] { takeOverSoon(); });
        }
        takeOverSoon();
    }
    ~BusGuard() override { QAccessible::removeActivationObserver(this); }

    QString introspect(const QString& path) const override {
        return bridge_ ? bridge_->introspect(path) : QString();
    }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        if (auto answer = answerPropertiesCall(message, connection.baseService())) {
            QDBusConnection(connection).send(*answer);
            return true;
        }
        return bridge_ ? bridge_->handleMessage(message, connection) : false;
    }

    void accessibilityActiveChanged(bool active) override {
        if (active) takeOverSoon();
    }

private:
    // Qt turns accessibility on before its bridge registers, in the same
    // call; by the next turn of the event loop the bridge is on the bus.
    void takeOverSoon() {
        QTimer::singleShot(0, this, [this] { takeOver(); });
    }

    void takeOver() {
        if (!QAccessible::isActive()) return;
        QDBusConnection bus(kA11yConnection);
        if (!bus.isConnected()) return;
        QObject* there = bus.objectRegisteredAt(kObjectsPath);
        if (there == this) return;
        auto* bridge = qobject_cast<QDBusVirtualObject*>(there);
        if (!bridge) return;
        bus.unregisterObject(kObjectsPath);
        if (bus.registerVirtualObject(kObjectsPath, this, QDBusConnection::SubPath)) {
            bridge_ = bridge;
        } else {
            bus.registerVirtualObject(kObjectsPath, bridge, QDBusConnection::SubPath);
        }
    }

    QPointer<QDBusVirtualObject> bridge_;
};

}  // namespace

void guardAccessibilityBus() {
    static QPointer<BusGuard> guard;
    if (!guard && QCoreApplication::instance()) guard = new BusGuard;
}

void leaveAccessibilityToQt() {
    // Under Qt's GTK platform theme GTK initialises inside the program and
    // starts its own AT-SPI bridge, which registers a second application for
    // the process with no windows in it; screen readers that take the first
    // application of a process then find nothing to read. The game itself
    // reads no environment variables: this one is read by GTK's bridge
    // (at-spi2-atk) when GTK starts, so it is set before the application
    // object loads the theme. Qt's own bridge does not look at it.
    qputenv("NO_AT_BRIDGE", "1");
}

QString accessibleObjectPath(QObject* object) {
    return pathOf(QAccessible::queryAccessibleInterface(object));
}

std::optional<QDBusMessage> answerPropertiesCall(const QDBusMessage& call, const QString& busName) {
    if (call.type() != QDBusMessage::MethodCallMessage || call.interface() != kPropertiesInterface)
        return std::nullopt;
    const QString member = call.member();
    // The arguments as their types say, not as the member promises.
    const QVariantList args = call.arguments();
    auto isText = [&](int i) { return args.at(i).metaType() == QMetaType::fromType<QString>(); };
    auto isVariant = [&](int i) {
        return args.at(i).metaType() == QMetaType::fromType<QDBusVariant>();
    };
    const bool getShape = args.size() == 2 && isText(0) && isText(1);
    const bool setShape = args.size() == 3 && isText(0) && isText(1) && isVariant(2);
    const bool getAllShape = args.size() == 1 && isText(0);
    if (member == QLatin1String("Get") && getShape) return std::nullopt;
    if (member == QLatin1String("Set") && setShape) return std::nullopt;
    if (member != QLatin1String("GetAll") || !getAllShape)
        return call.createErrorReply(
            QDBusError::InvalidArgs,
            QStringLiteral("Bad arguments for %1.%2").arg(kPropertiesInterface, member));
    QAccessibleInterface* iface = interfaceAt(call.path());
    if (!iface)
        return call.createErrorReply(QDBusError::UnknownObject,
                                     QStringLiteral("No accessible object at %1").arg(call.path()));
    if (args.at(0).toString() != kAccessibleInterface)
        return call.createErrorReply(QDBusError::NotSupported,
                                     QStringLiteral("Ask for each property with Get"));
    return call.createReply(QVariant(accessibleProperties(iface, busName)));
}

}  // namespace windows
