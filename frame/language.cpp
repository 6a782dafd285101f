#include "language.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace frame {

namespace {

const QString kCatalogueFolder = QStringLiteral(":/i18n");
const QString kCataloguePrefix = QStringLiteral("quillory_");

// The language whose catalogues were loaded at start-up, for the texts said
// before they can be installed.
const QTranslator* startTranslator = nullptr;

// Whether a part of a locale name is a region ("AT", "BR", "419").
bool isRegion(const QString& part) {
    return (part.size() == 2 && part.at(0).isUpper() && part.at(1).isUpper()) ||
           (part.size() == 3 && part.at(0).isDigit());
}

}  // namespace

QStringList catalogueLanguages() {
    QStringList codes;
    const QStringList files = QDir(kCatalogueFolder).entryList({kCataloguePrefix + QStringLiteral("*.qm")},
                                                               QDir::Files, QDir::Name);
    for (const QString& file : files)
        codes << file.mid(kCataloguePrefix.size(), file.size() - kCataloguePrefix.size() - 3);
    return codes;
}

QString chooseLanguage(const QStringList& uiLanguages, const QStringList& catalogues) {
    for (const QString& entry : uiLanguages) {
        const QStringList parts = QString(entry).replace(QLatin1Char('-'), QLatin1Char('_')).split(QLatin1Char('_'));
        const QString language = parts.first().toLower();
        if (language == QLatin1String("en")) return {};
        // Qt lists C after a language it does not know ("xx", "C", "hi"),
        // and alone for the C and POSIX locales: no language either way.
        if (language == QLatin1String("c") || language == QLatin1String("posix")) continue;
        QString region;
        QString script;
        for (const QString& part : parts.mid(1)) {
            if (isRegion(part)) region = part;
            else if (part.size() == 4) script = part;
        }
        QStringList candidates;
        if (language == QLatin1String("zh")) {
            // Traditional script (Taiwan, Hong Kong, Macao) is another written
            // language than the simplified one of the catalogue.
            const bool traditional = script == QLatin1String("Hant") ||
                                     (script.isEmpty() && (region == QLatin1String("TW") ||
                                                           region == QLatin1String("HK") ||
                                                           region == QLatin1String("MO")));
            if (!traditional) candidates << QStringLiteral("zh_CN");
        } else {
            if (!region.isEmpty()) candidates << language + QLatin1Char('_') + region;
            candidates << language;
        }
        for (const QString& c : candidates)
            if (catalogues.contains(c)) return c;
    }
    return {};
}

Language::Language() : Language(chooseLanguage(QLocale::system().uiLanguages(), catalogueLanguages())) {}

Language::Language(const QString& code) : code_(code) {
    if (code_.isEmpty()) return;
    if (!game_.load(kCataloguePrefix + code_, kCatalogueFolder)) {
        code_.clear();
        return;
    }
    // Debian's qt6-translations-l10n; where it is missing, Qt's few texts
    // stay English and the game's own are still translated.
    (void)qt_.load(QStringLiteral("qtbase_") + code_,
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    startTranslator = &game_;
}

Language::~Language() {
    if (startTranslator == &game_) startTranslator = nullptr;
    if (QCoreApplication::instance()) {
        QCoreApplication::removeTranslator(&qt_);
        QCoreApplication::removeTranslator(&game_);
    }
}

void Language::install() {
    if (code_.isEmpty()) return;
    // The Windows folder carries Qt's catalogues beside the program; the
    // folder is known only once the application object stands.
    if (qt_.isEmpty())
        (void)qt_.load(QStringLiteral("qtbase_") + code_,
                       QCoreApplication::applicationDirPath() + QStringLiteral("/translations"));
    if (!qt_.isEmpty()) QCoreApplication::installTranslator(&qt_);
    QCoreApplication::installTranslator(&game_);
    // Qt would read the direction from its own catalogue, where there is
    // one; the language's script says it whatever catalogues there are.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        QGuiApplication::setLayoutDirection(QLocale(code_).textDirection());
}

QString translatedAtStart(const char* context, const char* source) {
    // The application object may be half made (a platform that fails inside
    // its constructor), with nothing installed yet: ask the catalogue itself.
    if (startTranslator) {
        const QString said = startTranslator->translate(context, source);
        if (!said.isEmpty()) return said;
    }
    return QCoreApplication::translate(context, source);
}

}  // namespace frame
