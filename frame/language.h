#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

namespace frame {

// The languages the game carries a catalogue for, by code ("de", "pt_BR",
// "zh_CN"), from the catalogues built into the program.
QStringList catalogueLanguages();

// The language of the desktop's list (QLocale::uiLanguages(), most wanted
// first) that decides: the first entry that is English or has a catalogue
// (C and POSIX name no language and are passed over). A regional variant falls back to its language (de_AT to de),
// Chinese in simplified script or without one to zh_CN. Returns the
// catalogue's code, or an empty string for English, which is the texts as
// they stand in the code: no English catalogue is ever loaded.
QString chooseLanguage(const QStringList& uiLanguages, const QStringList& catalogues);

// The player's language: the game's catalogue and Qt's own (the message
// boxes' button, the answer box's menu) for the language the desktop asks
// for. Nothing is stored; every start asks again. Loaded before the
// application object stands, so that the one text said without it (no
// desktop) is said in the language too; installed once it stands.
class Language {
public:
    // As the desktop asks (QLocale::system()).
    Language();
    // A given catalogue's code; empty for English.
    explicit Language(const QString& code);
    Language(const Language&) = delete;
    Language& operator=(const Language&) = delete;
    ~Language();

    const QString& code() const { return code_; }
    bool qtCatalogueLoaded() const { return !qt_.isEmpty(); }

    // Puts the catalogues into the application and the layout direction the
    // language writes in (right to left for Arabic and Hebrew).
    void install();

private:
    QString code_;
    QTranslator game_;
    QTranslator qt_;
};

// A text in the language loaded at start-up, also before the application
// object stands; the source where there is none.
QString translatedAtStart(const char* context, const char* source);

}  // namespace frame
