#include <windows.h>

#include <QApplication>
#include <QWidget>

#include "messages.h"

namespace frame {

// Windows users know the system's own box: its look, its sound, Ctrl+C to
// copy the text (handy for an error report). It takes the report's CR LF and
// bare CRs as line breaks as they stand.
void ModalMessageBoxes::show(const Message& message) {
    UINT flags = MB_OK | MB_SETFOREGROUND;
    if (message.icon == MessageIcon::Exclamation) flags |= MB_ICONEXCLAMATION;
    HWND owner = nullptr;
    if (QWidget* active = QApplication::activeWindow()) owner = reinterpret_cast<HWND>(active->winId());
    // Owned by the active window it disables that window; with no window of
    // the game active, every window of the game is disabled while it waits.
    flags |= owner ? MB_APPLMODAL : MB_TASKMODAL;
    const std::wstring text = message.text.toStdWString();
    const std::wstring title = message.title.toStdWString();
    MessageBoxW(owner, text.c_str(), title.c_str(), flags);
}

}  // namespace frame
