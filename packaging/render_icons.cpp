// Writes the application icon into a hicolor theme tree, one PNG for every
// size the program draws it at, so the menu shows exactly the icon that the
// windows carry. Usage: render_icons OUTPUT-FOLDER ICON-NAME
#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <cstdio>

#include "frame/startup.h"
#include "windows/controls.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER ICON-NAME\n", argv[0]);
        return 2;
    }
    // Drawing needs a GUI application but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // A build step leaves nothing behind but its pictures, as the game does.
    frame::keepQtFromMakingARuntimeFolder();
    frame::PlatformStart platform;
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    platform.started();

    const QString out = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    const QIcon icon = windows::applicationIcon();
    const QList<QSize> sizes = icon.availableSizes();
    if (sizes.isEmpty()) {
        std::fprintf(stderr, "render_icons: the application icon has no pictures\n");
        return 1;
    }
    for (const QSize& size : sizes) {
        const QString dir =
            QStringLiteral("%1/%2x%3/apps").arg(out).arg(size.width()).arg(size.height());
        if (!QDir().mkpath(dir)) {
            std::fprintf(stderr, "render_icons: cannot create %s\n", qPrintable(dir));
            return 1;
        }
        // Device pixel ratio 1: the file holds the picture drawn for that size.
        const QPixmap pixmap = icon.pixmap(size, 1.0);
        const QString file = dir + QLatin1Char('/') + name + QStringLiteral(".png");
        if (pixmap.size() != size || !pixmap.save(file, "PNG")) {
            std::fprintf(stderr, "render_icons: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
