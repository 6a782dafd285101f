#include "main_module.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QRadioButton>
#include <QWidget>

#include "engine/fault.h"

namespace frame {

namespace {
constexpr int kMaxTitleLength = 40;
// A pointer file is a few kilobytes; refuse to decode anything far larger.
constexpr qint64 kMaxPointerFileBytes = 4 * 1024 * 1024;
const char* const kBadPicture = QT_TRANSLATE_NOOP("Error report", "Invalid picture");
}  // namespace

QString applicationFolder() { return QCoreApplication::applicationDirPath(); }

QString skinFilePath(const QString& folder) {
    return QDir::toNativeSeparators(folder + QStringLiteral("/x/o.cjs"));
}

QString handPointerPath(const QString& folder) {
    return QDir::toNativeSeparators(folder + QStringLiteral("/HAND-M.CUR"));
}

bool FileExists(const QString& path) noexcept {
    try {
        if (path.isEmpty()) return false;
        const QFileInfo info(QDir::fromNativeSeparators(path));
        return info.exists() && info.lastModified().isValid();
    } catch (...) {
        return false;
    }
}

QString appTitleFor(const QString& name) {
    QString t = name;
    do {
        const qsizetype blank = t.lastIndexOf(QChar(' '));
        if (blank < 0) break;
        t.truncate(blank);
    } while (t.size() > kMaxTitleLength);
    return t;
}

void SetAppTitle(const QString& productName) {
    // The application name, not the display name: Qt appends a display name
    // to every window caption on some platforms.
    QCoreApplication::setApplicationName(appTitleFor(productName));
}

bool skinFilePresent(const QString& folder) {
    const QFileInfo info(QDir::fromNativeSeparators(skinFilePath(folder)));
    return info.isFile() && !info.isHidden();
}

void systemColourPass(QWidget* window) {
    const QColor face = window->palette().color(QPalette::Button);
    auto paint = [&](QWidget* w) {
        QPalette p = w->palette();
        p.setColor(QPalette::Window, face);
        w->setPalette(p);
    };
    paint(window);
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (qobject_cast<QRadioButton*>(child) || qobject_cast<QCheckBox*>(child) ||
            qobject_cast<QGroupBox*>(child) || qobject_cast<QLabel*>(child))
            paint(child);
    }
}

void applySkin(QWidget* form, const QString& folder) {
    if (!skinFilePresent(folder)) return;
    systemColourPass(form);
}

QCursor loadHandPointer(const QString& path) {
    // Only a plain file can be a pointer: opening a named pipe would wait for
    // a writer forever, and a device such as /dev/zero never ends.
    if (!QFileInfo(QDir::fromNativeSeparators(path)).isFile()) throw engine::Fault(kBadPicture);
    QFile file(QDir::fromNativeSeparators(path));
    if (!file.open(QIODevice::ReadOnly)) throw engine::Fault(kBadPicture);
    if (file.size() > kMaxPointerFileBytes) throw engine::Fault(kBadPicture);
    // Read no more than the limit, whatever size the file claimed.
    const QByteArray bytes = file.read(kMaxPointerFileBytes + 1);
    if (bytes.size() > kMaxPointerFileBytes) throw engine::Fault(kBadPicture);
    // The header: reserved 0, type 2 (cursor), at least one entry; the first
    // directory entry carries the hotspot at offsets 10 and 12.
    auto u16 = [&](int at) {
        return quint16(quint8(bytes[at])) | quint16(quint16(quint8(bytes[at + 1])) << 8);
    };
    if (bytes.size() < 22 || u16(0) != 0 || u16(2) != 2 || u16(4) == 0)
        throw engine::Fault(kBadPicture);
    const QImage image = QImage::fromData(bytes, "cur");
    if (image.isNull()) throw engine::Fault(kBadPicture);
    const int hotX = u16(10);
    const int hotY = u16(12);
    return QCursor(QPixmap::fromImage(image), qMin(hotX, image.width() - 1),
                   qMin(hotY, image.height() - 1));
}

void installFontSubstitutes() {
    // fontconfig aliases Arial and Times New Roman to the Liberation fonts,
    // but only where its metric aliases are configured; without them Qt falls
    // back to whatever font comes first, with other widths, and captions are
    // cut. MS Sans Serif has no alias, and Liberation Sans is its nearest
    // match. A substitute is used only where the named font is missing, so
    // Windows, which has all three, draws with its own; a Windows machine
    // without them (or a test run whose fonts are Liberation alone) still
    // gets the widths the layout was drawn for.
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
}

}  // namespace frame
