#pragma once

#include <QCursor>
#include <QString>

class QWidget;

namespace frame {

// The folder that holds the executable, without a trailing separator.
QString applicationFolder();
QString skinFilePath(const QString& folder);
QString handPointerPath(const QString& folder);

// True when the file's last-modified time can be read; false on any failure.
bool FileExists(const QString& path) noexcept;

// The application title rule: drop the last word, then keep dropping words
// while the title is longer than 40 characters. A name with no blank to cut
// at keeps what it has.
QString appTitleFor(const QString& name);
// Sets the name the system lists the program under (not the window captions).
void SetAppTitle(const QString& productName);

// The skin stands for itself here: a plain, visible file at the skin path
// means "skinned", which gives the window the button-face colours.
bool skinFilePresent(const QString& folder);
void applySkin(QWidget* form, const QString& folder);

// The button-face colour for the window and its option buttons, check boxes,
// frames and labels; no other control changes.
void systemColourPass(QWidget* window);

// Decodes a Windows cursor file; faults when the file is not a pointer.
QCursor loadHandPointer(const QString& path);

// Gives the fonts the windows name their metric-compatible stand-ins, for
// where they are missing (Debian; Windows has the fonts themselves).
void installFontSubstitutes();

}  // namespace frame
